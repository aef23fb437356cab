#include "core/startup.h"

#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/db.h"
#include "core/globals.h"
#include "core/schema.h"
#include "core/settings.h"
#include "core/upgrade.h"
#include "platform/messages.h"
#include "platform/text.h"

namespace {

// Whether any database file held data before this start; sampled before SQLite opens
// (and possibly creates) the files.
bool gHadData = false;

sqlite3** const kConnections[5] = {&gDbHaupt, &gDbPfade, &gDbAgenda, &gDbStammdaten,
                                   &gDbAutoImpExp};

// Copies the five database files (and any journal beside them) into a new folder
// "Sicherung-<date>-<time>" of the working directory. Returns the folder, or "" on failure.
std::string backUpDatabases() {
  QDir work(QDir::current());
  QString base = QStringLiteral("Sicherung-") +
                 QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString name = base;
  for (int n = 2; work.exists(name); ++n) name = base + QStringLiteral("-") + QString::number(n);
  if (!work.mkdir(name)) return std::string();
  QDir target(work.filePath(name));
  for (const char* file : kDbFiles) {
    for (const char* suffix : {"", "-journal", "-wal"}) {
      QString source = qs(std::string(file) + suffix);
      if (!QFile::exists(source)) continue;
      if (!QFile::copy(source, target.filePath(source))) {
        target.removeRecursively();  // a partial copy is no backup
        return std::string();
      }
    }
  }
  return fromQs(target.absolutePath());
}

}  // namespace

bool OpenDatabases() {
  QString folder = QDir::currentPath();
  // A read-only database file would turn every later statement into an error box.
  bool writable = access(".", W_OK | X_OK) == 0;
  for (const char* file : kDbFiles)
    if (access(file, F_OK) == 0 && access(file, W_OK) != 0) writable = false;
  if (!writable) {
    msg::show("Im Ordner\n" + fromQs(folder) + "\nkönnen keine Daten gespeichert werden.", "Fehler",
              msg::Ok, msg::Error);
    return false;
  }
  gHadData = false;
  for (const char* file : kDbFiles) {
    QFileInfo info(qs(file));
    if (info.exists() && info.size() > 0) gHadData = true;
  }
  for (size_t i = 0; i < 5; ++i) *kConnections[i] = db::open(kDbFiles[i]);
  return true;
}

void CloseDatabases() {
  for (sqlite3** conn : kConnections) db::close(*conn);
}

bool PrepareDatabases() {
  InitGlobals();
  if (LoadSettings(gIntdat.KonfigDateiPfad)) {
    RunUpgradeProbes(false);
    return false;
  }
  std::string backup;
  if (gHadData) {
    backup = backUpDatabases();
    if (backup.empty()) {
      // Without a copy the data must not be replaced: keep it and start with default settings.
      setDefaultSettings(0);
      msg::show("Die Einstellungsdatei Zikoconfig.cnf fehlt oder ist ungültig. Die bisherigen "
                "Daten konnten nicht gesichert werden und bleiben unverändert.",
                "Fehler", msg::Ok, msg::Error);
      RunUpgradeProbes(false);
      return false;
    }
  }
  CreateDefaultDatabase(0);
  if (!backup.empty()) {
    msg::show("Die Einstellungsdatei Zikoconfig.cnf fehlt oder ist ungültig. Es wurde eine neue "
              "Datenbank angelegt; die bisherigen Daten sind im Ordner\n" +
                  backup + "\ngesichert.",
              "Meldung");
  }
  RunUpgradeProbes(true);
  return true;
}

void ShutDown() {
  SaveSettings(gIntdat.KonfigDateiPfad);
  CloseDatabases();
}
