#include "exchange/ui/DownloadDialog1.h"

TDownloadDialog1* DownloadDialog1 = nullptr;

TDownloadDialog1::TDownloadDialog1(QWidget* parent) : NotIncludedDialog("Download", parent) {}
