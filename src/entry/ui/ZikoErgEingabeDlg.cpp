#include "entry/ui/ZikoErgEingabeDlg.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "masterdata/ui/ZikoNeuerSchuetzeDlg.h"
#include "masterdata/ui/ZikoSchuetzenAnzeigenDlg.h"
#include "platform/elide.h"
#include "platform/fieldfilter.h"
#include "masterdata/ui/DisziplinAuswahl.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "platform/waitcursor.h"

namespace {

std::string text(const QLineEdit* e) { return fromQs(e->text()); }

}  // namespace

bool TZikoErgEingabeDlg::locate(const QObject* edit, bool& heim, int& row, int& column) const {
  const RowEdits* columns[2][3] = {{&EditSchnrHeim, &EditNameHeim, &EditRingeHeim},
                                   {&EditSchnrGast, &EditNameGast, &EditRingeGast}};
  for (int s = 0; s < 2; ++s)
    for (int c = 0; c < 3; ++c)
      for (int i = 0; i < Rows; ++i)
        if ((*columns[s][c])[i] == edit) {
          heim = s == 0;
          row = i;
          column = c;
          return true;
        }
  return false;
}

const eingabe::Gegnerzeile* TZikoErgEingabeDlg::chosenPaarung() const {
  if (Gegnerpaarindex < 0 || Gegnerpaarindex >= static_cast<int>(Paarungen.size())) return nullptr;
  return &Paarungen[static_cast<size_t>(Gegnerpaarindex)];
}

// ---------------------------------------------------------------------------------------
// Choices and loading

void TZikoErgEingabeDlg::FormShow() {
  QScopedValueRollback<bool> loading(loading_, true);
  LoadPositions(gEinstellungen.AktDisznr);
  FillDisziplinenCombo(ComboBoxDisz, gEinstellungen.AktDisznr);
  FillKlassenListe();
  LoadPaarung(Mklindex);
  // The remembered picker comes after the mask stands, so it opens beside and above it.
  if (gEinstellungen.SchuetzenAnzeigeOffen != 0)
    QMetaObject::invokeMethod(this, [this] { if (isVisible()) SchtzenanzeigenF51Click(); }, Qt::QueuedConnection);
}

void TZikoErgEingabeDlg::choose(int index, int previous, QWidget* control, void (TZikoErgEingabeDlg::*change)()) {
  if (index < 0 || index == previous) return;
  if (AskSaveChanges()) {
    (this->*change)();
    return;
  }
  // Cancelled (or the save failed): the previous choice stands, nothing else changes.
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    QSignalBlocker block(combo);
    combo->setCurrentIndex(previous);
  } else if (control == ListBoxPaarungen) {
    showChosenPairing();
    // A mouse press selects the clicked row only after this handler has returned: the
    // pairing the mask shows is highlighted again once the click is done.
    QMetaObject::invokeMethod(this, [this] { showChosenPairing(); }, Qt::QueuedConnection);
  }
}

void TZikoErgEingabeDlg::ComboBoxDiszChange() {
  db::Transaction t(gDbHaupt);
  StorePositions(gEinstellungen.AktDisznr);
  long disz = comboKey(ComboBoxDisz);
  if (disz >= 0) gEinstellungen.AktDisznr = static_cast<int8_t>(disz);
  LoadPositions(gEinstellungen.AktDisznr);
  FillKlassenListe();
  LoadPaarung(Mklindex);
  t.commit();
}

// A choice is stored the moment it is made, not only when the mask closes: a run that ends
// without closing its windows (the display gone, the process killed) keeps the round.
void TZikoErgEingabeDlg::ComboBoxKlasseChange() {
  db::Transaction t(gDbHaupt);
  Mklindex = ComboBoxKlasse->currentIndex();
  Gegnerpaarindex = 0;
  LoadPaarung(Mklindex);
  StorePositions(gEinstellungen.AktDisznr);
  t.commit();
}

void TZikoErgEingabeDlg::ComboBoxWettkampfnrChange() {
  db::Transaction t(gDbHaupt);
  Kampfindex = ComboBoxWettkampfnr->currentIndex();
  LoadPaarung(Mklindex);
  StorePositions(gEinstellungen.AktDisznr);
  t.commit();
}

void TZikoErgEingabeDlg::showChosenPairing() {
  QSignalBlocker block(ListBoxPaarungen);
  if (!chosenPaarung()) {
    ListBoxPaarungen->setCurrentRow(-1);
    return;
  }
  ListBoxPaarungen->setCurrentRow(Gegnerpaarindex);
  ListBoxPaarungen->scrollToItem(ListBoxPaarungen->item(Gegnerpaarindex));
}

