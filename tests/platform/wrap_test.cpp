#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "platform/hyphenation.h"
#include "platform/printcanvas.h"

namespace {

// A word written with its syllables ("Bahn-hof-stra-\xDF" "e"): the word, and where it may be cut.
std::pair<std::string, std::set<size_t>> silben(const std::string& geschrieben) {
  std::string wort;
  std::set<size_t> stellen;
  for (char c : geschrieben)
    if (c == '-')
      stellen.insert(wort.size());
    else
      wort += c;
  return {wort, stellen};
}

std::string ohneLeerUndStrich(const std::string& s) {
  std::string out;
  for (char c : s)
    if (c != ' ' && c != '-') out += c;
  return out;
}

// Each text wrapped in a column as wide as `zeichen` letters of 10 points.
struct Umbruch {
  std::string text;
  size_t zeichen;
  std::vector<std::string> zeilen;
};

void pruefe(const std::vector<Umbruch>& faelle) {
  RecordingCanvas c;
  c.setFontSize(10);
  for (const Umbruch& f : faelle) EXPECT_EQ(c.wrapText(f.text, c.textWidth(std::string(f.zeichen, 'x'))), f.zeilen) << f.text;
}

}  // namespace

// Common words of a district's lists, each with its correct syllables. A single letter is not
// set off as a syllable of its own. The program may cut fewer places, never a wrong one.
TEST(Syllables, CommonWordsAreCutOnlyWhereAReaderExpects) {
  const char* const woerter[] = {
      // streets
      "Bahn-hof-stra-\xDF" "e", "Fried-hof-stra-\xDF" "e", "Bahn-hof-stras-se", "Rat-haus-stra-\xDF" "e",
      "Haupt-stra-\xDF" "e", "Schul-stra-\xDF" "e", "Kreis-stras-se", "Dorf-stra-\xDF" "e", "Gar-ten-stra-\xDF" "e",
      "Lin-den-stra-\xDF" "e", "Kir-chen-stra-\xDF" "e", "Kirch-gas-se", "M\xFCh-len-weg", "Markt-platz",
      "Bahn-hof-platz", "Wie-sen-weg", "Schie\xDF-stand", "Schloss-berg",
      // leagues, clubs, the lists' words
      "Be-zirks-ober-li-ga", "Kreis-ober-li-ga", "Gau-ober-li-ga", "Gau-ober-sch\xFCt-zen-meis-ter", "Kreis-li-ga", "Be-zirks-klas-se",
      "Se-ni-oren-klas-se", "Sch\xFCt-zen-ge-sell-schaft", "Feu-er-sch\xFCt-zen", "Zim-mer-stut-zen",
      "Mann-schafts-f\xFCh-rer", "Sch\xFCt-zen-ver-ein", "Sch\xFCt-zen-meis-ter", "Ge-birgs-sch\xFCt-zen",
      "Luft-ge-wehr", "Luft-pis-to-le", "Klein-ka-li-ber", "Klein-ka-li-ber-auf-la-ge", "Bo-gen-sch\xFCt-zen",
      "Edel-wei\xDF", "Hu-ber-tus", "Ge-m\xFCt-lich-keit", "Run-den-wett-kampf", "Wett-kampf-lei-ter",
      "Ver-eins-meis-ter-schaft", "R\xFC" "ck-run-de", "Vor-run-de", "Ein-zel-er-geb-nis-se",
      // places
      "Ro-sen-heim", "Tun-ten-hau-sen", "Os-ter-m\xFCn-chen", "Ste-phans-kir-chen",
      "Gro\xDF-ka-ro-li-nen-feld", "Was-ser-burg", "Traun-stein", "Bran-nen-burg", "Kol-ber-moor",
      "Re-gens-burg", "Pfaf-fen-ho-fen", "Kie-fers-fel-den", "Neu-beu-ern", "Berch-tes-ga-den",
      "Frei-las-sing", "Wa-ckers-berg", "Au-er-bach"};
  for (const char* w : woerter) {
    const auto [wort, richtig] = silben(w);
    for (size_t p : syllableBreaks(wort))
      EXPECT_TRUE(richtig.count(p)) << w << ": cut after " << wort.substr(0, p);
  }
  // Where the patterns alone cut a letter off a compound's part, the cut moves to the joint.
  const struct {
    const char* geschrieben;
    size_t stelle;
  } fugen[] = {{"Bahnhof-stra\xDF" "e", 7}, {"Friedhof-stra\xDF" "e", 8}, {"Kreis-oberliga", 5},
               {"Kleinkaliber-auflage", 12}};
  for (const auto& f : fugen) {
    const std::vector<size_t> b = syllableBreaks(silben(f.geschrieben).first);
    EXPECT_NE(std::find(b.begin(), b.end(), f.stelle), b.end()) << f.geschrieben;
  }
}

