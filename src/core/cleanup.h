#pragma once
// The database clean-up: removes rows that point to clubs, classes or shooters that no
// longer exist, recounts the bouts of every class, marks shooters active or inactive by
// their results and resets the remembered list positions. Runs on the worker thread.
#include <sqlite3.h>

#include <string>

class CleanupProgress {
 public:
  virtual ~CleanupProgress() = default;
  virtual void AddProgressLine(const std::string& line) = 0;
  virtual void SetProgressRange(int n) = 0;
  virtual void SetProgressPosition(int i) = 0;
};

// All passes in one transaction on db. The first statement that fails (shown in the common
// error box) ends the clean-up and takes back all of it: false, and nothing has changed.
bool RunDatabaseCleanup(sqlite3* db, CleanupProgress& progress);

// The settings part of the clean-up, run on the GUI thread once the worker has ended.
void ResetSettingsAfterCleanup();
