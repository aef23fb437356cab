#pragma once
// Start tables: for each class of a choice its teams in position order, as text, as an HTML
// page and printed. A club (0 = all) chooses the classes in which it has a team, each shown
// with all its teams; a class (0 = all) is shown alone. The club's name is passed as listed.
#include <filesystem>
#include <string>

std::string WriteTxtStarttabellen(long verein, long klasse, const std::string& vereinsname);
std::string WriteHtmlStarttabellen(long verein, long klasse, const std::string& vereinsname);

// Format 1 text, 2 HTML (with the style sheet copied beside it when CssKopieren is set).
// There is no dBASE form of start tables: any other format writes nothing and gives false.
bool SaveStarttabellen(const std::filesystem::path& datei, int format, long verein, long klasse,
                       const std::string& vereinsname);

// On the current printer, one job each; false when the printer did not begin the job. A
// choice that holds no class begins no job and says so ("Keine Daten zum Drucken.").
// With a club or a class one block per class, with neither the two-column overview.
bool PrintStarttabellen(long verein, long klasse);
// A page per club with a team in the discipline, its classes each once.
bool PrintStarttabellenSerie();
