// One season along its main road, through the program's own windows: clubs; the new-season
// wizard with a class of four teams, its pairings (one swapped by hand), dates and settings;
// three matches typed into the entry mask; the rankings; the data file saved and opened from
// the main window, with the clean-up that follows; a discipline taken over from that file.
// Every expected value is worked out by hand from what is typed here.
//
// Teams by position: 1 Verein 1 I, 2 Adler I, 3 Adler II, 4 Tell Hörbach I. Best 3 of at
// most 4 shooters count. Round 1: Tell I - Verein 1 I 273:281, Adler II - Adler I 264:264;
// round 2: Adler I - Tell I 266:277.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/mainwindow.h"
#include "app/program.h"
#include "core/datafile.h"
#include "core/db.h"
#include "core/globals.h"
#include "entry/ui/ZikoErgEingabeDlg.h"
#include "exchange/diszimport.h"
#include "masterdata/ui/ZikoVereineBearbeitenDlg.h"
#include "platform/filedialog.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "ranking/ranking.h"
#include "season/ui/ZikoMklBearbeitenDlg.h"
#include "season/ui/ZikoMklEinteilungDlg.h"
#include "season/ui/ZikoNSMklEinstellungenDlg.h"
#include "season/ui/ZikoNeueSaisonDlg.h"
#include "season/ui/ZikoTermineDlg.h"
#include "support/combos.h"
#include "support/entrymask.h"
#include "support/testenv.h"

namespace {

class SeasonRoad : public DatabaseTest, protected EntryMaskDriver {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    gEinstellungen.AktDisznr = 0;
    gEinstellungen.SchuetzenAnzeigeOffen = 0;
    gEinstellungen.VereinListIndex = 0;
    CreateWindows();
    mask = ZikoErgEingabeDlg;  // the program's own entry mask
    stray = std::make_unique<msg::ScriptedMessages>();
  }
  void TearDown() override {
    // A failed statement anywhere on the road shows the common error box.
    EXPECT_EQ(stray->count(), 0u) << stray->shown()[0].caption << ": " << stray->shown()[0].text;
    stray.reset();
    DestroyWindows();
    DatabaseTest::TearDown();
  }

  // Rows of a query, fields joined by ',' and rows by ' '.
  std::string rows(const std::string& sql) {
    db::Table t = db::query(gDbHaupt, sql);
    std::string s;
    for (size_t r = 0; r < t.size(); ++r) {
      if (r) s += ' ';
      for (size_t c = 0; c < t.rows[r].size(); ++c) s += (c ? "," : "") + t.text(r, c);
    }
    return s;
  }
  long num(const std::string& sql) { return db::query(gDbHaupt, sql).num(0, 0); }
  // An editing window that has closed must not leave its transaction behind.
  bool noTransactionOpen() { return sqlite3_get_autocommit(gDbHaupt) != 0; }

  // ---- master data and season set-up

  void addClubs() {
    TZikoVereineBearbeitenDlg& clubs = *ZikoVereineBearbeitenDlg;
    clubs.show();
    for (auto [nr, name] : {std::pair{2, "Adler"}, std::pair{3, "Tell Hörbach"}}) {
      clubs.ButtonNeuClick();
      clubs.EditNr->setText(qs(str(nr)));
      clubs.EditVrname->setText(qs(name));
      clubs.ButtonSpeichernClick();
    }
    clubs.ButtonBeenden->click();
    ASSERT_EQ(rows("SELECT Nummer, Name FROM Vereine_gau ORDER BY Nummer;"),
              "1,Verein 1 2,Adler 3,Tell Hörbach");
    ASSERT_TRUE(noTransactionOpen());
    // The default shooter 1 shoots for Verein 1; 21-24 for Adler I, 25-28 for Adler II.
    for (int p : {11, 12, 13, 21, 22, 23, 24, 25, 26, 27, 28, 31, 32, 33, 34})
      ASSERT_TRUE(db::exec(gDbHaupt,
                           "INSERT INTO Schuetzen (Passnr, VrNr, Name, AktivFlag) VALUES (?, ?, ?, 0);",
                           {p, p / 10, "Schütze " + str(p)}));
  }

