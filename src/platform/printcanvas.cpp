#include "platform/printcanvas.h"

#include "platform/text.h"

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
