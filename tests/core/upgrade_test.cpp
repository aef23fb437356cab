// Bringing the tables of older databases up to date at start-up.
#include <strings.h>

#include "core/db.h"
#include "core/globals.h"
#include "core/upgrade.h"
#include "platform/messages.h"
#include "support/helddatabase.h"
#include "support/testenv.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows rows(sqlite3* conn, const std::string& sql, const db::Params& p = {}) {
  return db::query(conn, sql, p).rows;
}

// Schema and every row of every table of a connection, as one text.
std::string dump(sqlite3* conn) {
  std::string out;
  for (auto& t : rows(conn, "SELECT name, sql, type FROM sqlite_master ORDER BY name;")) {
    out += t[1] + "\n";
    if (t[2] != "table") continue;
    for (auto& r : rows(conn, "SELECT * FROM \"" + t[0] + "\";")) {
      for (auto& v : r) out += v + "|";
      out += "\n";
    }
  }
  return out;
}

class Upgrade : public DatabaseTest {
 protected:
  std::vector<sqlite3*> all() const {
    return {gDbHaupt, gDbPfade, gDbAgenda, gDbStammdaten, gDbAutoImpExp};
  }
};

TEST_F(Upgrade, CurrentDatabaseStaysAsItWasAndRowsLikeTheOldMarkersSurvive) {
  msg::ScriptedMessages boxes;
  // Real rows that hold the values an insert-and-delete probe would have used.
  db::exec(gDbStammdaten, "INSERT INTO Eintrag (Satzindex, Wert) VALUES (1, '9999');");
  db::exec(gDbHaupt, "INSERT INTO Vereine_zstext (Nummer, ZsText, TelSStd) VALUES (9999, 'Z', '123');");
  db::exec(gDbAgenda, "INSERT INTO Aktion (Satzindex, Typ) VALUES (1, 9999);");
  db::exec(gDbAutoImpExp, "INSERT INTO RmeImport (Disznr, Url) VALUES (5, 'xyz');");
  db::exec(gDbPfade, "INSERT INTO PfadeNeueSaison (Disznr, StarttabPfad) VALUES (99, 'Test');");
  std::vector<std::string> before;
  for (sqlite3* c : all()) before.push_back(dump(c));

  RunUpgradeProbes(false);
  for (auto& b : boxes.shown()) ADD_FAILURE() << b.text;
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(dump(all()[i]), before[i]) << kDbFiles[i];
}

TEST_F(Upgrade, OlderPathTablesAreRebuiltKeepingTheFivePaths) {
  const std::string& p = gIntdat.ProgrammVerzeichnis;
  db::exec(gDbPfade,
           "DROP TABLE PfadeEinzelausgb_10; DROP TABLE PfadeNeueSaison;"
           "CREATE TABLE PfadeEinzelausgb (Disznr INTEGER, Pfad1 STRING, Pfad2 STRING, Pfad3 STRING,"
           " Pfad4 STRING, Pfad5 STRING);"
           "INSERT INTO PfadeEinzelausgb VALUES (1, 'C:\\a', 'C:\\b', 'c', 'd', 'e');"
           "CREATE TABLE PfadeNeueSaison (Disznr INTEGER, Anders STRING);");
  msg::ScriptedMessages boxes;
  UpgradePathTables();
  EXPECT_EQ(boxes.count(), 0u);

  Rows ten = rows(gDbPfade, "SELECT * FROM PfadeEinzelausgb_10 ORDER BY Disznr;");
  ASSERT_EQ(ten.size(), 2u);
  EXPECT_EQ(ten[0], (std::vector<std::string>{"0", p, p, p, p, p, p, p, p, p, p}));
  EXPECT_EQ(ten[1], (std::vector<std::string>{"1", "C:\\a", "C:\\b", "c", "d", "e", p, p, p, p, p}));
  EXPECT_FALSE(db::tableExists(gDbPfade, "PfadeEinzelausgb"));

  Rows season = rows(gDbPfade, "SELECT * FROM PfadeNeueSaison ORDER BY Disznr;");
  EXPECT_EQ(season, (Rows{{"0", p, p, p}, {"1", p, p, p}}));
  // The table that was current is left alone.
  EXPECT_EQ(rows(gDbPfade, "SELECT COUNT(*) FROM PfadeImpExp;"), (Rows{{"2"}}));
}

