#pragma once
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include "platform/dialog.h"

// The stored output jobs of a discipline: tick them, order them, edit them, and start
// every ticked one for the chosen round.
class TZikoSAAktionslisteDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoSAAktionslisteDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void BeendenClick();
  void NeuerEintrag1Click();
  void Eintragbearbeiten1Click();
  void Eintragentfernen1Click();
  void Start1Click();
  void Hilfe1Click() { showHelp(); }
  void ComboBoxDiszChange();
  void ListViewALClick();
  void BitBtnErgAufClick();
  void BitBtnErgAbClick();
  bool previewKey(int key, Qt::KeyboardModifiers modifiers) override;

  QMenuBar* MainMenu1;
  QAction* Ende1;
  QMenu* Aktionseintrag1;
  QAction* NeuerEintrag1;
  QAction* Eintragbearbeiten1;
  QAction* Eintragentfernen1;
  QAction* Start1;
  QAction* Hilfe1;
  QComboBox* ComboBoxDisz;
  QComboBox* ComboBoxDgnr;
  QTreeWidget* ListViewAL;
  QPushButton* BitBtnErgAuf;
  QPushButton* BitBtnErgAb;
  QStatusBar* StatusBar1;

 protected:
  // ESC and the close box keep the ticks as "Ende ESC" does.
  bool canClose() override;

 private:
  void loadList();
  void loadDiscipline();
  void storeCheckBoxes();
  void selectKey(long key);
  void updateMoveButtons();
  void updateEntryCommands();
  void move(int direction);
  void showEditor(int neu, long satzindex);
  std::string disciplineName() const;

  int zehntelflag_ = 0;
};

extern TZikoSAAktionslisteDlg* ZikoSAAktionslisteDlg;
