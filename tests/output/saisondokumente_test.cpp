// Start tables as text, HTML page and print, the captains of all disciplines in print; the
// file names and remembered folders of the season documents.
#include "output/starttabellen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <regex>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "output/mschfuehreralledisz.h"
#include "output/saisondokumente.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "support/druckabstand.h"
#include "support/pdftext.h"
#include "support/saisondaten.h"
#include "support/outputtime.h"
#include "support/testenv.h"

namespace {

class Starttabellen : public DatabaseTest {
 protected:
  FixedOutputTime time_;  // the lists carry a fixed date
  void SetUp() override {
    DatabaseTest::SetUp();
    legeSaisonAn();
  }

  // classes × clubs, every club with one team in every class (clubs 1 .. clubs).
  void grosseSaison(int klassen, int vereine) {
    db::exec(gDbHaupt, "DELETE FROM Mschklassen; DELETE FROM Msch_in_klassen; DELETE FROM Vereine_gau;");
    for (int v = 1; v <= vereine; ++v)
      db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);", {v, "Verein " + str(v)});
    for (int k = 1; k <= klassen; ++k) {
      db::exec(gDbHaupt, "INSERT INTO Mschklassen (Nr, Klname, Disznr) VALUES (?, ?, 0);", {k, "K" + str(k)});
      for (int v = 1; v <= vereine; ++v)
        db::exec(gDbHaupt, "INSERT INTO Msch_in_klassen VALUES (?, ?, 0, ?, 1);", {k, v, v});
    }
  }
};

const std::string kFuss = "\r\nWettkampfleiter: Wettkampfleiter 1, Fax: 123, Mail: wettkampfleiter@example.org\r\n";

TEST_F(Starttabellen, TextListsEveryClassOrTheClassesOfTheClubWithAllTheirTeams) {
  const std::string kopf = "Gau Süd\r\nRundenwettkampf Luftgewehr\r\nStarttabellen 2027\r\n\r\n";
  EXPECT_EQ(WriteTxtStarttabellen(0, 0, ""),
            kopf + "\r\nKreisklasse\t\tA & B <C> I\r\n\t\tSchützen Süd I\r\n"
                   "\r\nGauliga\t\tSchützen Süd II\r\n\r\n" + kFuss);
  EXPECT_EQ(WriteTxtStarttabellen(2, 0, "A & B <C>"),
            kopf + "A & B <C>\r\n\r\nKreisklasse\t\tA & B <C> I\r\n\t\tSchützen Süd I\r\n" + kFuss);
  EXPECT_EQ(WriteTxtStarttabellen(3, 2, "Schützen Süd"),
            kopf + "Schützen Süd\r\n\r\nGauliga\t\tSchützen Süd II\r\n\r\n" + kFuss);
}

// A name holding a line break or a tab (from an older database or an opened data file)
// stays in its row and column: each becomes a blank.
TEST_F(Starttabellen, LineBreaksAndTabsInsideNamesBecomeBlanks) {
  db::exec(gDbHaupt, "UPDATE Mschklassen SET Klname=? WHERE Klname='Gauliga';", {"Gau\r\nliga"});
  db::exec(gDbHaupt, "UPDATE Vereine_gau SET Name=? WHERE Name='Schützen Süd';",
           {"Schützen\tSüd\n"});
  EXPECT_EQ(WriteTxtStarttabellen(3, 2, "Schützen\r\nSüd"),
            "Gau Süd\r\nRundenwettkampf Luftgewehr\r\nStarttabellen 2027\r\n\r\n"
            "Schützen  Süd\r\n\r\nGau  liga\t\tSchützen Süd  II\r\n\r\n" + kFuss);
}

