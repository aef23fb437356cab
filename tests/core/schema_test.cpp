// The tables of a new database and the rows it starts with.
#include <algorithm>
#include <ctime>
#include <map>

#include "core/db.h"
#include "core/globals.h"
#include "core/schema.h"
#include "platform/messages.h"
#include "support/testenv.h"

namespace {

// "name TYPE, name TYPE, ..." as the database reports the columns of a table.
std::string layout(sqlite3* conn, const std::string& table) {
  db::Table t = db::query(conn, "SELECT name, type FROM pragma_table_info(?) ORDER BY cid;", {table});
  std::string out;
  for (size_t r = 0; r < t.size(); ++r) {
    if (!out.empty()) out += ", ";
    out += t.text(r, 0) + " " + t.text(r, 1);
  }
  return out;
}

std::vector<std::string> tableNames(sqlite3* conn) {
  std::vector<std::string> out;
  db::Table t = db::query(conn, "SELECT name FROM sqlite_master WHERE type='table' ORDER BY name;");
  for (auto& row : t.rows) out.push_back(row[0]);
  return out;
}

long count(sqlite3* conn, const std::string& sql, const db::Params& p = {}) {
  db::Table t = db::query(conn, sql, p);
  return t.empty() ? -1 : t.num(0, 0);
}

class Schema : public DatabaseTest {};

TEST_F(Schema, EveryTableHasItsColumnsInOrderWithTheirDeclaredTypes) {
  const std::map<std::string, std::string> main = {
      {"Vereine_gau", "Nummer INTEGER, Name STRING"},
      {"Vereine_zstext", "Nummer INTEGER, ZsText STRING, TelSStd TEXT"},
      {"Schuetzen",
       "Passnr INTEGER, VrNr INTEGER, Name STRING, Gebdat STRING, Geschl STRING, AktivFlag STRING, "
       "JklNr INTEGER, JklFlag INTEGER"},
      {"Schuetzensperre", "Passnr INTEGER, Disznr INTEGER, Sperrflag INTEGER, SperrEndDatum STRING"},
      {"Wettkampfleiter",
       "Nr INTEGER, Name STRING, Strasse STRING, Plz TEXT, Ort STRING, Tel TEXT, Fax TEXT, "
       "Mail STRING"},
      {"Disznamen",
       "Nr INTEGER, Bezeichnung STRING, Saisonname STRING, WklNr INTEGER, Kampfindex INTEGER, "
       "Mklindex INTEGER, Gegnerpaarindex INTEGER, Vereinsindex INTEGER, MergMklindex INTEGER, "
       "EergVrindex INTEGER, MergVrindex INTEGER, SortEErgMinAnzErg INTEGER, "
       "SortEErgMinRinge INTEGER, Zehntelflag INTEGER"},
      {"Mschklassen",
       "Nr INTEGER, Klname STRING, AnzahlTermine INTEGER, Disznr INTEGER, "
       "SchuetzenproMannschaftUnsort INTEGER, SchuetzenproMannschaftSort INTEGER, "
       "Sortflag INTEGER, MaxSchuetzenproMannschaft INTEGER, Minerganzahl INTEGER"},
      {"Termine", "Mklnr INTEGER, Nr_in_klasse INTEGER, Termin STRING, Disznr INTEGER"},
      {"Msch_in_klassen",
       "Mklnr INTEGER, Pos_in_mklnr INTEGER, Disznr INTEGER, Vrnr INTEGER, Rmschnr INTEGER"},
      {"Mscherg",
       "Mklnr INTEGER, Vrnr INTEGER, Rmschnr INTEGER, Ringerg INTEGER, Pluspunkte INTEGER, "
       "Minuspunkte INTEGER, Korrekturpunkte INTEGER, Disznr INTEGER, Ergnr INTEGER"},
      {"Schuetzenerg",
       "Schnr INTEGER, Disznr INTEGER, Ringerg INTEGER, Ergnr INTEGER, Mschflag INTEGER, "
       "Mschklnr INTEGER, Vrnr INTEGER, Mschnr INTEGER"},
      {"Gegner",
       "Disznr INTEGER, Mklnr INTEGER, Kampfnr INTEGER, Heimvrnr INTEGER, Heimmschnr INTEGER, "
       "Gastvrnr INTEGER, Gastmschnr INTEGER"},
      {"Mschaufstlg",
       "Disznr INTEGER, Kampfnr INTEGER, Mklnr INTEGER, Posnr INTEGER, Schnr INTEGER, "
       "Vrnr INTEGER, Mschnr INTEGER"},
      {"JgKlassen",
       "Disznr INTEGER, Jklnr INTEGER, Jklname STRING, Jklbeginn INTEGER, Jklflagw INTEGER, "
       "Jklflagm INTEGER"},
      {"JgKlEinstellungen", "Disznr INTEGER, EndeSpjMt INTEGER, Defaultklw INTEGER, Defaultklm INTEGER"},
      {"Msch_fuehrer",
       "Disznr INTEGER, Vrnr INTEGER, Rmschnr INTEGER, Name STRING, Strasse STRING, Plz TEXT, "
       "Ort STRING, Tel_a TEXT, Tel_b TEXT, Fax TEXT, Mail STRING"},
  };
  const std::map<std::string, std::string> paths = {
      {"PfadeEinzelausgb_10",
       "Disznr INTEGER, Pfad1 STRING, Pfad2 STRING, Pfad3 STRING, Pfad4 STRING, Pfad5 STRING, "
       "Pfad6 STRING, Pfad7 STRING, Pfad8 STRING, Pfad9 STRING, Pfad10 STRING"},
      {"PfadeNeueSaison",
       "Disznr INTEGER, StarttabPfad STRING, TerminlistenPfad STRING, MschfuehrerPfad STRING"},
      {"PfadeImpExp", "Disznr INTEGER, MschmldgPfad STRING, FenkdatPfad STRING"},
  };
  const std::map<std::string, std::string> agenda = {
      {"Aktion",
       "Satzindex INTEGER, Disznr INTEGER, Machflag INTEGER, Typ INTEGER, Ausgabeart INTEGER, "
       "Flag_a INTEGER, Flag_b INTEGER, Flag_c INTEGER, Flag_d INTEGER, Flag_e INTEGER, "
       "Flag_f INTEGER, Flag_g INTEGER, Bezeichnung STRING, Pfad STRING, Printstring_a STRING, "
       "Printstring_b STRING, Printstring_c STRING, Printstring_d STRING, Print_int INTEGER"}};
  const std::map<std::string, std::string> entries = {
      {"Eintrag", "Satzindex INTEGER, Wert STRING"}};
  const std::map<std::string, std::string> automatic = {
      {"RmeImport",
       "Disznr INTEGER, RmePfadLokal STRING, Username STRING, Passwort STRING, Url STRING"},
      {"AutoAblauf",
       "Disznr INTEGER, Flag_a INTEGER, Flag_b INTEGER, Flag_c INTEGER, Flag_d INTEGER, "
       "Flag_e INTEGER, Timertakt INTEGER, PfadUploader STRING"},
      {"ProtokollAutomatic", "Disznr INTEGER, Eintragnr INTEGER, Time STRING, PText STRING"},
  };
  const std::pair<sqlite3*, const std::map<std::string, std::string>*> files[] = {
      {gDbHaupt, &main}, {gDbPfade, &paths}, {gDbAgenda, &agenda},
      {gDbStammdaten, &entries}, {gDbAutoImpExp, &automatic}};
  for (auto& [conn, tables] : files) {
    std::vector<std::string> expectedNames;
    for (auto& [name, columns] : *tables) {
      expectedNames.push_back(name);
      EXPECT_EQ(layout(conn, name), columns) << "table " << name;
    }
    std::sort(expectedNames.begin(), expectedNames.end());
    EXPECT_EQ(tableNames(conn), expectedNames);
  }
}

TEST_F(Schema, DefaultMasterRows) {
  db::Table clubs = db::query(gDbHaupt, "SELECT Nummer, Name FROM Vereine_gau;");
  ASSERT_EQ(clubs.size(), 1u);
  EXPECT_EQ(clubs.rows[0], (std::vector<std::string>{"1", "Verein 1"}));

  db::Table texts = db::query(gDbHaupt, "SELECT Nummer, ZsText, TelSStd FROM Vereine_zstext;");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts.rows[0], (std::vector<std::string>{"1", "Text zu Verein 1", ""}));

