// The clubs dialog against a real database.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "core/db.h"
#include "core/globals.h"
#include "masterdata/ui/ZikoVereineBearbeitenDlg.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "support/listrows.h"
#include "support/testenv.h"

namespace {

class ClubsDialog : public DialogTest<TZikoVereineBearbeitenDlg> {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (5, 'Adler'), (12, 'Bergfalke');");
    gEinstellungen.VereinListIndex = 0;
    dlg = new TZikoVereineBearbeitenDlg;
    dlg->show();
  }
};

TEST_F(ClubsDialog, NewClubIsStoredWithTelephoneAsTypedAndSelected) {
  dlg->ButtonNeuClick();
  dlg->EditNr->setText(QStringLiteral("7"));
  dlg->EditVrname->setText(qs("Schützenlust"));
  dlg->EditTelSStd->setText(QStringLiteral("089 123"));
  dlg->Memo1->setPlainText(QStringLiteral("Dienstags"));
  dlg->ButtonSpeichernClick();
  EXPECT_EQ(cell("SELECT Name FROM Vereine_gau WHERE Nummer=7"), "Schützenlust");
  EXPECT_EQ(cell("SELECT TelSStd FROM Vereine_zstext WHERE Nummer=7"), "089 123");
  EXPECT_EQ(cell("SELECT ZsText FROM Vereine_zstext WHERE Nummer=7"), "Dienstags");
  EXPECT_FALSE(dlg->newMode());
  // Sorted by number: 1, 5, 7, 12 - the new club is the third row.
  EXPECT_EQ(dlg->ListView1->indexOfTopLevelItem(dlg->ListView1->currentItem()), 2);
}

TEST_F(ClubsDialog, NewClubStartsWithEveryFieldEmpty) {
  db::exec(gDbHaupt, "INSERT INTO Vereine_zstext (Nummer, ZsText, TelSStd) VALUES (5, 'Dienstags', '0911 42');");
  clickRow(dlg->ListView1, dlg->ListView1->indexOfTopLevelItem(itemOfKey(dlg->ListView1, 5)));
  ASSERT_EQ(fromQs(dlg->EditTelSStd->text()), "0911 42");
  ASSERT_EQ(dlg->GroupBox2->title(), qs("Zusatztext Adler"));
  QTest::keyClick(dlg->ListView1, Qt::Key_F4);
  for (QLineEdit* e : {dlg->EditNr, dlg->EditVrname, dlg->EditTelSStd})
    EXPECT_TRUE(e->text().isEmpty()) << fromQs(e->text());
  EXPECT_TRUE(dlg->Memo1->toPlainText().isEmpty());
  EXPECT_EQ(dlg->GroupBox2->title(), qs("Zusatztext"));
}

TEST_F(ClubsDialog, NameWithACharacterCp1252CannotHoldIsRefusedWithItsCode) {
  dlg->ButtonNeuClick();
  dlg->EditNr->setText(QStringLiteral("8"));
  dlg->EditVrname->setText(QString::fromUtf16(u"Tell \U0001F600"));
  msg::ScriptedMessages boxes;
  dlg->ButtonSpeichernClick();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_NE(boxes.shown()[0].text.find("U+1F600"), std::string::npos);
  EXPECT_EQ(cell("SELECT Name FROM Vereine_gau WHERE Nummer=8"), "<none>");
}

