#include "core/helpers.h"

#include <QFile>
#include <array>
#include <optional>
#include <cstdio>
#include <string_view>
#include <utility>

#include "core/db.h"
#include "core/globals.h"
#include "core/savefile.h"
#include "platform/text.h"

namespace {

// The lengths the callers were written for; longer results are cut, never overflow.
constexpr size_t kTeamNameMax = 199;
constexpr size_t kSqlTextMax = 99;
constexpr size_t kNameWordMax = 49;

const std::array<const char*, 20> kRoman = {"I",   "II",   "III",   "IV",  "V",  "VI",  "VII",
                                            "VIII", "IX",  "X",     "XI",  "XII", "XIII", "XIV",
                                            "XV",  "XVI", "XVII", "XVIII", "XIX", "XX"};

struct ByteSwap {
  unsigned char from;
  unsigned char to;
};

// DOS code page 850/437 umlauts and their cp1252 counterparts.
constexpr ByteSwap kDosAnsi[] = {{0x84, 0xE4}, {0x94, 0xF6}, {0x81, 0xFC}, {0x8E, 0xC4},
                                 {0x99, 0xD6}, {0x9A, 0xDC}, {0xE1, 0xDF}};

char swapByte(char c, bool toAnsi) {
  auto u = static_cast<unsigned char>(c);
  for (const ByteSwap& s : kDosAnsi) {
    if (toAnsi && u == s.from) return static_cast<char>(s.to);
    if (!toAnsi && u == s.to) return static_cast<char>(s.from);
  }
  return c;
}

// The one lookup of a club's name; nothing when the club has no row.
std::optional<std::string> clubRow(sqlite3* db, long verein) {
  db::Table t = db::query(db, "SELECT Name FROM Vereine_gau WHERE Nummer=?;", {verein});
  if (t.empty()) return std::nullopt;
  return t.text(0, 0);
}
}  // namespace

std::string VereinsName(sqlite3* db, long verein) { return clubRow(db, verein).value_or(std::string()); }

std::string MannschaftsName(long club, int team) {
  std::optional<std::string> name = clubRow(gDbHaupt, club);
  return name ? MannschaftsNameVon(*name, team) : std::string();
}

std::string RoemischeZahl(int n) { return n >= 1 && n <= 20 ? kRoman[static_cast<size_t>(n - 1)] : ""; }

std::string MannschaftsNameVon(const std::string& clubName, int team) {
  std::string name = clubName + " " + (team < 1 ? std::string(" ") : RoemischeZahl(team));
  if (name.size() > kTeamNameMax) name.resize(kTeamNameMax);
  return name;
}

std::string& DosToAnsi(std::string& text) {
  TrimRight(text);
  for (char& c : text) c = c == '"' ? '\'' : swapByte(c, true);
  return text;
}

std::string AnsiToDos(const std::string& text) {
  std::string out = text.substr(0, kNameWordMax);
  for (char& c : out) c = swapByte(c, false);
  return out;
}

namespace {

// The German umlauts and their HTML entities.
struct Umlaut {
  unsigned char c;
  const char* entity;
};
constexpr Umlaut kUmlaute[] = {{0xE4, "&auml;"}, {0xF6, "&ouml;"}, {0xFC, "&uuml;"}, {0xC4, "&Auml;"},
                               {0xD6, "&Ouml;"}, {0xDC, "&Uuml;"}, {0xDF, "&szlig;"}};

// A control code from an older database or a data file would reach a list raw; so would the
// five bytes code page 1252 leaves undefined, which no reader of the list can show.
bool controlCode(char c) {
  switch (static_cast<unsigned char>(c)) {
    case 0x7F: case 0x81: case 0x8D: case 0x8F: case 0x90: case 0x9D: return true;
    default: return static_cast<unsigned char>(c) < 0x20;
  }
}

const Umlaut* umlaut(char c) {
  for (const Umlaut& u : kUmlaute)
    if (u.c == static_cast<unsigned char>(c)) return &u;
  return nullptr;
}

}  // namespace

