#include "output/starttabellen.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "output/drucklayout.h"
#include "output/saisondokumente.h"
#include "platform/printcanvas.h"
#include "platform/printer.h"
#include "ranking/gespeichert.h"
#include "season/paarungen.h"

namespace {

// A class with the display names of its teams (a name may be empty).
struct Block {
  std::string klasse;
  std::vector<std::string> teams;
};

std::vector<Block> bloecke(int disz, long verein, long klasse) {
  std::vector<Block> out;
  const gespeichert::TeamNames namen;
  for (const DokumentKlasse& k : KlassenDerAuswahl(disz, verein, klasse)) {
    Block b{k.name, {}};
    for (const DokumentMannschaft& m : MannschaftenDerKlasse(disz, k.nr)) b.teams.push_back(namen(m.vrnr, m.rmschnr));
    out.push_back(std::move(b));
  }
  return out;
}

}  // namespace

std::string WriteTxtStarttabellen(long verein, long klasse, const std::string& vereinsname) {
  const int disz = gEinstellungen.AktDisznr;
  const DiszKopf k = LeseDiszKopf(disz);
  auto v = textListValue;
  std::string t = v(k.Gauname) + "\r\nRundenwettkampf " + v(k.Bezeichnung) +
                  "\r\nStarttabellen " + v(k.Saisonname) + "\r\n\r\n";
  if (verein > 0) t += v(vereinsname) + "\r\n";
  for (const Block& b : bloecke(disz, verein, klasse)) {
    t += "\r\n" + v(b.klasse);
    for (size_t i = 0; i < b.teams.size(); ++i) {
      if (i > 0) t += "\r\n";
      if (!b.teams[i].empty()) t += "\t\t" + v(b.teams[i]);
    }
    t += "\r\n";
  }
  t += "\r\n" + v(WettkampfleiterZeile(k)) + "\r\n";
  return t;
}

std::string WriteHtmlStarttabellen(long verein, long klasse, const std::string& vereinsname) {
  const int disz = gEinstellungen.AktDisznr;
  const DiszKopf k = LeseDiszKopf(disz);
  const std::string gau = HtmlEscape(k.Gauname);
  std::string h =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n<head>\r\n"
      "<meta name=\"generator\" content=\"Zielkontor.exe von Hagelstätter\">\r\n"
      "<meta name=\"keywords\" lang=\"de\" content=\"Schießsport, " + gau + "\">\r\n"
      " <title>\r\n Starttabellen von Zielkontor.exe,\r\n einer Software für den Schießsport von "
      "Hagelstätter,\r\n </title>\r\n";
  const std::string css = CssLinkName();
  if (!css.empty())
    h += " <link rel=\"stylesheet\" type=\"text/css\" href=\"" + HtmlEscape(css) + "\">\r\n";
  h += "</head>\r\n<div style=\"text-align: center;\">\r\n";
  h += " <h1>" + gau + "</h1>\r\n";
  h += " <h2>Rundenwettkampf " + HtmlEscape(k.Bezeichnung) + "</h2>\r\n";
  h += " <h3>Starttabellen " + HtmlEscape(k.Saisonname) + "</h3>\r\n";
  if (verein > 0) h += " <h4>" + HtmlEscape(vereinsname) + "</h4>\r\n";
  h += "</div>\r\n"
       "<table align=\"center\"; style=\"margin-top: 3pt; margin-left: auto; margin-right: auto; "
       "text-align: left; width: auto ; height: auto;\" border= \"2\" cellpadding= \"0\" "
       "cellspacing= \"0\">\r\n"
       " <tbody>\r\n   <tr>\r\n"
       "    <td class=\"head\" align=\"left\"><b>&nbsp;Klasse&nbsp;</b></td>\r\n"
       "    <td class=\"head\" align=\"left\"><b>&nbsp;Mannschaften&nbsp;</b></td>\r\n"
       "   </tr>\r\n";

  // Row shades alternate over the whole table, spacer rows included.
  bool dunkel = true;
  auto shade = [&dunkel] {
    std::string a = dunkel ? "class=\"dunkel\"" : "class=\"hell\"";
    dunkel = !dunkel;
    return a;
  };
  for (const Block& b : bloecke(disz, verein, klasse)) {
    for (size_t i = 0; i < b.teams.size(); ++i) {
      const std::string a = shade();
      h += "   <tr>\r\n    <td " + a + " style=\"width: 30px; text-align: center;\">" +
           (i == 0 ? HtmlEscape(b.klasse) : std::string(" ")) + "<br></td>\r\n";
      if (!b.teams[i].empty()) h += "    <td " + a + ">&nbsp;" + HtmlEscape(b.teams[i]) + " &nbsp;</td>\r\n";
      h += "   </tr>\r\n";
    }
    h += "   <tr>\r\n   <td " + shade() + " colspan=\"3\"><br></td>   </tr>\r\n";
  }

  const std::string mail = HtmlEscape(k.Mail);
  h += " </table>\r\n <h5 style=\"text-align: center;\">" + DateTimeText(outputTime()) + "</h5>\r\n";
  h += " <h5 style=\"text-align: center;\">Wettkampfleiter: " + HtmlEscape(k.Wkl) + ", Fax: " +
       HtmlEscape(k.Fax) + ", Mail: " +
       (gEinstellungen.HtmlMailLink ? "<a href=\"mailto:" + mail + "\">" + mail + "</a>" : mail) +
       "</h5>\r\n";
  h += " <div style=\"text-align: center;\"><h4><a href=\"javascript:history.back()\";\r\n"
       "   >Zur&uuml;ck zur &Uuml;bersicht</a></h4>\r\n </div>\r\n</tbody>\r\n</html>\r\n";
  return HtmlUmlaute(h);
}

