// Team captains: choosing a team, saving and deleting its captain, the club's range
// telephone, names from the shooter picker, and the captains list.
#include <gtest/gtest.h>

#include "core/db.h"
#include "core/globals.h"
#include "entry/passreceiver.h"
#include "entry/ui/ZikoErgEingabeDlg.h"
#include "masterdata/ui/ZikoVereineBearbeitenDlg.h"
#include "masterdata/ui/ZikoWklAdressenDlg.h"
#include "output/listenschreiber.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "season/ui/ZikoMannschaftsfuehrerDlg.h"
#include "season/ui/ZikoNSMschFuehrerAnzeigenDlg.h"
#include "support/testenv.h"

namespace {

class Mannschaftsleiter : public DialogTest<TZikoMannschaftsfuehrerDlg> {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    // Class 1 holds clubs 2 (two teams) and 3; class 2 club 4; class 3 has no team. Only club 2
    // has an extra-text row.
    exec("INSERT INTO Vereine_gau (Nummer, Name) VALUES (2, 'Tell'), (3, 'Hubertus'), (4, 'Diana');");
    exec("INSERT INTO Vereine_zstext (Nummer, ZsText, TelSStd) VALUES (2, 'x', '0911 1');");
    exec("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (1, 'Kreisliga', 4, 0), "
         "(2, 'Gauliga', 2, 0), (3, 'Leer', 0, 0);");
    exec("INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES "
         "(1, 1, 0, 3, 1), (1, 2, 0, 2, 1), (1, 3, 0, 2, 2), (2, 1, 0, 4, 1);");
    exec("INSERT INTO Schuetzen (Passnr, VrNr, Name) VALUES (201, 2, 'Maier Hans');");
    exec("UPDATE Disznamen SET Saisonname='2026/27';");
    gEinstellungen.AktDisznr = 0;
    dlg = new TZikoMannschaftsfuehrerDlg;
  }
  std::string rows(const std::string& sql) {
    std::string s;
    for (const auto& row : db::query(gDbHaupt, sql).rows) {
      for (const auto& cell : row) s += cell + "|";
      s += ";";
    }
    return s;
  }
  void chooseClub(long vrnr) { dlg->ListViewVereine->setCurrentItem(itemOfKey(dlg->ListViewVereine, vrnr)); }

};

TEST_F(Mannschaftsleiter, SavesOneRowPerTeamAndTheTelephoneAsTyped) {
  dlg->show();
  EXPECT_EQ(dlg->windowTitle(), qs("Mannschaftsleiter Luftgewehr, Saison 2026/27"));
  chooseClub(2);
  EXPECT_EQ(fromQs(dlg->Label1->text()), "Tell I");
  EXPECT_EQ(fromQs(dlg->EditTelSchiessstand->text()), "0911 1");
  dlg->EditName->setText(qs("Huber"));
  dlg->EditTelSchiessstand->setText(qs("0911 2"));
  EXPECT_TRUE(dlg->pressKey(Qt::Key_F2));
  dlg->EditOrt->setText(qs("Fürth"));
  dlg->ButtonSpeichernClick();
  EXPECT_EQ(rows("SELECT Vrnr, Rmschnr, Name, Ort FROM Msch_fuehrer"), "2|1|Huber|Fürth|;");
  EXPECT_EQ(rows("SELECT TelSStd FROM Vereine_zstext WHERE Nummer=2"), "0911 2|;");

  // A club without an extra-text row gets one.
  chooseClub(3);
  dlg->EditTelSchiessstand->setText(qs("0815-1"));
  dlg->ButtonSpeichernClick();
  EXPECT_EQ(rows("SELECT Nummer, TelSStd FROM Vereine_zstext WHERE Nummer=3"), "3|0815-1|;");
  EXPECT_EQ(rows("SELECT COUNT(*) FROM Msch_fuehrer"), "2|;");

  // Composed before storing; what cp1252 cannot hold is refused, never stored as '?'.
  dlg->EditName->setText(QString::fromUtf16(u"Mu\u0308ller"));
  dlg->ButtonSpeichernClick();
  EXPECT_EQ(rows("SELECT Name FROM Msch_fuehrer WHERE Vrnr=3"), "Müller|;");
  msg::ScriptedMessages boxes;
  dlg->EditName->setText(QString::fromUtf16(u"\u0141ukasz"));
  dlg->ButtonSpeichernClick();
  EXPECT_EQ(boxes.count(), 1u);
  EXPECT_EQ(rows("SELECT Name FROM Msch_fuehrer WHERE Vrnr=3"), "Müller|;");

  chooseClub(2);
  EXPECT_EQ(fromQs(dlg->EditName->text()), "Huber");
  dlg->pressKey(Qt::Key_F7);
  EXPECT_EQ(rows("SELECT Vrnr FROM Msch_fuehrer"), "3|;");
  EXPECT_TRUE(dlg->EditName->text().isEmpty());
}

TEST_F(Mannschaftsleiter, PickedShooterFillsOnlyTheNameUnlessTheEntryMaskIsOpen) {
  dlg->show();
  chooseClub(2);
  dlg->EditOrt->setText(qs("Nürnberg"));
  ASSERT_TRUE(handOverPassnr(201));
  EXPECT_EQ(fromQs(dlg->EditName->text()), "Maier Hans");
  EXPECT_EQ(fromQs(dlg->EditOrt->text()), "Nürnberg");

  msg::ScriptedMessages boxes;
  TZikoErgEingabeDlg mask;
  mask.show();
  dlg->EditName->clear();
  handOverPassnr(201);
  EXPECT_TRUE(dlg->EditName->text().isEmpty()) << "the entry mask comes first";
  mask.hide();
}

