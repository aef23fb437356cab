#include "exchange/ui/ZikoErgRmeDatenDlg.h"

TZikoErgRmeDatenDlg* ZikoErgRmeDatenDlg = nullptr;

TZikoErgRmeDatenDlg::TZikoErgRmeDatenDlg(QWidget* parent) : NotIncludedDialog("Ergebnismeldungen", parent) {}
