#pragma once
#include "platform/dialog.h"

class TZikoErgEingabeDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoErgEingabeDlg(QWidget* parent = nullptr);
};

extern TZikoErgEingabeDlg* ZikoErgEingabeDlg;
