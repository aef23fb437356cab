#include "output/drucklayout.h"

#include <algorithm>
#include <cstdint>
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
  const PrintFont& f = canvas.font();
  size_t schrift = bedarf.Schriften.size();
  while (schrift > 0 && !(bedarf.Schriften[schrift - 1].font == f)) --schrift;
  if (schrift-- == 0) {
    schrift = bedarf.Schriften.size();
    bedarf.Schriften.push_back({f, {}});
  }
  const auto [it, neu] =
      bedarf.Schriften[schrift].nummern.try_emplace(text, static_cast<int>(bedarf.Texte.size()));
  if (neu) {
    bedarf.Texte.push_back({schrift, text});
    bedarf.Ganz = std::max(bedarf.Ganz, canvas.textWidth(text));
  }
  bedarf.Zellen.push_back(it->second);
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

// Weights of the sharing: a row's line, a wrapped cell's further line, a word cut inside.
constexpr long long kReihenZeile = 4;
constexpr long long kZellenZeile = 1;
constexpr long long kSchnitt = kReihenZeile * kSchnittKosten;

// A column's texts at the widths from its start on, a step apart: for each text its lines
// and cuts at each step until it fits on one line; a cut not at a syllable counts twice.
struct Spaltenmodell {
  struct Stand {
    uint16_t zeilen, schnitte;
  };
  std::vector<std::vector<Stand>> texte;
  std::vector<long long> kosten;  // of the cells' further lines and cuts at each step

  Stand at(int text, size_t schritt) const {
    const std::vector<Stand>& t = texte[static_cast<size_t>(text)];
    return schritt < t.size() ? t[schritt] : Stand{1, 0};
  }
};

Spaltenmodell modell(const std::vector<TextProfile>& profile, const SpaltenBedarf& bedarf, long long von,
                     long long mass, size_t schritte) {
  Spaltenmodell m;
  m.texte.resize(profile.size());
  for (size_t t = 0; t < profile.size(); ++t) {
    const TextProfile& p = profile[t];
    Spaltenmodell::Stand vorher{UINT16_MAX, UINT16_MAX};
    for (size_t b = 0; b <= schritte; ++b) {
      const long long w = von + static_cast<long long>(b) * mass - bedarf.Rand;
      if (p.whole <= w) break;
      const TextProfile::Count c = p.countAt(static_cast<int>(w), bedarf.Einzug);
      // A wider column never takes more lines here: the sharing only widens.
      const Spaltenmodell::Stand s{static_cast<uint16_t>(std::min({c.lines, 9999, int{vorher.zeilen}})),
                                   static_cast<uint16_t>(std::min({c.cuts + c.rough, 9999, int{vorher.schnitte}}))};
      m.texte[t].push_back(s);
      vorher = s;
    }
  }
  m.kosten.assign(schritte + 1, 0);
  std::vector<int> anzahl(profile.size(), 0);
  for (int z : bedarf.Zellen) ++anzahl[static_cast<size_t>(z)];
  for (size_t t = 0; t < profile.size(); ++t)
    for (size_t b = 0; b < m.texte[t].size(); ++b)
      m.kosten[b] += anzahl[t] * (kZellenZeile * (m.texte[t][b].zeilen - 1) + kSchnitt * m.texte[t][b].schnitte);
  return m;
}