  db::Table shooters = db::query(
      gDbHaupt, "SELECT Passnr, VrNr, Name, Gebdat, Geschl, AktivFlag, JklNr, JklFlag FROM Schuetzen;");
  ASSERT_EQ(shooters.size(), 1u);
  EXPECT_EQ(shooters.rows[0], (std::vector<std::string>{"1", "1", "Sch\xFCtze 1", "01.01.1990", "M",
                                                        "0", "1", "1"}));

  db::Table managers = db::query(
      gDbHaupt, "SELECT Nr, Name, Strasse, Plz, Ort, Tel, Fax, Mail FROM Wettkampfleiter;");
  ASSERT_EQ(managers.size(), 1u);
  const auto& m = managers.rows[0];
  EXPECT_EQ(m[0], "0");
  EXPECT_EQ(m[1], "Wettkampfleiter 1");
  EXPECT_EQ(m[2], "Sch\xFCtzenstr. 1");
  EXPECT_EQ(m[3], "80123");
  EXPECT_EQ(m[4], "Schie\xDF" "stadt");
  // The telephone is a text: its leading zero stays.
  EXPECT_EQ(m[5], "0123");
  EXPECT_EQ(m[6], "123");
  EXPECT_FALSE(m[7].empty());

  for (const char* empty : {"Schuetzensperre", "Mschklassen", "Termine", "Msch_in_klassen",
                            "Mscherg", "Schuetzenerg", "Gegner", "Mschaufstlg", "Msch_fuehrer"})
    EXPECT_EQ(count(gDbHaupt, std::string("SELECT COUNT(*) FROM ") + empty + ";"), 0) << empty;
  EXPECT_EQ(count(gDbAgenda, "SELECT COUNT(*) FROM Aktion;"), 0);
  EXPECT_EQ(count(gDbStammdaten, "SELECT COUNT(*) FROM Eintrag;"), 0);
}

