#include "output/ui/ZikoSortierteAusgabeDlg.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "core/db.h"
#include "core/globals.h"
#include "platform/listlook.h"
#include "platform/fieldfilter.h"
#include "platform/keydata.h"
#include "platform/text.h"
#include "platform/waitcursor.h"
#include "ranking/ranking.h"
#include "season/klassenfolge.h"

namespace {

constexpr const char* kAlleKlassen = "--Alle Klassen--";

// The minimum rings of an edit: its number, 350 when it holds none.
int32_t minRinge(const QLineEdit* edit) {
  const std::string text = fromQs(edit->text());
  if (text.empty() || text[0] < '0' || text[0] > '9') return 350;
  return toInt(text);
}

// A remembered position beyond the refilled list chooses the first entry.
int32_t selectPosition(QComboBox* c, int32_t position) {
  if (position < 0 || position >= c->count()) position = 0;
  c->setCurrentIndex(c->count() ? position : -1);
  return position;
}

// The rounds of a page: the class's own match days, or the most of any class for all.
int32_t roundsOf(int disz, long klasse) {
  const auto klassen = KlassenListe(disz);
  if (klasse < 1) return MaxAnzahlTermine(klassen);
  for (const KlassenEintrag& k : klassen)
    if (k.Nr == klasse) return k.AnzahlTermine;
  return 0;
}

void fillClasses(QComboBox* c, int disz, bool withAll) {
  QSignalBlocker block(c);
  c->clear();
  if (withAll) addComboItem(c, kAlleKlassen, 0);
  for (const KlasseKurz& k : KlassenDerDisziplin(gDbHaupt, disz)) addComboItem(c, k.name, k.nr);
}

}  // namespace

// ---------------------------------------------------------------------------------------
// The six views

void TZikoSortierteAusgabeDlg::ShowMschTabellen() {
  WaitCursor wait;
  const int disz = gEinstellungen.AktDisznr;
  fillRounds(ComboBoxSortart, MaxAnzahlTermine(KlassenListe(disz)));
  const bool sortiert = checkedIndex(RadioGroup1Items) == 1;
  ComboBoxSortart->setEnabled(sortiert);
  if (sortiert) {
    BerechneMannschaftstabellen(Kampfindex, disz);
    mschTabelle_ = MannschaftstabellenListe(disz, Zehntelflag);
  } else {
    mschTabelle_ = StarttabellenListe(disz);
  }
  showTable(ListViewMschTabelle, mschTabelle_);
  renewRoundTexts();
  ListViewMschTabelle->setFocus();
}

void TZikoSortierteAusgabeDlg::ComboBoxSortartChange() {
  Kampfindex = ComboBoxSortart->currentIndex();
  ShowMschTabellen();
}

void TZikoSortierteAusgabeDlg::ShowMschErgebnisse() {
  WaitCursor wait;
  const int disz = gEinstellungen.AktDisznr;
  const int choice = std::max(0, checkedIndex(RadioGroupMschErgSortartItems));
  LabelMklRingErg->setVisible(choice == 2);
  ComboBoxMklRingErg->setVisible(choice == 2);
  // The class list first: the line-ups take their rounds from the chosen class.
  fillClasses(ComboBoxMklRingErg, disz, false);
  KlassenIndex = selectPosition(ComboBoxMklRingErg, KlassenIndex);
  const long klasse = comboKey(ComboBoxMklRingErg, -1, 0);
  fillRounds(ComboBoxDurchgangnr, roundsOf(disz, choice == 2 ? klasse : 0));
  if (choice == 0) {
    mschErg_ = BegegnungenListe(disz, Kampfindex + 1, Zehntelflag);
  } else if (choice == 1) {
    BerechneMannschaftsringschnitte(Kampfindex, disz);
    mschErg_ = MannschaftsRingschnittListe();
  } else {
    mschErg_ = AufstellungenListe(disz, static_cast<int32_t>(klasse), Kampfindex + 1, Zehntelflag);
  }
  showTable(ListViewSAMschErg, mschErg_);
  renewRoundTexts();
  if (choice == 2)
    ComboBoxMklRingErg->setFocus();
  else
    ListViewSAMschErg->setFocus();
}

