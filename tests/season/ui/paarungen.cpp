// The pairing editor and the range occupancy view beside it: swaps in one bout and in the
// mirror bout, the bouts offered, the occupancy texts and marks, and the transaction.
#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "platform/keydata.h"
#include "platform/listlook.h"
#include "platform/text.h"
#include "season/gegner.h"
#include "season/ui/ZikoMklBearbeitenDlg.h"
#include "season/ui/ZikoStandbelegungenDlg.h"
#include "support/testenv.h"

namespace {

struct Row {
  int kampf, heim, heimM, gast, gastM;
};

// Class 1 "Kreisliga": clubs 1-4, six bouts, bouts 4-6 mirror bouts 1-3; only four dates.
// Class 2 "Bezirksliga": second teams of clubs 1 and 3, two bouts.
// Class 3 "Kreisklasse": a bye, one bout.
const std::vector<Row> kKreisliga = {
    {1, 1, 1, 2, 1}, {1, 3, 1, 4, 1}, {2, 4, 1, 1, 1}, {2, 2, 1, 3, 1}, {3, 1, 1, 3, 1}, {3, 4, 1, 2, 1},
    {4, 2, 1, 1, 1}, {4, 4, 1, 3, 1}, {5, 1, 1, 4, 1}, {5, 3, 1, 2, 1}, {6, 3, 1, 1, 1}, {6, 2, 1, 4, 1}};

class MklBearbeitenTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    gEinstellungen.AktDisznr = 0;
    exec("INSERT INTO Vereine_gau (Nummer, Name) VALUES (2, 'SG Nord'), (3, 'SV Süd'), (4, 'BSG Ost');");
    exec("INSERT INTO Vereine_zstext (Nummer, ZsText) VALUES (3, 'Stand nur samstags');");
    exec("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES "
         "(1, 'Kreisliga', 6, 0), (2, 'Bezirksliga', 2, 0), (3, 'Kreisklasse', 6, 0);");
    exec("INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES "
         "(1, 1, 0, 1, 1), (1, 2, 0, 2, 1), (1, 3, 0, 3, 1), (1, 4, 0, 4, 1), "
         "(2, 1, 0, 1, 2), (2, 2, 0, 3, 2), (3, 1, 0, 2, 2), (3, 2, 0, 4, 2);");
    for (const Row& r : kKreisliga) addPairing(1, r);
    addPairing(2, {1, 1, 2, 3, 2});
    addPairing(2, {2, 3, 2, 1, 2});
    addPairing(3, {1, 0, 0, 2, 2});
    addPairing(3, {1, 4, 2, 0, 0});
    exec("INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES "
         "(1, 3, '30.10.', 0), (1, 1, '02.10.', 0), (1, 2, '16.10.', 0), (1, 4, '13.11.', 0);");

    view = std::make_unique<TZikoStandbelegungenDlg>();
    ZikoStandbelegungenDlg = view.get();
    dlg = std::make_unique<TZikoMklBearbeitenDlg>();
    ZikoMklBearbeitenDlg = dlg.get();
  }
  void TearDown() override {
    view.reset();
    dlg.reset();
    ZikoStandbelegungenDlg = nullptr;
    DatabaseTest::TearDown();
  }

  static void addPairing(long klasse, const Row& r) {
    ASSERT_TRUE(db::exec(gDbHaupt,
                         "INSERT INTO Gegner (Disznr, Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, "
                         "Gastmschnr) VALUES (0, ?, ?, ?, ?, ?, ?);",
                         {klasse, r.kampf, r.heim, r.heimM, r.gast, r.gastM}));
  }
  // "home-guest" club numbers of every pairing of a bout, in stored order.
  static std::vector<std::string> bout(long klasse, int kampf) {
    std::vector<std::string> out;
    db::Table t = db::query(gDbHaupt,
                            "SELECT Heimvrnr, Gastvrnr FROM Gegner WHERE Disznr=0 AND Mklnr=? AND "
                            "Kampfnr=? ORDER BY rowid;",
                            {klasse, kampf});
    for (size_t r = 0; r < t.size(); ++r) out.push_back(t.text(r, 0) + "-" + t.text(r, 1));
    return out;
  }
  static std::vector<std::vector<std::string>> allRows() {
    return db::query(gDbHaupt, "SELECT * FROM Gegner ORDER BY rowid;").rows;
  }

  void chooseClass(int index) {
    dlg->ComboBoxKlasse->setCurrentIndex(index);
    dlg->ComboBoxKlasseChange();
  }
  void chooseBout(int kampf) {
    dlg->ComboBoxTermine->setCurrentIndex(comboIndexOfKey(dlg->ComboBoxTermine, kampf));
    dlg->ComboBoxTermineChange();
  }
  std::string cell(int row, int column) const {
    return fromQs(dlg->ListView1->topLevelItem(row)->text(column));
  }
  QSet<long> marked() const {
    QSet<long> out;
    for (QTreeWidgetItem* item : view->ListView1->selectedItems()) out.insert(keyOf(item));
    return out;
  }

  std::unique_ptr<TZikoStandbelegungenDlg> view;
  std::unique_ptr<TZikoMklBearbeitenDlg> dlg;
};

