// The schedule lists as text, HTML and print: whole files against hand-written ones, the
// short and odd rounds, and the pages of a long class and of the serial print.
#include <QProcess>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <set>

#include "core/helpers.h"
#include "output/terminlisten.h"
#include "platform/printcanvas.h"
#include "platform/text.h"
#include "season/gegner.h"
#include "support/filebytes.h"
#include "support/terminseason.h"

namespace {

std::string expected(const char* name) {
  return readFileBytes((std::filesystem::path(__FILE__).parent_path() / "data" / name).string());
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

class TerminlistenTest : public TerminSeasonTest {
 protected:
  void SetUp() override {
    TerminSeasonTest::SetUp();
    setenv("TZ", "UTC", 1);
    tzset();
    setOutputTime(1796644800);  // 7 December 2026, 12:00
    setFieldText(gEinstellungen.CssDatei, "/daten/stile/Liga.css");
    gEinstellungen.HtmlMailLink = 1;
  }
  void TearDown() override {
    setOutputTime(0);
    TerminSeasonTest::TearDown();
  }
};

TEST_F(TerminlistenTest, AllClubsGiveTheHandWrittenTextAndPage) {
  EXPECT_EQ(WriteTxtTerminlisten(0, 0, ""), expected("terminlisten.txt"));
  EXPECT_EQ(WriteHtmlTerminlisten(0, 0, ""), expected("terminlisten.html"));
}

TEST_F(TerminlistenTest, AClubAddsItsNameAndListsEachOfItsClassesOnceWithAllPairings) {
  // Club 1 has teams in both classes, two of them in the second.
  std::string txt = expected("terminlisten.txt");
  txt.insert(txt.find("Kreisliga"), "A & B <C>\r\n\r\n");
  EXPECT_EQ(WriteTxtTerminlisten(1, 0, "A & B <C>"), txt);
  std::string html = expected("terminlisten.html");
  html.insert(html.find("</div>"), " <h4>A &amp; B &lt;C&gt;</h4>\r\n");
  EXPECT_EQ(WriteHtmlTerminlisten(1, 0, "A & B <C>"), html);

  for (auto [verein, klasse] : {std::pair{2L, 0L}, std::pair{1L, 1L}, std::pair{0L, 1L}}) {
    const std::string t = WriteTxtTerminlisten(verein, klasse, "x");
    EXPECT_TRUE(has(t, "Kreisliga\t\t") && !has(t, "Kreisklasse") && has(t, "SV Süd I - BSG Ost I"))
        << verein << "/" << klasse;
  }
}

TEST_F(TerminlistenTest, StyleSheetLinkAndMailLinkFollowTheSettings) {
  const struct {
    const char* css;
    int mailLink;
    const char* expect;
    const char* absent;
  } cases[] = {
      {"", 1, "Mail: <a href=\"mailto:", "<link"},
      {"(null)", 1, "<h1>", "<link"},
      {"C:\\Stile\\Gau.css", 0, "href=\"Gau.css\"", "mailto"},
  };
  for (const auto& c : cases) {
    setFieldText(gEinstellungen.CssDatei, c.css);
    gEinstellungen.HtmlMailLink = static_cast<int8_t>(c.mailLink);
    const std::string page = WriteHtmlTerminlisten(0, 0, "");
    EXPECT_TRUE(has(page, c.expect)) << c.css;
    EXPECT_FALSE(has(page, c.absent)) << c.css;
  }
  EXPECT_TRUE(has(WriteHtmlTerminlisten(0, 0, ""), "Mail: wettkampfleiter@example.org</h5>"));
}

TEST_F(TerminlistenTest, OddDatesClassesWithoutDatesAndShortRoundsShowWhatExistsAndNothingMore) {
  gEinstellungen.AktDisznr = 1;
  run("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES "
      "(5, 'Ungerade', 4, 1), (6, 'Ohne Termine', 2, 1);");
  // Bout 1 has one pairing fewer than its return bout 3, bout 4 one fewer than bout 2.
  pairings(5, {{1, 2, 1, 3, 1}, {3, 3, 1, 2, 1}, {3, 4, 1, 0, 0}, {2, 2, 1, 4, 1}, {2, 3, 1, 0, 0},
               {4, 4, 1, 2, 1}}, 1);
  pairings(6, {{1, 2, 1, 3, 1}, {2, 3, 1, 2, 1}}, 1);
  dates(5, 1, {"01.10.", "08.10.", "15.10.", "22.10.", "29.10."});

  const std::string txt = WriteTxtTerminlisten(0, 0, "");
  EXPECT_TRUE(has(txt, "\r\n\r\n"
                       "Ungerade\t\tDurchgang Nr: 1 am 01.10.\t\tDurchgang Nr: 3 am 15.10.\r\n"
                       "\t\t     SG Nord I - SV Süd I\t\t     SV Süd I - SG Nord I\r\n"
                       "\t\t\t\t     BSG Ost I - frei\r\n"
                       "\t\tDurchgang Nr: 2 am 08.10.\t\tDurchgang Nr: 4 am 22.10.\r\n"
                       "\t\t     SG Nord I - BSG Ost I\t\t     BSG Ost I - SG Nord I\r\n"
                       "\t\t     SV Süd I - frei\t\t\r\n"
                       "\r\nWettkampfleiter"))
      << txt;
  const std::string html = WriteHtmlTerminlisten(0, 0, "");
  for (const std::string& page : {txt, html}) {
    EXPECT_FALSE(has(page, "29.10.") || has(page, "Ohne Termine"));
  }
  EXPECT_TRUE(has(html, "align=\"right\">&nbsp; &nbsp;</td>") && has(html, "align=\"left\">&nbsp;&nbsp;</td>"));

  RecordingCanvas canvas;
  ASSERT_TRUE(PrintTerminlisten(canvas, 0, 6, ""));
  std::vector<std::string> texts;
  for (const PrintCall& c : canvas.job()->texts())
    if (c.font.size == 12) texts.push_back(c.text);
  EXPECT_EQ(texts, std::vector<std::string>{"Klasse Ohne Termine"});
}

class TerminDruckTest : public TerminlistenTest {
 protected:
  // Title, heading and class line of each page, in order.
  static std::vector<std::string> pageHeads(const PrintJob& job) {
    std::vector<std::string> out(static_cast<size_t>(job.pages()));
    for (const PrintCall& c : job.texts())
      if (c.text.starts_with("Terminlisten ") || c.text.starts_with("Klasse ") ||
          c.text.starts_with("Rundenwettkampf "))
        out[static_cast<size_t>(c.page - 1)] += c.text + "|";
    return out;
  }
};

TEST_F(TerminDruckTest, ALongClassBreaksBetweenRoundPairsAndNothingButTheFooterReachesBelowBottom) {
  gEinstellungen.AktDisznr = 1;
  run("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr) VALUES (7, 'Zwölf', 22, 1);");
  std::vector<std::string> termine;
  for (int v = 1; v <= 22; ++v) termine.push_back(str(v) + ".11.");
  for (int v = 1; v <= 12; ++v) {
    if (v > 5) run("INSERT INTO Vereine_gau (Nummer, Name) VALUES (" + str(v) + ", 'Verein " + str(v) + "');");
    run("INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (7, " +
        str(v) + ", 1, " + str(v) + ", 1);");
  }
  WriteGegnerTable(1);
  dates(7, 1, termine);

  RecordingCanvas canvas;  // landscape: 6800 x 4800, a line 111, bottom 4245
  ASSERT_TRUE(PrintTerminlisten(canvas, 0, 0, ""));
  const PrintJob& job = *canvas.job();
  EXPECT_EQ(job.title(), "RWK-Terminlisten");
  ASSERT_EQ(job.pages(), 4) << "three pairs of six lines fit on a page";
  ASSERT_NE(job.findText("Durchgang Nr: 1 am 1.11."), nullptr);
  EXPECT_EQ(job.findText("Durchgang Nr: 1 am 1.11.")->y, 1020);

  const int bottom = 4245, line = 111, leftHome = 280;
  std::map<int, int> headers, pairingLines;
  for (const PrintCall& c : job.texts()) {
    const bool footer = c.font.size == 10;
    EXPECT_EQ(footer, c.y >= bottom) << c.text << " at " << c.y;
    if (!footer) {
      EXPECT_LE(c.y + line, bottom) << c.text;
    }
    if (c.text.starts_with("Durchgang Nr: ") && c.x < 1000) ++headers[c.page];
    if (c.x == leftHome) ++pairingLines[c.page];
  }
  for (const PrintCall& l : job.lines())
    if (l.y2 > bottom) {
      EXPECT_EQ(l.y, l.y2) << "only the footer's rule lies below the bottom";
    }
  for (int p = 1; p <= 4; ++p) EXPECT_EQ(pairingLines[p], 6 * headers[p]) << "page " << p;
  EXPECT_EQ(headers[1] + headers[2] + headers[3] + headers[4], 11);
  for (const std::string& head : pageHeads(job))
    EXPECT_EQ(head, "Rundenwettkampf Gau Süd Luftpistole 2026/27|Terminlisten |Klasse Zwölf|");
}

TEST_F(TerminDruckTest, SerialPrintGivesEveryClubItsClassesOnceAndAPdfReadsBack) {
  RecordingCanvas canvas;
  ASSERT_TRUE(PrintTerminlistenAlleVereine(canvas));
  std::vector<std::string> heads;
  for (const std::string& h : pageHeads(*canvas.job())) heads.push_back(h.substr(h.find("|") + 1));
  EXPECT_EQ(heads, (std::vector<std::string>{
                       "Terminlisten A & B <C>|Klasse Kreisliga|", "Terminlisten A & B <C>|Klasse Kreisklasse|",
                       "Terminlisten SG Nord|Klasse Kreisliga|", "Terminlisten SV Süd|Klasse Kreisliga|",
                       "Terminlisten BSG Ost|Klasse Kreisliga|", "Terminlisten BSG Ost|Klasse Kreisklasse|"}));

  const std::string pdf = dir->file("terminlisten.pdf");
  {
    auto printer = QPrinterCanvas::toPdf(pdf);
    ASSERT_TRUE(PrintTerminlisten(*printer, 1, 0, "A & B <C>"));
  }
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), qs(pdf), QStringLiteral("-")});
  ASSERT_TRUE(p.waitForFinished(30000));
  const std::string text = fromQs(QString::fromUtf8(p.readAllStandardOutput()));
  for (const char* part : {"Terminlisten A & B <C>", "Klasse Kreisklasse", "Durchgang Nr: 4 am 20.11.",
                           "BSG Ost II", "- frei", "Kerbwerk2006"})
    EXPECT_TRUE(has(text, part)) << part << "\n" << text;
}
