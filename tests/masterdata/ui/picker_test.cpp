// The shooter picker and the quick new-shooter form.
#include <gtest/gtest.h>

#include <QTest>

#include "core/db.h"
#include "core/globals.h"
#include "entry/newshooter.h"
#include "entry/passreceiver.h"
#include "masterdata/ui/ZikoNeuerSchuetzeDlg.h"
#include "masterdata/ui/ZikoSchuetzenAnzeigenDlg.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "support/testenv.h"

namespace {

class FakeReceiver : public PassnrReceiver {
 public:
  bool visible = false;
  std::vector<long> received;
  bool receiverVisible() const override { return visible; }
  void receivePassnr(long p) override { received.push_back(p); }
};

class Picker : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (2, 'Tell');");
    db::exec(gDbHaupt,
             "INSERT INTO Schuetzen (Passnr, VrNr, Name, Gebdat, AktivFlag) VALUES "
             "(100, 2, 'Zeller', '1.1.1980', 1), (99, 2, 'aigner', '', 0), (4001, 2, 'Maier', '', 1);");
    picker = new TZikoSchuetzenAnzeigenDlg;
    newShooter = new TZikoNeuerSchuetzeDlg;
    ZikoSchuetzenAnzeigenDlg = picker;
    ZikoNeuerSchuetzeDlg = newShooter;
  }
  void TearDown() override {
    delete newShooter;
    delete picker;
    ZikoSchuetzenAnzeigenDlg = nullptr;
    ZikoNeuerSchuetzeDlg = nullptr;
    DatabaseTest::TearDown();
  }
  std::string column(int c) {
    std::string s;
    for (int i = 0; i < picker->ListView1->topLevelItemCount(); ++i)
      s += fromQs(picker->ListView1->topLevelItem(i)->text(c)) + ";";
    return s;
  }
  TZikoSchuetzenAnzeigenDlg* picker = nullptr;
  TZikoNeuerSchuetzeDlg* newShooter = nullptr;
};

TEST_F(Picker, ListsClubWithFilterAndNumericSort) {
  gEinstellungen.SchuetzenAktivFilter = 0;
  picker->FillSchuetzenListe(2);
  EXPECT_EQ(picker->windowTitle(), qs("Schützen Tell"));
  EXPECT_EQ(column(0), "99;100;4001;");
  EXPECT_EQ(gIntdat.SchuetzenWahl[2], 2);
  picker->ListView1ColumnClick(0);
  EXPECT_EQ(column(0), "4001;100;99;");
  picker->ListView1ColumnClick(1);
  EXPECT_EQ(column(1), "aigner;Maier;Zeller;");

  picker->RadioGroup1Click(1);
  EXPECT_EQ(gEinstellungen.SchuetzenAktivFilter, 1);
  EXPECT_EQ(column(0).find("99;"), std::string::npos) << "inactive shooter listed: " << column(0);

  picker->FillSchuetzenListe(77);
  EXPECT_EQ(picker->windowTitle(), qs("Schützen anzeigen"));
  EXPECT_EQ(picker->ListView1->topLevelItemCount(), 0);
}

TEST_F(Picker, HandsOverToFirstVisibleReceiverOnly) {
  FakeReceiver entry, captains;
  registerPassnrReceiver(ReceiverRole::Entry, &entry);
  registerPassnrReceiver(ReceiverRole::Captains, &captains);
  gEinstellungen.SchuetzenAktivFilter = 0;
  picker->FillSchuetzenListe(2);

  picker->TakeOverSelectedShooter();  // nothing selected after filling
  EXPECT_TRUE(entry.received.empty() && captains.received.empty());

  picker->ListView1->setCurrentItem(picker->ListView1->topLevelItem(1));
  captains.visible = true;
  picker->TakeOverSelectedShooter();
  entry.visible = true;
  picker->TakeOverSelectedShooter();
  EXPECT_EQ(captains.received, std::vector<long>{100});
  EXPECT_EQ(entry.received, std::vector<long>{100});
  unregisterPassnrReceiver(&entry);
  unregisterPassnrReceiver(&captains);
}

TEST_F(Picker, ProposalsFollowTheClubsFirstRunAndSkipTakenNumbers) {
  db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (3, 'A'), (4, 'B'), (6, 'C');");
  db::exec(gDbHaupt,
           "INSERT INTO Schuetzen (Passnr, VrNr, Name) VALUES (1001, 3, 'a'), (1002, 3, 'b'), (1003, 3, 'c'),"
           "(1005, 3, 'd'), (2001, 4, 'e'), (2002, 4, 'f'), (2005, 4, 'g'), (2003, 6, 'h');");
  EXPECT_EQ(ProposePassnr(3), 1004);
  EXPECT_EQ(ProposePassnr(2), 101) << "99, 100 run on to 101";
  // 2003 belongs to club 6: the proposal must never be a taken number.
  long p = ProposePassnr(4);
  EXPECT_FALSE(PassnrTaken(p));
  // A club without shooters: 1 is the default shooter's number, so step on to a free one.
  p = ProposePassnr(42);
  EXPECT_NE(p, 1);
  EXPECT_FALSE(PassnrTaken(p));
  db::exec(gDbHaupt, "DELETE FROM Schuetzen WHERE Passnr=1;");
  EXPECT_EQ(ProposePassnr(42), 1);
}


}  // namespace

