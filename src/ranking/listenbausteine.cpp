#include "ranking/listenbausteine.h"

#include <algorithm>
#include <charconv>

#include "core/globals.h"

namespace listenbau {

using gespeichert::storedInteger;
using gespeichert::storedKey;

std::string dezimal(double value, int decimals) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  return std::string(buf, res.ptr);
}

std::string ringe(long tenths, int32_t zehntel) {
  return zehntel >= 1 ? dezimal(static_cast<double>(tenths) * 0.1, 1) : str(tenths / 10);
}

std::string schnitt(float tenths) { return dezimal(static_cast<double>(tenths) * 0.1, 2); }

std::string paarErgebnis(long heim, long gast, int32_t zehntel, const char* trenner) {
  return ringe(heim, zehntel) + trenner + ringe(gast, zehntel);
}

ListenSpalte spalte(std::string titel, int breite, Ausrichtung a) {
  return ListenSpalte{std::move(titel), breite, a};
}

ListenSpalte rangSpalte(int breite, Ausrichtung a) { return ListenSpalte{"Rang", breite, a, true}; }

void zeile(ListenTabelle& t, std::vector<std::string> zellen, bool fett) {
  zellen.resize(t.Spalten.size());
  t.Zeilen.push_back(ListenZeile{std::move(zellen), fett});
}
void trennzeile(ListenTabelle& t) { zeile(t, {}); }

void anInhaltAnpassen(ListenTabelle& t, size_t spalte) {
  size_t laenge = t.Spalten[spalte].Titel.size();
  for (const ListenZeile& z : t.Zeilen) laenge = std::max(laenge, z.Zellen[spalte].size());
  t.Spalten[spalte].Breite = static_cast<int>(laenge) * 8 + 16;
}

const KlassenEintrag* findeKlasse(const std::vector<KlassenEintrag>& klassen, int32_t nr) {
  for (const KlassenEintrag& k : klassen)
    if (k.Nr == nr) return &k;
  return nullptr;
}

std::unordered_map<Key2, std::string, KeyHash> schuetzenNamen() {
  db::Table t = db::query(gDbHaupt, "SELECT Passnr, VrNr, Name FROM Schuetzen ORDER BY rowid;");
  std::unordered_map<Key2, std::string, KeyHash> namen;
  for (size_t r = 0; r < t.size(); ++r) {
    Key2 key;
    if (storedKey(t, r, 0, 1, key)) namen.emplace(key, t.text(r, 2));
  }
  return namen;
}

void nurMit(std::string& sql, db::Params& p, const char* bedingung, int32_t wert) {
  if (wert < 1) return;
  sql += bedingung;
  p.emplace_back(static_cast<int>(wert));
}

bool storedKey3(const db::Table& t, size_t row, Key3& k) {
  return storedInteger(t.text(row, 0), k.a) && storedInteger(t.text(row, 1), k.b) &&
         storedInteger(t.text(row, 2), k.c);
}

Mannschaftsergebnisse::Mannschaftsergebnisse(int32_t disznr, int32_t klasseNr) {
  std::string sql = "SELECT Mklnr, Vrnr, Rmschnr, Ergnr, Ringerg FROM Mscherg WHERE Disznr = ?";
  db::Params p{static_cast<int>(disznr)};
  nurMit(sql, p, " AND Mklnr = ?", klasseNr);
  db::Table t = db::query(gDbHaupt, sql + " ORDER BY rowid;", p);
  for (size_t r = 0; r < t.size(); ++r) {
    Key3 k;
    long e;
    if (storedKey3(t, r, k) && storedInteger(t.text(r, 3), e))
      erg_.emplace(Schluessel{k.a, k.b, k.c, e}, t.num(r, 4));
  }
}

std::vector<Paarung> paarungen(int32_t disznr, int32_t klasseNr, int32_t runde) {
  std::string sql =
      "SELECT Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr FROM Gegner WHERE "
      "Disznr = ?";
  db::Params p{static_cast<int>(disznr)};
  nurMit(sql, p, " AND Mklnr = ?", klasseNr);
  nurMit(sql, p, " AND Kampfnr = ?", runde);
  db::Table t = db::query(gDbHaupt, sql + " ORDER BY rowid;", p);
  std::vector<Paarung> out;
  for (size_t r = 0; r < t.size(); ++r) {
    long mkl;
    if (!storedInteger(t.text(r, 0), mkl)) continue;
    out.push_back(Paarung{mkl, t.num(r, 1), t.num(r, 2), t.num(r, 3), t.num(r, 4), t.num(r, 5)});
  }
  return out;
}

std::unordered_map<long, std::vector<Key2>> mannschaftenDerKlassen(int32_t disznr) {
  db::Table t = db::query(gDbHaupt,
                          "SELECT Mklnr, Vrnr, Rmschnr FROM Msch_in_klassen WHERE Disznr = ? "
                          "ORDER BY Pos_in_mklnr, rowid;",
                          {static_cast<int>(disznr)});
  std::unordered_map<long, std::vector<Key2>> out;
  for (size_t r = 0; r < t.size(); ++r) {
    long mkl;
    if (storedInteger(t.text(r, 0), mkl)) out[mkl].push_back(Key2{t.num(r, 1), t.num(r, 2)});
  }
  return out;
}

int32_t klassenRunde(const KlassenEintrag& k, int32_t durchgang) {
  if (k.AnzahlTermine >= 1) durchgang = std::min(durchgang, k.AnzahlTermine);
  return std::max(durchgang, 1);
}

std::vector<ListenSpalte> tabellenSpalten() {
  return {spalte("Rang", 38, Ausrichtung::Mitte),   spalte("Mannschaft", 150),
          spalte("Punkte", 60, Ausrichtung::Mitte), spalte("Ringe", 60, Ausrichtung::Mitte),
          spalte("Erg.", 32, Ausrichtung::Mitte),   spalte("Schnitt", 60, Ausrichtung::Mitte)};
}

std::vector<std::string> tabellenZellen(const _mschtabellen& m, long pos, const TeamNames& namen,
                                        int32_t zehntel) {
  return {str(pos),
          namen(m.Vrnr, m.Rmschnr),
          str(m.Pluspunkte) + " : " + str(m.Minuspunkte),
          ringe(m.Ringsumme, zehntel),
          str(m.AnzahlErg),
          schnitt(m.Schnitt)};
}

}  // namespace listenbau
