#include "season/ui/ZikoNeueSaisonDlg.h"

#include "platform/text.h"

TZikoNeueSaisonDlg* ZikoNeueSaisonDlg = nullptr;

TZikoNeueSaisonDlg::TZikoNeueSaisonDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Neue Saison")); }
