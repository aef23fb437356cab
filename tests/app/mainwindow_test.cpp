// The main window as the user meets it: menus, tool bar, keys, caption, and the messages of
// its own commands with scripted file dialogs and answers.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/application.h"
#include "app/mainwindow.h"
#include "app/program.h"
#include "core/datafile.h"
#include "core/db.h"
#include "core/globals.h"
#include "platform/dialog.h"
#include "platform/filedialog.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "support/filebytes.h"
#include "support/filelimit.h"
#include "support/olderaddresses.h"
#include "support/testenv.h"

namespace fs = std::filesystem;

namespace {

// Notes the class of every dialog that is shown and closes each modal one that stays open.
// A window that closes itself (the clean-up progress) gets a few seconds to do so.
class ModalWatcher : public QObject {
 public:
  ModalWatcher() {
    qApp->installEventFilter(this);
    QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
    timer_.start(20);
  }
  ~ModalWatcher() override { qApp->removeEventFilter(this); }
  std::vector<std::string> seen;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && !event->spontaneous())
      if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow())
        seen.push_back(dialog->metaObject()->className());
    return false;
  }

 private:
  void look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (modal != current_) {
      current_ = modal;
      since_.start();
    }
    bool selfClosing = std::string(modal->metaObject()->className()) == "TZikoDbOptDlg";
    if (selfClosing && since_.elapsed() < 5000) return;
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(mrCancel);
    current_ = nullptr;
  }
  QTimer timer_;
  QWidget* current_ = nullptr;
  QElapsedTimer since_;
};

class MainWindowTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    CreateWindows();
  }
  void TearDown() override {
    DestroyWindows();
    DatabaseTest::TearDown();
  }
  std::string dataFolder() const { return fieldText(gEinstellungen.DatenVerzeichnis); }
  long count(const char* sql) { return db::query(gDbHaupt, sql).num(0, 0); }
};

// "menu/item [key] (hidden) {hint}" for every item, separators as "-".
void describeMenu(const QList<QAction*>& actions, const std::string& prefix,
                  std::vector<std::string>& out) {
  for (QAction* a : actions) {
    std::string line = prefix + (a->isSeparator() ? std::string("-") : fromQs(a->text()));
    if (a->menu()) {
      describeMenu(a->menu()->actions(), line + "/", out);
      continue;
    }
    if (!a->shortcut().isEmpty()) line += " [" + fromQs(a->shortcut().toString()) + "]";
    if (!a->isVisible()) line += " (hidden)";
    if (!a->statusTip().isEmpty()) line += " {" + fromQs(a->statusTip()) + "}";
    out.push_back(line);
  }
}

}  // namespace

TEST_F(MainWindowTest, MenusCarryTheirCaptionsKeysAndHints) {
  const std::vector<std::string> expected = {
      "Datenbank/Neue Datenbank",
      "Datenbank/Datenbank öffnen",
      "Datenbank/Datenbank speichern unter...",
      "Datenbank/-",
      "Datenbank/Daten einer einzelnen Disziplin importieren",
      "Datenbank/BSSB-Datenimport/Microsoft Access-Datenbank (*.mdb)",
      "Datenbank/BSSB-Datenimport/Excel-Tabellen (*.dbf) ",
      "Datenbank/-",
      "Datenbank/Datenexport für Fenkstufen.exe / Tessbrun.exe",
      "Datenbank/-",
      "Datenbank/Automatischer Ablauf [F10] (hidden) {Ungelesene *.rme-Dateien in die Datenbank "
      "importieren und Aktionsliste für alle Disz abarbeiten}",
      "Datenbank/- (hidden)",
      "Datenbank/Datenbank optimieren",
      "Datenbank/-",
      "Datenbank/Programm beenden",
      "Ergebnisse/Eingabe der Einzel- und Mannschaftsergebnisse [F3]",
      "Ergebnisse/Import der Ergebnismeldungsdateien (*.rme) [F4]",
      "Ergebnisse/Mannschaftsergebnisse bearbeiten",
      "Ergebnisse/Einzelergebnisse bearbeiten",
      "Sortierte Ausgaben/Einzelausgaben [F5]",
      "Sortierte Ausgaben/Aktionsliste [F6]",
      "Sortierte Ausgaben/-",
      "Sortierte Ausgaben/Ausgaben für Urkundendruck",
      "Sortierte Ausgaben/-",
      "Sortierte Ausgaben/Disziplinübergreifende Ausgaben/Ausdruck Mannschaftsleiter",
      "Neue Saison",
      "Stammdaten/Schützen",
      "Stammdaten/Vereine",
      "Stammdaten/-",
      "Stammdaten/Anwenderdaten/Wettkampfleiter",
      "Stammdaten/Anwenderdaten/Jahrgangsklassen (hidden)",
      "Stammdaten/Anwenderdaten/Disziplinbezeichnungen",
      "Einstellungen/Web-Zugangsdaten",
      "Einstellungen/Html-Ausgabe",
      "Einstellungen/Ergebnisformat",
      "Info",
      "Hilfe F1 [F1]",
  };
  std::vector<std::string> actual;
  describeMenu(Form1->MainMenu1->actions(), "", actual);
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(actual[i], expected[i]) << "item " << i;
}

