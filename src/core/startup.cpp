#include "core/startup.h"

#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <vector>

#include "core/datafile.h"
#include "core/db.h"
#include "core/globals.h"
#include "core/savefile.h"
#include "core/schema.h"
#include "core/settings.h"
#include "core/upgrade.h"
#include "platform/messages.h"
#include "platform/text.h"

namespace {

// Whether any database file held data before this start, and whether the main database
// held any table; sampled before SQLite opens (and possibly creates) the files.
bool gHadData = false;
bool gMainMissing = false;
// A start whose default database could not be built leaves the settings file alone, so
// that the next start tries again.
bool gSaveSettings = true;

const char* const kSettingsFile = "Zikoconfig.cnf";

QString inWorkFolder(const char* file) { return QDir::current().absoluteFilePath(qs(file)); }

// A settings file that is there but cannot be read must not pass for a first start: that
// would replace the data.
bool settingsFileReadable() {
  QFileInfo info(qs(kSettingsFile));
  if (!info.exists() && !info.isSymLink()) return true;
  QFile file(qs(kSettingsFile));
  return info.isFile() && file.open(QIODevice::ReadOnly);
}

enum class DbState { Missing, Empty, Sound, Damaged, Held };

// Which database files this start made (they were missing): a start that cannot build them
// takes them away again.
bool gCreated[5] = {};

// Looks at a database file without changing it: a file that is not a regular file, not an
// SQLite database or fails the quick check is damaged; the main database must also hold
// the program's tables, or none at all (then it is built like a missing one). A file that
// another program keeps locked beyond the wait is held, not damaged.
DbState databaseState(const char* file, bool main) {
  QFileInfo info(qs(file));
  if (!info.exists() && !info.isSymLink()) return DbState::Missing;
  if (!info.isFile()) return DbState::Damaged;
  if (info.size() == 0) return DbState::Empty;
  sqlite3* conn = nullptr;
  if (sqlite3_open_v2(file, &conn, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    sqlite3_close(conn);
    return DbState::Damaged;
  }
  sqlite3_busy_timeout(conn, db::kBusyTimeoutMs);
  DbState state = DbState::Damaged;
  // One read transaction: every check sees the same state of the file.
  db::exec(conn, "BEGIN TRANSACTION;", {}, db::Report::Silent);
  db::Table check = db::query(conn, "PRAGMA quick_check;", {}, db::Report::Silent);
  if (!check.ok && db::heldElsewhere(conn)) state = DbState::Held;
  if (check.ok && check.size() == 1 && check.text(0, 0) == "ok") {
    db::Table tables =
        db::query(conn, "SELECT COUNT(*) FROM sqlite_master WHERE type='table';", {}, db::Report::Silent);
    if (!main)
      state = tables.ok ? DbState::Sound : DbState::Damaged;
    else if (tables.ok && tables.num(0, 0) == 0)
      state = DbState::Empty;
    else if (tables.ok && holdsMainTables(conn))
      state = DbState::Sound;
  }
  db::exec(conn, "ROLLBACK TRANSACTION;", {}, db::Report::Silent);
  sqlite3_close(conn);
  return state;
}

// SQLite names every database by its full path, which has a limit of its own below the
// system's, and opens no database whose journal ("-journal" added) that limit cannot name: a
// longer folder cannot hold the databases, though nothing in it is damaged.
bool pathTooLong(const std::string& file) {
  sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
  if (!vfs) return false;
  std::vector<char> full(static_cast<size_t>(vfs->mxPathname) + 1);
  const int rc = vfs->xFullPathname(vfs, file.c_str(), vfs->mxPathname + 1, full.data());
  if ((rc & 0xFF) != SQLITE_OK) return true;  // SQLITE_OK_SYMLINK: a link, resolved
  return std::strlen(full.data()) + std::strlen("-journal") > static_cast<size_t>(vfs->mxPathname);
}

// The databases and the temporary ones of "Datei öffnen" and the discipline import, which
// have the longest names: a folder that takes the databases but not these would fail later.
std::vector<std::string> databaseNames() {
  std::vector<std::string> names(std::begin(kDbFiles), std::end(kDbFiles));
  for (const std::string& name : temporaryDatabaseNames()) names.push_back(name);
  return names;
}

sqlite3** const kConnections[5] = {&gDbHaupt, &gDbPfade, &gDbAgenda, &gDbStammdaten,
                                   &gDbAutoImpExp};

// Copies the five database files (and any journal beside them) into a new folder
// "Sicherung-<date>-<time>" of the working directory. Returns the folder, or "" on failure.
QString backUpDatabases() {
  QDir work(QDir::current());
  QString base = QStringLiteral("Sicherung-") +
                 QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString name = base;
  for (int n = 2; work.exists(name); ++n) name = base + QStringLiteral("-") + QString::number(n);
  if (!work.mkdir(name)) return QString();
  QDir target(work.filePath(name));
  for (const char* file : kDbFiles) {
    for (const char* suffix : {"", "-journal", "-wal"}) {
      QString source = qs(std::string(file) + suffix);
      if (!QFile::exists(source)) continue;
      // Every byte of the copy is checked: the data are replaced once the copy stands.
      QFile in(source);
      const bool read = in.open(QIODevice::ReadOnly);
      const QByteArray bytes = read ? in.readAll() : QByteArray();
      if (!read || in.error() != QFileDevice::NoError ||
          !saveWhole(target.filePath(source),
                     {std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))})) {
        target.removeRecursively();  // a partial copy is no backup
        return QString();
      }
    }
  }
  return target.absolutePath();
}

