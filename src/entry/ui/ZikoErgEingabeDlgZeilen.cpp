#include "entry/ui/ZikoErgEingabeDlg.h"

// The rows of the entry mask: shooters shown and taken in, keys and typing in the pass
// number, ring and sum fields, and the sums of the sides.
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
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "platform/waitcursor.h"

namespace {

std::string text(const QLineEdit* e) { return fromQs(e->text()); }

}  // namespace

void TZikoErgEingabeDlg::setRingText(QLineEdit* edit, long tenths) {
  std::string t = eingabe::ringText(tenths, Zehntelflag >= 1);
  int base = edit == EditMschSummeHeim || edit == EditMschSummeGast ? sumLength_ : ringLength_;
  // A stored tenth must fit even where the discipline types whole rings only.
  edit->setMaxLength(std::max(base, static_cast<int>(t.size())));
  edit->setText(qs(t));
}

void TZikoErgEingabeDlg::showShooter(bool heim, int row, long passnr, bool checked) {
  Side sd = side(heim);
  (*sd.pass)[row]->setText(qs(str(passnr)));
  (heim ? checkedHeim_ : checkedGast_)[row] = passnr;
  db::Table t = db::query(gDbHaupt, "SELECT Name FROM Schuetzen WHERE Passnr=?;", {passnr});
  if (t.empty()) return;
  (*sd.name)[row]->setText(qs(t.text(0, 0)));
  (*sd.checks)[row]->setChecked(checked);
}

void TZikoErgEingabeDlg::focusFirstRow() {
  if (EditSchnrHeim[0]->text().isEmpty())
    EditSchnrHeim[0]->setFocus();
  else
    EditRingeHeim[0]->setFocus();
}

void TZikoErgEingabeDlg::fillPicker(long vrnr) {
  if (ZikoSchuetzenAnzeigenDlg) ZikoSchuetzenAnzeigenDlg->FillSchuetzenListe(vrnr);
}

// ---------------------------------------------------------------------------------------
// Rows

void TZikoErgEingabeDlg::rowEnter(bool heim, QLineEdit* edit) {
  AktivesEdit = edit;
  const long club = gIntdat.SchuetzenWahl[heim ? 0 : 1];
  long& listed = heim ? PickerVrnrHeim : PickerVrnrGast;
  if (club != listed) {
    fillPicker(club);
    listed = club;
    gIntdat.SchuetzenWahl[3] = static_cast<int32_t>(club);
  }
  (heim ? PickerVrnrGast : PickerVrnrHeim) = 0;
}

bool TZikoErgEingabeDlg::inAnotherRow(const QLineEdit* edit, long passnr) {
  for (bool heim : {true, false})
    for (QLineEdit* other : *side(heim).pass)
      if (other != edit && eingabe::passNumber(text(other)) == passnr) return true;
  return false;
}

bool TZikoErgEingabeDlg::inLineup(long passnr) {
  const eingabe::Gegnerzeile* p = chosenPaarung();
  if (!p) return false;
  return !db::query(gDbHaupt, "SELECT * FROM Mschaufstlg WHERE Mklnr=? AND Disznr=? AND Schnr=? ;",
                    {p->Mklnr, p->Disznr, passnr})
              .empty();
}

void TZikoErgEingabeDlg::warnIfOtherClub(bool heim, long passnr, long vrnr) {
  const eingabe::Gegnerzeile* p = chosenPaarung();
  if (!p || vrnr == (heim ? p->Heimvrnr : p->Gastvrnr)) return;
  msg::show("Schütze mit Nr. " + str(passnr) + " gehört nicht zum Verein dieser Mannschaft.\n\r"
            "Sein Ergebnis wird nicht gespeichert.",
            "Warnung", msg::Ok, msg::Warning);
}

