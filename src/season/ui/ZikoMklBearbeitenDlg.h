#pragma once
// The pairing editor: swaps home and guest of single pairings of a class, in one bout or
// in a bout and its mirror bout of the other half of the season.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "platform/dialog.h"

class TZikoMklBearbeitenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoMklBearbeitenDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void FormHide() override;
  void ComboBoxKlasseChange();
  void ComboBoxTermineChange();
  void ListView1Click();
  void ButtonVRTauschenClick();
  void ButtonKnrTauschenClick();
  void ButtonStandbelegungenClick();
  void ButtonUebernehmenClick();
  void ButtonAbbrechenClick();

  int selectedRow() const { return row_; }
  // Selects the pairing row as a click on it would.
  void selectRow(int row);

  QComboBox* ComboBoxKlasse;
  QComboBox* ComboBoxTermine;
  QTreeWidget* ListView1;
  QPushButton* ButtonVRTauschen;
  QPushButton* ButtonKnrTauschen;
  QGroupBox* GroupBoxHm;
  QGroupBox* GroupBoxGm;
  QPlainTextEdit* MemoZstextH;
  QPlainTextEdit* MemoZstextG;
  QPushButton* ButtonStandbelegungen;
  QPushButton* ButtonUebernehmen;
  QPushButton* ButtonAbbrechen;
  QPushButton* ButtonHilfe;

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void fillBouts();
  // Both columns within the list's width: each team shortened in its club's name.
  void fitPairingNames();
  void fitClubCaptions();
  void fillPairings();
  void showClubs();
  void refreshView();
  void afterSwap();

  int row_ = 0;
  QString heimVerein_, gastVerein_;  // the clubs the two captions name, whole
};

extern TZikoMklBearbeitenDlg* ZikoMklBearbeitenDlg;
