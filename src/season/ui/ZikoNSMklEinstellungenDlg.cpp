#include "season/ui/ZikoNSMklEinstellungenDlg.h"

#include "platform/text.h"

TZikoNSMklEinstellungenDlg* ZikoNSMklEinstellungenDlg = nullptr;

TZikoNSMklEinstellungenDlg::TZikoNSMklEinstellungenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Einstellungen der Mannschaftsklassen")); }
