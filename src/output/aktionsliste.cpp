#include "output/aktionsliste.h"

#include "core/datafile.h"
#include "core/db.h"
#include "core/globals.h"
#include "exchange/services.h"

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

std::string dateiZeile(bool ok, const std::string& pfad) {
  return (ok ? "Erstellt: " : "Fehler beim Erstellen von: ") + pfad + "\n";
}

bool ergebnisdatei(const AktionsEintrag& e) {
  std::string endung = endungVon(e.Pfad);
  if (endung == ".rwk") return SaveDataFile(e.Pfad);
  if (endung == ".rwd") return ExportFenkDaten(e.Pfad);
  return false;
}

}  // namespace

std::string RunAktionsliste(PointerListHolder&, int disznr, int, int) {
  std::string log;
  for (const AktionsEintrag& e : AktionenDerDisziplin(disznr)) {
    if (e.Machflag <= 0) continue;
    if (e.Typ == AktErgebnisdatei)
      log += dateiZeile(ergebnisdatei(e), e.Pfad);
    else if (e.Ausgabeart == 0)
      log += dateiZeile(false, e.Pfad);  // the list writers are not part of this build yet
    else
      log += " Fehler! " + e.Printstring_b + ", " + e.Printstring_a + "\n";
  }
  return log;
}
