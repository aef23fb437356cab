#pragma once
// Per class of the current discipline: how many shooters make the team result, first or
// best, and the least number of individual results for the final ranking.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/dialog.h"

class TZikoNSMklEinstellungenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSMklEinstellungenDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ComboBoxKlasseChange();
  void ButtonUebernehmenClick();
  void ButtonAbbrechenClick();

  long klasseNr() const { return klasseNr_; }

  QComboBox* ComboBoxKlasse;
  QGroupBox* RadioGroup1;
  QRadioButton* RadioErste;
  QRadioButton* RadioBeste;
  QLineEdit* EditSchuetzenproMannschaftUnsort;
  QLineEdit* EditSchuetzenproMannschaftSort;
  QLineEdit* EditMaxSchuetzenSort;
  QGroupBox* GroupBox1;
  QLabel* Label1;
  QLabel* Panel2;
  QLineEdit* EditMinErgAnz;
  QPushButton* ButtonUebernehmen;
  QPushButton* ButtonAbbrechen;
  QPushButton* ButtonHilfe;

 private:
  void showClass(long nr);
  void saveShownClass();

  long klasseNr_ = -1;
  int anzahlTermine_ = 0;
};

extern TZikoNSMklEinstellungenDlg* ZikoNSMklEinstellungenDlg;