namespace {

class NewShooter : public Picker {};

TEST_F(NewShooter, FromTheMaskUsesSideClubAndHandsOverAfterStoring) {
  FakeReceiver entry;
  entry.visible = true;
  registerPassnrReceiver(ReceiverRole::Entry, &entry);
  gIntdat.NeuerSchuetzeAufrufer = 0;
  gIntdat.SchuetzenWahl[3] = 2;
  gIntdat.SchuetzenWahl[2] = 77;
  newShooter->show();
  EXPECT_EQ(newShooter->EditNummer->text(), QStringLiteral("101"));

  msg::ScriptedMessages boxes;
  newShooter->ButtonSpeichernEndeClick();  // empty name: stays open, nothing handed over
  EXPECT_TRUE(newShooter->isVisible());
  EXPECT_TRUE(entry.received.empty());
  EXPECT_EQ(boxes.count(), 1u);

  newShooter->EditName->setText(QStringLiteral("Neu"));
  newShooter->RadioWeiblich->setChecked(true);
  EXPECT_TRUE(newShooter->pressKey(Qt::Key_F3));
  EXPECT_FALSE(newShooter->isVisible());
  EXPECT_EQ(entry.received, std::vector<long>{101});
  db::Table row = db::query(gDbHaupt, "SELECT VrNr, Geschl, AktivFlag, JklNr, JklFlag FROM Schuetzen WHERE Passnr=101;");
  ASSERT_EQ(row.size(), 1u);
  EXPECT_EQ(row.rows[0], (std::vector<std::string>{"2", "W", "1", "0", "1"}));
  unregisterPassnrReceiver(&entry);
}

TEST_F(NewShooter, FromThePickerUsesPickerClubAndRefusesTakenAndZero) {
  FakeReceiver entry;
  entry.visible = true;
  registerPassnrReceiver(ReceiverRole::Entry, &entry);
  gEinstellungen.SchuetzenAktivFilter = 0;
  picker->show();
  picker->FillSchuetzenListe(2);
  gIntdat.SchuetzenWahl[3] = 77;
  picker->ButtonNeuerDatensatzClick();
  ASSERT_TRUE(newShooter->isVisible());
  EXPECT_EQ(newShooter->clubNumber(), 2);

  msg::ScriptedMessages boxes;
  newShooter->EditNummer->setText(QStringLiteral("4001"));
  newShooter->EditName->setText(QStringLiteral("Doppelt"));
  newShooter->ButtonSpeichernEndeClick();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Schütze mit Nr. 4001\n\rbereits vorhanden !");
  EXPECT_TRUE(newShooter->isVisible());

  newShooter->EditNummer->setText(QStringLiteral("0"));
  newShooter->ButtonSpeichernEndeClick();
  EXPECT_EQ(boxes.count(), 2u);
  EXPECT_TRUE(newShooter->isVisible());

  // A failed insert keeps the form open with what was typed.
  db::exec(gDbHaupt, "CREATE TRIGGER refuse BEFORE INSERT ON Schuetzen BEGIN SELECT RAISE(ABORT, 'gesperrt'); END;");
  newShooter->EditNummer->setText(QStringLiteral("123456789"));
  newShooter->ButtonSpeichernEndeClick();
  EXPECT_TRUE(boxes.contains("gesperrt"));
  EXPECT_TRUE(newShooter->isVisible());
  db::exec(gDbHaupt, "DROP TRIGGER refuse;");

  // Without a club (0 is "bye" and "all") nothing is stored.
  gIntdat.SchuetzenWahl[2] = 0;
  newShooter->ButtonSpeichernEndeClick();
  EXPECT_TRUE(newShooter->isVisible());
  EXPECT_EQ(db::query(gDbHaupt, "SELECT COUNT(*) FROM Schuetzen WHERE VrNr=0;").num(0, 0), 0);
  gIntdat.SchuetzenWahl[2] = 2;

  newShooter->EditNummer->setText(QStringLiteral("123456789"));
  newShooter->ButtonSpeichernEndeClick();
  EXPECT_FALSE(newShooter->isVisible());
  EXPECT_TRUE(entry.received.empty()) << "opened from the picker: nothing goes into the mask";
  EXPECT_NE(column(0).find("123456789;"), std::string::npos) << "picker list refilled";
  unregisterPassnrReceiver(&entry);
}

}  // namespace
