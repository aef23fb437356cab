#include "season/ui/ZikoNSStammschuetzenEditDlg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "masterdata/ui/ZikoSchuetzenAnzeigenDlg.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "season/stammschuetzen.h"

TZikoNSStammschuetzenEditDlg* ZikoNSStammschuetzenEditDlg = nullptr;

namespace {

// A row of a shooter who stands only in the line-ups of rounds: shown, but no regular
// shooter, so a save does not make him one.
constexpr int kNurDurchgaenge = kKeyRole + 1;

bool nurDurchgaenge(const QTreeWidgetItem* item) { return item->data(0, kNurDurchgaenge).toBool(); }

}  // namespace

TZikoNSStammschuetzenEditDlg::TZikoNSStammschuetzenEditDlg(QWidget* parent)
    : TMannschaftsWahlDlg(parent, ReceiverRole::RegularShooters) {
  setWindowTitle(qs("Mannschafts-Stammschützen"));
  setHelpTopic("ZikoNeueSaisonMannschaftsStammSch.html");

  ListViewMsSs = new QTreeWidget(this);
  ListViewMsSs->setHeaderLabels({qs("Passnr"), qs("Name")});
  ListViewMsSs->setRootIsDecorated(false);
  ListViewMsSs->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListViewMsSs->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ButtonSpeichern = new QPushButton(qs("Speichern F2"), this);
  ButtonSpeichern->setToolTip(qs("Daten speichern"));
  ButtonLoeschen = new QPushButton(qs("Entfernen F7"), this);
  ButtonLoeschen->setToolTip(qs("Daten löschen"));
  ButtonHilfe = new QPushButton(qs("Hilfe F1"), this);
  ButtonEnde = new QPushButton(qs("B&eenden ESC"), this);

  auto* right = new QVBoxLayout;
  right->addWidget(LabelVname);
  right->addWidget(new QLabel(qs("Mannschafts-Stammschützen"), this));
  right->addWidget(Label1);
  right->addWidget(ListViewMsSs, 1);
  auto* top = new QHBoxLayout;
  top->addLayout(teamChoiceLayout(), 1);
  top->addLayout(right, 1);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {ButtonSpeichern, ButtonLoeschen, ButtonHilfe, ButtonEnde}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
  resize(700, 480);

  connect(ButtonSpeichern, &QPushButton::clicked, this, &TZikoNSStammschuetzenEditDlg::ButtonSpeichernClick);
  connect(ButtonLoeschen, &QPushButton::clicked, this, &TZikoNSStammschuetzenEditDlg::ButtonLoeschenClick);
  connect(ButtonHilfe, &QPushButton::clicked, this, &TZikoNSStammschuetzenEditDlg::ButtonHilfeClick);
  connect(ButtonEnde, &QPushButton::clicked, this, [this] {
    if (askToSavePicks()) closeWith(mrOk);
  });
  bindKey(Qt::Key_F2, [this] { ButtonSpeichernClick(); });
  bindKey(Qt::Key_F7, [this] { ButtonLoeschenClick(); });
}

void TZikoNSStammschuetzenEditDlg::FormShow() {
  setWindowTitle(qs(disciplineCaption("Mannschafts-Stammschützen")));
  unsaved_ = false;
  showTeamChoice();
  // The picker comes once this window stands: shown from inside the showing, it reached the
  // screen before its owner, and the window manager put it behind, out of reach of the mouse.
  QMetaObject::invokeMethod(this, [this] { if (isVisible()) ButtonSchuetzenAnzeigenClick(); }, Qt::QueuedConnection);
}

void TZikoNSStammschuetzenEditDlg::teamChanged() {
  askToSavePicks();
  ListViewMsSs->clear();
  Label1->clear();
  shownTeam_.reset();
  if (const MschEintrag* team = selectedTeam()) {
    shownTeam_ = *team;
    Label1->setText(qs(MannschaftsName(team->Vrnr, team->Rmschnr)));
    for (const Stammschuetze& s : StammschuetzenLesen(gDbHaupt, *team))
      addTreeRow(ListViewMsSs, {str(s.passnr), s.name}, s.passnr)->setData(0, kNurDurchgaenge, !s.stamm);
  }
  updateButtons();
}