void TZikoErgEingabeDlg::ListBoxPaarungenClick() {
  db::Transaction t(gDbHaupt);
  Gegnerpaarindex = ListBoxPaarungen->currentRow();
  LoadPaarung(Mklindex);
  StorePositions(gEinstellungen.AktDisznr);
  t.commit();
}

void TZikoErgEingabeDlg::FormClose() {
  StorePositions(gEinstellungen.AktDisznr);
  if (ZikoSchuetzenAnzeigenDlg) ZikoSchuetzenAnzeigenDlg->hide();
  if (ZikoNeuerSchuetzeDlg) ZikoNeuerSchuetzeDlg->hide();
}

void TZikoErgEingabeDlg::LoadPositions(int disz) {
  db::Table t = db::query(gDbHaupt,
                          "SELECT Kampfindex, Mklindex, Gegnerpaarindex, Vereinsindex, Zehntelflag FROM "
                          "Disznamen WHERE Nr=?;",
                          {disz});
  if (!t.empty()) {
    Kampfindex = t.integer(0, 0);
    Mklindex = t.integer(0, 1);
    Gegnerpaarindex = t.integer(0, 2);
    Vereinsindex = t.integer(0, 3);
    Zehntelflag = t.integer(0, 4);
  }
  ringLength_ = Zehntelflag >= 1 ? 5 : 3;
  sumLength_ = Zehntelflag >= 1 ? 6 : 4;
  for (bool heim : {true, false}) {
    Side sd = side(heim);
    for (QLineEdit* e : *sd.rings) e->setMaxLength(ringLength_);
    sd.sum->setMaxLength(sumLength_);
  }
}

void TZikoErgEingabeDlg::StorePositions(int disz) {
  db::exec(gDbHaupt,
           "UPDATE Disznamen SET Kampfindex=?, Mklindex=?, Gegnerpaarindex=?, Vereinsindex=? WHERE Nr=?; ",
           {Kampfindex, Mklindex, Gegnerpaarindex, Vereinsindex, disz});
}

void TZikoErgEingabeDlg::FillKlassenListe() {
  QSignalBlocker block(ComboBoxKlasse);
  ComboBoxKlasse->clear();
  db::Table t = db::query(gDbHaupt, "SELECT Nr, Klname FROM Mschklassen WHERE Disznr = ? ORDER BY Nr;",
                          {static_cast<int>(gEinstellungen.AktDisznr)});
  for (size_t r = 0; r < t.size(); ++r) addComboItem(ComboBoxKlasse, t.text(r, 1), t.num(r, 0));
  ComboBoxKlasse->setCurrentIndex(Mklindex < ComboBoxKlasse->count() ? Mklindex : -1);
}

void TZikoErgEingabeDlg::FillPairingList(int kampfindex) {
  const int disz = gEinstellungen.AktDisznr;
  EditWettkampfdatum->clear();
  db::Table termin = db::query(gDbHaupt, "SELECT Termin FROM Termine WHERE Mklnr= ? AND Nr_in_klasse=? AND Disznr=?;",
                               {Mklnr, kampfindex + 1, disz});
  setElidedText(EditWettkampfdatum, termin.empty() ? QString() : qs(termin.text(0, 0)));

  db::Table t = db::query(gDbHaupt,
                          "SELECT Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr FROM Gegner WHERE Mklnr=? AND "
                          "Kampfnr=? AND Disznr=?;",
                          {Mklnr, kampfindex + 1, disz});
  QSignalBlocker block(ListBoxPaarungen);
  Paarungen.clear();
  ListBoxPaarungen->clear();
  for (size_t r = 0; r < t.size(); ++r) {
    eingabe::Gegnerzeile p{disz, Mklnr, kampfindex + 1, t.num(r, 0), t.integer(r, 1), t.num(r, 2), t.integer(r, 3)};
    // A team without opponent in this round has club number 0 on the other side.
    if (p.Heimvrnr <= 0 || p.Gastvrnr <= 0) continue;
    std::string heim = MannschaftsName(p.Heimvrnr, p.Heimmschnr);
    std::string gast = MannschaftsName(p.Gastvrnr, p.Gastmschnr);
    if (heim.empty() || gast.empty()) continue;
    // Both teams' numbers stay in view; the clubs' names give up the room.
    const QString ganz = qs(heim + " - " + gast);
    QListWidgetItem* item = addListItem(ListBoxPaarungen, heim + " - " + gast, static_cast<long>(Paarungen.size()));
    item->setText(elidedPairing(ListBoxPaarungen->fontMetrics(), qs(heim), qs(gast), listTextRoom(ListBoxPaarungen)));
    if (item->text() != ganz) item->setToolTip(ganz);
    Paarungen.push_back(p);
  }
}

