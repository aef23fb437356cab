#include "ranking/listen.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "core/db.h"
#include "core/globals.h"
#include "platform/text.h"
#include "ranking/gespeichert.h"
#include "ranking/ranking.h"

using namespace gespeichert;

bool ListenZeile::leer() const {
  for (const std::string& z : Zellen)
    if (z.find_first_not_of(' ') != std::string::npos) return false;
  return true;
}

namespace {

// Fixed-point text independent of the locale the GUI library may have set.
std::string dezimal(double value, int decimals) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  return std::string(buf, res.ptr);
}

// Ring value in tenths: whole rings, or with one decimal when the discipline keeps tenths.
std::string ringe(long tenths, int32_t zehntel) {
  return zehntel >= 1 ? dezimal(static_cast<double>(tenths) * 0.1, 1) : str(tenths / 10);
}

std::string schnitt(float tenths) { return dezimal(static_cast<double>(tenths) * 0.1, 2); }

std::string paarErgebnis(long heim, long gast, int32_t zehntel, const char* trenner) {
  return ringe(heim, zehntel) + trenner + ringe(gast, zehntel);
}

ListenSpalte spalte(std::string titel, int breite, Ausrichtung a = Ausrichtung::Links) {
  return ListenSpalte{std::move(titel), breite, a};
}

// A row with one cell per column; missing cells stay empty.
void zeile(ListenTabelle& t, std::vector<std::string> zellen, bool fett = false) {
  zellen.resize(t.Spalten.size());
  t.Zeilen.push_back(ListenZeile{std::move(zellen), fett});
}
void trennzeile(ListenTabelle& t) { zeile(t, {}); }

// Rank by position; a value equal to the previous row's leaves the rank empty.
template <typename T>
class Rang {
 public:
  std::string operator()(T wert) {
    ++pos_;
    const bool gleich = pos_ > 1 && wert == vorher_;
    vorher_ = wert;
    return gleich ? std::string() : str(pos_);
  }

 private:
  long pos_ = 0;
  T vorher_{};
};

// Width of a column sized to its content, as the window measures it roughly.
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

// Shooter names by pass number and club: the first stored row counts.
std::unordered_map<Key2, std::string, KeyHash> schuetzenNamen() {
  db::Table t = db::query(gDbHaupt, "SELECT Passnr, VrNr, Name FROM Schuetzen ORDER BY rowid;");
  std::unordered_map<Key2, std::string, KeyHash> namen;
  for (size_t r = 0; r < t.size(); ++r) {
    Key2 key;
    if (storedKey(t, r, 0, 1, key)) namen.emplace(key, t.text(r, 2));
  }
  return namen;
}

template <typename Map, typename Key>
std::string gefunden(const Map& m, const Key& k) {
  auto it = m.find(k);
  return it == m.end() ? std::string() : it->second;
}

// Adds a condition on a key to a statement when a key is given (0 stands for all).
void nurMit(std::string& sql, db::Params& p, const char* bedingung, int32_t wert) {
  if (wert < 1) return;
  sql += bedingung;
  p.emplace_back(static_cast<int>(wert));
}

bool storedKey3(const db::Table& t, size_t row, Key3& k) {
  return storedInteger(t.text(row, 0), k.a) && storedInteger(t.text(row, 1), k.b) &&
         storedInteger(t.text(row, 2), k.c);
}

// Team results of one discipline (optionally one round) by class, club, team and round:
// the first stored row counts, 0 when there is none.
class Mannschaftsergebnisse {
 public:
  Mannschaftsergebnisse(int32_t disznr, int32_t klasseNr) {
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
  long operator()(long klasse, long vrnr, long mschnr, long runde) const {
    auto it = erg_.find(Schluessel{klasse, vrnr, mschnr, runde});
    return it == erg_.end() ? 0 : it->second;
  }

 private:
  using Schluessel = std::array<long, 4>;
  std::map<Schluessel, long> erg_;
};

// Pairings of the discipline in stored order, filtered to a class and/or a round.
struct Paarung {
  long Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr;
};
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

// The teams of the discipline's classes in position order, by class number.
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

// The round of a class: never below 1 and never beyond its last match day.
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

}  // namespace

