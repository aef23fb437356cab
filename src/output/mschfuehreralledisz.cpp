#include "output/mschfuehreralledisz.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "output/drucklayout.h"
#include "platform/printcanvas.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "ranking/gespeichert.h"

namespace {

constexpr size_t kSpalten = 9;  // team, then the eight captain fields
using Zeile = std::array<std::string, kSpalten>;

const char* const kFuehrerSpalten = "Name, Strasse, Plz, Ort, Tel_a, Tel_b, Fax, Mail";
const char* const kTitel[kSpalten] = {"Mannschaft", "Name", "Strasse", "Plz", "Ort", "Telefon 1", "Telefon 2", "Fax", "Mail"};

struct Disziplin {
  int nr;
  std::string name, saison;
  long wkl;
};

class AlleDiszDruck {
 public:
  explicit AlleDiszDruck(PrintCanvas& c) : c_(c) {
    const int w = c.pageWidth(), h = c.pageHeight();
    L.Einheit = w / 120;
    L.Zeile = h / 43;
    L.Links = 3 * L.Einheit;
    L.Rechts = w - 3 * L.Einheit;
    L.Oben = 3 * L.Zeile;
    L.Unten = h - 4 * L.Zeile;
    // The disciplines with a team.
    db::Table d = db::query(gDbHaupt,
                            "SELECT Bezeichnung, Saisonname, Nr, WklNr FROM Disznamen d WHERE EXISTS "
                            "(SELECT 1 FROM Msch_in_klassen m WHERE m.Disznr=d.Nr) ORDER BY Nr ASC;");
    for (size_t r = 0; r < d.size(); ++r) disziplinen_.push_back({d.integer(r, 2), d.text(r, 0), d.text(r, 1), d.num(r, 3)});
    wettkampfleiter_ = wettkampfleiter();
    // The range telephones of the clubs: the first row of a number counts.
    db::Table tel = db::query(gDbHaupt, "SELECT Nummer, TelSStd FROM Vereine_zstext ORDER BY rowid;");
    for (size_t r = 0; r < tel.size(); ++r) {
      long nr;
      if (gespeichert::storedInteger(tel.text(r, 0), nr)) telefone_.emplace(nr, tel.text(r, 1));
    }
    // The footer's rule: the team lines stay above it, the managers' lines below. It keeps
    // 0.8 lines for every discipline with teams and moves up by the lines a manager's text
    // wraps into.
    c_.setFontSize(8);
    int weitere = 0;
    for (const std::string& z : wettkampfleiter_) weitere += std::max(0, c_.lineCount(z, fussBreite()) - 1);
    grenze_ = L.Unten - static_cast<int>(static_cast<double>(disziplinen_.size()) * L.Zeile * 0.8) -
              weitere * schritt(0.8);
    miss();
  }

  void verein(long nr, const std::string& name) {
    vereinKopf_ = "Mannschaftsleiter Verein Nr. " + str(nr) + ", " + name;
    int y = seitenkopf();
    // The range telephone as it is stored, in the size of the club's line.
    std::string telefon = "Tel. Nr. Verein:";
    if (auto it = telefone_.find(nr); it != telefone_.end()) {
      const std::string& t = it->second;
      // "0" and blanks stand for no telephone; any other text is printed as it stands.
      if (t != "(null)" && t.find_first_not_of(" 0") != std::string::npos) telefon += " " + t;
    }
    c_.setFontSize(14);
    y += DruckeUeberschrift(c_, L.Links, y, L.Rechts - L.Links, telefon);
    y += schritt(1.5);
    for (const Disziplin& d : disziplinen_) {
      db::Table teams = db::query(gDbHaupt,
                                  "SELECT DISTINCT Rmschnr FROM Msch_in_klassen WHERE Disznr=? AND Vrnr=? ORDER BY Rmschnr;",
                                  {d.nr, nr});
      if (teams.empty()) continue;
      bool tabelleBegonnen = false;
      std::vector<std::vector<Zeile>> mannschaften;
      for (size_t t = 0; t < teams.size(); ++t) {
        const int team = teams.integer(t, 0);
        mannschaften.push_back(fuehrer(nr, team, d.nr));
        if (mannschaften.back().empty()) mannschaften.back().emplace_back();
        mannschaften.back()[0][0] = namen_(nr, team);
      }
      // A team whose lines wrap stands half a line apart from the teams beside it.
      c_.setFontSize(10);
      std::vector<bool> mehrzeilig(mannschaften.size(), false);
      for (size_t t = 0; t < mannschaften.size(); ++t)
        for (const Zeile& z : mannschaften[t]) mehrzeilig[t] = mehrzeilig[t] || MeisteZeilen(c_, z, breite_) > 1;
      for (size_t t = 0; t < mannschaften.size(); ++t) {
        const std::vector<Zeile>& zeilen = mannschaften[t];
        c_.setFontSize(10);
        int abstand = t > 0 && (mehrzeilig[t] || mehrzeilig[t - 1]) ? L.Zeile / 2 : 0;
        int hoehe = L.Zeile - schritt(1.2);
        for (const Zeile& z : zeilen) hoehe += zeilenHoehe(z);
        // The table head goes with its first team; a team goes whole to the next page.
        const int kopf = tabelleBegonnen ? 0 : tabellenkopfHoehe(d);
        if (y + kopf + abstand + hoehe > grenze_) {
          y = neueSeite();
          abstand = 0;
          if (tabelleBegonnen) y = tabellenkopf(d, y);
        }
        if (!tabelleBegonnen) y = tabellenkopf(d, y);
        tabelleBegonnen = true;
        y += abstand;
        c_.setFontSize(10);
        for (const Zeile& z : zeilen) {
          const int h = zeilenHoehe(z);
          for (size_t s = 0; s < kSpalten; ++s) c_.textBlock(spalte_[s], y, breite_[s], z[s], L.Zeile);
          y += h;
        }
      }
    }
    fuss();
  }

