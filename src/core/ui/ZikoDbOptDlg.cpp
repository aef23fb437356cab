#include "core/ui/ZikoDbOptDlg.h"

#include "platform/text.h"

TZikoDbOptDlg* ZikoDbOptDlg = nullptr;

TZikoDbOptDlg::TZikoDbOptDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Datenbank wird optimiert")); }
