#pragma once
// The one place where code page 1252 bytes meet Unicode: everything the program stores
// or writes is cp1252 in std::string; widgets and the clipboard take QString.
#include <QString>
#include <string>

QString qs(const std::string& cp1252);
QString qs(const char* cp1252);
std::string fromQs(const QString& text);  // characters outside cp1252 become '?'

// Locale-independent number reading and writing.
long toLong(const std::string& text);  // leading blanks, sign and digits; anything else stops; empty 0
int toInt(const std::string& text);
std::string str(long long value);