void TZikoSortierteAusgabeDlg::ComboBoxDurchgangnrChange() {
  Kampfindex = ComboBoxDurchgangnr->currentIndex();
  ShowMschErgebnisse();
}

void TZikoSortierteAusgabeDlg::ComboBoxMklRingErgChange() {
  KlassenIndex = ComboBoxMklRingErg->currentIndex();
  ShowMschErgebnisse();
}

void TZikoSortierteAusgabeDlg::ShowEinzelErgebnisse() {
  WaitCursor wait;
  const int disz = gEinstellungen.AktDisznr;
  const int choice = std::max(0, checkedIndex(RadioGroup2Items));
  fillClasses(ComboBoxMklEErg, disz, true);
  Mklindex = selectPosition(ComboBoxMklEErg, Mklindex);
  const long klasse = comboKey(ComboBoxMklEErg, -1, 0);
  const int32_t n = roundsOf(disz, klasse);
  fillRounds(ComboBoxDgnr, n);
  fillMinCount(ComboBoxMinErgAnz, n);
  LabelMinErgAnz->setEnabled(choice >= 1);
  ComboBoxMinErgAnz->setEnabled(choice >= 1);
  UpdateEndwertung();
  BerechneEinzelwertung(choice, static_cast<int32_t>(klasse), Kampfindex, SortEErgMinRinge,
                        SortEErgMinAnzErg, Zehntelflag, disz);
  Label6->setText(qs(choice == 0 ? "Mindest-Ringzahl" : "Mindest-Ringschnitt"));
  eErg_ =
      EinzelergebnisListe(choice, disz, static_cast<int32_t>(klasse), Kampfindex + 1, Zehntelflag);
  ListViewEErg->setVisible(true);
  showTable(ListViewEErg, eErg_);
  renewRoundTexts();
}

void TZikoSortierteAusgabeDlg::RadioGroup2Click() { ShowEinzelErgebnisse(); }

void TZikoSortierteAusgabeDlg::ComboBoxMklEErgChange() {
  Mklindex = ComboBoxMklEErg->currentIndex();
  ShowEinzelErgebnisse();
}

void TZikoSortierteAusgabeDlg::ComboBoxDgnrChang() {
  Kampfindex = ComboBoxDgnr->currentIndex();
  ShowEinzelErgebnisse();
}

void TZikoSortierteAusgabeDlg::ComboBoxMinErgAnzChange() {
  SortEErgMinAnzErg = ComboBoxMinErgAnz->currentIndex() + 1;
  ShowEinzelErgebnisse();
}

void TZikoSortierteAusgabeDlg::EditMinErgRingeExit() {
  SortEErgMinRinge = minRinge(EditMinErgRinge);
  EditMinErgRingeKl->setText(EditMinErgRinge->text());
  if (PageControl1->currentIndex() == 2) ShowEinzelErgebnisse();
}

void TZikoSortierteAusgabeDlg::SetKlassenErgColumns(int choice) {
  struct Lage {
    int obenH;
    QRect mitte;  // empty: hidden
    int untenTop, untenH;
  };
  // With three lists the pairings stand right, below the choices, where the page has room for
  // a round's pairings; the table and the individual results share the left half.
  static const Lage lagen[] = {{81, QRect(), 104, 275},
                               {111, QRect(), 134, 245},
                               {111, QRect(), 134, 245},
                               {146, QRect(450, 168, 357, 211), 168, 211}};
  const Lage& l = lagen[std::clamp(choice, 0, 3)];
  ListViewMergKlerg->setGeometry(4, 16, kKlergBreite, l.obenH);
  ListViewMergKlerg2->setVisible(!l.mitte.isEmpty());
  if (!l.mitte.isEmpty()) ListViewMergKlerg2->setGeometry(l.mitte);
  ListViewEErgKleerg->setGeometry(4, l.untenTop, kKlergBreite, l.untenH);
  GroupBoxEingrenzungKl->setVisible(choice == 1);
}

