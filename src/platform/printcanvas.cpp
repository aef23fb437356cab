#include "platform/printcanvas.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "platform/hyphenation.h"
#include "platform/text.h"

// ---- PrintCanvas

namespace {

// A word of digits and the marks inside numbers: a pass number, a ring value "95,7", a date,
// one group of a telephone number.
bool numberWord(std::string_view w) {
  return w.find_first_of("0123456789") != std::string_view::npos &&
         w.find_first_not_of("0123456789.,:;+-/()%") == std::string_view::npos;
}

// A team's number after its club's name.
bool romanNumeral(std::string_view w) {
  static const char* const kNumerals[] = {"I",  "II",  "III",  "IV",    "V",   "VI", "VII",
                                          "VIII", "IX", "X",   "XI",   "XII",   "XIII", "XIV",
                                          "XV", "XVI", "XVII", "XVIII", "XIX", "XX"};
  return std::any_of(std::begin(kNumerals), std::end(kNumerals), [&](const char* n) { return w == n; });
}

bool houseDigits(std::string_view w) {
  return !w.empty() && w.size() <= 4 && std::all_of(w.begin(), w.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// A house number's letter standing after a blank: the "b" of "Bahnhofplatz 2 b".
bool houseLetter(std::string_view w) { return w.size() == 1 && std::isalpha(static_cast<unsigned char>(w[0])); }

// A house number at the end of a street: "1", "12a".
bool houseNumber(std::string_view w) {
  return houseDigits(w) || (w.size() >= 2 && houseDigits(w.substr(0, w.size() - 1)) && houseLetter(w.substr(w.size() - 1)));
}

// An e-mail or web address: it breaks only after its dots, "@", hyphens and slashes, and no
// hyphen is ever added to it.
bool addressWord(std::string_view w) {
  auto startsWith = [&](std::string_view p) {
    if (w.size() < p.size()) return false;
    for (size_t i = 0; i < p.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(w[i])) != p[i]) return false;
    return true;
  };
  return w.find('@') != std::string_view::npos || startsWith("www.") || startsWith("http");
}

// Letters of code page 1252: ASCII ones and everything above 0x7F (umlauts, "ß").
bool letter(char c) { return std::isalpha(static_cast<unsigned char>(c)) || (c & 0x80); }

// What a line never breaks: a run of number words ("08031 940 12-34" is one datum), a word
// with the team number after it, and a street with its house number. Blanks inside a unit are
// kept as they stand.
struct Unit {
  size_t begin, end;
  bool number;
  size_t house = std::string::npos;  // where its closing house number begins
};

std::vector<Unit> unitsOf(const std::string& text) {
  std::vector<std::pair<size_t, size_t>> words;
  for (size_t pos = 0; (pos = text.find_first_not_of(' ', pos)) != std::string::npos;) {
    const size_t end = std::min(text.find(' ', pos), text.size());
    words.emplace_back(pos, end);
    pos = end;
  }
  auto word = [&](size_t i) { return std::string_view(text.data() + words[i].first, words[i].second - words[i].first); };
  std::vector<Unit> units;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string_view w = word(i);
    bool number = numberWord(w);
    // A mark between two numbers belongs to them: "12 : 4".
    const bool mark = !number && w.find_first_not_of(".,:;+-/") == std::string_view::npos &&
                      !units.empty() && units.back().number && i + 1 < words.size() && numberWord(word(i + 1));
    const bool last = i + 1 == words.size();
    const bool letterApart = i + 2 == words.size() && houseDigits(w) && houseLetter(word(i + 1));
    const bool house = ((last && houseNumber(w)) || letterApart) && !units.empty() && !units.back().number;
    // The letter of "2 b" never leaves its number.
    const bool letterOf = last && i > 0 && houseLetter(w) && houseDigits(word(i - 1));
    if (!units.empty() && ((number && units.back().number) || mark || romanNumeral(w) || house || letterOf)) {
      if (house) units.back().house = words[i].first;
      if (letterOf) units.back().house = std::min(units.back().house, words[i - 1].first);
      units.back().end = words[i].second;
      units.back().number = units.back().number && (number || mark);
    } else {
      units.push_back({words[i].first, words[i].second, number});
    }
  }
  return units;
}

size_t wordStart(const std::string& text, size_t p) {
  const size_t b = text.rfind(' ', p - 1);
  return b == std::string::npos ? 0 : b + 1;
}

size_t wordEnd(const std::string& text, size_t p) {
  const size_t e = text.find(' ', p);
  return e == std::string::npos ? text.size() : e;
}

// Where a unit may break, from the best choice to the last resort.
enum Level {
  kAfterMark = 1,  // after a hyphen or slash inside a word; in an address also after "." and "@"
  kNumberGap,      // at a blank between the groups of a number
  kSyllable,       // inside a word at a syllable, with a hyphen
  kThreeLetters,   // inside a word, three letters kept on each side of its part, with a hyphen
  kAnywhere,
};
bool addsHyphen(int level) { return level == kSyllable || level == kThreeLetters; }

// The syllable breaks of a unit's words, as flags by position from the unit's start.
std::vector<bool> syllablesOf(const std::string& text, const Unit& u) {
  std::vector<bool> at(u.end - u.begin + 1, false);
  for (size_t a = u.begin; a < u.end;) {
    if (!letter(text[a])) {
      ++a;
      continue;
    }
    size_t b = a;
    while (b < u.end && letter(text[b])) ++b;
    for (size_t p : syllableBreaks(std::string_view(text.data() + a, b - a))) at[a + p - u.begin] = true;
    a = b;
  }
  return at;
}

bool breakAllowed(const std::string& text, const Unit& u, size_t from, size_t p, int level,
                  const std::vector<bool>* syllables = nullptr) {
  if (p <= u.begin || p >= u.end) return false;
  // Even where nothing else fits, a house number stays whole.
  if (level == kAnywhere) return p <= u.house;
  if (text[p] == ' ' || text[p - 1] == ' ') return level == kNumberGap && u.number && text[p] == ' ';
  const size_t ws = wordStart(text, p), we = wordEnd(text, p);
  const std::string_view word(text.data() + ws, we - ws);
  if (numberWord(word)) return false;
  if (level == kAfterMark) {
    const char c = text[p - 1];
    if (p - 1 == ws) return false;
    return c == '-' || c == '/' || ((c == '.' || c == '@') && addressWord(word));
  }
  if (addressWord(word) || !letter(text[p - 1]) || !letter(text[p])) return false;
  if (level == kSyllable) return syllables && (*syllables)[p - u.begin];
  if (level != kThreeLetters) return false;
  // Three letters on each side, counted within the part between the best places to break.
  size_t partStart = std::max(ws, from), partEnd = we;
  for (size_t q = p - 1; q > partStart; --q)
    if (breakAllowed(text, u, from, q, kAfterMark)) {
      partStart = q;
      break;
    }
  for (size_t q = p + 1; q < we; ++q)
    if (breakAllowed(text, u, from, q, kAfterMark)) {
      partEnd = q;
      break;
    }
  auto letters = [&](size_t a, size_t b) {
    size_t n = 0;
    for (size_t i = a; i < b; ++i) n += letter(text[i]) ? 1 : 0;
    return n;
  };
  return letters(partStart, p) >= 3 && letters(p, partEnd) >= 3;
}

}  // namespace

