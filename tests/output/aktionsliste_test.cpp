// The action runner on a small season of two disciplines. Every expected line is worked
// out by hand from the rows inserted below; the ranking containers are first filled from
// the other discipline, so a list that was not computed for its job shows it.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "core/datafile.h"
#include "core/db.h"
#include "core/globals.h"
#include "exchange/services.h"
#include "output/aktionsliste.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "ranking/ranking.h"
#include "support/filebytes.h"
#include "support/testenv.h"

namespace {

class RunnerTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    for (auto [nr, name] : {std::pair{10, "Adler"}, {20, "Falke"}, {30, "Habicht"}})
      db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);", {nr, name});
    // Discipline 0: class 2 with two teams and two rounds, each won by Adler I.
    klasse(0, 2, "Kreisliga", 2, 2);
    klasse(0, 3, "Leerliga", 6, 1);
    team(0, 2, 1, 10);
    team(0, 2, 2, 20);
    for (auto [kampf, heim, gast, ringeHeim, ringeGast] : {std::tuple{1, 10, 20, 1500, 1480}, {2, 20, 10, 1485, 1490}}) {
      db::exec(gDbHaupt,
               "INSERT INTO Gegner (Disznr, Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr) "
               "VALUES (0, 2, ?, ?, 1, ?, 1);",
               {kampf, heim, gast});
      ergebnis(0, 2, heim, kampf, ringeHeim, ringeHeim > ringeGast ? 2 : 0);
      ergebnis(0, 2, gast, kampf, ringeGast, ringeGast > ringeHeim ? 2 : 0);
    }
    schuetze(101, 10, "Anna Adler");
    schuetze(201, 20, "Bernd Falke");
    schuss(0, 2, 101, 10, 1, 950);
    schuss(0, 2, 101, 10, 2, 960);
    schuss(0, 2, 201, 20, 1, 940);
    schuss(0, 2, 201, 20, 2, 930);
    // Discipline 1 must not appear in any file.
    klasse(1, 1, "Fremdliga", 2, 1);
    team(1, 1, 1, 30);
    ergebnis(1, 1, 30, 1, 1555, 2);
    schuetze(301, 30, "Xaver Habicht");
    schuss(1, 1, 301, 30, 1, 999);
    BerechneMannschaftstabellen(1, 1);
    BerechneMannschaftsringschnitte(1, 1);
    BerechneEinzelwertung(0, 0, 0, 0, 1, 0, 1);
  }

  static void klasse(int disz, int nr, const char* name, int termine, int minerg) {
    db::exec(gDbHaupt,
             "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr, Minerganzahl) VALUES (?, ?, ?, ?, ?);",
             {nr, name, termine, disz, minerg});
  }
  static void team(int disz, int mkl, int pos, int vrnr) {
    db::exec(gDbHaupt,
             "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (?, ?, ?, ?, 1);",
             {mkl, pos, disz, vrnr});
  }
  static void ergebnis(int disz, int mkl, int vrnr, int ergnr, int ringe, int plus) {
    db::exec(gDbHaupt,
             "INSERT INTO Mscherg (Mklnr, Vrnr, Rmschnr, Ringerg, Pluspunkte, Minuspunkte, Korrekturpunkte, "
             "Disznr, Ergnr) VALUES (?, ?, 1, ?, ?, ?, 0, ?, ?);",
             {mkl, vrnr, ringe, plus, 2 - plus, disz, ergnr});
  }
  static void schuetze(int pass, int vrnr, const char* name) {
    db::exec(gDbHaupt, "INSERT INTO Schuetzen (Passnr, VrNr, Name, AktivFlag) VALUES (?, ?, ?, 1);",
             {pass, vrnr, name});
  }
  static void schuss(int disz, int mkl, int pass, int vrnr, int ergnr, int ringe) {
    db::exec(gDbHaupt,
             "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, Mschnr) "
             "VALUES (?, ?, ?, ?, 1, ?, ?, 1);",
             {pass, disz, ringe, ergnr, mkl, vrnr});
  }
  // Typ, Ausgabeart, class, display choice, Pfad or printer, Machflag, copies.
  void job(int typ, int art, int klasse, int anzeige, const std::string& ziel, int machflag = 1, int kopien = 1) {
    static const char* const titel[] = {"Mannschaftstabellen", "Mannschaftsergebnisse", "Einzelergebnisse",
                                        "Klassenergebnisse Kreisliga", "Ergebnisdatei"};
    std::string pfad = art == 0 ? dir->file(ziel) : std::string();
    db::exec(gDbAgenda,
             "INSERT INTO Aktion (Satzindex, Disznr, Machflag, Typ, Ausgabeart, Flag_a, Flag_b, Flag_c, Flag_d, "
             "Flag_e, Flag_f, Flag_g, Bezeichnung, Pfad, Printstring_a, Printstring_b, Print_int) "
             "VALUES (?, 0, ?, ?, ?, ?, 0, 0, ?, 0, 1, 1, ?, ?, ?, ?, ?);",
             {satz_++, machflag, typ, art, klasse, anzeige, titel[typ], pfad, art ? ziel : std::string(),
              titel[typ], kopien});
  }
  std::string datei(const std::string& name) const { return readFileBytes(dir->file(name)); }

  int satz_ = 0;
};

