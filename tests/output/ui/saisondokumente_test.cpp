// The season documents window: its club and class lists, the save command of its pages,
// the start-table view, and the result-format and HTML settings dialogs.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QPushButton>
#include <filesystem>
#include <memory>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "output/ui/ZikoEinstHtmlDlg.h"
#include "output/ui/ZikoErgebnisformatDlg.h"
#include "output/ui/ZikoNSAusgabenDlg.h"
#include "output/ui/ZikoNSStartTabDlg.h"
#include "platform/clipboard.h"
#include "platform/filedialog.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "support/combos.h"
#include "support/filebytes.h"
#include "support/foreignfolders.h"
#include "support/saisondaten.h"
#include "support/testenv.h"

namespace {

class Ausgaben : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    legeSaisonAn();
    dlg = std::make_unique<TZikoNSAusgabenDlg>();
    ZikoNSAusgabenDlg = dlg.get();
  }
  void TearDown() override {
    ZikoNSAusgabenDlg = nullptr;
    dlg.reset();
    DatabaseTest::TearDown();
  }

  std::unique_ptr<TZikoNSAusgabenDlg> dlg;
};

TEST_F(Ausgaben, ListsCarryKeysAndTheClassListFollowsTheClub) {
  db::exec(gDbHaupt, "INSERT INTO Msch_in_klassen VALUES (1, 3, 0, 3, 3);");  // club 3 twice in class 1
  dlg->show();
  EXPECT_EQ(fromQs(dlg->windowTitle()), "Ausgaben Luftgewehr, Saison 2027");
  EXPECT_EQ(fromQs(dlg->GroupBoxMF2->title()), "Seriendruck Mannschaftsleiter Luftgewehr");
  for (QComboBox* c : {dlg->ComboBoxSttabVr, dlg->ComboBoxVrTl, dlg->ComboBoxMFVr})
    EXPECT_EQ(comboItems(c), "--- alle Vereine ---=0|A & B <C>=2|Schützen Süd=3|");
  const std::string alle = " -- alle Klassen --=0|Kreisklasse=1|Gauliga=2|";
  for (QComboBox* c : {dlg->ComboBoxKlasseSttab, dlg->ComboBoxKlasseTrlist, dlg->ComboBoxKlasseMF})
    EXPECT_EQ(comboItems(c), alle);

  const std::pair<QComboBox*, QComboBox*> pages[] = {{dlg->ComboBoxSttabVr, dlg->ComboBoxKlasseSttab},
                                                      {dlg->ComboBoxVrTl, dlg->ComboBoxKlasseTrlist},
                                                      {dlg->ComboBoxMFVr, dlg->ComboBoxKlasseMF}};
  for (const auto& [vereine, klassen] : pages) {
    waehle(vereine, 2);
    EXPECT_EQ(comboItems(klassen), " -- alle Klassen --=0|Kreisklasse=1|Kreisklasse=1|Gauliga=2|");
    klassen->setCurrentIndex(2);
    EXPECT_EQ(TZikoNSAusgabenDlg::gewaehlteKlasse(klassen), 1);
    waehle(vereine, 0);
    EXPECT_EQ(comboItems(klassen), alle);
    EXPECT_EQ(klassen->currentIndex(), 0);
  }
}

TEST_F(Ausgaben, TwoClubsOfOneNameEachGetTheirOwnStartTableAndCaptains) {
  db::exec(gDbHaupt, "UPDATE Vereine_gau SET Name='Tell' WHERE Nummer IN (2, 3);");
  dlg->show();
  std::vector<std::string> start, fuehrer;
  for (int i : {1, 2}) {
    waehle(dlg->ComboBoxSttabVr, i);
    dlg->ButtonStTabClipboardClick();
    start.push_back(clipboard::text());
    waehle(dlg->ComboBoxMFVr, i);
    dlg->ButtonMFClipboardClick();
    fuehrer.push_back(clipboard::text());
  }
  for (const auto& texte : {start, fuehrer}) {
    EXPECT_EQ(texte[0].find("Gauliga"), std::string::npos) << "club 2 has no team in Gauliga";
    EXPECT_NE(texte[1].find("Gauliga"), std::string::npos);
  }
}

