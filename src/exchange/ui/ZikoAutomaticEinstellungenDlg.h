#pragma once
#include "platform/dialog.h"

class TZikoAutomaticEinstellungenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoAutomaticEinstellungenDlg(QWidget* parent = nullptr);
};

extern TZikoAutomaticEinstellungenDlg* ZikoAutomaticEinstellungenDlg;