TEST(Wrapping, HouseNumbersStayWithTheirStreetAndLetter) {
  pruefe({
      {"Bahnhofplatz 2 b", 12, {"Bahnhof-", "platz 2 b"}},
      {"Hauptstra\xDF" "e 12 a", 12, {"Haupt-", "stra\xDF" "e 12 a"}},
      {"Bahnhofstra\xDF" "e 117a", 12, {"Bahnhof-", "stra\xDF" "e 117a"}},
      // Where the street takes a line of its own, number and letter go on together.
      {"Weg 12 a", 5, {"Weg", "12 a"}},
      {"Weg 12a", 5, {"Weg", "12a"}},
      // A letter standing alone is no house number's.
      {"Abt. 3 Sch\xFCtzen b", 11, {"Abt. 3", "Sch\xFCtzen b"}},
  });
}

// Whatever the width and indent, wrapping neither throws nor loses a letter, and each line
// fits its width or holds a single character.
TEST(Wrapping, NoWidthOrIndentThrowsOrLosesALetter) {
  RecordingCanvas c;
  c.setFontSize(10);
  EXPECT_EQ(c.wrapText("Abcdefghij", 100, 80),
            (std::vector<std::string>{"Ab", "c", "d", "e", "f", "g", "h", "i", "j"}));
  const std::string texte[] = {"Abcdefghij", "Bahnhofplatz 2 b", "  SG Au-Tal I", "max.mayr@sg-au.de",
                               "Tel. 0171 555 12 34", "Sch\xFCtzengesellschaft Edelwei\xDF"};
  for (const std::string& text : texte)
    for (int breite = 1; breite <= c.textWidth(text) + 1; breite += 7)
      for (int einzug : {0, breite / 2, breite, 3 * breite}) {
        std::vector<std::string> zeilen;
        ASSERT_NO_THROW(zeilen = c.wrapText(text, breite, einzug)) << text << " " << breite << " " << einzug;
        EXPECT_NO_THROW(c.textProfile(text).countAt(breite, einzug));
        std::string alle;
        for (size_t i = 0; i < zeilen.size(); ++i) {
          const std::string& z = zeilen[i];
          alle += z;
          const int platz = i == 0 ? breite : breite - einzug;
          EXPECT_TRUE(c.textWidth(z) <= platz || ohneLeerUndStrich(z).size() <= 1)
              << text << " " << breite << " " << einzug << ": " << z;
        }
        EXPECT_EQ(ohneLeerUndStrich(alle), ohneLeerUndStrich(text)) << breite << " " << einzug;
      }
}

// Slips a cut inside a word could make.
TEST(Wrapping, CutsKeepThreeLettersAndBreakDotsOnlyInAddresses) {
  pruefe({
      // No syllable: three letters go on, not two.
      {"Xxxxxxxxxxx", 10, {"Xxxxxxxx-", "xxx"}},
      // A dotted word that is no address breaks at its syllables, not after its dots.
      {"St.Georgen", 8, {"St.Geor-", "gen"}},
      {"SG Aa e.V. Bbbbb", 8, {"SG Aa", "e.V.", "Bbbbb"}},
      // An address never gets a hyphen.
      {"abcdefghijklm@x", 10, {"abcdefghij", "klm@x"}},
  });
}
