#pragma once
#include "platform/dialog.h"

class TZikoRmeUrlDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoRmeUrlDlg(QWidget* parent = nullptr);
};

extern TZikoRmeUrlDlg* ZikoRmeUrlDlg;
