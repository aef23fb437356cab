#pragma once
// The team classes of a discipline in the order of their numbers. That order is the order
// of every class combo, and it alone decides which class is the previous or the following
// one: class numbers may have gaps.
#include <sqlite3.h>

#include <string>
#include <vector>

struct KlasseKurz {
  long nr = -1;
  std::string name;
  int anzahlTermine = 0;
};

std::vector<KlasseKurz> KlassenDerDisziplin(sqlite3* db, int disznr);
// The number of bouts of one class (of its last row, should the number be stored twice);
// 0 when the discipline has no such class.
int TermineDerKlasse(sqlite3* db, int disznr, long mklnr);

// Name and season of a discipline; false when it has no row.
bool DisziplinUndSaison(sqlite3* db, int disznr, std::string& name, std::string& saison);
