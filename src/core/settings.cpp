#include "core/settings.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "core/schema.h"
#include "platform/text.h"

namespace {

const char* const kStammdatenKennung = "Stammdaten für ZielKontor Version0705 von Hagelstätter";

// Offsets of the settings file format. Each field starts where the one before it ends;
// the checks below keep the table, the struct fields and the record size in step.
namespace off {
constexpr size_t Kennung = 0;
constexpr size_t Gauname = 60;
constexpr size_t ImportGauname = 100;
constexpr size_t Reserve130 = 130;
constexpr size_t Gaunummer = 170;
constexpr size_t DatenVerzeichnis = 174;
constexpr size_t Speicherzeit = 950;
constexpr size_t ErgSchuetzenFilter = 970;
constexpr size_t HtmlMailLink = 971;
constexpr size_t Reserve972 = 972;
constexpr size_t SchuetzenAnzeigeOffen = 973;
constexpr size_t BssbDbfVerzeichnis = 974;
constexpr size_t WebzugangGespeichert = 1574;
constexpr size_t CssDatei = 1774;
constexpr size_t CssKopieren = 2294;
constexpr size_t Reserve2298 = 2298;
constexpr size_t AktDisznr = 2302;
constexpr size_t VereinListIndex = 2303;
constexpr size_t SchuetzenAktivFilter = 2307;
}  // namespace off

using E = Einstellungssatz;
struct FieldSpan {
  size_t offset;
  size_t width;
};
constexpr FieldSpan kLayout[] = {
    {off::Kennung, sizeof(E::Kennung)},
    {off::Gauname, sizeof(E::Gauname)},
    {off::ImportGauname, sizeof(E::ImportGauname)},
    {off::Reserve130, sizeof(E::Reserve130)},
    {off::Gaunummer, sizeof(E::Gaunummer)},
    {off::DatenVerzeichnis, sizeof(E::DatenVerzeichnis)},
    {off::Speicherzeit, sizeof(E::Speicherzeit)},
    {off::ErgSchuetzenFilter, sizeof(E::ErgSchuetzenFilter)},
    {off::HtmlMailLink, sizeof(E::HtmlMailLink)},
    {off::Reserve972, sizeof(E::Reserve972)},
    {off::SchuetzenAnzeigeOffen, sizeof(E::SchuetzenAnzeigeOffen)},
    {off::BssbDbfVerzeichnis, sizeof(E::BssbDbfVerzeichnis)},
    {off::WebzugangGespeichert, sizeof(E::WebzugangGespeichert)},
    {off::CssDatei, sizeof(E::CssDatei)},
    {off::CssKopieren, sizeof(E::CssKopieren)},
    {off::Reserve2298, sizeof(E::Reserve2298)},
    {off::AktDisznr, sizeof(E::AktDisznr)},
    {off::VereinListIndex, sizeof(E::VereinListIndex)},
    {off::SchuetzenAktivFilter, sizeof(E::SchuetzenAktivFilter)},
};

constexpr bool layoutIsContiguous() {
  size_t next = 0;
  for (const FieldSpan& f : kLayout) {
    if (f.offset != next) return false;
    next = f.offset + f.width;
  }
  return next == E::Size;
}
static_assert(layoutIsContiguous(), "settings record fields must tile 2,308 bytes exactly");

using Bytes = std::array<uint8_t, E::Size>;

template <typename T, size_t N>
void put(Bytes& b, size_t offset, const T (&field)[N]) {
  static_assert(sizeof(T) == 1);
  std::memcpy(b.data() + offset, field, N);
}
template <typename T, size_t N>
void get(const Bytes& b, size_t offset, T (&field)[N]) {
  static_assert(sizeof(T) == 1);
  std::memcpy(field, b.data() + offset, N);
}

void putI32(Bytes& b, size_t offset, int32_t value) {
  uint32_t u = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) b[offset + i] = static_cast<uint8_t>(u >> (8 * i));
}
int32_t getI32(const Bytes& b, size_t offset) {
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(b[offset + i]) << (8 * i);
  return static_cast<int32_t>(u);
}

template <size_t N>
void terminate(char (&field)[N]) {
  field[N - 1] = '\0';
}

}  // namespace

