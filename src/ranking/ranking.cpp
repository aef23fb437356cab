#include "ranking/ranking.h"

#include <algorithm>
#include <cstddef>
#include <unordered_map>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "platform/text.h"
#include "ranking/gespeichert.h"

std::vector<_eerg_sortdaten> gEergSortListe;
std::map<int, std::vector<_mschtabellen>> gMschTabellen;
std::vector<_mschtabellen> gMschTabelleTmp;
std::vector<_merg_sortdaten> gMergSortListe;

using namespace gespeichert;

namespace {

// The class filter is part of the statement only when a class is chosen: its condition
// ends the WHERE clause and its value ends the parameters.
std::string classFilter(int32_t klasse) { return klasse >= 1 ? " AND Mschklnr = ?" : ""; }

db::Params withClass(db::Params params, int32_t klasse) {
  if (klasse >= 1) params.emplace_back(static_cast<int>(klasse));
  return params;
}

void listRound(int32_t klasse, int32_t rundenindex, int32_t minRinge, int32_t disznr) {
  const std::string roundRows =
      "FROM Schuetzenerg WHERE Disznr = ? AND Ergnr = ?" + classFilter(klasse);
  const db::Params params = withClass({static_cast<int>(disznr), rundenindex + 1}, klasse);
  db::Table round = db::query(
      gDbHaupt, "SELECT Ringerg, Schnr, Vrnr " + roundRows + " ORDER BY Ringerg DESC, rowid;",
      params);

  // The shooter rows that the round can name, as pass number and club -> its names without
  // repetition in stored order (NULL and '' count as different names). The last one counts.
  db::Table shooters = db::query(gDbHaupt,
                                 "SELECT Passnr, VrNr, Name, Name IS NULL FROM Schuetzen WHERE "
                                 "Passnr IN (SELECT IFNULL(CAST(Schnr AS INTEGER), 0) " +
                                     roundRows + ") ORDER BY rowid;",
                                 params);
  std::unordered_map<Key2, std::vector<size_t>, KeyHash> names;
  for (size_t r = 0; r < shooters.size(); ++r) {
    Key2 key;
    if (!storedKey(shooters, r, 0, 1, key)) continue;
    std::vector<size_t>& seen = names[key];
    const bool known = std::any_of(seen.begin(), seen.end(), [&](size_t s) {
      return shooters.text(s, 2) == shooters.text(r, 2) &&
             shooters.text(s, 3) == shooters.text(r, 3);
    });
    if (!known) seen.push_back(r);
  }
  const auto clubs = readClubNames();

  for (size_t r = 0; r < round.size(); ++r) {
    const long rings = round.num(r, 0);
    // Listed: a result above 0 of at least the minimum whole rings.
    if (rings <= 0 || rings / 10 < minRinge) continue;
    _eerg_sortdaten row;
    row.AnzahlErg = 1;
    row.Schnitt = static_cast<float>(rings);
    row.Ringsumme = static_cast<int32_t>(rings);
    row.Passnr = static_cast<int32_t>(round.num(r, 1));
    const Key2 key{round.num(r, 1), round.num(r, 2)};
    auto found = names.find(key);
    if (found != names.end() && !found->second.empty()) {
      row.Name = shooters.text(found->second.back(), 2);
      row.Vereinsname = clubName(clubs, key.b);
    }
    gEergSortListe.push_back(std::move(row));
  }
}

// A shooter's results under one club, counted up to the round.
struct ShooterTally {
  std::vector<size_t> rows;  // in the order of Ergnr, then stored order
  bool counted = false;
  long count = 0;
  long sum = 0;
  long mschnr = 0;
};

void rankAverages(int32_t klasse, int32_t rundenindex, int32_t minRinge, int32_t minAnzahl,
                  int32_t disznr) {
  db::Table shooters = db::query(
      gDbHaupt, "SELECT Passnr, VrNr, Name FROM Schuetzen WHERE AktivFlag = ? ORDER BY rowid;",
      {"1"});
  // Identical results count once; the IS NULL mask keeps NULL apart from '' as the
  // database's DISTINCT does.
  db::Table results = db::query(
      gDbHaupt,
      "SELECT Schnr, Vrnr, Ergnr, Ringerg, Mschnr, (Ergnr IS NULL) + 2 * (Ringerg IS NULL) + 4 * "
      "(Mschnr IS NULL) FROM Schuetzenerg WHERE Disznr = ?" +
          classFilter(klasse) + " ORDER BY Ergnr, rowid;",
      withClass({static_cast<int>(disznr)}, klasse));
  const auto clubs = readClubNames();

  std::unordered_map<Key2, ShooterTally, KeyHash> tallies;
  for (size_t r = 0; r < results.size(); ++r) {
    Key2 key;
    if (storedKey(results, r, 0, 1, key)) tallies[key].rows.push_back(r);
  }
  // Column 5 holds the IS NULL bits: 1 Ergnr, 2 Ringerg, 4 Mschnr.
  auto sameErgnr = [&](size_t a, size_t b) {
    return results.text(a, 2) == results.text(b, 2) &&
           (results.integer(a, 5) & 1) == (results.integer(b, 5) & 1);
  };
  auto sameResult = [&](size_t a, size_t b) {
    return results.text(a, 3) == results.text(b, 3) && results.text(a, 4) == results.text(b, 4) &&
           results.text(a, 5) == results.text(b, 5);
  };
  const long lastRound = rundenindex + 2L;
  auto count = [&](ShooterTally& t) {
    t.counted = true;
    std::vector<size_t> kept;
    size_t runStart = 0;  // first kept row of the current Ergnr
    for (size_t r : t.rows) {
      // Rows of one Ergnr are neighbours, so a repeated result can only be in this run.
      if (kept.empty() || !sameErgnr(kept.back(), r)) runStart = kept.size();
      bool repeated = false;
      for (size_t k = runStart; k < kept.size() && !repeated; ++k)
        repeated = sameResult(kept[k], r);
      if (repeated) continue;
      kept.push_back(r);
      const long rings = results.num(r, 3);
      if (results.num(r, 2) < lastRound && rings > 0) {
        ++t.count;
        t.sum += rings;
      }
      t.mschnr = results.num(r, 4);
    }
  };

  for (size_t s = 0; s < shooters.size(); ++s) {
    const long passnr = shooters.num(s, 0);
    const long vrnr = shooters.num(s, 1);
    auto it = tallies.find(Key2{passnr, vrnr});
    if (it == tallies.end()) continue;
    ShooterTally& t = it->second;
    if (!t.counted) count(t);
    if (t.sum <= 0 || t.count < minAnzahl) continue;
    _eerg_sortdaten row;
    row.AnzahlErg = static_cast<int32_t>(t.count);
    row.Schnitt = static_cast<float>(static_cast<double>(t.sum) / static_cast<double>(t.count));
    row.Passnr = static_cast<int32_t>(passnr);
    row.Name = shooters.text(s, 2);
    row.Vereinsname = clubName(clubs, vrnr);
    row.Vrnr = static_cast<int32_t>(vrnr);
    row.Mschnr = static_cast<int32_t>(t.mschnr);
    if (row.Schnitt > 0.0f && !(static_cast<double>(minRinge * 10) > row.Schnitt))
      gEergSortListe.push_back(std::move(row));
  }
}

}  // namespace

