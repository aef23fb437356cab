#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/dialog.h"

// Shows the age classes of a discipline and its age-class settings. It changes nothing, so
// its editing controls stay disabled.
class TZikoJahrgangsklassenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoJahrgangsklassenDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ComboBoxDiszChange();
  void ButtonHilfeClick() { showHelp(); }

  QComboBox* ComboBoxDisz;
  QListWidget* ListBoxJkl;
  QComboBox* ComboBoxMonate;
  QComboBox* ComboBoxM;
  QComboBox* ComboBoxW;
  QLineEdit* EditMindestalter;
  QLineEdit* EditJklname;
  QCheckBox* CheckBoxWeiblich;
  QCheckBox* CheckBoxMaennlich;
  QPushButton* ButtonNeu;
  QPushButton* ButtonSpeichern;
  QPushButton* ButtonEntfernen;
  QPushButton* ButtonOK;
  QPushButton* ButtonAbbrechen;
  QPushButton* ButtonHilfe;

 private:
  void showDiscipline(long disznr);
};

extern TZikoJahrgangsklassenDlg* ZikoJahrgangsklassenDlg;
