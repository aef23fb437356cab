#include "season/ui/ZikoNSErgLoeschenDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "platform/elide.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "season/ergloeschen.h"
#include "season/klassenfolge.h"
#include "season/ui/KlassenAuswahl.h"

TZikoNSErgLoeschenDlg* ZikoNSErgLoeschenDlg = nullptr;

TZikoNSErgLoeschenDlg::TZikoNSErgLoeschenDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Löschen"));
  setHelpTopic("ZikoNeueSaisonLoeschen.html");
  setEditTransaction(db::editTransaction(gDbHaupt));

  auto* group1 = new QGroupBox(qs("Mannschaftsklasse und Durchgang-Nr. wählen"), this);
  ComboBoxMkl = new QComboBox(group1);
  ComboBoxMkl->setToolTip(qs("Auswahl der Klasse"));
  ComboBoxDgnr = new QComboBox(group1);
  ComboBoxDgnr->setToolTip(qs("Auswahl der Durchgang-Nr."));
  auto* g1 = new QGridLayout(group1);
  g1->addWidget(new QLabel(qs("Klasse"), group1), 0, 0);
  g1->addWidget(ComboBoxMkl, 1, 0);
  g1->addWidget(new QLabel(qs("Durchgang Nr."), group1), 0, 1);
  g1->addWidget(ComboBoxDgnr, 1, 1);
  g1->setColumnStretch(0, 3);
  g1->setColumnStretch(1, 1);

  GroupBox2 = new QGroupBox(this);
  CheckBoxDelEErg = new QCheckBox(GroupBox2);
  CheckBoxDelMErg = new QCheckBox(GroupBox2);
  auto* g2 = new QVBoxLayout(GroupBox2);
  g2->addWidget(CheckBoxDelEErg);
  g2->addWidget(CheckBoxDelMErg);
  CheckBoxDelMschAustlg = new QCheckBox(this);
  CheckBoxDelMschFuehrer = new QCheckBox(this);
  for (QCheckBox* c : {CheckBoxDelEErg, CheckBoxDelMErg, CheckBoxDelMschAustlg}) c->setChecked(true);

  ButtonUebernehmen = new QPushButton(qs("Ausführen"), this);
  ButtonAbbrechen = new QPushButton(qs("A&bbrechen ESC"), this);
  ButtonHilfe1 = new QPushButton(qs("&Hilfe F1"), this);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {ButtonUebernehmen, ButtonAbbrechen, ButtonHilfe1}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group1);
  layout->addWidget(GroupBox2);
  layout->addWidget(CheckBoxDelMschAustlg);
  layout->addWidget(CheckBoxDelMschFuehrer);
  layout->addLayout(buttons);
  resize(560, 300);

  connect(ComboBoxMkl, &QComboBox::activated, this, [this] { ComboBoxMklChange(); });
  connect(ComboBoxDgnr, &QComboBox::activated, this, [this] { ComboBoxDgnrChange(); });
  connect(ButtonUebernehmen, &QPushButton::clicked, this, &TZikoNSErgLoeschenDlg::ButtonUebernehmenClick);
  connect(ButtonAbbrechen, &QPushButton::clicked, this, &TZikoNSErgLoeschenDlg::ButtonAbbrechenClick);
  connect(ButtonHilfe1, &QPushButton::clicked, this, &TZikoNSErgLoeschenDlg::ButtonHilfe1Click);
}

