// The rankings, computed from one read per table, against the plain row-by-row computation on
// generated seasons of many shapes: clubs changed, rows stored twice, zero rings, NULLs and
// stray texts, inactive shooters, equal averages, several classes, pass numbers stored twice.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "ranking/ranking.h"
#include "row_by_row.h"
#include "support/testenv.h"

namespace {

using Lines = std::vector<std::string>;

// Floats in hexadecimal, so that lines are equal only when the values are equal to the bit.
std::string hex(float f) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%a", static_cast<double>(f));
  return buf;
}

Lines lines(const std::vector<_eerg_sortdaten>& list) {
  Lines out;
  for (const auto& e : list)
    out.push_back(std::to_string(e.AnzahlErg) + "|" + hex(e.Schnitt) + "|" +
                  std::to_string(e.Ringsumme) + "|" + std::to_string(e.Passnr) + "|" + e.Name +
                  "|" + e.Vereinsname + "|" + std::to_string(e.Vrnr) + "|" +
                  std::to_string(e.Mschnr));
  return out;
}

Lines lines(const std::map<int, std::vector<_mschtabellen>>& tables) {
  Lines out;
  for (const auto& [nr, table] : tables) {
    out.push_back("class " + std::to_string(nr));
    for (const auto& m : table)
      out.push_back(std::to_string(m.Mklnr) + "|" + std::to_string(m.Rmschnr) + "|" +
                    std::to_string(m.Pluspunkte) + "|" + std::to_string(m.Minuspunkte) + "|" +
                    std::to_string(m.Korrekturpunkte) + "|" + std::to_string(m.AnzahlErg) + "|" +
                    m.Klname + "|" + hex(m.Schnitt) + "|" + std::to_string(m.Vrnr) + "|" +
                    std::to_string(m.Ringsumme));
  }
  return out;
}

Lines lines(const std::vector<_merg_sortdaten>& list) {
  Lines out;
  for (const auto& m : list)
    out.push_back(std::to_string(m.Reserve1) + "|" + std::to_string(m.Reserve2) + "|" +
                  std::to_string(m.AnzahlErg) + "|" + hex(m.Schnitt) + "|" + m.Klname + "|" +
                  m.Mschname);
  return out;
}

// Writes a random season into the main database. Most values are plain; a few are NULL,
// empty or stray texts, as hand-edited or damaged data sets hold them.
class SeasonWriter {
 public:
  explicit SeasonWriter(unsigned seed) : rng_(seed) {}

  int classes[2] = {0, 0};
  int rounds = 0;

  void write() {
    for (const char* t : {"Vereine_gau", "Schuetzen", "Mschklassen", "Msch_in_klassen", "Mscherg",
                          "Schuetzenerg"})
      db::exec(gDbHaupt, std::string("DELETE FROM ") + t + ";");
    const int clubs = pick(3, 8);
    const int shooters = pick(20, 60);
    rounds = pick(2, 6);
    oddity_ = pick(0, 4) / 100.0;
    // Club 1 has no row, the last club two rows.
    for (int c = 2; c <= clubs; ++c)
      insert("Vereine_gau (Nummer, Name)", {c, "Verein " + std::to_string(c)});
    insert("Vereine_gau (Nummer, Name)", {clubs, "Zweitname"});

    std::vector<std::pair<long, int>> members;  // pass number, club
    for (int s = 0; s < shooters; ++s) {
      const long pass = 5000 + pick(0, shooters + 5);  // some pass numbers twice
      const int club = pick(1, clubs);
      const char* flags[] = {"1", "1", "1", "1", "0", "", "2"};
      const db::Params person{odd(pass), odd(club),
                              chance(0.05) ? db::Value() : db::Value(name()),
                              db::Value(flags[pick(0, 6)])};
      insert("Schuetzen (Passnr, VrNr, Name, AktivFlag)", person);
      if (chance(0.05)) {  // renamed and renamed back: a name repeats under one club
        insert("Schuetzen (Passnr, VrNr, Name, AktivFlag)", {pass, club, name() + "2", "1"});
        insert("Schuetzen (Passnr, VrNr, Name, AktivFlag)", person);
      }
      members.emplace_back(pass, club);
    }

    for (int disz = 0; disz < 2; ++disz) {
      classes[disz] = pick(1, 3);
      for (int k = 1; k <= classes[disz]; ++k) {
        insert("Mschklassen (Nr, Klname, Disznr)", {odd(k), "Klasse " + std::to_string(k), disz});
        if (chance(0.1)) insert("Mschklassen (Nr, Klname, Disznr)", {k, "Doppelt", disz});
        const int teams = k == 3 ? 0 : pick(2, 6);  // a third class stays empty
        for (int t = 0; t < teams; ++t) {
          const int club = pick(1, clubs);
          const int team = pick(0, 3);
          const int copies = chance(0.1) ? 2 : 1;  // listed twice in its class
          for (int c = 0; c < copies; ++c)
            insert("Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr)",
                   {odd(k), pick(1, 6), disz, odd(club), odd(team)});
          writeTeamRounds(disz, k, club, team, members);
          if (chance(0.2)) writeTeamRounds(disz, k % 2 + 1, club, team, members);  // other class
        }
      }
    }
  }

