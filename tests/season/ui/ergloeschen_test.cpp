// Deleting results: what is chosen goes, and nothing goes unless "Ausführen" completes.
#include <gtest/gtest.h>

#include <QTest>

#include "core/db.h"
#include "core/globals.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "season/ui/ZikoNSErgLoeschenDlg.h"
#include "support/testenv.h"

namespace {

class ErgLoeschen : public DialogTest<TZikoNSErgLoeschenDlg> {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    // Two classes of the same name, numbers 1 and 3, each with results of rounds 1 to 3.
    exec("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (1, 'Kreisliga', 4, 0), "
         "(3, 'Kreisliga', 4, 0);");
    for (int k : {1, 3})
      for (int e = 1; e <= 3; ++e) {
        ASSERT_TRUE(db::exec(gDbHaupt,
                             "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, "
                             "Mschnr) VALUES (100, 0, 950, ?, 1, ?, 2, 1);",
                             {e, k}));
        ASSERT_TRUE(db::exec(gDbHaupt,
                             "INSERT INTO Mscherg (Mklnr, Vrnr, Rmschnr, Ringerg, Disznr, Ergnr) "
                             "VALUES (?, 2, 1, 2850, 0, ?);",
                             {k, e}));
      }
    exec("INSERT INTO Mschaufstlg (Disznr, Kampfnr, Mklnr, Posnr, Schnr, Vrnr, Mschnr) VALUES (0, 1, 1, 0, 100, 2, 1);");
    exec("INSERT INTO Msch_fuehrer (Disznr, Vrnr, Rmschnr, Name) VALUES (0, 2, 1, 'Huber');");
    gEinstellungen.AktDisznr = 0;
    dlg = new TZikoNSErgLoeschenDlg;
    dlg->show();
    before = state();
  }
  // class/round of every individual and team result, then the line-up and captain counts
  std::string state() {
    std::string s;
    for (const char* sql : {"SELECT Mschklnr || '/' || Ergnr FROM Schuetzenerg ORDER BY rowid",
                            "SELECT Mklnr || '/' || Ergnr FROM Mscherg ORDER BY rowid",
                            "SELECT COUNT(*) FROM Mschaufstlg", "SELECT COUNT(*) FROM Msch_fuehrer"}) {
      for (const auto& row : db::query(gDbHaupt, sql).rows) s += row[0] + " ";
      s += "| ";
    }
    return s;
  }
  void choose(long mklnr, int ergnr) {
    dlg->ComboBoxMkl->setCurrentIndex(comboIndexOfKey(dlg->ComboBoxMkl, mklnr));
    dlg->ComboBoxMklChange();
    dlg->ComboBoxDgnr->setCurrentIndex(ergnr);
    dlg->ComboBoxDgnrChange();
  }

  std::string before;
};

TEST_F(ErgLoeschen, OneRoundOfOneClassAndTheLineupsOfTheDiscipline) {
  choose(3, 2);  // class and round of different numbers
  EXPECT_EQ(fromQs(dlg->GroupBox2->title()), "Klasse Kreisliga, Durchgang 2");
  EXPECT_EQ(dlg->ComboBoxDgnr->count(), 5);
  msg::ScriptedMessages boxes;
  boxes.answer(msg::IdYes);
  dlg->ButtonUebernehmenClick();
  ASSERT_EQ(boxes.count(), 2u);
  EXPECT_NE(boxes.shown()[0].text.find("nicht nur die der Klasse Kreisliga"), std::string::npos);
  EXPECT_EQ(boxes.shown()[1].text,
            "Löschen Luftgewehr: \nGelöscht: Einzelergebnisse Luftgewehr, Kreisliga, Durchgang 2\n"
            "Gelöscht: Mannschaftsergebnisse Luftgewehr, Kreisliga, Durchgang 2\n"
            "Gelöscht: Mannschaftsaufstellungen/Stammschützen Luftgewehr\n");
  EXPECT_EQ(state(), "1/1 1/2 1/3 3/1 3/3 | 1/1 1/2 1/3 3/1 3/3 | 0 | 1 | ");
  EXPECT_FALSE(dlg->isVisible());
}

TEST_F(ErgLoeschen, NothingTickedHasNothingToDelete) {
  for (QCheckBox* c : {dlg->CheckBoxDelEErg, dlg->CheckBoxDelMErg, dlg->CheckBoxDelMschAustlg}) c->setChecked(false);
  msg::ScriptedMessages boxes;
  dlg->ButtonUebernehmenClick();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Löschen Luftgewehr:\n\nEs gibt nichts zu löschen!");
  EXPECT_EQ(state(), before);
}

TEST_F(ErgLoeschen, EveryOtherWayOutDeletesNothing) {
  dlg->CheckBoxDelMschFuehrer->setChecked(true);
  choose(1, 0);
  {
    msg::ScriptedMessages boxes;
    boxes.answer(msg::IdNo);
    dlg->ButtonUebernehmenClick();
    EXPECT_TRUE(dlg->isVisible()) << "No returns to the dialog";
    EXPECT_EQ(state(), before);
  }
  QTest::keyClick(dlg->ComboBoxMkl, Qt::Key_Escape);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(state(), before);

  dlg->show();
  exec("DELETE FROM Msch_fuehrer;");  // inside the dialog's transaction
  dlg->close();
  EXPECT_EQ(state(), before);
}

TEST_F(ErgLoeschen, AFailureDeletesNothingAndReportsNoDeletion) {
  exec("CREATE TEMP TRIGGER refuse BEFORE DELETE ON Mscherg BEGIN SELECT RAISE(ABORT, 'refused'); END;");
  msg::ScriptedMessages boxes;
  dlg->ButtonUebernehmenClick();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(state(), before);
  EXPECT_FALSE(boxes.contains("Gelöscht"));
  EXPECT_TRUE(boxes.contains("Es wurde nichts gelöscht."));
}

}  // namespace
