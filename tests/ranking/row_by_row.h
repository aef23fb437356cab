#pragma once
// The rankings computed the plain way: one query per shooter, team or result row, each
// statement as the computation's description gives it, with stored order (rowid) breaking
// the ties the database would leave open. Slow, but easy to check against the description;
// the fast computations must give the same lists.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "ranking/ranking.h"

namespace rowbyrow {

inline db::Params classFilter(db::Params p, int klasse) {
  if (klasse >= 1) p.emplace_back(klasse);
  return p;
}

inline std::vector<_eerg_sortdaten> einzelwertung(int modus, int klasse, int runde, int minRinge,
                                                  int minAnzahl, int disznr) {
  std::vector<_eerg_sortdaten> list;
  if (modus <= 0) {
    db::Table round = db::query(
        gDbHaupt,
        std::string("SELECT Ringerg, Schnr, Vrnr FROM Schuetzenerg WHERE Disznr=? AND Ergnr=?") +
            (klasse >= 1 ? " AND Mschklnr=?" : "") + " ORDER BY Ringerg DESC, rowid;",
        classFilter({disznr, runde + 1}, klasse));
    for (size_t r = 0; r < round.size(); ++r) {
      if (round.num(r, 0) / 10 < minRinge) continue;
      _eerg_sortdaten e;
      // DISTINCT names, in the order of their first row.
      db::Table names = db::query(gDbHaupt,
                                  "SELECT Name FROM Schuetzen WHERE Passnr=? AND VrNr=? "
                                  "GROUP BY Name ORDER BY MIN(rowid);",
                                  {round.num(r, 1), round.num(r, 2)});
      for (size_t n = 0; n < names.size(); ++n) {
        e.Name = names.text(n, 0);
        db::Table club = db::query(
            gDbHaupt, "SELECT Name FROM Vereine_gau WHERE Nummer=? ORDER BY rowid;", {round.num(r, 2)});
        for (size_t c = 0; c < club.size(); ++c) e.Vereinsname = club.text(c, 0);
      }
      e.AnzahlErg = 1;
      e.Schnitt = static_cast<float>(round.num(r, 0));
      e.Ringsumme = static_cast<int32_t>(round.num(r, 0));
      e.Passnr = static_cast<int32_t>(round.num(r, 1));
      if (e.Schnitt > 0.0f && static_cast<float>(minRinge * 10) <= e.Schnitt) list.push_back(e);
    }
    return list;
  }

  db::Table shooters = db::query(
      gDbHaupt, "SELECT Passnr, VrNr, Name FROM Schuetzen WHERE AktivFlag =? ORDER BY rowid;", {"1"});
  for (size_t s = 0; s < shooters.size(); ++s) {
    const long passnr = shooters.num(s, 0);
    const long vrnr = shooters.num(s, 1);
    db::Params p{passnr, disznr};
    if (klasse >= 1) p.emplace_back(klasse);
    p.emplace_back(vrnr);
    // DISTINCT over the three columns; among rows of one Ergnr the first stored row decides.
    db::Table rows = db::query(
        gDbHaupt,
        std::string("SELECT Ergnr, Ringerg, Mschnr FROM Schuetzenerg WHERE Schnr=? AND Disznr=?") +
            (klasse >= 1 ? " AND Mschklnr=?" : "") +
            " AND Vrnr=? GROUP BY Ergnr, Ringerg, Mschnr ORDER BY Ergnr, MIN(rowid);",
        p);
    int count = 0, sum = 0, mschnr = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
      if (rows.num(r, 0) < runde + 2 && rows.num(r, 1) > 0) {
        ++count;
        sum += static_cast<int>(rows.num(r, 1));
      }
      mschnr = static_cast<int>(rows.num(r, 2));
    }
    if (sum <= 0 || count < minAnzahl) continue;
    _eerg_sortdaten e;
    db::Table club =
        db::query(gDbHaupt, "SELECT Name FROM Vereine_gau WHERE Nummer=? ORDER BY rowid;", {vrnr});
    for (size_t c = 0; c < club.size(); ++c) e.Vereinsname = club.text(c, 0);
    e.AnzahlErg = count;
    e.Schnitt = static_cast<float>(static_cast<double>(sum) / count);
    e.Passnr = static_cast<int32_t>(passnr);
    e.Name = shooters.text(s, 2);
    e.Vrnr = static_cast<int32_t>(vrnr);
    e.Mschnr = mschnr;
    if (e.Schnitt > 0.0f && static_cast<double>(minRinge * 10) <= e.Schnitt) list.push_back(e);
  }
  std::stable_sort(list.begin(), list.end(),
                   [](const auto& a, const auto& b) { return a.Schnitt > b.Schnitt; });
  return list;
}

