#include "season/klassenfolge.h"

#include "core/db.h"

std::vector<KlasseKurz> KlassenDerDisziplin(sqlite3* db, int disznr) {
  std::vector<KlasseKurz> out;
  db::Table t = db::query(db,
                          "SELECT Nr, Klname, AnzahlTermine FROM Mschklassen WHERE Disznr=? "
                          "ORDER BY Nr, rowid;",
                          {disznr});
  for (size_t r = 0; r < t.size(); ++r)
    out.push_back({t.num(r, 0), t.text(r, 1), t.integer(r, 2)});
  return out;
}

int TermineDerKlasse(sqlite3* db, int disznr, long mklnr) {
  db::Table t = db::query(db,
                          "SELECT AnzahlTermine FROM Mschklassen WHERE Disznr=? AND Nr=? "
                          "ORDER BY rowid DESC LIMIT 1;",
                          {disznr, mklnr});
  return t.empty() ? 0 : t.integer(0, 0);
}

bool DisziplinUndSaison(sqlite3* db, int disznr, std::string& name, std::string& saison) {
  db::Table t = db::query(db, "SELECT Bezeichnung, Saisonname FROM Disznamen WHERE Nr=?;", {disznr});
  if (t.empty()) {
    name.clear();
    saison.clear();
    return false;
  }
  name = t.text(0, 0);
  saison = t.text(0, 1);
  return true;
}