TEST_F(Starttabellen, HtmlPageOfOneClubWithEscapedNamesStyleSheetAndMailLink) {
  setFieldText(gEinstellungen.CssDatei, "/srv/web/Mein.css");
  gEinstellungen.HtmlMailLink = 1;
  const std::string expected =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
      "<html>\r\n"
      "<head>\r\n"
      "<meta name=\"generator\" content=\"Zielkontor.exe von Hagelst&auml;tter\">\r\n"
      "<meta name=\"keywords\" lang=\"de\" content=\"Schie&szlig;sport, Gau S&uuml;d\">\r\n"
      " <title>\r\n"
      " Starttabellen von Zielkontor.exe,\r\n"
      " einer Software f&uuml;r den Schie&szlig;sport von Hagelst&auml;tter,\r\n"
      " </title>\r\n"
      " <link rel=\"stylesheet\" type=\"text/css\" href=\"Mein.css\">\r\n"
      "</head>\r\n"
      "<div style=\"text-align: center;\">\r\n"
      " <h1>Gau S&uuml;d</h1>\r\n"
      " <h2>Rundenwettkampf Luftgewehr</h2>\r\n"
      " <h3>Starttabellen 2027</h3>\r\n"
      " <h4>A &amp; B &lt;C&gt;</h4>\r\n"
      "</div>\r\n"
      "<table align=\"center\"; style=\"margin-top: 3pt; margin-left: auto; margin-right: auto; "
      "text-align: left; width: auto ; height: auto;\" border= \"2\" cellpadding= \"0\" cellspacing= \"0\">\r\n"
      " <tbody>\r\n"
      "   <tr>\r\n"
      "    <td class=\"head\" align=\"left\"><b>&nbsp;Klasse&nbsp;</b></td>\r\n"
      "    <td class=\"head\" align=\"left\"><b>&nbsp;Mannschaften&nbsp;</b></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"width: 30px; text-align: center;\">Kreisklasse<br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;A &amp; B &lt;C&gt; I &nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" style=\"width: 30px; text-align: center;\"> <br></td>\r\n"
      "    <td class=\"hell\">&nbsp;Sch&uuml;tzen S&uuml;d I &nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "   <td class=\"dunkel\" colspan=\"3\"><br></td>   </tr>\r\n"
      " </table>\r\n"
      " <h5 style=\"text-align: center;\">7.12.2026, 12:00</h5>\r\n"
      " <h5 style=\"text-align: center;\">Wettkampfleiter: Wettkampfleiter 1, Fax: 123, Mail: "
      "<a href=\"mailto:wettkampfleiter@example.org\">wettkampfleiter@example.org</a></h5>\r\n"
      " <div style=\"text-align: center;\"><h4><a href=\"javascript:history.back()\";\r\n"
      "   >Zur&uuml;ck zur &Uuml;bersicht</a></h4>\r\n"
      " </div>\r\n"
      "</tbody>\r\n"
      "</html>\r\n";
  EXPECT_EQ(WriteHtmlStarttabellen(2, 0, "A & B <C>"), expected);
}

TEST_F(Starttabellen, HtmlOfAllClassesAlternatesShadesAndLinksNoEmptyStyleSheet) {
  const std::string page = WriteHtmlStarttabellen(0, 0, "");
  EXPECT_EQ(page.find("<link"), std::string::npos);
  EXPECT_EQ(page.find("<h4>A"), std::string::npos);
  EXPECT_NE(page.find("Mail: wettkampfleiter@example.org</h5>"), std::string::npos);
  // The team of the club without a name is a row of one cell.
  EXPECT_NE(page.find("<td class=\"dunkel\" style=\"width: 30px; text-align: center;\"> <br></td>\r\n   </tr>"),
            std::string::npos);
  std::string shades;
  const std::regex row("<tr>\r\n {3,4}<td class=\"(dunkel|hell)\"");
  for (std::sregex_iterator i(page.begin(), page.end(), row), e; i != e; ++i) shades += (*i)[1].str() + " ";
  EXPECT_EQ(shades, "dunkel hell dunkel hell dunkel hell ");
}

TEST(SaisonDateiname, TypedEndingIsReplacedByTheChosenType) {
  struct Case {
    const char* typed;
    int filter;
    bool dbf;
    const char* saved;
  } cases[] = {{"/a/liste.htm", 2, false, "/a/liste.html"},  {"/a/liste.html", 1, false, "/a/liste.txt"},
               {"/a/liste.TXT", 1, false, "/a/liste.TXT.txt"}, {"/a/liste.txt.html", 2, false, "/a/liste.txt.html"},
               {"/a/liste.dbf", 3, true, "/a/liste.dbf"},     {"/a/liste.dbf", 1, false, "/a/liste.dbf.txt"}};
  for (const Case& c : cases) EXPECT_EQ(SaisonDateiname(c.typed, c.filter, c.dbf), c.saved) << c.typed;
}

