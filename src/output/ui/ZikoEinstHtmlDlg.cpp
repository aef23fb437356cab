#include "output/ui/ZikoEinstHtmlDlg.h"

#include "platform/text.h"

TZikoEinstHtmlDlg* ZikoEinstHtmlDlg = nullptr;

TZikoEinstHtmlDlg::TZikoEinstHtmlDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Html-Ausgabe")); }
