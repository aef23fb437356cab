#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

#include "platform/dialog.h"

// Deletes the results of the current discipline (all classes, a class or one round of a
// class) and, as ticked, its line-ups and captains. Nothing is deleted unless "Ausführen"
// completes.
class TZikoNSErgLoeschenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSErgLoeschenDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ComboBoxMklChange();
  void ComboBoxDgnrChange() { setGroupCaption(); }
  void ButtonUebernehmenClick();
  void ButtonAbbrechenClick() { closeWith(mrCancel); }
  void ButtonHilfe1Click() { showHelp(); }

  QComboBox* ComboBoxMkl;
  QComboBox* ComboBoxDgnr;
  QGroupBox* GroupBox2;
  QCheckBox* CheckBoxDelEErg;
  QCheckBox* CheckBoxDelMErg;
  QCheckBox* CheckBoxDelMschAustlg;
  QCheckBox* CheckBoxDelMschFuehrer;
  QPushButton* ButtonUebernehmen;
  QPushButton* ButtonAbbrechen;
  QPushButton* ButtonHilfe1;

 private:
  void setGroupCaption();

  std::string diszname_;
};

extern TZikoNSErgLoeschenDlg* ZikoNSErgLoeschenDlg;
