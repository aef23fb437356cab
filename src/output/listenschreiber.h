#pragma once
// The writers of the six kinds of sorted output: a printer, a text and an HTML writer each,
// and the dBASE forms of the individual results and the team captains. Kinds 1 to 4 read the
// ranking containers as the caller computed them; the others read the database.
//
// Text and HTML writers of kinds 1 to 4 leave their result in gIntdat.AusgabeText; those of
// kinds 5 and 6 return it. Printers print a whole job on the canvas and return whether it
// began. The captains' writers take club and class (0 = all) of the current discipline.
#include <string>
#include <vector>

#include "output/sortausgabe.h"

class PrintCanvas;

bool PrintMschTabellen(PrintCanvas& canvas, _sort_ausgabe a);
bool PrintMschErgebnisse(PrintCanvas& canvas, _sort_ausgabe a);
bool PrintEinzelErgebnisse(PrintCanvas& canvas, _sort_ausgabe a);
bool PrintKlassenErgebnisse(PrintCanvas& canvas, _sort_ausgabe a);
bool PrintVereinsErgebnisse(PrintCanvas& canvas, _sort_ausgabe a);
// A choice without a team begins no job and says so ("Keine Daten zum Drucken."); true then.
bool PrintMschFuehrer(PrintCanvas& canvas, int vrnr, int mklnr);
// The captains of each club of the list as one job, every club on new pages.
bool PrintMschFuehrerVereine(PrintCanvas& canvas, const std::vector<long>& vereine);

void WriteTxtMschTabellen(_sort_ausgabe a);
void WriteTxtMschErgebnisse(_sort_ausgabe a);
void WriteTxtEinzelErgebnisse(_sort_ausgabe a);
void WriteTxtKlassenErgebnisse(_sort_ausgabe a);
std::string WriteTxtVereinsErgebnisse(_sort_ausgabe a);
std::string WriteTxtMschFuehrer(int vrnr, int mklnr);

void WriteHtmlMschTabellen(_sort_ausgabe a);
void WriteHtmlMschErgebnisse(_sort_ausgabe a);
void WriteHtmlEinzelErgebnisse(_sort_ausgabe a);
void WriteHtmlKlassenErgebnisse(_sort_ausgabe a);
std::string WriteHtmlVereinsErgebnisse(_sort_ausgabe a);
std::string WriteHtmlMschFuehrer(int vrnr, int mklnr);

// Write the file named in Dateiname; true (and "dbf" in AusgabeText) only when it was written.
bool WriteDbfEinzelErgebnisse(_sort_ausgabe a);
bool WriteDbfMschFuehrer(_sort_ausgabe a);
// Kinds without a dBASE form: they write nothing and report failure.
bool WriteDbfMschTabellen(_sort_ausgabe a);
bool WriteDbfMschErgebnisse(_sort_ausgabe a);
bool WriteDbfKlassenErgebnisse(_sort_ausgabe a);
bool WriteDbfVereinsErgebnisse(_sort_ausgabe a);