std::vector<std::string> PrintCanvas::wrapText(const std::string& text, int width, int indent) {
  // A last line that fits keeps the blanks the text ends with.
  if (!text.empty() && textWidth(text) <= width) return {text};
  std::vector<std::string> lines = wrapLines(text, width, false, indent);
  // A compound word may also end a line after its hyphen, where that saves a line.
  if (lines.size() > 1) {
    std::vector<std::string> filled = wrapLines(text, width, true, indent);
    if (filled.size() < lines.size()) return filled;
  }
  return lines;
}

std::vector<std::string> PrintCanvas::wrapLines(const std::string& text, int first, bool afterMarks, int indent) {
  std::vector<std::string> lines;
  // The line being filled: the first, or a further one `indent` narrower.
  int width = first;
  auto fits = [&](size_t from, size_t to) {
    width = lines.empty() ? first : first - indent;
    return textWidth(text.substr(from, to - from)) <= width;
  };
  const std::vector<Unit> units = unitsOf(text);
  if (units.empty()) return lines;
  size_t lineStart = 0;  // the first line keeps the blanks the text begins with
  size_t lineEnd = 0;    // end of the last unit on the line; lineStart while it holds none
  bool empty = true;
  for (Unit u : units) {
    if (!empty && fits(lineStart, u.end)) {
      lineEnd = u.end;
      continue;
    }
    if (!empty) {
      size_t mark = 0;
      if (afterMarks)
        for (size_t p = u.end - 1; p > u.begin && mark == 0; --p)
          if (breakAllowed(text, u, u.begin, p, kAfterMark) && fits(lineStart, p)) mark = p;
      if (mark > 0) {
        lines.push_back(text.substr(lineStart, mark - lineStart));
        u.begin = mark;
      } else {
        lines.push_back(text.substr(lineStart, lineEnd - lineStart));
      }
      lineStart = u.begin;
    }
    // A unit wider than a whole line goes on in pieces, each as long as it may be.
    size_t s = lineStart;
    std::vector<bool> syllables;
    // A line narrower than one letter still takes one.
    while (std::max(s, u.begin) + 1 < u.end && !fits(s, u.end)) {
      if (syllables.empty()) syllables = syllablesOf(text, u);
      size_t brk = 0;
      bool hyphen = false;
      for (int level = kAfterMark; level <= kAnywhere && brk == 0; ++level)
        for (size_t p = u.end - 1; p > std::max(s, u.begin); --p)
          if (breakAllowed(text, u, s, p, level, &syllables) &&
              textWidth(text.substr(s, p - s) + (addsHyphen(level) ? "-" : "")) <= width) {
            brk = p;
            hyphen = addsHyphen(level);
            break;
          }
      if (brk == 0) brk = std::max(s, u.begin) + 1;  // not even one character fits
      size_t end = brk;  // a break at a blank leaves the blank out
      while (end > std::max(s, u.begin) + 1 && text[end - 1] == ' ') --end;
      lines.push_back(text.substr(s, end - s) + (hyphen ? "-" : ""));
      s = text.find_first_not_of(' ', brk);
    }
    lineStart = s;
    lineEnd = u.end;
    empty = false;
  }
  lines.push_back(text.substr(lineStart, fits(lineStart, text.size()) ? std::string::npos : lineEnd - lineStart));
  return lines;
}

