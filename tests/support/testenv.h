#pragma once
// Shared test fixtures: a fresh working directory per test and a prepared database.
#include <gtest/gtest.h>

#include <string>

#include "core/db.h"
#include "core/globals.h"

// Creates a fresh temporary folder, makes it the current directory and removes it again.
class ScopedWorkDir {
 public:
  ScopedWorkDir();
  ~ScopedWorkDir();
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
  std::string previous_;
};

// A test in its own folder with the five databases open, the globals filled and the default
// database built, as after a first start.
class DatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A statement on the main database that must succeed.
  static void exec(const std::string& sql, const db::Params& params = {}) {
    ASSERT_TRUE(db::exec(gDbHaupt, sql, params)) << sql;
  }
  // The first value a query gives, "<none>" without a row.
  static std::string cell(sqlite3* conn, const std::string& sql, const db::Params& params = {}) {
    db::Table t = db::query(conn, sql, params);
    return t.empty() ? "<none>" : t.text(0, 0);
  }
  static std::string cell(const std::string& sql, const db::Params& params = {}) { return cell(gDbHaupt, sql, params); }
  ScopedWorkDir* dir = nullptr;
};

// A window of type Dlg over the prepared database: the fixture's SetUp creates it once the
// tables it reads are filled, and it is deleted before the databases close.
template <class Dlg>
class DialogTest : public DatabaseTest {
 protected:
  void TearDown() override {
    delete dlg;
    dlg = nullptr;
    DatabaseTest::TearDown();
  }
  Dlg* dlg = nullptr;
};

bool runningAsRoot();
