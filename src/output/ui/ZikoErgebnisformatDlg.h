#pragma once
#include "platform/dialog.h"

class TZikoErgebnisformatDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoErgebnisformatDlg(QWidget* parent = nullptr);
};

extern TZikoErgebnisformatDlg* ZikoErgebnisformatDlg;
