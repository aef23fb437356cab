#pragma once
#include "exchange/ui/NotIncludedDialog.h"

class TZielKontorBssbDatenImportDlg : public NotIncludedDialog {
  Q_OBJECT
 public:
  explicit TZielKontorBssbDatenImportDlg(QWidget* parent = nullptr);
};

extern TZielKontorBssbDatenImportDlg* ZielKontorBssbDatenImportDlg;
