#pragma once
// The captains' table as older files lay it out (every text column STRING, so that a bare
// "0815" is stored as 815), filled with many rows whose telephones keep their leading zero
// because a blank follows it: too large to be built again under a tight file-size limit.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/db.h"

inline bool makeOlderCaptainsTable(sqlite3* conn, int rows) {
  return db::exec(conn,
                  "DROP TABLE IF EXISTS Msch_fuehrer;"
                  "CREATE TABLE Msch_fuehrer (Disznr INTEGER, Vrnr INTEGER, Rmschnr INTEGER, Name STRING, "
                  "Strasse STRING, Plz STRING, Ort STRING, Tel_a STRING, Tel_b STRING, Fax STRING, Mail STRING);") &&
         db::exec(conn,
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                  "INSERT INTO Msch_fuehrer SELECT 0, i, 1, 'Kapit\xE4n ' || i, 'Weg ' || i, '01067', 'Ort', "
                  "'0815 ' || i, '089 ' || i, NULL, 'k' || i || '@x.de' FROM n;",
                  {rows});
}

inline std::vector<std::vector<std::string>> captainRows(sqlite3* conn) {
  return db::query(conn, "SELECT rowid, * FROM Msch_fuehrer ORDER BY rowid;").rows;
}

// A captain stored after the failed upgrade.
inline bool storeNewCaptain(sqlite3* conn) {
  return db::exec(conn, "INSERT INTO Msch_fuehrer (Disznr, Vrnr, Rmschnr, Name) VALUES (0, 99999, 1, 'Neu');");
}

// The database at path holds the rows of before unchanged and, after them, the new captain.
inline void expectRowsKeptAndNewCaptainAdded(const std::filesystem::path& path,
                                             const std::vector<std::vector<std::string>>& before) {
  sqlite3* conn = db::open(path);
  auto rows = captainRows(conn);
  db::close(conn);
  ASSERT_EQ(rows.size(), before.size() + 1);
  EXPECT_EQ(rows.back()[4], "Neu");
  rows.pop_back();
  EXPECT_EQ(rows, before);
}
