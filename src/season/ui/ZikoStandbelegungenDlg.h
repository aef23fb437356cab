#pragma once
// Range occupancy: for every club of the class chosen in the pairing editor, the classes in
// which the club is at home in the chosen bout and in its mirror bout. Shown beside the
// editor; holds no transaction and reads the editor's uncommitted changes.
#include <QTreeWidget>

#include "platform/dialog.h"

class TZikoStandbelegungenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoStandbelegungenDlg(QWidget* parent = nullptr);

  void FormShow() override;
  // Fills the list for gIntdat.MklBearbeitenKlasse and MklBearbeitenKampf.
  void FillStandbelegungen();
  // Selects the lines of the home and the guest club of the pairing at this index.
  void MarkPaarung(int row);

  QTreeWidget* ListView1;

 private:
  bool marking_ = false;
};

extern TZikoStandbelegungenDlg* ZikoStandbelegungenDlg;