void TZikoErgEingabeDlg::LoadPaarung(int klassenindex) {
  QScopedValueRollback<bool> loading(loading_, true);
  Sortflag = 0;
  int rounds = 0;
  bool klasseFound = false;
  long key = klassenindex >= 0 && klassenindex < ComboBoxKlasse->count() ? comboKey(ComboBoxKlasse, klassenindex) : -1;
  if (key >= 0) {
    // By the class's number: two classes may carry the same name.
    db::Table t = db::query(gDbHaupt,
                            "SELECT Nr, AnzahlTermine, SchuetzenproMannschaftUnsort, SchuetzenproMannschaftSort, "
                            "Sortflag , MaxSchuetzenproMannschaft FROM Mschklassen  WHERE Nr = ? AND Disznr=?;",
                            {key, static_cast<int>(gEinstellungen.AktDisznr)});
    if (!t.empty()) {
      klasseFound = true;
      Mklnr = t.integer(0, 0);
      rounds = t.integer(0, 1);
      Sortflag = t.integer(0, 4);
      SchuetzenGewertet = eingabe::clampTeamSize(Sortflag > 0 ? t.integer(0, 3) : t.integer(0, 2));
      MaxSchuetzenproMannschaft = t.integer(0, 5);
    }
  }
  StaticText7->setText(qs("  Anzahl Schützen pro Mannschaft: " + str(SchuetzenGewertet) +
                          ",  Sortierung " + (Sortflag >= 1 ? "Aktiv" : "Aus")));
  {
    QSignalBlocker block(ComboBoxWettkampfnr);
    ComboBoxWettkampfnr->clear();
    for (int k = 1; k <= rounds; ++k) addComboItem(ComboBoxWettkampfnr, str(k), k);
    ComboBoxWettkampfnr->setCurrentIndex(Kampfindex < rounds ? Kampfindex : -1);
  }
  if (klasseFound) {
    FillPairingList(Kampfindex);
  } else {
    QSignalBlocker block(ListBoxPaarungen);
    Paarungen.clear();
    ListBoxPaarungen->clear();
    EditWettkampfdatum->clear();
  }
  showChosenPairing();
  LayoutRows(SchuetzenGewertet);
  if (!LoadSchuetzenErg(Kampfindex)) LoadMschAufstellung(Kampfindex);
  LoadTeamResults();
  // Without a pairing there is nothing to type into.
  enableRows(chosenPaarung() != nullptr);
  Geaendert = 0;
}

// The round is the chosen pairing's.
void TZikoErgEingabeDlg::LoadTeamResults() {
  const eingabe::Gegnerzeile* p = chosenPaarung();
  EditMschSummeHeim->clear();
  EditMschSummeGast->clear();
  if (!p) {
    LabelHeimmannschaft->clear();
    LabelGastmannschaft->clear();
    for (int w : {0, 1, 4, 5}) gIntdat.SchuetzenWahl[w] = 0;
    return;
  }
  setElidedTeamName(LabelHeimmannschaft, qs(MannschaftsName(p->Heimvrnr, p->Heimmschnr)), qs(" "));
  setElidedTeamName(LabelGastmannschaft, qs(MannschaftsName(p->Gastvrnr, p->Gastmschnr)), qs(" "));
  gIntdat.SchuetzenWahl[0] = static_cast<int32_t>(p->Heimvrnr);
  gIntdat.SchuetzenWahl[1] = static_cast<int32_t>(p->Gastvrnr);
  gIntdat.SchuetzenWahl[4] = p->Heimmschnr;
  gIntdat.SchuetzenWahl[5] = p->Gastmschnr;
  if (ZikoSchuetzenAnzeigenDlg && ZikoSchuetzenAnzeigenDlg->isVisible()) fillPicker(p->Heimvrnr);

  for (bool heim : {true, false}) {
    db::Table t = db::query(gDbHaupt,
                            "SELECT Ringerg FROM Mscherg WHERE Mklnr=? AND Vrnr=? AND Rmschnr=? AND Disznr=? AND "
                            "Ergnr=? ;",
                            {p->Mklnr, heim ? p->Heimvrnr : p->Gastvrnr, heim ? p->Heimmschnr : p->Gastmschnr,
                             p->Disznr, p->Kampfnr});
    if (!t.empty()) setRingText(side(heim).sum, t.num(0, 0));
  }
  focusFirstRow();
}

