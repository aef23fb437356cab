#include "core/settings.h"

#include <QDir>
#include <QFile>
#include <type_traits>

#include "core/helpers.h"
#include "core/savefile.h"
#include "core/schema.h"
#include "platform/messages.h"
#include "platform/text.h"

namespace {

const char* const kStammdatenKennung = "Stammdaten für ZielKontor Version0705 von Hagelstätter";

using E = Einstellungssatz;
using Bytes = std::array<uint8_t, E::Size>;

// Every field with its offset in the file format, in file order. Reading, writing and the
// layout check below all walk this one list.
template <typename Record, typename F>
constexpr void eachField(Record& r, F&& f) {
  f(0, r.Kennung);
  f(60, r.Gauname);
  f(100, r.ImportGauname);
  f(130, r.Reserve130);
  f(170, r.Gaunummer);
  f(174, r.DatenVerzeichnis);
  f(950, r.Speicherzeit);
  f(970, r.ErgSchuetzenFilter);
  f(971, r.HtmlMailLink);
  f(972, r.Reserve972);
  f(973, r.SchuetzenAnzeigeOffen);
  f(974, r.BssbDbfVerzeichnis);
  f(1574, r.WebzugangGespeichert);
  f(1774, r.CssDatei);
  f(2294, r.CssKopieren);
  f(2298, r.Reserve2298);
  f(2302, r.AktDisznr);
  f(2303, r.VereinListIndex);
  f(2307, r.SchuetzenAktivFilter);
}

// Each field must start where the one before it ends, and together they fill the record.
constexpr bool layoutIsContiguous() {
  constexpr E probe{};
  size_t next = 0;
  bool ok = true;
  eachField(probe, [&](size_t offset, const auto& field) {
    ok = ok && offset == next;
    next = offset + sizeof(field);
  });
  return ok && next == E::Size;
}
static_assert(layoutIsContiguous(), "settings record fields must tile 2,308 bytes exactly");

template <typename T>
void put(Bytes& b, size_t offset, const T& field) {
  if constexpr (std::is_same_v<T, int32_t>) {
    uint32_t u = static_cast<uint32_t>(field);
    for (size_t i = 0; i < 4; ++i) b[offset + i] = static_cast<uint8_t>(u >> (8 * i));
  } else {
    static_assert(std::is_array_v<T> || sizeof(T) == 1);
    std::memcpy(b.data() + offset, &field, sizeof field);
  }
}

template <typename T>
void get(const Bytes& b, size_t offset, T& field) {
  if constexpr (std::is_same_v<T, int32_t>) {
    uint32_t u = 0;
    for (size_t i = 0; i < 4; ++i) u |= static_cast<uint32_t>(b[offset + i]) << (8 * i);
    field = static_cast<int32_t>(u);
  } else {
    std::memcpy(&field, b.data() + offset, sizeof field);
    // A file of another program or a damaged one may carry text without an end.
    if constexpr (std::is_array_v<T> && std::is_same_v<std::remove_extent_t<T>, char>)
      field[std::extent_v<T> - 1] = '\0';
  }
}

}  // namespace

Bytes Einstellungssatz::toBytes() const {
  Bytes b{};
  eachField(*this, [&](size_t offset, const auto& field) { put(b, offset, field); });
  return b;
}

void Einstellungssatz::fromBytes(const uint8_t* data, size_t length) {
  Bytes b{};
  if (data) std::memcpy(b.data(), data, length < Size ? length : Size);
  eachField(*this, [&](size_t offset, auto& field) { get(b, offset, field); });
}

void Einstellungssatz::clear() {
  static const uint8_t zero[Size] = {};
  fromBytes(zero, Size);
}

// ---------------------------------------------------------------------------------------
// Web-access block: a marker, a checksum and four slots of 49 bytes, the slots masked with
// a keystream so that the values do not stand in the file as plain text.

namespace {

constexpr size_t kWebSlot = 49;  // a value is kept to 49 characters, like its 50-byte field
constexpr uint8_t kWebMarker[2] = {'Z', 'W'};
constexpr size_t kWebHead = 4;  // marker (2) + checksum (2)
static_assert(kWebHead + 4 * kWebSlot == sizeof(E::WebzugangGespeichert));

uint16_t webChecksum(const uint8_t* plain, size_t n) {
  // Fletcher-16: also notices swapped bytes, unlike a plain sum.
  uint16_t a = 0, b = 0;
  for (size_t i = 0; i < n; ++i) {
    a = static_cast<uint16_t>((a + plain[i]) % 255);
    b = static_cast<uint16_t>((b + a) % 255);
  }
  return static_cast<uint16_t>((b << 8) | a);
}

void webMask(uint8_t* data, size_t n) {
  uint32_t state = 0x5A1E7C3Bu;
  for (size_t i = 0; i < n; ++i) {
    state = state * 1103515245u + 12345u;
    data[i] ^= static_cast<uint8_t>(state >> 16);
  }
}

}  // namespace

