#include "output/ui/ZikoSortierteAusgabeUrkundendruckDlg.h"

#include "platform/text.h"

TZikoSortierteAusgabeUrkundendruckDlg* ZikoSortierteAusgabeUrkundendruckDlg = nullptr;

TZikoSortierteAusgabeUrkundendruckDlg::TZikoSortierteAusgabeUrkundendruckDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Ausgaben für Urkundendruck")); }
