#include "season/ui/ZikoMklEinteilungDlg.h"

#include "platform/text.h"

TZikoMklEinteilungDlg* ZikoMklEinteilungDlg = nullptr;

TZikoMklEinteilungDlg::TZikoMklEinteilungDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Mannschaftsklassen")); }
