#include "exchange/ui/ZikoRmeUrlDlg.h"

TZikoRmeUrlDlg* ZikoRmeUrlDlg = nullptr;

TZikoRmeUrlDlg::TZikoRmeUrlDlg(QWidget* parent) : NotIncludedDialog("Ordner der Ergebnismeldungen", parent) {}