std::string HtmlUmlaute(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (const Umlaut* m = umlaut(c))
      out += m->entity;
    else if (controlCode(c) && c != '\t' && c != '\r' && c != '\n')  // the page's own layout stays
      out += ' ';
    else if (u < 0x80)
      out += c;
    else  // by its Unicode number: the page reads the same whatever character set it is served as
      out += "&#" + std::to_string(static_cast<unsigned>(unicodeOf(u))) + ";";
  }
  return out;
}

std::string HtmlEscape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string FileNameProposal(const std::string& text) {
  std::string out;
  // Folder separators, the signs other systems refuse in a name and control codes go.
  for (char c : text)
    if (!controlCode(c) && std::string_view("/\\:*?\"<>|").find(c) == std::string_view::npos) out += c;
  return out;
}

std::string textListValue(std::string text) {
  for (char& c : text)
    if (controlCode(c)) c = ' ';
  return text;
}

std::string CssLinkName() {
  const std::string name = fileNamePart(fieldText(gEinstellungen.CssDatei));
  return name == "(null)" ? std::string() : name;
}

std::string& QuoteForSql(std::string& text) {
  if (text.size() > kSqlTextMax) text.resize(kSqlTextMax);
  for (char& c : text)
    if (c == '"') c = '\'';
  return text;
}

std::string& TrimRight(std::string& text) {
  size_t keep = text.size();
  while (keep > 1 && (text[keep - 1] == ' ' || text[keep - 1] == '\0')) --keep;
  text.resize(keep);
  return text;
}

std::string& SwapNameWords(int flag, std::string& name) {
  if (flag == 0) return name;
  size_t blank = name.find(' ');
  std::string first = name.substr(0, blank).substr(0, kNameWordMax);
  std::string rest;
  if (blank != std::string::npos) {
    size_t start = name.find_first_not_of(' ', blank);
    if (start != std::string::npos) rest = name.substr(start, kNameWordMax);
  }
  name = rest.empty() ? first : rest + " " + first;
  return name;
}

void clearReadOnly(const QString& path) {
  if (QFile::exists(path))
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::WriteUser);
}

bool WriteTextFile(const std::filesystem::path& fileName, const std::string& text) {
  // A dBASE writer has already written its own file under this name and left only this
  // marker behind; the file must stay as it is.
  if (text.empty() || text == "dbf") return true;
  return saveWhole(qtPath(fileName), {text});
}

std::string DateTimeText(std::time_t when) {
  std::tm t{};
  localtime_r(&when, &t);
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%d.%d.%4d, %2d:%02d", t.tm_mday, t.tm_mon + 1,
                t.tm_year + 1900, t.tm_hour, t.tm_min);
  return stamp;
}

namespace {
std::time_t gOutputTime = 0;
}

std::time_t outputTime() { return gOutputTime != 0 ? gOutputTime : std::time(nullptr); }

void setOutputTime(std::time_t when) { gOutputTime = when; }

