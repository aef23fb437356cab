#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <array>
#include <vector>

#include "entry/eingabe.h"
#include "entry/passreceiver.h"
#include "platform/dialog.h"

// The result of one match: fifteen shooter rows for the home and the guest team, the team
// sums, and the save of everything in one transaction.
class TZikoErgEingabeDlg : public ZDialog, public PassnrReceiver {
  Q_OBJECT
 public:
  static constexpr int Rows = eingabe::kRows;
  using RowEdits = std::array<QLineEdit*, Rows>;
  using RowChecks = std::array<QCheckBox*, Rows>;

  explicit TZikoErgEingabeDlg(QWidget* parent = nullptr);
  ~TZikoErgEingabeDlg() override;

  // Choices. The Change handlers load what was chosen; a choice of the user asks about
  // unsaved changes first and may be undone.
  void FormShow() override;
  void ComboBoxDiszChange();
  void ComboBoxKlasseChange();
  void ComboBoxWettkampfnrChange();
  void ListBoxPaarungenClick();
  void FormClose();

  // Rows.
  void RowEnterHeim(QLineEdit* edit) { rowEnter(true, edit); }
  void RowEnterGast(QLineEdit* edit) { rowEnter(false, edit); }
  // False when the number was refused (unknown or already in another row).
  bool PassnrEditExit(QLineEdit* edit);
  void RowExitHeim(QLineEdit* edit) { rowExit(true, edit); }
  void RowExitGast(QLineEdit* edit) { rowExit(false, edit); }
  void TakeShooterIntoEntry(long passnr);

  // Menu and buttons.
  void ButtonMergHClick() { mergClick(true); }
  void ButtonMergGClick() { mergClick(false); }
  void SpeichernF21Click() { SavePaarung(); }
  void SchtzenanzeigenF51Click();
  void NeuerSchtzeF61Click();
  void BeendenESC1Click() { reject(); }
  void HilfeClick() { showHelp(); }

  // False when the user cancelled or the save failed: the pending change must not happen.
  bool AskSaveChanges();
  void UpdateMschSummeHeim() { updateMschSumme(true); }
  void UpdateMschSummeGast() { updateMschSumme(false); }
  void ComputeMschSumme(bool heim);
  void SortRowsByRings();
  bool SavePaarung();

  void LoadPositions(int disz);
  void StorePositions(int disz);
  void FillKlassenListe();
  void FillPairingList(int kampfindex);
  void LayoutRows(int n);
  void LoadPaarung(int klassenindex);
  void LoadTeamResults();
  bool LoadSchuetzenErg(int kampfindex);
  int LoadMschAufstellung(int kampfindex);

  // The chosen pairing, or nullptr when the round has none at the remembered index.
  const eingabe::Gegnerzeile* chosenPaarung() const;

  bool receiverVisible() const override { return isVisible(); }
  void receivePassnr(long passnr) override { TakeShooterIntoEntry(passnr); }

  bool previewKey(int key, Qt::KeyboardModifiers modifiers) override;

  QMenuBar* MainMenu1;
  QStatusBar* StatusBar1;
  QWidget* Panel1;
  QComboBox* ComboBoxDisz;
  QComboBox* ComboBoxKlasse;
  QComboBox* ComboBoxWettkampfnr;
  QLineEdit* EditWettkampfdatum;
  QLabel* StaticText7;
  QListWidget* ListBoxPaarungen;
  QLabel* LabelHeimmannschaft;
  QLabel* LabelGastmannschaft;
  QLineEdit* EditMschSummeHeim;
  QLineEdit* EditMschSummeGast;
  QPushButton* ButtonMergH;
  QPushButton* ButtonMergG;
  RowEdits EditSchnrHeim{}, EditSchnrGast{};
  RowChecks CheckBoxStsHeim{}, CheckBoxStsGast{};
  RowEdits EditNameHeim{}, EditNameGast{};
  RowEdits EditRingeHeim{}, EditRingeGast{};

  int Kampfindex = 0;
  int Mklindex = 0;
  int Gegnerpaarindex = 0;
  int Vereinsindex = 0;
  int Zehntelflag = 0;
  int Mklnr = 0;
  int SchuetzenGewertet = 1;
  int Sortflag = 0;
  int MaxSchuetzenproMannschaft = 0;
  QLineEdit* AktivesEdit = nullptr;
  long PickerVrnrHeim = 0;
  long PickerVrnrGast = 0;
  int Geaendert = 0;
  int geaendertBeforePass_ = 0;  // Geaendert when a pass field holding its row's shooter was entered
  std::vector<eingabe::Gegnerzeile> Paarungen;

 protected:
  bool canClose() override;
  void FormHide() override { FormClose(); }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building the controls (ZikoErgEingabeDlgAufbau.cpp).
  void createMenu();
  QWidget* createFrame();
  void createChoices(QWidget* client);
  void createSide(QWidget* client, bool heim);
  void createRow(QWidget* client, bool heim, int i);
  void connectChoices();

  struct Side {
    bool heim;
    RowEdits* pass;
    RowEdits* name;
    RowEdits* rings;
    RowChecks* checks;
    QLineEdit* sum;
    QPushButton* button;
  };
  Side side(bool heim);
  // Side, row and column of one of the row edits; false for any other control.
  // column: 0 pass number, 1 name, 2 rings.
  bool locate(const QObject* edit, bool& heim, int& row, int& column) const;

  // A different choice in control asks about unsaved changes before change loads it.
  void choose(int index, int previous, QWidget* control, void (TZikoErgEingabeDlg::*change)());
  // The chosen pairing highlighted and in view, wherever it stands in the list.
  void showChosenPairing();

  // Entering a row points the picker at that side's club; leaving a counted ring field
  // completes the side's sum; the sum button adds it up at once.
  void rowEnter(bool heim, QLineEdit* edit);
  void rowExit(bool heim, QLineEdit* edit);
  void mergClick(bool heim);

  bool keyOfRow(QLineEdit* edit, QKeyEvent* key);
  // A pass number is a change only while it differs from the row's shooter: the same number
  // typed again leaves the changed flag as it was.
  void passEdited(QLineEdit* pass);
  bool passClean(QLineEdit* pass);
  bool ringKey(QLineEdit* edit, QKeyEvent* key);
  void updateMschSumme(bool heim);
  void clearRows();
  void enableRows(bool enable);
  void setRingText(QLineEdit* edit, long tenths);
  void showShooter(bool heim, int row, long passnr, bool checked);
  bool inLineup(long passnr);
  // Whether the pass field of another row, on either side, holds passnr.
  bool inAnotherRow(const QLineEdit* edit, long passnr);
  // vrnr: the shooter's club.
  void warnIfOtherClub(bool heim, long passnr, long vrnr);
  void mentionResultElsewhere(long passnr, const std::string& name, const eingabe::Gegnerzeile& p);
  void focusFirstRow();
  void fillPicker(long vrnr);
  std::array<eingabe::RowTexts, Rows> rowTexts(bool heim);
  void setRowTexts(bool heim, const std::array<eingabe::RowTexts, Rows>& rows);
  eingabe::SideEntry sideEntry(bool heim, long vrnr, int mschnr);

  int shift_ = 0;  // how far the teams stand below their place to make room for the pairings
  int ringLength_ = 3;
  int sumLength_ = 4;
  bool loading_ = false;
  bool inExit_ = false;
  // The pass number each row was checked with; a refused number that emptied the field keeps it.
  std::array<long, Rows> checkedHeim_{}, checkedGast_{};
};

extern TZikoErgEingabeDlg* ZikoErgEingabeDlg;
