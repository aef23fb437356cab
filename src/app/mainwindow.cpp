#include "app/mainwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

#include "core/datafile.h"
#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/savefile.h"
#include "core/upgrade.h"
#include "core/ui/FenkLDateiNeuDlg.h"
#include "core/ui/ZikoDbOptDlg.h"
#include "core/ui/ZikoInfoDlg.h"
#include "entry/ui/FenkLBearbeitenEinzlergebnisseDlg.h"
#include "entry/ui/FenkLBearbeitenMschsergebnisseDlg.h"
#include "entry/ui/ZikoErgEingabeDlg.h"
#include "exchange/services.h"
#include "exchange/ui/ZielKontorBssbDatenImportDlg.h"
#include "exchange/ui/ZikoAutomaticDlg.h"
#include "exchange/ui/ZikoDiszImportDlg.h"
#include "exchange/ui/ZikoErgRmeDatenDlg.h"
#include "exchange/ui/ZkoEinstWebzugangDlg.h"
#include "masterdata/ui/ZikoDiszbezDlg.h"
#include "masterdata/ui/ZikoJahrgangsklassenDlg.h"
#include "masterdata/ui/ZikoSchuetzenBearbeitenDlg.h"
#include "masterdata/ui/ZikoVereineBearbeitenDlg.h"
#include "masterdata/ui/ZikoWklAdressenDlg.h"
#include "output/mschfuehreralledisz.h"
#include "output/ui/ZikoEinstHtmlDlg.h"
#include "output/ui/ZikoErgebnisformatDlg.h"
#include "output/ui/ZikoNSAusgabenDlg.h"
#include "output/ui/ZikoSAAktionslisteDlg.h"
#include "output/ui/ZikoSortierteAusgabeUrkundendruckDlg.h"
#include "platform/dialog.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "platform/waitcursor.h"
#include "output/ui/ZikoSortierteAusgabeDlg.h"
#include "season/ui/ZikoNeueSaisonDlg.h"

TForm1* Form1 = nullptr;

