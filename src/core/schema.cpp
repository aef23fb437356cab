#include "core/schema.h"

#include <strings.h>

#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "platform/text.h"

namespace {

using Text = std::string _ziko_intdat::*;

struct CreateText {
  Text field;
  const char* sql;
};

// The column order is part of the data file format and stays exactly as written here.
// STRING gives numeric affinity ("0815" would be stored as 815): the address and telephone
// columns are declared TEXT so that they keep what was typed.
const CreateText kCreateTexts[] = {
    {&_ziko_intdat::SqlCreateVereineGau, "CREATE TABLE Vereine_gau (Nummer INTEGER, Name STRING)"},
    {&_ziko_intdat::SqlCreateVereineZstext,
     "CREATE TABLE Vereine_zstext (Nummer INTEGER, ZsText STRING, TelSStd TEXT)"},
    {&_ziko_intdat::SqlCreateSchuetzen,
     "CREATE TABLE Schuetzen (Passnr INTEGER, VrNr INTEGER, Name STRING, Gebdat STRING, "
     "Geschl STRING, AktivFlag STRING, JklNr INTEGER, JklFlag INTEGER)"},
    {&_ziko_intdat::SqlCreateSchuetzensperre,
     "CREATE TABLE Schuetzensperre (Passnr INTEGER, Disznr INTEGER, Sperrflag INTEGER, "
     "SperrEndDatum STRING)"},
    {&_ziko_intdat::SqlCreateWettkampfleiter,
     "CREATE TABLE Wettkampfleiter (Nr INTEGER, Name STRING, Strasse STRING, Plz TEXT, "
     "Ort STRING, Tel TEXT, Fax TEXT, Mail STRING)"},
    {&_ziko_intdat::SqlCreateDisznamen,
     "CREATE TABLE Disznamen (Nr INTEGER, Bezeichnung STRING, Saisonname STRING, WklNr INTEGER, "
     "Kampfindex INTEGER, Mklindex INTEGER, Gegnerpaarindex INTEGER, Vereinsindex INTEGER, "
     "MergMklindex INTEGER, EergVrindex INTEGER, MergVrindex INTEGER, SortEErgMinAnzErg INTEGER, "
     "SortEErgMinRinge INTEGER, Zehntelflag INTEGER)"},
    {&_ziko_intdat::SqlCreateMschklassen,
     "CREATE TABLE Mschklassen (Nr INTEGER, Klname STRING, AnzahlTermine INTEGER, Disznr INTEGER, "
     "SchuetzenproMannschaftUnsort INTEGER, SchuetzenproMannschaftSort INTEGER, Sortflag INTEGER, "
     "MaxSchuetzenproMannschaft INTEGER, Minerganzahl INTEGER)"},
    {&_ziko_intdat::SqlCreateTermine,
     "CREATE TABLE Termine (Mklnr INTEGER, Nr_in_klasse INTEGER, Termin STRING, Disznr INTEGER)"},
    {&_ziko_intdat::SqlCreateMschInKlassen,
     "CREATE TABLE Msch_in_klassen (Mklnr INTEGER, Pos_in_mklnr INTEGER, Disznr INTEGER, "
     "Vrnr INTEGER, Rmschnr INTEGER)"},
    {&_ziko_intdat::SqlCreateMscherg,
     "CREATE TABLE Mscherg (Mklnr INTEGER, Vrnr INTEGER, Rmschnr INTEGER, Ringerg INTEGER, "
     "Pluspunkte INTEGER, Minuspunkte INTEGER, Korrekturpunkte INTEGER, Disznr INTEGER, "
     "Ergnr INTEGER)"},
    {&_ziko_intdat::SqlCreateSchuetzenerg,
     "CREATE TABLE Schuetzenerg (Schnr INTEGER, Disznr INTEGER, Ringerg INTEGER, Ergnr INTEGER, "
     "Mschflag INTEGER, Mschklnr INTEGER, Vrnr INTEGER, Mschnr INTEGER)"},
    {&_ziko_intdat::SqlCreateGegner,
     "CREATE TABLE Gegner (Disznr INTEGER, Mklnr INTEGER, Kampfnr INTEGER, Heimvrnr INTEGER, "
     "Heimmschnr INTEGER, Gastvrnr INTEGER, Gastmschnr INTEGER)"},
    {&_ziko_intdat::SqlCreateMschaufstlg,
     "CREATE TABLE Mschaufstlg (Disznr INTEGER, Kampfnr INTEGER, Mklnr INTEGER, Posnr INTEGER, "
     "Schnr INTEGER, Vrnr INTEGER, Mschnr INTEGER)"},
    {&_ziko_intdat::SqlCreateJgKlassen,
     "CREATE TABLE JgKlassen (Disznr INTEGER, Jklnr INTEGER, Jklname STRING, Jklbeginn INTEGER, "
     "Jklflagw INTEGER, Jklflagm INTEGER)"},
    {&_ziko_intdat::SqlCreateJgKlEinstellungen,
     "CREATE TABLE JgKlEinstellungen (Disznr INTEGER, EndeSpjMt INTEGER, Defaultklw INTEGER, "
     "Defaultklm INTEGER)"},
    {&_ziko_intdat::SqlCreateMschFuehrer,
     "CREATE TABLE Msch_fuehrer (Disznr INTEGER, Vrnr INTEGER, Rmschnr INTEGER, Name STRING, "
     "Strasse STRING, Plz TEXT, Ort STRING, Tel_a TEXT, Tel_b TEXT, Fax TEXT, "
     "Mail STRING)"},
    {&_ziko_intdat::SqlCreateMschStammschuetzen,
     "CREATE TABLE MschStammschuetzen (Disznr INTEGER, Vrnr INTEGER, Rmschnr INTEGER, "
     "Passnr INTEGER, Pos_in_Msch INTEGER, Mklnr INTEGER, Flag_a INTEGER, Flag_b INTEGER)"},
    {&_ziko_intdat::SqlCreatePfadeEinzelausgb,
     "CREATE TABLE PfadeEinzelausgb (Disznr INTEGER, Pfad1 STRING, Pfad2 STRING, Pfad3 STRING, "
     "Pfad4 STRING, Pfad5 STRING)"},
    {&_ziko_intdat::SqlCreatePfadeEinzelausgb10,
     "CREATE TABLE PfadeEinzelausgb_10 (Disznr INTEGER, Pfad1 STRING, Pfad2 STRING, "
     "Pfad3 STRING, Pfad4 STRING, Pfad5 STRING, Pfad6 STRING, Pfad7 STRING, Pfad8 STRING, "
     "Pfad9 STRING, Pfad10 STRING)"},
    {&_ziko_intdat::SqlCreatePfadeNeueSaison,
     "CREATE TABLE PfadeNeueSaison (Disznr INTEGER, StarttabPfad STRING, "
     "TerminlistenPfad STRING, MschfuehrerPfad STRING)"},
    {&_ziko_intdat::SqlCreatePfadeImpExp,
     "CREATE TABLE PfadeImpExp (Disznr INTEGER, MschmldgPfad STRING, FenkdatPfad STRING)"},
    {&_ziko_intdat::SqlCreateAktion,
     "CREATE TABLE Aktion (Satzindex INTEGER, Disznr INTEGER, Machflag INTEGER, Typ INTEGER, "
     "Ausgabeart INTEGER, Flag_a INTEGER, Flag_b INTEGER, Flag_c INTEGER, Flag_d INTEGER, "
     "Flag_e INTEGER, Flag_f INTEGER, Flag_g INTEGER, Bezeichnung STRING, Pfad STRING, "
     "Printstring_a STRING, Printstring_b STRING, Printstring_c STRING, Printstring_d STRING, "
     "Print_int INTEGER)"},
    {&_ziko_intdat::SqlCreateEintrag, "CREATE TABLE Eintrag (Satzindex INTEGER, Wert STRING)"},
    {&_ziko_intdat::SqlCreateRmeImport,
     "CREATE TABLE RmeImport (Disznr INTEGER, RmePfadLokal STRING, Username STRING, "
     "Passwort STRING, Url STRING)"},
    {&_ziko_intdat::SqlCreateAutoAblauf,
     "CREATE TABLE AutoAblauf (Disznr INTEGER, Flag_a INTEGER, Flag_b INTEGER, Flag_c INTEGER, "
     "Flag_d INTEGER, Flag_e INTEGER, Timertakt INTEGER, PfadUploader STRING)"},
    {&_ziko_intdat::SqlCreateProtokollAutomatic,
     "CREATE TABLE ProtokollAutomatic (Disznr INTEGER, Eintragnr INTEGER, Time STRING, "
     "PText STRING)"},
};
static_assert(sizeof kCreateTexts / sizeof kCreateTexts[0] == 26);

struct Recreated {
  const char* table;
  Text create;
};

// Drops and creates each table in order, in one transaction; true when every table stands.
bool recreate(sqlite3* conn, std::initializer_list<Recreated> tables) {
  db::Transaction t(conn);
  bool ok = true;
  for (const Recreated& r : tables) ok = ok && recreateTable(conn, r.table, gIntdat.*r.create);
  return ok && t.commit();
}

// "CREATE TABLE <name> (<column> <type>, ...)": the name, then the columns in order.
std::vector<std::string> createNames(const char* sql) {
  std::string s(sql);
  const size_t nameStart = std::string("CREATE TABLE ").size();
  std::vector<std::string> out{s.substr(nameStart, s.find(' ', nameStart) - nameStart)};
  size_t p = s.find('(');
  while (p != std::string::npos && p + 1 < s.size()) {
    size_t start = s.find_first_not_of(' ', p + 1);
    size_t end = s.find(' ', start);
    out.push_back(s.substr(start, end - start));
    p = s.find(',', end);
  }
  return out;
}

struct AgeClass {
  int nr;
  const char* name;
  int beginn;
  int flagW;
  int flagM;
};
const AgeClass kAgeClasses[] = {
    {1, "Schülerklasse", 12, 1, 1},          {2, "Jugendklasse", 16, 1, 1},
    {3, "Juniorenklasse", 18, 1, 1},         {4, "Damenklasse", 21, 1, 0},
    {5, "Schützenklasse", 21, 0, 1},         {6, "Altersklasse Herren", 46, 0, 1},
    {7, "Altersklasse Damen", 46, 1, 0},     {8, "Seniorenklasse Herren", 56, 0, 1},
    {9, "Seniorenklasse Damen", 56, 1, 0},   {10, "Behindertenklasse", 12, 1, 1},
};

const char* const kDisciplines[] = {"Luftgewehr", "Luftpistole"};

}  // namespace