bool TZikoErgEingabeDlg::LoadSchuetzenErg(int kampfindex) {
  clearRows();
  const eingabe::Gegnerzeile* p = chosenPaarung();
  if (!p) return false;
  bool shown = false;
  bool overflow = false;
  for (bool heim : {true, false}) {
    std::vector<eingabe::StoredResult> results;
    size_t counted = 0;
    for (int flag : {1, 0}) {
      db::Table t = db::query(gDbHaupt,
                              "SELECT DISTINCT Schnr, Mschflag, Ringerg FROM Schuetzenerg WHERE Disznr=? AND "
                              "Ergnr=? AND Mschklnr=? AND Vrnr=? AND Mschnr=? AND Mschflag=? ORDER BY Ringerg DESC;",
                              {p->Disznr, kampfindex + 1, p->Mklnr, heim ? p->Heimvrnr : p->Gastvrnr,
                               heim ? p->Heimmschnr : p->Gastmschnr, flag});
      for (size_t r = 0; r < t.size(); ++r) results.push_back({t.num(r, 0), t.integer(r, 1), t.num(r, 2)});
      if (flag == 1) counted = results.size();
    }
    eingabe::Placement place = eingabe::placeResults(counted, results.size() - counted, SchuetzenGewertet);
    overflow = overflow || place.overflow;
    Side sd = side(heim);
    for (int row = 0; row < Rows; ++row) {
      if (place.result[row] < 0) continue;
      const eingabe::StoredResult& res = results[static_cast<size_t>(place.result[row])];
      showShooter(heim, row, res.schnr, res.mschflag > 0);
      setRingText((*sd.rings)[row], res.ringerg);
      shown = true;
    }
  }
  if (overflow)
    msg::show("Nicht alle gespeicherten Ergebnisse dieser Paarung passen in die 15 Zeilen;\n\r"
              "die übrigen werden nicht angezeigt.",
              "Warnung", msg::Ok, msg::Warning);
  return shown;
}

int TZikoErgEingabeDlg::LoadMschAufstellung(int kampfindex) {
  EditMschSummeHeim->clear();
  EditMschSummeGast->clear();
  const eingabe::Gegnerzeile* p = chosenPaarung();
  if (!p) return 0;
  int shown = 0;
  for (bool heim : {true, false}) {
    db::Table t = db::query(gDbHaupt,
                            "SELECT DISTINCT Schnr, Posnr FROM Mschaufstlg WHERE Disznr=? AND Mklnr=? AND Vrnr=? AND "
                            "Mschnr=? AND Kampfnr=? ORDER BY Posnr;",
                            {p->Disznr, p->Mklnr, heim ? p->Heimvrnr : p->Gastvrnr,
                             heim ? p->Heimmschnr : p->Gastmschnr, kampfindex + 1});
    // Each shooter in the row of his position, so that a substitute does not move up into
    // the counted rows and a save keeps the positions as they are.
    std::vector<eingabe::LineupEntry> entries;
    for (size_t r = 0; r < t.size(); ++r) entries.push_back({t.num(r, 0), t.integer(r, 1)});
    std::array<long, Rows> rows = eingabe::placeLineup(entries);
    for (int row = 0; row < Rows; ++row) {
      if (rows[row] == 0) continue;
      showShooter(heim, row, rows[row], true);
      ++shown;
    }
  }
  return shown;
}

void TZikoErgEingabeDlg::clearRows() {
  for (bool heim : {true, false}) {
    Side sd = side(heim);
    for (int i = 0; i < Rows; ++i) {
      (*sd.pass)[i]->clear();
      (*sd.name)[i]->clear();
      (*sd.rings)[i]->clear();
      (*sd.rings)[i]->setMaxLength(ringLength_);
      (*sd.checks)[i]->setChecked(false);
    }
    sd.sum->clear();
    sd.sum->setMaxLength(sumLength_);
  }
  checkedHeim_.fill(0);
  checkedGast_.fill(0);
}

void TZikoErgEingabeDlg::enableRows(bool enable) {
  for (bool heim : {true, false}) {
    Side sd = side(heim);
    for (int i = 0; i < Rows; ++i)
      for (QLineEdit* e : {(*sd.pass)[i], (*sd.name)[i], (*sd.rings)[i]}) e->setEnabled(enable);
    sd.sum->setEnabled(enable);
    sd.button->setEnabled(enable);
  }
}

void TZikoErgEingabeDlg::SchtzenanzeigenF51Click() {
  if (!ZikoSchuetzenAnzeigenDlg) return;
  ZikoSchuetzenAnzeigenDlg->ShowBeside(this);
  // The picker opens with the home club; it must list the club of the side being typed in.
  PickerVrnrHeim = 0;
  PickerVrnrGast = 0;
  bool heim = true;
  int row = 0, column = 0;
  if (AktivesEdit && locate(AktivesEdit, heim, row, column)) heim ? RowEnterHeim(AktivesEdit) : RowEnterGast(AktivesEdit);
}

