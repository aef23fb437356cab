#pragma once
// A season of the first discipline ("Luftgewehr 2026/27", district "Gau Süd") for the
// schedule lists. Clubs 1 "A & B <C>", 2 "SG Nord", 3 "SV Süd", 4 "BSG Ost", 5 "Ohne Team".
// Class 1 "Kreisliga": first teams of clubs 1-4, six dates, bouts 4-6 mirror bouts 1-3.
// Class 2 "Kreisklasse": teams II and III of club 1 and team II of club 4 with a bye.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "support/testenv.h"

class TerminSeasonTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    gEinstellungen.AktDisznr = 0;
    setFieldText(gEinstellungen.Gauname, "Gau Süd");
    exec("UPDATE Disznamen SET Saisonname='2026/27';");
    exec("DELETE FROM Vereine_gau;");
    exec("INSERT INTO Vereine_gau (Nummer, Name) VALUES (1, 'A & B <C>'), (2, 'SG Nord'), "
        "(3, 'SV Süd'), (4, 'BSG Ost'), (5, 'Ohne Team');");
    exec("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES "
        "(1, 'Kreisliga', 6, 0), (2, 'Kreisklasse', 6, 0);");
    exec("INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES "
        "(1, 1, 0, 1, 1), (1, 2, 0, 2, 1), (1, 3, 0, 3, 1), (1, 4, 0, 4, 1), "
        "(2, 1, 0, 1, 2), (2, 2, 0, 1, 3), (2, 3, 0, 4, 2);");
    // Bout, home club, home team, guest club, guest team.
    pairings(1, {{1, 1, 1, 2, 1}, {1, 3, 1, 4, 1}, {2, 4, 1, 1, 1}, {2, 2, 1, 3, 1},
                 {3, 1, 1, 3, 1}, {3, 4, 1, 2, 1}, {4, 2, 1, 1, 1}, {4, 4, 1, 3, 1},
                 {5, 1, 1, 4, 1}, {5, 3, 1, 2, 1}, {6, 3, 1, 1, 1}, {6, 2, 1, 4, 1}});
    pairings(2, {{1, 1, 2, 1, 3}, {1, 4, 2, 0, 0}, {2, 0, 0, 1, 2}, {2, 1, 3, 4, 2},
                 {3, 4, 2, 1, 2}, {3, 0, 0, 1, 3}, {4, 1, 3, 1, 2}, {4, 0, 0, 4, 2},
                 {5, 1, 2, 0, 0}, {5, 4, 2, 1, 3}, {6, 1, 2, 4, 2}, {6, 1, 3, 0, 0}});
    dates(1, 0, {"02.10.", "16.10.", "30.10.", "13.11.", "27.11.", "11.12."});
    dates(2, 0, {"09.10.", "23.10.", "06.11.", "20.11.", "04.12.", "18.12."});
  }

  static void pairings(long klasse, std::initializer_list<std::array<int, 5>> rows, int disz = 0) {
    for (const auto& r : rows)
      ASSERT_TRUE(db::exec(gDbHaupt,
                           "INSERT INTO Gegner (Disznr, Mklnr, Kampfnr, Heimvrnr, Heimmschnr, "
                           "Gastvrnr, Gastmschnr) VALUES (?, ?, ?, ?, ?, ?, ?);",
                           {disz, klasse, r[0], r[1], r[2], r[3], r[4]}));
  }
  static void dates(long klasse, int disz, const std::vector<std::string>& termine) {
    int nr = 0;
    for (const std::string& t : termine)
      ASSERT_TRUE(db::exec(gDbHaupt,
                           "INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (?, ?, ?, ?);",
                           {klasse, ++nr, t, disz}));
  }
};
