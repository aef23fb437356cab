// A run of the program from an empty folder to its end, the single-instance guard between
// two copies, and the program as a real process.
#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <filesystem>
#include <map>

#include "app/mainwindow.h"
#include "app/program.h"
#include "core/db.h"
#include "core/globals.h"
#include "core/settings.h"
#include "core/ui/ZikoDbOptDlg.h"
#include "platform/dialog.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "support/testenv.h"

namespace fs = std::filesystem;

namespace {

const char* const kWindowsInOrder[] = {
    "TZielKontorBssbDatenImportDlg", "TZikoErgEingabeDlg", "TZikoVereineBearbeitenDlg",
    "TZikoSchuetzenBearbeitenDlg", "TZikoInfoDlg", "TZikoNSSaisonNameDlg", "TZikoTermineDlg",
    "TZikoMklEinteilungDlg", "TZikoMklBearbeitenDlg", "TFenkLBearbeitenEinzlergebnisseDlg",
    "TFenkLBearbeitenMschsergebnisseDlg", "TZikoSortierteAusgabeDlg",
    "TZikoSchuetzenAnzeigenDlg", "TFenkLDateiNeuDlg", "TZikoDiszbezDlg", "TZikoWklAdressenDlg",
    "TZikoStandbelegungenDlg", "TZikoNeuerSchuetzeDlg", "TZikoErgebnisformatDlg",
    "TZikoNSStartTabDlg", "TZikoNSTerminlistenDlg", "TZikoEinstHtmlDlg", "TZikoDbOptDlg",
    "TZikoNSMklEinstellungenDlg", "TZikoJahrgangsklassenDlg", "TZikoSAAktionslisteDlg",
    "TZikoMannschaftsfuehrerDlg", "TZikoNSAusgabenDlg", "TZikoNSErgLoeschenDlg",
    "TZikoNeueSaisonDlg", "TZikoNSMschFuehrerAnzeigenDlg", "TZikoSAALEinstellungenDlg",
    "TZikoErgRmeDatenDlg", "TZikoRmeUrlDlg", "TDownloadDialog1", "TZikoAutomaticDlg",
    "TZikoAutomaticEinstellungenDlg", "TZikoSortierteAusgabeUrkundendruckDlg",
    "TZkoEinstWebzugangDlg", "TZikoNSStammschuetzenEditDlg", "TZikoDiszImportDlg"};

const char* const kDatabaseFiles[] = {"zielkontor.db", "zikopfade.db", "zikoagenda.db",
                                      "zikostammdaten.db", "zikoautoimpexp.db"};

// Name, size and time of every file of a folder.
std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> folderState(const std::string& dir) {
  std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> state;
  for (const auto& e : fs::directory_iterator(dir))
    state[e.path().filename().string()] = {e.is_regular_file() ? e.file_size() : 0,
                                           e.last_write_time()};
  return state;
}

QString programPath() {
  return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../ZielKontor"));
}

bool waitForFile(const std::string& path, int ms = 15000) {
  for (int waited = 0; waited < ms; waited += 50) {
    if (fs::exists(path)) return true;
    QThread::msleep(50);
  }
  return false;
}

// The program started as a process of its own in a folder, sharing this test's runtime
// folder (and so its single-instance lock).
class ProgramProcess {
 public:
  explicit ProgramProcess(const std::string& dir) {
    process.setWorkingDirectory(qs(dir));
    process.setProgram(programPath());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start();
  }
  ~ProgramProcess() {
    if (process.state() != QProcess::NotRunning) {
      process.kill();
      process.waitForFinished(5000);
    }
  }
  // The databases exist once the guard is held; the start-up has gone through when the
  // folder stops changing (the upgrade probes write after the files appear).
  bool waitUntilRunning(const std::string& dir) {
    if (!process.waitForStarted(5000) || !waitForFile(dir + "/zikoautoimpexp.db")) return false;
    auto seen = folderState(dir);
    for (int waited = 0; waited < 15000; waited += 300) {
      QThread::msleep(300);
      auto now = folderState(dir);
      if (now == seen) return true;
      seen = std::move(now);
    }
    return false;
  }
  QProcess process;
};

class ProgramStart : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QFileInfo::exists(programPath())) GTEST_SKIP() << "the program is not built";
  }
};

}  // namespace