void BerechneEinzelwertung(int32_t modus, int32_t klasse, int32_t rundenindex, int32_t minRinge,
                           int32_t minAnzahl, int32_t /*zehntelflag*/, int32_t disznr) {
  gEergSortListe.clear();
  db::Transaction transaction(gDbHaupt);
  if (modus <= 0) {
    // The round query returns the list in its final order.
    listRound(klasse, rundenindex, minRinge, disznr);
    transaction.commit();
    return;
  }
  rankAverages(klasse, rundenindex, minRinge, minAnzahl, disznr);
  transaction.commit();
  std::stable_sort(gEergSortListe.begin(), gEergSortListe.end(),
                   [](const _eerg_sortdaten& a, const _eerg_sortdaten& b) {
                     return a.Schnitt > b.Schnitt;
                   });
}

namespace {

struct TeamTally {
  long plus = 0, minus = 0, korrektur = 0, anzahl = 0, ringe = 0;
};

}  // namespace

void BerechneMannschaftstabellen(int32_t rundenindex, int32_t disznr) {
  gMschTabellen.clear();
  db::Transaction transaction(gDbHaupt);
  const db::Params discipline{static_cast<int>(disznr)};
  db::Table classes = db::query(
      gDbHaupt, "SELECT Nr, Klname FROM Mschklassen WHERE Disznr = ? ORDER BY Nr, rowid;",
      discipline);
  db::Table teams = db::query(gDbHaupt,
                              "SELECT Mklnr, Vrnr, Rmschnr FROM Msch_in_klassen WHERE Disznr = ? "
                              "ORDER BY Pos_in_mklnr, rowid;",
                              discipline);
  db::Table results = db::query(gDbHaupt,
                                "SELECT Mklnr, Vrnr, Rmschnr, Ergnr, Pluspunkte, Minuspunkte, "
                                "Korrekturpunkte, Ringerg FROM Mscherg WHERE Disznr = ?;",
                                discipline);

  // Every row of a counted round adds, repeated rows included; the order does not matter.
  const long lastRound = rundenindex + 2L;
  std::unordered_map<Key3, TeamTally, KeyHash> tallies;
  for (size_t r = 0; r < results.size(); ++r) {
    Key3 key;
    if (!storedInteger(results.text(r, 0), key.a) || !storedInteger(results.text(r, 1), key.b) ||
        !storedInteger(results.text(r, 2), key.c) || results.num(r, 3) >= lastRound)
      continue;
    TeamTally& t = tallies[key];
    t.plus += results.num(r, 4);
    t.minus += results.num(r, 5);
    t.korrektur += results.num(r, 6);
    const long rings = results.num(r, 7);
    t.ringe += rings;
    if (rings > 0) ++t.anzahl;
  }
  std::unordered_map<long, std::vector<size_t>> teamsOfClass;
  for (size_t r = 0; r < teams.size(); ++r) {
    long mklnr;
    if (storedInteger(teams.text(r, 0), mklnr)) teamsOfClass[mklnr].push_back(r);
  }

  for (size_t c = 0; c < classes.size(); ++c) {
    gMschTabelleTmp.clear();
    const long mklnr = classes.num(c, 0);
    auto members = teamsOfClass.find(mklnr);
    if (members != teamsOfClass.end()) {
      for (size_t r : members->second) {
        _mschtabellen row;
        row.Mklnr = static_cast<int32_t>(mklnr);
        row.Vrnr = static_cast<int32_t>(teams.num(r, 1));
        row.Rmschnr = static_cast<int32_t>(teams.num(r, 2));
        row.Klname = classes.text(c, 1);
        auto t = tallies.find(Key3{mklnr, teams.num(r, 1), teams.num(r, 2)});
        if (t != tallies.end()) {
          row.Pluspunkte = static_cast<int32_t>(t->second.plus);
          row.Minuspunkte = static_cast<int32_t>(t->second.minus);
          row.Korrekturpunkte = static_cast<int32_t>(t->second.korrektur);
          row.AnzahlErg = static_cast<int32_t>(t->second.anzahl);
          row.Ringsumme = static_cast<int32_t>(t->second.ringe);
        }
        if (row.AnzahlErg > 0)
          row.Schnitt = static_cast<float>(static_cast<double>(row.Ringsumme) /
                                           static_cast<double>(row.AnzahlErg));
        gMschTabelleTmp.push_back(std::move(row));
      }
    }
    std::stable_sort(gMschTabelleTmp.begin(), gMschTabelleTmp.end(),
                     [](const _mschtabellen& a, const _mschtabellen& b) {
                       if (a.Pluspunkte != b.Pluspunkte) return a.Pluspunkte > b.Pluspunkte;
                       if (a.Minuspunkte != b.Minuspunkte) return a.Minuspunkte < b.Minuspunkte;
                       return a.Ringsumme > b.Ringsumme;
                     });
    gMschTabellen[static_cast<int>(mklnr)] = gMschTabelleTmp;
  }
  transaction.commit();
}