TEST_F(MainWindowTest, ToolBarHasSixButtonsWithHintsAndIcons) {
  const char* hints[6] = {"Programm beenden", "Eingabe der Einzel- und Mannschaftsergebnisse (F3)",
                          "Sortierte Ausgabe der Einzel- und Mannschaftsergebnisse (F5)",
                          "Aktionsliste Sortierte Ausgabe (F6)", "Info über dieses Programm",
                          "Hilfe"};
  for (int i = 0; i < 6; ++i) {
    ASSERT_NE(Form1->ToolButtons[i], nullptr);
    EXPECT_EQ(fromQs(Form1->ToolButtons[i]->toolTip()), hints[i]);
    EXPECT_FALSE(Form1->ToolButtons[i]->icon().pixmap(16, 16).isNull()) << i;
  }

  msg::ScriptedMessages messages;
  Form1->ToolButtons[5]->click();
  EXPECT_EQ(help::lastTopic(), "ZikoInhalt.html");
  EXPECT_TRUE(messages.contains("ZikoInhalt.html ist nicht installiert"));

  const char* windows[] = {"TZikoErgEingabeDlg", "TZikoSortierteAusgabeDlg",
                           "TZikoSAAktionslisteDlg", "TZikoInfoDlg"};
  for (int i = 1; i <= 4; ++i) {
    ModalWatcher watcher;
    Form1->ToolButtons[i]->click();
    ASSERT_FALSE(watcher.seen.empty()) << i;
    EXPECT_EQ(watcher.seen.front(), windows[i - 1]);
  }

  Form1->show();
  Form1->ToolButtons[0]->click();
  EXPECT_FALSE(Form1->isVisible());
}

TEST_F(MainWindowTest, EveryActionShowsItsWindow) {
  const std::vector<std::pair<QAction*, const char*>> actions = {
      {Form1->ActionErgebniseingabe, "TZikoErgEingabeDlg"},
      {Form1->ActionBearbeitenEinzelergebnisse, "TFenkLBearbeitenEinzlergebnisseDlg"},
      {Form1->ActionBearbeitenMannschaftsergebnisse, "TFenkLBearbeitenMschsergebnisseDlg"},
      {Form1->ActionSortierteAusgabe, "TZikoSortierteAusgabeDlg"},
      {Form1->ActionStammVereine, "TZikoVereineBearbeitenDlg"},
      {Form1->ActionStammSchuetzen, "TZikoSchuetzenBearbeitenDlg"},
      {Form1->ActionNeueSaison, "TZikoNeueSaisonDlg"},
      {Form1->ActionInfo, "TZikoInfoDlg"},
      {Form1->ActionDisziplinbez, "TZikoDiszbezDlg"},
      {Form1->ActionWettkampfleiter, "TZikoWklAdressenDlg"},
      {Form1->ActionEinstellungenHtml, "TZikoEinstHtmlDlg"},
      {Form1->ActionErgebnisformat, "TZikoErgebnisformatDlg"},
      {Form1->ActionBssbDatenDbf, "TZielKontorBssbDatenImportDlg"},
      {Form1->ActionImportMannschaftsErgebnismeldungen, "TZikoErgRmeDatenDlg"},
      {Form1->ActionJahrgangsklassen, "TZikoJahrgangsklassenDlg"},
      {Form1->ActionKomplettausgabe, "TZikoSAAktionslisteDlg"},
      {Form1->DownloadImportAktionslistenUpload1, "TZikoAutomaticDlg"},
      {Form1->ActionSortierteAusgabeUrkunden, "TZikoSortierteAusgabeUrkundendruckDlg"},
      {Form1->ActionWebzugang, "TZkoEinstWebzugangDlg"},
      {Form1->ActionDateiNeu, "TFenkLDateiNeuDlg"},
  };
  msg::ScriptedMessages messages;
  for (const auto& [action, window] : actions) {
    ModalWatcher watcher;
    action->trigger();
    ASSERT_FALSE(watcher.seen.empty()) << window;
    EXPECT_EQ(watcher.seen.front(), window);
  }
  ModalWatcher watcher;
  Form1->ServerbetriebF101Click();
  EXPECT_EQ(watcher.seen, std::vector<std::string>{"TZikoAutomaticDlg"});
}

