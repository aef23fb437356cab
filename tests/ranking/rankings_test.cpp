// A small season whose rankings were worked out on paper. Every expected line below is
// written by hand from the rows inserted in SetUp.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "ranking/ranking.h"
#include "support/testenv.h"

namespace {

using Lines = std::vector<std::string>;

std::string fmt(float f) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", static_cast<double>(f));
  return buf;
}

Lines shooterLines() {
  Lines out;
  for (const auto& e : gEergSortListe)
    out.push_back(std::to_string(e.Passnr) + " " + e.Name + "|" + e.Vereinsname + "|" +
                  std::to_string(e.AnzahlErg) + "|" + fmt(e.Schnitt) + "|" +
                  std::to_string(e.Ringsumme) + "|" + std::to_string(e.Vrnr) + "|" +
                  std::to_string(e.Mschnr));
  return out;
}

Lines tableLines(int klasse) {
  Lines out;
  for (const auto& m : gMschTabellen[klasse])
    out.push_back(std::to_string(m.Mklnr) + " " + m.Klname + "|" + std::to_string(m.Vrnr) + "/" +
                  std::to_string(m.Rmschnr) + "|" + std::to_string(m.Pluspunkte) + ":" +
                  std::to_string(m.Minuspunkte) + "|" + std::to_string(m.Korrekturpunkte) + "|" +
                  std::to_string(m.Ringsumme) + "|" + std::to_string(m.AnzahlErg) + "|" +
                  fmt(m.Schnitt));
  return out;
}

Lines averageLines() {
  Lines out;
  for (const auto& m : gMergSortListe)
    out.push_back(m.Mschname + "|" + m.Klname + "|" + std::to_string(m.AnzahlErg) + "|" +
                  fmt(m.Schnitt) + "|" + std::to_string(m.Reserve1) + std::to_string(m.Reserve2));
  return out;
}

class HandSeason : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    for (const char* t : {"Vereine_gau", "Schuetzen", "Mschklassen", "Msch_in_klassen", "Mscherg",
                          "Schuetzenerg"})
      db::exec(gDbHaupt, std::string("DELETE FROM ") + t + ";");
    for (auto [nr, name] : {std::pair{10, "Adler"}, {20, "Falke"}, {30, "Habicht"}, {40, "Eule"}})
      db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);", {nr, name});
    klasse(1, "Kreisliga");
    klasse(2, "Bezirksliga");
    klasse(3, "Leerklasse");
    // Discipline 1 must stay out of everything.
    db::exec(gDbHaupt, "INSERT INTO Mschklassen (Nr, Klname, Disznr) VALUES (1, 'Fremd', 1);");

    // Class 1 in position order; Falke II has shot nothing yet.
    team(1, 1, 10, 1);  // Adler I
    team(1, 2, 20, 1);  // Falke I
    team(1, 3, 30, 1);  // Habicht I
    team(1, 4, 40, 1);  // Eule I
    team(1, 5, 10, 2);  // Adler II
    team(1, 6, 20, 2);  // Falke II
    team(1, 7, 30, 2);  // Habicht II
    team(2, 1, 40, 2);  // Eule II
    team(2, 2, 10, 3);  // Adler III

    // Mklnr, team, Ergnr, rings, plus, minus (, correction)
    result(1, 10, 1, 1, 1500, 2, 0);
    result(1, 10, 1, 2, 1490, 0, 2);
    result(1, 10, 1, 3, 1480, 2, 0);
    result(1, 10, 1, 4, 1600, 2, 0);  // a round beyond the chosen one
    result(1, 20, 1, 1, 1510, 2, 0);
    result(1, 20, 1, 2, 1400, 0, 2);
    result(1, 20, 1, 3, 0, 0, 2);  // did not turn up
    result(1, 30, 1, 1, 1450, 2, 0);
    result(1, 30, 1, 2, 1460, 2, 0);
    result(1, 40, 1, 1, 1470, 2, 0);
    result(1, 40, 1, 2, 1480, 0, 2);
    result(1, 40, 1, 3, 1520, 2, 0);
    result(1, 10, 2, 1, 1490, 0, 2);
    result(1, 10, 2, 2, 1500, 2, 0, 1);
    result(1, 10, 2, 3, 1490, 2, 0);
    result(1, 30, 2, 1, 1300, 0, 2);
    result(1, 30, 2, 2, 1310, 0, 2);
    result(1, 30, 2, 3, 1320, 0, 2);
    result(2, 40, 2, 1, 1400, 2, 0);
    result(2, 40, 2, 3, 1420, 2, 0);
    result(2, 10, 3, 1, 1350, 0, 2);
    result(2, 10, 3, 1, 1390, 0, 2);  // a second row for round 1: the first one counts
    result(2, 10, 3, 2, 1360, 1, 1);
    result(2, 30, 1, 3, 1420, 2, 0);  // Habicht I helped out in class 2

    // Bernd is stored before Anna.
    shooter(102, 10, "Bernd Adler", "1");
    shooter(101, 10, "Anna Adler", "1");
    shooter(103, 20, "Carla Falke", "1");  // came from Habicht
    shooter(104, 30, "Dieter Habicht", "0");
    shooter(105, 40, "Emil Eule", "1");
    shooter(106, 20, "Fritz Falke", "1");

    // pass, club, team, class, Ergnr, rings
    shot(101, 10, 2, 1, 1, 950);
    shot(101, 10, 2, 1, 2, 960);
    shot(101, 10, 1, 1, 3, 940);
    shot(102, 10, 1, 1, 1, 940);
    shot(102, 10, 1, 1, 2, 950);
    shot(102, 10, 1, 1, 2, 950);  // stored twice
    shot(102, 10, 1, 1, 3, 960);
    shot(103, 30, 1, 1, 1, 980);  // for her former club
    shot(103, 20, 1, 1, 2, 930);
    shot(103, 20, 1, 1, 3, 920);
    shot(103, 20, 2, 1, 4, 0);
    shot(104, 30, 1, 1, 1, 990);
    shot(105, 40, 1, 1, 1, 900);
    shot(105, 40, 2, 2, 1, 910);  // a second result in the same round
    shot(105, 40, 1, 1, 2, 930);
    shot(106, 20, 1, 1, 1, 949);
    shot(106, 20, 1, 1, 2, 0);
    shot(107, 10, 1, 1, 1, 970);  // pass number unknown
    db::exec(gDbHaupt,
             "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschklnr, Vrnr, Mschnr) "
             "VALUES (101, 1, 999, 1, 1, 10, 1);");
  }

  void klasse(int nr, const char* name) {
    db::exec(gDbHaupt, "INSERT INTO Mschklassen (Nr, Klname, Disznr) VALUES (?, ?, 0);", {nr, name});
  }
  void team(int mkl, int pos, int vrnr, int mschnr) {
    db::exec(gDbHaupt,
             "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) "
             "VALUES (?, ?, 0, ?, ?);",
             {mkl, pos, vrnr, mschnr});
  }
  void result(int mkl, int vrnr, int mschnr, int ergnr, int rings, int plus, int minus,
              int correction = 0) {
    db::exec(gDbHaupt,
             "INSERT INTO Mscherg (Mklnr, Vrnr, Rmschnr, Ringerg, Pluspunkte, Minuspunkte, "
             "Korrekturpunkte, Disznr, Ergnr) VALUES (?, ?, ?, ?, ?, ?, ?, 0, ?);",
             {mkl, vrnr, mschnr, rings, plus, minus, correction, ergnr});
  }
  void shooter(int pass, int vrnr, const char* name, const char* aktiv) {
    db::exec(gDbHaupt, "INSERT INTO Schuetzen (Passnr, VrNr, Name, AktivFlag) VALUES (?, ?, ?, ?);",
             {pass, vrnr, name, aktiv});
  }
  void shot(int pass, int vrnr, int mschnr, int mkl, int ergnr, int rings) {
    db::exec(gDbHaupt,
             "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, "
             "Mschnr) VALUES (?, 0, ?, ?, 1, ?, ?, ?);",
             {pass, rings, ergnr, mkl, vrnr, mschnr});
  }
};

