// The frame of every printed page: the title line and the footer at the page bottom.
#include <numeric>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "output/drucklayout.h"
#include "platform/printcanvas.h"
#include "support/testenv.h"

class DruckLayoutTest : public DatabaseTest {
 protected:
  DruckLayout layout() {
    DruckLayout l;
    l.Einheit = 48;
    l.Zeile = 97;
    l.Links = 384;
    l.Rechts = 4656;
    l.Oben = 291;
    l.Unten = 6315;
    return l;
  }
};

TEST_F(DruckLayoutTest, TitleNamesDistrictDisciplineAndSeasonAndReturnsThreeLinesBelowTop) {
  setFieldText(gEinstellungen.Gauname, "Gau Süd");
  db::exec(gDbHaupt, "UPDATE Disznamen SET Saisonname='2026/27' WHERE Nr=1;");
  RecordingCanvas canvas;
  canvas.beginDoc();
  EXPECT_EQ(PrintListTitle(canvas, layout(), 1), 291 + 3 * 97);
  const PrintCall title = canvas.job()->texts().at(0);
  EXPECT_EQ(title.text, "Rundenwettkampf Gau Süd Luftpistole 2026/27");
  EXPECT_EQ(title.x, 384);
  EXPECT_EQ(title.y, 291);
  EXPECT_EQ(canvas.font().size, 14) << "the title leaves its size for the headings";
}

TEST_F(DruckLayoutTest, FooterStandsAtTheBottomWhateverTheCallersY) {
  setOutputTime(1796644800);  // 7 December 2026, 12:00 UTC
  std::vector<std::vector<PrintCall>> footers;
  for (int y : {0, 5000}) {
    RecordingCanvas canvas;
    canvas.beginDoc();
    DruckLayout l = layout();
    l.Y = y;
    l.Hinweis = y > 0;
    PrintPageFooter(canvas, l, 0);
    footers.push_back(canvas.job()->calls);
  }
  setOutputTime(0);
  auto at = [](const std::vector<PrintCall>& calls, const std::string& text) {
    for (const PrintCall& c : calls)
      if (c.text == text) return c;
    ADD_FAILURE() << "missing " << text;
    return PrintCall{};
  };
  const std::string wkl =
      "Wettkampfleiter: Wettkampfleiter 1, Fax: 123, Mail: wettkampfleiter@example.org";
  // Without the note the date stands at the bottom; the note pushes everything one line down.
  EXPECT_EQ(at(footers[0], "07/12/2026").y, 6315);
  EXPECT_EQ(at(footers[1], "07/12/2026").y, 6315 + 97);
  EXPECT_EQ(at(footers[1], "Unterstrichene Teilnehmer sind noch nicht in der Datenbank erfasst!").y,
            6315);
  EXPECT_EQ(at(footers[0], wkl).y, 6315 + 2 * 97);
  const PrintCall mark = at(footers[0], "Kerbwerk2006");
  EXPECT_EQ(mark.y, 6315 + 2 * 97);
  EXPECT_EQ(mark.x + RecordingCanvas().textWidth("Kerbwerk2006"), 4656)
      << "the mark ends at the right edge";
}

// Columns share the page as a browser shares a table's width; whatever the squeeze, the
// widths add up to the page and no column falls below its heading and numbers while another
// still has room to give.
TEST(SpaltenNachBedarf, SharesThePageByNeed) {
  // {Zahl, Stueck, Wort, Ganz, Wunsch}
  const SpaltenBedarf rang{40, 40, 40, 40, 100}, name{60, 150, 300, 700, 300}, ringe{50, 50, 50, 50, 200};
  const struct {
    int summe;
    std::vector<SpaltenBedarf> bedarf;
    std::vector<int> breite;
  } faelle[] = {
      // Every text fits in its own share: the shares stand.
      {600, {rang, {60, 150, 300, 250, 300}, ringe}, {100, 300, 200}},
      // The name takes what the numbers leave; they keep the rest in proportion.
      {800, {rang, name, ringe}, {42, 700, 58}},
      // The names wrap at blanks, their room in proportion to what they need to stand whole.
      {700, {rang, name, name}, {40, 330, 330}},
      // Long words break at their hyphens, never below a heading or number.
      {440, {rang, name, {60, 150, 300, 300, 300}}, {40, 200, 200}},
      // Even the numbers do not fit: every column gives in proportion, the page holds.
      {75, {rang, ringe, rang}, {23, 28, 24}},
  };
  for (const auto& f : faelle) {
    const std::vector<int> b = SpaltenNachBedarf(f.bedarf, f.summe);
    EXPECT_EQ(b, f.breite) << f.summe;
    EXPECT_EQ(std::accumulate(b.begin(), b.end(), 0), f.summe);
  }
}
