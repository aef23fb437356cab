#pragma once
// Regular shooters of a team: its line-up rows with Kampfnr 0. The list shows the shooters of
// the rounds' line-ups (Kampfnr 1 and up) as well, but those rows are never written here.
#include <sqlite3.h>

#include <string>
#include <vector>

#include "season/mannschaften.h"

struct Stammschuetze {
  long passnr = 0;
  std::string name;
  bool stamm = false;  // has a row of Kampfnr 0; otherwise he stands only in rounds' line-ups
};

// Every shooter of the team's line-up rows in its class, whatever the round, each once, by
// position; a pass number without a shooter row is left out.
std::vector<Stammschuetze> StammschuetzenLesen(sqlite3* db, const MschEintrag& team);
// Replaces the team's regular shooters by the given ones, in this order, in one
// transaction: on failure the stored ones stay.
bool StammschuetzenSpeichern(sqlite3* db, const MschEintrag& team, const std::vector<long>& passnr);
bool StammschuetzeEntfernen(sqlite3* db, const MschEintrag& team, long passnr);
// Whether the shooter stands in a line-up of one of the team's rounds in its class.
bool InAufstellungEinesDurchgangs(sqlite3* db, const MschEintrag& team, long passnr);