  void buildClass() {
    TZikoMklEinteilungDlg& dlg = *ZikoMklEinteilungDlg;
    ASSERT_TRUE(dlg.transactionOpen());
    dlg.ButtonMklNeuClick();
    dlg.EditMkl->setText(qs("Kreisliga"));
    dlg.EditMklExit();
    // A new team takes the marked club; its number and club are then picked for it.
    for (auto [club, team] : {std::pair{1, 1}, std::pair{2, 1}, std::pair{2, 2}, std::pair{3, 1}}) {
      dlg.ButtonMschNeuClick();
      int index = comboIndexOfKey(dlg.ComboBoxRmschnr, team);
      waehle(dlg.ComboBoxRmschnr, index);
      dlg.ListBoxVereine->setCurrentRow(rowOfKey(dlg.ListBoxVereine, club));
    }
    ASSERT_EQ(dlg.ListBoxMsch->count(), 4);
    EXPECT_EQ(fromQs(dlg.ListBoxMsch->item(3)->text()), "Tell Hörbach I");
    dlg.ButtonUebernehmenClick();
    EXPECT_EQ(dlg.result(), mrOk);
    ASSERT_TRUE(noTransactionOpen());

    EXPECT_EQ(rows("SELECT Nr, Klname, AnzahlTermine FROM Mschklassen WHERE Disznr=0;"), "1,Kreisliga,6");
    EXPECT_EQ(rows("SELECT Pos_in_mklnr, Vrnr, Rmschnr FROM Msch_in_klassen WHERE Disznr=0 AND Mklnr=1 "
                   "ORDER BY Pos_in_mklnr;"),
              "1,1,1 2,2,1 3,2,2 4,3,1");
    // Positions 1..4 as home-guest: 1-4 3-2 | 3-1 2-4 | 1-2 3-4 | 4-1 2-3 | 1-3 4-2 | 2-1 4-3.
    EXPECT_EQ(rows("SELECT Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr FROM Gegner WHERE "
                   "Disznr=0 AND Mklnr=1 ORDER BY Kampfnr, rowid;"),
              "1,1,1,3,1 1,2,2,2,1 2,2,2,1,1 2,2,1,3,1 3,1,1,2,1 3,2,2,3,1 "
              "4,3,1,1,1 4,2,1,2,2 5,1,1,2,2 5,3,1,2,1 6,2,1,1,1 6,3,1,2,2");
  }

  void enterDates() {
    TZikoTermineDlg& dlg = *ZikoTermineDlg;
    ASSERT_TRUE(dlg.transactionOpen());
    ASSERT_EQ(dlg.sichtbareZeilen(), 6);
    for (int i = 0; i < 6; ++i) dlg.Edits[static_cast<size_t>(i)]->setText(qs(str(i + 10) + ".10.2026"));
    dlg.Edits[5]->clear();
    dlg.ButtonUebernehmenClick();
    EXPECT_EQ(dlg.result(), mrOk);
    ASSERT_TRUE(noTransactionOpen());
    EXPECT_EQ(rows("SELECT Nr_in_klasse, Termin FROM Termine WHERE Disznr=0 AND Mklnr=1 ORDER BY "
                   "Nr_in_klasse;"),
              "1,10.10.2026 2,11.10.2026 3,12.10.2026 4,13.10.2026 5,14.10.2026 6, ");
  }

  void setClassRules() {
    TZikoNSMklEinstellungenDlg& dlg = *ZikoNSMklEinstellungenDlg;
    ASSERT_TRUE(dlg.transactionOpen());
    ASSERT_EQ(dlg.klasseNr(), 1);
    EXPECT_EQ(fromQs(dlg.Panel2->text()), "6");
    dlg.RadioBeste->setChecked(true);
    dlg.EditSchuetzenproMannschaftSort->setText(qs("3"));
    dlg.EditMaxSchuetzenSort->setText(qs("4"));
    dlg.EditMinErgAnz->setText(qs("2"));
    dlg.ButtonUebernehmenClick();
    EXPECT_EQ(dlg.result(), mrOk);
    ASSERT_TRUE(noTransactionOpen());
    EXPECT_EQ(rows("SELECT SchuetzenproMannschaftUnsort, SchuetzenproMannschaftSort, Sortflag, "
                   "MaxSchuetzenproMannschaft, Minerganzahl FROM Mschklassen WHERE Nr=1 AND Disznr=0;"),
              "4,3,1,4,2");
  }

