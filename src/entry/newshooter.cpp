#include "entry/newshooter.h"

#include <set>

#include "core/db.h"
#include "core/globals.h"

namespace {

// End of the first run of consecutive numbers (from the first one) plus one.
long firstGapAfterRun(const db::Table& numbers) {
  if (numbers.empty()) return 1;
  long p = numbers.num(0, 0);
  for (size_t r = 0; r < numbers.size(); ++r) {
    long n = numbers.num(r, 0);
    if (n == p)
      p = n + 1;
    else if (n > p)
      break;
  }
  return p;
}

}  // namespace

bool PassnrTaken(long passnr) {
  return !db::query(gDbHaupt, "SELECT Passnr FROM Schuetzen WHERE Passnr=?;", {passnr}).empty();
}

PassnrRows RowsOfPassnr(long passnr) {
  PassnrRows rows;
  db::Table t = db::query(gDbHaupt,
                          "SELECT (SELECT COUNT(*) FROM Schuetzenerg WHERE Schnr=?1), "
                          "(SELECT COUNT(*) FROM Mschaufstlg WHERE Schnr=?1);",
                          {passnr});
  if (t.empty()) return rows;
  rows.Ergebnisse = t.num(0, 0);
  rows.Aufstellungen = t.num(0, 1);
  return rows;
}

long ProposePassnr(long vrnr) {
  // A deleted shooter's results and line-ups (regular shooters among them) stay under his
  // number: a new shooter given it would take them over.
  db::Table used = db::query(gDbHaupt,
                             "SELECT Passnr FROM Schuetzen UNION SELECT Schnr FROM Schuetzenerg "
                             "UNION SELECT Schnr FROM Mschaufstlg;");
  std::set<long> taken;
  for (size_t r = 0; r < used.size(); ++r) taken.insert(used.num(r, 0));
  long p = firstGapAfterRun(db::query(gDbHaupt, "SELECT Passnr FROM Schuetzen WHERE Vrnr=? ORDER BY Passnr;", {vrnr}));
  if (p < 1) p = 1;
  if (!taken.count(p)) return p;
  if (!PassnrTaken(p)) {  // only rows of a deleted shooter: the club's next number in no use
    while (taken.count(p)) ++p;
    return p;
  }
  // Another club's shooter holds it: from the run of all shooters' numbers, step on until
  // one is in no use.
  p = firstGapAfterRun(db::query(gDbHaupt, "SELECT Passnr FROM Schuetzen ORDER BY Passnr;"));
  if (p < 1) p = 1;
  while (taken.count(p)) ++p;
  return p;
}
