#include "output/listenschreiber.h"

#include <cstdio>

#include "core/globals.h"
#include "core/helpers.h"
#include "output/dbase.h"
#include "output/drucklayout.h"
#include "output/listenausgabe.h"
#include "platform/text.h"
#include "ranking/ranking.h"
#include "season/paarungen.h"

namespace {

std::string fmt(const char* format, int n) {
  char buf[128];
  std::snprintf(buf, sizeof buf, format, n);
  return buf;
}

std::string klassenName(int disznr, int mklnr) {
  for (const KlassenEintrag& k : KlassenListe(disznr))
    if (k.Nr == mklnr) return k.Klname;
  return std::string();
}

ListenDokument dokument(const _sort_ausgabe& a, const std::string& seite, std::string titel,
                        ListenTabelle tabelle) {
  ListenDokument d;
  d.Disznr = a.Disznr;
  d.Seite = seite;
  d.Titel = std::move(titel);
  d.Tabellen.push_back(std::move(tabelle));
  return d;
}

// The class line, and at a final ranking the notice the page shows.
void klassenZeilen(ListenDokument& d, const _sort_ausgabe& a, bool endwertung) {
  if (a.Mklnr <= 0) return;
  const std::string klasse = klassenName(a.Disznr, a.Mklnr);
  d.Zusatz.push_back("Klasse " + klasse);
  if (endwertung && a.Endwertung == 1) {
    d.Zusatz.push_back("Endwertung Klasse " + klasse);
    d.Zusatz.push_back(fmt("Vorgegebene Mindestanzahl Ergebnisse: %d", a.MinErgAnzahl));
  }
}

ListenDokument mschTabellen(const _sort_ausgabe& a) {
  if (a.Sortart == 0)
    return dokument(a, "Mannschaftstabellen", "Starttabellen", StarttabellenListe(a.Disznr));
  return dokument(a, "Mannschaftstabellen",
                  fmt("Mannschaftstabellen nach Durchgang %d", a.Durchgang + 1),
                  MannschaftstabellenListe(a.Disznr, a.Zehntelflag));
}

ListenDokument mschErgebnisse(const _sort_ausgabe& a) {
  const int dg = a.Durchgang + 1;
  if (a.Sortart == 1)
    return dokument(a, "Mannschaftsergebnisse", fmt("Ringschnitte nach Durchgang %d", dg),
                    MannschaftsRingschnittListe());
  if (a.Sortart == 2) {
    ListenDokument d =
        dokument(a, "Mannschaftsergebnisse", fmt("Mannschaftsaufstellungen Durchgang %d", dg),
                 AufstellungenListe(a.Disznr, a.Mklnr, dg, a.Zehntelflag));
    klassenZeilen(d, a, false);
    return d;
  }
  return dokument(a, "Mannschaftsergebnisse", fmt("Begegnungen Durchgang %d", dg),
                  BegegnungenListe(a.Disznr, dg, a.Zehntelflag));
}

ListenDokument einzelErgebnisse(const _sort_ausgabe& a) {
  static const char* const titel[] = {"Ergebnisse Durchgang %d", "Ringschnitte nach Durchgang %d",
                                      "Ringschnitte nach Durchgang %d mit Einzelerg."};
  const int anzeige = a.Sortart >= 0 && a.Sortart <= 2 ? a.Sortart : 0;
  ListenDokument d =
      dokument(a, "Einzelergebnisse", fmt(titel[anzeige], a.Durchgang + 1),
               EinzelergebnisListe(anzeige, a.Disznr, a.Mklnr, a.Durchgang + 1, a.Zehntelflag));
  klassenZeilen(d, a, anzeige >= 1);
  return d;
}

ListenDokument klassenErgebnisse(const _sort_ausgabe& a) {
  static const char* const titel[] = {"Mannschafts- und Einzelergebnisse Durchgang %d",
                                      "Tabelle und Einzelringschnitte nach Durchgang %d",
                                      "Tabelle + Mannschaftserg. bis einschl. Durchgang %d",
                                      "Tabelle, Mannschafts- + Einzelerg. Durchgang %d"};
  const int anzeige = a.Sortart >= 0 && a.Sortart <= 3 ? a.Sortart : 0;
  KlassenListen k = KlassenergebnisListen(a.Disznr, a.Mklnr, a.Durchgang + 1, anzeige,
                                          a.MinRinge, a.MinErgAnzahl, a.Zehntelflag);
  ListenDokument d = dokument(a, "Klassenergebnisse", fmt(titel[anzeige], a.Durchgang + 1),
                              std::move(k.Oben));
  if (anzeige == 3) d.Tabellen.push_back(std::move(k.Mitte));
  d.Tabellen.push_back(std::move(k.Unten));
  klassenZeilen(d, a, anzeige == 1);
  return d;
}

// Sortart 1: the team shooters who changed teams, as the page shows them; else every result.
ListenDokument vereinsErgebnisse(const _sort_ausgabe& a) {
  ListenDokument d = dokument(
      a, "Vereinsergebnisse", "Vereinsergebnisse",
      VereinsergebnisListe(a.Disznr, a.Vrnr, a.Sortart >= 1 ? 1 : 0, a.Anzeige == 1, a.Zehntelflag));
  d.Verein = VereinsName(gDbHaupt, a.Vrnr);
  d.Ausrichtung = PageOrientation::Landscape;
  return d;
}

ListenDokument mschFuehrer(int vrnr, int mklnr) {
  _sort_ausgabe a;
  a.Disznr = gEinstellungen.AktDisznr;
  a.Mklnr = mklnr;
  ListenDokument d = dokument(a, "Mannschaftsleiter", "Mannschaftsleiter",
                              MannschaftsleiterListe(a.Disznr, vrnr, mklnr));
  if (vrnr > 0) d.Verein = VereinsName(gDbHaupt, vrnr);
  klassenZeilen(d, a, false);
  d.Ausrichtung = PageOrientation::Landscape;
  return d;
}

// The "dbf" marker tells the file writer that the table is already on disk.
bool dbfGeschrieben(bool ok) {
  if (ok) gIntdat.AusgabeText = "dbf";
  return ok;
}

std::string zehntel(int wert, int zehntelflag) {
  if (zehntelflag < 1) return str(wert / 10);
  return str(wert / 10) + "." + str(wert % 10);
}

}  // namespace

