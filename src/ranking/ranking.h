#pragma once
// The rankings of one discipline after a chosen round, kept in three global containers that
// the sorted-output window and every list writer read after running the computation.
//
// Ring values are integers in tenths of a ring; averages are floats in tenths as well. A
// round index r stands for the results with Ergnr 1 ... r + 1. Every computation reads the
// main database only and replaces the whole content of its container.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One line of the individual ranking.
struct _eerg_sortdaten {
  int32_t AnzahlErg = 0;   // counted results (1 for a single round)
  float Schnitt = 0.0f;    // the round result or the average, in tenths
  int32_t Ringsumme = 0;   // the round result; 0 in an averages list
  int32_t Passnr = 0;
  std::string Name;
  std::string Vereinsname;
  int32_t Vrnr = 0;        // 0 in a single-round list
  int32_t Mschnr = 0;      // team number of the shooter's last result; 0 in a single-round list
};

// One team's line of a team table.
struct _mschtabellen {
  int32_t Mklnr = 0;
  int32_t Rmschnr = 0;
  int32_t Pluspunkte = 0;
  int32_t Minuspunkte = 0;
  int32_t Korrekturpunkte = 0;  // carried along, never part of the order
  int32_t AnzahlErg = 0;        // counted rounds with rings above 0
  std::string Klname;
  float Schnitt = 0.0f;         // Ringsumme / AnzahlErg, 0 without results
  int32_t Vrnr = 0;
  int32_t Ringsumme = 0;
};

// One team's ring average.
struct _merg_sortdaten {
  int32_t Reserve1 = 0;  // always 0
  int32_t Reserve2 = 0;  // always 0
  int32_t AnzahlErg = 0;
  float Schnitt = 0.0f;
  std::string Klname;
  std::string Mschname;  // the team's display name
};

extern std::vector<_eerg_sortdaten> gEergSortListe;
// Team tables by class number, in ascending class number.
extern std::map<int, std::vector<_mschtabellen>> gMschTabellen;
// The class being built by BerechneMannschaftstabellen; holds the last class afterwards.
extern std::vector<_mschtabellen> gMschTabelleTmp;
extern std::vector<_merg_sortdaten> gMergSortListe;

// Individual ranking into gEergSortListe. modus 0 or less lists the results of one round,
// highest first; 1 or more ranks the active shooters by their average up to the round.
// klasse 0 or less takes all classes; minRinge is in whole rings; minAnzahl applies to
// averages only; zehntelflag is accepted for the callers' sake and not needed here.
void BerechneEinzelwertung(int32_t modus, int32_t klasse, int32_t rundenindex, int32_t minRinge,
                           int32_t minAnzahl, int32_t zehntelflag, int32_t disznr);

// Team tables of every class of the discipline into gMschTabellen.
void BerechneMannschaftstabellen(int32_t rundenindex, int32_t disznr);

// Ring averages of every team of the discipline, all classes in one list, into gMergSortListe.
void BerechneMannschaftsringschnitte(int32_t rundenindex, int32_t disznr);
