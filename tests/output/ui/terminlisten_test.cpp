// The schedule view and the commands of the "Terminlisten" page on a real season.
#include <QTimer>
#include <memory>

#include "core/helpers.h"
#include "output/terminlisten.h"
#include "output/ui/ZikoNSAusgabenDlg.h"
#include "output/ui/ZikoNSTerminlistenDlg.h"
#include "platform/clipboard.h"
#include "platform/filedialog.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "support/filebytes.h"
#include "support/terminseason.h"

class TerminlistenSeite : public TerminSeasonTest {
 protected:
  void SetUp() override {
    TerminSeasonTest::SetUp();
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
  void waehleVerein(int index) {
    dlg->ComboBoxVrTl->setCurrentIndex(index);
    emit dlg->ComboBoxVrTl->activated(index);
  }
  // Shows the view through the page's command and returns its lines as the text writes them.
  std::string anzeigen() {
    QTimer::singleShot(0, ZikoNSTerminlistenDlg, [] { ZikoNSTerminlistenDlg->closeWith(mrCancel); });
    dlg->ButtonTLAnzeigenClick();
    std::string lines;
    const QTreeWidget* list = ZikoNSTerminlistenDlg->ListView1;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = list->topLevelItem(i);
      lines += fromQs(item->text(0)) + "\t\t" + fromQs(item->text(1)) + "\t\t" + fromQs(item->text(2)) + "\r\n";
    }
    return lines;
  }

  std::unique_ptr<TZikoNSAusgabenDlg> dlg;
};

TEST_F(TerminlistenSeite, ViewShowsTheChosenClubsLinesOnceByKeyNotByName) {
  run("UPDATE Vereine_gau SET Name='BSG Ost' WHERE Nummer=2;");  // two clubs of one name
  dlg->hide();
  dlg->show();
  ASSERT_EQ(dlg->ComboBoxVrTl->itemText(2), dlg->ComboBoxVrTl->itemText(4));
  waehleVerein(4);  // club 4, the second "BSG Ost"
  EXPECT_EQ(dlg->ComboBoxKlasseTrlist->count(), 3);
  anzeigen();
  const std::string lines = anzeigen();
  EXPECT_EQ(fromQs(ZikoNSTerminlistenDlg->windowTitle()), "Terminlisten Luftgewehr, Saison 2026/27, BSG Ost");
  EXPECT_EQ(ZikoNSTerminlistenDlg->ListView1->topLevelItemCount(), 18) << "both classes, each once";
  EXPECT_NE(WriteTxtTerminlisten(4, 0, "BSG Ost").find(lines), std::string::npos) << lines;

  waehleVerein(2);  // club 2: the first class only
  EXPECT_EQ(dlg->ComboBoxKlasseTrlist->count(), 2);
  EXPECT_EQ(anzeigen().find("Kreisklasse"), std::string::npos);
}

TEST_F(TerminlistenSeite, PrintsAreOneJobEachAndARefusedJobIsReported) {
  msg::ScriptedMessages boxes;
  ScriptedPrinting printing;
  waehleVerein(1);
  dlg->ButtonTLDrucken2Click();
  dlg->ButtonTerminlistenSerienDruckClick();
  ASSERT_EQ(printing.jobs().size(), 2u);
  EXPECT_EQ(printing.jobs()[0]->pages(), 2);
  EXPECT_NE(printing.jobs()[0]->findText("Terminlisten A & B <C>"), nullptr);
  EXPECT_EQ(printing.jobs()[1]->pages(), 6);
  EXPECT_EQ(boxes.count(), 0u);

  printing.printToPdf("/kein/ordner/terminlisten.pdf");
  dlg->ButtonTerminlistenSerienDruckClick();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Der Druck konnte nicht gestartet werden.");
  EXPECT_EQ(boxes.shown()[0].caption, "Fehler");
}

TEST_F(TerminlistenSeite, SaveKeepsTheTypedNameRightAndRemembersTheFolderOnlyOnSuccess) {
  msg::ScriptedMessages boxes;
  ScriptedFileDialogs files;
  const auto pfad = [] {
    return db::query(gDbPfade, "SELECT TerminlistenPfad FROM PfadeNeueSaison WHERE Disznr=0;").text(0, 0);
  };
  const std::string vorher = pfad();
  files.answer("/kein/ordner/liste.txt", 1);
  dlg->ButtonTLSpeichernUnter2Click();
  EXPECT_EQ(pfad(), vorher);
  EXPECT_EQ(files.asked()[0].title, "Terminlisten speichern unter");
  EXPECT_EQ(files.asked()[0].fileName, "Rwkterminlisten");
  EXPECT_EQ(files.asked()[0].filter, "Textdatei (*.txt)|*.txt|Html-Datei (*.html)|*.html");

  const struct {
    const char* typed;
    int filter;
    const char* saved;
  } cases[] = {{"a.txt.html", 2, "a.txt.html"}, {"a.txt.html", 1, "a.txt.txt"}, {"b.htm", 1, "b.txt"}};
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
