// The result entry mask driven like a user: choose a pairing, type into the rows, press the
// keys, save with F2 and read the database.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <tuple>

#include "core/db.h"
#include "core/globals.h"
#include "entry/passreceiver.h"
#include "entry/ui/ZikoErgEingabeDlg.h"
#include "masterdata/ui/ZikoNeuerSchuetzeDlg.h"
#include "masterdata/ui/ZikoSchuetzenAnzeigenDlg.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "support/combos.h"
#include "support/entrymask.h"
#include "support/testenv.h"

namespace {

class Eingabe : public DatabaseTest, protected EntryMaskDriver {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    exec("INSERT INTO Vereine_gau (Nummer, Name) VALUES (2, 'Tell'), (3, 'Hubertus');");
    for (int p = 101; p <= 118; ++p)
      exec("INSERT INTO Schuetzen (Passnr, VrNr, Name, AktivFlag) VALUES (?, 1, ?, 0);", {p, "Heim" + str(p)});
    for (int p = 201; p <= 206; ++p)
      exec("INSERT INTO Schuetzen (Passnr, VrNr, Name, AktivFlag) VALUES (?, 2, ?, 0);", {p, "Gast" + str(p)});
    exec("INSERT INTO Schuetzen (Passnr, VrNr, Name, AktivFlag) VALUES (301, 3, 'Fremd', 0);");
    // Two classes of the same name: only their numbers tell them apart.
    exec("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr, SchuetzenproMannschaftUnsort, "
         "SchuetzenproMannschaftSort, Sortflag, MaxSchuetzenproMannschaft) VALUES "
         "(1, 'Kreisliga', 10, 0, 3, 3, 0, 4), (2, 'Kreisliga', 2, 0, 3, 3, 0, 4);");
    exec("INSERT INTO Gegner (Disznr, Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr) VALUES "
         "(0, 1, 1, 1, 1, 2, 1), (0, 1, 1, 3, 1, 1, 2), (0, 1, 1, 2, 2, 0, 0), (0, 1, 2, 2, 1, 1, 1), "
         "(0, 2, 1, 3, 1, 2, 1);");
    exec("INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (1, 1, '12.10.2026', 0);");
    gEinstellungen.AktDisznr = 0;
    gEinstellungen.SchuetzenAnzeigeOffen = 0;
    mask = new TZikoErgEingabeDlg;
    ZikoErgEingabeDlg = mask;
  }
  void TearDown() override {
    delete mask;
    ZikoErgEingabeDlg = nullptr;
    DatabaseTest::TearDown();
  }

  long num(const std::string& sql, const db::Params& params = {}) { return db::query(gDbHaupt, sql, params).num(0, 0); }

  void pressKey(int key) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : mask;
    QTest::keyClick(target, static_cast<Qt::Key>(key));
    QCoreApplication::processEvents();
  }
  void fullMatch() {
    enter(true, 0, "101", "95");
    enter(true, 1, "102", "96");
    enter(true, 2, "103", "97");
    enter(false, 0, "201", "90");
    enter(false, 1, "202", "91");
    enter(false, 2, "203", "92");
  }

};