namespace {

bool fileExists(const std::filesystem::path& path) { return QFileInfo(qtPath(path)).isFile(); }

void cleanupFailedMessage() {
  msg::show("Die Datenbank konnte nicht optimiert werden.\nEs wurde nichts geändert.", "Fehler",
            msg::Ok, msg::Error);
}

void savedMessage(const std::filesystem::path& file) {
  msg::show(qtPath(file) + qs(" \nerfolgreich gespeichert!"), "Meldung", msg::Ok, msg::Information);
}

// The system's reason, where there is one, stands on a line of its own.
QString withReason(const std::string& text, const QString& reason) {
  return reason.isEmpty() ? qs(text) : qs(text + "\n") + reason;
}

void readFailedMessage(const QString& reason = {}) {
  msg::show(withReason("Fehler beim Einlesen der Datei", reason), "Fehler", msg::Ok, msg::Error);
}

// The data file must not replace a file that the running program works on.
bool refuseProgramFile(const std::filesystem::path& file) {
  if (!isProgramFile(file)) return false;
  msg::show(qs("Die Datei\n") + qtPath(file) +
                qs("\ngehört zu den Daten des Programms und kann nicht überschrieben werden."),
            "Fehler", msg::Ok, msg::Error);
  return true;
}

// A folder is remembered only when cp1252 can name it; otherwise the one before stays.
void rememberDataFolder(const std::filesystem::path& file) {
  std::string folder = storablePath(file.parent_path());
  if (!folder.empty()) setFieldText(gEinstellungen.DatenVerzeichnis, folder);
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent),
      OpenDialog1(FileDialog::Open, "Rundenwettkampf-Datenbank(*.rwk)|*.rwk", "rwk"),
      SaveDialog1(FileDialog::Save, "Rundenwettkampf-Datenbank (*.rwk)|*.rwk", "rwk"),
      OpenDialog2(FileDialog::Open,
                  "Microsoft Access Datei (*.mdb)|*.mdb|Alle Dateien (*.*)|*.*", "*.mdb"),
      SaveDialog2(FileDialog::Save,
                  "Rundenwettkampf-Daten (*.rwk)|*.rwk|Rundenwettkampf-Daten (*.rwd)|*.rwd", "rwd") {
  setWindowTitle(qs("Zielkontorzentrale Anwender"));
  QPalette silver = palette();
  silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  setPalette(silver);
  setAutoFillBackground(true);
  resize(800, 560);

  SaveDialog1.overwritePrompt = true;
  SaveDialog2.overwritePrompt = true;
  OpenDialog2.fileMustExist = true;

  buildMenus();
  buildToolBar();
  StatusBar2 = statusBar();
  setCentralWidget(new QWidget(this));
}

QAction* TForm1::newAction(const char* caption, void (TForm1::*handler)()) {
  auto* action = new QAction(qs(caption), this);
  if (handler) connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  return action;
}

// The action shows the window of the global pointer modally; its result is not used.
template <class Dialog>
QAction* TForm1::showsDialog(const char* caption, Dialog** global) {
  auto* action = newAction(caption);
  // A window may have changed the discipline or its season: the caption follows at once.
  connect(action, &QAction::triggered, this, [this, global] {
    if (*global) (*global)->ShowModal();
    refreshCaption();
  });
  return action;
}

void TForm1::buildMenus() {
  MainMenu1 = menuBar();
  createActions();
  setShortcuts();
  fillMenuBar();
}

void TForm1::createActions() {
  ActionDateiNeu = newAction("Neue Datenbank", &TForm1::ActionDateiNeuExecute);
  ActionDateiOeffnen = newAction("Datenbank öffnen", &TForm1::ActionDateiOeffnenExecute);
  ActionDateispeichernunter =
      newAction("Datenbank speichern unter...", &TForm1::ActionDateispeichernunterExecute);
  ActionDiszExtractImport = newAction("Daten einer einzelnen Disziplin importieren",
                                      &TForm1::ActionDiszExtractImportExecute);
  ActionBssbDatenMdb =
      newAction("Microsoft Access-Datenbank (*.mdb)", &TForm1::ActionBssbDatenMdbExecute);
  ActionBssbDatenDbf = showsDialog("Excel-Tabellen (*.dbf) ", &ZielKontorBssbDatenImportDlg);
  ActionExportFenkDaten = newAction("Datenexport für Fenkstufen.exe / Tessbrun.exe",
                                    &TForm1::ActionExportFenkDatenExecute);
  DownloadImportAktionslistenUpload1 =
      newAction("Automatischer Ablauf", &TForm1::DownloadImportAktionslistenUpload1Click);
  ActionSqlReoganisation =
      newAction("Datenbank optimieren", &TForm1::ActionSqlReoganisationExecute);
  ActionBeenden = newAction("Programm beenden", &TForm1::ActionBeendenExecute);

  ActionErgebniseingabe =
      showsDialog("Eingabe der Einzel- und Mannschaftsergebnisse", &ZikoErgEingabeDlg);
  ActionImportMannschaftsErgebnismeldungen =
      showsDialog("Import der Ergebnismeldungsdateien (*.rme)", &ZikoErgRmeDatenDlg);
  ActionBearbeitenMannschaftsergebnisse =
      showsDialog("Mannschaftsergebnisse bearbeiten", &FenkLBearbeitenMschsergebnisseDlg);
  ActionBearbeitenEinzelergebnisse =
      showsDialog("Einzelergebnisse bearbeiten", &FenkLBearbeitenEinzlergebnisseDlg);

  ActionSortierteAusgabe = showsDialog("Einzelausgaben", &ZikoSortierteAusgabeDlg);
  ActionKomplettausgabe = showsDialog("Aktionsliste", &ZikoSAAktionslisteDlg);
  ActionSortierteAusgabeUrkunden =
      showsDialog("Ausgaben für Urkundendruck", &ZikoSortierteAusgabeUrkundendruckDlg);
  ActionDruckMschLeiterDiszAlleDisz = newAction(
      "Ausdruck Mannschaftsleiter", &TForm1::ActionDruckMschLeiterDiszAlleDiszExecute);

  ActionNeueSaison = showsDialog("Neue Saison", &ZikoNeueSaisonDlg);
  ActionStammSchuetzen = showsDialog("Schützen", &ZikoSchuetzenBearbeitenDlg);
  ActionStammVereine = showsDialog("Vereine", &ZikoVereineBearbeitenDlg);
  ActionWettkampfleiter = showsDialog("Wettkampfleiter", &ZikoWklAdressenDlg);
  ActionJahrgangsklassen = showsDialog("Jahrgangsklassen", &ZikoJahrgangsklassenDlg);
  ActionDisziplinbez = showsDialog("Disziplinbezeichnungen", &ZikoDiszbezDlg);
  ActionWebzugang = showsDialog("Web-Zugangsdaten", &ZkoEinstWebzugangDlg);
  ActionEinstellungenHtml = showsDialog("Html-Ausgabe", &ZikoEinstHtmlDlg);
  ActionErgebnisformat = showsDialog("Ergebnisformat", &ZikoErgebnisformatDlg);
  ActionInfo = showsDialog("Info", &ZikoInfoDlg);
  ActionHilfe = newAction("Hilfe F1", &TForm1::ActionHilfeExecute);
}

void TForm1::setShortcuts() {
  ActionErgebniseingabe->setShortcut(Qt::Key_F3);
  ActionImportMannschaftsErgebnismeldungen->setShortcut(Qt::Key_F4);
  ActionSortierteAusgabe->setShortcut(Qt::Key_F5);
  ActionKomplettausgabe->setShortcut(Qt::Key_F6);
  ActionHilfe->setShortcut(Qt::Key_F1);
  DownloadImportAktionslistenUpload1->setShortcut(Qt::Key_F10);
  const char* automaticHint =
      "Ungelesene *.rme-Dateien in die Datenbank importieren und Aktionsliste für alle Disz "
      "abarbeiten";
  DownloadImportAktionslistenUpload1->setStatusTip(qs(automaticHint));
  DownloadImportAktionslistenUpload1->setToolTip(qs(automaticHint));
  DownloadImportAktionslistenUpload1->setVisible(false);
  // A hidden item's short-cut is dead in Qt; this twin on the window keeps F10 alive.
  ShortcutAutomatic = newAction("Automatischer Ablauf",
                                &TForm1::DownloadImportAktionslistenUpload1Click);
  ShortcutAutomatic->setShortcut(Qt::Key_F10);
  addAction(ShortcutAutomatic);
}

void TForm1::fillMenuBar() {
  QMenu* datenbank = MainMenu1->addMenu(qs("Datenbank"));
  datenbank->addAction(ActionDateiNeu);
  datenbank->addAction(ActionDateiOeffnen);
  datenbank->addAction(ActionDateispeichernunter);
  datenbank->addSeparator();
  datenbank->addAction(ActionDiszExtractImport);
  QMenu* bssb = datenbank->addMenu(qs("BSSB-Datenimport"));
  bssb->addAction(ActionBssbDatenMdb);
  bssb->addAction(ActionBssbDatenDbf);
  datenbank->addSeparator();
  datenbank->addAction(ActionExportFenkDaten);
  datenbank->addSeparator();
  datenbank->addAction(DownloadImportAktionslistenUpload1);
  datenbank->addSeparator()->setVisible(false);
  datenbank->addAction(ActionSqlReoganisation);
  datenbank->addSeparator();
  datenbank->addAction(ActionBeenden);

  QMenu* ergebnisse = MainMenu1->addMenu(qs("Ergebnisse"));
  ergebnisse->addAction(ActionErgebniseingabe);
  ergebnisse->addAction(ActionImportMannschaftsErgebnismeldungen);
  ergebnisse->addAction(ActionBearbeitenMannschaftsergebnisse);
  ergebnisse->addAction(ActionBearbeitenEinzelergebnisse);

  QMenu* ausgaben = MainMenu1->addMenu(qs("Sortierte Ausgaben"));
  ausgaben->addAction(ActionSortierteAusgabe);
  ausgaben->addAction(ActionKomplettausgabe);
  ausgaben->addSeparator();
  ausgaben->addAction(ActionSortierteAusgabeUrkunden);
  ausgaben->addSeparator();
  ausgaben->addMenu(qs("Disziplinübergreifende Ausgaben"))
      ->addAction(ActionDruckMschLeiterDiszAlleDisz);

  MainMenu1->addAction(ActionNeueSaison);

  QMenu* stammdaten = MainMenu1->addMenu(qs("Stammdaten"));
  stammdaten->addAction(ActionStammSchuetzen);
  stammdaten->addAction(ActionStammVereine);
  stammdaten->addSeparator();
  QMenu* anwender = stammdaten->addMenu(qs("Anwenderdaten"));
  anwender->addAction(ActionWettkampfleiter);
  anwender->addAction(ActionJahrgangsklassen);
  anwender->addAction(ActionDisziplinbez);
  ActionJahrgangsklassen->setVisible(false);

  QMenu* einstellungen = MainMenu1->addMenu(qs("Einstellungen"));
  einstellungen->addAction(ActionWebzugang);
  einstellungen->addAction(ActionEinstellungenHtml);
  einstellungen->addAction(ActionErgebnisformat);

  MainMenu1->addAction(ActionInfo);
  MainMenu1->addAction(ActionHilfe);

  // Short-cuts work from anywhere in the window, whichever control has the focus.
  for (QAction* a : {ActionErgebniseingabe, ActionImportMannschaftsErgebnismeldungen,
                     ActionSortierteAusgabe, ActionKomplettausgabe, ActionHilfe})
    addAction(a);
}

void TForm1::buildToolBar() {
  ToolBar1 = addToolBar(qs("Werkzeuge"));
  ToolBar1->setMovable(false);
  struct Button {
    const char* hint;
    QAction* action;
    QStyle::StandardPixmap icon;
  };
  const Button buttons[6] = {
      {"Programm beenden", ActionBeenden, QStyle::SP_DialogCloseButton},
      {"Eingabe der Einzel- und Mannschaftsergebnisse (F3)", ActionErgebniseingabe,
       QStyle::SP_FileDialogDetailedView},
      {"Sortierte Ausgabe der Einzel- und Mannschaftsergebnisse (F5)", ActionSortierteAusgabe,
       QStyle::SP_FileDialogListView},
      {"Aktionsliste Sortierte Ausgabe (F6)", ActionKomplettausgabe, QStyle::SP_MediaPlay},
      {"Info über dieses Programm", ActionInfo, QStyle::SP_MessageBoxInformation},
      {"Hilfe", ActionHilfe, QStyle::SP_MessageBoxQuestion},
  };
  for (size_t i = 0; i < 6; ++i) {
    auto* button = new QToolButton(ToolBar1);
    button->setIcon(style()->standardIcon(buttons[i].icon));
    button->setToolTip(qs(buttons[i].hint));
    button->setStatusTip(qs(buttons[i].hint));
    QAction* action = buttons[i].action;
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
    ToolBar1->addWidget(button);
    ToolButtons[i] = button;
  }
}

void TForm1::centreOnScreen() {
  QScreen* screen = this->screen();
  if (!screen) return;
  QRect area = screen->availableGeometry();
  QRect frame = frameGeometry();
  frame.moveCenter(area.center());
  move(frame.topLeft());
}

void TForm1::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (e->spontaneous()) return;
  if (!centred_) {
    centreOnScreen();
    centred_ = true;
  }
  FormShow();
}

