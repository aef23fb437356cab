#include "exchange/ui/ZielKontorBssbDatenImportDlg.h"

#include "platform/text.h"

TZielKontorBssbDatenImportDlg* ZielKontorBssbDatenImportDlg = nullptr;

TZielKontorBssbDatenImportDlg::TZielKontorBssbDatenImportDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("BSSB-Datenimport")); }
