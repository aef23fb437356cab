// Times the entry mask's work on the largest class of a main database file: loading a
// pairing (the statements the mask runs for it, shooter names row by row as it shows them)
// and saving a match through the save the mask calls, against the floor: one read of every
// row those two read. The save runs on a copy beside the file, restored outside the timing.
//
// usage: bench_eingabe <main database file> [benchmark options]
#include <cstdio>
#include <string>

#include "common.h"
#include "entry/eingabe.h"

namespace {

WorkingCopy gCopy;
eingabe::Gegnerzeile gPaarung;

void BM_EingabeLaden(benchmark::State& state) {
  const eingabe::Gegnerzeile& p = gPaarung;
  size_t rows = 0;
  for (auto _ : state) {
    rows = 0;
    rows += db::query(gDbHaupt, "SELECT Nr, AnzahlTermine, SchuetzenproMannschaftUnsort, SchuetzenproMannschaftSort, "
                                "Sortflag , MaxSchuetzenproMannschaft FROM Mschklassen  WHERE Nr = ? AND Disznr=?;",
                      {p.Mklnr, p.Disznr}).size();
    rows += db::query(gDbHaupt, "SELECT Termin FROM Termine WHERE Mklnr= ? AND Nr_in_klasse=? AND Disznr=?;",
                      {p.Mklnr, p.Kampfnr, p.Disznr}).size();
    rows += db::query(gDbHaupt, "SELECT Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr FROM Gegner WHERE Mklnr=? AND "
                                "Kampfnr=? AND Disznr=?;", {p.Mklnr, p.Kampfnr, p.Disznr}).size();
    for (bool heim : {true, false}) {
      const long vrnr = heim ? p.Heimvrnr : p.Gastvrnr;
      const int mschnr = heim ? p.Heimmschnr : p.Gastmschnr;
      rows += db::query(gDbHaupt, "SELECT Name FROM Vereine_gau  WHERE Nummer = ?;", {vrnr}).size();
      for (int flag : {1, 0}) {
        db::Table t = db::query(gDbHaupt,
                                "SELECT DISTINCT Schnr, Mschflag, Ringerg FROM Schuetzenerg WHERE Disznr=? AND "
                                "Ergnr=? AND Mschklnr=? AND Vrnr=? AND Mschnr=? AND Mschflag=? ORDER BY Ringerg DESC;",
                                {p.Disznr, p.Kampfnr, p.Mklnr, vrnr, mschnr, flag});
        for (size_t r = 0; r < t.size(); ++r)
          rows += db::query(gDbHaupt, "SELECT Name FROM Schuetzen WHERE Passnr=?;", {t.num(r, 0)}).size();
      }
      rows += db::query(gDbHaupt, "SELECT Ringerg FROM Mscherg WHERE Mklnr=? AND Vrnr=? AND Rmschnr=? AND Disznr=? AND "
                                  "Ergnr=? ;", {p.Mklnr, vrnr, mschnr, p.Disznr, p.Kampfnr}).size();
    }
  }
  state.counters["rows"] = static_cast<double>(rows);
}

// The stored results of the match, typed in again with one ring more: every row updates.
eingabe::SideEntry sideOf(bool heim) {
  const eingabe::Gegnerzeile& p = gPaarung;
  eingabe::SideEntry s;
  s.vrnr = heim ? p.Heimvrnr : p.Gastvrnr;
  s.mschnr = heim ? p.Heimmschnr : p.Gastmschnr;
  db::Table t = db::query(gDbHaupt,
                          "SELECT Schnr, Ringerg FROM Schuetzenerg WHERE Disznr=? AND Ergnr=? AND Mschklnr=? AND "
                          "Vrnr=? AND Mschnr=? ORDER BY Ringerg DESC LIMIT 15;",
                          {p.Disznr, p.Kampfnr, p.Mklnr, s.vrnr, s.mschnr});
  for (size_t r = 0; r < t.size(); ++r) {
    s.passnr[r] = t.num(r, 0);
    s.ringe[r] = t.num(r, 1) + 10;
    s.summe += s.ringe[r];
  }
  return s;
}

void BM_EingabeSpeichern(benchmark::State& state) {
  const eingabe::SideEntry heim = sideOf(true), gast = sideOf(false);
  for (auto _ : state) {
    state.PauseTiming();
    gCopy.restore();
    state.ResumeTiming();
    if (!eingabe::saveMatch(gDbHaupt, gPaarung, 5, heim, gast).ok) state.SkipWithError("the save failed");
  }
}

void BM_Floor_EingabeRows(benchmark::State& state) {
  size_t rows = 0;
  for (auto _ : state)
    rows = readEvery({"SELECT Schnr, Disznr, Ergnr, Mschklnr, Vrnr, Mschnr, Mschflag, Ringerg FROM Schuetzenerg;",
                      "SELECT Passnr, VrNr, Name FROM Schuetzen;",
                      "SELECT Mklnr, Vrnr, Rmschnr, Disznr, Ergnr, Ringerg FROM Mscherg;",
                      "SELECT Disznr, Kampfnr, Mklnr, Posnr, Schnr, Vrnr, Mschnr FROM Mschaufstlg;"});
  state.counters["rows"] = static_cast<double>(rows);
}

}  // namespace

BENCHMARK(BM_Floor_EingabeRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EingabeLaden)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EingabeSpeichern)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (!openMainFile(argc, argv)) return 1;
  // The largest class (most team entries), its first pairing of the first round.
  db::Table big = db::query(gDbHaupt,
                            "SELECT Disznr, Mklnr, COUNT(*) FROM Msch_in_klassen GROUP BY Disznr, Mklnr "
                            "ORDER BY 3 DESC, 1, 2 LIMIT 1;");
  if (big.empty()) {
    std::fprintf(stderr, "%s holds no classes\n", argv[1]);
    return 1;
  }
  gPaarung.Disznr = big.integer(0, 0);
  gPaarung.Mklnr = big.integer(0, 1);
  gPaarung.Kampfnr = 1;
  db::Table pair = db::query(gDbHaupt,
                             "SELECT Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr FROM Gegner WHERE Disznr=? AND "
                             "Mklnr=? AND Kampfnr=1 AND Heimvrnr>0 AND Gastvrnr>0 LIMIT 1;",
                             {gPaarung.Disznr, gPaarung.Mklnr});
  if (pair.empty()) return 1;
  gPaarung.Heimvrnr = pair.num(0, 0);
  gPaarung.Heimmschnr = pair.integer(0, 1);
  gPaarung.Gastvrnr = pair.num(0, 2);
  gPaarung.Gastmschnr = pair.integer(0, 3);
  std::printf("discipline %d, class %d, %s teams\n", gPaarung.Disznr, gPaarung.Mklnr, big.text(0, 2).c_str());

  if (!gCopy.open(argv[1], ".eingabe")) return 1;
  return runBenchmarks(argc, argv) ? 0 : 1;
}
