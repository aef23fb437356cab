#pragma once
// Text, name and file helpers shared by all windows and writers.
#include <ctime>
#include <string>

std::string MannschaftsName(long club, int team);
std::string& DosToAnsi(std::string& text);
std::string AnsiToDos(const std::string& text);
std::string HtmlUmlaute(const std::string& text);
std::string& QuoteForSql(std::string& text);
std::string& TrimRight(std::string& text);
std::string& SwapNameWords(int flag, std::string& name);
bool WriteTextFile(const std::string& fileName, const std::string& text);
// Date and time as the program stamps saved files and the model style sheet: "7.12.2026,  9:05".
std::string DateTimeText(std::time_t when);
std::string ModelCssText(std::time_t now);
bool WriteModelCss(const std::string& fileName);
bool CopyCssBeside(const std::string& outputFile);