  void fuss() {
    int y = grenze_;
    c_.line(L.Links - L.Einheit, y, L.Rechts, y);
    y += schritt(0.3);
    c_.setFontSize(8);
    const std::string marke = "Kerbwerk2006";
    c_.textOut(L.Rechts - (c_.textWidth(marke) + L.Einheit), y, marke);
    for (const std::string& z : wettkampfleiter_)
      y += c_.textBlock(L.Links, y, fussBreite(), z, schritt(0.8)) * schritt(0.8);
  }

  DruckLayout L;

 private:
  int schritt(double zeilen) const { return static_cast<int>(zeilen * L.Zeile); }

  // The managers' lines of the footer stay left of the maker's mark.
  int fussBreite() {
    return L.Rechts - L.Links - c_.textWidth("Kerbwerk2006") - 2 * L.Einheit;
  }
  std::vector<std::string> wettkampfleiter() const {
    std::vector<std::string> out;
    for (const Disziplin& d : disziplinen_) {
      db::Table w = db::query(gDbHaupt, "SELECT DISTINCT Name, Fax, Mail FROM Wettkampfleiter WHERE Nr=?;", {d.wkl});
      if (!w.empty())
        out.push_back("Wettkampfleiter " + d.name + ": " + w.text(0, 0) + ", Fax: " + w.text(0, 1) +
                      ", Mail: " + w.text(0, 2));
    }
    return out;
  }

  // A captain's line: 1.2 lines, and a line more for each further line of its longest text.
  int zeilenHoehe(const Zeile& z) {
    return (MeisteZeilen(c_, z, breite_) - 1) * L.Zeile + schritt(1.2);
  }

  std::vector<Zeile> fuehrer(long verein, int team, int disz) {
    std::vector<Zeile> out;
    db::Table t = db::query(gDbHaupt,
                            std::string("SELECT DISTINCT ") + kFuehrerSpalten +
                                " FROM Msch_fuehrer WHERE Vrnr=? AND Rmschnr=? AND Disznr=?;",
                            {verein, team, disz});
    for (size_t r = 0; r < t.size(); ++r) {
      Zeile z;
      for (size_t s = 1; s < kSpalten; ++s) z[s] = t.text(r, s - 1);
      out.push_back(z);
    }
    return out;
  }

  // Column widths over every team and captain of all disciplines and the headings of the
  // columns that hold data, in 10 points: each text on one line where they fit between the
  // margins, else the columns share the room by need, headings and numbers whole.
  void miss() {
    c_.setFontSize(10);
    std::array<SpaltenBedarf, kSpalten> bedarf{};
    db::Table teams = db::query(gDbHaupt, "SELECT DISTINCT Vrnr, Rmschnr FROM Msch_in_klassen;");
    for (size_t r = 0; r < teams.size(); ++r)
      MissZelle(c_, bedarf[0], namen_(teams.num(r, 0), teams.integer(r, 1)));
    db::Table f = db::query(gDbHaupt, std::string("SELECT ") + kFuehrerSpalten +
                                          " FROM Msch_fuehrer f WHERE EXISTS (SELECT 1 FROM Msch_in_klassen m "
                                          "WHERE m.Vrnr=f.Vrnr AND m.Rmschnr=f.Rmschnr);");
    for (size_t z = 0; z < f.size(); ++z)
      for (size_t s = 1; s < kSpalten; ++s) MissZelle(c_, bedarf[s], f.text(z, s - 1));
    std::array<int, kSpalten> breite{};
    int summe = 0;
    for (size_t s = 0; s < kSpalten; ++s) {
      if (s == 0 || bedarf[s].Ganz > 0) bedarf[s].Zahl = std::max(bedarf[s].Zahl, c_.textWidth(kTitel[s]));
      breite[s] = std::max(bedarf[s].Zahl, bedarf[s].Ganz);
      summe += breite[s];
    }
    const int platz = L.Rechts - L.Links - static_cast<int>(kSpalten - 1) * L.Einheit;
    if (summe > platz) {
      const std::vector<int> geteilt = SpaltenNachBedarf(c_, bedarf, platz);
      std::copy(geteilt.begin(), geteilt.end(), breite.begin());
    }
    spalte_[0] = L.Links;
    for (size_t s = 1; s < kSpalten; ++s) spalte_[s] = spalte_[s - 1] + breite[s - 1] + L.Einheit;
    for (size_t s = 0; s < kSpalten; ++s) {
      if (s < 8) L.Spalte[s] = spalte_[s];
      else L.Eigene[s - 8] = spalte_[s];
    }
    breite_ = breite;
  }