TEST_F(HandSeason, TeamTableRanksPlusThenMinusThenRingsThenPosition) {
  BerechneMannschaftstabellen(2, 0);
  EXPECT_EQ(tableLines(1), (Lines{
                               "1 Kreisliga|30/1|4:0|0|2910|2|1455.000",
                               "1 Kreisliga|10/2|4:2|1|4480|3|1493.333",
                               "1 Kreisliga|10/1|4:2|0|4470|3|1490.000",
                               "1 Kreisliga|40/1|4:2|0|4470|3|1490.000",
                               "1 Kreisliga|20/1|2:4|0|2910|2|1455.000",
                               "1 Kreisliga|20/2|0:0|0|0|0|0.000",
                               "1 Kreisliga|30/2|0:6|0|3930|3|1310.000",
                           }));
  EXPECT_EQ(tableLines(2), (Lines{
                               "2 Bezirksliga|40/2|4:0|0|2820|2|1410.000",
                               "2 Bezirksliga|10/3|1:5|0|4100|3|1366.667",
                           }));
  ASSERT_EQ(gMschTabellen.size(), 3u);
  EXPECT_TRUE(gMschTabellen.at(3).empty());
  EXPECT_EQ(gMschTabelleTmp.size(), 0u) << "the scratch list holds the last class built";
  EXPECT_TRUE(sqlite3_get_autocommit(gDbHaupt)) << "the read transaction is left open";
}

TEST_F(HandSeason, TeamTableCountsOnlyRoundsUpToTheChosenOne) {
  BerechneMannschaftstabellen(0, 0);
  EXPECT_EQ(tableLines(1), (Lines{
                               "1 Kreisliga|20/1|2:0|0|1510|1|1510.000",
                               "1 Kreisliga|10/1|2:0|0|1500|1|1500.000",
                               "1 Kreisliga|40/1|2:0|0|1470|1|1470.000",
                               "1 Kreisliga|30/1|2:0|0|1450|1|1450.000",
                               "1 Kreisliga|20/2|0:0|0|0|0|0.000",
                               "1 Kreisliga|10/2|0:2|0|1490|1|1490.000",
                               "1 Kreisliga|30/2|0:2|0|1300|1|1300.000",
                           }));
  BerechneMannschaftstabellen(3, 0);
  EXPECT_EQ(tableLines(1).at(0), "1 Kreisliga|10/1|6:2|0|6070|4|1517.500");
}

