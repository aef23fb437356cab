#include "app/program.h"

#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <functional>
#include <thread>
#include <vector>

#include "app/application.h"
#include "app/mainwindow.h"
#include "core/globals.h"
#include "core/startup.h"
#include "core/ui/FenkLDateiNeuDlg.h"
#include "core/ui/ZikoDbOptDlg.h"
#include "core/ui/ZikoInfoDlg.h"
#include "entry/ui/FenkLBearbeitenEinzlergebnisseDlg.h"
#include "entry/ui/FenkLBearbeitenMschsergebnisseDlg.h"
#include "entry/ui/ZikoErgEingabeDlg.h"
#include "exchange/ui/DownloadDialog1.h"
#include "exchange/ui/ZielKontorBssbDatenImportDlg.h"
#include "exchange/ui/ZikoAutomaticDlg.h"
#include "exchange/ui/ZikoAutomaticEinstellungenDlg.h"
#include "exchange/ui/ZikoDiszImportDlg.h"
#include "exchange/ui/ZikoErgRmeDatenDlg.h"
#include "exchange/ui/ZikoRmeUrlDlg.h"
#include "exchange/ui/ZkoEinstWebzugangDlg.h"
#include "masterdata/ui/ZikoDiszbezDlg.h"
#include "masterdata/ui/ZikoJahrgangsklassenDlg.h"
#include "masterdata/ui/ZikoNeuerSchuetzeDlg.h"
#include "masterdata/ui/ZikoSchuetzenAnzeigenDlg.h"
#include "masterdata/ui/ZikoSchuetzenBearbeitenDlg.h"
#include "masterdata/ui/ZikoVereineBearbeitenDlg.h"
#include "masterdata/ui/ZikoWklAdressenDlg.h"
#include "output/ui/ZikoEinstHtmlDlg.h"
#include "output/ui/ZikoErgebnisformatDlg.h"
#include "output/ui/ZikoNSAusgabenDlg.h"
#include "output/ui/ZikoNSStartTabDlg.h"
#include "output/ui/ZikoNSTerminlistenDlg.h"
#include "output/ui/ZikoSAALEinstellungenDlg.h"
#include "output/ui/ZikoSAAktionslisteDlg.h"
#include "output/ui/ZikoSortierteAusgabeUrkundendruckDlg.h"
#include "platform/dialog.h"
#include "platform/hyphenation.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "platform/widgets.h"
#include "output/ui/ZikoSortierteAusgabeDlg.h"
#include "season/ui/ZikoMannschaftsfuehrerDlg.h"
#include "season/ui/ZikoMklBearbeitenDlg.h"
#include "season/ui/ZikoMklEinteilungDlg.h"
#include "season/ui/ZikoNSErgLoeschenDlg.h"
#include "season/ui/ZikoNSMklEinstellungenDlg.h"
#include "season/ui/ZikoNSMschFuehrerAnzeigenDlg.h"
#include "season/ui/ZikoNSSaisonNameDlg.h"
#include "season/ui/ZikoNSStammschuetzenEditDlg.h"
#include "season/ui/ZikoNeueSaisonDlg.h"
#include "season/ui/ZikoStandbelegungenDlg.h"
#include "season/ui/ZikoTermineDlg.h"

