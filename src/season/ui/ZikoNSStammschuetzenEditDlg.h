#pragma once
#include "platform/dialog.h"

class TZikoNSStammschuetzenEditDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSStammschuetzenEditDlg(QWidget* parent = nullptr);
};

extern TZikoNSStammschuetzenEditDlg* ZikoNSStammschuetzenEditDlg;