TEST_F(Eingabe, TypingAMatchAndSavingWithF2) {
  msg::ScriptedMessages boxes;
  openMask();
  ASSERT_EQ(mask->ListBoxPaarungen->count(), 2) << "a team without opponent gets no line";
  EXPECT_EQ(mask->ListBoxPaarungen->item(0)->text(), qs("Verein 1 I - Tell I"));
  EXPECT_EQ(txt(mask->EditWettkampfdatum), "12.10.2026");
  EXPECT_EQ(mask->EditWettkampfdatum->toolTip(), qs("Termin des eingestellten Wettkampf-Durchgangs"));
  EXPECT_EQ(gIntdat.SchuetzenWahl[0], 1);
  EXPECT_EQ(gIntdat.SchuetzenWahl[1], 2);

  enter(true, 0, "101", "95");
  enter(true, 1, "102", "96");
  EXPECT_EQ(txt(name(true, 1)), "Heim102");
  EXPECT_EQ(txt(mask->EditMschSummeHeim), "") << "sum before every counted row has rings";
  enter(true, 2, "103", "97");
  EXPECT_EQ(txt(mask->EditMschSummeHeim), "288");
  enter(true, 3, "104", "80");  // substitute
  EXPECT_EQ(txt(mask->EditMschSummeHeim), "288");
  enter(false, 0, "201", "90");
  enter(false, 1, "202", "91");
  enter(false, 2, "203", "92");
  EXPECT_EQ(mask->Geaendert, 1);

  pressKey(Qt::Key_F2);
  EXPECT_EQ(mask->Geaendert, 0);
  EXPECT_EQ(boxes.count(), 0u) << boxes.shown()[0].text;
  EXPECT_EQ(num("SELECT COUNT(*) FROM Schuetzenerg WHERE Ergnr=1 AND Mschklnr=1;"), 7);
  EXPECT_EQ(num("SELECT Mschflag FROM Schuetzenerg WHERE Schnr=104;"), 0);
  EXPECT_EQ(num("SELECT Ringerg FROM Mscherg WHERE Vrnr=1 AND Rmschnr=1;"), 2880);
  EXPECT_EQ(num("SELECT Pluspunkte FROM Mscherg WHERE Vrnr=1;"), 2);
  EXPECT_EQ(num("SELECT Minuspunkte FROM Mscherg WHERE Vrnr=2;"), 2);
  EXPECT_EQ(num("SELECT COUNT(*) FROM Mschaufstlg WHERE Kampfnr=1;"), 7);
  EXPECT_EQ(num("SELECT COUNT(*) FROM Schuetzen WHERE AktivFlag=1;"), 7);
  // The same number typed again: Enter leads on to its rings all the same.
  enter(true, 0, "101", nullptr);
  EXPECT_EQ(QApplication::focusWidget(), rings(true, 0));

  // Shown again, the match comes back as saved.
  mask->hide();
  openMask();
  EXPECT_EQ(txt(pass(true, 0)), "103");
  EXPECT_EQ(txt(pass(true, 3)), "104");
  EXPECT_EQ(txt(mask->EditMschSummeGast), "273");
  EXPECT_EQ(mask->Geaendert, 0);
}

TEST_F(Eingabe, F2RightAfterTheLastRingCountsIt) {
  msg::ScriptedMessages boxes;
  openMask();
  enter(true, 0, "101", "95");
  enter(true, 1, "102", "96");
  enter(true, 2, "103", nullptr);
  QTest::keyClicks(rings(true, 2), QStringLiteral("97"));
  enter(false, 0, "201", "90");
  enter(false, 1, "202", "91");
  enter(false, 2, "203", nullptr);
  QTest::keyClicks(rings(false, 2), QStringLiteral("99"));
  pressKey(Qt::Key_F2);
  EXPECT_EQ(txt(mask->EditMschSummeGast), "280");
  EXPECT_EQ(num("SELECT Ringerg FROM Mscherg WHERE Vrnr=2 AND Rmschnr=1;"), 2800);
  EXPECT_EQ(num("SELECT Pluspunkte FROM Mscherg WHERE Vrnr=1;"), 2);
}

