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

int ZahlenBreite(PrintCanvas& canvas, const std::string& text) {
  int breite = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t ende = text.find(' ', start);
    if (ende == std::string::npos) ende = text.size();
    const std::string wort = text.substr(start, ende - start);
    const bool zahl = wort.find_first_of("0123456789") != std::string::npos &&
                      wort.find_first_not_of("0123456789.,:;+-/()%") == std::string::npos;
    if (zahl) breite = std::max(breite, canvas.textWidth(wort));
    start = ende + 1;
  }
  return breite;
}

std::vector<int> SpaltenBreiten(std::span<const int> wunsch, std::span<const int> mindest) {
  std::vector<int> breite(wunsch.begin(), wunsch.end());
  long long fehlt = 0, ueber = 0;
  for (size_t i = 0; i < breite.size(); ++i) {
    const int m = i < mindest.size() ? mindest[i] : 0;
    if (breite[i] < m)
      fehlt += m - breite[i];
    else
      ueber += breite[i] - m;
  }
  if (fehlt == 0) return breite;
  // Each column above its minimum gives up its share, counted on from the columns before it
  // so that the shares add up to the whole.
  long long gegeben = 0, bisher = 0;
  const long long abgabe = std::min(fehlt, ueber);
  for (size_t i = 0; i < breite.size(); ++i) {
    const int m = i < mindest.size() ? mindest[i] : 0;
    if (breite[i] < m) {
      breite[i] = m;
    } else if (breite[i] > m && ueber > 0) {
      bisher += breite[i] - m;
      const long long teil = abgabe * bisher / ueber - gegeben;
      gegeben += teil;
      breite[i] -= static_cast<int>(teil);
    }
  }
  return breite;
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
