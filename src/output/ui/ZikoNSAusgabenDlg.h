#pragma once
#include "platform/dialog.h"

class TZikoNSAusgabenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSAusgabenDlg(QWidget* parent = nullptr);
};

extern TZikoNSAusgabenDlg* ZikoNSAusgabenDlg;
