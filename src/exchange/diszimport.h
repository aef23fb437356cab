#pragma once
// Taking one discipline over from another data set (the main database of another data
// file, extracted to a file of its own).
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

struct DisciplineName {
  int nr = 0;
  std::string name;
};

// The named disciplines of a main database in the order of their numbers.
std::vector<DisciplineName> listDisciplines(sqlite3* db);

// Copies discipline `from` of the main database in sourceFile into gDbHaupt, with its
// classes, teams, dates, pairings, results, line-ups, age classes and captains, in one
// transaction. target < 0: as a new discipline after the highest number, with the path and
// report-import rows a new discipline gets; otherwise the rows of discipline `target` are
// replaced and its name row keeps its competition manager. Clubs and shooters that the
// copied rows name and this data set lacks are added. Returns the discipline number the
// rows went to, or -1 when nothing was changed.
int importDiscipline(const std::filesystem::path& sourceFile, int from, int target);
