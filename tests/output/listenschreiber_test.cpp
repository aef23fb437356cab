// The writers of the six kinds on a small season with tenths, a club "Schütze & Söhne" and a
// captain "<Max>", compared with files written by hand.
#include <cstdlib>
#include <ctime>

#include "core/helpers.h"
#include "output/listenschreiber.h"
#include "platform/qprintercanvas.h"
#include "platform/text.h"
#include "ranking/ranking.h"
#include "ranking/sortsaison.h"
#include "support/filebytes.h"
#include "support/outputtime.h"
#include "support/pdftext.h"

class ListenschreiberTest : public SortSaison {
 protected:
  FixedOutputTime time_;  // the lists carry a fixed date
  void SetUp() override {
    SortSaison::SetUp();
    setFieldText(gEinstellungen.Gauname, "Gau Süd");
    gEinstellungen.AktDisznr = 0;
    db::exec(gDbHaupt,
             "UPDATE Disznamen SET Saisonname='2026/27', Zehntelflag=1 WHERE Nr=0;"
             "UPDATE Vereine_gau SET Name='Schütze & Söhne' WHERE Nummer=20;"
             "UPDATE Mscherg SET Ringerg=1935 WHERE Mklnr=1 AND Vrnr=10 AND Ergnr=1;"
             "INSERT INTO Msch_fuehrer (Disznr, Vrnr, Rmschnr, Name, Strasse, Plz, Ort, Tel_a, "
             "Tel_b, Fax, Mail) VALUES (0, 20, 1, '<Max>', 'Hauptstr. 5', '80002', 'München', "
             "'7', '8', '9', 'max@x.de');");
  }
  static _sort_ausgabe ausgabe(int art, int sortart, int durchgang, int mklnr = 0) {
    _sort_ausgabe a;
    a.Listenart = art;
    a.Sortart = sortart;
    a.Durchgang = durchgang;
    a.Mklnr = mklnr;
    a.Zehntelflag = 1;
    a.MinErgAnzahl = 1;
    return a;
  }
};

TEST_F(ListenschreiberTest, TextAndHtmlShowThePagesRows) {
  BerechneMannschaftstabellen(1, 0);
  WriteTxtMschTabellen(ausgabe(1, 1, 1));
  EXPECT_EQ(gIntdat.AusgabeText, expectedFile("output", "mannschaftstabellen.txt"));
  WriteHtmlMschTabellen(ausgabe(1, 1, 1));
  EXPECT_NE(gIntdat.AusgabeText.find("<td class=\"hell\">&nbsp;Sch&uuml;tze &amp; S&ouml;hne "
                                     "I&nbsp;</td>"),
            std::string::npos);

  WriteTxtMschErgebnisse(ausgabe(2, 2, 0, 3));
  EXPECT_EQ(gIntdat.AusgabeText, expectedFile("output", "aufstellungen.txt"));
  WriteHtmlMschErgebnisse(ausgabe(2, 2, 0, 3));
  EXPECT_NE(gIntdat.AusgabeText.find("<td class=\"hell\" align=\"center\"><b>&nbsp;191.0&nbsp;</b>"),
            std::string::npos)
      << "the sum row is bold";

  EXPECT_EQ(WriteTxtMschFuehrer(20, 0), expectedFile("output", "mannschaftsleiter.txt"));
  EXPECT_EQ(WriteHtmlMschFuehrer(20, 0), expectedFile("output", "mannschaftsleiter.html"))
      << "no style sheet set: no link";

  _sort_ausgabe schnitte = ausgabe(3, 1, 1, 1);
  schnitte.Endwertung = 1;
  schnitte.MinErgAnzahl = 2;
  BerechneEinzelwertung(1, 1, 1, 0, 2, 1, 0);
  WriteTxtEinzelErgebnisse(schnitte);
  EXPECT_EQ(gIntdat.AusgabeText, expectedFile("output", "endwertung.txt"));

  WriteTxtKlassenErgebnisse(ausgabe(4, 3, 0, 3));
  EXPECT_EQ(gIntdat.AusgabeText, expectedFile("output", "klassenergebnisse.txt"));
}

TEST_F(ListenschreiberTest, CaptainsAsDbaseTable) {
  db::exec(gDbHaupt,
           "UPDATE Msch_fuehrer SET Name='Graf von Hohenzollern-Sigmaringen zu Oberammergau, "
           "Friedrich' WHERE Vrnr=10;");
  _sort_ausgabe a = ausgabe(6, 0, 0);
  a.Vrnr = 20;
  a.Dateiname = dir->file("leiter.dbf");
  ASSERT_TRUE(WriteDbfMschFuehrer(a));
  EXPECT_EQ(readFileBytes(a.Dateiname), expectedFile("output", "mannschaftsleiter.dbf"));
  EXPECT_EQ(gIntdat.AusgabeText, "dbf");
}

TEST_F(ListenschreiberTest, EveryPrintedListReadsBackFromPdf) {
  BerechneMannschaftstabellen(1, 0);
  BerechneMannschaftsringschnitte(1, 0);
  _sort_ausgabe verein = ausgabe(5, 1, 2);
  verein.Vrnr = 10;
  struct Fall {
    bool (*drucke)(PrintCanvas&, const _sort_ausgabe&);
    const char* text;
  } faelle[] = {
      {[](PrintCanvas& c, const _sort_ausgabe& a) { return PrintMschTabellen(c, a); },
       "Mannschaftstabellen nach Durchgang 2"},
      {[](PrintCanvas& c, const _sort_ausgabe& a) { return PrintMschErgebnisse(c, a); },
       "Mannschaftsaufstellungen Durchgang 1"},
      {[](PrintCanvas& c, const _sort_ausgabe& a) { return PrintEinzelErgebnisse(c, a); },
       "Ergebnisse Durchgang 1"},
      {[](PrintCanvas& c, const _sort_ausgabe& a) { return PrintKlassenErgebnisse(c, a); },
       "Tabelle, Mannschafts- + Einzelerg. Durchgang 1"},
      {[](PrintCanvas& c, const _sort_ausgabe& a) { return PrintVereinsErgebnisse(c, a); },
       "Kurt"},
      {[](PrintCanvas& c, const _sort_ausgabe&) { return PrintMschFuehrer(c, 20, 0); }, "<Max>"},
  };
  const _sort_ausgabe args[] = {ausgabe(1, 1, 1), ausgabe(2, 2, 0, 3), ausgabe(3, 0, 0),
                                ausgabe(4, 3, 0, 3), verein, {}};
  for (size_t i = 0; i < std::size(faelle); ++i) {
    if (i == 2) BerechneEinzelwertung(0, 0, 0, 0, 1, 1, 0);
    const std::string pdf = dir->file("liste" + str(static_cast<long long>(i)) + ".pdf");
    {
      auto canvas = QPrinterCanvas::toPdf(pdf);
      ASSERT_TRUE(faelle[i].drucke(*canvas, args[i])) << i;
    }
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find(qs(faelle[i].text).toStdString()), std::string::npos) << faelle[i].text;
    EXPECT_NE(text.find("Kerbwerk2006"), std::string::npos) << i;
  }
}