  // Home and guest of the first pairing of bout 1 swapped, and so of its mirror bout 4.
  void editPairings() {
    TZikoMklBearbeitenDlg& dlg = *ZikoMklBearbeitenDlg;
    ASSERT_TRUE(dlg.transactionOpen());
    ASSERT_EQ(dlg.ComboBoxTermine->count(), 6);
    ASSERT_EQ(dlg.ComboBoxTermine->currentIndex(), 0);
    ASSERT_GE(dlg.ListView1->topLevelItemCount(), 1);
    ASSERT_EQ(fromQs(dlg.ListView1->topLevelItem(0)->text(1)), "Tell Hörbach I");
    dlg.ListView1->setCurrentItem(dlg.ListView1->topLevelItem(0));
    dlg.ButtonVRTauschenClick();
    dlg.ButtonUebernehmenClick();
    EXPECT_EQ(dlg.result(), mrOk);
    ASSERT_TRUE(noTransactionOpen());
    EXPECT_EQ(rows("SELECT Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr FROM Gegner WHERE "
                   "Disznr=0 AND Mklnr=1 AND Kampfnr IN (1, 4) ORDER BY Kampfnr, rowid;"),
              "1,3,1,1,1 1,2,2,2,1 4,1,1,3,1 4,2,1,2,2");
  }

  // The season wizard of the new-season window shows its four steps modally, one after the
  // other; each is worked through as it comes up.
  void prepareSeason() {
    addClubs();
    std::vector<QWidget*> steps;
    QTimer timer;
    timer.callOnTimeout([&] {
      QWidget* shown = QApplication::activeModalWidget();
      if (!shown || (!steps.empty() && steps.back() == shown)) return;
      steps.push_back(shown);
      if (shown == ZikoMklEinteilungDlg) buildClass();
      else if (shown == ZikoTermineDlg) enterDates();
      else if (shown == ZikoMklBearbeitenDlg) editPairings();
      else if (shown == ZikoNSMklEinstellungenDlg) setClassRules();
      // A step that failed is cancelled, which ends the wizard.
      if (shown->isVisible()) static_cast<QDialog*>(shown)->reject();
    });
    timer.start(5);
    ZikoNeueSaisonDlg->EinteilungundGegnerzuteilung1Click();
    timer.stop();
    ASSERT_EQ(steps, (std::vector<QWidget*>{ZikoMklEinteilungDlg, ZikoTermineDlg, ZikoMklBearbeitenDlg,
                                            ZikoNSMklEinstellungenDlg}));
  }

  // ---- the entry mask

  // The round by its number, then the pairing by its home team, as the user picks them.
  void choose(int round, long heimVrnr, int heimMschnr) {
    int index = comboIndexOfKey(mask->ComboBoxWettkampfnr, round);
    ASSERT_GE(index, 0) << "round " << round;
    waehle(mask->ComboBoxWettkampfnr, index);
    QCoreApplication::processEvents();
    int row = -1;
    for (size_t i = 0; i < mask->Paarungen.size(); ++i)
      if (mask->Paarungen[i].Heimvrnr == heimVrnr && mask->Paarungen[i].Heimmschnr == heimMschnr)
        row = rowOfKey(mask->ListBoxPaarungen, static_cast<long>(i));
    ASSERT_GE(row, 0) << "no pairing with home team " << heimVrnr << "/" << heimMschnr;
    mask->ListBoxPaarungen->setCurrentRow(row);
    QCoreApplication::processEvents();
    ASSERT_NE(mask->chosenPaarung(), nullptr);
    ASSERT_EQ(mask->chosenPaarung()->Kampfnr, round);
    ASSERT_EQ(mask->chosenPaarung()->Heimvrnr, heimVrnr);
  }

