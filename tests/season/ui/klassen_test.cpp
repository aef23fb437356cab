// The classes dialog: creating, filling, ordering and deleting classes, confirming them
// (bout counts and pairings) and leaving without a trace.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QApplication>
#include <QSignalBlocker>
#include <QStyleOption>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "platform/keydata.h"
#include "platform/listlook.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "season/ui/ZikoMklEinteilungDlg.h"
#include "support/testenv.h"

namespace {

class KlassenDialog : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    for (int club = 2; club <= 6; ++club)
      db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);",
               {club, "Verein " + str(club)});
    gEinstellungen.AktDisznr = 0;
    dlg = std::make_unique<TZikoMklEinteilungDlg>();
  }
  void TearDown() override {
    dlg.reset();
    DatabaseTest::TearDown();
  }

  void addClass(long nr, const std::string& name, std::vector<long> clubs) {
    db::exec(gDbHaupt, "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (?, ?, 0, 0);",
             {nr, name});
    for (size_t i = 0; i < clubs.size(); ++i)
      db::exec(gDbHaupt,
               "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (?, ?, 0, ?, 1);",
               {nr, static_cast<long>(i) + 1, clubs[i]});
  }

  // A new team of the marked club and number, the way the user picks them after adding it.
  void addTeam(long club, int number) {
    dlg->ButtonMschNeuClick();
    dlg->ComboBoxRmschnr->setCurrentIndex(number);
    {
      QSignalBlocker block(dlg->ListBoxVereine);
      dlg->ListBoxVereine->setCurrentRow(rowOfKey(dlg->ListBoxVereine, club));
    }
    dlg->ListBoxVereineClick();
  }

  void newClass(const std::string& name, std::vector<long> clubs) {
    dlg->ButtonMklNeuClick();
    dlg->EditMkl->setText(qs(name));
    for (long club : clubs) addTeam(club, 1);
  }

  void chooseClass(long nr) { dlg->ListBoxMkl->setCurrentRow(rowOfKey(dlg->ListBoxMkl, nr)); }

  // "club/team" of the class's teams by position, or "gap" where a position is missing.
  std::vector<std::string> teams(long mklnr) {
    db::Table t = db::query(gDbHaupt,
                            "SELECT Pos_in_mklnr, Vrnr, Rmschnr FROM Msch_in_klassen WHERE Disznr=0 "
                            "AND Mklnr=? ORDER BY Pos_in_mklnr;",
                            {mklnr});
    std::vector<std::string> out;
    for (size_t r = 0; r < t.size(); ++r)
      out.push_back(t.num(r, 0) == static_cast<long>(r) + 1 ? t.text(r, 1) + "/" + t.text(r, 2) : "gap");
    return out;
  }

  std::vector<std::string> classes() {
    db::Table t = db::query(gDbHaupt,
                            "SELECT Nr, Klname, AnzahlTermine FROM Mschklassen WHERE Disznr=0 ORDER BY Nr;");
    std::vector<std::string> out;
    for (size_t r = 0; r < t.size(); ++r) out.push_back(t.text(r, 0) + " " + t.text(r, 1) + " " + t.text(r, 2));
    return out;
  }

  long count(const std::string& sql, const db::Params& params = {}) {
    db::Table t = db::query(gDbHaupt, sql, params);
    return t.empty() ? -1 : t.num(0, 0);
  }

  // Every row of the tables the dialog may touch.
  std::string snapshot() {
    std::string all;
    for (const char* table : {"Mschklassen", "Msch_in_klassen", "Termine", "Gegner", "Schuetzenerg",
                              "Mscherg", "Mschaufstlg"}) {
      db::Table t = db::query(gDbHaupt, std::string("SELECT * FROM ") + table + " ORDER BY rowid;");
      all += table;
      for (const auto& row : t.rows)
        for (const auto& cell : row) all += "|" + cell;
      all += "\n";
    }
    return all;
  }

  std::unique_ptr<TZikoMklEinteilungDlg> dlg;
};

