// The computations of the match entry: ring texts, match points, placing and sorting rows,
// and the save of a match with its line-up.
#include "entry/eingabe.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "platform/messages.h"
#include "support/testenv.h"

using namespace eingabe;

TEST(RingText, TextToTenthsUsesOneDecimalAndCutsTheRest) {
  EXPECT_EQ(ringTenths("95"), 950);
  EXPECT_EQ(ringTenths("95.7"), 957);
  EXPECT_EQ(ringTenths("95.75"), 957);
  EXPECT_EQ(ringTenths("95.79"), 957);
  EXPECT_EQ(ringTenths(""), 0);
  EXPECT_EQ(ringTenths("095"), 950);
  EXPECT_EQ(ringTenths("95,7"), 957);
  EXPECT_EQ(ringTenths("95."), 950);
  EXPECT_EQ(ringTenths("0.1"), 1);
  EXPECT_EQ(ringTenths("3801.5"), 38015);
}

TEST(RingText, TenthsToTextKeepsAStoredTenth) {
  EXPECT_EQ(ringText(957, true), "95.7");
  EXPECT_EQ(ringText(950, true), "95.0");
  EXPECT_EQ(ringText(950, false), "95");
  // Whole-ring disciplines still show a stored tenth, so a re-save does not cut it.
  EXPECT_EQ(ringText(957, false), "95.7");
  EXPECT_EQ(ringText(3801, false), "380.1");
  EXPECT_EQ(ringText(0, false), "0");
  for (long v : {0L, 5L, 950L, 957L, 38015L}) EXPECT_EQ(ringTenths(ringText(v, false)), v) << v;
}

TEST(PassNumber, ComparedAsNumbersAndAtMostNineDigits) {
  EXPECT_EQ(passNumber("0123"), passNumber("123"));
  EXPECT_EQ(passNumber("123456789"), 123456789);
  EXPECT_EQ(passNumber("1234567890"), 0);
  EXPECT_EQ(passNumber("12a"), 0);
  EXPECT_EQ(passNumber(""), 0);
}

TEST(MatchPoints, HigherEqualLowerAndNoResult) {
  auto same = [](Punkte p, int hp, int hm, int gp, int gm) {
    return p.heimPlus == hp && p.heimMinus == hm && p.gastPlus == gp && p.gastMinus == gm;
  };
  EXPECT_TRUE(same(matchPoints(3801, 3801), 1, 1, 1, 1));
  EXPECT_TRUE(same(matchPoints(3805, 3801), 2, 0, 0, 2));
  EXPECT_TRUE(same(matchPoints(3801, 3805), 0, 2, 2, 0));
  EXPECT_TRUE(same(matchPoints(0, 0), 0, 0, 0, 0));
  EXPECT_TRUE(same(matchPoints(0, 3000), 0, 2, 2, 0));  // a team that did not shoot loses
}

TEST(PlaceResults, UncountedFollowTheCountedRowsAndOverflowIsReported) {
  Placement p = placeResults(2, 2, 4);  // fewer counted than the team size: gap in between
  EXPECT_EQ(p.result[0], 0);
  EXPECT_EQ(p.result[1], 1);
  EXPECT_EQ(p.result[2], -1);
  EXPECT_EQ(p.result[3], -1);
  EXPECT_EQ(p.result[4], 2);
  EXPECT_EQ(p.result[5], 3);
  EXPECT_FALSE(p.overflow);

  p = placeResults(5, 1, 3);  // more counted than the team size: nothing on top of each other
  EXPECT_EQ(p.result[4], 4);
  EXPECT_EQ(p.result[5], 5);
  EXPECT_FALSE(p.overflow);

  p = placeResults(4, 12, 4);
  EXPECT_TRUE(p.overflow);
  EXPECT_EQ(p.result[14], 14);

  p = placeResults(1, 1, 40);  // team size from old data beyond the rows: all 15 count
  EXPECT_EQ(p.result[0], 0);
  EXPECT_EQ(p.result[14], -1);
  EXPECT_TRUE(p.overflow);
}

