#pragma once
// The options of one output of the sorted lists, built by the sorted-output window and the
// action list, and the save that picks the writer by kind and format.
#include <cstdint>
#include <filesystem>
#include <string>

struct _sort_ausgabe {
  int32_t Listenart = 0;  // 1 team tables, 2 team results, 3 individual, 4 class, 5 club, 6 captains
  int32_t Disznr = 0;
  int32_t Dateiformat = 0;  // 1 text, 2 HTML, 3 dBASE; 0 for print and clipboard
  int32_t Anzeige = 0;      // club results: 1 = active shooters only
  int32_t Durchgang = 0;    // round index from 0
  int32_t Zehntelflag = 0;
  int32_t Mklnr = 0;        // 0 = all classes
  int32_t KlassenPos = 0;
  int32_t Vrnr = 0;         // 0 = all clubs
  int32_t MinRinge = 0;
  int32_t MinErgAnzahl = 0;
  int32_t Sortart = 0;      // the page's display choice
  int32_t Endwertung = 0;   // 1: the chosen round is the class's last
  std::filesystem::path Dateiname;
};

// Builds the list of the record's kind in its format and writes it to the file. False when
// no writer exists for kind and format, the list came out empty, or the file could not be
// written; then an existing file is left as it was. The result is the page's write alone: a
// style sheet that could not be copied beside an HTML page leaves the reason in cssFehler.
bool WriteSortierteAusgabe(const std::filesystem::path& dateiname, _sort_ausgabe ausgabe,
                           std::string* cssFehler = nullptr);

// The line that reports a style sheet not copied beside a written page, with its reason.
std::string CssNichtKopiert(const std::string& grund);
