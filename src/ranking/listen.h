#pragma once
// The lists of the sorted-output window as rows of cell texts, built without widgets. The
// window puts them into its list views; every writer (text, HTML, print, clipboard) renders
// the same rows, so a saved list is what the page shows.
//
// Ring values are tenths of a ring. Functions marked "as computed" read the ranking
// containers of ranking.h as the caller left them; the others read the database.
#include <cstdint>
#include <string>
#include <vector>

enum class Ausrichtung { Links, Rechts, Mitte };

struct ListenSpalte {
  std::string Titel;
  int Breite = 80;  // pixels in the window; 0 = hidden (writers leave the column out)
  Ausrichtung Ausr = Ausrichtung::Links;
};

struct ListenZeile {
  std::vector<std::string> Zellen;  // one text per column, hidden columns included
  bool Fett = false;                // heading and sum rows
  // An empty row separates blocks (a class, a pairing with its line-up); writers keep
  // a block on one page where it fits.
  bool leer() const;
};

struct ListenTabelle {
  std::vector<ListenSpalte> Spalten;
  std::vector<ListenZeile> Zeilen;
};
