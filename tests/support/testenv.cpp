#include "support/testenv.h"

#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "core/globals.h"
#include "core/schema.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/upgrade.h"
#include "platform/help.h"

namespace fs = std::filesystem;

ScopedWorkDir::ScopedWorkDir() {
  previous_ = fs::current_path().string();
  char tmpl[] = "/tmp/zk-test-XXXXXX";
  char* made = mkdtemp(tmpl);
  // Never fall back to a shared folder: the destructor removes the folder with all it holds.
  if (!made) throw std::runtime_error("no temporary working folder");
  path_ = made;
  fs::current_path(path_);
}

ScopedWorkDir::~ScopedWorkDir() {
  std::error_code ec;
  fs::current_path(previous_, ec);
  fs::remove_all(path_, ec);
}

void DatabaseTest::SetUp() {
  dir = new ScopedWorkDir;
  ASSERT_TRUE(OpenDatabases());
  InitGlobals();
  gEinstellungen.clear();
  CreateDefaultDatabase(0);
  RunUpgradeProbes(true);
  help::setFolder(gIntdat.ProgrammVerzeichnis / "help");
}

void DatabaseTest::TearDown() {
  CloseDatabases();
  if (gDbTemp) sqlite3_close_v2(gDbTemp);
  gDbTemp = nullptr;
  delete dir;
  dir = nullptr;
}

bool runningAsRoot() { return geteuid() == 0; }
