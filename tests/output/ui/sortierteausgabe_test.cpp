// The commands of the sorted-output window that save, copy and print its lists, and the
// certificate window.
#include <QComboBox>
#include <QTest>
#include <filesystem>
#include <memory>

#include "core/db.h"
#include "core/globals.h"
#include "output/ui/ZikoSortierteAusgabeUrkundendruckDlg.h"
#include "platform/clipboard.h"
#include "platform/filedialog.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "support/filebytes.h"
#include "support/foreignfolders.h"
#include "support/sortedoutput.h"

namespace fs = std::filesystem;

class SortierteAusgabeTest : public SortedOutputTest {
 protected:
  void SetUp() override {
    SortedOutputTest::SetUp();
    dlg->show();
  }
  std::vector<std::string> ordner() {
    return db::query(gDbPfade,
                     "SELECT Pfad1, Pfad2, Pfad3, Pfad4, Pfad5, Pfad6 FROM PfadeEinzelausgb_10 "
                     "WHERE Disznr=0;")
        .rows.at(0);
  }
  // Saves the page as the user would choose in the dialog; the dialog as it was asked.
  FileDialog speichere(const std::string& name, int typ) {
    ScriptedFileDialogs dialogs;
    dialogs.answer(name, typ);
    dlg->InDateispeichern1Click();
    return dialogs.asked().at(0);
  }

};

TEST_F(SortierteAusgabeTest, SaveWritesTheChosenClassIntoTheFolderOfItsPage) {
  // No folder row for the discipline yet; the second class "Liga" is chosen.
  db::exec(gDbPfade, "DELETE FROM PfadeEinzelausgb_10 WHERE Disznr=0;");
  dlg->PageControl1->setCurrentIndex(3);
  waehle(dlg->ComboBoxMklKlerg, 1);
  dlg->RadioGroupKlergSortartItems[3]->click();

  const FileDialog asked = speichere(dir->file("klasse.htm"), 2);
  EXPECT_EQ(asked.fileName, "KlassenergTabMschEerg DG 1");
  EXPECT_EQ(asked.title, "Klassenergebnisse speichern unter");
  EXPECT_EQ(asked.initialDir, gIntdat.ProgrammVerzeichnis);
  EXPECT_EQ(asked.filter, "Textformat (*.txt)|*.txt|Html-Format (*.html)|*.html");

  const std::string html = readFileBytes(dir->file("klasse.html"));
  EXPECT_NE(html.find("Habicht I"), std::string::npos) << "the class Nr 3";
  EXPECT_EQ(html.find("Falke I"), std::string::npos) << "not the first class of that name";
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, dir->file("klasse.html") + " \nerfolgreich gespeichert!");
  std::vector<std::string> gemerkt(6, gIntdat.ProgrammVerzeichnis);
  gemerkt[3] = dir->path();
  EXPECT_EQ(ordner(), gemerkt);
}

TEST_F(SortierteAusgabeTest, FileTypeDecidesTheEnding) {
  dlg->PageControl1->setCurrentIndex(2);
  struct Fall {
    const char* name;
    int typ;
    const char* datei;
  } faelle[] = {{"a.htm", 2, "a.html"}, {"b.txt", 3, "b.dbf"}, {"c", 1, "c.txt"},
                {"d.TXT", 1, "d.TXT.txt"}};
  for (const Fall& f : faelle) {
    const FileDialog asked = speichere(dir->file(f.name), f.typ);
    EXPECT_EQ(asked.filter,
              "Textformat (*.txt)|*.txt|Html-Format (*.html)|*.html|Dbf-Format (*.dbf)|*.dbf");
    EXPECT_TRUE(fs::exists(dir->file(f.datei))) << f.name;
  }
  EXPECT_EQ(boxes.count(), 4u);
}

TEST_F(SortierteAusgabeTest, ClubPagesProposeTheClubsLettersAndCancelWritesNothing) {
  ScriptedFileDialogs dialogs;
  dialogs.cancel();
  dialogs.cancel();
  dialogs.cancel();
  dlg->PageControl1->setCurrentIndex(4);
  waehle(dlg->ComboBoxVrVereine, 0);
  dlg->InDateispeichern1Click();
  dlg->PageControl1->setCurrentIndex(5);
  dlg->InDateispeichern1Click();
  waehle(dlg->ComboBoxVereineMschfuehrer, 1);
  dlg->InDateispeichern1Click();
  ASSERT_EQ(dialogs.asked().size(), 3u);
  EXPECT_EQ(dialogs.asked()[0].fileName, "Vereinsergebnisse Adler");
  EXPECT_EQ(dialogs.asked()[1].fileName, "Mannschaftsleiter");
  EXPECT_EQ(dialogs.asked()[2].fileName, "Mannschaftsleiter Adler");
  EXPECT_EQ(boxes.count(), 0u);
}

