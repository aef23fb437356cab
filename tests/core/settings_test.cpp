// The settings record as bytes, the settings file and the web-access values.
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "core/globals.h"
#include "core/settings.h"
#include "support/testenv.h"

namespace {

using Bytes = std::vector<uint8_t>;

const std::string kSignature = "Stammdaten f\xFCr ZielKontor Version0705 von Hagelst\xE4tter";

Bytes readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void putText(Bytes& b, size_t offset, const std::string& text) {
  std::copy(text.begin(), text.end(), b.begin() + static_cast<long>(offset));
}

int32_t i32At(const std::array<uint8_t, 2308>& b, size_t o) {
  return static_cast<int32_t>(b[o] | (b[o + 1] << 8) | (b[o + 2] << 16) |
                              (static_cast<uint32_t>(b[o + 3]) << 24));
}

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    InitGlobals();
    gEinstellungen.clear();
  }
  ScopedWorkDir dir;
};

TEST(SettingsText, SignatureIsCodePage1252) {
  InitGlobals();
  EXPECT_EQ(gIntdat.StammdatenKennung.size(), 54u);
  EXPECT_EQ(gIntdat.StammdatenKennung, kSignature);
  EXPECT_EQ(static_cast<unsigned char>(gIntdat.StammdatenKennung[12]), 0xFC);
  EXPECT_EQ(gIntdat.DatenKopf, "Okiz-Daten f\xFCr ZielKontor Version0705 von Hagelst\xE4tter");
}

TEST(SettingsRecord, EveryFieldStandsAtItsOffset) {
  Einstellungssatz e;
  e.clear();
  setFieldText(e.Kennung, "K");
  setFieldText(e.Gauname, "G");
  setFieldText(e.ImportGauname, "I");
  e.Reserve130[0] = 0x11;
  e.Reserve130[39] = 0x12;
  e.Gaunummer = 0x01020304;
  setFieldText(e.DatenVerzeichnis, "D");
  setFieldText(e.Speicherzeit, "S");
  e.ErgSchuetzenFilter = 5;
  e.HtmlMailLink = 6;
  e.Reserve972 = 0x13;
  e.SchuetzenAnzeigeOffen = 7;
  setFieldText(e.BssbDbfVerzeichnis, "B");
  e.WebzugangGespeichert[0] = 0x21;
  e.WebzugangGespeichert[199] = 0x22;
  setFieldText(e.CssDatei, "C");
  e.CssKopieren = -2;
  e.Reserve2298[0] = 0x14;
  e.Reserve2298[3] = 0x15;
  e.AktDisznr = -3;
  e.VereinListIndex = 0x0A0B0C0D;
  e.SchuetzenAktivFilter = 9;

  auto b = e.toBytes();
  ASSERT_EQ(b.size(), 2308u);
  EXPECT_EQ(b[0], 'K');
  EXPECT_EQ(b[60], 'G');
  EXPECT_EQ(b[100], 'I');
  EXPECT_EQ(b[130], 0x11);
  EXPECT_EQ(b[169], 0x12);
  EXPECT_EQ(b[170], 0x04);  // little-endian
  EXPECT_EQ(b[173], 0x01);
  EXPECT_EQ(b[174], 'D');
  EXPECT_EQ(b[950], 'S');
  EXPECT_EQ(b[970], 5);
  EXPECT_EQ(b[971], 6);
  EXPECT_EQ(b[972], 0x13);
  EXPECT_EQ(b[973], 7);
  EXPECT_EQ(b[974], 'B');
  EXPECT_EQ(b[1574], 0x21);
  EXPECT_EQ(b[1773], 0x22);
  EXPECT_EQ(b[1774], 'C');
  EXPECT_EQ(i32At(b, 2294), -2);
  EXPECT_EQ(b[2298], 0x14);
  EXPECT_EQ(b[2301], 0x15);
  EXPECT_EQ(b[2302], 0xFD);
  EXPECT_EQ(i32At(b, 2303), 0x0A0B0C0D);
  EXPECT_EQ(b[2307], 9);
  // Nothing else: every other byte is zero.
  size_t nonZero = 0;
  for (uint8_t x : b) nonZero += x != 0;
  EXPECT_EQ(nonZero, 31u);
}

