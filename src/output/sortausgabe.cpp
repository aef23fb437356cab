#include "output/sortausgabe.h"

bool WriteSortierteAusgabe(const std::string&, _sort_ausgabe) { return false; }
