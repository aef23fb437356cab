#pragma once
#include "platform/dialog.h"

class TZkoEinstWebzugangDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZkoEinstWebzugangDlg(QWidget* parent = nullptr);
};

extern TZkoEinstWebzugangDlg* ZkoEinstWebzugangDlg;
