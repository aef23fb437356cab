// The database clean-up, run directly on the test thread.
#include <gtest/gtest.h>

#include <random>

#include "core/cleanup.h"
#include "cleanup_row_by_row.h"
#include "core/db.h"
#include "core/globals.h"
#include "platform/messages.h"
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
  db::exec(gDbHaupt, "INSERT INTO Schuetzen (Passnr, VrNr, Name, AktivFlag) VALUES (7, 1, 'S', 0), (8, 1, 'T', 1), "
                     "(10, 1, 'U', 0);");
  // Shooter 10 has one tenth of a ring: a result, which stays.
  db::exec(gDbHaupt,
           "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr) VALUES "
           "(7,0,950,1),(7,0,0,2),(8,0,0,1),(8,0,912,2),(9,0,900,1),(7,1,880,1),(10,0,1,1);");
  db::exec(gDbHaupt, "INSERT INTO Mschklassen (Nr, Klname, Disznr) VALUES (1, 'K', 0);");
  db::exec(gDbHaupt, "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (1,1,0,1,1);");
  db::exec(gDbHaupt, "INSERT INTO Mscherg (Mklnr, Vrnr, Ringerg, Disznr) VALUES (1,0,5,0),(1,1,5,0);");
  run();
  EXPECT_EQ(rows("SELECT Schnr, Disznr, Ringerg FROM Schuetzenerg ORDER BY Disznr, Schnr, Ergnr"),
            "7,0,950,;8,0,912,;10,0,1,;7,1,880,;")
      << "the 0-ring rows and the results of the unknown shooter 9 are gone, nothing else";
  EXPECT_EQ(rows("SELECT Passnr, AktivFlag FROM Schuetzen WHERE Passnr IN (7,8,10) ORDER BY Passnr"),
            "7,1,;8,1,;10,1,;")
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

// A trigger makes the Gegner pass fail, once only for its statement and once for the whole
// transaction: either way nothing of the earlier passes may stay.
TEST_F(Cleanup, FailedPassTakesBackEverything) {
  for (const char* raise : {"ABORT", "ROLLBACK"}) {
    SCOPED_TRACE(raise);
    db::exec(gDbHaupt, "INSERT INTO Mscherg (Mklnr, Vrnr, Ringerg, Disznr) VALUES (1,0,5,0);");
    db::exec(gDbHaupt, "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (1,1,0,55,1);");
    db::exec(gDbHaupt, "INSERT INTO Gegner (Disznr, Mklnr, Kampfnr) VALUES (0,9,1);");
    db::exec(gDbHaupt, std::string("CREATE TRIGGER nodel BEFORE DELETE ON Gegner BEGIN SELECT RAISE(") +
                           raise + ", 'gesperrt'); END;");
    const std::string before = rows("SELECT * FROM Mscherg") + rows("SELECT * FROM Msch_in_klassen") +
                               rows("SELECT * FROM Gegner") + rows("SELECT * FROM Disznamen");
    msg::ScriptedMessages boxes;
    EXPECT_FALSE(RunDatabaseCleanup(gDbHaupt, progress));
    EXPECT_EQ(boxes.count(), 1u) << "one box for the failed statement, then nothing more";
    EXPECT_EQ(rows("SELECT * FROM Mscherg") + rows("SELECT * FROM Msch_in_klassen") +
                  rows("SELECT * FROM Gegner") + rows("SELECT * FROM Disznamen"),
              before);
    EXPECT_TRUE(sqlite3_get_autocommit(gDbHaupt)) << "no transaction may be left open";
    db::exec(gDbHaupt, "DROP TRIGGER nodel; DELETE FROM Gegner; DELETE FROM Msch_in_klassen; DELETE FROM Mscherg;");
  }
}

// A district with every kind of dangling row, cleaned once the old way (one statement per
// row) and once the new way: every table must come out the same, row for row.
TEST_F(Cleanup, SameTablesAsRowByRowOnGeneratedDistrict) {
  std::mt19937 rnd(16);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rnd); };
  db::Transaction t(gDbHaupt);
  db::exec(gDbHaupt, "INSERT INTO Disznamen (Nr, Bezeichnung) VALUES (2, ''), (3, 'Kleinkaliber');");
  for (int c = 2; c <= 30; ++c)
    if (c % 7) db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, 'V');", {c});
  for (int c = 1; c <= 34; ++c) db::exec(gDbHaupt, "INSERT INTO Vereine_zstext (Nummer, ZsText) VALUES (?, 'T');", {c});
  for (int s = 2; s <= 400; ++s)
    for (int twice = pick(0, 20) == 0 ? 2 : 1; twice > 0; --twice)
      db::exec(gDbHaupt, "INSERT INTO Schuetzen (Passnr, VrNr, Name, AktivFlag) VALUES (?, ?, 'S', ?);",
               {s, pick(1, 33), pick(0, 1)});
  for (int d = 0; d <= 4; ++d) {
    for (int k = 1; k <= 6; ++k) {
      db::exec(gDbHaupt, "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (?, 'K', 9, ?);", {k, d});
      for (int n = pick(0, 5) * (k % 3 != 2); n > 0; --n)
        db::exec(gDbHaupt, "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (?,?,?,?,1);",
                 {k, n, d, pick(1, 33)});
    }
    for (int i = 0; i < 40; ++i) {
      db::exec(gDbHaupt, "INSERT INTO Gegner (Disznr, Mklnr, Kampfnr) VALUES (?,?,?);", {d, pick(1, 8), i});
      db::exec(gDbHaupt, "INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (?,?,'1.1.',?);", {pick(1, 8), i, d});
      db::exec(gDbHaupt, "INSERT INTO Mscherg (Mklnr, Vrnr, Ringerg, Disznr) VALUES (?,?,?,?);", {pick(1, 8), pick(0, 33), 900, d});
    }
    for (int i = 0; i < 600; ++i)
      db::exec(gDbHaupt, "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr) VALUES (?,?,?,?);",
               {pick(1, 420), d, pick(0, 3) ? pick(800, 1000) : 0, pick(1, 10)});
  }
  t.commit();
  const std::string copy = dir->file("vorher.db");
  ASSERT_TRUE(db::exec(gDbHaupt, "VACUUM INTO ?;", {copy}));

  ASSERT_TRUE(RunDatabaseCleanup(gDbHaupt, progress));
  sqlite3* old = db::open(copy);
  Recorder oldProgress;
  rowbyrow::cleanup(old, oldProgress);
  EXPECT_EQ(progress.lines, oldProgress.lines);
  for (const char* table : {"Vereine_gau", "Vereine_zstext", "Schuetzen", "Disznamen", "Mschklassen", "Termine",
                            "Msch_in_klassen", "Mscherg", "Schuetzenerg", "Gegner"}) {
    const std::string sql = std::string("SELECT rowid, * FROM ") + table + " ORDER BY rowid";
    db::Table a = db::query(gDbHaupt, sql), b = db::query(old, sql);
    EXPECT_EQ(a.rows, b.rows) << table;
  }
  EXPECT_GT(db::query(old, "SELECT * FROM Schuetzenerg").size(), 1000u) << "the district must keep most results";
  db::close(old);
}

}  // namespace