TEST_F(Starttabellen, FolderOfADisciplineWithoutRowLeavesTheOthersAlone) {
  db::exec(gDbPfade, "DELETE FROM PfadeNeueSaison WHERE Disznr=1; UPDATE PfadeNeueSaison SET StarttabPfad='/alt';");
  ASSERT_TRUE(MerkeOrdner(1, SaisonOrdner::Terminlisten, "/neu"));
  db::Table t = db::query(gDbPfade, "SELECT Disznr, StarttabPfad, TerminlistenPfad FROM PfadeNeueSaison ORDER BY Disznr;");
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t.text(0, 1), "/alt");
  EXPECT_EQ(t.text(1, 1), gIntdat.ProgrammVerzeichnis);
  EXPECT_EQ(t.text(1, 2), "/neu");
  std::string ordner;
  EXPECT_TRUE(GemerkterOrdner(1, SaisonOrdner::Terminlisten, ordner));
  EXPECT_EQ(ordner, "/neu");
}

// Checks the frame of every page of a job: title, heading and footer once each, and below
// the bottom nothing but the footer.
void pruefeSeiten(const PrintJob& job, const std::string& ueberschrift) {
  const int zeile = 6800 / 70, unten = 6800 - 5 * zeile;
  for (int p = 1; p <= job.pages(); ++p) {
    int titel = 0, kopf = 0, fuss = 0;
    for (const PrintCall& c : job.calls) {
      if (c.page != p) continue;
      const bool imFuss = c.y >= unten;
      if (c.kind == PrintCall::Text) {
        titel += c.text.rfind("Rundenwettkampf ", 0) == 0;
        kopf += c.text.rfind(ueberschrift, 0) == 0;
        fuss += c.text == "Kerbwerk2006";
        const bool fusstext = c.text == "Kerbwerk2006" || c.text == "07/12/2026" ||
                              c.text.rfind("Wettkampfleiter", 0) == 0;
        EXPECT_TRUE(imFuss ? fusstext : c.y + zeile <= unten) << c.text << " on page " << p;
      } else if (c.kind == PrintCall::Line && !imFuss) {
        EXPECT_LE(std::max(c.y, c.y2), unten) << "line on page " << p;
      }
    }
    EXPECT_EQ(titel, 1) << "page " << p;
    EXPECT_EQ(kopf, 1) << "page " << p;
    EXPECT_EQ(fuss, 1) << "page " << p;
  }
}

TEST_F(Starttabellen, OverviewOfAnOddNumberOfClassesRulesTheMiddleToTheLastFullPair) {
  db::exec(gDbHaupt, "INSERT INTO Mschklassen (Nr, Klname, Disznr) VALUES (3, 'Bezirk', 0);"
                     "INSERT INTO Msch_in_klassen VALUES (3, 1, 0, 2, 2);");
  ScriptedPrinting printing;
  ASSERT_TRUE(PrintStarttabellen(0, 0));
  const PrintJob& job = *printing.jobs().at(0);
  EXPECT_EQ(job.pages(), 1);
  const int einheit = 48, zeile = 97, links = 8 * einheit;
  const PrintCall* dritte = job.findText("Klasse Bezirk");
  ASSERT_NE(dritte, nullptr);
  EXPECT_EQ(dritte->x, links + einheit) << "the odd class stands in the left column";
  const PrintCall* gau = job.findText("Klasse Gauliga");
  ASSERT_NE(gau, nullptr);
  EXPECT_EQ(gau->x, links + einheit + 45 * einheit);
  // Title at 3 lines, body from 6.5 lines minus half a line; one pair of two team lines.
  const int y0 = 3 * zeile + 3 * zeile - zeile / 2 + zeile;
  std::vector<PrintCall> senkrecht;
  for (const PrintCall& l : job.lines())
    if (l.x == l.x2) senkrecht.push_back(l);
  ASSERT_EQ(senkrecht.size(), 1u);
  EXPECT_EQ(senkrecht[0].x, links + 45 * einheit);
  EXPECT_EQ(senkrecht[0].y, y0);
  EXPECT_EQ(senkrecht[0].y2, y0 + 2 * zeile + static_cast<int>(1.5 * zeile));
  EXPECT_EQ(dritte->y, senkrecht[0].y2 + static_cast<int>(0.2 * zeile));
}

