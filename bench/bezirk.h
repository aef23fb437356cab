#pragma once
// A district as clubs write it, for looking at the printed lists: club names of up to 45
// characters with umlauts and "ß", teams I to III, classes such as "Gauoberliga", captains
// with full addresses, telephones in the clubs' own spellings and e-mails, shooters with long
// names, the schedule of every class and the results of its first rounds.
//
// The small district (14 clubs) has one discipline with three classes of 12, 10 and 8 teams;
// club 101 has a team in each. A larger one (e.g. 120 or 300 clubs) has about two teams per
// club in classes of 12 in the first discipline and classes of 8 in the second, and 200
// shooters per club. Every value comes from a fixed sequence, so each build makes the same
// district.
#include <cstdint>
#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "season/gegner.h"

namespace bezirk {

// A value of the district and what it is, for the reading of the printed pages.
struct Wert {
  const char* art;  // "verein", "mannschaft", "klasse", "name", "strasse", "ort", "tel", "mail", "schuetze"
  std::string text;
};

struct Bezirk {
  std::vector<long> vereine;  // club numbers
  std::vector<Wert> werte;
  int runden = 3;             // rounds with results
};

namespace detail {

// The standard fixes this engine's sequence, so every build makes the same district.
inline std::mt19937 gZufall;
inline int zufall(int n) { return static_cast<int>(gZufall() % static_cast<uint32_t>(n)); }
template <size_t N>
const char* eins(const char* const (&liste)[N]) {
  return liste[zufall(static_cast<int>(N))];
}

inline const char* const kArten[][2] = {
    {"Schützengesellschaft", "sg"},       {"Feuerschützengesellschaft", "fsg"},
    {"Zimmerstutzenschützen", "zss"},     {"Schützenverein", "sv"},
    {"Sportschützengemeinschaft", "ssg"}, {"Schützengilde", "sgi"},
    {"Böllerschützenverein", "bsv"},      {"Königlich privilegierte Schützengesellschaft", "kpsg"}};
inline const char* const kBeinamen[] = {"Edelweiß", "Hubertus",   "Alpenrose", "Almrausch", "Tell",
                                        "Enzian",   "Gemütlichkeit", "Diana", "Eichenlaub", "Immergrün",
                                        "Frohsinn", "Waldeslust", "Bergfried", "Jägerheim", "Wildschütz",
                                        "Hirschberg"};
inline const char* const kOrte[] = {
    "Stephanskirchen",       "Großkarolinenfeld",      "Bad Aibling-Mietraching", "Schloßberg",
    "Raubling-Großholzhausen", "Prutting-Söchtenau",   "Rohrdorf-Thansau",        "Neubeuern-Altenmarkt",
    "Brannenburg-Degerndorf", "Kolbermoor",            "Tuntenhausen-Ostermünchen", "Bruckmühl-Götting",
    "Feldkirchen-Westerham",  "Oberaudorf",            "Schechen-Pfaffenhofen",   "Rosenheim-Fürstätt",
    "Riedering-Söllhuben",    "Vogtareuth",            "Großhöhenrain",           "Aßling-Obstädt",
    "Höslwang",               "Bad Feilnbach-Au",      "Wasserburg am Inn",       "Söchtenau-Krottenmühl"};
inline const char* const kWohnorte[] = {
    "Großkarolinenfeld", "Stephanskirchen", "Bad Aibling", "Feldkirchen-Westerham", "Tuntenhausen",
    "Brannenburg",       "Neubeuern",       "Rohrdorf",    "Prutting",              "Kolbermoor",
    "Raubling",          "Oberaudorf",      "Schechen",    "Rosenheim",             "Riedering",
    "Vogtareuth",        "Bruckmühl",       "Aßling",      "Höslwang",              "Großhöhenrain",
    "Wasserburg am Inn", "Söchtenau",       "Bad Feilnbach", "Bernau am Chiemsee"};
inline const char* const kStrassen[] = {
    "Am Schießstand", "Hauptstraße", "Großkarolinenfelder Straße", "Bürgermeister-Müller-Weg",
    "Kirchplatz",     "Rosenheimer Landstraße", "Schützenstraße", "Am Mühlbach", "Dorfstraße",
    "Sankt-Florian-Straße", "Oberwöhrer Weg", "Weißenbergstraße", "Kufsteiner Straße", "Ährenfeldweg"};
inline const char* const kNummern[] = {"1", "12a", "127", "3b", "45", "7", "118", "2c", "24"};
inline const char* const kNachnamen[] = {
    "Strauß",    "Hinterberger", "Großkopf-Überreiter", "Schweinsteiger", "Obermaier", "Huber",
    "Schönauer", "Fürstenrieder", "Haslberger", "Kreuzpointner", "Ostermaier-Stöckl", "Niederreiter",
    "Weißenbacher", "Mühlbauer", "Zehetmair", "Schöttl", "Maier", "Wimmer"};
inline const char* const kVornamen[] = {
    "Konstantin", "Maximilian", "Johann-Georg", "Theresia", "Franziska",   "Sebastian",
    "Bartholomäus", "Walburga", "Korbinian",    "Magdalena", "Leonhard",   "Kreszenz",
    "Josef",      "Anna-Lena",  "Florian",      "Ursula",    "Maximiliane Theresia"};
inline const char* const kAnbieter[] = {"t-online.de", "gmx.de", "web.de"};

// "ä" as "ae", blanks left out: the form of a name in an e-mail.
inline std::string ascii(const std::string& cp1252) {
  std::string out;
  for (unsigned char c : cp1252) {
    switch (c) {
      case 0xE4: case 0xC4: out += "ae"; break;
      case 0xF6: case 0xD6: out += "oe"; break;
      case 0xFC: case 0xDC: out += "ue"; break;
      case 0xDF: out += "ss"; break;
      case ' ': case ',': case '.': break;
      default: out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
  }
  return out;
}

inline std::string ziffern(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>('0' + zufall(10));
  return s;
}

// As clubs write them: "08031 940 12-34", "0171 555 12 34 56", "08061 4711-0815", "08031/940123".
inline std::string telefon() {
  switch (zufall(4)) {
    case 0: return "080" + ziffern(2) + " " + ziffern(3) + " " + ziffern(2) + "-" + ziffern(2);
    case 1: return std::string("01") + eins({"51", "60", "71", "76"}) + " " + ziffern(3) + " " + ziffern(2) +
                   " " + ziffern(2) + " " + ziffern(2);
    case 2: return "080" + ziffern(2) + " " + ziffern(4) + "-" + ziffern(4);
    default: return "080" + ziffern(2) + "/" + ziffern(6);
  }
}

inline std::string vereinsName(size_t i, std::string& domain) {
  const auto& art = kArten[i % std::size(kArten)];
  const std::string bei = kBeinamen[(i * 7 + i / 16) % std::size(kBeinamen)];
  const std::string ort = kOrte[(i * 5 + i / 24) % std::size(kOrte)];
  std::string n = std::string(art[0]) + " " + bei + " " + ort;
  if (n.size() > 45) n = std::string(art[0]) + " " + ort;
  if (n.size() > 45) n = std::string(art[1] == std::string("kpsg") ? "Kgl. priv. SG" : "SG") + " " + bei + " " + ort;
  if (n.size() > 45) n = "SG " + ort;
  if (n.size() + 5 <= 45) n += " e.V.";
  domain = std::string(art[1]) + "-" + ascii(i % 4 ? bei : ort.substr(0, ort.find('-'))) + ".de";
  return n;
}

// The rounds of every class from its Gegner rows: one team's result and those of its shooters.
inline void ergebnisse(int disznr, int runden, const std::function<std::vector<long>(long, int)>& aufstellung) {
  db::Table g = db::query(gDbHaupt,
                          "SELECT Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr FROM Gegner "
                          "WHERE Disznr = ? AND Kampfnr <= ? ORDER BY Mklnr, Kampfnr, rowid;",
                          {disznr, runden});
  for (size_t r = 0; r < g.size(); ++r) {
    const int klasse = g.integer(r, 0), runde = g.integer(r, 1);
    int summe[2] = {0, 0};
    for (int s = 0; s < 2; ++s) {
      const long vr = g.num(r, 2 + 2 * s);
      const int m = g.integer(r, 3 + 2 * s);
      if (vr <= 0) continue;
      std::vector<long> schuetzen = aufstellung(vr, m);
      for (size_t i = 0; i < 4 && i < schuetzen.size(); ++i) {
        const int ringe = (360 + zufall(39)) * 10;
        summe[s] += ringe;
        db::exec(gDbHaupt,
                 "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, Mschnr) "
                 "VALUES (?, ?, ?, ?, 1, ?, ?, ?);",
                 {schuetzen[(i + static_cast<size_t>(runde)) % schuetzen.size()], disznr, ringe, runde, klasse, vr, m});
      }
    }
    for (int s = 0; s < 2; ++s) {
      if (g.num(r, 2 + 2 * s) <= 0) continue;
      const int plus = summe[s] > summe[1 - s] ? 2 : summe[s] == summe[1 - s] ? 1 : 0;
      db::exec(gDbHaupt,
               "INSERT INTO Mscherg (Mklnr, Vrnr, Rmschnr, Ringerg, Pluspunkte, Minuspunkte, Korrekturpunkte, "
               "Disznr, Ergnr) VALUES (?, ?, ?, ?, ?, ?, 0, ?, ?);",
               {klasse, g.num(r, 2 + 2 * s), g.integer(r, 3 + 2 * s), summe[s], plus, 2 - plus, disznr, runde});
    }
  }
}

}  // namespace detail

// Fills the open main database, whose default rows exist, with a district of `anzahl` clubs.
inline Bezirk lege(int anzahl) {
  using namespace detail;
  gZufall.seed(12345);
  Bezirk b;
  const bool klein = anzahl <= 20;
  const int proVerein = klein ? 25 : 200;
  db::Transaction t(gDbHaupt);
  for (const char* tab : {"Vereine_gau", "Vereine_zstext", "Schuetzen", "Mschklassen", "Msch_in_klassen", "Mscherg",
                          "Schuetzenerg", "Gegner", "Msch_fuehrer", "Termine"})
    db::exec(gDbHaupt, std::string("DELETE FROM ") + tab + ";");
  db::exec(gDbHaupt, "UPDATE Disznamen SET Saisonname = '2026/27', SortEErgMinAnzErg = 1, SortEErgMinRinge = 0;");
  std::vector<std::string> domains;
  for (int i = 0; i < anzahl; ++i) {
    const long nr = 101 + i;
    std::string domain;
    const std::string name = vereinsName(static_cast<size_t>(i), domain);
    const std::string tel = telefon();
    db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);", {nr, name});
    db::exec(gDbHaupt, "INSERT INTO Vereine_zstext (Nummer, ZsText, TelSStd) VALUES (?, ?, ?);",
             {nr, "Schützenheim " + name, tel});
    b.vereine.push_back(nr);
    domains.push_back(domain);
    b.werte.push_back({"verein", name});
    b.werte.push_back({"tel", tel});
    for (int s = 0; s < proVerein; ++s) {
      const std::string sn = std::string(eins(kNachnamen)) + ", " + eins(kVornamen);
      db::exec(gDbHaupt,
               "INSERT INTO Schuetzen (Passnr, VrNr, Name, Gebdat, Geschl, AktivFlag, JklNr, JklFlag) "
               "VALUES (?, ?, ?, ?, ?, ?, 5, 1);",
               {nr * 1000 + s, nr, sn, (s % 28 < 9 ? "0" : "") + std::to_string(s % 28 + 1) + ".0" +
                                           std::to_string(1 + s % 9) + "." + std::to_string(1950 + s % 56),
                s % 3 ? "M" : "W", s % 17 ? "1" : "0"});
      b.werte.push_back({"schuetze", sn});
    }
  }
  // Teams: I of every club, then II, then III; classes filled in that order.
  std::vector<int> teams(static_cast<size_t>(anzahl), 2);
  if (klein) {
    teams[0] = teams[12 % teams.size()] = 3;
  } else {
    for (size_t i = 0; i < teams.size(); ++i) teams[i] = 1 + static_cast<int>((i * 5) % 3);  // 1, 3, 2, ...
  }
  struct Team { long vr; int nr; };
  const char* const stufen[] = {"Kreisliga", "Kreisklasse A", "Kreisklasse B", "Kreisklasse C", "Kreisklasse D"};
  const char* const gruppen[] = {"Nord", "Süd", "Ost", "West", "Mitte"};
  auto klassenName = [&](int k) -> std::string {
    if (klein) return k == 1 ? "Gauoberliga" : k == 2 ? "Bezirksliga" : "Kreisklasse A";
    if (k <= 3) return k == 1 ? "Gauoberliga" : k == 2 ? "Gauliga" : "Bezirksoberliga";
    if (k <= 5) return std::string("Bezirksliga ") + gruppen[k - 4];
    const int i = k - 6;
    const size_t stufe = static_cast<size_t>(i / 5);
    if (stufe < std::size(stufen)) return std::string(stufen[stufe]) + " " + gruppen[i % 5];
    return std::string("Kreisklasse D ") + gruppen[i % 5] + " " + std::to_string(stufe - std::size(stufen) + 2);
  };
  auto termin = [](int runde) {
    const int tag = 1 + (runde * 7) % 28, monat = 9 + runde / 4;
    return (tag < 10 ? "0" : "") + std::to_string(tag) + "." + (monat % 12 + 1 < 10 ? "0" : "") +
           std::to_string(monat % 12 + 1) + "." + (monat < 12 ? "2026" : "2027");
  };
  for (int disz = 0; disz < (klein ? 1 : 2); ++disz) {
    std::vector<Team> alle;
    for (int nr = 1; nr <= 3; ++nr)
      for (size_t i = 0; i < teams.size(); ++i) {
        const int n = disz == 0 ? teams[i] : (i % 3 == 0 ? 1 : 0);
        if (nr <= n) alle.push_back({b.vereine[i], nr});
      }
    std::vector<int> groessen;
    if (klein && disz == 0) groessen = {12, 10, 8};
    for (size_t rest = alle.size(); rest > 0;) {
      if (klein && disz == 0) break;
      const size_t g = std::min<size_t>(rest, disz == 0 ? 12 : 8);
      groessen.push_back(static_cast<int>(g));
      rest -= g;
    }
    size_t naechstes = 0;
    for (size_t k = 0; k < groessen.size(); ++k) {
      const int kl = static_cast<int>(k) + 1, n = groessen[k];
      const std::string kn = klassenName(kl);
      const int termine = 2 * (n - 1 + n % 2);
      db::exec(gDbHaupt,
               "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr, SchuetzenproMannschaftUnsort, "
               "SchuetzenproMannschaftSort, Sortflag, MaxSchuetzenproMannschaft, Minerganzahl) "
               "VALUES (?, ?, ?, ?, 4, 4, 1, 6, 1);",
               {kl, kn, termine, disz});
      b.werte.push_back({"klasse", kn});
      // The positions shuffled by a step prime to the class's size, so a club's teams do not
      // always stand together.
      int schritt = 5;
      while (std::gcd(schritt, n) != 1) schritt += 2;
      for (int p = 1; p <= n; ++p) {
        const Team& m = alle[naechstes + static_cast<size_t>((p * schritt) % n)];
        db::exec(gDbHaupt,
                 "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (?, ?, ?, ?, ?);",
                 {kl, p, disz, m.vr, m.nr});
        b.werte.push_back({"mannschaft", MannschaftsName(m.vr, m.nr)});
      }
      for (int d = 1; d <= termine; ++d)
        db::exec(gDbHaupt, "INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (?, ?, ?, ?);",
                 {kl, d, termin(d), disz});
      naechstes += static_cast<size_t>(n);
    }
    // One captain per team; every twentieth team has none, every fifteenth a second one.
    for (size_t i = 0; i < alle.size(); ++i) {
      if (i % 20 == 19) continue;
      for (int zweiter = 0; zweiter <= (i % 15 == 7 ? 1 : 0); ++zweiter) {
        const std::string nach = eins(kNachnamen), vor = eins(kVornamen);
        const std::string name = nach + ", " + vor;
        const std::string strasse = std::string(eins(kStrassen)) + " " + eins(kNummern);
        const std::string ort = eins(kWohnorte);
        const std::string mail = ascii(vor).substr(0, 1) + "." + ascii(nach.substr(0, nach.find('-'))) + ziffern(2) + "@" +
                                 (zufall(4) ? domains[static_cast<size_t>(alle[i].vr - 101)] : eins(kAnbieter));
        const std::string tel[3] = {telefon(), telefon(), zufall(3) ? telefon() : std::string()};
        db::exec(gDbHaupt,
                 "INSERT INTO Msch_fuehrer (Disznr, Vrnr, Rmschnr, Name, Strasse, Plz, Ort, Tel_a, Tel_b, Fax, Mail) "
                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
                 {disz, alle[i].vr, alle[i].nr, name, strasse, "83" + ziffern(3), ort, tel[0], tel[1], tel[2], mail});
        for (const auto& w : {Wert{"name", name}, Wert{"strasse", strasse}, Wert{"ort", ort}, Wert{"mail", mail},
                              Wert{"tel", tel[0]}, Wert{"tel", tel[1]}, Wert{"tel", tel[2]}})
          if (!w.text.empty()) b.werte.push_back(w);
      }
    }
    WriteGegnerTable(disz);
    // A team's shooters: six of its club's, the team's own stretch of the club's list.
    detail::ergebnisse(disz, b.runden, [&](long vr, int m) {
      std::vector<long> s;
      for (int i = 0; i < 6; ++i) s.push_back(vr * 1000 + ((disz * 3 + m - 1) * 6 + i) % proVerein);
      return s;
    });
  }
  t.commit();
  return b;
}

}  // namespace bezirk
