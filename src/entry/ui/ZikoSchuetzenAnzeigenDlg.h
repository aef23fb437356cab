#pragma once
#include "platform/dialog.h"

class TZikoSchuetzenAnzeigenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoSchuetzenAnzeigenDlg(QWidget* parent = nullptr);
};

extern TZikoSchuetzenAnzeigenDlg* ZikoSchuetzenAnzeigenDlg;
