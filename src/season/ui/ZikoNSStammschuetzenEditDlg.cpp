#include "season/ui/ZikoNSStammschuetzenEditDlg.h"

#include "platform/text.h"

TZikoNSStammschuetzenEditDlg* ZikoNSStammschuetzenEditDlg = nullptr;

TZikoNSStammschuetzenEditDlg::TZikoNSStammschuetzenEditDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Mannschafts-Stammschützen")); }
