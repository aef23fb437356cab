#include "season/mannschaften.h"

#include "core/db.h"

std::vector<VereinKurz> VereineMitMannschaften(sqlite3* db, int disznr, long mklnr) {
  db::Table t = mklnr < 1
                    ? db::query(db,
                                "SELECT DISTINCT k.Vrnr, v.Name FROM Msch_in_klassen k JOIN Vereine_gau v "
                                "ON v.Nummer = k.Vrnr WHERE k.Disznr = ? GROUP BY k.Vrnr ORDER BY k.Vrnr;",
                                {disznr})
                    : db::query(db,
                                "SELECT DISTINCT k.Vrnr, v.Name FROM Msch_in_klassen k JOIN Vereine_gau v "
                                "ON v.Nummer = k.Vrnr WHERE k.Disznr = ? AND k.Mklnr = ? GROUP BY k.Vrnr "
                                "ORDER BY k.Vrnr;",
                                {disznr, mklnr});
  std::vector<VereinKurz> out;
  for (size_t r = 0; r < t.size(); ++r) out.push_back({t.num(r, 0), t.text(r, 1)});
  return out;
}

std::vector<MschEintrag> MannschaftenDesVereins(sqlite3* db, int disznr, long vrnr, long mklnr) {
  db::Table t = mklnr < 1 ? db::query(db,
                                      "SELECT Mklnr, Rmschnr FROM Msch_in_klassen WHERE Disznr = ? AND Vrnr = ? "
                                      "ORDER BY Rmschnr, Mklnr;",
                                      {disznr, vrnr})
                          : db::query(db,
                                      "SELECT Mklnr, Rmschnr FROM Msch_in_klassen WHERE Disznr = ? AND Vrnr = ? "
                                      "AND Mklnr = ? ORDER BY Rmschnr;",
                                      {disznr, vrnr, mklnr});
  std::vector<MschEintrag> out;
  for (size_t r = 0; r < t.size(); ++r) out.push_back({t.num(r, 0), t.integer(r, 1), disznr, vrnr});
  return out;
}
