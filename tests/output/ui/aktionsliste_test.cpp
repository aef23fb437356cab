// The action list window and its editor on a real agenda database: jobs are found by their
// position number even where rows are not listed, moves and removals are all or nothing,
// and the editor stores what it opened unchanged.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QPrintDialog>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <tuple>
#include <memory>
#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "output/aktionsliste.h"
#include "output/ui/ZikoSAALEinstellungenDlg.h"
#include "output/ui/ZikoSAAktionslisteDlg.h"
#include "platform/filedialog.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "support/foreignfolders.h"
#include "support/testenv.h"

namespace {

class AktionslisteTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    gEinstellungen.AktDisznr = 0;
    setFieldText(gEinstellungen.Gauname, "Gau Nord");
    // Class numbers with a gap: list positions and numbers differ.
    for (auto [nr, name, termine, minerg] : {std::tuple{2, "Kreisliga", 6, 3}, {5, "Bezirksliga", 4, 2}})
      db::exec(gDbHaupt, "INSERT INTO Mschklassen (Nr, Klname, AnzahlTermine, Disznr, Minerganzahl) VALUES (?, ?, ?, 0, ?);",
               {nr, name, termine, minerg});
    liste = std::make_unique<TZikoSAAktionslisteDlg>();
    editor = std::make_unique<TZikoSAALEinstellungenDlg>();
    ZikoSAAktionslisteDlg = liste.get();
    ZikoSAALEinstellungenDlg = editor.get();
  }
  void TearDown() override {
    ZikoSAAktionslisteDlg = nullptr;
    ZikoSAALEinstellungenDlg = nullptr;
    liste.reset();
    editor.reset();
    DatabaseTest::TearDown();
  }

  static void job(int satzindex, const std::string& title, int machflag = 1) {
    ASSERT_TRUE(db::exec(gDbAgenda,
                         "INSERT INTO Aktion (Satzindex, Disznr, Machflag, Typ, Ausgabeart, Bezeichnung, Pfad, "
                         "Print_int) VALUES (?, 0, ?, 0, 0, ?, ?, 1);",
                         {satzindex, machflag, title, "/out/" + title + ".txt"}));
  }
  // "index:title:flag" of every stored job in order.
  static std::string stored() {
    std::string out;
    for (const AktionsEintrag& e : AktionenDerDisziplin(0))
      out += str(e.Satzindex) + ":" + e.Bezeichnung + ":" + str(e.Machflag) + " ";
    return out;
  }
  std::string shown() const {
    std::string out;
    for (int i = 0; i < liste->ListViewAL->topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = liste->ListViewAL->topLevelItem(i);
      out += fromQs(item->text(0)) + (item->checkState(0) == Qt::Checked ? "+" : "-") + " ";
    }
    return out;
  }
  std::string selected() const { return fromQs(liste->ListViewAL->currentItem()->text(0)); }
  void select(const std::string& title) {
    for (int i = 0; i < liste->ListViewAL->topLevelItemCount(); ++i)
      if (fromQs(liste->ListViewAL->topLevelItem(i)->text(0)) == title)
        liste->ListViewAL->setCurrentItem(liste->ListViewAL->topLevelItem(i));
  }
  // Runs inside the editor while the list shows it modally.
  void whileEditorShown(std::function<void()> act) {
    QTimer::singleShot(0, editor.get(), [this, act] {
      act();
      if (editor->isVisible()) editor->AbbrechenESC1Click();
    });
  }
  std::vector<std::string> row(int satzindex) const {
    db::Table t = db::query(gDbAgenda, "SELECT * FROM Aktion WHERE Disznr=0 AND Satzindex=?;", {satzindex});
    return t.empty() ? std::vector<std::string>{} : t.rows[0];
  }

  ScriptedPrinting printers_;
  std::unique_ptr<TZikoSAAktionslisteDlg> liste;
  std::unique_ptr<TZikoSAALEinstellungenDlg> editor;
};