TEST_F(MainWindowTest, FunctionKeysWorkFromAnywhereInTheWindowIncludingHiddenF10) {
  Form1->show();
  QApplication::setActiveWindow(Form1);
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
  QWidget* anywhere = Form1->centralWidget();
  const std::vector<std::pair<Qt::Key, const char*>> keys = {
      {Qt::Key_F3, "TZikoErgEingabeDlg"},     {Qt::Key_F4, "TZikoErgRmeDatenDlg"},
      {Qt::Key_F5, "TZikoSortierteAusgabeDlg"}, {Qt::Key_F6, "TZikoSAAktionslisteDlg"},
      {Qt::Key_F10, "TZikoAutomaticDlg"},
  };
  msg::ScriptedMessages messages;
  for (const auto& [key, window] : keys) {
    ModalWatcher watcher;
    QTest::keyClick(anywhere, key);
    ASSERT_FALSE(watcher.seen.empty()) << window;
    EXPECT_EQ(watcher.seen.front(), window);
    QApplication::setActiveWindow(Form1);
  }
  QTest::keyClick(anywhere, Qt::Key_F1);
  EXPECT_EQ(help::lastTopic(), "ZikoInhalt.html");
}

TEST_F(MainWindowTest, CaptionShowsDistrictAndSeasonOfTheCurrentDiscipline) {
  EXPECT_EQ(fromQs(Form1->windowTitle()), "Zielkontorzentrale Anwender");
  db::exec(gDbHaupt, "UPDATE Disznamen SET Saisonname=? WHERE Nr=?;", {"2030/2031", 1});
  gEinstellungen.AktDisznr = 1;
  setFieldText(gEinstellungen.Gauname, "Gau Süd");
  Form1->show();
  EXPECT_EQ(fromQs(Form1->windowTitle()), "Zielkontorzentrale Gau Süd Saison 2030/2031");
  gEinstellungen.AktDisznr = 7;
  Form1->refreshCaption();
  EXPECT_EQ(fromQs(Form1->windowTitle()), "Zielkontorzentrale Gau Süd Saison ");

  // A window that changes the discipline: the caption follows when it closes.
  QTimer::singleShot(0, [] {
    gEinstellungen.AktDisznr = 1;
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->done(mrCancel);
  });
  Form1->ActionErgebnisformat->trigger();
  EXPECT_EQ(fromQs(Form1->windowTitle()), "Zielkontorzentrale Gau Süd Saison 2030/2031");
}

