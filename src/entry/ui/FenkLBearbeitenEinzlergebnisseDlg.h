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
#include "entry/ui/ErgebnisBearbeitenDlg.h"
#include "platform/sortablelist.h"

// The results of one shooter, corrected, added and deleted one by one.
class TFenkLBearbeitenEinzlergebnisseDlg : public TErgebnisBearbeitenDlg {
  Q_OBJECT
 public:
  explicit TFenkLBearbeitenEinzlergebnisseDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ComboBoxVereineChange();
  void ListViewSchuetzenChange();
  void ListViewEErgBearbeitenChange();
  void RadioGroup1Click(int index);
  void ButtonErgNeuClick();
  void ButtonSpeichernClick() override;
  void ButtonErgLoeschenClick() override;
  void ButtonHilfeClick() { showHelp(); }

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
  QPushButton* ButtonErgNeu;

  // The remembered position in the club list; the shown club is the chosen item's key.
  int EergVrindex = 0;

 protected:
  void LoadPositions(int disznr) override;
  void StorePositions(int disznr) override;
  void disciplineChanged() override;
  void newEntryClick() override { ButtonErgNeuClick(); }

 private:
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
};

extern TFenkLBearbeitenEinzlergebnisseDlg* FenkLBearbeitenEinzlergebnisseDlg;
