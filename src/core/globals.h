#pragma once
// The records and connections that the whole program shares.
#include <sqlite3.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

// The settings record: the same 2,308 bytes are the settings file and the settings block of
// a data file. It is held as plain fields and turned into bytes field by field at the
// offsets of the file format (settings.cpp), so the layout never depends on the compiler.
// Texts are NUL-terminated inside their field; reserved bytes are kept as read.
struct Einstellungssatz {
  static constexpr size_t Size = 2308;

  char Kennung[60];                  // 0
  char Gauname[40];                  // 60
  char ImportGauname[30];            // 100
  uint8_t Reserve130[40];            // 130
  int32_t Gaunummer;                 // 170
  char DatenVerzeichnis[776];        // 174
  char Speicherzeit[20];             // 950
  int8_t ErgSchuetzenFilter;         // 970
  int8_t HtmlMailLink;               // 971
  uint8_t Reserve972;                // 972
  int8_t SchuetzenAnzeigeOffen;      // 973
  char BssbDbfVerzeichnis[600];      // 974
  uint8_t WebzugangGespeichert[200]; // 1574
  char CssDatei[520];                // 1774
  int32_t CssKopieren;               // 2294
  uint8_t Reserve2298[4];            // 2298
  int8_t AktDisznr;                  // 2302
  int32_t VereinListIndex;           // 2303
  int8_t SchuetzenAktivFilter;       // 2307

  std::array<uint8_t, Size> toBytes() const;
  // Reads up to Size bytes (a shorter image leaves the rest zero) and forces a NUL into
  // the last byte of every text field.
  void fromBytes(const uint8_t* data, size_t length);
  void clear();
};

// Reads a NUL-terminated text field; writes one, cut to the field and always terminated.
template <size_t N>
std::string fieldText(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}
template <size_t N>
void setFieldText(char (&field)[N], const std::string& value) {
  std::memset(field, 0, N);
  std::memcpy(field, value.data(), value.size() < N ? value.size() : N - 1);
}

// The program-state record: paths, file heads, CREATE texts and the values that windows
// hand to each other. Held in memory only.
// The file paths are file-system paths (any name the folder has); the texts are cp1252.
struct _ziko_intdat {
  std::filesystem::path KonfigDateiPfad;
  std::filesystem::path DbDateiPfad;
  std::string KennungV0401;
  std::string KennungV0998;
  std::string KennungV0705;
  std::string DatenKopf;
  std::string StammdatenKennung;
  std::filesystem::path ProgrammVerzeichnis;
  std::string BssbGauname;
  int32_t BssbGaunummer = 0;
  int32_t MklBearbeitenKlasse = 0;
  int32_t MklBearbeitenKampf = 0;
  int32_t SchuetzenWahl[6] = {0, 0, 0, 0, 0, 0};

  std::string SqlCreateVereineGau;
  std::string SqlCreateVereineZstext;
  std::string SqlCreateSchuetzen;
  std::string SqlCreateSchuetzensperre;
  std::string SqlCreateWettkampfleiter;
  std::string SqlCreateDisznamen;
  std::string SqlCreateMschklassen;
  std::string SqlCreateTermine;
  std::string SqlCreateMschInKlassen;
  std::string SqlCreateMscherg;
  std::string SqlCreateSchuetzenerg;
  std::string SqlCreateGegner;
  std::string SqlCreateMschaufstlg;
  std::string SqlCreateJgKlassen;
  std::string SqlCreateJgKlEinstellungen;
  std::string SqlCreateMschFuehrer;
  std::string SqlCreateMschStammschuetzen;
  std::string SqlCreatePfadeEinzelausgb;
  std::string SqlCreatePfadeEinzelausgb10;
  std::string SqlCreatePfadeNeueSaison;
  std::string SqlCreatePfadeImpExp;
  std::string SqlCreateAktion;
  std::string SqlCreateEintrag;
  std::string SqlCreateRmeImport;
  std::string SqlCreateAutoAblauf;
  std::string SqlCreateProtokollAutomatic;

  int32_t NeuerSchuetzeAufrufer = 0;
  int32_t AnzeigeVrnr = 0;
  int32_t AnzeigeMklnr = 0;
  std::string AusgabeText;
  int32_t AktionNeu = 0;
  int32_t AktionDisznr = 0;
  int32_t AktionSatzindex = 0;
  int32_t AktionGespeichert = 0;
  std::string RmeVerzeichnis;
  std::string WebServername;
  std::string WebServerpfad;
  std::string WebUser;
  std::string WebPasswort;
  std::filesystem::path TempDbDateiPfad;
  std::string DiszImportDatei;
};

extern Einstellungssatz gEinstellungen;
extern _ziko_intdat gIntdat;

extern sqlite3* gDbHaupt;
extern sqlite3* gDbPfade;
extern sqlite3* gDbAgenda;
extern sqlite3* gDbStammdaten;
extern sqlite3* gDbAutoImpExp;
extern sqlite3* gDbTemp;

// File names of the five databases, opened in this order.
inline constexpr const char* kDbFiles[5] = {"zielkontor.db", "zikopfade.db", "zikoagenda.db",
                                           "zikostammdaten.db", "zikoautoimpexp.db"};
// The discipline import's temporary database beside them.
inline constexpr const char* kTempDbFile = "zielkontortmp.db";

// Joins a folder and a file name with '/'.
std::string joinPath(const std::string& folder, const std::string& name);
// The file-name part of a path, split at '/' or '\' (paths stored by Windows installs).
std::string fileNamePart(const std::string& path);
// The folder part of a path, without the trailing separator.
std::string folderPart(const std::string& path);
