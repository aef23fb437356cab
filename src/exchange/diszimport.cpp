#include "exchange/diszimport.h"

#include <algorithm>
#include <cctype>

#include "core/db.h"
#include "core/globals.h"
#include "core/schema.h"
#include "platform/text.h"

namespace {

// The tables of one discipline, copied in this order; each has a column Disznr.
const char* const kDisciplineTables[] = {
    "Mschklassen", "Termine",   "Msch_in_klassen", "Mscherg",           "Schuetzenerg",
    "Gegner",      "Mschaufstlg", "JgKlassen",     "JgKlEinstellungen", "Msch_fuehrer"};

// Column names compare as SQLite compares them: without regard to case.
bool sameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// Columns both databases have, in the order of this data set's table (the other data set
// may come from an older version).
std::vector<std::string> sharedColumns(const std::string& table) {
  db::Table t = db::query(gDbHaupt,
                          "SELECT m.name FROM pragma_table_info(?1, 'main') AS m WHERE EXISTS "
                          "(SELECT 1 FROM pragma_table_info(?1, 'imp') AS i "
                          "WHERE i.name = m.name COLLATE NOCASE) ORDER BY m.cid;",
                          {table}, db::Report::Silent);
  std::vector<std::string> result;
  for (const auto& row : t.rows) result.push_back(row[0]);
  return result;
}

std::string joined(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
  return out;
}

// INSERT INTO main.<table> (cols) SELECT cols FROM imp.<table> WHERE <keyColumn>=?1 ORDER
// BY rowid, with the key column replaced by ?2 (the target discipline).
bool copyRows(const std::string& table, const char* keyColumn, int from, int target) {
  std::vector<std::string> cols = sharedColumns(table);
  if (cols.empty()) return true;  // the other data set lacks the table
  std::vector<std::string> values = cols;
  for (std::string& v : values)
    if (sameName(v, keyColumn)) v = "?2";
  return db::exec(gDbHaupt,
                  "INSERT INTO main." + table + " (" + joined(cols) + ") SELECT " + joined(values) +
                      " FROM imp." + table + " WHERE " + keyColumn + "=?1 ORDER BY rowid;",
                  {from, target});
}

// Rows of the whole data set (clubs, shooters) that the copied discipline names and this
// data set lacks.
bool addMissingMasterRows(int from) {
  const std::string shooters =
      "SELECT Schnr FROM imp.Schuetzenerg WHERE Disznr=?1 "
      "UNION SELECT Schnr FROM imp.Mschaufstlg WHERE Disznr=?1";
  const std::string clubs =
      "SELECT Vrnr FROM imp.Msch_in_klassen WHERE Disznr=?1 "
      "UNION SELECT Vrnr FROM imp.Mscherg WHERE Disznr=?1 "
      "UNION SELECT Vrnr FROM imp.Schuetzenerg WHERE Disznr=?1 "
      "UNION SELECT Heimvrnr FROM imp.Gegner WHERE Disznr=?1 "
      "UNION SELECT Gastvrnr FROM imp.Gegner WHERE Disznr=?1 "
      "UNION SELECT Vrnr FROM imp.Mschaufstlg WHERE Disznr=?1 "
      "UNION SELECT Vrnr FROM imp.Msch_fuehrer WHERE Disznr=?1 "
      "UNION SELECT VrNr FROM imp.Schuetzen WHERE Passnr IN (" + shooters +
      ") AND Passnr NOT IN (SELECT Passnr FROM main.Schuetzen)";
  bool ok = true;
  // Rows of `table` whose key is in `wanted` and not yet in main.<owner>.
  auto copy = [&](const std::string& table, const std::string& key, const std::string& wanted,
                  const std::string& owner) {
    std::vector<std::string> cols = sharedColumns(table);
    if (cols.empty()) return;
    ok = db::exec(gDbHaupt,
                  "INSERT INTO main." + table + " (" + joined(cols) + ") SELECT " + joined(cols) +
                      " FROM imp." + table + " WHERE " + key + " IN (" + wanted + ") AND " + key +
                      " NOT IN (SELECT " + key + " FROM main." + owner + ") ORDER BY rowid;",
                  {from}) &&
         ok;
  };
  // Each step reads main as the steps before left it: texts of lacking clubs first, then
  // the clubs (of the rows and of the shooters about to be added), then the shooters.
  copy("Vereine_zstext", "Nummer", clubs, "Vereine_gau");
  copy("Vereine_gau", "Nummer", clubs, "Vereine_gau");
  copy("Schuetzen", "Passnr", shooters, "Schuetzen");
  return ok;
}

int copyDiscipline(int from, int target) {
  db::Table source = db::query(gDbHaupt, "SELECT Nr FROM imp.Disznamen WHERE Nr=?;", {from});
  if (!source.ok || source.empty()) return -1;

  db::Transaction t(gDbHaupt);
  bool ok = true;
  if (target < 0) {
    db::Table last = db::query(gDbHaupt, "SELECT MAX(Nr) FROM main.Disznamen;");
    if (!last.ok) return -1;
    target = last.empty() || last.text(0, 0).empty() ? 0 : last.integer(0, 0) + 1;
    ok = copyRows("Disznamen", "Nr", from, target) &&
         db::exec(gDbHaupt, "UPDATE main.Disznamen SET WklNr=0 WHERE Nr=?;", {target});
  } else {
    // The name row stays; all else of it comes from the file, but its manager.
    std::string sets;
    for (const std::string& c : sharedColumns("Disznamen")) {
      if (sameName(c, "Nr") || sameName(c, "WklNr")) continue;
      sets += (sets.empty() ? "" : ", ") + c + "=(SELECT " + c +
              " FROM imp.Disznamen WHERE Nr=?1 ORDER BY rowid LIMIT 1)";
    }
    if (!sets.empty())
      ok = db::exec(gDbHaupt, "UPDATE main.Disznamen SET " + sets + " WHERE Nr=?2;",
                    {from, target});
    for (const char* table : kDisciplineTables)
      ok = ok && db::exec(gDbHaupt, std::string("DELETE FROM main.") + table + " WHERE Disznr=?;",
                          {target});
  }
  for (const char* table : kDisciplineTables) ok = ok && copyRows(table, "Disznr", from, target);
  ok = ok && addMissingMasterRows(from);
  if (!ok || !t.commit()) return -1;
  return target;
}

}  // namespace

std::vector<DisciplineName> listDisciplines(sqlite3* db) {
  std::vector<DisciplineName> result;
  db::Table t = db::query(db, "SELECT Nr, Bezeichnung FROM Disznamen ORDER BY Nr ASC;");
  for (size_t r = 0; r < t.size(); ++r)
    if (!t.text(r, 1).empty()) result.push_back({t.integer(r, 0), t.text(r, 1)});
  return result;
}

int importDiscipline(const std::filesystem::path& sourceFile, int from, int target) {
  // ATTACH cannot run inside a transaction; the copy opens its own afterwards. SQLite takes
  // the name as the file system spells it.
  if (!db::exec(gDbHaupt, "ATTACH DATABASE ? AS imp;", {sourceFile.string()})) return -1;
  int result = copyDiscipline(from, target);
  db::exec(gDbHaupt, "DETACH DATABASE imp;");
  if (result >= 0 && target < 0) addDisciplineSettingsRows(result);
  return result;
}