TEST_F(RunnerTest, EveryTickedJobIsMadeForItsDisciplineAndRound) {
  ScriptedPrinting printers({"Testdrucker"});
  job(0, 0, 0, 1, "tabellen.txt");
  job(1, 0, 0, 0, "begegnungen.txt");
  job(1, 0, 0, 1, "mschnitte.txt");
  job(2, 0, 0, 1, "schnitte.txt");
  job(2, 0, 2, 1, "schnitte2.txt");
  job(2, 0, 2, 0, "runde2.txt");
  job(3, 0, 2, 0, "klasse0.txt");
  job(3, 0, 2, 1, "klasse1.txt");
  job(3, 0, 2, 2, "klasse2.txt");
  job(3, 0, 2, 3, "klasse3.txt");
  job(2, 0, 0, 1, "einzel.dbf");
  job(0, 0, 0, 1, "tabellen.dbf");
  job(0, 0, 0, 1, "tabellen.pdf");
  job(0, 1, 0, 1, "Unbekannt");
  job(2, 1, 2, 1, "Testdrucker", 1, 3);
  job(4, 0, 0, 0, "alles.rwk");
  job(4, 0, 0, 0, "alles.rwd");
  job(0, 0, 0, 1, "nicht.txt", 0);

  PointerListHolder holder;
  std::string log = RunAktionsliste(holder, 0, 1, 0);
  auto erstellt = [&](const char* n) { return "Erstellt: " + dir->file(n) + "\n"; };
  auto fehler = [&](const char* n) { return "Fehler beim Erstellen von: " + dir->file(n) + "\n"; };
  EXPECT_EQ(log, erstellt("tabellen.txt") + erstellt("begegnungen.txt") + erstellt("mschnitte.txt") +
                     erstellt("schnitte.txt") + erstellt("schnitte2.txt") + erstellt("runde2.txt") +
                     erstellt("klasse0.txt") + erstellt("klasse1.txt") + erstellt("klasse2.txt") +
                     erstellt("klasse3.txt") + erstellt("einzel.dbf") + fehler("tabellen.dbf") +
                     fehler("tabellen.pdf") + " Fehler! Mannschaftstabellen, Unbekannt\n" +
                     "Gedruckt: Einzelergebnisse auf Testdrucker\n" + erstellt("alles.rwk") + fehler("alles.rwd"));

  struct Erwartet {
    const char* datei;
    std::vector<std::string> drin, nicht;
  };
  const std::string endwertung = "Endwertung Klasse Kreisliga";
  const Erwartet erwartet[] = {
      {"tabellen.txt", {"Adler I\t4 : 0\t299\t2\t149.50", "Falke I\t0 : 4\t296\t2\t148.25"}, {}},
      {"begegnungen.txt", {"Falke I\tAdler I\t148 - 149"}, {"150 - 148"}},
      {"mschnitte.txt", {"Adler I", "149.50", "148.25"}, {}},
      {"schnitte.txt", {"Anna Adler", "95.50", "Bernd Falke", "93.50"}, {endwertung}},
      {"schnitte2.txt", {"95.50", endwertung, "Mindestanzahl Ergebnisse: 2"}, {}},
      {"runde2.txt", {"Anna Adler\tAdler\t96", "Bernd Falke\tFalke\t93"}, {"95\n", "94\n"}},
      {"klasse0.txt", {"Falke I\tAdler I\t148 - 149", "Anna Adler\tAdler I\t96"}, {}},
      {"klasse1.txt", {"Adler I\t4 : 0", "95.50", endwertung}, {}},
      {"klasse2.txt", {"Adler I\t4 : 0", "Adler I\tFalke I\t150", "Falke I\tAdler I\t148"}, {endwertung}},
      {"klasse3.txt", {"Adler I\t4 : 0", "148 - 149", "Bernd Falke\tFalke I\t93"}, {endwertung}},
  };
  for (const Erwartet& e : erwartet) {
    SCOPED_TRACE(e.datei);
    std::string text = datei(e.datei);
    EXPECT_NE(text.find("Luftgewehr"), std::string::npos);
    for (const std::string& s : e.drin) EXPECT_NE(text.find(s), std::string::npos) << s << "\n" << text;
    for (const std::string& s : e.nicht) EXPECT_EQ(text.find(s), std::string::npos) << s;
    for (const char* fremd : {"Habicht", "Fremdliga", "155", "99.9"}) EXPECT_EQ(text.find(fremd), std::string::npos);
  }
  EXPECT_TRUE(std::filesystem::exists(dir->file("einzel.dbf")));
  for (const char* keine : {"tabellen.dbf", "tabellen.pdf", "alles.rwd", "nicht.txt"})
    EXPECT_FALSE(std::filesystem::exists(dir->file(keine))) << keine;

  ASSERT_EQ(printers.jobs().size(), 1u);
  EXPECT_EQ(printers.jobs()[0]->printer, "Testdrucker");
  EXPECT_EQ(printers.jobs()[0]->copies, 3);
  EXPECT_EQ(OpenDataFile(dir->file("alles.rwk")), OpenResult::Ok);
  EXPECT_EQ(db::query(gDbHaupt, "SELECT * FROM Schuetzenerg;").size(), 5u);
}

