#pragma once
// Pass numbers for shooters created on the spot.

// The proposal for a new shooter of club vrnr: the end of the club's first run of
// consecutive pass numbers plus one (1 without shooters). A number under which a deleted
// shooter's results or line-ups are stored is stepped over. When a shooter of another club
// holds the number, the proposal comes from the run of all shooters' numbers instead, moved
// on to the next number in no use.
long ProposePassnr(long vrnr);
bool PassnrTaken(long passnr);

// What the discipline tables hold under a pass number, in every discipline: results, and
// line-ups with the regular shooters.
struct PassnrRows {
  long Ergebnisse = 0;
  long Aufstellungen = 0;
  bool any() const { return Ergebnisse > 0 || Aufstellungen > 0; }
};
PassnrRows RowsOfPassnr(long passnr);