TEST_F(Eingabe, KeysOfTheRows) {
  openMask();
  EXPECT_EQ(mask->Geaendert, 0) << "loading marks nothing as changed";
  rings(false, 0)->setFocus();
  pressKey(Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), rings(false, 0)) << "up in the first row";
  pressKey(Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), rings(false, 1));
  name(false, 14)->setFocus();
  pressKey(Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), name(false, 14)) << "down in the last row";

  QTest::keyClicks(pass(true, 0), QStringLiteral("1a0x1"));
  EXPECT_EQ(txt(pass(true, 0)), "101");
  EXPECT_EQ(mask->Geaendert, 1) << "a changed pass number counts as a change";
  EXPECT_EQ(pass(true, 0)->maxLength(), 9);

  QTest::keyClicks(rings(true, 0), QStringLiteral("95.,"));
  EXPECT_EQ(txt(rings(true, 0)), "95") << "whole rings only in this discipline";

  name(true, 0)->setText(qs("Irgendwer"));
  QTest::keyClick(name(true, 0), Qt::Key_Backspace);
  EXPECT_EQ(txt(name(true, 0)), "");


  // With tenths: ',' becomes '.', a second '.' is refused, the fields take more characters.
  exec("UPDATE Disznamen SET Zehntelflag=1 WHERE Nr=0;");
  mask->hide();
  openMask();
  EXPECT_EQ(rings(true, 0)->maxLength(), 5);
  EXPECT_EQ(mask->EditMschSummeHeim->maxLength(), 6);
  QTest::keyClicks(rings(true, 1), QStringLiteral("95,7.5"));
  EXPECT_EQ(txt(rings(true, 1)), "95.75");
  QTest::keyClicks(mask->EditMschSummeGast, QStringLiteral("380,1"));
  EXPECT_EQ(txt(mask->EditMschSummeGast), "380.1");

  // Deleting is a change too; pasted letters do not reach a pass number.
  mask->hide();
  openMask();
  ASSERT_EQ(mask->Geaendert, 0);
  mask->EditMschSummeGast->setText(qs("380.1"));
  mask->EditMschSummeGast->setCursorPosition(0);
  QTest::keyClick(mask->EditMschSummeGast, Qt::Key_Delete);
  EXPECT_EQ(txt(mask->EditMschSummeGast), "80.1");
  EXPECT_EQ(mask->Geaendert, 1);
  pass(true, 5)->insert(QStringLiteral("1x2"));
  EXPECT_EQ(txt(pass(true, 5)), "");
}

TEST_F(Eingabe, PassNumberChecksWhenARowIsLeft) {
  msg::ScriptedMessages boxes;
  exec("INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, Mschnr) VALUES "
       "(105, 0, 930, 1, 1, 2, 1, 1), (106, 0, 940, 1, 1, 1, 1, 1);");
  openMask();
  ASSERT_EQ(txt(pass(true, 0)), "106");
  ASSERT_EQ(txt(rings(true, 0)), "94");
  enter(true, 1, "999", nullptr);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Schütze mit Nr. 999\n\rnicht vorhanden !");
  EXPECT_EQ(txt(pass(true, 1)), "");
  EXPECT_EQ(mask->Geaendert, 0) << "a refused number is no change to ask about";

  boxes.clear();
  enter(false, 0, "0106", nullptr);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Passnr. 0106 bereits vorhanden!");
  EXPECT_EQ(QApplication::focusWidget(), pass(false, 0));
  pressKey(Qt::Key_F2);  // a refused number stops the save
  EXPECT_EQ(boxes.count(), 2u);
  EXPECT_EQ(num("SELECT COUNT(*) FROM Mscherg;"), 0);
  pass(false, 0)->clear();

  // A result in another class is mentioned but not copied into this match.
  boxes.clear();
  enter(true, 1, "105", nullptr);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_NE(boxes.shown()[0].text.find("bereits ein Ergebnis (93 Ringe)"), std::string::npos);
  EXPECT_EQ(txt(rings(true, 1)), "");
  // Only the stored result of this very match fills the ring field, and only for a new number.
  enter(true, 0, "101", nullptr);
  EXPECT_EQ(txt(rings(true, 0)), "");
  enter(true, 0, "106", nullptr);
  EXPECT_EQ(txt(rings(true, 0)), "94");

  // A shooter of another club is named when entered and when the save leaves him out.
  boxes.clear();
  enter(true, 3, "301", "88");
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Warnung");
  boxes.clear();
  ASSERT_TRUE(mask->SavePaarung());
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_NE(boxes.shown()[0].text.find("Heim Zeile 4 (Nr. 301)"), std::string::npos) << boxes.shown()[0].text;
  EXPECT_EQ(num("SELECT COUNT(*) FROM Schuetzenerg WHERE Schnr=301;"), 0);
}

TEST_F(Eingabe, TheSaveChecksNumbersWhoseFieldWasNeverLeft) {
  msg::ScriptedMessages boxes;
  openMask();
  fullMatch();
  // Typed while the focus then went to another window: no check ran.
  QTest::keyClicks(pass(true, 4), QStringLiteral("999"));
  EXPECT_FALSE(mask->SavePaarung());
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Schütze mit Nr. 999\n\rnicht vorhanden !");
  EXPECT_EQ(num("SELECT COUNT(*) FROM Mschaufstlg;"), 0);
  EXPECT_EQ(num("SELECT COUNT(*) FROM Mscherg;"), 0);
  EXPECT_TRUE(mask->SavePaarung()) << "the refused number was emptied";
  EXPECT_EQ(num("SELECT COUNT(*) FROM Mschaufstlg WHERE Kampfnr=1;"), 6);
}

