// Taking a discipline over from another data set: as a new discipline, in place of one,
// and with the clubs and shooters it names.
#include <filesystem>
#include <map>

#include "core/datafile.h"
#include "core/db.h"
#include "core/globals.h"
#include "core/startup.h"
#include "exchange/diszimport.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "support/testenv.h"

namespace {

const char* const kMainTables[] = {
    "Vereine_gau", "Vereine_zstext", "Schuetzen",   "Schuetzensperre", "Wettkampfleiter",
    "Disznamen",   "Mschklassen",    "Termine",     "Msch_in_klassen", "Mscherg",
    "Schuetzenerg", "Gegner",        "Mschaufstlg", "JgKlassen",       "JgKlEinstellungen",
    "Msch_fuehrer"};

using Rows = std::vector<std::vector<std::string>>;

Rows rows(sqlite3* db, const std::string& sql, const db::Params& params = {}) {
  return db::query(db, sql, params).rows;
}

// Where a discipline table keeps its column Disznr.
size_t disznrColumn(const std::string& table) {
  std::vector<std::string> names = db::columnNames(gDbHaupt, table);
  size_t col = 0;
  while (names[col] != "Disznr") ++col;
  return col;
}

std::map<std::string, Rows> snapshot() {
  std::map<std::string, Rows> all;
  for (const char* t : kMainTables)
    all[t] = rows(gDbHaupt, std::string("SELECT * FROM ") + t + " ORDER BY rowid;");
  return all;
}

class DisciplineImportTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    // Discipline 1 of the other data set: one class of two teams, one of them of a club
    // this data set lacks, a result of a shooter of yet another club.
    const char* statements[] = {
        "INSERT INTO Vereine_gau (Nummer, Name) VALUES (7, 'Verein 7'), (8, 'Verein 8');",
        "INSERT INTO Vereine_zstext (Nummer, ZsText) VALUES (7, 'Text 7');",
        "INSERT INTO Schuetzen (Passnr, VrNr, Name) VALUES (55, 8, 'Gast Schütze');",
        "UPDATE Disznamen SET WklNr=3, Saisonname='2020/2021' WHERE Nr=1;",
        "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (1, 'Kreisklasse', 2, 1);",
        "INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (1, 1, '01.10.', 1), (1, 2, '01.11.', 1);",
        "INSERT INTO Msch_in_klassen VALUES (1, 1, 1, 1, 1), (1, 2, 1, 7, 1);",
        "INSERT INTO Mscherg VALUES (1, 7, 1, 14600, 2, 0, 0, 1, 1);",
        "INSERT INTO Schuetzenerg VALUES (55, 1, 3650, 1, 1, 1, 7, 1), (1, 0, 3700, 1, 0, 0, 1, 0);",
        "INSERT INTO Gegner VALUES (1, 1, 1, 1, 1, 7, 1), (1, 1, 2, 7, 1, 1, 1);",
        "INSERT INTO Mschaufstlg VALUES (1, 1, 1, 0, 55, 7, 1);",
        "INSERT INTO Msch_fuehrer (Disznr, Vrnr, Rmschnr, Name) VALUES (1, 7, 1, 'Hans Huber');",
    };
    for (const char* s : statements) ASSERT_TRUE(db::exec(gDbHaupt, s)) << s;
    other = dir->file("other.db");
    ASSERT_TRUE(db::exec(gDbHaupt, "VACUUM INTO ?;", {other}));

    // This data set: without those clubs and the shooter, discipline 1 without rows.
    const char* mine[] = {
        "DELETE FROM Vereine_gau WHERE Nummer IN (7, 8);",
        "DELETE FROM Vereine_zstext WHERE Nummer=7;",
        "DELETE FROM Schuetzen WHERE Passnr=55;",
        "UPDATE Disznamen SET WklNr=0 WHERE Nr=1;",
        "DELETE FROM Mschklassen;", "DELETE FROM Termine;", "DELETE FROM Msch_in_klassen;",
        "DELETE FROM Mscherg;", "DELETE FROM Schuetzenerg WHERE Disznr=1;", "DELETE FROM Gegner;",
        "DELETE FROM Mschaufstlg;", "DELETE FROM Msch_fuehrer;",
        "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (1, 'Gauliga', 0, 0);",
    };
    for (const char* s : mine) ASSERT_TRUE(db::exec(gDbHaupt, s)) << s;
  }

  // The rows of a discipline table in the other data set, with the discipline as given.
  Rows theirs(const std::string& table, int disznr) {
    db::exec(gDbHaupt, "ATTACH DATABASE ? AS other;", {other});
    Rows r = rows(gDbHaupt, "SELECT * FROM other." + table + " WHERE Disznr=1 ORDER BY rowid;");
    db::exec(gDbHaupt, "DETACH DATABASE other;");
    const size_t col = disznrColumn(table);
    for (auto& row : r) row[col] = std::to_string(disznr);
    return r;
  }

  std::string other;
};

