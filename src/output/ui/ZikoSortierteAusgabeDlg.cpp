#include "output/ui/ZikoSortierteAusgabeDlg.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "core/db.h"
#include "core/globals.h"
#include "masterdata/ui/DisziplinAuswahl.h"
#include "platform/listlook.h"
#include "platform/fieldfilter.h"
#include "platform/keydata.h"
#include "platform/text.h"
#include "platform/waitcursor.h"
#include "ranking/ranking.h"
#include "season/klassenfolge.h"

TZikoSortierteAusgabeDlg* ZikoSortierteAusgabeDlg = nullptr;

namespace {

constexpr const char* kAlleVereine = "--- alle Vereine ---";

std::string format(const char* f, int value) {
  char buf[128];
  std::snprintf(buf, sizeof buf, f, value);
  return buf;
}

void check(const std::vector<QRadioButton*>& items, int index) {
  if (index >= 0 && index < static_cast<int>(items.size())) items[index]->setChecked(true);
}

Qt::Alignment alignment(Ausrichtung a) {
  switch (a) {
    case Ausrichtung::Rechts:
      return Qt::AlignRight;
    case Ausrichtung::Mitte:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

}  // namespace

int TZikoSortierteAusgabeDlg::checkedIndex(const std::vector<QRadioButton*>& items) {
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

// ---------------------------------------------------------------------------------------
// Showing, closing and the discipline's settings

void TZikoSortierteAusgabeDlg::FormShow() {
  LoadDiszSettings(gEinstellungen.AktDisznr);
  Mklindex = 0;
  FillDisziplinenCombo(ComboBoxDisz, gEinstellungen.AktDisznr);
  check(RadioGroup1Items, 1);
  ComboBoxSortart->setEnabled(true);
  check(RadioGroup2Items, 0);
  check(RadioGroupKlergSortartItems, 0);
  renewRoundTexts();
  {
    QSignalBlocker block(ComboBoxVrEa);
    ComboBoxVrEa->clear();
    ComboBoxVrEa->addItem(qs("alle Ringergebnisse"));
    ComboBoxVrEa->addItem(qs("Mannschaftsschützen mit Mannschaftswechsel"));
    ComboBoxVrEa->setCurrentIndex(0);
  }
  FillVereineCombos(gEinstellungen.AktDisznr);
  UpdateEndwertung();
  ShowPage(PageControl1->currentIndex());
}

void TZikoSortierteAusgabeDlg::FormHide() { SaveDiszSettings(gEinstellungen.AktDisznr); }

void TZikoSortierteAusgabeDlg::LoadDiszSettings(int d) {
  db::Table t = db::query(gDbHaupt,
                          "SELECT Kampfindex, Mklindex, Vereinsindex, SortEErgMinAnzErg, "
                          "SortEErgMinRinge, Zehntelflag FROM Disznamen WHERE Nr=?;",
                          {d});
  if (!t.empty()) {
    Kampfindex = std::max(0, t.integer(0, 0));
    Mklindex = t.integer(0, 1);
    SortEErgMinAnzErg = std::max(1, t.integer(0, 3));
    SortEErgMinRinge = t.integer(0, 4);
    Zehntelflag = t.integer(0, 5);
    KlassenIndex = Mklindex;
  }
  for (QLineEdit* e : {EditMinErgRinge, EditMinErgRingeKl}) e->setText(qs(str(SortEErgMinRinge)));
}

void TZikoSortierteAusgabeDlg::SaveDiszSettings(int d) {
  db::exec(gDbHaupt, "UPDATE Disznamen SET SortEErgMinAnzErg=?, SortEErgMinRinge=? WHERE Nr=?; ",
           {SortEErgMinAnzErg, SortEErgMinRinge, d});
}

void TZikoSortierteAusgabeDlg::FillVereineCombos(int d) {
  QSignalBlocker b1(ComboBoxVrVereine), b2(ComboBoxVereineMschfuehrer);
  ComboBoxVrVereine->clear();
  ComboBoxVereineMschfuehrer->clear();
  addComboItem(ComboBoxVereineMschfuehrer, kAlleVereine, 0);
  char text[300];
  for (const VereinsEintrag& v : VereineDerDisziplin(d)) {
    std::snprintf(text, sizeof text, "%8d  %s", v.Nummer, v.Name.c_str());
    addComboItem(ComboBoxVrVereine, text, v.Nummer);
    addComboItem(ComboBoxVereineMschfuehrer, text, v.Nummer);
  }
  ComboBoxVrVereine->setCurrentIndex(ComboBoxVrVereine->count() ? 0 : -1);
  ComboBoxVereineMschfuehrer->setCurrentIndex(0);
}

void TZikoSortierteAusgabeDlg::ComboBoxDiszChange() {
  const long neu = comboKey(ComboBoxDisz);
  if (neu < 0 || neu == gEinstellungen.AktDisznr) return;
  SaveDiszSettings(gEinstellungen.AktDisznr);
  gEinstellungen.AktDisznr = static_cast<int8_t>(neu);
  LoadDiszSettings(gEinstellungen.AktDisznr);
  // The club lists of every page follow the discipline, whichever page is shown.
  FillVereineCombos(gEinstellungen.AktDisznr);
  UpdateEndwertung();
  ShowPage(PageControl1->currentIndex());
}

void TZikoSortierteAusgabeDlg::PageControl1Change() {
  if (!isVisible()) return;
  UpdateEndwertung();
  ShowPage(PageControl1->currentIndex());
}

void TZikoSortierteAusgabeDlg::ShowPage(int index) {
  switch (index) {
    case 0:
      ShowMschTabellen();
      break;
    case 1:
      ShowMschErgebnisse();
      break;
    case 2:
      ShowEinzelErgebnisse();
      break;
    case 3:
      ShowKlassenErgebnisse();
      break;
    case 4:
      ShowVereinsErgebnisse();
      break;
    case 5:
      ShowMschFuehrer();
      break;
    default:
      break;
  }
}

void TZikoSortierteAusgabeDlg::renewRoundTexts() {
  const int n = Kampfindex + 1;
  RadioGroup2Items[0]->setText(qs(format("Ergebnisse Durchgang %d", n)));
  RadioGroup2Items[1]->setText(qs(format("Ringschnitte nach Durchgang %d", n)));
  RadioGroup2Items[2]->setText(qs(format("Ringschnitte nach Durchgang %d mit Einzelerg.", n)));
  RadioGroupMschErgSortartItems[1]->setText(qs(format("Ringschnitte nach Durchgang %d", n)));
  const char* kl[] = {"Mannschafts- und Einzelergebnisse Durchgang %d",
                      "Tabelle und Einzelringschnitte nach Durchgang %d",
                      "Tabelle + Mannschaftserg. bis einschl. Durchgang %d",
                      "Tabelle, Mannschafts- + Einzelerg. Durchgang %d"};
  for (int i = 0; i < 4; ++i) RadioGroupKlergSortartItems[i]->setText(qs(format(kl[i], n)));
}

void TZikoSortierteAusgabeDlg::fillRounds(QComboBox* c, int32_t n, bool cutRound) {
  if (cutRound) Kampfindex = std::max(0, std::min(Kampfindex, n - 1));
  QSignalBlocker block(c);
  c->clear();
  for (int i = 1; i <= n; ++i) c->addItem(qs(str(i)));
  // A round past the page's match days chooses no item.
  c->setCurrentIndex(Kampfindex < n ? Kampfindex : -1);
}

void TZikoSortierteAusgabeDlg::fillMinCount(QComboBox* c, int32_t n) {
  // The count is cut to the match days and to the round; below 1 it counts as 1.
  SortEErgMinAnzErg = std::max(1, std::min({SortEErgMinAnzErg, n, Kampfindex + 1}));
  QSignalBlocker block(c);
  c->clear();
  for (int i = 1; i <= n; ++i) c->addItem(qs(str(i)));
  c->setCurrentIndex(n > 0 ? SortEErgMinAnzErg - 1 : -1);
}

void TZikoSortierteAusgabeDlg::showTable(SortableListView* view, const ListenTabelle& table) {
  std::vector<SortableListView::Column> columns;
  for (const ListenSpalte& s : table.Spalten)
    columns.push_back({s.Titel, s.Breite, alignment(s.Ausr)});
  view->setUpdatesEnabled(false);
  view->setColumns(columns);
  // A column of width 0 is left out; the others take the width of their content.
  for (size_t i = 0; i < table.Spalten.size(); ++i)
    view->setColumnHidden(static_cast<int>(i), table.Spalten[i].Breite == 0);
  for (const ListenZeile& z : table.Zeilen) {
    QTreeWidgetItem* item = view->addRow(z.Zellen);
    if (z.Fett) SortableListView::setRowBold(item, true);
  }
  view->setUpdatesEnabled(true);
}

// ---------------------------------------------------------------------------------------
// Final-ranking notice

void TZikoSortierteAusgabeDlg::UpdateEndwertung() {
  for (QLabel* l :
       {LabelEndwertungText1, LabelEndwertungText2, LabelEndwertungText1Kl, LabelEndwertungText2Kl})
    l->hide();
  endwertung_ = false;
  const int page = PageControl1->currentIndex();
  QLabel *l1, *l2;
  QComboBox* minCombo;
  int mode, runde;
  long klasse;
  if (page == 2) {
    mode = checkedIndex(RadioGroup2Items);
    runde = ComboBoxDgnr->currentIndex() + 1;
    klasse = comboKey(ComboBoxMklEErg, -1, 0);
    l1 = LabelEndwertungText1, l2 = LabelEndwertungText2, minCombo = ComboBoxMinErgAnz;
  } else if (page == 3) {
    mode = checkedIndex(RadioGroupKlergSortartItems) == 1 ? 1 : 0;
    runde = ComboBoxDgnrKlerg->currentIndex() + 1;
    klasse = comboKey(ComboBoxMklKlerg, -1, 0);
    l1 = LabelEndwertungText1Kl, l2 = LabelEndwertungText2Kl, minCombo = ComboBoxMinErgAnzKl;
  } else {
    return;
  }
  if (mode < 1 || klasse < 1) return;
  for (const KlassenEintrag& k : KlassenListe(gEinstellungen.AktDisznr)) {
    if (k.Nr != klasse) continue;
    if (std::min(runde, k.AnzahlTermine) != k.AnzahlTermine) return;
    endwertung_ = true;
    l1->setText(qs("Endwertung Klasse " + k.Klname));
    l2->setText(qs(format("Vorgegebene Mindestanzahl Ergebnisse: %d", k.Minerganzahl)));
    l1->show();
    l2->show();
    SortEErgMinAnzErg = std::clamp(k.Minerganzahl, 1, std::max(1, minCombo->count()));
    QSignalBlocker block(minCombo);
    minCombo->setCurrentIndex(minCombo->count() ? SortEErgMinAnzErg - 1 : -1);
    return;
  }
}

// ---------------------------------------------------------------------------------------
// For the output commands

SortierteAuswahl TZikoSortierteAusgabeDlg::auswahl() const {
  SortierteAuswahl a;
  a.Disznr = gEinstellungen.AktDisznr;
  a.Kampfindex = Kampfindex;
  a.MinRinge = SortEErgMinRinge;
  a.MinAnzahl = SortEErgMinAnzErg;
  a.Zehntelflag = Zehntelflag;
  a.Endwertung = endwertung_;
  auto klasse = [&](const QComboBox* c) {
    a.Mklnr = static_cast<int32_t>(comboKey(c, -1, 0));
    a.KlassenPos = std::max(0, c->currentIndex());
    if (a.Mklnr >= 1) a.Klname = fromQs(c->currentText());
  };
  auto verein = [&](const QComboBox* c) {
    a.Vrnr = static_cast<int32_t>(comboKey(c, -1, 0));
    if (a.Vrnr >= 1 || c->currentIndex() >= 0) a.VereinText = fromQs(c->currentText());
  };
  switch (seite()) {
    case 0:
      a.Anzeige = checkedIndex(RadioGroup1Items);
      break;
    case 1:
      a.Anzeige = checkedIndex(RadioGroupMschErgSortartItems);
      klasse(ComboBoxMklRingErg);
      break;
    case 2:
      a.Anzeige = checkedIndex(RadioGroup2Items);
      klasse(ComboBoxMklEErg);
      break;
    case 3:
      a.Anzeige = checkedIndex(RadioGroupKlergSortartItems);
      klasse(ComboBoxMklKlerg);
      break;
    case 4:
      verein(ComboBoxVrVereine);
      a.Filter = std::max(0, ComboBoxVrEa->currentIndex());
      a.NurMitErgebnis = RadioButtonVErgAktive->isChecked();
      a.Anzeige = a.NurMitErgebnis ? 1 : 0;
      break;
    case 5:
      verein(ComboBoxVereineMschfuehrer);
      break;
    default:
      break;
  }
  return a;
}

std::vector<ListenTabelle> TZikoSortierteAusgabeDlg::tabellen() const {
  switch (seite()) {
    case 0:
      return {mschTabelle_};
    case 1:
      return {mschErg_};
    case 2:
      return {eErg_};
    case 3:
      if (klErgChoice_ == 3) return {klErg_.Oben, klErg_.Mitte, klErg_.Unten};
      return {klErg_.Oben, klErg_.Unten};
    case 4:
      return {vErg_};
    case 5:
      return {mschFuehrer_};
    default:
      return {};
  }
}
