#include "masterdata/mannschaftsfuehrer.h"

#include "core/db.h"
#include "core/helpers.h"

bool MschFuehrerLesen(sqlite3* db, int disznr, long vrnr, int rmschnr, MschFuehrer& out) {
  out = MschFuehrer{};
  db::Table t = db::query(db,
                          "SELECT Name, Strasse, Plz, Ort, Tel_a, Tel_b, Fax, Mail FROM Msch_fuehrer "
                          "WHERE Vrnr = ? AND Rmschnr = ? AND Disznr = ?;",
                          {vrnr, rmschnr, disznr});
  if (t.empty()) return false;
  const auto& r = t.rows[0];
  out = {r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7]};
  return true;
}

bool MschFuehrerSpeichern(sqlite3* db, int disznr, long vrnr, int rmschnr, const MschFuehrer& f,
                          const std::string& telVerein) {
  db::Transaction t(db);
  db::Table has = db::query(db, "SELECT Name FROM Msch_fuehrer WHERE Vrnr = ? AND Rmschnr = ? AND Disznr = ?;",
                            {vrnr, rmschnr, disznr});
  if (!has.ok) return false;
  bool ok = has.empty()
                ? db::exec(db,
                           "INSERT INTO Msch_fuehrer (Disznr, Vrnr, Rmschnr, Name, Strasse, Plz, Ort, Tel_a, "
                           "Tel_b, Fax, Mail) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
                           {disznr, vrnr, rmschnr, f.Name, f.Strasse, f.Plz, f.Ort, f.Tel_a, f.Tel_b, f.Fax, f.Mail})
                : db::exec(db,
                           "UPDATE Msch_fuehrer SET Name = ?, Strasse = ?, Plz = ?, Ort = ?, Tel_a = ?, Tel_b = ?, "
                           "Fax = ?, Mail = ? WHERE Vrnr = ? AND Rmschnr = ? AND Disznr = ?;",
                           {f.Name, f.Strasse, f.Plz, f.Ort, f.Tel_a, f.Tel_b, f.Fax, f.Mail, vrnr, rmschnr, disznr});
  if (!ok) return false;
  db::Table zs = db::query(db, "SELECT Nummer FROM Vereine_zstext WHERE Nummer = ?;", {vrnr});
  if (!zs.ok) return false;
  ok = zs.empty() ? db::exec(db, "INSERT INTO Vereine_zstext (Nummer, ZsText, TelSStd) VALUES (?, '', ?);",
                             {vrnr, telVerein})
                  : db::exec(db, "UPDATE Vereine_zstext SET TelSStd = ? WHERE Nummer = ?;", {telVerein, vrnr});
  return ok && t.commit();
}

bool MschFuehrerLoeschen(sqlite3* db, int disznr, long vrnr, int rmschnr) {
  return db::exec(db, "DELETE FROM Msch_fuehrer WHERE Disznr = ? AND Vrnr = ? AND Rmschnr = ?;",
                  {disznr, vrnr, rmschnr});
}

std::string VereinsTelefon(sqlite3* db, long vrnr) {
  db::Table t = db::query(db, "SELECT TelSStd FROM Vereine_zstext WHERE Nummer = ?;", {vrnr});
  return t.empty() ? std::string() : t.text(0, 0);
}

std::vector<std::vector<std::string>> MschFuehrerZeilen(sqlite3* db, int disznr, long vrnr, long mklnr) {
  db::Table klassen =
      mklnr >= 1 ? db::query(db, "SELECT Nr, Klname FROM Mschklassen WHERE Nr = ? AND Disznr = ? ORDER BY Nr;",
                             {mklnr, disznr})
      : vrnr >= 1
          ? db::query(db,
                      "SELECT Nr, Klname FROM Mschklassen WHERE Disznr = ? AND Nr IN (SELECT Mklnr FROM "
                      "Msch_in_klassen WHERE Disznr = ? AND Vrnr = ?) ORDER BY Nr;",
                      {disznr, disznr, vrnr})
          : db::query(db, "SELECT Nr, Klname FROM Mschklassen WHERE Disznr = ? ORDER BY Nr;", {disznr});
  std::vector<std::vector<std::string>> rows;
  for (size_t k = 0; k < klassen.size(); ++k) {
    db::Table teams = db::query(db,
                                "SELECT Vrnr, Rmschnr FROM Msch_in_klassen WHERE Mklnr = ? AND Disznr = ? "
                                "ORDER BY Pos_in_mklnr;",
                                {klassen.num(k, 0), disznr});
    std::vector<std::string> row(kMschFuehrerSpalten);
    row[0] = klassen.text(k, 1);
    bool first = true;
    for (size_t i = 0; i < teams.size(); ++i) {
      long club = teams.num(i, 0);
      int team = teams.integer(i, 1);
      std::string name = MannschaftsName(club, team);
      if (name.empty()) continue;
      if (!first) row.assign(kMschFuehrerSpalten, std::string());
      first = false;
      MschFuehrer f;
      MschFuehrerLesen(db, disznr, club, team, f);
      row[1] = name;
      row[2] = VereinsTelefon(db, club);
      std::vector<std::string> cells = {f.Name, f.Strasse, f.Plz, f.Ort, f.Tel_a, f.Tel_b, f.Fax, f.Mail};
      for (size_t c = 0; c < cells.size(); ++c) row[3 + c] = cells[c];
      rows.push_back(row);
    }
    if (first) rows.push_back(row);
    rows.push_back(std::vector<std::string>(kMschFuehrerSpalten));
  }
  return rows;
}