TEST_F(Ausgaben, CaptainsSaveAsDbaseAndPrintOneJobWithAPagePerClubWithTeams) {
  setFieldText(gEinstellungen.CssDatei, dir->file("Mein.css"));
  writeFileBytes(dir->file("Mein.css"), "td {}");
  gEinstellungen.CssKopieren = 1;
  std::filesystem::create_directory(dir->file("ziel"));
  dlg->show();
  waehle(dlg->ComboBoxMFVr, 1);
  msg::ScriptedMessages boxes;
  ScriptedFileDialogs files;
  files.answer(dir->file("ziel/mf.txt"), 3);
  dlg->ButtonMFSpeichernClick();
  EXPECT_EQ(files.asked().at(0).fileName, "Mannschaftsleiter A & B C") << "no sign a file name cannot hold";
  EXPECT_NE(files.asked()[0].filter.find("|Dbf-Datei(*.dbf)|*.dbf"), std::string::npos);
  const std::string dbf = readFileBytes(dir->file("ziel/mf.dbf"));
  ASSERT_FALSE(dbf.empty());
  EXPECT_EQ(dbf[0], 3) << "a dBASE III file";
  EXPECT_FALSE(std::filesystem::exists(dir->file("ziel/Mein.css"))) << "no style sheet beside a dBASE file";
  EXPECT_EQ(db::query(gDbPfade, "SELECT MschfuehrerPfad FROM PfadeNeueSaison WHERE Disznr=0;").text(0, 0),
            dir->file("ziel"));

  // Clubs 2 and 3 have teams; club 1 has none and club 4 no name row: one job, each club on
  // its own pages.
  ScriptedPrinting printing;
  dlg->ButtonMFSerienDruckClick();
  ASSERT_EQ(printing.jobs().size(), 1u);
  const PrintJob& serie = *printing.jobs()[0];
  EXPECT_EQ(serie.pages(), 2);
  ASSERT_TRUE(serie.findText("A & B <C>") && serie.findText("Schützen Süd"));
  EXPECT_EQ(serie.findText("A & B <C>")->page + serie.findText("Schützen Süd")->page, 3);
  EXPECT_EQ(boxes.count(), 1u) << "only the saved message";

  // A printer that refuses the job is reported on every page's print.
  printing.printToPdf("/kein/ordner/druck.pdf");
  for (QPushButton* b : {dlg->ButtonStTabDrucken1, dlg->ButtonStartTabSerienDruck, dlg->ButtonMFDrucken}) {
    boxes.clear();
    b->click();
    ASSERT_EQ(boxes.count(), 1u) << fromQs(b->toolTip());
    EXPECT_EQ(boxes.shown()[0].text, "Der Druck konnte nicht gestartet werden.");
  }
}

TEST_F(Ausgaben, SaveNormalisesTheNameAndRemembersTheFolderOfItsDiscipline) {
  db::exec(gDbPfade, "DELETE FROM PfadeNeueSaison WHERE Disznr=0; UPDATE PfadeNeueSaison SET StarttabPfad='/alt';");
  dlg->show();
  msg::ScriptedMessages boxes;
  ScriptedFileDialogs files;
  files.answer(dir->file("start.htm"), 1);
  dlg->ButtonStTabSpeichernUnter1Click();
  ASSERT_EQ(files.asked().size(), 1u);
  EXPECT_EQ(files.asked()[0].title, "Starttabellen Luftgewehr speichern unter");
  EXPECT_EQ(files.asked()[0].fileName, "Rwkstarttab");
  EXPECT_EQ(files.asked()[0].filter, "Textdatei (*.txt)|*.txt|Html-Datei (*.html)|*.html");
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, dir->file("start.txt") + " \nerfolgreich gespeichert!");
  dlg->ButtonStTabClipboardClick();
  EXPECT_EQ(readFileBytes(dir->file("start.txt")), clipboard::text());
  db::Table t = db::query(gDbPfade, "SELECT Disznr, StarttabPfad FROM PfadeNeueSaison ORDER BY Disznr;");
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t.text(0, 1), dir->path());
  EXPECT_EQ(t.text(1, 1), "/alt");

  // A file that cannot be written: the message, and the folder stays as it was.
  boxes.clear();
  files.answer("/kein/ordner/start.txt", 2);
  dlg->ButtonStTabSpeichernUnter1Click();
  EXPECT_EQ(files.asked()[1].initialDir, dir->path());
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Fehler beim Erstellen der Datei\nPfad prüfen!\nder Ordner ist nicht vorhanden");
  EXPECT_EQ(db::query(gDbPfade, "SELECT StarttabPfad FROM PfadeNeueSaison WHERE Disznr=0;").text(0, 0), dir->path());
}

