#include "core/savefile.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/messages.h"
#include "platform/text.h"

namespace {

thread_local std::string gLastError;

// Why the temporary file could not be made: Qt's own text names no cause a user can act on.
std::string openReason(const QString& fileName, QSaveFile& file, int err) {
  const QFileInfo target(fileName);
  const QFileInfo folder(target.absolutePath());
  if (!folder.isDir()) return "der Ordner ist nicht vorhanden";
  if (target.isDir()) return "ein Ordner trägt diesen Namen";
  if (target.exists() && !target.isWritable()) return "die Datei ist schreibgeschützt";
  if (::access(QFile::encodeName(folder.absoluteFilePath()).constData(), W_OK) != 0) return systemReason(errno);
  return err != 0 ? systemReason(err) : fromQs(file.errorString());
}

}  // namespace

bool writeAll(int fd, std::string_view bytes) {
  const char* data = bytes.data();
  size_t size = bytes.size();
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

std::string systemReason(int error) {
  switch (error) {
    case ENOSPC: return "der Datenträger ist voll";
    case EDQUOT: return "der zugeteilte Speicherplatz ist erschöpft";
    case EFBIG: return "die Datei ist zu groß";
    case EACCES:
    case EPERM: return "keine Berechtigung";
    case EROFS: return "der Datenträger ist schreibgeschützt";
    case ENOENT: return "die Datei oder der Ordner ist nicht vorhanden";
    case EIO: return "Ein-/Ausgabefehler des Datenträgers";
    case ENAMETOOLONG: return "der Name ist zu lang";
    case ENOMEM: return "zu wenig Speicher";
    default: return std::strerror(error);
  }
}

bool saveWhole(const QString& fileName, std::initializer_list<std::string_view> parts,
               std::string* error) {
  std::string reason;
  bool saved = false;
  QSaveFile file(fileName);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly)) {
    reason = openReason(fileName, file, errno);
  } else {
    // The writes go to the descriptor: QSaveFile's buffer would meet a full disk only in
    // commit(), which then still renames the cut file into place.
    bool written = true;
    for (std::string_view part : parts)
      if (!(written = writeAll(file.handle(), part))) break;
    // Some file systems report a full disk only when the data reach it.
    if (written && ::fsync(file.handle()) != 0 && errno != EINVAL) written = false;
    if (!written) {
      reason = systemReason(errno);
      file.cancelWriting();
    } else {
      errno = 0;
      saved = file.commit();
      if (!saved) reason = errno != 0 ? systemReason(errno) : fromQs(file.errorString());
    }
  }
  if (!saved && reason.empty()) reason = "unbekannte Ursache";
  gLastError = saved ? std::string() : reason;
  if (error) *error = gLastError;
  return saved;
}

std::string takeSaveError() { return std::exchange(gLastError, std::string()); }

void showSaveFailed(const std::string& reason) { showSaveFailed(qs(reason)); }

void showSaveFailed(const QString& reason) {
  QString text = qs("Fehler beim Erstellen der Datei\nPfad prüfen!");
  if (!reason.isEmpty()) text += QLatin1Char('\n') + reason;
  msg::show(text, "Fehler", msg::Ok, msg::Error);
}
