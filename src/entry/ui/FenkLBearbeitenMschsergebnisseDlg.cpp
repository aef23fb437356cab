#include "entry/ui/FenkLBearbeitenMschsergebnisseDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "entry/eingabe.h"
#include "platform/clipboard.h"
#include "platform/fieldfilter.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "season/klassenfolge.h"
#include "season/ui/KlassenAuswahl.h"

TFenkLBearbeitenMschsergebnisseDlg* FenkLBearbeitenMschsergebnisseDlg = nullptr;

TFenkLBearbeitenMschsergebnisseDlg::TFenkLBearbeitenMschsergebnisseDlg(QWidget* parent)
    : TErgebnisBearbeitenDlg(parent, "Mannschaftsergebnisse bearbeiten", "ZikoMschergbearbeiten.html") {
  ComboBoxKlasse = new QComboBox(this);
  ComboBoxKlasse->setToolTip(qs("Auswahl der Mannschaftsklasse"));
  ListViewVereine = new SortableListView(this);
  ListViewVereine->setColumns({{"Nr.", 50, Qt::AlignRight}, {"Verein", 170}});
  ListViewMannschaften = new QTreeWidget(this);
  ListViewMannschaften->setHeaderLabels({qs("Mannschaften")});
  ListViewMannschaften->setToolTip(qs("Mannschaft"));
  ListViewMschErg = new QTreeWidget(this);
  ListViewMschErg->setHeaderLabels({qs("KNr"), qs("Ringe"), qs("Plus"), qs("Minus"), qs("Korr.")});
  for (QTreeWidget* list : {static_cast<QTreeWidget*>(ListViewMannschaften), ListViewMschErg}) {
    list->setRootIsDecorated(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
  }
  for (int c = 0; c < 5; ++c) ListViewMschErg->setColumnWidth(c, c == 1 ? 70 : 55);
  Label1 = new QLabel(this);
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  Label2 = new QLabel(this);

  EditKnr = new QLineEdit(this);
  setNumberFilter(EditKnr, false, 2);
  EditKnr->setToolTip(qs("Nummer des Durchgangs"));
  EditRinge = new QLineEdit(this);
  setRingFilter(EditRinge, [this] { return Zehntelflag >= 1; });
  EditRinge->setToolTip(qs("Ringergebnis"));
  EditPP = new QLineEdit(this);
  setNumberFilter(EditPP, false, 1);
  EditPP->setToolTip(qs("Plus-Punkte"));
  EditMP = new QLineEdit(this);
  setNumberFilter(EditMP, false, 1);
  EditMP->setToolTip(qs("Minus-Punkte"));
  EditKorPkt = new QLineEdit(this);
  setNumberFilter(EditKorPkt, true, 2);
  EditKorPkt->setToolTip(qs("Korrektur-Punkte (mit Vorzeichen)"));

  ButtonNeuesErg = makeNewButton();
  LabelRingschnitt = new QLabel(qs("Ringschnitt bis einschl Dg. X:"), this);
  EditRingschnitt = new QLineEdit(this);
  EditRingschnitt->setReadOnly(true);
  EditRingschnitt->setToolTip(qs("Ringschnitt befindet sich im Zwischenspeicher!"));

  auto* left = new QVBoxLayout;
  left->addWidget(ComboBoxDisz);
  left->addWidget(ComboBoxKlasse);
  left->addWidget(ListViewVereine, 2);
  left->addWidget(ListViewMannschaften, 1);
  auto* line = new QGridLayout;
  const char* headings[] = {"D-Nr.", "Ringe", "Plus", "Minus", "Korr."};
  QLineEdit* edits[] = {EditKnr, EditRinge, EditPP, EditMP, EditKorPkt};
  line->addWidget(new QLabel(qs("Punkte"), this), 0, 2, 1, 3, Qt::AlignHCenter);
  for (int i = 0; i < 5; ++i) {
    line->addWidget(new QLabel(qs(headings[i]), this), 1, i);
    line->addWidget(edits[i], 2, i);
  }
  auto* average = new QHBoxLayout;
  average->addWidget(LabelRingschnitt);
  average->addWidget(EditRingschnitt);
  auto* right = new QVBoxLayout;
  right->addWidget(Label1);
  right->addWidget(ListViewMschErg, 1);
  right->addWidget(Label2);
  right->addLayout(line);
  right->addLayout(average);
  auto* top = new QHBoxLayout;
  top->addLayout(left, 1);
  top->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttonRow({ButtonNeuesErg, ButtonSpeichern, ButtonErgLoeschen, ButtonHilfe, ButtonEnde}));
  resize(820, 540);

  connect(ComboBoxKlasse, &QComboBox::activated, this, [this] { ComboBoxKlasseChange(); });
  onChoice(ListViewVereine, [this] { ListViewVereineChange(); });
  onChoice(ListViewMannschaften, [this] { ListViewMannschaftenChange(); });
  onChoice(ListViewMschErg, [this] { ListViewMschErgChange(); });
}

