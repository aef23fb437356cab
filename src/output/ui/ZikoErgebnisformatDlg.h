#pragma once
// Whole rings or tenths per discipline (Disznamen.Zehntelflag). All disciplines are edited
// in one transaction: OK keeps the changes, every other way of closing undoes them.
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

#include "platform/dialog.h"

class TZikoErgebnisformatDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoErgebnisformatDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ComboBoxDiszChange();
  void ButtonOKClick();
  void ButtonAbbrechenClick() { closeWith(mrCancel); }

  QComboBox* ComboBoxDisz;
  QGroupBox* RadioGroup1;
  QButtonGroup* RadioItems;  // the item index is the flag: 0 whole rings, 1 tenths
  QPushButton* ButtonOK;
  QPushButton* ButtonAbbrechen;
  QPushButton* ButtonHilfe;

 private:
  void ladeFlag();
  void speichereFlag();
  long gezeigt_ = 0;  // the discipline whose flag the radio group shows
};

extern TZikoErgebnisformatDlg* ZikoErgebnisformatDlg;
