#include "exchange/ui/ZkoEinstWebzugangDlg.h"

#include "platform/text.h"

TZkoEinstWebzugangDlg* ZkoEinstWebzugangDlg = nullptr;

TZkoEinstWebzugangDlg::TZkoEinstWebzugangDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Web-Zugangsdaten")); }