// ---- Choices ----

std::vector<KlassenEintrag> KlassenListe(int32_t disznr) {
  db::Table t = db::query(gDbHaupt,
                          "SELECT Nr, Klname, AnzahlTermine, Minerganzahl FROM Mschklassen "
                          "WHERE Disznr = ? ORDER BY Nr, rowid;",
                          {static_cast<int>(disznr)});
  std::vector<KlassenEintrag> out;
  for (size_t r = 0; r < t.size(); ++r) {
    long nr;
    if (!storedInteger(t.text(r, 0), nr) || (!out.empty() && out.back().Nr == nr)) continue;
    out.push_back(
        KlassenEintrag{static_cast<int32_t>(nr), t.text(r, 1), t.integer(r, 2), t.integer(r, 3)});
  }
  return out;
}

int32_t MaxAnzahlTermine(const std::vector<KlassenEintrag>& klassen) {
  int32_t n = 0;
  for (const KlassenEintrag& k : klassen) n = std::max(n, k.AnzahlTermine);
  return n;
}

std::vector<VereinsEintrag> VereineDerDisziplin(int32_t disznr) {
  db::Table teams =
      db::query(gDbHaupt, "SELECT DISTINCT Vrnr FROM Msch_in_klassen WHERE Disznr = ?;",
                {static_cast<int>(disznr)});
  std::unordered_set<long> mitTeam;
  for (size_t r = 0; r < teams.size(); ++r) {
    long v;
    if (storedInteger(teams.text(r, 0), v)) mitTeam.insert(v);
  }
  db::Table clubs = db::query(gDbHaupt, "SELECT Nummer, Name FROM Vereine_gau ORDER BY rowid;");
  std::vector<VereinsEintrag> out;
  for (size_t r = 0; r < clubs.size(); ++r)
    if (mitTeam.count(clubs.num(r, 0)))
      out.push_back(VereinsEintrag{clubs.integer(r, 0), clubs.text(r, 1)});
  return out;
}

// ---- Page "Mannschaftstabellen" ----

namespace {
std::vector<ListenSpalte> mschTabellenSpalten(bool sortiert) {
  auto titel = [&](const char* t) { return std::string(sortiert ? t : ""); };
  return {spalte("Klasse", 60),
          spalte("Rang", 38, Ausrichtung::Mitte),
          spalte("Mannschaft", 160),
          spalte(titel("Punkte"), 60, Ausrichtung::Mitte),
          spalte(titel("Ringe"), 60, Ausrichtung::Mitte),
          spalte(titel("Erg."), 32, Ausrichtung::Mitte),
          spalte(titel("Schnitt"), 54, Ausrichtung::Mitte)};
}
}  // namespace

ListenTabelle StarttabellenListe(int32_t disznr) {
  ListenTabelle t{mschTabellenSpalten(false), {}};
  const TeamNames namen;
  const auto teams = mannschaftenDerKlassen(disznr);
  for (const KlassenEintrag& k : KlassenListe(disznr)) {
    auto it = teams.find(k.Nr);
    if (it == teams.end() || it->second.empty()) {
      zeile(t, {k.Klname, "1"});
    } else {
      long pos = 0;
      for (const Key2& m : it->second) {
        ++pos;
        zeile(t, {pos == 1 ? k.Klname : std::string(), str(pos), namen(m.a, m.b)});
      }
    }
    trennzeile(t);
  }
  return t;
}

ListenTabelle MannschaftstabellenListe(int32_t /*disznr*/, int32_t zehntelflag) {
  ListenTabelle t{mschTabellenSpalten(true), {}};
  const TeamNames namen;
  for (const auto& [nr, tabelle] : gMschTabellen) {
    long pos = 0;
    for (const _mschtabellen& m : tabelle) {
      ++pos;
      std::vector<std::string> z = tabellenZellen(m, pos, namen, zehntelflag);
      z.insert(z.begin(), pos == 1 ? m.Klname : std::string());
      zeile(t, std::move(z));
    }
    trennzeile(t);
  }
  return t;
}

