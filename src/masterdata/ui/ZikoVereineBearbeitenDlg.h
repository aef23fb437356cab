#pragma once
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include "platform/dialog.h"
#include "platform/sortablelist.h"

// The district's clubs: number, name, extra text and range telephone.
class TZikoVereineBearbeitenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoVereineBearbeitenDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void FormClose();
  void ListView1Change();
  void ListView1ColumnClick(int column);
  void ButtonSpeichernClick();
  void ButtonNeuClick();
  void ButtonLoeschenClick();
  void ButtonHilfeClick() { showHelp(); }

  SortableListView* ListView1;
  QLineEdit* EditNr;
  QLineEdit* EditVrname;
  QLineEdit* EditTelSStd;
  QPlainTextEdit* Memo1;
  QGroupBox* GroupBox2;
  QPushButton* ButtonSpeichern;
  QPushButton* ButtonNeu;
  QPushButton* ButtonLoeschen;
  QPushButton* ButtonHilfe;
  QPushButton* ButtonBeenden;
  QLabel* Label1;

  bool newMode() const { return neuModus_ != 0; }

 protected:
  void FormHide() override { FormClose(); }

 private:
  void createControls();
  void arrangeControls();
  void connectHandlers();
  void fillList();
  void showClub(long nummer);
  // Every field empty, as for a new club.
  void clearClub();
  void selectRow(int index);
  void leaveNewMode();
  void rememberSortedRow();

  int neuModus_ = 0;
  int selIndex_ = 0;
};

extern TZikoVereineBearbeitenDlg* ZikoVereineBearbeitenDlg;
