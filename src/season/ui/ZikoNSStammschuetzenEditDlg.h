#pragma once
#include <QPushButton>
#include <QTreeWidget>

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

 private:
  void updateButtons();
};

extern TZikoNSStammschuetzenEditDlg* ZikoNSStammschuetzenEditDlg;