bool PrintMschTabellen(PrintCanvas& c, _sort_ausgabe a) { return ListenDrucken(c, mschTabellen(a)); }
bool PrintMschErgebnisse(PrintCanvas& c, _sort_ausgabe a) {
  return ListenDrucken(c, mschErgebnisse(a));
}
bool PrintEinzelErgebnisse(PrintCanvas& c, _sort_ausgabe a) {
  return ListenDrucken(c, einzelErgebnisse(a));
}
bool PrintKlassenErgebnisse(PrintCanvas& c, _sort_ausgabe a) {
  return ListenDrucken(c, klassenErgebnisse(a));
}
bool PrintVereinsErgebnisse(PrintCanvas& c, _sort_ausgabe a) {
  return ListenDrucken(c, vereinsErgebnisse(a));
}
bool PrintMschFuehrer(PrintCanvas& c, int vrnr, int mklnr) {
  const ListenDokument d = mschFuehrer(vrnr, mklnr);
  if (!ListeHatDaten(d)) {
    MeldeKeineDruckdaten();
    return true;
  }
  return ListenDrucken(c, d);
}

bool PrintMschFuehrerVereine(PrintCanvas& c, const std::vector<long>& vereine) {
  std::vector<ListenDokument> doks;
  for (long vrnr : vereine) {
    ListenDokument d = mschFuehrer(static_cast<int>(vrnr), 0);
    if (ListeHatDaten(d)) doks.push_back(std::move(d));
  }
  if (doks.empty()) {
    MeldeKeineDruckdaten();
    return true;
  }
  return ListenDrucken(c, doks);
}

void WriteTxtMschTabellen(_sort_ausgabe a) { gIntdat.AusgabeText = ListenText(mschTabellen(a)); }
void WriteTxtMschErgebnisse(_sort_ausgabe a) {
  gIntdat.AusgabeText = ListenText(mschErgebnisse(a));
}
void WriteTxtEinzelErgebnisse(_sort_ausgabe a) {
  gIntdat.AusgabeText = ListenText(einzelErgebnisse(a));
}
void WriteTxtKlassenErgebnisse(_sort_ausgabe a) {
  gIntdat.AusgabeText = ListenText(klassenErgebnisse(a));
}
std::string WriteTxtVereinsErgebnisse(_sort_ausgabe a) {
  return ListenText(vereinsErgebnisse(a));
}
std::string WriteTxtMschFuehrer(int vrnr, int mklnr) { return ListenText(mschFuehrer(vrnr, mklnr)); }

