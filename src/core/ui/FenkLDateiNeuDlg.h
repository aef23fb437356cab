#pragma once
#include <QLabel>
#include <QPushButton>

#include "platform/dialog.h"

// Empties the main database after a warning.
class TFenkLDateiNeuDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TFenkLDateiNeuDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ButtonWeiterClick();
  void ButtonHilfeClick() { showHelp(); }

  QLabel* Label1;
  QPushButton* ButtonAbbrechen;
  QPushButton* ButtonWeiter;
  QPushButton* ButtonHilfe;
};

extern TFenkLDateiNeuDlg* FenkLDateiNeuDlg;
