#pragma once
#include <QPushButton>
#include <QTreeWidget>
#include <optional>

#include "season/ui/MannschaftsWahlDlg.h"

// The regular shooters of each team of the current discipline, taken from the picker that
// stands beside the dialog.
class TZikoNSStammschuetzenEditDlg : public TMannschaftsWahlDlg {
  Q_OBJECT
 public:
  explicit TZikoNSStammschuetzenEditDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ButtonSpeichernClick();
  void ButtonLoeschenClick();
  void ButtonHilfeClick() { showHelp(); }
  void UebernehmeSchuetze(long passnr);
  void receivePassnr(long passnr) override { UebernehmeSchuetze(passnr); }

  QTreeWidget* ListViewMsSs;
  QPushButton* ButtonSpeichern;
  QPushButton* ButtonLoeschen;
  QPushButton* ButtonHilfe;
  QPushButton* ButtonEnde;

 protected:
  void teamChanged() override;
  bool canClose() override;
  bool mayLeaveTeam() override { return askToSavePicks(); }
  const QWidget* listBesidePicker() const override { return ListViewMsSs; }

 private:
  void updateButtons();
  // Picked shooters not saved yet are saved or dropped, as the user answers, before the
  // list shows another team or the window closes. False when the save failed: the window
  // keeps its team and the picks, so that the save can be tried again.
  bool askToSavePicks();
  bool store(const MschEintrag& team);

  std::optional<MschEintrag> shownTeam_;  // the team whose shooters the list holds
  bool unsaved_ = false;                   // shooters were picked since the list was read
};

extern TZikoNSStammschuetzenEditDlg* ZikoNSStammschuetzenEditDlg;
