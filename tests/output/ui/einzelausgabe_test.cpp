// The sorted-output window on the hand-made season of sortsaison.h: choices by key, rounds
// cut to the page's last one, the final-ranking notice and the remembered minimums.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <memory>

#include "platform/clipboard.h"
#include "platform/filedialog.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "support/sortedoutput.h"

namespace {

class Einzelausgabe : public SortedOutputTest {
 protected:
  void TearDown() override {
    for (const auto& m : boxes.shown()) ADD_FAILURE() << m.caption << ": " << m.text;
    SortedOutputTest::TearDown();
  }

  static std::string cell(const QTreeWidget* v, int row, int col) {
    return fromQs(v->topLevelItem(row)->text(col));
  }
  static int minima(int disz, const char* column) {
    return db::query(gDbHaupt, std::string("SELECT ") + column + " FROM Disznamen WHERE Nr=?;",
                     {disz})
        .integer(0, 0);
  }
  void seite(int page) { dlg->PageControl1->setCurrentIndex(page); }

};

TEST_F(Einzelausgabe, MinimumsAreSavedOnADisciplineChangeAndOnClosing) {
  dlg->show();
  seite(2);
  dlg->EditMinErgRinge->setText(qs("93"));
  dlg->EditMinErgRingeExit();
  EXPECT_EQ(dlg->SortEErgMinRinge, 93);
  waehle(dlg->ComboBoxDisz, 1);
  EXPECT_EQ(minima(0, "SortEErgMinRinge"), 93);
  // Discipline 1 has no round beyond the first: its count is cut to 1.
  dlg->EditMinErgRinge->clear();
  dlg->EditMinErgRingeExit();
  EXPECT_EQ(dlg->SortEErgMinRinge, 350);
  dlg->hide();
  EXPECT_EQ(minima(1, "SortEErgMinRinge"), 350);
  EXPECT_EQ(minima(1, "SortEErgMinAnzErg"), 1);
}

// The least number of results matters for averages only: its caption and its box are
// offered together, on the individual results with averages and on the class results.
TEST_F(Einzelausgabe, TheMinimumCountAndItsBoxAreOfferedTogether) {
  dlg->show();
  auto offered = [](const QWidget* w) { return w->isVisible() && w->isEnabled(); };
  seite(2);
  for (int item : {1, 0, 2}) {
    dlg->RadioGroup2Items[static_cast<size_t>(item)]->click();
    EXPECT_EQ(offered(dlg->LabelMinErgAnz), item >= 1) << item;
    EXPECT_EQ(offered(dlg->ComboBoxMinErgAnz), item >= 1) << item;
  }
  seite(3);
  QLabel* caption = nullptr;
  for (QLabel* l : dlg->GroupBoxEingrenzungKl->findChildren<QLabel*>())
    if (l->text() == qs("Mindest-Anzahl Ergebnisse:")) caption = l;
  ASSERT_NE(caption, nullptr);
  for (int item : {1, 0, 3, 2}) {
    dlg->RadioGroupKlergSortartItems[static_cast<size_t>(item)]->click();
    EXPECT_EQ(offered(caption), item == 1) << item;
    EXPECT_EQ(offered(dlg->ComboBoxMinErgAnzKl), item == 1) << item;
  }
}

TEST_F(Einzelausgabe, ClassesAreTakenByTheirNumber) {
  // Two classes "Liga": Nr 1 with 2 match days, Nr 3 with 4; round 8 remembered.
  db::exec(gDbHaupt, "UPDATE Disznamen SET Kampfindex=7, SortEErgMinAnzErg=1 WHERE Nr=0;");
  dlg->show();
  EXPECT_EQ(dlg->ComboBoxSortart->currentText(), qs("4"));

  seite(2);
  EXPECT_EQ(comboItems(dlg->ComboBoxMklEErg), "--Alle Klassen--=0|Liga=1|Liga=3|");
  waehle(dlg->ComboBoxMklEErg, 2);
  dlg->RadioGroup2Items[1]->click();
  EXPECT_EQ(dlg->ComboBoxDgnr->currentText(), qs("4"));
  EXPECT_TRUE(dlg->LabelEndwertungText1->isVisible());
  EXPECT_EQ(fromQs(dlg->LabelEndwertungText2->text()), "Vorgegebene Mindestanzahl Ergebnisse: 3");
  EXPECT_EQ(dlg->SortEErgMinAnzErg, 3);
  waehle(dlg->ComboBoxMklEErg, 1);
  EXPECT_EQ(dlg->ComboBoxDgnr->currentText(), qs("2"));
  EXPECT_EQ(fromQs(dlg->LabelEndwertungText1->text()), "Endwertung Klasse Liga");
  EXPECT_EQ(fromQs(dlg->LabelEndwertungText2->text()), "Vorgegebene Mindestanzahl Ergebnisse: 2");
  EXPECT_EQ(dlg->ListViewEErg->topLevelItemCount(), 3);
  EXPECT_EQ(fromQs(dlg->RadioGroup2Items[1]->text()), "Ringschnitte nach Durchgang 2");
  // All classes or the round's results: no final ranking.
  waehle(dlg->ComboBoxMklEErg, 0);
  EXPECT_FALSE(dlg->LabelEndwertungText1->isVisible());
  waehle(dlg->ComboBoxMklEErg, 1);
  dlg->RadioGroup2Items[0]->click();
  EXPECT_FALSE(dlg->LabelEndwertungText1->isVisible());

  // Class results of Nr 3 at its last round, and its pairings.
  seite(3);
  waehle(dlg->ComboBoxMklKlerg, 1);
  EXPECT_EQ(dlg->ComboBoxDgnrKlerg->currentText(), qs("2"));
  waehle(dlg->ComboBoxDgnrKlerg, 3);
  dlg->RadioGroupKlergSortartItems[1]->click();
  EXPECT_TRUE(dlg->LabelEndwertungText1Kl->isVisible());
  EXPECT_EQ(fromQs(dlg->LabelEndwertungText2Kl->text()), "Vorgegebene Mindestanzahl Ergebnisse: 3");
  EXPECT_EQ(cell(dlg->ListViewMergKlerg, 0, 1), "Adler II");
  dlg->RadioGroupKlergSortartItems[2]->click();
  EXPECT_EQ(cell(dlg->ListViewEErgKleerg, 4, 0), "4");
  ASSERT_EQ(dlg->tabellen().size(), 2u);
  EXPECT_EQ(dlg->tabellen()[1].Zeilen.size(),
            static_cast<size_t>(dlg->ListViewEErgKleerg->topLevelItemCount()));
  EXPECT_EQ(dlg->auswahl().Mklnr, 3);

  // The line-ups of Nr 3 in round 1.
  seite(1);
  dlg->RadioGroupMschErgSortartItems[2]->click();
  waehle(dlg->ComboBoxDurchgangnr, 0);
  EXPECT_EQ(cell(dlg->ListViewSAMschErg, 0, 6), "Habicht I");
  EXPECT_TRUE(dlg->ListViewSAMschErg->topLevelItem(0)->font(2).bold());
}

// Each choice's lists stand on the page beside its controls, none over another; with three
// lists the pairings show a round of twelve teams (six rows) at once.
TEST_F(Einzelausgabe, TheClassResultsListsShareThePageUncovered) {
  dlg->show();
  seite(3);
  waehle(dlg->ComboBoxMklKlerg, 1);
  QWidget* page = dlg->PageControl1->currentWidget();
  for (int choice = 0; choice < 4; ++choice) {
    SCOPED_TRACE(choice);
    dlg->RadioGroupKlergSortartItems[static_cast<size_t>(choice)]->click();
    QCoreApplication::processEvents();
    std::vector<QWidget*> shown;
    for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (w->isVisible()) shown.push_back(w);
    for (QWidget* list : {dlg->ListViewMergKlerg, dlg->ListViewMergKlerg2, dlg->ListViewEErgKleerg}) {
      if (!list->isVisible()) continue;
      EXPECT_TRUE(page->rect().contains(list->geometry()));
      for (QWidget* other : shown)
        EXPECT_TRUE(other == list || !other->geometry().intersects(list->geometry()))
            << "a list covers a " << other->metaObject()->className();
    }
  }
  QTreeWidget* pairings = dlg->ListViewMergKlerg2;
  ASSERT_GT(pairings->topLevelItemCount(), 0);
  EXPECT_GE(pairings->viewport()->height(), 6 * pairings->sizeHintForRow(0));
}

TEST_F(Einzelausgabe, AShortClassOnTheClassResultsLeavesTheRoundOfTheOtherPages) {
  db::exec(gDbHaupt, "UPDATE Disznamen SET Kampfindex=3 WHERE Nr=0;");
  dlg->show();
  EXPECT_EQ(dlg->ComboBoxSortart->currentText(), qs("4"));
  seite(3);
  waehle(dlg->ComboBoxMklKlerg, 0);  // Nr 1: two match days
  EXPECT_EQ(dlg->ComboBoxDgnrKlerg->count(), 2);
  EXPECT_EQ(dlg->ComboBoxDgnrKlerg->currentIndex(), -1) << "round 4 lies past its match days";
  seite(0);
  EXPECT_EQ(dlg->ComboBoxSortart->currentText(), qs("4"));
}

TEST_F(Einzelausgabe, FirstShowingOnTheLineUpsKeepsTheRememberedRound) {
  db::exec(gDbHaupt, "UPDATE Disznamen SET Kampfindex=1 WHERE Nr=0;");
  seite(1);
  dlg->RadioGroupMschErgSortartItems[2]->setChecked(true);
  dlg->show();
  EXPECT_EQ(dlg->Kampfindex, 1);
  EXPECT_EQ(dlg->ComboBoxDurchgangnr->currentText(), qs("2"));
  EXPECT_EQ(cell(dlg->ListViewSAMschErg, 0, 2), "Falke I");
  seite(0);
  EXPECT_EQ(dlg->ComboBoxSortart->currentText(), qs("2"));
}

TEST_F(Einzelausgabe, TheTeamResultsPageStartsOnItsPairingsChosen) {
  dlg->show();
  seite(1);
  EXPECT_TRUE(dlg->RadioGroupMschErgSortartItems[0]->isChecked());
  EXPECT_EQ(dlg->auswahl().Anzeige, 0);
}

TEST_F(Einzelausgabe, ClubListsFollowTheDiscipline) {
  dlg->show();
  EXPECT_EQ(comboItems(dlg->ComboBoxVereineMschfuehrer),
            "--- alle Vereine ---=0|      10  Adler=10|      20  Falke=20|      30  Habicht=30|");
  seite(2);
  waehle(dlg->ComboBoxDisz, 1);
  EXPECT_EQ(comboItems(dlg->ComboBoxVrVereine), "      40  Eule=40|");
  waehle(dlg->ComboBoxDisz, 2);
  EXPECT_EQ(comboItems(dlg->ComboBoxVrVereine), "");
  EXPECT_EQ(comboItems(dlg->ComboBoxVereineMschfuehrer), "--- alle Vereine ---=0|");
  seite(4);
  EXPECT_EQ(dlg->ListViewVErg->topLevelItemCount(), 0);
}

TEST_F(Einzelausgabe, FunctionKeysCallTheOutputCommands) {
  dlg->show();
  ScriptedFileDialogs dialogs;  // unscripted: cancelled
  ScriptedPrinting printing;
  printing.cancel();
  clipboard::setText("");
  for (int key : {Qt::Key_F2, Qt::Key_F4, Qt::Key_F6}) EXPECT_TRUE(dlg->pressKey(key));
  EXPECT_EQ(dialogs.asked().size(), 1u);
  EXPECT_NE(clipboard::text(), "");
  EXPECT_EQ(printing.dialogsShown(), 1);
  // The menu names the keys of its items.
  std::string shown;
  for (QAction* menu : dlg->findChild<QMenuBar*>()->actions())
    if (menu->menu())
      for (QAction* item : menu->menu()->actions()) shown += fromQs(item->text()) + "|";
  EXPECT_EQ(shown, "In Datei speichern \tF2|In Windows-Zwischenablage\tF4|");
}

}  // namespace
