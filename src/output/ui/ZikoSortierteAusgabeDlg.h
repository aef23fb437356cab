#pragma once
// The sorted output of a discipline on six pages: team tables, team results, individual,
// class and club results, team captains. Every list is built by the builders of
// ranking/listen.h; the window keeps the tables it shows, so the output commands write
// exactly what the page shows.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/sortablelist.h"
#include "ranking/listen.h"

// The choices of the page shown, as the output commands need them.
struct SortierteAuswahl {
  int32_t Disznr = 0;
  int32_t Kampfindex = 0;  // round index of the page, counted from 0
  int32_t Mklnr = 0;       // class Nr of the page; 0 = all classes or none
  int32_t KlassenPos = 0;  // position of the chosen entry in the page's class list
  std::string Klname;
  int32_t Vrnr = 0;        // club Nummer of the page; 0 = all clubs or none
  std::string VereinText;  // the club entry as listed ("%8d  %s")
  int32_t Anzeige = 0;     // display choice of the page
  int32_t MinRinge = 0;    // whole rings
  int32_t MinAnzahl = 1;
  int32_t Zehntelflag = 0;
  int32_t Filter = 0;  // club results: 0 all results, 1 team changers
  bool NurMitErgebnis = false;
  bool Endwertung = false;  // the final ranking of one class is shown
};

class TZikoSortierteAusgabeDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoSortierteAusgabeDlg(QWidget* parent = nullptr);

  // For the output commands.
  int seite() const { return PageControl1->currentIndex(); }
  SortierteAuswahl auswahl() const;
  // The tables the page shows, top to bottom (the class results show two or three).
  std::vector<ListenTabelle> tabellen() const;

  void FormShow() override;
  void FormHide() override;  // FormClose

  void LoadDiszSettings(int d);
  void SaveDiszSettings(int d);
  void FillVereineCombos(int d);
  void ShowPage(int index);
  void UpdateEndwertung();

  void ShowMschTabellen();
  void ShowMschErgebnisse();
  void ShowEinzelErgebnisse();
  void ShowKlassenErgebnisse();
  void ShowVereinsErgebnisse();
  void ShowMschFuehrer();

  // Handlers of the user's choices.
  void ComboBoxDiszChange();
  void PageControl1Change();
  void ComboBoxSortartChange();
  void ComboBoxDurchgangnrChange();
  void ComboBoxMklRingErgChange();
  void RadioGroup2Click();
  void ComboBoxMklEErgChange();
  void ComboBoxDgnrChang();
  void ComboBoxMinErgAnzChange();
  void EditMinErgRingeExit();
  void ComboBoxMklKlergChange();
  void ComboBoxDgnrKlergChange();
  void RadioGroupKlergSortartClick();
  void ComboBoxMinErgAnzKlChange();
  void EditMinErgRingeKlExit();

  // The output commands.
  void InDateispeichern1Click();
  void InWindowsZwischenablagespeichernF41Click();
  void Drucken1Click();

  // Window state of the current discipline.
  int32_t Kampfindex = 0;
  int32_t Mklindex = 0;
  int32_t KlassenIndex = 0;
  int32_t SortEErgMinAnzErg = 1;
  int32_t SortEErgMinRinge = 0;
  int32_t Zehntelflag = 0;

  QMenuBar* MainMenu1;
  QStatusBar* StatusBar1;
  QComboBox* ComboBoxDisz;
  QTabWidget* PageControl1;

  // Page 0
  QGroupBox* RadioGroup1;
  std::vector<QRadioButton*> RadioGroup1Items;
  QComboBox* ComboBoxSortart;
  SortableListView* ListViewMschTabelle;
  // Page 1
  QGroupBox* RadioGroupMschErgSortart;
  std::vector<QRadioButton*> RadioGroupMschErgSortartItems;
  QComboBox* ComboBoxDurchgangnr;
  QLabel* LabelMklRingErg;
  QComboBox* ComboBoxMklRingErg;
  SortableListView* ListViewSAMschErg;
  // Page 2
  QGroupBox* RadioGroup2;
  std::vector<QRadioButton*> RadioGroup2Items;
  QComboBox* ComboBoxDgnr;
  QComboBox* ComboBoxMklEErg;
  QLabel* LabelMinErgAnz;
  QComboBox* ComboBoxMinErgAnz;
  QLabel* Label6;
  QLineEdit* EditMinErgRinge;
  QLabel* LabelEndwertungText1;
  QLabel* LabelEndwertungText2;
  SortableListView* ListViewEErg;
  // Page 3
  QGroupBox* RadioGroupKlergSortart;
  std::vector<QRadioButton*> RadioGroupKlergSortartItems;
  QComboBox* ComboBoxDgnrKlerg;
  QComboBox* ComboBoxMklKlerg;
  QGroupBox* GroupBoxEingrenzungKl;
  QComboBox* ComboBoxMinErgAnzKl;
  QLineEdit* EditMinErgRingeKl;
  QLabel* LabelEndwertungText1Kl;
  QLabel* LabelEndwertungText2Kl;
  SortableListView* ListViewMergKlerg;
  SortableListView* ListViewMergKlerg2;
  SortableListView* ListViewEErgKleerg;
  // Page 4
  QComboBox* ComboBoxVrVereine;
  QComboBox* ComboBoxVrEa;
  QGroupBox* GroupBox6;
  QRadioButton* RadioButtonVErgAlle;
  QRadioButton* RadioButtonVErgAktive;
  QLabel* Label11;
  SortableListView* ListViewVErg;
  // Page 5
  QComboBox* ComboBoxVereineMschfuehrer;
  SortableListView* ListViewMschFuehrer;

 private:
  static constexpr int kKlergBreite = 440;  // the class results' list views, left of their choices
  static int checkedIndex(const std::vector<QRadioButton*>& items);
  void renewRoundTexts();
  // Fills a round combo with 1 … n and chooses Kampfindex, which it first cuts to the last
  // of the n rounds (never below 0) unless cutRound is false.
  void fillRounds(QComboBox* combo, int32_t n, bool cutRound = true);
  void fillMinCount(QComboBox* combo, int32_t n);
  void showTable(SortableListView* view, const ListenTabelle& table);
  void SetKlassenErgColumns(int choice);

  ListenTabelle mschTabelle_, mschErg_, eErg_, vErg_, mschFuehrer_;
  KlassenListen klErg_;
  int klErgChoice_ = 0;
  bool endwertung_ = false;
};

extern TZikoSortierteAusgabeDlg* ZikoSortierteAusgabeDlg;
