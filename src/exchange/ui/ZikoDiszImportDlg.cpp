#include "exchange/ui/ZikoDiszImportDlg.h"

#include "platform/text.h"

TZikoDiszImportDlg* ZikoDiszImportDlg = nullptr;

TZikoDiszImportDlg::TZikoDiszImportDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Disziplin importieren")); }
