#include "season/ui/ZikoStandbelegungenDlg.h"

#include "platform/text.h"

TZikoStandbelegungenDlg* ZikoStandbelegungenDlg = nullptr;

TZikoStandbelegungenDlg::TZikoStandbelegungenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Standbelegungen")); }