TEST_F(AktionslisteTest, UnlistedRowDoesNotShiftTheJobsAroundIt) {
  job(0, "A");
  job(1, "");  // stored without a title: not listed
  job(2, "B");
  job(3, "C");
  liste->show();
  EXPECT_EQ(shown(), "A+ B+ C+ ");
  EXPECT_EQ(selected(), "A");
  EXPECT_FALSE(liste->BitBtnErgAuf->isEnabled());
  EXPECT_TRUE(liste->BitBtnErgAb->isEnabled());

  liste->ListViewAL->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
  select("B");
  whileEditorShown([this] {
    EXPECT_EQ(gIntdat.AktionSatzindex, 2);
    editor->EditPfadMschTab->setText(qs("/out/b2.txt"));
    editor->bernehmen1Click();
  });
  liste->Eintragbearbeiten1Click();
  EXPECT_EQ(row(2)[13], "/out/b2.txt");
  EXPECT_EQ(selected(), "Starttabellen");
  EXPECT_EQ(stored(), "0:A:1 1::1 2:Starttabellen:0 3:C:1 ");

  select("C");
  liste->BitBtnErgAufClick();
  EXPECT_EQ(stored(), "0:A:1 1::1 2:C:1 3:Starttabellen:0 ");
  EXPECT_EQ(selected(), "C");
  EXPECT_TRUE(liste->BitBtnErgAuf->isEnabled() && liste->BitBtnErgAb->isEnabled());

  liste->Eintragentfernen1Click();  // the middle one of three
  EXPECT_EQ(stored(), "0:A:1 1::1 2:Starttabellen:0 ");
  EXPECT_EQ(shown(), "A+ Starttabellen- ");
  EXPECT_EQ(selected(), "Starttabellen");
  EXPECT_FALSE(liste->BitBtnErgAb->isEnabled());
}

TEST_F(AktionslisteTest, FailedMoveOrRemovalLeavesTheOrderAsItWas) {
  job(0, "A");
  job(1, "B");
  job(2, "C");
  // Position 2 cannot be given up: the swap of B and C fails at its second step, the
  // renumbering after removing B at its first.
  db::exec(gDbAgenda,
           "CREATE TRIGGER nein BEFORE UPDATE OF Satzindex ON Aktion WHEN OLD.Satzindex = 2 "
           "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END;");
  msg::ScriptedMessages boxes;
  liste->show();
  select("B");
  liste->BitBtnErgAbClick();
  EXPECT_EQ(stored(), "0:A:1 1:B:1 2:C:1 ");
  EXPECT_EQ(shown(), "A+ B+ C+ ");
  EXPECT_EQ(selected(), "B");
  liste->Eintragentfernen1Click();
  EXPECT_EQ(stored(), "0:A:1 1:B:1 2:C:1 ");
  EXPECT_EQ(boxes.count(), 2u);
  EXPECT_TRUE(boxes.contains("gesperrt"));
}

TEST_F(AktionslisteTest, EditorStoresWhatItOpenedUnchanged) {
  auto insert = [](const db::Params& v) {
    ASSERT_TRUE(db::exec(gDbAgenda,
                         "INSERT INTO Aktion (Satzindex, Disznr, Machflag, Typ, Ausgabeart, Flag_a, Flag_b, Flag_c, "
                         "Flag_d, Flag_e, Flag_f, Flag_g, Bezeichnung, Pfad, Printstring_a, Printstring_b, Print_int) "
                         "VALUES (?, 0, 0, ?, ?, ?, 0, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
                         v));
  };
  // Only the print job (position 1) has a printer.
  insert({0, 0, 0, 0, 1, 0, 1, 1, "Mannschaftstabellen", "/o/t.html", "", "Mannschaftstabellen", 1});
  insert({1, 2, 1, 5, 2, 350, 4, 2, "Einzelergebnisse Bezirksliga", "/o/e.txt", "Testdrucker",
             "Einzelergebnisse Bezirksliga", 3});
  insert({2, 0, 0, 0, 0, 0, 1, 1, "Starttabellen", "/o/s.html", "", "Starttabellen", 1});
  insert({3, 3, 0, 5, 3, 0, 4, 2, "Klassenergebnisse Bezirksliga", "/o/k.html", "",
             "Klassenergebnisse Bezirksliga", 1});
  insert({4, 4, 0, 0, 0, 0, 1, 1, "Ergebnisdatei", "/o/Gau.rwd", "", "", 1});
  liste->show();
  for (int satzindex = 0; satzindex < 5; ++satzindex) {
    SCOPED_TRACE(satzindex);
    std::vector<std::string> before = row(satzindex);
    liste->ListViewAL->setCurrentItem(liste->ListViewAL->topLevelItem(satzindex));
    whileEditorShown([this] { editor->bernehmen1Click(); });
    liste->Eintragbearbeiten1Click();
    EXPECT_EQ(gIntdat.AktionGespeichert, 1);
    EXPECT_EQ(row(satzindex), before);
  }
  EXPECT_EQ(fromQs(editor->ComboBoxMklEErg->itemText(2)), "Bezirksliga");
}

