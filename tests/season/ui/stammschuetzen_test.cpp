// Regular shooters of a team: taken from the picker, saved in list order and removed,
// without touching the line-ups of the rounds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWindow>
#include <functional>

#include "core/db.h"
#include "core/globals.h"
#include "entry/passreceiver.h"
#include "masterdata/ui/ZikoSchuetzenAnzeigenDlg.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "season/ui/ZikoNSStammschuetzenEditDlg.h"
#include "platform/keydata.h"
#include "support/combos.h"
#include "support/listrows.h"
#include "support/testenv.h"

namespace {

class Stammschuetzen : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    exec("INSERT INTO Vereine_gau (Nummer, Name) VALUES (2, 'Tell');");
    exec("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (1, 'Kreisliga', 2, 0);");
    exec("INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (1, 1, 0, 2, 1);");
    exec("INSERT INTO Schuetzen (Passnr, VrNr, Name) VALUES (201, 2, 'Abt'), (202, 2, 'Bach'), (203, 2, 'Cramer');");
    gEinstellungen.AktDisznr = 0;
    gEinstellungen.SchuetzenAktivFilter = 1;  // none of the club's shooters is marked
    picker = new TZikoSchuetzenAnzeigenDlg;
    ZikoSchuetzenAnzeigenDlg = picker;
    picker->installEventFilter(&pickerShown);
    dlg = new TZikoNSStammschuetzenEditDlg;
    dlg->show();
  }
  void TearDown() override {
    delete dlg;  // the picker with it while it stands beside the window
    delete picker.data();
    ZikoSchuetzenAnzeigenDlg = nullptr;
    DatabaseTest::TearDown();
  }
  std::string rows(const std::string& sql) {
    std::string s;
    for (const auto& row : db::query(gDbHaupt, sql).rows) {
      for (const auto& cell : row) s += cell + " ";
      s += ";";
    }
    return s;
  }
  std::string regulars() {
    return rows("SELECT Posnr, Schnr FROM Mschaufstlg WHERE Kampfnr = 0 ORDER BY Posnr");
  }
  // "Wald II" in the class beside "Tell I".
  void addSecondClub() {
    exec("INSERT INTO Vereine_gau (Nummer, Name) VALUES (3, 'Wald');");
    exec("INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (1, 2, 0, 3, 2);");
  }
  void pick(std::initializer_list<long> passnr) {
    for (long p : passnr) ASSERT_TRUE(handOverPassnr(p));
  }

  void doubleClickPickerRow(int i) {
    QWidget* rows = picker->ListView1->viewport();
    const QPoint at = rowCentre(picker->ListView1, i);
    QTest::mouseClick(rows, Qt::LeftButton, {}, at);
    QTest::mouseDClick(rows, Qt::LeftButton, {}, at);
    QTest::mouseRelease(rows, Qt::LeftButton, {}, at);
  }
  std::string listed() {
    std::string s;
    for (int i = 0; i < dlg->ListViewMsSs->topLevelItemCount(); ++i) s += fromQs(dlg->ListViewMsSs->topLevelItem(i)->text(0)) + ";";
    return s;
  }

  // Whether the window was on the screen when the picker came: shown before its owner, the
  // picker ends up behind it under a window manager.
  struct ShownAfterOwner : QObject {
    TZikoNSStammschuetzenEditDlg** owner;
    bool afterOwner = false;
    explicit ShownAfterOwner(TZikoNSStammschuetzenEditDlg** o) : owner(o) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Show) afterOwner = (*owner)->windowHandle() && (*owner)->windowHandle()->isVisible();
      return false;
    }
  };

  TZikoNSStammschuetzenEditDlg* dlg = nullptr;
  QPointer<TZikoSchuetzenAnzeigenDlg> picker;
  ShownAfterOwner pickerShown{&dlg};
};

