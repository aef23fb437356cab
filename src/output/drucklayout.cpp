#include "output/drucklayout.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "platform/messages.h"
#include "platform/printcanvas.h"

DiszKopf LeseDiszKopf(int disznr) {
  DiszKopf kopf;
  kopf.Gauname = fieldText(gEinstellungen.Gauname);
  db::Table d = db::query(
      gDbHaupt, "SELECT DISTINCT Bezeichnung, Saisonname, WklNr FROM Disznamen  WHERE Nr = ?",
      {disznr});
  if (d.empty()) return kopf;
  kopf.Bezeichnung = d.text(0, 0);
  kopf.Saisonname = d.text(0, 1);
  db::Table w = db::query(gDbHaupt,
                          "SELECT DISTINCT Name, Fax, Mail FROM Wettkampfleiter WHERE Nr = ?",
                          {d.integer(0, 2)});
  if (!w.empty()) {
    kopf.Wkl = w.text(0, 0);
    kopf.Fax = w.text(0, 1);
    kopf.Mail = w.text(0, 2);
  }
  return kopf;
}

std::string WettkampfleiterZeile(const DiszKopf& kopf) {
  return "Wettkampfleiter: " + kopf.Wkl + ", Fax: " + kopf.Fax + ", Mail: " + kopf.Mail;
}

int PrintListTitle(PrintCanvas& canvas, DruckLayout layout, int disznr) {
  const DiszKopf kopf = LeseDiszKopf(disznr);
  canvas.setFont(PrintFont{"Times New Roman", 14});
  return layout.Oben + 3 * layout.Zeile +
         DruckeUeberschrift(canvas, layout.Links, layout.Oben, DruckBreite(canvas, layout),
                            "Rundenwettkampf " + kopf.Gauname + " " + kopf.Bezeichnung + " " +
                                kopf.Saisonname);
}

int DruckeUeberschrift(PrintCanvas& canvas, int x, int y, int breite, const std::string& text) {
  const int hoch = canvas.textHeight("Ag");
  return std::max(0, canvas.textBlock(x, y, breite, text, hoch) - 1) * hoch;
}

int MeisteZeilen(PrintCanvas& canvas, std::span<const std::string> texte, std::span<const int> breiten) {
  int n = 1;
  for (size_t i = 0; i < texte.size() && i < breiten.size(); ++i)
    n = std::max(n, canvas.lineCount(texte[i], breiten[i]));
  return n;
}

void MissZelle(PrintCanvas& canvas, SpaltenBedarf& bedarf, const std::string& text) {
  const TextNeeds n = canvas.textNeeds(text);
  bedarf.Zahl = std::max(bedarf.Zahl, n.number);
  bedarf.Stueck = std::max(bedarf.Stueck, n.piece);
  bedarf.Wort = std::max(bedarf.Wort, n.word);
  bedarf.Ganz = std::max(bedarf.Ganz, n.whole);
}

namespace {

// From `von` towards `bis`, each column in proportion to its step, the sum `summe`.
std::vector<int> zwischen(const std::vector<long long>& von, const std::vector<long long>& bis,
                          long long summe) {
  long long basis = 0, schritt = 0;
  for (size_t i = 0; i < von.size(); ++i) {
    basis += von[i];
    schritt += bis[i] - von[i];
  }
  std::vector<int> breite(von.size());
  long long bisher = 0, gegeben = 0;
  for (size_t i = 0; i < von.size(); ++i) {
    bisher += bis[i] - von[i];
    // Counted on from the columns before, so that the parts add up to the whole.
    const long long teil = schritt > 0 ? (summe - basis) * bisher / schritt - gegeben : 0;
    gegeben += teil;
    breite[i] = static_cast<int>(von[i] + teil);
  }
  return breite;
}

}  // namespace

std::vector<int> SpaltenNachBedarf(std::span<const SpaltenBedarf> bedarf, int summe) {
  const size_t n = bedarf.size();
  std::vector<std::vector<long long>> stufe(6, std::vector<long long>(n, 0));
  for (size_t i = 0; i < n; ++i) {
    const SpaltenBedarf& b = bedarf[i];
    const int werte[5] = {b.Zahl, b.Stueck, b.Wort, b.Ganz, b.Wunsch};
    for (size_t k = 1; k < 6; ++k) stufe[k][i] = std::max<long long>(stufe[k - 1][i], werte[k - 1]);
  }
  auto summeVon = [](const std::vector<long long>& v) {
    long long s = 0;
    for (long long x : v) s += x;
    return s;
  };
  for (size_t k = 1; k < 6; ++k)
    if (summeVon(stufe[k]) >= summe) return zwischen(stufe[k - 1], stufe[k], summe);
  // Shares smaller than the page: the rest in proportion to what each column holds.
  std::vector<long long> doppelt = stufe[5];
  for (long long& x : doppelt) x *= 2;
  return zwischen(stufe[5], doppelt, summe);
}

int DruckBreite(PrintCanvas& canvas, const DruckLayout& layout) {
  const int rechts = layout.Rechts > layout.Links ? layout.Rechts : canvas.pageWidth();
  return rechts - layout.Links;
}

void PrintPageFooter(PrintCanvas& canvas, DruckLayout layout, int disznr) {
  const DiszKopf kopf = LeseDiszKopf(disznr);
  const PrintFont before = canvas.font();
  canvas.setFont(PrintFont{"Times New Roman", 10});
  int y = layout.Unten;
  if (layout.Hinweis > 0) {
    canvas.textOut(layout.Links, y,
                   "Unterstrichene Teilnehmer sind noch nicht in der Datenbank erfasst!");
    y += layout.Zeile;
  }
  std::time_t now = outputTime();
  std::tm t{};
  localtime_r(&now, &t);
  char datum[32];
  std::snprintf(datum, sizeof datum, "%02d/%02d/%d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
  canvas.textOut(layout.Links, y, datum);
  y += layout.Zeile;
  canvas.line(layout.Links, y + layout.Zeile / 2, layout.Rechts, y + layout.Zeile / 2);
  y += layout.Zeile;
  const std::string marke = "Kerbwerk2006";
  const int markeX = layout.Rechts - canvas.textWidth(marke);
  canvas.textOut(markeX, y, marke);
  canvas.textBlock(layout.Links, y, markeX - layout.Einheit - layout.Links, WettkampfleiterZeile(kopf),
                   layout.Zeile);
  canvas.setFont(before);
}

void MeldeKeineDruckdaten() { msg::show("Keine Daten zum Drucken.", "Meldung"); }
