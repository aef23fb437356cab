#include "core/globals.h"

Einstellungssatz gEinstellungen{};
_ziko_intdat gIntdat;

sqlite3* gDbHaupt = nullptr;
sqlite3* gDbPfade = nullptr;
sqlite3* gDbAgenda = nullptr;
sqlite3* gDbStammdaten = nullptr;
sqlite3* gDbAutoImpExp = nullptr;
sqlite3* gDbTemp = nullptr;

std::string joinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  char last = folder.back();
  if (last == '/' || last == '\\') return folder + name;
  return folder + "/" + name;
}

std::string fileNamePart(const std::string& path) {
  size_t p = path.find_last_of("/\\");
  return p == std::string::npos ? path : path.substr(p + 1);
}

std::string folderPart(const std::string& path) {
  size_t p = path.find_last_of("/\\");
  if (p == std::string::npos) return std::string();
  if (p == 0) return path.substr(0, 1);
  return path.substr(0, p);
}

