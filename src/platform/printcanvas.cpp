#include "platform/printcanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPrinter>

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

// ---- QPrinterCanvas

namespace {
QFont qFont(const PrintFont& f) {
  QFont font(qs(f.name));
  font.setPointSize(f.size > 0 ? f.size : 1);
  font.setBold(f.bold);
  font.setUnderline(f.underline);
  return font;
}
}  // namespace

QPrinterCanvas::QPrinterCanvas(QPrinter* printer) : printer_(printer) {}

std::unique_ptr<QPrinterCanvas> QPrinterCanvas::toPdf(const std::string& fileName) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setOutputFileName(qs(fileName));
  auto canvas = std::make_unique<QPrinterCanvas>(printer.get());
  canvas->owned_ = std::move(printer);
  return canvas;
}

QPrinterCanvas::~QPrinterCanvas() {
  if (painter_ && painter_->isActive()) painter_->end();
}

void QPrinterCanvas::setOrientation(PageOrientation o) {
  PrintCanvas::setOrientation(o);
  printer_->setPageOrientation(o == PageOrientation::Landscape ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait);
}

bool QPrinterCanvas::beginDoc() {
  printer_->setDocName(qs(title()));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_)) {
    painter_.reset();
    return false;
  }
  printing_ = true;
  return true;
}

void QPrinterCanvas::newPage() {
  if (painter_) printer_->newPage();
}

void QPrinterCanvas::endDoc() {
  if (painter_) painter_->end();
  painter_.reset();
  printing_ = false;
}

int QPrinterCanvas::pageWidth() const {
  return printer_->pageLayout().paintRectPixels(printer_->resolution()).width();
}

int QPrinterCanvas::pageHeight() const {
  return printer_->pageLayout().paintRectPixels(printer_->resolution()).height();
}

void QPrinterCanvas::textOut(int x, int y, const std::string& text) {
  if (!painter_) return;
  QFont font = qFont(this->font());
  painter_->setFont(font);
  painter_->setPen(Qt::black);
  painter_->drawText(x, y + QFontMetrics(font, printer_).ascent(), qs(text));
}

int QPrinterCanvas::textWidth(const std::string& text) {
  return QFontMetrics(qFont(font()), printer_).horizontalAdvance(qs(text));
}

int QPrinterCanvas::textHeight(const std::string&) {
  return QFontMetrics(qFont(font()), printer_).height();
}

void QPrinterCanvas::line(int x1, int y1, int x2, int y2) {
  if (!painter_) return;
  painter_->setPen(QPen(Qt::black, penWidth()));
  painter_->drawLine(x1, y1, x2, y2);
}
