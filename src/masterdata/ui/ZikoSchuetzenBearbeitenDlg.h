#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/dialog.h"
#include "platform/sortablelist.h"

// The shooters of one club at a time: pass number, name, birth date, sex and the active
// check mark; prints the shooter list of the club shown or of every club.
class TZikoSchuetzenBearbeitenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoSchuetzenBearbeitenDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void FormClose();
  void ComboBoxVereineChange();
  void ListView1Change();
  void ListView1Check(QTreeWidgetItem* item);
  // Runs after the list has sorted itself on the header click.
  void ListView1ColumnClick(int column);
  void CheckBox1Click();
  void ButtonNeuClick();
  void ButtonSpeichernClick();
  void ButtonLoeschenClick();
  void ButtonDruckenClick();
  void ButtonSeriendruckClick();
  void ButtonHilfeClick() { showHelp(); }

  QComboBox* ComboBoxVereine;
  SortableListView* ListView1;
  QCheckBox* CheckBox1;
  QLineEdit* EditNummer;
  QLineEdit* EditName;
  QLineEdit* EditGebdat;
  QGroupBox* RadioGroupGeschl;
  QRadioButton* RadioMaennlich;
  QRadioButton* RadioWeiblich;
  QPushButton* ButtonNeu;
  QPushButton* ButtonSpeichern;
  QPushButton* ButtonLoeschen;
  QPushButton* ButtonDrucken;
  QPushButton* ButtonSeriendruck;
  QRadioButton* RadioButtonAlleSchuetzen;
  QRadioButton* RadioButtonMarkierteSchuetzen;
  QPushButton* ButtonHilfe;
  QPushButton* ButtonBeenden;

  bool newMode() const { return neuModus_ != 0; }
  long clubShown() const { return vrnr_; }

 protected:
  void FormHide() override { FormClose(); }

 private:
  void fillList();
  void showShooter(QTreeWidgetItem* item);
  void clearFields();
  void selectRow(int index);
  void leaveNewMode();
  void updateDeleteButton();
  // false when the printer refused the job; the user has been told.
  bool printClub(long vrnr);

  int neuModus_ = 0;
  int selIndex_ = 0;
  long vrnr_ = 0;  // 0: no club shown
};

extern TZikoSchuetzenBearbeitenDlg* ZikoSchuetzenBearbeitenDlg;