TEST_F(MainWindowTest, OpenDataFileAsksFirstAndReportsEachOutcome) {
  const std::string saved = dir->file("stand.rwk");
  ASSERT_TRUE(SaveDataFile(saved));
  db::exec(gDbHaupt, "DELETE FROM Schuetzen;");
  const std::string folderBefore = dataFolder();

  {  // cancelled dialog, then declined warning: nothing read
    ScriptedFileDialogs files;
    files.cancel();
    files.answer(saved);
    msg::ScriptedMessages messages;
    messages.answer(msg::IdCancel);
    Form1->ActionDateiOeffnenExecute();
    EXPECT_EQ(messages.count(), 0u);
    Form1->ActionDateiOeffnenExecute();
    ASSERT_EQ(files.asked().size(), 2u);
    EXPECT_EQ(files.asked()[1].title, "Rundenwettkampf-Datenbank öffnen");
    EXPECT_EQ(files.asked()[1].initialDir, folderBefore);
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.shown()[0].text,
              "Achtung!\nMit dem Öffnen der Datei werden alle bisherigen Daten überschrieben!\n");
    EXPECT_EQ(messages.shown()[0].caption, "Info");
    EXPECT_EQ(count("SELECT COUNT(*) FROM Schuetzen;"), 0);
  }
  {  // not a data file
    const std::string junk = dir->file("junk.rwk");
    writeFileBytes(junk, std::string(5000, 'x'));
    ScriptedFileDialogs files;
    files.answer(junk);
    msg::ScriptedMessages messages;
    ModalWatcher watcher;
    Form1->ActionDateiOeffnenExecute();
    ASSERT_EQ(messages.count(), 2u);
    EXPECT_EQ(messages.shown()[1].text.rfind("Fehler beim Einlesen der Datei\n", 0), 0u);
    EXPECT_EQ(messages.shown()[1].caption, "Fehler");
    EXPECT_TRUE(watcher.seen.empty());
    EXPECT_EQ(dataFolder(), folderBefore);
  }
  {  // a data file of the older format: no success, no clean-up, data folder kept
    fs::create_directory(dir->file("alt"));
    const std::string older = dir->file("alt/alt.rwk");
    std::string head = "Okiz-DatenV0998";
    head.resize(60, '\0');
    writeFileBytes(older, head + std::string(4000, '\0'));
    ScriptedFileDialogs files;
    files.answer(older);
    msg::ScriptedMessages messages;
    ModalWatcher watcher;
    Form1->ActionDateiOeffnenExecute();
    ASSERT_EQ(messages.count(), 2u);
    EXPECT_EQ(messages.shown()[1].text,
              "Die Datei\n" + older + "\nhat ein älteres Format und kann nicht eingelesen werden.");
    EXPECT_EQ(messages.shown()[1].caption, "Fehler");
    EXPECT_TRUE(watcher.seen.empty());
    EXPECT_EQ(dataFolder(), folderBefore);
  }
  {  // the saved file: clean-up, success, data folder of the file
    fs::create_directory(dir->file("daten"));
    const std::string copy = dir->file("daten/stand.rwk");
    fs::copy_file(saved, copy);
    ScriptedFileDialogs files;
    files.answer(copy);
    msg::ScriptedMessages messages;
    ModalWatcher watcher;
    Form1->ActionDateiOeffnenExecute();
    EXPECT_EQ(watcher.seen, std::vector<std::string>{"TZikoDbOptDlg"});
    EXPECT_TRUE(messages.contains("Datei\n" + copy + "\nerfolgreich eingelesen!\n"));
    EXPECT_EQ(dataFolder(), dir->file("daten"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM Schuetzen;"), 1);
  }
}

// An older data file whose telephone columns hold numbers, opened where there is no room to
// build them again: one message names the reason; every row of the file arrives as it was,
// and a row stored afterwards is kept.
TEST_F(MainWindowTest, OpenedOlderFileWhoseUpgradeFindsNoRoomSaysSoAndKeepsEveryRow) {
  ASSERT_TRUE(makeOlderCaptainsTable(gDbHaupt, 20000));
  const auto rows = captainRows(gDbHaupt);
  const std::string older = dir->file("alt.rwk");
  ASSERT_TRUE(SaveDataFile(older));
  exec("DELETE FROM Msch_fuehrer;");

  ScriptedFileDialogs files;
  files.answer(older);
  msg::ScriptedMessages messages;
  ModalWatcher watcher;
  {
    FileSizeLimit limit(fs::file_size(older) + 128 * 1024);
    Form1->ActionDateiOeffnenExecute();
    EXPECT_TRUE(storeNewCaptain(gDbHaupt));
  }
  int upgradeMessages = 0;
  for (const auto& m : messages.shown())
    if (m.text.rfind("Die Tabellen der Adressen und Telefonnummern der Datenbank\n" + gIntdat.DbDateiPfad.string() +
                         "\nkonnten nicht umgestellt werden:\ndie Datei ist zu gro\xDF\n",
                     0) == 0)
      ++upgradeMessages;
  EXPECT_EQ(upgradeMessages, 1);
  EXPECT_TRUE(messages.contains("Datei\n" + older + "\nerfolgreich eingelesen!\n"));
  expectRowsKeptAndNewCaptainAdded(gIntdat.DbDateiPfad, rows);
}

TEST_F(MainWindowTest, SaveProposesTheDistrictNameAndReportsTheOutcome) {
  {
    setFieldText(gEinstellungen.Gauname, "Test/gau W\xFCrm");  // umlauts stay, a slash goes
    ScriptedFileDialogs files;
    files.answer(dir->file("Testgau.rwk"));
    msg::ScriptedMessages messages;
    Form1->ActionDateispeichernunter->trigger();
    ASSERT_EQ(files.asked().size(), 1u);
    EXPECT_EQ(files.asked()[0].fileName, "Testgau W\xFCrm.rwk");
    EXPECT_EQ(files.asked()[0].title, "Rundenwettkampf-Datenbank speichern unter");
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.shown()[0].text, dir->file("Testgau.rwk") + " \nerfolgreich gespeichert!");
    EXPECT_EQ(messages.shown()[0].caption, "Meldung");
    EXPECT_TRUE(fs::exists(dir->file("Testgau.rwk")));
    EXPECT_EQ(dataFolder(), dir->path());
  }
  ScriptedFileDialogs files;
  files.answer(dir->file("fehlt/ordner/x.rwk"));
  msg::ScriptedMessages messages;
  Form1->ActionDateispeichernunterExecute();
  ASSERT_EQ(messages.count(), 1u);
  // The message of the window, then the system's reason on a line of its own.
  EXPECT_EQ(messages.shown()[0].text, "Fehler beim Erstellen der Datei\nPfad prüfen!\nder Ordner ist nicht vorhanden");
  EXPECT_EQ(messages.shown()[0].caption, "Fehler");
}