std::string currentSeasonName() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  int year = local.tm_year + 1900;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%4d/%4d", year, year + 1);
  return buf;
}

std::string defaultDisciplineName(long nr) { return "Disziplin " + str(nr + 1); }

bool insertDisznamenRow(int nr, const std::string& name, const std::string& season) {
  return db::exec(gDbHaupt,
                  "INSERT INTO Disznamen (Nr, Bezeichnung, Saisonname, WklNr, Kampfindex, Mklindex, "
                  "Gegnerpaarindex, Vereinsindex, MergMklindex, EergVrindex, MergVrindex, "
                  "SortEErgMinAnzErg, SortEErgMinRinge, Zehntelflag ) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
                  {nr, name, season, 0, 0, 0, 0, 0, 0, 0, 0, 1, 360, 0});
}

namespace {

bool insertMainDefaults(const std::string& season) {
  sqlite3* c = gDbHaupt;
  db::Transaction t(c);
  bool ok = db::exec(c, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);", {1, "Verein 1"});
  ok = db::exec(c, "INSERT INTO Vereine_zstext (Nummer, ZsText) VALUES (?, ?);",
           {1, "Text zu Verein 1"}) && ok;
  ok = db::exec(c,
           "INSERT INTO Schuetzen (Passnr, VrNr, Name, Gebdat, Geschl, AktivFlag, JklNr, JklFlag) "
           "VALUES (?, ?, ?, ?, ?, ?, ?, ?);",
           {1, 1, "Schütze 1", "01.01.1990", "M", 0, 1, 1}) && ok;
  ok = db::exec(c,
           "INSERT INTO Wettkampfleiter (Nr, Name, Strasse, Plz, Ort, Tel, Fax, Mail) "
           "VALUES (?, ?, ?, ?, ?, ?, ?, ?);",
           {0, "Wettkampfleiter 1", "Schützenstr. 1", "80123", "Schießstadt", "0123", "123",
            "wettkampfleiter@example.org"}) && ok;
  for (int i = 0; i < 2; ++i) {
    ok = insertDisznamenRow(i, kDisciplines[i], season) && ok;
    for (const AgeClass& a : kAgeClasses) {
      ok = db::exec(c,
               "INSERT INTO JgKlassen (Disznr, Jklnr, Jklname, Jklbeginn, Jklflagw, Jklflagm) "
               "VALUES (?, ?, ?, ?, ?, ?);",
               {i, a.nr, a.name, a.beginn, a.flagW, a.flagM}) && ok;
    }
    ok = db::exec(c,
             "INSERT INTO JgKlEinstellungen (Disznr, EndeSpjMt, Defaultklw, Defaultklm) "
             "VALUES (?, ?, ?, ?);",
             {i, 10, 1, 1}) && ok;
  }
  return t.commit() && ok;
}

bool insertPathDefaults() {
  db::Transaction t(gDbPfade);
  bool ok = true;
  for (long d = 0; d < 2; ++d) {
    ok = insertEinzelausgb10Row(d) && ok;
    ok = insertNeueSaisonRow(d) && ok;
    ok = insertImpExpRow(d) && ok;
  }
  return t.commit() && ok;
}

}  // namespace

