#pragma once
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/dialog.h"

// Creates a shooter on the spot while results are typed in.
class TZikoNeuerSchuetzeDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNeuerSchuetzeDlg(QWidget* parent = nullptr);

  void ShowBeside(QWidget* owner);

  void FormShow() override;
  // Stores the shooter and closes; the window stays open when nothing could be stored.
  void ButtonSpeichernEndeClick();
  void ButtonAbbrechenClick() { closeWith(mrCancel); }

  // The club of the new shooter: the entry mask's side club when opened from the mask,
  // the club the picker shows when opened from the picker.
  long clubNumber() const;

  QLineEdit* EditNummer;
  QLineEdit* EditName;
  QLineEdit* EditGebdat;
  QRadioButton* RadioMaennlich;
  QRadioButton* RadioWeiblich;
  QComboBox* ComboBoxJKlasse;
  QPushButton* ButtonSpeichernEnde;
  QPushButton* ButtonAbbrechen;
};

extern TZikoNeuerSchuetzeDlg* ZikoNeuerSchuetzeDlg;
