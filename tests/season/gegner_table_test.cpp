// The pairings written into table Gegner for the classes of a discipline.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "core/db.h"
#include "core/globals.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "season/gegner.h"
#include "support/testenv.h"

namespace {

class GegnerTable : public DatabaseTest {
 protected:
  // The team at position p is club 100 + p with team number p % 3.
  void makeClass(int disznr, long nr, int teams, int anzahlTermine) {
    db::exec(gDbHaupt, "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (?, ?, ?, ?);",
             {nr, "Klasse " + str(nr), anzahlTermine, disznr});
    for (int p = 1; p <= teams; ++p) {
      db::exec(gDbHaupt,
               "INSERT INTO Vereine_gau (Nummer, Name) SELECT ?1, ?2 "
               "WHERE NOT EXISTS (SELECT 1 FROM Vereine_gau WHERE Nummer=?1);",
               {100 + p, "Verein " + str(100 + p)});
      db::exec(gDbHaupt,
               "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (?, ?, ?, ?, ?);",
               {nr, p, disznr, 100 + p, p % 3});
    }
  }

  // One line per bout, "1: 1-4 3-2", teams by position; the bye (club 0, team 0) is shown
  // as position byePos.
  std::vector<std::string> bouts(int disznr, long nr, int byePos) {
    db::Table t = db::query(gDbHaupt,
                            "SELECT Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr FROM Gegner "
                            "WHERE Disznr=? AND Mklnr=? ORDER BY Kampfnr, rowid;",
                            {disznr, nr});
    auto pos = [byePos](long club, long team) -> std::string {
      if (club == 0) return team == 0 ? str(byePos) : "?";
      return team == (club - 100) % 3 ? str(club - 100) : "?";
    };
    std::vector<std::string> lines;
    long current = 0;
    for (size_t r = 0; r < t.size(); ++r) {
      if (t.num(r, 0) != current) {
        current = t.num(r, 0);
        lines.push_back(str(current) + ":");
      }
      lines.back() += " " + pos(t.num(r, 1), t.num(r, 2)) + "-" + pos(t.num(r, 3), t.num(r, 4));
    }
    return lines;
  }
};

const std::vector<std::string> kFourTeams = {"1: 1-4 3-2", "2: 3-1 2-4", "3: 1-2 3-4",
                                             "4: 4-1 2-3", "5: 1-3 4-2", "6: 2-1 4-3"};

TEST_F(GegnerTable, FourTeamsAndThreeTeamsWithTheBye) {
  makeClass(0, 1, 4, 6);
  makeClass(0, 2, 3, 6);
  WriteGegnerTable(0);
  EXPECT_EQ(bouts(0, 1, 0), kFourTeams);
  EXPECT_EQ(bouts(0, 2, 4), kFourTeams) << "position 4 is stored as club 0, team 0";
}

TEST_F(GegnerTable, FiveTeams) {
  makeClass(1, 3, 5, 10);
  WriteGegnerTable(1);
  EXPECT_EQ(bouts(1, 3, 6),
            (std::vector<std::string>{"1: 1-4 5-2 3-6", "2: 5-1 6-4 2-3", "3: 1-6 5-3 4-2",
                                      "4: 3-1 2-6 4-5", "5: 1-2 3-4 5-6", "6: 4-1 2-5 6-3",
                                      "7: 1-5 4-6 3-2", "8: 6-1 3-5 2-4", "9: 1-3 6-2 5-4",
                                      "10: 2-1 4-3 6-5"}));
}

TEST_F(GegnerTable, SmallClasses) {
  makeClass(0, 1, 2, 2);
  makeClass(0, 2, 1, 2);
  makeClass(0, 3, 0, 0);
  makeClass(0, 4, 0, -2);  // a provisional count below zero from older data
  WriteGegnerTable(0);
  EXPECT_EQ(bouts(0, 1, 0), (std::vector<std::string>{"1: 1-2", "2: 2-1"}));
  EXPECT_EQ(bouts(0, 2, 2), (std::vector<std::string>{"1: 1-2", "2: 2-1"}));
  EXPECT_EQ(bouts(0, 3, 9), (std::vector<std::string>{"1: 9-9", "2: 9-9"}));
  EXPECT_EQ(bouts(0, 4, 9), (std::vector<std::string>{"1: 9-9", "2: 9-9"}));
}

TEST_F(GegnerTable, RewritesOnlyItsDiscipline) {
  makeClass(0, 1, 4, 6);
  makeClass(1, 1, 2, 2);
  WriteGegnerTable(1);
  // A class that is gone leaves no pairings once the discipline is written again.
  db::exec(gDbHaupt, "INSERT INTO Gegner (Disznr, Mklnr, Kampfnr) VALUES (0, 7, 1);");
  msg::ScriptedMessages boxes;
  WriteGegnerTable(0);
  WriteGegnerTable(0);
  EXPECT_EQ(boxes.count(), 0u);
  EXPECT_EQ(bouts(0, 1, 0), kFourTeams);
  EXPECT_TRUE(bouts(0, 7, 0).empty());
  EXPECT_EQ(bouts(1, 1, 0), (std::vector<std::string>{"1: 1-2", "2: 2-1"}));
}

TEST_F(GegnerTable, TwelveTeamsMeetTwiceWithHomeAndGuestExchanged) {
  makeClass(0, 1, 12, 22);
  WriteGegnerTable(0);
  db::Table t = db::query(gDbHaupt,
                          "SELECT Kampfnr, Heimvrnr, Gastvrnr FROM Gegner WHERE Disznr=0 AND Mklnr=1 "
                          "ORDER BY Kampfnr, rowid;");
  ASSERT_EQ(t.size(), 22u * 6u);
  std::set<std::pair<long, long>> homeGuest;
  std::map<long, std::set<std::pair<long, long>>> byBout;
  for (size_t r = 0; r < t.size(); ++r) {
    EXPECT_TRUE(homeGuest.insert({t.num(r, 1), t.num(r, 2)}).second)
        << t.num(r, 1) << " at home against " << t.num(r, 2) << " twice";
    byBout[t.num(r, 0)].insert({t.num(r, 1), t.num(r, 2)});
  }
  EXPECT_EQ(homeGuest.size(), 132u);
  for (long k = 1; k <= 11; ++k)
    for (const auto& [heim, gast] : byBout[k])
      EXPECT_TRUE(byBout[k + 11].count({gast, heim})) << "bout " << k << " and " << k + 11;
}

}  // namespace
