#include "core/datafile.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/savefile.h"
#include "core/schema.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace {

constexpr qint64 kHeadSize = 60;
constexpr qint64 kDbOffset = kHeadSize + static_cast<qint64>(Einstellungssatz::Size);
constexpr size_t kBlock = 64 * 1024;
// Marks the temporary copies in the working folder, so that the next start can remove what
// a killed run left.
constexpr const char* kTempMark = ".zk-einlesen-";

enum class Head { Current, Older, Foreign };

std::string systemError() { return systemReason(errno); }

void setError(QString* error, const QString& text) {
  if (error) *error = text;
}

void setError(QString* error, const std::string& text) { setError(error, qs(text)); }
void setError(QString* error, const char* text) { setError(error, qs(text)); }

// The head is a text inside a fixed 60-byte field; only those bytes are looked at.
Head readHead(QFile& in) {
  QByteArray bytes = in.read(kHeadSize);
  std::string text(bytes.constData(), strnlen(bytes.constData(), static_cast<size_t>(bytes.size())));
  if (!text.empty() && text == gIntdat.DatenKopf) return Head::Current;
  if (!text.empty() && text == gIntdat.KennungV0998) return Head::Older;
  return Head::Foreign;
}

// A file that removes itself unless it was handed on.
class TempFile {
 public:
  TempFile(const fs::path& folder, const std::string& name) {
    std::string pattern = (folder / (name + kTempMark + "XXXXXX")).string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    fd_ = mkstemp(buf.data());
    if (fd_ >= 0) path_ = buf.data();
  }
  ~TempFile() {
    closeFd();
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  bool ok() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  bool closeFd() {
    bool closed = true;
    if (fd_ >= 0) closed = ::close(fd_) == 0;
    fd_ = -1;
    return closed;
  }
  void release() { path_.clear(); }

 private:
  int fd_ = -1;
  std::string path_;
};

uint32_t bigEndian(const unsigned char* p, int bytes) {
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | p[i];
  return v;
}

// The header of an SQLite file of the given size: its magic, a page size of a power of two
// and, where the header knows it, a page count that fills the file exactly.
bool soundHeader(const unsigned char* h, uintmax_t size) {
  if (size < 100 || std::memcmp(h, "SQLite format 3", 16) != 0) return false;
  uint32_t pageSize = bigEndian(h + 16, 2);
  if (pageSize == 1) pageSize = 65536;
  if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0 || size % pageSize != 0) return false;
  const uint32_t pages = bigEndian(h + 28, 4);
  const bool pagesValid = pages != 0 && bigEndian(h + 24, 4) == bigEndian(h + 92, 4);
  return !pagesValid || static_cast<uintmax_t>(pages) * pageSize == size;
}

// A database in write-ahead-log mode is marked for the normal journal mode in its header
// (the read and write versions, bytes 18 and 19): its log is not part of the data file, and
// the mode would leave "-wal" and "-shm" files beside the database.
void leaveWalMode(unsigned char* header, size_t size) {
  if (size >= 20 && header[18] == 2 && header[19] == 2) header[18] = header[19] = 1;
}

// Copies the rest of in to the temporary file, which is then closed; a database part kept
// in write-ahead-log mode leaves it on the way.
bool copyRest(QFile& in, TempFile& out, QString* error) {
  std::vector<char> buf(kBlock);
  bool first = true;
  for (;;) {
    qint64 n = in.read(buf.data(), static_cast<qint64>(buf.size()));
    if (n < 0) {
      setError(error, in.errorString());
      return false;
    }
    if (n == 0) break;
    if (first) leaveWalMode(reinterpret_cast<unsigned char*>(buf.data()), static_cast<size_t>(n));
    first = false;
    if (!writeAll(out.fd(), std::string_view(buf.data(), static_cast<size_t>(n)))) {
      setError(error, systemError());
      return false;
    }
  }
  bool synced = ::fsync(out.fd()) == 0;
  if (!out.closeFd() || !synced) {
    setError(error, systemError());
    return false;
  }
  return true;
}

