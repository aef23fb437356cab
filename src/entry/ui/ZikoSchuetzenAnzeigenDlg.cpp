#include "entry/ui/ZikoSchuetzenAnzeigenDlg.h"

#include "platform/text.h"

TZikoSchuetzenAnzeigenDlg* ZikoSchuetzenAnzeigenDlg = nullptr;

TZikoSchuetzenAnzeigenDlg::TZikoSchuetzenAnzeigenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Schützen")); }
