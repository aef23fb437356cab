// The schedule lists as text and HTML against hand-written files, short and odd rounds, and
// the pages of a long class.
#include <algorithm>
#include <map>
#include <set>

#include "core/helpers.h"
#include "output/terminlisten.h"
#include "platform/printcanvas.h"
#include "platform/qprintercanvas.h"
#include "platform/text.h"
#include "season/gegner.h"
#include "support/filebytes.h"
#include "support/outputtime.h"
#include "support/pdftext.h"
#include "support/terminseason.h"

namespace {
bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
}  // namespace

class TerminlistenTest : public TerminSeasonTest {
 protected:
  FixedOutputTime time_;  // the lists carry a fixed date
  void SetUp() override {
    TerminSeasonTest::SetUp();
    setFieldText(gEinstellungen.CssDatei, "/daten/stile/Liga.css");
    gEinstellungen.HtmlMailLink = 1;
  }
};

TEST_F(TerminlistenTest, TextAndPageOfAllClubsAndOfAClubWithTwoTeamsInAClass) {
  EXPECT_EQ(WriteTxtTerminlisten(0, 0, ""), expectedFile("output", "terminlisten.txt"));
  EXPECT_EQ(WriteHtmlTerminlisten(0, 0, ""), expectedFile("output", "terminlisten.html"));
  // Club 1 plays in both classes: the same lists under its name, each class once.
  std::string txt = expectedFile("output", "terminlisten.txt"), html = expectedFile("output", "terminlisten.html");
  txt.insert(txt.find("Kreisliga"), "A & B <C>\r\n\r\n");
  html.insert(html.find("</div>"), " <h4>A &amp; B &lt;C&gt;</h4>\r\n");
  EXPECT_EQ(WriteTxtTerminlisten(1, 0, "A & B <C>"), txt);
  EXPECT_EQ(WriteHtmlTerminlisten(1, 0, "A & B <C>"), html);
  for (auto [verein, klasse] : {std::pair{2L, 0L}, std::pair{1L, 1L}, std::pair{0L, 1L}}) {
    const std::string t = WriteTxtTerminlisten(verein, klasse, "x");
    EXPECT_TRUE(has(t, "SV Süd I - BSG Ost I") && !has(t, "Kreisklasse")) << verein << "/" << klasse;
  }
}

TEST_F(TerminlistenTest, StyleSheetLinkAndMailLinkFollowTheSettings) {
  const struct {
    const char* css;
    int8_t mailLink;
    const char *expect, *absent;
  } cases[] = {{"", 1, "Mail: <a href=\"mailto:", "<link"},
               {"(null)", 0, "Mail: wettkampfleiter@example.org</h5>", "<link"},
               {"C:\\Stile\\Gau.css", 0, "href=\"Gau.css\"", "mailto"}};
  for (const auto& c : cases) {
    setFieldText(gEinstellungen.CssDatei, c.css);
    gEinstellungen.HtmlMailLink = c.mailLink;
    const std::string page = WriteHtmlTerminlisten(0, 0, "");
    EXPECT_TRUE(has(page, c.expect) && !has(page, c.absent)) << c.css;
  }
}