bool recreateTable(sqlite3* conn, const char* table, const std::string& create) {
  // A drop that fails (another program holds the file) must not be followed by the creation,
  // which would only report that the table exists.
  return db::exec(conn, std::string("DROP TABLE IF EXISTS ") + table + ";") && db::exec(conn, create);
}

bool insertEinzelausgb10Row(long d) {
  const std::string p = storablePath(gIntdat.ProgrammVerzeichnis);
  return db::exec(gDbPfade,
           "INSERT INTO PfadeEinzelausgb_10(Disznr, Pfad1, Pfad2, Pfad3, Pfad4, Pfad5, Pfad6, "
           "Pfad7, Pfad8, Pfad9, Pfad10) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
           {d, p, p, p, p, p, p, p, p, p, p});
}

bool insertNeueSaisonRow(long d) {
  const std::string p = storablePath(gIntdat.ProgrammVerzeichnis);
  return db::exec(gDbPfade,
           "INSERT INTO PfadeNeueSaison(Disznr, StarttabPfad, TerminlistenPfad, "
           "MschfuehrerPfad) VALUES (?, ?, ?, ?);",
           {d, p, p, p});
}

bool insertImpExpRow(long d) {
  const std::string p = storablePath(gIntdat.ProgrammVerzeichnis);
  return db::exec(gDbPfade, "INSERT INTO PfadeImpExp(Disznr, MschmldgPfad, FenkdatPfad) VALUES (?, ?, ?);",
           {d, p, p});
}

