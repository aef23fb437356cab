// The class settings dialog: what it makes of the values typed, switching classes, and
// the transaction of a showing.
#include <gtest/gtest.h>

#include <QTest>

#include "core/db.h"
#include "core/globals.h"
#include "platform/text.h"
#include "season/ui/ZikoNSMklEinstellungenDlg.h"
#include "support/testenv.h"

namespace {

struct Stored {
  int unsort, sort, sortflag, max, minerg;
  bool operator==(const Stored&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Stored& s) {
  return os << s.unsort << "/" << s.sort << "/" << s.sortflag << "/" << s.max << "/" << s.minerg;
}

class NSMklEinstellungenTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    gEinstellungen.AktDisznr = 0;
    dlg = std::make_unique<TZikoNSMklEinstellungenDlg>();
    ZikoNSMklEinstellungenDlg = dlg.get();
  }
  void TearDown() override {
    dlg.reset();
    DatabaseTest::TearDown();
  }

  static void addClass(long nr, const std::string& name, int bouts, int disz = 0) {
    ASSERT_TRUE(db::exec(gDbHaupt,
                         "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr, "
                         "SchuetzenproMannschaftUnsort, SchuetzenproMannschaftSort, Sortflag, "
                         "MaxSchuetzenproMannschaft, Minerganzahl) VALUES (?, ?, ?, ?, 3, 3, 0, 6, 2);",
                         {nr, name, bouts, disz}));
  }
  static Stored stored(long nr, int disz = 0) {
    db::Table t = db::query(gDbHaupt,
                            "SELECT SchuetzenproMannschaftUnsort, SchuetzenproMannschaftSort, Sortflag, "
                            "MaxSchuetzenproMannschaft, Minerganzahl FROM Mschklassen WHERE Nr=? AND Disznr=?;",
                            {nr, disz});
    if (t.empty()) return {-1, -1, -1, -1, -1};
    return {t.integer(0, 0), t.integer(0, 1), t.integer(0, 2), t.integer(0, 3), t.integer(0, 4)};
  }
  static std::vector<std::vector<std::string>> allClasses() {
    return db::query(gDbHaupt, "SELECT * FROM Mschklassen ORDER BY rowid;").rows;
  }

  void choose(int index) {
    dlg->ComboBoxKlasse->setCurrentIndex(index);
    dlg->ComboBoxKlasseChange();
  }
  void type(const char* unsort, const char* sort, const char* max, const char* minerg) {
    dlg->EditSchuetzenproMannschaftUnsort->setText(qs(unsort));
    dlg->EditSchuetzenproMannschaftSort->setText(qs(sort));
    dlg->EditMaxSchuetzenSort->setText(qs(max));
    dlg->EditMinErgAnz->setText(qs(minerg));
  }

  std::unique_ptr<TZikoNSMklEinstellungenDlg> dlg;
};

TEST_F(NSMklEinstellungenTest, ValuesOutOfRangeAreReplaced) {
  struct Case {
    int bouts;
    const char *unsort, *sort, *max, *minerg;
    bool best;
    Stored want;
  };
  const Case cases[] = {
      {6, "0", "16", "16", "", false, {4, 4, 0, 8, 5}},
      {6, "15", "1", "0", "9", true, {15, 1, 1, 8, 6}},
      {6, "", "", "", "0", false, {4, 4, 0, 8, 6}},
      {4, "5", "3", "10", "", true, {5, 3, 1, 10, 4}},
      {0, "4", "4", "8", "3", false, {4, 4, 0, 8, 0}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const Case& c = cases[i];
    db::exec(gDbHaupt, "DELETE FROM Mschklassen;");
    addClass(1, "Kreisliga", c.bouts);
    dlg->show();
    type(c.unsort, c.sort, c.max, c.minerg);
    (c.best ? dlg->RadioBeste : dlg->RadioErste)->setChecked(true);
    dlg->ButtonUebernehmenClick();
    EXPECT_EQ(dlg->modalResult(), mrOk);
    EXPECT_EQ(stored(1), c.want);
  }
}

TEST_F(NSMklEinstellungenTest, ShowsTheStoredValuesOfTheClassChosenByItsNumber) {
  // Two classes with one name and a gap in the numbers.
  addClass(4, "Liga", 10);
  addClass(2, "Liga", 6);
  addClass(3, "Andere Disziplin", 6, 1);
  db::exec(gDbHaupt, "UPDATE Mschklassen SET Sortflag=1, Minerganzahl=7 WHERE Nr=4;");
  dlg->show();
  ASSERT_EQ(dlg->ComboBoxKlasse->count(), 2);
  EXPECT_EQ(dlg->klasseNr(), 2);
  EXPECT_EQ(fromQs(dlg->Panel2->text()), "6");
  EXPECT_EQ(fromQs(dlg->RadioGroup1->title()), "Die Mannschaften in Klasse Liga bestehen aus");
  EXPECT_TRUE(dlg->RadioErste->isChecked());

  type("6", "5", "9", "4");
  choose(1);
  EXPECT_EQ(dlg->klasseNr(), 4);
  EXPECT_EQ(fromQs(dlg->Panel2->text()), "10");
  EXPECT_TRUE(dlg->RadioBeste->isChecked());
  EXPECT_EQ(fromQs(dlg->EditMinErgAnz->text()), "7");
  EXPECT_EQ(fromQs(dlg->EditSchuetzenproMannschaftUnsort->text()), "3");
  EXPECT_EQ(stored(2), (Stored{6, 5, 0, 9, 4})) << "switching keeps the edits of the class left";
  EXPECT_EQ(stored(4), (Stored{3, 3, 1, 6, 7}));

  choose(0);
  EXPECT_EQ(fromQs(dlg->EditMaxSchuetzenSort->text()), "9");
  EXPECT_EQ(stored(3, 1), (Stored{3, 3, 0, 6, 2}));
}

TEST_F(NSMklEinstellungenTest, OnlyTheConfirmingButtonKeepsTheEditsOfAllClasses) {
  addClass(1, "Oberliga", 10);
  addClass(2, "Kreisliga", 6);
  const auto original = allClasses();
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    dlg->show();
    ASSERT_TRUE(dlg->transactionOpen());
    type("7", "7", "9", "3");
    choose(1);
    type("2", "2", "2", "2");
    choose(0);
    ASSERT_NE(allClasses(), original);
    if (way == 0) dlg->ButtonAbbrechenClick();
    if (way == 1) dlg->close();
    if (way == 2) dlg->previewKey(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(dlg->modalResult(), mrCancel);
    EXPECT_EQ(allClasses(), original);
  }
}

TEST_F(NSMklEinstellungenTest, NumberFieldsTakeDigitsOnly) {
  addClass(1, "Oberliga", 10);
  dlg->show();
  QLineEdit* e = dlg->EditMinErgAnz;
  e->clear();
  e->setFocus();
  QTest::keyClicks(e, QStringLiteral("1a-2x"));
  EXPECT_EQ(fromQs(e->text()), "12");
  QTest::keyClicks(e, QStringLiteral("3"));
  EXPECT_EQ(fromQs(e->text()), "12") << "two digits at most";
}

}  // namespace
