#include "exchange/services.h"

// glib first: mdbtools.h uses its types without including it.
#include <glib.h>
#include <mdbtools.h>

#include <QFile>
#include <QFileInfo>

#include "platform/messages.h"
#include "platform/text.h"

void showNotIncluded() {
  msg::show("Diese Funktion ist in dieser Version nicht enthalten.", "Info", msg::Ok,
            msg::Information);
}

bool ExportFenkDaten(const std::filesystem::path&) { return false; }

int ImportBssbMdb(const std::filesystem::path& fileName) {
  // mdb_open also accepts a folder or an empty file and fails later; refuse those here.
  QFileInfo info(qtPath(fileName));
  if (!info.isFile() || info.size() == 0) return BssbInvalid;
  QByteArray path = QFile::encodeName(info.absoluteFilePath());
  MdbHandle* mdb = mdb_open(path.constData(), MDB_NOFLAGS);
  if (!mdb) return BssbInvalid;
  mdb_close(mdb);
  return BssbNotIncluded;
}
