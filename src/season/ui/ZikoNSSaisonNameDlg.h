#pragma once
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "platform/dialog.h"

// The season name of the current discipline (free text, may be empty).
class TZikoNSSaisonNameDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSSaisonNameDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ButtonUebernehmenClick();
  void ButtonAbbrechenClick() { closeWith(mrCancel); }
  void ButtonHilfe1Click() { showHelp(); }

  QGroupBox* GroupBox1;
  QLineEdit* EditNeueSaison;
  QPushButton* ButtonUebernehmen;
  QPushButton* ButtonAbbrechen;
  QPushButton* ButtonHilfe1;
};

extern TZikoNSSaisonNameDlg* ZikoNSSaisonNameDlg;
