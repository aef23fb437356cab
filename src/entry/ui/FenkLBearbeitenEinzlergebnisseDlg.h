#pragma once
#include "platform/dialog.h"

class TFenkLBearbeitenEinzlergebnisseDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TFenkLBearbeitenEinzlergebnisseDlg(QWidget* parent = nullptr);
};

extern TFenkLBearbeitenEinzlergebnisseDlg* FenkLBearbeitenEinzlergebnisseDlg;
