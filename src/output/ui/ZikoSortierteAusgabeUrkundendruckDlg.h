#pragma once
#include "platform/dialog.h"

class TZikoSortierteAusgabeUrkundendruckDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoSortierteAusgabeUrkundendruckDlg(QWidget* parent = nullptr);
};

extern TZikoSortierteAusgabeUrkundendruckDlg* ZikoSortierteAusgabeUrkundendruckDlg;
