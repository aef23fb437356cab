#include "masterdata/ui/ZikoNSMschFuehrerAnzeigenDlg.h"

#include "platform/text.h"

TZikoNSMschFuehrerAnzeigenDlg* ZikoNSMschFuehrerAnzeigenDlg = nullptr;

TZikoNSMschFuehrerAnzeigenDlg::TZikoNSMschFuehrerAnzeigenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Mannschaftsleiter anzeigen")); }
