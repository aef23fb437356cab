#include "output/terminlisten.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "platform/printcanvas.h"
#include "output/saisondokumente.h"
#include "ranking/gespeichert.h"
#include "season/paarungen.h"

namespace {

const std::string kNl = "\r\n";

int disziplin() { return gEinstellungen.AktDisznr; }

std::string nameOderFrei(const std::string& name) { return name.empty() ? "frei" : name; }

TerminSeite seiteAus(const std::vector<Begegnung>& runde, size_t i, const gespeichert::TeamNames& namen) {
  TerminSeite s;
  if (i >= runde.size()) return s;
  s.da = true;
  s.heim = namen(runde[i].heimVrnr, runde[i].heimMschnr);
  s.gast = namen(runde[i].gastVrnr, runde[i].gastMschnr);
  return s;
}

}  // namespace

TerminKlasse LadeTerminKlasse(int disznr, long klasse) {
  TerminKlasse k;
  k.nr = klasse;
  db::Table name = db::query(gDbHaupt, "SELECT Klname FROM Mschklassen WHERE Nr=? AND Disznr=?;",
                             {klasse, disznr});
  if (name.empty()) return k;
  k.vorhanden = true;
  k.name = name.text(name.size() - 1, 0);

  // The k-th date in order is the date of round k; an odd last date has no partner.
  db::Table termine = db::query(
      gDbHaupt, "SELECT Termin FROM Termine WHERE Mklnr=? AND Disznr=? ORDER BY Nr_in_klasse;",
      {klasse, disznr});
  const int half = static_cast<int>(termine.size() / 2);
  const gespeichert::TeamNames namen;
  for (int r = 1; r <= half; ++r) {
    TerminRundenpaar p;
    p.runde = r;
    p.termin = termine.text(static_cast<size_t>(r - 1), 0);
    p.rueckrunde = r + half;
    p.rueckTermin = termine.text(static_cast<size_t>(r + half - 1), 0);
    const std::vector<Begegnung> hin = PaarungenImKampf(gDbHaupt, disznr, klasse, p.runde);
    const std::vector<Begegnung> rueck = PaarungenImKampf(gDbHaupt, disznr, klasse, p.rueckrunde);
    for (size_t i = 0; i < std::max(hin.size(), rueck.size()); ++i)
      p.zeilen.push_back({seiteAus(hin, i, namen), seiteAus(rueck, i, namen)});
    k.paare.push_back(std::move(p));
  }
  return k;
}

std::string DurchgangText(int runde, const std::string& termin) {
  return "Durchgang Nr: " + std::to_string(runde) + " am " + termin;
}

std::string TerminSeitenText(const TerminSeite& seite) {
  if (!seite.da) return std::string();
  return "     " + nameOderFrei(seite.heim) + " - " + nameOderFrei(seite.gast);
}

std::vector<std::array<std::string, 3>> TerminlistenZeilen(long verein, long klasse) {
  std::vector<std::array<std::string, 3>> out;
  for (const DokumentKlasse& d : KlassenDerAuswahl(disziplin(), verein, klasse)) {
    const TerminKlasse k = LadeTerminKlasse(disziplin(), d.nr);
    for (const TerminRundenpaar& p : k.paare) {
      out.push_back({p.runde == 1 ? k.name : std::string(), DurchgangText(p.runde, p.termin),
                     DurchgangText(p.rueckrunde, p.rueckTermin)});
      for (const TerminZeile& z : p.zeilen)
        out.push_back({std::string(), TerminSeitenText(z.links), TerminSeitenText(z.rechts)});
    }
  }
  return out;
}

std::string WriteTxtTerminlisten(long verein, long klasse, const std::string& vereinsName) {
  const DiszKopf kopf = LeseDiszKopf(disziplin());
  auto v = textListValue;
  std::string s = v(kopf.Gauname) + kNl + "Rundenwettkampf " + v(kopf.Bezeichnung) + kNl +
                  "Terminlisten " + v(kopf.Saisonname) + kNl + kNl;
  if (verein > 0) s += v(vereinsName) + kNl + kNl;
  for (const auto& z : TerminlistenZeilen(verein, klasse))
    s += v(z[0]) + "\t\t" + v(z[1]) + "\t\t" + v(z[2]) + kNl;
  s += kNl + v(WettkampfleiterZeile(kopf)) + kNl;
  return s;
}

