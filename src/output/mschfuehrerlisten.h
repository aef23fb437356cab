#pragma once
// The team-captain lists of the season documents: saved in the three forms and printed as a
// series, one job with every club that has teams in the current discipline.
#include <filesystem>
#include <string>

// Format 1 text, 2 HTML (with the style sheet copied beside it when CssKopieren is set),
// 3 dBASE. True when the file was written (and, where asked, the style sheet copied).
bool SaveMschFuehrer(const std::filesystem::path& datei, int format, long verein, long klasse);

// False when the job did not begin; without any club to print it begins none and says so.
bool PrintMschFuehrerSerie();
