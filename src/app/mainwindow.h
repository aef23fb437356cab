#pragma once
// The main window: menus, tool bar and status bar. It opens, saves and exports the whole
// data set, starts the imports, the clean-up and the help; everything else is a window
// shown modally through its global pointer.
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <array>

#include "platform/filedialog.h"

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);

  void FormShow();
  // "Zielkontorzentrale <district> Saison <season of the current discipline>".
  void refreshCaption();

  void ActionBeendenExecute();
  void ActionHilfeExecute();
  void ActionDruckMschLeiterDiszAlleDiszExecute();
  void ActionDateiNeuExecute();
  void ActionSqlReoganisationExecute();
  void ActionDateiOeffnenExecute();
  void ActionDateispeichernunterExecute();
  void ActionExportFenkDatenExecute();
  void ActionDiszExtractImportExecute();
  void ActionBssbDatenMdbExecute();
  void DownloadImportAktionslistenUpload1Click();
  void ServerbetriebF101Click();

  QMenuBar* MainMenu1;
  QToolBar* ToolBar1;
  std::array<QToolButton*, 6> ToolButtons{};
  QStatusBar* StatusBar2;

  FileDialog OpenDialog1;
  FileDialog SaveDialog1;
  FileDialog OpenDialog2;
  FileDialog SaveDialog2;

  // Menu "Datenbank"
  QAction* ActionDateiNeu;
  QAction* ActionDateiOeffnen;
  QAction* ActionDateispeichernunter;
  QAction* ActionDiszExtractImport;
  QAction* ActionBssbDatenMdb;
  QAction* ActionBssbDatenDbf;
  QAction* ActionExportFenkDaten;
  QAction* DownloadImportAktionslistenUpload1;  // hidden menu item
  QAction* ShortcutAutomatic;                    // its F10, which works although it is hidden
  QAction* ActionSqlReoganisation;
  QAction* ActionBeenden;
  // Menu "Ergebnisse"
  QAction* ActionErgebniseingabe;
  QAction* ActionImportMannschaftsErgebnismeldungen;
  QAction* ActionBearbeitenMannschaftsergebnisse;
  QAction* ActionBearbeitenEinzelergebnisse;
  // Menu "Sortierte Ausgaben"
  QAction* ActionSortierteAusgabe;
  QAction* ActionKomplettausgabe;
  QAction* ActionSortierteAusgabeUrkunden;
  QAction* ActionDruckMschLeiterDiszAlleDisz;
  // Top-level items and menus "Stammdaten", "Einstellungen"
  QAction* ActionNeueSaison;
  QAction* ActionStammSchuetzen;
  QAction* ActionStammVereine;
  QAction* ActionWettkampfleiter;
  QAction* ActionJahrgangsklassen;
  QAction* ActionDisziplinbez;
  QAction* ActionWebzugang;
  QAction* ActionEinstellungenHtml;
  QAction* ActionErgebnisformat;
  QAction* ActionInfo;
  QAction* ActionHilfe;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QAction* newAction(const char* caption, void (TForm1::*handler)() = nullptr);
  template <class Dialog>
  QAction* showsDialog(const char* caption, Dialog** global);
  void buildMenus();
  void createActions();
  void setShortcuts();
  void fillMenuBar();
  void buildToolBar();
  void centreOnScreen();
  // What the caption does when the current discipline has no row, so no season name.
  enum class WithoutSeason { ShowEmpty, KeepCaption };
  void setCaption(WithoutSeason withoutSeason);

  bool centred_ = false;
};

extern TForm1* Form1;
