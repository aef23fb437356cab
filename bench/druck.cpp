// Times four printed lists of a main database file, each a whole job into a PDF file through
// Qt's printer: the shooters' list of all clubs, the individual averages of all classes, the
// schedule lists of all classes and the team captains of all clubs, for the discipline with
// the most individual results at its last round. Each list stands beside its floor: one read,
// through the same database layer, of the rows it prints.
//
// bench/compare-print builds this file against an older commit as well, with
// ZK_BENCH_BASELINE defined there: it may only call what both trees have, or keep a call
// that differs behind that macro or __has_include.
//
// usage: bench_druck <main database file> [benchmark options]
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common.h"
#include "output/listenschreiber.h"
#include "output/schuetzenliste.h"
#include "output/sortausgabe.h"
#include "output/terminlisten.h"
#include "platform/qprintercanvas.h"
#include "ranking/ranking.h"
#if __has_include("platform/hyphenation.h")
#include "platform/hyphenation.h"
#define ZK_BENCH_SILBEN 1
#endif

namespace {

int gDisz = 0;
int gRunde = 0;  // round number, from 1
std::vector<long> gVereine;  // every club with shooters, as the serial print picks them
std::string gPdf;

// The pages of a PDF as Qt writes it: one "/Type /Page" object each, the page tree apart.
int seiten(const std::string& pdf) {
  std::ifstream in(pdf, std::ios::binary);
  const std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  int n = 0;
  for (size_t i = s.find("/Type /Page"); i != std::string::npos; i = s.find("/Type /Page", i + 1))
    if (i + 11 >= s.size() || s[i + 11] != 's') ++n;
  return n;
}

// Each iteration a whole job on a new canvas; the file is complete when the canvas is gone.
void zeitVon(benchmark::State& state, const std::function<bool(PrintCanvas&)>& liste) {
  for (auto _ : state) {
    std::unique_ptr<QPrinterCanvas> canvas = QPrinterCanvas::toPdf(gPdf);
    if (!liste(*canvas)) {
      state.SkipWithError("the print job did not begin");
      return;
    }
  }
  state.counters["pages"] = seiten(gPdf);
}

// A floor: the rows of every statement, read once in one transaction.
void floorVon(benchmark::State& state, const std::vector<std::pair<const char*, db::Params>>& lesen) {
  size_t rows = 0;
  for (auto _ : state) {
    rows = 0;
    db::Transaction t(gDbHaupt);
    for (const auto& [sql, params] : lesen) rows += db::query(gDbHaupt, sql, params).size();
    t.commit();
  }
  state.counters["rows"] = static_cast<double>(rows);
}

// The serial print of the shooters' window: every club with shooters, each on pages of its own.
void BM_Schuetzenliste(benchmark::State& state) {
  zeitVon(state, [](PrintCanvas& c) { return PrintSchuetzenListen(c, gVereine, 0); });
}
void BM_Floor_Schuetzenliste(benchmark::State& state) {
  floorVon(state, {{"SELECT Nummer, Name FROM Vereine_gau;", {}},
                   {"SELECT Passnr, Name, Geschl, Gebdat, VrNr FROM Schuetzen;", {}}});
}

// The sorted output prints the ranking its page computed when shown: computed here once.
void BM_Einzelschnitte(benchmark::State& state) {
  BerechneEinzelwertung(1, 0, gRunde - 1, 0, 1, 0, gDisz);
  _sort_ausgabe a;
  a.Listenart = 3;
  a.Disznr = gDisz;
  a.Durchgang = gRunde - 1;
  a.MinErgAnzahl = 1;
  a.Sortart = 1;
  zeitVon(state, [&](PrintCanvas& c) { return PrintEinzelErgebnisse(c, a); });
  state.counters["rows"] = static_cast<double>(gEergSortListe.size());
}
// What the averages are built from: the active shooters, their results and clubs' names.
void BM_Floor_Einzelschnitte(benchmark::State& state) {
  floorVon(state, {{"SELECT Passnr, VrNr, Name FROM Schuetzen WHERE AktivFlag = ?;", {"1"}},
                   {"SELECT Schnr, Vrnr, Ergnr, Ringerg, Mschnr FROM Schuetzenerg WHERE Disznr = ?;", {gDisz}},
                   {"SELECT Nummer, Name FROM Vereine_gau;", {}}});
}

void BM_Terminlisten(benchmark::State& state) {
  zeitVon(state, [](PrintCanvas& c) { return PrintTerminlisten(c, 0, 0, ""); });
}
void BM_Floor_Terminlisten(benchmark::State& state) {
  floorVon(state, {{"SELECT Nr, Klname FROM Mschklassen WHERE Disznr = ?;", {gDisz}},
                   {"SELECT Mklnr, Nr_in_klasse, Termin FROM Termine WHERE Disznr = ?;", {gDisz}},
                   {"SELECT Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr FROM Gegner "
                    "WHERE Disznr = ?;",
                    {gDisz}},
                   {"SELECT Nummer, Name FROM Vereine_gau;", {}}});
}

void BM_Mannschaftsleiter(benchmark::State& state) {
  zeitVon(state, [](PrintCanvas& c) { return PrintMschFuehrer(c, 0, 0); });
}
void BM_Floor_Mannschaftsleiter(benchmark::State& state) {
  floorVon(state, {{"SELECT Nr, Klname FROM Mschklassen WHERE Disznr = ?;", {gDisz}},
                   {"SELECT Mklnr, Vrnr, Rmschnr FROM Msch_in_klassen WHERE Disznr = ?;", {gDisz}},
                   {"SELECT Nummer, Name FROM Vereine_gau;", {}},
                   {"SELECT Nummer, TelSStd FROM Vereine_zstext;", {}},
                   {"SELECT Vrnr, Rmschnr, Name, Strasse, Plz, Ort, Tel_a, Tel_b, Fax, Mail FROM "
                    "Msch_fuehrer WHERE Disznr = ?;",
                    {gDisz}}});
}

}  // namespace