std::string WriteHtmlTerminlistenTabelle(long klasse, int farbe) {
  const TerminKlasse k = LadeTerminKlasse(disziplin(), klasse);
  const std::string dunkel = "class=\"dunkel\"";
  const std::string hell = "class=\"hell\"";
  // Every row takes the other colour than the row before it, round rows and spacers alike.
  int t = 0;
  auto wechsel = [&]() -> const std::string& {
    const bool d = t > 0;
    t = d ? 0 : 1;
    return d ? dunkel : hell;
  };
  auto durchgang = [](const char* format, int runde, const std::string& termin) {
    return "<b>Durchgang Nr" + std::string(format) + std::to_string(runde) + " am " +
           HtmlEscape(termin) + "</b>";
  };
  auto zelle = [](const std::string& attr, const char* align, const std::string& text,
                  const char* tail) {
    return "    <td " + attr + " align=\"" + align + "\">&nbsp;" + text + tail + "</td>" + kNl;
  };
  auto name = [](const TerminSeite& s, bool heim) {
    return s.da ? HtmlEscape(nameOderFrei(heim ? s.heim : s.gast)) : std::string();
  };

  std::string s;
  for (const TerminRundenpaar& p : k.paare) {
    s += "   <tr>" + kNl;
    t = farbe > 0 ? 0 : 1;
    const std::string& attr = farbe > 0 ? dunkel : hell;
    if (p.runde == 1) {
      s += "    <td " + attr + " style=\"width:60px\"><b>" + HtmlEscape(k.name) + "</b><br></td>" + kNl;
      s += "    <td " + attr + " colspan=\"2\" align=\"center\" >&nbsp;" +
           durchgang(" ", p.runde, p.termin) + " &nbsp;</td>" + kNl;
      s += "    <td " + attr + " align=\"center\"colspan=\"2\">&nbsp;" +
           durchgang(" ", p.rueckrunde, p.rueckTermin) + " &nbsp;</td>" + kNl;
    } else {
      s += "    <td " + attr + " > <br></td>" + kNl;
      s += "    <td " + attr + " colspan=\"2\" align=\"center\">&nbsp;" +
           durchgang(": ", p.runde, p.termin) + " &nbsp;</td>" + kNl;
      s += "    <td " + attr + " colspan=\"2\" align=\"center\">&nbsp;" +
           durchgang(": ", p.rueckrunde, p.rueckTermin) + " &nbsp;</td>" + kNl;
    }
    s += "   </tr>" + kNl;
    for (const TerminZeile& z : p.zeilen) {
      s += "   <tr>" + kNl;
      const std::string& a = wechsel();
      s += p.runde == 1 ? "    <td " + a + " style=\"width: 30px;\"> <br></td>" + kNl
                        : "    <td " + a + " > <br></td>" + kNl;
      s += zelle(a, "right", name(z.links, true), " &nbsp;");
      s += zelle(a, "left", name(z.links, false), " &nbsp;");
      s += zelle(a, "right", name(z.rechts, true), " &nbsp;");
      s += zelle(a, "left", name(z.rechts, false), "&nbsp;");
      s += "   </tr>" + kNl;
    }
    farbe = t > 0 ? 0 : 1;
    s += "   <td " + wechsel() + " colspan=\"5\"><br></td>";
  }
  return s;
}

