#include "output/schuetzenliste.h"

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "platform/printer.h"
#include "season/paarungen.h"

namespace {

// A page of 100 units across and 60 lines down, as the other lists divide it.
struct Layout {
  int unit = 0;
  int line = 0;
  int left = 0;
  int bottom = 0;
  int col[4] = {};
};

Layout layoutOf(PrintCanvas& canvas) {
  Layout l;
  l.unit = canvas.pageWidth() / 100;
  l.line = canvas.pageHeight() / 60;
  l.left = 10 * l.unit;
  l.bottom = canvas.pageHeight() - 2 * l.line;
  const int offsets[4] = {0, 15, 60, 75};
  for (int i = 0; i < 4; ++i) l.col[i] = l.left + offsets[i] * l.unit;
  return l;
}

// Heading and column head at the top of a page; returns the y of the first shooter line.
int printHead(PrintCanvas& canvas, const Layout& l, const std::string& clubName) {
  int y = l.line;
  canvas.setFont({"Times New Roman", 14});
  canvas.textOut(l.left, y, "Schuetzendaten " + clubName);
  y += 3 * l.line;
  canvas.setFont({"Times New Roman", 10});
  const char* const heads[4] = {"Pass-Nr.", "Name", "Geschlecht", "Geburtsdatum"};
  for (int i = 0; i < 4; ++i) canvas.textOut(l.col[i], y, heads[i]);
  y += l.line;
  canvas.setPenWidth(2);
  canvas.line(l.left, y, l.col[3] + 15 * l.unit, y);
  return y + l.line / 2;
}

}  // namespace

bool PrintSchuetzenListe(PrintCanvas& canvas, long vrnr, int aktivOnly) {
  const std::string clubName = VereinsName(gDbHaupt, vrnr);
  // Ticked as the check marks show it: any flag whose number is not 0.
  std::string sql = "SELECT Passnr, Name, Geschl, Gebdat FROM Schuetzen WHERE VrNr=?";
  if (aktivOnly > 0) sql += " AND CAST(AktivFlag AS INTEGER) <> 0";
  db::Table shooters = db::query(gDbHaupt, sql + " ORDER BY Name COLLATE NOCASE, Passnr;", {vrnr});

  canvas.setTitle("Sch\xFCtzendaten");
  if (!canvas.beginDoc()) return false;
  Layout l = layoutOf(canvas);
  int y = printHead(canvas, l, clubName);
  for (size_t r = 0; r < shooters.size(); ++r) {
    if (y + l.line > l.bottom) {
      canvas.newPage();
      y = printHead(canvas, l, clubName);
    }
    for (int c = 0; c < 4; ++c) canvas.textOut(l.col[c], y, shooters.text(r, static_cast<size_t>(c)));
    y += l.line;
  }
  canvas.endDoc();
  return true;
}

bool PrintSchuetzenListe(long vrnr, int aktivOnly) {
  std::unique_ptr<PrintCanvas> canvas = printing::openCanvas();
  return canvas && PrintSchuetzenListe(*canvas, vrnr, aktivOnly);
}