  void save() {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : mask, Qt::Key_F2);
    QCoreApplication::processEvents();
    ASSERT_EQ(mask->Geaendert, 0) << "F2 did not save";
    ASSERT_TRUE(noTransactionOpen());
  }

  void enterMatches() {
    msg::ScriptedMessages boxes;
    openMask();
    ASSERT_EQ(comboKey(mask->ComboBoxKlasse), 1);
    EXPECT_EQ(fromQs(mask->StaticText7->text()), "  Anzahl Schützen pro Mannschaft: 3,  Sortierung Aktiv");
    ASSERT_EQ(mask->ComboBoxWettkampfnr->count(), 6);

    // Round 1, Tell I - Verein 1 I. Guest: the best three of four count, whatever the row.
    choose(1, 3, 1);
    EXPECT_EQ(fromQs(mask->ListBoxPaarungen->currentItem()->text()), "Tell Hörbach I - Verein 1 I");
    EXPECT_EQ(txt(mask->EditWettkampfdatum), "10.10.2026");
    enter(true, 0, "31", "93");
    enter(true, 1, "32", "91");
    enter(true, 2, "33", "89");
    enter(false, 0, "11", "92");
    enter(false, 1, "12", "95");
    enter(false, 2, "13", "90");
    EXPECT_EQ(txt(mask->EditMschSummeGast), "277") << "sum of the three rows typed so far";
    enter(false, 3, "1", "94");
    save();
    EXPECT_EQ(txt(mask->EditMschSummeGast), "281") << "after sorting 95 + 94 + 92 count";
    EXPECT_EQ(txt(pass(false, 3)), "13");

    // Round 1, Adler II - Adler I: two teams of one club, equal sums.
    choose(1, 2, 2);
    enter(true, 0, "25", "88");
    enter(true, 1, "26", "90");
    enter(true, 2, "27", "86");
    enter(false, 0, "21", "87");
    enter(false, 1, "22", "89");
    enter(false, 2, "23", "88");
    save();

    // Round 2, Adler I - Tell I opens with the line-ups of round 1; two shooters change.
    choose(2, 2, 1);
    EXPECT_EQ(txt(mask->EditWettkampfdatum), "11.10.2026");
    EXPECT_EQ(txt(pass(true, 0)) + " " + txt(pass(true, 1)) + " " + txt(pass(true, 2)), "22 23 21");
    EXPECT_EQ(txt(pass(false, 0)) + " " + txt(pass(false, 1)) + " " + txt(pass(false, 2)), "31 32 33");
    EXPECT_EQ(txt(rings(true, 0)), "");
    typeRings(true, 0, "91");
    enter(true, 1, "24", "85");
    typeRings(true, 2, "90");
    typeRings(false, 0, "95");
    typeRings(false, 1, "90");
    enter(false, 2, "34", "92");
    save();
    EXPECT_EQ(boxes.count(), 0u) << boxes.shown()[0].caption << ": " << boxes.shown()[0].text;

    mask->hide();
    ASSERT_TRUE(noTransactionOpen());
  }

  // ---- the rankings, rendered for comparison

  std::string teamTable(int mklnr) {
    std::string s;
    for (const _mschtabellen& t : gMschTabellen[mklnr])
      s += (s.empty() ? "" : " ") + str(t.Vrnr) + "/" + str(t.Rmschnr) + " " + str(t.Pluspunkte) + ":" +
           str(t.Minuspunkte) + " " + str(t.Ringsumme) + "/" + str(t.AnzahlErg) + "=" +
           str(static_cast<long>(t.Schnitt * 100)) + " " + t.Klname;
    return s;
  }
  std::string roundList() {
    std::string s;
    for (const _eerg_sortdaten& e : gEergSortListe)
      s += (s.empty() ? "" : " ") + str(e.Passnr) + ":" + str(e.Ringsumme);
    return s;
  }
  std::string averages() {
    std::string s;
    for (const _eerg_sortdaten& e : gEergSortListe)
      s += (s.empty() ? "" : " ") + str(e.Passnr) + ":" + str(static_cast<long>(e.Schnitt * 10)) + "/" +
           str(e.AnzahlErg) + "@" + str(e.Vrnr) + "." + str(e.Mschnr);
    return s;
  }
  std::string teamAverages() {
    std::string s;
    for (const _merg_sortdaten& m : gMergSortListe)
      s += (s.empty() ? "" : " ") + m.Mschname + ":" + str(static_cast<long>(m.Schnitt * 10)) + "/" +
           str(m.AnzahlErg) + " " + m.Klname;
    return s;
  }

  // Everything the rankings of a discipline give after rounds 1 and 2.
  std::string allRankings(int disz = 0) {
    BerechneMannschaftstabellen(1, disz);
    std::string s = teamTable(1) + " | ";
    BerechneEinzelwertung(0, 0, 0, 0, 0, 0, disz);
    s += roundList() + " | ";
    BerechneEinzelwertung(1, 0, 1, 0, 2, 0, disz);
    s += averages() + " | ";
    BerechneMannschaftsringschnitte(1, disz);
    return s + teamAverages();
  }

  std::unique_ptr<msg::ScriptedMessages> stray;  // boxes no stage expected
};

