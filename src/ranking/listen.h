#pragma once
// The lists of the sorted-output window as rows of cell texts, built without widgets. The
// window puts them into its list views; every writer (text, HTML, print, clipboard) renders
// the same rows, so a saved list is what the page shows.
//
// Ring values are tenths of a ring. Functions marked "as computed" read the ranking
// containers of ranking.h as the caller left them; the others read the database. Round
// numbers (durchgang) count from 1; class and club arguments are the stored keys
// (Mschklassen.Nr, Vereine_gau.Nummer), 0 for all.
#include <cstdint>
#include <string>
#include <vector>

enum class Ausrichtung { Links, Rechts, Mitte };

struct ListenSpalte {
  std::string Titel;
  int Breite = 80;  // pixels in the window; 0 = hidden (writers leave the column out)
  Ausrichtung Ausr = Ausrichtung::Links;
  // Ranks, a tie's left empty: a printed page that begins inside a tie shows its rank.
  bool Rang = false;
};

struct ListenZeile {
  std::vector<std::string> Zellen;  // one text per column, hidden columns included
  bool Fett = false;                // heading and sum rows
  // Goes on with the entry above (the shooters and sums of a line-up's pairing): printed
  // without the gap that sets an entry apart where it wraps.
  bool Folgezeile = false;
  // An empty row separates blocks (a class, a pairing with its line-up); writers keep
  // a block on one page where it fits.
  bool leer() const;
};

struct ListenTabelle {
  std::vector<ListenSpalte> Spalten;
  std::vector<ListenZeile> Zeilen;
};

// ---- Page "Mannschaftstabellen" ----

// Every class with its teams in position order.
ListenTabelle StarttabellenListe(int32_t disznr);
// The team tables of every class, as computed in gMschTabellen.
ListenTabelle MannschaftstabellenListe(int32_t disznr, int32_t zehntelflag);

// ---- Page "Mannschaftsergebnisse" ----

// The pairings of every class in the round with their team results.
ListenTabelle BegegnungenListe(int32_t disznr, int32_t durchgang, int32_t zehntelflag);
// The team ring averages of all classes, as computed in gMergSortListe.
ListenTabelle MannschaftsRingschnittListe();
// The line-ups of every pairing of one class in the round; heading and sum rows are bold.
ListenTabelle AufstellungenListe(int32_t disznr, int32_t klasseNr, int32_t durchgang,
                                 int32_t zehntelflag);

// ---- Page "Einzelergebnisse" ----

// The individual ranking as computed in gEergSortListe. anzeige 0: results of one round,
// 1: averages, 2: averages with one column per round 1 ... durchgang ("E%d").
ListenTabelle EinzelergebnisListe(int32_t anzeige, int32_t disznr, int32_t klasseNr,
                                  int32_t durchgang, int32_t zehntelflag);

// ---- Page "Klassenergebnisse" ----

// One class in four displays: 0 pairings and individual results of the round, 1 table and
// individual averages, 2 table and the pairings up to the round, 3 table, pairings and
// individual results of the round. Runs the computations it needs. Mitte is used by
// display 3 only.
struct KlassenListen {
  ListenTabelle Oben;
  ListenTabelle Mitte;
  ListenTabelle Unten;
};
KlassenListen KlassenergebnisListen(int32_t disznr, int32_t klasseNr, int32_t durchgang,
                                    int32_t anzeige, int32_t minRinge, int32_t minAnzahl,
                                    int32_t zehntelflag);
// The round results of one class (rings above 0) into gEergSortListe, the team name in
// Vereinsname, best first.
void KlassenRundenliste(int32_t disznr, int32_t klasseNr, int32_t durchgang);

// ---- Page "Vereinsergebnisse" ----

// Every shooter of the club. filter 0: one column per round with the result ("E%d"),
// only shooters with a result above 0 when nurMitErgebnis; filter 1: the team numbers of
// the shooters who changed team ("Dg%d").
ListenTabelle VereinsergebnisListe(int32_t disznr, int32_t vrnr, int32_t filter,
                                   bool nurMitErgebnis, int32_t zehntelflag);

// ---- Page "Mannschaftsleiter" ----

// Teams with the club telephone and their captains. With a class, that class only; else
// with a club, the classes in which the club has a team (all their teams); else all classes.
ListenTabelle MannschaftsleiterListe(int32_t disznr, int32_t vrnr, int32_t klasseNr);

// ---- Choices ----

struct VereinsEintrag {
  int32_t Nummer = 0;
  std::string Name;
};
// Clubs with a team in the discipline, in stored order.
std::vector<VereinsEintrag> VereineDerDisziplin(int32_t disznr);

struct KlassenEintrag {
  int32_t Nr = 0;
  std::string Klname;
  int32_t AnzahlTermine = 0;
  int32_t Minerganzahl = 0;
};
// The classes of the discipline in Nr order (the first row of a number counts).
std::vector<KlassenEintrag> KlassenListe(int32_t disznr);
// The largest number of match days of the discipline's classes, 0 without classes.
int32_t MaxAnzahlTermine(const std::vector<KlassenEintrag>& klassen);
