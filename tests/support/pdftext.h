#pragma once
// The text of a printed PDF as pdftotext reads it back (UTF-8, pages separated by '\f').
#include <QProcess>
#include <QStringList>
#include <string>

inline std::string pdfText(const std::string& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"),
          {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
  if (!p.waitForFinished(20000)) return {};
  return p.readAllStandardOutput().toStdString();
}