TEST_F(Upgrade, MissingPathTablesAreMadeWithoutAnyMessage) {
  db::exec(gDbPfade, "DROP TABLE PfadeEinzelausgb_10; DROP TABLE PfadeImpExp;");
  msg::ScriptedMessages boxes;
  UpgradePathTables();
  EXPECT_EQ(boxes.count(), 0u);
  EXPECT_EQ(rows(gDbPfade, "SELECT COUNT(*) FROM PfadeEinzelausgb_10;"), (Rows{{"2"}}));
  const std::string& p = gIntdat.ProgrammVerzeichnis;
  EXPECT_EQ(rows(gDbPfade, "SELECT * FROM PfadeImpExp ORDER BY Disznr;"),
            (Rows{{"0", p, p}, {"1", p, p}}));
}

TEST_F(Upgrade, ClubTextsGainTheTelephoneColumn) {
  db::exec(gDbHaupt,
           "DROP TABLE Vereine_zstext; CREATE TABLE Vereine_zstext (Nummer INTEGER, ZsText STRING);"
           "INSERT INTO Vereine_zstext VALUES (4, 'Alt');");
  UpgradeTableVereineZstext();
  EXPECT_EQ(db::columnNames(gDbHaupt, "Vereine_zstext"),
            (std::vector<std::string>{"Nummer", "ZsText", "TelSStd"}));
  EXPECT_EQ(rows(gDbHaupt, "SELECT Nummer, ZsText, typeof(TelSStd) FROM Vereine_zstext;"),
            (Rows{{"4", "Alt", "null"}}));
}

TEST_F(Upgrade, OlderAddressTablesDeclareTheirTelephonesAsTextAndKeepEveryRow) {
  // The layouts of older files: every text column STRING, which stores "0815" as 815.
  db::exec(gDbHaupt,
           "DROP TABLE Vereine_zstext; DROP TABLE Wettkampfleiter; DROP TABLE Msch_fuehrer;"
           "CREATE TABLE Vereine_zstext (Nummer INTEGER, ZsText STRING, TelSStd STRING);"
           "CREATE TABLE Wettkampfleiter (Nr INTEGER, Name STRING, Strasse STRING, Plz STRING, "
           "Ort STRING, Tel STRING, Fax STRING, Mail STRING);"
           "CREATE TABLE Msch_fuehrer (Disznr INTEGER, Vrnr INTEGER, Rmschnr INTEGER, Name STRING, "
           "Strasse STRING, Plz STRING, Ort STRING, Tel_a STRING, Tel_b STRING, Fax STRING, Mail STRING);"
           "CREATE INDEX Fuehrer_Team ON Msch_fuehrer (Vrnr, Rmschnr);"
           "INSERT INTO Vereine_zstext (rowid, Nummer, ZsText, TelSStd) VALUES (7, 3, '0042', '0815'), "
           "(2, 1, 'Text', '089 12');"
           "INSERT INTO Wettkampfleiter VALUES (0, 'Kurz', 'Weg 1', '01067', 'Dresden', '0351', NULL, 'k@x.de');"
           "INSERT INTO Msch_fuehrer VALUES (0, 3, 1, 'Lang', 'Gasse 2', '80331', 'M', '+49 170', "
           "'089 1', '12.50', 'l@x.de');");
  const std::string before = dump(gDbHaupt);
  const std::string kept = "SELECT rowid, * FROM Vereine_zstext ORDER BY rowid;";
  const Rows clubTexts = rows(gDbHaupt, kept);
  const Rows managers = rows(gDbHaupt, "SELECT * FROM Wettkampfleiter;");
  const Rows captains = rows(gDbHaupt, "SELECT * FROM Msch_fuehrer;");
  ASSERT_EQ(clubTexts[1][3], "815") << "what the older layout made of it";

  msg::ScriptedMessages boxes;
  RunUpgradeProbes(false);
  for (auto& b : boxes.shown()) ADD_FAILURE() << b.text;
  EXPECT_EQ(rows(gDbHaupt, kept), clubTexts) << "rows, their order and rowids kept";
  EXPECT_EQ(rows(gDbHaupt, "SELECT * FROM Wettkampfleiter;"), managers);
  EXPECT_EQ(rows(gDbHaupt, "SELECT * FROM Msch_fuehrer;"), captains);
  EXPECT_EQ(rows(gDbHaupt, "SELECT typeof(ZsText) FROM Vereine_zstext WHERE Nummer=3;"), (Rows{{"integer"}}))
      << "the other columns keep their declaration";
  EXPECT_EQ(rows(gDbHaupt, "SELECT name FROM sqlite_master WHERE type='index';"), (Rows{{"Fuehrer_Team"}}));
  // Built again with the very layout a new database gets.
  const std::pair<const char*, std::string _ziko_intdat::*> layouts[] = {
      {"Vereine_zstext", &_ziko_intdat::SqlCreateVereineZstext},
      {"Wettkampfleiter", &_ziko_intdat::SqlCreateWettkampfleiter},
      {"Msch_fuehrer", &_ziko_intdat::SqlCreateMschFuehrer}};
  for (const auto& [table, create] : layouts)
    EXPECT_EQ(rows(gDbHaupt, "SELECT sql FROM sqlite_master WHERE name=?;", {table}), (Rows{{gIntdat.*create}}));

  // From now on a leading zero stays; a second start changes nothing more.
  db::exec(gDbHaupt, "UPDATE Wettkampfleiter SET Tel='0815'; UPDATE Msch_fuehrer SET Plz='01067';"
                     "UPDATE Vereine_zstext SET TelSStd='0911' WHERE Nummer=1;");
  EXPECT_EQ(rows(gDbHaupt, "SELECT Tel FROM Wettkampfleiter;"), (Rows{{"0815"}}));
  EXPECT_EQ(rows(gDbHaupt, "SELECT Plz FROM Msch_fuehrer;"), (Rows{{"01067"}}));
  EXPECT_EQ(rows(gDbHaupt, "SELECT TelSStd FROM Vereine_zstext WHERE Nummer=1;"), (Rows{{"0911"}}));
  const std::string upgraded = dump(gDbHaupt);
  EXPECT_NE(upgraded, before);
  RunUpgradeProbes(false);
  EXPECT_EQ(dump(gDbHaupt), upgraded);
}