// Gives the steps of the room left, a piece at a time, to the column whose widening saves the
// most per step; each column is judged at every width the room left allows, since some save
// nothing until they hold a whole word more. Returns each column's steps.
std::vector<size_t> verteile(const std::vector<Spaltenmodell>& spalten, std::span<const SpaltenBedarf> bedarf,
                             size_t schritte) {
  const size_t n = spalten.size();
  auto jeReihe = [&](size_t s) { return static_cast<size_t>(std::max(1, bedarf[s].ZellenJeReihe)); };
  size_t reihen = 0;
  for (size_t s = 0; s < n; ++s) reihen = std::max(reihen, (bedarf[s].Zellen.size() + jeReihe(s) - 1) / jeReihe(s));
  std::vector<size_t> stand(n, 0);
  auto zeilen = [&](size_t s, size_t r, size_t schritt) -> long long {
    long long z = 0;
    for (size_t i = r * jeReihe(s); i < (r + 1) * jeReihe(s) && i < bedarf[s].Zellen.size(); ++i)
      z = std::max<long long>(z, spalten[s].at(bedarf[s].Zellen[i], schritt).zeilen);
    return z;
  };
  // Each row's tallest cell, the column that alone has it (n where two have it), and the next.
  std::vector<long long> hoch(reihen), naechst(reihen);
  std::vector<size_t> allein(reihen);
  std::vector<std::vector<size_t>> eigene(n);
  size_t frei = schritte;
  while (frei > 0) {
    for (auto& e : eigene) e.clear();
    for (size_t r = 0; r < reihen; ++r) {
      hoch[r] = naechst[r] = 0;
      allein[r] = n;
      for (size_t s = 0; s < n; ++s) {
        const long long z = zeilen(s, r, stand[s]);
        if (z > hoch[r]) {
          naechst[r] = hoch[r];
          hoch[r] = z;
          allein[r] = s;
        } else if (z == hoch[r]) {
          naechst[r] = z;
          allein[r] = n;
        } else {
          naechst[r] = std::max(naechst[r], z);
        }
      }
      if (allein[r] < n) eigene[allein[r]].push_back(r);
    }
    long long besterGewinn = 0;
    size_t besteSpalte = n, besteSchritte = 0;
    for (size_t s = 0; s < n; ++s)
      for (size_t k = 1; k <= frei; ++k) {
        const size_t b = stand[s] + k;
        long long gewinn = spalten[s].kosten[stand[s]] - spalten[s].kosten[b];
        for (size_t r : eigene[s]) gewinn += kReihenZeile * (hoch[r] - std::max(naechst[r], zeilen(s, r, b)));
        // Compared per step: gewinn / k against besterGewinn / besteSchritte.
        if (gewinn > 0 && (besteSpalte == n || gewinn * static_cast<long long>(besteSchritte) >
                                                   besterGewinn * static_cast<long long>(k))) {
          besterGewinn = gewinn;
          besteSpalte = s;
          besteSchritte = k;
        }
      }
    if (besteSpalte == n) break;
    stand[besteSpalte] += besteSchritte;
    frei -= besteSchritte;
  }
  return stand;
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
  std::vector<std::vector<TextProfile>> profile(n);
  std::vector<long long> zahlen(n), start(n);
  for (size_t i = 0; i < n; ++i) {
    int zahl = bedarf[i].Zahl, adresse = 0;
    for (const SpaltenBedarf::Text& t : bedarf[i].Texte) {
      canvas.setFont(bedarf[i].Schriften[t.schrift].font);
      TextProfile& p = profile[i].emplace_back(canvas.textProfile(t.text));
      zahl = std::max(zahl, p.needs().number);
      adresse = std::max(adresse, p.widestAddressPart());
    }
    zahlen[i] = zahl + bedarf[i].Rand;
    start[i] = std::max(zahl, adresse) + bedarf[i].Rand;
  }
  canvas.setFont(vorher);
  // An e-mail is cut inside its parts only where the page cannot give them whole.
  if (summeVon(start) > summe) start = zahlen;
  if (summeVon(start) > summe) return zwischen(std::vector<long long>(n, 0), start, summe);

  const long long rest = summe - summeVon(start);
  // At most about 200 steps, which together take up all but less than a step of the room.
  const long long mass = std::max<long long>(1, (rest + 199) / 200);
  const size_t schritte = static_cast<size_t>(rest / mass);
  std::vector<Spaltenmodell> spalten;
  for (size_t i = 0; i < n; ++i) spalten.push_back(modell(profile[i], bedarf[i], start[i], mass, schritte));
  const std::vector<size_t> stand = verteile(spalten, bedarf, schritte);
  std::vector<long long> breite(n);
  for (size_t i = 0; i < n; ++i)
    breite[i] = std::min(start[i] + static_cast<long long>(stand[i]) * mass, std::max(start[i], ganz[i]));
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