TEST_F(MklBearbeitenTest, OffersEveryStoredBoutWithTheDateOfItsNumber) {
  dlg->show();
  ASSERT_EQ(dlg->ComboBoxTermine->count(), 6) << "bouts come from the pairings, not the dates";
  EXPECT_EQ(fromQs(dlg->ComboBoxTermine->itemText(0)), "Nr. 1 am 02.10.");
  EXPECT_EQ(fromQs(dlg->ComboBoxTermine->itemText(2)), "Nr. 3 am 30.10.");
  EXPECT_EQ(fromQs(dlg->ComboBoxTermine->itemText(5)), "Nr. 6 am ");
  EXPECT_EQ(fromQs(dlg->ButtonKnrTauschen->text()),
            "Heim - Gast nur für Kampf Nr. Nr. 1 am 02.10. vertauschen");
  EXPECT_EQ(gIntdat.MklBearbeitenKlasse, 1);
  EXPECT_EQ(gIntdat.MklBearbeitenKampf, 1);
  ASSERT_EQ(dlg->ListView1->topLevelItemCount(), 2);
  EXPECT_EQ(cell(0, 0), "Verein 1 I");
  EXPECT_EQ(cell(0, 1), "SG Nord I");

  dlg->selectRow(1);
  EXPECT_EQ(dlg->selectedRow(), 1);
  EXPECT_EQ(fromQs(dlg->GroupBoxHm->title()), "SV Süd");
  EXPECT_EQ(fromQs(dlg->GroupBoxGm->title()), "BSG Ost");
  EXPECT_EQ(fromQs(dlg->MemoZstextH->toPlainText()), "Stand nur samstags");
  EXPECT_EQ(fromQs(dlg->MemoZstextG->toPlainText()), "");
}

TEST_F(MklBearbeitenTest, SwapInBothHalvesUsesTheStoredMirrorDistance) {
  dlg->show();
  // Four dates but six bouts: bout 2 pairs with bout 5, not with bout 4.
  chooseBout(2);
  dlg->selectRow(1);
  dlg->ButtonVRTauschenClick();
  EXPECT_EQ(bout(1, 2), (std::vector<std::string>{"4-1", "3-2"}));
  EXPECT_EQ(bout(1, 5), (std::vector<std::string>{"1-4", "2-3"}));
  EXPECT_EQ(bout(1, 4), (std::vector<std::string>{"2-1", "4-3"}));
  EXPECT_EQ(cell(1, 0), "SV Süd I");
  EXPECT_EQ(dlg->selectedRow(), 1) << "the swapped row stays chosen";

  // From the second half the mirror is the first-half bout; twice restores.
  chooseBout(5);
  EXPECT_EQ(dlg->selectedRow(), 0);
  dlg->selectRow(1);
  dlg->ButtonVRTauschenClick();
  std::vector<std::vector<std::string>> original = allRows();
  EXPECT_EQ(bout(1, 2), (std::vector<std::string>{"4-1", "2-3"}));
  EXPECT_EQ(bout(1, 5), (std::vector<std::string>{"1-4", "3-2"}));

  dlg->ButtonKnrTauschenClick();
  EXPECT_EQ(bout(1, 5), (std::vector<std::string>{"1-4", "2-3"}));
  EXPECT_EQ(bout(1, 2), (std::vector<std::string>{"4-1", "2-3"})) << "one bout only";
  dlg->ButtonKnrTauschenClick();
  EXPECT_EQ(allRows(), original);
}