TEST_F(AktionslisteTest, NewJobGoesBehindTheLastAndAFailedStoreKeepsTheEditor) {
  liste->show();
  gIntdat.AktionNeu = 1;
  editor->show();
  editor->PageControl1->setCurrentIndex(AktKlassenErgebnisse);
  editor->ComboBoxMklKlerg->setCurrentIndex(1);
  editor->bernehmen1Click();
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(gIntdat.AktionSatzindex, 0);
  EXPECT_EQ(row(0), (std::vector<std::string>{"0", "0", "1", "3", "0", "5", "0", "0", "0", "0", "4", "2",
                                              "Klassenergebnisse Bezirksliga", fromQs(editor->EditPfadKlErg->text()),
                                              "", "Klassenergebnisse Bezirksliga", "", "", "1"}));

  for (int i = 1; i < 5; ++i) job(i, "J" + str(i));
  db::exec(gDbAgenda, "CREATE TRIGGER nein BEFORE INSERT ON Aktion BEGIN SELECT RAISE(ABORT, 'voll'); END;");
  msg::ScriptedMessages boxes;
  gIntdat.AktionGespeichert = 0;
  editor->show();
  editor->bernehmen1Click();
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(gIntdat.AktionGespeichert, 0);
  EXPECT_TRUE(boxes.contains("voll"));
  db::exec(gDbAgenda, "DROP TRIGGER nein;");
  editor->bernehmen1Click();
  EXPECT_EQ(gIntdat.AktionSatzindex, 5);
  EXPECT_EQ(row(5)[12], "Starttabellen");
}

// The result file proposes the district's name as it is written; a file chosen in a folder
// code page 1252 cannot name is shown as chosen and refused when the job is stored, never
// kept as "?".
TEST_F(AktionslisteTest, ResultFileKeepsTheDistrictsUmlautsAndAFolderOutsideTheCodePageIsRefused) {
  setFieldText(gEinstellungen.Gauname, "Gau W\xFCrm/tal");
  ScriptedFileDialogs files;
  msg::ScriptedMessages boxes;
  gIntdat.AktionNeu = 1;
  editor->show();
  editor->PageControl1->setCurrentIndex(AktErgebnisdatei);
  EXPECT_TRUE(editor->EditRwdDatei->text().endsWith(qs("/Gau W\xFCrmtal.rwk"))) << editor->EditRwdDatei->text().toStdString();
  const std::filesystem::path folder = makeForeignFolders(dir->path()).back();  // the Japanese one
  files.answerPath(folder / "ergebnis", 1);
  editor->ButtonErgDateiPfadSuche->click();
  ASSERT_EQ(files.asked().size(), 1u);
  EXPECT_EQ(files.asked()[0].fileName, "Gau W\xFCrmtal");
  EXPECT_EQ(editor->EditRwdDatei->text(), qtPath(folder / "ergebnis.rwk"));
  editor->bernehmen1Click();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_NE(boxes.shown()[0].text.find("U+65E5"), std::string::npos) << boxes.shown()[0].text;
  EXPECT_TRUE(editor->isVisible());
  EXPECT_TRUE(AktionenDerDisziplin(0).empty());
}

