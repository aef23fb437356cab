// The layer over SQLite: bound values, result tables, the error box and nesting guards.
#include "core/db.h"

#include <gtest/gtest.h>

#include "platform/messages.h"
#include "support/testenv.h"

namespace {

class Database : public ::testing::Test {
 protected:
  void SetUp() override {
    conn = db::open(dir.file("probe.db"));
    ASSERT_NE(conn, nullptr);
    ASSERT_TRUE(db::exec(conn, "CREATE TABLE Vereine_gau (Nummer INTEGER, Name STRING);"));
  }
  void TearDown() override { db::close(conn); }

  std::vector<std::string> namesOf(const std::string& name) {
    db::Table t = db::query(conn, "SELECT Nummer FROM Vereine_gau WHERE Name=? ORDER BY Nummer;",
                            {name});
    std::vector<std::string> out;
    for (auto& row : t.rows) out.push_back(row[0]);
    return out;
  }
  long clubs() { return db::query(conn, "SELECT COUNT(*) FROM Vereine_gau;").num(0, 0); }

  ScopedWorkDir dir;
  sqlite3* conn = nullptr;
};

TEST_F(Database, QuotesAndColumnNamesAreStoredAndMatchedAsPlainValues) {
  msg::ScriptedMessages boxes;
  const std::string quoted = "SV \"Tell\" 1862";
  const std::string apostrophe = "Sch\xFCtzen's Eck";
  for (auto [nr, name] : {std::pair{1, quoted}, {2, std::string("Name")}, {3, apostrophe},
                          {4, std::string("Andere")}})
    ASSERT_TRUE(db::exec(conn, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);", {nr, name}));
  EXPECT_EQ(boxes.count(), 0u);

  EXPECT_EQ(namesOf(quoted), std::vector<std::string>{"1"});
  EXPECT_EQ(namesOf(apostrophe), std::vector<std::string>{"3"});
  // A value equal to a column name is that text, not the column: one row, not all.
  EXPECT_EQ(namesOf("Name"), std::vector<std::string>{"2"});

  db::Table t = db::query(conn, "SELECT Name FROM Vereine_gau WHERE Nummer=?;", {1});
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t.text(0, 0), quoted);
}

TEST_F(Database, NullReadsAsEmptyAndNumbersAsTheirLeadingDigits) {
  ASSERT_TRUE(db::exec(conn, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);",
                       {db::Value(), db::Value()}));
  ASSERT_TRUE(db::exec(conn, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);", {-12, "0123"}));
  db::Table t = db::query(conn, "SELECT Nummer, Name FROM Vereine_gau ORDER BY rowid;");
  ASSERT_TRUE(t.ok);
  EXPECT_EQ(t.columns, (std::vector<std::string>{"Nummer", "Name"}));
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t.rows[0], (std::vector<std::string>{"", ""}));
  EXPECT_EQ(t.num(0, 0), 0);
  EXPECT_EQ(t.num(1, 0), -12);
  EXPECT_EQ(t.text(1, 1), "123");  // a STRING column has numeric affinity
}

TEST_F(Database, FailedStatementShowsTheCommonBoxWithItsValues) {
  msg::ScriptedMessages boxes;
  db::Table t = db::query(conn, "SELECT Name FROM Vereine WHERE Nummer=? AND Name=?;",
                          {7, "O'Brien"});
  EXPECT_FALSE(t.ok);
  EXPECT_TRUE(t.empty());
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Fehler");
  EXPECT_EQ(boxes.shown()[0].text,
            "Fehler\n\rSELECT Name FROM Vereine WHERE Nummer=7 AND Name='O''Brien';\n\r"
            "no such table: Vereine");

  // A statement that prepares but fails while running shows its values the same way, and
  // a later statement of the same text is named too.
  boxes.clear();
  ASSERT_TRUE(db::exec(conn, "CREATE UNIQUE INDEX Einmal ON Vereine_gau (Nummer);"));
  ASSERT_TRUE(db::exec(conn, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (5, 'Erster');"));
  EXPECT_FALSE(db::exec(conn, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?); "
                              "INSERT INTO Vereine_gau (Nummer, Name) VALUES (5, 'Zweiter');",
                        {6, "Dritter"}));
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_NE(boxes.shown()[0].text.find("VALUES (6, 'Dritter');"), std::string::npos)
      << boxes.shown()[0].text;
  EXPECT_NE(boxes.shown()[0].text.find("VALUES (5, 'Zweiter');"), std::string::npos)
      << boxes.shown()[0].text;

  boxes.clear();
  EXPECT_FALSE(db::exec(conn, "DROP TABLE Fehlt;", {}, db::Report::Silent));
  EXPECT_EQ(boxes.count(), 0u);
}

TEST_F(Database, TablesAndColumnsAreFoundWhateverTheirCase) {
  ASSERT_TRUE(db::exec(conn, "CREATE TABLE pfadeimpexp (disznr INTEGER);"));
  EXPECT_TRUE(db::tableExists(conn, "PfadeImpExp"));
  EXPECT_TRUE(db::tableExists(conn, "Vereine_gau"));
  EXPECT_FALSE(db::tableExists(conn, "Vereine"));
  EXPECT_EQ(db::columnNames(conn, "VEREINE_GAU"), (std::vector<std::string>{"Nummer", "Name"}));
  EXPECT_TRUE(db::columnNames(conn, "Vereine").empty());
}

TEST_F(Database, GuardsNestAsSavepoints) {
  {
    db::Transaction outer(conn);
    ASSERT_TRUE(outer.active());
    EXPECT_TRUE(outer.outermost());
    db::exec(conn, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (1, 'bleibt');");
    {
      db::Transaction inner(conn);
      EXPECT_FALSE(inner.outermost());
      db::exec(conn, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (2, 'faellt weg');");
      inner.rollback();
    }
    {
      db::Transaction inner(conn);
      db::exec(conn, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (3, 'uebernommen');");
      EXPECT_TRUE(inner.commit());
    }
    {
      db::Transaction forgotten(conn);  // neither committed nor rolled back: goes back
      db::exec(conn, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (4, 'vergessen');");
    }
    EXPECT_TRUE(outer.commit());
  }
  EXPECT_TRUE(sqlite3_get_autocommit(conn));
  db::Table t = db::query(conn, "SELECT Nummer FROM Vereine_gau ORDER BY Nummer;");
  EXPECT_EQ(t.rows, (std::vector<std::vector<std::string>>{{"1"}, {"3"}}));

  // The outermost guard takes back everything, committed inner work included.
  {
    db::Transaction outer(conn);
    {
      db::Transaction inner(conn);
      db::exec(conn, "DELETE FROM Vereine_gau;");
      EXPECT_TRUE(inner.commit());
    }
  }
  EXPECT_TRUE(sqlite3_get_autocommit(conn));
  EXPECT_EQ(clubs(), 2);
}

TEST_F(Database, DialogTransactionFollowsAReplacedConnection) {
  // A dialog made before a data file was opened must not hold on to the old connection.
  sqlite3* held = conn;
  TransactionFactory factory = db::editTransaction(held);
  sqlite3* replacement = db::open(dir.file("probe.db"));
  ASSERT_NE(replacement, nullptr);
  held = replacement;
  {
    std::unique_ptr<EditTransaction> t = factory();
    EXPECT_FALSE(sqlite3_get_autocommit(replacement));
    EXPECT_TRUE(sqlite3_get_autocommit(conn));
    EXPECT_TRUE(t->commit());
  }
  EXPECT_TRUE(sqlite3_get_autocommit(replacement));
  db::close(replacement);
}

}  // namespace
