#include "season/klassen.h"

#include "core/db.h"
#include "core/globals.h"
#include "platform/text.h"
#include "season/gegner.h"
#include "season/klassenfolge.h"

int classBoutCount(int teams) { return teams <= 0 ? 0 : 2 * (gegnerTeamSlots(teams) - 1); }

int provisionalBoutCount(int lines) { return lines > 1 ? 2 * (lines - 1) : 0; }

long nextClassNumber(int disznr) {
  db::Table t =
      db::query(gDbHaupt, "SELECT MAX(Nr) FROM Mschklassen WHERE Disznr=?;", {disznr});
  if (t.empty() || t.text(0, 0).empty()) return 1;
  return t.num(0, 0) + 1;
}

bool insertClass(int disznr, long nr, const std::string& name, int anzahlTermine) {
  return db::exec(gDbHaupt,
                  "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr, "
                  "SchuetzenproMannschaftUnsort, SchuetzenproMannschaftSort, Sortflag, "
                  "MaxSchuetzenproMannschaft, Minerganzahl) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?);",
                  {nr, name, anzahlTermine, disznr, 4, 4, 0, 8, anzahlTermine * 6 / 10});
}

bool classHasResults(int disznr, long nr) {
  db::Table t = db::query(
      gDbHaupt,
      "SELECT 1 FROM Schuetzenerg WHERE Mschklnr=?1 AND Disznr=?2 "
      "UNION ALL SELECT 1 FROM Mscherg WHERE Mklnr=?1 AND Disznr=?2 "
      "UNION ALL SELECT 1 FROM Mschaufstlg WHERE Mklnr=?1 AND Disznr=?2 LIMIT 1;",
      {nr, disznr});
  return !t.empty();
}

void deleteClass(int disznr, long nr, bool withResults) {
  db::exec(gDbHaupt, "DELETE FROM Mschklassen WHERE Nr=? AND Disznr=?;", {nr, disznr});
  db::exec(gDbHaupt, "DELETE FROM Msch_in_klassen WHERE Mklnr=? AND Disznr=?;", {nr, disznr});
  db::exec(gDbHaupt, "DELETE FROM Termine WHERE Mklnr=? AND Disznr=?;", {nr, disznr});
  if (!withResults) return;
  // A later class of the same number must not inherit anything of this one.
  db::exec(gDbHaupt, "DELETE FROM Schuetzenerg WHERE Mschklnr=? AND Disznr=?;", {nr, disznr});
  db::exec(gDbHaupt, "DELETE FROM Mscherg WHERE Mklnr=? AND Disznr=?;", {nr, disznr});
  db::exec(gDbHaupt, "DELETE FROM Mschaufstlg WHERE Mklnr=? AND Disznr=?;", {nr, disznr});
  db::exec(gDbHaupt, "DELETE FROM Gegner WHERE Mklnr=? AND Disznr=?;", {nr, disznr});
}

void renumberTeamPositions(int disznr, long mklnr) {
  db::Table t = db::query(gDbHaupt,
                          "SELECT rowid, Pos_in_mklnr FROM Msch_in_klassen WHERE Mklnr=? AND "
                          "Disznr=? ORDER BY Pos_in_mklnr, rowid;",
                          {mklnr, disznr});
  for (size_t r = 0; r < t.size(); ++r) {
    const long pos = static_cast<long>(r) + 1;
    if (t.text(r, 1) == str(pos)) continue;
    db::exec(gDbHaupt, "UPDATE Msch_in_klassen SET Pos_in_mklnr=? WHERE rowid=?;",
             {pos, t.num(r, 0)});
  }
}

void settleClasses(int disznr) {
  db::exec(gDbHaupt,
           "DELETE FROM Msch_in_klassen WHERE Disznr=? AND NOT EXISTS "
           "(SELECT 1 FROM Vereine_gau WHERE Nummer=Msch_in_klassen.Vrnr);",
           {disznr});
  for (const KlasseKurz& k : KlassenDerDisziplin(gDbHaupt, disznr)) {
    const long nr = k.nr;
    renumberTeamPositions(disznr, nr);
    db::Table teams = db::query(
        gDbHaupt, "SELECT COUNT(*) FROM Msch_in_klassen WHERE Mklnr=? AND Disznr=?;", {nr, disznr});
    const int anzahl = classBoutCount(teams.empty() ? 0 : teams.integer(0, 0));
    db::exec(gDbHaupt, "UPDATE Mschklassen SET AnzahlTermine=? WHERE Nr=? AND Disznr=?;",
             {anzahl, nr, disznr});
    // Dates of bouts the class no longer has would shift the return bouts of the lists.
    db::exec(gDbHaupt, "DELETE FROM Termine WHERE Mklnr=? AND Disznr=? AND Nr_in_klasse>?;",
             {nr, disznr, anzahl});
  }
  WriteGegnerTable(disznr);
}
