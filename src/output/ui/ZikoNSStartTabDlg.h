#pragma once
#include "platform/dialog.h"

class TZikoNSStartTabDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSStartTabDlg(QWidget* parent = nullptr);
};

extern TZikoNSStartTabDlg* ZikoNSStartTabDlg;
