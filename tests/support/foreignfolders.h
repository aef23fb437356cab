#pragma once
// Folders whose names code page 1252 cannot hold, made inside parent: one Polish, one Japanese.
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/text.h"

inline std::vector<std::filesystem::path> makeForeignFolders(const std::string& parent) {
  std::vector<std::filesystem::path> folders;
  for (const QString& name : {QStringLiteral("\u0141\u00f3d\u017a"), QStringLiteral("\u65e5\u672c")}) {
    folders.push_back(std::filesystem::path(parent) / fsPath(name));
    std::filesystem::create_directory(folders.back());
  }
  return folders;
}
