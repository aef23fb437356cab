#pragma once
// Team captains (table Msch_fuehrer) and the range telephone of their clubs.
#include <sqlite3.h>

#include <string>
#include <vector>

struct MschFuehrer {
  std::string Name, Strasse, Plz, Ort, Tel_a, Tel_b, Fax, Mail;
};

// false when the team has no captain row (the fields are then empty).
bool MschFuehrerLesen(sqlite3* db, int disznr, long vrnr, int rmschnr, MschFuehrer& out);
// Stores the captain of a team and the club's range telephone, as typed, in one
// transaction; a club without an extra-text row gets one. false: nothing was stored.
bool MschFuehrerSpeichern(sqlite3* db, int disznr, long vrnr, int rmschnr, const MschFuehrer& f,
                          const std::string& telVerein);
bool MschFuehrerLoeschen(sqlite3* db, int disznr, long vrnr, int rmschnr);
std::string VereinsTelefon(sqlite3* db, long vrnr);

// The captains list: eleven cells per row (class, team, club telephone, name, street,
// postcode, town, private telephone, business/mobile telephone, fax, mail). Classes: the
// one given (mklnr >= 1), else those in which the club has a team (vrnr >= 1), else all;
// each class lists all its teams by position and ends with an empty row.
inline constexpr int kMschFuehrerSpalten = 11;
std::vector<std::vector<std::string>> MschFuehrerZeilen(sqlite3* db, int disznr, long vrnr, long mklnr);
