#pragma once
#include <QLineEdit>
#include <QPushButton>

#include "platform/dialog.h"

// Server name, server path, user and password of the web access.
class TZkoEinstWebzugangDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZkoEinstWebzugangDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ButtonOkClick();

  QLineEdit* EditServername;
  QLineEdit* EditServerpfad;
  QLineEdit* EditUser;
  QLineEdit* EditPasswort;
  QPushButton* ButtonOk;
  QPushButton* ButtonAbbrechen;
};

extern TZkoEinstWebzugangDlg* ZkoEinstWebzugangDlg;
