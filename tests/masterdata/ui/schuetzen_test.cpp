// The shooters dialog against a real database: one pass number may stand in two clubs.
#include <gtest/gtest.h>

#include <QTest>
#include <utility>

#include "core/db.h"
#include "core/globals.h"
#include "entry/newshooter.h"
#include "masterdata/ui/ZikoSchuetzenBearbeitenDlg.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "support/combos.h"
#include "support/listrows.h"
#include "support/testenv.h"

namespace {

class ShootersDialog : public DialogTest<TZikoSchuetzenBearbeitenDlg> {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    db::exec(gDbHaupt,
             "INSERT INTO Vereine_gau (Nummer, Name) VALUES (5, 'Adler'), (6, 'Bergfalke');"
             "INSERT INTO Schuetzen (Passnr, VrNr, Name, Gebdat, Geschl, AktivFlag) VALUES "
             "(1001, 5, 'Zeller, Anna', '', 'W', '0'), (1002, 5, 'Huber, Max', '', 'M', '0'),"
             "(1003, 5, 'Maier, Eva', '', 'W', '0'), (1007, 5, 'Berg, Udo', '', 'M', '0'),"
             "(1001, 6, 'Zeller, Anna', '', 'W', '0'), (2000, 6, 'Kurz, Ina', '', 'W', '0');");
    gEinstellungen.VereinListIndex = 1;  // club 5: the default club 1 comes first
    dlg = new TZikoSchuetzenBearbeitenDlg;
    dlg->show();
  }
  void select(long passnr) { dlg->ListView1->setCurrentItem(itemOf(passnr)); }
  QTreeWidgetItem* itemOf(long passnr) {
    for (int i = 0; i < dlg->ListView1->topLevelItemCount(); ++i)
      if (dlg->ListView1->topLevelItem(i)->text(0) == qs(str(passnr))) return dlg->ListView1->topLevelItem(i);
    return nullptr;
  }
};

TEST_F(ShootersDialog, NumberOfAnotherClubIsStoredOnlyAfterYes) {
  ASSERT_EQ(dlg->clubShown(), 5);
  dlg->ButtonNeuClick();
  EXPECT_EQ(dlg->EditNummer->text(), QStringLiteral("1004"));

  msg::ScriptedMessages boxes;
  dlg->EditNummer->setText(QStringLiteral("2000"));
  dlg->EditName->setText(QStringLiteral("Kurz, Ina"));
  boxes.answer(msg::IdNo);
  dlg->ButtonSpeichernClick();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text,
            "Die Nummer 2000 geh\xF6rt bereits zu einem Sch\xFCtzen des Vereins Bergfalke.\n\rTrotzdem anlegen?");
  EXPECT_EQ(boxes.shown()[0].caption, "Frage");
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Schuetzen WHERE Passnr=2000"), "1");
  EXPECT_TRUE(dlg->newMode()) << "the number can be corrected";

  boxes.answer(msg::IdYes);
  dlg->ButtonSpeichernClick();
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Schuetzen WHERE Passnr=2000 AND VrNr=5"), "1");
  EXPECT_FALSE(dlg->newMode());
  EXPECT_EQ(dlg->ListView1->currentItem()->text(0), QStringLiteral("2000"));
}

