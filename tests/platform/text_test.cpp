#include <gtest/gtest.h>

#include <climits>

#include "platform/text.h"

TEST(TextConversion, Cp1252RoundTripsThroughUnicode) {
  // Every byte but the five unassigned ones maps to one Unicode character and back.
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  QString u = qs(all);
  ASSERT_EQ(u.size(), 255);
  EXPECT_EQ(fromQs(u), all);

  EXPECT_EQ(qs("Sch\xFC" "tze"), QString::fromUtf16(u"Schütze"));
  EXPECT_EQ(qs(std::string("\x80\x8A\x9F")), QString::fromUtf16(u"€ŠŸ"));
  EXPECT_EQ(fromQs(QString::fromUtf16(u"Größe €")), "Gr\xF6\xDF" "e \x80");
}

TEST(TextConversion, CharactersOutsideCp1252BecomeQuestionMarks) {
  EXPECT_EQ(fromQs(QString::fromUtf16(u"a\u0100b\u4E2D")), "a?b?");
  EXPECT_EQ(qs(static_cast<const char*>(nullptr)), QString());
}

TEST(TextConversion, NumbersAreReadFromTheirLeadingDigits) {
  EXPECT_EQ(toLong(""), 0);
  EXPECT_EQ(toLong("  42abc"), 42);
  EXPECT_EQ(toLong("-17"), -17);
  EXPECT_EQ(toLong("+8"), 8);
  EXPECT_EQ(toLong("95.7"), 95);
  EXPECT_EQ(toLong("x12"), 0);
  EXPECT_EQ(toLong("99999999999999999999999"), LONG_MAX);
  EXPECT_EQ(toInt("99999999999"), INT_MAX);
  EXPECT_EQ(toInt("-99999999999"), INT_MIN);
  EXPECT_EQ(str(-1234567890123LL), "-1234567890123");
}
