// The disciplines dialog: names by number, a new discipline, removing the last one.
#include <gtest/gtest.h>

#include <QDate>
#include <QLineEdit>
#include <QTest>
#include <utility>

#include "core/db.h"
#include "core/globals.h"
#include "masterdata/ui/ZikoDiszbezDlg.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "support/testenv.h"

namespace {

class DisciplinesDialog : public DialogTest<TZikoDiszbezDlg> {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    dlg = new TZikoDiszbezDlg;
  }
  std::string count(sqlite3* conn, const std::string& table, int disznr) {
    return cell(conn, "SELECT COUNT(*) FROM " + table + " WHERE Disznr=?;", {disznr});
  }
};

TEST_F(DisciplinesDialog, NamelessDisciplineInTheMiddleKeepsItsNumber) {
  db::exec(gDbHaupt, "UPDATE Disznamen SET Bezeichnung='' WHERE Nr=1;"
                     "INSERT INTO Disznamen (Nr, Bezeichnung) VALUES (2, 'Armbrust');");
  gEinstellungen.AktDisznr = 2;
  dlg->show();
  ASSERT_EQ(dlg->ListView1->count(), 3);
  EXPECT_EQ(dlg->ListView1->item(1)->text(), QStringLiteral("Disziplin 2"));
  dlg->ListView1->item(2)->setText(QStringLiteral("Armbrust 10m"));

  dlg->ButtonNeuClick();
  EXPECT_EQ(cell(gDbHaupt, "SELECT Bezeichnung FROM Disznamen WHERE Nr=2"), "Armbrust 10m");
  EXPECT_EQ(cell(gDbHaupt, "SELECT Bezeichnung FROM Disznamen WHERE Nr=1"), "Disziplin 2");
  EXPECT_EQ(cell(gDbHaupt, "SELECT Bezeichnung FROM Disznamen WHERE Nr=0"), "Luftgewehr");
  const int year = QDate::currentDate().year();
  EXPECT_EQ(cell(gDbHaupt,
                 "SELECT Bezeichnung||'|'||Saisonname||'|'||WklNr||Kampfindex||Zehntelflag||'|'||"
                 "SortEErgMinAnzErg||'|'||SortEErgMinRinge FROM Disznamen WHERE Nr=3"),
            "Disziplin 4|" + std::to_string(year) + "/" + std::to_string(year + 1) + "|000|1|360");
  EXPECT_EQ(cell(gDbPfade, "SELECT MschfuehrerPfad FROM PfadeNeueSaison WHERE Disznr=3"), gIntdat.ProgrammVerzeichnis);
  EXPECT_EQ(count(gDbPfade, "PfadeEinzelausgb_10", 3), "1");
  EXPECT_EQ(count(gDbAutoImpExp, "RmeImport", 3), "1");

  // The name of the new discipline is still being typed when the dialog is closed.
  auto* editor = qobject_cast<QLineEdit*>(dlg->ListView1->openEditor());
  ASSERT_TRUE(editor);
  editor->setText(QStringLiteral("Zimmerstutzen"));
  dlg->pressKey(Qt::Key_Escape);
  dlg->hide();
  EXPECT_EQ(cell(gDbHaupt, "SELECT Bezeichnung FROM Disznamen WHERE Nr=3"), "Zimmerstutzen");
  EXPECT_EQ(cell(gDbHaupt, "SELECT COUNT(*) FROM Disznamen"), "4");
  EXPECT_EQ(gEinstellungen.AktDisznr, 0);
}

