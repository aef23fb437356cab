#include "season/ui/ZikoNSErgLoeschenDlg.h"

#include "platform/text.h"

TZikoNSErgLoeschenDlg* ZikoNSErgLoeschenDlg = nullptr;

TZikoNSErgLoeschenDlg::TZikoNSErgLoeschenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Ergebnisse löschen")); }
