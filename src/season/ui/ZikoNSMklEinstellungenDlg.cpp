#include "season/ui/ZikoNSMklEinstellungenDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "platform/elide.h"
#include "platform/keydata.h"
#include "platform/text.h"
#include "season/klasseneinstellungen.h"
#include "season/klassenfolge.h"
#include "season/ui/KlassenAuswahl.h"

TZikoNSMklEinstellungenDlg* ZikoNSMklEinstellungenDlg = nullptr;

namespace {

QLineEdit* numberEdit(QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setMaxLength(2);
  e->setMaximumWidth(40);
  // Digits only; Backspace and Return pass as they are no text.
  e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
  return e;
}

}  // namespace

TZikoNSMklEinstellungenDlg::TZikoNSMklEinstellungenDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Einstellungen der Mannschaftsklassen"));
  setHelpTopic("ZikoNeueSaisonEinstellungenMschKl.html");
  setEditTransaction(db::editTransaction(gDbHaupt));

  ComboBoxKlasse = new QComboBox(this);
  ComboBoxKlasse->setMinimumWidth(200);

  RadioGroup1 = new QGroupBox(this);
  RadioErste = new QRadioButton(qs("den ersten "), RadioGroup1);
  RadioBeste = new QRadioButton(qs("den besten"), RadioGroup1);
  EditSchuetzenproMannschaftUnsort = numberEdit(RadioGroup1);
  EditSchuetzenproMannschaftUnsort->setToolTip(qs("Anzahl Schützen pro Mannschaft in dieser Klasse"));
  EditSchuetzenproMannschaftSort = numberEdit(RadioGroup1);
  EditMaxSchuetzenSort = numberEdit(RadioGroup1);
  auto* radio = new QGridLayout(RadioGroup1);
  radio->addWidget(RadioErste, 0, 0);
  radio->addWidget(EditSchuetzenproMannschaftUnsort, 0, 1);
  radio->addWidget(new QLabel(qs("Schützen (max. 15)"), RadioGroup1), 0, 2, 1, 3);
  radio->addWidget(RadioBeste, 1, 0);
  radio->addWidget(EditSchuetzenproMannschaftSort, 1, 1);
  radio->addWidget(new QLabel(qs("Schützen (1-15)"), RadioGroup1), 1, 2);
  radio->addWidget(new QLabel(qs("von maximal "), RadioGroup1), 1, 3);
  radio->addWidget(EditMaxSchuetzenSort, 1, 4);

  GroupBox1 = new QGroupBox(this);
  Label1 = new QLabel(GroupBox1);
  Panel2 = new QLabel(GroupBox1);
  Panel2->setFrameShape(QFrame::Panel);
  Panel2->setFrameShadow(QFrame::Sunken);
  Panel2->setMinimumWidth(40);
  Panel2->setAlignment(Qt::AlignCenter);
  EditMinErgAnz = numberEdit(GroupBox1);
  auto* minimum = new QGridLayout(GroupBox1);
  minimum->addWidget(Label1, 0, 0);
  minimum->addWidget(Panel2, 0, 1);
  minimum->addWidget(new QLabel(qs("Mindest-Anzahl Einzelergebnisse für die Endwertung:"), GroupBox1), 1, 0);
  minimum->addWidget(EditMinErgAnz, 1, 1);

  ButtonUebernehmen = new QPushButton(qs("Übernehmen"), this);
  ButtonAbbrechen = new QPushButton(qs("A&bbrechen ESC"), this);
  ButtonHilfe = new QPushButton(qs("&Hilfe F1"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {ButtonUebernehmen, ButtonAbbrechen, ButtonHilfe}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }

  auto* main = new QVBoxLayout(this);
  main->addWidget(ComboBoxKlasse);
  main->addWidget(RadioGroup1);
  main->addWidget(GroupBox1);
  main->addLayout(buttons);

  connect(ComboBoxKlasse, &QComboBox::activated, this, [this] { ComboBoxKlasseChange(); });
  connect(ButtonUebernehmen, &QPushButton::clicked, this, [this] { ButtonUebernehmenClick(); });
  connect(ButtonAbbrechen, &QPushButton::clicked, this, [this] { ButtonAbbrechenClick(); });
  connect(ButtonHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
}

void TZikoNSMklEinstellungenDlg::FormShow() {
  const int disz = gEinstellungen.AktDisznr;
  std::string name, saison;
  if (DisziplinUndSaison(gDbHaupt, disz, name, saison)) setWindowTitle(qs(name + " Saison " + saison));
  FillKlassenCombo(ComboBoxKlasse, disz);
  showClass(comboKey(ComboBoxKlasse));
}

void TZikoNSMklEinstellungenDlg::showClass(long nr) {
  KlassenDaten d = LadeKlassenEinstellung(gDbHaupt, gEinstellungen.AktDisznr, nr);
  klasseNr_ = d.found ? nr : -1;
  anzahlTermine_ = d.anzahlTermine;
  setElidedTitle(RadioGroup1, qs("Die Mannschaften in Klasse " + d.name + " bestehen aus"));
  setElidedTitle(GroupBox1, qs("Nach Ringschnitt sortierte Einzelwertung " + d.name));
  Label1->setText(qs("Maximale Anzahl Einzelergebnisse " + d.name + ":"));
  Panel2->setText(qs(str(d.anzahlTermine)));
  if (!d.found) {
    for (QLineEdit* e : {EditSchuetzenproMannschaftUnsort, EditSchuetzenproMannschaftSort,
                         EditMaxSchuetzenSort, EditMinErgAnz})
      e->clear();
    return;
  }
  EditSchuetzenproMannschaftUnsort->setText(qs(str(d.werte.unsort)));
  EditSchuetzenproMannschaftSort->setText(qs(str(d.werte.sort)));
  EditMaxSchuetzenSort->setText(qs(str(d.werte.max)));
  EditMinErgAnz->setText(qs(str(d.werte.minerg)));
  (d.werte.sortflag == 1 ? RadioBeste : RadioErste)->setChecked(true);
}

void TZikoNSMklEinstellungenDlg::saveShownClass() {
  if (klasseNr_ < 0) return;
  KlassenEinstellung e = GueltigeEinstellung(
      fromQs(EditSchuetzenproMannschaftUnsort->text()), fromQs(EditSchuetzenproMannschaftSort->text()),
      fromQs(EditMaxSchuetzenSort->text()), fromQs(EditMinErgAnz->text()),
      RadioBeste->isChecked() ? 1 : 0, anzahlTermine_);
  SpeichereKlassenEinstellung(gDbHaupt, gEinstellungen.AktDisznr, klasseNr_, e);
}

void TZikoNSMklEinstellungenDlg::ComboBoxKlasseChange() {
  saveShownClass();
  showClass(comboKey(ComboBoxKlasse));
}

void TZikoNSMklEinstellungenDlg::ButtonUebernehmenClick() {
  saveShownClass();
  closeWith(mrOk);
}

void TZikoNSMklEinstellungenDlg::ButtonAbbrechenClick() { closeWith(mrCancel); }
