// The printed shooter list of one club.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "core/db.h"
#include "core/globals.h"
#include "output/schuetzenliste.h"
#include "platform/qprintercanvas.h"
#include "platform/text.h"
#include "support/druckabstand.h"
#include "support/pdftext.h"
#include "support/testenv.h"

namespace {

class ShooterList : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    db::exec(gDbHaupt,
             "INSERT INTO Vereine_gau (Nummer, Name) VALUES (5, 'Adler');"
             "INSERT INTO Schuetzen (Passnr, VrNr, Name, Gebdat, Geschl, AktivFlag) VALUES "
             "(11, 5, 'Zeller, Anna', '02.03.1980', 'W', '1'), (12, 5, 'berg, Udo', '', 'M', '0'),"
             "(13, 5, 'Huber, Max', '', 'M', '1'), (14, 6, 'Anderer, Verein', '', 'M', '1');");
  }
  // The texts of the shooter lines (the column of names), in print order.
  static std::vector<std::string> names(const PrintJob& job, int x) {
    std::vector<std::string> out;
    for (const PrintCall& c : job.texts())
      if (c.x == x && c.font.size == 10 && c.text != "Name") out.push_back(c.text);
    return out;
  }
};

TEST_F(ShooterList, PrintsTheClubOrderedByNameAndOnlyTickedWithTheFlag) {
  RecordingCanvas all;
  ASSERT_TRUE(PrintSchuetzenListe(all, 5, 0));
  const PrintJob& job = *all.job();
  EXPECT_EQ(job.title(), "Sch\xFCtzendaten");
  const PrintCall* heading = job.findText("Schuetzendaten Adler");
  ASSERT_TRUE(heading);
  EXPECT_EQ(heading->font.size, 14);
  const PrintCall* nameHead = job.findText("Name");
  ASSERT_TRUE(nameHead);
  EXPECT_GT(nameHead->y, heading->y);
  EXPECT_EQ(names(job, nameHead->x), (std::vector<std::string>{"berg, Udo", "Huber, Max", "Zeller, Anna"}));

  RecordingCanvas ticked;
  ASSERT_TRUE(PrintSchuetzenListe(ticked, 5, 1));
  EXPECT_EQ(names(*ticked.job(), nameHead->x), (std::vector<std::string>{"Huber, Max", "Zeller, Anna"}));
}

TEST_F(ShooterList, ALongListGoesOnWithHeadingOnEveryPage) {
  {
    db::Transaction t(gDbHaupt);
    for (int i = 0; i < 150; ++i)
      db::exec(gDbHaupt, "INSERT INTO Schuetzen (Passnr, VrNr, Name) VALUES (?, 7, ?);",
               {5000 + i, "Name " + std::to_string(1000 + i)});
    t.commit();
  }
  RecordingCanvas canvas;
  ASSERT_TRUE(PrintSchuetzenListe(canvas, 7, 0));
  const PrintJob& job = *canvas.job();
  ASSERT_GE(job.pages(), 2);
  int headings = 0;
  for (const PrintCall& c : job.texts()) {
    if (c.text == "Schuetzendaten ") ++headings;
    if (c.text == "Pass-Nr.") {
      EXPECT_EQ(c.page, headings) << "column head below each heading";
    }
    EXPECT_LT(c.y + canvas.textHeight("X"), canvas.pageHeight()) << c.text << " runs off the page";
  }
  EXPECT_EQ(headings, job.pages());
  EXPECT_EQ(job.findText("Name 1149")->page, job.pages());
}

// A shooter whose row wraps stands half a line apart from the rows beside it, once between
// two such rows, and rows that fit stay close; a wrapped row and its gap stay above the bottom.
TEST_F(ShooterList, AWrappedRowStandsHalfALineApartAndAboveTheBottom) {
  std::string lang;
  for (int i = 0; i < 12; ++i) lang += " Maximiliane";
  // Passes 21 to 25 in the order of their names: A, B and E wrap, C and D fit.
  for (int i = 0; i < 5; ++i)
    db::exec(gDbHaupt, "INSERT INTO Schuetzen (Passnr, VrNr, Name) VALUES (?, 8, ?);",
             {21 + i, std::string(1, static_cast<char>('A' + i)) + (i == 2 || i == 3 ? "" : lang)});
  for (int i = 0; i < 100; ++i)  // rows of one to three lines down several pages
    db::exec(gDbHaupt, "INSERT INTO Schuetzen (Passnr, VrNr, Name) VALUES (?, 8, ?);",
             {100 + i, "F" + str(100 + i) + lang.substr(0, static_cast<size_t>(i * 59 % 140))});
  RecordingCanvas canvas;
  ASSERT_TRUE(PrintSchuetzenListe(canvas, 8, 0));
  const PrintJob& job = *canvas.job();
  const int frei[] = {56, 56, 0, 56};  // above B, C, D and E; a line is 113
  for (int i = 0; i < 4; ++i) EXPECT_EQ(freiDarueber(job, *job.findText(str(22 + i)), 113), frei[i]) << 22 + i;
  for (const PrintCall& c : job.texts()) EXPECT_LE(c.y + 113, 6800 - 2 * 113) << c.text << " on page " << c.page;
}

TEST_F(ShooterList, PrintsToPdf) {
  const std::string pdf = dir->file("liste.pdf");
  auto canvas = QPrinterCanvas::toPdf(pdf);
  ASSERT_TRUE(PrintSchuetzenListe(*canvas, 5, 0));
  canvas.reset();
  QString text = QString::fromStdString(pdfText(pdf));
  ASSERT_FALSE(text.isEmpty()) << "nothing read back from " << pdf;
  EXPECT_TRUE(text.contains(QStringLiteral("Schuetzendaten Adler"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("11 +Zeller, Anna +W +02.03.1980"))))
      << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("Anderer")));
}

}  // namespace
