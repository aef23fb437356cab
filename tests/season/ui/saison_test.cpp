// The new-season hub: its discipline menu and captions, the season name, and the wizard
// that leads through classes, dates, pairings and class settings.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QApplication>
#include <QSignalBlocker>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/db.h"
#include "core/globals.h"
#include "output/ui/ZikoNSAusgabenDlg.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "season/saison.h"
#include "season/ui/ZikoMannschaftsfuehrerDlg.h"
#include "season/ui/ZikoMklBearbeitenDlg.h"
#include "season/ui/ZikoMklEinteilungDlg.h"
#include "season/ui/ZikoNSErgLoeschenDlg.h"
#include "season/ui/ZikoNSMklEinstellungenDlg.h"
#include "season/ui/ZikoNSSaisonNameDlg.h"
#include "season/ui/ZikoNSStammschuetzenEditDlg.h"
#include "season/ui/ZikoNeueSaisonDlg.h"
#include "season/ui/ZikoTermineDlg.h"
#include "support/testenv.h"

namespace {

TEST(SeasonWizardSteps, OneMovesOnTwoOrThreeEndOthersRepeat) {
  struct Case {
    std::vector<std::vector<int>> results;  // per step, the results it gives in turn
    std::string shown;                      // steps shown, by number
    int confirmed;
  };
  const Case cases[] = {
      {{{1}, {1}, {1}, {1}}, "1234", 4},
      {{{0, 5, -1, 1}, {1}, {3}, {1}}, "11112 3", 2},
      {{{1}, {2}, {1}, {1}}, "12", 1},
      {{{2}, {1}, {1}, {1}}, "1", 0},
      {{{1}, {1}, {1}, {4, 1}}, "12344", 4},
  };
  for (const Case& c : cases) {
    std::string shown;
    std::vector<size_t> next(4, 0);
    std::vector<std::function<int()>> steps;
    for (int s = 0; s < 4; ++s)
      steps.push_back([&, s] {
        shown += static_cast<char>('1' + s);
        return c.results[s][next[s]++];
      });
    int confirmed = runSeasonWizard(steps);
    std::string expected = c.shown;
    std::erase(expected, ' ');
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(confirmed, c.confirmed) << expected;
  }
}

class NeueSaison : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    gEinstellungen.AktDisznr = 0;
    hub = std::make_unique<TZikoNeueSaisonDlg>();
  }
  void TearDown() override {
    hub.reset();
    DatabaseTest::TearDown();
  }

  std::string text(QAction* a) { return fromQs(a->text()); }

  std::unique_ptr<TZikoNeueSaisonDlg> hub;
};

TEST_F(NeueSaison, DisciplineItemsCarryTheirNumbers) {
  db::exec(gDbHaupt, "INSERT INTO Disznamen (Nr, Bezeichnung, Saisonname) VALUES (2, 'KK & Sport', '2030');");
  hub->show();
  QList<QAction*> items = hub->Disziplin1->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_TRUE(items[0]->isChecked());
  EXPECT_EQ(fromQs(hub->windowTitle()), "Zielkontorzentrale Testgau - Neue Saison Luftgewehr");

  hub->DisziplinClick(items[2]);
  EXPECT_EQ(gEinstellungen.AktDisznr, 2);
  EXPECT_FALSE(items[0]->isChecked());
  EXPECT_TRUE(items[2]->isChecked());
  EXPECT_EQ(fromQs(hub->windowTitle()), "Zielkontorzentrale Testgau - Neue Saison KK & Sport");
  EXPECT_EQ(fromQs(hub->Label2->text()), "KK & Sport\n2030");
  EXPECT_EQ(text(hub->Termine1), "Wettkampftermine KK && Sport");
  EXPECT_EQ(text(hub->Lschen1), "Löschen Daten KK && Sport");
  EXPECT_EQ(text(hub->Gegnereinteilungbearbeiten1), "Bearbeiten Gegnereinteilung KK && Sport");
  EXPECT_EQ(text(hub->Mannschaftsfhrer1), "Mannschaftsleiter KK && Sport");
  hub->close();

  // With a gap in the numbers the second item is discipline 2, and it stays chosen.
  db::exec(gDbHaupt, "DELETE FROM Disznamen WHERE Nr=1;");
  gEinstellungen.AktDisznr = 0;
  hub->show();
  items = hub->Disziplin1->actions();
  ASSERT_EQ(items.size(), 2);
  hub->DisziplinClick(items[1]);
  EXPECT_EQ(gEinstellungen.AktDisznr, 2);
  hub->close();
  hub->show();
  EXPECT_TRUE(hub->Disziplin1->actions()[1]->isChecked());
}

