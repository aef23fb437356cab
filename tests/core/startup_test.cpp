// Opening and preparing the databases at start-up, and the end of a run.
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <fstream>

#include "core/db.h"
#include "core/globals.h"
#include "core/startup.h"
#include "platform/messages.h"
#include "support/filebytes.h"
#include "support/filelimit.h"
#include "support/foreignfolders.h"
#include "support/helddatabase.h"
#include "support/olderaddresses.h"
#include "support/testenv.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> backupFolders(const std::string& dir) {
  std::vector<fs::path> out;
  for (auto& e : fs::directory_iterator(dir))
    if (e.is_directory() && e.path().filename().string().rfind("Sicherung-", 0) == 0)
      out.push_back(e.path());
  return out;
}

long clubCount(sqlite3* conn, int club) {
  db::Table t = db::query(conn, "SELECT COUNT(*) FROM Vereine_gau WHERE Nummer=?;", {club});
  return t.empty() ? -1 : t.num(0, 0);
}

class StartUp : public ::testing::Test {
 protected:
  // A whole run: open, prepare, something done in between, end.
  bool run(const std::function<void()>& during = [] {}) {
    EXPECT_TRUE(OpenDatabases());
    bool created = PrepareDatabases();
    during();
    ShutDown();
    return created;
  }
  // The texts shown, for a failure's report.
  std::string shown() const {
    std::string all;
    for (const msg::Shown& b : boxes.shown()) all += "\n[" + b.text + "]";
    return all;
  }
  ScopedWorkDir dir;
  msg::ScriptedMessages boxes;
};

TEST_F(StartUp, FirstStartInAnEmptyFolderBuildsTheDefaultDatabase) {
  bool created = run([] {
    EXPECT_EQ(clubCount(gDbHaupt, 1), 1);
    db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (7, 'Sieben');");
  });
  EXPECT_TRUE(created);
  EXPECT_EQ(boxes.count(), 0u);
  for (const char* f : kDbFiles) EXPECT_TRUE(fs::exists(dir.file(f))) << f;
  ASSERT_TRUE(fs::exists(dir.file("Zikoconfig.cnf")));
  EXPECT_EQ(fs::file_size(dir.file("Zikoconfig.cnf")), 2308u);
  EXPECT_TRUE(backupFolders(dir.path()).empty());
  EXPECT_EQ(gDbHaupt, nullptr);

  // The next start finds the settings file and keeps the data.
  created = run([] { EXPECT_EQ(clubCount(gDbHaupt, 7), 1); });
  EXPECT_FALSE(created);
  EXPECT_EQ(boxes.count(), 0u);
}

