#pragma once
// The action list: stored output jobs per discipline (table Aktion of the agenda database),
// the statements the list window and its editor run on them, and the runner that makes
// every ticked job in one go.
//
// A job is always found by its Satzindex within its discipline, never by a list position:
// the list window does not show rows without a title.
#include <string>
#include <vector>

class PointerListHolder;

// Job types, the page index of the editor.
enum AktionTyp { AktMschTabellen = 0, AktMschErgebnisse = 1, AktEinzelErgebnisse = 2,
                 AktKlassenErgebnisse = 3, AktErgebnisdatei = 4 };

struct AktionsEintrag {
  int Satzindex = 0;
  int Disznr = 0;
  int Machflag = 1;
  int Typ = 0;
  int Ausgabeart = 0;  // 0 file Pfad, 1 printer Printstring_a
  int Flag_a = 0;      // class Nr, 0 = all classes
  int Flag_d = 0;      // display choice of the kind
  int Flag_e = 0;      // minimum whole rings (individual results)
  int Flag_f = 1;      // the class's AnzahlTermine when it was stored
  int Flag_g = 1;      // the class's Minerganzahl when it was stored
  std::string Bezeichnung;
  std::string Pfad;
  std::string Printstring_a;
  std::string Printstring_b;
  int Print_int = 1;
};

// Every job of the discipline in Satzindex order; ok false when the query failed.
std::vector<AktionsEintrag> AktionenDerDisziplin(int disznr, bool* ok = nullptr);
bool AktionLaden(int disznr, int satzindex, AktionsEintrag& out);

// Machflag of the given jobs (Satzindex, flag) in one transaction.
bool AktionenAnkreuzen(int disznr, const std::vector<std::pair<int, int>>& flags);
// Swaps the positions of two jobs; all or nothing.
bool AktionenTauschen(int disznr, int satzindexA, int satzindexB);
// Removes a job and closes the gap in the numbering; all or nothing.
bool AktionEntfernen(int disznr, int satzindex);
// Stores a job: UPDATE of the row at e.Satzindex, or for a new job an INSERT behind the
// last one (e.Satzindex becomes its position, Machflag 1). false when a statement failed.
bool AktionSpeichern(AktionsEintrag& e, bool neu);

// Runs every ticked job of the discipline for the round (index from 0) in Satzindex order
// and returns the report, one line per job; empty when nothing ran. Shows no message.
std::string RunAktionsliste(PointerListHolder& holder, int disznr, int rundenindex, int zehntelflag);
