#include "season/termine.h"

#include <algorithm>

#include "core/db.h"

std::vector<std::string> LadeTermine(sqlite3* db, int disznr, long klasse, int rows) {
  std::vector<std::string> dates(static_cast<size_t>(std::max(rows, 0)));
  db::Table t = db::query(db,
                          "SELECT Nr_in_klasse, Termin FROM Termine WHERE Mklnr=? AND Disznr=? "
                          "ORDER BY rowid;",
                          {klasse, disznr});
  for (size_t r = 0; r < t.size(); ++r) {
    long bout = t.num(r, 0);
    if (bout < 1 || bout > rows) continue;
    const std::string& text = t.text(r, 1);
    // " " is how an empty date is stored.
    dates[static_cast<size_t>(bout - 1)] =
        text.find_first_not_of(' ') == std::string::npos ? std::string() : text;
  }
  return dates;
}

namespace {

bool insertDates(sqlite3* db, int disznr, long klasse, const std::vector<std::string>& dates,
                 size_t count) {
  for (size_t i = 0; i < count; ++i)
    if (!db::exec(db, "INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (?, ?, ?, ?);",
                  {klasse, static_cast<long>(i + 1), dates[i].empty() ? std::string(" ") : dates[i],
                   disznr}))
      return false;
  return true;
}

}  // namespace

bool SpeichereTermine(sqlite3* db, int disznr, long klasse, const std::vector<std::string>& dates) {
  db::Transaction t(db);
  return db::exec(db,
                  "DELETE FROM Termine WHERE Mklnr=? AND Disznr=? AND Nr_in_klasse BETWEEN 1 AND ?;",
                  {klasse, disznr, static_cast<long>(dates.size())}) &&
         insertDates(db, disznr, klasse, dates, dates.size()) && t.commit();
}

bool UebertrageTermine(sqlite3* db, int disznr, long klasse, const std::vector<std::string>& dates) {
  db::Table a = db::query(db, "SELECT AnzahlTermine FROM Mschklassen WHERE Disznr=? AND Nr=?;",
                          {disznr, klasse});
  if (!a.ok) return false;
  db::Transaction t(db);
  if (!db::exec(db, "DELETE FROM Termine WHERE Mklnr=? AND Disznr=? AND Nr_in_klasse <= ?;",
                {klasse, disznr, kTerminZeilen}))
    return false;
  if (!a.empty()) {
    long bouts = std::min<long>(a.num(0, 0), kTerminZeilen);
    if (!insertDates(db, disznr, klasse, dates,
                     static_cast<size_t>(std::clamp<long>(bouts, 0, static_cast<long>(dates.size())))))
      return false;
  }
  return t.commit();
}
