#pragma once
#include "platform/dialog.h"

class TZikoNSSaisonNameDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSSaisonNameDlg(QWidget* parent = nullptr);
};

extern TZikoNSSaisonNameDlg* ZikoNSSaisonNameDlg;
