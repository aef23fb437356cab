#pragma once
// Opens <help folder>/<topic> in the browser, or says that the page is not installed.
#include <filesystem>
#include <string>

namespace help {
void setFolder(const std::filesystem::path& folder);
const std::filesystem::path& folder();
void showTopic(const std::string& topic);
// For tests: the last topic asked for, whether or not it could be opened.
const std::string& lastTopic();
}  // namespace help
