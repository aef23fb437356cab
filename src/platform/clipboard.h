#pragma once
// The system clipboard as plain text; the program's cp1252 text is converted on the way.
#include <string>

namespace clipboard {
void setText(const std::string& cp1252);
std::string text();
}  // namespace clipboard
