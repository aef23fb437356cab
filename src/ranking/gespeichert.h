#pragma once
// Reading stored rows the way the database compares them, shared by the rankings and the
// sorted lists. The tables have no index, so every list reads each table it needs once and
// joins the rows in memory, matching them exactly as a query per row would:
//  - a filter "column = number" finds only values stored as that integer. Such values read
//    back as plain digits; NULL, '' and other texts match no number, although they read as
//    numbers (their leading digits, or 0) everywhere else;
//  - rows of equal sort value come in stored order (rowid), so every result is repeatable.
#include <cstddef>
#include <string>
#include <unordered_map>

#include "core/db.h"

namespace gespeichert {

// The integer a stored value equals in a comparison with a number, if any.
bool storedInteger(const std::string& text, long& value);

struct Key2 {
  long a, b;
  bool operator==(const Key2&) const = default;
};
struct Key3 {
  long a, b, c;
  bool operator==(const Key3&) const = default;
};
inline size_t mix(size_t h, long v) {
  return (h ^ static_cast<size_t>(v)) * 0x100000001b3ULL + 0x9e3779b97f4a7c15ULL;
}
struct KeyHash {
  size_t operator()(const Key2& k) const { return mix(mix(17, k.a), k.b); }
  size_t operator()(const Key3& k) const { return mix(mix(mix(17, k.a), k.b), k.c); }
};

bool storedKey(const db::Table& t, size_t row, size_t c1, size_t c2, Key2& key);

// Club number -> name; with several rows of one number the last one counts.
std::unordered_map<long, std::string> readClubNames();
std::string clubName(const std::unordered_map<long, std::string>& names, long nr);

// Team display names from one read of the clubs, formed as MannschaftsName forms them
// (its lookup finds the first row of a number).
class TeamNames {
 public:
  TeamNames();
  std::string operator()(long club, long team) const;

 private:
  std::unordered_map<long, std::string> clubs_;
};

}  // namespace gespeichert
