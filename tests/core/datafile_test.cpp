#include "core/datafile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "core/db.h"
#include "core/globals.h"
#include "core/schema.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/upgrade.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "support/filebytes.h"
#include "support/helddatabase.h"
#include "support/testenv.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kDbOffset = 2368;

// Every row of every table of a database, in a fixed order, as one text.
std::string contentOf(sqlite3* conn) {
  std::string all;
  db::Table tables = db::query(
      conn, "SELECT name FROM sqlite_master WHERE type='table' ORDER BY name;");
  for (const auto& t : tables.rows) {
    all += "[" + t[0] + "]\n";
    db::Table rows = db::query(conn, "SELECT * FROM \"" + t[0] + "\" ORDER BY rowid;");
    for (const auto& row : rows.rows) {
      for (const auto& v : row) all += v + "|";
      all += "\n";
    }
  }
  return all;
}

class DataFileTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    ASSERT_TRUE(db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);",
                         {4711L, "Sch\xFCtzengilde \"Tell\""}));
  }
  // Main database content and file bytes, to show that a failed open changed nothing.
  void expectUntouched(const std::string& content, const std::string& bytes) {
    ASSERT_NE(gDbHaupt, nullptr);
    EXPECT_EQ(contentOf(gDbHaupt), content);
    EXPECT_EQ(messages.count(), 0u) << messages.shown().front().text;
    EXPECT_EQ(readFileBytes(gIntdat.DbDateiPfad), bytes);
  }
  msg::ScriptedMessages messages;  // a statement failing on a broken database must not block
};

TEST_F(DataFileTest, SaveAndOpenGiveBackTheSameDatabase) {
  const std::string saved = contentOf(gDbHaupt);
  ASSERT_TRUE(SaveDataFile(dir->file("saison.rwk")));

  // Changes after saving, to the data and the running settings.
  ASSERT_TRUE(db::exec(gDbHaupt, "DELETE FROM Vereine_gau;"));
  for (int i = 0; i < 2000; ++i)
    db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);",
             {10000 + i, std::string(200, 'v')});
  setFieldText(gEinstellungen.Gauname, "Laufender Gau");
  const auto running = gEinstellungen.toBytes();

  ASSERT_EQ(OpenDataFile(dir->file("saison.rwk")), OpenResult::Ok);
  ASSERT_NE(gDbHaupt, nullptr);
  EXPECT_EQ(contentOf(gDbHaupt), saved);
  EXPECT_EQ(gEinstellungen.toBytes(), running);
  EXPECT_EQ(fs::file_size(gIntdat.DbDateiPfad), fs::file_size(dir->file("saison.rwk")) - kDbOffset);

  // The reopened connection takes changes as before.
  EXPECT_TRUE(db::exec(gDbHaupt, "UPDATE Vereine_gau SET Name=? WHERE Nummer=?;",
                       {"Neu", 4711}));
}

TEST_F(DataFileTest, LayoutOfTheFile) {
  StoreWebzugang("ftp.example.org", "/rwk", "gau", "geheim");
  ASSERT_TRUE(SaveDataFile(dir->file("saison.rwk")));
  const std::string file = readFileBytes(dir->file("saison.rwk"));
  ASSERT_GT(file.size(), kDbOffset);

  const std::string head = "Okiz-Daten f\xFCr ZielKontor Version0705 von Hagelst\xE4tter";
  EXPECT_EQ(file.substr(0, head.size()), head);
  EXPECT_EQ(file.substr(head.size(), 60 - head.size()), std::string(60 - head.size(), '\0'));

  // The settings block: the running record with the time of saving, but no web access.
  const std::string record = file.substr(60, Einstellungssatz::Size);
  const auto running = gEinstellungen.toBytes();
  const std::string stamp = fieldText(gEinstellungen.Speicherzeit);
  EXPECT_FALSE(stamp.empty());
  EXPECT_EQ(record.substr(950, stamp.size()), stamp);
  EXPECT_EQ(record.substr(1574, 200), std::string(200, '\0'));
  EXPECT_NE(std::string(reinterpret_cast<const char*>(running.data()) + 1574, 200),
            std::string(200, '\0'));
  EXPECT_EQ(record.substr(0, 950), std::string(reinterpret_cast<const char*>(running.data()), 950));
  EXPECT_EQ(record.substr(1774),
            std::string(reinterpret_cast<const char*>(running.data()) + 1774, 2308 - 1774));

  // From byte 2,368 on: a database of its own with the saved rows.
  writeFileBytes(dir->file("teil.db"), file.substr(kDbOffset));
  sqlite3* part = db::open(dir->file("teil.db"));
  ASSERT_NE(part, nullptr);
  EXPECT_EQ(contentOf(part), contentOf(gDbHaupt));
  db::close(part);
}