// A deleted shooter's results and line-ups stay under his number: it is not proposed again,
// and typed in it is stored only after Yes.
TEST_F(ShootersDialog, DeletedShootersNumberIsNotProposedAndAskedForWhenTyped) {
  msg::ScriptedMessages boxes;
  select(1003);
  dlg->ButtonLoeschenClick();  // Yes, by default
  ASSERT_EQ(cell("SELECT COUNT(*) FROM Schuetzen WHERE Passnr=1003"), "0");
  dlg->ButtonNeuClick();
  EXPECT_EQ(dlg->EditNummer->text(), QStringLiteral("1003")) << "nothing is stored under it";
  select(1001);

  // Two results in one discipline, a regular-shooter row in another; 1004 a line-up only.
  db::exec(gDbHaupt,
           "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Vrnr) VALUES (1003, 0, 950, 1, 5), (1003, 0, 940, 2, 5);"
           "INSERT INTO Mschaufstlg (Disznr, Kampfnr, Schnr, Vrnr) VALUES (1, 0, 1003, 5), (0, 1, 1004, 5);");
  dlg->ButtonNeuClick();
  EXPECT_EQ(dlg->EditNummer->text(), QStringLiteral("1005"));
  EXPECT_EQ(ProposePassnr(5), 1005) << "the quick new shooter proposes the same";

  boxes.clear();
  dlg->EditNummer->setText(QStringLiteral("1003"));
  dlg->EditName->setText(QStringLiteral("Neu, Nina"));
  boxes.answer(msg::IdNo);
  dlg->ButtonSpeichernClick();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text,
            "Unter der Nr. 1003 sind noch 2 Ergebnisse und 1 Eintrag in Mannschaftsaufstellungen eines "
            "gel\xF6schten Sch\xFCtzen gespeichert.\n\rDer neue Sch\xFCtze \xFC" "bernimmt sie. Trotzdem anlegen?");
  EXPECT_EQ(boxes.shown()[0].caption, "Frage");
  EXPECT_EQ(boxes.shown()[0].buttons, msg::YesNo);
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Schuetzen WHERE Passnr=1003"), "0");
  EXPECT_TRUE(dlg->newMode());

  boxes.answer(msg::IdYes);
  dlg->ButtonSpeichernClick();
  EXPECT_EQ(cell("SELECT Name FROM Schuetzen WHERE Passnr=1003"), "Neu, Nina");
}

TEST_F(ShootersDialog, ActionsOnASharedPassNumberLeaveTheOtherClubAlone) {
  msg::ScriptedMessages boxes;
  itemOf(1001)->setCheckState(0, Qt::Checked);
  EXPECT_EQ(cell("SELECT AktivFlag FROM Schuetzen WHERE Passnr=1001 AND VrNr=5"), "1");
  EXPECT_EQ(cell("SELECT AktivFlag FROM Schuetzen WHERE Passnr=1001 AND VrNr=6"), "0");

  select(1001);
  dlg->EditName->setText(QStringLiteral("Zeller-Huber, Anna"));
  dlg->ButtonSpeichernClick();
  EXPECT_EQ(cell("SELECT Name FROM Schuetzen WHERE Passnr=1001 AND VrNr=6"), "Zeller, Anna");

  dlg->CheckBox1->setChecked(true);
  dlg->CheckBox1Click();
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Schuetzen WHERE VrNr=5 AND AktivFlag<>1"), "0");
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Schuetzen WHERE AktivFlag=1"), "4") << "club 6 unchanged";

  // F7 in new mode deletes the selected shooter, not the typed number.
  select(1001);
  dlg->ButtonNeuClick();
  dlg->EditNummer->setText(QStringLiteral("1002"));
  dlg->pressKey(Qt::Key_F7);
  EXPECT_FALSE(dlg->newMode());
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Schuetzen WHERE Passnr=1001"), "1");
  EXPECT_EQ(cell("SELECT VrNr FROM Schuetzen WHERE Passnr=1001"), "6");
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Schuetzen WHERE Passnr=1002"), "1");
}

TEST_F(ShootersDialog, ANameCodePage1252CannotHoldIsRefusedChangedOrNew) {
  const std::string before = cell("SELECT group_concat(Passnr || Name, '|') FROM Schuetzen");
  msg::ScriptedMessages boxes;
  for (bool neu : {false, true}) {
    clickRow(dlg->ListView1, 0);
    if (neu) QTest::mouseClick(dlg->ButtonNeu, Qt::LeftButton);
    dlg->EditName->setText(QStringLiteral("Zeller, Anna \u6C14"));
    QTest::mouseClick(dlg->ButtonSpeichern, Qt::LeftButton);
    EXPECT_EQ(boxes.count(), neu ? 2u : 1u) << neu;
  }
  EXPECT_TRUE(boxes.contains("U+6C14"));
  EXPECT_EQ(cell("SELECT group_concat(Passnr || Name, '|') FROM Schuetzen"), before);
}

