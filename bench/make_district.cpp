// Writes a large synthetic district into a main database file, for the ranking benchmarks:
// 6 disciplines, 10 classes of 12 teams each per discipline, 100 clubs, 20,000 shooters
// (80 % active), 22 rounds of a double round robin, 5 shooters per team and bout. Some
// shooters have changed club since they shot, and a few rows are stored twice.
//
// usage: bench_make_district [file [seed]]   (default file zielkontor.db in the current folder)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "core/schema.h"

namespace {

constexpr int kDisciplines = 6;
constexpr int kClasses = 10;
constexpr int kTeams = 12;
constexpr int kClubs = 100;
constexpr int kShooters = 20000;
constexpr int kHalf = kTeams - 1;  // rounds of the first half; the second half mirrors them
constexpr int kPerTeam = 5;
constexpr int kRoster = 7;  // regular shooters of a team; five of them shoot each bout
constexpr double kTwice = 0.002;

std::mt19937 rng;
int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
bool chance(double p) { return std::bernoulli_distribution(p)(rng); }

// A statement prepared once for its many rows.
class Inserter {
 public:
  Inserter(sqlite3* db, const char* sql) {
    if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) fail(db);
  }
  ~Inserter() { sqlite3_finalize(stmt_); }
  void row(const db::Params& values, int times = 1) {
    int i = 1;
    for (const db::Value& v : values) {
      const auto& x = v.get();
      if (std::holds_alternative<int64_t>(x))
        sqlite3_bind_int64(stmt_, i, std::get<int64_t>(x));
      else if (std::holds_alternative<std::string>(x))
        sqlite3_bind_text(stmt_, i, std::get<std::string>(x).c_str(), -1, SQLITE_TRANSIENT);
      else
        sqlite3_bind_null(stmt_, i);
      ++i;
    }
    for (int t = 0; t < times; ++t) {
      if (sqlite3_step(stmt_) != SQLITE_DONE) fail(sqlite3_db_handle(stmt_));
      sqlite3_reset(stmt_);
    }
  }

 private:
  [[noreturn]] static void fail(sqlite3* db) {
    std::fprintf(stderr, "insert failed: %s\n", sqlite3_errmsg(db));
    std::exit(1);
  }
  sqlite3_stmt* stmt_ = nullptr;
};

int copies() { return chance(kTwice) ? 2 : 1; }

