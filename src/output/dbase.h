#pragma once
// Plain dBASE III tables (no memo file), as the clubs' and federation programs read them.
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

struct DbfFeld {
  std::string Name;  // at most 10 characters
  char Typ = 'C';    // 'C' text, left-aligned; 'N' number, right-aligned
  int Laenge = 10;
  int Dezimalen = 0;
};

// Writes the table through a temporary file renamed into place. Values are taken as
// bytes of the file's code page and cut to their field. Language byte 0x02 (code page
// 850); the head carries the date of `datum`. False when the file could not be written;
// an existing file is then left as it was.
bool WriteDbfDatei(const std::filesystem::path& dateiname, const std::vector<DbfFeld>& felder,
                   const std::vector<std::vector<std::string>>& saetze, std::time_t datum);

// A text in code page 850 for a dBASE field, whatever its length.
std::string DbfText(const std::string& text);
