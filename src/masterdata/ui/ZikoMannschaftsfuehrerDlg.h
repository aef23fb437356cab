#pragma once
#include "platform/dialog.h"

class TZikoMannschaftsfuehrerDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoMannschaftsfuehrerDlg(QWidget* parent = nullptr);
};

extern TZikoMannschaftsfuehrerDlg* ZikoMannschaftsfuehrerDlg;