TEST_F(NeueSaison, SeasonNameIsStoredOnlyWhenConfirmed) {
  db::exec(gDbHaupt, "UPDATE Disznamen SET Saisonname='2026/2027' WHERE Nr=1;");
  gEinstellungen.AktDisznr = 1;
  TZikoNSSaisonNameDlg dlg;
  auto season = [] {
    return db::query(gDbHaupt, "SELECT Saisonname FROM Disznamen WHERE Nr=1;").text(0, 0);
  };

  dlg.show();
  EXPECT_EQ(fromQs(dlg.windowTitle()), "Neue Saison Luftpistole");
  EXPECT_EQ(fromQs(dlg.GroupBox1->title()), "Saisonbezeichnung Luftpistole");
  EXPECT_EQ(fromQs(dlg.EditNeueSaison->text()), "2026/2027");
  dlg.EditNeueSaison->setText(qs("Rückrunde \"B\""));
  QTest::keyClick(dlg.EditNeueSaison, Qt::Key_Escape);
  EXPECT_EQ(dlg.result(), 2);
  EXPECT_EQ(season(), "2026/2027");

  dlg.show();
  dlg.EditNeueSaison->setText(qs("Rückrunde \"B\""));
  dlg.close();
  EXPECT_EQ(season(), "2026/2027");

  dlg.show();
  dlg.EditNeueSaison->setText(qs("Rückrunde \"B\""));
  dlg.ButtonUebernehmenClick();
  EXPECT_EQ(dlg.result(), 1);
  EXPECT_NE(sqlite3_get_autocommit(gDbHaupt), 0);
  EXPECT_EQ(season(), "Rückrunde \"B\"");

  dlg.show();
  dlg.EditNeueSaison->clear();
  dlg.ButtonUebernehmenClick();
  EXPECT_EQ(season(), "");

  // A name that cannot be stored is not reported as taken: the window stays open.
  db::exec(gDbHaupt,
           "CREATE TRIGGER kein_name BEFORE UPDATE ON Disznamen BEGIN SELECT RAISE(ABORT, 'gesperrt'); END;");
  msg::ScriptedMessages boxes;
  dlg.show();
  dlg.EditNeueSaison->setText(qs("2030"));
  dlg.ButtonUebernehmenClick();
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(boxes.count(), 1u);
  dlg.close();
  EXPECT_EQ(dlg.result(), 2);
  EXPECT_EQ(season(), "");
}

// Answers the modal windows the wizard opens: each time one is active, the action given
// for it runs (and must close it); the windows shown are recorded by name.
class ModalDriver {
 public:
  using Action = std::function<void(ZDialog*)>;
  void on(ZDialog* window, const std::string& name, std::vector<Action> actions) {
    names_[window] = name;
    actions_[window] = std::move(actions);
  }
  void start() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* window = qobject_cast<ZDialog*>(QApplication::activeModalWidget());
      if (!window || window == busy_) return;
      busy_ = window;
      shown_ += (shown_.empty() ? "" : " ") + names_[window];
      auto& todo = actions_[window];
      if (todo.empty() || ++guard_ > 50) {
        window->closeWith(mrCancel);  // unexpected: end the wizard rather than hang
      } else {
        Action act = todo.front();
        todo.erase(todo.begin());
        act(window);
      }
      busy_ = nullptr;
    });
    timer_.start();
  }
  const std::string& shown() const { return shown_; }

 private:
  QTimer timer_;
  std::map<ZDialog*, std::string> names_;
  std::map<ZDialog*, std::vector<Action>> actions_;
  std::string shown_;
  ZDialog* busy_ = nullptr;
  int guard_ = 0;
};

class SeasonWizard : public NeueSaison {
 protected:
  void SetUp() override {
    NeueSaison::SetUp();
    db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (2, 'Verein 2'), (3, 'Verein 3');");
    ZikoMklEinteilungDlg = new TZikoMklEinteilungDlg(hub.get());
    ZikoTermineDlg = new TZikoTermineDlg(hub.get());
    ZikoMklBearbeitenDlg = new TZikoMklBearbeitenDlg(hub.get());
    ZikoNSMklEinstellungenDlg = new TZikoNSMklEinstellungenDlg(hub.get());
    driver.on(ZikoMklEinteilungDlg, "classes", {});
    driver.on(ZikoTermineDlg, "dates", {});
    driver.on(ZikoMklBearbeitenDlg, "pairings", {});
    driver.on(ZikoNSMklEinstellungenDlg, "settings", {});
  }
  void TearDown() override {
    ZikoMklEinteilungDlg = nullptr;
    ZikoTermineDlg = nullptr;
    ZikoMklBearbeitenDlg = nullptr;
    ZikoNSMklEinstellungenDlg = nullptr;
    NeueSaison::TearDown();
  }

  // A class of three teams, confirmed.
  static void makeClass(ZDialog* window) {
    auto* dlg = static_cast<TZikoMklEinteilungDlg*>(window);
    dlg->ButtonMklNeuClick();
    for (long club : {1L, 2L, 3L}) {
      dlg->ButtonMschNeuClick();
      QSignalBlocker block(dlg->ListBoxVereine);
      dlg->ListBoxVereine->setCurrentRow(rowOfKey(dlg->ListBoxVereine, club));
      dlg->ListBoxVereineClick();
    }
    dlg->ButtonUebernehmenClick();
  }
  static void confirm(ZDialog* window) { window->closeWith(mrOk); }
  static void escape(ZDialog* window) { QTest::keyClick(window, Qt::Key_Escape); }
  static void closeBox(ZDialog* window) { window->close(); }

