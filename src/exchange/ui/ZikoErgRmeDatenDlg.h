#pragma once
#include "exchange/ui/NotIncludedDialog.h"

class TZikoErgRmeDatenDlg : public NotIncludedDialog {
  Q_OBJECT
 public:
  explicit TZikoErgRmeDatenDlg(QWidget* parent = nullptr);
};

extern TZikoErgRmeDatenDlg* ZikoErgRmeDatenDlg;
