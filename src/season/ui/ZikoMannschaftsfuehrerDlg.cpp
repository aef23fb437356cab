#include "season/ui/ZikoMannschaftsfuehrerDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "masterdata/mannschaftsfuehrer.h"
#include "platform/text.h"

TZikoMannschaftsfuehrerDlg* ZikoMannschaftsfuehrerDlg = nullptr;

TZikoMannschaftsfuehrerDlg::TZikoMannschaftsfuehrerDlg(QWidget* parent)
    : TMannschaftsWahlDlg(parent, ReceiverRole::Captains) {
  setWindowTitle(qs("Mannschaftsleiter"));
  setHelpTopic("ZikoNeueSaisonMannschaftsleiter.html");

  EditTelSchiessstand = new QLineEdit(this);
  for (QLineEdit** e : {&EditName, &EditStrasse, &EditPlz, &EditOrt, &EditTel1, &EditTel2, &EditFax, &EditMail})
    *e = new QLineEdit(this);
  ButtonSpeichern = new QPushButton(qs("Speichern F2"), this);
  ButtonSpeichern->setToolTip(qs("Daten speichern"));
  ButtonLoeschen = new QPushButton(qs("Löschen F7"), this);
  ButtonLoeschen->setToolTip(qs("Daten löschen"));
  ButtonSchuetzenAnzeigen = new QPushButton(qs("Schützen anzeigen F5"), this);
  ButtonHilfe = new QPushButton(qs("Hilfe F1"), this);
  ButtonEnde = new QPushButton(qs("B&eenden ESC"), this);

  auto* club = new QGridLayout;
  club->addWidget(LabelVname, 0, 0, 1, 2);
  club->addWidget(new QLabel(qs("Telefon Verein:"), this), 1, 0);
  club->addWidget(EditTelSchiessstand, 1, 1);
  auto* captain = new QGridLayout;
  captain->addWidget(Label1, 0, 0, 1, 2);
  const char* captions[] = {"Name", "Strasse", "Plz", "Ort", "Telefon privat", "Handy/Tel. Firma", "Fax", "Mail"};
  std::vector<QLineEdit*> edits = fields();
  for (int i = 0; i < 8; ++i) {
    captain->addWidget(new QLabel(qs(captions[i]), this), i + 1, 0);
    captain->addWidget(edits[static_cast<size_t>(i)], i + 1, 1);
  }
  auto* right = new QVBoxLayout;
  right->addLayout(club);
  right->addSpacing(12);
  right->addLayout(captain);
  right->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addLayout(teamChoiceLayout(), 1);
  top->addLayout(right, 1);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {ButtonSpeichern, ButtonLoeschen, ButtonSchuetzenAnzeigen, ButtonHilfe, ButtonEnde}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
  resize(760, 520);

  connect(ButtonSpeichern, &QPushButton::clicked, this, &TZikoMannschaftsfuehrerDlg::ButtonSpeichernClick);
  connect(ButtonLoeschen, &QPushButton::clicked, this, &TZikoMannschaftsfuehrerDlg::ButtonLoeschenClick);
  connect(ButtonSchuetzenAnzeigen, &QPushButton::clicked, this, [this] { ButtonSchuetzenAnzeigenClick(); });
  connect(ButtonHilfe, &QPushButton::clicked, this, &TZikoMannschaftsfuehrerDlg::ButtonHilfeClick);
  connect(ButtonEnde, &QPushButton::clicked, this, [this] { closeWith(mrOk); });
  bindKey(Qt::Key_F2, [this] { ButtonSpeichernClick(); });
  bindKey(Qt::Key_F7, [this] { ButtonLoeschenClick(); });
}

std::vector<QLineEdit*> TZikoMannschaftsfuehrerDlg::fields() const {
  return {EditName, EditStrasse, EditPlz, EditOrt, EditTel1, EditTel2, EditFax, EditMail};
}

void TZikoMannschaftsfuehrerDlg::FormShow() {
  setWindowTitle(qs(disciplineCaption("Mannschaftsleiter")));
  showTeamChoice();
}

void TZikoMannschaftsfuehrerDlg::clubChanged(long vrnr) {
  EditTelSchiessstand->setText(qs(VereinsTelefon(gDbHaupt, vrnr)));
}

void TZikoMannschaftsfuehrerDlg::teamChanged() {
  const MschEintrag* team = selectedTeam();
  for (QLineEdit* e : fields()) e->clear();
  Label1->clear();
  if (!team) {
    // A class without clubs: nothing of a former team may stay to be saved or deleted.
    EditTelSchiessstand->clear();
    LabelVname->clear();
  } else {
    Label1->setText(qs(MannschaftsName(team->Vrnr, team->Rmschnr)));
    MschFuehrer f;
    MschFuehrerLesen(gDbHaupt, team->Disznr, team->Vrnr, team->Rmschnr, f);
    const std::string* values[] = {&f.Name, &f.Strasse, &f.Plz, &f.Ort, &f.Tel_a, &f.Tel_b, &f.Fax, &f.Mail};
    std::vector<QLineEdit*> edits = fields();
    for (size_t i = 0; i < edits.size(); ++i) edits[i]->setText(qs(*values[i]));
  }
  ButtonSpeichern->setEnabled(team != nullptr);
  ButtonLoeschen->setEnabled(team != nullptr);
  EditTelSchiessstand->setEnabled(team != nullptr);
  EditName->setFocus();
}

void TZikoMannschaftsfuehrerDlg::ButtonSpeichernClick() {
  const MschEintrag* team = selectedTeam();
  if (!team) return;
  QLineEdit* edits[] = {EditName, EditStrasse, EditPlz, EditOrt, EditTel1, EditTel2, EditFax, EditMail, EditTelSchiessstand};
  std::string texts[9];
  for (int i = 0; i < 9; ++i)
    if (!storableText(edits[i]->text(), texts[i])) {
      edits[i]->setFocus();
      return;
    }
  MschFuehrer f{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6], texts[7]};
  MschFuehrerSpeichern(gDbHaupt, team->Disznr, team->Vrnr, team->Rmschnr, f, texts[8]);
  EditName->setFocus();
}

void TZikoMannschaftsfuehrerDlg::ButtonLoeschenClick() {
  const MschEintrag* team = selectedTeam();
  if (!team) return;
  if (MschFuehrerLoeschen(gDbHaupt, team->Disznr, team->Vrnr, team->Rmschnr))
    for (QLineEdit* e : fields()) e->clear();
  EditName->setFocus();
}

void TZikoMannschaftsfuehrerDlg::UebernehmeSchuetze(long passnr) {
  db::Table t = db::query(gDbHaupt, "SELECT Name FROM Schuetzen WHERE Passnr = ?;", {passnr});
  if (!t.empty()) EditName->setText(qs(t.text(0, 0)));
  // The keyboard comes back from the picker to the captain's address.
  activateWindow();
  EditName->setFocus();
}
