// A list rendered as text, as an HTML page and on the printer, from a hand-made table.
#include <cstdlib>
#include <ctime>
#include <map>
#include <set>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "output/listenausgabe.h"
#include "platform/qprintercanvas.h"
#include "platform/text.h"
#include "ranking/ranking.h"
#include "support/druckabstand.h"
#include "support/filebytes.h"
#include "support/pdftext.h"
#include "support/langenamen.h"
#include "support/outputtime.h"
#include "support/testenv.h"

namespace {

ListenTabelle tabelle() {
  ListenTabelle t;
  t.Spalten = {{"Rang", 38, Ausrichtung::Rechts},
               {"Intern", 0},
               {"Mannschaft", 160},
               {"Ringe", 50, Ausrichtung::Mitte}};
  t.Zeilen = {{{"1", "x", "Schütze & Söhne I", "1234.5"}},
              {{"2", "y", "<Max> II", "1200.0"}, true},
              {{"", " ", "", ""}},
              {{"3", "z", "SV Tal I", "1100.0"}}};
  return t;
}

}  // namespace

class ListenausgabeTest : public DatabaseTest {
 protected:
  FixedOutputTime time_;  // the lists carry a fixed date
  void SetUp() override {
    DatabaseTest::SetUp();
    setFieldText(gEinstellungen.Gauname, "Gau Süd");
    db::exec(gDbHaupt, "UPDATE Disznamen SET Saisonname='2026/27' WHERE Nr=1;");
    dok.Disznr = 1;
    dok.Titel = "Mannschaftstabellen nach Durchgang 3";
    dok.Zusatz = {"Klasse Gauliga"};
    dok.Seite = "Mannschaftstabellen";
    dok.Tabellen = {tabelle()};
  }
  const PrintJob& drucke() {
    EXPECT_TRUE(ListenDrucken(canvas, dok));
    return *canvas.job();
  }
  ListenDokument dok;
  RecordingCanvas canvas;
};

TEST_F(ListenausgabeTest, TextLeavesHiddenColumnsOutAndSeparatesBlocks) {
  EXPECT_EQ(ListenText(dok),
            "Gau Süd\r\nRundenwettkampf Luftpistole 2026/27\r\n"
            "Mannschaftstabellen nach Durchgang 3\r\nKlasse Gauliga\r\n\r\n"
            "Rang\tMannschaft\tRinge\r\n1\tSchütze & Söhne I\t1234.5\r\n2\t<Max> II\t1200.0\r\n"
            "\r\n3\tSV Tal I\t1100.0\r\n\r\n"
            "Wettkampfleiter: Wettkampfleiter 1, Fax: 123, Mail: wettkampfleiter@example.org\r\n");
}

// A line break, a tab or another control code inside a value (a class or team name from an
// older database) would split the row or reach the file raw: each becomes a blank.
TEST_F(ListenausgabeTest, TextAndHtmlKeepEveryValueInItsRowAndColumn) {
  dok.Zusatz = {"Klasse Gau\r\nliga"};
  dok.Tabellen[0].Zeilen = {{{"1", "x", "Schütze\t& Söhne\r\nI\x07\x01\x1b\x7F", "1234.5"}}};
  const std::string text = ListenText(dok);
  EXPECT_NE(text.find("\r\nKlasse Gau  liga\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\n1\tSchütze & Söhne  I    \t1234.5\r\n"), std::string::npos) << text;

  const std::string html = ListenHtml(dok);
  EXPECT_NE(html.find("Sch&uuml;tze"), std::string::npos);
  for (char c : html) {
    const auto u = static_cast<unsigned char>(c);
    EXPECT_TRUE((u >= 0x20 && u < 0x7F) || c == '\r' || c == '\n' || c == '\t') << int(u);
  }
}

TEST_F(ListenausgabeTest, HtmlPageEscapesValuesAndLinksTheStyleSheetOnlyWhenSet) {
  setFieldText(gEinstellungen.CssDatei, "C:\\Web\\gau.css");
  gEinstellungen.HtmlMailLink = 1;
  EXPECT_EQ(ListenHtml(dok), expectedFile("output", "liste.html"));

  setFieldText(gEinstellungen.CssDatei, "");
  EXPECT_EQ(ListenHtml(dok).find("<link"), std::string::npos);
}

