// The pairing generator on team indices: the worked schedules of four and five teams, and
// the properties every schedule must have.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "season/gegner.h"

namespace {

// "(0,1) (2,3) | (2,0) (1,3)": rounds separated by '|', pairs as (first,second).
std::string text(const GegnerSchema& schema) {
  std::ostringstream out;
  for (size_t r = 0; r < schema.size(); ++r) {
    if (r) out << " | ";
    for (size_t p = 0; p < schema[r].size(); ++p)
      out << (p ? " " : "") << '(' << schema[r][p].first << ',' << schema[r][p].second << ')';
  }
  return out.str();
}

TEST(GegnerSchema, FourTeamsStepByStep) {
  GegnerSchema s;
  MakeCircleRounds(4, s);
  EXPECT_EQ(text(s), "(0,1) (2,3) | (0,2) (1,3) | (0,3) (1,2)");
  NormalizeFirstRound(4, s);
  EXPECT_EQ(text(s), "(0,1) (2,3) | (0,2) (1,3) | (0,3) (1,2)") << "round 1 is already normal";
  AssignHomeGuest(4, s);
  EXPECT_EQ(text(s), "(0,1) (2,3) | (2,0) (1,3) | (0,3) (2,1)");
  ReverseRounds(s);
  EXPECT_EQ(text(s), "(0,3) (2,1) | (2,0) (1,3) | (0,1) (2,3)");

  GegnerSchema built;
  BuildGegnerSchema(4, built);
  EXPECT_EQ(text(built), text(s));
}

TEST(GegnerSchema, SixSlotsStepByStep) {
  GegnerSchema s;
  MakeCircleRounds(6, s);
  EXPECT_EQ(text(s),
            "(0,1) (2,5) (3,4) | (0,2) (1,3) (4,5) | (0,3) (2,4) (1,5) | (0,4) (3,5) (1,2) | "
            "(0,5) (1,4) (2,3)");

  // One pass swaps the labels 3 and 5.
  std::vector<int> perm(6);
  ASSERT_TRUE(FindLabelSwap(s, perm));
  EXPECT_EQ(perm, (std::vector<int>{0, 1, 2, 5, 4, 3}));
  NormalizeFirstRound(6, s);
  EXPECT_EQ(text(s),
            "(0,1) (2,3) (4,5) | (0,2) (1,5) (3,4) | (0,5) (2,4) (1,3) | (0,4) (3,5) (1,2) | "
            "(0,3) (1,4) (2,5)");
  EXPECT_FALSE(FindLabelSwap(s, perm));

  AssignHomeGuest(6, s);
  EXPECT_EQ(text(s),
            "(0,1) (2,3) (4,5) | (2,0) (1,5) (3,4) | (0,5) (4,2) (3,1) | (4,0) (5,3) (1,2) | "
            "(0,3) (4,1) (2,5)");

  GegnerSchema built;
  BuildGegnerSchema(5, built);
  EXPECT_EQ(text(built),
            "(0,3) (4,1) (2,5) | (4,0) (5,3) (1,2) | (0,5) (4,2) (3,1) | (2,0) (1,5) (3,4) | "
            "(0,1) (2,3) (4,5)")
      << "an odd count is rounded up; the last index is the bye";
}

TEST(GegnerSchema, SwapLabelExchangesTwoLabels) {
  std::vector<int> perm{0, 1, 2, 3, 4, 5};
  SwapLabel(perm, 5, 3);
  EXPECT_EQ(perm, (std::vector<int>{0, 1, 2, 5, 4, 3}));
  SwapLabel(perm, 4, 3);  // 3 now stands at position 5
  EXPECT_EQ(perm, (std::vector<int>{0, 1, 2, 5, 3, 4}));
}

TEST(GegnerSchema, FewerThanTwoTeamsGiveOneRound) {
  for (int n : {-4, -1, 0, 1, 2}) {
    GegnerSchema s{{{7, 8}}, {{9, 10}}};  // the list is cleared first
    BuildGegnerSchema(n, s);
    EXPECT_EQ(text(s), "(0,1)") << "n = " << n;
  }
}

// Every even N from 2 to 12: a complete round robin in which no team has two home or two
// away bouts in a row without the other team of its pair being the reason.
TEST(GegnerSchema, PropertiesForEveryEvenCount) {
  for (int n = 2; n <= 12; n += 2) {
    SCOPED_TRACE("N = " + std::to_string(n));
    GegnerSchema s;
    BuildGegnerSchema(n, s);
    ASSERT_EQ(s.size(), static_cast<size_t>(n - 1));

    std::set<std::pair<int, int>> met;
    for (size_t r = 0; r < s.size(); ++r) {
      ASSERT_EQ(s[r].size(), static_cast<size_t>(n / 2)) << "bout " << r + 1;
      std::set<int> inRound;
      for (const GegnerPaar& p : s[r]) {
        ASSERT_TRUE(p.first >= 0 && p.first < n && p.second >= 0 && p.second < n);
        EXPECT_NE(p.first, p.second);
        inRound.insert(p.first);
        inRound.insert(p.second);
        EXPECT_TRUE(met.insert(MakeOrderedPair(p.first, p.second)).second)
            << p.first << " and " << p.second << " meet twice";
      }
      EXPECT_EQ(inRound.size(), static_cast<size_t>(n)) << "bout " << r + 1;
    }
    EXPECT_EQ(met.size(), static_cast<size_t>(n * (n - 1) / 2));

    // The round (0,1), (2,3), ... closes the first half, lower index at home.
    GegnerRunde last;
    for (int i = 0; i < n; i += 2) last.push_back({i, i + 1});
    EXPECT_EQ(s.back(), last);

    // Built from the last bout backwards, the lower index of each pair changes its role.
    auto isGuest = [](const GegnerRunde& round, int team) {
      for (const GegnerPaar& p : round)
        if (p.second == team) return true;
      return false;
    };
    for (size_t k = 0; k + 1 < s.size(); ++k) {
      for (const GegnerPaar& p : s[k]) {
        int lower = std::min(p.first, p.second);
        EXPECT_NE(isGuest(s[k], lower), isGuest(s[k + 1], lower))
            << "team " << lower << " in bouts " << k + 1 << " and " << k + 2;
      }
    }

    // The first team alternates, at home in the first bout.
    for (size_t k = 0; k < s.size(); ++k)
      EXPECT_EQ(isGuest(s[k], 0), k % 2 == 1) << "team 0 in bout " << k + 1;
  }
}

}  // namespace