const MschEintrag* TFenkLBearbeitenMschsergebnisseDlg::selectedTeam() const {
  QTreeWidgetItem* item = chosenRow(ListViewMannschaften);
  long i = item ? keyOf(item) : -1;
  return i >= 0 && i < static_cast<long>(Mannschaften.size()) ? &Mannschaften[static_cast<size_t>(i)] : nullptr;
}

const MErgZeile* TFenkLBearbeitenMschsergebnisseDlg::selectedResult() const {
  QTreeWidgetItem* item = chosenRow(ListViewMschErg);
  long i = item ? keyOf(item) : -1;
  return i >= 0 && i < static_cast<long>(Ergebnisse.size()) ? &Ergebnisse[static_cast<size_t>(i)] : nullptr;
}

void TFenkLBearbeitenMschsergebnisseDlg::FormShow() {
  showDisciplines();
  FillVereine();
}

void TFenkLBearbeitenMschsergebnisseDlg::LoadPositions(int disznr) {
  db::Table t = db::query(gDbHaupt, "SELECT MergMklindex, MergVrindex, Zehntelflag FROM Disznamen WHERE Nr = ?;",
                          {disznr});
  if (!t.empty()) {
    MergMklindex = std::max(0, t.integer(0, 0));
    MergVrindex = std::max(0, t.integer(0, 1));
    Zehntelflag = t.integer(0, 2);
  }
  // The class box belongs to the discipline: fill it and take the remembered line, which
  // must be one of its lines.
  FillKlassenCombo(ComboBoxKlasse, disznr, "--alle Klassen--");
  MergMklindex = std::min(MergMklindex, ComboBoxKlasse->count() - 1);
  ComboBoxKlasse->setCurrentIndex(MergMklindex);
}

void TFenkLBearbeitenMschsergebnisseDlg::StorePositions(int disznr) {
  MergMklindex = std::max(0, ComboBoxKlasse->currentIndex());
  QTreeWidgetItem* club = chosenRow(ListViewVereine);
  MergVrindex = club ? ListViewVereine->indexOfTopLevelItem(club) : 0;
  db::exec(gDbHaupt, "UPDATE Disznamen SET MergMklindex = ?, MergVrindex = ? WHERE Nr = ?;",
           {MergMklindex, MergVrindex, disznr});
}

void TFenkLBearbeitenMschsergebnisseDlg::ComboBoxKlasseChange() {
  MergMklindex = std::max(0, ComboBoxKlasse->currentIndex());
  MergVrindex = 0;
  FillVereine();
}

// Clubs of the chosen class; the remembered club row is selected.
void TFenkLBearbeitenMschsergebnisseDlg::FillVereine() {
  {
    QSignalBlocker block(ListViewVereine);
    ListViewVereine->clear();
    for (const VereinKurz& v : VereineMitMannschaften(gDbHaupt, ShownDisznr, comboKey(ComboBoxKlasse, -1, 0)))
      ListViewVereine->addRow({str(v.nr), v.name}, v.nr);
    if (ListViewVereine->sortColumn() >= 0) ListViewVereine->sortBy(ListViewVereine->sortColumn(), ListViewVereine->ascending());
  }
  int n = ListViewVereine->topLevelItemCount();
  MergVrindex = n > 0 ? std::clamp(MergVrindex, 0, n - 1) : 0;
  chooseRow(ListViewVereine, ListViewVereine->topLevelItem(MergVrindex));
  ButtonNeuesErg->setEnabled(n > 0);
  ListViewVereineChange();
}

