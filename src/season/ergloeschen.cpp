#include "season/ergloeschen.h"

#include "core/db.h"
#include "platform/text.h"

namespace {

// One kind of result: its table, its class column and its report word.
bool deleteResults(sqlite3* db, const char* table, const char* klasse, const char* wort, int disznr,
                   const std::string& diszname, const LoeschAuswahl& a, std::string& bericht) {
  std::string t = table, k = klasse;
  bool ok;
  std::string line = std::string("Gelöscht: ") + wort + " " + diszname;
  if (a.mklnr < 1) {
    ok = db::exec(db, "DELETE FROM " + t + " WHERE Disznr = ?;", {disznr});
  } else if (a.ergnr < 1) {
    ok = db::exec(db, "DELETE FROM " + t + " WHERE " + k + " = ? AND Disznr = ?;", {a.mklnr, disznr});
    line += ", " + a.klname + ", alle Durchgänge";
  } else {
    ok = db::exec(db, "DELETE FROM " + t + " WHERE " + k + " = ? AND Ergnr = ? AND Disznr = ?;",
                  {a.mklnr, a.ergnr, disznr});
    line += ", " + a.klname + ", Durchgang " + str(a.ergnr);
  }
  if (ok) bericht += line + "\n";
  return ok;
}

}  // namespace

bool ErgebnisseLoeschen(sqlite3* db, int disznr, const std::string& diszname, const LoeschAuswahl& a,
                        std::string& bericht) {
  if (a.einzel &&
      !deleteResults(db, "Schuetzenerg", "Mschklnr", "Einzelergebnisse", disznr, diszname, a, bericht))
    return false;
  if (a.mannschaft &&
      !deleteResults(db, "Mscherg", "Mklnr", "Mannschaftsergebnisse", disznr, diszname, a, bericht))
    return false;
  if (a.aufstellungen) {
    if (!db::exec(db, "DELETE FROM Mschaufstlg WHERE Disznr = ?;", {disznr})) return false;
    bericht += "Gelöscht: Mannschaftsaufstellungen/Stammschützen " + diszname + "\n";
  }
  if (a.fuehrer) {
    if (!db::exec(db, "DELETE FROM Msch_fuehrer WHERE Disznr = ?;", {disznr})) return false;
    bericht += "Gelöscht: Mannschaftsleiter " + diszname + "\n";
  }
  return true;
}
