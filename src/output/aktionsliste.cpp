#include "output/aktionsliste.h"

#include <algorithm>

#include "core/datafile.h"
#include "core/db.h"
#include "core/globals.h"
#include "core/savefile.h"
#include "exchange/services.h"
#include "output/listenschreiber.h"
#include "output/sortausgabe.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "ranking/listen.h"
#include "ranking/ranking.h"

namespace {

const char* const kAktionSpalten =
    "SELECT Satzindex, Disznr, Machflag, Typ, Ausgabeart, Flag_a, Flag_d, Flag_e, Flag_f, Flag_g, "
    "Bezeichnung, Pfad, Printstring_a, Printstring_b, Print_int FROM Aktion ";

AktionsEintrag eintragAus(const db::Table& t, size_t r) {
  AktionsEintrag e;
  e.Satzindex = t.integer(r, 0);
  e.Disznr = t.integer(r, 1);
  e.Machflag = t.integer(r, 2);
  e.Typ = t.integer(r, 3);
  e.Ausgabeart = t.integer(r, 4);
  e.Flag_a = t.integer(r, 5);
  e.Flag_d = t.integer(r, 6);
  e.Flag_e = t.integer(r, 7);
  e.Flag_f = t.integer(r, 8);
  e.Flag_g = t.integer(r, 9);
  e.Bezeichnung = t.text(r, 10);
  e.Pfad = t.text(r, 11);
  e.Printstring_a = t.text(r, 12);
  e.Printstring_b = t.text(r, 13);
  e.Print_int = t.integer(r, 14);
  return e;
}

}  // namespace

std::vector<AktionsEintrag> AktionenDerDisziplin(int disznr, bool* ok) {
  db::Table t = db::query(gDbAgenda, std::string(kAktionSpalten) + "WHERE Disznr=? ORDER BY Satzindex;",
                          {disznr});
  if (ok) *ok = t.ok;
  std::vector<AktionsEintrag> out;
  for (size_t r = 0; r < t.size(); ++r) out.push_back(eintragAus(t, r));
  return out;
}

bool AktionLaden(int disznr, int satzindex, AktionsEintrag& out) {
  db::Table t = db::query(gDbAgenda, std::string(kAktionSpalten) + "WHERE Disznr=? AND Satzindex=?;",
                          {disznr, satzindex});
  if (t.empty()) return false;
  out = eintragAus(t, 0);
  return true;
}

bool AktionenAnkreuzen(int disznr, const std::vector<std::pair<int, int>>& flags) {
  db::Transaction t(gDbAgenda);
  for (const auto& [satzindex, flag] : flags)
    if (!db::exec(gDbAgenda, "UPDATE Aktion SET Machflag=? WHERE Satzindex=? AND Disznr=?;",
                  {flag, satzindex, disznr}))
      return false;
  return t.commit();
}

bool AktionenTauschen(int disznr, int satzindexA, int satzindexB) {
  const char* sql = "UPDATE Aktion SET Satzindex=? WHERE Satzindex=? AND Disznr=?;";
  db::Transaction t(gDbAgenda);
  // -1 parks the first job while the second takes its place.
  bool ok = db::exec(gDbAgenda, sql, {-1, satzindexA, disznr}) &&
            db::exec(gDbAgenda, sql, {satzindexA, satzindexB, disznr}) &&
            db::exec(gDbAgenda, sql, {satzindexB, -1, disznr});
  return ok && t.commit();
}

bool AktionEntfernen(int disznr, int satzindex) {
  db::Transaction t(gDbAgenda);
  if (!db::exec(gDbAgenda, "DELETE FROM Aktion WHERE Satzindex=? AND Disznr=?;", {satzindex, disznr}))
    return false;
  // Renumbered by rowid: two rows that ever shared a position still get one each.
  db::Table rows = db::query(gDbAgenda, "SELECT rowid FROM Aktion WHERE Disznr=? ORDER BY Satzindex, rowid;",
                             {disznr});
  if (!rows.ok) return false;
  for (size_t k = 0; k < rows.size(); ++k)
    if (!db::exec(gDbAgenda, "UPDATE Aktion SET Satzindex=? WHERE rowid=?;",
                  {static_cast<long>(k), rows.num(k, 0)}))
      return false;
  return t.commit();
}

