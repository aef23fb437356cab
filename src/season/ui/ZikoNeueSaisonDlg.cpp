#include "season/ui/ZikoNeueSaisonDlg.h"

#include <QActionGroup>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "platform/elide.h"
#include "platform/text.h"
#include "season/klassenfolge.h"
#include "season/saison.h"
#include "season/ui/ZikoMannschaftsfuehrerDlg.h"
#include "season/ui/ZikoMklBearbeitenDlg.h"
#include "season/ui/ZikoMklEinteilungDlg.h"
#include "season/ui/ZikoNSErgLoeschenDlg.h"
#include "season/ui/ZikoNSMklEinstellungenDlg.h"
#include "season/ui/ZikoNSSaisonNameDlg.h"
#include "season/ui/ZikoNSStammschuetzenEditDlg.h"
#include "season/ui/ZikoTermineDlg.h"

TZikoNeueSaisonDlg* ZikoNeueSaisonDlg = nullptr;

namespace {

// A window that does not exist (yet) counts as cancelled.
int showModal(ZDialog* window) { return window ? window->ShowModal() : mrCancel; }

}  // namespace

TZikoNeueSaisonDlg::TZikoNeueSaisonDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Neue Saison"));
  setHelpTopic("ZikoNeueSaison.html");

  MainMenu1 = new QMenuBar(this);
  BeendenESC1 = MainMenu1->addAction(qs("B&eenden ESC"));
  Disziplin1 = MainMenu1->addMenu(qs("Disziplin"));
  Bearbeiten1 = MainMenu1->addMenu(qs("Bearbeiten"));
  Lschen1 = Bearbeiten1->addAction(qs("Löschen"));
  Saisonbezeichnung1 = Bearbeiten1->addAction(qs("Saisonbezeichnung"));
  Mannschaftsklassen1 = Bearbeiten1->addMenu(qs("Mannschaftsklassen"));
  EinteilungundGegnerzuteilung1 = Mannschaftsklassen1->addAction(qs("Einteilung und Gegnerzuteilung"));
  Termine1 = Mannschaftsklassen1->addAction(qs("Termine"));
  Gegnereinteilungbearbeiten1 = Mannschaftsklassen1->addAction(qs("Gegnereinteilung bearbeiten"));
  Einstellungen1 = Mannschaftsklassen1->addAction(qs("Einstellungen"));
  Mannschaftsstammschtzen1 = Bearbeiten1->addAction(qs("Mannschafts-Stammschützen"));
  Mannschaftsfhrer1 = Bearbeiten1->addAction(qs("Mannschaftsleiter"));
  AusgabenaufDruckerinDatei1 = MainMenu1->addAction(qs("Ausgaben"));
  // F1 reaches the help through the window's own key handling, so the item has no shortcut.
  HilfeF11 = MainMenu1->addAction(qs("Hilfe F1"));

  Label1 = new QLabel(this);
  Label1->setText(
      qs("Dieser Programmteil wird jeweils vor Saisonbeginn abgearbeitet.\n\n Während der "
         "laufenden Saison\nsollten im Menüpunkt 'Bearbeiten'\nkeine Veränderungen vorgenommen "
         "werden!\n"));
  Label2 = new QLabel(this);
  QFont big = Label2->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  Label2->setFont(big);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(MainMenu1);
  layout->addWidget(Label2);
  layout->addWidget(Label1, 1);
  layout->addWidget(StatusBar1);
  resize(520, 300);

  connect(BeendenESC1, &QAction::triggered, this, &TZikoNeueSaisonDlg::BeendenESC1Click);
  connect(Disziplin1, &QMenu::triggered, this, &TZikoNeueSaisonDlg::DisziplinClick);
  connect(Lschen1, &QAction::triggered, this, &TZikoNeueSaisonDlg::Lschen1Click);
  connect(Saisonbezeichnung1, &QAction::triggered, this, &TZikoNeueSaisonDlg::Saisonbezeichnung1Click);
  connect(EinteilungundGegnerzuteilung1, &QAction::triggered, this,
          &TZikoNeueSaisonDlg::EinteilungundGegnerzuteilung1Click);
  connect(Termine1, &QAction::triggered, this, &TZikoNeueSaisonDlg::Termine1Click);
  connect(Gegnereinteilungbearbeiten1, &QAction::triggered, this,
          &TZikoNeueSaisonDlg::Gegnereinteilungbearbeiten1Click);
  connect(Einstellungen1, &QAction::triggered, this, &TZikoNeueSaisonDlg::Einstellungen1Click);
  connect(Mannschaftsstammschtzen1, &QAction::triggered, this,
          &TZikoNeueSaisonDlg::Mannschaftsstammschtzen1Click);
  connect(Mannschaftsfhrer1, &QAction::triggered, this, &TZikoNeueSaisonDlg::Mannschaftsfhrer1Click);
  connect(AusgabenaufDruckerinDatei1, &QAction::triggered, this,
          &TZikoNeueSaisonDlg::AusgabenaufDruckerinDatei1Click);
  connect(HilfeF11, &QAction::triggered, this, &TZikoNeueSaisonDlg::HilfeF11Click);
}

