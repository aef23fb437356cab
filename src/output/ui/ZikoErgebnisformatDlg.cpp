#include "output/ui/ZikoErgebnisformatDlg.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "masterdata/ui/DisziplinAuswahl.h"
#include "platform/keydata.h"
#include "platform/text.h"

TZikoErgebnisformatDlg* ZikoErgebnisformatDlg = nullptr;

TZikoErgebnisformatDlg::TZikoErgebnisformatDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Ergebnisformat"));
  setHelpTopic("ZikoEinstlErgFormat.html");
  setEditTransaction(db::editTransaction(gDbHaupt));

  ComboBoxDisz = new QComboBox(this);
  ComboBoxDisz->setMaxVisibleItems(10);
  RadioGroup1 = new QGroupBox(qs("Einzel- und Mannschaftsergebnisse"), this);
  RadioItems = new QButtonGroup(this);
  auto* radios = new QVBoxLayout(RadioGroup1);
  int id = 0;
  for (const char* caption : {"Ganze Ringe", "Zehntel-Ringe"}) {
    auto* b = new QRadioButton(qs(caption), RadioGroup1);
    RadioItems->addButton(b, id++);
    radios->addWidget(b);
  }
  ButtonOK = new QPushButton(qs("&OK"), this);
  ButtonAbbrechen = new QPushButton(qs("&Abbrechen ESC"), this);
  ButtonHilfe = new QPushButton(qs("&Hilfe F1"), this);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {ButtonOK, ButtonAbbrechen, ButtonHilfe}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ComboBoxDisz);
  layout->addWidget(RadioGroup1);
  layout->addLayout(buttons);

  connect(ComboBoxDisz, &QComboBox::activated, this, [this] { ComboBoxDiszChange(); });
  connect(ButtonOK, &QPushButton::clicked, this, [this] { ButtonOKClick(); });
  connect(ButtonAbbrechen, &QPushButton::clicked, this, [this] { ButtonAbbrechenClick(); });
  connect(ButtonHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
}

void TZikoErgebnisformatDlg::FormShow() {
  gezeigt_ = gEinstellungen.AktDisznr;
  FillDisziplinenCombo(ComboBoxDisz, gezeigt_);
  ladeFlag();
}

void TZikoErgebnisformatDlg::ladeFlag() {
  db::Table t = db::query(gDbHaupt, "SELECT Zehntelflag FROM Disznamen WHERE Nr=?;", {gezeigt_});
  if (t.empty()) return;
  if (QAbstractButton* b = RadioItems->button(t.integer(0, 0))) b->setChecked(true);
}

void TZikoErgebnisformatDlg::speichereFlag() {
  const int flag = RadioItems->checkedId();
  if (flag < 0) return;
  db::exec(gDbHaupt, "UPDATE Disznamen SET Zehntelflag=? WHERE Nr=?; ", {flag, gezeigt_});
}

void TZikoErgebnisformatDlg::ComboBoxDiszChange() {
  speichereFlag();
  gezeigt_ = comboKey(ComboBoxDisz, -1, gezeigt_);
  ladeFlag();
}

void TZikoErgebnisformatDlg::ButtonOKClick() {
  speichereFlag();
  closeWith(mrOk);
}
