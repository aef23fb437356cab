#pragma once
// Settings record file and program-state record set-up.
#include <filesystem>
#include <string>

#include "core/globals.h"

// Fills gIntdat: program folder (the current directory), file heads, paths, CREATE texts.
void InitGlobals();
bool LoadSettings(const std::filesystem::path& path);
// False, with the reason in error when asked, when the file could not be written whole.
bool SaveSettings(const std::filesystem::path& path, std::string* error = nullptr);
// SaveSettings into the program's settings file; a failure is shown with its reason.
bool SaveSettingsShowingFailure();

// The four web-access values kept scrambled in gEinstellungen.WebzugangGespeichert.
void StoreWebzugang(const std::string& server, const std::string& path, const std::string& user,
                    const std::string& password);
// Restores gIntdat.WebServername ... WebPasswort; a damaged block gives four empty values.
void RestoreWebzugang();