TEST_F(Eingabe, PickerHandsAShooterToTheActiveRow) {
  openMask();
  pass(false, 4)->setFocus();
  EXPECT_EQ(gIntdat.SchuetzenWahl[3], 2) << "the picker follows the guest side";
  ASSERT_TRUE(handOverPassnr(204));
  EXPECT_EQ(txt(pass(false, 4)), "204");
  EXPECT_EQ(txt(name(false, 4)), "Gast204");
  EXPECT_EQ(mask->Geaendert, 1);
  mask->hide();
  EXPECT_FALSE(handOverPassnr(205));
}

TEST_F(Eingabe, PickerOpenedInAGuestRowListsTheGuestClub) {
  gEinstellungen.SchuetzenAktivFilter = 0;
  auto* picker = new TZikoSchuetzenAnzeigenDlg;
  ZikoSchuetzenAnzeigenDlg = picker;
  openMask();
  rings(false, 1)->setFocus();
  pressKey(Qt::Key_F5);
  ASSERT_TRUE(picker->isVisible());
  EXPECT_EQ(picker->ListView1->topLevelItemCount(), 6) << "the guest club's shooters";
  EXPECT_EQ(gIntdat.SchuetzenWahl[2], 2);
  EXPECT_EQ(gIntdat.SchuetzenWahl[3], 2);
  mask->hide();
  delete picker;
  ZikoSchuetzenAnzeigenDlg = nullptr;
}

TEST_F(Eingabe, PickerAndNewShooterBesideTheMask) {
  gEinstellungen.SchuetzenAktivFilter = 0;
  auto* picker = new TZikoSchuetzenAnzeigenDlg;
  auto* newShooter = new TZikoNeuerSchuetzeDlg;
  ZikoSchuetzenAnzeigenDlg = picker;
  ZikoNeuerSchuetzeDlg = newShooter;
  openMask();
  pass(true, 2)->setFocus();
  pressKey(Qt::Key_F5);
  ASSERT_TRUE(picker->isVisible());
  EXPECT_EQ(picker->parentWidget(), mask) << "a companion of the modal mask must be its child";
  EXPECT_EQ(picker->ListView1->topLevelItemCount(), 19) << "the home club's shooters";
  picker->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(picker));
  picker->ListView1->setCurrentItem(picker->ListView1->topLevelItem(4));
  picker->TakeOverSelectedShooter();
  EXPECT_EQ(txt(pass(true, 2)), "104");
  // The rings typed next belong to the mask's row.
  for (int i = 0; i < 100 && QApplication::focusWidget() != rings(true, 2); ++i) QTest::qWait(10);
  EXPECT_EQ(QApplication::focusWidget(), rings(true, 2));

  openMask();  // back into the mask
  pass(false, 0)->setFocus();
  EXPECT_EQ(gIntdat.SchuetzenWahl[2], 2) << "the picker follows the guest side";
  mask->NeuerSchtzeF61Click();
  ASSERT_TRUE(newShooter->isVisible());
  newShooter->EditName->setText(qs("Neuling"));
  newShooter->ButtonSpeichernEndeClick();
  EXPECT_EQ(num("SELECT VrNr FROM Schuetzen WHERE Name='Neuling';"), 2);
  EXPECT_EQ(txt(name(false, 0)), "Neuling");

  // Closing remembers the open picker and hides it; the next showing opens it again.
  mask->Geaendert = 0;
  mask->BeendenESC1Click();
  EXPECT_FALSE(picker->isVisible());
  EXPECT_EQ(gEinstellungen.SchuetzenAnzeigeOffen, 1);
  openMask();
  EXPECT_TRUE(picker->isVisible());
  mask->hide();
  delete newShooter;
  delete picker;
  ZikoSchuetzenAnzeigenDlg = nullptr;
  ZikoNeuerSchuetzeDlg = nullptr;
}

