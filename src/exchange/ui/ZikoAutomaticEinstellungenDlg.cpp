#include "exchange/ui/ZikoAutomaticEinstellungenDlg.h"

TZikoAutomaticEinstellungenDlg* ZikoAutomaticEinstellungenDlg = nullptr;

TZikoAutomaticEinstellungenDlg::TZikoAutomaticEinstellungenDlg(QWidget* parent) : NotIncludedDialog("Einstellungen Automatischer Ablauf", parent) {}
