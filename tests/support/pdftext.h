#pragma once
// A printed PDF as pdftotext reads it back: its text (UTF-8, pages separated by '\f'), or
// its words with their boxes and the size of each page.
#include <QProcess>
#include <QStringList>
#include <QXmlStreamReader>
#include <string>
#include <utility>
#include <vector>

inline std::string pdfText(const std::string& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"),
          {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
  if (!p.waitForFinished(20000)) return {};
  return p.readAllStandardOutput().toStdString();
}

// A word of a PDF with its box in points and its page, counted from 1.
struct PdfWord {
  int page = 0;
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  std::string text;  // UTF-8
};

// The words of a PDF and the width and height of each page in points; empty when pdftotext
// gave nothing.
struct PdfLayout {
  std::vector<PdfWord> words;
  std::vector<std::pair<double, double>> pages;
};

inline PdfLayout pdfLayout(const std::string& pdf) {
  PdfLayout layout;
  QProcess p;
  p.start(QStringLiteral("pdftotext"),
          {QStringLiteral("-bbox-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
  if (!p.waitForFinished(30000)) return layout;
  QXmlStreamReader xml(p.readAllStandardOutput());
  auto number = [&](const char* name) { return xml.attributes().value(QLatin1String(name)).toDouble(); };
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QStringView name = xml.name();
    if (name == QLatin1String("page")) {
      layout.pages.emplace_back(number("width"), number("height"));
    } else if (name == QLatin1String("word")) {
      PdfWord w{static_cast<int>(layout.pages.size()), number("xMin"), number("yMin"), number("xMax"), number("yMax"), {}};
      w.text = xml.readElementText().toStdString();
      layout.words.push_back(std::move(w));
    }
  }
  return layout;
}
