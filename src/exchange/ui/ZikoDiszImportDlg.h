#pragma once
#include "platform/dialog.h"

class TZikoDiszImportDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoDiszImportDlg(QWidget* parent = nullptr);
};

extern TZikoDiszImportDlg* ZikoDiszImportDlg;
