#include "exchange/ui/ZikoAutomaticEinstellungenDlg.h"

#include "platform/text.h"

TZikoAutomaticEinstellungenDlg* ZikoAutomaticEinstellungenDlg = nullptr;

TZikoAutomaticEinstellungenDlg::TZikoAutomaticEinstellungenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Einstellungen Automatischer Ablauf")); }
