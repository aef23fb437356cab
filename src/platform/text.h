#pragma once
// The one place where code page 1252 bytes meet Unicode: everything the program stores
// or writes is cp1252 in std::string; widgets and the clipboard take QString.
#include <QString>
#include <string>

QString qs(const std::string& cp1252);
QString qs(const char* cp1252);
std::string fromQs(const QString& text);  // characters outside cp1252 become '?'
// The text composed (a "u" with a combining diaeresis is "ü") and in cp1252; false when a
// character has no cp1252 byte, so that it can be refused instead of stored as '?'.
bool toCp1252(const QString& text, std::string& out);

// Locale-independent number reading and writing.
long toLong(const std::string& text);  // leading blanks, sign and digits; anything else stops; empty 0
int toInt(const std::string& text);
std::string str(long long value);
