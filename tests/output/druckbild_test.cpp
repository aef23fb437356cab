// Every printed list of a small district with long names, printed through Qt's PDF printer
// and read back word by word: no word prints over another or off the paper, and every name,
// telephone and e-mail of the district stands whole in the list that holds it.
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "exchange/services.h"
#include "output/aktionsliste.h"
#include "output/listenschreiber.h"
#include "output/mschfuehreralledisz.h"
#include "output/mschfuehrerlisten.h"
#include "output/schuetzenliste.h"
#include "output/starttabellen.h"
#include "output/terminlisten.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/qprintercanvas.h"
#include "platform/text.h"
#include "ranking/ranking.h"
#include "ranking/listen.h"
#include "season/gegner.h"
#include "support/langenamen.h"
#include "support/pdftext.h"
#include "support/testenv.h"

namespace {

// A printed list read back word by word.
struct Druckbild : PdfLayout {
  // Whether the words of the text follow one another on one line somewhere.
  bool aufEinerZeile(const std::string& cp1252) const {
    const std::vector<std::string> gesucht = [&] {
      std::vector<std::string> w;
      std::istringstream in(qs(cp1252).toStdString());
      for (std::string x; in >> x;) w.push_back(x);
      return w;
    }();
    for (size_t i = 0; i + gesucht.size() <= words.size(); ++i) {
      size_t k = 0;
      while (k < gesucht.size() && words[i + k].text == gesucht[k] && words[i + k].page == words[i].page &&
             std::abs(words[i + k].yMin - words[i].yMin) < 1)
        ++k;
      if (k == gesucht.size()) return true;
    }
    return false;
  }

  // Whether the text stands whole somewhere: word after word, each one either further on the
  // same line or at the start of one of the next lines of the same column.
  bool enthaelt(const std::string& cp1252) const {
    std::string gesucht = qs(cp1252).toStdString();
    gesucht.erase(std::remove(gesucht.begin(), gesucht.end(), ' '), gesucht.end());
    for (size_t i = 0; i < words.size(); ++i)
      if (weiter(i, words[i].xMin, gesucht)) return true;
    return false;
  }