bool insertRmeImportRow(long d, const std::string& folder, const std::string& user,
                        const std::string& password, const std::string& url) {
  return db::exec(gDbAutoImpExp,
                  "INSERT INTO RmeImport(Disznr, RmePfadLokal, Username, Passwort, Url) "
                  "VALUES (?, ?, ?, ?, ?);",
                  {d, folder, user, password, url});
}

void addDisciplineSettingsRows(int nr) {
  auto missing = [](sqlite3* conn, const std::string& table, int disznr) {
    return db::query(conn, "SELECT Disznr FROM " + table + " WHERE Disznr=?;", {disznr}).empty();
  };
  if (missing(gDbPfade, "PfadeEinzelausgb_10", nr)) insertEinzelausgb10Row(nr);
  if (missing(gDbPfade, "PfadeNeueSaison", nr)) insertNeueSaisonRow(nr);
  if (missing(gDbPfade, "PfadeImpExp", 0)) insertImpExpRow(0);
  if (missing(gDbAutoImpExp, "RmeImport", nr))
    insertRmeImportRow(nr, storablePath(gIntdat.ProgrammVerzeichnis), "", "", "");
}

void fillCreateTexts(_ziko_intdat& intdat) {
  for (const CreateText& c : kCreateTexts) intdat.*c.field = c.sql;
}

bool RecreateMainTables() {
  using I = _ziko_intdat;
  return recreate(gDbHaupt, {{"Disznamen", &I::SqlCreateDisznamen},
                      {"Wettkampfleiter", &I::SqlCreateWettkampfleiter},
                      {"Vereine_gau", &I::SqlCreateVereineGau},
                      {"Schuetzen", &I::SqlCreateSchuetzen},
                      {"Schuetzensperre", &I::SqlCreateSchuetzensperre},
                      {"Vereine_zstext", &I::SqlCreateVereineZstext},
                      {"Mschklassen", &I::SqlCreateMschklassen},
                      {"Termine", &I::SqlCreateTermine},
                      {"Msch_in_klassen", &I::SqlCreateMschInKlassen},
                      {"Mscherg", &I::SqlCreateMscherg},
                      {"Schuetzenerg", &I::SqlCreateSchuetzenerg},
                      {"Gegner", &I::SqlCreateGegner},
                      {"Mschaufstlg", &I::SqlCreateMschaufstlg},
                      {"JgKlassen", &I::SqlCreateJgKlassen},
                      {"JgKlEinstellungen", &I::SqlCreateJgKlEinstellungen},
                      {"Msch_fuehrer", &I::SqlCreateMschFuehrer}});
}

