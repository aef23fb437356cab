#pragma once
// A district whose names test every list's width: four clubs of 60 characters with umlauts,
// each with two teams in class 1 "Bezirksoberliga Süd-Ost Gruppe Äpfelbach" of discipline 0,
// shooters such as "Öztürk, Ümit" and "Ärmin Großkopf-Überreiter", captains with full
// addresses, two of six rounds shot, dates for every round and one action list entry.
#include <string>

#include "core/db.h"
#include "core/globals.h"

inline const char* const kLangeVereine[4] = {
    "Königlich privilegierte Feuerschützengesellschaft Äpfelbach",
    "Bürgerschützen Äpfelbach-Überlingen am Großen Öhrlesee e.V.",
    "Schützengilde Hubertus Öd-Grünwald-Oberschleißheim von 1888",
    "Zimmerstutzenschützen Ölmühle Übersee am Chiemsee 1921 e.V."};

inline void legeLangeNamenAn() {
  setFieldText(gEinstellungen.Gauname, "Gau Äußeres Donaumoos-Überlingen");
  gEinstellungen.AktDisznr = 0;
  for (const char* t : {"Vereine_gau", "Vereine_zstext", "Schuetzen", "Mschklassen", "Msch_in_klassen",
                        "Mscherg", "Schuetzenerg", "Gegner", "Msch_fuehrer", "Termine"})
    db::exec(gDbHaupt, std::string("DELETE FROM ") + t + ";");
  db::exec(gDbHaupt, "UPDATE Disznamen SET Saisonname='2027/28', Kampfindex=1, Mklindex=0, "
                     "SortEErgMinAnzErg=1, SortEErgMinRinge=0 WHERE Nr=0;");
  db::exec(gDbHaupt,
           "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr, SchuetzenproMannschaftUnsort, "
           "SchuetzenproMannschaftSort, Sortflag, MaxSchuetzenproMannschaft, Minerganzahl) "
           "VALUES (1, 'Bezirksoberliga Süd-Ost Gruppe Äpfelbach', 14, 0, 3, 3, 0, 4, 1);");
  const char* namen[3] = {"Öztürk, Ümit", "Ärmin Großkopf-Überreiter", "Schönauer-Äschbacher, Maximilian"};
  for (int v = 0; v < 4; ++v) {
    const int club = 1000 + v;
    db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);", {club, kLangeVereine[v]});
    db::exec(gDbHaupt, "INSERT INTO Vereine_zstext (Nummer, ZsText, TelSStd) VALUES (?, '', '0049 8441 987654-321');",
             {club});
    for (int m = 1; m <= 2; ++m) {
      db::exec(gDbHaupt,
               "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (1, ?, 0, ?, ?);",
               {2 * v + m, club, m});
      db::exec(gDbHaupt,
               "INSERT INTO Msch_fuehrer (Disznr, Vrnr, Rmschnr, Name, Strasse, Plz, Ort, Tel_a, Tel_b, Fax, Mail) "
               "VALUES (0, ?, ?, 'Großkopf-Überreiter, Ärmin', 'Äußere Münchner Straße 123a', '85049', "
               "'Ingolstadt-Überlingen', '08441 123456', '0171 98765432', '08441 123457', "
               "'aermin.grosskopf-ueberreiter@schuetzen-aepfelbach.de');",
               {club, m});
      for (int s = 0; s < 3; ++s) {
        const int pass = club * 100 + m * 10 + s;
        db::exec(gDbHaupt, "INSERT INTO Schuetzen (Passnr, VrNr, Name, Gebdat, AktivFlag) VALUES (?, ?, ?, '01.01.1970', '1');",
                 {pass, club, namen[s]});
      }
    }
  }
  // Rounds 1 and 2: team positions 1-2, 3-4, 5-6, 7-8 meet; the home side wins.
  for (int round = 1; round <= 2; ++round)
    for (int p = 0; p < 4; ++p) {
      const int hv = 1000 + p, gv = 1000 + (p + round) % 4;
      db::exec(gDbHaupt,
               "INSERT INTO Gegner (Disznr, Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr) "
               "VALUES (0, 1, ?, ?, 1, ?, 2);",
               {round, hv, gv});
      for (auto [club, team, rings, plus] : {std::tuple{hv, 1, 1488, 2}, {gv, 2, 1474, 0}}) {
        db::exec(gDbHaupt,
                 "INSERT INTO Mscherg (Mklnr, Vrnr, Rmschnr, Ringerg, Pluspunkte, Minuspunkte, Korrekturpunkte, "
                 "Disznr, Ergnr) VALUES (1, ?, ?, ?, ?, ?, 0, 0, ?);",
                 {club, team, rings * 10, plus, 2 - plus, round});
        for (int s = 0; s < 3; ++s)
          db::exec(gDbHaupt,
                   "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, Mschnr) "
                   "VALUES (?, 0, ?, ?, 1, 1, ?, ?);",
                   {club * 100 + team * 10 + s, rings * 10 / 3 + s, round, club, team});
      }
    }
  db::exec(gDbAgenda, "DELETE FROM Aktion;");
  db::exec(gDbAgenda,
           "INSERT INTO Aktion (Satzindex, Disznr, Machflag, Typ, Ausgabeart, Flag_a, Flag_d, Bezeichnung, Pfad, "
           "Printstring_a, Printstring_b, Print_int) VALUES (0, 0, 1, 3, 0, 1, 0, "
           "'Klassenergebnisse Bezirksoberliga Süd-Ost Gruppe Äpfelbach', "
           "'/home/wettkampfleiter/Rundenwettkampf Äpfelbach-Überlingen/Klassenergebnisse.html', '', '', 1);");
  for (int round = 1; round <= 14; ++round)
    db::exec(gDbHaupt, "INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (1, ?, ?, 0);",
             {round, "Sa. " + std::to_string(round) + ".10.2027 19:30 Uhr, Schießstätte Äpfelbach-Überlingen"});
}
