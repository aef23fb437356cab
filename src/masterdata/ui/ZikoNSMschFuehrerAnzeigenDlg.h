#pragma once
#include "platform/dialog.h"

class TZikoNSMschFuehrerAnzeigenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSMschFuehrerAnzeigenDlg(QWidget* parent = nullptr);
};

extern TZikoNSMschFuehrerAnzeigenDlg* ZikoNSMschFuehrerAnzeigenDlg;
