#include "platform/qprintercanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPrinter>

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
