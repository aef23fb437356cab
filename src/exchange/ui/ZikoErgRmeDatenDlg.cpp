#include "exchange/ui/ZikoErgRmeDatenDlg.h"

#include "platform/text.h"

TZikoErgRmeDatenDlg* ZikoErgRmeDatenDlg = nullptr;

TZikoErgRmeDatenDlg::TZikoErgRmeDatenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Ergebnismeldungen")); }
