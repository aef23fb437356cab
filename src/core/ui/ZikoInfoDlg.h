#pragma once
#include "platform/dialog.h"

class TZikoInfoDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoInfoDlg(QWidget* parent = nullptr);
};

extern TZikoInfoDlg* ZikoInfoDlg;