TEST_F(Eingabe, NewShooterF6OnAFilledRowAsksFirstAndTheSumsFollowTheRows) {
  auto* newShooter = new TZikoNeuerSchuetzeDlg;
  ZikoNeuerSchuetzeDlg = newShooter;
  openMask();
  enter(true, 0, "101", "95");
  enter(true, 1, "102", "96");
  enter(true, 2, "103", "97");
  ASSERT_EQ(txt(mask->EditMschSummeHeim), "288");
  for (int answer : {msg::IdNo, msg::IdYes}) {
    SCOPED_TRACE(answer);
    msg::ScriptedMessages boxes;
    boxes.answer(answer);
    openMask();
    pass(true, 1)->setFocus();
    pressKey(Qt::Key_F6);
    ASSERT_TRUE(newShooter->isVisible());
    newShooter->EditName->setText(qs(answer == msg::IdNo ? "Neu Nein" : "Neu Ja"));
    QTest::mouseClick(newShooter->ButtonSpeichernEnde, Qt::LeftButton);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "In dieser Zeile steht Schütze 102 Heim102 (96 Ringe).\nDurch Schütze " +
                                         txt(newShooter->EditNummer) + " ersetzen?");
    if (answer == msg::IdNo) {
      EXPECT_EQ(txt(pass(true, 1)) + "/" + txt(name(true, 1)) + "/" + txt(rings(true, 1)), "102/Heim102/96");
      EXPECT_EQ(txt(mask->EditMschSummeHeim), "288");
    } else {
      EXPECT_EQ(txt(name(true, 1)), "Neu Ja");
      EXPECT_EQ(txt(rings(true, 1)), "");
      EXPECT_EQ(txt(mask->EditMschSummeHeim), "192") << "95 + 97 without the replaced rings";
    }
  }
  mask->hide();
  delete newShooter;
  ZikoNeuerSchuetzeDlg = nullptr;
}

TEST_F(Eingabe, TheChosenRoundIsStoredWhenItIsChosen) {
  openMask();
  mask->ComboBoxWettkampfnr->setFocus();
  pressKey(Qt::Key_Down);
  ASSERT_EQ(mask->ComboBoxWettkampfnr->currentIndex(), 1);
  // Read through a connection of its own, as the next start would, while the mask is open.
  auto stored = [this] {
    sqlite3* fresh = db::open(dir->file("zielkontor.db"));
    long round = db::query(fresh, "SELECT Kampfindex FROM Disznamen WHERE Nr=0;").num(0, 0);
    db::close(fresh);
    return round;
  };
  EXPECT_EQ(stored(), 1);
  pressKey(Qt::Key_Escape);
  ASSERT_FALSE(mask->isVisible());
  EXPECT_EQ(stored(), 1);
  openMask();
  EXPECT_EQ(mask->ComboBoxWettkampfnr->currentIndex(), 1);
  mask->hide();
}

TEST_F(Eingabe, SortflagSortsBothSidesOverTheSameRowsAndRecomputesTheSums) {
  exec("UPDATE Mschklassen SET Sortflag=1, SchuetzenproMannschaftSort=2, MaxSchuetzenproMannschaft=4 WHERE Nr=1;");
  openMask();
  EXPECT_NE(fromQs(mask->StaticText7->text()).find("Sortierung Aktiv"), std::string::npos);
  EXPECT_EQ(mask->SchuetzenGewertet, 2);
  enter(true, 0, "101", "90");
  enter(true, 1, "102", "91");
  enter(true, 2, "103", "99");
  enter(false, 0, "201", "80");
  enter(false, 1, "202", "81");
  enter(false, 3, "204", "98");
  enter(false, 5, "206", "99");  // beyond the sorted rows
  pressKey(Qt::Key_F2);
  EXPECT_EQ(txt(pass(true, 0)), "103");
  EXPECT_EQ(txt(pass(true, 1)), "102");
  EXPECT_EQ(txt(pass(false, 0)), "204");
  EXPECT_EQ(txt(pass(false, 1)), "202");
  EXPECT_EQ(txt(pass(false, 5)), "206");
  EXPECT_EQ(txt(mask->EditMschSummeHeim), "190");
  EXPECT_EQ(txt(mask->EditMschSummeGast), "179");
  EXPECT_EQ(num("SELECT Mschflag FROM Schuetzenerg WHERE Schnr=204;"), 1);
  EXPECT_EQ(num("SELECT Mschflag FROM Schuetzenerg WHERE Schnr=201;"), 0);
  EXPECT_EQ(num("SELECT Ringerg FROM Mscherg WHERE Vrnr=2 AND Rmschnr=1;"), 1790);
}

