#pragma once
#include "platform/dialog.h"

class TZikoJahrgangsklassenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoJahrgangsklassenDlg(QWidget* parent = nullptr);
};

extern TZikoJahrgangsklassenDlg* ZikoJahrgangsklassenDlg;
