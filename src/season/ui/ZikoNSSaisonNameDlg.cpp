#include "season/ui/ZikoNSSaisonNameDlg.h"

#include "platform/text.h"

TZikoNSSaisonNameDlg* ZikoNSSaisonNameDlg = nullptr;

TZikoNSSaisonNameDlg::TZikoNSSaisonNameDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Saisonbezeichnung")); }