TEST_F(SortierteAusgabeTest, AFileThatCannotBeWrittenKeepsTheFolders) {
  const std::vector<std::string> vorher = ordner();
  speichere(dir->file("fehlt/liste.txt"), 1);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Fehler beim Erstellen der Datei\nPfad prüfen!\nder Ordner ist nicht vorhanden");
  EXPECT_EQ(ordner(), vorher);
}

// Folders whose names code page 1252 cannot hold: F2 writes the page there and says so; the
// page's remembered folder stays, since the stored text cannot name the new one.
TEST_F(SortierteAusgabeTest, SaveWritesIntoFoldersOfAnyNameWithoutRememberingThem) {
  const std::vector<std::string> vorher = ordner();
  dlg->PageControl1->setCurrentIndex(0);
  for (const fs::path& folder : makeForeignFolders(dir->path())) {
    ScriptedFileDialogs dialogs;
    dialogs.answerPath(folder / "tabelle", 2);
    boxes.clear();
    QTest::keyClick(dlg.get(), Qt::Key_F2);
    ASSERT_EQ(dialogs.asked().size(), 1u);
    const fs::path file = folder / "tabelle.html";
    EXPECT_NE(readFileBytes(file.string()).find("<html>"), std::string::npos) << file;
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.shown()[0].unicode.toStdString(), (qtPath(file) + qs(" \nerfolgreich gespeichert!")).toStdString());
  }
  EXPECT_EQ(ordner(), vorher);
}

// The question about a file that exists names the file the save writes, with the ending of
// the chosen type; No shows the dialog again and writes nothing.
TEST_F(SortierteAusgabeTest, OverwriteQuestionNamesTheFileThatIsWritten) {
  writeFileBytes(dir->file("liste.html"), "alt");
  ScriptedFileDialogs dialogs;
  dialogs.answer(dir->file("liste.htm"), 2);
  boxes.answer(msg::IdNo);
  dlg->InDateispeichern1Click();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, dir->file("liste.html") + " ist bereits vorhanden.\nM\xF6" "chten Sie die Datei ersetzen?");
  EXPECT_EQ(boxes.shown()[0].buttons, msg::YesNo);
  ASSERT_EQ(dialogs.asked().size(), 2u) << "asked again";
  EXPECT_EQ(dialogs.asked()[1].fileName, "liste.htm");
  EXPECT_EQ(readFileBytes(dir->file("liste.html")), "alt");

  dialogs.answer(dir->file("liste.htm"), 2);
  dlg->InDateispeichern1Click();  // Yes, by default
  EXPECT_NE(readFileBytes(dir->file("liste.html")).find("<html>"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir->file("liste.htm")));
}

// Club results of the team changers: the file and the clipboard hold the rows of the page.
TEST_F(SortierteAusgabeTest, TeamChangersAreSavedAndCopiedAsThePageShowsThem) {
  dlg->PageControl1->setCurrentIndex(4);
  waehle(dlg->ComboBoxVrVereine, 0);
  waehle(dlg->ComboBoxVrEa, 1);
  ASSERT_GT(dlg->ListViewVErg->topLevelItemCount(), 0);
  std::string seite;
  for (int i = 0; i < dlg->ListViewVErg->topLevelItemCount(); ++i) seite += fromQs(dlg->ListViewVErg->topLevelItem(i)->text(2)) + ";";
  ASSERT_NE(seite.find("Kurt"), std::string::npos);
  ASSERT_EQ(seite.find("Max"), std::string::npos) << "Max never changed teams";

  dlg->InWindowsZwischenablagespeichernF41Click();
  speichere(dir->file("wechsel.txt"), 1);
  speichere(dir->file("wechsel.html"), 2);
  for (const std::string& text : {clipboard::text(), readFileBytes(dir->file("wechsel.txt")),
                                  readFileBytes(dir->file("wechsel.html"))}) {
    EXPECT_NE(text.find("Kurt"), std::string::npos) << text;
    EXPECT_EQ(text.find("Max"), std::string::npos) << text;
  }
}

