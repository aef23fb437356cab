#pragma once
// Single team results (table Mscherg) of one team, round by round, and the team's ring
// average.
#include <sqlite3.h>

#include <string>
#include <vector>

#include "season/mannschaften.h"

struct MErgZeile {
  int Ergnr = 0;
  long Ringerg = 0;  // tenths
  int Pluspunkte = 0;
  int Minuspunkte = 0;
  int Korrekturpunkte = 0;
};

std::vector<MErgZeile> MErgDerMannschaft(sqlite3* db, const MschEintrag& team);
// Changes the team's result of that round, or adds it.
bool MErgSpeichern(sqlite3* db, const MschEintrag& team, const MErgZeile& z);
bool MErgLoeschen(sqlite3* db, const MschEintrag& team, int ergnr);
// The opponent of the team in a round, at home or as guest; false without a pairing.
bool GegnerImDurchgang(sqlite3* db, const MschEintrag& team, int ergnr, long& vrnr, int& mschnr);

// The average of the rounds with rings (0 rings do not count), from the exact quotient:
// whole rings or, with tenths, one decimal; an exact half rounds down.
std::string RingSchnittText(const std::vector<long>& ringe, bool zehntel);