void TFenkLBearbeitenMschsergebnisseDlg::ListViewVereineChange() { FillMannschaften(); }

void TFenkLBearbeitenMschsergebnisseDlg::FillMannschaften() {
  Mannschaften.clear();
  {
    QSignalBlocker block(ListViewMannschaften);
    ListViewMannschaften->clear();
    if (QTreeWidgetItem* club = chosenRow(ListViewVereine)) {
      long vrnr = keyOf(club);
      Mannschaften = MannschaftenDesVereins(gDbHaupt, ShownDisznr, vrnr, comboKey(ComboBoxKlasse, -1, 0));
      for (size_t i = 0; i < Mannschaften.size(); ++i)
        addTreeRow(ListViewMannschaften, {MannschaftsName(vrnr, Mannschaften[i].Rmschnr)}, static_cast<long>(i));
    }
  }
  chooseRow(ListViewMannschaften, ListViewMannschaften->topLevelItem(0));
  ListViewMannschaftenChange();
}

void TFenkLBearbeitenMschsergebnisseDlg::ListViewMannschaftenChange() { ShowMschErgebnisse(); }

void TFenkLBearbeitenMschsergebnisseDlg::clearEditLine() {
  for (QLineEdit* e : {EditKnr, EditRinge, EditPP, EditMP, EditKorPkt}) e->clear();
  EditKnr->setMaxLength(2);
  EditRinge->setMaxLength(ringLimit());
  EditKorPkt->setMaxLength(2);
  Label2->clear();
}

void TFenkLBearbeitenMschsergebnisseDlg::ShowMschErgebnisse(int selectErgnr) {
  NeuerEintrag = false;
  clearEditLine();
  Ergebnisse.clear();
  const MschEintrag* team = selectedTeam();
  Label1->setText(team ? qs(MannschaftsName(team->Vrnr, team->Rmschnr)) : QString());
  if (team) Ergebnisse = MErgDerMannschaft(gDbHaupt, *team);
  {
    QSignalBlocker block(ListViewMschErg);
    ListViewMschErg->clear();
    for (size_t i = 0; i < Ergebnisse.size(); ++i) {
      const MErgZeile& z = Ergebnisse[i];
      QTreeWidgetItem* item = addTreeRow(ListViewMschErg,
                                         {str(z.Ergnr), eingabe::ringText(z.Ringerg, Zehntelflag >= 1),
                                          str(z.Pluspunkte), str(z.Minuspunkte), str(z.Korrekturpunkte)},
                                         static_cast<long>(i));
      if (z.Ergnr == selectErgnr) chooseRow(ListViewMschErg, item);
    }
  }
  bool rows = !Ergebnisse.empty();
  for (QLineEdit* e : {EditRinge, EditPP, EditMP, EditKorPkt}) e->setEnabled(rows);
  LabelRingschnitt->setVisible(rows);
  EditRingschnitt->setVisible(rows);
  ButtonNeuesErg->setEnabled(team != nullptr);
  RingSchnitt();
  ShowMschErgebnis();
}

void TFenkLBearbeitenMschsergebnisseDlg::ListViewMschErgChange() {
  NeuerEintrag = false;
  ShowMschErgebnis();
}

