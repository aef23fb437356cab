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

namespace {

SpaltenBedarf spalte(RecordingCanvas& c, const std::string& titel, const std::vector<std::string>& texte,
                     int wunsch = 0) {
  SpaltenBedarf b;
  b.Zahl = c.textWidth(titel);
  for (const std::string& t : texte) MissZelle(c, b, t);
  b.Wunsch = wunsch;
  return b;
}

// Breaks inside a word: an added hyphen, or a break at neither a blank nor a break mark.
int schnitte(const std::string& text, const std::vector<std::string>& zeilen) {
  int n = 0;
  size_t pos = 0;
  for (size_t k = 0; k + 1 < zeilen.size(); ++k) {
    const std::string& z = zeilen[k];
    const bool bindestrich = z.back() == '-' && text.compare(pos, z.size(), z) != 0;
    pos += bindestrich ? z.size() - 1 : z.size();
    const char vor = text[pos - 1], nach = text[pos];
    const bool adresse = text.find('@') != std::string::npos;
    const bool sauber = nach == ' ' || vor == '-' || vor == '/' || (adresse && (vor == '.' || vor == '@'));
    n += bindestrich || !sauber ? 1 : 0;
    pos = text.find_first_not_of(' ', pos);
  }
  return n;
}

struct Druck {
  int zeilen = 0, schnitte = 0, mailSchnitte = 0;
};
Druck drucke(RecordingCanvas& c, const std::vector<SpaltenBedarf>& s, const std::vector<int>& breite) {
  Druck d;
  for (size_t i = 0; i < s.size(); ++i)
    for (int zelle : s[i].Zellen) {
      const std::string& text = s[i].Texte[static_cast<size_t>(zelle)].text;
      const std::vector<std::string> z = c.wrapText(text, breite[i]);
      const int n = schnitte(text, z);
      d.zeilen += static_cast<int>(z.size());
      d.schnitte += n;
      if (text.find('@') != std::string::npos) d.mailSchnitte += n;
    }
  return d;
}

// The last sharing: every column at the same fraction between its heading and numbers and
// its widest piece between break places.
std::vector<int> gleicherBruchteil(RecordingCanvas& c, const std::vector<SpaltenBedarf>& s, int summe) {
  std::vector<int> von, bis;
  long long sv = 0, sb = 0;
  for (const SpaltenBedarf& b : s) {
    TextNeeds n;
    for (const SpaltenBedarf::Text& t : b.Texte) {
      const TextNeeds m = c.textNeeds(t.text);
      n.number = std::max(n.number, m.number);
      n.piece = std::max(n.piece, m.piece);
    }
    von.push_back(std::max(b.Zahl, n.number));
    bis.push_back(std::max(von.back(), n.piece));
    sv += von.back();
    sb += bis.back();
  }
  std::vector<int> w;
  for (size_t i = 0; i < s.size(); ++i)
    w.push_back(von[i] + static_cast<int>((summe - sv) * (bis[i] - von[i]) / std::max(1LL, sb - sv)));
  return w;
}

}  // namespace

// A captains' list on a page too narrow for every column's widest piece: the page goes where
// breaking costs least, so it prints fewer lines and cuts fewer words than when every column
// gives up the same share, and no e-mail is cut inside one of its parts.
TEST(SpaltenNachBedarf, ThePageGoesWhereBreakingCostsLeast) {
  RecordingCanvas c;
  c.setFontSize(10);  // 41.7 units a character
  const std::vector<std::string> vereine = {"Schützengesellschaft Edelweiß Stephanskirchen I",
                                            "Zimmerstutzenschützen Großkarolinenfeld 1893 II",
                                            "SG Hubertus Au III"};
  const std::vector<std::string> klassen = {"Gauoberliga", "Bezirksliga", "Kreisklasse"};
  const std::vector<std::string> strassen = {"Am Schießstand 1", "Hauptstraße 12a", "Kirchweg 3"};
  const std::vector<std::string> orte = {"Großkarolinenfeld", "Stephanskirchen", "Au"};
  const std::vector<std::string> telefone = {"08031 940 12-34", "0171 555 12 34 56", "08065 12"};
  const std::vector<std::string> mails = {"k.strauss01@sg-hubertus.de", "schuetzenmeister@edelweiss-stephanskirchen.de",
                                          "info@au.de"};
  std::vector<SpaltenBedarf> s = {spalte(c, "Klasse", klassen), spalte(c, "Mannschaft", vereine),
                                  spalte(c, "Strasse", strassen), spalte(c, "Ort", orte),
                                  spalte(c, "Tel.", telefone), spalte(c, "Mail", mails)};
  for (int summe : {3400, 3000, 2700}) {
    const std::vector<int> neu = SpaltenNachBedarf(c, s, summe);
    EXPECT_EQ(std::accumulate(neu.begin(), neu.end(), 0), summe);
    const Druck d = drucke(c, s, neu), alt = drucke(c, s, gleicherBruchteil(c, s, summe));
    EXPECT_LT(d.zeilen + kSchnittKosten * d.schnitte, alt.zeilen + kSchnittKosten * alt.schnitte) << summe;
    EXPECT_LE(d.schnitte, alt.schnitte) << summe;
    EXPECT_EQ(d.mailSchnitte, 0) << summe;
    EXPECT_GE(neu[4], c.textWidth("0171 555 12 34 56")) << "a telephone stands whole";
  }
}

