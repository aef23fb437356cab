#include "output/listenausgabe.h"

#include <algorithm>

#include "core/globals.h"
#include "core/helpers.h"
#include "output/drucklayout.h"
#include "platform/text.h"

namespace {

const std::string kNl = "\r\n";

std::vector<size_t> sichtbareSpalten(const ListenTabelle& t) {
  std::vector<size_t> s;
  for (size_t i = 0; i < t.Spalten.size(); ++i)
    if (t.Spalten[i].Breite > 0) s.push_back(i);
  return s;
}

std::string zelle(const ListenZeile& z, size_t i) {
  return i < z.Zellen.size() ? z.Zellen[i] : std::string();
}

std::vector<std::string> titelzeilen(const ListenDokument& dok) {
  std::vector<std::string> z{dok.Titel};
  if (!dok.Verein.empty()) z.push_back(dok.Verein);
  z.insert(z.end(), dok.Zusatz.begin(), dok.Zusatz.end());
  return z;
}

}  // namespace

std::string ListenText(const ListenDokument& dok) {
  const DiszKopf kopf = LeseDiszKopf(dok.Disznr);
  auto v = textListValue;
  std::string text = v(kopf.Gauname) + kNl + "Rundenwettkampf " + v(kopf.Bezeichnung) + " " +
                     v(kopf.Saisonname) + kNl;
  for (const std::string& z : titelzeilen(dok)) text += v(z) + kNl;
  for (const ListenTabelle& t : dok.Tabellen) {
    const std::vector<size_t> spalten = sichtbareSpalten(t);
    text += kNl;
    auto zeile = [&](auto textOf) {
      for (size_t k = 0; k < spalten.size(); ++k) text += (k ? "\t" : "") + v(textOf(spalten[k]));
      text += kNl;
    };
    zeile([&](size_t i) { return t.Spalten[i].Titel; });
    for (const ListenZeile& r : t.Zeilen) {
      if (r.leer())
        text += kNl;
      else
        zeile([&](size_t i) { return zelle(r, i); });
    }
  }
  return text + kNl + v(WettkampfleiterZeile(kopf)) + kNl;
}

std::string ListenHtml(const ListenDokument& dok) {
  const DiszKopf kopf = LeseDiszKopf(dok.Disznr);
  auto e = HtmlEscape;
  std::string h;
  h += "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">" + kNl;
  h += "<html>" + kNl + "<head>" + kNl;
  h += "<meta name=\"generator\" content=\"Zielkontor.exe von Hagelstätter\">" + kNl;
  h += "<meta name=\"keywords\" lang=\"de\" content=\"Schießsport, " + e(kopf.Gauname) + "\">" +
       kNl;
  h += " <title>" + kNl + " " + e(dok.Titel) + " von Zielkontor.exe," + kNl +
       " einer Software für den Schießsport von Hagelstätter," + kNl + " </title>" + kNl;
  const std::string css = CssLinkName();
  if (!css.empty())
    h += " <link rel=\"stylesheet\" type=\"text/css\" href=\"" + e(css) + "\">" + kNl;
  h += "</head>" + kNl + "<body>" + kNl;
  h += "<div style=\"text-align: center;\">" + kNl;
  h += " <h1>" + e(kopf.Gauname) + "</h1>" + kNl;
  h += " <h2>Rundenwettkampf " + e(kopf.Bezeichnung) + " " + e(kopf.Saisonname) + "</h2>" + kNl;
  h += " <h3>" + e(dok.Titel) + "</h3>" + kNl;
  if (!dok.Verein.empty()) h += " <h4>" + e(dok.Verein) + "</h4>" + kNl;
  for (const std::string& z : dok.Zusatz) h += " <h5>" + e(z) + "</h5>" + kNl;
  h += "</div>" + kNl;

  bool dunkel = true;  // the shading runs on from table to table
  for (const ListenTabelle& t : dok.Tabellen) {
    const std::vector<size_t> spalten = sichtbareSpalten(t);
    h += "<table align=\"center\" style=\"margin-top: 3pt; margin-left: auto; margin-right: "
         "auto; text-align: left; width: auto; height: auto;\" border=\"2\" cellpadding=\"0\" "
         "cellspacing=\"0\">" + kNl;
    h += " <tbody>" + kNl + "   <tr>" + kNl;
    for (size_t i : spalten)
      h += "    <td class=\"head\" align=\"left\"><b>&nbsp;" + e(t.Spalten[i].Titel) +
           "&nbsp;</b></td>" + kNl;
    h += "   </tr>" + kNl;
    for (const ListenZeile& r : t.Zeilen) {
      const std::string klasse = dunkel ? "class=\"dunkel\"" : "class=\"hell\"";
      dunkel = !dunkel;
      h += "   <tr>" + kNl;
      if (r.leer()) {
        h += "    <td " + klasse + " colspan=\"" + str(static_cast<long long>(spalten.size())) +
             "\"><br></td>" + kNl;
      } else {
        for (size_t i : spalten) {
          std::string ausr;
          if (t.Spalten[i].Ausr == Ausrichtung::Rechts) ausr = " align=\"right\"";
          if (t.Spalten[i].Ausr == Ausrichtung::Mitte) ausr = " align=\"center\"";
          std::string inhalt = "&nbsp;" + e(zelle(r, i)) + "&nbsp;";
          if (r.Fett) inhalt = "<b>" + inhalt + "</b>";
          h += "    <td " + klasse + ausr + ">" + inhalt + "</td>" + kNl;
        }
      }
      h += "   </tr>" + kNl;
    }
    h += " </tbody>" + kNl + "</table>" + kNl;
  }

  std::string mail = e(kopf.Mail);
  if (gEinstellungen.HtmlMailLink) mail = "<a href=\"mailto:" + mail + "\">" + mail + "</a>";
  h += " <h6 style=\"text-align: center;\">" + DateTimeText(outputTime()) + "</h6>" + kNl;
  h += " <h6 style=\"text-align: center;\">Wettkampfleiter: " + e(kopf.Wkl) + ", Fax: " +
       e(kopf.Fax) + ", Mail: " + mail + "</h6>" + kNl;
  h += " <div style=\"text-align: center;\"><h4><a href=\"javascript:history.back()\">"
       "Zur&uuml;ck zur &Uuml;bersicht</a></h4>" + kNl + " </div>" + kNl;
  h += "</body>" + kNl + "</html>" + kNl;
  return HtmlUmlaute(h);
}

