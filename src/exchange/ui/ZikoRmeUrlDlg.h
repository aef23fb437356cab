#pragma once
#include "exchange/ui/NotIncludedDialog.h"

class TZikoRmeUrlDlg : public NotIncludedDialog {
  Q_OBJECT
 public:
  explicit TZikoRmeUrlDlg(QWidget* parent = nullptr);
};

extern TZikoRmeUrlDlg* ZikoRmeUrlDlg;