void TZikoErgEingabeDlg::NeuerSchtzeF61Click() {
  gIntdat.NeuerSchuetzeAufrufer = 0;
  if (ZikoNeuerSchuetzeDlg) ZikoNeuerSchuetzeDlg->ShowBeside(this);
}

bool TZikoErgEingabeDlg::AskSaveChanges() {
  if (!Geaendert) return true;
  int answer = msg::show("Es wurden Daten verändert, die nicht gespeichert sind.\n Jetzt speichern?", "Meldung:",
                         msg::YesNoCancel, msg::Information);
  if (answer == msg::IdYes) return SavePaarung();
  if (answer == msg::IdNo) {
    Geaendert = 0;
    return true;
  }
  return false;
}

bool TZikoErgEingabeDlg::canClose() {
  if (!AskSaveChanges()) return false;
  gEinstellungen.SchuetzenAnzeigeOffen =
      ZikoSchuetzenAnzeigenDlg && ZikoSchuetzenAnzeigenDlg->isVisible() ? 1 : 0;
  return true;
}

void TZikoErgEingabeDlg::SortRowsByRings() {
  // Both sides over the same rows, and never fewer than the counted ones.
  int limit = std::clamp(MaxSchuetzenproMannschaft, SchuetzenGewertet, static_cast<int>(Rows));
  for (bool heim : {true, false}) {
    auto rows = rowTexts(heim);
    eingabe::sortRowsByRings(rows, limit);
    setRowTexts(heim, rows);
  }
}

eingabe::SideEntry TZikoErgEingabeDlg::sideEntry(bool heim, long vrnr, int mschnr) {
  Side sd = side(heim);
  eingabe::SideEntry e;
  e.vrnr = vrnr;
  e.mschnr = mschnr;
  for (int i = 0; i < Rows; ++i) {
    e.passnr[i] = eingabe::passNumber(text((*sd.pass)[i]));
    e.ringe[i] = eingabe::ringTenths(text((*sd.rings)[i]));
  }
  e.summe = eingabe::ringTenths(text(sd.sum));
  return e;
}

bool TZikoErgEingabeDlg::SavePaarung() {
  const eingabe::Gegnerzeile* p = chosenPaarung();
  if (!p) {
    msg::show("Es ist keine Paarung gewählt; es wird nichts gespeichert.", "Meldung", msg::Ok, msg::Information);
    return false;
  }
  // The field typed in just before F2 is left now: a pass number is checked, the rings
  // of a counted row complete the team sum.
  if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
    if (!PassnrEditExit(edit)) return false;
    bool heim = true;
    int row = 0, column = 0;
    if (locate(edit, heim, row, column)) heim ? RowExitHeim(edit) : RowExitGast(edit);
  }
  // A number whose field lost the focus to another window was never checked; an unknown
  // or doubled number must not reach the line-up.
  for (bool heim : {true, false})
    for (QLineEdit* pass : *side(heim).pass)
      if (!PassnrEditExit(pass)) return false;
  WaitCursor wait;
  if (Sortflag > 0) {
    SortRowsByRings();
    // Sums follow the sorted rows; a sum typed for a side without rows stays.
    for (bool heim : {true, false})
      if (eingabe::anyCountedHasRings(rowTexts(heim), SchuetzenGewertet)) ComputeMschSumme(heim);
  }
  {
    QScopedValueRollback<bool> loading(loading_, true);
    focusFirstRow();
  }
  eingabe::SaveResult result =
      eingabe::saveMatch(gDbHaupt, *p, SchuetzenGewertet, sideEntry(true, p->Heimvrnr, p->Heimmschnr),
                         sideEntry(false, p->Gastvrnr, p->Gastmschnr));
  wait.restore();
  if (!result.ok) return false;  // rolled back; what was typed stays, still marked as changed
  Geaendert = 0;
  if (!result.skipped.empty()) {
    std::string lines;
    for (const eingabe::SkippedRow& s : result.skipped)
      lines += std::string("\n\r") + (s.heim ? "Heim" : "Gast") + " Zeile " + str(s.row + 1) + " (Nr. " +
               str(s.passnr) + ")";
    msg::show("Diese Ergebnisse wurden nicht gespeichert, der Schütze gehört nicht zum Verein der Mannschaft:" +
                  lines,
              "Warnung", msg::Ok, msg::Warning);
  }
  return true;
}
