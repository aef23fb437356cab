#include "masterdata/ui/ZikoMannschaftsfuehrerDlg.h"

#include "platform/text.h"

TZikoMannschaftsfuehrerDlg* ZikoMannschaftsfuehrerDlg = nullptr;

TZikoMannschaftsfuehrerDlg::TZikoMannschaftsfuehrerDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Mannschaftsleiter")); }