TEST_F(Ausgaben, StartTableViewShowsTheChosenClubsClasses) {
  ZikoNSStartTabDlg = new TZikoNSStartTabDlg(dlg.get());
  dlg->show();
  waehle(dlg->ComboBoxSttabVr, 2);
  std::vector<std::string> rows;
  std::string caption;
  QTimer::singleShot(0, [&] {
    QTreeWidget* list = ZikoNSStartTabDlg->ListView1;
    caption = fromQs(ZikoNSStartTabDlg->windowTitle());
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      rows.push_back(fromQs(list->topLevelItem(i)->text(0) + QLatin1Char('|') + list->topLevelItem(i)->text(1)));
    ZikoNSStartTabDlg->closeWith(mrCancel);
  });
  dlg->ButtonStTabAnzeigenClick();
  EXPECT_EQ(gIntdat.AnzeigeVrnr, 3);
  EXPECT_EQ(caption, "Starttabellen Luftgewehr, Saison 2027, Schützen Süd");
  EXPECT_EQ(rows, (std::vector<std::string>{"Kreisklasse|A & B <C> I", "|Schützen Süd I", "|", "Gauliga|Schützen Süd II",
                                            "|", "|"}));
  ZikoNSStartTabDlg = nullptr;
}

// Each save writes its file into a folder whose name code page 1252 cannot hold (a page with
// its style sheet beside it) and says so; the folder is not remembered, since the stored text
// cannot name it.
TEST_F(Ausgaben, SavesIntoFoldersOfAnyNameWithoutRememberingThem) {
  setFieldText(gEinstellungen.CssDatei, dir->file("Mein.css"));
  writeFileBytes(dir->file("Mein.css"), "td {}");
  gEinstellungen.CssKopieren = 1;
  const char* const gemerkt =
      "SELECT StarttabPfad, TerminlistenPfad, MschfuehrerPfad FROM PfadeNeueSaison WHERE Disznr=0;";
  const auto vorher = db::query(gDbPfade, gemerkt).rows;
  dlg->show();
  msg::ScriptedMessages boxes;
  const struct {
    QPushButton* knopf;
    const char* datei;
    int typ;
    const char* endung;
  } speichern[] = {{dlg->ButtonStTabSpeichernUnter1, "st", 2, ".html"},
                   {dlg->ButtonTLSpeichernUnter2, "tl", 1, ".txt"},
                   {dlg->ButtonMFSpeichern, "mf", 3, ".dbf"}};
  for (const std::filesystem::path& ordner : makeForeignFolders(dir->path())) {
    for (const auto& s : speichern) {
      ScriptedFileDialogs files;
      files.answerPath(ordner / s.datei, s.typ);
      boxes.clear();
      s.knopf->click();
      const std::filesystem::path datei = ordner / (std::string(s.datei) + s.endung);
      EXPECT_TRUE(std::filesystem::exists(datei)) << datei;
      ASSERT_EQ(boxes.count(), 1u) << datei;
      EXPECT_EQ(boxes.shown()[0].unicode.toStdString(), (qtPath(datei) + qs(" \nerfolgreich gespeichert!")).toStdString());
    }
    EXPECT_EQ(readFileBytes((ordner / "Mein.css").string()), "td {}");
  }
  EXPECT_EQ(db::query(gDbPfade, gemerkt).rows, vorher);
}

using Einstellungen = DatabaseTest;

