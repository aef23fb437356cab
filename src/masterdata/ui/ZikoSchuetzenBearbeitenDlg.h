#pragma once
#include "platform/dialog.h"

class TZikoSchuetzenBearbeitenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoSchuetzenBearbeitenDlg(QWidget* parent = nullptr);
};

extern TZikoSchuetzenBearbeitenDlg* ZikoSchuetzenBearbeitenDlg;