// A result in this round elsewhere is only mentioned; the ring field takes only the stored
// result of this very match.
void TZikoErgEingabeDlg::mentionResultElsewhere(long passnr, const std::string& name,
                                                const eingabe::Gegnerzeile& p) {
  db::Table other = db::query(gDbHaupt,
                              "SELECT Ringerg, Mschklnr FROM Schuetzenerg WHERE Schnr=? AND Disznr=? AND Ergnr=? ;",
                              {passnr, p.Disznr, p.Kampfnr});
  if (!other.empty() && other.num(0, 0) > 0) {
    db::Table klasse = db::query(gDbHaupt, "SELECT Klname FROM Mschklassen WHERE Nr=? AND Disznr=?;",
                                 {other.num(0, 1), p.Disznr});
    if (!klasse.empty())
      msg::show(str(passnr) + " " + name + " \nhat in Durchgang Nr. " + str(p.Kampfnr) +
                    " \nin Klasse " + klasse.text(0, 0) + " \nbereits ein Ergebnis (" +
                    eingabe::ringText(other.num(0, 0), Zehntelflag >= 1) + " Ringe)",
                "Info", msg::Ok, msg::Information);
  }
}

bool TZikoErgEingabeDlg::PassnrEditExit(QLineEdit* edit) {
  bool heim = true;
  int row = 0, column = 0;
  if (!locate(edit, heim, row, column) || column != 0) return true;
  const eingabe::Gegnerzeile* p = chosenPaarung();
  if (!p) return true;
  QScopedValueRollback<bool> inExit(inExit_, true);
  const int geaendertBefore = geaendertBeforePass_;  // the message box moves the focus
  std::string typed = text(edit);
  long& checked = (heim ? checkedHeim_ : checkedGast_)[row];
  if (typed.empty()) {
    checked = 0;
    return true;
  }
  long passnr = eingabe::passNumber(typed);
  Side sd = side(heim);
  // The row's shooter typed back after a refused number pushed him out: shown again, unless
  // another row took him meanwhile.
  const bool typedBack = passnr == checked && (*sd.name)[row]->text().isEmpty();
  if (passnr == checked && !(typedBack && inAnotherRow(edit, passnr))) {
    if (typedBack) showShooter(heim, row, passnr, inLineup(passnr));
    // Nothing new to check; but Enter took the focus on to the name, which takes no typing:
    // the rings come next, as after any other number.
    if (QApplication::focusWidget() == (*sd.name)[row]) (*sd.rings)[row]->setFocus();
    return true;
  }

  if (passnr > 0 && inAnotherRow(edit, passnr)) {
    msg::show("Passnr. " + typed + " bereits vorhanden!", "Info", msg::Ok, msg::Information);
    edit->setFocus();
    return false;
  }

  db::Table name = db::query(gDbHaupt, "SELECT Name, VrNr FROM Schuetzen WHERE Passnr=?;", {passnr});
  if (name.empty()) {
    msg::show("Schütze mit Nr. " + typed + "\n\rnicht vorhanden !", "Meldung", msg::Ok, msg::Error);
    edit->setFocus();
    edit->clear();
    (*sd.name)[row]->clear();
    (*sd.checks)[row]->setChecked(false);
    // A refused number changes nothing, unless it pushed out the row's shooter. He stays the
    // row's checked number, so that typed back he is no change either.
    if (checked == 0) Geaendert = geaendertBefore;
    return false;
  }
  checked = passnr;
  bool lineup = inLineup(passnr);

  mentionResultElsewhere(passnr, name.text(0, 0), *p);
  db::Table own = db::query(gDbHaupt,
                            "SELECT Ringerg FROM Schuetzenerg WHERE Schnr=? AND Disznr=? AND Ergnr=? AND Mschklnr=? "
                            "AND Vrnr=? AND Mschnr=? ORDER BY rowid;",
                            {passnr, p->Disznr, p->Kampfnr, p->Mklnr, heim ? p->Heimvrnr : p->Gastvrnr,
                             heim ? p->Heimmschnr : p->Gastmschnr});
  warnIfOtherClub(heim, passnr, name.num(0, 1));

  (*sd.name)[row]->setText(qs(name.text(0, 0)));
  (*sd.checks)[row]->setChecked(lineup);
  if (own.empty())
    (*sd.rings)[row]->clear();
  else
    setRingText((*sd.rings)[row], own.num(0, 0));
  (*sd.rings)[row]->setFocus();
  return true;
}