 private:
  bool weiter(size_t i, double spalte, const std::string& rest) const {
    const PdfWord& w = words[i];
    // A word cut at a syllable ends its line with a hyphen that the data does not hold.
    const size_t stamm = w.text.size() > 1 && w.text.back() == '-' ? w.text.size() - 1 : w.text.size();
    const bool ganz = rest.compare(0, w.text.size(), w.text) == 0;
    if (!ganz && (stamm == w.text.size() || rest.compare(0, stamm, w.text, 0, stamm) != 0)) return false;
    if (ganz && rest.size() == w.text.size()) return true;
    const std::string danach = rest.substr(ganz ? w.text.size() : stamm);
    const double hoehe = w.yMax - w.yMin;
    for (size_t j = 0; j < words.size(); ++j) {
      const PdfWord& n = words[j];
      if (n.page != w.page) continue;
      const bool zeile = std::abs(n.yMin - w.yMin) < 1 && n.xMin >= w.xMax && n.xMin - w.xMax < hoehe;
      const bool unten = n.yMin > w.yMin + hoehe / 2 && n.yMin < w.yMin + 2.5 * hoehe && std::abs(n.xMin - spalte) < 3 * hoehe;
      if (((zeile && ganz) || unten) && weiter(j, unten ? n.xMin : spalte, danach)) return true;
    }
    return false;
  }
};

Druckbild lies(const std::string& pdf) { return Druckbild{pdfLayout(pdf)}; }

// Boxes of the font's full height overlap between lines set at the lists' line distance;
// the glyphs themselves, the box less a fifth at top and bottom, must not.
void pruefeSatz(const Druckbild& bild, const std::string& liste) {
  SCOPED_TRACE(liste);
  ASSERT_FALSE(bild.words.empty());
  std::map<int, std::vector<const PdfWord*>> proSeite;
  for (const PdfWord& w : bild.words) {
    const auto [breite, hoehe] = bild.pages.at(static_cast<size_t>(w.page - 1));
    EXPECT_TRUE(w.xMin >= 0 && w.yMin >= 0 && w.xMax <= breite && w.yMax <= hoehe)
        << "\"" << w.text << "\" leaves page " << w.page;
    proSeite[w.page].push_back(&w);
  }
  for (const auto& [seite, words] : proSeite)
    for (size_t i = 0; i < words.size(); ++i)
      for (size_t j = i + 1; j < words.size(); ++j) {
        const PdfWord& a = *words[i];
        const PdfWord& b = *words[j];
        const double ra = (a.yMax - a.yMin) / 5, rb = (b.yMax - b.yMin) / 5;
        const bool quer = std::min(a.xMax, b.xMax) - std::max(a.xMin, b.xMin) > 0.5;
        const bool hoch = std::min(a.yMax - ra, b.yMax - rb) - std::max(a.yMin + ra, b.yMin + rb) > 0;
        EXPECT_FALSE(quer && hoch) << "\"" << a.text << "\" and \"" << b.text << "\" overlap on page " << seite;
      }
}

std::vector<std::string> woerter(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

// A name of exactly 60 characters.
std::string sechzig(const std::string& anfang) {
  std::string n = anfang + " 1878187818781878187818781878187818781878187818781878";
  n.resize(60);
  if (n.back() == ' ') n.back() = 'e';
  return n;
}

class Druckbilder : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    gEinstellungen.AktDisznr = 0;
    setFieldText(gEinstellungen.Gauname, "Gau Isarwinkel-Loisachtal");
    exec("UPDATE Disznamen SET Saisonname='2026/27';");
    exec("DELETE FROM Vereine_gau; DELETE FROM Vereine_zstext;");
    const char* orte[] = {"Wackersberg-Arzbach", "Lenggries-Fleck", "Bad Tölz-Ellbach", "Gaißach-Mühle",
                          "Kochel am See", "Benediktbeuern-Ried", "Jachenau-Höfen", "Dietramszell", "Reichersbeuern"};
    for (int v = 1; v <= 9; ++v) {
      vereine[v] = sechzig("Schützengesellschaft " + std::string(orte[v - 1]) + " e.V.");
      ASSERT_EQ(vereine[v].size(), 60u);
      klub(v, vereine[v], v % 2 ? "0804" + str(v) + " 99" : "Schießstand: 08042 55-" + str(v));
    }
    const char* kurz[] = {"SG Au", "SV Tal", "FSG Ried", "SG Berg", "SV Moos", "SG Bach"};
    for (int v = 10; v <= 15; ++v) {
      vereine[v] = kurz[v - 10];
      klub(v, vereine[v], "");
    }
    exec("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES "
        "(1, 'Gauoberliga Isarwinkel Nord', 22, 0), (2, 'Kreisklasse', 10, 0);");
    int pos = 0;
    for (int v = 1; v <= 9; ++v) team(1, ++pos, v, 1);
    for (int v = 1; v <= 3; ++v) team(1, ++pos, v, 2);
    pos = 0;
    for (int v = 10; v <= 15; ++v) team(2, ++pos, v, 1);
    WriteGegnerTable(0);
    for (int k : {1, 2})
      for (int d = 1; d <= (k == 1 ? 22 : 10); ++d)
        db::exec(gDbHaupt, "INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (?, ?, ?, 0);",
                 {k, d, (d < 10 ? "0" : "") + str(d) + ".10.2026"});
    // The captains of the long club names, with long addresses and e-mails.
    for (int v = 1; v <= 9; ++v)
      for (int t = 1; t <= (v <= 3 ? 2 : 1); ++t) {
        Kapitaen k;
        k.name = "Maximilian-Alexander Huber-Wackersberger " + str(v) + str(t);
        k.strasse = "Untere Hauptstraße am Schießstättenweg " + str(100 + v) + "a";
        k.ort = "Wackersberg-Arzbach im Isarwinkel";
        k.tel = {"08041 79851" + str(v) + str(t), "0171 9876543" + str(v), "08041 798512" + str(v)};
        k.mail = "maximilian.huber-wackersberger" + str(v) + str(t) + "@schuetzengesellschaft-wackersberg.de";
        kapitaene.push_back(k);
        db::exec(gDbHaupt,
                 "INSERT INTO Msch_fuehrer (Disznr, Vrnr, Rmschnr, Name, Strasse, Plz, Ort, Tel_a, Tel_b, Fax, Mail) "
                 "VALUES (0, ?, ?, ?, ?, '83646', ?, ?, ?, ?, ?);",
                 {v, t, k.name, k.strasse, k.ort, k.tel[0], k.tel[1], k.tel[2], k.mail});
      }
    // Shooters with long names; the first teams of clubs 1 to 3 have shot round 1.
    for (int v = 1; v <= 3; ++v) {
      db::exec(gDbHaupt,
               "INSERT INTO Mscherg (Mklnr, Vrnr, Rmschnr, Ringerg, Pluspunkte, Minuspunkte, Korrekturpunkte, "
               "Disznr, Ergnr) VALUES (1, ?, 1, ?, 2, 0, 0, 0, 1);",
               {v, 1500 + v});
      for (int s = 1; s <= 4; ++s) {
        db::exec(gDbHaupt,
                 "INSERT INTO Schuetzen (Passnr, VrNr, Name, Gebdat, Geschl, AktivFlag) VALUES (?, ?, ?, '01.02.1990', 'w', '1');",
                 {v * 100 + s, v, "Maximiliane Theresia von Wackersberg-Arzbach-Oberland " + str(v) + str(s)});
        db::exec(gDbHaupt,
                 "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, Mschnr) "
                 "VALUES (?, 0, ?, 1, 1, 1, ?, 1);",
                 {v * 100 + s, 3800 + 10 * s + v, v});
      }
    }
  }

