#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "platform/fieldfilter.h"

namespace {
QString typed(QLineEdit& e, const char* keys) {
  QTest::keyClicks(&e, QString::fromLatin1(keys));
  return e.text();
}
}  // namespace

TEST(NumberField, LetsOnlyDigitsThrough) {
  QLineEdit e;
  setNumberFilter(&e);
  EXPECT_EQ(typed(e, "12a-3 .,4"), QStringLiteral("1234"));
  QTest::keyClick(&e, Qt::Key_Backspace);
  EXPECT_EQ(e.text(), QStringLiteral("123"));
  QTest::keyClick(&e, Qt::Key_Left);
  QTest::keyClick(&e, Qt::Key_Delete);
  EXPECT_EQ(e.text(), QStringLiteral("12")) << "editing keys still work";

  QLineEdit correction;
  setNumberFilter(&correction, true);
  EXPECT_EQ(typed(correction, "-5x"), QStringLiteral("-5"));

  QLineEdit round;
  setNumberFilter(&round, false, 2);
  EXPECT_EQ(typed(round, "123"), QStringLiteral("12"));
}

TEST(NumberField, PastedTextIsFilteredTooButSetTextIsNot) {
  QLineEdit e;
  setNumberFilter(&e);
  QApplication::clipboard()->setText(QStringLiteral("4a2"));
  e.paste();
  EXPECT_EQ(e.text(), QString()) << "a paste with letters is refused whole";
  QApplication::clipboard()->setText(QStringLiteral("42"));
  e.paste();
  EXPECT_EQ(e.text(), QStringLiteral("42"));
  e.setText(QStringLiteral("frei"));
  EXPECT_EQ(e.text(), QStringLiteral("frei"));
}

TEST(RingField, TenthsAllowOneDecimalPointAndACommaBecomesIt) {
  bool tenths = true;
  QLineEdit e;
  setRingFilter(&e, [&] { return tenths; });
  EXPECT_EQ(typed(e, "95,7"), QStringLiteral("95.7"));
  EXPECT_EQ(typed(e, ".,5"), QStringLiteral("95.75")) << "a second point is refused";

  tenths = false;  // the discipline changed while the window stayed open
  e.clear();
  EXPECT_EQ(typed(e, "95,7.x"), QStringLiteral("957"));
}

TEST(RingField, EveryCharacterKeyIsReportedRefusedOrNot) {
  QLineEdit e;
  FieldFilter* f = setRingFilter(&e, [] { return false; });
  int keys = 0;
  f->onKey = [&] { ++keys; };
  typed(e, "9x");
  QTest::keyClick(&e, Qt::Key_Backspace);
  QTest::keyClick(&e, Qt::Key_Left);
  QTest::keyClick(&e, Qt::Key_Return);
  QTest::keyClick(&e, Qt::Key_Tab);
  QTest::keyClick(&e, Qt::Key_Delete);
  EXPECT_EQ(keys, 3) << "9, x and Backspace; not the cursor keys, Enter, Tab or Delete";
  EXPECT_EQ(e.text(), QString());
}

TEST(TypingLimit, CutsTypingButShowsAStoredLongerTextWhole) {
  QLineEdit e;
  setTypingLimit(&e, 5);
  EXPECT_EQ(typed(e, "abcdefg"), QStringLiteral("abcde"));
  e.setText(QStringLiteral("stored-longer"));
  EXPECT_EQ(e.text(), QStringLiteral("stored-longer"));
  EXPECT_EQ(typed(e, "x"), QStringLiteral("stored-longer")) << "no longer than it was";
  QTest::keyClick(&e, Qt::Key_Backspace);
  EXPECT_EQ(e.text(), QStringLiteral("stored-longe")) << "it can be shortened";
}