TEST_F(KlassenDialog, NewClassesAreFilledAndConfirmedWithTheirBouts) {
  dlg->show();
  ASSERT_TRUE(dlg->transactionOpen());
  EXPECT_EQ(dlg->ListBoxMkl->count(), 0);

  dlg->ButtonMklNeuClick();
  EXPECT_EQ(fromQs(dlg->EditMkl->text()), "Klasse 1");
  EXPECT_EQ(fromQs(dlg->ButtonMschNeu->text()), "Neue Mannschaft für Klasse 'Klasse 1'");
  addTeam(3, 2);
  addTeam(2, 0);
  addTeam(4, 1);
  EXPECT_EQ(fromQs(dlg->ListBoxMsch->item(0)->text()), "Verein 3 II");
  EXPECT_EQ(teams(1), (std::vector<std::string>{"3/2", "2/0", "4/1"}));

  newClass("Kreisliga", {1, 2, 3, 4});
  newClass("Bezirksliga", {1, 2, 3, 4, 5});
  newClass("Einzel", {6});
  dlg->ButtonMklNeuClick();  // stored without teams
  EXPECT_EQ(fromQs(dlg->EditMkl->text()), "Klasse 5");
  dlg->EditMklExit();
  EXPECT_EQ(classes(), (std::vector<std::string>{"1 Klasse 1 4", "2 Kreisliga 6", "3 Bezirksliga 8",
                                                 "4 Einzel 0", "5 Klasse 5 0"}))
      << "provisional counts, never below 0";

  // Dates beyond a class's bouts, and all dates of a class without teams, go on confirmation.
  for (int k = 1; k <= 10; ++k)
    for (long mkl : {2L, 5L})
      db::exec(gDbHaupt, "INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (?, ?, 'x', 0);",
               {mkl, k});

  dlg->ButtonUebernehmenClick();
  EXPECT_EQ(dlg->result(), 1);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_NE(sqlite3_get_autocommit(gDbHaupt), 0) << "the transaction was ended";
  EXPECT_EQ(classes(), (std::vector<std::string>{"1 Klasse 1 6", "2 Kreisliga 6", "3 Bezirksliga 10",
                                                 "4 Einzel 2", "5 Klasse 5 0"}));
  EXPECT_EQ(count("SELECT MAX(Nr_in_klasse) FROM Termine WHERE Mklnr=2;"), 6);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Termine WHERE Mklnr=5;"), 0);
  for (long mkl = 1; mkl <= 5; ++mkl) {
    long bouts = count("SELECT AnzahlTermine FROM Mschklassen WHERE Nr=?;", {mkl});
    EXPECT_EQ(count("SELECT MAX(Kampfnr) FROM Gegner WHERE Disznr=0 AND Mklnr=?;", {mkl}),
              bouts ? bouts : 2)
        << "class " << mkl;
  }
  // Class 1 (three teams): the first bout is position 1 against the bye.
  db::Table first = db::query(gDbHaupt,
                              "SELECT Heimvrnr, Heimmschnr, Gastvrnr FROM Gegner WHERE Mklnr=1 AND Kampfnr=1 "
                              "ORDER BY rowid;");
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first.text(0, 0) + "/" + first.text(0, 1) + "-" + first.text(0, 2), "3/2-0");
}

TEST_F(KlassenDialog, TeamsKeepTheirOrderThroughDeletingMovingAndSwitching) {
  addClass(1, "A", {1, 2, 3, 4});
  addClass(2, "B", {5, 6});
  dlg->show();
  ASSERT_EQ(dlg->shownClass(), 1);
  EXPECT_FALSE(dlg->BitBtnMschAuf->isEnabled()) << "the first team is marked";

  dlg->ListBoxMsch->setCurrentRow(1);
  dlg->ButtonMschLoeschenClick();
  EXPECT_EQ(teams(1), (std::vector<std::string>{"1/1", "3/1", "4/1"}));
  EXPECT_EQ(dlg->ListBoxMsch->currentRow(), 1);

  dlg->ListBoxMsch->setCurrentRow(2);
  EXPECT_FALSE(dlg->BitBtnMschAb->isEnabled());
  dlg->BitBtnMschAufClick();
  EXPECT_EQ(dlg->ListBoxMsch->currentRow(), 1) << "the moved team stays marked";
  dlg->ListBoxMsch->setCurrentRow(0);
  dlg->BitBtnMschAbClick();
  EXPECT_EQ(teams(1), (std::vector<std::string>{"4/1", "1/1", "3/1"}));

  // The marked team is addressed by its new position.
  dlg->ComboBoxRmschnr->setCurrentIndex(3);
  dlg->ComboBoxRmschnrChange();
  EXPECT_EQ(teams(1), (std::vector<std::string>{"4/1", "1/3", "3/1"}));
  EXPECT_EQ(fromQs(dlg->ListBoxMsch->item(1)->text()), "Verein 1 III");

  chooseClass(2);
  EXPECT_EQ(dlg->shownClass(), 2);
  EXPECT_EQ(dlg->teamList().size(), 2u);
  chooseClass(1);
  EXPECT_EQ(dlg->teamList(), (std::vector<TZikoMklEinteilungDlg::Team>{{4, 1}, {1, 3}, {3, 1}}));

  dlg->ButtonUebernehmenClick();
  EXPECT_EQ(teams(1), (std::vector<std::string>{"4/1", "1/3", "3/1"}));
  EXPECT_EQ(teams(2), (std::vector<std::string>{"5/1", "6/1"}));
  EXPECT_EQ(count("SELECT Heimvrnr FROM Gegner WHERE Mklnr=1 AND Kampfnr=3 ORDER BY rowid;"), 4)
      << "position 1 opens the last bout of the first half at home";
}

