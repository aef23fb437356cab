#pragma once
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <vector>

#include "entry/mannschaftsergebnisse.h"
#include "platform/dialog.h"
#include "platform/sortablelist.h"

// The results of one team round by round, with the opponent of a round and the team's
// ring average, corrected, added and deleted one by one.
class TFenkLBearbeitenMschsergebnisseDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TFenkLBearbeitenMschsergebnisseDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void FormClose();
  void ComboBoxDiszChange();
  void ComboBoxKlasseChange();
  void ListViewVereineChange();
  void ListViewMannschaftenChange();
  void ListViewMschErgChange();
  void ButtonNeuesErgClick();
  void ButtonSpeichernClick();
  void ButtonErgLoeschenClick();
  void ButtonHilfeClick() { showHelp(); }

  QComboBox* ComboBoxDisz;
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
  QPushButton* ButtonSpeichern;
  QPushButton* ButtonErgLoeschen;
  QPushButton* ButtonEnde;
  QPushButton* ButtonHilfe;
  QLabel* LabelRingschnitt;
  QLineEdit* EditRingschnitt;

  int MergMklindex = 0;
  int MergVrindex = 0;
  int Zehntelflag = 0;

 protected:
  void FormHide() override { FormClose(); }

 private:
  void LoadPositions(int disznr);
  void StorePositions(int disznr);
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
  bool NeuerEintrag = false;
  int ShownDisznr = 0;
};

extern TFenkLBearbeitenMschsergebnisseDlg* FenkLBearbeitenMschsergebnisseDlg;
