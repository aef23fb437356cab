#include "season/gegner.h"

#include <algorithm>
#include <map>

#include "core/db.h"
#include "core/globals.h"

int gegnerTeamSlots(int n) {
  if (n < 2) return 2;
  return n % 2 ? n + 1 : n;
}

GegnerPaar MakeOrderedPair(int a, int b) { return {std::min(a, b), std::max(a, b)}; }

void MakeCircleRounds(int n, GegnerSchema& schema) {
  const int places = gegnerTeamSlots(n);
  schema.clear();

  GegnerRunde first{{0, 1}};
  for (int i = 1; i < places / 2; ++i) first.push_back(MakeOrderedPair(i + 1, places - i));
  schema.push_back(first);

  // Every further round turns indices 1 .. N-1 one step on; index 0 stays where it is.
  auto turn = [places](int x) {
    int y = (x + 1) % places;
    return y == 0 ? 1 : y;
  };
  for (int i = 1; i < places - 1; ++i) {
    const GegnerRunde& previous = schema.back();
    GegnerRunde next{{0, i + 1}};
    for (size_t k = 1; k < previous.size(); ++k)
      next.push_back(MakeOrderedPair(turn(previous[k].first), turn(previous[k].second)));
    schema.push_back(std::move(next));
  }
}

void SwapLabel(std::vector<int>& perm, int p, int v) {
  const int old = perm[p];
  for (size_t q = 0; q < perm.size(); ++q) {
    if (perm[q] == v) {
      perm[q] = old;
      break;
    }
  }
  perm[p] = v;
}

bool FindLabelSwap(const GegnerSchema& schema, std::vector<int>& perm) {
  for (size_t k = 0; k < perm.size(); ++k) perm[k] = static_cast<int>(k);
  if (schema.empty()) return false;
  int k = 0;
  for (const GegnerPaar& pair : schema.front()) {
    if (pair.first != k) {
      SwapLabel(perm, pair.first, k);
      return true;
    }
    if (pair.second != k + 1) {
      SwapLabel(perm, pair.second, k + 1);
      return true;
    }
    k += 2;
  }
  return false;
}

void NormalizeFirstRound(int n, GegnerSchema& schema) {
  std::vector<int> perm(gegnerTeamSlots(n));
  while (FindLabelSwap(schema, perm)) {
    for (GegnerRunde& round : schema)
      for (GegnerPaar& pair : round) pair = MakeOrderedPair(perm[pair.first], perm[pair.second]);
  }
}

void AssignHomeGuest(int n, GegnerSchema& schema) {
  const int places = gegnerTeamSlots(n);
  std::vector<bool> guest(places, false);
  for (size_t r = 1; r < schema.size(); ++r) {
    for (const GegnerPaar& pair : schema[r - 1]) {
      guest[pair.first] = false;
      guest[pair.second] = true;
    }
    GegnerRunde& round = schema[r];
    // The higher index is visited first, so the lower index of each pair decides.
    for (int t = places - 1; t >= 0; --t) {
      guest[t] = !guest[t];
      auto it = std::find_if(round.begin(), round.end(), [t](const GegnerPaar& p) {
        return p.first == t || p.second == t;
      });
      if (it == round.end()) continue;
      if (it->first == t && guest[t])
        *it = {it->second, t};
      else if (it->second == t && !guest[t])
        *it = {t, it->first};
    }
  }
}

void ReverseRounds(GegnerSchema& schema) {
  if (schema.size() >= 2) std::reverse(schema.begin(), schema.end());
}

void BuildGegnerSchema(int n, GegnerSchema& schema) {
  MakeCircleRounds(n, schema);
  NormalizeFirstRound(n, schema);
  AssignHomeGuest(n, schema);
  ReverseRounds(schema);
}

namespace {

struct Mannschaft {
  long vrnr = 0;
  long mschnr = 0;
};

// The teams of a class by position; a position without a team is the bye (club 0, team 0).
std::map<long, Mannschaft> teamsByPosition(int disznr, long mklnr) {
  std::map<long, Mannschaft> teams;
  db::Table t = db::query(gDbHaupt,
                          "SELECT Pos_in_mklnr, Vrnr, Rmschnr FROM Msch_in_klassen "
                          "WHERE Mklnr=? AND Disznr=? ORDER BY rowid;",
                          {mklnr, disznr});
  for (size_t r = 0; r < t.size(); ++r)
    teams.try_emplace(t.num(r, 0), Mannschaft{t.num(r, 1), t.num(r, 2)});
  return teams;
}

void insertBout(int disznr, long mklnr, int kampfnr, const Mannschaft& heim,
                const Mannschaft& gast) {
  db::exec(gDbHaupt,
           "INSERT INTO Gegner (Disznr, Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, "
           "Gastmschnr) VALUES(?, ?, ?, ?, ?, ?, ?);",
           {disznr, mklnr, kampfnr, heim.vrnr, heim.mschnr, gast.vrnr, gast.mschnr});
}

}  // namespace

void WriteGegnerTable(int disznr) {
  db::exec(gDbHaupt, "DELETE FROM Gegner WHERE Disznr=?;", {disznr});
  db::Table klassen =
      db::query(gDbHaupt, "SELECT Nr, AnzahlTermine FROM Mschklassen WHERE Disznr=?;", {disznr});
  for (size_t k = 0; k < klassen.size(); ++k) {
    const long mklnr = klassen.num(k, 0);
    GegnerSchema schema;
    BuildGegnerSchema(static_cast<int>(klassen.num(k, 1) / 2 + 1), schema);

    const std::map<long, Mannschaft> teams = teamsByPosition(disznr, mklnr);
    auto at = [&teams](int index) {
      auto it = teams.find(index + 1);
      return it == teams.end() ? Mannschaft{} : it->second;
    };
    int kampfnr = 1;
    for (const GegnerRunde& round : schema) {
      for (const GegnerPaar& p : round) insertBout(disznr, mklnr, kampfnr, at(p.first), at(p.second));
      ++kampfnr;
    }
    // The return bouts: the same rounds in the same order, home and guest exchanged.
    for (const GegnerRunde& round : schema) {
      for (const GegnerPaar& p : round) insertBout(disznr, mklnr, kampfnr, at(p.second), at(p.first));
      ++kampfnr;
    }
  }
}
