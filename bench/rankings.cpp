// Times the three ranking computations on a main database file, for the discipline with the
// most individual results at its last round, against the floor: one read, through the same
// database layer, of every row the computations need together.
//
// usage: bench_rankings <main database file> [benchmark options]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "common.h"
#include "ranking/ranking.h"

namespace {

int gDisz = 0;
int gRunde = 0;

void BM_EinzelwertungRunde(benchmark::State& state) {
  for (auto _ : state) {
    BerechneEinzelwertung(0, 0, gRunde, 0, 1, 0, gDisz);
    benchmark::DoNotOptimize(gEergSortListe.data());
  }
  state.counters["rows"] = static_cast<double>(gEergSortListe.size());
}

void BM_EinzelwertungSchnitt(benchmark::State& state) {
  for (auto _ : state) {
    BerechneEinzelwertung(1, 0, gRunde, 0, 1, 0, gDisz);
    benchmark::DoNotOptimize(gEergSortListe.data());
  }
  state.counters["rows"] = static_cast<double>(gEergSortListe.size());
}

void BM_Mannschaftstabellen(benchmark::State& state) {
  for (auto _ : state) {
    BerechneMannschaftstabellen(gRunde, gDisz);
    benchmark::DoNotOptimize(gMschTabellen.size());
  }
  state.counters["classes"] = static_cast<double>(gMschTabellen.size());
}

void BM_Mannschaftsringschnitte(benchmark::State& state) {
  for (auto _ : state) {
    BerechneMannschaftsringschnitte(gRunde, gDisz);
    benchmark::DoNotOptimize(gMergSortListe.data());
  }
  state.counters["rows"] = static_cast<double>(gMergSortListe.size());
}

void BM_Floor_ReadAllRows(benchmark::State& state) { timeReadAllRows(state, gDisz); }

}  // namespace

BENCHMARK(BM_EinzelwertungRunde)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EinzelwertungSchnitt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Mannschaftstabellen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Mannschaftsringschnitte)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Floor_ReadAllRows)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (!openMainFile(argc, argv)) return 1;
  MeisteErgebnisse m;
  if (!disziplinMitMeistenErgebnissen(argv[1], m)) return 1;
  gDisz = m.disznr;
  gRunde = m.letzteRunde > 0 ? m.letzteRunde - 1 : 0;
  std::printf("discipline %d, %s results, round index %d\n", gDisz, m.anzahl.c_str(), gRunde);

  bool ran = runBenchmarks(argc, argv);
  db::close(gDbHaupt);
  return ran ? 0 : 1;
}