void WriteHtmlMschTabellen(_sort_ausgabe a) { gIntdat.AusgabeText = ListenHtml(mschTabellen(a)); }
void WriteHtmlMschErgebnisse(_sort_ausgabe a) {
  gIntdat.AusgabeText = ListenHtml(mschErgebnisse(a));
}
void WriteHtmlEinzelErgebnisse(_sort_ausgabe a) {
  gIntdat.AusgabeText = ListenHtml(einzelErgebnisse(a));
}
void WriteHtmlKlassenErgebnisse(_sort_ausgabe a) {
  gIntdat.AusgabeText = ListenHtml(klassenErgebnisse(a));
}
std::string WriteHtmlVereinsErgebnisse(_sort_ausgabe a) { return ListenHtml(vereinsErgebnisse(a)); }
std::string WriteHtmlMschFuehrer(int vrnr, int mklnr) { return ListenHtml(mschFuehrer(vrnr, mklnr)); }

bool WriteDbfEinzelErgebnisse(_sort_ausgabe a) {
  const bool ringe = a.Sortart == 0;
  std::vector<DbfFeld> felder = {
      {"RANG", 'N', 5, 0}, {"PASSNR", 'N', 10, 0}, {"NAME", 'C', 60, 0}, {"VEREIN", 'C', 60, 0}};
  if (ringe)
    felder.push_back({"RINGE", 'N', 7, a.Zehntelflag >= 1 ? 1 : 0});
  else
    felder.insert(felder.end(), {{"SCHNITT", 'N', 7, 2}, {"ANZAHL", 'N', 3, 0}});
  std::vector<std::vector<std::string>> saetze;
  int rang = 0;
  for (size_t i = 0; i < gEergSortListe.size(); ++i) {
    const _eerg_sortdaten& e = gEergSortListe[i];
    if (i == 0 || e.Schnitt != gEergSortListe[i - 1].Schnitt) rang = static_cast<int>(i) + 1;
    std::vector<std::string> satz = {str(rang), str(e.Passnr), DbfText(e.Name),
                                     DbfText(e.Vereinsname)};
    if (ringe) {
      satz.push_back(zehntel(static_cast<int>(e.Schnitt), a.Zehntelflag));
    } else {
      char schnitt[32];
      std::snprintf(schnitt, sizeof schnitt, "%.2f", e.Schnitt * 0.1);
      satz.push_back(schnitt);
      satz.push_back(str(e.AnzahlErg));
    }
    saetze.push_back(std::move(satz));
  }
  return dbfGeschrieben(WriteDbfDatei(a.Dateiname, felder, saetze, outputTime()));
}

bool WriteDbfMschFuehrer(_sort_ausgabe a) {
  const std::vector<DbfFeld> felder = {
      {"KLASSE", 'C', 40, 0},    {"MANNSCHAFT", 'C', 60, 0}, {"TELVEREIN", 'C', 30, 0},
      {"NAME", 'C', 60, 0},      {"STRASSE", 'C', 60, 0},    {"PLZ", 'C', 10, 0},
      {"ORT", 'C', 40, 0},       {"TEL_A", 'C', 30, 0},      {"TEL_B", 'C', 30, 0},
      {"FAX", 'C', 30, 0},       {"MAIL", 'C', 80, 0}};
  const ListenTabelle t = MannschaftsleiterListe(a.Disznr, a.Vrnr, a.Mklnr);
  std::vector<std::vector<std::string>> saetze;
  std::string klasse;
  for (const ListenZeile& z : t.Zeilen) {
    if (z.leer()) continue;
    if (!z.Zellen.empty() && !z.Zellen[0].empty()) klasse = z.Zellen[0];
    if (z.Zellen.size() < 2 || z.Zellen[1].empty()) continue;  // a team without a name
    std::vector<std::string> satz = {DbfText(klasse)};
    for (size_t i = 1; i < felder.size(); ++i)
      satz.push_back(DbfText(i < z.Zellen.size() ? z.Zellen[i] : std::string()));
    saetze.push_back(std::move(satz));
  }
  return dbfGeschrieben(WriteDbfDatei(a.Dateiname, felder, saetze, outputTime()));
}

bool WriteDbfMschTabellen(_sort_ausgabe) { return false; }
bool WriteDbfMschErgebnisse(_sort_ausgabe) { return false; }
bool WriteDbfKlassenErgebnisse(_sort_ausgabe) { return false; }
bool WriteDbfVereinsErgebnisse(_sort_ausgabe) { return false; }
