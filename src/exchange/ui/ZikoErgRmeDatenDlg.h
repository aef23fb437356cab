#pragma once
#include "platform/dialog.h"

class TZikoErgRmeDatenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoErgRmeDatenDlg(QWidget* parent = nullptr);
};

extern TZikoErgRmeDatenDlg* ZikoErgRmeDatenDlg;
