#pragma once
// Driving the result entry mask as a user does: show it, reach the fields of a row, type a
// pass number and the rings. A fixture derives from this and points mask at the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <string>

#include "entry/ui/ZikoErgEingabeDlg.h"
#include "platform/text.h"

class EntryMaskDriver {
 protected:
  void openMask() {
    mask->show();
    mask->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mask));
    QCoreApplication::processEvents();
  }

  QLineEdit* pass(bool heim, int r) { return (heim ? mask->EditSchnrHeim : mask->EditSchnrGast)[r]; }
  QLineEdit* name(bool heim, int r) { return (heim ? mask->EditNameHeim : mask->EditNameGast)[r]; }
  QLineEdit* rings(bool heim, int r) { return (heim ? mask->EditRingeHeim : mask->EditRingeGast)[r]; }
  static std::string txt(const QLineEdit* e) { return fromQs(e->text()); }

  // Types a pass number, leaves it with Enter, and types the rings where the focus went.
  // Without ringText it stops after the pass number.
  void enter(bool heim, int r, const char* passnr, const char* ringText) {
    pass(heim, r)->setFocus();
    pass(heim, r)->clear();
    QTest::keyClicks(pass(heim, r), QString::fromLatin1(passnr));
    QTest::keyClick(pass(heim, r), Qt::Key_Return);
    QCoreApplication::processEvents();
    if (!ringText) return;
    ASSERT_EQ(QApplication::focusWidget(), rings(heim, r)) << "focus not in the ring field after " << passnr;
    typeRings(heim, r, ringText);
  }

  // Rings for a shooter already in the row.
  void typeRings(bool heim, int r, const char* ringText) {
    rings(heim, r)->setFocus();
    QTest::keyClicks(rings(heim, r), QString::fromLatin1(ringText));
    QTest::keyClick(rings(heim, r), Qt::Key_Return);
    QCoreApplication::processEvents();
  }

  TZikoErgEingabeDlg* mask = nullptr;
};
