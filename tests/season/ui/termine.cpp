// The dates dialog: rows per bout, copying between classes in number order, the row
// limit, and the transaction of a showing.
#include <gtest/gtest.h>

#include <map>

#include "core/db.h"
#include "core/globals.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "season/ui/ZikoTermineDlg.h"
#include "support/testenv.h"

namespace {

class TermineDlgTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    gEinstellungen.AktDisznr = 0;
  }
  void TearDown() override {
    dlg.reset();
    DatabaseTest::TearDown();
  }

  static void addClass(long nr, const std::string& name, int bouts, int disz = 0) {
    ASSERT_TRUE(db::exec(gDbHaupt,
                         "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (?, ?, ?, ?);",
                         {nr, name, bouts, disz}));
  }
  static void addDate(long klasse, int bout, const std::string& text, int disz = 0) {
    ASSERT_TRUE(db::exec(gDbHaupt,
                         "INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (?, ?, ?, ?);",
                         {klasse, bout, text, disz}));
  }
  // Bout number -> date of a class as stored.
  static std::map<int, std::string> dates(long klasse, int disz = 0) {
    std::map<int, std::string> out;
    db::Table t = db::query(gDbHaupt, "SELECT Nr_in_klasse, Termin FROM Termine WHERE Mklnr=? AND Disznr=?;",
                            {klasse, disz});
    for (size_t r = 0; r < t.size(); ++r) out[t.integer(r, 0)] = t.text(r, 1);
    return out;
  }
  static size_t allDates() { return db::query(gDbHaupt, "SELECT * FROM Termine;").size(); }

  TZikoTermineDlg& open() {
    dlg = std::make_unique<TZikoTermineDlg>();
    ZikoTermineDlg = dlg.get();
    dlg->show();
    return *dlg;
  }
  void choose(int index) {
    dlg->ComboBoxKlasse->setCurrentIndex(index);
    dlg->ComboBoxKlasseChange();
  }
  std::string edit(int row) const { return fromQs(dlg->Edits[static_cast<size_t>(row - 1)]->text()); }
  void type(int row, const std::string& text) {
    dlg->Edits[static_cast<size_t>(row - 1)]->setText(qs(text));
  }

  std::unique_ptr<TZikoTermineDlg> dlg;
};

TEST_F(TermineDlgTest, DatesSitInTheRowOfTheirBoutAndEmptyRowsAreStoredAsBlank) {
  addClass(1, "Kreisliga", 6);
  addDate(1, 4, "Sa 14.11. 19:00");
  addDate(1, 2, "Fr 16.10.");
  auto& d = open();

  EXPECT_EQ(d.sichtbareZeilen(), 6);
  EXPECT_FALSE(d.Edits[5]->isHidden());
  EXPECT_TRUE(d.Edits[6]->isHidden());
  EXPECT_EQ(edit(2), "Fr 16.10.");
  EXPECT_EQ(edit(4), "Sa 14.11. 19:00");
  EXPECT_EQ(edit(1), "");

  type(1, "Schießhalle Süd");
  d.ButtonUebernehmenClick();
  EXPECT_EQ(d.modalResult(), mrOk);
  EXPECT_FALSE(d.transactionOpen());
  std::map<int, std::string> want{{1, "Schießhalle Süd"}, {2, "Fr 16.10."}, {3, " "},
                                  {4, "Sa 14.11. 19:00"}, {5, " "}, {6, " "}};
  EXPECT_EQ(dates(1), want);
}

TEST_F(TermineDlgTest, CopiesToTheFollowingClassesInNumberOrder) {
  // Numbers with gaps, and a class of another discipline between them.
  addClass(1, "Oberliga", 10);
  addClass(3, "Kreisliga", 6);
  addClass(7, "Kreisklasse", 14);
  addClass(2, "Pistole", 6, 1);
  addDate(7, 12, "alt");
  addDate(2, 1, "andere Disziplin", 1);
  auto& d = open();

  ASSERT_EQ(d.ComboBoxKlasse->count(), 3);
  EXPECT_EQ(comboKey(d.ComboBoxKlasse, 2), 7);
  EXPECT_FALSE(d.ButtonTvvK->isEnabled());
  EXPECT_TRUE(d.ButtonTanAlle->isEnabled());
  for (int i = 1; i <= 10; ++i) type(i, "Termin " + str(i));
  d.ButtonTanAlleClick();

  std::map<int, std::string> kreisliga = dates(3), kreisklasse = dates(7);
  ASSERT_EQ(kreisliga.size(), 6u);
  ASSERT_EQ(kreisklasse.size(), 10u);
  EXPECT_EQ(kreisliga[6], "Termin 6");
  EXPECT_EQ(kreisklasse[10], "Termin 10");
  EXPECT_EQ(kreisklasse.count(12), 0u) << "bouts beyond the copied ones keep no date";
  EXPECT_EQ(dates(1).size(), 10u) << "the class shown is saved as well";
  EXPECT_EQ(dates(2, 1).at(1), "andere Disziplin");

  choose(2);
  EXPECT_EQ(d.klasseNr(), 7);
  EXPECT_TRUE(d.ButtonTvvK->isEnabled());
  EXPECT_FALSE(d.ButtonTanAlle->isEnabled());
  EXPECT_EQ(edit(10), "Termin 10");
  EXPECT_EQ(edit(11), "");
}