namespace {

// Places the visible columns between the margins in proportion to their widths on the page.
struct Spaltenlage {
  size_t index;
  int x;
  int breite;
  Ausrichtung ausr;
};

std::vector<Spaltenlage> spaltenlage(const ListenTabelle& t, const DruckLayout& l) {
  std::vector<Spaltenlage> lage;
  long long summe = 0;
  for (size_t i : sichtbareSpalten(t)) summe += t.Spalten[i].Breite;
  if (summe == 0) return lage;
  const long long platz = l.Rechts - l.Links;
  long long bisher = 0;
  for (size_t i : sichtbareSpalten(t)) {
    const int x = l.Links + static_cast<int>(platz * bisher / summe);
    bisher += t.Spalten[i].Breite;
    const int ende = l.Links + static_cast<int>(platz * bisher / summe);
    lage.push_back({i, x, ende - x, t.Spalten[i].Ausr});
  }
  return lage;
}

class ListenDruck {
 public:
  ListenDruck(PrintCanvas& c, const ListenDokument& d) : c_(c), dok_(d) {
    const int w = c.pageWidth();
    const int h = c.pageHeight();
    l_.Einheit = w / 100;
    // A landscape page is low: its line must still hold a row of 10-point text.
    c.setFont(PrintFont{"Times New Roman", 10});
    l_.Zeile = std::max(h / 70, c.textHeight("Ag"));
    luecke_ = c.textWidth("  ");
    l_.Links = 8 * l_.Einheit;
    l_.Rechts = w - 3 * l_.Einheit;
    l_.Oben = 3 * l_.Zeile;
    l_.Unten = h - 5 * l_.Zeile;
  }

