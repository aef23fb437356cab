// Editing single individual results: the selected row is shown, corrected and deleted
// exactly, whatever other rows of the round exist.
#include <gtest/gtest.h>

#include <QTest>

#include "core/db.h"
#include "core/globals.h"
#include "entry/ui/FenkLBearbeitenEinzlergebnisseDlg.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "support/listrows.h"
#include "support/testenv.h"

namespace {

class Einzelergebnisse : public DialogTest<TFenkLBearbeitenEinzlergebnisseDlg> {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    // Club 3 plays in two classes of one name; its shooter has round 3 in both.
    exec("INSERT INTO Vereine_gau (Nummer, Name) VALUES (3, 'Hubertus');");
    exec("INSERT INTO Schuetzen (Passnr, VrNr, Name) VALUES (301, 3, 'Maier');");
    exec("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (1, 'Kreisliga', 4, 0), "
         "(2, 'Kreisliga', 4, 0), (1, 'Gauliga', 4, 1);");
    exec("INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (1, 1, 0, 3, 1), "
         "(2, 1, 0, 3, 1), (1, 1, 1, 3, 1);");
    exec("INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, Mschnr) VALUES "
         "(301, 0, 900, 1, 1, 1, 3, 1), (301, 0, 950, 3, 1, 1, 3, 1), (301, 0, 957, 3, 1, 2, 3, 1);");
    gEinstellungen.AktDisznr = 0;
    dlg = new TFenkLBearbeitenEinzlergebnisseDlg;
    dlg->show();
    dlg->ComboBoxVereine->setCurrentIndex(comboIndexOfKey(dlg->ComboBoxVereine, 3));
    dlg->ComboBoxVereineChange();
  }
  std::string results() {
    std::string s;
    for (const auto& r : db::query(gDbHaupt,
                                   "SELECT Disznr, Ergnr, Ringerg, Mschnr, Mschklnr, Vrnr FROM Schuetzenerg "
                                   "ORDER BY rowid").rows)
      s += r[0] + "/" + r[1] + "/" + r[2] + "/" + r[3] + "/" + r[4] + "/" + r[5] + " ";
    return s;
  }
  void selectResult(long rowid) {
    dlg->ListViewEErgBearbeiten->setCurrentItem(itemOfKey(dlg->ListViewEErgBearbeiten, rowid));
  }

};

TEST_F(Einzelergebnisse, CorrectsOnlyTheSelectedRowAndKeepsStoredTenths) {
  ASSERT_EQ(dlg->ListViewEErgBearbeiten->topLevelItemCount(), 3);
  EXPECT_FALSE(dlg->ButtonSpeichern->isEnabled());
  selectResult(3);
  EXPECT_EQ(fromQs(dlg->EditRingerg->text()), "95.7");
  dlg->pressKey(Qt::Key_F2);
  EXPECT_EQ(results(), "0/1/900/1/1/3 0/3/950/1/1/3 0/3/957/1/2/3 ");

  selectResult(2);
  dlg->EditKampfnr->setText(qs("4"));
  dlg->EditMschnr->setText(qs("12"));
  dlg->EditRingerg->setText(qs("96"));
  dlg->ButtonSpeichernClick();
  EXPECT_EQ(results(), "0/1/900/1/1/3 0/4/960/12/1/3 0/3/957/1/2/3 ");
  EXPECT_EQ(fromQs(dlg->EditMschnr->text()), "12") << "the selected row is shown again whole";
}

TEST_F(Einzelergebnisse, DeletesOnlyTheSelectedRowAfterTheQuestion) {
  selectResult(3);
  msg::ScriptedMessages boxes;
  boxes.answer(msg::IdNo);
  dlg->pressKey(Qt::Key_F7);
  EXPECT_EQ(boxes.shown().at(0).text, "Ergebnis Nr. 3 in Klasse Kreisliga = 95.7 Ringe wirklich löschen ?");
  boxes.answer(msg::IdYes);
  dlg->ButtonErgLoeschenClick();
  EXPECT_EQ(results(), "0/1/900/1/1/3 0/3/950/1/1/3 ");
}

TEST_F(Einzelergebnisse, ANewEntryAfterAChangeOfDisciplineStoresTheShownClub) {
  dlg->ComboBoxDisz->setCurrentIndex(1);
  dlg->ComboBoxDiszChange();
  EXPECT_EQ(gEinstellungen.AktDisznr, 1);
  dlg->pressKey(Qt::Key_F4);
  EXPECT_EQ(fromQs(dlg->EditKampfnr->text()), "1");
  dlg->EditRingerg->setText(qs("88"));
  dlg->pressKey(Qt::Key_F2);
  EXPECT_EQ(results(), "0/1/900/1/1/3 0/3/950/1/1/3 0/3/957/1/2/3 1/1/880/0/1/3 ");
  dlg->close();
  EXPECT_EQ(db::query(gDbHaupt, "SELECT EergVrindex FROM Disznamen WHERE Nr = 1;").num(0, 0),
            dlg->ComboBoxVereine->currentIndex());
}

TEST_F(Einzelergebnisse, ANewEntryByMouseCanBeSavedByMouse) {
  QTest::mouseClick(dlg->ButtonErgNeu, Qt::LeftButton);
  ASSERT_TRUE(dlg->ButtonSpeichern->isEnabled());
  EXPECT_EQ(fromQs(dlg->EditKampfnr->text()), "4");
  QTest::keyClicks(dlg->EditRingerg, QStringLiteral("88"));
  QTest::mouseClick(dlg->ButtonSpeichern, Qt::LeftButton);
  EXPECT_EQ(results(), "0/1/900/1/1/3 0/3/950/1/1/3 0/3/957/1/2/3 0/4/880/0/1/3 ");
}

TEST_F(Einzelergebnisse, AShooterOrResultChosenByMouseOrKeysShowsItsData) {
  exec("INSERT INTO Schuetzen (Passnr, VrNr, Name) VALUES (302, 3, 'Huber');");
  dlg->ComboBoxVereineChange();
  QTreeWidget* shooters = dlg->ListViewSchuetzen;
  auto shown = [this] {
    return fromQs(dlg->Label5->text()) + "|" + std::to_string(dlg->ListViewEErgBearbeiten->topLevelItemCount()) + "|" +
           (dlg->ButtonErgNeu->isEnabled() ? "neu" : "-");
  };
  clickRow(shooters, 1);
  EXPECT_EQ(shown(), "302  Huber|0|neu");
  clickRow(shooters, 0);
  EXPECT_EQ(shown(), "301  Maier|3|neu");
  clickRow(dlg->ListViewEErgBearbeiten, 2);
  EXPECT_EQ(fromQs(dlg->EditRingerg->text()), "95.7");
  EXPECT_TRUE(dlg->ButtonErgLoeschen->isEnabled());
  doubleClickRow(dlg->ListViewEErgBearbeiten, 0);
  EXPECT_EQ(fromQs(dlg->EditRingerg->text()), "90");
  QTest::keyClick(shooters, Qt::Key_End);
  EXPECT_EQ(shown(), "302  Huber|0|neu");
  QTest::keyClick(shooters, Qt::Key_Home);
  EXPECT_EQ(shown(), "301  Maier|3|neu");
  QTest::keyClick(shooters, Qt::Key_Down);
  EXPECT_EQ(shown(), "302  Huber|0|neu");
}

}  // namespace