TEST_F(DisciplinesDialog, RemovingTheLastDisciplineRemovesAllItsRowsInOneGo) {
  const char* const mainTables[] = {"Gegner",      "Mschklassen",  "Termine",   "Msch_in_klassen", "Mscherg",
                                    "Schuetzenerg", "Mschaufstlg", "Msch_fuehrer"};
  for (int d : {0, 1}) {
    for (const char* t : mainTables) db::exec(gDbHaupt, std::string("INSERT INTO ") + t + " (Disznr) VALUES (?);", {d});
    db::exec(gDbAgenda, "INSERT INTO Aktion (Satzindex, Disznr) VALUES (?, ?);", {d, d});
  }
  const std::string jgBefore = count(gDbHaupt, "JgKlassen", 1);
  dlg->show();
  dlg->ListView1->setCurrentRow(0);
  EXPECT_FALSE(dlg->ButtonEntfernen->isEnabled()) << "discipline 0 stays";
  dlg->ListView1->setCurrentRow(1);
  EXPECT_TRUE(dlg->ButtonEntfernen->isEnabled());

  msg::ScriptedMessages boxes;
  db::exec(gDbHaupt, "ALTER TABLE Mscherg RENAME TO Mscherg_weg;");
  dlg->ButtonEntfernenClick();
  EXPECT_TRUE(boxes.contains("Mscherg")) << "the failed statement is shown";
  EXPECT_EQ(dlg->ListView1->count(), 2);
  EXPECT_EQ(count(gDbHaupt, "Schuetzenerg", 1), "1") << "a failure removes nothing";
  EXPECT_EQ(count(gDbHaupt, "Gegner", 1), "1");
  EXPECT_EQ(cell(gDbHaupt, "SELECT COUNT(*) FROM Disznamen WHERE Nr=1"), "1");
  EXPECT_EQ(count(gDbAgenda, "Aktion", 1), "1");

  db::exec(gDbHaupt, "ALTER TABLE Mscherg_weg RENAME TO Mscherg;");
  dlg->ButtonEntfernenClick();
  EXPECT_EQ(dlg->ListView1->count(), 1);
  EXPECT_EQ(cell(gDbHaupt, "SELECT COUNT(*) FROM Disznamen WHERE Nr=1"), "0");
  for (const char* t : mainTables) {
    EXPECT_EQ(count(gDbHaupt, t, 0), "1") << t << " of discipline 0";
    EXPECT_EQ(count(gDbHaupt, t, 1), "0") << t;
  }
  EXPECT_EQ(count(gDbHaupt, "JgKlassen", 1), jgBefore) << "age classes stay";
  EXPECT_EQ(count(gDbAgenda, "Aktion", 1), "0");
  EXPECT_EQ(count(gDbAgenda, "Aktion", 0), "1");
  EXPECT_EQ(count(gDbPfade, "PfadeNeueSaison", 1), "0");
  EXPECT_EQ(count(gDbPfade, "PfadeImpExp", 0), "1") << "the shared export folders stay";

  // The only discipline stays, with or without the button.
  dlg->ButtonEntfernenClick();
  EXPECT_EQ(cell(gDbHaupt, "SELECT COUNT(*) FROM Disznamen"), "1");
}

TEST_F(DisciplinesDialog, OnlyTheLastOfThreeCanBeRemoved) {
  db::exec(gDbHaupt, "INSERT INTO Disznamen (Nr, Bezeichnung) VALUES (2, 'Armbrust');");
  dlg->show();
  QListWidget* list = dlg->ListView1;
  ASSERT_EQ(list->count(), 3);
  for (auto [row, removable] : {std::pair{2, true}, {1, false}, {0, false}, {2, true}}) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    ASSERT_EQ(list->currentRow(), row);
    EXPECT_EQ(dlg->ButtonEntfernen->isEnabled(), removable) << "row " << row;
  }
}

TEST_F(DisciplinesDialog, ARefusedNameKeepsTheWindowOpenAndTheOtherRenames) {
  db::exec(gDbHaupt, "INSERT INTO Disznamen (Nr, Bezeichnung) VALUES (2, 'Armbrust');");
  dlg->show();
  dlg->ListView1->item(0)->setText(QStringLiteral("Luftgewehr 10m"));
  dlg->ListView1->item(1)->setText(QStringLiteral("Pistole ") + QChar(0x6C14));
  dlg->ListView1->item(2)->setText(QStringLiteral("Armbrust 30m"));
  msg::ScriptedMessages boxes;
  for (int attempt : {0, 1}) {
    if (attempt == 0)
      QTest::keyClick(dlg->ListView1, Qt::Key_Escape);
    else
      QTest::mouseClick(dlg->ButtonAbbrechen, Qt::LeftButton);
    EXPECT_TRUE(dlg->isVisible()) << attempt;
    EXPECT_EQ(boxes.count(), attempt + 1u);
    EXPECT_EQ(dlg->ListView1->currentRow(), 1) << "the refused name is chosen";
    EXPECT_TRUE(dlg->ListView1->openEditor()) << "and open for correction";
  }
  EXPECT_TRUE(boxes.contains("6C14")) << boxes.shown()[0].text;
  EXPECT_EQ(cell(gDbHaupt, "SELECT group_concat(Bezeichnung, '|') FROM (SELECT Bezeichnung FROM Disznamen ORDER BY Nr)"),
            "Luftgewehr 10m|Luftpistole|Armbrust 30m");

  dlg->ButtonNeuClick();
  EXPECT_EQ(dlg->ListView1->count(), 3) << "no new discipline while a name is refused";
  auto* editor = qobject_cast<QLineEdit*>(dlg->ListView1->openEditor());
  ASSERT_TRUE(editor);
  editor->setText(QStringLiteral("Pistole"));
  QTest::mouseClick(dlg->ButtonAbbrechen, Qt::LeftButton);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(cell(gDbHaupt, "SELECT Bezeichnung FROM Disznamen WHERE Nr=1"), "Pistole");
}

}  // namespace