void BerechneMannschaftsringschnitte(int32_t rundenindex, int32_t disznr) {
  gMergSortListe.clear();
  db::Transaction transaction(gDbHaupt);
  const db::Params discipline{static_cast<int>(disznr)};
  db::Table teams = db::query(
      gDbHaupt, "SELECT Mklnr, Vrnr, Rmschnr FROM Msch_in_klassen WHERE Disznr = ? ORDER BY rowid;",
      discipline);
  db::Table classes = db::query(
      gDbHaupt, "SELECT Nr, Klname FROM Mschklassen WHERE Disznr = ? ORDER BY rowid;", discipline);
  // The class is no filter here: a team's results in every class count.
  db::Table results = db::query(
      gDbHaupt,
      "SELECT Vrnr, Rmschnr, Ergnr, Ringerg FROM Mscherg WHERE Disznr = ? ORDER BY Ergnr, rowid;",
      discipline);

  // Per team the first row of each round up to the chosen one, whatever its rings.
  const long lastRound = rundenindex + 1L;
  std::unordered_map<Key2, std::map<long, long>, KeyHash> rounds;
  for (size_t r = 0; r < results.size(); ++r) {
    Key2 key;
    const long ergnr = results.num(r, 2);
    if (ergnr < 1 || ergnr > lastRound || !storedKey(results, r, 0, 1, key)) continue;
    rounds[key].emplace(ergnr, results.num(r, 3));
  }
  std::unordered_map<long, std::string> classNames;  // the first row of a number counts
  for (size_t c = 0; c < classes.size(); ++c) {
    long nr;
    if (storedInteger(classes.text(c, 0), nr)) classNames.emplace(nr, classes.text(c, 1));
  }
  std::unordered_map<Key2, std::string, KeyHash> teamNames;

  for (size_t r = 0; r < teams.size(); ++r) {
    const Key2 key{teams.num(r, 1), teams.num(r, 2)};
    _merg_sortdaten row;
    auto name = teamNames.find(key);
    if (name == teamNames.end())
      name = teamNames.emplace(key, MannschaftsName(key.a, static_cast<int>(key.b))).first;
    row.Mschname = name->second;
    float sum = 0.0f;
    int32_t count = 0;
    auto team = rounds.find(key);
    if (team != rounds.end()) {
      for (const auto& [ergnr, rings] : team->second) {
        sum += static_cast<float>(rings);
        ++count;
      }
    }
    auto klname = classNames.find(teams.num(r, 0));
    if (klname != classNames.end()) row.Klname = klname->second;
    row.AnzahlErg = count;
    row.Schnitt = sum > 0.0f ? sum / static_cast<float>(count) : 0.0f;
    gMergSortListe.push_back(std::move(row));
  }
  transaction.commit();
  std::stable_sort(gMergSortListe.begin(), gMergSortListe.end(),
                   [](const _merg_sortdaten& a, const _merg_sortdaten& b) {
                     return a.Schnitt > b.Schnitt;
                   });
}