TEST_F(Schema, DefaultDisciplinesWithSeasonOfThisYearAndAgeClasses) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::string season =
      std::to_string(local.tm_year + 1900) + "/" + std::to_string(local.tm_year + 1901);

  db::Table d = db::query(gDbHaupt,
                          "SELECT Nr, Bezeichnung, Saisonname, WklNr, Kampfindex, Mklindex, "
                          "Gegnerpaarindex, Vereinsindex, MergMklindex, EergVrindex, MergVrindex, "
                          "SortEErgMinAnzErg, SortEErgMinRinge, Zehntelflag FROM Disznamen ORDER BY Nr;");
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d.rows[0], (std::vector<std::string>{"0", "Luftgewehr", season, "0", "0", "0", "0", "0",
                                                 "0", "0", "0", "1", "360", "0"}));
  EXPECT_EQ(d.text(1, 0), "1");
  EXPECT_EQ(d.text(1, 1), "Luftpistole");

  for (int disc = 0; disc < 2; ++disc) {
    db::Table a = db::query(gDbHaupt,
                            "SELECT Jklnr, Jklname, Jklbeginn, Jklflagw, Jklflagm FROM JgKlassen "
                            "WHERE Disznr=? ORDER BY Jklnr;",
                            {disc});
    ASSERT_EQ(a.size(), 10u);
    EXPECT_EQ(a.rows[0], (std::vector<std::string>{"1", "Sch\xFClerklasse", "12", "1", "1"}));
    EXPECT_EQ(a.rows[3], (std::vector<std::string>{"4", "Damenklasse", "21", "1", "0"}));
    EXPECT_EQ(a.rows[4], (std::vector<std::string>{"5", "Sch\xFCtzenklasse", "21", "0", "1"}));
    EXPECT_EQ(a.rows[7], (std::vector<std::string>{"8", "Seniorenklasse Herren", "56", "0", "1"}));
    EXPECT_EQ(a.rows[9], (std::vector<std::string>{"10", "Behindertenklasse", "12", "1", "1"}));

    db::Table s = db::query(gDbHaupt,
                            "SELECT EndeSpjMt, Defaultklw, Defaultklm FROM JgKlEinstellungen "
                            "WHERE Disznr=?;",
                            {disc});
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s.rows[0], (std::vector<std::string>{"10", "1", "1"}));
  }
}

