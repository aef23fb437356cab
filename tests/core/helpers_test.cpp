#include "core/helpers.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/db.h"
#include "core/globals.h"
#include "support/filebytes.h"
#include "support/testenv.h"

namespace fs = std::filesystem;

using TeamNameTest = DatabaseTest;

TEST_F(TeamNameTest, ClubNameWithRomanNumeralBlankOrNothing) {
  EXPECT_EQ(MannschaftsName(1, 2), "Verein 1 II");
  EXPECT_EQ(MannschaftsName(1, 20), "Verein 1 XX");
  EXPECT_EQ(MannschaftsName(1, 0), "Verein 1  ");
  EXPECT_EQ(MannschaftsName(1, 21), "Verein 1 ");
  EXPECT_EQ(MannschaftsName(987654, 1), "");
}

TEST_F(TeamNameTest, LongOrQuotedClubNamesAreSafe) {
  ASSERT_TRUE(db::exec(gDbHaupt, "UPDATE Vereine_gau SET Name=? WHERE Nummer=1;",
                       {std::string(500, 'x')}));
  EXPECT_EQ(MannschaftsName(1, 3).size(), 199u);

  ASSERT_TRUE(db::exec(gDbHaupt, "UPDATE Vereine_gau SET Name=? WHERE Nummer=1;",
                       {"SV \"Tell\""}));
  EXPECT_EQ(MannschaftsName(1, 4), "SV \"Tell\" IV");
}

TEST(TextHelpers, TrimRightKeepsTheFirstCharacter) {
  std::string blanks = "   ";
  EXPECT_EQ(TrimRight(blanks), " ");
  std::string word = "Wort  ";
  EXPECT_EQ(TrimRight(word), "Wort");
  std::string padded("Name\0\0 ", 7);
  EXPECT_EQ(TrimRight(padded), "Name");
  std::string empty;
  EXPECT_EQ(TrimRight(empty), "");
}

TEST(TextHelpers, SwapNameWords) {
  std::string name = "Hans  Huber";
  EXPECT_EQ(SwapNameWords(1, name), "Huber Hans");
  std::string single = "Huber";
  EXPECT_EQ(SwapNameWords(1, single), "Huber");
  std::string trailing = "Huber   ";
  EXPECT_EQ(SwapNameWords(1, trailing), "Huber");
  std::string kept = "Hans  Huber";
  EXPECT_EQ(SwapNameWords(0, kept), "Hans  Huber");

  std::string longName = std::string(80, 'a') + " " + std::string(80, 'b');
  EXPECT_EQ(SwapNameWords(1, longName), std::string(49, 'b') + " " + std::string(49, 'a'));
}

TEST(TextHelpers, CodePageConversions) {
  EXPECT_EQ(HtmlUmlaute("Schütze"), "Sch&uuml;tze");

  EXPECT_EQ(AnsiToDos("Schütze"), "Sch\x81tze");
  EXPECT_EQ(AnsiToDos(std::string(100, 'x')).size(), 49u);
  EXPECT_EQ(AnsiToDos(""), "");

  // Back from DOS: umlauts, double quotes and trailing blanks.
  std::string dos = "\x84\x94\x81\x8E\x99\x9A\xE1 \"A\"   ";
  EXPECT_EQ(DosToAnsi(dos), "äöüÄÖÜß 'A'");
  std::string roundTrip = AnsiToDos("Müller Öß");
  EXPECT_EQ(DosToAnsi(roundTrip), "Müller Öß");
}

TEST(TextHelpers, QuoteForSqlReplacesQuotesWithinItsLimit) {
  std::string text = "Verein \"Tell\"";
  EXPECT_EQ(QuoteForSql(text), "Verein 'Tell'");
  std::string longText(300, '"');
  EXPECT_EQ(QuoteForSql(longText), std::string(99, '\''));
}

TEST(FileHelpers, WriteTextFile) {
  ScopedWorkDir dir;
  EXPECT_TRUE(WriteTextFile(dir.file("leer.txt"), ""));
  EXPECT_FALSE(fs::exists(dir.file("leer.txt")));

  const std::string text("Zeile 1\r\nSch\xFCtze\0Ende", 21);
  ASSERT_TRUE(WriteTextFile(dir.file("aus.txt"), text));
  EXPECT_EQ(readFileBytes(dir.file("aus.txt")), text);
  ASSERT_TRUE(WriteTextFile(dir.file("aus.txt"), "kurz"));
  EXPECT_EQ(readFileBytes(dir.file("aus.txt")), "kurz");

  // A dBASE writer leaves its own file and this marker; the file must survive.
  writeFileBytes(dir.file("liste.dbf"), "DBF-Inhalt");
  EXPECT_TRUE(WriteTextFile(dir.file("liste.dbf"), "dbf"));
  EXPECT_EQ(readFileBytes(dir.file("liste.dbf")), "DBF-Inhalt");

  EXPECT_FALSE(WriteTextFile(dir.file("fehlt/aus.txt"), "x"));
}

