#include "masterdata/ui/ZikoDiszbezDlg.h"

#include "platform/text.h"

TZikoDiszbezDlg* ZikoDiszbezDlg = nullptr;

TZikoDiszbezDlg::TZikoDiszbezDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Disziplinbezeichnungen")); }