TEST_F(DataFileTest, SaveOverAReadOnlyFileAndIntoAMissingFolder) {
  writeFileBytes(dir->file("alt.rwk"), "alt");
  fs::permissions(dir->file("alt.rwk"), fs::perms::owner_read);
  ASSERT_TRUE(SaveDataFile(dir->file("alt.rwk")));
  EXPECT_GT(fs::file_size(dir->file("alt.rwk")), kDbOffset);
  EXPECT_NE(fs::status(dir->file("alt.rwk")).permissions() & fs::perms::owner_write,
            fs::perms::none);

  setFieldText(gEinstellungen.Speicherzeit, "vorher");
  EXPECT_FALSE(SaveDataFile(dir->file("fehlt/saison.rwk")));
  EXPECT_FALSE(fs::exists(dir->file("fehlt")));
  EXPECT_EQ(fieldText(gEinstellungen.Speicherzeit), "vorher");
}

TEST_F(DataFileTest, BadFilesLeaveTheDatabaseUntouched) {
  ASSERT_TRUE(SaveDataFile(dir->file("gut.rwk")));
  const std::string good = readFileBytes(dir->file("gut.rwk"));
  ASSERT_TRUE(db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);",
                       {4712, "Nach dem Sichern"}));
  const std::string content = contentOf(gDbHaupt);
  const std::string bytes = readFileBytes(gIntdat.DbDateiPfad);

  EXPECT_EQ(OpenDataFile(dir->file("gibtsnicht.rwk")), OpenResult::Failed);
  expectUntouched(content, bytes);

  writeFileBytes(dir->file("fremd.rwk"), "Irgendeine andere Datei" + std::string(3000, 'x'));
  EXPECT_EQ(OpenDataFile(dir->file("fremd.rwk")), OpenResult::Failed);
  expectUntouched(content, bytes);

  // A head without a terminating NUL in its 60 bytes is no data file.
  std::string unterminated = good;
  std::memset(unterminated.data(), 'O', 60);
  writeFileBytes(dir->file("ohnenull.rwk"), unterminated);
  EXPECT_EQ(OpenDataFile(dir->file("ohnenull.rwk")), OpenResult::Failed);
  expectUntouched(content, bytes);

  // Cut inside the head, before the database, inside a page, and at page boundaries (only
  // the first page left, the last page missing), where the length alone looks sound.
  const size_t page = static_cast<unsigned char>(good[kDbOffset + 16]) * 256u +
                      static_cast<unsigned char>(good[kDbOffset + 17]);
  ASSERT_GE(page, 512u);
  ASSERT_EQ((good.size() - kDbOffset) % page, 0u);
  for (size_t cut : {size_t{60}, kDbOffset, kDbOffset + 100, kDbOffset + page,
                     good.size() - page, good.size() - 1000}) {
    writeFileBytes(dir->file("kurz.rwk"), good.substr(0, cut));
    EXPECT_EQ(OpenDataFile(dir->file("kurz.rwk")), OpenResult::Failed) << "cut at " << cut;
    expectUntouched(content, bytes);
  }

  std::string damaged = good;
  for (size_t i = kDbOffset + 4096 + 8; i < damaged.size(); i += 97) damaged[i] = '\x5A';
  writeFileBytes(dir->file("kaputt.rwk"), damaged);
  EXPECT_EQ(OpenDataFile(dir->file("kaputt.rwk")), OpenResult::Failed);
  expectUntouched(content, bytes);

  // A sound database with only one table of ours is not ours either.
  sqlite3* other = db::open(dir->file("anders.db"));
  ASSERT_TRUE(db::exec(other, gIntdat.SqlCreateDisznamen));
  db::close(other);
  writeFileBytes(dir->file("anders.rwk"), good.substr(0, kDbOffset) + readFileBytes(dir->file("anders.db")));
  EXPECT_EQ(OpenDataFile(dir->file("anders.rwk")), OpenResult::Failed);
  expectUntouched(content, bytes);

  // A pipe would block the program for good.
  ASSERT_EQ(mkfifo(dir->file("pipe.rwk").c_str(), 0600), 0);
  EXPECT_EQ(OpenDataFile(dir->file("pipe.rwk")), OpenResult::Failed);
  expectUntouched(content, bytes);

  EXPECT_FALSE(ReadExtractFile(dir->file("kaputt.rwk")));
  EXPECT_FALSE(ReadExtractFile(dir->file("fremd.rwk")));
  EXPECT_FALSE(ReadExtractFile(dir->file("anders.rwk")));
  EXPECT_FALSE(fs::exists(gIntdat.TempDbDateiPfad));

  // No temporary copies are left behind.
  for (const auto& e : fs::directory_iterator(dir->path()))
    EXPECT_EQ(e.path().filename().string().find(".zk-"), std::string::npos) << e.path();
}

