#include "output/mschfuehrerlisten.h"

#include <memory>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "output/listenschreiber.h"
#include "platform/printcanvas.h"
#include "platform/printer.h"

bool SaveMschFuehrer(const std::filesystem::path& datei, int format, long verein, long klasse) {
  const int vr = static_cast<int>(verein), kl = static_cast<int>(klasse);
  if (format == 1) return WriteTextFile(datei, WriteTxtMschFuehrer(vr, kl));
  if (format == 2) return WriteHtmlPage(datei, WriteHtmlMschFuehrer(vr, kl));
  if (format != 3) return false;
  _sort_ausgabe a;  // every other field stays 0
  a.Listenart = 6;
  a.Disznr = gEinstellungen.AktDisznr;
  a.Dateiformat = 3;
  a.Mklnr = kl;
  a.Vrnr = vr;
  a.Dateiname = datei;
  return WriteDbfMschFuehrer(a);
}

bool PrintMschFuehrerSerie() {
  std::vector<long> mitTeams;
  db::Table vereine = db::query(gDbHaupt,
                                "SELECT Nummer FROM Vereine_gau g WHERE EXISTS (SELECT 1 FROM Msch_in_klassen m "
                                "WHERE m.Vrnr=g.Nummer AND m.Disznr=?) ORDER BY rowid;",
                                {static_cast<int>(gEinstellungen.AktDisznr)});
  for (size_t r = 0; r < vereine.size(); ++r) mitTeams.push_back(vereine.num(r, 0));
  std::unique_ptr<PrintCanvas> c = printing::openCanvas();
  return c && PrintMschFuehrerVereine(*c, mitTeams);
}
