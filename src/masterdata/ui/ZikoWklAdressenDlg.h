#pragma once
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/dialog.h"

// The competition managers' addresses and the disciplines each one leads. An address is
// stored as soon as one of its fields is left.
class TZikoWklAdressenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoWklAdressenDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ListBoxWklAdressenClick();
  void ListBoxDiszClick();
  void ButtonNeuClick();
  void ButtonLoeschenClick();
  void ButtonHilfeClick() { showHelp(); }
  // What leaving any of the seven address fields does.
  void EditExit();

  QListWidget* ListBoxWklAdressen;
  QListWidget* ListBoxDisz;
  QLineEdit* EditName;
  QLineEdit* EditStrasse;
  QLineEdit* EditPlz;
  QLineEdit* EditOrt;
  QLineEdit* EditTel;
  QLineEdit* EditFax;
  QLineEdit* EditMail;
  QPushButton* ButtonNeu;
  QPushButton* ButtonLoeschen;
  QPushButton* ButtonHilfe;
  QPushButton* ButtonOK;

  long managerShown() const { return shownNr_; }

 protected:
  void FormHide() override { saveAddress(); }

 private:
  void fillManagers();
  void showManager(long nr);
  void saveAddress();
  void updateDeleteButton();

  long shownNr_ = -1;  // the manager the fields belong to; -1: none
};

extern TZikoWklAdressenDlg* ZikoWklAdressenDlg;
