#include "platform/text.h"

#include <QFile>
#include <climits>

namespace {
// cp1252 0x80..0x9F; 0 marks the five unassigned bytes, which map to the C1 controls.
const char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

char16_t unicodeOf(unsigned char c) {
  return c >= 0x80 && c < 0xA0 && kHigh[c - 0x80] != 0 ? kHigh[c - 0x80] : static_cast<char16_t>(c);
}

QString qs(const std::string& cp1252) {
  QString out;
  out.reserve(static_cast<qsizetype>(cp1252.size()));
  for (unsigned char c : cp1252) out.append(QChar(unicodeOf(c)));
  return out;
}

QString qs(const char* cp1252) { return qs(std::string(cp1252 ? cp1252 : "")); }

namespace {

// The cp1252 byte of a UTF-16 unit, or 0 when there is none (NUL itself is not typed).
char cp1252Byte(char16_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || (u >= 0x80 && u < 0xA0 && kHigh[u - 0x80] == 0))
    return static_cast<char>(u);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == u) return static_cast<char>(0x80 + i);
  return 0;
}

}  // namespace

std::string fromQs(const QString& text) {
  const QString composed = text.normalized(QString::NormalizationForm_C);
  std::string out;
  out.reserve(static_cast<size_t>(composed.size()));
  for (QChar ch : composed) {
    char c = cp1252Byte(ch.unicode());
    out.push_back(c || ch.unicode() == 0 ? c : '?');
  }
  return out;
}

bool toCp1252(const QString& text, std::string& out, QString* refused) {
  const QString composed = text.normalized(QString::NormalizationForm_C);
  std::string result;
  result.reserve(static_cast<size_t>(composed.size()));
  for (qsizetype i = 0; i < composed.size(); ++i) {
    char16_t u = composed[i].unicode();
    char c = cp1252Byte(u);
    if (!c && u != 0) {
      if (refused) {
        // A character outside the basic plane comes as two units; name it whole.
        bool pair = composed[i].isHighSurrogate() && i + 1 < composed.size();
        *refused = composed.mid(i, pair ? 2 : 1);
      }
      return false;
    }
    result.push_back(c);
  }
  out = std::move(result);
  return true;
}

std::filesystem::path fsPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString qtPath(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

std::string storablePath(const std::filesystem::path& path) {
  std::string out;
  return toCp1252(qtPath(path), out) ? out : std::string();
}

std::string displayPath(const std::filesystem::path& path) { return fromQs(qtPath(path)); }

long toLong(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    int digit = text[i] - '0';
    if (value > (LONG_MAX - digit) / 10) {  // saturate as atol's strtol does
      value = LONG_MAX;
      break;
    }
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

int toInt(const std::string& text) {
  long v = toLong(text);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

std::string str(long long value) { return std::to_string(value); }