std::string ModelCssText(std::time_t now) {
  const std::string nl = "\r\n";
  std::string css;
  // A rule's comment stands beside its selector; nullptr: none, "" an empty comment.
  auto rule = [&](const std::string& selector, const char* comment) {
    css += selector + " {";
    if (comment) css += std::string(" /*") + comment + "*/";
    css += nl;
  };
  auto decl = [&](const std::string& declaration, const std::string& comment = std::string()) {
    css += "  " + declaration + ";";
    if (!comment.empty()) css += " /*" + comment + "*/";
    css += nl;
  };
  auto end = [&]() { css += "}" + nl + nl; };

  css += "/* ZikoStandard.css erstellt am " + DateTimeText(now) + " von ZielKontor.exe, */" + nl;
  css += "/* einer Software für den Schießsport von Hagelstätter */" + nl + nl;

  rule("body", nullptr);
  decl("background-image: url(logo.gif)", "bei Bedarf Hintergrundbild einbinden");
  decl("background-color: #eeeeee");
  decl("margin-left: 2%");
  decl("margin-right: 2%");
  decl("margin-top: 2%");
  decl("margin-bottom:auto");
  decl("font-family: Arial, Helvetica, sans-serif");
  decl("scrollbar-base-color: #C0C0C0", "Grundfarbe des Scrollbalkens");
  decl("scrollbar-arrow-color: #FFFFFF", "Farbe des Scrollbalken-Pfeils");
  decl("scrollbar-darkshadow-color: #000000", "Farbe des Scrollbalken-Schattens");
  decl("scrollbar-face-color: #C0C0C0", "Hauptfarbe des Scrollbalkens");
  decl("scrollbar-highlight-color: #FFFFFF", "Farbe der Scrollbalken-Oberfläche");
  decl("scrollbar-3dlight-color: #C0C0C0", "Farbe der linken und oberen Seite des SB");
  decl("scrollbar-shadow-color: #808080", "Farbe der rechten und unteren Seite des SB");
  decl("scrollbar-track-color: #E0E0E0", "Hintergrundfarbe des SB's");
  end();

  auto link = [&](const std::string& selector, const char* comment,
                  const std::string& color, const std::string& decoration) {
    rule(selector, comment);
    decl("font-weight: normal");
    decl("color: " + color);
    decl("text-decoration: " + decoration);
    decl("font-size: 10px");
    end();
  };
  link("a:link", "Link", "Navy", "none");
  link("a:visited", "besuchter Link", "Navy", "none");
  link("a:hover", "Link beim Überfahren der Maus", "#A4282A", "underline");
  link("a:active", "angeklickter Link", "Navy", "none");
  link("a:focus", "", "Navy", "none");

  // The headings h1 to h3 name the colour before the size, the text styles after it.
  auto font = [&](const std::string& selector, const char* comment,
                  const std::string& weight, const std::string& size, bool colourFirst) {
    rule(selector, comment);
    decl("font-family: Verdana, Arial, Helvetica, sans-serif");
    decl("font-weight: " + weight);
    if (colourFirst) decl("color: Black");
    decl("font-size: " + size);
    if (!colourFirst) decl("color: Black");
    decl("margin: 1");
    end();
  };
  font("h1", "für 1. Kopfzeile", "bold", "18px", true);
  font("h2", "für 2. Kopfzeile", "bold", "16px", true);
  font("h3", "für 3. Kopfzeile", "bold", "14px", true);
  font("h4", "für übrige Texte wie Vereinsnamen", "normal", "12px", false);
  font("h5", "für  Klassenname Einzelwertung", "bold", "12px", false);
  font("h6", "für Fusszeilen wie wkladr usw.", "bold", "10px", false);
  font("td", "Tabelleninhalt", "normal", "12px", false);

  const std::pair<const char*, const char*> shades[] = {
      {"td.head", "#b0b0b0"}, {"td.hell", "#e0e0e0"}, {"td.dunkel", "#d0d0d0"}};
  for (const auto& [selector, colour] : shades) {
    rule(selector, nullptr);
    decl(std::string("background-color: ") + colour);
    end();
  }
  css.resize(css.size() - nl.size());  // no blank line after the last rule
  return css;
}

bool WriteModelCss(const std::filesystem::path& fileName) {
  return WriteTextFile(fileName, ModelCssText(std::time(nullptr)));
}

bool WriteHtmlPage(const std::filesystem::path& fileName, const std::string& page) {
  return WriteTextFile(fileName, page) && (gEinstellungen.CssKopieren == 0 || CopyCssBeside(fileName));
}

bool CopyCssBeside(const std::filesystem::path& outputFile) {
  const std::string css = fieldText(gEinstellungen.CssDatei);
  std::string text;
  QFile in(qs(css));
  if (!css.empty() && in.open(QIODevice::ReadOnly)) {
    QByteArray bytes = in.readAll();
    text.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
  }
  if (text.empty()) return true;
  return WriteTextFile(outputFile.parent_path() / fsPath(qs(fileNamePart(css))), text);
}