TEST_F(Upgrade, OlderActionAndEntryTablesAreRebuiltEmpty) {
  db::exec(gDbAgenda, "DROP TABLE Aktion; CREATE TABLE Aktion (Satzindex INTEGER); "
                      "INSERT INTO Aktion VALUES (1);");
  db::exec(gDbStammdaten, "DROP TABLE Eintrag;");
  UpgradeTableAktion();
  UpgradeTableEintrag();
  EXPECT_EQ(db::columnNames(gDbAgenda, "Aktion").size(), 19u);
  EXPECT_EQ(rows(gDbAgenda, "SELECT COUNT(*) FROM Aktion;"), (Rows{{"0"}}));
  EXPECT_EQ(db::columnNames(gDbStammdaten, "Eintrag"),
            (std::vector<std::string>{"Satzindex", "Wert"}));
}

// Another program holds the database that an older table is in, or the main database whose
// disciplines the paths probe reads: one message names the held database in the words of the
// start (not a table said to exist already), and the older table stays as it was.
TEST_F(Upgrade, OlderTableInADatabaseAnotherProgramHoldsIsNamedAndKept) {
  db::exec(gDbPfade, "DROP TABLE PfadeNeueSaison; CREATE TABLE PfadeNeueSaison (Disznr INTEGER);");
  db::exec(gDbHaupt, "DROP TABLE Vereine_zstext; CREATE TABLE Vereine_zstext (Nummer INTEGER, ZsText STRING, "
                     "TelSStd STRING); INSERT INTO Vereine_zstext VALUES (3, 'Text', '089 12');");
  const struct {
    sqlite3* conn;
    const char* file;
    bool (*probe)();
  } cases[] = {{gDbPfade, "zikopfade.db", UpgradePathTables},
               {gDbHaupt, "zielkontor.db", UpgradeAddressTables},
               {gDbPfade, "zielkontor.db", UpgradePathTables}};
  for (sqlite3* conn : all()) sqlite3_busy_timeout(conn, 10);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " held, probe of " + sqlite3_db_filename(c.conn, "main"));
    const std::string before = dump(c.conn);
    msg::ScriptedMessages boxes;
    {
      HeldDatabase other(gIntdat.ProgrammVerzeichnis / c.file);
      ASSERT_TRUE(other.held());
      EXPECT_FALSE(c.probe());
    }
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Die Datenbank\n" + (gIntdat.ProgrammVerzeichnis / c.file).string() +
                                         "\nwird von einem anderen Programm benutzt. Es wurde nichts ge\xE4ndert.");
    EXPECT_EQ(dump(c.conn), before);
  }
}

// Refuses one kind of statement on one table of conn while it lives: a statement that fails
// in the middle of a probe.
struct Refused {
  Refused(sqlite3* c, int a, const char* t) : conn(c), action(a), table(t) {
    sqlite3_set_authorizer(conn, [](void* self, int a, const char* what, const char*, const char*, const char*) {
      auto* r = static_cast<Refused*>(self);
      return a == r->action && what && strcasecmp(what, r->table) == 0 ? SQLITE_DENY : SQLITE_OK;
    }, this);
  }
  ~Refused() { sqlite3_set_authorizer(conn, nullptr, nullptr); }
  sqlite3* conn;
  int action;
  const char* table;
};

