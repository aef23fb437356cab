#include "masterdata/ui/ZikoSchuetzenBearbeitenDlg.h"

#include "platform/text.h"

TZikoSchuetzenBearbeitenDlg* ZikoSchuetzenBearbeitenDlg = nullptr;

TZikoSchuetzenBearbeitenDlg::TZikoSchuetzenBearbeitenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Schützendaten bearbeiten")); }
