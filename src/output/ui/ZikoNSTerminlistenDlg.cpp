#include "output/ui/ZikoNSTerminlistenDlg.h"

#include "platform/text.h"

TZikoNSTerminlistenDlg* ZikoNSTerminlistenDlg = nullptr;

TZikoNSTerminlistenDlg::TZikoNSTerminlistenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Terminliste")); }