TEST_F(MklBearbeitenTest, OnAGeneratedScheduleBothMatchesOfThePairFlip) {
  // Six teams, ten bouts written by the generator; every pairing of the first half swapped
  // in both halves.
  exec("DELETE FROM Gegner; DELETE FROM Msch_in_klassen;");
  exec("UPDATE Mschklassen SET AnzahlTermine=10 WHERE Nr=1;");
  for (int club = 1; club <= 6; ++club)
    ASSERT_TRUE(db::exec(gDbHaupt,
                         "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) "
                         "VALUES (1, ?, 0, ?, 1);",
                         {club, club}));
  WriteGegnerTable(0);
  dlg->show();
  ASSERT_EQ(dlg->ComboBoxTermine->count(), 10);
  auto reversed = [](const std::string& pair) {
    size_t dash = pair.find('-');
    return pair.substr(dash + 1) + "-" + pair.substr(0, dash);
  };
  std::vector<std::vector<std::string>> generated;
  for (int kampf = 1; kampf <= 5; ++kampf) generated.push_back(bout(1, kampf));
  for (int kampf = 1; kampf <= 5; ++kampf) {
    chooseBout(kampf);
    for (int row = 0; row < 3; ++row) {
      dlg->selectRow(row);
      dlg->ButtonVRTauschenClick();
    }
  }
  for (int kampf = 1; kampf <= 5; ++kampf) {
    std::vector<std::string> first = bout(1, kampf), second = bout(1, kampf + 5);
    ASSERT_EQ(first.size(), 3u);
    ASSERT_EQ(second.size(), 3u);
    for (size_t row = 0; row < 3; ++row) {
      EXPECT_EQ(first[row], reversed(generated[kampf - 1][row])) << kampf;
      EXPECT_EQ(second[row], reversed(first[row])) << kampf;
    }
  }
}

TEST_F(MklBearbeitenTest, ByesShowFreiAndSwapLikeAnyPairing) {
  dlg->show();
  chooseClass(2);
  ASSERT_EQ(dlg->ComboBoxTermine->count(), 1);
  ASSERT_EQ(dlg->ListView1->topLevelItemCount(), 2);
  EXPECT_EQ(cell(0, 1), "frei = SG Nord II");
  EXPECT_EQ(cell(1, 0), "BSG Ost II = frei");

  dlg->ButtonVRTauschenClick();  // no mirror bout: only this one changes
  EXPECT_EQ(bout(3, 1), (std::vector<std::string>{"2-0", "4-0"}));
  EXPECT_EQ(cell(0, 0), "SG Nord II = frei");
  dlg->selectRow(1);
  dlg->ButtonKnrTauschenClick();
  EXPECT_EQ(bout(3, 1), (std::vector<std::string>{"2-0", "0-4"}));
}

// Clubs of 45 characters with teams I, II and III and a bye, at the window's size, wider
// and back: both columns within the list, no team's number cut, whole names as tooltips.
TEST_F(MklBearbeitenTest, LongClubNamesFitTheListWithEveryTeamNumberInView) {
  for (int club = 1; club <= 4; ++club)
    exec("UPDATE Vereine_gau SET Name=? WHERE Nummer=?;",
         {"Schützengesellschaft Hubertus Großkarolinenf" + std::string(1, static_cast<char>('A' + club)), club});
  addPairing(2, {1, 2, 3, 4, 3});
  dlg->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
  QTreeWidget* list = dlg->ListView1;
  auto expectFit = [&] {
    QCoreApplication::processEvents();
    EXPECT_LE(list->columnWidth(0) + list->columnWidth(1), list->viewport()->width());
    for (int row = 0; row < list->topLevelItemCount(); ++row)
      for (int c : {0, 1}) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        const QString shown = item->text(c), whole = item->toolTip(c).isEmpty() ? shown : item->toolTip(c);
        if (whole.isEmpty()) continue;  // the bye's side
        EXPECT_LE(cellWidthNeeded(list, list->model()->index(row, c)), list->columnWidth(c)) << fromQs(shown);
        const qsizetype cut = shown.indexOf(QChar(0x2026));
        if (cut < 0) {
          EXPECT_EQ(shown, whole);
          continue;
        }
        // Cut in the club's name only: what follows the "…" is the team's number.
        const QString tail = shown.mid(cut + 1);
        EXPECT_TRUE(whole.startsWith(shown.left(cut)) && whole.endsWith(tail)) << fromQs(shown);
        EXPECT_TRUE(QRegularExpression(qs("^ [IVX]+( = frei)?$")).match(tail).hasMatch()) << fromQs(shown);
      }
    for (QGroupBox* box : {dlg->GroupBoxHm, dlg->GroupBoxGm})
      EXPECT_LE(box->fontMetrics().horizontalAdvance(box->title()), box->width()) << fromQs(box->title());
  };
  const int width = dlg->width();
  for (int w : {width, width + 300, width}) {
    dlg->resize(w, dlg->height());
    EXPECT_EQ(dlg->width(), w) << "the names hold the window wide";
    expectFit();  // as the window was
    for (int klasse : {2, 1, 0}) {
      SCOPED_TRACE(std::to_string(w) + " px, class " + std::to_string(klasse));
      chooseClass(klasse);
      dlg->selectRow(0);
      expectFit();
      if (w == width && klasse == 0) {
        EXPECT_NE(list->topLevelItem(0)->toolTip(0), QString()) << "names this long are cut";
      }
    }
  }
}

