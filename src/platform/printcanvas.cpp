#include "platform/printcanvas.h"

#include <algorithm>
#include <cctype>
#include <string_view>

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

// What a line never breaks: a run of number words ("08031 940 12-34" is one datum), and a
// word with the team number after it. Blanks inside a unit are kept as they stand.
struct Unit {
  size_t begin, end;
  bool number;
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
    if (!units.empty() && ((number && units.back().number) || mark || romanNumeral(w))) {
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

// Where a unit may break, from the best choice to the last resort:
// 1 after a hyphen or slash inside a word, in an e-mail also after its dots and "@";
// 2 at a blank between the groups of a number; 3 inside a word, three letters kept on each
// side of the line's part of it; 4 anywhere. A number breaks only at 2 and 4, the blank
// before a team number at none of 1 to 3.
bool breakAllowed(const std::string& text, const Unit& u, size_t from, size_t p, int level) {
  if (p <= u.begin || p >= u.end) return false;
  if (level == 4) return true;
  if (text[p] == ' ' || text[p - 1] == ' ') {
    if (level != 2 || !u.number || text[p] != ' ') return false;
    return true;
  }
  const size_t ws = wordStart(text, p), we = wordEnd(text, p);
  const std::string_view word(text.data() + ws, we - ws);
  if (numberWord(word)) return false;
  if (level == 1) {
    const char c = text[p - 1];
    if (p - 1 == ws) return false;
    return c == '-' || c == '/' ||
           ((c == '.' || c == '@') && word.find('@') != std::string_view::npos);
  }
  if (level != 3) return false;
  // Three letters on each side, counted within the part between the best places to break.
  size_t partStart = std::max(ws, from), partEnd = we;
  for (size_t q = p - 1; q > partStart; --q)
    if (breakAllowed(text, u, from, q, 1)) {
      partStart = q;
      break;
    }
  for (size_t q = p + 1; q < we; ++q)
    if (breakAllowed(text, u, from, q, 1)) {
      partEnd = q;
      break;
    }
  // Letters of code page 1252: ASCII ones and everything above 0x7F (umlauts, "ß").
  auto letters = [&](size_t a, size_t b) {
    size_t n = 0;
    for (size_t i = a; i < b; ++i) n += std::isalpha(static_cast<unsigned char>(text[i])) || (text[i] & 0x80) ? 1 : 0;
    return n;
  };
  return letters(partStart, p) >= 3 && letters(p, partEnd) >= 3;
}

}  // namespace

std::vector<std::string> PrintCanvas::wrapText(const std::string& text, int width) {
  std::vector<std::string> lines;
  auto fits = [&](size_t from, size_t to) { return textWidth(text.substr(from, to - from)) <= width; };
  // A last line that fits keeps the blanks the text ends with.
  if (!text.empty() && fits(0, text.size())) return {text};
  const std::vector<Unit> units = unitsOf(text);
  if (units.empty()) return lines;
  size_t lineStart = 0;  // the first line keeps the blanks the text begins with
  size_t lineEnd = 0;    // end of the last unit on the line; lineStart while it holds none
  bool empty = true;
  for (const Unit& u : units) {
    if (!empty && fits(lineStart, u.end)) {
      lineEnd = u.end;
      continue;
    }
    if (!empty) {
      lines.push_back(text.substr(lineStart, lineEnd - lineStart));
      lineStart = u.begin;
    }
    // A unit wider than a whole line goes on in pieces, each as long as it may be.
    size_t s = lineStart;
    while (!fits(s, u.end)) {
      size_t brk = 0;
      for (int level = 1; level <= 4 && brk == 0; ++level)
        for (size_t p = u.end - 1; p > std::max(s, u.begin); --p)
          if (breakAllowed(text, u, s, p, level) && fits(s, p)) {
            brk = p;
            break;
          }
      if (brk == 0) brk = std::max(s, u.begin) + 1;  // not even one character fits
      lines.push_back(text.substr(s, brk - s));
      s = text.find_first_not_of(' ', brk);
    }
    lineStart = s;
    lineEnd = u.end;
    empty = false;
  }
  lines.push_back(text.substr(lineStart, fits(lineStart, text.size()) ? std::string::npos : lineEnd - lineStart));
  return lines;
}

TextNeeds PrintCanvas::textNeeds(const std::string& text) {
  TextNeeds n;
  if (text.find_first_not_of(' ') == std::string::npos) return n;
  n.whole = textWidth(text);
  for (const Unit& u : unitsOf(text)) {
    const int w = textWidth(text.substr(u.begin, u.end - u.begin));
    n.word = std::max(n.word, w);
    if (u.number) {
      n.number = std::max(n.number, w);
      n.piece = std::max(n.piece, w);
      continue;
    }
    size_t s = u.begin;
    for (size_t p = u.begin + 1; p <= u.end; ++p)
      if (p == u.end || breakAllowed(text, u, s, p, 1)) {
        n.piece = std::max(n.piece, textWidth(text.substr(s, p - s)));
        s = p;
      }
  }
  return n;
}

int PrintCanvas::textBlock(int x, int y, int width, const std::string& text, int step,
                           TextAlign align) {
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
