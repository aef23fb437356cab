#pragma once
// The teams of a discipline as the team dialogs choose them: a class (or all), a club with
// teams in it, one of the club's teams.
#include <sqlite3.h>

#include <string>
#include <vector>

struct MschEintrag {
  long Mklnr = 0;
  int Rmschnr = 0;
  int Disznr = 0;
  long Vrnr = 0;
};

struct VereinKurz {
  long nr = 0;
  std::string name;
};

// Clubs with a team in the class (mklnr < 1: in any class), by number; a club number
// without a club row is left out.
std::vector<VereinKurz> VereineMitMannschaften(sqlite3* db, int disznr, long mklnr);
// The club's teams in the class (mklnr < 1: in every class), by team number.
std::vector<MschEintrag> MannschaftenDesVereins(sqlite3* db, int disznr, long vrnr, long mklnr);
