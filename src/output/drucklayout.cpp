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
  if (text.find_first_not_of(' ') == std::string::npos) return;
  const PrintFont& f = canvas.font();
  auto schrift = std::find_if(bedarf.Texte.rbegin(), bedarf.Texte.rend(),
                              [&](const SpaltenBedarf::Schrift& s) { return s.font == f; });
  if (schrift == bedarf.Texte.rend()) {
    bedarf.Texte.push_back({f, {}});
    schrift = bedarf.Texte.rbegin();
  }
  const auto [it, neu] = schrift->texte.try_emplace(text, 0);
  if (neu) bedarf.Ganz = std::max(bedarf.Ganz, canvas.textWidth(text));
  ++it->second;
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

long long summeVon(const std::vector<long long>& v) {
  long long s = 0;
  for (long long x : v) s += x;
  return s;
}

struct Profil {
  TextProfile profil;
  int anzahl;
};

// What a column's texts cost at `schritte` + 1 widths from `von` on, `mass` apart: their lines,
// a word cut inside counting kSchnittKosten; the cost at each width is the least any width up
// to it gives.
std::vector<long long> kostenVon(std::vector<Profil>& texte, long long rand, long long von, long long mass,
                                 size_t schritte) {
  std::sort(texte.begin(), texte.end(), [](const Profil& a, const Profil& b) { return a.profil.whole > b.profil.whole; });
  long long alle = 0;
  for (const Profil& t : texte) alle += t.anzahl;
  std::vector<long long> kosten(schritte + 1);
  for (size_t b = 0; b <= schritte; ++b) {
    const long long w = von + static_cast<long long>(b) * mass;
    long long k = alle;  // a line each for the texts that fit
    for (const Profil& t : texte) {
      if (t.profil.whole + rand <= w) break;
      const TextProfile::Count c = t.profil.countAt(static_cast<int>(w - rand));
      k += t.anzahl * (c.lines - 1 + static_cast<long long>(kSchnittKosten) * c.cuts);
    }
    kosten[b] = b > 0 ? std::min(k, kosten[b - 1]) : k;
  }
  return kosten;
}

}  // namespace

std::vector<int> SpaltenNachBedarf(PrintCanvas& canvas, std::span<const SpaltenBedarf> bedarf, int summe) {
  const size_t n = bedarf.size();
  std::vector<long long> ganz(n), wunsch(n);
  for (size_t i = 0; i < n; ++i) {
    ganz[i] = std::max(bedarf[i].Zahl, bedarf[i].Ganz) + bedarf[i].Rand;
    wunsch[i] = std::max<long long>(ganz[i], bedarf[i].Wunsch);
  }
  // Every text on one line: nothing more to measure.
  if (summeVon(ganz) <= summe) {
    if (summeVon(wunsch) >= summe) return zwischen(ganz, wunsch, summe);
    std::vector<long long> doppelt = wunsch;
    for (long long& x : doppelt) x *= 2;
    return zwischen(wunsch, doppelt, summe);
  }

  const PrintFont vorher = canvas.font();
  std::vector<std::vector<Profil>> texte(n);
  std::vector<long long> zahlen(n), start(n);
  for (size_t i = 0; i < n; ++i) {
    int zahl = bedarf[i].Zahl, adresse = 0;
    for (const SpaltenBedarf::Schrift& s : bedarf[i].Texte) {
      canvas.setFont(s.font);
      for (const auto& [text, anzahl] : s.texte) {
        Profil p{canvas.textProfile(text), anzahl};
        zahl = std::max(zahl, p.profil.needs().number);
        adresse = std::max(adresse, p.profil.widestAddressPart());
        texte[i].push_back(std::move(p));
      }
    }
    zahlen[i] = zahl + bedarf[i].Rand;
    start[i] = std::max(zahl, adresse) + bedarf[i].Rand;
  }
  canvas.setFont(vorher);
  // An e-mail is cut inside its parts only where the page cannot give them whole.
  if (summeVon(start) > summe) start = zahlen;
  if (summeVon(start) > summe) return zwischen(std::vector<long long>(n, 0), start, summe);

  // The room left, in steps, goes where the columns' lines and cuts add up to the least.
  const long long rest = summe - summeVon(start);
  const size_t schritte = static_cast<size_t>(std::min<long long>(rest, 200));
  const long long mass = schritte > 0 ? rest / static_cast<long long>(schritte) : 1;
  std::vector<std::vector<long long>> kosten(n);
  for (size_t i = 0; i < n; ++i) kosten[i] = kostenVon(texte[i], bedarf[i].Rand, start[i], mass, schritte);
  // best[i][b]: the least cost of the first i + 1 columns within b steps, and the steps of
  // column i in it.
  std::vector<std::vector<long long>> best(n, std::vector<long long>(schritte + 1));
  std::vector<std::vector<size_t>> wahl(n, std::vector<size_t>(schritte + 1, 0));
  for (size_t i = 0; i < n; ++i)
    for (size_t b = 0; b <= schritte; ++b) {
      best[i][b] = i == 0 ? kosten[0][b] : best[i - 1][b] + kosten[i][0];
      for (size_t k = 1; i > 0 && k <= b; ++k)
        if (best[i - 1][b - k] + kosten[i][k] < best[i][b]) {
          best[i][b] = best[i - 1][b - k] + kosten[i][k];
          wahl[i][b] = k;
        }
      if (i == 0) wahl[0][b] = b;
    }
  std::vector<long long> breite(n);
  for (size_t i = n, b = schritte; i-- > 0;) {
    // A column takes the fewest steps that give its cost; the rest is shared out below.
    size_t k = wahl[i][b];
    while (k > 0 && kosten[i][k - 1] == kosten[i][k]) --k;
    breite[i] = std::min(start[i] + static_cast<long long>(k) * mass, std::max(start[i], ganz[i]));
    b -= wahl[i][b];
  }
  // What no column can use to save a line widens those whose texts still wrap.
  return zwischen(breite, ganz, summe);
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
