#include "platform/printer.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "platform/text.h"

namespace {

ScriptedPrinting* gScript = nullptr;

// One printer for the whole run, as the program's printer object was. It is never
// deleted: its destructor would run after the application object is gone.
QPrinter& thePrinter() {
  static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
  return *printer;
}

}  // namespace

namespace printing {

std::vector<std::string> printerNames() {
  if (gScript) return gScript->printers_;
  std::vector<std::string> out;
  for (const QString& name : QPrinterInfo::availablePrinterNames()) out.push_back(fromQs(name));
  return out;
}

std::string currentPrinter() {
  if (gScript) return gScript->current_;
  return fromQs(thePrinter().printerName());
}

bool selectPrinter(const std::string& name) {
  std::vector<std::string> names = printerNames();
  if (std::find(names.begin(), names.end(), name) == names.end()) return false;
  if (gScript)
    gScript->current_ = name;
  else
    thePrinter().setPrinterName(qs(name));
  return true;
}

int copyCount() {
  if (gScript) return gScript->copies_;
  return std::max(1, thePrinter().copyCount());
}

void setCopyCount(int copies) {
  copies = std::max(1, copies);
  if (gScript)
    gScript->copies_ = copies;
  else
    thePrinter().setCopyCount(copies);
}

bool printDialog(QWidget* parent) {
  if (gScript) {
    ++gScript->dialogs_;
    if (gScript->next_ >= gScript->answers_.size()) return true;
    const ScriptedPrinting::Answer& a = gScript->answers_[gScript->next_++];
    if (a.ok && !a.printer.empty()) gScript->current_ = a.printer;
    if (a.ok && a.copies > 0) gScript->copies_ = a.copies;
    return a.ok;
  }
  QPrintDialog dialog(&thePrinter(), parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<PrintCanvas> openCanvas() {
  if (gScript) {
    if (!gScript->pdf_.empty()) return QPrinterCanvas::toPdf(gScript->pdf_);
    auto canvas = std::make_unique<RecordingCanvas>();
    canvas->job()->printer = gScript->current_;
    canvas->job()->copies = gScript->copies_;
    gScript->jobs_.push_back(canvas->job());
    return canvas;
  }
  return std::make_unique<QPrinterCanvas>(&thePrinter());
}

}  // namespace printing

ScriptedPrinting::ScriptedPrinting(std::vector<std::string> printers)
    : printers_(std::move(printers)), previous_(gScript) {
  if (!printers_.empty()) current_ = printers_.front();
  gScript = this;
}

ScriptedPrinting::~ScriptedPrinting() { gScript = previous_; }

void ScriptedPrinting::confirm(const std::string& printer, int copies) {
  answers_.push_back({true, printer, copies});
}

void ScriptedPrinting::cancel() { answers_.push_back({false, {}, 0}); }