Bytes Einstellungssatz::toBytes() const {
  Bytes b{};
  put(b, off::Kennung, Kennung);
  put(b, off::Gauname, Gauname);
  put(b, off::ImportGauname, ImportGauname);
  put(b, off::Reserve130, Reserve130);
  putI32(b, off::Gaunummer, Gaunummer);
  put(b, off::DatenVerzeichnis, DatenVerzeichnis);
  put(b, off::Speicherzeit, Speicherzeit);
  b[off::ErgSchuetzenFilter] = static_cast<uint8_t>(ErgSchuetzenFilter);
  b[off::HtmlMailLink] = static_cast<uint8_t>(HtmlMailLink);
  b[off::Reserve972] = Reserve972;
  b[off::SchuetzenAnzeigeOffen] = static_cast<uint8_t>(SchuetzenAnzeigeOffen);
  put(b, off::BssbDbfVerzeichnis, BssbDbfVerzeichnis);
  put(b, off::WebzugangGespeichert, WebzugangGespeichert);
  put(b, off::CssDatei, CssDatei);
  putI32(b, off::CssKopieren, CssKopieren);
  put(b, off::Reserve2298, Reserve2298);
  b[off::AktDisznr] = static_cast<uint8_t>(AktDisznr);
  putI32(b, off::VereinListIndex, VereinListIndex);
  b[off::SchuetzenAktivFilter] = static_cast<uint8_t>(SchuetzenAktivFilter);
  return b;
}

void Einstellungssatz::fromBytes(const uint8_t* data, size_t length) {
  Bytes b{};
  if (data) std::memcpy(b.data(), data, length < Size ? length : Size);
  get(b, off::Kennung, Kennung);
  get(b, off::Gauname, Gauname);
  get(b, off::ImportGauname, ImportGauname);
  get(b, off::Reserve130, Reserve130);
  Gaunummer = getI32(b, off::Gaunummer);
  get(b, off::DatenVerzeichnis, DatenVerzeichnis);
  get(b, off::Speicherzeit, Speicherzeit);
  ErgSchuetzenFilter = static_cast<int8_t>(b[off::ErgSchuetzenFilter]);
  HtmlMailLink = static_cast<int8_t>(b[off::HtmlMailLink]);
  Reserve972 = b[off::Reserve972];
  SchuetzenAnzeigeOffen = static_cast<int8_t>(b[off::SchuetzenAnzeigeOffen]);
  get(b, off::BssbDbfVerzeichnis, BssbDbfVerzeichnis);
  get(b, off::WebzugangGespeichert, WebzugangGespeichert);
  get(b, off::CssDatei, CssDatei);
  CssKopieren = getI32(b, off::CssKopieren);
  get(b, off::Reserve2298, Reserve2298);
  AktDisznr = static_cast<int8_t>(b[off::AktDisznr]);
  VereinListIndex = getI32(b, off::VereinListIndex);
  SchuetzenAktivFilter = static_cast<int8_t>(b[off::SchuetzenAktivFilter]);

  // A file of another program or a damaged one may carry text without an end.
  terminate(Kennung);
  terminate(Gauname);
  terminate(ImportGauname);
  terminate(DatenVerzeichnis);
  terminate(Speicherzeit);
  terminate(BssbDbfVerzeichnis);
  terminate(CssDatei);
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
  gIntdat.ProgrammVerzeichnis = fromQs(QDir::currentPath());
  gIntdat.KennungV0401 = "Okiz-DatenV0401";
  gIntdat.KennungV0998 = "Okiz-DatenV0998";
  gIntdat.KennungV0705 = "Okiz-DatenV0705";
  gIntdat.DatenKopf = "Okiz-Daten für ZielKontor Version0705 von Hagelstätter";
  gIntdat.StammdatenKennung = kStammdatenKennung;
  gIntdat.BssbGauname = "Testgau";
  gIntdat.KonfigDateiPfad = joinPath(gIntdat.ProgrammVerzeichnis, "Zikoconfig.cnf");
  gIntdat.DbDateiPfad = joinPath(gIntdat.ProgrammVerzeichnis, "zielkontor.db");
  gIntdat.TempDbDateiPfad = joinPath(gIntdat.ProgrammVerzeichnis, "zielkontortmp.db");
  fillCreateTexts(gIntdat);
  gIntdat.NeuerSchuetzeAufrufer = 0;
}

bool LoadSettings(const std::string& path) {
  QFile file(qs(path));
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

bool SaveSettings(const std::string& path) {
  QString name = qs(path);
  if (QFile::exists(name)) {
    QFile::setPermissions(name, QFile::permissions(name) | QFileDevice::WriteOwner |
                                    QFileDevice::WriteUser);
  }
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly)) return false;
  Bytes b = gEinstellungen.toBytes();
  qint64 written = file.write(reinterpret_cast<const char*>(b.data()), static_cast<qint64>(b.size()));
  if (written != static_cast<qint64>(b.size())) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}
