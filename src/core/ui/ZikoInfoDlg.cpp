#include "core/ui/ZikoInfoDlg.h"

#include "platform/text.h"

TZikoInfoDlg* ZikoInfoDlg = nullptr;

TZikoInfoDlg::TZikoInfoDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Info")); }