// One ring result in tenths: whole rings around 370 of 400.
int rings() {
  const double r = std::normal_distribution<double>(370.0, 12.0)(rng);
  return static_cast<int>(std::clamp(r, 300.0, 400.0)) * 10;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : "zielkontor.db";
  rng.seed(argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 423u);
  std::error_code ec;
  std::filesystem::remove(path, ec);
  gDbHaupt = db::open(path);
  if (!gDbHaupt) {
    std::fprintf(stderr, "cannot create %s\n", path.c_str());
    return 1;
  }
  fillCreateTexts(gIntdat);
  RecreateMainTables();

  db::Transaction transaction(gDbHaupt);
  Inserter club(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);");
  Inserter person(gDbHaupt,
                  "INSERT INTO Schuetzen (Passnr, VrNr, Name, Gebdat, Geschl, AktivFlag, JklNr, "
                  "JklFlag) VALUES (?, ?, ?, '01.01.1980', 'M', ?, 5, 1);");
  Inserter discipline(gDbHaupt,
                      "INSERT INTO Disznamen (Nr, Bezeichnung, Saisonname, WklNr, Kampfindex, "
                      "Mklindex, Gegnerpaarindex, Vereinsindex, MergMklindex, EergVrindex, "
                      "MergVrindex, SortEErgMinAnzErg, SortEErgMinRinge, Zehntelflag) VALUES (?, "
                      "?, '2026/2027', 0, 21, 0, 0, 0, 0, 0, 0, 1, 0, 0);");
  Inserter klasse(gDbHaupt,
                  "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr, "
                  "SchuetzenproMannschaftUnsort, SchuetzenproMannschaftSort, Sortflag, "
                  "MaxSchuetzenproMannschaft, Minerganzahl) VALUES (?, ?, ?, ?, 5, 5, 1, 7, 1);");
  Inserter member(gDbHaupt,
                  "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) "
                  "VALUES (?, ?, ?, ?, ?);");
  Inserter bout(gDbHaupt,
                "INSERT INTO Gegner (Disznr, Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, "
                "Gastmschnr) VALUES (?, ?, ?, ?, ?, ?, ?);");
  Inserter teamResult(gDbHaupt,
                      "INSERT INTO Mscherg (Mklnr, Vrnr, Rmschnr, Ringerg, Pluspunkte, "
                      "Minuspunkte, Korrekturpunkte, Disznr, Ergnr) VALUES (?, ?, ?, ?, ?, ?, 0, "
                      "?, ?);");
  Inserter clubText(gDbHaupt,
                   "INSERT INTO Vereine_zstext (Nummer, ZsText, TelSStd) VALUES (?, ?, ?);");
  Inserter captain(gDbHaupt,
                   "INSERT INTO Msch_fuehrer (Disznr, Vrnr, Rmschnr, Name, Strasse, Plz, Ort, "
                   "Tel_a, Tel_b, Fax, Mail) VALUES (?, ?, ?, ?, 'Hauptstr. 1', '80000', "
                   "'Schießstadt', '089 1', '0170 1', '089 2', 'leiter@example.org');");
  Inserter result(gDbHaupt,
                  "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, "
                  "Vrnr, Mschnr) VALUES (?, ?, ?, ?, 1, ?, ?, ?);");

  for (int c = 1; c <= kClubs; ++c) {
    club.row({c, "Schützenverein " + std::to_string(c)});
    clubText.row({c, "Schützenheim " + std::to_string(c), "089 " + std::to_string(1000 + c)});
  }

  // Shooter s belongs to club 1 + s % kClubs when he shoots.
  std::vector<char> shoots(kShooters, 0);
  auto passOf = [](int s) { return 100000L + s; };

  struct Team {
    int club, number;
    std::vector<int> roster;
  };
  for (int d = 0; d < kDisciplines; ++d) {
    discipline.row({d, "Disziplin " + std::to_string(d + 1)});
    std::vector<int> teamsOfClub(kClubs + 1, 0);
    std::vector<int> nextMember(kClubs + 1, d * 2 * kRoster);
    for (int k = 1; k <= kClasses; ++k) {
      klasse.row({k, std::to_string(k) + ". Klasse", 2 * kHalf, d});
      std::vector<Team> teams;
      for (int t = 0; t < kTeams; ++t) {
        const int c = 1 + ((k - 1) * kTeams + t) * 37 % kClubs;  // 20 clubs field two teams
        Team team{c, ++teamsOfClub[static_cast<size_t>(c)], {}};
        for (int r = 0; r < kRoster; ++r) {
          const int s = (c - 1) + kClubs * (nextMember[static_cast<size_t>(c)]++ % (kShooters / kClubs));
          team.roster.push_back(s);
          shoots[static_cast<size_t>(s)] = 1;
        }
        member.row({k, t + 1, d, team.club, team.number});
        captain.row({d, team.club, team.number, "Leiter " + std::to_string(c)});
        teams.push_back(team);
      }

      // Circle method: position 0 stays, the others turn by one each round.
      std::vector<int> ring(kTeams);
      for (int i = 0; i < kTeams; ++i) ring[static_cast<size_t>(i)] = i;
      for (int round = 0; round < kHalf; ++round) {
        for (int b = 0; b < kTeams / 2; ++b) {
          int home = ring[static_cast<size_t>(b)];
          int guest = ring[static_cast<size_t>(kTeams - 1 - b)];
          if ((round + b) % 2) std::swap(home, guest);
          for (int half = 0; half < 2; ++half) {
            const int ergnr = round + 1 + half * kHalf;
            const Team& h = teams[static_cast<size_t>(half ? guest : home)];
            const Team& g = teams[static_cast<size_t>(half ? home : guest)];
            bout.row({d, k, ergnr, h.club, h.number, g.club, g.number});
            int sums[2] = {0, 0};
            for (int side = 0; side < 2; ++side) {
              const Team& team = side ? g : h;
              std::vector<int> line = team.roster;
              std::shuffle(line.begin(), line.end(), rng);
              for (int p = 0; p < kPerTeam; ++p) {
                const int r = rings();
                sums[side] += r;
                result.row({passOf(line[static_cast<size_t>(p)]), d, r, ergnr, k, team.club,
                            team.number},
                           copies());
              }
            }
            for (int side = 0; side < 2; ++side) {
              const Team& team = side ? g : h;
              const int own = sums[side], other = sums[1 - side];
              const int plus = own > other ? 2 : own == other ? 1 : 0;
              teamResult.row({k, team.club, team.number, own, plus, 2 - plus, d, ergnr}, copies());
            }
          }
        }
        std::rotate(ring.begin() + 1, ring.end() - 1, ring.end());
      }
    }
  }

  // 80 % active: those who shot are, but for a few; the inactive rest are among the others.
  const long others = std::count(shoots.begin(), shoots.end(), 0);
  const double inactiveOther = (kShooters / 5 - 0.02 * (kShooters - others)) / others;
  for (int s = 0; s < kShooters; ++s) {
    const bool active = !chance(shoots[static_cast<size_t>(s)] ? 0.02 : inactiveOther);
    // 3 % have moved on since their results were written.
    const int c = chance(0.03) ? pick(1, kClubs) : 1 + s % kClubs;
    person.row({passOf(s), c, "Schütze " + std::to_string(s), active ? "1" : "0"}, chance(0.001) ? 2 : 1);
  }
  if (!transaction.commit()) return 1;
  db::close(gDbHaupt);
  return 0;
}