TEST(SettingsRecord, RoundTripKeepsEveryByteIncludingReservedOnes) {
  Bytes image(2308);
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 7 + 1);
  // Text fields end with a NUL in a sound record.
  for (size_t end : {59, 99, 129, 949, 969, 1573, 2293}) image[end] = 0;
  Einstellungssatz e;
  e.fromBytes(image.data(), image.size());
  auto back = e.toBytes();
  EXPECT_TRUE(std::equal(back.begin(), back.end(), image.begin()));
}

TEST(SettingsRecord, TextWithoutEndIsCutAtItsField) {
  Bytes image(2308, 'x');
  Einstellungssatz e;
  e.fromBytes(image.data(), image.size());
  EXPECT_EQ(fieldText(e.Gauname).size(), 39u);
  EXPECT_EQ(fieldText(e.ImportGauname).size(), 29u);
  EXPECT_EQ(fieldText(e.Speicherzeit).size(), 19u);
  EXPECT_EQ(fieldText(e.CssDatei).size(), 519u);
}

TEST_F(SettingsFile, SaveWritesTheWholeRecordAndLoadReadsItBack) {
  setFieldText(gEinstellungen.Kennung, kSignature);
  setFieldText(gEinstellungen.Gauname, "Gau S\xFC" "d");
  gEinstellungen.Gaunummer = 417;
  gEinstellungen.AktDisznr = 1;
  ASSERT_TRUE(SaveSettings(gIntdat.KonfigDateiPfad));
  EXPECT_EQ(gIntdat.KonfigDateiPfad, dir.file("Zikoconfig.cnf"));

  Bytes file = readFile(dir.file("Zikoconfig.cnf"));
  ASSERT_EQ(file.size(), 2308u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 54), kSignature);
  EXPECT_EQ(file[54], 0);

  gEinstellungen.clear();
  ASSERT_TRUE(LoadSettings(gIntdat.KonfigDateiPfad));
  EXPECT_EQ(fieldText(gEinstellungen.Gauname), "Gau S\xFC" "d");
  EXPECT_EQ(gEinstellungen.Gaunummer, 417);
  EXPECT_EQ(gEinstellungen.AktDisznr, 1);
}

TEST_F(SettingsFile, ShortFileWithTheSignatureIsAccepted) {
  Bytes image(120, 0);
  putText(image, 0, kSignature);
  putText(image, 60, "Kurzgau");
  writeFile(gIntdat.KonfigDateiPfad, image);
  gEinstellungen.Gaunummer = 99;
  ASSERT_TRUE(LoadSettings(gIntdat.KonfigDateiPfad));
  EXPECT_EQ(fieldText(gEinstellungen.Gauname), "Kurzgau");
  EXPECT_EQ(gEinstellungen.Gaunummer, 0);
}

TEST_F(SettingsFile, ForeignOrMissingFileIsRejected) {
  EXPECT_FALSE(LoadSettings(gIntdat.KonfigDateiPfad));

  Bytes image(2308, 0);
  putText(image, 0, "Stammdaten f\xFCr ZielKontor Version0704 von Hagelst\xE4tter");
  putText(image, 60, "Fremd");
  writeFile(gIntdat.KonfigDateiPfad, image);
  EXPECT_FALSE(LoadSettings(gIntdat.KonfigDateiPfad));
  // Nothing of the foreign record stays behind.
  EXPECT_EQ(fieldText(gEinstellungen.Gauname), "");
  EXPECT_EQ(fieldText(gEinstellungen.Kennung), "");

  // The signature must match exactly, not only as a prefix.
  putText(image, 0, kSignature + "X");
  writeFile(gIntdat.KonfigDateiPfad, image);
  EXPECT_FALSE(LoadSettings(gIntdat.KonfigDateiPfad));
}