TextProfile PrintCanvas::textProfile(const std::string& text) {
  TextProfile t;
  if (text.find_first_not_of(' ') == std::string::npos) return t;
  t.whole = textWidth(text);
  t.hyphen = textWidth("-");
  size_t prevEnd = std::string::npos;
  for (const Unit& u : unitsOf(text)) {
    TextProfile::Piece unit;
    unit.gap = prevEnd == std::string::npos ? 0 : textWidth(text.substr(prevEnd, u.begin - prevEnd));
    unit.width = textWidth(text.substr(u.begin, u.end - u.begin));
    unit.number = u.number;
    unit.address = addressWord(std::string_view(text.data() + u.begin, u.end - u.begin));
    prevEnd = u.end;
    if (!u.number) {
      const std::vector<bool> syllables = unit.address ? std::vector<bool>(u.end - u.begin + 1, false) : syllablesOf(text, u);
      size_t s = u.begin;
      for (size_t p = u.begin + 1; p <= u.end; ++p)
        if (p == u.end || breakAllowed(text, u, s, p, kAfterMark)) {
          unit.parts.push_back(p == u.end && s == u.begin ? unit.width : textWidth(text.substr(s, p - s)));
          std::vector<int> parts;
          for (size_t a = s, q = s + 1; q <= p; ++q)
            if (q == p || syllables[q - u.begin]) {
              parts.push_back(a == s && q == p ? unit.parts.back() : textWidth(text.substr(a, q - a)));
              a = q;
            }
          unit.syllables.push_back(std::move(parts));
          s = p;
        }
    }
    t.units.push_back(std::move(unit));
  }
  return t;
}

