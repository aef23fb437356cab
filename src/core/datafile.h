#pragma once
// The data file (*.rwk): a 60-byte head, the settings record, the main database.
#include <string>

bool SaveDataFile(const std::string& fileName);

enum class OpenResult { Ok, Failed, OlderFormat };
OpenResult OpenDataFile(const std::string& fileName);

bool ReadExtractFile(const std::string& fileName);
