#pragma once
#include "platform/dialog.h"

class TDownloadDialog1 : public ZDialog {
  Q_OBJECT
 public:
  explicit TDownloadDialog1(QWidget* parent = nullptr);
};

extern TDownloadDialog1* DownloadDialog1;
