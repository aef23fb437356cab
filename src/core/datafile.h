#pragma once
// The data file (*.rwk): a 60-byte head, the settings record, the main database.
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

// Each operation leaves the system's reason for a failure in error when asked (a file it
// names is spelled as the file system spells it); a failed operation changes no file.

// Refuses a target that is one of the program's own files (isProgramFile).
bool SaveDataFile(const std::filesystem::path& fileName, QString* error = nullptr);

enum class OpenResult { Ok, Failed, OlderFormat };
// Accepts only a regular file whose database part holds the program's tables; the main
// database is replaced in one step, through a symbolic link onto its target.
OpenResult OpenDataFile(const std::filesystem::path& fileName, QString* error = nullptr);

bool ReadExtractFile(const std::filesystem::path& fileName, QString* error = nullptr);

// One of the five databases, the settings file or the import's temporary database of the
// working folder, by the file it resolves to.
bool isProgramFile(const std::filesystem::path& fileName);

// The names of the temporary databases that opening a data file and the discipline import
// make in the working folder, with "XXXXXX" for the letters the system fills in: the longest
// names of the program's databases.
std::vector<std::string> temporaryDatabaseNames();

// Removes what a killed open or extract left in the working folder.
void removeDataFileLeftovers(const std::filesystem::path& folder);
