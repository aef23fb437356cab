#include "output/sortausgabe.h"

#include "core/globals.h"
#include "core/helpers.h"
#include "core/savefile.h"
#include "output/listenschreiber.h"

bool WriteSortierteAusgabe(const std::filesystem::path& dateiname, _sort_ausgabe a,
                           std::string* cssFehler) {
  if (cssFehler) cssFehler->clear();
  // Whatever an earlier output left behind must never reach this file.
  gIntdat.AusgabeText.clear();
  a.Dateiname = dateiname;
  std::string& text = gIntdat.AusgabeText;
  if (a.Listenart < 1 || a.Listenart > 6 || a.Dateiformat < 1 || a.Dateiformat > 3) return false;
  switch (a.Dateiformat * 10 + a.Listenart) {
    case 11: WriteTxtMschTabellen(a); break;
    case 12: WriteTxtMschErgebnisse(a); break;
    case 13: WriteTxtEinzelErgebnisse(a); break;
    case 14: WriteTxtKlassenErgebnisse(a); break;
    case 15: text = WriteTxtVereinsErgebnisse(a); break;
    case 16: text = WriteTxtMschFuehrer(a.Vrnr, 0); break;
    case 21: WriteHtmlMschTabellen(a); break;
    case 22: WriteHtmlMschErgebnisse(a); break;
    case 23: WriteHtmlEinzelErgebnisse(a); break;
    case 24: WriteHtmlKlassenErgebnisse(a); break;
    case 25: text = WriteHtmlVereinsErgebnisse(a); break;
    case 26: text = WriteHtmlMschFuehrer(a.Vrnr, 0); break;
    // The dBASE writers put the file in place themselves.
    case 33: return WriteDbfEinzelErgebnisse(a);
    case 36: return WriteDbfMschFuehrer(a);
    default: return false;  // no writer: kind or format unknown, or no dBASE form
  }
  if (text.empty() || text == "dbf") return false;
  if (!WriteTextFile(dateiname, text)) return false;
  if (a.Dateiformat == 2 && gEinstellungen.CssKopieren != 0 && !CopyCssBeside(dateiname)) {
    const std::string why = takeSaveError();
    if (cssFehler) *cssFehler = why.empty() ? std::string("unbekannter Grund") : why;
  }
  return true;
}

std::string CssNichtKopiert(const std::string& grund) {
  return "Das css-File " + fileNamePart(fieldText(gEinstellungen.CssDatei)) + " wurde nicht mitkopiert: " + grund;
}
