#pragma once
#include "platform/dialog.h"

class TFenkLDateiNeuDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TFenkLDateiNeuDlg(QWidget* parent = nullptr);
};

extern TFenkLDateiNeuDlg* FenkLDateiNeuDlg;
