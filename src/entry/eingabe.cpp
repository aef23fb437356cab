#include "entry/eingabe.h"

#include <algorithm>
#include <set>

#include "core/db.h"
#include "platform/text.h"

namespace eingabe {

long ringTenths(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  long value = 0;
  int digits = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (++digits > 9) break;  // more cannot be typed; keeps the value in range
    value = value * 10 + (text[i] - '0');
  }
  value *= 10;
  if (i < text.size() && (text[i] == '.' || text[i] == ',') && i + 1 < text.size() &&
      text[i + 1] >= '0' && text[i + 1] <= '9')
    value += text[i + 1] - '0';
  return value;
}

std::string ringText(long tenths, bool zehntel) {
  bool negative = tenths < 0;
  long v = negative ? -tenths : tenths;
  std::string out = (negative ? "-" : "") + str(v / 10);
  if (zehntel || v % 10 != 0) out += "." + str(v % 10);
  return out;
}

long passNumber(const std::string& text) {
  if (text.empty() || text.size() > static_cast<size_t>(kPassDigits)) return 0;
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

int clampTeamSize(int n) { return std::clamp(n, 1, kRows); }

Punkte matchPoints(long heim, long gast) {
  Punkte p;
  if (heim <= 0 && gast <= 0) return p;
  if (heim == gast) {
    p.heimPlus = p.heimMinus = p.gastPlus = p.gastMinus = 1;
  } else if (heim > gast) {
    p.heimPlus = 2;
    p.gastMinus = 2;
  } else {
    p.heimMinus = 2;
    p.gastPlus = 2;
  }
  return p;
}

Placement placeResults(size_t counted, size_t uncounted, int n) {
  Placement out;
  out.result.fill(-1);
  size_t row = 0;
  for (size_t i = 0; i < counted; ++i, ++row) {
    if (row >= static_cast<size_t>(kRows)) {
      out.overflow = true;
      return out;
    }
    out.result[row] = static_cast<int>(i);
  }
  row = std::max(row, static_cast<size_t>(clampTeamSize(n)));
  for (size_t i = 0; i < uncounted; ++i, ++row) {
    if (row >= static_cast<size_t>(kRows)) {
      out.overflow = true;
      return out;
    }
    out.result[row] = static_cast<int>(counted + i);
  }
  return out;
}

std::array<long, kRows> placeLineup(const std::vector<LineupEntry>& entries) {
  std::array<long, kRows> rows{};
  for (const LineupEntry& e : entries) {
    if (e.schnr < 1 || std::find(rows.begin(), rows.end(), e.schnr) != rows.end()) continue;
    int row = std::clamp(e.posnr, 0, kRows - 1);
    while (row < kRows && rows[row] != 0) ++row;
    if (row == kRows) row = static_cast<int>(std::find(rows.begin(), rows.end(), 0L) - rows.begin());
    if (row == kRows) break;
    rows[row] = e.schnr;
  }
  return rows;
}

void sortRowsByRings(std::array<RowTexts, kRows>& rows, int limit) {
  limit = std::clamp(limit, 0, kRows);
  std::vector<RowTexts> taken;
  for (int r = 0; r < limit; ++r) {
    if (ringTenths(rows[r].rings) < 1) continue;
    taken.push_back(rows[r]);
    rows[r] = RowTexts{};
  }
  std::stable_sort(taken.begin(), taken.end(), [](const RowTexts& a, const RowTexts& b) {
    return ringTenths(a.rings) > ringTenths(b.rings);
  });
  for (size_t i = 0; i < taken.size(); ++i) rows[i] = taken[i];
}

long countedSum(const std::array<RowTexts, kRows>& rows, int n) {
  long sum = 0;
  for (int r = 0; r < clampTeamSize(n); ++r) sum += ringTenths(rows[r].rings);
  return sum;
}

bool allCountedHaveRings(const std::array<RowTexts, kRows>& rows, int n) {
  for (int r = 0; r < clampTeamSize(n); ++r)
    if (ringTenths(rows[r].rings) < 1) return false;
  return true;
}

bool anyCountedHasRings(const std::array<RowTexts, kRows>& rows, int n) {
  for (int r = 0; r < clampTeamSize(n); ++r)
    if (ringTenths(rows[r].rings) > 0) return true;
  return false;
}

namespace {

// Column 0 of a row as a whole number. False for what a "column=?" test with a number would
// not match either, though it reads as one: NULL (read as ""), a fraction, other text.
bool wholeNumber(const db::Table& t, size_t row, long& value) {
  value = t.num(row, 0);
  return t.text(row, 0) == str(value);
}

// The pass numbers of the club's shooters, read once for all rows of a side.
bool clubShooters(sqlite3* db, long vrnr, std::set<long>& passnrs) {
  db::Table t = db::query(db, "SELECT Passnr FROM Schuetzen WHERE Vrnr=?;", {vrnr});
  long passnr = 0;
  for (size_t r = 0; r < t.size(); ++r)
    if (wholeNumber(t, r, passnr)) passnrs.insert(passnr);
  return t.ok;
}

bool saveIndividual(sqlite3* db, const Gegnerzeile& p, int n, const SideEntry& side, const std::set<long>& club,
                    bool heim, int row, SaveResult& result) {
  long passnr = side.passnr[row];
  long ringe = side.ringe[row];
  if (passnr < 1) return true;
  if (!club.count(passnr)) {
    if (ringe > 0) result.skipped.push_back({heim, row, passnr});
    return true;
  }
  // A row without rings leaves a result stored earlier as it is.
  if (ringe <= 0) return true;
  int flag = row < n ? 1 : 0;
  db::Table found = db::query(db,
                              "SELECT Ringerg FROM Schuetzenerg WHERE Schnr=? AND Disznr=? AND Ergnr=? "
                              "AND Mschklnr=? AND Vrnr=? AND Mschnr=?;",
                              {passnr, p.Disznr, p.Kampfnr, p.Mklnr, side.vrnr, side.mschnr});
  if (!found.ok) return false;
  if (found.empty())
    return db::exec(db,
                    "INSERT INTO Schuetzenerg (Schnr, Disznr, Ringerg, Ergnr, Mschflag, Mschklnr, Vrnr, "
                    "Mschnr) VALUES (?, ?, ?, ?, ?, ?, ?, ?);",
                    {passnr, p.Disznr, ringe, p.Kampfnr, flag, p.Mklnr, side.vrnr, side.mschnr});
  return db::exec(db,
                  "UPDATE Schuetzenerg SET Ringerg =?, Mschflag=? WHERE Schnr=? AND Mschklnr=? AND "
                  "Ergnr=? AND Disznr=? AND Vrnr=? AND Mschnr=?;",
                  {ringe, flag, passnr, p.Mklnr, p.Kampfnr, p.Disznr, side.vrnr, side.mschnr});
}

bool saveTeam(sqlite3* db, const Gegnerzeile& p, const SideEntry& side, int plus, int minus) {
  db::Table found = db::query(db,
                              "SELECT * FROM Mscherg WHERE Mklnr=? AND Vrnr=? AND Rmschnr=? AND "
                              "Disznr=? AND Ergnr=?;",
                              {p.Mklnr, side.vrnr, side.mschnr, p.Disznr, p.Kampfnr});
  if (!found.ok) return false;
  if (found.empty())
    return db::exec(db,
                    "INSERT INTO Mscherg (Mklnr, Vrnr, Rmschnr, Ringerg, Pluspunkte, Minuspunkte, "
                    "Korrekturpunkte, Disznr, Ergnr) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?);",
                    {p.Mklnr, side.vrnr, side.mschnr, side.summe, plus, minus, 0, p.Disznr, p.Kampfnr});
  // Correction points of an existing row stay as they are.
  return db::exec(db,
                  "UPDATE Mscherg SET Ringerg=?, Pluspunkte=?, Minuspunkte=? WHERE Mklnr=? AND "
                  "Vrnr=? AND Rmschnr=? AND Disznr=? AND Ergnr=?;",
                  {side.summe, plus, minus, p.Mklnr, side.vrnr, side.mschnr, p.Disznr, p.Kampfnr});
}

// Puts the shooter at position posnr of the team in one round and takes him off any other
// position of the team in that round.
bool setLineupPosition(sqlite3* db, const Gegnerzeile& p, const SideEntry& side, int kampfnr, int posnr,
                       long passnr) {
  db::Table found = db::query(db,
                              "SELECT * FROM Mschaufstlg WHERE Disznr=? AND Kampfnr=? AND Mklnr=? AND "
                              "Posnr=? AND Vrnr=? AND Mschnr=?;",
                              {p.Disznr, kampfnr, p.Mklnr, posnr, side.vrnr, side.mschnr});
  if (!found.ok) return false;
  bool ok = found.empty()
                ? db::exec(db,
                           "INSERT INTO Mschaufstlg (Disznr, Kampfnr, Mklnr, Posnr, Schnr, Vrnr, Mschnr) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?);",
                           {p.Disznr, kampfnr, p.Mklnr, posnr, passnr, side.vrnr, side.mschnr})
                : db::exec(db,
                           "UPDATE Mschaufstlg SET Schnr=? WHERE Disznr=? AND Kampfnr=? AND Mklnr=? AND "
                           "Posnr=? AND Vrnr=? AND Mschnr=?;",
                           {passnr, p.Disznr, kampfnr, p.Mklnr, posnr, side.vrnr, side.mschnr});
  return ok && db::exec(db,
                        "DELETE FROM Mschaufstlg WHERE Disznr=? AND Kampfnr=? AND Mklnr=? AND Vrnr=? "
                        "AND Mschnr=? AND Schnr=? AND Posnr<>?;",
                        {p.Disznr, kampfnr, p.Mklnr, side.vrnr, side.mschnr, passnr, posnr});
}

// The line-up of a side. A position already planned for this round changes in this round
// only; a new position is set from this round to the last one. Earlier rounds and the
// regular-shooter rows (round 0) are never touched.
bool saveLineup(sqlite3* db, const Gegnerzeile& p, const SideEntry& side, int rounds) {
  // Decided before anything is written, so rows that swap places count as planned.
  db::Table t = db::query(db,
                          "SELECT Posnr FROM Mschaufstlg WHERE Disznr=? AND Kampfnr=? AND Mklnr=? AND "
                          "Vrnr=? AND Mschnr=?;",
                          {p.Disznr, p.Kampfnr, p.Mklnr, side.vrnr, side.mschnr});
  if (!t.ok) return false;
  std::array<bool, kRows> planned{};
  long posnr = 0;
  for (size_t i = 0; i < t.size(); ++i)
    if (wholeNumber(t, i, posnr) && posnr >= 0 && posnr < kRows) planned[static_cast<size_t>(posnr)] = true;
  for (int r = 0; r < kRows; ++r) {
    long passnr = side.passnr[r];
    if (passnr < 1) continue;
    int last = planned[r] ? p.Kampfnr : std::max(p.Kampfnr, rounds);
    for (int k = p.Kampfnr; k <= last; ++k)
      if (!setLineupPosition(db, p, side, k, r, passnr)) return false;
  }
  return true;
}

// Shooters of the side's club who shot in this match become active.
bool markActive(sqlite3* db, const SideEntry& side) {
  db::Params params{1, side.vrnr};
  std::string placeholders;
  for (int r = 0; r < kRows; ++r) {
    if (side.passnr[r] < 1 || side.ringe[r] <= 0) continue;
    placeholders += placeholders.empty() ? "?" : ", ?";
    params.emplace_back(side.passnr[r]);
  }
  if (placeholders.empty()) return true;
  return db::exec(db, "UPDATE Schuetzen SET AktivFlag = ? WHERE Vrnr=? AND Passnr IN (" + placeholders + ");",
                  params);
}

}  // namespace

SaveResult saveMatch(sqlite3* db, const Gegnerzeile& p, int n, const SideEntry& heim,
                     const SideEntry& gast) {
  SaveResult result;
  n = clampTeamSize(n);
  db::Transaction t(db);
  if (!t.active()) return result;

  std::set<long> heimClub, gastClub;
  if (!clubShooters(db, heim.vrnr, heimClub) || !clubShooters(db, gast.vrnr, gastClub)) return result;
  for (int r = kRows - 1; r >= 0; --r) {
    if (!saveIndividual(db, p, n, heim, heimClub, true, r, result)) return result;
    if (!saveIndividual(db, p, n, gast, gastClub, false, r, result)) return result;
  }
  std::sort(result.skipped.begin(), result.skipped.end(), [](const SkippedRow& a, const SkippedRow& b) {
    return a.heim != b.heim ? a.heim : a.row < b.row;
  });

  Punkte pk = matchPoints(heim.summe, gast.summe);
  if (!saveTeam(db, p, heim, pk.heimPlus, pk.heimMinus)) return result;
  if (!saveTeam(db, p, gast, pk.gastPlus, pk.gastMinus)) return result;

  db::Table klasse = db::query(db, "SELECT AnzahlTermine FROM Mschklassen WHERE Nr=? AND Disznr=?;",
                               {p.Mklnr, p.Disznr});
  if (!klasse.ok) return result;
  int rounds = klasse.empty() ? 0 : klasse.integer(0, 0);
  if (!saveLineup(db, p, heim, rounds) || !saveLineup(db, p, gast, rounds)) return result;

  if (!markActive(db, heim) || !markActive(db, gast)) return result;

  result.ok = t.commit();
  return result;
}

}  // namespace eingabe