bool SaveStarttabellen(const std::filesystem::path& datei, int format, long verein, long klasse,
                       const std::string& vereinsname) {
  if (format == 1) return WriteTextFile(datei, WriteTxtStarttabellen(verein, klasse, vereinsname));
  if (format != 2) return false;
  return WriteHtmlPage(datei, WriteHtmlStarttabellen(verein, klasse, vereinsname));
}

namespace {

// One print job of start tables. Every page carries the list title, the heading and the
// footer; a block that would pass the bottom goes to a new page.
class Druck {
 public:
  Druck(PrintCanvas& c, bool serie) : c_(c), serie_(serie) {
    const int w = c.pageWidth(), h = c.pageHeight();
    L.Einheit = w / 100;
    L.Zeile = h / 70;
    L.Links = 8 * L.Einheit;
    L.Rechts = w - 3 * L.Einheit;
    L.Oben = 3 * L.Zeile;
    L.Unten = h - 5 * L.Zeile;
    L.Spalte[0] = L.Links + L.Einheit;
    L.Spalte[1] = L.Links + 10 * L.Einheit;
    L.Spalte[2] = L.Links + (serie ? 20 : 25) * L.Einheit;
    L.Spalte[3] = L.Links + (serie ? 30 : 39) * L.Einheit;
    L.Spalte[4] = L.Links + 45 * L.Einheit;
  }

  // Title and heading of a page; the serial print puts its footer on the page right away,
  // the others when the page is done. A heading wider than the page goes on below and moves
  // the body down. Returns the y where the body begins.
  int seitenkopf(const std::string& ueberschrift) {
    ueberschrift_ = ueberschrift;
    int y = PrintListTitle(c_, L, disz_) - L.Zeile / 2;
    c_.setFontSize(14);
    y += L.Zeile + DruckeUeberschrift(c_, L.Links, y - L.Zeile, L.Rechts - L.Links, ueberschrift_);
    if (serie_) PrintPageFooter(c_, L, disz_);
    c_.setFontSize(12);
    koerper_ = y;
    return y;
  }
  int neueSeite() {
    if (!serie_) PrintPageFooter(c_, L, disz_);
    c_.newPage();
    return seitenkopf(ueberschrift_);
  }
  void ende() {
    if (!serie_) PrintPageFooter(c_, L, disz_);
    c_.endDoc();
  }
  bool passt(int y, int zeilenHoehe) const { return y + zeilenHoehe <= L.Unten; }
  bool amSeitenanfang(int y) const { return y == koerper_; }

