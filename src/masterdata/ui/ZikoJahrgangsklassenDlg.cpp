#include "masterdata/ui/ZikoJahrgangsklassenDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "masterdata/ui/DisziplinAuswahl.h"
#include "platform/keydata.h"
#include "platform/text.h"

TZikoJahrgangsklassenDlg* ZikoJahrgangsklassenDlg = nullptr;

namespace {
const char* const kMonate[] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                               "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

// A stored position (1 = the first entry) outside the box selects nothing.
void selectPosition(QComboBox* box, long position) {
  box->setCurrentIndex(position >= 1 && position <= box->count() ? static_cast<int>(position) - 1 : -1);
}
}  // namespace

TZikoJahrgangsklassenDlg::TZikoJahrgangsklassenDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Jahrgangsklassen"));
  setHelpTopic("ZikoInhalt.html");

  ComboBoxDisz = new QComboBox(this);
  ListBoxJkl = new QListWidget(this);

  auto* allgemein = new QGroupBox(qs("Allgemeine Einstellungen "), this);
  ComboBoxMonate = new QComboBox(allgemein);
  for (const char* m : kMonate) ComboBoxMonate->addItem(qs(m));
  auto* zuordnung = new QGroupBox(qs("Klassenzuordnung für Schützen ohne gültigem Geburtsdatum"), allgemein);
  ComboBoxM = new QComboBox(zuordnung);
  ComboBoxW = new QComboBox(zuordnung);
  auto* zuordnungLayout = new QGridLayout(zuordnung);
  zuordnungLayout->addWidget(new QLabel(qs("männliche in"), zuordnung), 0, 0);
  zuordnungLayout->addWidget(ComboBoxM, 0, 1);
  zuordnungLayout->addWidget(new QLabel(qs("weibliche in"), zuordnung), 1, 0);
  zuordnungLayout->addWidget(ComboBoxW, 1, 1);
  auto* allgemeinLayout = new QGridLayout(allgemein);
  allgemeinLayout->addWidget(new QLabel(qs("Ende des Sportjahres (einschließlich):"), allgemein), 0, 0);
  allgemeinLayout->addWidget(ComboBoxMonate, 0, 1);
  allgemeinLayout->addWidget(zuordnung, 1, 0, 1, 2);

  auto* bearbeiten = new QGroupBox(qs("Bearbeiten"), this);
  EditJklname = new QLineEdit(bearbeiten);
  EditMindestalter = new QLineEdit(bearbeiten);
  CheckBoxWeiblich = new QCheckBox(qs("weiblich"), bearbeiten);
  CheckBoxMaennlich = new QCheckBox(qs("männlch"), bearbeiten);
  ButtonNeu = new QPushButton(qs("Neue Jahrgangsklasse F2"), bearbeiten);
  ButtonSpeichern = new QPushButton(qs("Speichern F4"), bearbeiten);
  ButtonEntfernen = new QPushButton(qs("Jahrgangsklasse entfernen"), bearbeiten);
  auto* bearbeitenLayout = new QGridLayout(bearbeiten);
  bearbeitenLayout->addWidget(EditJklname, 0, 0, 1, 2);
  bearbeitenLayout->addWidget(new QLabel(qs("Mindestalter (Jahre)"), bearbeiten), 1, 0);
  bearbeitenLayout->addWidget(EditMindestalter, 1, 1);
  bearbeitenLayout->addWidget(CheckBoxWeiblich, 2, 0);
  bearbeitenLayout->addWidget(CheckBoxMaennlich, 2, 1);
  bearbeitenLayout->addWidget(ButtonNeu, 3, 0);
  bearbeitenLayout->addWidget(ButtonSpeichern, 3, 1);
  bearbeitenLayout->addWidget(ButtonEntfernen, 4, 0, 1, 2);
  // Nothing here is ever stored: nothing may look as if it could be changed.
  for (QWidget* w : std::initializer_list<QWidget*>{ComboBoxMonate, ComboBoxM, ComboBoxW, EditJklname,
                                                    EditMindestalter, CheckBoxWeiblich, CheckBoxMaennlich,
                                                    ButtonNeu, ButtonSpeichern, ButtonEntfernen})
    w->setEnabled(false);

  ButtonOK = new QPushButton(qs("&OK"), this);
  ButtonAbbrechen = new QPushButton(qs("&Abbrechen ESC"), this);
  ButtonHilfe = new QPushButton(qs("&Hilfe F1"), this);
  for (QPushButton* b : {ButtonNeu, ButtonSpeichern, ButtonEntfernen, ButtonOK, ButtonAbbrechen, ButtonHilfe})
    b->setAutoDefault(false);

  auto* left = new QVBoxLayout;
  left->addWidget(ComboBoxDisz);
  left->addWidget(ListBoxJkl, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(allgemein);
  right->addWidget(bearbeiten);
  right->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {ButtonOK, ButtonAbbrechen, ButtonHilfe}) buttons->addWidget(b);
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right, 1);
  resize(720, 440);

  connect(ComboBoxDisz, &QComboBox::activated, this, [this](int) { ComboBoxDiszChange(); });
  connect(ButtonOK, &QPushButton::clicked, this, [this] { closeWith(mrOk); });
  connect(ButtonAbbrechen, &QPushButton::clicked, this, [this] { closeWith(mrCancel); });
  connect(ButtonHilfe, &QPushButton::clicked, this, &TZikoJahrgangsklassenDlg::ButtonHilfeClick);
}

void TZikoJahrgangsklassenDlg::FormShow() {
  FillDisziplinenCombo(ComboBoxDisz, gEinstellungen.AktDisznr);
  if (ComboBoxDisz->currentIndex() < 0) {
    QSignalBlocker block(ComboBoxDisz);
    ComboBoxDisz->setCurrentIndex(0);
  }
  ComboBoxDiszChange();
}

void TZikoJahrgangsklassenDlg::ComboBoxDiszChange() {
  ListBoxJkl->clear();
  ComboBoxM->clear();
  ComboBoxW->clear();
  ComboBoxMonate->setCurrentIndex(-1);
  long disznr = comboKey(ComboBoxDisz);
  if (disznr >= 0) showDiscipline(disznr);
}

void TZikoJahrgangsklassenDlg::showDiscipline(long disznr) {
  db::Table klassen = db::query(gDbHaupt, "SELECT Jklnr, Jklname FROM JgKlassen WHERE Disznr=?;", {disznr});
  for (size_t r = 0; r < klassen.size(); ++r) {
    addListItem(ListBoxJkl, klassen.text(r, 1), klassen.num(r, 0));
    addComboItem(ComboBoxM, klassen.text(r, 1), klassen.num(r, 0));
    addComboItem(ComboBoxW, klassen.text(r, 1), klassen.num(r, 0));
  }
  if (klassen.empty()) return;
  long monat = 9, klm = 1, klw = 1;
  db::Table e = db::query(
      gDbHaupt, "SELECT DISTINCT EndeSpjMt, Defaultklm, Defaultklw FROM JgKlEinstellungen WHERE Disznr=?;", {disznr});
  if (!e.empty()) {
    monat = e.num(0, 0);
    klm = e.num(0, 1);
    klw = e.num(0, 2);
  }
  selectPosition(ComboBoxMonate, monat);
  selectPosition(ComboBoxM, klm);
  selectPosition(ComboBoxW, klw);
}
