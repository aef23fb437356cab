#pragma once
#include "platform/dialog.h"

class TZielKontorBssbDatenImportDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZielKontorBssbDatenImportDlg(QWidget* parent = nullptr);
};

extern TZielKontorBssbDatenImportDlg* ZielKontorBssbDatenImportDlg;