TEST_F(MklBearbeitenTest, RangeOccupancyListsHomeClassesOfBothBoutsAndMarksThePairing) {
  dlg->show();
  dlg->ButtonStandbelegungenClick();
  ASSERT_TRUE(view->isVisible());
  EXPECT_EQ(view->parentWidget(), dlg.get());
  EXPECT_TRUE(view->windowFlags().testFlag(Qt::Tool));
  EXPECT_FALSE(view->transactionOpen());

  QTreeWidget* list = view->ListView1;
  EXPECT_EQ(fromQs(list->headerItem()->text(1)), "Klassen der Heimmannschaften Kampf Nr: 1");
  EXPECT_EQ(fromQs(list->headerItem()->text(2)), "Klassen der Heimmannschaften Kampf Nr: 4");
  ASSERT_EQ(list->topLevelItemCount(), 4);
  EXPECT_EQ(fromQs(list->topLevelItem(0)->text(0)), "Verein 1");
  EXPECT_EQ(fromQs(list->topLevelItem(0)->text(1)), " Kreisliga, Bezirksliga");
  EXPECT_EQ(fromQs(list->topLevelItem(0)->text(2)), " ");
  EXPECT_EQ(fromQs(list->topLevelItem(1)->text(2)), " Kreisliga");
  EXPECT_EQ(fromQs(list->topLevelItem(3)->text(1)), " ") << "a home game against the bye is no occupancy";
  EXPECT_EQ(marked(), (QSet<long>{1, 2}));

  dlg->selectRow(1);
  EXPECT_EQ(marked(), (QSet<long>{3, 4}));
  list->topLevelItem(0)->setSelected(true);
  EXPECT_EQ(marked(), (QSet<long>{3, 4})) << "the marks cannot be moved in the view";

  // A swap refreshes the view: club 3 now at home in bout 1 (mirror 4).
  dlg->ButtonKnrTauschenClick();
  EXPECT_EQ(fromQs(list->topLevelItem(2)->text(1)), " ");
  EXPECT_EQ(fromQs(list->topLevelItem(3)->text(1)), " Kreisliga");
  chooseBout(6);
  EXPECT_EQ(fromQs(list->headerItem()->text(1)), "Klassen der Heimmannschaften Kampf Nr: 3");
  EXPECT_EQ(fromQs(list->headerItem()->text(2)), "Klassen der Heimmannschaften Kampf Nr: 6");

  dlg->ButtonUebernehmenClick();
  EXPECT_FALSE(view->isVisible()) << "the view ends with the editor";
}

TEST_F(MklBearbeitenTest, OnlyTheConfirmingButtonKeepsTheSwaps) {
  const std::vector<std::vector<std::string>> original = allRows();
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    dlg->show();
    dlg->ButtonVRTauschenClick();
    chooseClass(1);
    dlg->ButtonKnrTauschenClick();
    ASSERT_NE(allRows(), original);
    if (way == 0) dlg->ButtonAbbrechenClick();
    if (way == 1) dlg->close();
    if (way == 2) dlg->previewKey(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(dlg->modalResult(), mrCancel);
    EXPECT_EQ(allRows(), original);
  }
  dlg->show();
  dlg->ButtonKnrTauschenClick();
  dlg->ButtonUebernehmenClick();
  EXPECT_EQ(dlg->modalResult(), mrOk);
  EXPECT_EQ(bout(1, 1), (std::vector<std::string>{"2-1", "3-4"}));
}

}  // namespace