  struct Kapitaen {
    std::string name, strasse, ort, mail;
    std::vector<std::string> tel;
  };

  static void klub(int v, const std::string& name, const std::string& tel) {
    db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);", {v, name});
    db::exec(gDbHaupt, "INSERT INTO Vereine_zstext (Nummer, TelSStd) VALUES (?, ?);", {v, tel});
  }
  static void team(int klasse, int pos, int verein, int nr) {
    db::exec(gDbHaupt, "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (?, ?, 0, ?, ?);",
             {klasse, pos, verein, nr});
  }
  std::vector<std::string> teams(int klasse) const {
    std::vector<std::string> out;
    db::Table t = db::query(gDbHaupt, "SELECT Vrnr, Rmschnr FROM Msch_in_klassen WHERE Mklnr=?;", {klasse});
    for (size_t r = 0; r < t.size(); ++r) out.push_back(MannschaftsName(t.num(r, 0), t.integer(r, 1)));
    return out;
  }

  // Prints into a PDF of its own, on a canvas of its own or through the program's printer.
  Druckbild drucke(const std::string& name, const std::function<bool(PrintCanvas&)>& liste) {
    const std::string pdf = dir->file(name + ".pdf");
    {
      auto canvas = QPrinterCanvas::toPdf(pdf);
      EXPECT_TRUE(liste(*canvas)) << name;
    }
    return lies(pdf);
  }
  Druckbild drucke(const std::string& name, const std::function<bool()>& liste) {
    const std::string pdf = dir->file(name + ".pdf");
    ScriptedPrinting printing;
    printing.printToPdf(pdf);
    EXPECT_TRUE(liste()) << name;
    return lies(pdf);
  }

  std::map<int, std::string> vereine;
  std::vector<Kapitaen> kapitaene;
};

