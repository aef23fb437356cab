#pragma once
#include "platform/dialog.h"

class TZikoNSMklEinstellungenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSMklEinstellungenDlg(QWidget* parent = nullptr);
};

extern TZikoNSMklEinstellungenDlg* ZikoNSMklEinstellungenDlg;
