#pragma once
#include "exchange/ui/NotIncludedDialog.h"

class TZikoAutomaticEinstellungenDlg : public NotIncludedDialog {
  Q_OBJECT
 public:
  explicit TZikoAutomaticEinstellungenDlg(QWidget* parent = nullptr);
};

extern TZikoAutomaticEinstellungenDlg* ZikoAutomaticEinstellungenDlg;
