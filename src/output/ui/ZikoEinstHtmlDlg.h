#pragma once
// The options of the HTML pages: the style sheet they link, whether the season documents
// copy it beside the page, and the manager's mail as a link; and the model style sheet.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/dialog.h"

class TZikoEinstHtmlDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoEinstHtmlDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ButtonMusterCssClick();
  void ButtonAktivesCssClick();
  void ButtonOkClick();
  bool previewKey(int key, Qt::KeyboardModifiers modifiers) override;

  QLabel* Label1;
  QPushButton* ButtonMusterCss;
  QLineEdit* EditActvesCssFile;
  QPushButton* ButtonAktivesCss;
  QCheckBox* CheckBox1;
  QCheckBox* CheckBox2;
  QPushButton* ButtonOk;
  QPushButton* ButtonAbbrechen;
  QPushButton* ButtonHilfe;
};

extern TZikoEinstHtmlDlg* ZikoEinstHtmlDlg;