TEST(FileHelpers, WriteTextFileIntoReadOnlyFolderFails) {
  if (runningAsRoot()) GTEST_SKIP() << "root can write every folder";
  ScopedWorkDir dir;
  fs::create_directory(dir.file("ro"));
  writeFileBytes(dir.file("ro/alt.txt"), "alt");
  chmod(dir.file("ro").c_str(), 0555);
  EXPECT_FALSE(WriteTextFile(dir.file("ro/alt.txt"), "neu"));
  EXPECT_EQ(readFileBytes(dir.file("ro/alt.txt")), "alt");
  chmod(dir.file("ro").c_str(), 0755);
}

TEST(FileHelpers, ModelStyleSheetMatchesExpectedFile) {
  std::tm t{};
  t.tm_mday = 5;
  t.tm_mon = 2;
  t.tm_year = 126;
  t.tm_hour = 9;
  t.tm_min = 7;
  t.tm_isdst = -1;
  const std::time_t when = std::mktime(&t);
  const std::string want = expectedFile("core", "ZikoStandard.css");
  ASSERT_FALSE(want.empty()) << "core/data/ZikoStandard.css";
  EXPECT_EQ(ModelCssText(when), want);

  ScopedWorkDir dir;
  ASSERT_TRUE(WriteModelCss(dir.file("ZikoStandard.css")));
  const std::string written = readFileBytes(dir.file("ZikoStandard.css"));
  EXPECT_EQ(written.substr(written.find("\r\n")), want.substr(want.find("\r\n")));
}

TEST(FileHelpers, CopyCssBesideOutputFile) {
  ScopedWorkDir dir;
  fs::create_directory(dir.file("css"));
  fs::create_directory(dir.file("web"));
  writeFileBytes(dir.file("css/mein.css"), "body { color: Black; }\r\n");

  setFieldText(gEinstellungen.CssDatei, dir.file("css/mein.css"));
  ASSERT_TRUE(CopyCssBeside(dir.file("web/tabelle.html")));
  EXPECT_EQ(readFileBytes(dir.file("web/mein.css")), "body { color: Black; }\r\n");

  // A path stored by a Windows installation still yields its file name; when the file
  // cannot be read there is nothing to copy.
  setFieldText(gEinstellungen.CssDatei, "C:\\Ziko\\fremd.css");
  EXPECT_TRUE(CopyCssBeside(dir.file("web/tabelle.html")));
  EXPECT_FALSE(fs::exists(dir.file("web/fremd.css")));

  setFieldText(gEinstellungen.CssDatei, "");
  EXPECT_TRUE(CopyCssBeside(dir.file("web/tabelle.html")));

  setFieldText(gEinstellungen.CssDatei, dir.file("css/mein.css"));
  EXPECT_FALSE(CopyCssBeside(dir.file("fehlt/tabelle.html")));
  setFieldText(gEinstellungen.CssDatei, "");
}

TEST(TextHelpers, ProposedFileNamesKeepUmlautsAndLeaveOutWhatNoFileNameHolds) {
  const std::pair<const char*, const char*> cases[] = {
      {"A/B", "AB"},
      {"Gau W\xFCrmtal", "Gau W\xFCrmtal"},
      {"Sch\xFCtzengesellschaft Edelwei\xDF H\xF6henkirchen e.V.", "Sch\xFCtzengesellschaft Edelwei\xDF H\xF6henkirchen e.V."},
      {"\xC4\xD6\xDC \xE4\xF6\xFC", "\xC4\xD6\xDC \xE4\xF6\xFC"},
      {"a\\b:c*d?e\"f<g>h|i\tj", "abcdefghij"},
      {"x\x01y\x07z\x1b\x7F.", "xyz."},
      {"x\x81y\x9D.", "xy."},
      {"Ren\xE9 & Co", "Ren\xE9 & Co"}};
  for (const auto& [name, proposed] : cases) EXPECT_EQ(FileNameProposal(name), proposed) << name;
}

// The five bytes code page 1252 leaves undefined are blanks like the control codes; the
// defined bytes beside them ("\x80" the euro sign, "\x8E" a Z with caron) stay.
TEST(TextHelpers, UndefinedBytesBecomeBlanksInListsAndPages) {
  const std::string text = "a\x81" "b\x8D" "c\x8F" "d\x90" "e\x9D" "f\x80\x8E";
  EXPECT_EQ(textListValue(text), "a b c d e f\x80\x8E");
  EXPECT_EQ(HtmlUmlaute(text), "a b c d e f&#8364;&#381;");
}

TEST(TextHelpers, HtmlValuesAndStyleSheetLink) {
  EXPECT_EQ(HtmlUmlaute(HtmlEscape("Schütze & Söhne <\"I\">")),
            "Sch&uuml;tze &amp; S&ouml;hne &lt;&quot;I&quot;&gt;");

  // Every character outside ASCII as a reference by its Unicode number.
  EXPECT_EQ(HtmlUmlaute(HtmlEscape("Ren\xE9 & Jos\xE9 \x80 \x84" "\xC4\x93")),
            "Ren&#233; &amp; Jos&#233; &#8364; &#8222;&Auml;&#8220;");

  const std::pair<const char*, const char*> links[] = {
      {"", ""}, {"(null)", ""}, {"C:\\Web\\gau.css", "gau.css"}, {"/srv/www/liga.css", "liga.css"}};
  for (const auto& [setting, link] : links) {
    setFieldText(gEinstellungen.CssDatei, setting);
    EXPECT_EQ(CssLinkName(), link) << setting;
  }
  gEinstellungen.clear();
}
