#pragma once
#include "platform/dialog.h"

class TZikoSAALEinstellungenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoSAALEinstellungenDlg(QWidget* parent = nullptr);
};

extern TZikoSAALEinstellungenDlg* ZikoSAALEinstellungenDlg;
