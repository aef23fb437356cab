#include "output/ui/ZikoNSAusgabenDlg.h"

#include "platform/text.h"

TZikoNSAusgabenDlg* ZikoNSAusgabenDlg = nullptr;

TZikoNSAusgabenDlg::TZikoNSAusgabenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Ausgaben der Saison")); }
