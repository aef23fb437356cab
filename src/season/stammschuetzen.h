#pragma once
// Regular shooters of a team: its line-up rows with Kampfnr 0. The line-ups of the rounds
// (Kampfnr 1 and up) are never touched here.
#include <sqlite3.h>

#include <string>
#include <vector>

#include "season/mannschaften.h"

struct Stammschuetze {
  long passnr = 0;
  std::string name;
};

// In position order; a pass number without a shooter row is left out.
std::vector<Stammschuetze> StammschuetzenLesen(sqlite3* db, const MschEintrag& team);
// Replaces the team's regular shooters by the given ones, in this order, in one
// transaction: on failure the stored ones stay.
bool StammschuetzenSpeichern(sqlite3* db, const MschEintrag& team, const std::vector<long>& passnr);
bool StammschuetzeEntfernen(sqlite3* db, const MschEintrag& team, long passnr);
