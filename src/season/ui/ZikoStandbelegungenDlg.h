#pragma once
#include "platform/dialog.h"

class TZikoStandbelegungenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoStandbelegungenDlg(QWidget* parent = nullptr);
};

extern TZikoStandbelegungenDlg* ZikoStandbelegungenDlg;
