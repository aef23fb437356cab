#include "entry/ui/FenkLBearbeitenEinzlergebnisseDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "entry/eingabe.h"
#include "platform/fieldfilter.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"

TFenkLBearbeitenEinzlergebnisseDlg* FenkLBearbeitenEinzlergebnisseDlg = nullptr;

TFenkLBearbeitenEinzlergebnisseDlg::TFenkLBearbeitenEinzlergebnisseDlg(QWidget* parent)
    : TErgebnisBearbeitenDlg(parent, "Einzelergebnisse bearbeiten", "ZikoEErgbearbeiten.html") {
  ComboBoxVereine = new QComboBox(this);
  ListViewSchuetzen = new SortableListView(this);
  ListViewSchuetzen->setColumns({{"Nr.", 60, Qt::AlignRight}, {"Name", 180}});
  auto* RadioGroup1 = new QGroupBox(qs("Filter für Anzeige der Schützen"), this);
  RadioGroup1->setToolTip(qs("Anzeige der in 'Stammdaten->Schützen' markierten Schützen"));
  RadioAlle = new QRadioButton(qs("alle anzeigen"), RadioGroup1);
  RadioMarkierte = new QRadioButton(qs("nur markierte anzeigen"), RadioGroup1);
  auto* radios = new QVBoxLayout(RadioGroup1);
  radios->addWidget(RadioAlle);
  radios->addWidget(RadioMarkierte);
  Label5 = new QLabel(qs("Schützennr. - + Name"), this);
  ListViewEErgBearbeiten = new QTreeWidget(this);
  ListViewEErgBearbeiten->setHeaderLabels({qs("K-Nr."), qs("Ringe"), qs("M-Nr"), qs("M"), qs("Klasse")});
  ListViewEErgBearbeiten->setRootIsDecorated(false);
  ListViewEErgBearbeiten->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListViewEErgBearbeiten->setSelectionBehavior(QAbstractItemView::SelectRows);
  for (int c = 0; c < 4; ++c) ListViewEErgBearbeiten->setColumnWidth(c, 55);

  EditKampfnr = new QLineEdit(this);
  setNumberFilter(EditKampfnr, false, 2);
  EditKampfnr->setToolTip(qs("Ringergebnis wurde in diesem Durchgang dieser Klasse erzielt"));
  EditRingerg = new QLineEdit(this);
  setRingFilter(EditRingerg, [this] { return Zehntelflag >= 1; });
  EditRingerg->setToolTip(qs("Ringergebnis"));
  EditMschnr = new QLineEdit(this);
  setNumberFilter(EditMschnr, false, 2);
  EditMschnr->setToolTip(qs("Ringergebnis wurde in dieser Mannschaft erzielt"));
  CheckBox1 = new QCheckBox(this);
  CheckBox1->setToolTip(qs("Ringergebnis wurde als Mannschaftsschütze erzielt"));
  ComboBoxKlasse = new QComboBox(this);
  ComboBoxKlasse->setToolTip(qs("Ringergebnis wurde in dieser Klasse erzielt"));

  ButtonErgNeu = makeNewButton();
  ButtonErgNeu->setToolTip(qs("Neuer Eintrag"));

  auto* left = new QVBoxLayout;
  left->addWidget(ComboBoxDisz);
  left->addWidget(ComboBoxVereine);
  left->addWidget(ListViewSchuetzen, 1);
  left->addWidget(RadioGroup1);
  auto* line = new QGridLayout;
  const char* headings[] = {"D-Nr.", "Ringe", "M-Nr.", "MS", "Klasse"};
  QWidget* edits[] = {EditKampfnr, EditRingerg, EditMschnr, CheckBox1, ComboBoxKlasse};
  for (int i = 0; i < 5; ++i) {
    line->addWidget(new QLabel(qs(headings[i]), this), 0, i);
    line->addWidget(edits[i], 1, i);
  }
  for (QLineEdit* e : {EditKampfnr, EditRingerg, EditMschnr}) e->setMaximumWidth(60);
  line->setColumnStretch(4, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(Label5);
  right->addWidget(ListViewEErgBearbeiten, 1);
  right->addLayout(line);
  auto* top = new QHBoxLayout;
  top->addLayout(left, 1);
  top->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttonRow({ButtonSpeichern, ButtonErgNeu, ButtonErgLoeschen, ButtonHilfe, ButtonEnde}));
  resize(820, 520);

  connect(ComboBoxVereine, &QComboBox::activated, this, [this] { ComboBoxVereineChange(); });
  onChoice(ListViewSchuetzen, [this] { ListViewSchuetzenChange(); });
  onChoice(ListViewEErgBearbeiten, [this] { ListViewEErgBearbeitenChange(); });
  connect(RadioAlle, &QRadioButton::clicked, this, [this] { RadioGroup1Click(0); });
  connect(RadioMarkierte, &QRadioButton::clicked, this, [this] { RadioGroup1Click(1); });
}

