#pragma once
#include "platform/dialog.h"

class TZikoVereineBearbeitenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoVereineBearbeitenDlg(QWidget* parent = nullptr);
};

extern TZikoVereineBearbeitenDlg* ZikoVereineBearbeitenDlg;
