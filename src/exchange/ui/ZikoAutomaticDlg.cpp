#include "exchange/ui/ZikoAutomaticDlg.h"

TZikoAutomaticDlg* ZikoAutomaticDlg = nullptr;

TZikoAutomaticDlg::TZikoAutomaticDlg(QWidget* parent) : NotIncludedDialog("Automatischer Ablauf", parent) {}
