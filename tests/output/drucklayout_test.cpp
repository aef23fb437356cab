// The frame of every printed page: the title line and the footer at the page bottom.
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