void TForm1::FormShow() { refreshCaption(); }

void TForm1::refreshCaption() { setCaption(WithoutSeason::ShowEmpty); }

void TForm1::setCaption(WithoutSeason withoutSeason) {
  db::Table t = db::query(gDbHaupt, "SELECT Saisonname from Disznamen  WHERE Nr = ?",
                          {static_cast<int>(gEinstellungen.AktDisznr)});
  if (t.empty() && withoutSeason == WithoutSeason::KeepCaption) return;
  std::string season = t.empty() ? std::string() : t.text(0, 0);
  setWindowTitle(qs("Zielkontorzentrale " + fieldText(gEinstellungen.Gauname) + " Saison " +
                    season));
}

void TForm1::ActionBeendenExecute() { close(); }

void TForm1::ActionHilfeExecute() { help::showTopic("ZikoInhalt.html"); }

void TForm1::ActionDruckMschLeiterDiszAlleDiszExecute() {
  if (printing::printDialog(this) && !PrintMschFuehrerAlleDisz()) meldeDruckNichtBegonnen();
}

void TForm1::ActionDateiNeuExecute() {
  if (FenkLDateiNeuDlg) FenkLDateiNeuDlg->ShowModal();
  refreshCaption();
}

void TForm1::ActionSqlReoganisationExecute() {
  // The progress window closes with mrOk only once the clean-up has run to its end; a run
  // that ends meanwhile takes it down without that result.
  if (!ZikoDbOptDlg) return;
  int result = ZikoDbOptDlg->ShowModal();
  if (result == mrOk)
    msg::show("Datenbank optimiert!", "Meldung", msg::Ok, msg::Information);
  else if (result == mrAbort)
    cleanupFailedMessage();
}