TEST_F(Eingabe, SortingKeepsATypedSumOfASideWithoutRings) {
  exec("UPDATE Mschklassen SET Sortflag=1 WHERE Nr=1;");
  openMask();
  enter(true, 0, "101", "90");
  enter(true, 1, "102", "91");
  enter(true, 2, "103", "92");
  mask->EditMschSummeGast->setText(qs("250"));
  ASSERT_TRUE(mask->SavePaarung());
  EXPECT_EQ(num("SELECT Ringerg FROM Mscherg WHERE Vrnr=2 AND Rmschnr=1;"), 2500);
  EXPECT_EQ(num("SELECT Ringerg FROM Mscherg WHERE Vrnr=1 AND Rmschnr=1;"), 2730);
}

TEST_F(Eingabe, AFailedSaveKeepsEverythingAndStoresNothing) {
  msg::ScriptedMessages boxes;
  openMask();
  fullMatch();
  exec("CREATE TRIGGER refuse BEFORE INSERT ON Mscherg BEGIN SELECT RAISE(ABORT, 'Mscherg gesperrt'); END;");
  pressKey(Qt::Key_F2);
  EXPECT_TRUE(boxes.contains("Mscherg gesperrt"));
  EXPECT_EQ(mask->Geaendert, 1);
  EXPECT_EQ(txt(rings(false, 2)), "92");
  EXPECT_EQ(num("SELECT COUNT(*) FROM Schuetzenerg;"), 0);
  EXPECT_EQ(num("SELECT COUNT(*) FROM Mschaufstlg;"), 0);

  // A save that fails after Yes stops the close as well.
  boxes.clear();
  boxes.answer(msg::IdYes);
  mask->BeendenESC1Click();
  EXPECT_TRUE(mask->isVisible());
}

TEST_F(Eingabe, CancelKeepsTheMaskAndTheChoice) {
  msg::ScriptedMessages boxes;
  openMask();
  enter(true, 0, "101", "95");
  boxes.answer(msg::IdCancel);
  mask->ListBoxPaarungen->setCurrentRow(1);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Meldung:");
  EXPECT_EQ(mask->ListBoxPaarungen->currentRow(), 0);
  EXPECT_EQ(mask->Gegnerpaarindex, 0);
  EXPECT_EQ(txt(rings(true, 0)), "95");
  EXPECT_EQ(mask->Geaendert, 1);

  boxes.answer(msg::IdCancel);
  waehle(mask->ComboBoxWettkampfnr, 1);
  EXPECT_EQ(mask->ComboBoxWettkampfnr->currentIndex(), 0);
  EXPECT_EQ(mask->Kampfindex, 0);

  boxes.answer(msg::IdCancel);
  pressKey(Qt::Key_Escape);
  EXPECT_TRUE(mask->isVisible());
  EXPECT_EQ(txt(pass(true, 0)), "101");

  // No drops what was typed and goes on to the other pairing.
  boxes.answer(msg::IdNo);
  mask->ListBoxPaarungen->setCurrentRow(1);
  EXPECT_EQ(mask->Gegnerpaarindex, 1);
  EXPECT_EQ(fromQs(mask->LabelHeimmannschaft->text()), " Hubertus I");
  EXPECT_EQ(num("SELECT COUNT(*) FROM Schuetzenerg;"), 0);
  pressKey(Qt::Key_Escape);
  EXPECT_FALSE(mask->isVisible());
  EXPECT_EQ(num("SELECT Gegnerpaarindex FROM Disznamen WHERE Nr=0;"), 1);
}

