#pragma once
// Single individual results (table Schuetzenerg) of one shooter, edited one by one. Every
// row is reached by its rowid, so a result stored twice shows, changes and goes twice.
#include <sqlite3.h>

#include <string>
#include <vector>

struct EErgWerte {
  int Ergnr = 0;
  long Ringerg = 0;  // tenths
  int Mschnr = 0;
  int Mschflag = 0;
  long Mschklnr = 0;
};

struct EErgZeile {
  long rowid = 0;
  EErgWerte w;
  std::string Klname;  // empty when the class does not exist
};

// The shooter's results for the club in the discipline, by round.
std::vector<EErgZeile> EErgDesSchuetzen(sqlite3* db, long schnr, int disznr, long vrnr);
// Changes exactly that row (its club stays). -1 on failure, else rowid.
long EErgAendern(sqlite3* db, long rowid, long schnr, long vrnr, const EErgWerte& w);
// A new entry: updates the one stored result of the shooter in that round, club and team,
// or inserts one. Returns the rowid of the stored row, -1 on failure.
long EErgNeu(sqlite3* db, long schnr, int disznr, long vrnr, const EErgWerte& w);
bool EErgLoeschen(sqlite3* db, long rowid);
// The round proposed for a new entry: one after the shooter's last round in the class.
int EErgVorschlag(sqlite3* db, long schnr, int disznr, long mklnr);