void TForm1::ActionDateiOeffnenExecute() {
  OpenDialog1.title = "Rundenwettkampf-Datenbank öffnen";
  OpenDialog1.fileName.clear();
  OpenDialog1.initialDir = fieldText(gEinstellungen.DatenVerzeichnis);
  if (!OpenDialog1.execute(this)) return;
  const std::filesystem::path file = OpenDialog1.filePath;
  if (msg::show("Achtung!\nMit dem Öffnen der Datei werden alle bisherigen Daten "
                "überschrieben!\n",
                "Info", msg::OkCancel, msg::Warning) != msg::IdOk)
    return;

  WaitCursor wait;
  QString reason;
  OpenResult result = OpenDataFile(file, &reason);
  wait.restore();
  switch (result) {
    case OpenResult::Failed:
      readFailedMessage(reason);
      break;
    case OpenResult::OlderFormat:
      // Nothing was read: no clean-up, no success, the data folder stays.
      msg::show(qs("Die Datei\n") + qtPath(file) + qs("\nhat ein älteres Format und kann nicht eingelesen werden."),
                "Fehler", msg::Ok, msg::Error);
      break;
    case OpenResult::Ok: {
      rememberDataFolder(file);
      // An older file's address tables are brought up to date before anything else writes.
      UpgradeAddressTables();
      if (ZikoDbOptDlg && ZikoDbOptDlg->ShowModal() == mrAbort) cleanupFailedMessage();
      msg::show(qs("Datei\n") + qtPath(file) + qs("\nerfolgreich eingelesen!\n"), "Info", msg::Ok,
                msg::Information);
      setCaption(WithoutSeason::KeepCaption);
      break;
    }
  }
}

