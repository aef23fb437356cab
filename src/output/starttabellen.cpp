#include "output/starttabellen.h"

#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "output/saisondokumente.h"

namespace {

// The discipline with its season and competition manager, as heads and feet name them.
struct Kopf {
  std::string disziplin, saison, wkl, fax, mail;
};

Kopf leseKopf(int disz) {
  Kopf k;
  db::Table d = db::query(gDbHaupt, "SELECT DISTINCT Bezeichnung, Saisonname, WklNr FROM Disznamen WHERE Nr=?;",
                          {disz});
  if (d.empty()) return k;
  k.disziplin = d.text(0, 0);
  k.saison = d.text(0, 1);
  db::Table w = db::query(gDbHaupt, "SELECT DISTINCT Name, Fax, Mail FROM Wettkampfleiter WHERE Nr=?;",
                          {d.num(0, 2)});
  if (!w.empty()) {
    k.wkl = w.text(0, 0);
    k.fax = w.text(0, 1);
    k.mail = w.text(0, 2);
  }
  return k;
}

// A class with the display names of its teams (a name may be empty).
struct Block {
  std::string klasse;
  std::vector<std::string> teams;
};

std::vector<Block> bloecke(int disz, long verein, long klasse) {
  std::vector<Block> out;
  for (const DokumentKlasse& k : KlassenDerAuswahl(disz, verein, klasse)) {
    Block b{k.name, {}};
    for (const DokumentMannschaft& m : MannschaftenDerKlasse(disz, k.nr))
      b.teams.push_back(MannschaftsName(m.vrnr, m.rmschnr));
    out.push_back(std::move(b));
  }
  return out;
}

}  // namespace

std::string WriteTxtStarttabellen(long verein, long klasse, const std::string& vereinsname) {
  const int disz = gEinstellungen.AktDisznr;
  const Kopf k = leseKopf(disz);
  std::string t = fieldText(gEinstellungen.Gauname) + "\r\nRundenwettkampf " + k.disziplin +
                  "\r\nStarttabellen " + k.saison + "\r\n\r\n";
  if (verein > 0) t += vereinsname + "\r\n";
  for (const Block& b : bloecke(disz, verein, klasse)) {
    t += "\r\n" + b.klasse;
    for (size_t i = 0; i < b.teams.size(); ++i) {
      if (i > 0) t += "\r\n";
      if (!b.teams[i].empty()) t += "\t\t" + b.teams[i];
    }
    t += "\r\n";
  }
  t += "\r\nWettkampfleiter: " + k.wkl + ", Fax: " + k.fax + ", Mail: " + k.mail + "\r\n";
  return t;
}

std::string WriteHtmlStarttabellen(long verein, long klasse, const std::string& vereinsname) {
  const int disz = gEinstellungen.AktDisznr;
  const Kopf k = leseKopf(disz);
  const std::string gau = HtmlEscape(fieldText(gEinstellungen.Gauname));
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
  h += " <h2>Rundenwettkampf " + HtmlEscape(k.disziplin) + "</h2>\r\n";
  h += " <h3>Starttabellen " + HtmlEscape(k.saison) + "</h3>\r\n";
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

  const std::string mail = HtmlEscape(k.mail);
  h += " </table>\r\n <h5 style=\"text-align: center;\">" + DateTimeText(outputTime()) + "</h5>\r\n";
  h += " <h5 style=\"text-align: center;\">Wettkampfleiter: " + HtmlEscape(k.wkl) + ", Fax: " +
       HtmlEscape(k.fax) + ", Mail: " +
       (gEinstellungen.HtmlMailLink ? "<a href=\"mailto:" + mail + "\">" + mail + "</a>" : mail) +
       "</h5>\r\n";
  h += " <div style=\"text-align: center;\"><h4><a href=\"javascript:history.back()\";\r\n"
       "   >Zur&uuml;ck zur &Uuml;bersicht</a></h4>\r\n </div>\r\n</tbody>\r\n</html>\r\n";
  return HtmlUmlaute(h);
}

bool SaveStarttabellen(const std::string& datei, int format, long verein, long klasse,
                       const std::string& vereinsname) {
  if (format == 1) return WriteTextFile(datei, WriteTxtStarttabellen(verein, klasse, vereinsname));
  if (format != 2) return false;
  if (!WriteTextFile(datei, WriteHtmlStarttabellen(verein, klasse, vereinsname))) return false;
  return gEinstellungen.CssKopieren ? CopyCssBeside(datei) : true;
}