const char* const kDisciplineTables[] = {"Mschklassen", "Termine", "Msch_in_klassen", "Mscherg",
                                         "Schuetzenerg", "Gegner", "Mschaufstlg", "JgKlassen",
                                         "JgKlEinstellungen", "Msch_fuehrer"};

}  // namespace

TEST_F(DisciplineImportTest, AppendsAtTheNextNumberWithItsRowsClubsAndShooters) {
  auto before = snapshot();
  msg::ScriptedMessages messages;
  ASSERT_EQ(importDiscipline(other, 1, -1), 2);
  EXPECT_EQ(messages.count(), 0u);

  EXPECT_EQ(rows(gDbHaupt, "SELECT Bezeichnung, Saisonname, WklNr FROM Disznamen WHERE Nr=2;"),
            (Rows{{"Luftpistole", "2020/2021", "0"}}));
  for (const char* t : kDisciplineTables)
    EXPECT_EQ(rows(gDbHaupt, std::string("SELECT * FROM ") + t + " WHERE Disznr=2 ORDER BY rowid;"),
              theirs(t, 2))
        << t;

  // Everything else as it was, plus the clubs and the shooter the rows name.
  auto after = snapshot();
  for (const char* t : kDisciplineTables) {
    Rows kept;
    const size_t col = disznrColumn(t);
    for (auto& row : after[t])
      if (row[col] != "2") kept.push_back(row);
    EXPECT_EQ(kept, before[t]) << t;
  }
  EXPECT_EQ(after["Disznamen"].size(), before["Disznamen"].size() + 1);
  EXPECT_EQ(rows(gDbHaupt, "SELECT Nummer, Name FROM Vereine_gau ORDER BY rowid;"),
            (Rows{{"1", "Verein 1"}, {"7", "Verein 7"}, {"8", "Verein 8"}}));
  EXPECT_EQ(rows(gDbHaupt, "SELECT Nummer, ZsText FROM Vereine_zstext ORDER BY rowid;"),
            (Rows{{"1", "Text zu Verein 1"}, {"7", "Text 7"}}));
  EXPECT_EQ(rows(gDbHaupt, "SELECT Passnr, VrNr, Name FROM Schuetzen ORDER BY rowid;"),
            (Rows{{"1", "1", "Schütze 1"}, {"55", "8", "Gast Schütze"}}));
  EXPECT_EQ(after["Wettkampfleiter"], before["Wettkampfleiter"]);
  EXPECT_EQ(after["Schuetzensperre"], before["Schuetzensperre"]);

  // The settings rows of a new discipline.
  const std::string& folder = gIntdat.ProgrammVerzeichnis;
  EXPECT_EQ(rows(gDbPfade, "SELECT Pfad1, Pfad10 FROM PfadeEinzelausgb_10 WHERE Disznr=2;"),
            (Rows{{folder, folder}}));
  EXPECT_EQ(rows(gDbPfade, "SELECT StarttabPfad FROM PfadeNeueSaison WHERE Disznr=2;"),
            (Rows{{folder}}));
  EXPECT_EQ(rows(gDbAutoImpExp, "SELECT RmePfadLokal, Username FROM RmeImport WHERE Disznr=2;"),
            (Rows{{folder, ""}}));

  // A second import appends again and adds no club twice.
  ASSERT_EQ(importDiscipline(other, 1, -1), 3);
  EXPECT_EQ(rows(gDbHaupt, "SELECT COUNT(*) FROM Vereine_gau;"), (Rows{{"3"}}));
}