// An HTML page holds only ASCII, whatever the names hold, and gets the style sheet beside
// it; a style sheet that cannot be copied is reported as the page's failure.
TEST_F(SortierteAusgabeTest, HtmlPageIsAsciiAndGetsTheStyleSheetBesideIt) {
  db::exec(gDbHaupt, "UPDATE Vereine_gau SET Name=? WHERE Nummer=10;", {"Ren\xE9 & Jos\xE9 \x80 \x84" "Adler\x93"});
  fs::create_directory(dir->file("css"));
  fs::create_directory(dir->file("web"));
  writeFileBytes(dir->file("css/Liga.css"), "td {}");
  setFieldText(gEinstellungen.CssDatei, dir->file("css/Liga.css"));
  ASSERT_EQ(gEinstellungen.CssKopieren, 1) << "on by default";
  dlg->FormShow();
  dlg->PageControl1->setCurrentIndex(4);
  waehle(dlg->ComboBoxVrVereine, 0);

  speichere(dir->file("web/verein.html"), 2);
  const std::string page = readFileBytes(dir->file("web/verein.html"));
  ASSERT_FALSE(page.empty());
  for (char c : page) ASSERT_LT(static_cast<unsigned char>(c), 0x80u) << page;
  EXPECT_NE(page.find("Ren&#233; &amp; Jos&#233; &#8364; &#8222;Adler&#8220;"), std::string::npos) << page;
  EXPECT_EQ(readFileBytes(dir->file("web/Liga.css")), "td {}");
  EXPECT_EQ(boxes.shown().back().caption, "Meldung");

  // The page is written even where its style sheet cannot go: said on a line of its own.
  fs::create_directory(dir->file("web2"));
  fs::create_directory(dir->file("web2/Liga.css"));  // in the style sheet's way
  speichere(dir->file("web2/verein.html"), 2);
  EXPECT_NE(readFileBytes(dir->file("web2/verein.html")).find("&#8222;Adler&#8220;"), std::string::npos);
  EXPECT_EQ(boxes.shown().back().text, dir->file("web2/verein.html") +
                                           " \nerfolgreich gespeichert!\nDas css-File Liga.css wurde nicht "
                                           "mitkopiert: ein Ordner tr\xE4gt diesen Namen");
  EXPECT_EQ(boxes.shown().back().caption, "Meldung");
}

TEST_F(SortierteAusgabeTest, ClipboardTakesAPendingMinimumAndHoldsTheSavedText) {
  dlg->PageControl1->setCurrentIndex(2);
  dlg->RadioGroup2Items[1]->click();
  dlg->EditMinErgRinge->setText(qs("97"));  // typed, the field not left yet
  dlg->InWindowsZwischenablagespeichernF41Click();
  EXPECT_EQ(dlg->SortEErgMinRinge, 97);
  const std::string kopiert = clipboard::text();
  EXPECT_EQ(kopiert.find("Bernd"), std::string::npos) << "96.00 is below the new minimum";

  speichere(dir->file("einzel.txt"), 1);
  EXPECT_EQ(readFileBytes(dir->file("einzel.txt")), kopiert);
}

TEST_F(SortierteAusgabeTest, PrintAfterThePrintDialogOrSaysItCouldNotBegin) {
  dlg->PageControl1->setCurrentIndex(5);
  ScriptedPrinting printing;
  printing.cancel();
  dlg->Drucken1Click();
  EXPECT_TRUE(printing.jobs().empty());
  dlg->Drucken1Click();
  ASSERT_EQ(printing.jobs().size(), 1u);
  EXPECT_EQ(printing.jobs()[0]->title(), "RWK-Mannschaftsleiter");

  printing.printToPdf(dir->file("fehlt/liste.pdf"));
  dlg->Drucken1Click();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Der Druck konnte nicht gestartet werden.");
  EXPECT_EQ(boxes.shown()[0].caption, "Fehler");
}

TEST_F(SortierteAusgabeTest, CertificateWindowSaysItIsNotIncludedAndCloses) {
  TZikoSortierteAusgabeUrkundendruckDlg cert;
  EXPECT_EQ(cert.ShowModal(), mrCancel);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Diese Funktion ist in dieser Version nicht enthalten.");
  EXPECT_EQ(boxes.shown()[0].caption, "Info");
  EXPECT_FALSE(cert.isVisible());
}