long TFenkLBearbeitenEinzlergebnisseDlg::Vrnr() const { return comboKey(ComboBoxVereine, -1, 0); }

long TFenkLBearbeitenEinzlergebnisseDlg::Schnr() const {
  QTreeWidgetItem* item = chosenRow(ListViewSchuetzen);
  return item ? keyOf(item, 0) : 0;
}

const EErgZeile* TFenkLBearbeitenEinzlergebnisseDlg::selectedResult() const {
  QTreeWidgetItem* item = chosenRow(ListViewEErgBearbeiten);
  if (!item) return nullptr;
  long rowid = keyOf(item);
  for (const EErgZeile& z : Ergebnisse)
    if (z.rowid == rowid) return &z;
  return nullptr;
}

void TFenkLBearbeitenEinzlergebnisseDlg::FormShow() {
  showDisciplines();
  {
    QSignalBlocker block(ComboBoxVereine);
    ComboBoxVereine->clear();
    db::Table t = db::query(gDbHaupt, "SELECT Nummer, Name FROM Vereine_gau ORDER BY rowid;");
    for (size_t r = 0; r < t.size(); ++r)
      addComboItem(ComboBoxVereine, t.text(r, 0) + "  " + t.text(r, 1), t.num(r, 0));
    ComboBoxVereine->setCurrentIndex(
        ComboBoxVereine->count() > 0 ? std::clamp(EergVrindex, 0, ComboBoxVereine->count() - 1) : -1);
  }
  {
    QSignalBlocker b1(RadioAlle), b2(RadioMarkierte);
    (gEinstellungen.ErgSchuetzenFilter != 0 ? RadioMarkierte : RadioAlle)->setChecked(true);
  }
  FillKlassen();
  ShowSchuetzen();
  selectFirstShooter();
}

void TFenkLBearbeitenEinzlergebnisseDlg::LoadPositions(int disznr) {
  db::Table t = db::query(gDbHaupt, "SELECT EergVrindex, Zehntelflag FROM Disznamen WHERE Nr = ?;", {disznr});
  if (!t.empty()) {
    EergVrindex = t.integer(0, 0);
    Zehntelflag = t.integer(0, 1);
  }
}

void TFenkLBearbeitenEinzlergebnisseDlg::StorePositions(int disznr) {
  EergVrindex = std::max(0, ComboBoxVereine->currentIndex());
  db::exec(gDbHaupt, "UPDATE Disznamen SET EergVrindex = ? WHERE Nr = ?;", {EergVrindex, disznr});
}

void TFenkLBearbeitenEinzlergebnisseDlg::disciplineChanged() {
  FillKlassen();
  selectFirstShooter();
}

void TFenkLBearbeitenEinzlergebnisseDlg::ComboBoxVereineChange() {
  ShowSchuetzen();
  FillKlassen();
  selectFirstShooter();
}

void TFenkLBearbeitenEinzlergebnisseDlg::RadioGroup1Click(int index) {
  gEinstellungen.ErgSchuetzenFilter = static_cast<int8_t>(index);
  ShowSchuetzen();
  selectFirstShooter();
}

