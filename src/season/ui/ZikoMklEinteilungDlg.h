#pragma once
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <string>
#include <vector>

#include "platform/dialog.h"

// Divides the teams of the current discipline into classes and orders them inside each
// class; confirming sets the bouts of every class and writes the pairings. Every change is
// written at once inside the dialog's transaction.
class TZikoMklEinteilungDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoMklEinteilungDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ListBoxMklClick();
  void EditMklExit();
  void ButtonMklNeuClick();
  void ButtonMklLoeschenClick();
  void ListBoxMschClick();
  void ButtonMschNeuClick();
  void ButtonMschLoeschenClick();
  void ListBoxVereineClick();
  void ComboBoxRmschnrChange();
  void BitBtnMschAufClick() { moveTeam(-1); }
  void BitBtnMschAbClick() { moveTeam(+1); }
  void ButtonUebernehmenClick();
  void ButtonAbbrechenClick() { closeWith(mrCancel); }
  void ButtonHilfeClick() { showHelp(); }

  QListWidget* ListBoxMkl;
  QGroupBox* GroupBoxKlasseBearbeiten;
  QLineEdit* EditMkl;
  QPushButton* Button1;
  QPushButton* ButtonMklNeu;
  QPushButton* ButtonMklLoeschen;
  QGroupBox* GroupBoxMsch;
  QListWidget* ListBoxMsch;
  QComboBox* ComboBoxRmschnr;
  QPushButton* ButtonMschNeu;
  QPushButton* ButtonMschLoeschen;
  QPushButton* BitBtnMschAuf;
  QPushButton* BitBtnMschAb;
  QLabel* Label2;
  QListWidget* ListBoxVereine;
  QPushButton* ButtonUebernehmen;
  QPushButton* ButtonAbbrechen;
  QPushButton* ButtonHilfe;

  struct Team {
    long vrnr = 0;
    int rmschnr = 0;
    bool operator==(const Team&) const = default;
  };
  // The class shown (its Nr, -1 for none or a new class not yet stored) and its teams in
  // the order of ListBoxMsch.
  long shownClass() const { return mklnr_; }
  const std::vector<Team>& teamList() const { return teams_; }

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  QGroupBox* createControls();
  void arrangeControls(QGroupBox* vereine);
  void connectHandlers();
  void fillClassList(long selectNr);
  void showClass();
  void showTeam();
  void saveClass();
  void writeBackTeams();
  void moveTeam(int step);
  void setClassCaptions(const std::string& name);
  bool canDeleteClass() const;
  void updateEnabled();
  void showClubName(const QString& name);

  bool newClass_ = false;
  long mklnr_ = -1;
  std::vector<Team> teams_;
  QString clubName_;  // the chosen team's club, whole
  std::string captionClass_;  // the class the captions name, whole
};

extern TZikoMklEinteilungDlg* ZikoMklEinteilungDlg;
