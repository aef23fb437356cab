#pragma once
// Base of the data-exchange windows whose work is not part of this version: when shown,
// the user reads that one line and the window closes again without changing anything.
#include "platform/dialog.h"

class NotIncludedDialog : public ZDialog {
  Q_OBJECT
 public:
  NotIncludedDialog(const char* caption, QWidget* parent);
  void FormShow() override;
};