TEST_F(AktionslisteTest, EditorChoicesPathsPrinterAndRefusals) {
  ScriptedPrinting printers({"Testdrucker", "Farbdrucker"});
  ScriptedFileDialogs files;
  msg::ScriptedMessages boxes;
  gIntdat.AktionNeu = 1;
  editor->show();
  EXPECT_EQ(fromQs(editor->EditRwdDatei->text()), storablePath(gIntdat.ProgrammVerzeichnis) + "/Gau Nord.rwk");

  editor->AusgabeartClick(true);  // "Drucker" on one page switches all four
  for (QRadioButton* b : {editor->RadioButtonDruckerMschTab, editor->RadioButtonDruckerMschBgg,
                          editor->RadioButtonDruckerEErg, editor->RadioButtonDruckerKlerg})
    EXPECT_TRUE(b->isChecked());
  EXPECT_FALSE(editor->ButtonEErgPfadSuche->isEnabled());
  EXPECT_TRUE(editor->ButtonEErgPrinterSuche->isEnabled());

  printers.confirm("Farbdrucker", 3);
  editor->PrinterSucheClick(AktEinzelErgebnisse);
  EXPECT_EQ(fromQs(editor->EditDruckerEErg->text()), "Farbdrucker");
  EXPECT_EQ(editor->copyCount(), 3);

  // The print dialog's output to a file is no printer a job could find: refused, the chosen
  // printer stays.
  printers.confirmFileOutput();
  editor->PrinterSucheClick(AktEinzelErgebnisse);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Meldung");
  EXPECT_NE(boxes.shown()[0].text.find("installierten Drucker"), std::string::npos);
  EXPECT_EQ(fromQs(editor->EditDruckerEErg->text()), "Farbdrucker");
  // A printer whose name code page 1252 cannot hold is shown, but not stored as "?".
  printers.confirmNamed(QStringLiteral("Drucker \u5370"));
  editor->PrinterSucheClick(AktEinzelErgebnisse);
  editor->PageControl1->setCurrentIndex(AktEinzelErgebnisse);
  editor->bernehmen1Click();
  ASSERT_EQ(boxes.count(), 2u);
  EXPECT_NE(boxes.shown()[1].text.find("U+5370"), std::string::npos);
  EXPECT_TRUE(AktionenDerDisziplin(0).empty());
  boxes.clear();
  printers.confirm("Farbdrucker");
  editor->PrinterSucheClick(AktEinzelErgebnisse);

  // A typed ".htm" or ".HTML" ending gives way to the chosen type's ending.
  editor->EditPfadEErg->setText(qs("/o/liste.htm"));
  files.answer("/o/neu.htm", 1);
  editor->PfadSucheClick(AktEinzelErgebnisse);
  EXPECT_EQ(files.asked().back().fileName, "liste");
  EXPECT_EQ(files.asked().back().filterIndex, 2);
  EXPECT_EQ(fromQs(editor->EditPfadEErg->text()), "/o/neu.txt");
  files.answer("/o/neu.HTML", 2);
  editor->PfadSucheClick(AktEinzelErgebnisse);
  EXPECT_EQ(fromQs(editor->EditPfadEErg->text()), "/o/neu.HTML.html");

  editor->EditMinErgRinge->setText({});
  QTest::keyClicks(editor->EditMinErgRinge, QStringLiteral("12345"));
  EXPECT_EQ(fromQs(editor->EditMinErgRinge->text()), "123");

  editor->ComboBoxMklEErg->setCurrentIndex(1);
  editor->RadioGroupEErgSortArt->setItemIndex(1);
  editor->ComboBoxMklEErgChange();
  EXPECT_EQ(fromQs(editor->GroupBoxEErg->title()),
            "Einzelergebnisse Luftgewehr, Klasse Kreisliga, Ringschnitte nach aktuellem Durchgang");
  editor->RadioGroupKlergSortArt->setItemIndex(1);
  editor->hide();
  editor->show();
  const QGroupBox* klerg = editor->GroupBoxKlerg;
  EXPECT_EQ(fromQs(klerg->toolTip().isEmpty() ? klerg->title() : klerg->toolTip()),
            "Klassenergebnisse Luftgewehr, Klasse " + fromQs(editor->ComboBoxMklKlerg->currentText()) +
                ", Ergebnisse des aktuellen Durchgangs")
      << "shown, the caption does not follow the display choice";

  // A discipline without classes: a class-results job cannot be made.
  gIntdat.AktionDisznr = 1;
  editor->hide();
  editor->show();
  editor->PageControl1->setCurrentIndex(AktKlassenErgebnisse);
  editor->bernehmen1Click();
  EXPECT_TRUE(editor->isVisible());
  EXPECT_TRUE(boxes.contains("Klasse"));
  EXPECT_TRUE(AktionenDerDisziplin(1).empty());
}