TEST_F(SeasonRoad, TheMaskStoresEachMatchAsTyped) {
  prepareSeason();
  enterMatches();

  // Counted rows are the best three after sorting; the fourth is a substitute.
  EXPECT_EQ(rows("SELECT Schnr, Ringerg, Mschflag, Vrnr, Mschnr FROM Schuetzenerg WHERE Disznr=0 AND "
                 "Mschklnr=1 AND Ergnr=1 AND Vrnr=1 ORDER BY Ringerg DESC;"),
            "12,950,1,1,1 1,940,1,1,1 11,920,1,1,1 13,900,0,1,1");
  EXPECT_EQ(rows("SELECT Schnr, Ringerg, Mschnr FROM Schuetzenerg WHERE Disznr=0 AND Ergnr=1 AND Vrnr=2 "
                 "ORDER BY Schnr;"),
            "21,870,1 22,890,1 23,880,1 25,880,2 26,900,2 27,860,2");
  EXPECT_EQ(num("SELECT COUNT(*) FROM Schuetzenerg WHERE Disznr=0 AND Ergnr=2 AND Mschklnr=1;"), 6);

  EXPECT_EQ(rows("SELECT Ergnr, Vrnr, Rmschnr, Ringerg, Pluspunkte, Minuspunkte, Korrekturpunkte FROM "
                 "Mscherg WHERE Disznr=0 AND Mklnr=1 ORDER BY Ergnr, rowid;"),
            "1,3,1,2730,0,2,0 1,1,1,2810,2,0,0 1,2,2,2640,1,1,0 1,2,1,2640,1,1,0 "
            "2,2,1,2660,0,2,0 2,3,1,2770,2,0,0");

  // Line-ups: round 1's shooters stand at their positions in every round; round 2 changed
  // only its own rows.
  EXPECT_EQ(num("SELECT COUNT(*) FROM Mschaufstlg WHERE Disznr=0 AND Mklnr=1 AND Schnr=13 AND Posnr=3;"), 6);
  EXPECT_EQ(rows("SELECT Schnr FROM Mschaufstlg WHERE Disznr=0 AND Mklnr=1 AND Kampfnr=2 AND Vrnr=2 AND "
                 "Mschnr=1 ORDER BY Posnr;"),
            "22 21 24");
  EXPECT_EQ(rows("SELECT Schnr FROM Mschaufstlg WHERE Disznr=0 AND Mklnr=1 AND Kampfnr=3 AND Vrnr=2 AND "
                 "Mschnr=1 ORDER BY Posnr;"),
            "22 23 21");
  EXPECT_EQ(rows("SELECT Schnr FROM Mschaufstlg WHERE Disznr=0 AND Mklnr=1 AND Kampfnr=2 AND Vrnr=3 "
                 "ORDER BY Posnr;"),
            "31 34 32");
  EXPECT_EQ(rows("SELECT Passnr FROM Schuetzen WHERE AktivFlag<>1 ORDER BY Passnr;"), "28");

  // Shown again, round 2 comes back as saved.
  openMask();
  EXPECT_EQ(comboKey(mask->ComboBoxWettkampfnr), 2);
  EXPECT_EQ(txt(pass(true, 2)), "24");
  EXPECT_EQ(txt(mask->EditMschSummeGast), "277");

  // A typing error in round 1 corrected: shooter 11 had 96, which makes him the best.
  choose(1, 3, 1);
  ASSERT_EQ(txt(pass(false, 2)) + " " + txt(rings(false, 2)), "11 92");
  rings(false, 2)->clear();
  typeRings(false, 2, "96");
  save();
  EXPECT_EQ(txt(pass(false, 0)), "11");
  EXPECT_EQ(num("SELECT COUNT(*) FROM Schuetzenerg WHERE Disznr=0 AND Ergnr=1;"), 13);
  EXPECT_EQ(rows("SELECT Ringerg, Pluspunkte, Minuspunkte FROM Mscherg WHERE Disznr=0 AND Ergnr=1 AND "
                 "Vrnr=1;"),
            "2850,2,0");
  EXPECT_EQ(rows("SELECT Schnr FROM Mschaufstlg WHERE Disznr=0 AND Mklnr=1 AND Kampfnr=1 AND Vrnr=1 "
                 "ORDER BY Posnr;"),
            "11 12 1 13");
  EXPECT_EQ(rows("SELECT Schnr FROM Mschaufstlg WHERE Disznr=0 AND Mklnr=1 AND Kampfnr=2 AND Vrnr=1 "
                 "ORDER BY Posnr;"),
            "12 1 11 13");
  BerechneMannschaftstabellen(0, 0);
  EXPECT_EQ(teamTable(1),
            "1/1 2:0 2850/1=285000 Kreisliga 2/1 1:1 2640/1=264000 Kreisliga "
            "2/2 1:1 2640/1=264000 Kreisliga 3/1 0:2 2730/1=273000 Kreisliga");
}

