#pragma once
// How a class forms its team results and how many individual results a shooter needs for
// the final ranking (columns of Mschklassen).
#include <sqlite3.h>

#include <string>

struct KlassenEinstellung {
  int unsort = 4;    // first N shooters as entered
  int sort = 4;      // best N shooters ...
  int max = 8;       // ... out of at most this many
  int sortflag = 0;  // 0 first N, 1 best N
  int minerg = 5;    // least individual results for the final ranking
};

// The values as typed, made valid: an empty field takes its default, shooter counts outside
// 1 .. 15 their default, a minimum count outside 1 .. bouts the number of bouts.
KlassenEinstellung GueltigeEinstellung(const std::string& unsort, const std::string& sort,
                                       const std::string& max, const std::string& minerg,
                                       int sortflag, int anzahlTermine);

struct KlassenDaten {
  bool found = false;
  std::string name;
  int anzahlTermine = 0;
  KlassenEinstellung werte;
};

KlassenDaten LadeKlassenEinstellung(sqlite3* db, int disznr, long klasse);
bool SpeichereKlassenEinstellung(sqlite3* db, int disznr, long klasse, const KlassenEinstellung& e);