  long count(const char* sql) { return db::query(gDbHaupt, sql).num(0, 0); }

  ModalDriver driver;
};

TEST_F(SeasonWizard, CancellingTheDatesKeepsTheConfirmedClasses) {
  driver.on(ZikoMklEinteilungDlg, "classes", {makeClass});
  driver.on(ZikoTermineDlg, "dates", {escape});
  driver.start();
  hub->EinteilungundGegnerzuteilung1Click();
  EXPECT_EQ(driver.shown(), "classes dates");
  EXPECT_EQ(ZikoTermineDlg->result(), 2);
  EXPECT_NE(sqlite3_get_autocommit(gDbHaupt), 0);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Msch_in_klassen WHERE Mklnr=1;"), 3);
  EXPECT_EQ(count("SELECT AnzahlTermine FROM Mschklassen WHERE Nr=1;"), 6);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Gegner WHERE Mklnr=1;"), 12);
}

TEST_F(SeasonWizard, OtherResultsRepeatAStepAndTheCloseBoxEndsIt) {
  driver.on(ZikoMklEinteilungDlg, "classes",
            {[](ZDialog* w) { w->closeWith(mrNone); }, [](ZDialog* w) { w->closeWith(7); }, closeBox});
  driver.start();
  hub->EinteilungundGegnerzuteilung1Click();
  EXPECT_EQ(driver.shown(), "classes classes classes");
  EXPECT_EQ(ZikoMklEinteilungDlg->result(), 2);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Mschklassen;"), 0);
}

TEST_F(SeasonWizard, AllFourStepsInTurn) {
  driver.on(ZikoMklEinteilungDlg, "classes", {makeClass});
  driver.on(ZikoTermineDlg, "dates", {confirm});
  driver.on(ZikoMklBearbeitenDlg, "pairings", {confirm});
  driver.on(ZikoNSMklEinstellungenDlg, "settings", {escape});
  driver.start();
  hub->EinteilungundGegnerzuteilung1Click();
  EXPECT_EQ(driver.shown(), "classes dates pairings settings");
  EXPECT_EQ(count("SELECT COUNT(*) FROM Gegner WHERE Mklnr=1;"), 12);
}

TEST_F(SeasonWizard, EveryMenuItemOpensItsWindow) {
  ZikoNSSaisonNameDlg = new TZikoNSSaisonNameDlg(hub.get());
  ZikoNSErgLoeschenDlg = new TZikoNSErgLoeschenDlg(hub.get());
  ZikoNSStammschuetzenEditDlg = new TZikoNSStammschuetzenEditDlg(hub.get());
  ZikoMannschaftsfuehrerDlg = new TZikoMannschaftsfuehrerDlg(hub.get());
  ZikoNSAusgabenDlg = new TZikoNSAusgabenDlg(hub.get());
  hub->Saisondokumente = ZikoNSAusgabenDlg;
  const std::vector<std::pair<ZDialog*, std::string>> windows = {
      {ZikoNSSaisonNameDlg, "name"},
      {ZikoNSErgLoeschenDlg, "delete"},
      {ZikoNSStammschuetzenEditDlg, "regulars"},
      {ZikoMannschaftsfuehrerDlg, "captains"},
      {ZikoNSAusgabenDlg, "outputs"}};
  for (const auto& [window, name] : windows) driver.on(window, name, {escape});
  driver.on(ZikoTermineDlg, "dates", {escape});
  driver.on(ZikoMklBearbeitenDlg, "pairings", {escape});
  driver.on(ZikoNSMklEinstellungenDlg, "settings", {escape});
  driver.start();
  hub->show();
  for (QAction* item : {hub->Lschen1, hub->Saisonbezeichnung1, hub->Termine1, hub->Gegnereinteilungbearbeiten1,
                        hub->Einstellungen1, hub->Mannschaftsstammschtzen1, hub->Mannschaftsfhrer1,
                        hub->AusgabenaufDruckerinDatei1})
    item->trigger();
  EXPECT_EQ(driver.shown(), "delete name dates pairings settings regulars captains outputs");
  EXPECT_TRUE(hub->isVisible()) << "the hub stays open behind its windows";

  QTest::keyClick(hub.get(), Qt::Key_Escape);
  EXPECT_FALSE(hub->isVisible());
  ZikoNSSaisonNameDlg = nullptr;
  ZikoNSErgLoeschenDlg = nullptr;
  ZikoNSStammschuetzenEditDlg = nullptr;
  ZikoMannschaftsfuehrerDlg = nullptr;
  ZikoNSAusgabenDlg = nullptr;
}

}  // namespace
