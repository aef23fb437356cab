#include "ranking/gespeichert.h"

#include "core/globals.h"
#include "core/helpers.h"

namespace gespeichert {

bool storedInteger(const std::string& text, long& value) {
  size_t i = 0;
  const size_t n = text.size();
  bool negative = false;
  if (i < n && text[i] == '-') {
    negative = true;
    ++i;
  }
  const size_t digits = n - i;
  if (digits == 0 || digits > 18) return false;
  if (text[i] == '0' && (digits > 1 || negative)) return false;  // never how SQLite writes one
  long v = 0;
  for (; i < n; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  value = negative ? -v : v;
  return true;
}

bool storedKey(const db::Table& t, size_t row, size_t c1, size_t c2, Key2& key) {
  return storedInteger(t.text(row, c1), key.a) && storedInteger(t.text(row, c2), key.b);
}

std::unordered_map<long, std::string> readClubNames() {
  std::unordered_map<long, std::string> names;
  db::Table t = db::query(gDbHaupt, "SELECT Nummer, Name FROM Vereine_gau ORDER BY rowid;");
  for (size_t r = 0; r < t.size(); ++r) {
    long nr;
    if (storedInteger(t.text(r, 0), nr)) names[nr] = t.text(r, 1);
  }
  return names;
}

std::string clubName(const std::unordered_map<long, std::string>& names, long nr) {
  auto it = names.find(nr);
  return it == names.end() ? std::string() : it->second;
}

TeamNames::TeamNames() {
  db::Table t = db::query(gDbHaupt, "SELECT Nummer, Name FROM Vereine_gau ORDER BY rowid;");
  for (size_t r = 0; r < t.size(); ++r) {
    long nr;
    if (storedInteger(t.text(r, 0), nr)) clubs_.emplace(nr, t.text(r, 1));
  }
}

std::string TeamNames::operator()(long club, long team) const {
  auto it = clubs_.find(club);
  return it == clubs_.end() ? std::string()
                            : MannschaftsNameVon(it->second, static_cast<int>(team));
}

}  // namespace gespeichert