void TFenkLBearbeitenMschsergebnisseDlg::ShowMschErgebnis() {
  const MErgZeile* z = selectedResult();
  enableResultButtons(z != nullptr);
  const MschEintrag* team = selectedTeam();
  if (!z || !team) return;
  showWhole(EditKnr, qs(str(z->Ergnr)), 2);
  showWhole(EditRinge, qs(eingabe::ringText(z->Ringerg, Zehntelflag >= 1)), ringLimit());
  EditPP->setText(qs(str(z->Pluspunkte)));
  EditMP->setText(qs(str(z->Minuspunkte)));
  showWhole(EditKorPkt, qs(str(z->Korrekturpunkte)), 2);
  long vrnr = 0;
  int mschnr = 0;
  Label2->setText(GegnerImDurchgang(gDbHaupt, *team, z->Ergnr, vrnr, mschnr)
                      ? qs("Gegner Durchgang Nr:" + str(z->Ergnr) + ":\n" + MannschaftsName(vrnr, mschnr))
                      : QString());
}

void TFenkLBearbeitenMschsergebnisseDlg::RingSchnitt() {
  if (Ergebnisse.empty()) {
    EditRingschnitt->clear();
    return;
  }
  LabelRingschnitt->setText(qs("Ringschnitt nach Durchgang " + str(Ergebnisse.back().Ergnr) + ":"));
  std::vector<long> ringe;
  for (const MErgZeile& z : Ergebnisse) ringe.push_back(z.Ringerg);
  std::string text = RingSchnittText(ringe, Zehntelflag >= 1);
  EditRingschnitt->setText(qs(text));
  clipboard::setText(text);
}

void TFenkLBearbeitenMschsergebnisseDlg::ButtonNeuesErgClick() {
  if (!selectedTeam()) return;
  beginNewEntry(ListViewMschErg);
  clearEditLine();
  EditKnr->setText(qs(str(Ergebnisse.empty() ? 1 : Ergebnisse.back().Ergnr + 1)));
  for (QLineEdit* e : {EditRinge, EditPP, EditMP, EditKorPkt}) {
    e->setText(qs("0"));
    e->setEnabled(true);
  }
  EditRinge->setFocus();
}

void TFenkLBearbeitenMschsergebnisseDlg::ButtonSpeichernClick() {
  const MschEintrag* team = selectedTeam();
  if (!team || (!selectedResult() && !NeuerEintrag)) return;
  int termine = TermineDerKlasse(gDbHaupt, team->Disznr, team->Mklnr);
  MErgZeile z;
  z.Ergnr = toInt(fromQs(EditKnr->text()));
  // A round outside the class's bouts would count in the team tables of every round.
  if (z.Ergnr < 1 || z.Ergnr > termine) {
    msg::show(termine < 1 ? std::string("Die Klasse hat keine Durchgänge!")
                          : "Die Durchgang-Nr. muss zwischen 1 und " + str(termine) + " liegen!",
              "Meldung");
    EditKnr->setFocus();
    return;
  }
  z.Ringerg = eingabe::ringTenths(fromQs(EditRinge->text()));
  z.Pluspunkte = toInt(fromQs(EditPP->text()));
  z.Minuspunkte = toInt(fromQs(EditMP->text()));
  z.Korrekturpunkte = toInt(fromQs(EditKorPkt->text()));
  MErgSpeichern(gDbHaupt, *team, z);
  ShowMschErgebnisse(z.Ergnr);
  ListViewMschErg->setFocus();
}

void TFenkLBearbeitenMschsergebnisseDlg::ButtonErgLoeschenClick() {
  const MschEintrag* team = selectedTeam();
  const MErgZeile* z = selectedResult();
  if (!team || !z) return;
  int ergnr = z->Ergnr;
  if (msg::show("Ergebnis Nr. " + str(ergnr) + " = " + eingabe::ringText(z->Ringerg, Zehntelflag >= 1) +
                    "  Ringe wirklich löschen ?",
                "Ergebnis löschen", msg::YesNo, msg::Question) != msg::IdYes)
    return;
  MErgLoeschen(gDbHaupt, *team, ergnr);
  ShowMschErgebnisse();
  if (int n = ListViewMschErg->topLevelItemCount()) {
    chooseRow(ListViewMschErg, ListViewMschErg->topLevelItem(n - 1));
    ShowMschErgebnis();
  }
  ListViewMschErg->setFocus();
}
