#include "masterdata/ui/ZikoJahrgangsklassenDlg.h"

#include "platform/text.h"

TZikoJahrgangsklassenDlg* ZikoJahrgangsklassenDlg = nullptr;

TZikoJahrgangsklassenDlg::TZikoJahrgangsklassenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Jahrgangsklassen")); }
