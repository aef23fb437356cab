#include "core/cleanup.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "core/schema.h"
#include "platform/text.h"

// Every table is read once, the passes decide on the rows in memory in the order the
// statements of a row-by-row clean-up would visit them, and each pass writes its changes
// in a few statements keyed by rowid. The first failed statement ends the clean-up and
// the transaction takes everything back.

namespace {

struct Failed {};

using Ids = std::vector<long long>;

// A table read once: its rows as texts, whether each row still exists, and for each
// discipline the indexes of its rows in the order the table gave them.
struct Rows {
  db::Table t;
  std::vector<bool> alive;
  std::map<long, std::vector<size_t>> byDiscipline;

  long num(size_t r, size_t c) const { return t.num(r, c); }
  long long rowid(size_t r) const { return static_cast<long long>(t.num(r, 0)); }
  const std::vector<size_t>& of(long d) const {
    static const std::vector<size_t> none;
    auto found = byDiscipline.find(d);
    return found == byDiscipline.end() ? none : found->second;
  }
};

std::string jsonList(const Ids& ids) {
  std::string s = "[";
  for (size_t i = 0; i < ids.size(); ++i) {
    if (i) s += ',';
    s += std::to_string(ids[i]);
  }
  return s + "]";
}

class Cleaner {
 public:
  Cleaner(sqlite3* db, CleanupProgress& p) : db_(db), p_(p) {}

  void run();

 private:
  db::Table read(const std::string& sql, const db::Params& params = {}) {
    db::Table t = db::query(db_, sql, params);
    if (!t.ok) throw Failed{};
    return t;
  }
  void exec(const std::string& sql, const db::Params& params = {}) {
    if (!db::exec(db_, sql, params)) throw Failed{};
  }
  // rowid in column 0; with byDiscipline, the discipline in column 1.
  Rows readRows(const std::string& sql, bool byDiscipline) {
    Rows rows{read(sql), {}, {}};
    rows.alive.assign(rows.t.size(), true);
    if (byDiscipline)
      for (size_t r = 0; r < rows.t.size(); ++r) rows.byDiscipline[rows.num(r, 1)].push_back(r);
    return rows;
  }
  void remove(const char* table, const Ids& ids) {
    if (!ids.empty())
      exec(std::string("DELETE FROM ") + table + " WHERE rowid IN (SELECT value FROM json_each(?));",
           {jsonList(ids)});
  }

  void pass(const std::string& line, size_t rows) {
    p_.AddProgressLine(line);
    p_.SetProgressRange(std::max<int>(1, static_cast<int>(rows)));
    passRows_ = rows;
    shown_ = -1;
  }
  // Each step would cost a round trip to the GUI thread; the bar moves by whole percents.
  void step(size_t done) {
    int percent = passRows_ ? static_cast<int>(done * 100 / passRows_) : 100;
    if (percent == shown_ && done != passRows_) return;
    shown_ = percent;
    p_.SetProgressPosition(static_cast<int>(done));
  }

  // Kills the rows of discipline d whose column c is not among known, in one statement.
  void dropNotIn(Rows& rows, const char* table, long d, size_t c, const std::set<long>& known,
                 const std::string& line);
  void cleanDiscipline(long d);

  sqlite3* db_;
  CleanupProgress& p_;
  size_t passRows_ = 0;
  int shown_ = -1;

