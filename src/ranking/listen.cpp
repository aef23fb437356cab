#include "ranking/listen.h"

#include <algorithm>
#include <unordered_set>

#include "core/db.h"
#include "core/globals.h"
#include "platform/text.h"
#include "ranking/gespeichert.h"
#include "ranking/listenbausteine.h"
#include "ranking/ranking.h"

using namespace gespeichert;
using namespace listenbau;

bool ListenZeile::leer() const {
  for (const std::string& z : Zellen)
    if (z.find_first_not_of(' ') != std::string::npos) return false;
  return true;
}

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
  ListenTabelle t{{spalte("", 0), rangSpalte(40, Ausrichtung::Mitte), spalte("Mannschaft", 170),
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
    const size_t kopf = t.Zeilen.size();
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
    // A pairing is one entry: its rows keep their step where its team line wraps.
    for (size_t i = kopf; i < t.Zeilen.size(); ++i) t.Zeilen[i].Folgezeile = true;
    trennzeile(t);
  }
  return t;
}