  void drucke() {
    seitenkopf();
    for (const ListenTabelle& t : dok_.Tabellen) {
      tabelle_ = &t;
      lage_ = spaltenlage(t, l_);
      breitenNachBedarf(t);
      const std::vector<ListenZeile>& z = t.Zeilen;
      // Each row's height, measured once; an empty row has none.
      std::vector<int> h(z.size());
      for (size_t i = 0; i < z.size(); ++i) h[i] = z[i].leer() ? 0 : hoehe(z[i]);
      const std::vector<int> vor = abstaende(z, h);
      size_t rangSpalte = t.Spalten.size();
      for (size_t i = 0; i < t.Spalten.size(); ++i)
        if (t.Spalten[i].Rang) rangSpalte = i;
      std::string rang;  // the rank of the tie the rows have reached
      size_t erste = 0;
      while (erste < z.size() && z[erste].leer()) ++erste;
      const int luecke = y_ > tabellenStart_ ? l_.Zeile : 0;  // a blank line between tables
      if (y_ + luecke + kopfHoehe() + (erste < z.size() ? h[erste] : 0) > l_.Unten) {
        tabelle_ = nullptr;  // the new page's captions are this table's, printed below
        neueSeite();
        tabelle_ = &t;
      } else {
        y_ += luecke;
      }
      ueberschriften();
      for (size_t i = 0; i < z.size(); ++i) {
        if (z[i].leer()) {
          if (y_ > tabellenStart_) y_ += vor[i];
          continue;
        }
        if (i == 0 || z[i - 1].leer()) blockZusammenhalten(z, h, vor, i);
        const int abstand = y_ > tabellenStart_ ? vor[i] : 0;
        if (y_ + abstand + h[i] > l_.Unten && y_ > tabellenStart_)
          neueSeite();
        else
          y_ += abstand;
        const std::string r = zelle(z[i], rangSpalte);
        if (r.find_first_not_of(' ') != std::string::npos) {
          rang = r;
        } else if (y_ == tabellenStart_ && !rang.empty()) {
          // A page that begins inside a tie shows the tie's rank.
          ListenZeile mitRang = z[i];
          mitRang.Zellen.resize(std::max(mitRang.Zellen.size(), rangSpalte + 1));
          mitRang.Zellen[rangSpalte] = rang;
          zeile(mitRang, h[i]);
          continue;
        }
        zeile(z[i], h[i]);
      }
    }
    PrintPageFooter(c_, l_, dok_.Disznr);
  }

 private:
  // Starts a block on a new page when it would not fit on this one but fits on an empty one.
  void blockZusammenhalten(const std::vector<ListenZeile>& z, const std::vector<int>& h,
                           const std::vector<int>& vor, size_t start) {
    int summe = 0;
    for (size_t i = start; i < z.size() && !z[i].leer(); ++i) summe += h[i] + (i > start ? vor[i] : 0);
    if (y_ + summe > l_.Unten && tabellenStart_ + summe <= l_.Unten) neueSeite();
  }

  // The gap above each row. An entry (a row with the rows that go on with it) that runs over
  // more than one line stands half a line apart from the entries beside it, so that a further
  // line does not read as the next entry; entries that fit in a line stay close. An empty row
  // stands for half a line, or a whole one beside a block whose entries stand apart, so that
  // a block stands out more than an entry.
  std::vector<int> abstaende(const std::vector<ListenZeile>& z, const std::vector<int>& h) const {
    const int halbe = l_.Zeile / 2;
    std::vector<int> vor(z.size(), 0);
    std::vector<bool> mehrzeilig(z.size(), false);
    for (size_t a = 0; a < z.size();) {
      size_t e = a + 1;
      while (e < z.size() && !z[e].leer() && z[e].Folgezeile) ++e;
      bool m = false;
      for (size_t i = a; i < e; ++i) m = m || h[i] > l_.Zeile;
      for (size_t i = a; i < e; ++i) mehrzeilig[i] = m;
      if (a > 0 && !z[a].leer() && !z[a - 1].leer() && (m || mehrzeilig[a - 1])) vor[a] = halbe;
      a = e;
    }
    for (size_t i = 0; i < z.size(); ++i) {
      if (!z[i].leer()) continue;
      bool abgesetzt = false;
      for (size_t k = i; k-- > 0 && !z[k].leer();) abgesetzt = abgesetzt || vor[k] > 0;
      for (size_t k = i + 1; k < z.size() && !z[k].leer(); ++k) abgesetzt = abgesetzt || vor[k] > 0;
      vor[i] = abgesetzt ? 2 * halbe : halbe;
    }
    return vor;
  }

  // The columns share the page by need: headings and numbers stand whole, and a column whose
  // texts would wrap takes the room the others do not use.
  void breitenNachBedarf(const ListenTabelle& t) {
    std::vector<SpaltenBedarf> bedarf(lage_.size());
    c_.setFont(PrintFont{"Times New Roman", 10, true});
    for (size_t i = 0; i < lage_.size(); ++i) bedarf[i].Zahl = c_.textWidth(t.Spalten[lage_[i].index].Titel);
    for (const ListenZeile& z : t.Zeilen) {
      c_.setFont(PrintFont{"Times New Roman", 10, z.Fett});
      for (size_t i = 0; i < lage_.size(); ++i) MissZelle(c_, bedarf[i], zelle(z, lage_[i].index));
    }
    for (size_t i = 0; i < lage_.size(); ++i) {
      bedarf[i].Rand = lage_[i].breite - innen(lage_[i]);
      bedarf[i].Wunsch = lage_[i].breite;
    }
    const std::vector<int> breite = SpaltenNachBedarf(c_, bedarf, l_.Rechts - l_.Links);
    int x = l_.Links;
    for (size_t i = 0; i < lage_.size(); ++i) {
      lage_[i].x = x;
      lage_[i].breite = breite[i];
      x += breite[i];
    }
  }

