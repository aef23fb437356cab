#include "platform/help.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "platform/messages.h"
#include "platform/text.h"

namespace help {
namespace {
std::filesystem::path gFolder;
std::string gLast;
}  // namespace

void setFolder(const std::filesystem::path& folder) { gFolder = folder; }
const std::filesystem::path& folder() { return gFolder; }
const std::string& lastTopic() { return gLast; }

void showTopic(const std::string& topic) {
  gLast = topic;
  QFileInfo info(gFolder.empty() ? qs(topic) : qtPath(gFolder) + QLatin1Char('/') + qs(topic));
  if (info.exists() && info.isFile()) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    return;
  }
  msg::show("Die Hilfeseite " + topic + " ist nicht installiert.", "Info", msg::Ok,
            msg::Information);
}
}  // namespace help
