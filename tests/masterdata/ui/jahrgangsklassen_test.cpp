// The age-class window shows the chosen discipline's classes and settings.
#include <gtest/gtest.h>

#include "core/db.h"
#include "core/globals.h"
#include "masterdata/ui/ZikoJahrgangsklassenDlg.h"
#include "platform/text.h"
#include "support/testenv.h"

TEST_F(DatabaseTest, AgeClassWindowShowsTheChosenDiscipline) {
  db::exec(gDbHaupt,
           "UPDATE JgKlEinstellungen SET EndeSpjMt=13, Defaultklm=2, Defaultklw=99 WHERE Disznr=0;"
           "DELETE FROM JgKlEinstellungen WHERE Disznr=1;"
           "DELETE FROM JgKlassen WHERE Disznr=1 AND Jklnr>3;");
  gEinstellungen.AktDisznr = 0;
  TZikoJahrgangsklassenDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.ListBoxJkl->count(), 10);
  EXPECT_EQ(dlg.ComboBoxMonate->currentIndex(), -1) << "a month beyond December selects nothing";
  EXPECT_EQ(dlg.ComboBoxM->currentIndex(), 1);
  EXPECT_EQ(dlg.ComboBoxW->currentIndex(), -1);
  EXPECT_FALSE(dlg.ButtonSpeichern->isEnabled());

  // Discipline 1 has three classes and no settings row.
  dlg.ComboBoxDisz->setCurrentIndex(1);
  dlg.ComboBoxDiszChange();
  EXPECT_EQ(dlg.ListBoxJkl->count(), 3);
  EXPECT_EQ(dlg.ComboBoxMonate->currentText(), QStringLiteral("September"));
  EXPECT_EQ(dlg.ComboBoxM->currentIndex(), 0);
  EXPECT_EQ(dlg.ComboBoxW->currentIndex(), 0);
}
