// The schedule view and the commands of the "Terminlisten" page on a real season.
#include <QTimer>
#include <memory>

#include "output/terminlisten.h"
#include "output/ui/ZikoNSAusgabenDlg.h"
#include "output/ui/ZikoNSTerminlistenDlg.h"
#include "platform/clipboard.h"
#include "platform/filedialog.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "support/combos.h"
#include "support/filebytes.h"
#include "support/pdftext.h"
#include "support/terminseason.h"

class TerminlistenSeite : public TerminSeasonTest {
 protected:
  void SetUp() override {
    TerminSeasonTest::SetUp();
    exec("UPDATE Vereine_gau SET Name='BSG Ost' WHERE Nummer=2;");  // two clubs of one name
    dlg = std::make_unique<TZikoNSAusgabenDlg>();
    ZikoNSAusgabenDlg = dlg.get();
    ZikoNSTerminlistenDlg = new TZikoNSTerminlistenDlg(dlg.get());
    dlg->show();
  }
  void TearDown() override {
    ZikoNSAusgabenDlg = nullptr;
    ZikoNSTerminlistenDlg = nullptr;
    dlg.reset();
    TerminSeasonTest::TearDown();
  }
  void waehleVerein(int index) { waehle(dlg->ComboBoxVrTl, index); }
  // Shows the view through the page's command; its lines as the text writes them.
  std::string anzeigen() {
    QTimer::singleShot(0, ZikoNSTerminlistenDlg, [] { ZikoNSTerminlistenDlg->closeWith(mrCancel); });
    dlg->ButtonTLAnzeigenClick();
    std::string lines;
    const QTreeWidget* list = ZikoNSTerminlistenDlg->ListView1;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      for (int c = 0; c < 3; ++c) lines += fromQs(list->topLevelItem(i)->text(c)) + (c < 2 ? "\t\t" : "\r\n");
    return lines;
  }

  std::unique_ptr<TZikoNSAusgabenDlg> dlg;
};

TEST_F(TerminlistenSeite, ViewShowsTheChosenClubsLinesOnceByKeyNotByName) {
  waehleVerein(4);  // club 4, the second "BSG Ost"
  EXPECT_EQ(dlg->ComboBoxKlasseTrlist->count(), 3);
  anzeigen();
  const std::string lines = anzeigen();
  EXPECT_EQ(fromQs(ZikoNSTerminlistenDlg->windowTitle()), "Terminlisten Luftgewehr, Saison 2026/27, BSG Ost");
  EXPECT_EQ(ZikoNSTerminlistenDlg->ListView1->topLevelItemCount(), 18) << "both classes, each once";
  EXPECT_TRUE(WriteTxtTerminlisten(4, 0, "BSG Ost").ends_with(lines + "\r\nWettkampfleiter: Wettkampfleiter 1, Fax: 123, Mail: wettkampfleiter@example.org\r\n"));
  waehleVerein(2);  // club 2: the first class only
  EXPECT_EQ(dlg->ComboBoxKlasseTrlist->count(), 2);
  EXPECT_FALSE(anzeigen().find("Kreisklasse") != std::string::npos);
}

TEST_F(TerminlistenSeite, PrintsAreOneJobEachClubsClassesOnceAndARefusedJobIsReported) {
  msg::ScriptedMessages boxes;
  ScriptedPrinting printing;
  dlg->ButtonTerminlistenSerienDruckClick();
  ASSERT_EQ(printing.jobs().size(), 1u);
  std::string heads;
  for (const PrintCall& c : printing.jobs()[0]->texts())
    if (c.text.starts_with("Terminlisten ") || c.text.starts_with("Klasse ")) heads += str(c.page) + c.text + "|";
  EXPECT_EQ(heads, "1Terminlisten A & B <C>|1Klasse Kreisliga|2Terminlisten A & B <C>|2Klasse Kreisklasse|"
                   "3Terminlisten BSG Ost|3Klasse Kreisliga|4Terminlisten SV Süd|4Klasse Kreisliga|"
                   "5Terminlisten BSG Ost|5Klasse Kreisliga|6Terminlisten BSG Ost|6Klasse Kreisklasse|");

  const std::string pdf = dir->file("terminlisten.pdf");
  printing.printToPdf(pdf);
  waehleVerein(1);
  dlg->ButtonTLDrucken2Click();
  const std::string text = pdfText(pdf);
  ASSERT_FALSE(text.empty()) << "nothing read back from " << pdf;
  for (const char* part : {"Terminlisten A & B <C>", "Klasse Kreisklasse", "Durchgang Nr: 4 am 20.11.", "BSG Ost II", "- frei"})
    EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;

  EXPECT_EQ(boxes.count(), 0u);
  printing.printToPdf("/kein/ordner/terminlisten.pdf");
  dlg->ButtonTerminlistenSerienDruckClick();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text + boxes.shown()[0].caption, "Der Druck konnte nicht gestartet werden.Fehler");
}

TEST_F(TerminlistenSeite, SaveKeepsTheTypedNameRightAndRemembersTheFolderOnlyOnSuccess) {
  msg::ScriptedMessages boxes;
  ScriptedFileDialogs files;
  const auto pfad = [] { return db::query(gDbPfade, "SELECT TerminlistenPfad FROM PfadeNeueSaison WHERE Disznr=0;").text(0, 0); };
  const std::string vorher = pfad();
  files.answer("/kein/ordner/liste.txt", 1);
  dlg->ButtonTLSpeichernUnter2Click();
  EXPECT_EQ(pfad(), vorher);
  EXPECT_EQ(files.asked()[0].title + "|" + files.asked()[0].fileName + "|" + files.asked()[0].filter,
            "Terminlisten speichern unter|Rwkterminlisten|Textdatei (*.txt)|*.txt|Html-Datei (*.html)|*.html");

  const struct {
    const char *typed, *saved;
    int filter;
  } cases[] = {{"a.txt.html", "a.txt.html", 2}, {"a.txt.html", "a.txt.txt", 1}, {"b.htm", "b.txt", 1}};
  for (const auto& c : cases) {
    boxes.clear();
    files.answer(dir->file(c.typed), c.filter);
    dlg->ButtonTLSpeichernUnter2Click();
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, dir->file(c.saved) + " \nerfolgreich gespeichert!");
  }
  EXPECT_EQ(pfad(), dir->path());
  EXPECT_NE(readFileBytes(dir->file("a.txt.html")).find("<h3>Terminlisten 2026/27</h3>"), std::string::npos);
  dlg->ButtonTLClipboardClick();
  EXPECT_EQ(clipboard::text(), readFileBytes(dir->file("b.txt")));
}