  std::set<long> clubs_;
  std::set<long> shooters_;
  Rows teams_, classes_, pairings_, dates_, teamResults_, results_;
};

void Cleaner::dropNotIn(Rows& rows, const char* table, long d, size_t c,
                        const std::set<long>& known, const std::string& line) {
  std::vector<size_t> visit;
  for (size_t r : rows.of(d))
    if (rows.alive[r]) visit.push_back(r);
  pass(line, visit.size());
  Ids gone;
  for (size_t i = 0; i < visit.size(); ++i) {
    size_t r = visit[i];
    if (!known.count(rows.num(r, c))) {
      rows.alive[r] = false;
      gone.push_back(rows.rowid(r));
    }
    step(i + 1);
  }
  remove(table, gone);
}

void Cleaner::cleanDiscipline(long d) {
  const std::string dn = str(d + 1);
  dropNotIn(teams_, "Msch_in_klassen", d, 2, clubs_, "Disziplin " + dn + " wird bearbeitet..");

  // Classes in Nr order with their team counts.
  std::map<long, size_t> teamCount;
  for (size_t r : teams_.of(d))
    if (teams_.alive[r]) ++teamCount[teams_.num(r, 3)];
  std::vector<size_t> classRows;
  for (size_t r : classes_.of(d))
    if (classes_.alive[r]) classRows.push_back(r);
  std::stable_sort(classRows.begin(), classRows.end(),
                   [&](size_t a, size_t b) { return classes_.num(a, 2) < classes_.num(b, 2); });

  pass("Mannschaftsklassen Disziplin " + dn + " werden durchsucht...", classRows.size());
  std::map<long, long> bouts;  // class number -> AnzahlTermine
  std::vector<long> empty;
  for (size_t i = 0; i < classRows.size(); ++i) {
    long nr = classes_.num(classRows[i], 2);
    auto found = teamCount.find(nr);
    if (found != teamCount.end()) {
      size_t m = found->second + (found->second % 2);
      bouts[nr] = static_cast<long>(2 * (m - 1));
    } else {
      empty.push_back(nr);
    }
    step(i + 1);
  }
  // Only trailing empty classes go, so the numbers of the others stay without a gap; an
  // empty class in the middle keeps its number but has no bouts.
  std::set<long> emptySet(empty.begin(), empty.end());
  std::set<long> removedClasses;
  for (size_t i = classRows.size(); i-- > 0;) {
    long nr = classes_.num(classRows[i], 2);
    if (!emptySet.count(nr)) break;
    removedClasses.insert(nr);
    emptySet.erase(nr);
  }
  for (long nr : emptySet) bouts[nr] = 0;

  Ids goneClasses;
  std::map<long, Ids> byBouts;
  for (size_t r : classRows) {
    long nr = classes_.num(r, 2);
    if (removedClasses.count(nr)) {
      classes_.alive[r] = false;
      goneClasses.push_back(classes_.rowid(r));
    } else if (bouts.count(nr)) {
      byBouts[bouts[nr]].push_back(classes_.rowid(r));
    }
  }
  for (const auto& [value, ids] : byBouts)
    exec("UPDATE Mschklassen Set AnzahlTermine=? WHERE rowid IN (SELECT value FROM json_each(?));",
         {value, jsonList(ids)});
  remove("Mschklassen", goneClasses);

  // Dates of removed and of empty classes, pairings of empty classes.
  Ids goneDates, gonePairings;
  for (size_t r : dates_.of(d)) {
    long nr = dates_.num(r, 2);
    if (dates_.alive[r] && (removedClasses.count(nr) || emptySet.count(nr))) {
      dates_.alive[r] = false;
      goneDates.push_back(dates_.rowid(r));
    }
  }
  for (size_t r : pairings_.of(d)) {
    if (pairings_.alive[r] && emptySet.count(pairings_.num(r, 2))) {
      pairings_.alive[r] = false;
      gonePairings.push_back(pairings_.rowid(r));
    }
  }
  remove("Termine", goneDates);
  remove("Gegner", gonePairings);

  // Rows of the class-keyed tables whose class does not exist in the discipline.
  std::set<long> kept;
  for (size_t r : classes_.of(d))
    if (classes_.alive[r]) kept.insert(classes_.num(r, 2));
  dropNotIn(pairings_, "Gegner", d, 2, kept, "Gegner Disziplin " + dn + " werden durchsucht...");
  dropNotIn(dates_, "Termine", d, 2, kept, "Termine Disziplin " + dn + " werden durchsucht...");
  dropNotIn(teamResults_, "Mscherg", d, 2, kept,
            "Mannschaftsergebnisse Disziplin " + dn + " werden durchsucht...");

  // A shooter's flag is decided by the last of his rows visited.
  std::vector<size_t> visit;
  for (size_t r : results_.of(d))
    if (results_.alive[r]) visit.push_back(r);
  pass("Einzelergebnisse Disziplin " + dn + " werden durchsucht...", visit.size());
  std::unordered_map<long, bool> active;
  Ids goneResults;
  for (size_t i = 0; i < visit.size(); ++i) {
    size_t r = visit[i];
    long schnr = results_.num(r, 2);
    bool exists = shooters_.count(schnr) > 0;
    if (exists && results_.num(r, 3) >= 1) {
      active[schnr] = true;
    } else {
      // All results of an unknown shooter go; of a known one only this row, so his
      // results of at least one ring in other rounds stay.
      results_.alive[r] = false;
      goneResults.push_back(results_.rowid(r));
      if (exists) active[schnr] = false;
    }
    step(i + 1);
  }
  remove("Schuetzenerg", goneResults);
  Ids on, off;
  for (const auto& [schnr, flag] : active) (flag ? on : off).push_back(schnr);
  for (const auto& [flag, ids] : {std::pair{"1", &on}, std::pair{"0", &off}})
    if (!ids->empty())
      exec("UPDATE Schuetzen SET AktivFlag=? WHERE Passnr IN (SELECT value FROM json_each(?));",
           {flag, jsonList(*ids)});
}

void Cleaner::run() {
  exec("DELETE FROM Mscherg WHERE Vrnr=?;", {0});

  // The clean-up removes no club and no shooter before the last discipline is done.
  for (auto& row : read("SELECT Nummer FROM Vereine_gau;").rows) clubs_.insert(toLong(row[0]));
  for (auto& row : read("SELECT Passnr FROM Schuetzen;").rows) shooters_.insert(toLong(row[0]));
  // Only rows whose discipline is a number belong to a discipline's pass.
  const std::string whereNumbered = " WHERE typeof(Disznr)='integer';";
  teams_ = readRows("SELECT rowid, Disznr, Vrnr, Mklnr FROM Msch_in_klassen" + whereNumbered, true);
  classes_ = readRows("SELECT rowid, Disznr, Nr FROM Mschklassen" + whereNumbered, true);
  pairings_ = readRows("SELECT rowid, Disznr, Mklnr FROM Gegner" + whereNumbered, true);
  dates_ = readRows("SELECT rowid, Disznr, Mklnr FROM Termine" + whereNumbered, true);
  teamResults_ = readRows("SELECT rowid, Disznr, Mklnr FROM Mscherg" + whereNumbered, true);
  results_ = readRows("SELECT rowid, Disznr, Schnr, Ringerg FROM Schuetzenerg" + whereNumbered, true);

  db::Table disciplines = read("SELECT Nr FROM Disznamen ORDER BY Nr ASC;");
  for (size_t i = 0; i < disciplines.size(); ++i) cleanDiscipline(disciplines.num(i, 0));

  // A shooter whose club is gone goes with every row of his pass number.
  Rows shooters = readRows("SELECT rowid, VrNr, Passnr FROM Schuetzen;", false);
  pass("Schützen werden durchsucht...", shooters.t.size());
  std::set<long> gonePassnr;
  for (size_t r = 0; r < shooters.t.size(); ++r) {
    if (!clubs_.count(shooters.num(r, 1))) gonePassnr.insert(shooters.num(r, 2));
    step(r + 1);
  }
  Ids goneShooters;
  for (size_t r = 0; r < shooters.t.size(); ++r)
    if (gonePassnr.count(shooters.num(r, 2))) goneShooters.push_back(shooters.rowid(r));
  remove("Schuetzen", goneShooters);

  Rows texts = readRows("SELECT rowid, Nummer FROM Vereine_zstext;", false);
  pass("Zusatztexte werden durchsucht...", texts.t.size());
  Ids goneTexts;
  for (size_t r = 0; r < texts.t.size(); ++r) {
    if (!clubs_.count(texts.num(r, 1))) goneTexts.push_back(texts.rowid(r));
    step(r + 1);
  }
  remove("Vereine_zstext", goneTexts);

  // A discipline without a name keeps its place; deleting it would shift every list.
  db::Table names = read("SELECT Nr, Bezeichnung FROM Disznamen ORDER BY Nr ASC;");
  pass("Disziplinbezeichnungen werden durchsucht...", names.size());
  for (size_t r = 0; r < names.size(); ++r) {
    if (names.text(r, 1).empty()) {
      long nr = names.num(r, 0);
      exec("UPDATE Disznamen SET Bezeichnung=? WHERE Nr=?;", {defaultDisciplineName(nr), nr});
    }
    step(r + 1);
  }

  exec("UPDATE Disznamen SET Kampfindex=?, Mklindex=?, Gegnerpaarindex=?, Vereinsindex=?",
       {"0", "0", "0", "0"});
}

}  // namespace

bool RunDatabaseCleanup(sqlite3* db, CleanupProgress& p) {
  db::Transaction t(db);
  if (!t.active()) return false;
  try {
    Cleaner(db, p).run();
  } catch (const Failed&) {
    return false;  // the guard rolls back: nothing of the clean-up stays
  }
  return t.commit();
}

void ResetSettingsAfterCleanup() {
  gEinstellungen.AktDisznr = 0;
  gEinstellungen.VereinListIndex = 0;
  gEinstellungen.SchuetzenAktivFilter = 0;
}
