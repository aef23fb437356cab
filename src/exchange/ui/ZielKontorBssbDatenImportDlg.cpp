#include "exchange/ui/ZielKontorBssbDatenImportDlg.h"

TZielKontorBssbDatenImportDlg* ZielKontorBssbDatenImportDlg = nullptr;

TZielKontorBssbDatenImportDlg::TZielKontorBssbDatenImportDlg(QWidget* parent) : NotIncludedDialog("BSSB-Datenimport", parent) {}