TEST_F(TermineDlgTest, TakesOverTheDatesOfThePreviousClassNotOfNumberMinusOne) {
  addClass(2, "A-Klasse", 6);
  addClass(5, "B-Klasse", 4);
  addClass(4, "Fremd", 4, 1);
  addDate(2, 1, "Mo 05.10.");
  addDate(2, 3, "Mi 21.10.");
  addDate(2, 5, "Fr 06.11.");
  addDate(4, 1, "falsch", 1);
  addDate(4, 1, "auch falsch");  // class 4 does not exist in this discipline
  auto& d = open();

  choose(1);
  ASSERT_EQ(d.klasseNr(), 5);
  type(2, "wird ersetzt");
  d.ButtonTvvKClick();
  EXPECT_EQ(edit(1), "Mo 05.10.");
  EXPECT_EQ(edit(2), "");
  EXPECT_EQ(edit(3), "Mi 21.10.");
  std::map<int, std::string> want{{1, "Mo 05.10."}, {2, " "}, {3, "Mi 21.10."}, {4, " "}};
  EXPECT_EQ(dates(5), want) << "bout 5 of the previous class has no row here";
}

TEST_F(TermineDlgTest, ShowsEveryBoutOfAFullClassAndNoMoreThanFiftyRows) {
  addClass(1, "Zwölf Mannschaften", 22);
  addClass(2, "Zu viele", 60);
  addDate(1, 22, "letzter Kampf");
  for (int b = 1; b <= 60; ++b) addDate(2, b, "T" + str(b));
  msg::ScriptedMessages boxes;
  auto& d = open();

  EXPECT_EQ(d.sichtbareZeilen(), 22);
  EXPECT_EQ(edit(22), "letzter Kampf");
  type(21, "vorletzter");
  EXPECT_EQ(boxes.count(), 0u);

  choose(1);
  EXPECT_EQ(dates(1).at(21), "vorletzter");
  EXPECT_EQ(d.sichtbareZeilen(), 50);
  EXPECT_EQ(edit(50), "T50");
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Info");
  EXPECT_NE(boxes.shown()[0].text.find("50"), std::string::npos);

  type(50, "neu");
  choose(0);
  choose(1);
  EXPECT_EQ(boxes.count(), 1u) << "the limit is told once per showing";
  d.ButtonUebernehmenClick();
  std::map<int, std::string> stored = dates(2);
  EXPECT_EQ(stored.size(), 60u);
  EXPECT_EQ(stored[50], "neu");
  EXPECT_EQ(stored[51], "T51") << "dates the dialog could not show are kept";
}

TEST_F(TermineDlgTest, ClassWithoutBoutsShowsNoRowsAndNoCopying) {
  addClass(1, "Leer", 0);
  addClass(2, "Voll", 4);
  auto& d = open();
  EXPECT_EQ(d.sichtbareZeilen(), 0);
  EXPECT_TRUE(d.Edits[0]->isHidden());
  EXPECT_FALSE(d.ButtonTvvK->isEnabled());
  EXPECT_FALSE(d.ButtonTanAlle->isEnabled());
}

TEST_F(TermineDlgTest, CancelAndTheCloseBoxDiscardTheDatesOfEveryClass) {
  addClass(1, "Oberliga", 4);
  addClass(2, "Kreisliga", 4);
  addDate(1, 1, "bleibt");
  const size_t before = allDates();

  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    auto& d = open();
    ASSERT_TRUE(d.transactionOpen());
    type(1, "geändert");
    choose(1);  // saves the first class
    type(2, "auch geändert");
    d.ButtonTanAlleClick();
    if (way == 0) d.ButtonAbbrechenClick();
    if (way == 1) d.close();
    if (way == 2) d.previewKey(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.modalResult(), mrCancel);
    EXPECT_EQ(allDates(), before);
    EXPECT_EQ(dates(1).at(1), "bleibt");
  }
}

TEST_F(TermineDlgTest, ADateCp1252CannotHoldIsRefusedNotStoredAsQuestionMark) {
  addClass(1, "Oberliga", 4);
  addClass(2, "Kreisliga", 4);
  auto& d = open();
  msg::ScriptedMessages boxes;
  d.Edits[0]->setText(QStringLiteral("12.10. ") + QChar(0x2192) + QStringLiteral(" 19.10."));
  choose(1);
  EXPECT_EQ(d.ComboBoxKlasse->currentIndex(), 0) << "the class with the refused date stays shown";
  d.ButtonTanAlleClick();
  d.ButtonUebernehmenClick();
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(boxes.count(), 3u);
  EXPECT_TRUE(boxes.contains("2192"));
  EXPECT_EQ(d.focusWidget(), d.Edits[0]);
  type(1, "12.10.");
  d.ButtonUebernehmenClick();
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(dates(1).at(1), "12.10.");
  EXPECT_TRUE(dates(2).empty());
}

TEST_F(TermineDlgTest, AFailedSaveKeepsTheStoredDatesAndTheWindowOpen) {
  addClass(1, "Oberliga", 3);
  addClass(2, "Kreisliga", 3);
  addDate(1, 1, "alt");
  addDate(2, 1, "bleibt");
  auto& d = open();
  ASSERT_TRUE(db::exec(gDbHaupt, "CREATE TRIGGER nein BEFORE INSERT ON Termine WHEN NEW.Nr_in_klasse = 2 "
                                 "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END;"));
  msg::ScriptedMessages boxes;
  type(1, "neu");
  d.ButtonTanAlleClick();
  d.ButtonUebernehmenClick();
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(dates(1).at(1), "alt");
  EXPECT_EQ(dates(2).at(1), "bleibt");
  ASSERT_TRUE(db::exec(gDbHaupt, "DROP TRIGGER nein;"));
  d.ButtonUebernehmenClick();
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(dates(1).at(1), "neu");
}

}  // namespace
