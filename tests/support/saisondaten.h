#pragma once
// A small season of discipline 0 ("Luftgewehr", season "2027", district "Gau Süd"):
// classes 1 "Kreisklasse" (teams A & B <C> I, Schützen Süd I) and 2 "Gauliga"
// (Schützen Süd II and a team of club 4, which has no name row).
#include "core/db.h"
#include "core/globals.h"

inline void legeSaisonAn() {
  setFieldText(gEinstellungen.Gauname, "Gau Süd");
  gEinstellungen.AktDisznr = 0;
  db::exec(gDbHaupt,
           "UPDATE Disznamen SET Saisonname='2027' WHERE Nr=0;"
           "INSERT INTO Vereine_gau (Nummer, Name) VALUES (2, 'A & B <C>'), (3, 'Schützen Süd');"
           "INSERT INTO Mschklassen (Nr, Klname, Disznr) VALUES (1, 'Kreisklasse', 0), (2, 'Gauliga', 0);"
           "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES "
           "(1, 2, 0, 3, 1), (1, 1, 0, 2, 1), (2, 1, 0, 3, 2), (2, 2, 0, 4, 1);");
}