TEST_F(Druckbilder, EveryListKeepsEachTextWholeInsideItsColumnAndOnThePaper) {
  std::vector<std::string> alleTeams = teams(1);
  for (const std::string& t : teams(2)) alleTeams.push_back(t);
  std::vector<std::string> kapitaenDaten;
  for (const Kapitaen& k : kapitaene) {
    kapitaenDaten.insert(kapitaenDaten.end(), {k.name, k.strasse, k.ort, k.mail});
    kapitaenDaten.insert(kapitaenDaten.end(), k.tel.begin(), k.tel.end());
  }
  std::vector<std::string> schuetzen;
  for (int v = 1; v <= 3; ++v)
    for (int s = 1; s <= 4; ++s) schuetzen.push_back("Maximiliane Theresia von Wackersberg-Arzbach-Oberland " + str(v) + str(s));
  _sort_ausgabe a;
  a.Disznr = 0;

  struct Liste {
    std::string name;
    Druckbild bild;
    std::vector<std::string> daten;
  };
  std::vector<Liste> listen = {
      {"starttabellen", drucke("starttabellen", std::function<bool()>([] { return PrintStarttabellen(0, 0); })), alleTeams},
      {"starttabellen-verein", drucke("starttabellen-verein", std::function<bool()>([] { return PrintStarttabellen(1, 0); })),
       {vereine[1], vereine[1] + " I", vereine[1] + " II"}},
      {"starttabellen-serie", drucke("starttabellen-serie", std::function<bool()>(PrintStarttabellenSerie)), alleTeams},
      {"terminlisten", drucke("terminlisten", [](PrintCanvas& c) { return PrintTerminlisten(c, 0, 0, ""); }), alleTeams},
      {"terminlisten-verein",
       drucke("terminlisten-verein", [&](PrintCanvas& c) { return PrintTerminlisten(c, 2, 0, vereine[2]); }), teams(1)},
      {"terminlisten-serie", drucke("terminlisten-serie", PrintTerminlistenAlleVereine), alleTeams},
      {"mannschaftsleiter", drucke("mannschaftsleiter", [](PrintCanvas& c) { return PrintMschFuehrer(c, 0, 0); }),
       kapitaenDaten},
      {"mannschaftsleiter-serie", drucke("mannschaftsleiter-serie", std::function<bool()>(PrintMschFuehrerSerie)),
       kapitaenDaten},
      {"mannschaftsleiter-alle-disziplinen",
       drucke("mannschaftsleiter-alle-disziplinen", std::function<bool()>(PrintMschFuehrerAlleDisz)), kapitaenDaten},
      {"schuetzen", drucke("schuetzen", [](PrintCanvas& c) { return PrintSchuetzenListen(c, {1, 2, 3}, 0); }), schuetzen},
      {"starttabellen-liste", drucke("starttabellen-liste", [&](PrintCanvas& c) { return PrintMschTabellen(c, a); }),
       alleTeams},
  };
  BerechneMannschaftstabellen(0, 0);
  a.Sortart = 1;
  listen.push_back({"mannschaftstabellen", drucke("mannschaftstabellen", [&](PrintCanvas& c) { return PrintMschTabellen(c, a); }),
                    alleTeams});
  a.Sortart = 0;
  listen.push_back({"begegnungen", drucke("begegnungen", [&](PrintCanvas& c) { return PrintMschErgebnisse(c, a); }), {}});
  BerechneMannschaftsringschnitte(0, 0);
  a.Sortart = 1;
  listen.push_back({"ringschnitte", drucke("ringschnitte", [&](PrintCanvas& c) { return PrintMschErgebnisse(c, a); }),
                    {teams(1)[0]}});
  // The individual and class results in each display, of class 1 after round 1.
  a.Mklnr = 1;
  for (int anzeige = 0; anzeige <= 3; ++anzeige) {
    a.Sortart = anzeige;
    const std::string n = str(anzeige);
    if (anzeige <= 2) {
      BerechneEinzelwertung(anzeige, 1, 0, 0, 1, 0, 0);
      listen.push_back({"einzel" + n, drucke("einzel" + n, [&](PrintCanvas& c) { return PrintEinzelErgebnisse(c, a); }),
                        schuetzen});
    }
    BerechneEinzelwertung(1, 1, 0, 0, 1, 0, 0);
    listen.push_back({"klasse" + n, drucke("klasse" + n, [&](PrintCanvas& c) { return PrintKlassenErgebnisse(c, a); }),
                      {teams(1)[0]}});
  }
  a.Sortart = 2;
  listen.push_back({"aufstellungen", drucke("aufstellungen", [&](PrintCanvas& c) { return PrintMschErgebnisse(c, a); }),
                    {teams(1)[0]}});
  a.Vrnr = 1;
  a.Sortart = 0;
  listen.push_back({"vereinsergebnisse", drucke("vereinsergebnisse", [&](PrintCanvas& c) { return PrintVereinsErgebnisse(c, a); }),
                    {schuetzen[0]}});

  for (const Liste& l : listen) {
    pruefeSatz(l.bild, l.name);
    for (const std::string& d : l.daten) EXPECT_TRUE(l.bild.enthaelt(d)) << l.name << ": " << d;
  }
  auto seiten = [&](const std::string& name) {
    for (const Liste& l : listen)
      if (l.name == name) return l.bild.pages.size();
    return size_t{0};
  };
  // The serial prints are one file each, a club on pages of its own.
  for (const char* serie : {"mannschaftsleiter-serie", "terminlisten-serie", "starttabellen-serie"})
    EXPECT_GE(seiten(serie), 9u) << serie;
  for (const Liste& l : listen) {
    if (l.name == "mannschaftsleiter-serie") {
      for (const auto& [nr, name] : vereine) EXPECT_TRUE(l.bild.enthaelt(name)) << name;
    }
  }
  for (const Liste& l : listen)
    if (l.name == "schuetzen") {
      EXPECT_EQ(l.bild.pages.size(), 3u);
      for (int v = 1; v <= 3; ++v) EXPECT_TRUE(l.bild.enthaelt("Schuetzendaten " + vereine[v])) << v;
    }
  // The captains of all disciplines print each club's telephone as it is stored.
  for (const Liste& l : listen)
    if (l.name == "mannschaftsleiter-alle-disziplinen") {
      EXPECT_TRUE(l.bild.enthaelt("Tel. Nr. Verein: Schießstand: 08042 55-2"));
      EXPECT_TRUE(l.bild.enthaelt("Tel. Nr. Verein: 08041 99"));
    }
}