TEST_F(Stammschuetzen, PickerBesideTheWindowTakesShootersByMouseAndKeysAlsoAfterReopening) {
  ASSERT_TRUE(QTest::qWaitFor([&] { return picker->isVisible(); }));
  EXPECT_TRUE(pickerShown.afterOwner);
  EXPECT_EQ(picker->parentWidget(), dlg) << "a companion of a modal window must be its child";
  EXPECT_TRUE(picker->windowFlags() & Qt::Tool);
  EXPECT_EQ(picker->ListView1->topLevelItemCount(), 0);
  QTest::mouseClick(picker->RadioAlle, Qt::LeftButton, {}, QPoint(8, picker->RadioAlle->height() / 2));
  ASSERT_EQ(picker->ListView1->topLevelItemCount(), 3);

  doubleClickPickerRow(2);
  EXPECT_EQ(listed(), "203;");
  clickRow(picker->ListView1, 0);
  QTest::keyClick(picker->ListView1, Qt::Key_Down);
  QTest::keyClick(picker->ListView1, Qt::Key_Return);
  EXPECT_EQ(listed(), "203;202;");

  picker->close();
  ASSERT_FALSE(picker->isVisible());
  QTest::keyClick(dlg->ListViewMsSs, Qt::Key_F5);
  ASSERT_TRUE(picker->isVisible());
  clickRow(picker->ListView1, 0);
  QTest::mouseClick(picker->ButtonUebernehmen, Qt::LeftButton);
  EXPECT_EQ(listed(), "203;202;201;");
  dlg->pressKey(Qt::Key_F2);
  EXPECT_EQ(regulars(), "0 203 ;1 202 ;2 201 ;");
}

TEST_F(Stammschuetzen, SavedInListOrderWithEachShooterOnce) {
  pick({203, 201, 203});
  EXPECT_EQ(dlg->ListViewMsSs->topLevelItemCount(), 2);
  dlg->pressKey(Qt::Key_F2);
  EXPECT_EQ(regulars(), "0 203 ;1 201 ;");
  EXPECT_EQ(fromQs(dlg->ListViewMsSs->topLevelItem(0)->text(1)), "Cramer");
}

// The list holds every shooter of the team's line-ups, the rounds' too; saving and removing
// write only the regular shooters, and a shooter kept by a round's line-up is named.
TEST_F(Stammschuetzen, TheRoundsLineupsAreListedButOnlyRegularShootersWritten) {
  exec("INSERT INTO Mschaufstlg (Disznr, Kampfnr, Mklnr, Posnr, Schnr, Vrnr, Mschnr) VALUES "
       "(0, 1, 1, 0, 201, 2, 1), (0, 1, 1, 1, 202, 2, 1), (0, 2, 1, 0, 203, 2, 1), (0, 0, 1, 0, 202, 2, 1), "
       "(0, 1, 1, 2, 201, 2, 2);");
  exec("INSERT INTO Schuetzen (Passnr, VrNr, Name) VALUES (204, 2, 'Dietl');");
  const std::string rounds = "SELECT Kampfnr, Posnr, Schnr, Mschnr FROM Mschaufstlg WHERE Kampfnr > 0 ORDER BY rowid";
  const std::string before = rows(rounds);
  dlg->ComboBoxKlasseChange();
  EXPECT_EQ(listed(), "201;202;203;") << "each once, by position";

  msg::ScriptedMessages boxes;
  clickRow(dlg->ListViewMsSs, 1);
  dlg->pressKey(Qt::Key_F7);
  EXPECT_EQ(regulars(), "");
  EXPECT_EQ(listed(), "201;202;203;");
  ASSERT_EQ(boxes.count(), 1u) << "the shooter who stays is named";
  EXPECT_TRUE(boxes.contains("202 Bach steht in der Aufstellung eines Durchgangs")) << boxes.shown()[0].text;

  pick({201});  // from the rounds' line-up to the regular shooters
  pick({204});
  dlg->pressKey(Qt::Key_F2);
  EXPECT_EQ(regulars(), "0 201 ;1 204 ;") << "202 and 203 stand only in rounds";
  ASSERT_EQ(listed(), "201;203;202;204;") << "202 now at his place of round 1";
  clickRow(dlg->ListViewMsSs, 3);
  dlg->pressKey(Qt::Key_F7);
  EXPECT_EQ(listed(), "201;203;202;");
  EXPECT_EQ(boxes.count(), 1u) << "a shooter of no round goes without a word";
  dlg->pressKey(Qt::Key_F2);
  EXPECT_EQ(regulars(), "0 201 ;");
  EXPECT_EQ(rows(rounds), before);
}

