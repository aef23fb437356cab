#pragma once
#include "platform/dialog.h"

class TZikoSortierteAusgabeDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoSortierteAusgabeDlg(QWidget* parent = nullptr);
};

extern TZikoSortierteAusgabeDlg* ZikoSortierteAusgabeDlg;
