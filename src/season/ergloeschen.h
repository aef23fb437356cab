#pragma once
// Deleting the results of a discipline at the start of a new season.
#include <sqlite3.h>

#include <string>

struct LoeschAuswahl {
  long mklnr = 0;  // 0: all classes
  std::string klname;
  int ergnr = 0;  // 0: all rounds of the class
  bool einzel = true;
  bool mannschaft = true;
  bool aufstellungen = true;  // always the whole discipline
  bool fuehrer = false;       // always the whole discipline
};

// Runs the chosen deletions inside the caller's transaction and appends one report line
// per deletion. Stops at the first failure and returns false: the caller must roll back.
bool ErgebnisseLoeschen(sqlite3* db, int disznr, const std::string& diszname, const LoeschAuswahl& a,
                        std::string& bericht);
