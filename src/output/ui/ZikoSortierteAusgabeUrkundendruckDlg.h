#pragma once
// The certificate-data window: its work is not part of this version, so it says so and
// closes again.
#include "exchange/ui/NotIncludedDialog.h"

class TZikoSortierteAusgabeUrkundendruckDlg : public NotIncludedDialog {
  Q_OBJECT
 public:
  explicit TZikoSortierteAusgabeUrkundendruckDlg(QWidget* parent = nullptr);
};

extern TZikoSortierteAusgabeUrkundendruckDlg* ZikoSortierteAusgabeUrkundendruckDlg;