bool AktionSpeichern(AktionsEintrag& e, bool neu) {
  db::Transaction t(gDbAgenda);
  if (!neu) {
    if (!db::exec(gDbAgenda,
                  "UPDATE Aktion SET Typ=?, Ausgabeart=?, Flag_a=?, Flag_b=0, Flag_c=0, Flag_d=?, "
                  "Flag_e=?, Flag_f=?, Flag_g=?, Bezeichnung=?, Pfad=?, Printstring_a=?, "
                  "Printstring_b=?, Print_int=? WHERE Satzindex=? AND Disznr=?;",
                  {e.Typ, e.Ausgabeart, e.Flag_a, e.Flag_d, e.Flag_e, e.Flag_f, e.Flag_g, e.Bezeichnung,
                   e.Pfad, e.Printstring_a, e.Printstring_b, e.Print_int, e.Satzindex, e.Disznr}))
      return false;
    return t.commit();
  }
  db::Table last = db::query(gDbAgenda, "SELECT MAX(Satzindex) FROM Aktion WHERE Disznr=?;", {e.Disznr});
  if (!last.ok) return false;
  int satzindex = last.empty() || last.text(0, 0).empty() ? 0 : last.integer(0, 0) + 1;
  if (!db::exec(gDbAgenda,
                "INSERT INTO Aktion (Satzindex, Disznr, Machflag, Typ, Ausgabeart, Flag_a, Flag_b, "
                "Flag_c, Flag_d, Flag_e, Flag_f, Flag_g, Bezeichnung, Pfad, Printstring_a, "
                "Printstring_b, Print_int) VALUES (?, ?, 1, ?, ?, ?, 0, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
                {satzindex, e.Disznr, e.Typ, e.Ausgabeart, e.Flag_a, e.Flag_d, e.Flag_e, e.Flag_f,
                 e.Flag_g, e.Bezeichnung, e.Pfad, e.Printstring_a, e.Printstring_b, e.Print_int}))
    return false;
  if (!t.commit()) return false;
  e.Satzindex = satzindex;
  e.Machflag = 1;
  return true;
}

