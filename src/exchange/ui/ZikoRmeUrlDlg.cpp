#include "exchange/ui/ZikoRmeUrlDlg.h"

#include "platform/text.h"

TZikoRmeUrlDlg* ZikoRmeUrlDlg = nullptr;

TZikoRmeUrlDlg::TZikoRmeUrlDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Ordner der Ergebnismeldungen")); }
