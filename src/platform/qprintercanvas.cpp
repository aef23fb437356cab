#include "platform/qprintercanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <unordered_map>

#include "platform/text.h"

namespace {
QFont qFont(const PrintFont& f) {
  QFont font(qs(f.name));
  font.setPointSize(f.size > 0 ? f.size : 1);
  font.setBold(f.bold);
  font.setUnderline(f.underline);
  return font;
}
}  // namespace

// A list measures the same names, clubs and numbers again and again (for its columns, its
// rows' heights and its lines): each is measured once per font.
struct QPrinterCanvas::Measured {
  Measured(const PrintFont& f, QPrinter* printer) : font(f), qfont(qFont(f)), metrics(qfont, printer) {}
  PrintFont font;
  QFont qfont;
  QFontMetrics metrics;
  std::unordered_map<std::string, int> widths;
};

QPrinterCanvas::Measured& QPrinterCanvas::measured() {
  if (current_ && current_->font == font()) return *current_;
  for (const auto& m : fonts_)
    if (m->font == font()) return *(current_ = m.get());
  fonts_.push_back(std::make_unique<Measured>(font(), printer_));
  return *(current_ = fonts_.back().get());
}

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
  // The printer chosen for this job may measure otherwise than the last one.
  fonts_.clear();
  current_ = nullptr;
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
  const Measured& m = measured();
  painter_->setFont(m.qfont);
  painter_->setPen(Qt::black);
  painter_->drawText(x, y + m.metrics.ascent(), qs(text));
}

int QPrinterCanvas::textWidth(const std::string& text) {
  Measured& m = measured();
  const auto it = m.widths.find(text);
  if (it != m.widths.end()) return it->second;
  const int w = m.metrics.horizontalAdvance(qs(text));
  m.widths.emplace(text, w);
  return w;
}

int QPrinterCanvas::textHeight(const std::string&) { return measured().metrics.height(); }

void QPrinterCanvas::line(int x1, int y1, int x2, int y2) {
  if (!painter_) return;
  painter_->setPen(QPen(Qt::black, penWidth()));
  painter_->drawLine(x1, y1, x2, y2);
}
