// The managers dialog: addresses and disciplines go to the manager by number.
#include <gtest/gtest.h>

#include "core/db.h"
#include "core/globals.h"
#include "masterdata/ui/ZikoWklAdressenDlg.h"
#include "platform/keydata.h"
#include "platform/text.h"
#include "support/testenv.h"

namespace {

class ManagersDialog : public DialogTest<TZikoWklAdressenDlg> {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    // Two of one name, stored out of number order.
    db::exec(gDbHaupt, "INSERT INTO Wettkampfleiter (Nr, Name, Ort) VALUES (2, 'Meier', 'Zell'), (1, 'Meier', 'Au');");
    dlg = new TZikoWklAdressenDlg;
    dlg->show();
  }
};

TEST_F(ManagersDialog, ManagersOfOneNameKeepTheirOwnAddresses) {
  ASSERT_EQ(dlg->ListBoxWklAdressen->count(), 3);
  EXPECT_EQ(keyOf(dlg->ListBoxWklAdressen->item(1)), 1) << "listed by number";
  dlg->ListBoxWklAdressen->setCurrentRow(2);
  EXPECT_EQ(dlg->EditOrt->text(), QStringLiteral("Zell"));

  // Typed into manager 2's fields, then another manager clicked: the change is manager 2's.
  dlg->EditTel->setText(QStringLiteral("08151/22"));
  dlg->ListBoxWklAdressen->setCurrentRow(1);
  EXPECT_EQ(cell("SELECT Tel FROM Wettkampfleiter WHERE Nr=2"), "08151/22");
  EXPECT_EQ(cell("SELECT Tel FROM Wettkampfleiter WHERE Nr=1"), "");
  EXPECT_EQ(dlg->EditOrt->text(), QStringLiteral("Au"));

  dlg->EditOrt->setText(QStringLiteral("Au am Inn"));
  dlg->hide();
  EXPECT_EQ(cell("SELECT Ort FROM Wettkampfleiter WHERE Nr=1"), "Au am Inn") << "closing stores the fields";
  EXPECT_EQ(cell("SELECT Ort FROM Wettkampfleiter WHERE Nr=2"), "Zell");
}

TEST_F(ManagersDialog, NewAndRemovedManagersAndTheirDisciplines) {
  dlg->ListBoxWklAdressen->setCurrentRow(2);  // manager 2 leads discipline 1
  dlg->ListBoxDisz->item(1)->setSelected(true);
  dlg->ListBoxDiszClick();
  EXPECT_EQ(cell("SELECT WklNr FROM Disznamen WHERE Nr=1"), "2");

  dlg->ButtonNeuClick();
  EXPECT_EQ(cell("SELECT Name FROM Wettkampfleiter WHERE Nr=3"), "Wettkampfleiter 4");
  EXPECT_EQ(dlg->managerShown(), 3);

  dlg->ButtonLoeschenClick();
  dlg->ButtonLoeschenClick();  // manager 2 with its discipline
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Wettkampfleiter WHERE Nr>=2"), "0");
  EXPECT_EQ(cell("SELECT WklNr FROM Disznamen WHERE Nr=1"), "0") << "passed to the first manager";
  EXPECT_EQ(dlg->managerShown(), 1);
  dlg->ButtonLoeschenClick();
  dlg->ButtonLoeschenClick();
  EXPECT_EQ(cell("SELECT COUNT(*) FROM Wettkampfleiter"), "1") << "the only manager stays";
  EXPECT_EQ(cell("SELECT Name FROM Wettkampfleiter"), "Wettkampfleiter 1");
}

}  // namespace
