#pragma once
// The print canvas over Qt's printer, for the program's printer and for PDF files.
#include <memory>
#include <string>
#include <vector>

#include "platform/printcanvas.h"

class QPrinter;
class QPainter;

// Prints through a QPrinter: the program's printer, or a PDF file.
class QPrinterCanvas : public PrintCanvas {
 public:
  // Draws on a printer owned by someone else.
  explicit QPrinterCanvas(QPrinter* printer);
  // A canvas that writes a PDF file.
  static std::unique_ptr<QPrinterCanvas> toPdf(const std::string& fileName);
  ~QPrinterCanvas() override;

  void setOrientation(PageOrientation o) override;
  bool beginDoc() override;
  void newPage() override;
  void endDoc() override;
  int pageWidth() const override;
  int pageHeight() const override;
  void textOut(int x, int y, const std::string& text) override;
  int textWidth(const std::string& text) override;
  int textHeight(const std::string& text) override;
  void line(int x1, int y1, int x2, int y2) override;

 private:
  // One font's metrics with the widths measured in it during this job.
  struct Measured;
  Measured& measured();

  std::vector<std::unique_ptr<Measured>> fonts_;
  Measured* current_ = nullptr;
  std::unique_ptr<QPrinter> owned_;
  QPrinter* printer_;
  std::unique_ptr<QPainter> painter_;
};