void TZikoNeueSaisonDlg::FormShow() {
  for (QAction* item : Disziplin1->actions()) {
    Disziplin1->removeAction(item);
    delete item;
  }
  auto* group = Disziplin1->findChild<QActionGroup*>();
  delete group;
  group = new QActionGroup(Disziplin1);
  // Each item carries its discipline's number: the menu position is not the number.
  db::Table t = db::query(gDbHaupt, "SELECT Nr, Bezeichnung FROM Disznamen ORDER BY Nr ASC;");
  for (size_t r = 0; r < t.size(); ++r) {
    QAction* item = Disziplin1->addAction(QString());
    setElidedTitle(item, qs(t.text(r, 1)));
    item->setData(QVariant::fromValue<qlonglong>(t.num(r, 0)));
    item->setCheckable(true);
    item->setChecked(t.num(r, 0) == gEinstellungen.AktDisznr);
    group->addAction(item);
  }
  refreshCaptions();
}

void TZikoNeueSaisonDlg::DisziplinClick(QAction* item) {
  if (!item || !item->data().isValid()) return;
  for (QAction* other : Disziplin1->actions()) other->setChecked(other == item);
  gEinstellungen.AktDisznr = static_cast<int8_t>(item->data().toLongLong());
  refreshCaptions();
}

void TZikoNeueSaisonDlg::refreshCaptions() {
  std::string name, saison;
  DisziplinUndSaison(gDbHaupt, gEinstellungen.AktDisznr, name, saison);
  setWindowTitle(qs("Zielkontorzentrale " + fieldText(gEinstellungen.Gauname) + " - Neue Saison " + name));
  Label2->setText(qs(name + "\n" + saison));
  setElidedTitle(Lschen1, qs("Löschen Daten " + name));
  setElidedTitle(Saisonbezeichnung1, qs("Saisonbezeichnung " + name));
  setElidedTitle(EinteilungundGegnerzuteilung1, qs("Einteilung und Gegnerzuteilung " + name));
  setElidedTitle(Gegnereinteilungbearbeiten1, qs("Bearbeiten Gegnereinteilung " + name));
  setElidedTitle(Einstellungen1, qs("Einstellungen " + name));
  setElidedTitle(Termine1, qs("Wettkampftermine " + name));
  setElidedTitle(Mannschaftsfhrer1, qs("Mannschaftsleiter " + name));
}

void TZikoNeueSaisonDlg::Lschen1Click() { showModal(ZikoNSErgLoeschenDlg); }

void TZikoNeueSaisonDlg::Saisonbezeichnung1Click() {
  showModal(ZikoNSSaisonNameDlg);
  refreshCaptions();
}

void TZikoNeueSaisonDlg::EinteilungundGegnerzuteilung1Click() {
  runSeasonWizard({[] { return showModal(ZikoMklEinteilungDlg); },
                   [] { return showModal(ZikoTermineDlg); },
                   [] { return showModal(ZikoMklBearbeitenDlg); },
                   [] { return showModal(ZikoNSMklEinstellungenDlg); }});
}

void TZikoNeueSaisonDlg::Termine1Click() { showModal(ZikoTermineDlg); }

void TZikoNeueSaisonDlg::Gegnereinteilungbearbeiten1Click() { showModal(ZikoMklBearbeitenDlg); }

void TZikoNeueSaisonDlg::Einstellungen1Click() { showModal(ZikoNSMklEinstellungenDlg); }

void TZikoNeueSaisonDlg::Mannschaftsstammschtzen1Click() { showModal(ZikoNSStammschuetzenEditDlg); }

void TZikoNeueSaisonDlg::Mannschaftsfhrer1Click() { showModal(ZikoMannschaftsfuehrerDlg); }

void TZikoNeueSaisonDlg::AusgabenaufDruckerinDatei1Click() { showModal(Saisondokumente); }