void TFenkLBearbeitenEinzlergebnisseDlg::FillKlassen() {
  QSignalBlocker block(ComboBoxKlasse);
  ComboBoxKlasse->clear();
  db::Table t = db::query(gDbHaupt,
                          "SELECT k.Nr, k.Klname FROM Mschklassen k WHERE k.Disznr = ? AND k.Nr IN (SELECT Mklnr "
                          "FROM Msch_in_klassen WHERE Disznr = ? AND Vrnr = ?) ORDER BY k.Nr, k.rowid;",
                          {ShownDisznr, ShownDisznr, Vrnr()});
  for (size_t r = 0; r < t.size(); ++r) addComboItem(ComboBoxKlasse, t.text(r, 1), t.num(r, 0));
  ComboBoxKlasse->setCurrentIndex(-1);
}

void TFenkLBearbeitenEinzlergebnisseDlg::clearEditLine() {
  for (QLineEdit* e : {EditKampfnr, EditRingerg, EditMschnr}) e->clear();
  EditRingerg->setMaxLength(ringLimit());
  EditMschnr->setMaxLength(2);
  EditKampfnr->setMaxLength(2);
  CheckBox1->setChecked(false);
  ComboBoxKlasse->setCurrentIndex(-1);
}

void TFenkLBearbeitenEinzlergebnisseDlg::ShowSchuetzen() {
  Label5->clear();
  clearEditLine();
  Ergebnisse.clear();
  {
    QSignalBlocker block(ListViewEErgBearbeiten);
    ListViewEErgBearbeiten->clear();
  }
  QSignalBlocker block(ListViewSchuetzen);
  ListViewSchuetzen->clear();
  db::Table t = gEinstellungen.ErgSchuetzenFilter != 0
                    ? db::query(gDbHaupt, "SELECT Passnr, Name FROM Schuetzen WHERE VrNr = ? AND AktivFlag = 1;",
                                {Vrnr()})
                    : db::query(gDbHaupt, "SELECT Passnr, Name FROM Schuetzen WHERE VrNr = ?;", {Vrnr()});
  for (size_t r = 0; r < t.size(); ++r) ListViewSchuetzen->addRow({str(t.num(r, 0)), t.text(r, 1)}, t.num(r, 0));
  if (ListViewSchuetzen->sortColumn() >= 0)
    ListViewSchuetzen->sortBy(ListViewSchuetzen->sortColumn(), ListViewSchuetzen->ascending());
  ListViewSchuetzen->setCurrentItem(nullptr);
}

void TFenkLBearbeitenEinzlergebnisseDlg::selectFirstShooter() {
  if (QTreeWidgetItem* first = ListViewSchuetzen->topLevelItem(0)) {
    chooseRow(ListViewSchuetzen, first);
    ListViewSchuetzen->setFocus();
    ListViewSchuetzenChange();
  } else {
    ShowErgebnisse();
  }
}

void TFenkLBearbeitenEinzlergebnisseDlg::ListViewSchuetzenChange() { ShowErgebnisse(); }

void TFenkLBearbeitenEinzlergebnisseDlg::ShowErgebnisse(long selectRowid) {
  NeuerEintrag = false;
  clearEditLine();
  Ergebnisse.clear();
  QSignalBlocker block(ListViewEErgBearbeiten);
  ListViewEErgBearbeiten->clear();
  long schnr = Schnr();
  Label5->clear();
  if (schnr > 0) {
    Label5->setText(qs(str(schnr) + "  " + fromQs(chosenRow(ListViewSchuetzen)->text(1))));
    Ergebnisse = EErgDesSchuetzen(gDbHaupt, schnr, ShownDisznr, Vrnr());
  }
  for (const EErgZeile& z : Ergebnisse) {
    QTreeWidgetItem* item = addTreeRow(ListViewEErgBearbeiten,
                                       {str(z.w.Ergnr), eingabe::ringText(z.w.Ringerg, Zehntelflag >= 1),
                                        str(z.w.Mschnr), z.w.Mschflag >= 1 ? "*" : "", z.Klname},
                                       z.rowid);
    if (z.rowid == selectRowid) chooseRow(ListViewEErgBearbeiten, item);
  }
  ButtonErgNeu->setEnabled(schnr > 0);
  ShowErgebnis();
}

