#pragma once
#include "platform/dialog.h"

class TFenkLBearbeitenMschsergebnisseDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TFenkLBearbeitenMschsergebnisseDlg(QWidget* parent = nullptr);
};

extern TFenkLBearbeitenMschsergebnisseDlg* FenkLBearbeitenMschsergebnisseDlg;
