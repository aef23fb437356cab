#include "season/ui/ZikoMklBearbeitenDlg.h"

#include "platform/text.h"

TZikoMklBearbeitenDlg* ZikoMklBearbeitenDlg = nullptr;

TZikoMklBearbeitenDlg::TZikoMklBearbeitenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Gegnereinteilung bearbeiten")); }