// The data file must never take the place of a file the program works on, whatever the name
// it is given by.
TEST_F(DataFileTest, SaveOntoTheProgramsOwnFilesIsRefused) {
  fs::create_symlink(gIntdat.KonfigDateiPfad, dir->file("link.rwk"));
  for (const std::string& name : {dir->file("zielkontor.db"), dir->file("zikopfade.db"),
                                  dir->path() + "/./Zikoconfig.cnf", dir->file("link.rwk")}) {
    SCOPED_TRACE(name);
    const std::string before = readFileBytes(name);
    QString why;
    EXPECT_FALSE(SaveDataFile(name, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(readFileBytes(name) == before);
  }
  EXPECT_FALSE(isProgramFile(dir->file("saison.rwk")));
}

// A main database that is a symbolic link is replaced where the link points; a database part
// kept with a write-ahead log comes in the normal journal mode, with no log files beside it.
TEST_F(DataFileTest, OpenWritesThroughALinkAndLeavesNoLog) {
  sqlite3* wal = db::open(dir->file("wal.db"));
  ASSERT_TRUE(db::exec(wal, "PRAGMA journal_mode=WAL;"));
  ASSERT_TRUE(db::exec(wal, "VACUUM main INTO ?;", {dir->file("kopie.db")}));
  db::close(wal);
  ASSERT_TRUE(db::exec(gDbHaupt, "VACUUM INTO ?;", {dir->file("teil.db")}));
  sqlite3* part = db::open(dir->file("teil.db"));
  ASSERT_TRUE(db::exec(part, "PRAGMA journal_mode=WAL; INSERT INTO Vereine_gau (Nummer, Name) VALUES (99, 'Log');"));
  ASSERT_TRUE(db::exec(part, "PRAGMA wal_checkpoint(TRUNCATE);"));
  ASSERT_TRUE(SaveDataFile(dir->file("vorlage.rwk")));
  writeFileBytes(dir->file("wal.rwk"), readFileBytes(dir->file("vorlage.rwk")).substr(0, kDbOffset) +
                                           readFileBytes(dir->file("teil.db")));
  db::close(part);

  CloseDatabases();
  fs::create_directory(dir->file("daten"));
  fs::rename(dir->file("zielkontor.db"), dir->file("daten/zielkontor.db"));
  fs::create_symlink("daten/zielkontor.db", dir->file("zielkontor.db"));
  ASSERT_TRUE(OpenDatabases());

  ASSERT_EQ(OpenDataFile(dir->file("wal.rwk")), OpenResult::Ok);
  EXPECT_TRUE(fs::is_symlink(dir->file("zielkontor.db")));
  sqlite3* target = db::open(dir->file("daten/zielkontor.db"));
  EXPECT_EQ(db::query(target, "SELECT Name FROM Vereine_gau WHERE Nummer=99;").size(), 1u);
  EXPECT_EQ(db::query(target, "PRAGMA journal_mode;").text(0, 0), "delete");
  db::close(target);
  EXPECT_EQ(db::query(gDbHaupt, "SELECT Name FROM Vereine_gau WHERE Nummer=99;").size(), 1u);
  for (const char* log : {"zielkontor.db-wal", "zielkontor.db-shm", "daten/zielkontor.db-wal"})
    EXPECT_FALSE(fs::exists(dir->file(log))) << log;
}

// A copy that a killed open or extract left in the working folder is gone after the next
// start; a user's file that only looks alike stays.
TEST_F(DataFileTest, LeftoversOfAKilledRunGoAtTheNextStartAndNothingElse) {
  const std::pair<const char*, bool> files[] = {
      {"zielkontor.db.zk-einlesen-Ab12Cd", false},
      {"zielkontortmp.db.zk-einlesen-x9Y8z7", false},
      {"Vereinsliste.zk-einlesen-2026.txt", true},
      {"zielkontor.db.zk-einlesen-Ab12Cd.txt", true},
      {"zikopfade.db.zk-einlesen-Ab12Cd", true},
  };
  for (const auto& [name, kept] : files) writeFileBytes(dir->file(name), std::string(5000, 'x'));
  CloseDatabases();
  ASSERT_TRUE(OpenDatabases());
  for (const auto& [name, kept] : files) EXPECT_EQ(fs::exists(dir->file(name)), kept) << name;
}

// A database held by another program is named as the reason, not a lack of memory.
TEST_F(DataFileTest, SaveWhileAnotherProgramHoldsTheDatabaseSaysSo) {
  sqlite3* other = db::open(gIntdat.DbDateiPfad);
  ASSERT_TRUE(db::exec(other, "BEGIN EXCLUSIVE TRANSACTION;"));
  sqlite3_busy_timeout(gDbHaupt, 10);  // the wait itself is not looked at here
  QString why;
  EXPECT_FALSE(SaveDataFile(dir->file("saison.rwk"), &why));
  db::exec(other, "ROLLBACK TRANSACTION;");
  db::close(other);
  EXPECT_EQ(why, qs(db::kHeldElsewhere));
  EXPECT_FALSE(fs::exists(dir->file("saison.rwk")));
}

// A backup tool or a viewer in another process holds the live database: opening a data file
// must not rename a new database over it, where that program's writes would be lost.
TEST_F(DataFileTest, OpenWhileAnotherProcessHoldsTheDatabaseIsRefusedAndChangesNothing) {
  ASSERT_TRUE(SaveDataFile(dir->file("saison.rwk")));
  ASSERT_TRUE(db::exec(gDbHaupt, "DELETE FROM Vereine_gau WHERE Nummer=4711;"));
  const std::string content = contentOf(gDbHaupt);
  const std::string bytes = readFileBytes(gIntdat.DbDateiPfad);

  QString why;
  OpenResult result = OpenResult::Ok;
  {
    HeldDatabase other(gIntdat.DbDateiPfad);
    ASSERT_TRUE(other.held()) << "the other process did not get hold of the database";
    result = OpenDataFile(dir->file("saison.rwk"), &why);
  }

  EXPECT_EQ(result, OpenResult::Failed);
  EXPECT_EQ(why, qs("Die Datenbank\n") + qtPath(gIntdat.DbDateiPfad) +
                     qs("\nwird von einem anderen Programm benutzt. Es wurde nichts ge\xE4ndert."));
  EXPECT_EQ(readFileBytes(gIntdat.DbDateiPfad), bytes);
  EXPECT_EQ(contentOf(gDbHaupt), content);
  for (const auto& e : fs::directory_iterator(dir->path()))
    EXPECT_EQ(e.path().filename().string().find(".zk-einlesen-"), std::string::npos) << e.path();
}

TEST_F(DataFileTest, OlderFormatIsRecognisedAndChangesNothing) {
  const std::string content = contentOf(gDbHaupt);
  const std::string bytes = readFileBytes(gIntdat.DbDateiPfad);
  std::string old = "Okiz-DatenV0998";
  old.resize(3000, '\0');
  writeFileBytes(dir->file("alt.rwk"), old);
  EXPECT_EQ(OpenDataFile(dir->file("alt.rwk")), OpenResult::OlderFormat);
  expectUntouched(content, bytes);
  EXPECT_FALSE(ReadExtractFile(dir->file("alt.rwk")));
}

TEST_F(DataFileTest, StaleJournalIsNotPlayedIntoTheOpenedDatabase) {
  ASSERT_TRUE(SaveDataFile(dir->file("saison.rwk")));
  const std::string saved = contentOf(gDbHaupt);
  ASSERT_TRUE(db::exec(gDbHaupt, "DELETE FROM Vereine_gau;"));

  // A journal left by a crash: a second connection spills a large change to the file
  // and the journal is taken while it is still needed for a rollback.
  std::string journal;
  {
    sqlite3* other = db::open(gIntdat.DbDateiPfad);
    ASSERT_TRUE(db::exec(other, "PRAGMA cache_size=2; BEGIN TRANSACTION;"));
    for (int i = 0; i < 500; ++i)
      db::exec(other, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);",
               {20000 + i, std::string(300, 'j')});
    journal = readFileBytes(gIntdat.DbDateiPfad.string() + "-journal");
    db::exec(other, "ROLLBACK TRANSACTION;");
    db::close(other);
  }
  ASSERT_GT(journal.size(), 512u);
  writeFileBytes(gIntdat.DbDateiPfad.string() + "-journal", journal);

  ASSERT_EQ(OpenDataFile(dir->file("saison.rwk")), OpenResult::Ok);
  EXPECT_EQ(contentOf(gDbHaupt), saved);
}

TEST_F(DataFileTest, ExtractWhileTheTemporaryDatabaseIsOpen) {
  ASSERT_TRUE(SaveDataFile(dir->file("erste.rwk")));
  QString why;
  ASSERT_TRUE(ReadExtractFile(dir->file("erste.rwk"), &why)) << why.toStdString();
  gDbTemp = db::open(gIntdat.TempDbDateiPfad);
  ASSERT_NE(gDbTemp, nullptr);
  EXPECT_EQ(db::query(gDbTemp, "SELECT Name FROM Vereine_gau WHERE Nummer=4711;").size(), 1u);

  ASSERT_TRUE(db::exec(gDbHaupt, "UPDATE Vereine_gau SET Name=? WHERE Nummer=4711;",
                       {"Zweiter Stand"}));
  ASSERT_TRUE(SaveDataFile(dir->file("zweite.rwk")));
  const std::string main = readFileBytes(gIntdat.DbDateiPfad);

  ASSERT_TRUE(ReadExtractFile(dir->file("zweite.rwk")));
  EXPECT_EQ(gDbTemp, nullptr);
  sqlite3* extracted = db::open(gIntdat.TempDbDateiPfad);
  db::Table t = db::query(extracted, "SELECT Name FROM Vereine_gau WHERE Nummer=4711;");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t.text(0, 0), "Zweiter Stand");
  EXPECT_EQ(contentOf(extracted), contentOf(gDbHaupt));
  db::close(extracted);
  EXPECT_EQ(readFileBytes(gIntdat.DbDateiPfad), main);
}

