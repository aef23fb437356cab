#include "entry/ui/ErgebnisBearbeitenDlg.h"

#include <QHBoxLayout>
#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "masterdata/ui/DisziplinAuswahl.h"
#include "platform/keydata.h"
#include "platform/text.h"

TErgebnisBearbeitenDlg::TErgebnisBearbeitenDlg(QWidget* parent, const char* caption, const char* helpTopic)
    : ZDialog(parent) {
  setWindowTitle(qs(caption));
  setHelpTopic(helpTopic);
  ComboBoxDisz = new QComboBox(this);
  ButtonSpeichern = new QPushButton(qs("Speichern F2"), this);
  ButtonSpeichern->setToolTip(qs("Daten speichern"));
  ButtonErgLoeschen = new QPushButton(qs("Markierten Eintrag löschen F7"), this);
  ButtonErgLoeschen->setToolTip(qs("Markierten Eintrag löschen"));
  ButtonErgLoeschen->setEnabled(false);
  ButtonEnde = new QPushButton(qs("B&eenden ESC"), this);
  ButtonHilfe = new QPushButton(qs("Hilfe F1"), this);

  connect(ComboBoxDisz, &QComboBox::activated, this, [this] { ComboBoxDiszChange(); });
  connect(ButtonSpeichern, &QPushButton::clicked, this, [this] { ButtonSpeichernClick(); });
  connect(ButtonErgLoeschen, &QPushButton::clicked, this, [this] { ButtonErgLoeschenClick(); });
  connect(ButtonHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
  connect(ButtonEnde, &QPushButton::clicked, this, [this] { closeWith(mrOk); });
  bindKey(Qt::Key_F2, [this] { ButtonSpeichernClick(); });
  bindKey(Qt::Key_F7, [this] { ButtonErgLoeschenClick(); });
}

QTreeWidgetItem* TErgebnisBearbeitenDlg::chosenRow(const QTreeWidget* list) {
  QTreeWidgetItem* item = list->currentItem();
  return item && item->isSelected() ? item : nullptr;
}

void TErgebnisBearbeitenDlg::onChoice(QTreeWidget* list, std::function<void()> handler) {
  connect(list, &QTreeWidget::itemSelectionChanged, this, std::move(handler));
}

QPushButton* TErgebnisBearbeitenDlg::makeNewButton() {
  auto* button = new QPushButton(qs("Neuer Eintrag F4"), this);
  connect(button, &QPushButton::clicked, this, [this] { newEntryClick(); });
  bindKey(Qt::Key_F4, [this] { newEntryClick(); });
  return button;
}

QHBoxLayout* TErgebnisBearbeitenDlg::buttonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  for (QPushButton* b : buttons) {
    b->setAutoDefault(false);
    row->addWidget(b);
  }
  return row;
}

void TErgebnisBearbeitenDlg::showDisciplines() {
  FillDisziplinenCombo(ComboBoxDisz, gEinstellungen.AktDisznr);
  if (ComboBoxDisz->currentIndex() < 0) {
    QSignalBlocker block(ComboBoxDisz);
    ComboBoxDisz->setCurrentIndex(0);
  }
  ShownDisznr = static_cast<int>(comboKey(ComboBoxDisz, -1, gEinstellungen.AktDisznr));
  LoadPositions(ShownDisznr);
}

void TErgebnisBearbeitenDlg::FormClose() {
  gEinstellungen.AktDisznr = static_cast<int8_t>(comboKey(ComboBoxDisz, -1, gEinstellungen.AktDisznr));
  StorePositions(gEinstellungen.AktDisznr);
}

void TErgebnisBearbeitenDlg::ComboBoxDiszChange() {
  StorePositions(ShownDisznr);
  ShownDisznr = static_cast<int>(comboKey(ComboBoxDisz, -1, 0));
  gEinstellungen.AktDisznr = static_cast<int8_t>(ShownDisznr);
  LoadPositions(ShownDisznr);
  disciplineChanged();
}

void TErgebnisBearbeitenDlg::enableResultButtons(bool resultChosen) {
  ButtonSpeichern->setEnabled(resultChosen || NeuerEintrag);
  ButtonErgLoeschen->setEnabled(resultChosen);
}

void TErgebnisBearbeitenDlg::beginNewEntry(QTreeWidget* results) {
  chooseRow(results, nullptr);
  NeuerEintrag = true;
  enableResultButtons(false);
}
