#include "entry/mannschaftsergebnisse.h"

#include "core/db.h"
#include "platform/text.h"

std::vector<MErgZeile> MErgDerMannschaft(sqlite3* db, const MschEintrag& team) {
  db::Table t = db::query(db,
                          "SELECT Ergnr, Ringerg, Pluspunkte, Minuspunkte, Korrekturpunkte FROM Mscherg WHERE "
                          "Mklnr = ? AND Vrnr = ? AND Rmschnr = ? AND Disznr = ? ORDER BY Ergnr, rowid;",
                          {team.Mklnr, team.Vrnr, team.Rmschnr, team.Disznr});
  std::vector<MErgZeile> out;
  for (size_t r = 0; r < t.size(); ++r)
    out.push_back({t.integer(r, 0), t.num(r, 1), t.integer(r, 2), t.integer(r, 3), t.integer(r, 4)});
  return out;
}

bool MErgSpeichern(sqlite3* db, const MschEintrag& team, const MErgZeile& z) {
  db::Transaction t(db);
  db::Table has = db::query(db,
                            "SELECT rowid FROM Mscherg WHERE Ergnr = ? AND Mklnr = ? AND Vrnr = ? AND Rmschnr = ? "
                            "AND Disznr = ?;",
                            {z.Ergnr, team.Mklnr, team.Vrnr, team.Rmschnr, team.Disznr});
  if (!has.ok) return false;
  bool ok = has.empty()
                ? db::exec(db,
                           "INSERT INTO Mscherg (Mklnr, Vrnr, Rmschnr, Ringerg, Pluspunkte, Minuspunkte, "
                           "Korrekturpunkte, Disznr, Ergnr) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?);",
                           {team.Mklnr, team.Vrnr, team.Rmschnr, z.Ringerg, z.Pluspunkte, z.Minuspunkte,
                            z.Korrekturpunkte, team.Disznr, z.Ergnr})
                : db::exec(db,
                           "UPDATE Mscherg SET Ringerg = ?, Pluspunkte = ?, Minuspunkte = ?, Korrekturpunkte = ? "
                           "WHERE Mklnr = ? AND Vrnr = ? AND Rmschnr = ? AND Disznr = ? AND Ergnr = ?;",
                           {z.Ringerg, z.Pluspunkte, z.Minuspunkte, z.Korrekturpunkte, team.Mklnr, team.Vrnr,
                            team.Rmschnr, team.Disznr, z.Ergnr});
  return ok && t.commit();
}

bool MErgLoeschen(sqlite3* db, const MschEintrag& team, int ergnr) {
  return db::exec(db, "DELETE FROM Mscherg WHERE Mklnr = ? AND Vrnr = ? AND Rmschnr = ? AND Ergnr = ? AND Disznr = ?;",
                  {team.Mklnr, team.Vrnr, team.Rmschnr, ergnr, team.Disznr});
}

bool GegnerImDurchgang(sqlite3* db, const MschEintrag& team, int ergnr, long& vrnr, int& mschnr) {
  db::Table t = db::query(db,
                          "SELECT Gastvrnr, Gastmschnr FROM Gegner WHERE Disznr = ? AND Mklnr = ? AND Kampfnr = ? "
                          "AND Heimvrnr = ? AND Heimmschnr = ?;",
                          {team.Disznr, team.Mklnr, ergnr, team.Vrnr, team.Rmschnr});
  if (t.empty())
    t = db::query(db,
                  "SELECT Heimvrnr, Heimmschnr FROM Gegner WHERE Disznr = ? AND Mklnr = ? AND Kampfnr = ? "
                  "AND Gastvrnr = ? AND Gastmschnr = ?;",
                  {team.Disznr, team.Mklnr, ergnr, team.Vrnr, team.Rmschnr});
  if (t.empty()) return false;
  vrnr = t.num(0, 0);
  mschnr = t.integer(0, 1);
  return true;
}

std::string RingSchnittText(const std::vector<long>& ringe, bool zehntel) {
  long long sum = 0, count = 0;
  for (long r : ringe)
    if (r > 0) {
      sum += r;
      ++count;
    }
  // Quotient in the unit shown (tenths or whole rings), rounded up only above an exact half.
  long long divisor = count * (zehntel ? 1 : 10);
  long long q = 0;
  if (sum > 0) {
    q = sum / divisor;
    if (2 * (sum % divisor) > divisor) ++q;
  }
  if (!zehntel) return str(q);
  std::string text = str(q / 10) + "." + str(q % 10);
  return text.size() < 4 ? std::string(4 - text.size(), ' ') + text : text;
}
