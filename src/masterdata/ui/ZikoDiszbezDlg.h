#pragma once
#include <QListWidget>
#include <QPushButton>

#include "platform/dialog.h"

// A list whose names are edited in place; the dialog stores what is still being typed.
class DiszbezList : public QListWidget {
  Q_OBJECT
 public:
  using QListWidget::QListWidget;
  // Ends an open in-place editor, keeping its text in the item.
  void commitEditor();
  // The open in-place editor, or nullptr.
  QWidget* openEditor() const;
};

// The disciplines: their names, a new discipline at the end and the removal of the last.
class TZikoDiszbezDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoDiszbezDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void FormClose();
  void ListView1Change();
  void ButtonNeuClick();
  void ButtonEntfernenClick();
  void ButtonHilfeClick() { showHelp(); }

  DiszbezList* ListView1;
  QPushButton* ButtonNeu;
  QPushButton* ButtonEntfernen;
  QPushButton* ButtonHilfe;
  QPushButton* ButtonAbbrechen;

 protected:
  void FormHide() override { FormClose(); }
  bool canClose() override;

 private:
  void fillList();
  void selectLast();
  // Stores every listed name and the path rows of every discipline; false when a name was
  // refused (it is then chosen and open for editing).
  bool saveAll();
};

extern TZikoDiszbezDlg* ZikoDiszbezDlg;