TEST(ProgramRunTest, FirstStartInEmptyFolderCreatesDatabasesWindowsAndSettingsAtExit) {
  ScopedWorkDir dir;
  msg::ScriptedMessages messages;
  {
    ProgramRun run;
    ASSERT_TRUE(run.start());
    for (const char* file : kDatabaseFiles) EXPECT_TRUE(fs::exists(dir.file(file))) << file;
    EXPECT_FALSE(fs::exists(dir.file("Zikoconfig.cnf")));
    EXPECT_EQ(help::folder(), dir.path() + "/help");
    EXPECT_EQ(helpFile(), dir.path() + "/ZIELKONTOR.CHM");

    // The main window first, then the other windows as its children in creation order.
    ASSERT_NE(Form1, nullptr);
    std::vector<std::string> created;
    for (QObject* child : Form1->children())
      if (qobject_cast<ZDialog*>(child)) created.push_back(child->metaObject()->className());
    ASSERT_EQ(created.size(), std::size(kWindowsInOrder));
    for (size_t i = 0; i < created.size(); ++i)
      EXPECT_EQ(created[i], kWindowsInOrder[i]) << "window " << i + 2;

    Form1->show();
    EXPECT_EQ(fromQs(Form1->windowTitle()).rfind("Zielkontorzentrale Testgau Saison ", 0), 0u);
    run.end();
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(gDbHaupt, nullptr);
  }
  ASSERT_TRUE(fs::exists(dir.file("Zikoconfig.cnf")));
  EXPECT_EQ(fs::file_size(dir.file("Zikoconfig.cnf")), 2308u);
  EXPECT_EQ(messages.count(), 0u);
}

// A run that ends while windows are still shown (a signal, an exception): an editing window
// takes back its changes while the database is still open, and a running clean-up finishes
// on its connection before the settings are saved.
TEST(ProgramRunTest, EndingWithWindowsShownClosesThemBeforeTheDatabases) {
  ScopedWorkDir dir;
  msg::ScriptedMessages messages;
  {
    ProgramRun run;
    ASSERT_TRUE(run.start());
    auto* editing = new ZDialog(Form1);
    editing->setEditTransaction(db::editTransaction(gDbHaupt));
    editing->show();
    db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (9, 'gespeichert');");
    editing->closeWith(mrOk);
    editing->show();
    ASSERT_TRUE(editing->transactionOpen());
    db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (10, 'ungespeichert');");
    run.end();
  }
  sqlite3* saved = db::open(dir.file("zielkontor.db"));
  EXPECT_EQ(db::query(saved, "SELECT Nummer FROM Vereine_gau WHERE Nummer IN (9, 10);").rows,
            (std::vector<std::vector<std::string>>{{"9"}}));
  db::close(saved);

  {
    ProgramRun run;
    ASSERT_TRUE(run.start());
    db::exec(gDbHaupt, "INSERT INTO Mscherg (Mklnr, Vrnr, Ringerg, Disznr) VALUES (1, 0, 5, 0);");
    gEinstellungen.AktDisznr = 2;
    ZikoDbOptDlg->show();
    run.end();
  }
  gEinstellungen.AktDisznr = 5;
  ASSERT_TRUE(LoadSettings(dir.file("Zikoconfig.cnf")));
  EXPECT_EQ(gEinstellungen.AktDisznr, 0) << "the clean-up ended before the settings were saved";
  saved = db::open(dir.file("zielkontor.db"));
  EXPECT_TRUE(db::query(saved, "SELECT * FROM Mscherg WHERE Vrnr=0;").empty());
  db::close(saved);
  EXPECT_EQ(messages.count(), 0u) << (messages.count() ? messages.shown()[0].text : "");
}