// A name cp1252 cannot spell is written as chosen and its folder is not remembered; the
// program's own database is never overwritten.
TEST_F(MainWindowTest, SaveUnderAnyNameButNotOverTheProgramsFiles) {
  const fs::path folder = fs::path(dir->path()) / u8"Łódź";
  fs::create_directory(folder);
  {
    const fs::path file = folder / u8"Gau_Łódź.rwk";  // outside the macros: they quote their text
    ScriptedFileDialogs files;
    files.answerPath(file);
    msg::ScriptedMessages messages;
    Form1->ActionDateispeichernunterExecute();
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_EQ(dataFolder(), dir->path());
    // The messages name the file as it is called, not as "?öd?".
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.shown()[0].unicode.toStdString(), (qtPath(file) + qs(" \nerfolgreich gespeichert!")).toStdString());
    files.answerPath(file);
    ModalWatcher watcher;
    Form1->ActionDateiOeffnenExecute();
    EXPECT_TRUE(messages.contains(qs("Datei\n") + qtPath(file) + qs("\nerfolgreich eingelesen!\n")));
  }
  const std::string before = readFileBytes(dir->file("zielkontor.db"));
  ScriptedFileDialogs files;
  files.answer(dir->file("zielkontor.db"));
  msg::ScriptedMessages messages;
  Form1->ActionDateispeichernunterExecute();
  // The question whether to replace the file, answered Yes, then the refusal.
  ASSERT_EQ(messages.count(), 2u);
  EXPECT_NE(messages.shown()[0].text.find("ist bereits vorhanden"), std::string::npos);
  EXPECT_NE(messages.shown()[1].text.find("kann nicht \xFC" "berschrieben werden"), std::string::npos);
  EXPECT_TRUE(readFileBytes(dir->file("zielkontor.db")) == before);
}

TEST_F(MainWindowTest, ExportSavesDataFileOrSaysTheClubFormatIsNotIncluded) {
  auto exportFolder = [] {
    return db::query(gDbPfade, "SELECT FenkdatPfad FROM PfadeImpExp WHERE Disznr=0;").text(0, 0);
  };
  gEinstellungen.AktDisznr = 1;
  fs::create_directory(dir->file("export"));
  {  // the clubs' format: one line, no file, the folder not remembered
    ScriptedFileDialogs files;
    files.answer(dir->file("export/Testgau.rwd"), 2);
    msg::ScriptedMessages messages;
    Form1->ActionExportFenkDatenExecute();
    ASSERT_EQ(files.asked().size(), 1u);
    EXPECT_EQ(files.asked()[0].title, "Rundenwettkampfdaten speichern unter");
    EXPECT_EQ(files.asked()[0].fileName, "Testgau");
    EXPECT_EQ(files.asked()[0].initialDir, gIntdat.ProgrammVerzeichnis);
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Diese Funktion ist in dieser Version nicht enthalten.");
    EXPECT_EQ(messages.shown()[0].caption, "Info");
    EXPECT_FALSE(fs::exists(dir->file("export/Testgau.rwd")));
    EXPECT_EQ(exportFolder(), gIntdat.ProgrammVerzeichnis);
  }
  // The data file: saved, and its folder kept in the row of discipline 0.
  ScriptedFileDialogs files;
  files.answer(dir->file("export/Testgau.rwk"), 1);
  msg::ScriptedMessages messages;
  Form1->ActionExportFenkDatenExecute();
  ASSERT_EQ(messages.count(), 1u);
  EXPECT_EQ(messages.shown()[0].text, dir->file("export/Testgau.rwk") + " \nerfolgreich gespeichert!");
  EXPECT_TRUE(fs::exists(dir->file("export/Testgau.rwk")));
  EXPECT_EQ(exportFolder(), dir->file("export"));
  EXPECT_EQ(db::query(gDbPfade, "SELECT COUNT(*) FROM PfadeImpExp WHERE FenkdatPfad=?;",
                      {dir->file("export")})
                .num(0, 0),
            1);
}

