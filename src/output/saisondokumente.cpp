#include "output/saisondokumente.h"

#include "core/db.h"
#include "core/globals.h"
#include "core/schema.h"

namespace {

const char* spalte(SaisonOrdner seite) {
  switch (seite) {
    case SaisonOrdner::Starttabellen: return "StarttabPfad";
    case SaisonOrdner::Terminlisten: return "TerminlistenPfad";
    case SaisonOrdner::Mschfuehrer: return "MschfuehrerPfad";
  }
  return "StarttabPfad";
}

bool endetMit(const std::string& s, const std::string& ende) {
  return s.size() >= ende.size() && s.compare(s.size() - ende.size(), ende.size(), ende) == 0;
}

void klassenZeilen(const db::Table& t, std::vector<DokumentKlasse>& out) {
  for (size_t r = 0; r < t.size(); ++r) out.push_back({t.num(r, 0), t.text(r, 1)});
}

}  // namespace

std::vector<DokumentKlasse> KlassenDerAuswahl(int disznr, long verein, long klasse) {
  std::vector<DokumentKlasse> out;
  const char* eineKlasse = "SELECT Nr, Klname FROM Mschklassen WHERE Nr=? AND Disznr=? ORDER BY Nr;";
  if (klasse >= 1) {
    klassenZeilen(db::query(gDbHaupt, eineKlasse, {klasse, disznr}), out);
  } else if (verein >= 1) {
    klassenZeilen(db::query(gDbHaupt,
                            "SELECT Nr, Klname FROM Mschklassen WHERE Disznr=? AND Nr IN (SELECT Mklnr FROM "
                            "Msch_in_klassen WHERE Disznr=? AND Vrnr=?) ORDER BY Nr, rowid;",
                            {disznr, disznr, verein}),
                  out);
  } else {
    klassenZeilen(db::query(gDbHaupt,
                            "SELECT Nr, Klname FROM Mschklassen WHERE Disznr=? ORDER BY Nr, rowid;",
                            {disznr}),
                  out);
  }
  return out;
}

std::vector<DokumentMannschaft> MannschaftenDerKlasse(int disznr, long klasse) {
  std::vector<DokumentMannschaft> out;
  db::Table t = db::query(gDbHaupt,
                          "SELECT Vrnr, Rmschnr FROM Msch_in_klassen WHERE Mklnr=? AND Disznr=? "
                          "ORDER BY Pos_in_mklnr, rowid;",
                          {klasse, disznr});
  for (size_t r = 0; r < t.size(); ++r) out.push_back({t.num(r, 0), t.integer(r, 1)});
  return out;
}

bool GemerkterOrdner(int disznr, SaisonOrdner seite, std::string& ordner) {
  db::Table t = db::query(gDbPfade,
                          std::string("SELECT DISTINCT ") + spalte(seite) +
                              " FROM PfadeNeueSaison WHERE Disznr=?;",
                          {disznr});
  if (t.empty()) return false;
  ordner = t.text(0, 0);
  return true;
}

bool MerkeOrdner(int disznr, SaisonOrdner seite, const std::string& ordner) {
  db::Table t = db::query(gDbPfade, "SELECT Disznr FROM PfadeNeueSaison WHERE Disznr=?;", {disznr});
  if (!t.ok) return false;
  if (t.empty()) insertNeueSaisonRow(disznr);
  return db::exec(gDbPfade,
                  std::string("UPDATE PfadeNeueSaison SET ") + spalte(seite) + "=? WHERE Disznr=?; ",
                  {ordner, disznr});
}

std::string SaisonDateiname(std::string name, int filterIndex, bool mitDbf) {
  if (endetMit(name, ".txt") || endetMit(name, ".htm") || (mitDbf && endetMit(name, ".dbf")))
    name.resize(name.size() - 4);
  if (endetMit(name, ".html")) name.resize(name.size() - 5);
  if (filterIndex == 1) name += ".txt";
  if (filterIndex == 2) name += ".html";
  if (filterIndex == 3 && mitDbf) name += ".dbf";
  return name;
}