// A click on another pairing answered with Cancel: the list highlights again the pairing the
// mask holds, with what was typed still marked as changed.
TEST_F(Eingabe, CancelledClickOnAPairingHighlightsTheShownOneAgain) {
  msg::ScriptedMessages boxes;
  openMask();
  QListWidget* pairings = mask->ListBoxPaarungen;
  pass(true, 0)->setFocus();
  QTest::keyClicks(pass(true, 0), QStringLiteral("101"));
  boxes.answer(msg::IdCancel);
  QTest::mouseClick(pairings->viewport(), Qt::LeftButton, {}, pairings->visualItemRect(pairings->item(1)).center());
  QCoreApplication::processEvents();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(pairings->currentRow(), 0);
  ASSERT_EQ(pairings->selectedItems().size(), 1);
  EXPECT_EQ(pairings->row(pairings->selectedItems()[0]), 0);
  EXPECT_EQ(fromQs(mask->LabelHeimmannschaft->text()), " Verein 1 I");
  EXPECT_EQ(txt(pass(true, 0)), "101");
  EXPECT_EQ(mask->Geaendert, 1);
}

// After the message about a wrong number the row's own number typed back leaves the row as
// it was: nothing to ask about. An unknown number and the number of another row alike.
TEST_F(Eingabe, TheRowsNumberTypedBackAfterAWrongOneIsNoChange) {
  exec("INSERT INTO Mschaufstlg (Disznr, Kampfnr, Mklnr, Posnr, Schnr, Vrnr, Mschnr) VALUES "
       "(0, 1, 1, 0, 106, 1, 1), (0, 1, 1, 1, 107, 1, 1);");
  msg::ScriptedMessages boxes;
  openMask();
  for (auto [row, wrong, own] : {std::tuple{0, "999", "106"}, std::tuple{1, "106", "107"}}) {
    SCOPED_TRACE(wrong);
    ASSERT_EQ(txt(pass(true, row)), own);
    boxes.clear();
    enter(true, row, wrong, nullptr);
    ASSERT_EQ(boxes.count(), 1u);
    ASSERT_EQ(QApplication::focusWidget(), pass(true, row));
    enter(true, row, own, nullptr);
    EXPECT_EQ(boxes.count(), 1u);
    EXPECT_EQ(txt(name(true, row)), "Heim" + std::string(own));
    EXPECT_EQ(mask->Geaendert, 0);
  }
}