TEST_F(Starttabellen, LongOverviewAndSerialPrintBreakPagesAtTheBottom) {
  grosseSaison(10, 12);
  db::exec(gDbHaupt, "INSERT INTO Msch_in_klassen VALUES (1, 13, 0, 2, 2);");  // club 2 twice in K1
  ScriptedPrinting printing;
  ASSERT_TRUE(PrintStarttabellen(0, 0));
  const PrintJob& uebersicht = *printing.jobs().at(0);
  EXPECT_GT(uebersicht.pages(), 1);
  pruefeSeiten(uebersicht, "Starttabellen ");
  int senkrecht = 0;
  for (const PrintCall& l : uebersicht.lines()) senkrecht += l.x == l.x2;
  EXPECT_EQ(senkrecht, uebersicht.pages()) << "the middle rule is drawn on every page";

  ASSERT_TRUE(PrintStarttabellenSerie());
  ASSERT_EQ(printing.jobs().size(), 2u);
  const PrintJob& serie = *printing.jobs().at(1);
  pruefeSeiten(serie, "Starttabellen Verein ");
  // Each club's classes once each, in order, on pages of its own.
  std::string verein, klassen;
  std::map<std::string, std::string> proVerein;
  for (const PrintCall& c : serie.texts()) {
    if (c.text.rfind("Starttabellen Verein ", 0) == 0) verein = c.text;
    if (c.text.rfind("Klasse ", 0) == 0) proVerein[verein] += c.text.substr(7) + " ";
  }
  ASSERT_EQ(proVerein.size(), 12u);
  for (const auto& [v, k] : proVerein) EXPECT_EQ(k, "K1 K2 K3 K4 K5 K6 K7 K8 K9 K10 ") << v;
}

TEST_F(Starttabellen, TeamsStandApartWhereANameGoesOnInAFurtherLine) {
  const int zeile = 97;
  std::string lang = "Schützengesellschaft";
  while (lang.size() < 100) lang += " Hubertus";
  for (const auto& [name, abstand] : {std::pair{std::string("A & B <C>"), zeile}, {lang, zeile + zeile / 2}})
    for (long klasse : {1, 0}) {  // the class block and the overview
      SCOPED_TRACE(name.size() * 10 + klasse);
      db::exec(gDbHaupt, "UPDATE Vereine_gau SET Name=? WHERE Nummer=2;", {name});
      ScriptedPrinting printing;
      ASSERT_TRUE(PrintStarttabellen(0, klasse));
      const std::vector<PrintCall> t = printing.jobs().at(0)->texts();
      const auto next = std::find_if(t.begin(), t.end(), [](const PrintCall& c) { return c.text == "Schützen Süd I"; });
      ASSERT_TRUE(next != t.end() && next != t.begin());
      EXPECT_EQ(next->y - std::prev(next)->y, abstand) << std::prev(next)->text;
    }
}

TEST_F(Starttabellen, PrintedToPdfReadsBack) {
  ScriptedPrinting printing;
  const std::string pdf = dir->file("start.pdf");
  printing.printToPdf(pdf);
  ASSERT_TRUE(PrintStarttabellen(3, 0));
  const QString text = QString::fromStdString(pdfText(pdf));
  ASSERT_FALSE(text.isEmpty()) << "nothing read back from " << pdf;
  for (const char* word : {"Starttabellen Schützen Süd", "Klasse Kreisklasse", "Klasse Gauliga", "A & B <C> I", "Kerbwerk2006"})
    EXPECT_TRUE(text.contains(qs(word))) << word << " in\n" << text.toStdString();
}

