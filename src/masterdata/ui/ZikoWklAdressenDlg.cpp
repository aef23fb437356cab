#include "masterdata/ui/ZikoWklAdressenDlg.h"

#include "platform/text.h"

TZikoWklAdressenDlg* ZikoWklAdressenDlg = nullptr;

TZikoWklAdressenDlg::TZikoWklAdressenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Wettkampfleiter")); }
