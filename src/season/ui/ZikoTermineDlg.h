#pragma once
#include "platform/dialog.h"

class TZikoTermineDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoTermineDlg(QWidget* parent = nullptr);
};

extern TZikoTermineDlg* ZikoTermineDlg;
