#include "output/ui/ZikoNSStartTabDlg.h"

#include "platform/text.h"

TZikoNSStartTabDlg* ZikoNSStartTabDlg = nullptr;

TZikoNSStartTabDlg::TZikoNSStartTabDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Starttabelle")); }
