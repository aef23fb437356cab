#include "season/ui/ZikoTermineDlg.h"

#include "platform/text.h"

TZikoTermineDlg* ZikoTermineDlg = nullptr;

TZikoTermineDlg::TZikoTermineDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Termine")); }
