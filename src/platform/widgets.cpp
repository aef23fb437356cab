#include "platform/widgets.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/messagebox.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/qprintercanvas.h"
#include "platform/text.h"

namespace {

// One printer for the whole run, as the program's printer object was. It is never
// deleted: its destructor would run after the application object is gone.
class QtPrinters : public printing::PrinterSystem {
 public:
  std::vector<std::string> names() override {
    std::vector<std::string> out;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) out.push_back(fromQs(name));
    return out;
  }
  QString current() override {
    return printer_->outputFormat() == QPrinter::PdfFormat ? QString() : printer_->printerName();
  }
  void select(const std::string& name) override { printer_->setPrinterName(qs(name)); }
  int copies() override { return printer_->copyCount(); }
  void setCopies(int copies) override { printer_->setCopyCount(copies); }
  bool dialog(QWidget* parent, bool offerFileOutput) override {
    QPrintDialog dialog(printer_, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, offerFileOutput);
    return dialog.exec() == QDialog::Accepted;
  }
  std::unique_ptr<PrintCanvas> canvas() override {
    return std::make_unique<QPrinterCanvas>(printer_);
  }
  std::unique_ptr<PrintCanvas> pdfCanvas(const std::string& fileName) override {
    return QPrinterCanvas::toPdf(fileName);
  }

 private:
  QPrinter* printer_ = new QPrinter(QPrinter::HighResolution);
};

}  // namespace

void installWidgetPlatform() {
  msg::setMessageBox(&msg::showMessageBox);
  static QtPrinters* printers = new QtPrinters;
  printing::setPrinterSystem(printers);
}