TEST_F(Stammschuetzen, AFailedSaveKeepsTheStoredShooters) {
  exec("INSERT INTO Mschaufstlg (Disznr, Kampfnr, Mklnr, Posnr, Schnr, Vrnr, Mschnr) VALUES (0, 0, 1, 0, 202, 2, 1);");
  exec("CREATE TEMP TRIGGER refuse BEFORE INSERT ON Mschaufstlg WHEN NEW.Schnr = 203 "
       "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
  dlg->ComboBoxKlasseChange();
  pick({201, 203});
  msg::ScriptedMessages boxes;
  dlg->ButtonSpeichernClick();
  EXPECT_TRUE(boxes.contains("refused"));
  EXPECT_EQ(regulars(), "0 202 ;");
}

TEST_F(Stammschuetzen, APickByMouseIsSavedByF2SentToTheActiveWindow) {
  ASSERT_TRUE(QTest::qWaitFor([&] { return picker->isVisible(); }));
  QTest::mouseClick(picker->RadioAlle, Qt::LeftButton, {}, QPoint(8, picker->RadioAlle->height() / 2));
  picker->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(picker));
  doubleClickPickerRow(1);
  ASSERT_EQ(listed(), "202;");
  QCoreApplication::processEvents();
  QTest::keyClick(QApplication::activeWindow(), Qt::Key_F2);
  EXPECT_EQ(regulars(), "0 202 ;");
}

TEST_F(Stammschuetzen, UnsavedPicksAskBeforeAnotherClubOrClosing) {
  addSecondClub();
  dlg->ComboBoxKlasseChange();
  for (int answer : {msg::IdNo, msg::IdYes}) {
    SCOPED_TRACE(answer);
    clickRow(dlg->ListViewVereine, 0);
    pick({203});
    msg::ScriptedMessages boxes;
    boxes.answer(answer);
    clickRow(dlg->ListViewVereine, 1);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.shown()[0].caption, "Frage");
    EXPECT_TRUE(boxes.contains("Tell I")) << boxes.shown()[0].text;
    EXPECT_EQ(regulars(), answer == msg::IdYes ? "0 203 ;" : "");
    EXPECT_EQ(fromQs(dlg->Label1->text()), "Wald II");
  }
  // Nothing picked since: no question.
  msg::ScriptedMessages boxes;
  clickRow(dlg->ListViewVereine, 0);
  EXPECT_EQ(boxes.count(), 0u);
  pick({201});
  boxes.answer(msg::IdYes);
  QTest::keyClick(dlg->ListViewMsSs, Qt::Key_Escape);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(boxes.count(), 1u);
  EXPECT_EQ(regulars(), "0 203 ;1 201 ;");
}

// The picker lists the second club, then another class shows the first club again: the
// picker follows, and a double click adds a shooter of the club the window shows.
TEST_F(Stammschuetzen, AfterAClassChangeThePickerListsTheClubShown) {
  addSecondClub();
  exec("INSERT INTO Schuetzen (Passnr, VrNr, Name) VALUES (301, 3, 'Dorn');");
  dlg->ComboBoxKlasseChange();
  ASSERT_TRUE(QTest::qWaitFor([&] { return picker->isVisible(); }));
  QTest::mouseClick(picker->RadioAlle, Qt::LeftButton, {}, QPoint(8, picker->RadioAlle->height() / 2));
  clickRow(dlg->ListViewVereine, 1);
  ASSERT_EQ(picker->ListView1->topLevelItemCount(), 1);

  waehle(dlg->ComboBoxKlasse, 1);
  ASSERT_EQ(fromQs(dlg->Label1->text()), "Tell I");
  ASSERT_EQ(picker->ListView1->topLevelItemCount(), 3);
  EXPECT_EQ(keyOf(picker->ListView1->topLevelItem(0)), 201);
  doubleClickPickerRow(0);
  EXPECT_EQ(listed(), "201;");
}

