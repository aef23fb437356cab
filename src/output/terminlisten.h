#pragma once
// The schedule lists of the current discipline: for every team class its rounds in pairs,
// round r beside its return round r + half, each with its date and its pairings, home team
// first. The view, the text and HTML writers and the printers render the same content.
//
// A selection is a club number and a class number, 0 for all; the club's name is passed as
// the club list shows it (empty for all clubs).
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "output/drucklayout.h"

class PrintCanvas;

// One side of a pairing line. A round with fewer pairings than the other round of its pair
// leaves that side empty (da false). An empty team name is the bye.
struct TerminSeite {
  bool da = false;
  std::string heim;
  std::string gast;
};

struct TerminZeile {
  TerminSeite links;
  TerminSeite rechts;
};

struct TerminRundenpaar {
  int runde = 0;
  std::string termin;
  int rueckrunde = 0;
  std::string rueckTermin;
  std::vector<TerminZeile> zeilen;
};

struct TerminKlasse {
  long nr = 0;
  bool vorhanden = false;  // the class has a row in Mschklassen
  std::string name;
  std::vector<TerminRundenpaar> paare;  // empty for fewer than two dates
};

TerminKlasse LadeTerminKlasse(int disznr, long klasse);

// "Durchgang Nr: 3 am 12.10."
std::string DurchgangText(int runde, const std::string& termin);
// "     home - guest", a bye written "frei"; empty for a missing side.
std::string TerminSeitenText(const TerminSeite& seite);

// The lines as the view shows them and the text lists them: class name (first line of a
// class only) or "", then the left and the right column.
std::vector<std::array<std::string, 3>> TerminlistenZeilen(long verein, long klasse);

std::string WriteTxtTerminlisten(long verein, long klasse, const std::string& vereinsName);
std::string WriteHtmlTerminlisten(long verein, long klasse, const std::string& vereinsName);
// The table rows of one class; farbe 1 starts with the dark row colour, 0 with the light one.
std::string WriteHtmlTerminlistenTabelle(long klasse, int farbe);
// Filter index 1 writes the text, 2 the HTML page (and the style sheet beside it when
// CssKopieren is set). False for any other index and when a file could not be written.
bool SaveTerminlisten(const std::filesystem::path& fileName, int filterIndex, long verein, long klasse,
                      const std::string& vereinsName);

// One job in landscape, a class block per class of the selection. False when the printer
// refused the job; a selection without a class begins no job and says so ("Keine Daten zum
// Drucken.").
bool PrintTerminlisten(PrintCanvas& canvas, long verein, long klasse,
                       const std::string& vereinsName);
// One job over every club: each club's classes once, under the club's name.
bool PrintTerminlistenAlleVereine(PrintCanvas& canvas);
// Prints one class from y on, breaking pages where the lines of a round pair would reach the
// footer; a name wider than its column goes on in further lines of its pairing line;
// returns the y below the class block.
int PrintTerminlisteKlasse(PrintCanvas& canvas, DruckLayout layout, long klasse, int y,
                           const std::string& vereinsName);
