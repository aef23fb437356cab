#pragma once
// Pass numbers for shooters created on the spot.

// The proposal for a new shooter of club vrnr: the end of the club's first run of
// consecutive pass numbers plus one (1 without shooters), moved on to the next free number
// when another club's shooter holds it.
long ProposePassnr(long vrnr);
bool PassnrTaken(long passnr);