void TZikoNSStammschuetzenEditDlg::updateButtons() {
  ButtonSpeichern->setEnabled(selectedTeam() != nullptr);
  ButtonLoeschen->setEnabled(selectedTeam() != nullptr && ListViewMsSs->topLevelItemCount() > 0);
}

void TZikoNSStammschuetzenEditDlg::UebernehmeSchuetze(long passnr) {
  if (!selectedTeam()) return;
  if (QTreeWidgetItem* listed = itemOfKey(ListViewMsSs, passnr)) {
    // A shooter of the rounds' line-ups picked becomes a regular one.
    if (!nurDurchgaenge(listed)) return;
    listed->setData(0, kNurDurchgaenge, false);
  } else {
    db::Table t = db::query(gDbHaupt, "SELECT Name FROM Schuetzen WHERE Passnr = ?;", {passnr});
    if (t.empty()) return;
    addTreeRow(ListViewMsSs, {str(passnr), t.text(0, 0)}, passnr);
  }
  unsaved_ = true;
  updateButtons();
  // The keyboard comes back from the picker, so that F2 saves what was picked.
  activateWindow();
  ListViewMsSs->setFocus();
}

bool TZikoNSStammschuetzenEditDlg::canClose() { return askToSavePicks(); }

bool TZikoNSStammschuetzenEditDlg::askToSavePicks() {
  if (!unsaved_ || !shownTeam_) return true;
  unsaved_ = false;
  const std::string team = MannschaftsName(shownTeam_->Vrnr, shownTeam_->Rmschnr);
  if (msg::show("Die gewählten Stammschützen der Mannschaft " + team +
                    " sind noch nicht gespeichert.\n\rJetzt speichern?",
                "Frage", msg::YesNo, msg::Question) != msg::IdYes)
    return true;
  if (store(*shownTeam_)) return true;
  unsaved_ = true;
  return false;
}

bool TZikoNSStammschuetzenEditDlg::store(const MschEintrag& team) {
  std::vector<long> passnr;
  for (int i = 0; i < ListViewMsSs->topLevelItemCount(); ++i)
    if (!nurDurchgaenge(ListViewMsSs->topLevelItem(i))) passnr.push_back(keyOf(ListViewMsSs->topLevelItem(i)));
  return StammschuetzenSpeichern(gDbHaupt, team, passnr);
}

void TZikoNSStammschuetzenEditDlg::ButtonSpeichernClick() {
  const MschEintrag* team = selectedTeam();
  if (!team) return;
  if (!store(*team)) return;
  unsaved_ = false;
  teamChanged();
}

void TZikoNSStammschuetzenEditDlg::ButtonLoeschenClick() {
  const MschEintrag* team = selectedTeam();
  if (!team) return;
  QTreeWidgetItem* item = ListViewMsSs->currentItem();
  if (!item || !item->isSelected()) {
    msg::show("kein Schütze markiert!", "Meldung");
    return;
  }
  // Picked shooters not saved yet have no row; the list keeps them until the next save.
  const long passnr = keyOf(item);
  if (!StammschuetzeEntfernen(gDbHaupt, *team, passnr)) return;
  if (InAufstellungEinesDurchgangs(gDbHaupt, *team, passnr)) {
    // His rows of the rounds stay, and with them his row here: say why nothing went.
    item->setData(0, kNurDurchgaenge, true);
    msg::show(str(passnr) + " " + fromQs(item->text(1)) +
                  " steht in der Aufstellung eines Durchgangs dieser Mannschaft und bleibt deshalb in der Liste.",
              "Meldung", msg::Ok, msg::Information);
  } else {
    delete item;
  }
  updateButtons();
}