// A complete SQLite database holding the program's tables: a clean quick check and every
// main table with its columns.
bool isProgramDatabase(const std::string& path) {
  sqlite3* check = nullptr;
  if (sqlite3_open_v2(path.c_str(), &check, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    sqlite3_close(check);
    return false;
  }
  db::Table t = db::query(check, "PRAGMA quick_check;", {}, db::Report::Silent);
  bool sound = t.ok && t.size() == 1 && t.text(0, 0) == "ok" && holdsMainTables(check);
  sqlite3_close(check);
  return sound;
}

const char* const kNotADataFile = "keine Datendatei dieses Programms";

// Checks the database part that follows in's position by its header before anything is
// copied, so that a large file of another kind is refused at once.
bool databasePartLooksSound(QFile& in, QString* error) {
  const qint64 start = in.pos();
  QByteArray h = in.peek(100);
  if (h.size() < 100 ||
      !soundHeader(reinterpret_cast<const unsigned char*>(h.constData()),
                   static_cast<uintmax_t>(in.size() - start))) {
    setError(error, kNotADataFile);
    return false;
  }
  return true;
}

// Holds the database file against every other program while it is replaced: a program that
// worked on it would go on with the old file and lose what it writes. Waits as long as every
// statement does; false when another program keeps the file beyond that wait.
class ReplaceLock {
 public:
  explicit ReplaceLock(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(file, ec)) return;
    if (sqlite3_open_v2(file.c_str(), &conn_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) return;
    sqlite3_busy_timeout(conn_, db::kBusyTimeoutMs);
    held_ = !db::exec(conn_, "BEGIN EXCLUSIVE TRANSACTION;", {}, db::Report::Silent) &&
            db::heldElsewhere(conn_);
  }
  ~ReplaceLock() {
    // Nothing was written under the lock: ending it leaves no journal behind.
    if (conn_ && !held_) db::exec(conn_, "ROLLBACK TRANSACTION;", {}, db::Report::Silent);
    sqlite3_close(conn_);
  }
  ReplaceLock(const ReplaceLock&) = delete;
  ReplaceLock& operator=(const ReplaceLock&) = delete;
  bool heldElsewhere() const { return held_; }

 private:
  sqlite3* conn_ = nullptr;
  bool held_ = false;
};

// Puts the database part that follows in's position in place of target, in one rename,
// after checking it. conn, open on target, is closed for the change and reopened if asked.
// A target that is a symbolic link is replaced where the link points.
bool installDatabasePart(QFile& in, const fs::path& target, sqlite3*& conn, bool reopen,
                         QString* error) {
  if (!databasePartLooksSound(in, error)) return false;
  std::error_code ec;
  fs::path file = target;
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    file = fs::canonical(target, ec);
    if (ec) {
      setError(error, ec.message());
      return false;
    }
  }
  TempFile temp(file.parent_path(), file.filename().string());
  if (!temp.ok()) {
    setError(error, systemError());
    return false;
  }
  if (!copyRest(in, temp, error)) return false;
  if (!isProgramDatabase(temp.path())) {
    setError(error, kNotADataFile);
    return false;
  }
  const ReplaceLock lock(file);
  if (lock.heldElsewhere()) {
    setError(error, db::heldElsewhereNotice(target));
    return false;
  }

  fs::perms perms = fs::exists(file, ec)
                        ? fs::status(file, ec).permissions()
                        : fs::perms::owner_read | fs::perms::owner_write |
                              fs::perms::group_read | fs::perms::others_read;
  fs::permissions(temp.path(), perms | fs::perms::owner_write, ec);

  db::close(conn);
  // A journal left beside the old file would be played into the new one.
  for (const fs::path& base : {file, target})
    for (const char* suffix : {"-journal", "-wal", "-shm"}) fs::remove(base.string() + suffix, ec);
  fs::rename(temp.path(), file, ec);
  const bool replaced = !ec;
  if (replaced)
    temp.release();
  else
    setError(error, ec.message());
  if (reopen) conn = db::open(target);
  return replaced && (!reopen || conn != nullptr);
}

// Opens a data file for reading: only a regular file (a pipe or a device would block or
// never end).
bool openDataFile(const fs::path& fileName, QFile& in, QString* error) {
  std::error_code ec;
  if (!fs::is_regular_file(fileName, ec)) {
    setError(error, ec ? ec.message() : std::string("keine gew\xF6hnliche Datei"));
    return false;
  }
  in.setFileName(qtPath(fileName));
  if (!in.open(QIODevice::ReadOnly)) {
    setError(error, in.errorString());
    return false;
  }
  return true;
}

// Follows symbolic links, also to a file that does not exist yet.
fs::path resolved(fs::path p) {
  std::error_code ec;
  for (int hops = 0; hops < 16 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
    fs::path target = fs::read_symlink(p, ec);
    if (ec) break;
    p = target.is_absolute() ? target : p.parent_path() / target;
  }
  return p;
}

bool sameFile(const fs::path& first, const fs::path& b) {
  std::error_code ec;
  const fs::path a = resolved(first);
  if (fs::equivalent(a, b, ec)) return true;
  fs::path ca = fs::weakly_canonical(a, ec);
  if (ec) return false;
  fs::path cb = fs::weakly_canonical(b, ec);
  return !ec && ca == cb;
}

}  // namespace

