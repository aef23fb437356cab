// Saving a sorted list: the dispatcher picks the writer by kind and format and never writes
// what an earlier output left behind; the dBASE form of the individual results; a write cut
// short by every writer of whole files.
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <tuple>
#include <utility>

#include "core/datafile.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/savefile.h"
#include "core/settings.h"
#include "output/listenschreiber.h"
#include "output/sortausgabe.h"
#include "platform/text.h"
#include "ranking/ranking.h"
#include "support/filebytes.h"
#include "support/filelimit.h"
#include "support/outputtime.h"
#include "support/testenv.h"

namespace fs = std::filesystem;

class SortausgabeTest : public DatabaseTest {
 protected:
  FixedOutputTime time_;  // the lists carry a fixed date
  void SetUp() override {
    DatabaseTest::SetUp();
    const std::string longName = "Graf von Hohenzollern-Sigmaringen zu Oberammergau, Friedrich";
    gEergSortListe = {{1, 975.0f, 975, 101, "Müller, Anna", "SV Tal", 2, 1},
                      {1, 975.0f, 975, 102, longName, "Schütze & Söhne", 3, 1},
                      {1, 960.0f, 960, 103, "Bauer, Max", "SV Tal", 2, 1}};
  }
  void TearDown() override {
    gEergSortListe.clear();
    DatabaseTest::TearDown();
  }
  _sort_ausgabe ausgabe(int art, int format) {
    _sort_ausgabe a;
    a.Listenart = art;
    a.Dateiformat = format;
    a.Disznr = 1;
    a.Zehntelflag = 1;
    a.MinErgAnzahl = 1;
    return a;
  }
};

TEST_F(SortausgabeTest, NothingIsWrittenWithoutAWriterOrFolder) {
  struct Fall {
    int art, format;
    const char* file;
  } faelle[] = {{0, 1, "a.txt"}, {7, 2, "a.html"}, {3, 0, "a.txt"}, {3, 4, "a.txt"},
                {1, 3, "a.dbf"}, {2, 3, "a.dbf"}, {4, 3, "a.dbf"}, {5, 3, "a.dbf"},
                {3, 1, "fehlt/a.txt"}, {3, 3, "fehlt/a.dbf"}};
  for (const Fall& f : faelle) {
    const std::string file = dir->file(f.file);
    if (fs::exists(fs::path(file).parent_path())) writeFileBytes(file, "alt");
    gIntdat.AusgabeText = "Text einer fr\xFChren Ausgabe";
    EXPECT_FALSE(WriteSortierteAusgabe(file, ausgabe(f.art, f.format)))
        << f.art << "/" << f.format << " " << f.file;
    if (fs::exists(fs::path(file).parent_path())) {
      EXPECT_EQ(readFileBytes(file), "alt") << f.file;
    }
  }
}

TEST_F(SortausgabeTest, IndividualResultsAsDbaseFileAndTextReplacingTheOldFile) {
  const std::string dbf = dir->file("einzel.dbf");
  writeFileBytes(dbf, "alt");
  ASSERT_TRUE(WriteSortierteAusgabe(dbf, ausgabe(3, 3)));
  EXPECT_EQ(readFileBytes(dbf), expectedFile("output", "einzel.dbf"));
  EXPECT_EQ(gIntdat.AusgabeText, "dbf");

  const std::string txt = dir->file("einzel.txt");
  writeFileBytes(txt, std::string(5000, 'x'));
  ASSERT_TRUE(WriteSortierteAusgabe(txt, ausgabe(3, 1)));
  EXPECT_EQ(readFileBytes(txt), gIntdat.AusgabeText);
}