void TFenkLBearbeitenEinzlergebnisseDlg::ListViewEErgBearbeitenChange() {
  NeuerEintrag = false;
  ShowErgebnis();
}

void TFenkLBearbeitenEinzlergebnisseDlg::ShowErgebnis() {
  const EErgZeile* z = selectedResult();
  enableResultButtons(z != nullptr);
  if (!z) return;
  showWhole(EditKampfnr, qs(str(z->w.Ergnr)), 2);
  showWhole(EditRingerg, qs(eingabe::ringText(z->w.Ringerg, Zehntelflag >= 1)), ringLimit());
  showWhole(EditMschnr, qs(str(z->w.Mschnr)), 2);
  CheckBox1->setChecked(z->w.Mschflag != 0);
  ComboBoxKlasse->setCurrentIndex(comboIndexOfKey(ComboBoxKlasse, z->w.Mschklnr));
}

void TFenkLBearbeitenEinzlergebnisseDlg::ButtonErgNeuClick() {
  long schnr = Schnr();
  if (schnr <= 0) return;
  beginNewEntry(ListViewEErgBearbeiten);
  clearEditLine();
  ComboBoxKlasse->setCurrentIndex(ComboBoxKlasse->count() > 0 ? 0 : -1);
  EditKampfnr->setText(qs(str(EErgVorschlag(gDbHaupt, schnr, ShownDisznr, comboKey(ComboBoxKlasse, -1, 0)))));
  CheckBox1->setChecked(true);
  EditRingerg->setFocus();
}

void TFenkLBearbeitenEinzlergebnisseDlg::ButtonSpeichernClick() {
  long schnr = Schnr();
  const EErgZeile* z = selectedResult();
  if (schnr <= 0 || (!z && !NeuerEintrag)) return;
  EErgWerte w;
  w.Ergnr = std::max(1, toInt(fromQs(EditKampfnr->text())));
  w.Ringerg = eingabe::ringTenths(fromQs(EditRingerg->text()));
  w.Mschnr = toInt(fromQs(EditMschnr->text()));
  w.Mschflag = CheckBox1->isChecked() ? 1 : 0;
  w.Mschklnr = comboKey(ComboBoxKlasse, -1, 0);
  if (w.Mschklnr < 1) {
    if (NeuerEintrag || !z) {
      msg::show("Bitte eine Klasse wählen!", "Meldung");
      ComboBoxKlasse->setFocus();
      return;
    }
    w.Mschklnr = z->w.Mschklnr;  // a result of a class the club no longer plays in keeps it
  }
  long rowid = NeuerEintrag ? EErgNeu(gDbHaupt, schnr, ShownDisznr, Vrnr(), w)
                            : EErgAendern(gDbHaupt, z->rowid, schnr, Vrnr(), w);
  if (rowid < 0) return;
  ShowErgebnisse(rowid);
  ListViewEErgBearbeiten->setFocus();
}

void TFenkLBearbeitenEinzlergebnisseDlg::ButtonErgLoeschenClick() {
  const EErgZeile* z = selectedResult();
  if (Schnr() <= 0 || !z) return;
  std::string klasse = z->Klname.empty() ? str(z->w.Mschklnr) : z->Klname;
  if (msg::show("Ergebnis Nr. " + str(z->w.Ergnr) + " in Klasse " + klasse + " = " +
                    eingabe::ringText(z->w.Ringerg, Zehntelflag >= 1) + " Ringe wirklich löschen ?",
                "Ergebnis löschen", msg::YesNo, msg::Question) != msg::IdYes)
    return;
  if (!EErgLoeschen(gDbHaupt, z->rowid)) return;
  ShowErgebnisse();
  if (int n = ListViewEErgBearbeiten->topLevelItemCount()) {
    chooseRow(ListViewEErgBearbeiten, ListViewEErgBearbeiten->topLevelItem(n - 1));
    ShowErgebnis();
  }
  ListViewEErgBearbeiten->setFocus();
}