TEST_F(Starttabellen, CaptainsOfAllDisciplinesPageByClubWithEachCaptainOnItsOwnLine) {
  db::exec(gDbHaupt,
           "INSERT INTO Mschklassen (Nr, Klname, Disznr) VALUES (1, 'LP-Liga', 1);"
           "INSERT INTO Msch_in_klassen VALUES (1, 1, 1, 3, 1);"
           "INSERT INTO Msch_fuehrer (Disznr, Vrnr, Rmschnr, Name, Tel_a) VALUES "
           "(0, 3, 1, 'Anna', '089/0815'), (0, 3, 1, 'Bert', '4711'), (1, 3, 1, 'Carl', '');"
           "INSERT INTO Vereine_zstext (Nummer, TelSStd) VALUES (3, '089 123'), (2, 'Halle');"
           "INSERT INTO Vereine_gau (Nummer, Name) VALUES (5, 'Lang');");
  for (int t = 1; t <= 30; ++t) db::exec(gDbHaupt, "INSERT INTO Msch_in_klassen VALUES (2, ?, 0, 5, ?);", {t + 2, t});
  ScriptedPrinting printing;
  ASSERT_TRUE(PrintMschFuehrerAlleDisz());
  const PrintJob& job = *printing.jobs().at(0);
  EXPECT_EQ(job.title(), "RWK-Mannschaftsleiter, alle Disz");
  // Clubs 2 and 3 a page each, club 5 two; club 4 has no name row and no page.
  ASSERT_EQ(job.pages(), 4);
  EXPECT_TRUE(job.ended());
  const int zeile = 4800 / 43, grenze = 4800 - 4 * zeile - static_cast<int>(2 * zeile * 0.8);
  std::map<int, std::string> seiten;
  for (const PrintCall& c : job.texts()) {
    seiten[c.page] += c.text + "|";
    EXPECT_TRUE(c.y >= grenze || c.y + zeile <= grenze) << c.text << " on page " << c.page;
  }
  // The club telephone is printed as stored, also when it is no number, in the club line's size.
  EXPECT_NE(seiten[1].find("Mannschaftsleiter Verein Nr. 2, A & B <C>|Tel. Nr. Verein: Halle|"), std::string::npos);
  EXPECT_EQ(job.findText("Tel. Nr. Verein: Halle")->font.size, 14);
  EXPECT_NE(seiten[2].find("Tel. Nr. Verein: 089 123|Luftgewehr, Saison 2027|"), std::string::npos);
  EXPECT_NE(seiten[2].find("|Luftpistole, Saison "), std::string::npos);
  EXPECT_NE(seiten[2].find("Wettkampfleiter Luftpistole: Wettkampfleiter 1"), std::string::npos);
  for (int p : {3, 4}) {
    EXPECT_NE(seiten[p].find("Mannschaftsleiter Verein Nr. 5, Lang|"), std::string::npos) << p;
    EXPECT_NE(seiten[p].find("Luftgewehr, Saison 2027|Mannschaft|Name|Telefon 1|"), std::string::npos) << p;
  }
  const std::string lang = seiten[3] + seiten[4];
  size_t teams = 0;
  for (size_t i = lang.find("|Lang "); i != std::string::npos; i = lang.find("|Lang ", i + 1)) ++teams;
  EXPECT_EQ(teams, 30u) << "every team of the long club once";
  const PrintCall* anna = job.findText("Anna");
  const PrintCall* bert = job.findText("Bert");
  const PrintCall* team = job.findText("Schützen Süd I");
  ASSERT_TRUE(anna && bert && team);
  EXPECT_EQ(team->y, anna->y);
  EXPECT_EQ(bert->y, anna->y + static_cast<int>(1.2 * zeile));
  ASSERT_NE(job.findText("089/0815"), nullptr) << seiten[2];
  EXPECT_EQ(job.findText("089/0815")->y, anna->y);
}

