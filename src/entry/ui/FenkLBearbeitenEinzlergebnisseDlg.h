#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <vector>

#include "entry/einzelergebnisse.h"
#include "platform/dialog.h"
#include "platform/sortablelist.h"

// The results of one shooter, corrected, added and deleted one by one.
class TFenkLBearbeitenEinzlergebnisseDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TFenkLBearbeitenEinzlergebnisseDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void FormClose();
  void ComboBoxDiszChange();
  void ComboBoxVereineChange();
  void ListViewSchuetzenChange();
  void ListViewEErgBearbeitenChange();
  void RadioGroup1Click(int index);
  void ButtonErgNeuClick();
  void ButtonSpeichernClick();
  void ButtonErgLoeschenClick();
  void ButtonHilfeClick() { showHelp(); }

  QComboBox* ComboBoxDisz;
  QComboBox* ComboBoxVereine;
  SortableListView* ListViewSchuetzen;
  QRadioButton* RadioAlle;
  QRadioButton* RadioMarkierte;
  QLabel* Label5;
  QTreeWidget* ListViewEErgBearbeiten;
  QLineEdit* EditKampfnr;
  QLineEdit* EditRingerg;
  QLineEdit* EditMschnr;
  QCheckBox* CheckBox1;
  QComboBox* ComboBoxKlasse;
  QPushButton* ButtonSpeichern;
  QPushButton* ButtonErgNeu;
  QPushButton* ButtonErgLoeschen;
  QPushButton* ButtonEnde;
  QPushButton* ButtonHilfe;

  // The remembered position in the club list; the shown club is the chosen item's key.
  int EergVrindex = 0;
  int Zehntelflag = 0;

 protected:
  void FormHide() override { FormClose(); }

 private:
  void LoadPositions(int disznr);
  void StorePositions(int disznr);
  void FillKlassen();
  void ShowSchuetzen();
  void ShowErgebnisse(long selectRowid = -1);
  void ShowErgebnis();
  void clearEditLine();
  void selectFirstShooter();
  long Vrnr() const;
  long Schnr() const;
  const EErgZeile* selectedResult() const;
  int ringLimit() const { return Zehntelflag >= 1 ? 5 : 3; }

  std::vector<EErgZeile> Ergebnisse;
  bool NeuerEintrag = false;
  int ShownDisznr = 0;
};

extern TFenkLBearbeitenEinzlergebnisseDlg* FenkLBearbeitenEinzlergebnisseDlg;
