// The pairings of the entry mask as a user sees them: both teams' numbers in view however
// long the club's name, and a new round opening with its first pairings in sight.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "core/globals.h"
#include "entry/ui/ZikoErgEingabeDlg.h"
#include "platform/listlook.h"
#include "platform/text.h"
#include "support/combos.h"
#include "support/entrymask.h"
#include "support/testenv.h"

namespace {

// 45 characters, the longest name a club may have.
const char* const kLang = "Schützengesellschaft Hubertus Großkarolinenfe";

class Paarungsliste : public DatabaseTest, protected EntryMaskDriver {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    exec("DELETE FROM Vereine_gau;");
    exec("INSERT INTO Vereine_gau (Nummer, Name) VALUES (1, ?), (2, 'Tell'), (3, 'Hubertus'), (4, 'Diana'), "
         "(5, 'Edelweiß'), (6, 'Frohsinn');",
         {kLang});
    exec("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr, SchuetzenproMannschaftUnsort, "
         "SchuetzenproMannschaftSort, Sortflag, MaxSchuetzenproMannschaft) VALUES (1, 'Gauliga', 2, 0, 3, 3, 0, 4);");
    // Six pairings a round: the long club's team II against its team I, then clubs 2 to 6
    // against its team III in round 1 and its team IV in round 2.
    for (int round = 1; round <= 2; ++round)
      for (int p = 1; p <= 6; ++p)
        exec("INSERT INTO Gegner (Disznr, Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr) "
             "VALUES (0, 1, ?, ?, ?, 1, ?);",
             {round, p, p == 1 ? 2 : 1, p == 1 ? 1 : round + 2});
    exec("UPDATE Disznamen SET Kampfindex=0, Mklindex=0, Gegnerpaarindex=0 WHERE Nr=0;");
    gEinstellungen.AktDisznr = 0;
    gEinstellungen.SchuetzenAnzeigeOffen = 0;
    mask = new TZikoErgEingabeDlg;
    ZikoErgEingabeDlg = mask;
    openMask();
  }
  void TearDown() override {
    delete mask;
    ZikoErgEingabeDlg = nullptr;
    DatabaseTest::TearDown();
  }
  QListWidget* list() { return mask->ListBoxPaarungen; }
  bool inView(int row) {
    const QRect r = list()->visualItemRect(list()->item(row));
    return list()->viewport()->rect().contains(r.topLeft()) && list()->viewport()->rect().contains(r.bottomLeft());
  }
};

TEST_F(Paarungsliste, ALongClubsTeamsIIAndIKeepTheirNumbersInTheListAndTheCaptions) {
  const QString home = qs(std::string(kLang) + " II"), guest = qs(std::string(kLang) + " I");
  const QString line = list()->item(0)->text();
  EXPECT_TRUE(line.section(qs(" - "), 0, 0).endsWith(qs("… II"))) << fromQs(line);
  EXPECT_TRUE(line.endsWith(qs("… I"))) << fromQs(line);
  EXPECT_LE(cellWidthNeeded(list(), list()->model()->index(0, 0)), list()->viewport()->width()) << fromQs(line);
  EXPECT_EQ(list()->item(0)->toolTip(), home + qs(" - ") + guest);

  for (auto [label, whole, number] : {std::tuple{mask->LabelHeimmannschaft, home, " II"},
                                      std::tuple{mask->LabelGastmannschaft, guest, " I"}}) {
    const QString shown = label->text();
    EXPECT_TRUE(shown.endsWith(qs("…") + qs(number))) << fromQs(shown);
    EXPECT_LE(label->fontMetrics().horizontalAdvance(shown), label->contentsRect().width()) << fromQs(shown);
    EXPECT_EQ(label->toolTip(), whole);
  }
}

TEST_F(Paarungsliste, AfterTheLastPairingOfARoundTheNextRoundShowsItsFirstPairings) {
  ASSERT_EQ(list()->count(), 6);
  list()->scrollToBottom();
  QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(5)).center());
  ASSERT_EQ(mask->Gegnerpaarindex, 5);
  ASSERT_FALSE(inView(0));

  waehle(mask->ComboBoxWettkampfnr, 1);
  ASSERT_TRUE(list()->item(1)->text().endsWith(qs(" IV"))) << "round 2 not loaded";
  EXPECT_TRUE(inView(0)) << "the first pairings of the new round are out of sight";
  EXPECT_EQ(list()->currentRow(), 5) << "the chosen position stays across rounds";
}

}  // namespace
