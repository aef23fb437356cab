#include "core/cleanup.h"

#include <algorithm>
#include <set>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "platform/text.h"

namespace {

bool clubExists(sqlite3* db, long nummer) {
  return !db::query(db, "SELECT Nummer FROM Vereine_gau WHERE Nummer=?;", {nummer}).empty();
}

bool classExists(sqlite3* db, long nr, long disz) {
  return !db::query(db, "SELECT Nr FROM Mschklassen WHERE Nr=? AND Disznr=?;", {nr, disz}).empty();
}

// Starts a pass: its line and the bar's range (at least 1, 0 would show a busy bar).
void pass(CleanupProgress& p, const std::string& line, size_t rows) {
  p.AddProgressLine(line);
  p.SetProgressRange(std::max<int>(1, static_cast<int>(rows)));
}

// Rows of a class-keyed table whose class does not exist in the discipline.
void dropOrphanedClassRows(sqlite3* db, CleanupProgress& p, long d, const std::string& line,
                           const std::string& select, const std::string& remove) {
  db::Table rows = db::query(db, select, {d});
  pass(p, line, rows.size());
  for (size_t r = 0; r < rows.size(); ++r) {
    long mkl = rows.num(r, 0);
    if (!classExists(db, mkl, d)) db::exec(db, remove, {mkl, d});
    p.SetProgressPosition(static_cast<int>(r + 1));
  }
}

void cleanDiscipline(sqlite3* db, CleanupProgress& p, long d) {
  const std::string dn = str(d + 1);

  db::Table teams = db::query(db, "SELECT Vrnr FROM Msch_in_klassen  WHERE Disznr=?;", {d});
  pass(p, "Disziplin " + dn + " wird bearbeitet..", teams.size());
  for (size_t r = 0; r < teams.size(); ++r) {
    long vrnr = teams.num(r, 0);
    if (!clubExists(db, vrnr))
      db::exec(db, "DELETE FROM Msch_in_klassen WHERE Vrnr =? AND Disznr=?;", {vrnr, d});
    p.SetProgressPosition(static_cast<int>(r + 1));
  }

  db::Table classes = db::query(db, "SELECT Nr FROM Mschklassen WHERE Disznr=? ORDER BY Nr ASC;", {d});
  pass(p, "Mannschaftsklassen Disziplin " + dn + " werden durchsucht...", classes.size());
  std::vector<long> empty;  // in Nr order
  for (size_t r = 0; r < classes.size(); ++r) {
    long nr = classes.num(r, 0);
    size_t n = db::query(db, "SELECT Mklnr FROM Msch_in_klassen WHERE Mklnr=? AND Disznr=?;", {nr, d}).size();
    if (n >= 1) {
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

  dropOrphanedClassRows(db, p, d, "Gegner Disziplin " + dn + " werden durchsucht...",
                        "SELECT Mklnr FROM Gegner WHERE Disznr=?;", "DELETE FROM Gegner WHERE Mklnr =? AND Disznr=?;");
  dropOrphanedClassRows(db, p, d, "Termine Disziplin " + dn + " werden durchsucht...",
                        "SELECT Mklnr FROM Termine WHERE Disznr=?;", "DELETE FROM Termine WHERE Mklnr=? AND Disznr=?;");
  dropOrphanedClassRows(db, p, d, "Mannschaftsergebnisse Disziplin " + dn + " werden durchsucht...",
                        "SELECT Mklnr FROM Mscherg WHERE Disznr=?;", "DELETE FROM Mscherg WHERE Mklnr=? AND Disznr=?;");

  db::Table results = db::query(db, "SELECT Schnr, Ringerg, rowid FROM Schuetzenerg WHERE Disznr=?;", {d});
  pass(p, "Einzelergebnisse Disziplin " + dn + " werden durchsucht...", results.size());
  for (size_t r = 0; r < results.size(); ++r) {
    long schnr = results.num(r, 0);
    long rings = results.num(r, 1);
    bool exists = !db::query(db, "SELECT Passnr FROM Schuetzen WHERE Passnr=?;", {schnr}).empty();
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

}  // namespace

void RunDatabaseCleanup(sqlite3* db, CleanupProgress& p) {
  db::Transaction t(db);
  db::exec(db, "DELETE FROM Mscherg WHERE Vrnr=?;", {0});

  db::Table disciplines = db::query(db, "SELECT Nr FROM Disznamen ORDER BY Nr ASC;");
  for (size_t i = 0; i < disciplines.size(); ++i) cleanDiscipline(db, p, disciplines.num(i, 0));

  db::Table shooters = db::query(db, "SELECT Passnr, Vrnr FROM Schuetzen;");
  pass(p, "Schützen werden durchsucht...", shooters.size());
  for (size_t r = 0; r < shooters.size(); ++r) {
    if (!clubExists(db, shooters.num(r, 1)))
      db::exec(db, "DELETE FROM Schuetzen WHERE Passnr=?;", {shooters.num(r, 0)});
    p.SetProgressPosition(static_cast<int>(r + 1));
  }

  db::Table texts = db::query(db, "SELECT Nummer FROM Vereine_zstext;");
  pass(p, "Zusatztexte werden durchsucht...", texts.size());
  for (size_t r = 0; r < texts.size(); ++r) {
    if (!clubExists(db, texts.num(r, 0)))
      db::exec(db, "DELETE FROM Vereine_zstext WHERE Nummer =? ;", {texts.num(r, 0)});
    p.SetProgressPosition(static_cast<int>(r + 1));
  }

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

void ResetSettingsAfterCleanup() {
  gEinstellungen.AktDisznr = 0;
  gEinstellungen.VereinListIndex = 0;
  gEinstellungen.SchuetzenAktivFilter = 0;
}
