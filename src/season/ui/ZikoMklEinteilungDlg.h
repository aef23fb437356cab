#pragma once
#include "platform/dialog.h"

class TZikoMklEinteilungDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoMklEinteilungDlg(QWidget* parent = nullptr);
};

extern TZikoMklEinteilungDlg* ZikoMklEinteilungDlg;
