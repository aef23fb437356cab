#pragma once
// The stored pairings of a class (table Gegner) as the pairing editor and the range
// occupancy view handle them. A bout's pairings are taken in the order they were written;
// the mirror bout of the other half of the season holds the mirrored pairing at the same
// index. The distance between a bout and its mirror comes from the stored pairings
// themselves (half the highest bout number), so it holds however many dates were entered.
#include <sqlite3.h>

#include <string>
#include <utility>
#include <vector>

// One stored pairing of a bout, home against guest, with its row in table Gegner.
struct Begegnung {
  long rowid = 0;
  long heimVrnr = 0;
  int heimMschnr = 0;
  long gastVrnr = 0;
  int gastMschnr = 0;
};

int HoechsterKampf(sqlite3* db, int disznr, long klasse);

// The other bout of the pair (bout + half or bout - half), or 0 when the bout has none.
int SpiegelKampf(int kampf, int hoechsterKampf);

// The first-half and second-half bout of the pair a bout belongs to.
std::pair<int, int> KampfPaar(int kampf, int hoechsterKampf);

std::vector<Begegnung> PaarungenImKampf(sqlite3* db, int disznr, long klasse, int kampf);

// Exchanges home and guest of the pairing at index in the bout; false when the bout has no
// pairing at that index.
bool TauschePaarung(sqlite3* db, int disznr, long klasse, int kampf, size_t index);

// Swaps the pairing in the bout and, at the same index, in its mirror bout.
void TauschePaarungVorUndRueck(sqlite3* db, int disznr, long klasse, int kampf, size_t index);

// The two columns of a pairing line: home and guest team, a bye marked "frei".
std::pair<std::string, std::string> PaarungsSpalten(const Begegnung& p);

// Bouts 1 .. highest bout of the class, each with the date of its number ("" when none).
std::vector<std::pair<int, std::string>> KaempfeMitTerminen(sqlite3* db, int disznr, long klasse);

// The classes of the discipline in which the club is at home against a real guest in the
// bout: " " followed by their names, separated by ", ".
std::string HeimKlassenText(sqlite3* db, int disznr, long verein, int kampf);

