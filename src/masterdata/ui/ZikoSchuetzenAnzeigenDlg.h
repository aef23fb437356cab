#pragma once
#include <QPushButton>
#include <QRadioButton>
#include "platform/dialog.h"
#include "platform/sortablelist.h"

// The small shooter list that stays open beside the window it serves and hands the chosen
// pass number to it.
class TZikoSchuetzenAnzeigenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoSchuetzenAnzeigenDlg(QWidget* parent = nullptr);

  // Shows the window beside owner, as its tool window, so a modal owner does not block it.
  // keep: the owner's list, which the picker leaves uncovered on a narrow screen.
  void ShowBeside(QWidget* owner, const QWidget* keep = nullptr);

  void FillSchuetzenListe(long vrnr);
  void TakeOverSelectedShooter();
  void FormShow() override;
  void RadioGroup1Click(int index);
  void ListView1Change();
  void ListView1ColumnClick(int column);
  void ButtonNeuerDatensatzClick();

  bool previewKey(int key, Qt::KeyboardModifiers modifiers) override;

  SortableListView* ListView1;
  QRadioButton* RadioAlle;
  QRadioButton* RadioMarkierte;
  QPushButton* ButtonUebernehmen;
  QPushButton* ButtonNeuerDatensatz;
};

extern TZikoSchuetzenAnzeigenDlg* ZikoSchuetzenAnzeigenDlg;