// A working folder and a data file whose names cp1252 cannot spell: every step finds its
// files, and the folder is not remembered in the stored texts.
TEST(DataFileFolder, WorkingFolderOutsideCodePage) {
  msg::ScriptedMessages messages;
  ScopedWorkDir base;
  const fs::path folder = fs::path(base.path()) / u8"Łódź";
  ASSERT_TRUE(fs::create_directory(folder));
  fs::current_path(folder);
  for (int start = 0; start < 2; ++start) {
    ASSERT_TRUE(OpenDatabases());
    EXPECT_EQ(PrepareDatabases(), start == 0) << "the second start finds the settings";
    if (start == 0) {
      ASSERT_TRUE(db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (4711, 'Tell');"));
    }
    ShutDown();
  }
  ASSERT_TRUE(OpenDatabases());
  PrepareDatabases();
  EXPECT_EQ(gIntdat.ProgrammVerzeichnis, folder);
  EXPECT_EQ(fieldText(gEinstellungen.DatenVerzeichnis), "") << "a folder cp1252 cannot name is not kept";
  EXPECT_EQ(db::query(gDbPfade, "SELECT Pfad1 FROM PfadeEinzelausgb_10 WHERE Disznr=0;").text(0, 0), "");
  const std::string saved = contentOf(gDbHaupt);

  const fs::path file = folder / u8"Gau_Łódź.rwk";
  ASSERT_TRUE(SaveDataFile(file));
  EXPECT_TRUE(fs::exists(file));
  ASSERT_TRUE(db::exec(gDbHaupt, "DELETE FROM Vereine_gau;"));
  EXPECT_EQ(OpenDataFile(file), OpenResult::Ok);
  ASSERT_NE(gDbHaupt, nullptr);
  EXPECT_EQ(contentOf(gDbHaupt), saved);

  EXPECT_TRUE(ReadExtractFile(file));
  gDbTemp = db::open(gIntdat.TempDbDateiPfad);
  EXPECT_EQ(db::query(gDbTemp, "SELECT Name FROM Vereine_gau WHERE Nummer=4711;").size(), 1u);
  db::close(gDbTemp);
  CloseDatabases();
  EXPECT_EQ(messages.count(), 0u);
  // Nothing was written beside the folder under a wrongly spelled name.
  for (const auto& e : fs::directory_iterator(base.path())) {
    EXPECT_EQ(e.path(), folder);
  }
}

}  // namespace
