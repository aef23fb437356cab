#pragma once
// The printed directory of the team captains of every club across all disciplines: a page
// per club with its range telephone and, per discipline in which it has teams, a table of
// its teams and their captains. Landscape, with a header and footer of its own.

// On the current printer as one job; false when the printer did not begin it.
bool PrintMschFuehrerAlleDisz();
