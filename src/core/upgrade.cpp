#include "core/upgrade.h"

#include <strings.h>

#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "core/schema.h"
#include "platform/messages.h"
#include "platform/text.h"

namespace {

// The layout is read from the table itself; writing test rows would disturb real rows that
// happen to hold the same values.
bool hasColumn(sqlite3* conn, const std::string& table, const char* column) {
  for (const std::string& name : db::columnNames(conn, table))
    if (strcasecmp(name.c_str(), column) == 0) return true;
  return false;
}

std::vector<long> disciplines() {
  std::vector<long> out;
  db::Table t = db::query(gDbHaupt, "SELECT Nr FROM Disznamen ORDER BY Nr ASC;");
  for (size_t r = 0; r < t.size(); ++r) out.push_back(t.num(r, 0));
  return out;
}

// The older layout kept the report folder, user name, password and server address in the
// rows 0 to 3 of PfadeImpExp; they move to RmeImport and rows 1 to 3 go.
std::vector<std::string> takeOldReportValues() {
  std::vector<std::string> values(4);
  if (!db::tableExists(gDbPfade, "PfadeImpExp")) return values;
  db::Transaction t(gDbPfade);
  for (int d = 0; d < 4; ++d) {
    db::Table row = db::query(gDbPfade, "SELECT MschMldgPfad FROM PfadeImpExp WHERE Disznr=?;", {d});
    if (!row.empty()) values[static_cast<size_t>(d)] = row.text(0, 0);
  }
  for (int d = 1; d < 4; ++d) db::exec(gDbPfade, "DELETE FROM PfadeImpExp WHERE Disznr = ?;", {d});
  t.commit();
  return values;
}

bool upgradeEinzelausgb10(const std::vector<long>& discs) {
  if (!recreateTable(gDbPfade, "PfadeEinzelausgb_10", gIntdat.SqlCreatePfadeEinzelausgb10)) return false;
  for (long d : discs)
    if (!insertEinzelausgb10Row(d)) return false;
  // A current database has no older table: then there is nothing to take over.
  if (db::tableExists(gDbPfade, "PfadeEinzelausgb")) {
    for (long d : discs) {
      db::Table old = db::query(
          gDbPfade,
          "SELECT DISTINCT Pfad1, Pfad2, Pfad3, Pfad4, Pfad5 FROM PfadeEinzelausgb WHERE Disznr=?;",
          {d});
      if (old.empty()) continue;
      db::exec(gDbPfade,
               "UPDATE PfadeEinzelausgb_10 SET Pfad1=?, Pfad2=?, Pfad3=?, Pfad4=?, Pfad5=? "
               "WHERE Disznr=?;",
               {old.text(0, 0), old.text(0, 1), old.text(0, 2), old.text(0, 3), old.text(0, 4), d});
    }
  }
  db::exec(gDbPfade, "DROP TABLE PfadeEinzelausgb;", {}, db::Report::Silent);
  return true;
}

// Builds tables of an older layout again in one transaction of conn: all of it or nothing.
// A failure (another program holds the file) is said once, naming the database, instead of
// an error box for each statement that follows.
bool rebuilt(sqlite3* conn, const std::function<bool()>& probe) {
  std::string reason;
  {
    db::QuietErrors quiet;
    db::Transaction t(conn);
    if (probe() && t.commit()) return true;
    reason = quiet.failed() ? quiet.reason() : db::failureReason(conn);
  }
  const std::filesystem::path database = sqlite3_db_filename(conn, "main");
  const QString file = qtPath(database);
  if (reason == db::kHeldElsewhere)
    msg::show(db::heldElsewhereNotice(database), "Fehler", msg::Ok, msg::Error);
  else
    msg::show(qs("Die Tabellen der Datenbank\n") + file + qs("\nkonnten nicht umgestellt werden:\n" + reason +
                                                          "\nEs wurde nichts ge\xE4ndert."),
              "Fehler", msg::Ok, msg::Error);
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
  if (!probe(conn)) return quiet.failed() ? quiet.reason() : db::failureReason(conn);
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
    if (!db::tableExists(c, "Vereine_zstext"))
      return db::exec(c, gIntdat.SqlCreateVereineZstext, {}, db::Report::Silent);
    if (!hasColumn(c, "Vereine_zstext", "TelSStd"))
      return db::exec(c, "ALTER TABLE Vereine_zstext ADD COLUMN TelSStd TEXT;");
    return declareTextColumns(c, "Vereine_zstext", {"TelSStd"});
  });
}

}  // namespace