void TZikoNSErgLoeschenDlg::FormShow() {
  std::string saison;
  DisziplinUndSaison(gDbHaupt, gEinstellungen.AktDisznr, diszname_, saison);
  setWindowTitle(qs("Löschen " + diszname_));
  FillKlassenCombo(ComboBoxMkl, gEinstellungen.AktDisznr, "-alle Klassen-");
  ComboBoxMklChange();
  setElidedTitle(CheckBoxDelEErg, qs("Mit 'Ausführen' ausgewählte Einzelergebnisse " + diszname_ + " löschen"));
  setElidedTitle(CheckBoxDelMErg, qs("Mit 'Ausführen' ausgewählte Mannschaftsergebnisse " + diszname_ + " löschen"));
  setElidedTitle(CheckBoxDelMschAustlg, qs("Mit 'Ausführen' alle Mannschaftsaufstellungen/Stammschützen " + diszname_ + " löschen"));
  setElidedTitle(CheckBoxDelMschFuehrer, qs("Mit 'Ausführen' alle Mannschaftsleiter " + diszname_ + " löschen"));
  CheckBoxDelMschFuehrer->setChecked(false);
}

void TZikoNSErgLoeschenDlg::ComboBoxMklChange() {
  long mklnr = comboKey(ComboBoxMkl, -1, 0);
  int termine = TermineDerKlasse(gDbHaupt, gEinstellungen.AktDisznr, mklnr);
  QSignalBlocker block(ComboBoxDgnr);
  ComboBoxDgnr->clear();
  addComboItem(ComboBoxDgnr, "-alle-", 0);
  if (mklnr > 0)
    for (int i = 1; i <= termine; ++i) addComboItem(ComboBoxDgnr, str(i), i);
  ComboBoxDgnr->setEnabled(mklnr > 0);
  ComboBoxDgnr->setCurrentIndex(0);
  setGroupCaption();
}

void TZikoNSErgLoeschenDlg::setGroupCaption() {
  std::string caption = "Alle Klassen, alle Durchgänge";
  if (comboKey(ComboBoxMkl, -1, 0) > 0) {
    long ergnr = comboKey(ComboBoxDgnr, -1, 0);
    caption = "Klasse " + fromQs(ComboBoxMkl->currentText()) +
              (ergnr > 0 ? ", Durchgang " + str(ergnr) : std::string(", alle Durchgänge"));
  }
  setElidedTitle(GroupBox2, qs(caption));
}

void TZikoNSErgLoeschenDlg::ButtonUebernehmenClick() {
  LoeschAuswahl a;
  a.mklnr = comboKey(ComboBoxMkl, -1, 0);
  a.klname = fromQs(ComboBoxMkl->currentText());
  a.ergnr = a.mklnr > 0 ? static_cast<int>(comboKey(ComboBoxDgnr, -1, 0)) : 0;
  a.einzel = CheckBoxDelEErg->isChecked();
  a.mannschaft = CheckBoxDelMErg->isChecked();
  a.aufstellungen = CheckBoxDelMschAustlg->isChecked();
  a.fuehrer = CheckBoxDelMschFuehrer->isChecked();

  if (a.mklnr > 0 && (a.aufstellungen || a.fuehrer)) {
    std::string was = a.aufstellungen && a.fuehrer ? "Mannschaftsaufstellungen/Stammschützen und Mannschaftsleiter"
                      : a.aufstellungen            ? "Mannschaftsaufstellungen/Stammschützen"
                                                   : "Mannschaftsleiter";
    if (msg::show("Alle " + was + " " + diszname_ + " werden gelöscht, nicht nur die der Klasse " + a.klname +
                      ".\n\nTrotzdem ausführen ?",
                  "Warnung", msg::YesNo, msg::Question) != msg::IdYes)
      return;
  }

  std::string bericht;
  bool ok = ErgebnisseLoeschen(gDbHaupt, gEinstellungen.AktDisznr, diszname_, a, bericht);
  if (!ok || !commitEditTransaction()) {
    closeWith(mrCancel);
    msg::show("Löschen " + diszname_ + ":\n\nEs wurde nichts gelöscht.", "Meldung:", msg::Ok, msg::Warning);
    return;
  }
  msg::show(bericht.empty() ? "Löschen " + diszname_ + ":\n\nEs gibt nichts zu löschen!"
                            : "Löschen " + diszname_ + ": \n" + bericht,
            "Meldung:");
  closeWith(mrOk);
}