// Where the texts fit on one line the shares follow the list's own; where even headings and
// numbers do not fit every column gives in proportion. The page is always filled exactly.
TEST(SpaltenNachBedarf, TextsOnOneLineKeepTheListsSharesAndThePageHolds) {
  RecordingCanvas c;
  c.setFontSize(10);
  const struct {
    int summe;
    std::vector<int> wunsch;
    std::vector<int> breite;
  } faelle[] = {
      // Every text fits in its own share: the shares stand.
      {1500, {300, 700, 500}, {300, 700, 500}},
      // Wishes below the page: the columns grow with them.
      {1500, {300, 350, 100}, {500, 583, 417}},
      // A share too narrow for its text: the column takes its text's width, the others give.
      {1500, {300, 200, 1000}, {292, 250, 958}},
      // Not even the headings and numbers fit.
      {600, {300, 700, 500}, {149, 225, 226}},
  };
  for (const auto& f : faelle) {
    std::vector<SpaltenBedarf> s = {spalte(c, "Rang", {"1", "12"}, f.wunsch[0]),
                                    spalte(c, "Verein", {"SG Au", "Tal I"}, f.wunsch[1]),
                                    spalte(c, "Ringe", {"1234,5"}, f.wunsch[2])};
    const std::vector<int> b = SpaltenNachBedarf(c, s, f.summe);
    EXPECT_EQ(b, f.breite) << f.summe << " " << f.wunsch[1];
    EXPECT_EQ(std::accumulate(b.begin(), b.end(), 0), f.summe);
  }
}

// A row is as high as its tallest cell: room that cannot lower a row goes where it can. Two
// columns wrap in the first row, a third alone in the third; the room for one text goes to
// the third.
TEST(SpaltenNachBedarf, RoomGoesWhereItLowersARow) {
  RecordingCanvas c;
  c.setFontSize(10);
  std::vector<SpaltenBedarf> s = {spalte(c, "A", {"Aaaaaa Bbbbbb", "x", "x"}), spalte(c, "B", {"Cccccc Dddddd", "x", "x"}),
                                  spalte(c, "C", {"x", "x", "Eeeeee Ffffff"})};
  const std::vector<int> b = SpaltenNachBedarf(c, s, 1100);
  int zeilen = 0;
  for (size_t r = 0; r < 3; ++r) {
    int hoch = 0;
    for (size_t i = 0; i < 3; ++i)
      hoch = std::max(hoch, c.lineCount(s[i].Texte[static_cast<size_t>(s[i].Zellen[r])].text, b[i]));
    zeilen += hoch;
  }
  EXPECT_EQ(zeilen, 4) << b[0] << " " << b[1] << " " << b[2];
}

// The weights of the sharing, each on a table where a wrong weight prints worse: a cut word
// costs more than a row's line, a cut not at a syllable more than one at a syllable, and a
// row is lowered only to its next tallest cell.
TEST(SpaltenNachBedarf, CutsAndRowsWeighAsTheyPrint) {
  RecordingCanvas c;
  c.setFontSize(10);
  const struct {
    std::vector<std::pair<std::string, std::vector<std::string>>> spalten;
    int summe, reihen, schnitte;
    std::string ganz;  // a word that stands whole on a line
  } faelle[] = {
      {{{"HHHHH", {"Tal Tal", "Gauoberliga Tal"}}, {"HHHHHH", {"Tell Bad", "Tell Tal"}}}, 708, 4, 0, "Gauoberliga"},
      {{{"HHH", {"Qxxqxxqxx Cc"}}, {"HHH", {"Gauoberliga"}}}, 791, 2, 1, "Qxxqxxqxx"},
      {{{"HHH", {"Kolbermoor", "Gauoberliga"}}, {"HHHHHHHH", {"Tell Wasserburg", "Gauoberliga SG"}}}, 791, 4, 2, ""},
  };
  for (const auto& f : faelle) {
    std::vector<SpaltenBedarf> s;
    for (const auto& [titel, texte] : f.spalten) s.push_back(spalte(c, titel, texte));
    const std::vector<int> b = SpaltenNachBedarf(c, s, f.summe);
    int reihen = 0, geschnitten = 0;
    bool ganz = f.ganz.empty();
    for (size_t r = 0; r < f.spalten[0].second.size(); ++r) {
      int hoch = 0;
      for (size_t i = 0; i < s.size(); ++i) {
        const std::string& text = f.spalten[i].second[r];
        const std::vector<std::string> z = c.wrapText(text, b[i]);
        hoch = std::max(hoch, static_cast<int>(z.size()));
        geschnitten += schnitte(text, z);
        for (const std::string& zeile : z) ganz = ganz || zeile == f.ganz;
      }
      reihen += hoch;
    }
    EXPECT_LE(reihen, f.reihen) << f.summe << " " << b[0] << " " << b[1];
    EXPECT_LE(geschnitten, f.schnitte) << f.summe << " " << b[0] << " " << b[1];
    EXPECT_TRUE(ganz) << f.ganz;
  }
}
