#include "platform/printer.h"

#include <algorithm>

#include "platform/text.h"

namespace {

ScriptedPrinting* gScript = nullptr;

printing::PrinterSystem* gSystem = nullptr;

}  // namespace

namespace printing {

std::vector<std::string> printerNames() {
  if (gScript) return gScript->printers_;
  return gSystem ? gSystem->names() : std::vector<std::string>{};
}

QString currentPrinterText() {
  if (gScript) return gScript->current_;
  return gSystem ? gSystem->current() : QString();
}

std::string currentPrinter() { return fromQs(currentPrinterText()); }

bool selectPrinter(const std::string& name) {
  std::vector<std::string> names = printerNames();
  if (std::find(names.begin(), names.end(), name) == names.end()) return false;
  if (gScript)
    gScript->current_ = qs(name);
  else
    gSystem->select(name);
  return true;
}

int copyCount() {
  if (gScript) return gScript->copies_;
  return gSystem ? std::max(1, gSystem->copies()) : 1;
}

void setCopyCount(int copies) {
  copies = std::max(1, copies);
  if (gScript)
    gScript->copies_ = copies;
  else if (gSystem)
    gSystem->setCopies(copies);
}

bool printDialog(QWidget* parent, bool offerFileOutput) {
  if (gScript) {
    ++gScript->dialogs_;
    if (gScript->next_ >= gScript->answers_.size()) return true;
    const ScriptedPrinting::Answer& a = gScript->answers_[gScript->next_++];
    if (a.ok && (a.toFile || !a.printer.isEmpty())) gScript->current_ = a.printer;
    if (a.ok && a.copies > 0) gScript->copies_ = a.copies;
    return a.ok;
  }
  return gSystem && gSystem->dialog(parent, offerFileOutput);
}

std::unique_ptr<PrintCanvas> openCanvas() {
  if (gScript) {
    if (!gScript->pdf_.empty()) return gSystem ? gSystem->pdfCanvas(gScript->pdf_) : nullptr;
    auto canvas = std::make_unique<RecordingCanvas>();
    canvas->job()->printer = fromQs(gScript->current_);
    canvas->job()->copies = gScript->copies_;
    gScript->jobs_.push_back(canvas->job());
    return canvas;
  }
  return gSystem ? gSystem->canvas() : nullptr;
}

void setPrinterSystem(PrinterSystem* system) { gSystem = system; }

}  // namespace printing

ScriptedPrinting::ScriptedPrinting(std::vector<std::string> printers)
    : printers_(std::move(printers)), previous_(gScript) {
  if (!printers_.empty()) current_ = qs(printers_.front());
  gScript = this;
}

ScriptedPrinting::~ScriptedPrinting() { gScript = previous_; }

void ScriptedPrinting::confirm(const std::string& printer, int copies) {
  answers_.push_back({true, qs(printer), copies});
}

void ScriptedPrinting::confirmNamed(const QString& printer) { answers_.push_back({true, printer, 0}); }

void ScriptedPrinting::confirmFileOutput() { answers_.push_back({true, QString(), 0, true}); }

void ScriptedPrinting::cancel() { answers_.push_back({false, {}, 0}); }
