#pragma once
#include "platform/dialog.h"

class TZikoDbOptDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoDbOptDlg(QWidget* parent = nullptr);
};

extern TZikoDbOptDlg* ZikoDbOptDlg;
