#pragma once
#include "platform/dialog.h"

class TZikoAutomaticDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoAutomaticDlg(QWidget* parent = nullptr);
};

extern TZikoAutomaticDlg* ZikoAutomaticDlg;
