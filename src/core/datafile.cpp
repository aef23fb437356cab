#include "core/datafile.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace {

constexpr qint64 kHeadSize = 60;
constexpr qint64 kDbOffset = kHeadSize + static_cast<qint64>(Einstellungssatz::Size);
constexpr size_t kBlock = 64 * 1024;

enum class Head { Current, Older, Foreign };

// The head is a text inside a fixed 60-byte field; only those bytes are looked at.
Head readHead(QFile& in) {
  QByteArray bytes = in.read(kHeadSize);
  std::string text(bytes.constData(), strnlen(bytes.constData(), static_cast<size_t>(bytes.size())));
  if (!text.empty() && text == gIntdat.DatenKopf) return Head::Current;
  if (!text.empty() && text == gIntdat.KennungV0998) return Head::Older;
  return Head::Foreign;
}

void clearReadOnly(const QString& path) {
  if (QFile::exists(path))
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::WriteUser);
}

// A file that removes itself unless it was handed on.
class TempFile {
 public:
  explicit TempFile(const std::string& folder) {
    std::string pattern = joinPath(folder.empty() ? "." : folder, "zk-daten-XXXXXX");
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = mkstemp(name.data());
    if (fd_ >= 0) path_ = name.data();
  }
  ~TempFile() {
    closeFd();
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  bool ok() const { return fd_ >= 0 || !path_.empty(); }
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

bool writeAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Copies the rest of in to the temporary file, which is then closed.
bool copyRest(QFile& in, TempFile& out) {
  std::vector<char> buf(kBlock);
  for (;;) {
    qint64 n = in.read(buf.data(), static_cast<qint64>(buf.size()));
    if (n < 0) return false;
    if (n == 0) break;
    if (!writeAll(out.fd(), buf.data(), static_cast<size_t>(n))) return false;
  }
  bool synced = ::fsync(out.fd()) == 0;
  return out.closeFd() && synced;
}

uint32_t bigEndian(const unsigned char* p, int bytes) {
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | p[i];
  return v;
}

// A complete SQLite database holding the competition tables: a sound header whose size
// matches the file, a clean quick check and the table Disznamen.
bool isCompleteDatabase(const std::string& path) {
  std::error_code ec;
  const uintmax_t size = fs::file_size(path, ec);
  if (ec || size < 100) return false;
  unsigned char h[100];
  {
    std::ifstream f(path, std::ios::binary);
    if (!f.read(reinterpret_cast<char*>(h), sizeof h)) return false;
  }
  if (std::memcmp(h, "SQLite format 3", 16) != 0) return false;
  uint32_t pageSize = bigEndian(h + 16, 2);
  if (pageSize == 1) pageSize = 65536;
  if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0 || size % pageSize != 0) return false;
  const uint32_t pages = bigEndian(h + 28, 4);
  const bool pagesValid = pages != 0 && bigEndian(h + 24, 4) == bigEndian(h + 92, 4);
  if (pagesValid && static_cast<uintmax_t>(pages) * pageSize != size) return false;

  sqlite3* check = nullptr;
  if (sqlite3_open_v2(path.c_str(), &check, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    sqlite3_close(check);
    return false;
  }
  db::Table t = db::query(check, "PRAGMA quick_check;", {}, db::Report::Silent);
  bool sound = t.ok && t.size() == 1 && t.text(0, 0) == "ok" &&
               db::tableExists(check, "Disznamen");
  sqlite3_close(check);
  return sound;
}

// Puts the database part that follows in's position in place of target, in one rename,
// after checking it. conn, open on target, is closed for the change and reopened if asked.
bool installDatabasePart(QFile& in, const std::string& target, sqlite3*& conn, bool reopen) {
  const std::string file = localPath(target);
  TempFile temp(folderPart(file));
  if (!temp.ok() || !copyRest(in, temp) || !isCompleteDatabase(temp.path())) return false;

  std::error_code ec;
  fs::perms perms = fs::exists(file, ec)
                        ? fs::status(file, ec).permissions()
                        : fs::perms::owner_read | fs::perms::owner_write |
                              fs::perms::group_read | fs::perms::others_read;
  fs::permissions(temp.path(), perms | fs::perms::owner_write, ec);

  db::close(conn);
  // A journal left beside the old file would be played into the new one.
  for (const char* suffix : {"-journal", "-wal", "-shm"}) fs::remove(file + suffix, ec);
  fs::rename(temp.path(), file, ec);
  const bool replaced = !ec;
  if (replaced) temp.release();
  if (reopen) conn = db::open(target);
  return replaced && (!reopen || conn != nullptr);
}

// A consistent copy of the main database, made through SQLite while the connection stays
// open, into the given file.
bool backupMainDatabase(const std::string& path) {
  if (!gDbHaupt) return false;
  sqlite3* dest = nullptr;
  if (sqlite3_open(path.c_str(), &dest) != SQLITE_OK) {
    sqlite3_close(dest);
    return false;
  }
  bool done = false;
  if (sqlite3_backup* b = sqlite3_backup_init(dest, "main", gDbHaupt, "main")) {
    int rc = sqlite3_backup_step(b, -1);
    done = sqlite3_backup_finish(b) == SQLITE_OK && rc == SQLITE_DONE;
  }
  // The copy must stand on its own, without a write-ahead log beside it.
  if (done) done = db::exec(dest, "PRAGMA journal_mode=DELETE;", {}, db::Report::Silent);
  return sqlite3_close(dest) == SQLITE_OK && done;
}

bool writeChecked(QSaveFile& out, const char* data, qint64 size) {
  return out.write(data, size) == size;
}

}  // namespace

bool SaveDataFile(const std::string& fileName) {
  const QString target = qs(fileName);
  clearReadOnly(target);

  TempFile copy(fs::temp_directory_path().string());
  if (!copy.ok() || !copy.closeFd() || !backupMainDatabase(copy.path())) return false;

  const std::string saved = DateTimeText(std::time(nullptr));
  Einstellungssatz settings = gEinstellungen;
  setFieldText(settings.Speicherzeit, saved);
  // The scrambled web-access values stay out of every data file that leaves the house.
  std::memset(settings.WebzugangGespeichert, 0, sizeof settings.WebzugangGespeichert);
  auto record = settings.toBytes();

  char head[kHeadSize] = {};
  std::memcpy(head, gIntdat.DatenKopf.data(),
              std::min(gIntdat.DatenKopf.size(), static_cast<size_t>(kHeadSize - 1)));

  QSaveFile out(target);
  if (!out.open(QIODevice::WriteOnly)) return false;
  if (!writeChecked(out, head, kHeadSize) ||
      !writeChecked(out, reinterpret_cast<const char*>(record.data()),
                    static_cast<qint64>(record.size())))
    return false;

  std::ifstream db(copy.path(), std::ios::binary);
  if (!db) return false;
  std::vector<char> buf(kBlock);
  while (db) {
    db.read(buf.data(), static_cast<std::streamsize>(buf.size()));
    if (db.gcount() > 0 && !writeChecked(out, buf.data(), db.gcount())) return false;
  }
  if (db.bad() || !out.commit()) return false;

  setFieldText(gEinstellungen.Speicherzeit, saved);
  return true;
}

OpenResult OpenDataFile(const std::string& fileName) {
  QFile in(qs(fileName));
  if (!in.open(QIODevice::ReadOnly)) return OpenResult::Failed;
  switch (readHead(in)) {
    case Head::Older: return OpenResult::OlderFormat;
    case Head::Foreign: return OpenResult::Failed;
    case Head::Current: break;
  }
  // The settings block is not applied: the running settings stay as they are.
  if (in.size() <= kDbOffset || !in.seek(kDbOffset)) return OpenResult::Failed;
  return installDatabasePart(in, gIntdat.DbDateiPfad, gDbHaupt, true) ? OpenResult::Ok
                                                                      : OpenResult::Failed;
}

bool ReadExtractFile(const std::string& fileName) {
  QFile in(qs(fileName));
  if (!in.open(QIODevice::ReadOnly) || readHead(in) != Head::Current) return false;
  if (in.size() <= kDbOffset || !in.seek(kDbOffset)) return false;
  // The discipline import opens the extracted file itself when it is shown.
  return installDatabasePart(in, gIntdat.TempDbDateiPfad, gDbTemp, false);
}
