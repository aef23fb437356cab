#include "exchange/ui/DownloadDialog1.h"

#include "platform/text.h"

TDownloadDialog1* DownloadDialog1 = nullptr;

TDownloadDialog1::TDownloadDialog1(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Download")); }