TEST_F(KlassenDialog, ClassesAreFoundByTheirNumber) {
  addClass(1, "Liga", {1, 2});
  addClass(3, "Liga", {3, 4});  // same name, and a gap in the numbers
  dlg->show();
  ASSERT_EQ(dlg->ListBoxMkl->count(), 2);

  chooseClass(3);
  EXPECT_EQ(dlg->shownClass(), 3);
  EXPECT_EQ(dlg->teamList(), (std::vector<TZikoMklEinteilungDlg::Team>{{3, 1}, {4, 1}}));
  addTeam(5, 2);
  dlg->EditMkl->setText(qs("Liga Nord"));
  dlg->EditMklExit();
  EXPECT_EQ(fromQs(dlg->ListBoxMkl->item(1)->text()), "Liga Nord");
  EXPECT_EQ(fromQs(dlg->ListBoxMkl->item(0)->text()), "Liga");

  dlg->ButtonMklNeuClick();
  EXPECT_EQ(fromQs(dlg->EditMkl->text()), "Klasse 4") << "highest number + 1";
  dlg->EditMklExit();
  EXPECT_EQ(dlg->shownClass(), 4);
  EXPECT_EQ(dlg->ListBoxMkl->currentRow(), 2);

  dlg->ButtonUebernehmenClick();
  EXPECT_EQ(classes(), (std::vector<std::string>{"1 Liga 2", "3 Liga Nord 6", "4 Klasse 4 0"}));
  EXPECT_EQ(teams(1), (std::vector<std::string>{"1/1", "2/1"}));
  EXPECT_EQ(teams(3), (std::vector<std::string>{"3/1", "4/1", "5/2"}));
}

TEST_F(KlassenDialog, TeamsOfDeletedClubsLeaveEveryClassWithoutGaps) {
  addClass(1, "A", {1, 2});
  addClass(2, "B", {2, 9, 3, 4});  // club 9 no longer exists
  db::exec(gDbHaupt, "UPDATE Msch_in_klassen SET Pos_in_mklnr=7 WHERE Mklnr=2 AND Vrnr=4;");
  dlg->show();
  dlg->ButtonUebernehmenClick();
  EXPECT_EQ(teams(2), (std::vector<std::string>{"2/1", "3/1", "4/1"}));
  EXPECT_EQ(classes()[1], "2 B 6");
  EXPECT_EQ(count("SELECT COUNT(*) FROM Gegner WHERE Mklnr=2 AND (Heimvrnr=9 OR Gastvrnr=9);"), 0);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Gegner WHERE Mklnr=2 AND Gastvrnr=4;"), 3);
}

