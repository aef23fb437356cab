#include "core/upgrade.h"

#include <strings.h>

#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "core/schema.h"
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

void upgradeEinzelausgb10(const std::vector<long>& discs) {
  recreateTable(gDbPfade, "PfadeEinzelausgb_10", gIntdat.SqlCreatePfadeEinzelausgb10);
  for (long d : discs) insertEinzelausgb10Row(d);
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
}

}  // namespace

bool UpgradeTableMschFuehrer() { return true; }

bool UpgradeTableMschStammschuetzen() { return true; }

bool UpgradeTableAktion() {
  db::Transaction t(gDbAgenda);
  if (!hasColumn(gDbAgenda, "Aktion", "Typ")) RecreateAktionTable();
  t.commit();
  return true;
}

bool UpgradeTableEintrag() {
  db::Transaction t(gDbStammdaten);
  if (!hasColumn(gDbStammdaten, "Eintrag", "Wert")) RecreateEintragTable();
  t.commit();
  return true;
}

bool UpgradeTableRmeImport(bool defaultCreated) {
  db::Transaction t(gDbAutoImpExp);
  if (!hasColumn(gDbAutoImpExp, "RmeImport", "Url")) {
    RecreateAutoTables();
    std::vector<std::string> v(4);
    if (defaultCreated)
      v[0] = storablePath(gIntdat.ProgrammVerzeichnis);
    else
      v = takeOldReportValues();
    for (long d : disciplines()) {
      db::exec(gDbAutoImpExp,
               "INSERT INTO RmeImport(Disznr, RmePfadLokal, Username, Passwort, Url) "
               "VALUES (?, ?, ?, ?, ?);",
               {d, v[0], v[1], v[2], v[3]});
    }
  }
  t.commit();
  return true;
}

bool UpgradeTableVereineZstext() {
  db::Transaction t(gDbHaupt);
  if (!db::tableExists(gDbHaupt, "Vereine_zstext"))
    db::exec(gDbHaupt, gIntdat.SqlCreateVereineZstext, {}, db::Report::Silent);
  else if (!hasColumn(gDbHaupt, "Vereine_zstext", "TelSStd"))
    db::exec(gDbHaupt, "ALTER TABLE Vereine_zstext ADD COLUMN TelSStd STRING;");
  t.commit();
  return true;
}

bool UpgradePathTables() {
  db::Transaction t(gDbPfade);
  if (!hasColumn(gDbPfade, "PfadeEinzelausgb_10", "Pfad10")) upgradeEinzelausgb10(disciplines());
  if (!hasColumn(gDbPfade, "PfadeNeueSaison", "StarttabPfad")) {
    recreateTable(gDbPfade, "PfadeNeueSaison", gIntdat.SqlCreatePfadeNeueSaison);
    for (long d : disciplines()) insertNeueSaisonRow(d);
  }
  if (!hasColumn(gDbPfade, "PfadeImpExp", "MschmldgPfad")) {
    recreateTable(gDbPfade, "PfadeImpExp", gIntdat.SqlCreatePfadeImpExp);
    for (long d : disciplines()) insertImpExpRow(d);
  }
  t.commit();
  return true;
}

void RunUpgradeProbes(bool defaultCreated) {
  UpgradeTableMschFuehrer();
  UpgradeTableMschStammschuetzen();
  UpgradeTableAktion();
  UpgradeTableEintrag();
  UpgradeTableRmeImport(defaultCreated);
  UpgradeTableVereineZstext();
  UpgradePathTables();
}
