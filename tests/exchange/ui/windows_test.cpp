// The data-exchange windows: the discipline import with its question, the web-access
// settings, and the windows whose work this version does not include.
#include <filesystem>
#include <fstream>

#include "core/db.h"
#include "core/globals.h"
#include "core/settings.h"
#include "exchange/services.h"
#include "exchange/ui/DownloadDialog1.h"
#include "exchange/ui/ZielKontorBssbDatenImportDlg.h"
#include "exchange/ui/ZikoAutomaticDlg.h"
#include "exchange/ui/ZikoAutomaticEinstellungenDlg.h"
#include "exchange/ui/ZikoDiszImportDlg.h"
#include "exchange/ui/ZikoErgRmeDatenDlg.h"
#include "exchange/ui/ZikoRmeUrlDlg.h"
#include "exchange/ui/ZkoEinstWebzugangDlg.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "support/testenv.h"

namespace fs = std::filesystem;

namespace {
using Rows = std::vector<std::vector<std::string>>;
Rows rows(const std::string& sql) { return db::query(gDbHaupt, sql).rows; }
}  // namespace

class ExchangeWindowsTest : public DatabaseTest {};

TEST_F(ExchangeWindowsTest, DisciplineImportReplacesOnlyAfterYes) {
  db::exec(gDbHaupt, "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (1, 'Bezirksliga', 2, 1);");
  gIntdat.TempDbDateiPfad = dir->file("zielkontortmp.db");
  ASSERT_TRUE(db::exec(gDbHaupt, "VACUUM INTO ?;", {gIntdat.TempDbDateiPfad.string()}));
  db::exec(gDbHaupt, "DELETE FROM Mschklassen;");
  db::exec(gDbHaupt, "UPDATE Disznamen SET Bezeichnung='Kleinkaliber' WHERE Nr=0;");

  TZikoDiszImportDlg dlg;
  dlg.show();
  ASSERT_NE(gDbTemp, nullptr);
  ASSERT_EQ(dlg.ComboBoxDatei->count(), 2);
  EXPECT_EQ(fromQs(dlg.ComboBoxDatei->itemText(1)), "Luftpistole");
  ASSERT_EQ(dlg.ComboBoxZiel->count(), 3);
  EXPECT_EQ(comboKey(dlg.ComboBoxZiel, 0), -1);

  dlg.ComboBoxDatei->setCurrentIndex(comboIndexOfKey(dlg.ComboBoxDatei, 1));
  dlg.ComboBoxZiel->setCurrentIndex(comboIndexOfKey(dlg.ComboBoxZiel, 0));
  {
    msg::ScriptedMessages messages;
    messages.answer(msg::IdNo);
    dlg.ButtonImportierenClick();
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.shown()[0].text,
              "Disziplin Kleinkaliber dieses Datenbestands durch Disziplin Luftpistole der Datei "
              "ersetzen?");
    EXPECT_EQ(messages.shown()[0].buttons, msg::YesNo);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(rows("SELECT * FROM Mschklassen;").empty());
  }
  msg::ScriptedMessages messages;
  messages.answer(msg::IdYes);
  dlg.ButtonImportierenClick();
  EXPECT_EQ(rows("SELECT Klname, Disznr FROM Mschklassen;"), (Rows{{"Bezirksliga", "0"}}));
  EXPECT_EQ(rows("SELECT Bezeichnung FROM Disznamen ORDER BY Nr;"),
            (Rows{{"Luftpistole"}, {"Luftpistole"}}));
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(gDbTemp, nullptr);  // the temporary file is free for the next extract
}

TEST_F(ExchangeWindowsTest, WebAccessValuesAreStoredAndSaved) {
  TZkoEinstWebzugangDlg dlg;
  dlg.show();
  dlg.EditServername->setText(qs("ftp.gau-süd.de"));
  dlg.EditServerpfad->setText(qs("/rme"));
  dlg.EditUser->setText(qs("gau"));
  dlg.EditPasswort->setText(QString(60, QLatin1Char('p')));
  dlg.ButtonOkClick();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(gIntdat.WebServername, "ftp.gau-süd.de");
  EXPECT_EQ(gIntdat.WebPasswort, std::string(49, 'p'));
  ASSERT_TRUE(fs::exists(gIntdat.KonfigDateiPfad));

  // What was saved comes back after a fresh load.
  gIntdat.WebServername.clear();
  gEinstellungen.clear();
  ASSERT_TRUE(LoadSettings(gIntdat.KonfigDateiPfad));
  dlg.show();
  EXPECT_EQ(fromQs(dlg.EditServername->text()), "ftp.gau-süd.de");
  EXPECT_EQ(fromQs(dlg.EditUser->text()), "gau");
}

TEST_F(ExchangeWindowsTest, WindowsOfWorkNotIncludedSayOneLineAndClose) {
  TZielKontorBssbDatenImportDlg bssb;
  TZikoErgRmeDatenDlg rme;
  TZikoAutomaticDlg automatic;
  TZikoAutomaticEinstellungenDlg automaticSettings;
  TZikoRmeUrlDlg rmeUrl;
  TDownloadDialog1 download;
  ZDialog* windows[] = {&bssb, &rme, &automatic, &automaticSettings, &rmeUrl, &download};
  for (ZDialog* w : windows) {
    msg::ScriptedMessages messages;
    EXPECT_EQ(w->ShowModal(), mrCancel);
    ASSERT_EQ(messages.count(), 1u) << w->metaObject()->className();
    EXPECT_EQ(messages.shown()[0].text, "Diese Funktion ist in dieser Version nicht enthalten.");
    EXPECT_EQ(messages.shown()[0].caption, "Info");
    EXPECT_FALSE(w->isVisible());
  }
}

TEST_F(ExchangeWindowsTest, ExportAndAccessImportChangeNothing) {
  EXPECT_FALSE(ExportFenkDaten(dir->file("vereine.rwd")));
  EXPECT_FALSE(fs::exists(dir->file("vereine.rwd")));

  EXPECT_EQ(ImportBssbMdb(dir->file("fehlt.mdb")), BssbInvalid);
  EXPECT_EQ(ImportBssbMdb(dir->path()), BssbInvalid);
  std::ofstream(dir->file("leer.mdb")).close();
  EXPECT_EQ(ImportBssbMdb(dir->file("leer.mdb")), BssbInvalid);
  std::ofstream(dir->file("text.mdb")) << std::string(8192, 'a');
  EXPECT_EQ(ImportBssbMdb(dir->file("text.mdb")), BssbInvalid);
}
