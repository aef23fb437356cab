#pragma once
// A small hand-made season of discipline 0 for the sorted lists, shared by the list and the
// window tests. Two classes named "Liga" with a gap in the numbers: Nr 1 (2 match days,
// 3 counted shooters, minimum 2 results) and Nr 3 (4 match days, 2 counted, minimum 3).
// Discipline 1 has one team of Eule; discipline 2 has nothing.
#include <string>

#include "core/db.h"
#include "core/globals.h"
#include "support/testenv.h"

class SortSaison : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    for (const char* t : {"Vereine_gau", "Vereine_zstext", "Schuetzen", "Mschklassen",
                          "Msch_in_klassen", "Mscherg", "Schuetzenerg", "Gegner", "Msch_fuehrer"})
      db::exec(gDbHaupt, std::string("DELETE FROM ") + t + ";");
    db::exec(gDbHaupt,
             "INSERT INTO Disznamen (Nr, Bezeichnung, Kampfindex, Mklindex, SortEErgMinAnzErg, "
             "SortEErgMinRinge, Zehntelflag) VALUES (2, 'Leer', 0, 0, 1, 0, 0);");
    db::exec(gDbHaupt, "UPDATE Disznamen SET SortEErgMinRinge = 0, SortEErgMinAnzErg = 1;");
    for (auto [nr, name] : {std::pair{10, "Adler"}, {20, "Falke"}, {30, "Habicht"}, {40, "Eule"}})
      db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);", {nr, name});
    db::exec(
        gDbHaupt,
        "INSERT INTO Vereine_zstext (Nummer, TelSStd) VALUES (10, '089-111'), (20, '089-222');");
    klasse(0, 1, 2, 3, 2);
    klasse(0, 3, 4, 2, 3);
    klasse(1, 1, 2, 3, 1);
    // disc, class, position, club, team
    team(0, 1, 1, 10, 1);
    team(0, 1, 2, 20, 1);
    team(0, 3, 1, 10, 2);
    team(0, 3, 2, 30, 1);
    team(1, 1, 1, 40, 1);
    // class, round, home club/team, guest club/team
    pairing(1, 1, 10, 1, 20, 1);
    pairing(1, 2, 20, 1, 10, 1);
    pairing(3, 1, 10, 2, 30, 1);
    pairing(3, 4, 30, 1, 10, 2);
    // class, club, team, round, rings, plus, minus
    result(1, 10, 1, 1, 1930, 2, 0);
    result(1, 20, 1, 1, 970, 0, 2);
    result(1, 20, 1, 2, 1940, 2, 0);
    result(1, 10, 1, 2, 1930, 0, 2);
    result(3, 10, 2, 1, 1910, 1, 1);
    result(3, 30, 1, 1, 1910, 1, 1);

    for (auto [pass, club, name] : {std::tuple{101, 10, "Anna"},
                                    {102, 10, "Bernd"},
                                    {111, 20, "Carl"},
                                    {201, 10, "Dora"},
                                    {202, 10, "Egon"},
                                    {205, 10, "Franz"},
                                    {301, 30, "Gabi"},
                                    {302, 30, "Hans"},
                                    {303, 30, "Ida"},
                                    {304, 30, "Jan"},
                                    {120, 10, "Kurt"},
                                    {121, 10, "Lena"},
                                    {122, 10, "Max"},
                                    {123, 10, "Nina"}})
      db::exec(gDbHaupt,
               "INSERT INTO Schuetzen (Passnr, VrNr, Name, AktivFlag) VALUES (?, ?, ?, '1');",
               {pass, club, name});
    // pass, club, team, class, round, rings, counted
    shot(101, 10, 1, 1, 1, 970);
    shot(111, 20, 1, 1, 1, 970);
    shot(102, 10, 1, 1, 1, 960);
    shot(101, 10, 1, 1, 2, 935);
    shot(102, 10, 1, 1, 2, 940);
    shot(111, 20, 1, 1, 2, 935);
    // Class 3, round 1: a substitute stored before the counted shooters; a longer guest side.
    shot(205, 10, 2, 3, 1, 900, 0);
    shot(201, 10, 2, 3, 1, 950);
    shot(202, 10, 2, 3, 1, 960);
    shot(303, 30, 1, 3, 1, 930, 0);
    shot(301, 30, 1, 3, 1, 940);
    shot(302, 30, 1, 3, 1, 970);
    shot(304, 30, 1, 3, 1, 920, 0);
    // Club results of Adler: Kurt changed from team 1 to 2 with round 3 stored before round 2;
    // Lena's change came with 0 rings only; Max always shot for team 1; Nina shot 0 only.
    shot(120, 10, 1, 3, 1, 950);
    shot(120, 10, 2, 3, 3, 940);
    shot(120, 10, 1, 3, 2, 945);
    shot(121, 10, 1, 3, 1, 950);
    shot(121, 10, 2, 3, 3, 0);
    shot(121, 10, 1, 3, 2, 940);
    shot(122, 10, 1, 3, 1, 930);
    shot(122, 10, 1, 3, 2, 931);
    shot(123, 10, 1, 3, 1, 0);

    db::exec(gDbHaupt,
             "INSERT INTO Msch_fuehrer (Disznr, Vrnr, Rmschnr, Name, Strasse, Plz, Ort, Tel_a, "
             "Tel_b, Fax, Mail) VALUES (0, 10, 1, 'Otto', 'Weg 1', '80000', 'Dorf', '1', '2', "
             "'3', 'o@x.de'), (0, 30, 1, 'Paul', 'Weg 2', '80001', 'Stadt', '4', '5', '6', "
             "'p@x.de');");
  }

  static void klasse(int disz, int nr, int termine, int wertung, int minErg) {
    db::exec(gDbHaupt,
             "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr, "
             "SchuetzenproMannschaftUnsort, Sortflag, Minerganzahl) VALUES (?, ?, ?, ?, ?, 0, ?);",
             {nr, disz == 0 ? "Liga" : "Fremd", termine, disz, wertung, minErg});
  }
  static void team(int disz, int mkl, int pos, int club, int nr) {
    db::exec(gDbHaupt,
             "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) "
             "VALUES (?, ?, ?, ?, ?);",
             {mkl, pos, disz, club, nr});
  }
  static void pairing(int mkl, int round, int hv, int hm, int gv, int gm) {
    db::exec(gDbHaupt,
             "INSERT INTO Gegner (Disznr, Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, "
             "Gastmschnr) VALUES (0, ?, ?, ?, ?, ?, ?);",
             {mkl, round, hv, hm, gv, gm});
  }
  static void result(int mkl, int club, int team, int round, int rings, int plus, int minus) {
    db::exec(gDbHaupt,
             "INSERT INTO Mscherg (Mklnr, Vrnr, Rmschnr, Ringerg, Pluspunkte, Minuspunkte, "
             "Korrekturpunkte, Disznr, Ergnr) VALUES (?, ?, ?, ?, ?, ?, 0, 0, ?);",
             {mkl, club, team, rings, plus, minus, round});
  }
  static void shot(int pass, int club, int team, int mkl, int round, int rings, int counted = 1) {
    db::exec(gDbHaupt,
             "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, "
             "Mschnr) VALUES (?, 0, ?, ?, ?, ?, ?, ?);",
             {pass, rings, round, counted, mkl, club, team});
  }
};