  // A text in the column from x to `bis`, a blank's width short of it; its height in lines,
  // an empty text keeping its line.
  int hoehe(const std::string& t, int x, int bis) {
    return std::max(1, c_.lineCount(t, bis - x - L.Einheit / 2)) * L.Zeile;
  }
  int drucke(const std::string& t, int x, int bis, int y) {
    c_.textBlock(x, y, bis - x - L.Einheit / 2, t, L.Zeile);
    return y + hoehe(t, x, bis);
  }

  // The room between two teams of a class: where a name goes on in a further line, half a
  // line, so that the next team does not read as its continuation.
  int abstand(const std::vector<std::string>& teams, int x, int bis) {
    for (const std::string& t : teams)
      if (hoehe(t, x, bis) > L.Zeile) return L.Zeile / 2;
    return 0;
  }

  // A class with its teams under a rule; an empty name keeps its line.
  int klasse(const Block& b, int y) {
    c_.setFontSize(12);
    const std::string name = "Klasse " + b.klasse;
    const int rechts = L.Rechts + L.Einheit / 2;
    const int luecke = abstand(b.teams, L.Spalte[1], rechts);
    int ganz = L.Zeile + hoehe(name, L.Spalte[0], rechts);
    for (const std::string& team : b.teams) ganz += hoehe(team, L.Spalte[1], rechts) + luecke;
    if (!passt(y, ganz - luecke) && !amSeitenanfang(y)) y = neueSeite();
    c_.setFontSize(12);
    c_.line(L.Links - L.Einheit, y, L.Rechts, y);
    y += L.Zeile;
    y = drucke(name, L.Spalte[0], rechts, y);
    for (size_t i = 0; i < b.teams.size(); ++i) {
      if (i > 0) y += luecke;
      if (!passt(y, hoehe(b.teams[i], L.Spalte[1], rechts))) {
        y = neueSeite();
        y = drucke(name, L.Spalte[0], rechts, y);
      }
      y = drucke(b.teams[i], L.Spalte[1], rechts, y);
    }
    return y + L.Zeile;
  }

  // Two classes side by side per pair, split by a vertical rule down the middle to the end
  // of the last full pair; teams without a name take no line. Each name stays in its half.
  int uebersicht(const std::vector<Block>& bloecke, int y) {
    const int mitte = L.Spalte[4];
    const int versatz = 45 * L.Einheit;
    const int rechts = L.Rechts + L.Einheit / 2;
    auto xKlasse = [&](size_t s) { return L.Spalte[0] + static_cast<int>(s) * versatz; };
    auto xTeam = [&](size_t s) { return L.Spalte[1] + static_cast<int>(s) * versatz; };
    auto bis = [&](size_t s) { return s == 0 ? mitte : rechts; };
    int y0 = y;
    auto senkrecht = [&](int unten) { c_.line(mitte, y0, mitte, unten); };
    for (size_t i = 0; i < bloecke.size(); i += 2) {
      std::vector<const Block*> paar{&bloecke[i]};
      if (i + 1 < bloecke.size()) paar.push_back(&bloecke[i + 1]);
      std::vector<std::vector<std::string>> spalten;
      size_t zeilen = 0;
      int kopf = 0;  // the class lines
      int spaltenHoehe = 0;
      int luecke = 0;
      for (size_t s = 0; s < paar.size(); ++s) luecke = std::max(luecke, abstand(paar[s]->teams, xTeam(s), bis(s)));
      for (size_t s = 0; s < paar.size(); ++s) {
        spalten.emplace_back();
        int h = hoehe("Klasse " + paar[s]->klasse, xKlasse(s), bis(s));
        kopf = std::max(kopf, h);
        for (const std::string& t : paar[s]->teams)
          if (!t.empty()) {
            h += (spalten.back().empty() ? 0 : luecke) + hoehe(t, xTeam(s), bis(s));
            spalten.back().push_back(t);
          }
        zeilen = std::max(zeilen, spalten.back().size());
        spaltenHoehe = std::max(spaltenHoehe, h);
      }
      const int oben = static_cast<int>(0.2 * L.Zeile);
      const int ganz = oben + spaltenHoehe;
      if (!passt(y, ganz) && !amSeitenanfang(y)) {
        senkrecht(y);
        y = y0 = neueSeite();
      }
      c_.line(L.Links - L.Einheit, y, L.Rechts, y);
      int yb = y + oben;
      auto klassenzeile = [&] {
        for (size_t s = 0; s < paar.size(); ++s) drucke("Klasse " + paar[s]->klasse, xKlasse(s), bis(s), yb);
        yb += kopf;
      };
      if (passt(y, ganz)) {
        // The usual case: each block whole, the left one first.
        for (size_t s = 0; s < paar.size(); ++s) {
          int ys = drucke("Klasse " + paar[s]->klasse, xKlasse(s), bis(s), yb);
          for (size_t r = 0; r < spalten[s].size(); ++r) ys = drucke(spalten[s][r], xTeam(s), bis(s), ys + (r ? luecke : 0));
        }
        if (paar.size() == 2) y += spaltenHoehe + L.Zeile / 2;
        continue;
      }
      // A pair taller than a page goes on row by row, its class names repeated on each page.
      klassenzeile();
      for (size_t r = 0; r < zeilen; ++r) {
        int h = 0;
        for (size_t s = 0; s < paar.size(); ++s)
          if (r < spalten[s].size()) h = std::max(h, hoehe(spalten[s][r], xTeam(s), bis(s)));
        if (r > 0) yb += luecke;
        if (!passt(yb, h)) {
          senkrecht(yb);
          yb = y0 = neueSeite();
          klassenzeile();
        }
        for (size_t s = 0; s < paar.size(); ++s)
          if (r < spalten[s].size()) drucke(spalten[s][r], xTeam(s), bis(s), yb);
        yb += h;
      }
      if (paar.size() == 2) y = yb + L.Zeile / 2;
    }
    senkrecht(y);
    return y;
  }

