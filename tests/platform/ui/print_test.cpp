#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/printer.h"
#include "platform/text.h"
#include "support/pdftext.h"

TEST(RecordingCanvas, RecordsEveryCallWithPageFontAndPen) {
  RecordingCanvas c(4800, 6800, 600);
  c.setTitle("Sch\xFC" "tzendaten");
  c.setOrientation(PageOrientation::Landscape);
  EXPECT_EQ(c.pageWidth(), 6800) << "landscape turns the page";
  EXPECT_EQ(c.pageHeight(), 4800);
  ASSERT_TRUE(c.beginDoc());
  c.setFont({"Times New Roman", 14});
  c.textOut(100, 200, "Titel");
  c.setFontSize(8);
  c.setFontStyle(false, true);
  c.setPenWidth(2);
  c.line(10, 20, 30, 20);
  c.newPage();
  c.textOut(5, 6, "Seite 2");
  c.endDoc();

  const PrintJob& job = *c.job();
  EXPECT_EQ(job.title(), "Sch\xFC" "tzendaten");
  EXPECT_EQ(job.pages(), 2);
  EXPECT_TRUE(job.ended());
  ASSERT_EQ(job.texts().size(), 2u);
  const PrintCall* title = job.findText("Titel");
  ASSERT_TRUE(title);
  EXPECT_EQ(title->page, 1);
  EXPECT_EQ(title->x, 100);
  EXPECT_EQ(title->y, 200);
  EXPECT_EQ(title->font.size, 14);
  EXPECT_EQ(title->orientation, PageOrientation::Landscape);
  EXPECT_EQ(job.findText("Seite 2")->page, 2);
  EXPECT_TRUE(job.findText("Seite 2")->font.underline);
  ASSERT_EQ(job.lines().size(), 1u);
  EXPECT_EQ(job.lines()[0].penWidth, 2);
  EXPECT_EQ(job.lines()[0].x2, 30);
  EXPECT_EQ(job.findText("nichts"), nullptr);
}

TEST(RecordingCanvas, MeasuresTextByAFixedRule) {
  RecordingCanvas c(4800, 6800, 600);
  c.setFontSize(12);
  // Half an em (12 pt at 600 dpi = 100 dots) per character, a line of 1.2 em.
  EXPECT_EQ(c.textWidth("abcd"), 200);
  EXPECT_EQ(c.textHeight("abcd"), 120);
  EXPECT_EQ(c.textWidth(""), 0);
}

TEST(RecordingCanvas, WrapsAtBlanksThenAfterHyphensAndInsideAWordOnlyWhereItMust) {
  RecordingCanvas c;  // 10 points: 41.7 units a character, so 10 characters take 416
  c.setFontSize(10);
  const struct {
    std::string text;
    std::vector<std::string> zeilen;
  } faelle[] = {
      {"", {}},
      {"SG Au I", {"SG Au I"}},
      {"0171 9876543 21", {"0171", "9876543 21"}},
      {"Huber-Wackersberg", {"Huber-", "Wackers-", "berg"}},
      {"     frei - SV Tal I", {"     frei", "- SV Tal I"}},
      // A telephone with all its groups, a team's number with the last word of its name,
      // points with their colon, a street with its house number.
      {"Tel. 0171 12-34", {"Tel.", "0171 12-34"}},
      {"SG Tal-Au II", {"SG", "Tal-Au II"}},
      // A line may end after a compound's hyphen where that saves a line.
      {"SG Bad-Feilnbach Au", {"SG Bad-", "Feilnbach", "Au"}},
      {"Punkte 12 : 4", {"Punkte", "12 : 4"}},
      {"Am Wege 12a", {"Am", "Wege 12a"}},
      // A long word is cut at a syllable with a hyphen, else three letters from either end of
      // its part; an e-mail only after its dots, "@" and hyphens, and never gets a hyphen.
      {"Gauoberliga", {"Gauober-", "liga"}},
      {"Gro\xDF" "karolinenfeld", {"Gro\xDF" "karo-", "linenfeld"}},
      {"Sch\xFCtzengesellschaft", {"Sch\xFCtzen-", "gesell-", "schaft"}},
      {"Xxxxxxxxxxxxx", {"Xxxxxxxxx-", "xxxx"}},
      {"max.mayr@sg-au.de", {"max.mayr@", "sg-au.de"}},
      {"k.strauss01@sg-hubertus.de", {"k.", "strauss01@", "sg-", "hubertus.", "de"}},
      {"abcdefghi.mayr@x", {"abcdefghi.", "mayr@x"}},
      {"abcdefghijklm@x", {"abcdefghij", "klm@x"}},
  };
  for (const auto& f : faelle) EXPECT_EQ(c.wrapText(f.text, 420), f.zeilen) << f.text;
  // A vowel after a diphthong begins a syllable.
  EXPECT_EQ(c.wrapText("Gauoberliga", 250), (std::vector<std::string>{"Gau-", "ober-", "liga"}));
  // A text exactly as wide as its column keeps its line; a point wider wraps.
  const std::string genau = "Au 1234567";
  EXPECT_EQ(c.wrapText(genau, c.textWidth(genau)), std::vector<std::string>{genau});
  EXPECT_EQ(c.wrapText(genau + " Tal", c.textWidth(genau)), (std::vector<std::string>{genau, "Tal"}));
  // What a column needs: the ring value with its decimal comma and the telephone are numbers.
  const TextNeeds n = c.textNeeds("Schnitt 95,75 Tel. 0171 555 12 34 max.mayr@sg-au.de");
  EXPECT_EQ(n.number, c.textWidth("0171 555 12 34"));
  EXPECT_EQ(c.textNeeds("Schnitt 95,75").number, c.textWidth("95,75"));
  EXPECT_EQ(n.piece, c.textWidth("0171 555 12 34"));
  EXPECT_EQ(n.word, c.textWidth("max.mayr@sg-au.de"));
  EXPECT_EQ(c.textNeeds("Huber-Wackersberg").piece, c.textWidth("Wackersberg"));
  for (int weniger : {1, 600 / 72})
    EXPECT_EQ(c.wrapText(genau, c.textWidth(genau) - weniger), (std::vector<std::string>{"Au", "1234567"})) << weniger;

  // The lines stand one below the other, each placed in the column as asked.
  c.beginDoc();
  EXPECT_EQ(c.textBlock(100, 200, 420, "12 345678901", 50, TextAlign::Right), 2);
  const std::vector<PrintCall> t = c.job()->texts();
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].text, "12");
  EXPECT_EQ(t[0].x, 100 + 420 - c.textWidth("12"));
  EXPECT_EQ(t[1].x, 100 + 420 - c.textWidth("345678901"));
  EXPECT_EQ(t[1].y, 250);
}