  void neueSeite() {
    PrintPageFooter(c_, l_, dok_.Disznr);
    c_.newPage();
    seitenkopf();
    if (tabelle_) ueberschriften();
  }

  void seitenkopf() {
    y_ = PrintListTitle(c_, l_, dok_.Disznr);
    c_.setFont(PrintFont{"Times New Roman", 14});
    for (const std::string& z : titelzeilen(dok_))
      y_ += DruckeUeberschrift(c_, l_.Links, y_, l_.Rechts - l_.Links, z) + l_.Zeile * 3 / 2;
    y_ += l_.Zeile / 2;
    tabellenStart_ = y_;
  }

  // The room of a column's text: a margin on both sides, so that the texts of neighbouring
  // columns stay at least two blanks apart and never read as one.
  int rand() const { return (luecke_ + 1) / 2; }
  int innen(const Spaltenlage& s) const { return s.breite - 2 * rand(); }
  // Rows of a cell's lines; every row at least one.
  template <typename TextOf>
  int zeilen(TextOf textOf) {
    int n = 1;
    for (const Spaltenlage& s : lage_) n = std::max(n, c_.lineCount(textOf(s), innen(s)));
    return n * l_.Zeile;
  }
  int kopfHoehe() {
    c_.setFont(PrintFont{"Times New Roman", 10, true});
    return zeilen([&](const Spaltenlage& s) { return tabelle_->Spalten[s.index].Titel; }) +
           l_.Zeile / 4;
  }
  int hoehe(const ListenZeile& z) {
    c_.setFont(PrintFont{"Times New Roman", 10, z.Fett});
    return zeilen([&](const Spaltenlage& s) { return zelle(z, s.index); });
  }

  void ueberschriften() {
    const int h = kopfHoehe() - l_.Zeile / 4;
    for (const Spaltenlage& s : lage_) text(s, tabelle_->Spalten[s.index].Titel);
    y_ += h;
    c_.line(l_.Links, y_, l_.Rechts, y_);
    y_ += l_.Zeile / 4;
    tabellenStart_ = y_;
  }

  void zeile(const ListenZeile& z, int h) {
    c_.setFont(PrintFont{"Times New Roman", 10, z.Fett});
    for (const Spaltenlage& s : lage_) text(s, zelle(z, s.index));
    y_ += h;
  }

  // A text wider than its column goes on in further lines of the row.
  void text(const Spaltenlage& s, const std::string& t) {
    const TextAlign ausr = s.ausr == Ausrichtung::Rechts  ? TextAlign::Right
                           : s.ausr == Ausrichtung::Mitte ? TextAlign::Center
                                                          : TextAlign::Left;
    c_.textBlock(s.x + rand(), y_, innen(s), t, l_.Zeile, ausr);
  }

  PrintCanvas& c_;
  const ListenDokument& dok_;
  DruckLayout l_;
  const ListenTabelle* tabelle_ = nullptr;
  std::vector<Spaltenlage> lage_;
  int y_ = 0;
  int tabellenStart_ = 0;  // where rows begin on this page, below the captions
  int luecke_ = 0;         // the clear gap between the texts of neighbouring columns
};

}  // namespace

bool ListenDrucken(PrintCanvas& canvas, const ListenDokument& dok) {
  return ListenDrucken(canvas, std::vector<ListenDokument>{dok});
}

bool ListenDrucken(PrintCanvas& canvas, const std::vector<ListenDokument>& doks) {
  if (doks.empty()) return false;
  canvas.setTitle("RWK-" + doks.front().Seite);
  canvas.setOrientation(doks.front().Ausrichtung);
  canvas.setPenWidth(2);
  canvas.setFont(PrintFont{});
  if (!canvas.beginDoc()) return false;
  for (size_t i = 0; i < doks.size(); ++i) {
    if (i > 0) canvas.newPage();
    ListenDruck(canvas, doks[i]).drucke();
  }
  canvas.endDoc();
  return true;
}

bool ListeHatDaten(const ListenDokument& dok) {
  for (const ListenTabelle& t : dok.Tabellen)
    for (const ListenZeile& z : t.Zeilen)
      if (!z.leer()) return true;
  return false;
}