TEST_F(Schema, DefaultPathRowsPointAtTheProgramFolder) {
  const std::string& p = gIntdat.ProgrammVerzeichnis;
  ASSERT_FALSE(p.empty());
  db::Table ten = db::query(gDbPfade, "SELECT * FROM PfadeEinzelausgb_10 ORDER BY Disznr;");
  ASSERT_EQ(ten.size(), 2u);
  for (size_t r = 0; r < 2; ++r) {
    EXPECT_EQ(ten.num(r, 0), static_cast<long>(r));
    for (size_t c = 1; c <= 10; ++c) EXPECT_EQ(ten.text(r, c), p);
  }
  db::Table season = db::query(gDbPfade, "SELECT * FROM PfadeNeueSaison ORDER BY Disznr;");
  ASSERT_EQ(season.size(), 2u);
  EXPECT_EQ(season.rows[1], (std::vector<std::string>{"1", p, p, p}));
  db::Table impexp = db::query(gDbPfade, "SELECT * FROM PfadeImpExp ORDER BY Disznr;");
  ASSERT_EQ(impexp.size(), 2u);
  EXPECT_EQ(impexp.rows[0], (std::vector<std::string>{"0", p, p}));
  EXPECT_EQ(impexp.rows[1], (std::vector<std::string>{"1", p, p}));
}

TEST_F(Schema, DefaultDatabaseSetsTheSettingsDefaultsAndReplacesOldData) {
  gEinstellungen.clear();
  setFieldText(gEinstellungen.Gauname, "Mein Gau");
  setFieldText(gEinstellungen.CssDatei, "/x/alt.css");
  gEinstellungen.HtmlMailLink = 1;  // not a default field: kept
  gEinstellungen.AktDisznr = 3;
  db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (7, 'Alt');");

  CreateDefaultDatabase(1);
  const Einstellungssatz& e = gEinstellungen;
  EXPECT_EQ(fieldText(e.Gauname), "Mein Gau");
  EXPECT_EQ(fieldText(e.Kennung), gIntdat.StammdatenKennung);
  EXPECT_EQ(fieldText(e.DatenVerzeichnis), gIntdat.ProgrammVerzeichnis);
  EXPECT_EQ(fieldText(e.BssbDbfVerzeichnis), gIntdat.ProgrammVerzeichnis);
  EXPECT_EQ(fieldText(e.CssDatei), "");
  EXPECT_EQ(e.Gaunummer, 423);
  EXPECT_EQ(e.CssKopieren, 1);
  EXPECT_EQ(e.HtmlMailLink, 1);
  EXPECT_EQ(e.AktDisznr, 0);
  EXPECT_EQ(e.VereinListIndex, 0);
  EXPECT_EQ(e.SchuetzenAktivFilter, 1);
  EXPECT_EQ(count(gDbHaupt, "SELECT COUNT(*) FROM Vereine_gau;"), 1);

  CreateDefaultDatabase(0);
  EXPECT_EQ(fieldText(gEinstellungen.Gauname), "Testgau");
}

TEST_F(Schema, RecreatingCreatesMissingTablesWithoutAMessage) {
  db::exec(gDbHaupt, "DROP TABLE Termine;");
  db::exec(gDbAutoImpExp, "DROP TABLE AutoAblauf;");
  msg::ScriptedMessages boxes;
  RecreateMainTables();
  RecreateAutoTables();
  EXPECT_EQ(boxes.count(), 0u);
  EXPECT_TRUE(db::tableExists(gDbHaupt, "Termine"));
  EXPECT_TRUE(db::tableExists(gDbAutoImpExp, "AutoAblauf"));
  EXPECT_EQ(count(gDbHaupt, "SELECT COUNT(*) FROM Vereine_gau;"), 0);
}

}  // namespace