  DruckLayout L;

 private:
  PrintCanvas& c_;
  bool serie_;
  int disz_ = gEinstellungen.AktDisznr;
  std::string ueberschrift_;
  int koerper_ = 0;
};

std::unique_ptr<PrintCanvas> beginne() {
  std::unique_ptr<PrintCanvas> c = printing::openCanvas();
  if (!c) return c;
  c->setTitle("RWK-Starttabellen");
  c->setOrientation(PageOrientation::Portrait);
  c->setPenWidth(2);
  c->setFontName("Times New Roman");
  if (!c->beginDoc()) c.reset();
  return c;
}

}  // namespace

bool PrintStarttabellen(long verein, long klasse) {
  const int disz = gEinstellungen.AktDisznr;
  const std::vector<Block> b = bloecke(disz, verein, klasse);
  if (b.empty()) {
    MeldeKeineDruckdaten();
    return true;
  }
  std::unique_ptr<PrintCanvas> c = beginne();
  if (!c) return false;
  Druck d(*c, false);
  int y = d.seitenkopf("Starttabellen " + (verein > 0 ? VereinsName(gDbHaupt, verein) : std::string()));
  if (verein > 0 || klasse > 0) {
    for (const Block& k : b) y = d.klasse(k, y);
  } else {
    d.uebersicht(b, y);
  }
  d.ende();
  return true;
}

bool PrintStarttabellenSerie() {
  const int disz = gEinstellungen.AktDisznr;
  // Each class of a club once, however many teams the club has in it.
  std::vector<std::pair<std::string, std::vector<Block>>> vereine;
  db::Table t = db::query(gDbHaupt, "SELECT Nummer, Name FROM Vereine_gau ORDER BY rowid;");
  for (size_t r = 0; r < t.size(); ++r) {
    std::vector<Block> b = bloecke(disz, t.num(r, 0), 0);
    if (!b.empty()) vereine.emplace_back(t.text(r, 1), std::move(b));
  }
  if (vereine.empty()) {
    MeldeKeineDruckdaten();
    return true;
  }
  std::unique_ptr<PrintCanvas> c = beginne();
  if (!c) return false;
  Druck d(*c, true);
  for (size_t v = 0; v < vereine.size(); ++v) {
    if (v > 0) c->newPage();
    int y = d.seitenkopf("Starttabellen " + vereine[v].first);
    for (const Block& k : vereine[v].second) y = d.klasse(k, y);
  }
  d.ende();
  return true;
}
