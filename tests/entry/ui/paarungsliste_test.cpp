// The pairings of the entry mask as a user sees them: both teams' numbers in view however
// long the club's name, and the chosen pairing in sight whatever changed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include "core/globals.h"
#include "core/helpers.h"
#include "entry/ui/ZikoErgEingabeDlg.h"
#include "platform/keydata.h"
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

// The choices above the teams show their texts whole, a discipline such as "Zimmerstutzen
// 15 m" included, and the pairing list beside them covers none of them.
TEST_F(Paarungsliste, TheChoicesShowTheirTextsWhole) {
  exec("UPDATE Disznamen SET Bezeichnung='Zimmerstutzen 15 m' WHERE Nr=0;");
  mask->hide();
  openMask();
  QComboBox* box = mask->ComboBoxDisz;
  ASSERT_EQ(box->currentText(), qs("Zimmerstutzen 15 m"));
  QStyleOptionComboBox opt;
  opt.initFrom(box);
  const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, box);
  EXPECT_GE(field.width(), box->fontMetrics().horizontalAdvance(box->currentText()));
  for (QWidget* w : mask->Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w == list()) continue;
    EXPECT_FALSE(w->geometry().intersects(list()->geometry())) << w->metaObject()->className();
    if (auto* label = qobject_cast<QLabel*>(w)) {
      EXPECT_LE(label->sizeHint().width(), label->width()) << fromQs(label->text());
    }
  }
}

// A class of sixteen teams has more pairings than the list shows: whatever the change, the
// chosen pairing is the one highlighted and in view, and the captions name its teams.
TEST_F(Paarungsliste, TheChosenPairingStandsHighlightedInViewAfterEveryChange) {
  for (int k = 1; k <= 8; ++k)
    for (auto [disz, klasse] : {std::pair{0, 2}, std::pair{1, 3}})
      for (int round = 1; round <= 2; ++round)
        exec("INSERT INTO Gegner (Disznr, Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr) "
             "VALUES (?, ?, ?, ?, ?, ?, ?);",
             {disz, klasse, round, 2 + k % 5, k, 2 + (k + 1) % 5, k + round});
  exec("INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr, SchuetzenproMannschaftUnsort, "
       "SchuetzenproMannschaftSort, Sortflag, MaxSchuetzenproMannschaft) VALUES "
       "(2, 'Kreisliga', 2, 0, 3, 3, 0, 4), (3, 'Gauliga LP', 2, 1, 3, 3, 0, 4);");
  exec("UPDATE Disznamen SET Kampfindex=0, Mklindex=0, Gegnerpaarindex=7 WHERE Nr=1;");
  mask->hide();
  openMask();
  for (int r = 0; r < 6; ++r) EXPECT_TRUE(inView(r)) << "a class of twelve teams not whole, line " << r + 1;

  auto expectChosen = [&](int row, const char* after) {
    SCOPED_TRACE(after);
    ASSERT_EQ(mask->Gegnerpaarindex, row);
    ASSERT_LT(row, list()->count());
    EXPECT_EQ(list()->currentRow(), row);
    EXPECT_TRUE(list()->item(row)->isSelected());
    EXPECT_TRUE(inView(row)) << "chosen line " << row + 1 << " out of view";
    const eingabe::Gegnerzeile& p = mask->Paarungen[static_cast<size_t>(row)];
    EXPECT_EQ(mask->LabelHeimmannschaft->toolTip().isEmpty() ? mask->LabelHeimmannschaft->text().mid(1)
                                                             : mask->LabelHeimmannschaft->toolTip(),
              qs(MannschaftsName(p.Heimvrnr, p.Heimmschnr)));
  };
  waehle(mask->ComboBoxKlasse, 1);
  expectChosen(0, "class change");
  list()->scrollToBottom();
  QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(7)).center());
  expectChosen(7, "click");
  waehle(mask->ComboBoxWettkampfnr, 1);
  expectChosen(7, "round change");
  list()->scrollToTop();
  waehle(mask->ComboBoxKlasse, 0);
  expectChosen(0, "class change back");
  ASSERT_EQ(comboKey(mask->ComboBoxDisz, 1), 1);
  waehle(mask->ComboBoxDisz, 1);
  expectChosen(7, "discipline change");
}

}  // namespace
