// Times every list of the sorted-output window, the ranking computation it runs included, on
// a main database file: for the discipline with the most individual results at its last
// round. The floor is the one of the ranking benchmarks; each list should stay within four
// times that floor.
//
// usage: bench_sortierteausgabe <main database file> [benchmark options]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <string>

#include "common.h"
#include "core/db.h"
#include "core/globals.h"
#include "ranking/listen.h"
#include "ranking/ranking.h"

namespace {

int gDisz = 0;
int gRunde = 0;  // round number, from 1
int gKlasse = 0;
int gVerein = 0;

void zeitVon(benchmark::State& state, const std::function<size_t()>& liste) {
  size_t zeilen = 0;
  for (auto _ : state) zeilen = liste();
  state.counters["rows"] = static_cast<double>(zeilen);
}

size_t zeilen(const ListenTabelle& t) { return t.Zeilen.size(); }
size_t zeilen(const KlassenListen& l) {
  return l.Oben.Zeilen.size() + l.Mitte.Zeilen.size() + l.Unten.Zeilen.size();
}

void BM_Floor_ReadAllRows(benchmark::State& state) {
  zeitVon(state, [] { return readAllRows(gDisz); });
}

void BM_Starttabellen(benchmark::State& state) {
  zeitVon(state, [] { return zeilen(StarttabellenListe(gDisz)); });
}
void BM_Mannschaftstabellen(benchmark::State& state) {
  zeitVon(state, [] {
    BerechneMannschaftstabellen(gRunde - 1, gDisz);
    return zeilen(MannschaftstabellenListe(gDisz, 0));
  });
}

void BM_Begegnungen(benchmark::State& state) {
  zeitVon(state, [] { return zeilen(BegegnungenListe(gDisz, gRunde, 0)); });
}
void BM_MannschaftsRingschnitte(benchmark::State& state) {
  zeitVon(state, [] {
    BerechneMannschaftsringschnitte(gRunde - 1, gDisz);
    return zeilen(MannschaftsRingschnittListe());
  });
}
void BM_Aufstellungen(benchmark::State& state) {
  zeitVon(state, [] { return zeilen(AufstellungenListe(gDisz, gKlasse, gRunde, 0)); });
}

// Page "Einzelergebnisse": display as the first argument, 1 for one class as the second.
void BM_Einzelergebnisse(benchmark::State& state) {
  const int anzeige = static_cast<int>(state.range(0));
  const int klasse = state.range(1) ? gKlasse : 0;
  zeitVon(state, [&] {
    BerechneEinzelwertung(anzeige, klasse, gRunde - 1, 0, 1, 0, gDisz);
    return zeilen(EinzelergebnisListe(anzeige, gDisz, klasse, gRunde, 0));
  });
}

void BM_Klassenergebnisse(benchmark::State& state) {
  const int anzeige = static_cast<int>(state.range(0));
  zeitVon(state,
          [&] { return zeilen(KlassenergebnisListen(gDisz, gKlasse, gRunde, anzeige, 0, 1, 0)); });
}

void BM_Vereinsergebnisse(benchmark::State& state) {
  const int filter = static_cast<int>(state.range(0));
  zeitVon(state, [&] { return zeilen(VereinsergebnisListe(gDisz, gVerein, filter, false, 0)); });
}

void BM_Mannschaftsleiter(benchmark::State& state) {
  zeitVon(state, [] { return zeilen(MannschaftsleiterListe(gDisz, 0, 0)); });
}

}  // namespace

BENCHMARK(BM_Floor_ReadAllRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Starttabellen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Mannschaftstabellen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Begegnungen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MannschaftsRingschnitte)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Aufstellungen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Einzelergebnisse)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->ArgNames({"anzeige", "klasse"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Klassenergebnisse)
    ->DenseRange(0, 3)
    ->ArgName("anzeige")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Vereinsergebnisse)->DenseRange(0, 1)->ArgName("filter")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Mannschaftsleiter)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (!openMainFile(argc, argv)) return 1;
  MeisteErgebnisse m;
  if (!disziplinMitMeistenErgebnissen(argv[1], m)) return 1;
  gDisz = m.disznr;
  gRunde = std::max(1, m.letzteRunde);
  // The line-ups and class results of the first class; the club with the most shooters.
  gKlasse = db::query(gDbHaupt, "SELECT MIN(Nr) FROM Mschklassen WHERE Disznr = ?;", {gDisz})
                .integer(0, 0);
  gVerein = db::query(gDbHaupt,
                      "SELECT VrNr FROM Schuetzen GROUP BY VrNr ORDER BY COUNT(*) DESC, VrNr "
                      "LIMIT 1;")
                .integer(0, 0);
  std::printf("discipline %d, %s results, round %d, class %d, club %d\n", gDisz,
              m.anzahl.c_str(), gRunde, gKlasse, gVerein);

  bool ran = runBenchmarks(argc, argv);
  db::close(gDbHaupt);
  return ran ? 0 : 1;
}