// The averages form: SCHNITT N 7.2 and ANZAHL N 3, each average rounded as the text list
// shows it.
TEST_F(SortausgabeTest, DbaseAveragesAreRoundedAsTheTextListShowsThem) {
  gEergSortListe = {{4, 957.25f, 0, 101, "A", "SV Tal", 2, 1},
                    {3, 2851.0f / 3.0f, 0, 102, "B", "SV Tal", 2, 1},
                    {12, 900.0f, 0, 103, "C", "SV Tal", 2, 1}};
  _sort_ausgabe a = ausgabe(3, 3);
  a.Sortart = 1;
  const std::string dbf = dir->file("schnitt.dbf");
  ASSERT_TRUE(WriteSortierteAusgabe(dbf, a));
  const std::string b = readFileBytes(dbf);
  const size_t kopf = static_cast<unsigned char>(b.at(8)) | static_cast<unsigned char>(b.at(9)) << 8;
  for (auto [feld, laenge, stellen] : {std::tuple{"SCHNITT", 7, 2}, {"ANZAHL", 3, 0}}) {
    const size_t f = b.find(feld);
    ASSERT_LT(f, kopf) << feld;
    EXPECT_EQ(b[f + 11], 'N') << feld;
    EXPECT_EQ(static_cast<int>(b[f + 16]), laenge) << feld;
    EXPECT_EQ(static_cast<int>(b[f + 17]), stellen) << feld;
  }
  // The average and the count close each record.
  for (const char* s : {"  95.73  4", "  95.03  3", "  90.00 12"})
    EXPECT_NE(b.find(s, kopf), std::string::npos) << s;

  a.Dateiformat = 1;
  ASSERT_TRUE(WriteSortierteAusgabe(dir->file("schnitt.txt"), a));
  for (const char* s : {"\t95.73\t4", "\t95.03\t3", "\t90.00\t12"})
    EXPECT_NE(gIntdat.AusgabeText.find(s), std::string::npos) << s << " in\n" << gIntdat.AusgabeText;
}

TEST_F(SortausgabeTest, DbaseWriterReportsAFileItCouldNotWrite) {
  gIntdat.AusgabeText = "vorher";
  _sort_ausgabe a = ausgabe(3, 3);
  a.Dateiname = dir->file("fehlt/einzel.dbf");
  EXPECT_FALSE(WriteDbfEinzelErgebnisse(a));
  EXPECT_EQ(gIntdat.AusgabeText, "vorher");
}

// A file cut short (a full disk, here a file-size limit) is no file: each writer says so with
// the reason, and the old file stays whole with nothing left beside it.
TEST_F(SortausgabeTest, AWriteCutShortFailsWithItsReasonAndKeepsTheOldFile) {
  using Schreiber = std::function<bool(const std::string&, std::string*)>;
  auto liste = [this](int format) -> Schreiber {
    return [this, format](const std::string& file, std::string* why) {
      const bool ok = WriteSortierteAusgabe(file, ausgabe(3, format));
      *why = takeSaveError();
      return ok;
    };
  };
  const std::pair<const char*, Schreiber> faelle[] = {
      {"liste.txt", liste(1)},
      {"liste.dbf", liste(3)},
      {"Zikoconfig.cnf", [](const std::string& file, std::string* why) { return SaveSettings(file, why); }},
      {"saison.rwk",
       [](const std::string& file, std::string* why) {
         QString reason;
         const bool saved = SaveDataFile(file, &reason);
         *why = fromQs(reason);
         return saved;
       }},
  };
  const fs::path ordner = dir->file("alt");
  fs::create_directory(ordner);
  for (const auto& [name, schreiber] : faelle) {
    const std::string file = (ordner / name).string();
    writeFileBytes(file, "alt");
    std::string why;
    bool written = true;
    {
      FileSizeLimit limit(64);
      written = schreiber(file, &why);
    }
    EXPECT_FALSE(written) << name;
    EXPECT_EQ(why, "die Datei ist zu gro\xDF") << name;
    EXPECT_EQ(readFileBytes(file), "alt") << name;
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), fs::directory_iterator()), 1) << name;
    fs::remove(file);
  }
}