TEST_F(Druckbilder, SixTeamsWhoseNamesFitHaveTheirScheduleOnOnePage) {
  const Druckbild bild = drucke("kreisklasse", [](PrintCanvas& c) { return PrintTerminlisten(c, 0, 2, ""); });
  pruefeSatz(bild, "kreisklasse");
  EXPECT_EQ(bild.pages.size(), 1u);
  for (const std::string& t : teams(2)) EXPECT_TRUE(bild.enthaelt(t)) << t;
}

TEST_F(Druckbilder, AChoiceWithNothingToPrintBeginsNoJob) {
  msg::ScriptedMessages boxes;
  ScriptedPrinting printing;
  exec("INSERT INTO Vereine_gau (Nummer, Name) VALUES (20, 'Ohne Mannschaft');");
  gEinstellungen.AktDisznr = 1;  // a discipline without classes
  const std::vector<std::pair<const char*, std::function<bool()>>> drucke = {
      {"start", [] { return PrintStarttabellen(0, 0); }},
      {"start serie", PrintStarttabellenSerie},
      {"termine", [] { return PrintTerminlisten(*printing::openCanvas(), 20, 0, "Ohne Mannschaft"); }},
      {"termine serie", [] { return PrintTerminlistenAlleVereine(*printing::openCanvas()); }},
      {"leiter", [] { return PrintMschFuehrer(*printing::openCanvas(), 20, 0); }},
      {"leiter serie", PrintMschFuehrerSerie},
  };
  for (const auto& [name, druck] : drucke) {
    boxes.clear();
    EXPECT_TRUE(druck()) << name;
    ASSERT_EQ(boxes.count(), 1u) << name;
    EXPECT_EQ(boxes.shown()[0].text, "Keine Daten zum Drucken.");
    EXPECT_EQ(boxes.shown()[0].caption, "Meldung");
  }
  for (const auto& job : printing.jobs()) EXPECT_EQ(job->pages(), 0) << "no job begun";
}