TEST_F(Mannschaftsleiter, AClassWithoutClubsLeavesNothingToSave) {
  dlg->show();
  chooseClub(2);
  dlg->ComboBoxKlasse->setCurrentIndex(comboIndexOfKey(dlg->ComboBoxKlasse, 3));
  dlg->ComboBoxKlasseChange();
  EXPECT_EQ(dlg->ListViewMannschaften->topLevelItemCount(), 0);
  EXPECT_EQ(dlg->selectedTeam(), nullptr);
  EXPECT_TRUE(dlg->Label1->text().isEmpty() && dlg->LabelVname->text().isEmpty());
  EXPECT_FALSE(dlg->ButtonSpeichern->isEnabled());
  dlg->EditName->setText(qs("Niemand"));
  dlg->pressKey(Qt::Key_F2);
  EXPECT_EQ(rows("SELECT * FROM Msch_fuehrer"), "");
}

TEST_F(Mannschaftsleiter, ListShowsEveryTeamOfTheClassesAsked) {
  exec("INSERT INTO Msch_fuehrer (Disznr, Vrnr, Rmschnr, Name, Mail) VALUES (0, 3, 1, 'Kurz', 'k@x.de');");
  TZikoNSMschFuehrerAnzeigenDlg list;
  auto column = [&](int c) {
    std::string s;
    for (int i = 0; i < list.ListView1->topLevelItemCount(); ++i) s += fromQs(list.ListView1->topLevelItem(i)->text(c)) + ";";
    return s;
  };
  // Club 3 without a class: every team of its classes, not only its own.
  gIntdat.AnzeigeVrnr = 3;
  gIntdat.AnzeigeMklnr = 0;
  list.show();
  EXPECT_EQ(list.windowTitle(), qs("Mannschaftsleiter Luftgewehr, Saison 2026/27, Hubertus"));
  EXPECT_EQ(column(0), "Kreisliga;;;;");
  EXPECT_EQ(column(1), "Hubertus I;Tell I;Tell II;;");
  EXPECT_EQ(column(2), ";0911 1;0911 1;;");
  EXPECT_EQ(column(3), "Kurz;;;;");
  EXPECT_EQ(column(10), "k@x.de;;;;");

  list.FillMschFuehrerListe(0, 3);
  EXPECT_EQ(column(0), "Leer;;");
  EXPECT_EQ(column(1), ";;");
  list.FillMschFuehrerListe(0, 0);
  EXPECT_EQ(column(0), "Kreisliga;;;;Gauliga;;Leer;;");
}

// A telephone or postcode typed without a blank is a text with a leading zero, never a
// number: through the clubs, managers and captains windows and into the captains' text list.
TEST_F(Mannschaftsleiter, TelephonesAndPostcodesKeepWhatWasTypedInEveryWindowAndList) {
  for (const char* value : {"0815", "01067", "+49 170 1234567"}) {
    SCOPED_TRACE(value);
    const QString typed = qs(value);
    {
      TZikoVereineBearbeitenDlg clubs;
      clubs.show();
      clubs.ListView1->setCurrentItem(itemOfKey(clubs.ListView1, 2));
      clubs.EditTelSStd->setText(typed);
      clubs.ButtonSpeichernClick();
    }
    {
      TZikoWklAdressenDlg managers;
      managers.show();
      managers.ListBoxWklAdressen->setCurrentRow(0);
      for (QLineEdit* e : {managers.EditPlz, managers.EditTel, managers.EditFax}) e->setText(typed);
      managers.hide();
      managers.show();
      managers.ListBoxWklAdressen->setCurrentRow(0);
      for (QLineEdit* e : {managers.EditPlz, managers.EditTel, managers.EditFax}) EXPECT_EQ(e->text(), typed);
    }
    dlg->show();
    chooseClub(2);
    EXPECT_EQ(dlg->EditTelSchiessstand->text(), typed) << "from the clubs window";
    for (QLineEdit* e : {dlg->EditPlz, dlg->EditTel1, dlg->EditTel2, dlg->EditFax}) e->setText(typed);
    dlg->ButtonSpeichernClick();
    dlg->hide();
    dlg->show();
    chooseClub(2);
    for (QLineEdit* e : {dlg->EditTelSchiessstand, dlg->EditPlz, dlg->EditTel1, dlg->EditTel2, dlg->EditFax})
      EXPECT_EQ(e->text(), typed);
    dlg->hide();

    const std::string v = value;
    EXPECT_NE(WriteTxtMschFuehrer(2, 0).find("Tell I\t" + v + "\t\t\t" + v + "\t\t" + v + "\t" + v + "\t" + v),
              std::string::npos)
        << WriteTxtMschFuehrer(2, 0);
    EXPECT_EQ(rows("SELECT typeof(Plz) || typeof(Tel) || typeof(Fax) FROM Wettkampfleiter WHERE Nr=0"),
              "texttexttext|;");
  }
}

}  // namespace