TextNeeds TextProfile::needs() const {
  TextNeeds n;
  n.whole = whole;
  for (const Piece& u : units) {
    n.word = std::max(n.word, u.width);
    if (u.number) n.number = std::max(n.number, u.width);
    n.piece = std::max(n.piece, u.number ? u.width : *std::max_element(u.parts.begin(), u.parts.end()));
  }
  return n;
}

int TextProfile::widestAddressPart() const {
  int w = 0;
  for (const Piece& u : units)
    if (u.address) w = std::max(w, *std::max_element(u.parts.begin(), u.parts.end()));
  return w;
}

namespace {

// A part wider than its line, cut at its syllables where they fit beside the hyphen, else
// after as many letters as fit; from the start of a line. Returns what its last line holds.
long long cutInside(const std::vector<int>& syllables, int width, int hyphen, TextProfile::Count& c) {
  const size_t n = syllables.size();
  std::vector<long long> after(n + 1, 0);  // the width of the syllables from each on
  for (size_t i = n; i-- > 0;) after[i] = after[i + 1] + syllables[i];
  long long lead = 0;  // the end of a syllable cut by letters, at the start of the line
  for (size_t i = 0;;) {
    if (lead + after[i] <= width) return lead + after[i];
    long long line = lead;
    size_t j = i;
    while (j < n && line + syllables[j] + hyphen <= width) line += syllables[j++];
    ++c.lines;
    ++c.cuts;
    if (j > i || lead > 0) {
      i = j;
      lead = 0;
      continue;
    }
    const long long room = std::max(1, width - hyphen);
    const long long more = (syllables[i] - 1) / room;
    c.lines += static_cast<int>(more) - 1;
    c.cuts += static_cast<int>(more) - 1;
    c.rough += static_cast<int>(more);
    lead = syllables[i] - more * room;
    if (++i == n) return lead;
  }
}

// What wrapLines does at this width, counted on the profile.
TextProfile::Count countLines(const TextProfile& t, int first, bool afterMarks, int indent) {
  TextProfile::Count c;
  if (t.units.empty()) return c;
  c.lines = 1;
  if (t.whole <= first) return c;
  // The first line is `first` wide, each further one `indent` less.
  const int later = first - indent;
  auto width = [&] { return c.lines == 1 ? first : later; };
  long long used = -1;  // -1 before the first unit
  for (const TextProfile::Piece& u : t.units) {
    if (used >= 0 && used + u.gap + u.width <= width()) {
      used += u.gap + u.width;
      continue;
    }
    size_t k = 0;
    if (used >= 0 && afterMarks && u.parts.size() > 1) {
      // The parts up to a mark that still fit end the line.
      long long w = used + u.gap;
      for (size_t j = 0; j + 1 < u.parts.size() && w + u.parts[j] <= width(); ++j) {
        w += u.parts[j];
        k = j + 1;
      }
    }
    if (used >= 0) ++c.lines;
    used = 0;
    if (k == 0 && u.width <= width()) {
      used = u.width;
      continue;
    }
    if (u.number) {
      // Only where no column could hold it; never planned for.
      const int more = (u.width - 1) / std::max(1, width());
      c.lines += more;
      c.cuts += more;
      c.rough += more;
      used = u.width - static_cast<long long>(more) * width();
      continue;
    }
    for (; k < u.parts.size(); ++k) {
      const int p = u.parts[k];
      if (used + p <= width()) {
        used += p;
        continue;
      }
      if (used > 0) ++c.lines;
      used = p;
      if (p > width()) used = cutInside(u.syllables[k], width(), u.address ? 0 : t.hyphen, c);
    }
  }
  return c;
}

}  // namespace

TextProfile::Count TextProfile::countAt(int width, int indent) const {
  const Count plain = countLines(*this, width, false, indent);
  if (plain.lines < 2) return plain;
  const Count filled = countLines(*this, width, true, indent);
  return filled.lines < plain.lines ? filled : plain;
}

TextNeeds PrintCanvas::textNeeds(const std::string& text) { return textProfile(text).needs(); }