// ---- Page "Mannschaftsergebnisse" ----

ListenTabelle BegegnungenListe(int32_t disznr, int32_t durchgang, int32_t zehntelflag) {
  ListenTabelle t{{spalte("Klasse", 60), spalte("Heimmannschaft", 170, Ausrichtung::Rechts),
                   spalte("Gastmannschaft", 170), spalte("Ringe", 90), spalte("", 40),
                   spalte("", 0), spalte("", 0), spalte("", 0)},
                  {}};
  const TeamNames namen;
  const Mannschaftsergebnisse erg(disznr, 0);
  std::unordered_map<long, std::vector<Paarung>> jeKlasse;
  for (const Paarung& p : paarungen(disznr, 0, durchgang)) jeKlasse[p.Mklnr].push_back(p);
  for (const KlassenEintrag& k : KlassenListe(disznr)) {
    bool erste = true;
    for (const Paarung& p : jeKlasse[k.Nr]) {
      const long heim = erg(k.Nr, p.Heimvrnr, p.Heimmschnr, durchgang);
      const long gast = erg(k.Nr, p.Gastvrnr, p.Gastmschnr, durchgang);
      zeile(t, {erste ? k.Klname : std::string(), namen(p.Heimvrnr, p.Heimmschnr),
                namen(p.Gastvrnr, p.Gastmschnr),
                heim > 0 || gast > 0 ? paarErgebnis(heim, gast, zehntelflag, " - ") : ""});
      erste = false;
    }
    trennzeile(t);
  }
  return t;
}

ListenTabelle MannschaftsRingschnittListe() {
  ListenTabelle t{{spalte("", 0), spalte("Rang", 40, Ausrichtung::Mitte), spalte("Mannschaft", 170),
                   spalte("Klasse", 100), spalte("Ringschnitt", 70, Ausrichtung::Mitte),
                   spalte("Anzahl Erg.", 67, Ausrichtung::Mitte), spalte("", 30), spalte("", 0)},
                  {}};
  Rang<float> rang;
  for (const _merg_sortdaten& m : gMergSortListe) {
    std::string r = rang(m.Schnitt);
    zeile(t, {"", r.empty() ? " " : r, m.Mschname, m.Klname, schnitt(m.Schnitt), str(m.AnzahlErg)});
  }
  return t;
}

