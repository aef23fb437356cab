#pragma once
// The dates of every bout of every class of the current discipline.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "season/termine.h"

class TZikoTermineDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoTermineDlg(QWidget* parent = nullptr);
  ~TZikoTermineDlg() override;

  void FormShow() override;
  void ComboBoxKlasseChange();
  void ButtonTvvKClick();
  void ButtonTanAlleClick();
  void ButtonUebernehmenClick();
  void ButtonAbbrechenClick();

  // The class shown (-1: none) and the number of its rows on screen.
  long klasseNr() const { return klasseNr_; }
  int sichtbareZeilen() const { return zeilen_; }

  QComboBox* ComboBoxKlasse;
  QFrame* Panel1;
  std::array<QLabel*, kTerminZeilen> Nummern{};
  std::array<QLineEdit*, kTerminZeilen> Edits{};
  QPushButton* ButtonTvvK;
  QPushButton* ButtonTanAlle;
  QPushButton* ButtonUebernehmen;
  QPushButton* ButtonAbbrechen;
  QPushButton* ButtonHilfe;

 private:
  void showClass(long nr);
  // false when a date holds a character cp1252 cannot: nothing is stored, and with
  // tell the message names it and the field takes the focus. false as well when storing
  // failed (the error box was shown); the stored dates stay as they were.
  bool saveShownClass(bool tell = true);
  bool shownDates(std::vector<std::string>& dates, bool tell);
  void putDates(const std::vector<std::string>& dates);
  void panelFocusChanged(QWidget* old, QWidget* now);

  long klasseNr_ = -1;
  int anzahlTermine_ = 0;
  int zeilen_ = 0;
  bool loading_ = false;
  bool zeilenGrenzeGemeldet_ = false;
  QMetaObject::Connection focusWatch_;
};

extern TZikoTermineDlg* ZikoTermineDlg;
