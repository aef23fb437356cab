#pragma once
// The choice of a team shared by the captains and the regular-shooters dialogs: a class
// (or all classes), a club with teams in it and one of its teams. Both take shooters from
// the picker beside them.
#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>
#include <vector>

#include "entry/passreceiver.h"
#include "platform/dialog.h"
#include "season/mannschaften.h"

class QBoxLayout;

class TMannschaftsWahlDlg : public ZDialog, public PassnrReceiver {
  Q_OBJECT
 public:
  TMannschaftsWahlDlg(QWidget* parent, ReceiverRole role);

  void ComboBoxKlasseChange();
  void ListViewVereineChange();
  void ListViewMannschaftenChange();
  void ButtonSchuetzenAnzeigenClick();

  // The team of the selected team row; nullptr when there is none.
  const MschEintrag* selectedTeam() const;

  bool receiverVisible() const override { return isVisible(); }

  QComboBox* ComboBoxKlasse;
  QTreeWidget* ListViewVereine;
  QTreeWidget* ListViewMannschaften;
  QLabel* LabelVname;
  QLabel* Label1;

 protected:
  // Fills the class box, the clubs of all classes and shows the first team.
  void showTeamChoice();
  // The selected team changed (or there is none): show its data or clear it.
  virtual void teamChanged() = 0;
  // The selected club changed; LabelVname already names it.
  virtual void clubChanged(long /*vrnr*/) {}
  // Asked before the user's choice of another class, club or team is shown: false keeps
  // the choice as it stands.
  virtual bool mayLeaveTeam() { return true; }
  void FormHide() override;
  // The list the picker must not cover where the screen has no room beside the window.
  virtual const QWidget* listBesidePicker() const { return nullptr; }
  // The class box, clubs and teams, top to bottom.
  QBoxLayout* teamChoiceLayout();
  std::string disciplineCaption(const std::string& prefix) const;

 private:
  void fillVereine();
  void fillMannschaften();
  // The open picker lists the shooters of the club the window shows.
  void pickerFollowsClub();
  // The row chosen before the refused one is chosen again once the click is over.
  void restoreRow(QTreeWidget* list, QTreeWidgetItem* previous);

  std::vector<MschEintrag> Mannschaften;
  int klasseShown_ = 0;  // the class box's line whose clubs are listed
};