bool RecreatePathTables() {
  using I = _ziko_intdat;
  return recreate(gDbPfade, {{"PfadeEinzelausgb_10", &I::SqlCreatePfadeEinzelausgb10},
                      {"PfadeNeueSaison", &I::SqlCreatePfadeNeueSaison},
                      {"PfadeImpExp", &I::SqlCreatePfadeImpExp}});
}

bool RecreateAktionTable() { return recreate(gDbAgenda, {{"Aktion", &_ziko_intdat::SqlCreateAktion}}); }

bool RecreateEintragTable() {
  return recreate(gDbStammdaten, {{"Eintrag", &_ziko_intdat::SqlCreateEintrag}});
}

bool RecreateAutoTables() {
  using I = _ziko_intdat;
  return recreate(gDbAutoImpExp, {{"RmeImport", &I::SqlCreateRmeImport},
                           {"AutoAblauf", &I::SqlCreateAutoAblauf},
                           {"ProtokollAutomatic", &I::SqlCreateProtokollAutomatic}});
}

void setDefaultSettings(int keepName) {
  Einstellungssatz& e = gEinstellungen;
  setFieldText(e.Kennung, gIntdat.StammdatenKennung);
  setFieldText(e.DatenVerzeichnis, storablePath(gIntdat.ProgrammVerzeichnis));
  setFieldText(e.BssbDbfVerzeichnis, storablePath(gIntdat.ProgrammVerzeichnis));
  e.Gaunummer = 423;
  setFieldText(e.CssDatei, "");
  e.CssKopieren = 1;
  if (keepName < 1) setFieldText(e.Gauname, "Testgau");
  e.SchuetzenAnzeigeOffen = 0;
  e.AktDisznr = 0;
  e.VereinListIndex = 0;
  e.SchuetzenAktivFilter = 1;
}

bool CreateDefaultDatabase(int keepName, std::string* why) {
  std::optional<db::QuietErrors> quiet;
  if (why) quiet.emplace();
  std::string season = currentSeasonName();
  setDefaultSettings(keepName);
  bool ok = RecreateMainTables();
  ok = RecreatePathTables() && ok;
  ok = RecreateAktionTable() && ok;
  ok = insertMainDefaults(season) && ok;
  ok = insertPathDefaults() && ok;
  if (why) *why = quiet->reason();
  return ok;
}

bool holdsMainTables(sqlite3* conn) {
  using I = _ziko_intdat;
  const Text main[] = {&I::SqlCreateVereineGau,     &I::SqlCreateSchuetzen,
                       &I::SqlCreateSchuetzensperre, &I::SqlCreateWettkampfleiter,
                       &I::SqlCreateDisznamen,       &I::SqlCreateMschklassen,
                       &I::SqlCreateTermine,         &I::SqlCreateMschInKlassen,
                       &I::SqlCreateMscherg,         &I::SqlCreateSchuetzenerg,
                       &I::SqlCreateGegner,          &I::SqlCreateMschaufstlg,
                       &I::SqlCreateJgKlassen,       &I::SqlCreateJgKlEinstellungen,
                       &I::SqlCreateMschFuehrer,     &I::SqlCreateVereineZstext};
  for (Text field : main) {
    const char* sql = nullptr;
    for (const CreateText& c : kCreateTexts)
      if (c.field == field) sql = c.sql;
    std::vector<std::string> wanted = createNames(sql);
    std::vector<std::string> have = db::columnNames(conn, wanted.front());
    wanted.erase(wanted.begin());
    // The probes add the club texts' table and its telephone column to older files.
    if (field == &I::SqlCreateVereineZstext) {
      if (have.empty()) continue;
      wanted.pop_back();
    }
    for (const std::string& column : wanted) {
      bool found = false;
      for (const std::string& h : have) found = found || strcasecmp(h.c_str(), column.c_str()) == 0;
      if (!found) return false;
    }
  }
  return true;
}