void TZikoSortierteAusgabeDlg::ShowKlassenErgebnisse() {
  WaitCursor wait;
  const int disz = gEinstellungen.AktDisznr;
  klErgChoice_ = std::max(0, checkedIndex(RadioGroupKlergSortartItems));
  fillClasses(ComboBoxMklKlerg, disz, false);
  KlassenIndex = selectPosition(ComboBoxMklKlerg, KlassenIndex);
  const long klasse = comboKey(ComboBoxMklKlerg, -1, 0);
  const int32_t n = klasse >= 1 ? roundsOf(disz, klasse) : 0;
  // The round all pages share stays: a class with fewer match days shows none chosen.
  fillRounds(ComboBoxDgnrKlerg, n, false);
  fillMinCount(ComboBoxMinErgAnzKl, n);
  SetKlassenErgColumns(klErgChoice_);
  UpdateEndwertung();
  klErg_ = klasse >= 1 ? KlassenergebnisListen(disz, static_cast<int32_t>(klasse), Kampfindex + 1,
                                               klErgChoice_, SortEErgMinRinge, SortEErgMinAnzErg,
                                               Zehntelflag)
                       : KlassenListen{};
  showTable(ListViewMergKlerg, klErg_.Oben);
  showTable(ListViewMergKlerg2, klErg_.Mitte);
  showTable(ListViewEErgKleerg, klErg_.Unten);
  renewRoundTexts();
}

void TZikoSortierteAusgabeDlg::ComboBoxMklKlergChange() {
  KlassenIndex = ComboBoxMklKlerg->currentIndex();
  ShowKlassenErgebnisse();
}

void TZikoSortierteAusgabeDlg::ComboBoxDgnrKlergChange() {
  Kampfindex = ComboBoxDgnrKlerg->currentIndex();
  ShowKlassenErgebnisse();
}

void TZikoSortierteAusgabeDlg::RadioGroupKlergSortartClick() { ShowKlassenErgebnisse(); }

void TZikoSortierteAusgabeDlg::ComboBoxMinErgAnzKlChange() {
  SortEErgMinAnzErg = ComboBoxMinErgAnzKl->currentIndex() + 1;
  ShowKlassenErgebnisse();
}

void TZikoSortierteAusgabeDlg::EditMinErgRingeKlExit() {
  if (PageControl1->currentIndex() != 3) return;
  SortEErgMinRinge = minRinge(EditMinErgRingeKl);
  EditMinErgRinge->setText(EditMinErgRingeKl->text());
  ShowKlassenErgebnisse();
}

void TZikoSortierteAusgabeDlg::ShowVereinsErgebnisse() {
  WaitCursor wait;
  const int filter = std::max(0, ComboBoxVrEa->currentIndex());
  RadioButtonVErgAlle->setVisible(filter == 0);
  RadioButtonVErgAktive->setVisible(filter == 0);
  Label11->setVisible(filter == 1);
  const long club = comboKey(ComboBoxVrVereine);
  vErg_ = club >= 0 ? VereinsergebnisListe(gEinstellungen.AktDisznr, static_cast<int32_t>(club),
                                           filter, RadioButtonVErgAktive->isChecked(), Zehntelflag)
                    : ListenTabelle{};
  showTable(ListViewVErg, vErg_);
}

void TZikoSortierteAusgabeDlg::ShowMschFuehrer() {
  WaitCursor wait;
  const long club = comboKey(ComboBoxVereineMschfuehrer, -1, 0);
  mschFuehrer_ = MannschaftsleiterListe(gEinstellungen.AktDisznr, static_cast<int32_t>(club), 0);
  showTable(ListViewMschFuehrer, mschFuehrer_);
}