std::string WriteHtmlTerminlisten(long verein, long klasse, const std::string& vereinsName) {
  const int disz = disziplin();
  const DiszKopf kopf = LeseDiszKopf(disz);
  std::string s = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">" + kNl +
                  "<html>" + kNl + "<head>" + kNl;
  s += "<meta name=\"generator\" content=\"ZielKontor.exe von Hagelstätter\">" + kNl;
  s += "<meta name=\"keywords\" lang=\"de\" content=\"Schießsport, " + HtmlEscape(kopf.Gauname) +
       "\">" + kNl;
  s += " <title>" + kNl + " Terminlisten von ZielKontor.exe," + kNl +
       " einer Software für den Schießsport von Hagelstätter," + kNl + " </title>" + kNl;
  const std::string css = CssLinkName();
  if (!css.empty())
    s += " <link rel=\"stylesheet\" type=\"text/css\" href=\"" + HtmlEscape(css) + "\">" + kNl;
  s += "</head>" + kNl + "<div style=\"text-align: center;\">" + kNl;
  s += " <h1>" + HtmlEscape(kopf.Gauname) + "</h1>" + kNl;
  s += " <h2>Rundenwettkampf " + HtmlEscape(kopf.Bezeichnung) + "</h2>" + kNl;
  s += " <h3>Terminlisten " + HtmlEscape(kopf.Saisonname) + "</h3>" + kNl;
  if (verein > 0) s += " <h4>" + HtmlEscape(vereinsName) + "</h4>" + kNl;
  s += "</div>" + kNl;
  s += "<table align=\"center\"; style=\"margin-top: 3pt; margin-left: auto; margin-right: auto; "
       "text-align: left;";
  s += " width: auto ; height: auto;\" border= \"2\" cellpadding= \"0\" cellspacing= \"0\">" + kNl;
  s += " <tbody>" + kNl + "   <tr>" + kNl;
  auto kopfzelle = [](const char* align, const char* text) {
    return std::string("    <td class=\"head\" align=\"") + align + "\"><b>&nbsp;" + text +
           "&nbsp;</b></td>" + kNl;
  };
  s += kopfzelle("left", "Klasse");
  for (int i = 0; i < 2; ++i) s += kopfzelle("right", "Heimmannschaft ") + kopfzelle("left", " Gastmannschaft");
  s += "   </tr>" + kNl;

  int farbe = 0;
  for (const DokumentKlasse& d : KlassenDerAuswahl(disz, verein, klasse)) {
    s += WriteHtmlTerminlistenTabelle(d.nr, farbe);
    farbe = farbe > 0 ? 0 : 1;
  }

  s += " </table>" + kNl;
  s += " <h5 style=\"text-align: center;\">" + DateTimeText(outputTime()) + "</h5>" + kNl;
  const std::string mail = HtmlEscape(kopf.Mail);
  const std::string mailText = gEinstellungen.HtmlMailLink
                                   ? "<a href=\"mailto:" + mail + "\">" + mail + "</a>"
                                   : mail;
  s += " <h5 style=\"text-align: center;\">Wettkampfleiter: " + HtmlEscape(kopf.Wkl) +
       ", Fax: " + HtmlEscape(kopf.Fax) + ", Mail: " + mailText + "</h5>" + kNl;
  s += " <div style=\"text-align: center;\"><h4><a href=\"javascript:history.back()\";" + kNl;
  s += "   >Zur&uuml;ck zur &Uuml;bersicht</a></h4>" + kNl;
  s += " </div>" + kNl + "</tbody>" + kNl + "</html>" + kNl;
  return HtmlUmlaute(s);
}

bool SaveTerminlisten(const std::filesystem::path& fileName, int filterIndex, long verein, long klasse,
                      const std::string& vereinsName) {
  if (filterIndex == 1) return WriteTextFile(fileName, WriteTxtTerminlisten(verein, klasse, vereinsName));
  if (filterIndex != 2) return false;  // no other form of the schedule lists exists
  return WriteHtmlPage(fileName, WriteHtmlTerminlisten(verein, klasse, vereinsName));
}

// ---------------------------------------------------------------------------------------
// Printing

