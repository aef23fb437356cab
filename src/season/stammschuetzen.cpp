#include "season/stammschuetzen.h"

#include "core/db.h"

std::vector<Stammschuetze> StammschuetzenLesen(sqlite3* db, const MschEintrag& team) {
  db::Table t = db::query(db,
                          "SELECT a.Schnr, (SELECT s.Name FROM Schuetzen s WHERE s.Passnr = a.Schnr LIMIT 1), "
                          "MAX(a.Kampfnr = 0) FROM Mschaufstlg a WHERE a.Disznr = ? AND a.Mklnr = ? AND "
                          "a.Vrnr = ? AND a.Mschnr = ? AND EXISTS (SELECT 1 FROM Schuetzen s WHERE "
                          "s.Passnr = a.Schnr) GROUP BY a.Schnr ORDER BY MIN(a.Posnr), MIN(a.rowid);",
                          {team.Disznr, team.Mklnr, team.Vrnr, team.Rmschnr});
  std::vector<Stammschuetze> out;
  for (size_t r = 0; r < t.size(); ++r) out.push_back({t.num(r, 0), t.text(r, 1), t.num(r, 2) != 0});
  return out;
}

bool StammschuetzenSpeichern(sqlite3* db, const MschEintrag& team, const std::vector<long>& passnr) {
  db::Transaction t(db);
  if (!db::exec(db,
                "DELETE FROM Mschaufstlg WHERE Disznr = ? AND Kampfnr = 0 AND Mklnr = ? AND Vrnr = ? AND "
                "Mschnr = ?;",
                {team.Disznr, team.Mklnr, team.Vrnr, team.Rmschnr}))
    return false;
  for (size_t i = 0; i < passnr.size(); ++i)
    if (!db::exec(db,
                  "INSERT INTO Mschaufstlg (Disznr, Kampfnr, Mklnr, Posnr, Schnr, Vrnr, Mschnr) "
                  "VALUES (?, 0, ?, ?, ?, ?, ?);",
                  {team.Disznr, team.Mklnr, static_cast<long>(i), passnr[i], team.Vrnr, team.Rmschnr}))
      return false;
  return t.commit();
}

bool StammschuetzeEntfernen(sqlite3* db, const MschEintrag& team, long passnr) {
  return db::exec(db,
                  "DELETE FROM Mschaufstlg WHERE Disznr = ? AND Kampfnr = 0 AND Mklnr = ? AND Vrnr = ? AND "
                  "Mschnr = ? AND Schnr = ?;",
                  {team.Disznr, team.Mklnr, team.Vrnr, team.Rmschnr, passnr});
}

bool InAufstellungEinesDurchgangs(sqlite3* db, const MschEintrag& team, long passnr) {
  return !db::query(db,
                    "SELECT 1 FROM Mschaufstlg WHERE Disznr = ? AND Kampfnr > 0 AND Mklnr = ? AND Vrnr = ? AND "
                    "Mschnr = ? AND Schnr = ? LIMIT 1;",
                    {team.Disznr, team.Mklnr, team.Vrnr, team.Rmschnr, passnr})
              .empty();
}
