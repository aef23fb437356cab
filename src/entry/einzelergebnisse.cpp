#include "entry/einzelergebnisse.h"

#include "core/db.h"

namespace {

// A shooter who has rings counts as active in his club.
bool markActive(sqlite3* db, long schnr, long vrnr, long ringerg) {
  return ringerg <= 0 || db::exec(db, "UPDATE Schuetzen SET AktivFlag = '1' WHERE Passnr = ? AND Vrnr = ?;",
                                  {schnr, vrnr});
}

}  // namespace

std::vector<EErgZeile> EErgDesSchuetzen(sqlite3* db, long schnr, int disznr, long vrnr) {
  db::Table t = db::query(db,
                          "SELECT e.rowid, e.Ergnr, e.Ringerg, e.Mschnr, e.Mschflag, e.Mschklnr, "
                          "(SELECT k.Klname FROM Mschklassen k WHERE k.Nr = e.Mschklnr AND k.Disznr = e.Disznr "
                          "ORDER BY k.rowid LIMIT 1) FROM Schuetzenerg e WHERE e.Schnr = ? AND e.Disznr = ? AND "
                          "e.Vrnr = ? ORDER BY e.Ergnr, e.rowid;",
                          {schnr, disznr, vrnr});
  std::vector<EErgZeile> out;
  for (size_t r = 0; r < t.size(); ++r)
    out.push_back({t.num(r, 0), {t.integer(r, 1), t.num(r, 2), t.integer(r, 3), t.integer(r, 4), t.num(r, 5)},
                   t.text(r, 6)});
  return out;
}

long EErgAendern(sqlite3* db, long rowid, long schnr, long vrnr, const EErgWerte& w) {
  db::Transaction t(db);
  bool ok = db::exec(db,
                     "UPDATE Schuetzenerg SET Ergnr = ?, Ringerg = ?, Mschnr = ?, Mschflag = ?, Mschklnr = ? "
                     "WHERE rowid = ?;",
                     {w.Ergnr, w.Ringerg, w.Mschnr, w.Mschflag, w.Mschklnr, rowid}) &&
            markActive(db, schnr, vrnr, w.Ringerg);
  return ok && t.commit() ? rowid : -1;
}

long EErgNeu(sqlite3* db, long schnr, int disznr, long vrnr, const EErgWerte& w) {
  db::Transaction t(db);
  db::Table has = db::query(db,
                            "SELECT rowid FROM Schuetzenerg WHERE Schnr = ? AND Disznr = ? AND Ergnr = ? AND "
                            "Vrnr = ? AND Mschnr = ? ORDER BY rowid LIMIT 1;",
                            {schnr, disznr, w.Ergnr, vrnr, w.Mschnr});
  if (!has.ok) return -1;
  long rowid = -1;
  if (!has.empty()) {
    rowid = has.num(0, 0);
    if (!db::exec(db, "UPDATE Schuetzenerg SET Ringerg = ?, Mschflag = ?, Mschklnr = ? WHERE rowid = ?;",
                  {w.Ringerg, w.Mschflag, w.Mschklnr, rowid}))
      return -1;
  } else {
    if (!db::exec(db,
                  "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, Mschnr) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?);",
                  {schnr, disznr, w.Ringerg, w.Ergnr, w.Mschflag, w.Mschklnr, vrnr, w.Mschnr}))
      return -1;
    rowid = static_cast<long>(sqlite3_last_insert_rowid(db));
  }
  if (!markActive(db, schnr, vrnr, w.Ringerg) || !t.commit()) return -1;
  return rowid;
}

bool EErgLoeschen(sqlite3* db, long rowid) {
  return db::exec(db, "DELETE FROM Schuetzenerg WHERE rowid = ?;", {rowid});
}

int EErgVorschlag(sqlite3* db, long schnr, int disznr, long mklnr) {
  db::Table t = db::query(db, "SELECT MAX(Ergnr) FROM Schuetzenerg WHERE Schnr = ? AND Disznr = ? AND Mschklnr = ?;",
                          {schnr, disznr, mklnr});
  return (t.empty() ? 0 : t.integer(0, 0)) + 1;
}