ListenTabelle AufstellungenListe(int32_t disznr, int32_t klasseNr, int32_t durchgang,
                                 int32_t zehntelflag) {
  const int nameBreite = zehntelflag >= 1 ? 145 : 152;
  ListenTabelle t{{spalte("", 0), spalte("Passnr.", 60, Ausrichtung::Rechts),
                   spalte("Heimmannschaft", nameBreite), spalte("Ringe", 50, Ausrichtung::Mitte),
                   spalte("", 18), spalte("Passnr.", 60, Ausrichtung::Rechts),
                   spalte("Gastmannschaft", nameBreite), spalte("Ringe", 50, Ausrichtung::Mitte)},
                  {}};
  db::Table kl = db::query(gDbHaupt,
                           "SELECT AnzahlTermine, SchuetzenproMannschaftUnsort, "
                           "SchuetzenproMannschaftSort, Sortflag FROM Mschklassen WHERE Disznr = ? "
                           "AND Nr = ? ORDER BY rowid;",
                           {static_cast<int>(disznr), static_cast<int>(klasseNr)});
  if (kl.empty()) return t;
  const KlassenEintrag klasse{klasseNr, "", kl.integer(0, 0), 0};
  const int32_t runde = klassenRunde(klasse, durchgang);
  const long wertung = kl.num(0, 3) >= 1 ? kl.num(0, 2) : kl.num(0, 1);

  const TeamNames namen;
  const Mannschaftsergebnisse erg(disznr, klasseNr);
  const auto schuetzen = schuetzenNamen();
  // The shooters of the round by club and team: counted ones first, then the others, each
  // by rings descending with equal rings in stored order, as the entry mask lists them.
  struct Schuss {
    long Schnr, Ringerg;
    bool gezaehlt;
  };
  std::unordered_map<Key2, std::vector<Schuss>, KeyHash> seiten;
  db::Table s =
      db::query(gDbHaupt,
                "SELECT Vrnr, Mschnr, Schnr, Ringerg, Mschflag FROM Schuetzenerg WHERE "
                "Disznr = ? AND Ergnr = ? AND Mschklnr = ? ORDER BY rowid;",
                {static_cast<int>(disznr), static_cast<int>(runde), static_cast<int>(klasseNr)});
  for (size_t r = 0; r < s.size(); ++r) {
    Key2 key;
    long flag = 0;
    if (storedKey(s, r, 0, 1, key))
      seiten[key].push_back(
          Schuss{s.num(r, 2), s.num(r, 3), storedInteger(s.text(r, 4), flag) && flag == 1});
  }
  for (auto& [key, liste] : seiten)
    std::stable_sort(liste.begin(), liste.end(), [](const Schuss& a, const Schuss& b) {
      if (a.gezaehlt != b.gezaehlt) return a.gezaehlt;
      return a.Ringerg > b.Ringerg;
    });
  auto seite = [&](long vrnr, long mschnr) -> const std::vector<Schuss>& {
    static const std::vector<Schuss> keine;
    auto it = seiten.find(Key2{vrnr, mschnr});
    return it == seiten.end() ? keine : it->second;
  };

  for (const Paarung& p : paarungen(disznr, klasseNr, runde)) {
    if (p.Heimvrnr < 1 || p.Gastvrnr < 1) continue;
    zeile(t,
          {"", "", namen(p.Heimvrnr, p.Heimmschnr), "", "-", "", namen(p.Gastvrnr, p.Gastmschnr)},
          true);
    const auto& heim = seite(p.Heimvrnr, p.Heimmschnr);
    const auto& gast = seite(p.Gastvrnr, p.Gastmschnr);
    const size_t n = std::max(heim.size(), gast.size());
    auto zellen = [&](const std::vector<Schuss>& liste, size_t i, long vrnr,
                      std::vector<std::string>& z) {
      if (i >= liste.size()) {
        z.insert(z.end(), {" ", " ", " "});
        return;
      }
      std::string name = gefunden(schuetzen, Key2{liste[i].Schnr, vrnr});
      z.insert(z.end(), {str(liste[i].Schnr), name.empty() ? " " : name,
                         ringe(liste[i].Ringerg, zehntelflag)});
    };
    for (size_t i = 0; i < n; ++i) {
      std::vector<std::string> z{""};
      zellen(heim, i, p.Heimvrnr, z);
      z.push_back(" ");
      zellen(gast, i, p.Gastvrnr, z);
      zeile(t, std::move(z));
      if (static_cast<long>(i) + 1 == wertung)
        zeile(t,
              {"", "", "", ringe(erg(klasseNr, p.Heimvrnr, p.Heimmschnr, runde), zehntelflag), "",
               "", "", ringe(erg(klasseNr, p.Gastvrnr, p.Gastmschnr, runde), zehntelflag)},
              true);
    }
    trennzeile(t);
  }
  return t;
}

// ---- Page "Einzelergebnisse" ----