TEST_F(SeasonRoad, RankingsFollowWhatWasTyped) {
  prepareSeason();
  enterMatches();

  // Round 1 alone: Adler I and Adler II are level in everything, so their positions decide.
  BerechneMannschaftstabellen(0, 0);
  EXPECT_EQ(teamTable(1),
            "1/1 2:0 2810/1=281000 Kreisliga 2/1 1:1 2640/1=264000 Kreisliga "
            "2/2 1:1 2640/1=264000 Kreisliga 3/1 0:2 2730/1=273000 Kreisliga");
  // Rounds 1 and 2: Tell I passes the Adler teams on minus points.
  BerechneMannschaftstabellen(1, 0);
  EXPECT_EQ(teamTable(1),
            "1/1 2:0 2810/1=281000 Kreisliga 3/1 2:2 5500/2=275000 Kreisliga "
            "2/2 1:1 2640/1=264000 Kreisliga 2/1 1:3 5300/2=265000 Kreisliga");

  // One round, highest first; equal rings in the order they were saved.
  BerechneEinzelwertung(0, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(roundList(), "12:950 1:940 31:930 11:920 32:910 13:900 26:900 33:890 22:890 25:880 23:880 21:870 27:860");
  ASSERT_FALSE(gEergSortListe.empty());
  EXPECT_EQ(gEergSortListe[2].Name, "Schütze 31");
  EXPECT_EQ(gEergSortListe[2].Vereinsname, "Tell Hörbach");
  BerechneEinzelwertung(0, 1, 1, 90, 0, 0, 0);
  EXPECT_EQ(roundList(), "31:950 34:920 22:910 32:900 21:900");

  // Averages up to round 2; equal averages keep the order of the shooter rows.
  BerechneEinzelwertung(1, 0, 1, 0, 1, 0, 0);
  EXPECT_EQ(averages(),
            "12:9500/1@1.1 1:9400/1@1.1 31:9400/2@3.1 11:9200/1@1.1 34:9200/1@3.1 32:9050/2@3.1 "
            "13:9000/1@1.1 22:9000/2@2.1 26:9000/1@2.2 33:8900/1@3.1 21:8850/2@2.1 23:8800/1@2.1 "
            "25:8800/1@2.2 27:8600/1@2.2 24:8500/1@2.1");
  EXPECT_EQ(gEergSortListe[0].Vereinsname, "Verein 1");
  BerechneEinzelwertung(2, 1, 1, 0, 2, 0, 0);
  EXPECT_EQ(averages(), "31:9400/2@3.1 32:9050/2@3.1 22:9000/2@2.1 21:8850/2@2.1");
  BerechneEinzelwertung(1, 0, 0, 0, 1, 0, 0);
  EXPECT_EQ(gEergSortListe.size(), 13u) << "round 1 only: 24 and 34 have no result yet";

  BerechneMannschaftsringschnitte(1, 0);
  EXPECT_EQ(teamAverages(),
            "Verein 1 I:28100/1 Kreisliga Tell Hörbach I:27500/2 Kreisliga Adler I:26500/2 Kreisliga "
            "Adler II:26400/1 Kreisliga");
  ASSERT_TRUE(noTransactionOpen());
}

TEST_F(SeasonRoad, DataFileAndCleanUpKeepEveryResult) {
  prepareSeason();
  enterMatches();
  const std::string before = allRankings();
  ASSERT_NE(before.find("Verein 1 I:28100/1"), std::string::npos) << before;

  // The set-up windows opened again mid-season and confirmed unchanged touch no result.
  ZikoMklEinteilungDlg->show();
  EXPECT_EQ(ZikoMklEinteilungDlg->ListBoxMsch->count(), 4);
  ZikoMklEinteilungDlg->ButtonUebernehmenClick();
  ZikoTermineDlg->show();
  ZikoTermineDlg->ButtonUebernehmenClick();
  ZikoNSMklEinstellungenDlg->show();
  EXPECT_TRUE(ZikoNSMklEinstellungenDlg->RadioBeste->isChecked());
  ZikoNSMklEinstellungenDlg->ButtonUebernehmenClick();
  ASSERT_TRUE(noTransactionOpen());
  EXPECT_EQ(num("SELECT COUNT(*) FROM Termine WHERE Disznr=0 AND Mklnr=1;"), 6);
  EXPECT_EQ(allRankings(), before) << "after the set-up windows were confirmed again";

  const std::string file = dir->file("saison.rwk");
  {
    ScriptedFileDialogs files;
    files.answer(file);
    msg::ScriptedMessages boxes;
    Form1->ActionDateispeichernunterExecute();
    ASSERT_EQ(boxes.count(), 1u);
    ASSERT_EQ(boxes.shown()[0].caption, "Meldung") << boxes.shown()[0].text;
  }
  ASSERT_TRUE(db::exec(gDbHaupt, "DELETE FROM Schuetzenerg;"));
  ASSERT_TRUE(db::exec(gDbHaupt, "DELETE FROM Mscherg WHERE Ergnr=2;"));
  ASSERT_NE(allRankings(), before);

  // Opening reads the database back and runs the clean-up on its worker thread.
  {
    ScriptedFileDialogs files;
    files.answer(file);
    msg::ScriptedMessages boxes;
    Form1->ActionDateiOeffnenExecute();
    ASSERT_EQ(boxes.count(), 2u) << boxes.shown().back().text;
    EXPECT_EQ(boxes.shown()[1].text, "Datei\n" + file + "\nerfolgreich eingelesen!\n");
  }
  ASSERT_TRUE(noTransactionOpen());
  EXPECT_EQ(num("SELECT COUNT(*) FROM Schuetzenerg WHERE Disznr=0;"), 19);
  EXPECT_EQ(num("SELECT COUNT(*) FROM Mscherg WHERE Disznr=0;"), 6);
  EXPECT_EQ(num("SELECT COUNT(*) FROM Gegner WHERE Disznr=0 AND Mklnr=1;"), 12);
  EXPECT_EQ(num("SELECT COUNT(*) FROM Termine WHERE Disznr=0 AND Mklnr=1;"), 6);
  EXPECT_EQ(rows("SELECT Nr, AnzahlTermine FROM Mschklassen WHERE Disznr=0;"), "1,6");
  EXPECT_EQ(rows("SELECT Passnr FROM Schuetzen WHERE AktivFlag<>1 ORDER BY Passnr;"), "28");
  EXPECT_EQ(allRankings(), before) << "the season read back and cleaned up";

  // The mask shows round 1 again after the clean-up reset the remembered positions. The
  // classes confirmed again wrote the pairings anew, without the swap of the pairing editor:
  // Verein 1 I is at home now, and its results come with it.
  openMask();
  EXPECT_EQ(comboKey(mask->ComboBoxWettkampfnr), 1);
  EXPECT_EQ(fromQs(mask->ListBoxPaarungen->currentItem()->text()), "Verein 1 I - Tell Hörbach I");
  EXPECT_EQ(txt(pass(true, 0)), "12");
  EXPECT_EQ(txt(mask->EditMschSummeHeim), "281");
  EXPECT_EQ(txt(mask->EditMschSummeGast), "273");
}

TEST_F(SeasonRoad, ADisciplineTakenOverFromTheDataFileRanksTheSame) {
  prepareSeason();
  enterMatches();
  const std::string file = dir->file("saison.rwk");
  ASSERT_TRUE(SaveDataFile(file));
  ASSERT_TRUE(ReadExtractFile(file));
  const int disz = importDiscipline(gIntdat.TempDbDateiPfad, 0, -1);
  ASSERT_EQ(disz, 2);
  ASSERT_TRUE(noTransactionOpen());
  EXPECT_EQ(allRankings(disz), allRankings(0));

  // The mask finds the taken-over matches in the new discipline.
  gEinstellungen.AktDisznr = static_cast<int8_t>(disz);
  openMask();
  EXPECT_EQ(comboKey(mask->ComboBoxDisz), disz);
  choose(2, 2, 1);
  EXPECT_EQ(txt(pass(true, 2)), "24");
  EXPECT_EQ(txt(mask->EditMschSummeGast), "277");
}

}  // namespace