TEST_F(KlassenDialog, DeletingTheLastClass) {
  addClass(1, "A", {1, 2});
  addClass(2, "B", {3, 4});
  db::exec(gDbHaupt, "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr) VALUES (1, 0, 950, 1, 1, 2);");
  db::exec(gDbHaupt, "INSERT INTO Mscherg (Mklnr, Vrnr, Rmschnr, Disznr, Ergnr) VALUES (2, 3, 1, 0, 1);");
  db::exec(gDbHaupt, "INSERT INTO Mschaufstlg (Disznr, Kampfnr, Mklnr, Posnr, Schnr) VALUES (0, 4, 2, 1, 1);");
  db::exec(gDbHaupt, "INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (2, 1, 'x', 0);");
  db::exec(gDbHaupt, "INSERT INTO Gegner (Disznr, Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr) "
                     "VALUES (0, 2, 1, 3, 1, 4, 1);");
  const std::string before = snapshot();
  dlg->show();
  EXPECT_FALSE(dlg->ButtonMklLoeschen->isEnabled()) << "only the last class can be deleted";
  chooseClass(2);
  ASSERT_TRUE(dlg->ButtonMklLoeschen->isEnabled());

  msg::ScriptedMessages boxes;
  boxes.answer(msg::IdNo);
  dlg->ButtonMklLoeschenClick();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Warnung");
  EXPECT_EQ(boxes.shown()[0].text,
            "Die Klasse B enthält Ergebnisse oder Aufstellungen. Klasse mit allen Ergebnissen löschen?");
  EXPECT_EQ(boxes.shown()[0].buttons, msg::YesNo);
  EXPECT_EQ(classes().size(), 2u);
  EXPECT_EQ(dlg->shownClass(), 2);

  boxes.answer(msg::IdYes);
  dlg->ButtonMklLoeschenClick();
  EXPECT_EQ(classes(), (std::vector<std::string>{"1 A 2"})) << "saved when B was chosen";
  EXPECT_EQ(dlg->shownClass(), 1);
  for (const char* sql : {"SELECT COUNT(*) FROM Schuetzenerg WHERE Mschklnr=2;", "SELECT COUNT(*) FROM Mscherg;",
                          "SELECT COUNT(*) FROM Mschaufstlg;", "SELECT COUNT(*) FROM Termine;",
                          "SELECT COUNT(*) FROM Msch_in_klassen WHERE Mklnr=2;",
                          "SELECT COUNT(*) FROM Gegner WHERE Mklnr=2;"})
    EXPECT_EQ(count(sql), 0) << sql;

  // The only class left stays; the next new class takes the number of the deleted one.
  EXPECT_FALSE(dlg->ButtonMklLoeschen->isEnabled()) << "one class is left";
  chooseClass(1);
  EXPECT_FALSE(dlg->ButtonMklLoeschen->isEnabled()) << "one class is left";
  boxes.clear();
  dlg->ButtonMklLoeschenClick();
  EXPECT_EQ(classes(), (std::vector<std::string>{"1 A 2"}));
  dlg->ButtonMklNeuClick();
  EXPECT_EQ(fromQs(dlg->EditMkl->text()), "Klasse 2");
  // Closed without confirming, the class comes back whole, pairings and results with it.
  dlg->close();
  EXPECT_EQ(snapshot(), before);
}

