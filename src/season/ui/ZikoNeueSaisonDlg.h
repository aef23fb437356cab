#pragma once
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "platform/dialog.h"

// The new-season hub: chooses the discipline a season is prepared for and opens the season
// windows one at a time or as a wizard. It holds no transaction; each window runs its own.
class TZikoNeueSaisonDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNeueSaisonDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void DisziplinClick(QAction* item);
  void BeendenESC1Click() { closeWith(mrCancel); }
  void Lschen1Click();
  void Saisonbezeichnung1Click();
  void EinteilungundGegnerzuteilung1Click();
  void Termine1Click();
  void Gegnereinteilungbearbeiten1Click();
  void Einstellungen1Click();
  void Mannschaftsstammschtzen1Click();
  void Mannschaftsfhrer1Click();
  void AusgabenaufDruckerinDatei1Click();
  void HilfeF11Click() { showHelp(); }

  // Window caption, Label2 and the menu captions for the current discipline.
  void refreshCaptions();

  // The season documents window, handed in by whoever creates the program's windows:
  // it produces documents and lives with them.
  ZDialog* Saisondokumente = nullptr;

  QMenuBar* MainMenu1;
  QAction* BeendenESC1;
  QMenu* Disziplin1;
  QMenu* Bearbeiten1;
  QAction* Lschen1;
  QAction* Saisonbezeichnung1;
  QMenu* Mannschaftsklassen1;
  QAction* EinteilungundGegnerzuteilung1;
  QAction* Termine1;
  QAction* Gegnereinteilungbearbeiten1;
  QAction* Einstellungen1;
  QAction* Mannschaftsstammschtzen1;
  QAction* Mannschaftsfhrer1;
  QAction* AusgabenaufDruckerinDatei1;
  QAction* HilfeF11;
  QLabel* Label1;
  QLabel* Label2;
  QStatusBar* StatusBar1;
};

extern TZikoNeueSaisonDlg* ZikoNeueSaisonDlg;
