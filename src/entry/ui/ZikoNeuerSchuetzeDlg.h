#pragma once
#include "platform/dialog.h"

class TZikoNeuerSchuetzeDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNeuerSchuetzeDlg(QWidget* parent = nullptr);
};

extern TZikoNeuerSchuetzeDlg* ZikoNeuerSchuetzeDlg;