ListenTabelle EinzelergebnisListe(int32_t anzeige, int32_t disznr, int32_t klasseNr,
                                  int32_t durchgang, int32_t zehntelflag) {
  ListenTabelle t{
      {spalte("Rang", 38, Ausrichtung::Rechts), spalte("Passnr.", 60, Ausrichtung::Rechts),
       spalte("Name", 0), spalte("Verein", 0)},
      {}};
  if (anzeige <= 0) {
    t.Spalten.push_back(spalte("Ringe", 50, Ausrichtung::Mitte));
  } else if (anzeige == 1) {
    t.Spalten.push_back(spalte("Schnitt", 50, Ausrichtung::Mitte));
    t.Spalten.push_back(spalte("Erg", 30, Ausrichtung::Mitte));
  } else {
    t.Spalten.push_back(spalte("Schnitt", 54, Ausrichtung::Mitte));
    for (int32_t k = 1; k <= durchgang; ++k)
      t.Spalten.push_back(spalte("E" + str(k), zehntelflag >= 1 ? 40 : 32, Ausrichtung::Mitte));
  }

  // Every result of the shown rounds, by shooter, club and round; the first stored row of
  // a round counts, also one that the average did not count.
  std::unordered_map<Key3, long, KeyHash> runden;
  if (anzeige >= 2) {
    std::string sql = "SELECT Schnr, Vrnr, Ergnr, Ringerg FROM Schuetzenerg WHERE Disznr = ?";
    db::Params p{static_cast<int>(disznr)};
    nurMit(sql, p, " AND Mschklnr = ?", klasseNr);
    db::Table r = db::query(gDbHaupt, sql + " ORDER BY rowid;", p);
    for (size_t i = 0; i < r.size(); ++i) {
      Key3 k;
      if (storedKey3(r, i, k)) runden.emplace(k, r.num(i, 3));
    }
  }

  Rang<long> rundenRang;
  Rang<float> schnittRang;
  for (const _eerg_sortdaten& e : gEergSortListe) {
    std::vector<std::string> z{"", str(e.Passnr), e.Name, e.Vereinsname};
    if (anzeige <= 0) {
      const long wert = static_cast<long>(e.Schnitt);
      z[0] = rundenRang(wert);
      z.push_back(ringe(wert, zehntelflag));
    } else {
      z[0] = schnittRang(e.Schnitt);
      z.push_back(schnitt(e.Schnitt));
      if (anzeige == 1) {
        z.push_back(str(e.AnzahlErg));
      } else {
        for (int32_t k = 1; k <= durchgang; ++k) {
          auto it = runden.find(Key3{e.Passnr, e.Vrnr, k});
          z.push_back(it == runden.end() ? " " : ringe(it->second, zehntelflag));
        }
      }
    }
    zeile(t, std::move(z));
  }
  anInhaltAnpassen(t, 2);
  anInhaltAnpassen(t, 3);
  return t;
}

// ---- Page "Klassenergebnisse" ----

void KlassenRundenliste(int32_t disznr, int32_t klasseNr, int32_t durchgang) {
  gEergSortListe.clear();
  db::Table r = db::query(
      gDbHaupt,
      "SELECT Ringerg, Schnr, Vrnr, Mschnr FROM Schuetzenerg WHERE Disznr = ? "
      "AND Ergnr = ? AND Mschklnr = ? ORDER BY Ringerg DESC, rowid;",
      {static_cast<int>(disznr), static_cast<int>(durchgang), static_cast<int>(klasseNr)});
  if (r.empty()) return;
  const TeamNames namen;
  const auto schuetzen = schuetzenNamen();
  for (size_t i = 0; i < r.size(); ++i) {
    const long rings = r.num(i, 0);
    if (rings <= 0) continue;
    _eerg_sortdaten e;
    e.AnzahlErg = 1;
    e.Schnitt = static_cast<float>(rings);
    e.Ringsumme = static_cast<int32_t>(rings);
    e.Passnr = static_cast<int32_t>(r.num(i, 1));
    e.Name = gefunden(schuetzen, Key2{r.num(i, 1), r.num(i, 2)});
    e.Vereinsname = namen(r.num(i, 2), r.num(i, 3));
    gEergSortListe.push_back(std::move(e));
  }
}