TEST_F(SettingsFile, ReadOnlyFileIsMadeWritableAndOverwritten) {
  writeFile(gIntdat.KonfigDateiPfad, Bytes(10, 'a'));
  chmod(gIntdat.KonfigDateiPfad.c_str(), 0444);
  setFieldText(gEinstellungen.Kennung, kSignature);
  ASSERT_TRUE(SaveSettings(gIntdat.KonfigDateiPfad));
  EXPECT_EQ(readFile(gIntdat.KonfigDateiPfad).size(), 2308u);
  struct stat st {};
  ASSERT_EQ(stat(gIntdat.KonfigDateiPfad.c_str(), &st), 0);
  EXPECT_TRUE(st.st_mode & S_IWUSR);
}

TEST_F(SettingsFile, SaveIntoAFolderThatCannotBeWrittenFailsAndLeavesTheOldFile) {
  if (runningAsRoot()) GTEST_SKIP() << "root can write every folder";
  setFieldText(gEinstellungen.Kennung, kSignature);
  ASSERT_TRUE(SaveSettings(gIntdat.KonfigDateiPfad));
  chmod(dir.path().c_str(), 0555);
  gEinstellungen.Gaunummer = 5;
  EXPECT_FALSE(SaveSettings(gIntdat.KonfigDateiPfad));
  chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(readFile(gIntdat.KonfigDateiPfad).size(), 2308u);
}

TEST_F(SettingsFile, WebAccessValuesSurviveSaveAndLoadButNotInPlainText) {
  setFieldText(gEinstellungen.Kennung, kSignature);
  StoreWebzugang("ftp.example.org", "/berichte", "gauleiter", "Geheim\xE4!");
  ASSERT_TRUE(SaveSettings(gIntdat.KonfigDateiPfad));
  Bytes file = readFile(gIntdat.KonfigDateiPfad);
  std::string raw(file.begin(), file.end());
  EXPECT_EQ(raw.find("Geheim"), std::string::npos);
  EXPECT_EQ(raw.find("gauleiter"), std::string::npos);

  gIntdat.WebPasswort = "stale";
  gEinstellungen.clear();
  ASSERT_TRUE(LoadSettings(gIntdat.KonfigDateiPfad));
  EXPECT_EQ(gIntdat.WebServername, "ftp.example.org");
  EXPECT_EQ(gIntdat.WebServerpfad, "/berichte");
  EXPECT_EQ(gIntdat.WebUser, "gauleiter");
  EXPECT_EQ(gIntdat.WebPasswort, "Geheim\xE4!");
}

TEST(WebAccess, LongValuesAreCutTo49Characters) {
  std::string longText(80, 'p');
  StoreWebzugang(longText, "", "", longText);
  RestoreWebzugang();
  EXPECT_EQ(gIntdat.WebServername, std::string(49, 'p'));
  EXPECT_EQ(gIntdat.WebServerpfad, "");
  EXPECT_EQ(gIntdat.WebPasswort, std::string(49, 'p'));
}

TEST(WebAccess, EmptyOrDamagedBlockGivesFourEmptyValues) {
  auto expectEmpty = [] {
    gIntdat.WebServername = gIntdat.WebServerpfad = gIntdat.WebUser = gIntdat.WebPasswort = "x";
    RestoreWebzugang();
    EXPECT_EQ(gIntdat.WebServername + gIntdat.WebServerpfad + gIntdat.WebUser + gIntdat.WebPasswort,
              "");
  };
  std::memset(gEinstellungen.WebzugangGespeichert, 0, 200);
  expectEmpty();

  for (size_t damaged : {0u, 3u, 10u, 120u, 199u}) {
    StoreWebzugang("server", "pfad", "user", "passwort");
    gEinstellungen.WebzugangGespeichert[damaged] ^= 0x40;
    SCOPED_TRACE(damaged);
    expectEmpty();
  }
}

}  // namespace
