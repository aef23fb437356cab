#include "masterdata/ui/ZikoNeuerSchuetzeDlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "entry/newshooter.h"
#include "entry/passreceiver.h"
#include "masterdata/ui/ZikoSchuetzenAnzeigenDlg.h"
#include "platform/fieldfilter.h"
#include "platform/messages.h"
#include "platform/text.h"

TZikoNeuerSchuetzeDlg* ZikoNeuerSchuetzeDlg = nullptr;

TZikoNeuerSchuetzeDlg::TZikoNeuerSchuetzeDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Neuen Schützen erfassen"));
  auto* group = new QGroupBox(this);
  EditNummer = new QLineEdit(group);
  setNumberFilter(EditNummer, false, 9);
  EditName = new QLineEdit(group);
  EditGebdat = new QLineEdit(group);
  EditGebdat->setMaxLength(10);
  RadioMaennlich = new QRadioButton(qs("männlich"), group);
  RadioWeiblich = new QRadioButton(qs("weiblich"), group);
  ComboBoxJKlasse = new QComboBox(group);
  ComboBoxJKlasse->setVisible(false);
  auto* form = new QFormLayout(group);
  form->addRow(qs("Nummer"), EditNummer);
  form->addRow(qs("Name"), EditName);
  form->addRow(qs("Geb.Datum"), EditGebdat);
  form->addRow(QString(), new QLabel(qs("Format: TT.MM.JJJJ"), group));
  auto* sex = new QHBoxLayout;
  sex->addWidget(RadioMaennlich);
  sex->addWidget(RadioWeiblich);
  form->addRow(QString(), sex);

  ButtonSpeichernEnde = new QPushButton(qs("&Speichern und beenden F3"), this);
  ButtonAbbrechen = new QPushButton(qs("&Abbrechen ESC"), this);
  ButtonSpeichernEnde->setAutoDefault(false);
  ButtonAbbrechen->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ButtonSpeichernEnde);
  buttons->addWidget(ButtonAbbrechen);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);

  connect(ButtonSpeichernEnde, &QPushButton::clicked, this, &TZikoNeuerSchuetzeDlg::ButtonSpeichernEndeClick);
  connect(ButtonAbbrechen, &QPushButton::clicked, this, &TZikoNeuerSchuetzeDlg::ButtonAbbrechenClick);
  bindKey(Qt::Key_F3, [this] { ButtonSpeichernEndeClick(); });
}

void TZikoNeuerSchuetzeDlg::ShowBeside(QWidget* owner) {
  showBeside(owner);
  activateWindow();
}

long TZikoNeuerSchuetzeDlg::clubNumber() const {
  return gIntdat.NeuerSchuetzeAufrufer < 1 ? gIntdat.SchuetzenWahl[3] : gIntdat.SchuetzenWahl[2];
}

void TZikoNeuerSchuetzeDlg::FormShow() {
  EditNummer->setText(qs(str(ProposePassnr(clubNumber()))));
  EditName->clear();
  EditGebdat->clear();
  RadioMaennlich->setChecked(true);
  EditName->setFocus();
}

void TZikoNeuerSchuetzeDlg::ButtonSpeichernEndeClick() {
  long passnr = toLong(fromQs(EditNummer->text()));
  long club = clubNumber();
  // Club 0 stands for "bye" and "all": a shooter stored with it would belong nowhere.
  if (club < 1) {
    msg::show("Kein Verein gewählt.", "Warnung", msg::Ok, msg::Error);
    return;
  }
  if (passnr < 1) {
    msg::show("Die Passnummer 0 ist nicht zulässig.", "Warnung", msg::Ok, msg::Error);
    EditNummer->setFocus();
    return;
  }
  if (PassnrTaken(passnr)) {
    msg::show("Schütze mit Nr. " + str(passnr) + "\n\rbereits vorhanden !", "Warnung", msg::Ok, msg::Error);
    EditNummer->setFocus();
    return;
  }
  std::string name, gebdat;
  if (!storableText(EditName->text(), name) || !storableText(EditGebdat->text(), gebdat)) return;
  if (name.empty()) {
    msg::show("Bitte einen Namen eingeben.", "Meldung", msg::Ok, msg::Information);
    EditName->setFocus();
    return;
  }
  if (!db::exec(gDbHaupt,
                "INSERT INTO Schuetzen (Passnr, VrNr, Name, Gebdat, Geschl, AktivFlag, JklNr, Jklflag) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?);",
                {passnr, club, name, gebdat, RadioWeiblich->isChecked() ? "W" : "M", 1, 0, 1}))
    return;  // the error box was shown; the form stays open with what was typed
  if (gIntdat.NeuerSchuetzeAufrufer < 1) {
    if (PassnrReceiver* entry = passnrReceiver(ReceiverRole::Entry)) entry->receivePassnr(passnr);
  }
  if (ZikoSchuetzenAnzeigenDlg && ZikoSchuetzenAnzeigenDlg->isVisible())
    ZikoSchuetzenAnzeigenDlg->FillSchuetzenListe(club);
  closeWith(mrOk);
}