void TZikoErgEingabeDlg::rowExit(bool heim, QLineEdit* edit) {
  bool editHeim = true;
  int row = 0, column = 0;
  if (locate(edit, editHeim, row, column) && column == 2 && row < SchuetzenGewertet) updateMschSumme(heim);
}

void TZikoErgEingabeDlg::TakeShooterIntoEntry(long passnr) {
  bool heim = true;
  int row = 0, column = 0;
  if (!AktivesEdit || !locate(AktivesEdit, heim, row, column) || !chosenPaarung()) return;
  Side sd = side(heim);
  QLineEdit* pass = (*sd.pass)[row];
  if (inAnotherRow(pass, passnr)) {
    msg::show("Passnr. " + str(passnr) + " bereits vorhanden!", "Info", msg::Ok, msg::Information);
    return;
  }
  // A shooter already in the row is replaced, rings and all, only when the user says so.
  const std::string before = text(pass), ringsBefore = text((*sd.rings)[row]);
  if (eingabe::passNumber(before) == passnr) {  // he is there already: nothing to change
    activateWindow();
    (*sd.rings)[row]->setFocus();
    return;
  }
  const bool replacing = !before.empty() || !ringsBefore.empty();
  if (replacing) {
    std::string shown = before.empty() ? std::string("ein Ergebnis") : "Schütze " + before + " " + text((*sd.name)[row]);
    if (!ringsBefore.empty()) shown += " (" + ringsBefore + " Ringe)";
    if (msg::show("In dieser Zeile steht " + shown + ".\nDurch Schütze " + str(passnr) + " ersetzen?",
                  "Schütze ersetzen", msg::YesNo, msg::Question) != msg::IdYes)
      return;
  }
  pass->setText(qs(str(passnr)));
  (heim ? checkedHeim_ : checkedGast_)[row] = passnr;
  (*sd.name)[row]->clear();
  (*sd.checks)[row]->setChecked(false);
  db::Table t = db::query(gDbHaupt, "SELECT Name, VrNr FROM Schuetzen WHERE Passnr=?;", {passnr});
  if (!t.empty()) {
    (*sd.name)[row]->setText(qs(t.text(0, 0)));
    (*sd.checks)[row]->setChecked(inLineup(passnr));
  }
  (*sd.rings)[row]->clear();
  // The old rings left the row; a sum that still counted them would be wrong.
  if (replacing && row < SchuetzenGewertet) ComputeMschSumme(heim);
  // The keyboard goes back to the mask, so the rings typed next land in this row.
  activateWindow();
  (*sd.rings)[row]->setFocus();
  Geaendert = 1;
  if (!t.empty()) warnIfOtherClub(heim, passnr, t.num(0, 1));
}

// ---------------------------------------------------------------------------------------
// Keys

bool TZikoErgEingabeDlg::previewKey(int key, Qt::KeyboardModifiers modifiers) {
  if ((key == Qt::Key_Up || key == Qt::Key_Down) && !(modifiers & (Qt::ControlModifier | Qt::AltModifier))) {
    bool heim = true;
    int row = 0, column = 0;
    if (locate(QApplication::focusWidget(), heim, row, column)) {
      int to = row + (key == Qt::Key_Up ? -1 : 1);
      if (to >= 0 && to < Rows) {
        Side sd = side(heim);
        const RowEdits* col = column == 0 ? sd.pass : column == 1 ? sd.name : sd.rings;
        (*col)[to]->setFocus(Qt::OtherFocusReason);
      }
      return true;
    }
  }
  return ZDialog::previewKey(key, modifiers);
}

bool TZikoErgEingabeDlg::ringKey(QLineEdit* edit, QKeyEvent* key) {
  Geaendert = 1;
  if (key->key() == Qt::Key_Backspace) return false;
  const QChar c = key->text().at(0);
  if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return false;
  if (Zehntelflag >= 1 && (c == QLatin1Char('.') || c == QLatin1Char(','))) {
    if (edit->text().contains(QLatin1Char('.'))) return true;
    if (c == QLatin1Char(',')) {
      edit->insert(QStringLiteral("."));
      return true;
    }
    return false;
  }
  return true;
}