// A statement that fails inside a probe takes the whole probe back: both databases stay as
// they were, and one message names the database and the reason.
TEST_F(Upgrade, StatementFailingInsideAProbeTakesTheWholeProbeBack) {
  db::exec(gDbPfade,
           "DROP TABLE PfadeEinzelausgb_10;"
           "CREATE TABLE PfadeEinzelausgb (Disznr INTEGER, Pfad1 STRING, Pfad2 STRING, Pfad3 STRING,"
           " Pfad4 STRING, Pfad5 STRING);"
           "INSERT INTO PfadeEinzelausgb VALUES (1, 'C:\\a', 'C:\\b', 'c', 'd', 'e');"
           "DELETE FROM PfadeImpExp; INSERT INTO PfadeImpExp VALUES (0, '/rme', 'x0'), (1, 'benutzer', 'x1'),"
           " (2, 'kennwort', 'x2'), (3, 'ftp.example.org', 'x3');");
  db::exec(gDbAutoImpExp, "DROP TABLE RmeImport;");
  const struct {
    const char* what;
    sqlite3* conn;
    int action;
    const char* table;
    bool (*probe)();
  } cases[] = {
      {"the five paths taken over", gDbPfade, SQLITE_UPDATE, "PfadeEinzelausgb_10", UpgradePathTables},
      {"the old report rows taken away", gDbPfade, SQLITE_DELETE, "PfadeImpExp", [] { return UpgradeTableRmeImport(); }},
      {"the report rows made", gDbAutoImpExp, SQLITE_INSERT, "RmeImport", [] { return UpgradeTableRmeImport(); }},
  };
  const std::string paths = dump(gDbPfade), reports = dump(gDbAutoImpExp);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    msg::ScriptedMessages boxes;
    {
      Refused refused(c.conn, c.action, c.table);
      EXPECT_FALSE(c.probe());
    }
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Die Tabellen der Datenbank\n" + std::string(sqlite3_db_filename(c.conn, "main")) +
                                         "\nkonnten nicht umgestellt werden:\nnot authorized\nEs wurde nichts ge\xE4ndert.");
    EXPECT_EQ(dump(gDbPfade), paths);
    EXPECT_EQ(dump(gDbAutoImpExp), reports);
  }
}

TEST_F(Upgrade, ReportSettingsMoveFromOlderPathRowsIntoOneRowPerDiscipline) {
  db::exec(gDbAutoImpExp, "DROP TABLE RmeImport; DROP TABLE AutoAblauf;");
  db::exec(gDbPfade,
           "DELETE FROM PfadeImpExp;"
           "INSERT INTO PfadeImpExp VALUES (0, '/rme', 'x0');"
           "INSERT INTO PfadeImpExp VALUES (1, 'benutzer', 'x1');"
           "INSERT INTO PfadeImpExp VALUES (2, 'kennwort', 'x2');"
           "INSERT INTO PfadeImpExp VALUES (3, 'ftp.example.org', 'x3');"
           "INSERT INTO PfadeImpExp VALUES (4, 'bleibt', 'x4');");
  db::exec(gDbHaupt, "INSERT INTO Disznamen (Nr, Bezeichnung) VALUES (2, 'KK');");
  UpgradeTableRmeImport(false);

  EXPECT_EQ(rows(gDbAutoImpExp, "SELECT * FROM RmeImport ORDER BY Disznr;"),
            (Rows{{"0", "/rme", "benutzer", "kennwort", "ftp.example.org"},
                  {"1", "/rme", "benutzer", "kennwort", "ftp.example.org"},
                  {"2", "/rme", "benutzer", "kennwort", "ftp.example.org"}}));
  EXPECT_TRUE(db::tableExists(gDbAutoImpExp, "AutoAblauf"));
  EXPECT_EQ(rows(gDbPfade, "SELECT Disznr FROM PfadeImpExp ORDER BY Disznr;"), (Rows{{"0"}, {"4"}}));
}

TEST_F(Upgrade, FirstStartGivesEachDisciplineAReportRowAndKeepsThePathRows) {
  const std::string& p = gIntdat.ProgrammVerzeichnis;
  // The fixture built the default database and ran the probes, as a first start does.
  EXPECT_EQ(rows(gDbAutoImpExp, "SELECT * FROM RmeImport ORDER BY Disznr;"),
            (Rows{{"0", p, "", "", ""}, {"1", p, "", "", ""}}));
  EXPECT_EQ(rows(gDbPfade, "SELECT * FROM PfadeImpExp ORDER BY Disznr;"),
            (Rows{{"0", p, p}, {"1", p, p}}));
  EXPECT_EQ(rows(gDbPfade, "SELECT COUNT(*) FROM PfadeNeueSaison;"), (Rows{{"2"}}));
  EXPECT_EQ(rows(gDbPfade, "SELECT COUNT(*) FROM PfadeEinzelausgb_10;"), (Rows{{"2"}}));
}

}  // namespace
