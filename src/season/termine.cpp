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

void insertDates(sqlite3* db, int disznr, long klasse, const std::vector<std::string>& dates,
                 size_t count) {
  for (size_t i = 0; i < count; ++i)
    db::exec(db, "INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (?, ?, ?, ?);",
             {klasse, static_cast<long>(i + 1), dates[i].empty() ? std::string(" ") : dates[i],
              disznr});
}

}  // namespace

void SpeichereTermine(sqlite3* db, int disznr, long klasse, const std::vector<std::string>& dates) {
  db::Transaction t(db);
  db::exec(db,
           "DELETE FROM Termine WHERE Mklnr=? AND Disznr=? AND Nr_in_klasse BETWEEN 1 AND ?;",
           {klasse, disznr, static_cast<long>(dates.size())});
  insertDates(db, disznr, klasse, dates, dates.size());
  t.commit();
}

void UebertrageTermine(sqlite3* db, int disznr, long klasse, const std::vector<std::string>& dates) {
  db::Table a = db::query(db, "SELECT AnzahlTermine FROM Mschklassen WHERE Disznr=? AND Nr=?;",
                          {disznr, klasse});
  db::Transaction t(db);
  db::exec(db, "DELETE FROM Termine WHERE Mklnr=? AND Disznr=? AND Nr_in_klasse <= ?;",
           {klasse, disznr, kTerminZeilen});
  if (!a.empty()) {
    long bouts = std::min<long>(a.num(0, 0), kTerminZeilen);
    insertDates(db, disznr, klasse, dates,
                static_cast<size_t>(std::clamp<long>(bouts, 0, static_cast<long>(dates.size()))));
  }
  t.commit();
}