// The model style sheet goes into such a folder too; an active style sheet chosen there is
// refused by OK, since the settings cannot hold its path, and never kept as "?".
TEST_F(Einstellungen, ModelStyleSheetIsSavedIntoFoldersOfAnyName) {
  setFieldText(gEinstellungen.CssDatei, "alt.css");
  TZikoEinstHtmlDlg dlg;
  msg::ScriptedMessages boxes;
  dlg.show();
  for (const std::filesystem::path& ordner : makeForeignFolders(dir->path())) {
    ScriptedFileDialogs files;
    files.answerPath(ordner / "ZikoStandard.css");
    files.answerPath(ordner / "aktiv.css");
    dlg.ButtonMusterCss->click();
    EXPECT_EQ(readFileBytes((ordner / "ZikoStandard.css").string()).rfind("/* ZikoStandard.css erstellt am ", 0), 0u);
    EXPECT_EQ(boxes.count(), 0u) << boxes.shown().front().text;
    dlg.ButtonAktivesCss->click();
    EXPECT_EQ(dlg.EditActvesCssFile->text(), qtPath(ordner / "aktiv.css"));
    dlg.ButtonOk->click();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(fieldText(gEinstellungen.CssDatei), "alt.css");
    ASSERT_EQ(boxes.count(), 1u);
    boxes.clear();
  }
}

TEST_F(Einstellungen, ResultFormatKeepsEachDisciplinesChoiceUntilOkAndUndoesItOtherwise) {
  gEinstellungen.AktDisznr = 1;
  auto flags = [] {
    db::Table t = db::query(gDbHaupt, "SELECT Zehntelflag FROM Disznamen ORDER BY Nr;");
    return t.text(0, 0) + t.text(1, 0);
  };
  TZikoErgebnisformatDlg dlg;
  const std::function<void()> closings[] = {[&] { dlg.ButtonAbbrechenClick(); },
                                            [&] { QTest::keyClick(&dlg, Qt::Key_Escape); },
                                            [&] { dlg.ButtonOKClick(); }};
  for (const auto& close : closings) {
    db::exec(gDbHaupt, "UPDATE Disznamen SET Zehntelflag=0;");
    dlg.show();
    EXPECT_EQ(comboKey(dlg.ComboBoxDisz), 1);
    dlg.RadioItems->button(1)->setChecked(true);
    for (int nr : {0, 1}) {
      dlg.ComboBoxDisz->setCurrentIndex(nr);
      dlg.ComboBoxDiszChange();
    }
    EXPECT_EQ(dlg.RadioItems->checkedId(), 1) << "the choice for discipline 1 was kept";
    EXPECT_EQ(flags(), "01");
    close();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_NE(sqlite3_get_autocommit(gDbHaupt), 0) << "no transaction left open";
  }
  EXPECT_EQ(flags(), "01") << "OK keeps the changes";
  db::exec(gDbHaupt, "UPDATE Disznamen SET Zehntelflag=0;");
}

TEST_F(Einstellungen, HtmlSettingsRefuseAPathTheSettingsCannotHold) {
  setFieldText(gEinstellungen.CssDatei, "alt.css");
  TZikoEinstHtmlDlg dlg;
  msg::ScriptedMessages boxes;
  dlg.show();
  for (const QString& refused : {QString(qs("/" + std::string(520, 'c') + ".css")), QStringLiteral("/\u0141\u00f3d\u017a.css")}) {
    dlg.EditActvesCssFile->setText(refused);
    dlg.ButtonOkClick();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(fieldText(gEinstellungen.CssDatei), "alt.css");
  }
  EXPECT_EQ(boxes.count(), 2u);
  dlg.EditActvesCssFile->setText(qs("/web/Süd.css"));
  dlg.CheckBox1->setChecked(true);
  dlg.CheckBox2->setChecked(true);
  dlg.ButtonOkClick();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(fieldText(gEinstellungen.CssDatei), "/web/Süd.css");
  EXPECT_EQ(gEinstellungen.CssKopieren, 1);
  EXPECT_EQ(gEinstellungen.HtmlMailLink, 1);
}

}  // namespace
