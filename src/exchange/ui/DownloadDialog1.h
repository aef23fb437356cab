#pragma once
#include "exchange/ui/NotIncludedDialog.h"

class TDownloadDialog1 : public NotIncludedDialog {
  Q_OBJECT
 public:
  explicit TDownloadDialog1(QWidget* parent = nullptr);
};

extern TDownloadDialog1* DownloadDialog1;
