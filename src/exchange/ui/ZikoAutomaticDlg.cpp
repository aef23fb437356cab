#include "exchange/ui/ZikoAutomaticDlg.h"

#include "platform/text.h"

TZikoAutomaticDlg* ZikoAutomaticDlg = nullptr;

TZikoAutomaticDlg::TZikoAutomaticDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Automatischer Ablauf")); }
