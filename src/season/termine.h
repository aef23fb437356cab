#pragma once
// The dates of the bouts of a class (table Termine). The dates dialog holds a fixed number
// of rows; dates of bouts beyond them can neither be shown nor entered, and are never
// touched by it.
#include <sqlite3.h>

#include <string>
#include <vector>

inline constexpr int kTerminZeilen = 50;
inline constexpr int kTerminLaenge = 45;

// The dates of bouts 1 .. rows of a class, each at the index of its bout number - 1; bouts
// without a date, or with the blank that stands for an empty one, read "". When a bout has
// several rows the last one counts.
std::vector<std::string> LadeTermine(sqlite3* db, int disznr, long klasse, int rows);

// Replaces the dates of bouts 1 .. dates.size() of a class; an empty date is stored as " ".
// All or nothing: false, with the dates as they were, when a statement failed.
bool SpeichereTermine(sqlite3* db, int disznr, long klasse, const std::vector<std::string>& dates);

// Gives another class the dates of bouts 1 .. dates.size(), as far as that class has bouts;
// every other date it held within the dialog's rows is removed. All or nothing, as above.
bool UebertrageTermine(sqlite3* db, int disznr, long klasse, const std::vector<std::string>& dates);
