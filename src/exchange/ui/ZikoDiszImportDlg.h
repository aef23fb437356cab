#pragma once
#include <QComboBox>
#include <QPushButton>

#include "platform/dialog.h"

// Takes one discipline over from the data file extracted to the temporary database.
class TZikoDiszImportDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoDiszImportDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void FormHide() override;
  void ButtonImportierenClick();

  QComboBox* ComboBoxDatei;  // disciplines of the file
  QComboBox* ComboBoxZiel;   // a new discipline or one of this data set to replace
  QPushButton* ButtonImportieren;
  QPushButton* ButtonAbbrechen;
};

extern TZikoDiszImportDlg* ZikoDiszImportDlg;