// The stored paths are cp1252 texts; in a folder with umlauts the result file and a list are
// written under the names they spell, not under the bytes of the stored text.
TEST_F(RunnerTest, FilesInAFolderWithUmlautsAreWrittenUnderTheirOwnNames) {
  const std::filesystem::path ordner = std::filesystem::path(dir->path()) / fsPath(qs("W\xFCrzburg"));
  std::filesystem::create_directory(ordner);
  job(4, 0, 0, 0, "W\xFCrzburg/Gau M\xFCller.rwk");
  job(0, 0, 0, 1, "W\xFCrzburg/Tabelle \xC4.txt");
  PointerListHolder holder;
  const std::string log = RunAktionsliste(holder, 0, 1, 0);
  EXPECT_EQ(log.find("Fehler"), std::string::npos) << log;
  std::set<std::string> namen;
  for (const auto& e : std::filesystem::directory_iterator(ordner)) namen.insert(fromQs(qtPath(e.path().filename())));
  EXPECT_EQ(namen, (std::set<std::string>{"Gau M\xFCller.rwk", "Tabelle \xC4.txt"}));
}

TEST_F(RunnerTest, APageWhoseStyleSheetCannotGoBesideItIsMadeAndTheLogSaysWhy) {
  std::filesystem::create_directory(dir->file("stil"));
  writeFileBytes(dir->file("stil/Liga.css"), "td {}");
  setFieldText(gEinstellungen.CssDatei, dir->file("stil/Liga.css"));
  std::filesystem::create_directory(dir->file("Liga.css"));  // in the style sheet's way
  job(0, 0, 0, 1, "tabellen.html");
  PointerListHolder holder;
  EXPECT_EQ(RunAktionsliste(holder, 0, 1, 0), "Erstellt: " + dir->file("tabellen.html") +
                                                  "\nDas css-File Liga.css wurde nicht mitkopiert: ein Ordner "
                                                  "tr\xE4gt diesen Namen\n");
  EXPECT_NE(datei("tabellen.html").find("Adler I"), std::string::npos);
  setFieldText(gEinstellungen.CssDatei, "");
}

}  // namespace
