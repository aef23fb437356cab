#pragma once
// The clean-up as it was written first: one statement per row, each change written at
// once. Slow on a large district, but plain to check; the clean-up must give the same
// tables row for row.
#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "core/cleanup.h"
#include "core/db.h"
#include "platform/text.h"

namespace rowbyrow {
namespace detail {

// The numbers in the first column of a query. A pass reads the keys it checks against once
// instead of asking the database again for every row.
inline std::set<long> numbers(sqlite3* db, const std::string& sql, const db::Params& params = {}) {
  db::Table t = db::query(db, sql, params);
  std::set<long> out;
  for (size_t r = 0; r < t.size(); ++r) out.insert(t.num(r, 0));
  return out;
}

// Starts a pass: its line and the bar's range (at least 1, 0 would show a busy bar).
inline void pass(CleanupProgress& p, const std::string& line, size_t rows) {
  p.AddProgressLine(line);
  p.SetProgressRange(std::max<int>(1, static_cast<int>(rows)));
}

// A pass over rows: a row whose number in the first column is not among known is removed
// with remove, bound with the row's last column and then extra.
inline void dropRowsNotIn(sqlite3* db, CleanupProgress& p, const std::string& line, const db::Table& rows,
                   const std::set<long>& known, const std::string& remove,
                   const db::Params& extra = {}) {
  pass(p, line, rows.size());
  for (size_t r = 0; r < rows.size(); ++r) {
    if (!known.count(rows.num(r, 0))) {
      db::Params params{rows.num(r, rows.columns.size() - 1)};
      params.insert(params.end(), extra.begin(), extra.end());
      db::exec(db, remove, params);
    }
    p.SetProgressPosition(static_cast<int>(r + 1));
  }
}

inline void cleanDiscipline(sqlite3* db, CleanupProgress& p, const std::set<long>& clubs, long d) {
  const std::string dn = str(d + 1);

  dropRowsNotIn(db, p, "Disziplin " + dn + " wird bearbeitet..",
                db::query(db, "SELECT Vrnr FROM Msch_in_klassen  WHERE Disznr=?;", {d}), clubs,
                "DELETE FROM Msch_in_klassen WHERE Vrnr =? AND Disznr=?;", {d});

  db::Table classes = db::query(db, "SELECT Nr FROM Mschklassen WHERE Disznr=? ORDER BY Nr ASC;", {d});
  std::map<long, size_t> teams;
  db::Table entries = db::query(db, "SELECT Mklnr FROM Msch_in_klassen WHERE Disznr=?;", {d});
  for (size_t r = 0; r < entries.size(); ++r) ++teams[entries.num(r, 0)];
  pass(p, "Mannschaftsklassen Disziplin " + dn + " werden durchsucht...", classes.size());
  std::vector<long> empty;  // in Nr order
  for (size_t r = 0; r < classes.size(); ++r) {
    long nr = classes.num(r, 0);
    auto found = teams.find(nr);
    if (found != teams.end()) {
      size_t n = found->second;
      size_t m = n + (n % 2);
      db::exec(db, "UPDATE Mschklassen Set AnzahlTermine=? WHERE Nr=? AND Disznr=?;",
               {static_cast<long>(2 * (m - 1)), nr, d});
    } else {
      empty.push_back(nr);
    }
    p.SetProgressPosition(static_cast<int>(r + 1));
  }
  // Only trailing empty classes go, so the numbers of the others stay without a gap; an
  // empty class in the middle keeps its number but has no bouts.
  std::set<long> emptySet(empty.begin(), empty.end());
  for (size_t r = classes.size(); r-- > 0;) {
    long nr = classes.num(r, 0);
    if (!emptySet.count(nr)) break;
    db::exec(db, "DELETE FROM Mschklassen WHERE Nr=? AND Disznr=?;", {nr, d});
    db::exec(db, "DELETE FROM Termine WHERE Mklnr=? AND Disznr=?;", {nr, d});
    emptySet.erase(nr);
  }
  for (long nr : emptySet) {
    db::exec(db, "UPDATE Mschklassen Set AnzahlTermine=? WHERE Nr=? AND Disznr=?;", {0, nr, d});
    db::exec(db, "DELETE FROM Termine WHERE Mklnr=? AND Disznr=?;", {nr, d});
    db::exec(db, "DELETE FROM Gegner WHERE Mklnr=? AND Disznr=?;", {nr, d});
  }

  // Rows of the class-keyed tables whose class does not exist in the discipline.
  const std::set<long> kept = numbers(db, "SELECT Nr FROM Mschklassen WHERE Disznr=?;", {d});
  dropRowsNotIn(db, p, "Gegner Disziplin " + dn + " werden durchsucht...",
                db::query(db, "SELECT Mklnr FROM Gegner WHERE Disznr=?;", {d}), kept,
                "DELETE FROM Gegner WHERE Mklnr =? AND Disznr=?;", {d});
  dropRowsNotIn(db, p, "Termine Disziplin " + dn + " werden durchsucht...",
                db::query(db, "SELECT Mklnr FROM Termine WHERE Disznr=?;", {d}), kept,
                "DELETE FROM Termine WHERE Mklnr=? AND Disznr=?;", {d});
  dropRowsNotIn(db, p, "Mannschaftsergebnisse Disziplin " + dn + " werden durchsucht...",
                db::query(db, "SELECT Mklnr FROM Mscherg WHERE Disznr=?;", {d}), kept,
                "DELETE FROM Mscherg WHERE Mklnr=? AND Disznr=?;", {d});

  db::Table results = db::query(db, "SELECT Schnr, Ringerg, rowid FROM Schuetzenerg WHERE Disznr=?;", {d});
  const std::set<long> shooters = numbers(db, "SELECT Passnr FROM Schuetzen;");
  pass(p, "Einzelergebnisse Disziplin " + dn + " werden durchsucht...", results.size());
  for (size_t r = 0; r < results.size(); ++r) {
    long schnr = results.num(r, 0);
    long rings = results.num(r, 1);
    bool exists = shooters.count(schnr) > 0;
    if (exists && rings >= 1) {
      db::exec(db, "UPDATE Schuetzen SET AktivFlag=? WHERE Passnr=?;", {"1", schnr});
    } else if (!exists) {
      db::exec(db, "DELETE FROM Schuetzenerg WHERE Schnr=? AND Disznr=?;", {schnr, d});
    } else {
      // Only this row: his results of at least one ring in other rounds stay.
      db::exec(db, "DELETE FROM Schuetzenerg WHERE rowid=?;", {results.num(r, 2)});
      db::exec(db, "UPDATE Schuetzen SET AktivFlag=? WHERE Passnr=?;", {"0", schnr});
    }
    p.SetProgressPosition(static_cast<int>(r + 1));
  }
}

}  // namespace detail

inline void cleanup(sqlite3* db, CleanupProgress& p) {
  using namespace detail;
  db::Transaction t(db);
  db::exec(db, "DELETE FROM Mscherg WHERE Vrnr=?;", {0});

  // The clean-up removes no club, so one read of their numbers serves every pass.
  const std::set<long> clubs = numbers(db, "SELECT Nummer FROM Vereine_gau;");
  db::Table disciplines = db::query(db, "SELECT Nr FROM Disznamen ORDER BY Nr ASC;");
  for (size_t i = 0; i < disciplines.size(); ++i) cleanDiscipline(db, p, clubs, disciplines.num(i, 0));

  dropRowsNotIn(db, p, "Schützen werden durchsucht...", db::query(db, "SELECT Vrnr, Passnr FROM Schuetzen;"),
                clubs, "DELETE FROM Schuetzen WHERE Passnr=?;");
  dropRowsNotIn(db, p, "Zusatztexte werden durchsucht...", db::query(db, "SELECT Nummer FROM Vereine_zstext;"),
                clubs, "DELETE FROM Vereine_zstext WHERE Nummer =? ;");

  // A discipline without a name keeps its place; deleting it would shift every list.
  db::Table names = db::query(db, "SELECT Nr, Bezeichnung FROM Disznamen ORDER BY Nr ASC;");
  pass(p, "Disziplinbezeichnungen werden durchsucht...", names.size());
  for (size_t r = 0; r < names.size(); ++r) {
    if (names.text(r, 1).empty()) {
      long nr = names.num(r, 0);
      db::exec(db, "UPDATE Disznamen SET Bezeichnung=? WHERE Nr=?;", {"Disziplin " + str(nr + 1), nr});
    }
    p.SetProgressPosition(static_cast<int>(r + 1));
  }

  db::exec(db, "UPDATE Disznamen SET Kampfindex=?, Mklindex=?, Gegnerpaarindex=?, Vereinsindex=?", {"0", "0", "0", "0"});
  t.commit();
}

}  // namespace rowbyrow
