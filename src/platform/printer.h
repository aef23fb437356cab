#pragma once
// The program's printer: the print dialog chooses it, the action list may choose one by
// name, and every print job opens its canvas on it. Tests script the dialog and collect
// the jobs on recording canvases (or in a PDF file).
#include <memory>
#include <string>
#include <vector>

#include <QString>

#include "platform/printcanvas.h"

class QWidget;

namespace printing {

std::vector<std::string> printerNames();
// The installed printer the next job goes to; empty until one is chosen (then the system
// default) and while the print dialog's output goes to a file.
std::string currentPrinter();
// The same name as the system spells it, for a window that stores it: a name that code page
// 1252 cannot hold is refused there rather than stored with "?".
QString currentPrinterText();
// Makes the named printer the current one; false (and no change) when there is none.
bool selectPrinter(const std::string& name);
// Number of copies each job on the current printer makes (at least 1); the print dialog
// sets it, so does a caller that knows the count it wants.
int copyCount();
void setCopyCount(int copies);
// The print dialog: the user chooses the printer and the number of copies. false when
// cancelled. Without offerFileOutput it lists the installed printers only.
bool printDialog(QWidget* parent = nullptr, bool offerFileOutput = true);
// A canvas for one job on the current printer; nullptr when there is no printer system.
std::unique_ptr<PrintCanvas> openCanvas();

// The system's printers and the print dialog, which the widget layer provides at start.
// Without one there are no printers, the dialog is cancelled and no job opens.
class PrinterSystem {
 public:
  virtual ~PrinterSystem() = default;
  virtual std::vector<std::string> names() = 0;
  virtual QString current() = 0;  // empty for output to a file
  virtual void select(const std::string& name) = 0;
  virtual int copies() = 0;
  virtual void setCopies(int copies) = 0;
  virtual bool dialog(QWidget* parent, bool offerFileOutput) = 0;
  virtual std::unique_ptr<PrintCanvas> canvas() = 0;
  virtual std::unique_ptr<PrintCanvas> pdfCanvas(const std::string& fileName) = 0;
};
void setPrinterSystem(PrinterSystem* system);

}  // namespace printing

// For tests: while it lives, the print dialog answers from a script (unscripted: confirmed),
// the printers are the given names, and every canvas records its job here.
class ScriptedPrinting {
 public:
  explicit ScriptedPrinting(std::vector<std::string> printers = {"Testdrucker"});
  ~ScriptedPrinting();
  ScriptedPrinting(const ScriptedPrinting&) = delete;
  ScriptedPrinting& operator=(const ScriptedPrinting&) = delete;

  // Empty printer: keep the current one; copies 0: keep the current count.
  void confirm(const std::string& printer = {}, int copies = 0);
  // Confirmed with a printer the system spells so (any Unicode name).
  void confirmNamed(const QString& printer);
  // Confirmed with the output to a file: no printer is chosen then.
  void confirmFileOutput();
  void cancel();
  // From now on the jobs print into this PDF file (each job replaces it).
  void printToPdf(const std::string& fileName) { pdf_ = fileName; }

  int dialogsShown() const { return dialogs_; }
  // The recorded jobs in order (not those printed to PDF).
  const std::vector<std::shared_ptr<PrintJob>>& jobs() const { return jobs_; }

 private:
  friend bool printing::printDialog(QWidget*, bool);
  friend bool printing::selectPrinter(const std::string&);
  friend std::vector<std::string> printing::printerNames();
  friend std::string printing::currentPrinter();
  friend QString printing::currentPrinterText();
  friend int printing::copyCount();
  friend void printing::setCopyCount(int);
  friend std::unique_ptr<PrintCanvas> printing::openCanvas();

  struct Answer {
    bool ok;
    QString printer;
    int copies;
    bool toFile = false;
  };
  std::vector<std::string> printers_;
  QString current_;
  int copies_ = 1;
  std::vector<Answer> answers_;
  size_t next_ = 0;
  int dialogs_ = 0;
  std::string pdf_;
  std::vector<std::shared_ptr<PrintJob>> jobs_;
  ScriptedPrinting* previous_;
};
