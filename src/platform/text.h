#pragma once
// The one place where code page 1252 bytes meet Unicode: everything the program stores
// or writes is cp1252 in std::string; widgets and the clipboard take QString.
#include <QString>
#include <filesystem>
#include <string>

QString qs(const std::string& cp1252);
QString qs(const char* cp1252);
// Composed first (a "u" with a combining diaeresis is "ü"); a character that cp1252 still
// cannot hold becomes '?'. Where such a text would be stored, use storableText instead.
std::string fromQs(const QString& text);
// The Unicode number of one cp1252 byte (0x80 is the euro sign, 8364).
char16_t unicodeOf(unsigned char cp1252);
// The composed text in cp1252; false (out unchanged) when a character cannot be held, and
// then refused is that character.
bool toCp1252(const QString& text, std::string& out, QString* refused = nullptr);
// toCp1252 for a text the user typed and that is about to be stored: a character cp1252
// cannot hold is named in a message, and the caller stores nothing.
bool storableText(const QString& text, std::string& out);

// File-system paths are not texts of the file formats: they stay paths from where they are
// found to where a file is opened, whatever characters their names hold.
std::filesystem::path fsPath(const QString& path);
QString qtPath(const std::filesystem::path& path);
// A path as a stored text (settings record, path tables): cp1252, or "" when cp1252 cannot
// hold it; such a folder is not remembered.
std::string storablePath(const std::filesystem::path& path);
// A path as a cp1252 text, as far as cp1252 can show it ('?' for the rest). A message names
// a path through qtPath, so that it shows the name the file really has.
std::string displayPath(const std::filesystem::path& path);

// Locale-independent number reading and writing.
long toLong(const std::string& text);  // leading blanks, sign and digits; anything else stops; empty 0
int toInt(const std::string& text);
std::string str(long long value);