bool isProgramFile(const fs::path& fileName) {
  const fs::path& folder = gIntdat.ProgrammVerzeichnis;
  for (const char* name : kDbFiles)
    if (sameFile(fileName, folder / name)) return true;
  return sameFile(fileName, gIntdat.KonfigDateiPfad) || sameFile(fileName, gIntdat.TempDbDateiPfad);
}

std::vector<std::string> temporaryDatabaseNames() {
  std::vector<std::string> names;
  for (const char* name : {kDbFiles[0], kTempDbFile}) names.push_back(std::string(name) + kTempMark + "XXXXXX");
  names.push_back(kTempDbFile);
  return names;
}

void removeDataFileLeftovers(const fs::path& folder) {
  // Only the names TempFile makes: the target's name, the mark and mkstemp's six letters
  // or digits, beside the target (where its link points).
  for (const char* name : {kDbFiles[0], kTempDbFile}) {
    const fs::path file = resolved(folder / name);
    const std::string prefix = file.filename().string() + kTempMark;
    auto made = [&prefix](const std::string& leftover) {
      return leftover.size() == prefix.size() + 6 && leftover.starts_with(prefix) &&
             std::all_of(leftover.end() - 6, leftover.end(),
                         [](unsigned char c) { return std::isalnum(c) != 0; });
    };
    std::error_code ec;
    for (fs::directory_iterator it(file.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
      std::error_code kind;
      if (made(it->path().filename().string()) && it->is_regular_file(kind)) fs::remove(it->path(), kind);
    }
  }
}

bool SaveDataFile(const fs::path& fileName, QString* error) {
  if (isProgramFile(fileName)) {
    setError(error, "die Datei geh\xF6rt zu den Daten des Programms");
    return false;
  }
  if (!gDbHaupt) {
    setError(error, "keine Datenbank ge\xF6" "ffnet");
    return false;
  }

  // A consistent image of the main database in memory: no copy on disk that could fill the
  // temporary folder or stay behind when the program is killed.
  sqlite3_int64 size = 0;
  unsigned char* image = sqlite3_serialize(gDbHaupt, "main", &size, 0);
  if (!image) {
    setError(error, db::heldElsewhere(gDbHaupt) ? db::kHeldElsewhere : "zu wenig Speicher");
    return false;
  }
  std::unique_ptr<unsigned char, void (*)(void*)> holder(image, sqlite3_free);
  leaveWalMode(image, static_cast<size_t>(size));

  const std::string saved = DateTimeText(std::time(nullptr));
  Einstellungssatz settings = gEinstellungen;
  setFieldText(settings.Speicherzeit, saved);
  // The scrambled web-access values stay out of every data file that leaves the house.
  std::memset(settings.WebzugangGespeichert, 0, sizeof settings.WebzugangGespeichert);
  auto record = settings.toBytes();

  char head[kHeadSize] = {};
  std::memcpy(head, gIntdat.DatenKopf.data(),
              std::min(gIntdat.DatenKopf.size(), static_cast<size_t>(kHeadSize - 1)));

  // Only now, when the bytes are ready: a save that fails before leaves the file as it was.
  const QString target = qtPath(fileName);
  clearReadOnly(target);
  std::string reason;
  if (!saveWhole(target,
                 {std::string_view(head, kHeadSize),
                  std::string_view(reinterpret_cast<const char*>(record.data()), record.size()),
                  std::string_view(reinterpret_cast<const char*>(image), static_cast<size_t>(size))},
                 &reason)) {
    setError(error, reason);
    return false;
  }
  setFieldText(gEinstellungen.Speicherzeit, saved);
  return true;
}

OpenResult OpenDataFile(const fs::path& fileName, QString* error) {
  QFile in;
  if (!openDataFile(fileName, in, error)) return OpenResult::Failed;
  switch (readHead(in)) {
    case Head::Older: return OpenResult::OlderFormat;
    case Head::Foreign: setError(error, kNotADataFile); return OpenResult::Failed;
    case Head::Current: break;
  }
  // The settings block is not applied: the running settings stay as they are.
  if (in.size() <= kDbOffset || !in.seek(kDbOffset)) {
    setError(error, kNotADataFile);
    return OpenResult::Failed;
  }
  return installDatabasePart(in, gIntdat.DbDateiPfad, gDbHaupt, true, error) ? OpenResult::Ok
                                                                             : OpenResult::Failed;
}

bool ReadExtractFile(const fs::path& fileName, QString* error) {
  QFile in;
  if (!openDataFile(fileName, in, error)) return false;
  if (readHead(in) != Head::Current || in.size() <= kDbOffset || !in.seek(kDbOffset)) {
    setError(error, kNotADataFile);
    return false;
  }
  // The discipline import opens the extracted file itself when it is shown.
  return installDatabasePart(in, gIntdat.TempDbDateiPfad, gDbTemp, false, error);
}
