#pragma once
#include "platform/dialog.h"

class TZikoMklBearbeitenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoMklBearbeitenDlg(QWidget* parent = nullptr);
};

extern TZikoMklBearbeitenDlg* ZikoMklBearbeitenDlg;
