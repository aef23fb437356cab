#pragma once
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <vector>

#include "entry/mannschaftsergebnisse.h"
#include "entry/ui/ErgebnisBearbeitenDlg.h"
#include "platform/sortablelist.h"

// The results of one team round by round, with the opponent of a round and the team's
// ring average, corrected, added and deleted one by one.
class TFenkLBearbeitenMschsergebnisseDlg : public TErgebnisBearbeitenDlg {
  Q_OBJECT
 public:
  explicit TFenkLBearbeitenMschsergebnisseDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ComboBoxKlasseChange();
  void ListViewVereineChange();
  void ListViewMannschaftenChange();
  void ListViewMschErgChange();
  void ButtonNeuesErgClick();
  void ButtonSpeichernClick() override;
  void ButtonErgLoeschenClick() override;
  void ButtonHilfeClick() { showHelp(); }

  QComboBox* ComboBoxKlasse;
  SortableListView* ListViewVereine;
  QTreeWidget* ListViewMannschaften;
  QLabel* Label1;
  QLabel* Label2;
  QTreeWidget* ListViewMschErg;
  QLineEdit* EditKnr;
  QLineEdit* EditRinge;
  QLineEdit* EditPP;
  QLineEdit* EditMP;
  QLineEdit* EditKorPkt;
  QPushButton* ButtonNeuesErg;
  QLabel* LabelRingschnitt;
  QLineEdit* EditRingschnitt;

  int MergMklindex = 0;
  int MergVrindex = 0;

 protected:
  void LoadPositions(int disznr) override;
  void StorePositions(int disznr) override;
  void disciplineChanged() override { FillVereine(); }
  void newEntryClick() override { ButtonNeuesErgClick(); }

 private:
  void FillVereine();
  void FillMannschaften();
  void ShowMschErgebnisse(int selectErgnr = -1);
  void ShowMschErgebnis();
  void RingSchnitt();
  void clearEditLine();
  const MschEintrag* selectedTeam() const;
  const MErgZeile* selectedResult() const;
  int ringLimit() const { return Zehntelflag >= 1 ? 6 : 4; }

  std::vector<MschEintrag> Mannschaften;
  std::vector<MErgZeile> Ergebnisse;
};

extern TFenkLBearbeitenMschsergebnisseDlg* FenkLBearbeitenMschsergebnisseDlg;
