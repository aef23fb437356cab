#pragma once
#include "platform/dialog.h"

class TZikoNeueSaisonDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNeueSaisonDlg(QWidget* parent = nullptr);
};

extern TZikoNeueSaisonDlg* ZikoNeueSaisonDlg;