namespace {

std::vector<ListenSpalte> paarungsSpalten() {
  return {spalte("Heim", 150), spalte("Gast", 150), spalte("Ringe", 110, Ausrichtung::Mitte)};
}

std::vector<ListenSpalte> einzelSpalten(const char* wert, bool mitAnzahl) {
  std::vector<ListenSpalte> s{spalte("Rang", 38, Ausrichtung::Rechts),
                              spalte("Passnr.", 60, Ausrichtung::Rechts), spalte("Name", 120),
                              spalte("Mannschaft", 130), spalte(wert, 56, Ausrichtung::Mitte)};
  if (mitAnzahl) s.push_back(spalte("Erg.", 32, Ausrichtung::Mitte));
  return s;
}

void rundenergebnisse(ListenTabelle& t, int32_t disznr, int32_t klasseNr, int32_t runde,
                      int32_t zehntel) {
  t.Spalten = einzelSpalten("Ringe", false);
  KlassenRundenliste(disznr, klasseNr, runde);
  Rang<long> rang;
  for (const _eerg_sortdaten& e : gEergSortListe) {
    const long wert = static_cast<long>(e.Schnitt);
    zeile(t, {rang(wert), str(e.Passnr), e.Name, e.Vereinsname, ringe(wert, zehntel)});
  }
}

void begegnungenDerRunde(ListenTabelle& t, int32_t disznr, int32_t klasseNr, int32_t runde,
                         const Mannschaftsergebnisse& erg, const TeamNames& namen,
                         int32_t zehntel) {
  t.Spalten = paarungsSpalten();
  for (const Paarung& p : paarungen(disznr, klasseNr, runde)) {
    const long heim = erg(klasseNr, p.Heimvrnr, p.Heimmschnr, runde);
    const long gast = erg(klasseNr, p.Gastvrnr, p.Gastmschnr, runde);
    zeile(t, {namen(p.Heimvrnr, p.Heimmschnr), namen(p.Gastvrnr, p.Gastmschnr),
              heim > 0 || gast > 0 ? paarErgebnis(heim, gast, zehntel, " - ") : ""});
  }
}

}  // namespace

KlassenListen KlassenergebnisListen(int32_t disznr, int32_t klasseNr, int32_t durchgang,
                                    int32_t anzeige, int32_t minRinge, int32_t minAnzahl,
                                    int32_t zehntelflag) {
  KlassenListen l;
  const auto klassen = KlassenListe(disznr);
  const KlassenEintrag* k = findeKlasse(klassen, klasseNr);
  if (!k) return l;
  const int32_t runde = klassenRunde(*k, durchgang);
  const TeamNames namen;

  if (anzeige >= 1) {
    l.Oben.Spalten = tabellenSpalten();
    BerechneMannschaftstabellen(runde - 1, disznr);
    if (anzeige == 2) zeile(l.Oben, {"", k->Klname}, true);
    long pos = 0;
    for (const _mschtabellen& m : gMschTabellen[klasseNr])
      zeile(l.Oben, tabellenZellen(m, ++pos, namen, zehntelflag));
  }

  if (anzeige <= 0) {
    const Mannschaftsergebnisse erg(disznr, klasseNr);
    begegnungenDerRunde(l.Oben, disznr, klasseNr, runde, erg, namen, zehntelflag);
    rundenergebnisse(l.Unten, disznr, klasseNr, runde, zehntelflag);
  } else if (anzeige == 1) {
    l.Unten.Spalten = einzelSpalten("Schnitt", true);
    const int32_t anzahl = std::clamp(minAnzahl, 1, std::max(1, std::min(runde, k->AnzahlTermine)));
    BerechneEinzelwertung(1, klasseNr, runde - 1, minRinge, anzahl, zehntelflag, disznr);
    Rang<float> rang;
    for (const _eerg_sortdaten& e : gEergSortListe)
      zeile(l.Unten, {rang(e.Schnitt), str(e.Passnr), e.Name, namen(e.Vrnr, e.Mschnr),
                      schnitt(e.Schnitt), str(e.AnzahlErg)});
  } else if (anzeige == 2) {
    l.Unten.Spalten = {spalte("Dg Nr.", 50, Ausrichtung::Mitte), spalte("Heim", 150),
                       spalte("Gast", 150), spalte("Ringe", 80, Ausrichtung::Mitte)};
    const Mannschaftsergebnisse erg(disznr, klasseNr);
    std::map<long, std::vector<Paarung>> jeRunde;
    for (const Paarung& p : paarungen(disznr, klasseNr, 0)) jeRunde[p.Kampfnr].push_back(p);
    for (int32_t r = 1; r <= std::min(runde, k->AnzahlTermine); ++r) {
      for (const Paarung& p : jeRunde[r]) {
        std::string heim = namen(p.Heimvrnr, p.Heimmschnr), gast = namen(p.Gastvrnr, p.Gastmschnr);
        if (heim.empty() || gast.empty()) continue;
        zeile(l.Unten,
              {str(r), heim, gast,
               paarErgebnis(erg(klasseNr, p.Heimvrnr, p.Heimmschnr, r),
                            erg(klasseNr, p.Gastvrnr, p.Gastmschnr, r), zehntelflag, "- ")});
      }
      trennzeile(l.Unten);
    }
  } else {
    const Mannschaftsergebnisse erg(disznr, klasseNr);
    begegnungenDerRunde(l.Mitte, disznr, klasseNr, runde, erg, namen, zehntelflag);
    rundenergebnisse(l.Unten, disznr, klasseNr, runde, zehntelflag);
  }
  return l;
}