// The current printer's name holds a character code page 1252 cannot hold: a file job
// stores no printer and is kept (a print job is refused, see above).
TEST_F(AktionslisteTest, AFileJobIsStoredWhateverTheCurrentPrinterIsCalled) {
  printers_.confirmNamed(QStringLiteral("Drucker \u5370"));
  ASSERT_TRUE(printing::printDialog());
  msg::ScriptedMessages boxes;
  gIntdat.AktionDisznr = 0;
  gIntdat.AktionNeu = 1;
  editor->show();
  EXPECT_EQ(editor->EditDruckerEErg->text(), QStringLiteral("Drucker \u5370"));
  editor->PageControl1->setCurrentIndex(AktEinzelErgebnisse);
  editor->pressKey(Qt::Key_F2);
  EXPECT_EQ(boxes.count(), 0u) << (boxes.count() ? boxes.shown()[0].text : "");
  ASSERT_EQ(AktionenDerDisziplin(0).size(), 1u);
  EXPECT_EQ(row(0)[4], "0");
  EXPECT_EQ(row(0)[14], "") << "a file job stores no printer";
}

TEST_F(AktionslisteTest, StartWithoutRoundsRunsNothingAndEscKeepsTheTicks) {
  job(0, "A");
  job(1, "B");
  gEinstellungen.AktDisznr = 1;  // no classes, no rounds
  db::exec(gDbAgenda, "UPDATE Aktion SET Disznr=1;");
  msg::ScriptedMessages boxes;
  liste->show();
  EXPECT_EQ(liste->ComboBoxDgnr->count(), 0);
  liste->pressKey(Qt::Key_F7);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Aktionsliste Luftpistole:\n\nEs gibt noch keinen Durchgang!");

  liste->ListViewAL->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
  QTest::keyClick(liste->ListViewAL, Qt::Key_Escape);
  EXPECT_FALSE(liste->isVisible());
  EXPECT_EQ(AktionenDerDisziplin(1)[0].Machflag, 0);
  EXPECT_EQ(AktionenDerDisziplin(1)[1].Machflag, 1);
}

// "Auswählen" opens the system's print dialog with the installed printers only: an output to
// a file would ask whether to replace an existing file before the choice is refused.
class AktionseditorDruckerwahl : public DatabaseTest {};

TEST_F(AktionseditorDruckerwahl, ThePrintDialogOffersNoOutputToAFile) {
  // The printers the print dialog that open() opens offers, joined by "|".
  auto offered = [](const std::function<void()>& open) {
    QStringList items = {QStringLiteral("kein Druckdialog")};
    QTimer::singleShot(0, [&items] {
      auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      items.clear();
      if (auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers")))
        for (int i = 0; i < printers->count(); ++i) items << printers->itemText(i);
      dialog->reject();
    });
    open();
    return items.join(QLatin1Char('|'));
  };
  ASSERT_TRUE(offered([] { printing::printDialog(); }).contains(QStringLiteral("PDF")))
      << "the other print dialogs offer the output to a file";

  TZikoSAALEinstellungenDlg editor;
  gIntdat.AktionNeu = 1;
  editor.show();
  QTest::mouseClick(editor.RadioButtonDruckerEErg, Qt::LeftButton);
  const QString items = offered([&] { QTest::mouseClick(editor.ButtonEErgPrinterSuche, Qt::LeftButton); });
  ASSERT_NE(items, QStringLiteral("kein Druckdialog"));
  EXPECT_FALSE(items.contains(QStringLiteral("PDF"))) << fromQs(items);
}

}  // namespace