TEST_F(ClubsDialog, TabLeavesTheExtraTextWithoutWritingIntoIt) {
  dlg->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
  dlg->Memo1->setPlainText(QStringLiteral("Dienstags"));
  dlg->Memo1->setFocus();
  QTest::keyClick(dlg->Memo1, Qt::Key_Tab);
  EXPECT_FALSE(dlg->Memo1->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_TRUE(dlg->Memo1->hasFocus());
  EXPECT_EQ(dlg->Memo1->toPlainText(), QStringLiteral("Dienstags"));
}

TEST_F(ClubsDialog, NewClubRefusesTakenNumberAndNumberZero) {
  msg::ScriptedMessages boxes;
  dlg->ButtonNeuClick();
  dlg->EditNr->setText(QStringLiteral("12"));
  dlg->EditVrname->setText(QStringLiteral("Doppelt"));
  dlg->ButtonSpeichernClick();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Nr. 12\n\rschon vorhanden!");
  EXPECT_EQ(boxes.shown()[0].caption, "Fehler");
  EXPECT_FALSE(dlg->newMode());
  EXPECT_EQ(cell("SELECT Name FROM Vereine_gau WHERE Nummer=12"), "Bergfalke");
  EXPECT_EQ(dlg->EditNr->text(), QStringLiteral("1")) << "the club selected before is shown again";
  EXPECT_TRUE(dlg->EditNr->isReadOnly());

  dlg->ButtonNeuClick();
  dlg->EditNr->setText(QString());
  dlg->EditVrname->setText(QStringLiteral("Ohne Nummer"));
  dlg->ButtonSpeichernClick();
  EXPECT_EQ(boxes.count(), 2u);
  EXPECT_TRUE(dlg->newMode()) << "the typed name must stay for correction";
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Vereine_gau WHERE Nummer=0"), "0");
}

TEST_F(ClubsDialog, EmptyNameInNewModeStoresNothing) {
  dlg->ButtonNeuClick();
  dlg->EditNr->setText(QStringLiteral("30"));
  dlg->ButtonSpeichernClick();
  EXPECT_FALSE(dlg->newMode());
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Vereine_gau"), "3");
}

TEST_F(ClubsDialog, ChangingImportedClubCreatesItsExtraTextRow) {
  // Club 5 has no extra-text row, as after an import.
  dlg->ListView1->setCurrentItem(dlg->ListView1->topLevelItem(1));
  ASSERT_EQ(dlg->EditNr->text(), QStringLiteral("5"));
  dlg->EditVrname->setText(QStringLiteral("Adler Nord"));
  dlg->EditTelSStd->setText(QStringLiteral("08151 22"));
  dlg->Memo1->setPlainText(QStringLiteral("zwei Stände"));
  dlg->ButtonSpeichernClick();
  EXPECT_EQ(cell("SELECT Name FROM Vereine_gau WHERE Nummer=5"), "Adler Nord");
  EXPECT_EQ(cell("SELECT ZsText FROM Vereine_zstext WHERE Nummer=5"), "zwei Stände");
  EXPECT_EQ(cell("SELECT TelSStd FROM Vereine_zstext WHERE Nummer=5"), "08151 22") << "no blank appended";
  EXPECT_EQ(dlg->ListView1->topLevelItem(1)->text(1), QStringLiteral("Adler Nord"));
  EXPECT_EQ(dlg->GroupBox2->title(), qs("Zusatztext Adler Nord")) << "the caption names the club as renamed";
}

TEST_F(ClubsDialog, DeleteMovesSelectionUpAndKeepsShooters) {
  msg::ScriptedMessages boxes;
  dlg->ListView1->setCurrentItem(dlg->ListView1->topLevelItem(2));  // club 12
  dlg->ButtonLoeschenClick();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Verein Nr. 12 wirklich löschen ?");
  EXPECT_EQ(boxes.shown()[0].buttons, msg::YesNo);
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Vereine_gau WHERE Nummer=12"), "0");
  EXPECT_EQ(dlg->ListView1->indexOfTopLevelItem(dlg->ListView1->currentItem()), 1);

  boxes.answer(msg::IdNo);
  dlg->ButtonLoeschenClick();
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Vereine_gau"), "2");

  // Deleting the first row keeps index 0; F7 works with the button disabled.
  dlg->ListView1->setCurrentItem(dlg->ListView1->topLevelItem(0));
  dlg->ButtonLoeschenClick();
  EXPECT_EQ(dlg->ListView1->indexOfTopLevelItem(dlg->ListView1->currentItem()), 0);
  EXPECT_FALSE(dlg->ButtonLoeschen->isEnabled());
  EXPECT_TRUE(dlg->pressKey(Qt::Key_F7));
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Vereine_gau"), "0");
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Schuetzen WHERE VrNr=1"), "1");
}

TEST_F(ClubsDialog, ColumnClicksSortNumbersNumericallyAndReverse) {
  db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (100, 'alpha');");
  dlg->FormShow();
  auto order = [&] {
    std::string s;
    for (int i = 0; i < dlg->ListView1->topLevelItemCount(); ++i)
      s += fromQs(dlg->ListView1->topLevelItem(i)->text(0)) + " ";
    return s;
  };
  dlg->ListView1ColumnClick(0);  // the sorted column: reversed
  EXPECT_EQ(order(), "100 12 5 1 ");
  dlg->ListView1ColumnClick(1);  // names, case ignored
  EXPECT_EQ(order(), "5 100 12 1 ");
}

TEST_F(ClubsDialog, RemembersRowBetweenShowings) {
  dlg->ListView1->setCurrentItem(dlg->ListView1->topLevelItem(2));
  dlg->ButtonNeuClick();
  dlg->hide();
  EXPECT_EQ(gEinstellungen.VereinListIndex, 2);
  gEinstellungen.VereinListIndex = 9;
  dlg->show();
  EXPECT_EQ(dlg->ListView1->selectedItems().size(), 0);
  EXPECT_FALSE(dlg->newMode());
  EXPECT_TRUE(dlg->ButtonNeu->isEnabled());
}

}  // namespace
