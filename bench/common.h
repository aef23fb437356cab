#pragma once
// What the benchmarks on a main database file share: opening the file named first on the
// command line, a working copy for benchmarks that change it, running the benchmarks with
// the other arguments, and the floors.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"

// Opens argv[1] as gDbHaupt; false (with the reason printed) when that is not possible.
inline bool openMainFile(int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: %s <main database file> [benchmark options]\n", argv[0]);
    return false;
  }
  // Opening a missing file would create an empty one.
  if (!std::filesystem::is_regular_file(argv[1])) {
    std::fprintf(stderr, "%s: no such file\n", argv[1]);
    return false;
  }
  gDbHaupt = db::open(std::filesystem::absolute(argv[1]).string());
  if (!gDbHaupt) std::fprintf(stderr, "cannot open %s\n", argv[1]);
  return gDbHaupt != nullptr;
}

// A copy of the opened file beside it, named file + suffix, that becomes gDbHaupt for
// benchmarks that change the database; restore() brings back the file as it was. The copy
// is removed at the end.
class WorkingCopy {
 public:
  bool open(const char* file, const char* suffix) {
    path_ = std::filesystem::absolute(file).string() + suffix;
    pristine_ = gDbHaupt;
    gDbHaupt = db::open(path_);
    if (!gDbHaupt) return false;
    restore();
    return true;
  }
  void restore() {
    sqlite3_backup* b = sqlite3_backup_init(gDbHaupt, "main", pristine_, "main");
    sqlite3_backup_step(b, -1);
    sqlite3_backup_finish(b);
  }
  ~WorkingCopy() {
    if (!pristine_) return;
    db::close(gDbHaupt);
    db::close(pristine_);
    std::filesystem::remove(path_);
  }

 private:
  sqlite3* pristine_ = nullptr;
  std::filesystem::path path_;
};

// The discipline with the most individual results and its highest round number; false
// (with the reason printed) when the file holds no results.
struct MeisteErgebnisse {
  int disznr = 0;
  int letzteRunde = 0;  // highest Ergnr, 0 without rounds
  std::string anzahl;   // number of results, as text for the report line
};
inline bool disziplinMitMeistenErgebnissen(const char* file, MeisteErgebnisse& m) {
  db::Table most = db::query(gDbHaupt,
                             "SELECT Disznr, COUNT(*) FROM Schuetzenerg GROUP BY Disznr "
                             "ORDER BY 2 DESC, 1 LIMIT 1;",
                             {}, db::Report::Silent);
  if (most.empty()) {
    std::fprintf(stderr, "%s holds no results\n", file);
    return false;
  }
  m.disznr = most.integer(0, 0);
  m.anzahl = most.text(0, 1);
  m.letzteRunde =
      db::query(gDbHaupt, "SELECT MAX(Ergnr) FROM Schuetzenerg WHERE Disznr = ?;", {m.disznr}).integer(0, 0);
  return true;
}

// The file name is ours; the rest belongs to the benchmark library.
inline bool runBenchmarks(int argc, char** argv) {
  std::vector<char*> args{argv[0]};
  for (int i = 2; i < argc; ++i) args.push_back(argv[i]);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return false;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return true;
}

// A floor: the rows of every statement, read once in one transaction.
inline size_t readEvery(std::initializer_list<const char*> statements) {
  size_t rows = 0;
  db::Transaction t(gDbHaupt);
  for (const char* sql : statements) rows += db::query(gDbHaupt, sql).size();
  t.commit();
  return rows;
}

// The floor: one read, through the database layer, of every row the ranking computations
// of a discipline need together.
inline size_t readAllRows(int disznr) {
  const db::Params disz{disznr};
  size_t rows = 0;
  db::Transaction t(gDbHaupt);
  rows += db::query(gDbHaupt,
                    "SELECT Schnr, Vrnr, Mschklnr, Ergnr, Ringerg, Mschnr FROM Schuetzenerg "
                    "WHERE Disznr = ?;",
                    disz).size();
  rows += db::query(gDbHaupt,
                    "SELECT Mklnr, Vrnr, Rmschnr, Ergnr, Pluspunkte, Minuspunkte, "
                    "Korrekturpunkte, Ringerg FROM Mscherg WHERE Disznr = ?;",
                    disz).size();
  rows += db::query(gDbHaupt,
                    "SELECT Mklnr, Vrnr, Rmschnr, Pos_in_mklnr FROM Msch_in_klassen WHERE "
                    "Disznr = ?;",
                    disz).size();
  rows += db::query(gDbHaupt, "SELECT Nr, Klname FROM Mschklassen WHERE Disznr = ?;", disz).size();
  rows += db::query(gDbHaupt, "SELECT Passnr, VrNr, Name FROM Schuetzen WHERE AktivFlag = ?;", {"1"}).size();
  rows += db::query(gDbHaupt, "SELECT Nummer, Name FROM Vereine_gau;").size();
  t.commit();
  return rows;
}

// The floor above as a benchmark body.
inline void timeReadAllRows(benchmark::State& state, int disznr) {
  size_t rows = 0;
  for (auto _ : state) rows = readAllRows(disznr);
  state.counters["rows"] = static_cast<double>(rows);
}