  // District line and the club's line; returns the y below them.
  int seitenkopf() {
    c_.setFontSize(14);
    const int breite = L.Rechts - L.Links;
    int y = L.Oben;
    y += DruckeUeberschrift(c_, L.Links, y, breite, "Rundenwettkampf " + fieldText(gEinstellungen.Gauname) + " ");
    y += 2 * L.Zeile;
    y += DruckeUeberschrift(c_, L.Links, y, breite, vereinKopf_);
    return y + schritt(1.5);
  }

  int neueSeite() {
    fuss();
    c_.newPage();
    return seitenkopf();
  }

  std::string diszKopf(const Disziplin& d) const { return d.name + ", Saison " + d.saison; }
  int kopfZeilen() {
    c_.setFontSize(10);
    int n = 1;
    for (size_t s = 0; s < kSpalten; ++s)
      if (s == 0 || breite_[s] > 0) n = std::max(n, c_.lineCount(kTitel[s], breite_[s]));
    return n;
  }
  int tabellenkopfHoehe(const Disziplin& d) {
    c_.setFontSize(14);
    const int hoch = c_.textHeight("Ag");
    const int diszZeilen = c_.lineCount(diszKopf(d), L.Rechts - L.Links);
    return schritt(1.5) + schritt(1.5) + (diszZeilen - 1) * hoch + kopfZeilen() * L.Zeile + schritt(0.5);
  }

  int tabellenkopf(const Disziplin& d, int y) {
    c_.line(L.Links - L.Einheit, y, L.Rechts, y);
    y += schritt(1.5);
    c_.setFontSize(14);
    y += DruckeUeberschrift(c_, L.Links, y, L.Rechts - L.Links, diszKopf(d));
    y += schritt(1.5);
    const int n = kopfZeilen();
    for (size_t s = 0; s < kSpalten; ++s)
      if (s == 0 || breite_[s] > 0) c_.textBlock(spalte_[s], y, breite_[s], kTitel[s], L.Zeile);
    y += n * L.Zeile;
    c_.line(L.Links - L.Einheit, y, L.Rechts, y);
    return y + schritt(0.5);
  }

  PrintCanvas& c_;
  const gespeichert::TeamNames namen_;
  std::vector<Disziplin> disziplinen_;
  std::vector<std::string> wettkampfleiter_;  // read once, printed on every page
  std::unordered_map<long, std::string> telefone_;
  std::array<int, kSpalten> spalte_{};
  std::array<int, kSpalten> breite_{};
  int grenze_ = 0;
  std::string vereinKopf_;
};

}  // namespace

bool PrintMschFuehrerAlleDisz() {
  db::Table vereine = db::query(gDbHaupt,
                                "SELECT Nummer, Name FROM Vereine_gau WHERE Nummer IN "
                                "(SELECT Vrnr FROM Msch_in_klassen) ORDER BY Nummer ASC, rowid;");
  if (vereine.empty()) {
    MeldeKeineDruckdaten();
    return true;
  }
  std::unique_ptr<PrintCanvas> c = printing::openCanvas();
  if (!c) return false;
  c->setTitle("RWK-Mannschaftsleiter, alle Disz");
  c->setOrientation(PageOrientation::Landscape);
  c->setPenWidth(2);
  c->setFontName("Times New Roman");
  if (!c->beginDoc()) return false;
  AlleDiszDruck druck(*c);
  for (size_t r = 0; r < vereine.size(); ++r) {
    if (r > 0) c->newPage();  // no page after the last club
    druck.verein(vereine.num(r, 0), vereine.text(r, 1));
  }
  c->endDoc();
  return true;
}
