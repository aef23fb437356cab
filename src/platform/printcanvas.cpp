#include "platform/printcanvas.h"

#include <algorithm>

#include "platform/text.h"

// ---- PrintCanvas

std::vector<std::string> PrintCanvas::wrapText(const std::string& text, int width) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    if (textWidth(text.substr(start)) <= width) {
      lines.push_back(text.substr(start));
      break;
    }
    // The longest beginning that fits, at least one character.
    size_t end = start + 1;
    while (end < text.size() && textWidth(text.substr(start, end + 1 - start)) <= width) ++end;
    if (end >= text.size()) {
      lines.push_back(text.substr(start));
      break;
    }
    // Back to the last blank inside it, unless the line holds nothing but blanks before it.
    // A hyphen or slash keeps its word part on the line when the line has no blank to break at.
    size_t brk = end;
    if (text[end] != ' ') {
      const size_t erstes = text.find_first_not_of(' ', start);
      size_t blank = text.find_last_of(' ', end - 1);
      size_t strich = text.find_last_of("-/", end - 1);
      if (blank != std::string::npos && blank > start && erstes < blank)
        brk = blank;
      else if (strich != std::string::npos && strich >= erstes && strich + 1 < end)
        brk = strich + 1;
    }
    size_t last = text.find_last_not_of(' ', brk - 1);
    if (last != std::string::npos && last >= start) lines.push_back(text.substr(start, last + 1 - start));
    start = text.find_first_not_of(' ', brk);
    if (start == std::string::npos) break;
  }
  return lines;
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