namespace {

// The extension of the file name, with its dot, as it stands.
std::string endungVon(const std::string& pfad) {
  std::string name = fileNamePart(pfad);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

// A failure names the reason of the write that failed, where one did.
std::string dateiZeile(bool ok, const std::string& pfad) {
  if (ok) return "Erstellt: " + pfad + "\n";
  const std::string grund = takeSaveError();
  return "Fehler beim Erstellen von: " + pfad + (grund.empty() ? "" : " (" + grund + ")") + "\n";
}

bool ergebnisdatei(const AktionsEintrag& e) {
  std::string endung = endungVon(e.Pfad);
  // The stored path is a cp1252 text; the file system spells it its own way.
  const std::filesystem::path datei = fsPath(qs(e.Pfad));
  if (endung == ".rwk") return SaveDataFile(datei);
  if (endung == ".rwd") return ExportFenkDaten(datei);
  return false;
}

// The class's values as they stand now: a job keeps the ones of the day it was stored.
struct KlassenWerte {
  bool gefunden = false;
  int AnzahlTermine = 0;
  int Minerganzahl = 1;
};

KlassenWerte klassenWerte(int disznr, int klasse) {
  KlassenWerte k;
  if (klasse <= 0) return k;
  db::Table t = db::query(gDbHaupt, "SELECT AnzahlTermine, Minerganzahl FROM Mschklassen WHERE Nr=? AND Disznr=?;",
                          {klasse, disznr});
  if (t.empty()) return k;
  k.gefunden = true;
  k.AnzahlTermine = t.integer(0, 0);
  k.Minerganzahl = std::max(1, t.integer(0, 1));
  return k;
}

// Remembers with which arguments each container was filled in this run, so that jobs that
// read the same list compute it once. A run starts with none: whatever the containers hold
// from before may belong to another discipline or round.
class Berechnungen {
 public:
  Berechnungen(int disznr, int runde, int zehntelflag) : disz_(disznr), runde_(runde), zehntel_(zehntelflag) {}

  void mannschaftstabellen() {
    if (once(tabellen_, {runde_})) BerechneMannschaftstabellen(runde_, disz_);
  }
  void ringschnitte() {
    if (once(schnitte_, {runde_})) BerechneMannschaftsringschnitte(runde_, disz_);
  }
  void einzelwertung(int modus, int klasse, int minRinge, int minAnzahl) {
    if (once(einzel_, {0, modus, klasse, runde_, minRinge, minAnzahl}))
      BerechneEinzelwertung(modus, klasse, runde_, minRinge, minAnzahl, zehntel_, disz_);
  }
  void klassenRundenliste(int klasse, int runde) {
    if (once(einzel_, {1, klasse, runde})) KlassenRundenliste(disz_, klasse, runde);
  }

 private:
  static bool once(std::vector<int>& last, std::vector<int> args) {
    if (last == args) return false;
    last = std::move(args);
    return true;
  }
  int disz_, runde_, zehntel_;
  std::vector<int> tabellen_, schnitte_, einzel_;
};

// Fills what the job's kind and display choice read and builds its writer arguments.
_sort_ausgabe vorbereiten(const AktionsEintrag& e, int disznr, int runde, int zehntelflag, Berechnungen& b) {
  _sort_ausgabe a;
  a.Listenart = e.Typ + 1;
  a.Disznr = disznr;
  a.Durchgang = runde;
  a.Zehntelflag = zehntelflag;
  a.Mklnr = e.Flag_a;
  a.MinRinge = e.Flag_e;
  a.Sortart = e.Flag_d;
  a.Anzeige = e.Flag_d;
  a.MinErgAnzahl = 1;
  a.Dateiname = fsPath(qs(e.Pfad));

  // A final ranking: averages of one class at its last round or beyond, as the
  // sorted-output window has it.
  KlassenWerte k = klassenWerte(disznr, e.Flag_a);
  bool schnitte = (e.Typ == AktEinzelErgebnisse && e.Flag_d >= 1) || (e.Typ == AktKlassenErgebnisse && e.Flag_d == 1);
  if (k.gefunden && schnitte && k.AnzahlTermine >= 1 && runde + 1 >= k.AnzahlTermine) {
    a.Endwertung = 1;
    a.MinErgAnzahl = k.Minerganzahl;
  }

  switch (e.Typ) {
    case AktMschTabellen:
      if (e.Flag_d == 1) b.mannschaftstabellen();
      break;
    case AktMschErgebnisse:
      if (e.Flag_d == 1) b.ringschnitte();
      break;
    case AktEinzelErgebnisse:
      b.einzelwertung(e.Flag_d, e.Flag_a, e.Flag_e, a.MinErgAnzahl);
      break;
    case AktKlassenErgebnisse:
      if (e.Flag_d >= 1) b.mannschaftstabellen();
      if (e.Flag_d == 1) b.einzelwertung(1, e.Flag_a, e.Flag_e, a.MinErgAnzahl);
      // The class's round list counts rounds from 1, up to the class's last.
      if (e.Flag_d == 0 || e.Flag_d == 3)
        b.klassenRundenliste(e.Flag_a, std::max(1, k.AnzahlTermine >= 1 ? std::min(runde + 1, k.AnzahlTermine)
                                                                          : runde + 1));
      break;
    default:
      break;
  }
  return a;
}

bool listeSchreiben(const AktionsEintrag& e, _sort_ausgabe a, std::string& cssFehler) {
  std::string endung = endungVon(e.Pfad);
  if (endung == ".txt")
    a.Dateiformat = 1;
  else if (endung == ".html")
    a.Dateiformat = 2;
  else if (endung == ".dbf")
    a.Dateiformat = 3;
  else
    return false;
  // A text left by an earlier job must never end up in this job's file.
  gIntdat.AusgabeText.clear();
  return WriteSortierteAusgabe(a.Dateiname, a, &cssFehler);
}

// Prints on the job's printer with its number of copies; the program's printer choice
// is left as it was. false when that printer does not exist or refuses the job.
bool listeDrucken(const AktionsEintrag& e, const _sort_ausgabe& a) {
  static bool (*const drucker[])(PrintCanvas&, _sort_ausgabe) = {PrintMschTabellen, PrintMschErgebnisse,
                                                                 PrintEinzelErgebnisse, PrintKlassenErgebnisse};
  std::string vorher = printing::currentPrinter();
  int kopienVorher = printing::copyCount();
  if (e.Printstring_a.empty() || !printing::selectPrinter(e.Printstring_a)) return false;
  printing::setCopyCount(std::max(1, e.Print_int));
  bool ok = false;
  if (std::unique_ptr<PrintCanvas> canvas = printing::openCanvas()) ok = drucker[e.Typ](*canvas, a);
  if (!vorher.empty()) printing::selectPrinter(vorher);
  printing::setCopyCount(kopienVorher);
  return ok;
}

}  // namespace

std::string RunAktionsliste(PointerListHolder&, int disznr, int rundenindex, int zehntelflag) {
  std::string log;
  Berechnungen berechnungen(disznr, rundenindex, zehntelflag);
  for (const AktionsEintrag& e : AktionenDerDisziplin(disznr)) {
    if (e.Machflag <= 0) continue;
    takeSaveError();  // a job's line names only its own reason
    if (e.Typ == AktErgebnisdatei) {
      log += dateiZeile(ergebnisdatei(e), e.Pfad);
      continue;
    }
    if (e.Typ < AktMschTabellen || e.Typ > AktErgebnisdatei) {
      log += dateiZeile(false, e.Pfad);
      continue;
    }
    _sort_ausgabe a = vorbereiten(e, disznr, rundenindex, zehntelflag, berechnungen);
    std::string cssFehler;
    if (e.Ausgabeart == 0) {
      log += dateiZeile(listeSchreiben(e, a, cssFehler), e.Pfad);
      if (!cssFehler.empty()) log += CssNichtKopiert(cssFehler) + "\n";
    } else if (listeDrucken(e, a))
      log += "Gedruckt: " + e.Printstring_b + " auf " + e.Printstring_a + "\n";
    else
      log += " Fehler! " + e.Printstring_b + ", " +
             (e.Printstring_a.empty() ? std::string("kein Drucker gewählt") : e.Printstring_a) + "\n";
  }
  return log;
}
