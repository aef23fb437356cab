#include "output/ui/ZikoSAALEinstellungenDlg.h"

#include "platform/text.h"

TZikoSAALEinstellungenDlg* ZikoSAALEinstellungenDlg = nullptr;

TZikoSAALEinstellungenDlg::TZikoSAALEinstellungenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Einstellungen Aktionseintrag")); }
