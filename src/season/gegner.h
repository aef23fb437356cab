#pragma once
// The double round robin of a team class: a fixed schedule of bouts that depends only on
// the number of teams and their order in the class, and its rows in table Gegner.
//
// The generator works on team indices: index i is the team at position i+1 of the class.
// It builds the first half of the season; the second half repeats it with home and guest
// exchanged, so bout k and bout k + (N-1) are the two matches of one pair.
#include <utility>
#include <vector>

// (first, second); in a finished schema first plays at home.
using GegnerPaar = std::pair<int, int>;
using GegnerRunde = std::vector<GegnerPaar>;
using GegnerSchema = std::vector<GegnerRunde>;

// n rounded up to even; anything below 2 counts as 2, so a class without teams still gets
// one round (two teams of which neither is present).
int gegnerTeamSlots(int n);

GegnerPaar MakeOrderedPair(int a, int b);

// The raw rounds of the circle method (index 0 stays fixed, the others turn).
void MakeCircleRounds(int n, GegnerSchema& schema);

// One relabelling step: finds the first place where round 1 differs from (0,1), (2,3), ...
// and records the label swap that mends it in perm (reset to the identity first).
bool FindLabelSwap(const GegnerSchema& schema, std::vector<int>& perm);
void SwapLabel(std::vector<int>& perm, int p, int v);

// Relabels the teams throughout the schema until round 1 reads (0,1), (2,3), ...
void NormalizeFirstRound(int n, GegnerSchema& schema);

// Orients the pairs of rounds 2 .. N-1: the lower index of each pair changes its role
// from its previous round, the other team takes the opposite role.
void AssignHomeGuest(int n, GegnerSchema& schema);

void ReverseRounds(GegnerSchema& schema);

// Clears the schema and fills it with the N-1 oriented rounds of the first half.
void BuildGegnerSchema(int n, GegnerSchema& schema);

// Replaces the Gegner rows of a discipline by the schedule of each of its classes, taken
// from the class's AnzahlTermine and the team positions. Opens no transaction: the caller
// holds one.
void WriteGegnerTable(int disznr);
