#pragma once
#include "exchange/ui/NotIncludedDialog.h"

class TZikoAutomaticDlg : public NotIncludedDialog {
  Q_OBJECT
 public:
  explicit TZikoAutomaticDlg(QWidget* parent = nullptr);
};

extern TZikoAutomaticDlg* ZikoAutomaticDlg;