TEST(Printing, DialogAndPrinterChoiceAreScripted) {
  ScriptedPrinting printing({"Laser", "Tinte"});
  printing.cancel();
  printing.confirm("Tinte");
  EXPECT_FALSE(printing::printDialog());
  EXPECT_EQ(printing::currentPrinter(), "Laser");
  EXPECT_TRUE(printing::printDialog());
  EXPECT_EQ(printing::currentPrinter(), "Tinte");
  EXPECT_TRUE(printing::printDialog()) << "unscripted: confirmed";
  EXPECT_EQ(printing.dialogsShown(), 3);

  EXPECT_FALSE(printing::selectPrinter("Plotter"));
  EXPECT_EQ(printing::currentPrinter(), "Tinte") << "an unknown name changes nothing";
  EXPECT_TRUE(printing::selectPrinter("Laser"));

  auto canvas = printing::openCanvas();
  canvas->setTitle("Liste");
  canvas->beginDoc();
  canvas->textOut(1, 2, "x");
  canvas->endDoc();
  ASSERT_EQ(printing.jobs().size(), 1u);
  EXPECT_EQ(printing.jobs()[0]->printer, "Laser");
  EXPECT_EQ(printing.jobs()[0]->title(), "Liste");
}


TEST(Printing, PdfOutputPlacesTextByItsTopLeftCorner) {
  QTemporaryDir dir;
  QString pdf = dir.filePath(QStringLiteral("liste.pdf"));
  int width = 0, height = 0, nameWidth = 0, unit = 0;
  {
    ScriptedPrinting printing;
    printing.printToPdf(fromQs(pdf));
    auto canvas = printing::openCanvas();
    canvas->setTitle("Rundenwettkampf");
    ASSERT_TRUE(canvas->beginDoc());
    width = canvas->pageWidth();
    height = canvas->pageHeight();
    unit = width / 100;
    canvas->setFont({"Times New Roman", 14});
    canvas->textOut(10 * unit, height / 2, "Sch\xFC" "tzenliste");
    canvas->setFontSize(10);
    nameWidth = canvas->textWidth("Kerbwerk");
    canvas->textOut(width - nameWidth, 0, "Kerbwerk");
    canvas->setPenWidth(2);
    canvas->line(0, height / 2, width, height / 2);
    canvas->newPage();
    canvas->textOut(0, 0, "Seite2");
    canvas->endDoc();
    EXPECT_TRUE(printing.jobs().empty()) << "a PDF job is not recorded";
  }
  ASSERT_GT(width, 0);
  ASSERT_TRUE(QFile::exists(pdf));

  const std::vector<PdfWord> words = pdfLayout(fromQs(pdf)).words;
  ASSERT_EQ(words.size(), 3u) << "pdftotext found other words";
  auto word = [&](const QString& text) {
    for (const PdfWord& w : words)
      if (QString::fromStdString(w.text) == text) return w;
    ADD_FAILURE() << "missing word " << text.toStdString();
    return PdfWord{};
  };
  const PdfWord title = word(QString::fromUtf16(u"Schützenliste"));
  const PdfWord mark = word(QStringLiteral("Kerbwerk"));
  const PdfWord second = word(QStringLiteral("Seite2"));
  EXPECT_EQ(title.page, 1);
  EXPECT_EQ(mark.page, 1);
  EXPECT_EQ(second.page, 2);

  // The second page's word sits at (0, 0): the corner of the printable area.
  double left = second.xMin, top = second.yMin;
  // Points per device unit, from the measured width of the mark against its printed width.
  double scale = (mark.xMax - mark.xMin) / nameWidth;
  EXPECT_NEAR(scale, 72.0 / 1200, 0.004) << "measured and printed widths differ";
  EXPECT_NEAR(mark.xMax, left + scale * width, 1.0) << "right-aligned text ends at the right edge";
  EXPECT_NEAR(mark.yMin, top, 1.0);
  EXPECT_NEAR(title.xMin, left + scale * 10 * unit, 1.5);
  EXPECT_NEAR(title.yMin, top + scale * height / 2, 2.0) << "text hangs below its y";
  EXPECT_GT(title.yMax - title.yMin, 10.0) << "14 points tall";
}
