#pragma once
// Team classes of a discipline and the teams in them: numbering, deletion and the work
// done when the division into classes is confirmed.
#include <string>

inline constexpr int kMaxTeamsPerClass = 12;

// Bouts of a season for a class of t teams: 2 x (t rounded up to even - 1); 0 for none.
int classBoutCount(int teams);
// The provisional count stored while a class is edited: 2 x (lines - 1), never below 0.
int provisionalBoutCount(int lines);

// The number a new class of the discipline gets: its highest Nr + 1, or 1.
long nextClassNumber(int disznr);

// Inserts a class with the defaults of a new class.
bool insertClass(int disznr, long nr, const std::string& name, int anzahlTermine);

// True when results or line-ups refer to the class.
bool classHasResults(int disznr, long nr);

// Removes the class with its teams and dates; with results also its individual and team
// results, line-ups and pairings.
void deleteClass(int disznr, long nr, bool withResults);

// Numbers the teams of a class 1 .. t in their order (position, then stored order).
void renumberTeamPositions(int disznr, long mklnr);

// The work of a confirmed division, inside the caller's transaction: teams of clubs that no
// longer exist leave every class, positions are closed up, every class gets its bout count
// (dates beyond it are removed) and the pairings of the discipline are written anew.
void settleClasses(int disznr);