TEST_F(Stammschuetzen, AFailedSaveAfterJaKeepsTheWindowTheTeamAndThePicks) {
  addSecondClub();
  exec("CREATE TEMP TRIGGER refuse BEFORE INSERT ON Mschaufstlg BEGIN SELECT RAISE(ABORT, 'locked'); END;");
  dlg->ComboBoxKlasseChange();
  clickRow(dlg->ListViewVereine, 0);
  pick({203});
  const int klasse = dlg->ComboBoxKlasse->currentIndex();
  const std::vector<std::pair<const char*, std::function<void()>>> leaving = {
      {"another club", [&] { clickRow(dlg->ListViewVereine, 1); }},
      {"another class", [&] { waehle(dlg->ComboBoxKlasse, klasse == 0 ? 1 : 0); }},
      {"ESC", [&] { QTest::keyClick(dlg->ListViewMsSs, Qt::Key_Escape); }},
      {"Beenden", [&] { QTest::mouseClick(dlg->ButtonEnde, Qt::LeftButton); }}};
  for (const auto& [way, leave] : leaving) {
    SCOPED_TRACE(way);
    msg::ScriptedMessages boxes;
    boxes.answer(msg::IdYes);
    leave();
    QCoreApplication::processEvents();
    EXPECT_TRUE(boxes.contains("locked"));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->ComboBoxKlasse->currentIndex(), klasse);
    EXPECT_EQ(currentKey(dlg->ListViewVereine), 2);
    EXPECT_EQ(fromQs(dlg->Label1->text()), "Tell I");
    EXPECT_EQ(listed(), "203;");
  }
  exec("DROP TRIGGER refuse;");
  dlg->pressKey(Qt::Key_F2);
  EXPECT_EQ(regulars(), "0 203 ;");
}

// A click on a long club name, then a pick: the list scrolled sideways to that name once
// the time of a double click was over, and the numbers went out of sight.
TEST_F(Stammschuetzen, TheClubListKeepsItsNumbersInSightAfterAPick) {
  exec("INSERT INTO Vereine_gau (Nummer, Name) VALUES (423001, 'Schützengesellschaft Hubertus Großkarolinenfe');");
  exec("INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (1, 2, 0, 423001, 1);");
  dlg->ComboBoxKlasseChange();
  QTreeWidget* clubs = dlg->ListViewVereine;
  ASSERT_TRUE(QTest::qWaitFor([&] { return clubs->horizontalScrollBar()->maximum() > 0; }));
  QTest::mouseClick(clubs->viewport(), Qt::LeftButton, {}, QPoint(clubs->columnWidth(0) + 40, rowCentre(clubs, 1).y()));
  ASSERT_EQ(currentKey(clubs), 423001);
  pick({201});
  QTest::qWait(QApplication::doubleClickInterval() + 100);
  EXPECT_EQ(clubs->horizontalScrollBar()->value(), 0);
}

// Centred with no room on either side, the window moves aside for the picker; on a screen too
// narrow for both, the picker at least leaves the window's list uncovered. Both stay on it.
TEST_F(Stammschuetzen, ThePickerStandsBesideTheWindowBothOnTheScreen) {
  ASSERT_TRUE(QTest::qWaitFor([&] { return picker->isVisible(); }));
  const QRect area = dlg->screen()->availableGeometry();
  for (bool tooNarrow : {false, true}) {
    SCOPED_TRACE(tooNarrow ? "too narrow" : "centred");
    picker->hide();
    dlg->resize(area.width() - (tooNarrow ? picker->width() / 2 : picker->width() + 60), dlg->height());
    dlg->move(tooNarrow ? area.topLeft() : area.center() - QPoint(dlg->width() / 2, dlg->height() / 2));
    QTest::keyClick(dlg->ListViewMsSs, Qt::Key_F5);
    ASSERT_TRUE(picker->isVisible());
    const QRect window = dlg->frameGeometry(), beside = picker->frameGeometry();
    const QRect list(dlg->ListViewMsSs->mapToGlobal(QPoint(0, 0)), dlg->ListViewMsSs->size());
    EXPECT_TRUE(area.contains(window)) << window.x() << "," << window.y();
    EXPECT_TRUE(area.contains(beside)) << beside.x() << "," << beside.y();
    EXPECT_FALSE(beside.intersects(tooNarrow ? list : window)) << beside.x() << " covers " << window.x() << "+" << window.width();
  }
}

}  // namespace