TEST(PlaceLineup, ShootersStandInTheRowOfTheirPosition) {
  auto rows = placeLineup({{101, 0}, {102, 1}, {104, 3}});
  EXPECT_EQ(rows[2], 0) << "a gap in the positions stays a gap";
  EXPECT_EQ(rows[3], 104);
  // Old data: one shooter twice, two shooters at one position, a position beyond the rows.
  // They come in the order of their positions.
  rows = placeLineup({{101, 0}, {102, 0}, {101, 2}, {105, 14}, {103, 20}});
  EXPECT_EQ(rows[0], 101);
  EXPECT_EQ(rows[1], 102);
  EXPECT_EQ(rows[14], 105);
  EXPECT_EQ(rows[2], 103) << "no free row from his position on: the first free one";
  EXPECT_EQ(std::count(rows.begin(), rows.end(), 101L), 1);
}

TEST(SortRows, BestRingsFirstStableAndOnlyWithinTheLimit) {
  std::array<RowTexts, kRows> rows{};
  rows[0] = {"1", "A", "90"};
  rows[1] = {"2", "B", ""};  // shooter without rings: overwritten by the sorted rows
  rows[2] = {"3", "C", "95"};
  rows[3] = {"4", "D", "90"};
  rows[5] = {"6", "F", "99"};  // beyond the limit: stays
  sortRowsByRings(rows, 4);
  EXPECT_EQ(rows[0].pass, "3");
  EXPECT_EQ(rows[1].pass, "1");  // equal rings keep their order
  EXPECT_EQ(rows[2].pass, "4");
  EXPECT_EQ(rows[3].pass, "");
  EXPECT_EQ(rows[5].pass, "6");
}

TEST(TeamSum, AutomaticOnlyWhenEveryCountedRowHasRings) {
  std::array<RowTexts, kRows> rows{};
  rows[0].rings = "95";
  rows[1].rings = "96.5";
  rows[3].rings = "99";  // substitute, not counted
  EXPECT_FALSE(allCountedHaveRings(rows, 3));
  EXPECT_TRUE(anyCountedHasRings(rows, 3));
  rows[2].rings = "0";
  EXPECT_FALSE(allCountedHaveRings(rows, 3));
  rows[2].rings = "90";
  EXPECT_TRUE(allCountedHaveRings(rows, 3));
  EXPECT_EQ(countedSum(rows, 3), 2815);
}

// ---------------------------------------------------------------------------------------
// Saving a match

namespace {

class SaveMatchTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (2, 'Verein 2');");
    for (long p : {101L, 102L, 103L, 104L})
      db::exec(gDbHaupt, "INSERT INTO Schuetzen (Passnr, VrNr, Name, AktivFlag) VALUES (?, 1, ?, 0);",
               {p, "H" + std::to_string(p)});
    for (long p : {201L, 202L, 203L, 204L})
      db::exec(gDbHaupt, "INSERT INTO Schuetzen (Passnr, VrNr, Name, AktivFlag) VALUES (?, 2, ?, 0);",
               {p, "G" + std::to_string(p)});
    db::exec(gDbHaupt,
             "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr, SchuetzenproMannschaftUnsort, "
             "SchuetzenproMannschaftSort, Sortflag, MaxSchuetzenproMannschaft) VALUES (1, 'Kreisliga', 10, 0, 3, 3, 0, 4);");
    heim.vrnr = 1;
    heim.mschnr = 1;
    gast.vrnr = 2;
    gast.mschnr = 1;
    for (int r = 0; r < 3; ++r) {
      heim.passnr[r] = 101 + r;
      heim.ringe[r] = 950 + r;
      gast.passnr[r] = 201 + r;
      gast.ringe[r] = 940 + r;
    }
    heim.summe = 2853;
    gast.summe = 2823;
  }
  long count(const std::string& sql, const db::Params& params = {}) {
    return db::query(gDbHaupt, sql, params).num(0, 0);
  }
  Gegnerzeile match(int kampf) { return Gegnerzeile{0, 1, kampf, 1, 1, 2, 1}; }
  SideEntry heim, gast;
};

}  // namespace

