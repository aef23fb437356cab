#pragma once
#include "platform/dialog.h"

class TZikoNSTerminlistenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSTerminlistenDlg(QWidget* parent = nullptr);
};

extern TZikoNSTerminlistenDlg* ZikoNSTerminlistenDlg;