namespace {

int plus(int y, double zeilen, const DruckLayout& l) {
  return static_cast<int>(y + zeilen * l.Zeile);
}

DruckLayout terminLayout(PrintCanvas& canvas) {
  const int w = canvas.pageWidth();
  const int h = canvas.pageHeight();
  DruckLayout l;
  l.Einheit = w / 120;
  l.Zeile = h / 43;
  l.Links = 3 * l.Einheit;
  l.Rechts = w - 3 * l.Einheit;
  l.Oben = 3 * l.Zeile;
  l.Unten = h - 5 * l.Zeile;
  const int zweite = (w - l.Links) / 2 + 2 * l.Einheit;
  const int spalten[8] = {l.Links + l.Einheit,      l.Links + 2 * l.Einheit,
                          l.Links + 29 * l.Einheit, l.Links + 40 * l.Einheit,
                          zweite,                   zweite + l.Einheit,
                          zweite + 2 * l.Einheit,   zweite + 29 * l.Einheit};
  std::copy(std::begin(spalten), std::end(spalten), l.Spalte);
  return l;
}

bool beginTerminDruck(PrintCanvas& canvas, DruckLayout& l) {
  canvas.setTitle("RWK-Terminlisten");
  canvas.setOrientation(PageOrientation::Landscape);
  canvas.setPenWidth(2);
  canvas.setFontName("Times New Roman");
  if (!canvas.beginDoc()) return false;
  l = terminLayout(canvas);
  return true;
}

void regel(PrintCanvas& canvas, const DruckLayout& l, int y) {
  canvas.line(l.Links - l.Einheit, y, l.Rechts, y);
}

// Title and heading of a class block; the y below them. A heading wider than the page goes
// on in further lines and moves the block down by them.
int seitenKopf(PrintCanvas& canvas, const DruckLayout& l, const std::string& ueberschrift) {
  int y = PrintListTitle(canvas, l, disziplin());
  return y + DruckeUeberschrift(canvas, l.Links, plus(y, -1.5, l), l.Rechts - l.Links, ueberschrift);
}

void druckeKlassenblock(PrintCanvas& canvas, const DruckLayout& l, long klasse,
                        const std::string& ueberschrift, const std::string& vereinsName,
                        bool neueSeite) {
  if (neueSeite) canvas.newPage();
  const int y = seitenKopf(canvas, l, ueberschrift);
  PrintTerminlisteKlasse(canvas, l, klasse, plus(y, 0.5, l), vereinsName);
  PrintPageFooter(canvas, l, disziplin());
}

// The four texts of a pairing line, each in its own column: home and guest of the round on
// the left, home and guest of its return round on the right; a missing side has none.
struct Paarungsspalten {
  std::array<int, 4> x{}, breite{};
  int einzug = 0;  // of a team name's further lines
  std::vector<std::vector<std::array<std::string, 4>>> paarTexte;  // of each line of each pair

  // Home and guest share each half of the page by the needs of the class's team names.
  Paarungsspalten(PrintCanvas& canvas, const DruckLayout& l, const TerminKlasse& k) {
    einzug = canvas.textWidth("nn");
    // Home and guest stay at least two blanks apart.
    const int rand = std::max(l.Einheit / 2, canvas.textWidth("  "));
    x = {l.Spalte[1], l.Spalte[2], l.Spalte[6], l.Spalte[7]};
    const std::array<int, 4> ende = {l.Spalte[2], l.Spalte[4], l.Spalte[7], l.Rechts + rand};
    for (size_t i = 0; i < 4; ++i) breite[i] = ende[i] - x[i] - rand;
    std::array<SpaltenBedarf, 2> bedarf{};
    for (const TerminRundenpaar& p : k.paare) {
      paarTexte.emplace_back();
      for (const TerminZeile& z : p.zeilen) {
        const std::array<std::string, 4>& t = paarTexte.back().emplace_back(texte(z));
        for (size_t i = 0; i < 4; ++i) MissZelle(canvas, bedarf[i % 2], t[i]);
      }
    }
    for (SpaltenBedarf& b : bedarf) {
      b.Rand = rand;
      b.Einzug = einzug;
      b.ZellenJeReihe = 2;  // a line holds a round's pairing and its return
    }
    const std::array<int, 2> halb = {ende[1] - x[0], ende[3] - x[2]};
    const int schmal = std::min(halb[0], halb[1]);
    if (std::max(bedarf[0].Zahl, bedarf[0].Ganz) + std::max(bedarf[1].Zahl, bedarf[1].Ganz) + 2 * rand <= schmal) {
      // Every name fits on one line: each half keeps its own shares where they hold it.
      for (size_t h = 0; h < 4; h += 2) {
        bedarf[0].Wunsch = breite[h] + rand;
        bedarf[1].Wunsch = breite[h + 1] + rand;
        const std::vector<int> geteilt = SpaltenNachBedarf(canvas, bedarf, halb[h / 2]);
        teile(h, geteilt[0], halb[h / 2], rand);
      }
      return;
    }
    // Names wrap: both halves split alike, so that a line's pairing and its return, which
    // hold the same names, take their lines alike; the narrower half decides.
    bedarf[0].Wunsch = breite[0] + rand;
    bedarf[1].Wunsch = breite[1] + rand;
    const int heim = SpaltenNachBedarf(canvas, bedarf, schmal)[0];
    for (size_t h = 0; h < 4; h += 2) teile(h, heim, halb[h / 2], rand);
  }

