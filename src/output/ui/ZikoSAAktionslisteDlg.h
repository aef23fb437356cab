#pragma once
#include "platform/dialog.h"

class TZikoSAAktionslisteDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoSAAktionslisteDlg(QWidget* parent = nullptr);
};

extern TZikoSAAktionslisteDlg* ZikoSAAktionslisteDlg;