TEST_F(MainWindowTest, AccessImportThatCannotOpenItsFileKeepsTheDistrictNumber) {
  gEinstellungen.Gaunummer = 77;
  {
    ScriptedFileDialogs files;
    files.answer(dir->file("fehlt.mdb"));
    msg::ScriptedMessages messages;
    Form1->ActionBssbDatenMdbExecute();
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "BSSB-Datenbank nicht gefunden.\nUngültiger Dateiname.");
    EXPECT_EQ(messages.shown()[0].caption, "Fehler");
  }
  const std::string junk = dir->file("bssb.mdb");
  writeFileBytes(junk, std::string(4096, 'x'));
  ScriptedFileDialogs files;
  files.answer(junk);
  msg::ScriptedMessages messages;
  Form1->ActionBssbDatenMdbExecute();
  ASSERT_EQ(messages.count(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "Datenbank ungültig!");
  EXPECT_EQ(messages.shown()[0].caption, "Fehler");
  EXPECT_EQ(gEinstellungen.Gaunummer, 77);
}

TEST_F(MainWindowTest, DisciplineImportShowsItsWindowOnlyForADataFile) {
  const std::string junk = dir->file("junk.rwk");
  writeFileBytes(junk, std::string(3000, 'y'));
  {
    ScriptedFileDialogs files;
    files.answer(junk);
    msg::ScriptedMessages messages;
    ModalWatcher watcher;
    Form1->ActionDiszExtractImportExecute();
    EXPECT_EQ(gIntdat.DiszImportDatei, junk);
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.shown()[0].text.rfind("Fehler beim Einlesen der Datei\n", 0), 0u);
    EXPECT_TRUE(watcher.seen.empty());
  }
  const std::string saved = dir->file("anderer.rwk");
  ASSERT_TRUE(SaveDataFile(saved));
  ScriptedFileDialogs files;
  files.answer(saved);
  msg::ScriptedMessages messages;
  ModalWatcher watcher;
  Form1->ActionDiszExtractImportExecute();
  EXPECT_EQ(messages.count(), 0u);
  EXPECT_EQ(gIntdat.DiszImportDatei, saved);
  EXPECT_EQ(watcher.seen, std::vector<std::string>{"TZikoDiszImportDlg"});
  EXPECT_TRUE(fs::exists(gIntdat.TempDbDateiPfad));
  EXPECT_EQ(gDbTemp, nullptr) << "the extracted file is let go when the window closes";
}

TEST_F(MainWindowTest, CleanUpAndCaptainsPrint) {
  msg::ScriptedMessages messages;
  {
    ModalWatcher watcher;
    Form1->ActionSqlReoganisationExecute();
    EXPECT_EQ(watcher.seen, std::vector<std::string>{"TZikoDbOptDlg"});
  }
  ASSERT_EQ(messages.count(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "Datenbank optimiert!");
  EXPECT_EQ(messages.shown()[0].caption, "Meldung");

  ScriptedPrinting printing;
  Form1->ActionDruckMschLeiterDiszAlleDiszExecute();
  EXPECT_EQ(printing.dialogsShown(), 1);
}

TEST_F(MainWindowTest, ExceptionInAHandlerIsShownAndTheWindowGoesOn) {
  // An object whose event handler fails, delivered the way the application delivers events.
  class Failing : public QObject {
   public:
    bool event(QEvent*) override { throw std::runtime_error("Datei nicht lesbar"); }
  } failing;
  msg::ScriptedMessages messages;
  QEvent event(QEvent::User);
  EXPECT_FALSE(runGuarded([&] { QCoreApplication::sendEvent(&failing, &event); }));
  EXPECT_FALSE(runGuarded([] { throw 42; }));
  ASSERT_EQ(messages.count(), 2u);
  EXPECT_EQ(messages.shown()[0].text, "Datei nicht lesbar");
  EXPECT_EQ(messages.shown()[0].caption, "Fehler");
  EXPECT_EQ(messages.shown()[1].text, "Unbekannter Fehler");

  Form1->ActionHilfe->trigger();
  EXPECT_EQ(messages.count(), 3u);
}
