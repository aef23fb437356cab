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

// Typed texts are composed first; what cp1252 still cannot hold is refused and named.
TEST(TextConversion, StoredTextsAreComposedOrRefused) {
  const struct {
    const char16_t* typed;
    bool stored;
    const char* bytes;
    const char16_t* refused;
  } cases[] = {
      {u"Mu\u0308ller", true, "M\xFCller", u""},
      {u"Gr\u00F6\u00DFe \u20AC", true, "Gr\xF6\xDF" "e \x80", u""},
      {u"Tell \U0001F600", false, "", u"\U0001F600"},
      {u"\u6771\u4EAC", false, "", u"\u6771"},
  };
  for (const auto& c : cases) {
    std::string out = "vorher";
    QString refused;
    EXPECT_EQ(toCp1252(QString::fromUtf16(c.typed), out, &refused), c.stored);
    EXPECT_EQ(out, c.stored ? c.bytes : "vorher");
    EXPECT_EQ(refused, QString::fromUtf16(c.refused));
  }
}
