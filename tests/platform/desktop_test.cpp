#include <gtest/gtest.h>

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>

#include "platform/clipboard.h"
#include "platform/waitcursor.h"

TEST(Clipboard, CarriesProgramTextAsUnicode) {
  clipboard::setText("Sch\xFC" "tze\t377,5 \x80\r\n");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf16(u"Schütze\t377,5 €\r\n"));
  QGuiApplication::clipboard()->setText(QString::fromUtf16(u"Größe"));
  EXPECT_EQ(clipboard::text(), "Gr\xF6\xDF" "e");
}

TEST(WaitCursor, ShowsTheHourglassForItsScopeAndNests) {
  ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
  {
    WaitCursor outer;
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    {
      WaitCursor inner;
      inner.restore();
      inner.restore();  // twice restores once
      EXPECT_NE(QGuiApplication::overrideCursor(), nullptr) << "the outer hourglass stays";
    }
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
  }
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