  void teile(size_t h, int heim, int halb, int rand) {
    x[h + 1] = x[h] + heim;
    breite[h] = heim - rand;
    breite[h + 1] = halb - heim - rand;
  }

  static std::array<std::string, 4> texte(const TerminZeile& z) {
    auto heim = [](const TerminSeite& s) { return s.da ? nameOderFrei(s.heim) : std::string(); };
    auto gast = [](const TerminSeite& s) { return s.da ? "- " + nameOderFrei(s.gast) : std::string(); };
    return {heim(z.links), gast(z.links), heim(z.rechts), gast(z.rechts)};
  }

  // The lines of a text in column i. The further lines of a wrapped name stand indented by
  // about two letters, so that they read as part of their pairing and not as the next one
  // without the room a gap between pairings would take.
  std::vector<std::string> zeilen(PrintCanvas& canvas, const std::string& text, size_t i) const {
    return canvas.wrapText(text, breite[i], einzug);
  }

  // The height of the line: as many rows as its longest text needs.
  int hoehe(PrintCanvas& canvas, const std::array<std::string, 4>& t, const DruckLayout& l) const {
    size_t n = 1;
    for (size_t i = 0; i < 4; ++i)
      if (canvas.textWidth(t[i]) > breite[i]) n = std::max(n, zeilen(canvas, t[i], i).size());
    return static_cast<int>(n) * l.Zeile;
  }

  int drucke(PrintCanvas& canvas, const std::array<std::string, 4>& t, const DruckLayout& l, int y) const {
    size_t n = 1;
    for (size_t i = 0; i < 4; ++i) {
      if (canvas.textWidth(t[i]) <= breite[i]) {
        if (!t[i].empty()) canvas.textOut(x[i], y, t[i]);
        continue;
      }
      const std::vector<std::string> zl = zeilen(canvas, t[i], i);
      for (size_t k = 0; k < zl.size(); ++k)
        if (!zl[k].empty()) canvas.textOut(x[i] + (k > 0 ? einzug : 0), y + static_cast<int>(k) * l.Zeile, zl[k]);
      n = std::max(n, zl.size());
    }
    return y + static_cast<int>(n) * l.Zeile;
  }
};

}  // namespace