void StoreWebzugang(const std::string& server, const std::string& path, const std::string& user,
                    const std::string& password) {
  uint8_t plain[4 * kWebSlot] = {};
  const std::string* values[4] = {&server, &path, &user, &password};
  for (size_t v = 0; v < 4; ++v) {
    size_t n = values[v]->size() < kWebSlot ? values[v]->size() : kWebSlot;
    std::memcpy(plain + v * kWebSlot, values[v]->data(), n);
  }
  uint16_t sum = webChecksum(plain, sizeof plain);
  webMask(plain, sizeof plain);
  uint8_t* block = gEinstellungen.WebzugangGespeichert;
  block[0] = kWebMarker[0];
  block[1] = kWebMarker[1];
  block[2] = static_cast<uint8_t>(sum & 0xFF);
  block[3] = static_cast<uint8_t>(sum >> 8);
  std::memcpy(block + kWebHead, plain, sizeof plain);
}

void RestoreWebzugang() {
  gIntdat.WebServername.clear();
  gIntdat.WebServerpfad.clear();
  gIntdat.WebUser.clear();
  gIntdat.WebPasswort.clear();
  const uint8_t* block = gEinstellungen.WebzugangGespeichert;
  if (block[0] != kWebMarker[0] || block[1] != kWebMarker[1]) return;
  uint8_t plain[4 * kWebSlot];
  std::memcpy(plain, block + kWebHead, sizeof plain);
  webMask(plain, sizeof plain);
  uint16_t stored = static_cast<uint16_t>(block[2] | (block[3] << 8));
  if (webChecksum(plain, sizeof plain) != stored) return;
  std::string* targets[4] = {&gIntdat.WebServername, &gIntdat.WebServerpfad, &gIntdat.WebUser,
                             &gIntdat.WebPasswort};
  for (size_t v = 0; v < 4; ++v) {
    const char* slot = reinterpret_cast<const char*>(plain + v * kWebSlot);
    *targets[v] = std::string(slot, strnlen(slot, kWebSlot));
  }
}

// ---------------------------------------------------------------------------------------

void InitGlobals() {
  gIntdat.ProgrammVerzeichnis = fsPath(QDir::currentPath());
  gIntdat.KennungV0401 = "Okiz-DatenV0401";
  gIntdat.KennungV0998 = "Okiz-DatenV0998";
  gIntdat.KennungV0705 = "Okiz-DatenV0705";
  gIntdat.DatenKopf = "Okiz-Daten für ZielKontor Version0705 von Hagelstätter";
  gIntdat.StammdatenKennung = kStammdatenKennung;
  gIntdat.BssbGauname = "Testgau";
  gIntdat.KonfigDateiPfad = gIntdat.ProgrammVerzeichnis / "Zikoconfig.cnf";
  gIntdat.DbDateiPfad = gIntdat.ProgrammVerzeichnis / "zielkontor.db";
  gIntdat.TempDbDateiPfad = gIntdat.ProgrammVerzeichnis / kTempDbFile;
  fillCreateTexts(gIntdat);
  gIntdat.NeuerSchuetzeAufrufer = 0;
}

bool LoadSettings(const std::filesystem::path& path) {
  QFile file(qtPath(path));
  if (!file.open(QIODevice::ReadOnly)) return false;
  QByteArray data = file.read(static_cast<qint64>(Einstellungssatz::Size));
  file.close();
  gEinstellungen.fromBytes(reinterpret_cast<const uint8_t*>(data.constData()),
                           static_cast<size_t>(data.size()));
  if (fieldText(gEinstellungen.Kennung) != kStammdatenKennung) {
    // Nothing of a foreign record may survive into the defaults that follow.
    gEinstellungen.clear();
    return false;
  }
  RestoreWebzugang();
  return true;
}

bool SaveSettings(const std::filesystem::path& path, std::string* error) {
  QString name = qtPath(path);
  clearReadOnly(name);
  Bytes b = gEinstellungen.toBytes();
  return saveWhole(name, {std::string_view(reinterpret_cast<const char*>(b.data()), b.size())}, error);
}

bool SaveSettingsShowingFailure() {
  std::string reason;
  if (SaveSettings(gIntdat.KonfigDateiPfad, &reason)) return true;
  msg::show(qs("Die Einstellungen konnten nicht gespeichert werden in\n") + qtPath(gIntdat.KonfigDateiPfad) +
                qs("\n" + reason),
            "Fehler", msg::Ok, msg::Error);
  return false;
}
