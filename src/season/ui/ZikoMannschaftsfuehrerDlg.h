#pragma once
#include <QLineEdit>
#include <QPushButton>

#include "season/ui/MannschaftsWahlDlg.h"

// The captain of each team of the current discipline and the range telephone of its club.
class TZikoMannschaftsfuehrerDlg : public TMannschaftsWahlDlg {
  Q_OBJECT
 public:
  explicit TZikoMannschaftsfuehrerDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ButtonSpeichernClick();
  void ButtonLoeschenClick();
  void ButtonHilfeClick() { showHelp(); }
  void UebernehmeSchuetze(long passnr);
  void receivePassnr(long passnr) override { UebernehmeSchuetze(passnr); }

  QLineEdit* EditTelSchiessstand;
  QLineEdit* EditName;
  QLineEdit* EditStrasse;
  QLineEdit* EditPlz;
  QLineEdit* EditOrt;
  QLineEdit* EditTel1;
  QLineEdit* EditTel2;
  QLineEdit* EditFax;
  QLineEdit* EditMail;
  QPushButton* ButtonSpeichern;
  QPushButton* ButtonLoeschen;
  QPushButton* ButtonSchuetzenAnzeigen;
  QPushButton* ButtonHilfe;
  QPushButton* ButtonEnde;

 protected:
  void teamChanged() override;
  void clubChanged(long vrnr) override;

 private:
  std::vector<QLineEdit*> fields() const;
};

extern TZikoMannschaftsfuehrerDlg* ZikoMannschaftsfuehrerDlg;
