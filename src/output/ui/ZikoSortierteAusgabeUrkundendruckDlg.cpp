#include "output/ui/ZikoSortierteAusgabeUrkundendruckDlg.h"

TZikoSortierteAusgabeUrkundendruckDlg* ZikoSortierteAusgabeUrkundendruckDlg = nullptr;

TZikoSortierteAusgabeUrkundendruckDlg::TZikoSortierteAusgabeUrkundendruckDlg(QWidget* parent)
    : NotIncludedDialog("Ausgaben für Urkundendruck", parent) {}