TEST_F(TerminlistenTest, OddDatesClassesWithoutDatesAndShortRoundsShowWhatExistsAndNothingMore) {
  gEinstellungen.AktDisznr = 1;
  exec("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (5, 'Ungerade', 4, 1), (6, 'Ohne Termine', 2, 1);");
  // Bout 1 has one pairing fewer than its return bout 3, bout 4 one fewer than bout 2.
  pairings(5, {{1, 2, 1, 3, 1}, {3, 3, 1, 2, 1}, {3, 4, 1, 0, 0}, {2, 2, 1, 4, 1}, {2, 3, 1, 0, 0}, {4, 4, 1, 2, 1}}, 1);
  pairings(6, {{1, 2, 1, 3, 1}, {2, 3, 1, 2, 1}}, 1);
  dates(5, 1, {"01.10.", "08.10.", "15.10.", "22.10.", "29.10."});

  const std::string txt = WriteTxtTerminlisten(0, 0, "");
  EXPECT_TRUE(has(txt, "\r\n\r\nUngerade\t\tDurchgang Nr: 1 am 01.10.\t\tDurchgang Nr: 3 am 15.10.\r\n"
                       "\t\t     SG Nord I - SV Süd I\t\t     SV Süd I - SG Nord I\r\n"
                       "\t\t\t\t     BSG Ost I - frei\r\n"
                       "\t\tDurchgang Nr: 2 am 08.10.\t\tDurchgang Nr: 4 am 22.10.\r\n"
                       "\t\t     SG Nord I - BSG Ost I\t\t     BSG Ost I - SG Nord I\r\n"
                       "\t\t     SV Süd I - frei\t\t\r\n\r\nWettkampfleiter"))
      << txt;
  const std::string html = WriteHtmlTerminlisten(0, 0, "");
  for (const std::string& page : {txt, html}) EXPECT_FALSE(has(page, "29.10.") || has(page, "Ohne Termine"));
  EXPECT_TRUE(has(html, "align=\"right\">&nbsp; &nbsp;</td>") && has(html, "align=\"left\">&nbsp;&nbsp;</td>"));

  RecordingCanvas canvas;
  ASSERT_TRUE(PrintTerminlisten(canvas, 0, 6, ""));
  std::vector<std::string> texts;
  for (const PrintCall& c : canvas.job()->texts())
    if (c.font.size == 12) texts.push_back(c.text);
  EXPECT_EQ(texts, std::vector<std::string>{"Klasse Ohne Termine"});
}

TEST_F(TerminlistenTest, ALongClassBreaksBetweenRoundPairsAndNothingButTheFooterReachesBelowBottom) {
  gEinstellungen.AktDisznr = 1;
  exec("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (7, 'Zwölf', 22, 1);");
  std::vector<std::string> termine;
  for (int v = 1; v <= 22; ++v) termine.push_back(str(v) + ".11.");
  for (int v = 1; v <= 12; ++v) {
    if (v > 5) exec("INSERT INTO Vereine_gau (Nummer, Name) VALUES (" + str(v) + ", 'V" + str(v) + "');");
    exec("INSERT INTO Msch_in_klassen VALUES (7, " + str(v) + ", 1, " + str(v) + ", 1);");
  }
  WriteGegnerTable(1);
  dates(7, 1, termine);

  RecordingCanvas canvas;  // landscape 6800 x 4800: a line 111, bottom 4245, left home column 280
  ASSERT_TRUE(PrintTerminlisten(canvas, 0, 0, ""));
  const PrintJob& job = *canvas.job();
  ASSERT_EQ(job.pages(), 4) << "three pairs of six lines fit on a page";
  EXPECT_EQ(job.findText("Durchgang Nr: 1 am 1.11.")->y, 1020);
  std::map<int, int> pairs, pairingLines;
  std::map<int, std::string> heads;
  for (const PrintCall& c : job.texts()) {
    const bool footer = c.font.size == 10;
    EXPECT_TRUE(footer ? c.y >= 4245 : c.y + 111 <= 4245) << c.text << " at " << c.y;
    if (c.text.starts_with("Durchgang Nr: ") && c.x < 1000) ++pairs[c.page];
    if (c.x == 280) ++pairingLines[c.page];
    if (c.text.starts_with("Rundenwettkampf ") || c.text.starts_with("Terminlisten ") || c.text.starts_with("Klasse "))
      heads[c.page] += c.text + "|";
  }
  for (const PrintCall& l : job.lines()) EXPECT_TRUE(l.y2 <= 4245 || l.y == l.y2) << "only the footer's rule below";
  for (int p = 1; p <= 4; ++p) {
    EXPECT_EQ(pairingLines[p], 6 * pairs[p]) << "page " << p;
    EXPECT_EQ(heads[p], "Rundenwettkampf Gau Süd Luftpistole 2026/27|Terminlisten |Klasse Zwölf|");
  }
  EXPECT_EQ(pairs[1] + pairs[2] + pairs[3] + pairs[4], 11);
}

