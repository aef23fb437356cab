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

long ProposePassnr(long vrnr) {
  long p = firstGapAfterRun(db::query(gDbHaupt, "SELECT Passnr FROM Schuetzen WHERE Vrnr=? ORDER BY Passnr;", {vrnr}));
  if (p < 1) p = 1;
  if (!PassnrTaken(p)) return p;
  // Taken by another club's shooter: step on over all numbers until one is free.
  db::Table all = db::query(gDbHaupt, "SELECT Passnr FROM Schuetzen ORDER BY Passnr;");
  std::set<long> taken;
  for (size_t r = 0; r < all.size(); ++r) taken.insert(all.num(r, 0));
  p = firstGapAfterRun(all);
  if (p < 1) p = 1;
  while (taken.count(p)) ++p;
  return p;
}
