#pragma once
#include "platform/dialog.h"

class TZikoDiszbezDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoDiszbezDlg(QWidget* parent = nullptr);
};

extern TZikoDiszbezDlg* ZikoDiszbezDlg;
