// Times the database clean-up on a copy of a main database file, against the floor: one read,
// through the same database layer, of every row the clean-up reads. Each run starts from the
// file as it was, restored outside the timing.
//
// usage: bench_bereinigung <main database file> [benchmark options]
#include <string>

#include "common.h"
#include "core/cleanup.h"

namespace {

WorkingCopy gCopy;

struct Quiet : CleanupProgress {
  void AddProgressLine(const std::string&) override {}
  void SetProgressRange(int) override {}
  void SetProgressPosition(int) override {}
};

void BM_Bereinigung(benchmark::State& state) {
  Quiet quiet;
  for (auto _ : state) {
    state.PauseTiming();
    gCopy.restore();
    state.ResumeTiming();
    if (!RunDatabaseCleanup(gDbHaupt, quiet)) state.SkipWithError("the clean-up failed");
  }
  state.counters["results"] = static_cast<double>(
      db::query(gDbHaupt, "SELECT COUNT(*) FROM Schuetzenerg;").num(0, 0));
}

void BM_Floor_CleanupRows(benchmark::State& state) {
  size_t rows = 0;
  for (auto _ : state)
    rows = readEvery({"SELECT Nummer FROM Vereine_gau;", "SELECT Passnr, VrNr FROM Schuetzen;",
                      "SELECT rowid, Disznr, Vrnr, Mklnr FROM Msch_in_klassen;",
                      "SELECT rowid, Disznr, Nr FROM Mschklassen;", "SELECT rowid, Disznr, Mklnr FROM Gegner;",
                      "SELECT rowid, Disznr, Mklnr FROM Termine;", "SELECT rowid, Disznr, Mklnr, Vrnr FROM Mscherg;",
                      "SELECT rowid, Disznr, Schnr, Ringerg FROM Schuetzenerg;", "SELECT Nummer FROM Vereine_zstext;",
                      "SELECT Nr, Bezeichnung FROM Disznamen;"});
  state.counters["rows"] = static_cast<double>(rows);
}

}  // namespace

BENCHMARK(BM_Floor_CleanupRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bereinigung)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (!openMainFile(argc, argv)) return 1;
  // The clean-up changes the database: it runs on a copy beside the file, which stays as it is.
  if (!gCopy.open(argv[1], ".bereinigung")) return 1;
  return runBenchmarks(argc, argv) ? 0 : 1;
}