TEST_F(StartUp, StartWithoutSettingsFileOverExistingDataKeepsABackup) {
  run([] { db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (7, 'Sieben');"); });
  fs::remove(dir.file("Zikoconfig.cnf"));

  bool created = run([] { EXPECT_EQ(clubCount(gDbHaupt, 7), 0); });
  EXPECT_TRUE(created);

  auto folders = backupFolders(dir.path());
  ASSERT_EQ(folders.size(), 1u);
  EXPECT_EQ(folders[0].filename().string().size(), std::string("Sicherung-20261207-101500").size());
  for (const char* f : kDbFiles) EXPECT_TRUE(fs::exists(folders[0] / f)) << f;
  sqlite3* saved = db::open((folders[0] / "zielkontor.db").string());
  EXPECT_EQ(clubCount(saved, 7), 1);
  db::close(saved);

  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Meldung");
  EXPECT_EQ(boxes.shown()[0].text,
            "Die Einstellungsdatei Zikoconfig.cnf fehlt oder ist ung\xFCltig. Es wurde eine neue "
            "Datenbank angelegt; die bisherigen Daten sind im Ordner\n" +
                folders[0].string() + "\ngesichert.");
}

// A database file that cannot serve ends the start with one message naming it; no file
// of the folder changes, the settings file included.
TEST_F(StartUp, DamagedDatabaseEndsTheStartAndTouchesNothing) {
  run([] { db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (7, 'Sieben');"); });
  const std::string main = readFileBytes(dir.file("zielkontor.db"));
  const struct {
    const char* what;
    const char* file;
    std::function<void()> damage;
  } cases[] = {
      {"not a database", "zielkontor.db", [&] { writeFileBytes(dir.file("zielkontor.db"), std::string(4096, 'x')); }},
      {"truncated", "zielkontor.db", [&] { writeFileBytes(dir.file("zielkontor.db"), main.substr(0, main.size() / 2)); }},
      {"a folder", "zielkontor.db", [&] { fs::remove(dir.file("zielkontor.db")); fs::create_directory(dir.file("zielkontor.db")); }},
      {"foreign tables", "zielkontor.db", [&] {
         fs::remove(dir.file("zielkontor.db"));
         sqlite3* foreign = db::open(dir.file("zielkontor.db"));
         db::exec(foreign, "CREATE TABLE Disznamen (Nr INTEGER, Bezeichnung STRING);");
         db::close(foreign);
       }},
      {"unusable log beside it", "zikoagenda.db", [&] { fs::create_directory(dir.file("zikoagenda.db-wal")); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.damage();
    std::vector<std::pair<std::string, uintmax_t>> before;
    for (auto& e : fs::directory_iterator(dir.path())) before.emplace_back(e.path().string(), e.is_regular_file() ? e.file_size() : 0);
    boxes.clear();
    EXPECT_FALSE(OpenDatabases());
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.shown()[0].caption, "Fehler");
    EXPECT_NE(boxes.shown()[0].text.find(dir.file(c.file)), std::string::npos);
    std::vector<std::pair<std::string, uintmax_t>> after;
    for (auto& e : fs::directory_iterator(dir.path())) after.emplace_back(e.path().string(), e.is_regular_file() ? e.file_size() : 0);
    EXPECT_EQ(after, before);
    fs::remove_all(dir.file(c.file));
    fs::remove_all(dir.file(std::string(c.file) + "-wal"));
    writeFileBytes(dir.file("zielkontor.db"), main);
  }
  EXPECT_TRUE(backupFolders(dir.path()).empty());
}

// A data folder whose name code page 1252 cannot hold is named as it is called ("Łódź", not
// "?öd?") where the start stops.
TEST_F(StartUp, MessagesNameAFolderOutsideTheCodePageAsItIsCalled) {
  const fs::path folder = makeForeignFolders(dir.path()).front();
  writeFileBytes((folder / "zikopfade.db").string(), std::string(4096, 'x'));
  fs::current_path(folder);
  EXPECT_FALSE(OpenDatabases());
  fs::current_path(dir.path());
  EXPECT_TRUE(boxes.contains(qs("Die Datenbank\n") + qtPath(folder / "zikopfade.db") + QLatin1Char('\n')));
}

// Only a missing or foreign settings file is a first start; one that is there but cannot be
// read stops the start before any file is opened.
TEST_F(StartUp, UnreadableSettingsFileEndsTheStart) {
  run();
  for (bool folder : {true, false}) {
    SCOPED_TRACE(folder ? "a folder in its place" : "no read permission");
    if (!folder && runningAsRoot()) continue;  // root reads every file
    if (folder) {
      fs::remove(dir.file("Zikoconfig.cnf"));
      fs::create_directory(dir.file("Zikoconfig.cnf"));
    } else {
      fs::remove_all(dir.file("Zikoconfig.cnf"));
      writeFileBytes(dir.file("Zikoconfig.cnf"), std::string(2308, 'x'));
      chmod(dir.file("Zikoconfig.cnf").c_str(), 0);
    }
    const std::string main = readFileBytes(dir.file("zielkontor.db"));
    boxes.clear();
    EXPECT_FALSE(OpenDatabases());
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_NE(boxes.shown()[0].text.find(dir.file("Zikoconfig.cnf")), std::string::npos);
    EXPECT_EQ(readFileBytes(dir.file("zielkontor.db")), main);
    EXPECT_TRUE(backupFolders(dir.path()).empty());
  }
}

// A missing main database under valid settings is built anew, with a message, and the
// district's name stays.
TEST_F(StartUp, MissingMainDatabaseIsBuiltUnderValidSettings) {
  run([] { setFieldText(gEinstellungen.Gauname, "Oberland"); });
  fs::remove(dir.file("zielkontor.db"));
  EXPECT_TRUE(run([] {
    EXPECT_EQ(clubCount(gDbHaupt, 1), 1);
    EXPECT_EQ(fieldText(gEinstellungen.Gauname), "Oberland");
  }));
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_NE(boxes.shown()[0].text.find("zielkontor.db fehlt"), std::string::npos);
  EXPECT_NE(boxes.shown()[0].text.find("neue Datenbank angelegt"), std::string::npos);
}

TEST_F(StartUp, ForeignSettingsFileLeadsToDefaultsWithNothingOfItKept) {
  run();
  std::string foreign(2308, '\0');
  foreign.replace(0, 11, "Fremdformat");
  foreign.replace(60, 5, "Fremd");
  foreign[971] = 1;  // a mail-link flag that must not survive
  std::ofstream(dir.file("Zikoconfig.cnf"), std::ios::binary) << foreign;

  EXPECT_TRUE(run([] {
    EXPECT_EQ(fieldText(gEinstellungen.Gauname), "Testgau");
    EXPECT_EQ(gEinstellungen.HtmlMailLink, 0);
    EXPECT_EQ(fieldText(gEinstellungen.Kennung), gIntdat.StammdatenKennung);
  }));
  EXPECT_EQ(backupFolders(dir.path()).size(), 1u);
  EXPECT_EQ(boxes.count(), 1u);
}

// A database another program holds (a backup tool, a viewer in a transaction) is not called
// damaged: the start names the file and who has it, and changes nothing.
TEST_F(StartUp, DatabaseHeldByAnotherProgramEndsTheStartUnchanged) {
  run();
  const std::string file = dir.file("zikoagenda.db");
  const std::string bytes = readFileBytes(file);
  sqlite3* other = db::open(file);
  ASSERT_TRUE(db::exec(other, "BEGIN EXCLUSIVE TRANSACTION;"));
  boxes.clear();
  EXPECT_FALSE(OpenDatabases());
  db::exec(other, "ROLLBACK TRANSACTION;");
  db::close(other);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Die Datenbank\n" + file +
                                       "\nwird von einem anderen Programm benutzt. Das Programm "
                                       "wird beendet, ohne etwas zu ändern.");
  EXPECT_EQ(readFileBytes(file), bytes);
}

// The statements run on a connection of their own; the rows of the last.
std::vector<std::vector<std::string>> rowsOf(const fs::path& file, const std::string& sql) {
  sqlite3* conn = db::open(file);
  auto rows = db::query(conn, sql).rows;
  db::close(conn);
  return rows;
}

// Another program takes a database after the start opened it, while the report settings of
// an older file (rows 0 to 3 of PfadeImpExp) are to move to the import database: the start
// names that database once, as the file system spells it, nothing is lost, and the next start
// without the other program moves all four values.
TEST_F(StartUp, ReportSettingsMoveWholeOnceNoOtherProgramHoldsTheirDatabases) {
  const fs::path folder = makeForeignFolders(dir.path()).front();
  fs::current_path(folder);
  run();
  using Rows = std::vector<std::vector<std::string>>;
  const Rows older = {{"0", "/rme"}, {"1", "benutzer"}, {"2", "kennwort"}, {"3", "ftp.example.org"}, {"4", "bleibt"}};
  const struct {
    const char* file;
    const char* hold;
  } cases[] = {{"zikopfade.db", HeldDatabase::kExclusive},
               {"zikopfade.db", HeldDatabase::kReading},
               {"zikoautoimpexp.db", HeldDatabase::kReading},
               {"zikoautoimpexp.db", HeldDatabase::kExclusive},
               // The import rows are made per discipline of the main database.
               {"zielkontor.db", HeldDatabase::kExclusive}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + c.hold);
    rowsOf(folder / "zikopfade.db", "DELETE FROM PfadeImpExp; INSERT INTO PfadeImpExp (Disznr, MschmldgPfad) VALUES "
                                    "(0, '/rme'), (1, 'benutzer'), (2, 'kennwort'), (3, 'ftp.example.org'), (4, 'bleibt');");
    rowsOf(folder / "zikoautoimpexp.db", "DROP TABLE RmeImport;");
    boxes.clear();
    ASSERT_TRUE(OpenDatabases());
    {
      HeldDatabase other(folder / c.file, c.hold);
      ASSERT_TRUE(other.held());
      for (sqlite3* held : {gDbHaupt, gDbPfade, gDbAutoImpExp}) sqlite3_busy_timeout(held, 10);
      PrepareDatabases();
    }
    ShutDown();
    ASSERT_EQ(boxes.count(), 1u) << shown();
    EXPECT_EQ(boxes.shown()[0].unicode,
              QStringLiteral("Die Datenbank\n") + QString::fromUtf8(dir.path()) + QStringLiteral("/\u0141\u00f3d\u017a/") +
                  QLatin1String(c.file) + QStringLiteral("\nwird von einem anderen Programm benutzt. Es wurde nichts ge\u00e4ndert."));
    EXPECT_EQ(rowsOf(folder / "zikopfade.db", "SELECT Disznr, MschmldgPfad FROM PfadeImpExp ORDER BY Disznr;"), older);
    EXPECT_EQ(rowsOf(folder / "zikoautoimpexp.db", "SELECT name FROM sqlite_master WHERE name='RmeImport';"), Rows{});

    boxes.clear();
    run();
    EXPECT_EQ(boxes.count(), 0u);
    const std::vector<std::string> moved = {"/rme", "benutzer", "kennwort", "ftp.example.org"};
    EXPECT_EQ(rowsOf(folder / "zikoautoimpexp.db", "SELECT RmePfadLokal, Username, Passwort, Url FROM RmeImport;"),
              (Rows{moved, moved}));
    EXPECT_EQ(rowsOf(folder / "zikopfade.db", "SELECT Disznr FROM PfadeImpExp ORDER BY Disznr;"), (Rows{{"0"}, {"4"}}));
  }
  fs::current_path(dir.path());
}

// A first start that cannot write (a full disk, here a file-size limit) says so once, with
// the folder and the reason, and leaves the folder as it found it.
TEST_F(StartUp, FirstStartThatCannotWriteSaysSoOnceAndLeavesNothing) {
  bool prepared = true;
  bool opened = false;
  {
    FileSizeLimit limit(0);
    opened = OpenDatabases();
    PrepareDatabases(&prepared);
  }
  ShutDown();
  EXPECT_TRUE(opened);
  EXPECT_FALSE(prepared);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Die neue Datenbank konnte im Ordner\n" + dir.path() +
                                       "\nnicht angelegt werden:\ndie Datei ist zu groß\n"
                                       "Das Programm wird beendet.");
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

// An older database whose telephone columns hold numbers and that cannot be built again
// (a full disk, here a file-size limit): the start says so once, naming the database as the
// file system spells it and the reason, and goes on; every row stays as it was, and what is
// stored afterwards is kept.
TEST_F(StartUp, UpgradeWithoutRoomSaysSoOnceAndKeepsEveryRowAndWhatIsStoredLater) {
  const fs::path folder = makeForeignFolders(dir.path()).front();
  fs::current_path(folder);
  run();
  sqlite3* older = db::open(folder / "zielkontor.db");
  ASSERT_TRUE(makeOlderCaptainsTable(older, 20000));
  const auto before = captainRows(older);
  db::close(older);
  boxes.clear();
  {
    FileSizeLimit limit(fs::file_size(folder / "zielkontor.db") + 128 * 1024);
    ASSERT_TRUE(OpenDatabases());
    PrepareDatabases();
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.shown()[0].unicode.toStdString(),
              (QStringLiteral("Die Tabellen der Adressen und Telefonnummern der Datenbank\n") +
               QString::fromUtf8(dir.path()) + QStringLiteral("/\u0141\u00f3d\u017a/zielkontor.db\n") +
               QStringLiteral("konnten nicht umgestellt werden:\ndie Datei ist zu gro\u00df\nDie Daten bleiben "
                              "unver\u00e4ndert; eine f\u00fchrende Null einer Telefonnummer wird bis zur "
                              "Umstellung nicht gespeichert."))
                  .toStdString());
    EXPECT_EQ(captainRows(gDbHaupt), before);
    EXPECT_TRUE(storeNewCaptain(gDbHaupt));
    ShutDown();
  }
  EXPECT_EQ(boxes.count(), 1u);
  expectRowsKeptAndNewCaptainAdded(folder / "zielkontor.db", before);
  fs::current_path(dir.path());
}

// 15 folders of 200 letters: the system takes the path, but SQLite's limit on a database's
// full name does not. That is named, not called a damaged database, and nothing is made.
TEST_F(StartUp, DataFolderTooLongForTheDatabasesIsNamedAndLeftEmpty) {
  fs::path deep = dir.path();
  for (int i = 0; i < 15; ++i) {
    deep /= std::string(200, static_cast<char>('a' + i));
    ASSERT_TRUE(fs::create_directory(deep));
  }
  fs::current_path(deep);
  const bool opened = OpenDatabases();
  fs::current_path(dir.path());
  EXPECT_FALSE(opened);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Der Pfad des Ordners\n" + deep.string() +
                                       "\nist zu lang f\xFCr die Datenbanken. Das Programm wird beendet, "
                                       "ohne etwas zu \xE4ndern.");
  EXPECT_TRUE(fs::is_empty(deep));
}

TEST_F(StartUp, FolderThatCannotBeWrittenIsReportedOnceAndLeftEmpty) {
  if (runningAsRoot()) GTEST_SKIP() << "root can write every folder";
  chmod(dir.path().c_str(), 0555);
  EXPECT_FALSE(OpenDatabases());
  chmod(dir.path().c_str(), 0755);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Fehler");
  EXPECT_EQ(boxes.shown()[0].text.rfind("Im Ordner\n", 0), 0u);
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST_F(StartUp, ReadOnlyDatabaseFileIsReportedOnceAndNothingWritten) {
  if (runningAsRoot()) GTEST_SKIP() << "root can write every file";
  { std::ofstream(dir.file("zikopfade.db")) << ""; }
  chmod(dir.file("zikopfade.db").c_str(), 0444);
  EXPECT_FALSE(OpenDatabases());
  chmod(dir.file("zikopfade.db").c_str(), 0644);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Fehler");
  EXPECT_FALSE(fs::exists(dir.file("zielkontor.db")));
}

}  // namespace