TEST_F(Druckbilder, AnActionListJobWhosePrinterIsMissingNamesIt) {
  ScriptedPrinting printing({"Testdrucker"});
  db::exec(gDbAgenda,
           "INSERT INTO Aktion (Satzindex, Disznr, Machflag, Typ, Ausgabeart, Flag_a, Flag_d, Bezeichnung, Pfad, "
           "Printstring_a, Printstring_b, Print_int) VALUES (0, 0, 1, 0, 1, 0, 1, 'Mannschaftstabellen', '', "
           "'Vereinsdrucker im Keller', 'Mannschaftstabellen', 1);");
  PointerListHolder holder;
  EXPECT_EQ(RunAktionsliste(holder, 0, 0, 0), " Fehler! Mannschaftstabellen, Vereinsdrucker im Keller\n");
  EXPECT_TRUE(printing.jobs().empty());
}

// The lists with the most number columns, of a district whose names are long enough to
// squeeze them: every number and every heading comes back from the paper as one word.
using LangeNamenDruck = DatabaseTest;

TEST_F(LangeNamenDruck, NumbersAndHeadingsStandWholeWhileNamesWrap) {
  legeLangeNamenAn();
  _sort_ausgabe a;
  a.Disznr = 0;
  a.Mklnr = 1;
  a.Durchgang = 1;  // after round 2
  auto zahl = [](const std::string& w) {
    return w.find_first_of("0123456789") != std::string::npos &&
           w.find_first_not_of("0123456789.,:-") == std::string::npos;
  };
  auto pruefe = [&](const std::string& name, const std::vector<ListenTabelle>& tabellen,
                    const std::function<bool(PrintCanvas&)>& liste) {
    SCOPED_TRACE(name);
    const std::string pdf = dir->file(name + ".pdf");
    {
      auto canvas = QPrinterCanvas::toPdf(pdf);
      EXPECT_TRUE(liste(*canvas));
    }
    const Druckbild bild = lies(pdf);
    pruefeSatz(bild, name);
    std::set<std::string> gedruckt;
    for (const PdfWord& w : bild.words) gedruckt.insert(w.text);
    size_t zahlen = 0;
    for (const ListenTabelle& t : tabellen)
      for (size_t i = 0; i < t.Spalten.size(); ++i) {
        if (t.Spalten[i].Breite <= 0) continue;
        for (const std::string& w : woerter(t.Spalten[i].Titel))
          EXPECT_TRUE(gedruckt.count(qs(w).toStdString())) << "heading " << t.Spalten[i].Titel;
        for (const ListenZeile& z : t.Zeilen)
          for (const std::string& w : woerter(i < z.Zellen.size() ? z.Zellen[i] : ""))
            if (zahl(w)) {
              ++zahlen;
              EXPECT_TRUE(gedruckt.count(w)) << "number " << w;
            }
      }
    EXPECT_GT(zahlen, 10u);
    return bild;
  };
  for (int anzeige : {0, 2}) {
    BerechneEinzelwertung(anzeige, 1, 1, 0, 1, 0, 0);
    a.Sortart = anzeige;
    const Druckbild bild = pruefe("einzel" + str(anzeige), {EinzelergebnisListe(anzeige, 0, 1, 2, 0)},
                                  [&](PrintCanvas& c) { return PrintEinzelErgebnisse(c, a); });
    // The shooters' names still stand whole, wrapped in their column.
    EXPECT_TRUE(bild.enthaelt("Schönauer-Äschbacher, Maximilian"));
  }
  for (int anzeige = 0; anzeige <= 3; ++anzeige) {
    KlassenListen k = KlassenergebnisListen(0, 1, 2, anzeige, 0, 1, 0);
    a.Sortart = anzeige;
    pruefe("klasse" + str(anzeige), {k.Oben, k.Mitte, k.Unten}, [&](PrintCanvas& c) { return PrintKlassenErgebnisse(c, a); });
  }
}

