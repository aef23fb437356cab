#pragma once
// Text, name and file helpers shared by all windows and writers.
#include <sqlite3.h>

#include <ctime>
#include <filesystem>
#include <string>

class QString;

// The club's name by its number; "" when there is no such club.
std::string VereinsName(sqlite3* db, long verein);
std::string MannschaftsName(long club, int team);
// "I" to "XX"; empty outside 1 ... 20.
std::string RoemischeZahl(int n);
// The same name for a club whose name is already read (a club without a row gives "").
std::string MannschaftsNameVon(const std::string& clubName, int team);
std::string& DosToAnsi(std::string& text);
std::string AnsiToDos(const std::string& text);
// An HTML page in ASCII alone: ä ö ü Ä Ö Ü ß as named entities, every other character outside
// ASCII as a character reference by its Unicode number (é is "&#233;", € "&#8364;"), and a
// control code other than tab and line break as a blank. Every HTML writer runs it over its
// whole page.
std::string HtmlUmlaute(const std::string& text);
// A data value in an HTML page: '&', '<', '>' and '"' become entities so that a name cannot
// break the markup. Run it on the value before HtmlUmlaute runs over the page.
std::string HtmlEscape(const std::string& text);
// A text as part of a proposed file name, as it is written (umlauts stay), with every
// character a file name cannot hold on any system left out ("A/B" gives "AB").
std::string FileNameProposal(const std::string& text);
// The style sheet's name as a page links it: the file-name part of CssDatei. Empty when no
// style sheet is set (or the setting holds "(null)"): the page then has no link element.
std::string CssLinkName();
// A value in a tab-separated text list: tabs, line breaks and every other control code inside
// it become blanks, so that it stays in its column and row.
std::string textListValue(std::string text);
std::string& QuoteForSql(std::string& text);
std::string& TrimRight(std::string& text);
std::string& SwapNameWords(int flag, std::string& name);
// Written whole (saveWhole); a failure leaves the old file and its reason for takeSaveError.
bool WriteTextFile(const std::filesystem::path& fileName, const std::string& text);
// A file the user marked read-only is replaced all the same when the program writes it whole.
void clearReadOnly(const QString& path);
// Date and time as the program stamps saved files and the model style sheet: "7.12.2026,  9:05".
std::string DateTimeText(std::time_t when);
// The time that outputs stamp (HTML pages, printed footers, dBASE heads). Tests fix it with
// setOutputTime; 0 returns to the real clock.
std::time_t outputTime();
void setOutputTime(std::time_t when);
std::string ModelCssText(std::time_t now);
bool WriteModelCss(const std::filesystem::path& fileName);
bool CopyCssBeside(const std::filesystem::path& outputFile);
// Writes an HTML page and, with "copy the style sheet" set, the style sheet beside it. False
// when either failed: a page whose style sheet is missing is reported like a page not written.
bool WriteHtmlPage(const std::filesystem::path& fileName, const std::string& page);
