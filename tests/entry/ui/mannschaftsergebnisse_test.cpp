// Editing single team results: the ring average, rounds the class does not have, signed
// correction points and the opponent of a round.
#include <gtest/gtest.h>

#include <QTest>

#include "core/db.h"
#include "core/globals.h"
#include "entry/ui/FenkLBearbeitenMschsergebnisseDlg.h"
#include "platform/clipboard.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "support/listrows.h"
#include "support/testenv.h"

namespace {

class Mannschaftsergebnisse : public DialogTest<TFenkLBearbeitenMschsergebnisseDlg> {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    // Class 1 with 4 bouts: Tell I at home against Hubertus I in round 1, its guest in round 3.
    exec("INSERT INTO Vereine_gau (Nummer, Name) VALUES (2, 'Tell'), (3, 'Hubertus');");
    exec("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (1, 'Kreisliga', 4, 0);");
    exec("INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (1, 1, 0, 2, 1), "
         "(1, 2, 0, 3, 1);");
    exec("INSERT INTO Gegner (Disznr, Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr) VALUES "
         "(0, 1, 1, 2, 1, 3, 1), (0, 1, 3, 3, 1, 2, 1);");
    gEinstellungen.AktDisznr = 0;
    dlg = new TFenkLBearbeitenMschsergebnisseDlg;
  }
  void results(std::initializer_list<long> ringe) {
    int e = 0;
    for (long r : ringe)
      ASSERT_TRUE(db::exec(gDbHaupt,
                           "INSERT INTO Mscherg (Mklnr, Vrnr, Rmschnr, Ringerg, Pluspunkte, Minuspunkte, "
                           "Korrekturpunkte, Disznr, Ergnr) VALUES (1, 2, 1, ?, 0, 0, 0, 0, ?);",
                           {r, ++e}));
  }
  void showTell() {
    dlg->show();
    dlg->ListViewVereine->setCurrentItem(itemOfKey(dlg->ListViewVereine, 2));
  }
  void selectRound(int row) { dlg->ListViewMschErg->setCurrentItem(dlg->ListViewMschErg->topLevelItem(row)); }

};

TEST_F(Mannschaftsergebnisse, RingAverageOfTheRoundsWithRings) {
  struct Case {
    std::initializer_list<long> ringe;
    int zehntel;
    const char* want;
  };
  for (const Case& c : {Case{{3800, 3750, 0}, 0, "377"}, Case{{3800, 3750, 0}, 1, "377.5"},
                        Case{{3800, 3751}, 0, "378"}}) {
    exec("DELETE FROM Mscherg;");
    ASSERT_TRUE(db::exec(gDbHaupt, "UPDATE Disznamen SET Zehntelflag = ? WHERE Nr = 0;", {c.zehntel}));
    results(c.ringe);
    dlg->hide();
    clipboard::setText("");
    showTell();
    EXPECT_EQ(fromQs(dlg->EditRingschnitt->text()), c.want);
    EXPECT_EQ(clipboard::text(), c.want);
  }
  EXPECT_EQ(fromQs(dlg->LabelRingschnitt->text()), "Ringschnitt nach Durchgang 2:");
}

TEST_F(Mannschaftsergebnisse, RoundsOutsideTheClassAreRefusedAndPointsStoredAsTyped) {
  showTell();
  msg::ScriptedMessages boxes;
  for (const char* round : {"", "0", "5"}) {
    dlg->pressKey(Qt::Key_F4);
    dlg->EditKnr->setText(qs(round));
    dlg->pressKey(Qt::Key_F2);
  }
  EXPECT_EQ(boxes.count(), 3u);
  EXPECT_TRUE(boxes.contains("zwischen 1 und 4"));
  EXPECT_EQ(db::query(gDbHaupt, "SELECT COUNT(*) FROM Mscherg").num(0, 0), 0);

  dlg->ButtonNeuesErgClick();
  EXPECT_EQ(fromQs(dlg->EditKnr->text()), "1");
  dlg->EditRinge->setText(qs("380"));
  dlg->EditKorPkt->setText(qs("-2"));
  dlg->ButtonSpeichernClick();
  db::Table t = db::query(gDbHaupt, "SELECT Ergnr, Ringerg, Korrekturpunkte FROM Mscherg");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t.rows[0], (std::vector<std::string>{"1", "3800", "-2"}));
  EXPECT_EQ(fromQs(dlg->EditKorPkt->text()), "-2");
}

TEST_F(Mannschaftsergebnisse, ANewEntryByMouseCanBeSavedByMouse) {
  results({3800});
  showTell();
  EXPECT_TRUE(dlg->ButtonNeuesErg->toolTip().isEmpty()) << "the button has no hint";
  QTest::mouseClick(dlg->ButtonNeuesErg, Qt::LeftButton);
  ASSERT_TRUE(dlg->ButtonSpeichern->isEnabled());
  EXPECT_EQ(fromQs(dlg->EditKnr->text()), "2");
  dlg->EditRinge->clear();
  QTest::keyClicks(dlg->EditRinge, QStringLiteral("375"));
  QTest::mouseClick(dlg->ButtonSpeichern, Qt::LeftButton);
  EXPECT_EQ(db::query(gDbHaupt, "SELECT group_concat(e, ' ') FROM (SELECT Ergnr || '/' || Ringerg AS e FROM Mscherg ORDER BY Ergnr)").text(0, 0),
            "1/3800 2/3750");
}

TEST_F(Mannschaftsergebnisse, OpponentAtHomeAndAsGuest) {
  results({3800, 0, 3700});
  showTell();
  selectRound(0);
  EXPECT_EQ(fromQs(dlg->Label2->text()), "Gegner Durchgang Nr:1:\nHubertus I");
  selectRound(2);
  EXPECT_EQ(fromQs(dlg->Label2->text()), "Gegner Durchgang Nr:3:\nHubertus I");
  selectRound(1);
  EXPECT_TRUE(dlg->Label2->text().isEmpty());
}

TEST_F(Mannschaftsergebnisse, AClubOrRoundChosenByMouseOrKeysShowsItsData) {
  results({3800, 3750});
  dlg->show();
  QTreeWidget* clubs = dlg->ListViewVereine;
  const int tell = clubs->indexOfTopLevelItem(itemOfKey(clubs, 2));
  auto shown = [this] {
    return fromQs(dlg->Label1->text()) + "|" + std::to_string(dlg->ListViewMschErg->topLevelItemCount()) + "|" +
           (dlg->ButtonNeuesErg->isEnabled() ? "neu" : "-");
  };
  clickRow(clubs, 1 - tell);
  EXPECT_EQ(shown(), "Hubertus I|0|neu");
  clickRow(clubs, tell);
  EXPECT_EQ(shown(), "Tell I|2|neu");
  clickRow(dlg->ListViewMschErg, 1);
  EXPECT_EQ(fromQs(dlg->EditRinge->text()), "375");
  EXPECT_TRUE(dlg->ButtonErgLoeschen->isEnabled());
  QTest::keyClick(dlg->ListViewMschErg, Qt::Key_Up);
  EXPECT_EQ(fromQs(dlg->EditRinge->text()), "380");
  QTest::keyClick(clubs, tell == 0 ? Qt::Key_End : Qt::Key_Home);
  EXPECT_EQ(shown(), "Hubertus I|0|neu");
  QTest::keyClick(clubs, tell == 0 ? Qt::Key_Home : Qt::Key_End);
  EXPECT_EQ(shown(), "Tell I|2|neu");
}

}  // namespace
