#pragma once
#include "platform/dialog.h"

class TZikoNSErgLoeschenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSErgLoeschenDlg(QWidget* parent = nullptr);
};

extern TZikoNSErgLoeschenDlg* ZikoNSErgLoeschenDlg;
