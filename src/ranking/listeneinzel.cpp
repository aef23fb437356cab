#include <algorithm>
#include <map>
#include <unordered_map>

#include "core/db.h"
#include "core/globals.h"
#include "platform/text.h"
#include "ranking/gespeichert.h"
#include "ranking/listen.h"
#include "ranking/listenbausteine.h"
#include "ranking/ranking.h"

// The pages of the individual, class and club results and of the team captains.

using namespace gespeichert;
using namespace listenbau;

// ---- Page "Einzelergebnisse" ----

ListenTabelle EinzelergebnisListe(int32_t anzeige, int32_t disznr, int32_t klasseNr,
                                  int32_t durchgang, int32_t zehntelflag) {
  ListenTabelle t{
      {rangSpalte(38, Ausrichtung::Rechts), spalte("Passnr.", 60, Ausrichtung::Rechts),
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
  std::vector<ListenSpalte> s{rangSpalte(38, Ausrichtung::Rechts),
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