BENCHMARK(BM_Schuetzenliste)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Floor_Schuetzenliste)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Einzelschnitte)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Floor_Einzelschnitte)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Terminlisten)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Floor_Terminlisten)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Mannschaftsleiter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Floor_Mannschaftsleiter)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  // Qt's printer needs an application, and no display to print into a file.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  if (!openMainFile(argc, argv)) return 1;
  MeisteErgebnisse m;
  if (!disziplinMitMeistenErgebnissen(argv[1], m)) return 1;
  gDisz = m.disznr;
  gRunde = std::max(1, m.letzteRunde);
  // The schedule and captains' lists print the current discipline.
  gEinstellungen.AktDisznr = gDisz;
  db::Table vereine = db::query(gDbHaupt,
                                "SELECT DISTINCT v.Nummer FROM Vereine_gau v WHERE v.Nummer > 0 AND EXISTS "
                                "(SELECT 1 FROM Schuetzen s WHERE s.VrNr = v.Nummer);");
  for (size_t r = 0; r < vereine.size(); ++r) gVereine.push_back(vereine.num(r, 0));

  std::string muster = (std::filesystem::temp_directory_path() / "bench_druck-XXXXXX").string();
  const char* ordner = mkdtemp(muster.data());
  if (!ordner) {
    std::perror("mkdtemp");
    return 1;
  }
  gPdf = std::string(ordner) + "/liste.pdf";
#ifdef ZK_BENCH_SILBEN
  // The program loads the syllable patterns beside its start: no print waits for them.
  syllableBreaks("Silbentrennung");
#endif
  std::printf("discipline %d, %s results, round %d, %zu clubs with shooters\n", gDisz,
              m.anzahl.c_str(), gRunde, gVereine.size());

  bool ran = runBenchmarks(argc, argv);
  std::filesystem::remove_all(ordner);
  db::close(gDbHaupt);
  return ran ? 0 : 1;
}