int PrintTerminlisteKlasse(PrintCanvas& canvas, DruckLayout l, long klasse, int y,
                           const std::string& vereinsName) {
  canvas.setFontSize(12);
  regel(canvas, l, y);
  y = plus(y, 0.5, l);
  const TerminKlasse k = LadeTerminKlasse(disziplin(), klasse);
  if (!k.vorhanden) return y;
  const std::string klassenZeile = "Klasse " + k.name;
  const Paarungsspalten spalten(canvas, l, k);
  const int rand = l.Einheit / 2;
  auto klassenKopf = [&]() {
    const int n = canvas.textBlock(l.Links, y, l.Rechts - l.Links, klassenZeile, l.Zeile);
    y = plus(y, 1.2, l) + std::max(0, n - 1) * l.Zeile;
    regel(canvas, l, y);
    y += l.Zeile;
  };
  klassenKopf();
  int seitenAnfang = y;

  auto seitenwechsel = [&]() {
    PrintPageFooter(canvas, l, disziplin());
    canvas.newPage();
    y = seitenKopf(canvas, l, "Terminlisten " + vereinsName);
    canvas.setFontSize(12);
    regel(canvas, l, y);
    y = plus(y, 0.5, l);
    klassenKopf();
    seitenAnfang = y;
  };
  // The round headers of a pair above its lines, each in its half of the page.
  auto kopfZeilen = [&](const TerminRundenpaar& p) {
    return std::max({1, canvas.lineCount(DurchgangText(p.runde, p.termin), l.Spalte[4] - l.Spalte[0] - rand),
                     canvas.lineCount(DurchgangText(p.rueckrunde, p.rueckTermin), l.Rechts - l.Spalte[5])});
  };
  auto kopfHoehe = [&](const TerminRundenpaar& p) {
    return plus(plus(0, 1.4, l), 0.3, l) + (kopfZeilen(p) - 1) * l.Zeile;
  };
  auto paarKopf = [&](const TerminRundenpaar& p) {
    const int n = kopfZeilen(p);
    canvas.textBlock(l.Spalte[0], y, l.Spalte[4] - l.Spalte[0] - rand, DurchgangText(p.runde, p.termin), l.Zeile);
    canvas.textBlock(l.Spalte[5], y, l.Rechts - l.Spalte[5], DurchgangText(p.rueckrunde, p.rueckTermin), l.Zeile);
    y = plus(y, 1.4, l) + (n - 1) * l.Zeile;
    regel(canvas, l, y);
    y = plus(y, 0.3, l);
  };

  for (size_t pi = 0; pi < k.paare.size(); ++pi) {
    const TerminRundenpaar& p = k.paare[pi];
    const std::vector<std::array<std::string, 4>>& texte = spalten.paarTexte[pi];
    std::vector<int> hoehe;
    for (const std::array<std::string, 4>& t : texte) hoehe.push_back(spalten.hoehe(canvas, t, l));
    // A pair goes to the next page when its own lines would reach the footer; the gap after
    // it may.
    int ende = y + kopfHoehe(p);
    for (int h : hoehe) ende += h;
    if (ende > l.Unten && y > seitenAnfang) seitenwechsel();

    int y0 = y;
    paarKopf(p);
    size_t aufSeite = 0;
    for (size_t r = 0; r < texte.size(); ++r) {
      // A pair taller than a page continues on the next one under its round headers.
      if (aufSeite > 0 && y + hoehe[r] > l.Unten) {
        canvas.line(l.Spalte[4], y0, l.Spalte[4], y);
        seitenwechsel();
        y0 = y;
        paarKopf(p);
        aufSeite = 0;
      }
      y = spalten.drucke(canvas, texte[r], l, y);
      ++aufSeite;
    }
    canvas.line(l.Spalte[4], y0, l.Spalte[4], y);
    y = plus(y, 1.3, l);
  }
  return y + l.Zeile;
}

bool PrintTerminlisten(PrintCanvas& canvas, long verein, long klasse,
                       const std::string& vereinsName) {
  const std::vector<DokumentKlasse> klassen = KlassenDerAuswahl(disziplin(), verein, klasse);
  if (klassen.empty()) {
    MeldeKeineDruckdaten();
    return true;
  }
  DruckLayout l;
  if (!beginTerminDruck(canvas, l)) return false;
  // A club without a name still gets the blank after the heading's first word.
  const std::string name = verein > 0 ? (vereinsName.empty() ? " " : vereinsName) : std::string();
  bool erste = true;
  for (const DokumentKlasse& d : klassen) {
    druckeKlassenblock(canvas, l, d.nr, "Terminlisten " + name, name, !erste);
    erste = false;
  }
  canvas.endDoc();
  return true;
}

bool PrintTerminlistenAlleVereine(PrintCanvas& canvas) {
  std::vector<std::pair<std::string, std::vector<DokumentKlasse>>> vereine;
  db::Table t = db::query(gDbHaupt, "SELECT Nummer, Name FROM Vereine_gau ORDER BY rowid;");
  for (size_t r = 0; r < t.size(); ++r) {
    const long verein = t.num(r, 0);
    if (verein < 1) continue;
    std::vector<DokumentKlasse> klassen = KlassenDerAuswahl(disziplin(), verein, 0);
    if (!klassen.empty()) vereine.emplace_back(t.text(r, 1), std::move(klassen));
  }
  if (vereine.empty()) {
    MeldeKeineDruckdaten();
    return true;
  }
  DruckLayout l;
  if (!beginTerminDruck(canvas, l)) return false;
  bool erste = true;
  for (const auto& [name, klassen] : vereine)
    for (const DokumentKlasse& d : klassen) {
      druckeKlassenblock(canvas, l, d.nr, "Terminlisten " + name, name, !erste);
      erste = false;
    }
  canvas.endDoc();
  return true;
}