TEST_F(DisciplineImportTest, ReplacesTheRowsOfAChosenDisciplineKeepingItsManager) {
  db::exec(gDbHaupt, "UPDATE Disznamen SET WklNr=4 WHERE Nr=0;");
  auto before = snapshot();
  long pathRows = db::query(gDbPfade, "SELECT COUNT(*) FROM PfadeEinzelausgb_10;").num(0, 0);

  ASSERT_EQ(importDiscipline(other, 1, 0), 0);
  EXPECT_EQ(rows(gDbHaupt, "SELECT Bezeichnung, Saisonname, WklNr FROM Disznamen WHERE Nr=0;"),
            (Rows{{"Luftpistole", "2020/2021", "4"}}));
  auto after = snapshot();
  EXPECT_EQ(after["Disznamen"].size(), before["Disznamen"].size());
  EXPECT_EQ(after["Disznamen"][1], before["Disznamen"][1]);
  for (const char* t : kDisciplineTables)
    EXPECT_EQ(rows(gDbHaupt, std::string("SELECT * FROM ") + t + " WHERE Disznr=0 ORDER BY rowid;"),
              theirs(t, 0))
        << t;
  EXPECT_EQ(rows(gDbHaupt, "SELECT * FROM JgKlassen WHERE Disznr=1 ORDER BY rowid;").size(), 10u);
  EXPECT_EQ(db::query(gDbPfade, "SELECT COUNT(*) FROM PfadeEinzelausgb_10;").num(0, 0), pathRows);
}

TEST_F(DisciplineImportTest, MissingDisciplineChangesNothing) {
  auto before = snapshot();
  msg::ScriptedMessages messages;
  EXPECT_EQ(importDiscipline(other, 9, -1), -1);
  EXPECT_EQ(snapshot(), before);
  // The other data set is let go again: the next import works.
  EXPECT_EQ(importDiscipline(other, 1, -1), 2);
}

TEST_F(DisciplineImportTest, OlderDataSetWithoutAColumnStillCopies) {
  // A data set of an older version: Vereine_zstext without TelSStd.
  sqlite3* old = db::open(other);
  ASSERT_NE(old, nullptr);
  ASSERT_TRUE(db::exec(old, "ALTER TABLE Vereine_zstext DROP COLUMN TelSStd;"));
  db::close(old);
  ASSERT_EQ(importDiscipline(other, 1, -1), 2);
  EXPECT_EQ(rows(gDbHaupt, "SELECT ZsText, TelSStd FROM Vereine_zstext WHERE Nummer=7;"),
            (Rows{{"Text 7", ""}}));
}

namespace {
// The other data set in a folder with an umlaut or a name cp1252 cannot spell.
TEST_F(DisciplineImportTest, DataSetInAFolderOfAnyName) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(dir->path()) / u8"\u0141\u00F3d\u017A Sch\u00FCtze";
  fs::create_directory(folder);
  fs::copy_file(other, folder / "other.db");
  EXPECT_EQ(importDiscipline(folder / "other.db", 1, -1), 2);
}
}  // namespace

namespace {
// The longest data folder the start takes can still open a data file and import from one,
// whose temporary databases have the longest names; one character more is refused with the
// message about the path, and nothing is made in it.
TEST(LongDataFolder, TheLongestFolderTakenOpensAndImportsOneMoreIsRefused) {
  namespace fs = std::filesystem;
  ScopedWorkDir dir;
  msg::ScriptedMessages boxes;
  ASSERT_TRUE(OpenDatabases());
  PrepareDatabases();
  const std::string dataFile = dir.file("quelle.rwk");
  ASSERT_TRUE(SaveDataFile(dataFile));
  ShutDown();
  // Each length is one more letter in the last of folders of at most 200 letters.
  size_t length = 600;
  for (std::string folder; length > 400; --length, boxes.clear()) {
    folder = dir.path();
    for (size_t rest; (rest = length - folder.size() - 1) > 0 && folder.size() < length;)
      fs::create_directory(folder += "/" + std::string(rest > 200 ? (rest - 200 >= 2 ? 200 : 150) : rest, 'z'));
    fs::current_path(folder);
    if (OpenDatabases()) break;
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_NE(boxes.shown()[0].text.find("ist zu lang f\xFCr die Datenbanken"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(folder)) << length;
  }
  ASSERT_GT(length, 400u) << "a folder of ordinary length is refused";
  PrepareDatabases();
  QString why;
  EXPECT_EQ(OpenDataFile(dataFile, &why), OpenResult::Ok) << why.toStdString();
  ASSERT_TRUE(ReadExtractFile(dataFile, &why)) << why.toStdString();
  EXPECT_GE(importDiscipline(gIntdat.TempDbDateiPfad, 0, -1), 0);
  ShutDown();
  fs::current_path(dir.path());
  for (const auto& b : boxes.shown()) ADD_FAILURE() << b.text;
}
}  // namespace
