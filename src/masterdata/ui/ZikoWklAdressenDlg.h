#pragma once
#include "platform/dialog.h"

class TZikoWklAdressenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoWklAdressenDlg(QWidget* parent = nullptr);
};

extern TZikoWklAdressenDlg* ZikoWklAdressenDlg;