 private:
  void writeTeamRounds(int disz, int k, int club, int team,
                       const std::vector<std::pair<long, int>>& members) {
    for (int round = 1; round <= rounds + 1; ++round) {
      if (chance(0.15)) continue;  // not shot
      const int rings = chance(0.1) ? 0 : pick(130, 150) * 10;
      const int plus = pick(0, 2);
      const db::Params row{odd(k), odd(club), odd(team), odd(rings), odd(plus), odd(2 - plus),
                           odd(chance(0.1) ? pick(-2, 2) : 0), disz, odd(round)};
      const int copies = chance(0.1) ? 2 : 1;
      for (int c = 0; c < copies; ++c)
        insert("Mscherg (Mklnr, Vrnr, Rmschnr, Ringerg, Pluspunkte, Minuspunkte, "
               "Korrekturpunkte, Disznr, Ergnr)",
               row);
      for (int s = 0; s < 3; ++s) {
        // Mostly the club's own shooters; now and then one under a club he has left.
        long pass = members[static_cast<size_t>(pick(0, static_cast<int>(members.size()) - 1))].first;
        int vrnr = chance(0.8) ? club : pick(1, 5);
        // Few distinct values make equal averages likely.
        const int score = chance(0.08) ? 0 : pick(90, 96) * 10;
        const db::Params shot{odd(pass), disz, odd(score), odd(round), 1, odd(k), odd(vrnr),
                              odd(team)};
        const int shots = chance(0.1) ? 2 : 1;
        for (int c = 0; c < shots; ++c)
          insert("Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, Mschnr)",
                 shot);
        if (chance(0.05)) {  // the same result under another class
          db::Params other = shot;
          other[5] = k % 2 + 1;
          insert("Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, Mschnr)",
                 other);
        }
        if (chance(0.05))  // a second, different result in the same round
          insert("Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, Mschnr)",
                 {pass, disz, score + 10, round, 1, k, vrnr, team + 1});
      }
    }
  }

  void insert(const std::string& into, const db::Params& values) {
    std::string marks;
    for (size_t i = 0; i < values.size(); ++i) marks += i ? ", ?" : "?";
    db::exec(gDbHaupt, "INSERT INTO " + into + " VALUES (" + marks + ");", values);
  }
  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  std::string name() { return std::string("Name ") + static_cast<char>('A' + pick(0, 5)); }
  db::Value odd(long v) {
    if (!chance(oddity_)) return db::Value(v);
    switch (pick(0, 3)) {
      case 0: return db::Value();
      case 1: return db::Value("");
      case 2: return db::Value(std::to_string(v) + "x");
      default: return db::Value(std::to_string(v) + ".5");
    }
  }

  std::mt19937 rng_;
  double oddity_ = 0;
};

class GeneratedSeasons : public DatabaseTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(GeneratedSeasons, FastRankingsEqualTheRowByRowOnes) {
  SeasonWriter season(GetParam());
  {
    db::Transaction t(gDbHaupt);
    season.write();
    ASSERT_TRUE(t.commit());
  }
  for (int disz = 0; disz < 2; ++disz) {
    for (int runde = 0; runde <= season.rounds + 1; ++runde) {
      SCOPED_TRACE("discipline " + std::to_string(disz) + ", round index " + std::to_string(runde));
      BerechneMannschaftstabellen(runde, disz);
      EXPECT_EQ(lines(gMschTabellen), lines(rowbyrow::mannschaftstabellen(runde, disz)));
      BerechneMannschaftsringschnitte(runde, disz);
      EXPECT_EQ(lines(gMergSortListe), lines(rowbyrow::mannschaftsringschnitte(runde, disz)));

      for (int klasse = 0; klasse <= season.classes[disz] + 1; ++klasse) {
        for (int minRinge : {0, 93}) {
          SCOPED_TRACE("class " + std::to_string(klasse) + ", minimum " + std::to_string(minRinge));
          BerechneEinzelwertung(0, klasse, runde, minRinge, 1, 0, disz);
          EXPECT_EQ(lines(gEergSortListe),
                    lines(rowbyrow::einzelwertung(0, klasse, runde, minRinge, 1, disz)));
          for (int minAnzahl : {1, 3}) {
            BerechneEinzelwertung(1, klasse, runde, minRinge, minAnzahl, 0, disz);
            EXPECT_EQ(lines(gEergSortListe),
                      lines(rowbyrow::einzelwertung(1, klasse, runde, minRinge, minAnzahl, disz)))
                << "minimum count " << minAnzahl;
          }
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, GeneratedSeasons, ::testing::Range(1u, 9u));

}  // namespace