int PrintCanvas::lineCount(const std::string& text, int width) {
  // Most texts fit: one measurement says so.
  if (!text.empty() && textWidth(text) <= width) return 1;
  return static_cast<int>(wrapText(text, width).size());
}

int PrintCanvas::textBlock(int x, int y, int width, const std::string& text, int step,
                           TextAlign align) {
  if (text.empty()) return 0;
  const int w = textWidth(text);
  if (w <= width) {
    const int lx = align == TextAlign::Right ? x + width - w : align == TextAlign::Center ? x + (width - w) / 2 : x;
    textOut(std::max(lx, x), y, text);
    return 1;
  }
  const std::vector<std::string> lines = wrapText(text, width);
  for (const std::string& line : lines) {
    int lx = x;
    if (align == TextAlign::Right) lx = x + width - textWidth(line);
    if (align == TextAlign::Center) lx = x + (width - textWidth(line)) / 2;
    if (!line.empty()) textOut(std::max(lx, x), y, line);
    y += step;
  }
  return static_cast<int>(lines.size());
}

// ---- PrintJob

std::string PrintJob::title() const {
  for (const PrintCall& c : calls)
    if (c.kind == PrintCall::Begin) return c.text;
  return {};
}

int PrintJob::pages() const { return calls.empty() ? 0 : calls.back().page; }

bool PrintJob::ended() const { return !calls.empty() && calls.back().kind == PrintCall::End; }

namespace {
std::vector<PrintCall> callsOf(const std::vector<PrintCall>& all, PrintCall::Kind kind) {
  std::vector<PrintCall> out;
  for (const PrintCall& c : all)
    if (c.kind == kind) out.push_back(c);
  return out;
}
}  // namespace

std::vector<PrintCall> PrintJob::texts() const { return callsOf(calls, PrintCall::Text); }
std::vector<PrintCall> PrintJob::lines() const { return callsOf(calls, PrintCall::Line); }

const PrintCall* PrintJob::findText(const std::string& text) const {
  for (const PrintCall& c : calls)
    if (c.kind == PrintCall::Text && c.text == text) return &c;
  return nullptr;
}

// ---- RecordingCanvas

RecordingCanvas::RecordingCanvas(int width, int height, int dpi)
    : width_(width), height_(height), dpi_(dpi), job_(std::make_shared<PrintJob>()) {}

PrintCall RecordingCanvas::call(PrintCall::Kind kind) const {
  PrintCall c;
  c.kind = kind;
  c.page = page_;
  c.font = font();
  c.penWidth = penWidth();
  c.orientation = orientation();
  return c;
}

bool RecordingCanvas::beginDoc() {
  page_ = 1;
  printing_ = true;
  PrintCall c = call(PrintCall::Begin);
  c.text = title();
  job_->calls.push_back(c);
  return true;
}

void RecordingCanvas::newPage() {
  ++page_;
  job_->calls.push_back(call(PrintCall::NewPage));
}

void RecordingCanvas::endDoc() {
  printing_ = false;
  job_->calls.push_back(call(PrintCall::End));
}

int RecordingCanvas::pageWidth() const {
  return orientation() == PageOrientation::Portrait ? width_ : height_;
}

int RecordingCanvas::pageHeight() const {
  return orientation() == PageOrientation::Portrait ? height_ : width_;
}

void RecordingCanvas::textOut(int x, int y, const std::string& text) {
  PrintCall c = call(PrintCall::Text);
  c.x = x;
  c.y = y;
  c.text = text;
  job_->calls.push_back(c);
}

int RecordingCanvas::textWidth(const std::string& text) {
  return static_cast<int>(text.size()) * font().size * dpi_ / 144;
}

int RecordingCanvas::textHeight(const std::string&) { return font().size * dpi_ * 6 / 360; }

void RecordingCanvas::line(int x1, int y1, int x2, int y2) {
  PrintCall c = call(PrintCall::Line);
  c.x = x1;
  c.y = y1;
  c.x2 = x2;
  c.y2 = y2;
  job_->calls.push_back(c);
}