TEST_F(ListenausgabeTest, PrintBreaksPagesBetweenBlocksAndRepeatsCaptions) {
  // 30 blocks of 4 rows: several pages.
  ListenTabelle& t = dok.Tabellen[0];
  t.Zeilen.clear();
  for (int b = 1; b <= 30; ++b) {
    for (int r = 1; r <= 4; ++r)
      t.Zeilen.push_back({{str(r), "", "B" + str(b) + "-" + str(r), "100"}});
    t.Zeilen.push_back({{"", "", "", ""}});
  }
  t.Zeilen[0].Zellen[2] = "B1-" + std::string(200, 'x');  // wider than its column
  RecordingCanvas canvas;
  ASSERT_TRUE(ListenDrucken(canvas, dok));
  const PrintJob& job = *canvas.job();
  EXPECT_EQ(job.title(), "RWK-Mannschaftstabellen");
  ASSERT_GE(job.pages(), 3);
  EXPECT_TRUE(job.ended());

  const int bottom = job.findText("07/12/2026")->y;  // the footer starts at the bottom
  const int line = 100;  // a 10-point row on the recording canvas, above 6800 / 70
  const std::set<std::string> footer = {
      "07/12/2026", "Kerbwerk2006",
      "Wettkampfleiter: Wettkampfleiter 1, Fax: 123, Mail: wettkampfleiter@example.org"};
  std::vector<int> captions(job.pages() + 1), marks(job.pages() + 1);
  std::map<int, std::set<int>> blockPages;
  for (const PrintCall& c : job.texts()) {
    if (footer.count(c.text)) {
      EXPECT_GE(c.y, bottom) << c.text;
      marks[c.page] += c.text == "Kerbwerk2006";
    } else {
      EXPECT_LE(c.y + line, bottom) << c.text << " on page " << c.page;
    }
    captions[c.page] += c.text == "Mannschaft";
    if (c.text[0] == 'B') blockPages[std::stoi(c.text.substr(1))].insert(c.page);
  }
  for (int p = 1; p <= job.pages(); ++p) {
    EXPECT_EQ(captions[p], 1) << "captions on page " << p;
    EXPECT_EQ(marks[p], 1) << "footer on page " << p;
  }
  for (const auto& [block, pages] : blockPages) EXPECT_EQ(pages.size(), 1u) << "block " << block;
  // The wide name goes on in further lines of its row, every character kept, and the next
  // row starts below its last line.
  std::string breit;
  int letzte = 0;
  for (const PrintCall& c : job.texts()) {
    // Cut inside, each line but the last ends in a hyphen.
    const std::string t = c.text.back() == '-' && c.text != "B1-" ? c.text.substr(0, c.text.size() - 1) : c.text;
    if (c.page == 1 && t.find_first_not_of('x', t.rfind("B1-", 0) == 0 ? 3 : 0) == std::string::npos) {
      breit += t;
      letzte = c.y;
    }
  }
  EXPECT_EQ(breit, "B1-" + std::string(200, 'x'));
  EXPECT_GE(job.findText("B1-2")->y, letzte + line);
}

TEST_F(ListenausgabeTest, PrintStartsABlockTallerThanAPageWhereItIs) {
  ListenTabelle& t = dok.Tabellen[0];
  t.Zeilen = {{{"1", "", "Kurz", "100"}}, {{"", "", "", ""}}};
  for (int r = 1; r <= 120; ++r) t.Zeilen.push_back({{str(r), "", "L" + str(r), "100"}});
  RecordingCanvas canvas;
  ASSERT_TRUE(ListenDrucken(canvas, dok));
  const PrintJob& job = *canvas.job();
  ASSERT_GE(job.pages(), 3);
  EXPECT_EQ(job.findText("L1")->page, 1) << "the long block follows the short one";
  std::set<int> mitZeilen;
  for (const PrintCall& c : job.texts())
    if (c.text[0] == 'L') mitZeilen.insert(c.page);
  EXPECT_EQ(mitZeilen.size(), static_cast<size_t>(job.pages())) << "no page without rows";
}

// Where every number and heading fits, the columns stand where their shares of the page put them.
TEST_F(ListenausgabeTest, ColumnsThatFitKeepTheirShareOfThePage) {
  RecordingCanvas canvas;
  ASSERT_TRUE(ListenDrucken(canvas, dok));
  const int links = 8 * 48, platz = 4800 - 3 * 48 - links, rand = 42;  // half of two blanks
  EXPECT_EQ(canvas.job()->findText("Mannschaft")->x, links + platz * 38 / 248 + rand);
}

// Rows named by their rank cell. An entry that wraps stands half a line apart from the
// entries beside it, once between two such; rows that fit, and a row that goes on with the
// entry above, stay close. An empty row is a whole line beside a block whose entries stand apart.
TEST_F(ListenausgabeTest, PrintSetsWrappedEntriesApartAndBlocksFurther) {
  const struct {
    const char* name;
    bool lang, folgt;
    int frei;
  } zeilen[] = {{"A1", true, false, -1}, {"A2", false, false, 50}, {"A3", false, false, 0}, {"", false, false, -1},
                {"B1", false, false, 100}, {"B2", false, false, 0}, {"", false, false, -1}, {"D1", false, false, 50},
                {"D2", false, false, 0}, {"", false, false, -1}, {"C1", true, false, 100}, {"C2", false, true, 0},
                {"C3", true, false, 50}};
  dok.Tabellen[0].Zeilen.clear();
  for (const auto& z : zeilen)
    dok.Tabellen[0].Zeilen.push_back({{z.name, "", z.lang ? std::string(100, 'x') : z.name, ""}, false, z.folgt});
  const PrintJob& job = drucke();
  for (const auto& z : zeilen)
    if (z.frei >= 0) {
      EXPECT_EQ(freiDarueber(job, *job.findText(z.name), 100), z.frei) << z.name;
    }
}