// A club's only shooter cannot be deleted, however he is chosen.
TEST_F(ShootersDialog, DeleteNeedsTwoShootersInTheClub) {
  db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (7, 'Falke');"
                     "INSERT INTO Schuetzen (Passnr, VrNr, Name) VALUES (3000, 7, 'Allein, Max');");
  dlg->FormShow();
  for (auto [club, deletable] : {std::pair{7L, false}, {6L, true}, {7L, false}}) {
    waehle(dlg->ComboBoxVereine, comboIndexOfKey(dlg->ComboBoxVereine, club));
    ASSERT_EQ(dlg->clubShown(), club);
    EXPECT_EQ(dlg->ButtonLoeschen->isEnabled(), deletable) << "club " << club;
    clickRow(dlg->ListView1, 0);
    EXPECT_EQ(dlg->ButtonLoeschen->isEnabled(), deletable) << "club " << club << ", row chosen";
    QTest::mouseClick(dlg->ButtonNeu, Qt::LeftButton);
    EXPECT_EQ(dlg->ButtonLoeschen->isEnabled(), deletable) << "club " << club << ", new shooter";
  }
}

TEST_F(ShootersDialog, LongStoredValuesSurviveASave) {
  const std::string name40(40, 'N');
  db::exec(gDbHaupt, "INSERT INTO Schuetzen (Passnr, VrNr, Name, Geschl) VALUES (123456789, 5, ?, 'W');", {name40});
  dlg->FormShow();
  select(123456789);
  EXPECT_EQ(dlg->EditNummer->text(), QStringLiteral("123456789"));
  dlg->EditGebdat->setText(QStringLiteral("01.02.2003"));
  dlg->ButtonSpeichernClick();
  EXPECT_EQ(cell("SELECT Name FROM Schuetzen WHERE Passnr=123456789"), name40);
  EXPECT_EQ(cell("SELECT Gebdat FROM Schuetzen WHERE Passnr=123456789"), "01.02.2003");
  EXPECT_EQ(cell("SELECT Geschl FROM Schuetzen WHERE Passnr=123456789"), "W");
}

TEST_F(ShootersDialog, WithoutClubOrRowsNothingIsStored) {
  // A club without shooters: F2 and F7 have no row to act on.
  dlg->ComboBoxVereine->setCurrentIndex(0);
  db::exec(gDbHaupt, "DELETE FROM Schuetzen WHERE VrNr=1;");
  dlg->ComboBoxVereineChange();
  dlg->EditName->setText(QStringLiteral("Niemand"));
  dlg->pressKey(Qt::Key_F2);
  dlg->pressKey(Qt::Key_F7);
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Schuetzen"), "6");

  db::exec(gDbHaupt, "DELETE FROM Vereine_gau;");
  gEinstellungen.VereinListIndex = -3;
  ScriptedPrinting printing;
  dlg->FormShow();
  EXPECT_EQ(dlg->clubShown(), 0);
  EXPECT_EQ(dlg->ListView1->topLevelItemCount(), 0);
  for (int key : {Qt::Key_F4, Qt::Key_F2, Qt::Key_F7}) dlg->pressKey(key);
  dlg->ButtonDruckenClick();
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Schuetzen"), "6");
  EXPECT_EQ(printing.dialogsShown(), 0);
}

TEST_F(ShootersDialog, SerialPrintIsOneJobWithAPageForEachClubWithTickedShooters) {
  ScriptedPrinting printing;
  db::exec(gDbHaupt, "UPDATE Schuetzen SET AktivFlag='1' WHERE Passnr=2000;");
  dlg->RadioButtonMarkierteSchuetzen->setChecked(true);
  dlg->ButtonSeriendruckClick();
  ASSERT_EQ(printing.jobs().size(), 1u);
  EXPECT_TRUE(printing.jobs()[0]->findText("Schuetzendaten Bergfalke"));

  dlg->RadioButtonAlleSchuetzen->setChecked(true);
  dlg->ButtonSeriendruckClick();
  ASSERT_EQ(printing.jobs().size(), 2u);
  const PrintJob& alle = *printing.jobs()[1];
  EXPECT_EQ(alle.pages(), 3) << "clubs 1, 5 and 6";
  int koepfe = 0;
  for (const PrintCall& c : alle.texts()) koepfe += c.text.rfind("Schuetzendaten ", 0) == 0;
  EXPECT_EQ(koepfe, 3);

  msg::ScriptedMessages boxes;
  printing.printToPdf("/nonexistent-folder/liste.pdf");
  dlg->ButtonSeriendruckClick();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Die Sch\xFCtzenlisten konnten nicht gedruckt werden.");
}

}  // namespace