// A saved shooter's number typed over with the same number changes nothing: the click on
// another pairing asks no question (which would catch the keys typed next). Another number
// in his place is a change.
TEST_F(Eingabe, TheSamePassNumberTypedAgainIsNoChange) {
  for (auto [typed, questions] : {std::pair{"106", 0u}, std::pair{"102", 1u}}) {
    SCOPED_TRACE(typed);
    msg::ScriptedMessages boxes;
    boxes.answer(msg::IdNo);
    exec("UPDATE Disznamen SET Gegnerpaarindex=0 WHERE Nr=0;");
    exec("INSERT INTO Mschaufstlg (Disznr, Kampfnr, Mklnr, Posnr, Schnr, Vrnr, Mschnr) VALUES (0, 1, 1, 0, 106, 1, 1);");
    openMask();
    ASSERT_EQ(txt(pass(true, 0)), "106");
    QTest::mouseClick(pass(true, 0), Qt::LeftButton);
    QTest::keyClick(pass(true, 0), Qt::Key_End);
    QTest::keyClick(pass(true, 0), Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClicks(pass(true, 0), QString::fromLatin1(typed));
    QListWidget* pairings = mask->ListBoxPaarungen;
    QTest::mouseClick(pairings->viewport(), Qt::LeftButton, {}, pairings->visualItemRect(pairings->item(1)).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.count(), questions);
    EXPECT_EQ(mask->Gegnerpaarindex, 1);
    mask->hide();
    exec("DELETE FROM Mschaufstlg;");
  }
}

TEST_F(Eingabe, StoredTenthsSurviveAReSave) {
  exec("INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, Mschnr) VALUES "
       "(101, 0, 957, 1, 1, 1, 1, 1);");
  exec("INSERT INTO Mscherg (Mklnr, Vrnr, Rmschnr, Ringerg, Pluspunkte, Minuspunkte, Korrekturpunkte, Disznr, Ergnr) "
       "VALUES (1, 1, 1, 3801, 0, 2, 0, 0, 1), (1, 2, 1, 3805, 2, 0, 0, 0, 1);");
  openMask();
  EXPECT_EQ(txt(rings(true, 0)), "95.7");
  EXPECT_EQ(txt(mask->EditMschSummeHeim), "380.1");
  ASSERT_TRUE(mask->SavePaarung());
  EXPECT_EQ(num("SELECT Ringerg FROM Schuetzenerg WHERE Schnr=101;"), 957);
  EXPECT_EQ(num("SELECT Ringerg FROM Mscherg WHERE Vrnr=1;"), 3801);
  EXPECT_EQ(num("SELECT Pluspunkte FROM Mscherg WHERE Vrnr=2;"), 2) << "3805 beats 3801";
}

TEST_F(Eingabe, ARoundWithoutPairingsGivesAnEmptyMaskThatSavesNothing) {
  msg::ScriptedMessages boxes;
  exec("UPDATE Disznamen SET Kampfindex=2 WHERE Nr=0;");
  openMask();
  EXPECT_EQ(mask->ListBoxPaarungen->count(), 0);
  EXPECT_FALSE(pass(true, 0)->isEnabled());
  EXPECT_FALSE(mask->ButtonMergG->isEnabled());
  EXPECT_EQ(txt(mask->EditMschSummeHeim), "");
  pressKey(Qt::Key_F2);
  EXPECT_EQ(boxes.count(), 1u);
  EXPECT_EQ(num("SELECT COUNT(*) FROM Mscherg;"), 0);

  // A remembered pairing beyond the list is the same.
  mask->hide();  // stores the positions in use
  exec("UPDATE Disznamen SET Kampfindex=0, Gegnerpaarindex=7 WHERE Nr=0;");
  openMask();
  EXPECT_EQ(mask->ListBoxPaarungen->count(), 2);
  EXPECT_EQ(mask->chosenPaarung(), nullptr);
  EXPECT_FALSE(rings(false, 0)->isEnabled());
  EXPECT_FALSE(mask->SavePaarung());
}

TEST_F(Eingabe, LoadingResultsLineUpsAndClassesOfTheSameName) {
  msg::ScriptedMessages boxes;
  // Home: 17 results, more than the rows can show.
  for (int p = 101; p <= 117; ++p)
    exec("INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, Mschnr) VALUES "
         "(?, 0, ?, 1, ?, 1, 1, 1);",
         {p, 800 + p, p <= 104 ? 1 : 0});
  exec("INSERT INTO Mschaufstlg (Disznr, Kampfnr, Mklnr, Posnr, Schnr, Vrnr, Mschnr) VALUES "
       "(0, 2, 1, 0, 202, 2, 1), (0, 2, 1, 1, 201, 2, 1);");
  openMask();
  ASSERT_EQ(boxes.count(), 1u) << "one message per load";
  EXPECT_EQ(txt(pass(true, 0)), "104") << "four counted results beyond a team of three";
  EXPECT_EQ(txt(pass(true, 3)), "101");
  EXPECT_EQ(txt(pass(true, 4)), "117");
  EXPECT_EQ(txt(pass(true, 14)), "107");
  EXPECT_TRUE(mask->CheckBoxStsHeim[0]->isChecked());
  EXPECT_FALSE(mask->CheckBoxStsHeim[4]->isChecked());

  // Round 2 has no result yet: the planned line-up with empty ring fields.
  boxes.clear();
  waehle(mask->ComboBoxWettkampfnr, 1);
  EXPECT_EQ(boxes.count(), 0u);
  EXPECT_EQ(txt(pass(true, 0)), "202");
  EXPECT_EQ(txt(name(true, 1)), "Gast201");
  EXPECT_EQ(txt(rings(true, 0)), "");
  EXPECT_EQ(mask->Geaendert, 0);

  waehle(mask->ComboBoxKlasse, 1);
  EXPECT_EQ(mask->Mklnr, 2);
  ASSERT_EQ(mask->ListBoxPaarungen->count(), 0) << "class 2 has no pairing in round 2";
  waehle(mask->ComboBoxWettkampfnr, 0);
  ASSERT_EQ(mask->ListBoxPaarungen->count(), 1);
  EXPECT_EQ(mask->ListBoxPaarungen->item(0)->text(), qs("Hubertus I - Tell I"));
}

}  // namespace
