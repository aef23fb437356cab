#include "season/paarungen.h"

#include "core/db.h"
#include "core/helpers.h"
#include "season/termine.h"

int HoechsterKampf(sqlite3* db, int disznr, long klasse) {
  db::Table t = db::query(db, "SELECT MAX(Kampfnr) FROM Gegner WHERE Disznr=? AND Mklnr=?;",
                          {disznr, klasse});
  return t.empty() ? 0 : t.integer(0, 0);
}

int SpiegelKampf(int kampf, int hoechsterKampf) {
  int half = hoechsterKampf / 2;
  if (half < 1 || kampf < 1 || kampf > 2 * half) return 0;
  return kampf <= half ? kampf + half : kampf - half;
}

std::pair<int, int> KampfPaar(int kampf, int hoechsterKampf) {
  int mirror = SpiegelKampf(kampf, hoechsterKampf);
  if (mirror == 0) return {kampf, kampf};
  return kampf < mirror ? std::make_pair(kampf, mirror) : std::make_pair(mirror, kampf);
}

std::vector<Begegnung> PaarungenImKampf(sqlite3* db, int disznr, long klasse, int kampf) {
  std::vector<Begegnung> out;
  db::Table t = db::query(db,
                          "SELECT rowid, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr FROM Gegner "
                          "WHERE Disznr=? AND Mklnr=? AND Kampfnr=? ORDER BY rowid;",
                          {disznr, klasse, kampf});
  for (size_t r = 0; r < t.size(); ++r)
    out.push_back({t.num(r, 0), t.num(r, 1), t.integer(r, 2), t.num(r, 3), t.integer(r, 4)});
  return out;
}

bool TauschePaarung(sqlite3* db, int disznr, long klasse, int kampf, size_t index) {
  std::vector<Begegnung> rows = PaarungenImKampf(db, disznr, klasse, kampf);
  if (index >= rows.size()) return false;
  const Begegnung& p = rows[index];
  // By rowid: two rows with the same teams (two byes) must not both flip.
  return db::exec(db,
                  "UPDATE Gegner SET Heimvrnr=?, Heimmschnr=?, Gastvrnr=?, Gastmschnr=? "
                  "WHERE rowid=?;",
                  {p.gastVrnr, p.gastMschnr, p.heimVrnr, p.heimMschnr, p.rowid});
}

void TauschePaarungVorUndRueck(sqlite3* db, int disznr, long klasse, int kampf, size_t index) {
  db::Transaction t(db);
  TauschePaarung(db, disznr, klasse, kampf, index);
  int mirror = SpiegelKampf(kampf, HoechsterKampf(db, disznr, klasse));
  if (mirror > 0) TauschePaarung(db, disznr, klasse, mirror, index);
  t.commit();
}

std::pair<std::string, std::string> PaarungsSpalten(const Begegnung& p) {
  std::string heim = MannschaftsName(p.heimVrnr, p.heimMschnr);
  std::string gast = MannschaftsName(p.gastVrnr, p.gastMschnr);
  if (p.heimVrnr < 1) return {heim, "frei = " + gast};
  if (p.gastVrnr < 1) return {heim + " = frei", gast};
  return {heim, gast};
}

std::vector<std::pair<int, std::string>> KaempfeMitTerminen(sqlite3* db, int disznr, long klasse) {
  int last = HoechsterKampf(db, disznr, klasse);
  std::vector<std::string> dates = LadeTermine(db, disznr, klasse, last);
  std::vector<std::pair<int, std::string>> out;
  for (int k = 1; k <= last; ++k) out.emplace_back(k, dates[static_cast<size_t>(k - 1)]);
  return out;
}

std::string HeimKlassenText(sqlite3* db, int disznr, long verein, int kampf) {
  db::Table t = db::query(db,
                          "SELECT k.Klname FROM Gegner g JOIN Mschklassen k "
                          "ON k.Nr = g.Mklnr AND k.Disznr = g.Disznr "
                          "WHERE g.Disznr=? AND g.Kampfnr=? AND g.Heimvrnr=? AND g.Gastvrnr > 0 "
                          "ORDER BY g.rowid;",
                          {disznr, kampf, verein});
  std::string text = " ";
  for (size_t r = 0; r < t.size(); ++r) {
    if (r > 0) text += ", ";
    text += t.text(r, 0);
  }
  return text;
}

