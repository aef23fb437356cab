#pragma once
// One run of the program: the single-instance guard, the databases, the windows, and the
// shut-down that saves the settings and closes everything again.
#include <string>

#include "platform/instancelock.h"

inline constexpr const char* kInstanceLockName = "ZielKontorMutex";

// The help file the application names (the pages themselves are in the help folder).
const std::string& helpFile();

// Creates the main window and every other window of the program, in their fixed order,
// each reachable through its global pointer; DestroyWindows deletes them and clears those.
void CreateWindows();
void DestroyWindows();

class ProgramRun {
 public:
  ProgramRun();
  ~ProgramRun();  // ends the run when end() was not called
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  // Guard, databases, settings, schema, windows. false: this copy ends here; a second copy
  // has told the user and touched no file.
  bool start();
  // Hides the windows still shown and deletes all windows, then saves the settings and
  // closes the databases (only when they were opened), and releases the guard.
  void end();

 private:
  InstanceLock lock_;
  FolderLock folderLock_;
  bool databasesOpen_ = false;
  bool windows_ = false;
};

// main(): the whole run with the message loop.
int RunProgram(int argc, char** argv);