TEST_F(SaveMatchTest, SavingTwiceUpdatesInPlaceAndKeepsCorrectionPoints) {
  ASSERT_TRUE(saveMatch(gDbHaupt, match(1), 3, heim, gast).ok);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Schuetzenerg;"), 6);
  EXPECT_EQ(count("SELECT Pluspunkte FROM Mscherg WHERE Vrnr=1;"), 2);
  EXPECT_EQ(count("SELECT Minuspunkte FROM Mscherg WHERE Vrnr=2;"), 2);
  db::exec(gDbHaupt, "UPDATE Mscherg SET Korrekturpunkte=-1 WHERE Vrnr=1;");

  heim.ringe[0] = 990;
  heim.summe = 2893;
  gast.summe = 2893;
  ASSERT_TRUE(saveMatch(gDbHaupt, match(1), 3, heim, gast).ok);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Schuetzenerg;"), 6);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Mscherg;"), 2);
  EXPECT_EQ(count("SELECT Ringerg FROM Schuetzenerg WHERE Schnr=101;"), 990);
  EXPECT_EQ(count("SELECT Korrekturpunkte FROM Mscherg WHERE Vrnr=1;"), -1);
  EXPECT_EQ(count("SELECT Pluspunkte FROM Mscherg WHERE Vrnr=1;"), 1);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Mschaufstlg WHERE Kampfnr=1;"), 6);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Schuetzen WHERE AktivFlag=1;"), 6);
}

TEST_F(SaveMatchTest, ClearedRingsKeepTheStoredResultAndSubstitutesAreUncounted) {
  ASSERT_TRUE(saveMatch(gDbHaupt, match(1), 3, heim, gast).ok);
  heim.ringe[1] = 0;
  heim.passnr[3] = 104;
  heim.ringe[3] = 800;
  ASSERT_TRUE(saveMatch(gDbHaupt, match(1), 3, heim, gast).ok);
  EXPECT_EQ(count("SELECT Ringerg FROM Schuetzenerg WHERE Schnr=102;"), 951);
  EXPECT_EQ(count("SELECT Mschflag FROM Schuetzenerg WHERE Schnr=104;"), 0);
  EXPECT_EQ(count("SELECT Mschflag FROM Schuetzenerg WHERE Schnr=101;"), 1);
}

TEST_F(SaveMatchTest, NewShooterInTheLineUpStandsThereFromThisRoundToTheLast) {
  // His regular-shooter row (round 0), round 1 as shot, and a planned other position.
  db::exec(gDbHaupt,
           "INSERT INTO Mschaufstlg (Disznr, Kampfnr, Mklnr, Posnr, Schnr, Vrnr, Mschnr) VALUES "
           "(0, 0, 1, 0, 104, 1, 1), (0, 1, 1, 1, 104, 1, 1), (0, 5, 1, 0, 104, 1, 1), (0, 4, 1, 3, 102, 1, 1);");
  heim.passnr[3] = 104;
  heim.ringe[3] = 900;
  ASSERT_TRUE(saveMatch(gDbHaupt, match(2), 3, heim, gast).ok);

  for (int k = 2; k <= 10; ++k)
    EXPECT_EQ(count("SELECT Schnr FROM Mschaufstlg WHERE Kampfnr=? AND Posnr=3 AND Vrnr=1;", {k}), 104) << k;
  EXPECT_EQ(count("SELECT COUNT(*) FROM Mschaufstlg WHERE Kampfnr=5 AND Schnr=104;"), 1);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Mschaufstlg WHERE Kampfnr=4 AND Posnr=3;"), 1);
  EXPECT_EQ(count("SELECT Posnr FROM Mschaufstlg WHERE Kampfnr=1 AND Schnr=104;"), 1);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Mschaufstlg WHERE Kampfnr=0 AND Schnr=104;"), 1);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Mschaufstlg WHERE Kampfnr=1 AND Schnr<>104;"), 0);
}

