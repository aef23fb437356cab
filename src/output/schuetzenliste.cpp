#include "output/schuetzenliste.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "output/drucklayout.h"
#include "platform/printer.h"
#include "season/paarungen.h"

namespace {

const char* const heads[4] = {"Pass-Nr.", "Name", "Geschlecht", "Geburtsdatum"};

// A page of 100 units across and 60 lines down, as the other lists divide it.
struct Layout {
  int unit = 0;
  int line = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;  // the end of the column head's rule
  int col[4] = {};
  // A column reaches the next one less a unit; the last one the end of the rule.
  int width(int i) const { return (i < 3 ? col[i + 1] - unit : right) - col[i]; }
};

Layout layoutOf(PrintCanvas& canvas) {
  Layout l;
  l.unit = canvas.pageWidth() / 100;
  l.line = canvas.pageHeight() / 60;
  l.left = 10 * l.unit;
  l.bottom = canvas.pageHeight() - 2 * l.line;
  const int offsets[4] = {0, 15, 60, 75};
  for (int i = 0; i < 4; ++i) l.col[i] = l.left + offsets[i] * l.unit;
  l.right = l.col[3] + 15 * l.unit;
  return l;
}

// The columns share the room of the page's columns by the needs of the club's texts.
Layout sharedByNeed(PrintCanvas& canvas, Layout l, const db::Table& shooters) {
  std::vector<SpaltenBedarf> need(4);
  canvas.setFont({"Times New Roman", 10});
  for (int i = 0; i < 4; ++i) {
    need[i].Zahl = canvas.textWidth(heads[i]);
    for (size_t r = 0; r < shooters.size(); ++r) MissZelle(canvas, need[i], shooters.text(r, static_cast<size_t>(i)));
    need[i].Rand = l.unit;
    need[i].Wunsch = (i < 3 ? l.col[i + 1] : l.right + l.unit) - l.col[i];
  }
  const std::vector<int> widths = SpaltenNachBedarf(canvas, need, l.right + l.unit - l.left);
  for (int i = 1; i < 4; ++i) l.col[i] = l.col[i - 1] + widths[static_cast<size_t>(i - 1)];
  return l;
}

// Heading and column head at the top of a page; returns the y of the first shooter line.
int printHead(PrintCanvas& canvas, const Layout& l, const std::string& clubName) {
  int y = l.line;
  canvas.setFont({"Times New Roman", 14});
  y += DruckeUeberschrift(canvas, l.left, y, l.right - l.left, "Schuetzendaten " + clubName);
  y += 3 * l.line;
  canvas.setFont({"Times New Roman", 10});
  int n = 1;
  for (int i = 0; i < 4; ++i) n = std::max(n, canvas.textBlock(l.col[i], y, l.width(i), heads[i], l.line));
  y += n * l.line;
  canvas.setPenWidth(2);
  canvas.line(l.left, y, l.right, y);
  return y + l.line / 2;
}

// The shooters of one club from the top of the current page; a text wider than its column
// goes on in further lines of its row.
void printClub(PrintCanvas& canvas, const Layout& page, long vrnr, int aktivOnly) {
  const std::string clubName = VereinsName(gDbHaupt, vrnr);
  // Ticked as the check marks show it: any flag whose number is not 0.
  std::string sql = "SELECT Passnr, Name, Geschl, Gebdat FROM Schuetzen WHERE VrNr=?";
  if (aktivOnly > 0) sql += " AND CAST(AktivFlag AS INTEGER) <> 0";
  db::Table shooters = db::query(gDbHaupt, sql + " ORDER BY Name COLLATE NOCASE, Passnr;", {vrnr});
  const Layout l = sharedByNeed(canvas, page, shooters);
  int y = printHead(canvas, l, clubName);
  const int widths[4] = {l.width(0), l.width(1), l.width(2), l.width(3)};
  // A shooter whose row runs over more than one line stands half a line apart from the rows
  // beside it.
  std::vector<int> lines(shooters.size());
  for (size_t r = 0; r < shooters.size(); ++r) lines[r] = MeisteZeilen(canvas, shooters.rows[r], widths);
  for (size_t r = 0; r < shooters.size(); ++r) {
    const int n = lines[r];
    const int gap = r > 0 && (n > 1 || lines[r - 1] > 1) ? l.line / 2 : 0;
    if (y + gap + n * l.line > l.bottom) {
      canvas.newPage();
      y = printHead(canvas, l, clubName);
    } else {
      y += gap;
    }
    for (int c = 0; c < 4; ++c) canvas.textBlock(l.col[c], y, l.width(c), shooters.text(r, static_cast<size_t>(c)), l.line);
    y += n * l.line;
  }
}

}  // namespace

bool PrintSchuetzenListe(PrintCanvas& canvas, long vrnr, int aktivOnly) {
  return PrintSchuetzenListen(canvas, {vrnr}, aktivOnly);
}

bool PrintSchuetzenListe(long vrnr, int aktivOnly) {
  return PrintSchuetzenListen(std::vector<long>{vrnr}, aktivOnly);
}

bool PrintSchuetzenListen(PrintCanvas& canvas, const std::vector<long>& vrnrs, int aktivOnly) {
  canvas.setTitle("Sch\xFCtzendaten");
  if (!canvas.beginDoc()) return false;
  Layout l = layoutOf(canvas);
  for (size_t i = 0; i < vrnrs.size(); ++i) {
    if (i > 0) canvas.newPage();
    printClub(canvas, l, vrnrs[i], aktivOnly);
  }
  canvas.endDoc();
  return true;
}

bool PrintSchuetzenListen(const std::vector<long>& vrnrs, int aktivOnly) {
  std::unique_ptr<PrintCanvas> canvas = printing::openCanvas();
  return canvas && PrintSchuetzenListen(*canvas, vrnrs, aktivOnly);
}
