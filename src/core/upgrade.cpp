#include "core/upgrade.h"

#include <strings.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "core/schema.h"
#include "platform/messages.h"
#include "platform/text.h"

namespace {

using Columns = std::vector<std::string>;

bool listed(const Columns& columns, const char* column) {
  for (const std::string& name : columns)
    if (strcasecmp(name.c_str(), column) == 0) return true;
  return false;
}

// The layout is read from the table itself; writing test rows would disturb real rows that
// happen to hold the same values. A quick look without a transaction: false may also mean the
// file could not be read, so a probe looks again before it builds anything.
bool hasColumn(sqlite3* conn, const std::string& table, const char* column) {
  return listed(db::columnNames(conn, table), column);
}

// A table's columns (none when there is no such table), read inside the probe's transaction
// with its errors noted. A database that cannot be read (another program holds it) gives
// nothing: it must never be taken for an older layout and built again empty.
std::optional<Columns> checkedColumns(sqlite3* conn, const char* table) {
  // This read takes the file's lock; the layout SQLite keeps in memory may be out of date.
  if (!db::query(conn, "SELECT COUNT(*) FROM sqlite_master;").ok) return std::nullopt;
  db::Table t = db::query(conn, "SELECT name FROM pragma_table_info(?);", {table});
  if (!t.ok) return std::nullopt;
  Columns out;
  for (auto& row : t.rows) out.push_back(row[0]);
  return out;
}

std::optional<std::vector<long>> disciplines() {
  db::Table t = db::query(gDbHaupt, "SELECT Nr FROM Disznamen ORDER BY Nr ASC;");
  if (!t.ok) return std::nullopt;
  std::vector<long> out;
  for (size_t r = 0; r < t.size(); ++r) out.push_back(t.num(r, 0));
  return out;
}

// The older layout kept the report folder, user name, password and server address in the
// rows 0 to 3 of PfadeImpExp: their values are read and rows 1 to 3 deleted, left to the
// caller's transaction to commit. False when the paths database cannot be read or written.
bool takeOldReportValues(std::vector<std::string>& values) {
  const std::optional<Columns> columns = checkedColumns(gDbPfade, "PfadeImpExp");
  if (!columns) return false;
  if (!listed(*columns, "MschmldgPfad")) return true;  // nothing kept there
  for (int d = 0; d < 4; ++d) {
    db::Table row = db::query(gDbPfade, "SELECT MschMldgPfad FROM PfadeImpExp WHERE Disznr=?;", {d});
    if (!row.ok) return false;
    if (!row.empty()) values[static_cast<size_t>(d)] = row.text(0, 0);
  }
  for (int d = 1; d < 4; ++d)
    if (!db::exec(gDbPfade, "DELETE FROM PfadeImpExp WHERE Disznr = ?;", {d})) return false;
  return true;
}

bool buildRmeImport(const std::vector<std::string>& v) {
  if (!RecreateAutoTables()) return false;
  const std::optional<std::vector<long>> discs = disciplines();
  if (!discs) return false;
  for (long d : *discs)
    if (!insertRmeImportRow(d, v[0], v[1], v[2], v[3])) return false;
  return true;
}

bool upgradeEinzelausgb10(const std::vector<long>& discs) {
  if (!recreateTable(gDbPfade, "PfadeEinzelausgb_10", gIntdat.SqlCreatePfadeEinzelausgb10)) return false;
  for (long d : discs)
    if (!insertEinzelausgb10Row(d)) return false;
  const std::optional<Columns> older = checkedColumns(gDbPfade, "PfadeEinzelausgb");
  if (!older) return false;
  // A current database has no older table: then there is nothing to take over.
  if (older->empty()) return true;
  for (long d : discs) {
    db::Table old = db::query(
        gDbPfade, "SELECT DISTINCT Pfad1, Pfad2, Pfad3, Pfad4, Pfad5 FROM PfadeEinzelausgb WHERE Disznr=?;", {d});
    if (!old.ok) return false;
    if (old.empty()) continue;
    if (!db::exec(gDbPfade,
                  "UPDATE PfadeEinzelausgb_10 SET Pfad1=?, Pfad2=?, Pfad3=?, Pfad4=?, Pfad5=? WHERE Disznr=?;",
                  {old.text(0, 0), old.text(0, 1), old.text(0, 2), old.text(0, 3), old.text(0, 4), d}))
      return false;
  }
  return db::exec(gDbPfade, "DROP TABLE PfadeEinzelausgb;");
}

// The databases already named as held in this run of the probes: one message each.
std::set<sqlite3*>* gNamedHeld = nullptr;

// The one message of a probe that changed nothing; in the start's words when another program
// holds the database.
void sayNothingChanged(sqlite3* conn, const std::string& reason) {
  const std::filesystem::path database = sqlite3_db_filename(conn, "main");
  if (reason != db::kHeldElsewhere) {
    msg::show(qs("Die Tabellen der Datenbank\n") + qtPath(database) +
                  qs("\nkonnten nicht umgestellt werden:\n" + reason + "\nEs wurde nichts ge\xE4ndert."),
              "Fehler", msg::Ok, msg::Error);
  } else if (!gNamedHeld || gNamedHeld->insert(conn).second) {
    msg::show(db::heldElsewhereNotice(database), "Fehler", msg::Ok, msg::Error);
  }
}

// Builds tables of an older layout again in one transaction of conn: all of it or nothing.
// A failure is said once, naming the database whose statement failed (a probe also reads the
// main database's disciplines), instead of an error box for each statement that follows.
bool rebuilt(sqlite3* conn, const std::function<bool()>& probe) {
  std::string reason;
  sqlite3* at = conn;
  {
    db::QuietErrors quiet;
    db::Transaction t(conn);
    // After any failed statement, reported or not, the work is taken back, never committed.
    if (t.active() && probe() && !quiet.failed() && t.commit()) return true;
    reason = quiet.failed() ? quiet.reason() : db::failureReason(conn);
    if (quiet.failedOn()) at = quiet.failedOn();
  }
  sayNothingChanged(at, reason);
  return false;
}

// Inside the probe's transaction the layout is read again: a table that only could not be
// read before is left as it is.
bool unlessCurrent(sqlite3* conn, const char* table, const char* column, const std::function<bool()>& build) {
  const std::optional<Columns> columns = checkedColumns(conn, table);
  return columns && (listed(*columns, column) || build());
}

// The report settings of an older layout move from the paths database to RmeImport. The
// paths database is held for writing from the first read to its commit, and that commit
// follows the import database's: the old rows go only once their values are safe, and a
// failure on either side leaves both as they were for the next start to try again.
bool moveReportSettings() {
  db::QuietErrors quiet;
  sqlite3* at = gDbAutoImpExp;  // the database being worked on
  db::Transaction import(gDbAutoImpExp);
  const std::optional<Columns> current = import.active() ? checkedColumns(gDbAutoImpExp, "RmeImport") : std::nullopt;
  if (current && listed(*current, "Url")) return true;
  std::optional<db::Transaction> paths;
  auto moved = [&] {
    if (!current) return false;
    at = gDbPfade;
    paths.emplace(gDbPfade, db::Transaction::Exclusive);
    std::vector<std::string> values(4);
    if (!paths->active() || !takeOldReportValues(values) || quiet.failed()) return false;
    at = gDbAutoImpExp;
    return buildRmeImport(values) && !quiet.failed() && import.commit();
  };
  if (moved()) {
    // Under the write lock only a failing disk can refuse this; the settings are in RmeImport
    // already, and the old rows left behind are not read by anything.
    paths->commit();
    return true;
  }
  const std::string reason = quiet.failed() ? quiet.reason() : db::failureReason(at);
  // The import rows are made from the main database's disciplines: a main database that
  // another program holds is the one to name, not the import database.
  if (quiet.failedOn()) at = quiet.failedOn();
  // Taken back before the message waits for its answer, so no lock is held meanwhile.
  paths.reset();
  import.rollback();
  sayNothingChanged(at, reason);
  return false;
}

bool plainName(const std::string& name) {
  if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) return false;
  for (char c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  return true;
}

std::string quotedName(const std::string& name) {
  if (plainName(name)) return name;
  std::string out = "\"";
  for (char c : name) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

// SQLite's rule: a declared type naming CHAR, CLOB or TEXT (and not INT) keeps texts as texts.
bool textAffinity(std::string type) {
  for (char& c : type) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (type.find("INT") != std::string::npos) return false;
  return type.find("CHAR") != std::string::npos || type.find("CLOB") != std::string::npos ||
         type.find("TEXT") != std::string::npos;
}

// Older files declare the address and telephone columns STRING, which turns "0815" into
// 815. Such a table is built again with these columns declared TEXT: every other column
// keeps its declaration, every row its rowid and values, indexes and triggers are made
// again. Values that were already stored as numbers stay as they are. The caller holds the
// transaction.
bool declareTextColumns(sqlite3* conn, const std::string& table,
                        std::initializer_list<const char*> columns) {
  db::Table info = db::query(conn,
                             "SELECT name, type, \"notnull\", dflt_value, dflt_value IS NULL, pk "
                             "FROM pragma_table_info(?) ORDER BY cid;",
                             {table}, db::Report::Silent);
  if (!info.ok || info.empty()) return info.ok;
  auto listed = [&](const std::string& name) {
    for (const char* c : columns)
      if (strcasecmp(c, name.c_str()) == 0) return true;
    return false;
  };
  bool needed = false;
  for (size_t r = 0; r < info.size(); ++r)
    needed = needed || (listed(info.text(r, 0)) && !textAffinity(info.text(r, 1)));
  if (!needed) return true;

  std::string defs, names, keys;
  for (size_t r = 0; r < info.size(); ++r) {
    const std::string name = quotedName(info.text(r, 0));
    const std::string type = listed(info.text(r, 0)) ? "TEXT" : info.text(r, 1);
    defs += (r ? ", " : "") + name + (type.empty() ? "" : " " + type);
    if (info.text(r, 2) == "1") defs += " NOT NULL";
    if (info.text(r, 4) != "1") defs += " DEFAULT " + info.text(r, 3);
    if (info.num(r, 5) > 0) keys += (keys.empty() ? "" : ", ") + name;
    names += (r ? ", " : "") + name;
  }
  if (!keys.empty()) defs += ", PRIMARY KEY (" + keys + ")";
  db::Table extras = db::query(conn,
                               "SELECT sql FROM sqlite_master WHERE tbl_name=? AND type IN "
                               "('index', 'trigger') AND sql IS NOT NULL ORDER BY rowid;",
                               {table}, db::Report::Silent);
  if (!extras.ok) return false;
  // A key column may be the rowid itself; then it carries the rows' numbers.
  const std::string rowid = keys.empty() ? "rowid, " : "";
  const std::string old = quotedName(table + "_zk_alt");
  bool ok = db::exec(conn, "ALTER TABLE " + quotedName(table) + " RENAME TO " + old + ";", {},
                     db::Report::Silent) &&
            db::exec(conn, "CREATE TABLE " + quotedName(table) + " (" + defs + ")", {},
                     db::Report::Silent) &&
            db::exec(conn,
                     "INSERT INTO " + quotedName(table) + " (" + rowid + names + ") SELECT " +
                         rowid + names + " FROM " + old + " ORDER BY rowid;",
                     {}, db::Report::Silent) &&
            db::exec(conn, "DROP TABLE " + old + ";", {}, db::Report::Silent);
  for (size_t r = 0; ok && r < extras.size(); ++r)
    ok = db::exec(conn, extras.text(r, 0), {}, db::Report::Silent);
  return ok;
}

// One table's probe in its own transaction: all of it or nothing. The reason of a failure;
// "" when the probe did its work.
std::string inTransaction(sqlite3* conn, bool (*probe)(sqlite3*)) {
  db::QuietErrors quiet;
  db::Transaction t(conn);
  // Read before the guard rolls back, which would clear the connection's error.
  if (!t.active() || !probe(conn) || quiet.failed())
    return quiet.failed() ? quiet.reason() : db::failureReason(conn);
  if (t.commit()) return {};
  return quiet.failed() ? quiet.reason() : std::string("unbekannte Ursache");
}

std::string upgradeMschFuehrer() {
  return inTransaction(gDbHaupt, [](sqlite3* c) {
    return declareTextColumns(c, "Msch_fuehrer", {"Plz", "Tel_a", "Tel_b", "Fax"});
  });
}

std::string upgradeWettkampfleiter() {
  return inTransaction(gDbHaupt, [](sqlite3* c) {
    return declareTextColumns(c, "Wettkampfleiter", {"Plz", "Tel", "Fax"});
  });
}

std::string upgradeVereineZstext() {
  return inTransaction(gDbHaupt, [](sqlite3* c) {
    const std::optional<Columns> columns = checkedColumns(c, "Vereine_zstext");
    if (!columns) return false;
    if (columns->empty()) return db::exec(c, gIntdat.SqlCreateVereineZstext);
    if (!listed(*columns, "TelSStd")) return db::exec(c, "ALTER TABLE Vereine_zstext ADD COLUMN TelSStd TEXT;");
    return declareTextColumns(c, "Vereine_zstext", {"TelSStd"});
  });
}

}  // namespace

bool UpgradeTableMschFuehrer() { return upgradeMschFuehrer().empty(); }

bool UpgradeTableWettkampfleiter() { return upgradeWettkampfleiter().empty(); }

bool UpgradeTableMschStammschuetzen() { return true; }

bool UpgradeTableAktion() {
  return hasColumn(gDbAgenda, "Aktion", "Typ") ||
         rebuilt(gDbAgenda, [] { return unlessCurrent(gDbAgenda, "Aktion", "Typ", RecreateAktionTable); });
}

bool UpgradeTableEintrag() {
  return hasColumn(gDbStammdaten, "Eintrag", "Wert") ||
         rebuilt(gDbStammdaten, [] { return unlessCurrent(gDbStammdaten, "Eintrag", "Wert", RecreateEintragTable); });
}

bool UpgradeTableRmeImport(bool defaultCreated) {
  if (hasColumn(gDbAutoImpExp, "RmeImport", "Url")) return true;
  if (!defaultCreated) return moveReportSettings();
  // The path rows are new and hold no older values.
  return rebuilt(gDbAutoImpExp, [] {
    return unlessCurrent(gDbAutoImpExp, "RmeImport", "Url", [] {
      return buildRmeImport({storablePath(gIntdat.ProgrammVerzeichnis), "", "", ""});
    });
  });
}

bool UpgradeTableVereineZstext() { return upgradeVereineZstext().empty(); }

bool UpgradeAddressTables() {
  // Each table on its own: one that fits may still be done when another does not.
  std::string reason;
  for (std::string (*probe)() : {upgradeVereineZstext, upgradeWettkampfleiter, upgradeMschFuehrer})
    if (std::string why = probe(); reason.empty()) reason = why;
  if (reason.empty()) return true;
  if (reason == db::kHeldElsewhere) {
    sayNothingChanged(gDbHaupt, reason);
    return false;
  }
  const std::filesystem::path database = sqlite3_db_filename(gDbHaupt, "main");
  msg::show(qs("Die Tabellen der Adressen und Telefonnummern der Datenbank\n") + qtPath(database) +
                qs("\nkonnten nicht umgestellt werden:\n" + reason +
                   "\nDie Daten bleiben unver\xE4ndert; eine f\xFChrende Null einer Telefonnummer wird bis "
                   "zur Umstellung nicht gespeichert."),
            "Fehler", msg::Ok, msg::Error);
  return false;
}

bool UpgradePathTables() {
  if (hasColumn(gDbPfade, "PfadeEinzelausgb_10", "Pfad10") && hasColumn(gDbPfade, "PfadeNeueSaison", "StarttabPfad") &&
      hasColumn(gDbPfade, "PfadeImpExp", "MschmldgPfad"))
    return true;
  return rebuilt(gDbPfade, [] {
    const std::optional<Columns> einzel = checkedColumns(gDbPfade, "PfadeEinzelausgb_10");
    const std::optional<Columns> saison = checkedColumns(gDbPfade, "PfadeNeueSaison");
    const std::optional<Columns> impExp = checkedColumns(gDbPfade, "PfadeImpExp");
    const std::optional<std::vector<long>> discs = disciplines();
    if (!einzel || !saison || !impExp || !discs) return false;
    if (!listed(*einzel, "Pfad10") && !upgradeEinzelausgb10(*discs)) return false;
    if (!listed(*saison, "StarttabPfad")) {
      if (!recreateTable(gDbPfade, "PfadeNeueSaison", gIntdat.SqlCreatePfadeNeueSaison)) return false;
      for (long d : *discs)
        if (!insertNeueSaisonRow(d)) return false;
    }
    if (!listed(*impExp, "MschmldgPfad")) {
      if (!recreateTable(gDbPfade, "PfadeImpExp", gIntdat.SqlCreatePfadeImpExp)) return false;
      for (long d : *discs)
        if (!insertImpExpRow(d)) return false;
    }
    return true;
  });
}

void RunUpgradeProbes(bool defaultCreated) {
  std::set<sqlite3*> namedHeld;
  gNamedHeld = &namedHeld;
  UpgradeTableMschStammschuetzen();
  UpgradeTableAktion();
  UpgradeTableEintrag();
  UpgradeTableRmeImport(defaultCreated);
  UpgradeAddressTables();
  UpgradePathTables();
  gNamedHeld = nullptr;
}