TEST_F(HandSeason, TeamAveragesCountEveryClassAndStoredZeros) {
  BerechneMannschaftsringschnitte(2, 0);
  EXPECT_EQ(averageLines(), (Lines{
                                "Adler II|Kreisliga|3|1493.333|00",
                                "Adler I|Kreisliga|3|1490.000|00",
                                "Eule I|Kreisliga|3|1490.000|00",
                                "Habicht I|Kreisliga|3|1443.333|00",
                                "Eule II|Bezirksliga|2|1410.000|00",
                                "Adler III|Bezirksliga|2|1355.000|00",
                                "Habicht II|Kreisliga|3|1310.000|00",
                                "Falke I|Kreisliga|3|970.000|00",
                                "Falke II|Kreisliga|0|0.000|00",
                            }));
}

TEST_F(HandSeason, RoundListKeepsEveryRowHighestFirst) {
  BerechneEinzelwertung(0, 0, 0, 0, 1, 0, 0);
  EXPECT_EQ(shooterLines(), (Lines{
                                "104 Dieter Habicht|Habicht|1|990.000|990|0|0",
                                "103 ||1|980.000|980|0|0",  // not a member of that club now
                                "107 ||1|970.000|970|0|0",
                                "101 Anna Adler|Adler|1|950.000|950|0|0",
                                "106 Fritz Falke|Falke|1|949.000|949|0|0",
                                "102 Bernd Adler|Adler|1|940.000|940|0|0",
                                "105 Emil Eule|Eule|1|910.000|910|0|0",
                                "105 Emil Eule|Eule|1|900.000|900|0|0",
                            }));

  BerechneEinzelwertung(0, 0, 0, 95, 1, 0, 0);
  EXPECT_EQ(shooterLines().size(), 4u) << "949 tenths are below 95 rings, 950 are not";
  EXPECT_EQ(shooterLines().back(), "101 Anna Adler|Adler|1|950.000|950|0|0");

  BerechneEinzelwertung(0, 0, 1, 0, 1, 0, 0);
  EXPECT_EQ(shooterLines(), (Lines{
                                "101 Anna Adler|Adler|1|960.000|960|0|0",
                                "102 Bernd Adler|Adler|1|950.000|950|0|0",
                                "102 Bernd Adler|Adler|1|950.000|950|0|0",
                                "103 Carla Falke|Falke|1|930.000|930|0|0",
                                "105 Emil Eule|Eule|1|930.000|930|0|0",
                            }));

  BerechneEinzelwertung(0, 2, 0, 0, 1, 0, 0);
  EXPECT_EQ(shooterLines(), (Lines{"105 Emil Eule|Eule|1|910.000|910|0|0"}));
}

TEST_F(HandSeason, AveragesRankActiveShootersUnderTheirPresentClub) {
  BerechneEinzelwertung(1, 0, 2, 0, 1, 0, 0);
  EXPECT_EQ(shooterLines(), (Lines{
                                "102 Bernd Adler|Adler|3|950.000|0|10|1",
                                "101 Anna Adler|Adler|3|950.000|0|10|1",
                                "106 Fritz Falke|Falke|1|949.000|0|20|1",
                                "103 Carla Falke|Falke|2|925.000|0|20|2",
                                "105 Emil Eule|Eule|3|913.333|0|40|1",
                            }));

  BerechneEinzelwertung(2, 0, 1, 0, 1, 0, 0);
  EXPECT_EQ(shooterLines(), (Lines{
                                "101 Anna Adler|Adler|2|955.000|0|10|1",
                                "106 Fritz Falke|Falke|1|949.000|0|20|1",
                                "102 Bernd Adler|Adler|2|945.000|0|10|1",
                                "103 Carla Falke|Falke|1|930.000|0|20|2",
                                "105 Emil Eule|Eule|3|913.333|0|40|1",
                            }));

  BerechneEinzelwertung(1, 1, 2, 0, 1, 0, 0);
  EXPECT_EQ(shooterLines().back(), "105 Emil Eule|Eule|2|915.000|0|40|1");
}

TEST_F(HandSeason, AveragesMinimumsAreInclusive) {
  BerechneEinzelwertung(1, 0, 2, 95, 1, 0, 0);
  EXPECT_EQ(shooterLines(), (Lines{
                                "102 Bernd Adler|Adler|3|950.000|0|10|1",
                                "101 Anna Adler|Adler|3|950.000|0|10|1",
                            }));

  BerechneEinzelwertung(1, 0, 2, 0, 3, 0, 0);
  EXPECT_EQ(shooterLines(), (Lines{
                                "102 Bernd Adler|Adler|3|950.000|0|10|1",
                                "101 Anna Adler|Adler|3|950.000|0|10|1",
                                "105 Emil Eule|Eule|3|913.333|0|40|1",
                            }));
}

}  // namespace