// A club of 45 characters with teams I, II and III: the chosen team's club is shown whole,
// and the team lines are cut anew, numbers kept, as the window widens and narrows again.
TEST_F(KlassenDialog, LongNamesFollowTheWindowsWidth) {
  const QString lang = qs("Schützengesellschaft Hubertus Großkarolinenfe");
  db::exec(gDbHaupt, "UPDATE Vereine_gau SET Name=? WHERE Nummer=2;", {fromQs(lang)});
  addClass(1, "A", {2, 2, 2});
  db::exec(gDbHaupt, "UPDATE Msch_in_klassen SET Rmschnr=Pos_in_mklnr;");
  dlg->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
  const int width = dlg->width();
  for (int w : {width, width + 300, width}) {
    SCOPED_TRACE(w);
    dlg->resize(w, dlg->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(dlg->Label2->text(), lang) << "the chosen team's club is cut";
    for (int row = 0; row < 3; ++row) {
      QListWidgetItem* item = dlg->ListBoxMsch->item(row);
      const QString number = qs(row == 0 ? " I" : row == 1 ? " II" : " III");
      EXPECT_EQ(item->toolTip(), lang + number);
      EXPECT_TRUE(item->text().endsWith(number)) << fromQs(item->text());
      if (w > width) {
        EXPECT_EQ(item->text(), item->toolTip()) << "cut though the window has room";
      }
      EXPECT_LE(cellWidthNeeded(dlg->ListBoxMsch, dlg->ListBoxMsch->model()->index(row, 0)),
                dlg->ListBoxMsch->viewport()->width()) << fromQs(item->text());
    }
  }
}

// At the window's least width a class name of 19 characters stands whole in its field and the
// captions of a class such as "Gauoberliga" whole; long clubs' names end in "…", whole as tooltip.
TEST_F(KlassenDialog, AtItsLeastWidthTheClassAndItsCaptionsStandWhole) {
  const QString lang = qs("Schützengesellschaft Hubertus Großkarolinenfe");
  db::exec(gDbHaupt, "UPDATE Vereine_gau SET Name=? WHERE Nummer=2;", {fromQs(lang)});
  addClass(1, "Gauoberliga", {2, 3});
  dlg->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
  dlg->resize(0, dlg->height());
  QCoreApplication::processEvents();
  EXPECT_LE(dlg->width(), 715);
  EXPECT_EQ(dlg->GroupBoxKlasseBearbeiten->title(), qs("Bearbeiten Klasse 'Gauoberliga'"));
  EXPECT_EQ(dlg->GroupBoxMsch->title(), qs("Mannschaften Klasse 'Gauoberliga'"));
  EXPECT_EQ(dlg->ButtonMschNeu->text(), qs("Neue Mannschaft für Klasse 'Gauoberliga'"));
  // The field scrolls its text only when it holds less than the name: then its end lies
  // nearer to its beginning than the name is wide.
  QLineEdit* field = dlg->EditMkl;
  field->setText(qs("Bezirksoberliga Süd"));
  field->setCursorPosition(0);
  field->repaint();
  const auto cursor = [field] { return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(); };
  const int begin = cursor();
  field->end(false);
  field->repaint();
  EXPECT_GE(cursor() - begin, field->fontMetrics().horizontalAdvance(field->text()) - 1);

  QListWidget* clubs = dlg->ListBoxVereine;
  for (int row = 0; row < clubs->count(); ++row)
    EXPECT_LE(cellWidthNeeded(clubs, clubs->model()->index(row, 0)), clubs->viewport()->width()) << row;
  QListWidgetItem* item = clubs->item(rowOfKey(clubs, 2));
  EXPECT_TRUE(item->text().endsWith(qs("…"))) << fromQs(item->text());
  EXPECT_EQ(item->toolTip(), lang);
}

// A long class chosen in the wide window: the button naming it is cut anew as the window
// narrows to its least width and widens again, each time to the room it has then.
TEST_F(KlassenDialog, CaptionsNamingAClassFollowTheWindowsWidth) {
  const QString klasse = qs("Bezirksoberliga Süd-Ost");
  addClass(1, "A", {2});
  addClass(2, fromQs(klasse), {3});
  dlg->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
  chooseClass(2);
  QPushButton* button = dlg->ButtonMschNeu;
  const QString whole = qs("Neue Mannschaft für Klasse '") + klasse + qs("'");
  for (int w : {0, dlg->width()}) {
    dlg->resize(w, dlg->height());
    QCoreApplication::processEvents();
    if (w == 0) {
      ASSERT_LE(dlg->width(), 715);
    }
    QStyleOptionButton opt;
    opt.initFrom(button);
    const int room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button).width();
    const QString shown = button->text().replace(qs("&&"), qs("&"));
    EXPECT_LE(button->fontMetrics().horizontalAdvance(shown), room) << w << ": cut off";
    if (shown == whole) continue;
    // Cut: the beginning of the whole text, and one more letter would not fit.
    EXPECT_TRUE(shown.endsWith(qs("…")) && whole.startsWith(shown.chopped(1))) << shown.toStdString();
    EXPECT_GT(button->fontMetrics().horizontalAdvance(whole.left(shown.size()) + qs("…")), room - 24)
        << w << ": cut shorter than its room";
  }
}

TEST_F(KlassenDialog, EveryWayOfLeavingButConfirmationKeepsTheDatabase) {
  addClass(1, "A", {1, 2, 3});
  db::exec(gDbHaupt, "INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (1, 1, 'x', 0);");
  const std::string before = snapshot();
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE("way " + std::to_string(way));
    dlg->show();
    ASSERT_TRUE(dlg->transactionOpen());
    dlg->ListBoxMsch->setCurrentRow(1);
    dlg->ButtonMschLoeschenClick();
    dlg->BitBtnMschAbClick();
    newClass("Neu", {4, 5});
    chooseClass(1);
    ASSERT_NE(snapshot(), before);
    if (way == 0) dlg->ButtonAbbrechenClick();
    if (way == 1) QTest::keyClick(dlg->ListBoxMsch, Qt::Key_Escape);
    if (way == 2) dlg->close();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), 2);
    EXPECT_NE(sqlite3_get_autocommit(gDbHaupt), 0);
    EXPECT_EQ(snapshot(), before);
  }
}

}  // namespace