// Closes the databases and removes the files this start made, with their journals.
void removeCreatedDatabases() {
  CloseDatabases();
  std::error_code ec;
  for (size_t i = 0; i < 5; ++i) {
    if (!gCreated[i]) continue;
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
      std::filesystem::remove(std::string(kDbFiles[i]) + suffix, ec);
    gCreated[i] = false;
  }
}

}  // namespace

bool OpenDatabases() {
  QString folder = QDir::currentPath();
  // A read-only database file would turn every later statement into an error box.
  bool writable = access(".", W_OK | X_OK) == 0;
  for (const char* file : kDbFiles)
    if (access(file, F_OK) == 0 && access(file, W_OK) != 0) writable = false;
  if (!writable) {
    msg::show(qs("Im Ordner\n") + folder + qs("\nkönnen keine Daten gespeichert werden."), "Fehler",
              msg::Ok, msg::Error);
    return false;
  }
  for (const std::string& file : databaseNames()) {
    if (!pathTooLong(file)) continue;
    msg::show(qs("Der Pfad des Ordners\n") + folder +
                  qs("\nist zu lang f\xFCr die Datenbanken. Das Programm wird beendet, ohne etwas zu \xE4ndern."),
              "Fehler", msg::Ok, msg::Error);
    return false;
  }
  // What a killed open or extract left behind (the folder lock keeps other copies out).
  removeDataFileLeftovers(fsPath(folder));
  if (!settingsFileReadable()) {
    msg::show(qs("Die Einstellungsdatei\n") + inWorkFolder(kSettingsFile) +
                  qs("\nkann nicht gelesen werden. Das Programm wird beendet, ohne etwas zu ändern."),
              "Fehler", msg::Ok, msg::Error);
    return false;
  }
  gHadData = false;
  gMainMissing = false;
  for (size_t i = 0; i < 5; ++i) {
    const char* file = kDbFiles[i];
    const bool main = i == 0;
    DbState state = databaseState(file, main);
    if (state == DbState::Held || state == DbState::Damaged) {
      msg::show(qs("Die Datenbank\n") + inWorkFolder(file) +
                    qs(std::string(state == DbState::Held
                                       ? "\nwird von einem anderen Programm benutzt."
                                       : "\nist beschädigt oder keine Datenbank dieses Programms.") +
                       " Das Programm wird beendet, ohne etwas zu ändern."),
                "Fehler", msg::Ok, msg::Error);
      return false;
    }
    if (state == DbState::Sound) gHadData = true;
    gCreated[i] = state == DbState::Missing;
    if (main) gMainMissing = state != DbState::Sound;
  }
  gSaveSettings = true;
  for (size_t i = 0; i < 5; ++i) *kConnections[i] = db::open(kDbFiles[i]);
  return true;
}

void CloseDatabases() {
  for (sqlite3** conn : kConnections) db::close(*conn);
}

bool PrepareDatabases(bool* ok) {
  if (ok) *ok = true;
  InitGlobals();
  const bool loaded = LoadSettings(gIntdat.KonfigDateiPfad);
  if (loaded && !gMainMissing) {
    RunUpgradeProbes(false);
    return false;
  }
  const std::string reason = loaded ? "Die Datenbank zielkontor.db fehlt."
                                    : "Die Einstellungsdatei Zikoconfig.cnf fehlt oder ist ungültig.";
  QString backup;
  if (gHadData) {
    backup = backUpDatabases();
    if (backup.isEmpty()) {
      // Without a copy the data must not be replaced: keep it and start with default settings.
      setDefaultSettings(0);
      msg::show(reason + " Die bisherigen Daten konnten nicht gesichert werden und bleiben "
                "unverändert.",
                "Fehler", msg::Ok, msg::Error);
      RunUpgradeProbes(false);
      return false;
    }
  }
  // A missing main database under valid settings keeps the district's name.
  std::string why;
  if (!CreateDefaultDatabase(loaded ? 1 : 0, &why)) {
    gSaveSettings = false;
    if (ok) *ok = false;
    removeCreatedDatabases();
    msg::show(qs("Die neue Datenbank konnte im Ordner\n") + qtPath(gIntdat.ProgrammVerzeichnis) +
                  qs("\nnicht angelegt werden" + (why.empty() ? std::string(".") : ":\n" + why) +
                     "\nDas Programm wird beendet.") +
                  (backup.isEmpty() ? QString() : qs("\nDie bisherigen Daten sind im Ordner\n") + backup + qs("\ngesichert.")),
              "Fehler", msg::Ok, msg::Error);
    return true;
  }
  if (!backup.isEmpty()) {
    msg::show(qs(reason + " Es wurde eine neue Datenbank angelegt; die bisherigen Daten sind im Ordner\n") +
                  backup + qs("\ngesichert."),
              "Meldung");
  } else if (loaded) {
    msg::show(reason + " Es wurde eine neue Datenbank angelegt.", "Meldung");
  }
  RunUpgradeProbes(true);
  return true;
}

void ShutDown() {
  if (gSaveSettings) SaveSettingsShowingFailure();
  CloseDatabases();
}