// Lists as a club reads them: names of 45 characters with teams I, II and III, telephones
// written as clubs write them. A telephone stands on one line with all its groups, a team's
// number beside the last word of its club's name, and a team name of the team table whole.
TEST_F(Druckbilder, TelephonesAndTeamNumbersStandWholeInTheClubsLists) {
  exec("DELETE FROM Vereine_gau; DELETE FROM Vereine_zstext; DELETE FROM Msch_in_klassen; DELETE FROM Msch_fuehrer;"
       "DELETE FROM Mscherg; DELETE FROM Schuetzenerg; DELETE FROM Termine;");
  const std::string namen[3] = {"Schützengesellschaft Hubertus Großkarolinenfe",
                                "SG Edelweiß Stephanskirchen-Schloßberg 1862 e",
                                "Feuerschützen Bad Aibling-Mietraching e.V. 1"};
  const std::string telefone[3] = {"08031 940 12-34", "0171 555 12 34 56", "08061 4711-0815"};
  std::vector<std::string> teamNamen;
  int pos = 0;
  for (int v = 1; v <= 3; ++v) {
    klub(v, namen[v - 1], telefone[v - 1]);
    for (int t = 1; t <= 3; ++t) {
      team(1, ++pos, v, t);
      teamNamen.push_back(MannschaftsName(v, t));
      db::exec(gDbHaupt,
               "INSERT INTO Msch_fuehrer (Disznr, Vrnr, Rmschnr, Name, Strasse, Plz, Ort, Tel_a, Tel_b, Fax, Mail) "
               "VALUES (0, ?, ?, 'Hinterberger, Josef', 'Großkarolinenfelder Str. 12', '83109', "
               "'Großkarolinenfeld', ?, ?, ?, ?);",
               {v, t, telefone[(v + t) % 3], telefone[(v + t + 1) % 3], telefone[(v + t + 2) % 3],
                "josef.hinterberger" + str(v) + str(t) + "@sg-grosskarolinenfeld.de"});
    }
  }
  WriteGegnerTable(0);
  for (int d = 1; d <= 22; ++d)
    db::exec(gDbHaupt, "INSERT INTO Termine (Mklnr, Nr_in_klasse, Termin, Disznr) VALUES (1, ?, ?, 0);",
             {d, (d < 10 ? "0" : "") + str(d) + ".10.2026"});
  BerechneMannschaftstabellen(0, 0);
  _sort_ausgabe a;
  a.Disznr = 0;
  a.Sortart = 1;
  const std::vector<std::pair<std::string, Druckbild>> listen = {
      {"leiter", drucke("leiter", [](PrintCanvas& c) { return PrintMschFuehrer(c, 0, 0); })},
      {"leiter-alle", drucke("leiter-alle", std::function<bool()>(PrintMschFuehrerAlleDisz))},
      {"termine", drucke("termine", [](PrintCanvas& c) { return PrintTerminlisten(c, 0, 1, ""); })},
      {"tabelle", drucke("tabelle", [&](PrintCanvas& c) { return PrintMschTabellen(c, a); })},
  };
  for (const auto& [name, bild] : listen) {
    pruefeSatz(bild, name);
    for (size_t i = 0; i < bild.words.size(); ++i)
      if (std::set<std::string>{"I", "II", "III"}.count(bild.words[i].text)) {
        EXPECT_TRUE(i > 0 && std::abs(bild.words[i - 1].yMin - bild.words[i].yMin) < 1 &&
                    bild.words[i - 1].xMax < bild.words[i].xMin)
            << name << ": a team number begins a line on page " << bild.words[i].page;
      }
    if (name == "tabelle") {
      for (const std::string& n : teamNamen) EXPECT_TRUE(bild.aufEinerZeile(n)) << n;
    }
    if (name.rfind("leiter", 0) == 0) {
      for (const std::string& t : telefone) EXPECT_TRUE(bild.aufEinerZeile(t)) << name << ": " << t;
    }
  }
}

}  // namespace