TEST_F(SaveMatchTest, PlannedPositionsChangeInThisRoundOnlyAndSwapsStayWhole) {
  ASSERT_TRUE(saveMatch(gDbHaupt, match(2), 3, heim, gast).ok);  // plans rounds 2..10
  std::swap(heim.passnr[0], heim.passnr[1]);
  ASSERT_TRUE(saveMatch(gDbHaupt, match(3), 3, heim, gast).ok);
  EXPECT_EQ(count("SELECT Schnr FROM Mschaufstlg WHERE Kampfnr=3 AND Posnr=0 AND Vrnr=1;"), 102);
  EXPECT_EQ(count("SELECT Schnr FROM Mschaufstlg WHERE Kampfnr=3 AND Posnr=1 AND Vrnr=1;"), 101);
  EXPECT_EQ(count("SELECT Schnr FROM Mschaufstlg WHERE Kampfnr=4 AND Posnr=0 AND Vrnr=1;"), 101);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Mschaufstlg WHERE Kampfnr=3 AND Vrnr=1;"), 3);

  // A stored line without a position plans no row: the guest's first shooter is new in
  // round 3 and stands there to the last round.
  db::exec(gDbHaupt, "INSERT INTO Mschaufstlg (Disznr, Kampfnr, Mklnr, Posnr, Schnr, Vrnr, Mschnr) VALUES "
                     "(0, 3, 1, NULL, 204, 2, 1);");
  db::exec(gDbHaupt, "DELETE FROM Mschaufstlg WHERE Vrnr=2 AND Posnr=0;");
  ASSERT_TRUE(saveMatch(gDbHaupt, match(3), 3, heim, gast).ok);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Mschaufstlg WHERE Vrnr=2 AND Posnr=0 AND Schnr=201;"), 8);
}

TEST_F(SaveMatchTest, ShooterOfAnotherClubIsReportedAndNotStored) {
  heim.passnr[2] = 203;
  SaveResult r = saveMatch(gDbHaupt, match(1), 3, heim, gast);
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(r.skipped.size(), 1u);
  EXPECT_TRUE(r.skipped[0].heim);
  EXPECT_EQ(r.skipped[0].row, 2);
  EXPECT_EQ(r.skipped[0].passnr, 203);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Schuetzenerg WHERE Schnr=203;"), 1);  // his own team's result only
  EXPECT_EQ(count("SELECT Vrnr FROM Schuetzenerg WHERE Schnr=203;"), 2);
}

TEST_F(SaveMatchTest, AFailureMidwayRollsBackTheWholeMatch) {
  db::exec(gDbHaupt,
           "CREATE TRIGGER refuse BEFORE INSERT ON Mschaufstlg BEGIN SELECT RAISE(ABORT, 'gesperrt'); END;");
  msg::ScriptedMessages boxes;
  SaveResult r = saveMatch(gDbHaupt, match(1), 3, heim, gast);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(boxes.contains("gesperrt"));
  EXPECT_EQ(count("SELECT COUNT(*) FROM Schuetzenerg;"), 0);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Mscherg;"), 0);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Schuetzen WHERE AktivFlag=1;"), 0);
  EXPECT_TRUE(sqlite3_get_autocommit(gDbHaupt));
}

TEST_F(SaveMatchTest, ZeroSumsStillWriteBothTeamRows) {
  SideEntry leer;
  leer.vrnr = 1;
  leer.mschnr = 1;
  SideEntry leerGast = leer;
  leerGast.vrnr = 2;
  ASSERT_TRUE(saveMatch(gDbHaupt, match(1), 3, leer, leerGast).ok);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Mscherg WHERE Ringerg=0 AND Pluspunkte=0 AND Minuspunkte=0;"), 2);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Schuetzenerg;"), 0);
}
