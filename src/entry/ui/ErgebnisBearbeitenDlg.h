#pragma once
// What the two result editors share: the discipline box and the positions remembered per
// discipline, the buttons of the bottom row, and the way a row of a list counts as chosen.
//
// A row is chosen while it is the current row and selected. The handlers run when the
// selection changed, which is after the whole of a click, double-click or key: a mouse
// press makes a row current before it selects it, so the current row alone would still
// see the old choice.
#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>
#include <initializer_list>

#include "platform/dialog.h"

class QHBoxLayout;

class TErgebnisBearbeitenDlg : public ZDialog {
  Q_OBJECT
 public:
  void FormClose();
  void ComboBoxDiszChange();

  virtual void ButtonSpeichernClick() = 0;
  virtual void ButtonErgLoeschenClick() = 0;

  QComboBox* ComboBoxDisz;
  QPushButton* ButtonSpeichern;
  QPushButton* ButtonErgLoeschen;
  QPushButton* ButtonEnde;
  QPushButton* ButtonHilfe;

  int Zehntelflag = 0;

 protected:
  TErgebnisBearbeitenDlg(QWidget* parent, const char* caption, const char* helpTopic);

  // The chosen row of a list, or nullptr.
  static QTreeWidgetItem* chosenRow(const QTreeWidget* list);
  // Runs handler whenever the user changes the choice in list.
  void onChoice(QTreeWidget* list, std::function<void()> handler);

  // The "Neuer Eintrag F4" button, bound to newEntryClick; each editor gives its own hint.
  QPushButton* makeNewButton();
  virtual void newEntryClick() = 0;
  QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);

  // Fills the discipline box on the current discipline and loads its positions.
  void showDisciplines();
  virtual void LoadPositions(int disznr) = 0;
  virtual void StorePositions(int disznr) = 0;
  // The lists of the newly chosen discipline.
  virtual void disciplineChanged() = 0;

  // Save and delete follow the chosen result; a new entry can always be saved.
  void enableResultButtons(bool resultChosen);
  // A new entry: no result row is chosen any more.
  void beginNewEntry(QTreeWidget* results);

  void FormHide() override { FormClose(); }

  bool NeuerEintrag = false;
  int ShownDisznr = 0;
};