bool TZikoErgEingabeDlg::keyOfRow(QLineEdit* edit, QKeyEvent* key) {
  const QString t = key->text();
  const bool backspace = key->key() == Qt::Key_Backspace;
  const bool character = !t.isEmpty() && t.at(0).unicode() >= 0x20 && t.at(0).unicode() != 0x7f;
  if (!character && !backspace) return false;  // cursor keys, Delete, shortcuts
  if (edit == EditMschSummeHeim || edit == EditMschSummeGast) return ringKey(edit, key);
  bool heim = true;
  int row = 0, column = 0;
  if (!locate(edit, heim, row, column)) return false;
  switch (column) {
    case 0:
      return !(backspace || (t.at(0) >= QLatin1Char('0') && t.at(0) <= QLatin1Char('9')));
    case 1:
      if (backspace) edit->clear();
      return true;
    default:
      return ringKey(edit, key);
  }
}

bool TZikoErgEingabeDlg::passClean(QLineEdit* pass) {
  bool heim = true;
  int row = 0, column = 0;
  if (!locate(pass, heim, row, column) || column != 0) return true;
  return eingabe::passNumber(text(pass)) == (heim ? checkedHeim_ : checkedGast_)[row];
}

void TZikoErgEingabeDlg::passEdited(QLineEdit* pass) { Geaendert = passClean(pass) ? geaendertBeforePass_ : 1; }

bool TZikoErgEingabeDlg::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit) return ZDialog::eventFilter(watched, event);
  bool heim = true;
  int row = 0, column = 0;
  switch (event->type()) {
    case QEvent::KeyPress:
      return keyOfRow(edit, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
      if (locate(edit, heim, row, column)) {
        // Not again when the focus comes back to a number still being typed (after a message).
        if (column == 0 && passClean(edit)) geaendertBeforePass_ = Geaendert;
        heim ? RowEnterHeim(edit) : RowEnterGast(edit);
      }
      break;
    case QEvent::FocusOut: {
      Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      // Another window (a message box, the picker) taking the focus is no leaving of the row.
      if (loading_ || inExit_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
      if (!locate(edit, heim, row, column)) break;
      if (column == 0)
        // After the edit has finished its own focus handling, so the focus can be put back.
        QMetaObject::invokeMethod(this, [this, edit] { PassnrEditExit(edit); }, Qt::QueuedConnection);
      else
        heim ? RowExitHeim(edit) : RowExitGast(edit);
      break;
    }
    default:
      break;
  }
  return ZDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------
// Sums, the question about changes, saving

std::array<eingabe::RowTexts, TZikoErgEingabeDlg::Rows> TZikoErgEingabeDlg::rowTexts(bool heim) {
  Side sd = side(heim);
  std::array<eingabe::RowTexts, Rows> rows;
  for (int i = 0; i < Rows; ++i) rows[i] = {text((*sd.pass)[i]), text((*sd.name)[i]), text((*sd.rings)[i])};
  return rows;
}

void TZikoErgEingabeDlg::setRowTexts(bool heim, const std::array<eingabe::RowTexts, Rows>& rows) {
  Side sd = side(heim);
  for (int i = 0; i < Rows; ++i) {
    (*sd.pass)[i]->setText(qs(rows[i].pass));
    (*sd.name)[i]->setText(qs(rows[i].name));
    QLineEdit* rings = (*sd.rings)[i];
    rings->setMaxLength(std::max(ringLength_, static_cast<int>(rows[i].rings.size())));
    rings->setText(qs(rows[i].rings));
    (heim ? checkedHeim_ : checkedGast_)[i] = eingabe::passNumber(rows[i].pass);
  }
}

void TZikoErgEingabeDlg::ComputeMschSumme(bool heim) {
  setRingText(side(heim).sum, eingabe::countedSum(rowTexts(heim), SchuetzenGewertet));
}

void TZikoErgEingabeDlg::updateMschSumme(bool heim) {
  if (eingabe::allCountedHaveRings(rowTexts(heim), SchuetzenGewertet)) ComputeMschSumme(heim);
}

void TZikoErgEingabeDlg::mergClick(bool heim) {
  ComputeMschSumme(heim);
  QLineEdit* sum = side(heim).sum;
  if (eingabe::ringTenths(text(sum)) > 0) Geaendert = 1;
  sum->setFocus();
}
