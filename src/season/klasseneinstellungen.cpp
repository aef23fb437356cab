#include "season/klasseneinstellungen.h"

#include "core/db.h"
#include "platform/text.h"

namespace {

int numberOr(const std::string& text, int fallback) {
  bool digits = !text.empty();
  for (char c : text) digits = digits && c >= '0' && c <= '9';
  return digits ? toInt(text) : fallback;
}

int shooters(const std::string& text, int fallback) {
  int n = numberOr(text, fallback);
  return n >= 1 && n <= 15 ? n : fallback;
}

}  // namespace

KlassenEinstellung GueltigeEinstellung(const std::string& unsort, const std::string& sort,
                                       const std::string& max, const std::string& minerg,
                                       int sortflag, int anzahlTermine) {
  KlassenEinstellung e;
  e.unsort = shooters(unsort, 4);
  e.sort = shooters(sort, 4);
  e.max = shooters(max, 8);
  e.sortflag = sortflag;
  e.minerg = numberOr(minerg, 5);
  if (e.minerg < 1 || e.minerg > anzahlTermine) e.minerg = anzahlTermine;
  return e;
}

KlassenDaten LadeKlassenEinstellung(sqlite3* db, int disznr, long klasse) {
  KlassenDaten d;
  db::Table t = db::query(db,
                          "SELECT Klname, AnzahlTermine, SchuetzenproMannschaftUnsort, "
                          "SchuetzenproMannschaftSort, Sortflag, MaxSchuetzenproMannschaft, "
                          "Minerganzahl FROM Mschklassen WHERE Nr=? AND Disznr=?;",
                          {klasse, disznr});
  if (t.empty()) return d;
  size_t r = t.size() - 1;
  d.found = true;
  d.name = t.text(r, 0);
  d.anzahlTermine = t.integer(r, 1);
  d.werte.unsort = t.integer(r, 2);
  d.werte.sort = t.integer(r, 3);
  d.werte.sortflag = t.integer(r, 4);
  d.werte.max = t.integer(r, 5);
  d.werte.minerg = t.integer(r, 6);
  return d;
}

bool SpeichereKlassenEinstellung(sqlite3* db, int disznr, long klasse, const KlassenEinstellung& e) {
  return db::exec(db,
                  "UPDATE Mschklassen SET SchuetzenproMannschaftUnsort=?, "
                  "SchuetzenproMannschaftSort=?, Sortflag=?, MaxSchuetzenproMannschaft=?, "
                  "Minerganzahl=? WHERE Nr=? AND Disznr=?;",
                  {e.unsort, e.sort, e.sortflag, e.max, e.minerg, klasse, disznr});
}
