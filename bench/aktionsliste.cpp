// Times the action list on a main database file: for every discipline the jobs an organiser
// keeps (team tables, team results, individual results of all classes and of every class,
// class results of every class in all four displays, all as files), run at the
// discipline's last round. Reports the time per job against the floor of the rankings.
//
// usage: bench_aktionsliste <main database file> [benchmark options]
// The agenda database and the written lists go to a temporary folder that is removed.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "core/schema.h"
#include "exchange/services.h"
#include "common.h"
#include "output/aktionsliste.h"

namespace fs = std::filesystem;

namespace {

struct Disziplin {
  int nr = 0;
  int runde = 0;  // index of the last round
  int jobs = 0;
};
std::vector<Disziplin> gDisziplinen;
int gFloorDisz = 0;

void speichern(Disziplin& d, int typ, int klasse, int anzeige, const std::string& pfad) {
  AktionsEintrag e;
  e.Disznr = d.nr;
  e.Typ = typ;
  e.Flag_a = klasse;
  e.Flag_d = anzeige;
  e.Bezeichnung = "Liste";
  e.Pfad = pfad;
  if (AktionSpeichern(e, true)) ++d.jobs;
}

void jobsAnlegen(Disziplin& d, const std::string& ordner) {
  auto pfad = [&](const std::string& name) { return ordner + "/" + std::to_string(d.nr) + "_" + name; };
  speichern(d, AktMschTabellen, 0, 1, pfad("tabellen.html"));
  speichern(d, AktMschTabellen, 0, 1, pfad("tabellen.txt"));
  speichern(d, AktMschErgebnisse, 0, 0, pfad("begegnungen.html"));
  speichern(d, AktMschErgebnisse, 0, 1, pfad("ringschnitte.html"));
  speichern(d, AktEinzelErgebnisse, 0, 0, pfad("einzel_runde.html"));
  speichern(d, AktEinzelErgebnisse, 0, 1, pfad("einzel_schnitte.html"));
  db::Table k = db::query(gDbHaupt, "SELECT Nr FROM Mschklassen WHERE Disznr = ? ORDER BY Nr;", {d.nr});
  for (size_t r = 0; r < k.size(); ++r) {
    int nr = k.integer(r, 0);
    std::string kl = "k" + std::to_string(nr);
    speichern(d, AktEinzelErgebnisse, nr, 2, pfad(kl + "_einzel.html"));
    for (int anzeige = 0; anzeige < 4; ++anzeige)
      speichern(d, AktKlassenErgebnisse, nr, anzeige, pfad(kl + "_anzeige" + std::to_string(anzeige) + ".html"));
  }
}

void BM_Aktionsliste(benchmark::State& state) {
  int jobs = 0;
  for (auto _ : state) {
    jobs = 0;
    for (const Disziplin& d : gDisziplinen) {
      PointerListHolder holder;
      std::string log = RunAktionsliste(holder, d.nr, d.runde, 0);
      if (log.find("Fehler") != std::string::npos) {
        state.SkipWithError(log.c_str());
        return;
      }
      jobs += d.jobs;
    }
  }
  state.counters["jobs"] = jobs;
  // Shown as a time: CPU time of one iteration divided by its jobs.
  state.counters["per_job"] =
      benchmark::Counter(jobs, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Floor_ReadAllRows(benchmark::State& state) { timeReadAllRows(state, gFloorDisz); }

}  // namespace

BENCHMARK(BM_Aktionsliste)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Floor_ReadAllRows)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (!openMainFile(argc, argv)) return 1;
  char tmpl[] = "/tmp/zk-bench-XXXXXX";
  if (!mkdtemp(tmpl)) {
    std::fprintf(stderr, "no temporary folder\n");
    return 1;
  }
  const std::string ordner = tmpl;
  fillCreateTexts(gIntdat);
  gIntdat.ProgrammVerzeichnis = ordner;
  setFieldText(gEinstellungen.Gauname, "Benchmarkgau");
  gDbAgenda = db::open(ordner + "/zikoagenda.db");
  if (!gDbAgenda || !RecreateAktionTable()) {
    std::fprintf(stderr, "cannot create the agenda database in %s\n", ordner.c_str());
    return 1;
  }

  db::Table disz = db::query(gDbHaupt, "SELECT Nr FROM Disznamen ORDER BY Nr;");
  int jobs = 0;
  for (size_t r = 0; r < disz.size(); ++r) {
    Disziplin d;
    d.nr = disz.integer(r, 0);
    db::Table last = db::query(gDbHaupt, "SELECT MAX(AnzahlTermine) FROM Mschklassen WHERE Disznr = ?;", {d.nr});
    if (last.empty() || last.integer(0, 0) < 1) continue;
    d.runde = last.integer(0, 0) - 1;
    jobsAnlegen(d, ordner);
    jobs += d.jobs;
    gDisziplinen.push_back(d);
  }
  MeisteErgebnisse m;
  gFloorDisz = disziplinMitMeistenErgebnissen(argv[1], m) ? m.disznr : 0;
  std::printf("%zu disciplines, %d jobs; floor of discipline %d\n", gDisziplinen.size(), jobs, gFloorDisz);

  bool ran = runBenchmarks(argc, argv);
  db::close(gDbAgenda);
  db::close(gDbHaupt);
  std::error_code ec;
  fs::remove_all(ordner, ec);
  return ran ? 0 : 1;
}