void TForm1::ActionDateispeichernunterExecute() {
  SaveDialog1.title = "Rundenwettkampf-Datenbank speichern unter";
  SaveDialog1.fileName = FileNameProposal(fieldText(gEinstellungen.Gauname)) + ".rwk";
  SaveDialog1.initialDir = fieldText(gEinstellungen.DatenVerzeichnis);
  if (!SaveDialog1.execute(this)) return;
  const std::filesystem::path file = SaveDialog1.filePath;
  if (refuseProgramFile(file)) return;
  WaitCursor wait;
  QString reason;
  bool saved = SaveDataFile(file, &reason);
  wait.restore();
  if (!saved) {
    showSaveFailed(reason);
    return;
  }
  rememberDataFolder(file);
  savedMessage(file);
}

void TForm1::ActionExportFenkDatenExecute() {
  // The export folder is kept in the path row of discipline 0, whatever is current.
  SaveDialog2.title = "Rundenwettkampfdaten speichern unter";
  SaveDialog2.fileName = FileNameProposal(fieldText(gEinstellungen.Gauname));
  db::Table t =
      db::query(gDbPfade, "SELECT DISTINCT FenkdatPfad FROM PfadeImpExp WHERE Disznr=?;", {0});
  if (!t.empty()) SaveDialog2.initialDir = t.text(0, 0);
  if (!SaveDialog2.execute(this)) return;
  const std::filesystem::path file = SaveDialog2.filePath;
  if (refuseProgramFile(file)) return;

  WaitCursor wait;
  bool saved = false;
  QString reason;
  if (SaveDialog2.filterIndex == 2) {
    if (!ExportFenkDaten(file)) {
      wait.restore();
      showNotIncluded();
      return;
    }
    saved = true;
  } else {
    saved = SaveDataFile(file, &reason);
  }
  wait.restore();
  if (!saved) {
    showSaveFailed(reason);
    return;
  }
  const std::string folder = storablePath(file.parent_path());
  if (!folder.empty())
    db::exec(gDbPfade, "UPDATE PfadeImpExp SET FenkdatPfad=? WHERE Disznr=?; ", {folder, 0});
  savedMessage(file);
}