TEST(ProgramRunTest, FolderThatCannotBeWrittenEndsTheRunAfterOneMessage) {
  if (runningAsRoot()) GTEST_SKIP() << "root can write every folder";
  ScopedWorkDir dir;
  msg::ScriptedMessages messages;
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  {
    ProgramRun run;
    EXPECT_FALSE(run.start());
    run.end();
    EXPECT_EQ(Form1, nullptr);
  }
  fs::permissions(dir.path(), fs::perms::owner_all);
  ASSERT_EQ(messages.count(), 1u);
  EXPECT_EQ(messages.shown()[0].caption, "Fehler");
  EXPECT_EQ(messages.shown()[0].text, "Im Ordner\n" + dir.path() + "\nkönnen keine Daten gespeichert werden.");
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST_F(ProgramStart, SecondCopyIsRefusedWithoutTouchingAFileAndStartsAfterTheFirstDied) {
  ScopedWorkDir dir;
  ProgramProcess first(dir.path());
  ASSERT_TRUE(first.waitUntilRunning(dir.path()));
  auto before = folderState(dir.path());

  {
    msg::ScriptedMessages messages;
    ProgramRun second;
    EXPECT_FALSE(second.start());
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Programm ZielKontor.exe läuft bereits!");
    EXPECT_EQ(messages.shown()[0].caption, "Meldung");
    second.end();
    EXPECT_EQ(gDbHaupt, nullptr);
    EXPECT_EQ(Form1, nullptr);
  }
  EXPECT_EQ(folderState(dir.path()), before);

  // A copy that dies without its shut-down leaves no guard behind.
  first.process.kill();
  ASSERT_TRUE(first.process.waitForFinished(5000));
  ScopedWorkDir other;
  msg::ScriptedMessages messages;
  ProgramRun next;
  EXPECT_TRUE(next.start());
  next.end();
  EXPECT_FALSE(messages.contains("läuft bereits"));
}

TEST_F(ProgramStart, ProcessEndedByASignalSavesItsSettings) {
  for (int sig : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(sig);
    ScopedWorkDir dir;
    ProgramProcess program(dir.path());
    ASSERT_TRUE(program.waitUntilRunning(dir.path()));
    QThread::msleep(300);
    ::kill(static_cast<pid_t>(program.process.processId()), sig);
    ASSERT_TRUE(program.process.waitForFinished(10000));
    EXPECT_EQ(program.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.process.exitCode(), 0);
    ASSERT_TRUE(fs::exists(dir.file("Zikoconfig.cnf")));
    EXPECT_EQ(fs::file_size(dir.file("Zikoconfig.cnf")), 2308u);
  }
}

// On a real X display (xvfb-run) the main window appears with its caption.
TEST_F(ProgramStart, MainWindowAppearsOnADisplay) {
  QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
  QString xwininfo = QStandardPaths::findExecutable(QStringLiteral("xwininfo"));
  if (xvfb.isEmpty() || xwininfo.isEmpty()) GTEST_SKIP() << "xvfb-run or xwininfo missing";
  ScopedWorkDir dir;
  const QString script = QStringLiteral(
      "\"$0\" & pid=$!\n"
      "found=1\n"
      "for i in $(seq 1 100); do\n"
      "  if xwininfo -root -tree | grep -q 'Zielkontorzentrale Testgau'; then found=0; break; fi\n"
      "  sleep 0.1\n"
      "done\n"
      "kill -TERM $pid; wait $pid\n"
      "exit $found\n");
  QProcess run;
  run.setWorkingDirectory(qs(dir.path()));
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  run.setProcessEnvironment(env);
  run.start(xvfb, {QStringLiteral("-a"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                   programPath()});
  ASSERT_TRUE(run.waitForFinished(60000));
  EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
  EXPECT_TRUE(fs::exists(dir.file("Zikoconfig.cnf")));
}