bool UpgradeTableMschFuehrer() { return upgradeMschFuehrer().empty(); }

bool UpgradeTableWettkampfleiter() { return upgradeWettkampfleiter().empty(); }

bool UpgradeTableMschStammschuetzen() { return true; }

bool UpgradeTableAktion() {
  return hasColumn(gDbAgenda, "Aktion", "Typ") || rebuilt(gDbAgenda, RecreateAktionTable);
}

bool UpgradeTableEintrag() {
  return hasColumn(gDbStammdaten, "Eintrag", "Wert") || rebuilt(gDbStammdaten, RecreateEintragTable);
}

bool UpgradeTableRmeImport(bool defaultCreated) {
  if (hasColumn(gDbAutoImpExp, "RmeImport", "Url")) return true;
  return rebuilt(gDbAutoImpExp, [defaultCreated] {
    if (!RecreateAutoTables()) return false;
    std::vector<std::string> v(4);
    if (defaultCreated)
      v[0] = storablePath(gIntdat.ProgrammVerzeichnis);
    else
      v = takeOldReportValues();
    for (long d : disciplines())
      if (!insertRmeImportRow(d, v[0], v[1], v[2], v[3])) return false;
    return true;
  });
}

bool UpgradeTableVereineZstext() { return upgradeVereineZstext().empty(); }

bool UpgradeAddressTables() {
  // Each table on its own: one that fits may still be done when another does not.
  std::string reason;
  for (std::string (*probe)() : {upgradeVereineZstext, upgradeWettkampfleiter, upgradeMschFuehrer})
    if (std::string why = probe(); reason.empty()) reason = why;
  if (reason.empty()) return true;
  msg::show("Die Tabellen der Adressen und Telefonnummern konnten nicht umgestellt werden:\n" + reason +
                "\nDie Daten bleiben unver\xE4ndert; eine f\xFChrende Null einer Telefonnummer wird bis "
                "zur Umstellung nicht gespeichert.",
            "Fehler", msg::Ok, msg::Error);
  return false;
}

bool UpgradePathTables() {
  const bool einzel = hasColumn(gDbPfade, "PfadeEinzelausgb_10", "Pfad10");
  const bool saison = hasColumn(gDbPfade, "PfadeNeueSaison", "StarttabPfad");
  const bool impExp = hasColumn(gDbPfade, "PfadeImpExp", "MschmldgPfad");
  if (einzel && saison && impExp) return true;
  return rebuilt(gDbPfade, [=] {
    if (!einzel && !upgradeEinzelausgb10(disciplines())) return false;
    if (!saison) {
      if (!recreateTable(gDbPfade, "PfadeNeueSaison", gIntdat.SqlCreatePfadeNeueSaison)) return false;
      for (long d : disciplines())
        if (!insertNeueSaisonRow(d)) return false;
    }
    if (!impExp) {
      if (!recreateTable(gDbPfade, "PfadeImpExp", gIntdat.SqlCreatePfadeImpExp)) return false;
      for (long d : disciplines())
        if (!insertImpExpRow(d)) return false;
    }
    return true;
  });
}

void RunUpgradeProbes(bool defaultCreated) {
  UpgradeTableMschStammschuetzen();
  UpgradeTableAktion();
  UpgradeTableEintrag();
  UpgradeTableRmeImport(defaultCreated);
  UpgradeAddressTables();
  UpgradePathTables();
}