void TForm1::ActionDiszExtractImportExecute() {
  OpenDialog1.title = "Rundenwettkampf-Datenbank öffnen";
  OpenDialog1.fileName.clear();
  OpenDialog1.initialDir = fieldText(gEinstellungen.DatenVerzeichnis);
  if (!OpenDialog1.execute(this)) return;
  WaitCursor wait;
  gIntdat.DiszImportDatei = OpenDialog1.fileName;
  QString reason;
  bool extracted = ReadExtractFile(OpenDialog1.filePath, &reason);
  wait.restore();
  if (!extracted) {
    readFailedMessage(reason);
    return;
  }
  if (ZikoDiszImportDlg) ZikoDiszImportDlg->ShowModal();
}

void TForm1::ActionBssbDatenMdbExecute() {
  // The district number stays as it is: it changes only with a confirmed import.
  if (!OpenDialog2.execute(this)) return;
  const std::filesystem::path fileName = OpenDialog2.filePath;
  if (!fileExists(fileName)) {
    msg::show("BSSB-Datenbank nicht gefunden.\nUngültiger Dateiname.", "Fehler");
    return;
  }
  WaitCursor wait;
  int result = ImportBssbMdb(fileName);
  wait.restore();
  switch (result) {
    case BssbOk:
      msg::show("Bssb-Daten für Gau Nr. " + str(gIntdat.BssbGaunummer) + " " +
                    gIntdat.BssbGauname + " erfolgreich importiert!     \n\n",
                "Meldung", msg::Ok, msg::Information);
      return;
    case BssbDeclined:
      msg::show("BSSB-Datenimport abgebrochen!", "Meldung");
      return;
    case BssbNotIncluded:
      showNotIncluded();
      return;
    default:
      break;
  }
  std::string text;
  switch (result) {
    case BssbInvalid: text = "Datenbank ungültig!"; break;
    case BssbClubsFailed: text = "Fehler beim Import der Vereinsdaten!"; break;
    case BssbMembersFailed: text = "Fehler beim Import der Schützendaten!"; break;
    case BssbClubsFailed + BssbMembersFailed:
      text = "Fehler beim Import der Vereins- und Schützendaten!";
      break;
    default: break;
  }
  msg::show(text, "Fehler");
}

void TForm1::DownloadImportAktionslistenUpload1Click() {
  if (ZikoAutomaticDlg) ZikoAutomaticDlg->ShowModal();
}

void TForm1::ServerbetriebF101Click() {
  if (ZikoAutomaticDlg) ZikoAutomaticDlg->ShowModal();
}
