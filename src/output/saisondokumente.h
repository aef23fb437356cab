#pragma once
// What the pages of the season documents share: which classes a choice of club and class
// covers, the teams of a class, the folder each page remembers per discipline and the name
// a saved file gets.
#include <string>
#include <vector>

struct DokumentKlasse {
  long nr = 0;
  std::string name;
};

struct DokumentMannschaft {
  long vrnr = 0;
  int rmschnr = 0;
};

// The classes of a choice (0 = all), each once and in number order: a chosen class alone
// (a club does not narrow it), else the classes in which the chosen club has a team, else
// every class of the discipline.
std::vector<DokumentKlasse> KlassenDerAuswahl(int disznr, long verein, long klasse);

// Every team of a class in its position order.
std::vector<DokumentMannschaft> MannschaftenDerKlasse(int disznr, long klasse);

// The remembered folders of table PfadeNeueSaison, one column per page.
enum class SaisonOrdner { Starttabellen, Terminlisten, Mschfuehrer };

// The folder last saved to by the page in the discipline; false when it has no row.
bool GemerkterOrdner(int disznr, SaisonOrdner seite, std::string& ordner);
// Keeps the folder for the page; a discipline without a row gets its own row first, so the
// folders of the other disciplines stay as they were.
bool MerkeOrdner(int disznr, SaisonOrdner seite, const std::string& ordner);

// The name a file is saved under: a typed ".txt" or ".htm" (with dBASE offered also ".dbf")
// and then ".html" is cut (exact case), and the ending of the chosen type is appended:
// 1 ".txt", 2 ".html", 3 ".dbf" where dBASE is offered.
std::string SaisonDateiname(std::string name, int filterIndex, bool mitDbf);