inline std::map<int, std::vector<_mschtabellen>> mannschaftstabellen(int runde, int disznr) {
  std::map<int, std::vector<_mschtabellen>> tables;
  db::Table classes = db::query(
      gDbHaupt, "SELECT Nr, Klname FROM Mschklassen WHERE Disznr=? ORDER BY Nr, rowid;", {disznr});
  for (size_t c = 0; c < classes.size(); ++c) {
    const int mklnr = classes.integer(c, 0);
    std::vector<_mschtabellen> table;
    db::Table teams = db::query(gDbHaupt,
                                "SELECT Vrnr, Rmschnr FROM Msch_in_klassen WHERE Mklnr=? AND "
                                "Disznr=? ORDER BY Pos_in_mklnr, rowid;",
                                {mklnr, disznr});
    for (size_t t = 0; t < teams.size(); ++t) {
      _mschtabellen m;
      m.Mklnr = mklnr;
      m.Vrnr = teams.integer(t, 0);
      m.Rmschnr = teams.integer(t, 1);
      m.Klname = classes.text(c, 1);
      db::Table res = db::query(gDbHaupt,
                                "SELECT Ergnr, Pluspunkte, Minuspunkte, Korrekturpunkte, Ringerg "
                                "FROM Mscherg WHERE Mklnr=? AND Disznr=? AND Vrnr=? AND Rmschnr=? "
                                "ORDER BY Ergnr, rowid;",
                                {mklnr, disznr, m.Vrnr, m.Rmschnr});
      for (size_t r = 0; r < res.size(); ++r) {
        if (res.num(r, 0) >= runde + 2) continue;
        m.Pluspunkte += res.integer(r, 1);
        m.Minuspunkte += res.integer(r, 2);
        m.Korrekturpunkte += res.integer(r, 3);
        m.Ringsumme += res.integer(r, 4);
        if (res.num(r, 4) > 0) ++m.AnzahlErg;
      }
      if (m.AnzahlErg > 0) m.Schnitt = static_cast<float>(static_cast<double>(m.Ringsumme) / m.AnzahlErg);
      table.push_back(m);
    }
    // Three stable passes, the weakest key first, give the order of the three keys at once.
    auto byRings = [](const auto& a, const auto& b) { return a.Ringsumme > b.Ringsumme; };
    auto byMinus = [](const auto& a, const auto& b) { return a.Minuspunkte < b.Minuspunkte; };
    auto byPlus = [](const auto& a, const auto& b) { return a.Pluspunkte > b.Pluspunkte; };
    std::stable_sort(table.begin(), table.end(), byRings);
    std::stable_sort(table.begin(), table.end(), byMinus);
    std::stable_sort(table.begin(), table.end(), byPlus);
    tables[mklnr] = table;
  }
  return tables;
}

inline std::vector<_merg_sortdaten> mannschaftsringschnitte(int runde, int disznr) {
  std::vector<_merg_sortdaten> list;
  db::Table teams = db::query(
      gDbHaupt, "SELECT Mklnr, Vrnr, Rmschnr FROM Msch_in_klassen WHERE Disznr=? ORDER BY rowid;",
      {disznr});
  for (size_t t = 0; t < teams.size(); ++t) {
    _merg_sortdaten m;
    m.Mschname = MannschaftsName(teams.num(t, 1), teams.integer(t, 2));
    db::Table res = db::query(gDbHaupt,
                              "SELECT Ringerg, Ergnr FROM Mscherg WHERE Vrnr=? AND Rmschnr=? AND "
                              "Disznr=? ORDER BY Ergnr, rowid;",
                              {teams.integer(t, 1), teams.integer(t, 2), disznr});
    float sum = 0.0f;
    int count = 0;
    for (int k = 1; k <= runde + 1; ++k) {
      for (size_t r = 0; r < res.size(); ++r) {
        if (res.num(r, 1) != k) continue;
        sum += static_cast<float>(res.num(r, 0));
        ++count;
        break;
      }
    }
    db::Table kl = db::query(
        gDbHaupt, "SELECT Klname FROM Mschklassen WHERE Nr=? AND Disznr=? ORDER BY rowid;",
        {teams.integer(t, 0), disznr});
    if (!kl.empty()) m.Klname = kl.text(0, 0);
    m.AnzahlErg = count;
    m.Schnitt = sum > 0.0f ? sum / count : 0.0f;
    list.push_back(m);
  }
  std::stable_sort(list.begin(), list.end(),
                   [](const auto& a, const auto& b) { return a.Schnitt > b.Schnitt; });
  return list;
}

}  // namespace rowbyrow