namespace {

std::string gHelpFile;
std::vector<std::function<void()>> gClearPointers;

template <class Window>
void create(Window*& global) {
  global = new Window(Form1);
  gClearPointers.push_back([&global] { global = nullptr; });
}

// SIGTERM (`kill`) ends the run the normal way, settings saved and windows closed.
int gSignalPipe[2] = {-1, -1};

void onTerminateSignal(int) {
  char c = 1;
  ssize_t written = write(gSignalPipe[1], &c, 1);
  (void)written;
}

void endOnTerminateSignal(QObject* owner) {
  if (pipe(gSignalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, owner);
  QObject::connect(notifier, &QSocketNotifier::activated, owner, [] {
    char c;
    ssize_t got = read(gSignalPipe[0], &c, 1);
    (void)got;
    QCoreApplication::exit(0);
  });
  struct sigaction action {};
  action.sa_handler = onTerminateSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  // The end of the session (hang-up) and Ctrl+C in the terminal end it the same way.
  for (int sig : {SIGTERM, SIGHUP, SIGINT}) sigaction(sig, &action, nullptr);
}

}  // namespace

const std::string& helpFile() { return gHelpFile; }

void CreateWindows() {
  // The first window is the main window; all others are its children.
  Form1 = new TForm1;
  gClearPointers.push_back([] { Form1 = nullptr; });
  create(ZielKontorBssbDatenImportDlg);
  create(ZikoErgEingabeDlg);
  create(ZikoVereineBearbeitenDlg);
  create(ZikoSchuetzenBearbeitenDlg);
  create(ZikoInfoDlg);
  create(ZikoNSSaisonNameDlg);
  create(ZikoTermineDlg);
  create(ZikoMklEinteilungDlg);
  create(ZikoMklBearbeitenDlg);
  create(FenkLBearbeitenEinzlergebnisseDlg);
  create(FenkLBearbeitenMschsergebnisseDlg);
  create(ZikoSortierteAusgabeDlg);
  create(ZikoSchuetzenAnzeigenDlg);
  create(FenkLDateiNeuDlg);
  create(ZikoDiszbezDlg);
  create(ZikoWklAdressenDlg);
  create(ZikoStandbelegungenDlg);
  create(ZikoNeuerSchuetzeDlg);
  create(ZikoErgebnisformatDlg);
  create(ZikoNSStartTabDlg);
  create(ZikoNSTerminlistenDlg);
  create(ZikoEinstHtmlDlg);
  create(ZikoDbOptDlg);
  create(ZikoNSMklEinstellungenDlg);
  create(ZikoJahrgangsklassenDlg);
  create(ZikoSAAktionslisteDlg);
  create(ZikoMannschaftsfuehrerDlg);
  create(ZikoNSAusgabenDlg);
  create(ZikoNSErgLoeschenDlg);
  create(ZikoNeueSaisonDlg);
  create(ZikoNSMschFuehrerAnzeigenDlg);
  create(ZikoSAALEinstellungenDlg);
  create(ZikoErgRmeDatenDlg);
  create(ZikoRmeUrlDlg);
  create(DownloadDialog1);
  create(ZikoAutomaticDlg);
  create(ZikoAutomaticEinstellungenDlg);
  create(ZikoSortierteAusgabeUrkundendruckDlg);
  create(ZkoEinstWebzugangDlg);
  create(ZikoNSStammschuetzenEditDlg);
  create(ZikoDiszImportDlg);
  ZikoNeueSaisonDlg->Saisondokumente = ZikoNSAusgabenDlg;
}

void DestroyWindows() {
  delete Form1;  // its children with it
  for (auto& clear : gClearPointers) clear();
  gClearPointers.clear();
}

ProgramRun::ProgramRun() : lock_(kInstanceLockName) {}

ProgramRun::~ProgramRun() { end(); }

bool ProgramRun::start() {
  // The guard comes before anything is opened: a second copy must not touch a file.
  // The working folder is locked as well: a copy started under another login or runtime
  // folder must not work on the same data either.
  std::error_code ec;
  if (!lock_.acquire() || !folderLock_.acquire(std::filesystem::current_path(ec))) {
    lock_.release();
    msg::show("Programm ZielKontor.exe läuft bereits!", "Meldung");
    return false;
  }
  if (!OpenDatabases()) return false;
  databasesOpen_ = true;
  bool prepared = true;
  PrepareDatabases(&prepared);
  if (!prepared) return false;

  if (qApp) qApp->setApplicationName(QStringLiteral("Zielkontorzentrale"));
  gHelpFile = displayPath(gIntdat.ProgrammVerzeichnis / "ZIELKONTOR.CHM");
  help::setFolder(gIntdat.ProgrammVerzeichnis / "help");

  CreateWindows();
  windows_ = true;
  return true;
}

void ProgramRun::end() {
  // The windows go while the databases are still open: a window still shown (the run ended
  // by a signal or an exception) hides the usual way, so it rolls back its transaction and
  // writes back what it remembers before the settings are saved, and a running clean-up
  // finishes on its connection.
  if (windows_) {
    if (Form1)
      for (ZDialog* window : Form1->findChildren<ZDialog*>())
        if (window->isVisible()) window->hide();
    DestroyWindows();
    windows_ = false;
  }
  if (databasesOpen_) {
    ShutDown();
    databasesOpen_ = false;
  }
  folderLock_.release();
  lock_.release();
}

int RunProgram(int argc, char** argv) {
  ZApplication app(argc, argv);
  installWidgetPlatform();
  endOnTerminateSignal(&app);
  // The syllable patterns take a moment to load: loaded beside the start, the first list that
  // cuts a word prints without that wait.
  std::thread silben([] { syllableBreaks("Silbentrennung"); });
  ProgramRun run;
  // An exception that escapes even the loop is shown, and the shut-down runs as usual.
  runGuarded([&] {
    if (!run.start()) return;
    Form1->show();
    app.exec();
  });
  run.end();
  silben.join();
  return 0;
}