// A team whose captain's line wraps stands half a line apart from the teams beside it, once
// between two such teams; teams in a line keep their step. A wrapped team and its gap go whole
// to the next page where they would reach the footer's rule.
TEST_F(Starttabellen, CaptainsOfAllDisciplinesSetWrappedTeamsApart) {
  db::exec(gDbHaupt, "DELETE FROM Msch_in_klassen; INSERT INTO Vereine_gau (Nummer, Name) VALUES (5, 'Lang');");
  const int zeile = 4800 / 43, frei[] = {-1, 77, 77, 22, 77};  // a team's step 1.2 lines, a gap half a line
  for (int t = 1; t <= 40; ++t) {
    db::exec(gDbHaupt, "INSERT INTO Msch_in_klassen VALUES (2, ?, 0, 5, ?);", {t, t});
    std::string name = "Kurz";
    for (int w = 0; t != 3 && t != 4 && w < (t % 3 + 2) * 20; ++w) name += " Name";
    db::exec(gDbHaupt, "INSERT INTO Msch_fuehrer (Disznr, Vrnr, Rmschnr, Name) VALUES (0, 5, ?, ?);", {t, name});
  }
  ScriptedPrinting printing;
  ASSERT_TRUE(PrintMschFuehrerAlleDisz());
  const PrintJob& job = *printing.jobs().at(0);
  for (int t = 2; t <= 5; ++t)
    EXPECT_EQ(freiDarueber(job, *job.findText(MannschaftsName(5, t)), zeile), frei[t - 1]) << t;
  const int grenze = 4800 - 4 * zeile - static_cast<int>(zeile * 0.8);
  for (const PrintCall& c : job.texts())
    EXPECT_TRUE(c.y >= grenze || c.y + zeile <= grenze) << c.text << " on page " << c.page;
}

TEST_F(Starttabellen, CaptainsOfAllDisciplinesRuleTheFooterForEveryDisciplineWithTeams) {
  // A third discipline with a team but no competition manager still takes its footer line;
  // both managers' lines wrap once, and a telephone too wide for the rest of its line goes
  // whole onto the next, at 14 points.
  db::exec(gDbHaupt,
           "INSERT INTO Disznamen (Nr, Bezeichnung, Saisonname, WklNr) VALUES (2, 'Zimmerstutzen', '2027', 7);"
           "INSERT INTO Msch_in_klassen VALUES (9, 1, 2, 3, 1), (8, 1, 1, 2, 1);"
           "DELETE FROM Vereine_zstext;");
  std::string langerName;
  for (int i = 0; i < 8; ++i) langerName += "Max Mustermann ";
  db::exec(gDbHaupt, "UPDATE Wettkampfleiter SET Name=? WHERE Nr=0;", {langerName});
  db::exec(gDbHaupt, "INSERT INTO Vereine_zstext (Nummer, TelSStd) VALUES (3, ?);", {"089 123 " + std::string(100, '9')});
  ScriptedPrinting printing;
  ASSERT_TRUE(PrintMschFuehrerAlleDisz());
  const PrintJob& job = *printing.jobs().at(0);
  const int zeile = 4800 / 43, schritt = static_cast<int>(0.8 * zeile);
  const int regel = 4800 - 4 * zeile - static_cast<int>(3 * zeile * 0.8) - 2 * schritt;
  std::set<int> regeln;
  for (const PrintCall& l : job.lines())
    if (l.y == regel && l.y2 == regel) regeln.insert(l.page);
  EXPECT_EQ(regeln.size(), static_cast<size_t>(job.pages())) << "the footer's rule on every page";
  // The telephone's lines in 14 points, the table below its last line.
  std::vector<PrintCall> tel;
  for (const PrintCall& c : job.texts())
    if (c.page == 2 && (c.text.rfind("Tel. Nr.", 0) == 0 || c.text.rfind("089", 0) == 0)) tel.push_back(c);
  ASSERT_EQ(tel.size(), 2u);
  EXPECT_EQ(tel.back().text, "089 123 " + std::string(100, '9'));
  for (const PrintCall& c : tel) EXPECT_EQ(c.font.size, 14) << c.text;
  const auto t = job.texts();
  const auto tabelle = std::find_if(t.begin(), t.end(), [](const PrintCall& c) {
    return c.page == 2 && c.text == "Luftgewehr, Saison 2027";
  });
  ASSERT_NE(tabelle, t.end());
  EXPECT_EQ(tabelle->y, tel.back().y + 2 * static_cast<int>(1.5 * zeile));
}

}  // namespace
