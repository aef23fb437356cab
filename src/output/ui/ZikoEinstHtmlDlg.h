#pragma once
#include "platform/dialog.h"

class TZikoEinstHtmlDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoEinstHtmlDlg(QWidget* parent = nullptr);
};

extern TZikoEinstHtmlDlg* ZikoEinstHtmlDlg;