// ---- Page "Vereinsergebnisse" ----

ListenTabelle VereinsergebnisListe(int32_t disznr, int32_t vrnr, int32_t filter,
                                   bool nurMitErgebnis, int32_t zehntelflag) {
  ListenTabelle t;
  db::Table sch =
      db::query(gDbHaupt, "SELECT Passnr, Name FROM Schuetzen WHERE VrNr = ? ORDER BY Name, rowid;",
                {static_cast<int>(vrnr)});
  db::Table erg = db::query(gDbHaupt,
                            "SELECT Schnr, Ergnr, Ringerg, Mschnr, Mschflag FROM Schuetzenerg "
                            "WHERE Disznr = ? AND Vrnr = ? ORDER BY Ergnr, rowid;",
                            {static_cast<int>(disznr), static_cast<int>(vrnr)});
  // The club's rows by pass number in round order (Ergnr, then stored order); the team
  // changers look at the rows of team shooters only.
  const bool wechsler = filter >= 1;
  std::unordered_map<long, std::vector<size_t>> zeilen;
  for (size_t r = 0; r < erg.size(); ++r) {
    long schnr, flag = 0;
    if (!storedInteger(erg.text(r, 0), schnr)) continue;
    if (wechsler && !(storedInteger(erg.text(r, 4), flag) && flag == 1)) continue;
    zeilen[schnr].push_back(r);
  }
  long n = 0;
  for (size_t s = 0; s < sch.size(); ++s) {
    auto it = zeilen.find(sch.num(s, 0));
    if (it != zeilen.end()) n = std::max(n, erg.num(it->second.back(), 1));
  }

  t.Spalten = {spalte("", 0), spalte("Passnr.", 60, Ausrichtung::Rechts), spalte("Name", 160)};
  for (long k = 1; k <= n; ++k)
    t.Spalten.push_back(
        spalte((wechsler ? "Dg" : "E") + str(k), zehntelflag >= 1 ? 40 : 32, Ausrichtung::Mitte));

  static const std::vector<size_t> keine;
  for (size_t s = 0; s < sch.size(); ++s) {
    auto it = zeilen.find(sch.num(s, 0));
    const std::vector<size_t>& rows = it == zeilen.end() ? keine : it->second;
    if (wechsler) {
      long anzahl = 0;
      bool gewechselt = false;
      for (size_t i = 0; i < rows.size(); ++i) {
        if (i > 0 && erg.num(rows[i], 3) != erg.num(rows[i - 1], 3)) gewechselt = true;
        if (gewechselt && erg.num(rows[i], 2) >= 1) ++anzahl;
      }
      if (anzahl == 0) continue;
    } else if (nurMitErgebnis && std::none_of(rows.begin(), rows.end(),
                                              [&](size_t r) { return erg.num(r, 2) > 0; })) {
      continue;
    }
    std::vector<std::string> z{"", sch.text(s, 0), sch.text(s, 1)};
    for (long k = 1; k <= n; ++k) {
      auto r = std::find_if(rows.begin(), rows.end(), [&](size_t x) { return erg.num(x, 1) == k; });
      if (r == rows.end())
        z.push_back(" ");
      else
        z.push_back(wechsler ? str(erg.num(*r, 3)) : ringe(erg.num(*r, 2), zehntelflag));
    }
    zeile(t, std::move(z));
  }
  return t;
}

