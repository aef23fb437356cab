#pragma once
// The work behind the match entry mask: ring texts, match points, where stored results go
// in the fifteen rows of a side, sorting rows by rings, and the save of one match.
#include <sqlite3.h>

#include <array>
#include <string>
#include <vector>

namespace eingabe {

inline constexpr int kRows = 15;       // rows per side
inline constexpr int kPassDigits = 9;  // longest pass number that can be typed

// Ring text in ring units -> tenths, with integer arithmetic: "95.7" and "95.75" give 957,
// "095" 950, "" 0. "," counts as the decimal point; anything after the first decimal is cut.
long ringTenths(const std::string& text);
// Tenths -> ring text. A value with a tenth keeps its decimal even when the discipline does
// not count tenths, so that loading and saving a match changes nothing.
std::string ringText(long tenths, bool zehntel);

// Pass number of a text: up to kPassDigits digits; anything else (or nothing) gives 0.
long passNumber(const std::string& text);

// Team size of a class as the mask can show it: 1 .. kRows.
int clampTeamSize(int n);

struct Punkte {
  int heimPlus = 0;
  int heimMinus = 0;
  int gastPlus = 0;
  int gastMinus = 0;
};
// 2:0 for the higher sum, 1:1 when equal, nothing when both sums are 0.
Punkte matchPoints(long heim, long gast);

// One line of the pairing list, as in table Gegner.
struct Gegnerzeile {
  int Disznr = 0;
  int Mklnr = 0;
  int Kampfnr = 0;
  long Heimvrnr = 0;
  int Heimmschnr = 0;
  long Gastvrnr = 0;
  int Gastmschnr = 0;
};

// A stored individual result of one side.
struct StoredResult {
  long schnr = 0;
  int mschflag = 0;
  long ringerg = 0;
};

// Where the stored results of a side stand in the rows: counted results from row 0, the
// others from row max(n, number of counted ones); what does not fit in kRows rows is left
// out and reported through overflow.
struct Placement {
  std::array<int, kRows> result;  // index into counted followed by uncounted, or -1
  bool overflow = false;
};
Placement placeResults(size_t counted, size_t uncounted, int n);

// A planned line-up in the rows of a side: each shooter in the row of his position, as the
// save writes it. A shooter listed twice is shown once; a position that is taken or lies
// outside the rows moves him to the next free row. 0 = empty row.
struct LineupEntry {
  long schnr = 0;
  int posnr = 0;
};
std::array<long, kRows> placeLineup(const std::vector<LineupEntry>& entries);

// The texts of one row while sorting.
struct RowTexts {
  std::string pass;
  std::string name;
  std::string rings;
};
// Takes the rows 0 .. limit-1 holding rings out, sorts them by rings (highest first, equal
// values in row order) and writes them back from row 0 on, over whatever those rows hold.
void sortRowsByRings(std::array<RowTexts, kRows>& rows, int limit);

// Sum of the counted rows in tenths, and whether every / any counted row has rings.
long countedSum(const std::array<RowTexts, kRows>& rows, int n);
bool allCountedHaveRings(const std::array<RowTexts, kRows>& rows, int n);
bool anyCountedHasRings(const std::array<RowTexts, kRows>& rows, int n);

// What the save takes of one side.
struct SideEntry {
  long vrnr = 0;
  int mschnr = 0;
  std::array<long, kRows> passnr{};  // 0 = empty row
  std::array<long, kRows> ringe{};   // tenths, 0 = no rings
  long summe = 0;                    // team sum in tenths
};

struct SkippedRow {
  bool heim = true;
  int row = 0;  // 0-based
  long passnr = 0;
};

struct SaveResult {
  bool ok = false;
  // Rows with rings whose shooter does not belong to the side's club: not stored.
  std::vector<SkippedRow> skipped;
};

// Stores individual results, team results with match points, the line-up and the active
// flags of one match in one transaction. n = counted rows per side. At the first failing
// statement everything is rolled back (the error box was shown) and ok is false.
SaveResult saveMatch(sqlite3* db, const Gegnerzeile& p, int n, const SideEntry& heim,
                     const SideEntry& gast);

}  // namespace eingabe
