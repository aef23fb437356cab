#pragma once
// One list of the sorted output as a document: its title lines and the tables the page
// shows, rendered as tab-separated text, as an HTML page or on the printer. Every writer
// of the six kinds builds such a document from the page's rows and hands it here, so the
// three forms of a list always carry the same rows.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/printcanvas.h"
#include "ranking/listen.h"

struct ListenDokument {
  int32_t Disznr = 0;
  std::string Titel;                   // the list's title, first of the title lines
  std::string Verein;                  // the chosen club's name, empty for all clubs
  std::vector<std::string> Zusatz;     // the class and the final-ranking lines
  std::vector<ListenTabelle> Tabellen;  // shown one below the other
  // Print only: "RWK-" + Seite names the job; wide lists go landscape.
  std::string Seite;
  PageOrientation Ausrichtung = PageOrientation::Portrait;
};

// Head (district, discipline, season), title lines, captions and rows joined by tabs, foot
// with the competition manager; lines end in CR LF.
std::string ListenText(const ListenDokument& dok);
// A complete page linking the style sheet; umlauts as entities.
std::string ListenHtml(const ListenDokument& dok);
// A complete print job: title and footer on every page, captions repeated after a page
// break, a block that fits on a page not split. False when the job could not begin.
bool ListenDrucken(PrintCanvas& canvas, const ListenDokument& dok);
// Several lists as one job, each beginning on a new page, in the first one's orientation.
// False when there is none or the job could not begin.
bool ListenDrucken(PrintCanvas& canvas, const std::vector<ListenDokument>& doks);
// Whether the list has a row to show.
bool ListeHatDaten(const ListenDokument& dok);
