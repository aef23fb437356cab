#pragma once
// The page frame of every printed list: the layout record a printer builds from the page
// size, the title line above and the footer at the bottom of each page. The discipline and
// manager texts they print are the same ones the text and HTML lists put in head and foot.
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/printcanvas.h"

// Device units of the page; the printer fills what it uses and passes the record by value.
struct DruckLayout {
  char Kopftext[100] = {};
  int32_t Einheit = 0;  // horizontal unit
  int32_t Zeile = 0;    // line height
  int32_t Y = 0;        // current y, the printer's own
  int32_t Links = 0;    // left margin
  int32_t Rechts = 0;   // right edge
  int32_t Oben = 0;     // top
  int32_t Fest = 60;
  int32_t Unten = 0;    // bottom: the footer starts here
  int32_t Spalte[8] = {};
  int32_t Eigene[12] = {};
  int32_t Hinweis = 0;  // above 0: the footer prints the note on unregistered participants
};
static_assert(sizeof(DruckLayout) == 100 + 29 * 4);

// The discipline of a list and its competition manager; empty texts where a row is missing.
struct DiszKopf {
  std::string Gauname;
  std::string Bezeichnung;
  std::string Saisonname;
  std::string Wkl;  // the manager's name
  std::string Fax;
  std::string Mail;
};
DiszKopf LeseDiszKopf(int disznr);
// "Wettkampfleiter: %s, Fax: %s, Mail: %s" for the lists' foot.
std::string WettkampfleiterZeile(const DiszKopf& kopf);

// "Rundenwettkampf <district> <discipline> <season>" in 14 points at the left margin and top;
// the canvas keeps 14 points. A title wider than the page goes on in further lines. Returns
// the y below it (top + 3 lines, and the further lines).
int PrintListTitle(PrintCanvas& canvas, DruckLayout layout, int disznr);
// A heading in the current font from (x, y); one wider than `breite` goes on in further lines,
// a text height apart. Returns the height those further lines add (0 for a single line).
int DruckeUeberschrift(PrintCanvas& canvas, int x, int y, int breite, const std::string& text);
// The lines of a row's tallest cell, each text wrapped in the width of its column; at least
// one.
int MeisteZeilen(PrintCanvas& canvas, std::span<const std::string> texte, std::span<const int> breiten);
// What a column of a printed table holds: its heading and widest number (never broken), the
// texts of its cells (each distinct text once, with its font, and for each cell in the order
// added the text it holds: the n-th cells of the columns make the n-th row, or the n-th group
// where a row holds more cells in a column) and the widest of them on one line, all without
// the column's margins; the margins; the indent of a wrapped text's further lines; and the
// share of the page the list gives it.
struct SpaltenBedarf {
  int Zahl = 0;
  int Ganz = 0;
  int Rand = 0;
  int Wunsch = 0;
  int Einzug = 0;
  int ZellenJeReihe = 1;  // a row's cells in this column, one after the other
  struct Schrift {
    PrintFont font;
    std::unordered_map<std::string, int> nummern;  // text -> its place in Texte
  };
  struct Text {
    size_t schrift;  // in Schriften
    std::string text;
  };
  std::vector<Schrift> Schriften;
  std::vector<Text> Texte;
  std::vector<int> Zellen;  // each cell's text in Texte
};
// Adds a cell in the canvas's current font; measures only its width on one line.
void MissZelle(PrintCanvas& canvas, SpaltenBedarf& bedarf, const std::string& text);
// Shares `summe` among the columns. Where every text fits on one line, each column gets at
// least that, and the shares stand where they hold it. Else the columns share the page where
// breaking costs least: each starts at its heading, widest number and widest part of an
// e-mail, and the room left goes, a piece at a time, to the column whose widening saves the
// most per unit of width: the rows' lines (a row is as high as its tallest cell), a little for
// each wrapped cell, and a word cut inside counting as several lines. Where even the headings
// and numbers do not fit, every column gives in proportion. The widths add up to `summe`.
std::vector<int> SpaltenNachBedarf(PrintCanvas& canvas, std::span<const SpaltenBedarf> bedarf, int summe);
// What a word cut inside costs, in lines.
constexpr int kSchnittKosten = 3;
// The width from the left margin to the right edge (the page's edge where Rechts is unset).
int DruckBreite(PrintCanvas& canvas, const DruckLayout& layout);
// The footer of the current page, from the bottom down in 10 points: the note (flag above 0),
// the date, a rule, and the manager line with the maker's mark at the right edge; a manager
// line that would reach the mark goes on below.
void PrintPageFooter(PrintCanvas& canvas, DruckLayout layout, int disznr);

// A print whose choice holds nothing begins no job and says so.
void MeldeKeineDruckdaten();