// Blocks of wrapped rows go whole to the next page where they and their gaps do not fit.
TEST_F(ListenausgabeTest, PrintKeepsABlockOfWrappedRowsWholeWithItsGaps) {
  dok.Tabellen[0].Zeilen.clear();
  for (int b = 1; b <= 24; ++b) {
    for (int r = 0; r < 3 + b % 3; ++r) dok.Tabellen[0].Zeilen.push_back({{"B" + str(b), "", std::string(100, 'x'), ""}});
    dok.Tabellen[0].Zeilen.push_back({});
  }
  std::map<std::string, std::set<int>> seiten;
  for (const PrintCall& c : drucke().texts())
    if (c.text[0] == 'B') seiten[c.text].insert(c.page);
  for (const auto& [block, s] : seiten) EXPECT_EQ(s.size(), 1u) << block;
}

// A tie of 79 shooters or teams that a page break splits shows its rank again on page 2's
// first row.
TEST_F(ListenausgabeTest, PrintRepeatsATiesRankAtThePagesTop) {
  gEergSortListe.assign(80, {});
  gMergSortListe.assign(80, {});
  for (int i = 0; i < 80; ++i) {
    gEergSortListe[i].Name = "Z" + str(i);
    gEergSortListe[i].Schnitt = i ? 950.f : 960.f;
    gMergSortListe[i].Mschname = "Z" + str(i);
    gMergSortListe[i].Schnitt = i ? 950.f : 960.f;
  }
  for (const ListenTabelle& liste : {EinzelergebnisListe(1, 1, 0, 1, 0), MannschaftsRingschnittListe()}) {
    dok.Tabellen = {liste};
    RecordingCanvas leinwand;
    ASSERT_TRUE(ListenDrucken(leinwand, dok));
    std::vector<std::pair<int, int>> raenge;  // page and line of each rank 2
    std::pair<int, int> oben{0, 0};             // of page 2's first row
    for (const PrintCall& c : leinwand.job()->texts()) {
      if (c.text == "2") raenge.push_back({c.page, c.y});
      if (c.text[0] == 'Z' && c.page == 2 && !oben.first) oben = {c.page, c.y};
    }
    ASSERT_EQ(raenge.size(), 2u) << liste.Spalten[2].Titel;
    EXPECT_EQ(raenge[1], oben);
  }
}

// Two left-aligned columns whose texts fill them keep two blanks between their texts.
TEST_F(ListenausgabeTest, NeighbouringColumnsKeepTwoBlanksBetweenTheirTexts) {
  dok.Tabellen[0] = {{{"Heim", 150}, {"Gast", 150}}, {{{std::string(90, 'h'), std::string(90, 'g')}}}};
  int heimEnde = 0, gast = 4800;
  for (const PrintCall& c : drucke().texts()) {
    if (c.text[0] == 'h') heimEnde = std::max(heimEnde, c.x + static_cast<int>(c.text.size()) * 250 / 6);
    if (c.text[0] == 'g') gast = std::min(gast, c.x);
  }
  EXPECT_GE(gast - heimEnde, 83) << "two blanks of 10 points, 250 / 6 each";
}

// The line-ups of long team names: a pairing's rows keep their step below its wrapped team
// line, and pairings stand half a line apart.
TEST_F(ListenausgabeTest, LineUpsKeepTheirStepInsideAPairing) {
  legeLangeNamenAn();
  dok.Tabellen = {AufstellungenListe(0, 1, 1, 0)};
  const PrintJob& job = drucke();
  int paarungen = 0;
  for (const PrintCall& c : job.texts()) {
    const bool pass = c.text.size() == 6 && c.text.find_first_not_of("0123456789") == std::string::npos;
    if (pass || (c.text == "-" && paarungen > 0)) {
      EXPECT_EQ(freiDarueber(job, c, 100), pass ? 0 : 50) << c.text << " at " << c.y;
    }
    paarungen += c.text == "-";
  }
  EXPECT_EQ(paarungen, 4);
}

TEST_F(ListenausgabeTest, PrintedListReadsBackFromPdf) {
  const std::string pdf = dir->file("liste.pdf");
  {
    auto canvas = QPrinterCanvas::toPdf(pdf);
    ASSERT_TRUE(ListenDrucken(*canvas, dok));
  }
  const std::string text = pdfText(pdf);
  for (const char* want : {"Rundenwettkampf Gau Süd Luftpistole 2026/27", "Klasse Gauliga",
                           "Schütze & Söhne I", "<Max> II", "Kerbwerk2006"})
    EXPECT_NE(text.find(qs(want).toStdString()), std::string::npos) << want;
}
