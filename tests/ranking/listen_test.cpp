// The sorted lists on the hand-made season of sortsaison.h; expected rows written by hand.
#include "ranking/listen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ranking/ranking.h"
#include "ranking/sortsaison.h"

namespace {

using Texte = std::vector<std::string>;

// Each row as its cells joined by '|', bold rows marked with a leading '*', rows that go on
// with the entry above with a '+'.
Texte zeilen(const ListenTabelle& t) {
  Texte out;
  for (const ListenZeile& z : t.Zeilen) {
    std::string s = std::string(z.Folgezeile ? "+" : "") + (z.Fett ? "*" : "");
    for (size_t i = 0; i < z.Zellen.size(); ++i) s += (i ? "|" : "") + z.Zellen[i];
    out.push_back(s);
  }
  return out;
}

Texte spalte(const ListenTabelle& t, size_t c) {
  Texte out;
  for (const ListenZeile& z : t.Zeilen) out.push_back(z.Zellen.at(c));
  return out;
}

Texte titel(const ListenTabelle& t) {
  Texte out;
  for (const ListenSpalte& s : t.Spalten) out.push_back(s.Titel);
  return out;
}

using SortListen = SortSaison;

TEST_F(SortListen, LineUpsPutCountedShootersFirstAndTheSumAfterTheCount) {
  // Home: the substitute stored first goes after the counted ones; the guest side is longer.
  EXPECT_EQ(zeilen(AufstellungenListe(0, 3, 1, 0)),
            (Texte{"*||Adler II||-||Habicht I|", "+|202|Egon|96| |302|Hans|97",
                   "+|201|Dora|95| |301|Gabi|94", "+*|||191||||191", "+|205|Franz|90| |303|Ida|93",
                   "+| | | | |304|Jan|92", "|||||||"}));
  // Both sides shorter than the three counted shooters: no sum row.
  EXPECT_EQ(zeilen(AufstellungenListe(0, 1, 1, 1)),
            (Texte{"*||Adler I||-||Falke I|", "+|101|Anna|97.0| |111|Carl|97.0",
                   "+|102|Bernd|96.0| | | | ", "|||||||"}));
  // A round beyond the class's match days is its last one.
  EXPECT_EQ(zeilen(AufstellungenListe(0, 1, 9, 0)).front(), "*||Falke I||-||Adler I|");
}

TEST_F(SortListen, EqualValuesShareTheFirstRank) {
  struct Fall {
    int anzeige, durchgang;
    Texte raenge;
  };
  for (const Fall& f : {Fall{0, 1, {"1", "", "3"}}, Fall{1, 2, {"1", "", "3"}}}) {
    BerechneEinzelwertung(f.anzeige, 1, f.durchgang - 1, 0, 1, 0, 0);
    ListenTabelle t = EinzelergebnisListe(f.anzeige, 0, 1, f.durchgang, 0);
    EXPECT_EQ(spalte(t, 0), f.raenge) << f.anzeige;
  }
  EXPECT_EQ(zeilen(EinzelergebnisListe(1, 0, 1, 2, 0)).front(), "1|101|Anna|Adler|95.25|2");
  // Averages with a column per round, every result of the class.
  ListenTabelle t = EinzelergebnisListe(2, 0, 1, 2, 0);
  EXPECT_EQ(titel(t), (Texte{"Rang", "Passnr.", "Name", "Verein", "Schnitt", "E1", "E2"}));
  EXPECT_EQ(zeilen(t).back(), "3|102|Bernd|Adler|95.00|96|94");

  BerechneMannschaftsringschnitte(0, 0);
  ListenTabelle m = MannschaftsRingschnittListe();
  EXPECT_EQ(spalte(m, 1), (Texte{"1", "2", " ", "4"}));
  EXPECT_EQ(zeilen(m)[1], "|2|Adler II|Liga|191.00|1||");

  // Sorted team tables give every team its position, equal points or not.
  BerechneMannschaftstabellen(1, 0);
  EXPECT_EQ(
      zeilen(MannschaftstabellenListe(0, 0)),
      (Texte{"Liga|1|Adler I|2 : 2|386|2|193.00", "|2|Falke I|2 : 2|291|2|145.50", "||||||",
             "Liga|1|Adler II|1 : 1|191|1|191.00", "|2|Habicht I|1 : 1|191|1|191.00", "||||||"}));
}

TEST_F(SortListen, ClassResultsTakeTheClassByItsNumber) {
  // Both classes are named "Liga"; Nr 3 alone has a pairing in round 4.
  KlassenListen l = KlassenergebnisListen(0, 3, 9, 2, 0, 1, 0);
  EXPECT_EQ(zeilen(l.Oben).front(), "*|Liga||||");
  EXPECT_EQ(zeilen(l.Unten), (Texte{"1|Adler II|Habicht I|191- 191", "|||", "|||", "|||",
                                    "4|Habicht I|Adler II|0- 0", "|||"}));
  l = KlassenergebnisListen(0, 3, 1, 0, 0, 1, 0);
  EXPECT_EQ(zeilen(l.Oben), (Texte{"Adler II|Habicht I|191 - 191"}));
  EXPECT_EQ(spalte(l.Unten, 2).front(), "Hans");
  EXPECT_EQ(gEergSortListe.front().Vereinsname, "Habicht I");
}

TEST_F(SortListen, ClubResults) {
  // Nina's only result is 0 rings.
  EXPECT_EQ(spalte(VereinsergebnisListe(0, 10, 0, false, 0), 2),
            (Texte{"Anna", "Bernd", "Dora", "Egon", "Franz", "Kurt", "Lena", "Max", "Nina"}));
  EXPECT_EQ(spalte(VereinsergebnisListe(0, 10, 0, true, 0), 2).back(), "Max");
  // Team changers in round order: Lena's change brought 0 rings only.
  ListenTabelle w = VereinsergebnisListe(0, 10, 1, false, 0);
  EXPECT_EQ(titel(w), (Texte{"", "Passnr.", "Name", "Dg1", "Dg2", "Dg3"}));
  EXPECT_EQ(zeilen(w), (Texte{"|120|Kurt|1|1|2"}));
}

TEST_F(SortListen, CaptainsOfOneClubListEveryTeamOfItsClasses) {
  EXPECT_EQ(zeilen(MannschaftsleiterListe(0, 20, 0)),
            (Texte{"Liga|Adler I|089-111|Otto|Weg 1|80000|Dorf|1|2|3|o@x.de",
                   "|Falke I|089-222||||||||", "||||||||||"}));
  EXPECT_EQ(spalte(MannschaftsleiterListe(0, 0, 3), 1), (Texte{"Adler II", "Habicht I", ""}));
  EXPECT_EQ(MannschaftsleiterListe(0, 0, 0).Zeilen.size(), 6u);
}

}  // namespace