// Twelve teams of clubs as they write their names: a wrapped name goes on indented by two
// letters instead of half a line below, so the class takes the pages it took before names
// wrapped, with every pairing's first line at the column's edge.
TEST_F(TerminlistenTest, WrappedNamesGoOnIndentedAndTakeNoMorePages) {
  gEinstellungen.AktDisznr = 1;
  exec("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (7, 'Gauliga', 22, 1);");
  const char* namen[12] = {"Feuerschützengesellschaft Oberaudorf e.V.", "SG Jägerheim Raubling-Großholzhausen e.V.",
                           "Schützengilde Waldeslust Vogtareuth e.V.", "Kgl. priv. SG Immergrün Schloßberg e.V.",
                           "Kgl. priv. SG Alpenrose Aßling-Obstädt e.V.", "Schützengilde Tell Kolbermoor e.V.",
                           "Zimmerstutzenschützen Großhöhenrain e.V.", "Schützengesellschaft Brannenburg-Degerndorf",
                           "Schützenverein Söchtenau-Krottenmühl e.V.", "SG Tell Feldkirchen-Westerham e.V.",
                           "Böllerschützenverein Wasserburg am Inn e.V.", "Böllerschützenverein Schechen-Pfaffenhofen"};
  for (int v = 0; v < 12; ++v) {
    exec("INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);", {20 + v, namen[v]});
    exec("INSERT INTO Msch_in_klassen VALUES (7, ?, 1, ?, 1);", {v + 1, 20 + v});
  }
  WriteGegnerTable(1);
  std::vector<std::string> termine;
  for (int d = 1; d <= 22; ++d) termine.push_back(str(d) + ".11.");
  dates(7, 1, termine);

  // Through the printer, whose blanks are narrower than its letters, as many pages as before
  // names wrapped with gaps; home and guest two blanks apart.
  const std::string pdf = dir->file("termine.pdf");
  auto drucker = QPrinterCanvas::toPdf(pdf);
  ASSERT_TRUE(PrintTerminlisten(*drucker, 0, 7, ""));
  drucker.reset();
  EXPECT_EQ(pdfLayout(pdf).pages.size(), 6u);

  RecordingCanvas canvas;
  ASSERT_TRUE(PrintTerminlisten(canvas, 0, 7, ""));
  // The left home column: first lines at 280, further ones two letters in, all on the lines
  // of their round pair, which begin 188 below its header.
  int erste = 0, weitere = 0, oben = 0;
  for (const PrintCall& c : canvas.job()->texts()) {
    if (c.text.starts_with("Durchgang Nr: ")) oben = c.y;
    if (c.x != 280 && c.x != 380) continue;
    ++(c.x == 280 ? erste : weitere);
    EXPECT_EQ((c.y - oben - 188) % 111, 0) << c.text;
  }
  EXPECT_EQ(erste, 66);
  EXPECT_GT(weitere, 0);

  // Every name, on its first line and its indented ones, ends two blanks before the next
  // column; the columns begin where the four names of a line with both guests begin.
  std::map<std::pair<int, int>, std::vector<PrintCall>> zeilen;
  std::vector<PrintCall> gedruckt;
  for (const PrintCall& c : canvas.job()->texts())
    if (c.font.size == 12 && !c.text.starts_with("Durchgang Nr: ")) {
      zeilen[{c.page, c.y}].push_back(c);
      gedruckt.push_back(c);
    }
  std::set<int> spalten;
  for (const auto& [wo, texte] : zeilen)
    if (texte.size() == 4 && std::count_if(texte.begin(), texte.end(), [](const PrintCall& c) { return c.text.starts_with("- "); }) == 2)
      for (const PrintCall& c : texte) spalten.insert(c.x);
  ASSERT_EQ(spalten.size(), 4u);
  RecordingCanvas mass;
  mass.setFontSize(12);
  for (const PrintCall& c : gedruckt) {
    if (c.x < *spalten.begin()) continue;  // the class's heading
    const auto naechste = spalten.upper_bound(c.x);
    const int ende = naechste == spalten.end() ? canvas.pageWidth() : *naechste - mass.textWidth("  ");
    EXPECT_LE(c.x + mass.textWidth(c.text), ende) << c.text;
  }
}
