// The database clean-up, run directly on the test thread.
#include <gtest/gtest.h>

#include "core/cleanup.h"
#include "core/db.h"
#include "core/globals.h"
#include "support/testenv.h"

namespace {

struct Recorder : CleanupProgress {
  std::vector<std::string> lines;
  std::vector<int> ranges;
  void AddProgressLine(const std::string& l) override { lines.push_back(l); }
  void SetProgressRange(int n) override { ranges.push_back(n); }
  void SetProgressPosition(int) override {}
};

class Cleanup : public DatabaseTest {
 protected:
  std::string rows(const std::string& sql) {
    db::Table t = db::query(gDbHaupt, sql);
    std::string s;
    for (auto& r : t.rows) {
      for (auto& v : r) s += v + ",";
      s += ";";
    }
    return s;
  }
  void run() { RunDatabaseCleanup(gDbHaupt, progress); }
  Recorder progress;
};

TEST_F(Cleanup, RecountsBoutsAndKeepsEmptyMiddleClassWithoutDates) {
  db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (2, 'B'), (3, 'C'), (4, 'D');");
  db::exec(gDbHaupt,
           "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES "
           "(1, 'K1', 0, 0), (2, 'leer', 6, 0), (3, 'K3', 0, 0), (4, 'leer2', 2, 0), (5, 'leer3', 2, 0), (1, 'P', 9, 1);");
  db::exec(gDbHaupt,
           "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES "
           "(1,1,0,1,1),(1,2,0,2,1),(1,3,0,3,1),(3,1,0,4,1),(1,1,1,1,1),(1,2,1,2,1),(1,3,1,3,1),(1,4,1,4,1);");
  db::exec(gDbHaupt,
           "INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (2,1,'1.1.',0),(5,1,'2.1.',0),(3,1,'3.1.',0);");
  db::exec(gDbHaupt, "INSERT INTO Gegner (Disznr, Mklnr, Kampfnr) VALUES (0,2,1),(0,9,1),(1,9,1),(0,1,1);");
  run();
  EXPECT_EQ(rows("SELECT Nr, AnzahlTermine FROM Mschklassen WHERE Disznr=0 ORDER BY Nr"), "1,6,;2,0,;3,2,;")
      << "three teams give 6 bouts, one team 2; trailing empty classes 4 and 5 go, class 2 stays";
  EXPECT_EQ(rows("SELECT AnzahlTermine FROM Mschklassen WHERE Disznr=1"), "6,;");
  EXPECT_EQ(rows("SELECT Mklnr FROM Termine WHERE Disznr=0 ORDER BY Mklnr"), "3,;");
  EXPECT_EQ(rows("SELECT Disznr, Mklnr FROM Gegner ORDER BY Disznr, Mklnr"), "0,1,;")
      << "pairings of the empty class and of missing classes are removed in their discipline only";
}

TEST_F(Cleanup, ResultsOfLessThanOneRingGoOneRowAtATime) {
  db::exec(gDbHaupt, "INSERT INTO Schuetzen (Passnr, VrNr, Name, AktivFlag) VALUES (7, 1, 'S', 0), (8, 1, 'T', 1);");
  db::exec(gDbHaupt,
           "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr) VALUES "
           "(7,0,950,1),(7,0,0,2),(8,0,0,1),(8,0,912,2),(9,0,900,1),(7,1,880,1);");
  db::exec(gDbHaupt, "INSERT INTO Mschklassen (Nr, Klname, Disznr) VALUES (1, 'K', 0);");
  db::exec(gDbHaupt, "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (1,1,0,1,1);");
  db::exec(gDbHaupt, "INSERT INTO Mscherg (Mklnr, Vrnr, Ringerg, Disznr) VALUES (1,0,5,0),(1,1,5,0);");
  run();
  EXPECT_EQ(rows("SELECT Schnr, Disznr, Ringerg FROM Schuetzenerg ORDER BY Disznr, Schnr, Ergnr"),
            "7,0,950,;8,0,912,;7,1,880,;")
      << "the 0-ring rows and the results of the unknown shooter 9 are gone, nothing else";
  EXPECT_EQ(rows("SELECT Passnr, AktivFlag FROM Schuetzen WHERE Passnr IN (7,8) ORDER BY Passnr"), "7,1,;8,1,;")
      << "7: last row visited in discipline 1 has rings; 8: his later row has rings";
  EXPECT_EQ(rows("SELECT Vrnr FROM Mscherg"), "1,;");
}

TEST_F(Cleanup, OrphansAndNamelessDisciplines) {
  db::exec(gDbHaupt, "INSERT INTO Schuetzen (Passnr, VrNr, Name) VALUES (20, 55, 'ohne Verein');");
  db::exec(gDbHaupt, "INSERT INTO Vereine_zstext (Nummer, ZsText) VALUES (55, 'x');");
  db::exec(gDbHaupt, "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (1,1,0,55,1);");
  db::exec(gDbHaupt, "UPDATE Disznamen SET Bezeichnung='', Kampfindex=4 WHERE Nr=1;");
  run();
  EXPECT_EQ(rows("SELECT COUNT(*) FROM Schuetzen WHERE Passnr=20"), "0,;");
  EXPECT_EQ(rows("SELECT COUNT(*) FROM Vereine_zstext WHERE Nummer=55"), "0,;");
  EXPECT_EQ(rows("SELECT COUNT(*) FROM Msch_in_klassen"), "0,;");
  EXPECT_EQ(rows("SELECT Nr, Bezeichnung, Kampfindex FROM Disznamen ORDER BY Nr"),
            "0,Luftgewehr,0,;1,Disziplin 2,0,;");
  EXPECT_EQ(progress.lines.front(), "Disziplin 1 wird bearbeitet..");
  for (int r : progress.ranges) EXPECT_GE(r, 1);
}

}  // namespace