// ---- Page "Mannschaftsleiter" ----

ListenTabelle MannschaftsleiterListe(int32_t disznr, int32_t vrnr, int32_t klasseNr) {
  ListenTabelle t{{spalte("Klasse", 100), spalte("Mannschaft", 160), spalte("Tel. Verein", 90),
                   spalte("Mannschaftsleiter", 140), spalte("Strasse", 140), spalte("Plz", 50),
                   spalte("Ort", 110), spalte("Tel. Privat", 90), spalte("Tel.Firma/Handy", 100),
                   spalte("Fax", 90), spalte("Mail", 150)},
                  {}};
  const auto teams = mannschaftenDerKlassen(disznr);
  auto hatTeam = [&](const KlassenEintrag& k) {
    auto it = teams.find(k.Nr);
    return it != teams.end() && std::any_of(it->second.begin(), it->second.end(),
                                            [&](const Key2& m) { return m.a == vrnr; });
  };
  std::vector<KlassenEintrag> klassen;
  for (const KlassenEintrag& k : KlassenListe(disznr)) {
    const bool gewaehlt = klasseNr >= 1 ? k.Nr == klasseNr : vrnr < 1 || hatTeam(k);
    if (gewaehlt) klassen.push_back(k);
  }
  if (klassen.empty()) return t;

  const TeamNames namen;
  std::unordered_map<long, std::string> telefon;  // the first row of a club counts
  db::Table tel = db::query(gDbHaupt, "SELECT Nummer, TelSStd FROM Vereine_zstext ORDER BY rowid;");
  for (size_t r = 0; r < tel.size(); ++r) {
    long nr;
    if (storedInteger(tel.text(r, 0), nr)) telefon.emplace(nr, tel.text(r, 1));
  }
  std::unordered_map<Key2, std::vector<size_t>, KeyHash> leiter;
  db::Table fuehrer = db::query(gDbHaupt,
                                "SELECT Vrnr, Rmschnr, Name, Strasse, Plz, Ort, Tel_a, Tel_b, "
                                "Fax, Mail FROM Msch_fuehrer WHERE Disznr = ? ORDER BY rowid;",
                                {static_cast<int>(disznr)});
  for (size_t r = 0; r < fuehrer.size(); ++r) {
    Key2 key;
    if (storedKey(fuehrer, r, 0, 1, key)) leiter[key].push_back(r);
  }

  for (const KlassenEintrag& k : klassen) {
    bool erste = true;
    auto it = teams.find(k.Nr);
    if (it != teams.end()) {
      for (const Key2& m : it->second) {
        std::vector<std::string> z{erste ? k.Klname : "", namen(m.a, m.b), gefunden(telefon, m.a)};
        erste = false;
        auto l = leiter.find(m);
        if (l == leiter.end()) {
          zeile(t, std::move(z));
          continue;
        }
        // A second captain of the team goes on a row of its own.
        for (size_t i = 0; i < l->second.size(); ++i) {
          if (i > 0) z = {"", "", ""};
          for (size_t c = 2; c < 10; ++c) z.push_back(fuehrer.text(l->second[i], c));
          zeile(t, std::move(z));
        }
      }
    }
    if (erste) zeile(t, {k.Klname});
    trennzeile(t);
  }
  return t;
}
