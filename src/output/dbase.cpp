#include "output/dbase.h"

#include <cstdint>

#include "core/helpers.h"

namespace {

void putLe(std::string& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

std::string DbfText(const std::string& text) {
  // AnsiToDos cuts at the length of a name word; a field may be wider, so convert in slices.
  constexpr size_t kSlice = 40;
  std::string out;
  for (size_t i = 0; i < text.size(); i += kSlice) out += AnsiToDos(text.substr(i, kSlice));
  return out;
}

bool WriteDbfDatei(const std::filesystem::path& dateiname, const std::vector<DbfFeld>& felder,
                   const std::vector<std::vector<std::string>>& saetze, std::time_t datum) {
  std::tm t{};
  localtime_r(&datum, &t);
  uint32_t satzlaenge = 1;  // the deletion flag
  for (const DbfFeld& f : felder) satzlaenge += static_cast<uint32_t>(f.Laenge);

  std::string out;
  out += '\x03';
  out += static_cast<char>(t.tm_year % 256);
  out += static_cast<char>(t.tm_mon + 1);
  out += static_cast<char>(t.tm_mday);
  putLe(out, static_cast<uint32_t>(saetze.size()), 4);
  putLe(out, static_cast<uint32_t>(32 + 32 * felder.size() + 1), 2);
  putLe(out, satzlaenge, 2);
  out.append(17, '\0');
  out += '\x02';
  out.append(2, '\0');
  for (const DbfFeld& f : felder) {
    std::string name = f.Name.substr(0, 10);
    name.resize(11, '\0');
    out += name;
    out += f.Typ;
    out.append(4, '\0');
    out += static_cast<char>(f.Laenge);
    out += static_cast<char>(f.Dezimalen);
    out.append(14, '\0');
  }
  out += '\x0D';
  for (const std::vector<std::string>& satz : saetze) {
    out += ' ';
    for (size_t i = 0; i < felder.size(); ++i) {
      const size_t laenge = static_cast<size_t>(felder[i].Laenge);
      std::string wert = i < satz.size() ? satz[i].substr(0, laenge) : std::string();
      if (felder[i].Typ == 'N')
        out += std::string(laenge - wert.size(), ' ') + wert;
      else
        out += wert + std::string(laenge - wert.size(), ' ');
    }
  }
  out += '\x1A';
  return WriteTextFile(dateiname, out);
}
