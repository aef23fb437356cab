#include "exchange/ui/ZikoDiszImportDlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "exchange/diszimport.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"

TZikoDiszImportDlg* ZikoDiszImportDlg = nullptr;

namespace {
constexpr long kNewDiscipline = -1;

std::string comboText(const QComboBox* combo) { return fromQs(combo->currentText()); }
}  // namespace

TZikoDiszImportDlg::TZikoDiszImportDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Disziplin importieren"));
  ComboBoxDatei = new QComboBox(this);
  ComboBoxZiel = new QComboBox(this);
  ButtonImportieren = new QPushButton(qs("Übernehmen"), this);
  ButtonAbbrechen = new QPushButton(qs("Beenden ESC"), this);

  auto* form = new QFormLayout;
  form->addRow(qs("Disziplin der Datei:"), ComboBoxDatei);
  form->addRow(qs("Übernehmen als:"), ComboBoxZiel);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ButtonImportieren);
  buttons->addWidget(ButtonAbbrechen);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);

  connect(ButtonImportieren, &QPushButton::clicked, this, [this] { ButtonImportierenClick(); });
  connect(ButtonAbbrechen, &QPushButton::clicked, this, [this] { reject(); });
}

void TZikoDiszImportDlg::FormShow() {
  db::close(gDbTemp);
  gDbTemp = db::open(gIntdat.TempDbDateiPfad);

  QSignalBlocker blockFile(ComboBoxDatei);
  QSignalBlocker blockTarget(ComboBoxZiel);
  ComboBoxDatei->clear();
  ComboBoxZiel->clear();
  if (gDbTemp)
    for (const DisciplineName& d : listDisciplines(gDbTemp))
      addComboItem(ComboBoxDatei, d.name, d.nr);
  addComboItem(ComboBoxZiel, "neue Disziplin", kNewDiscipline);
  for (const DisciplineName& d : listDisciplines(gDbHaupt))
    addComboItem(ComboBoxZiel, "Disziplin " + d.name + " ersetzen", d.nr);
  ComboBoxDatei->setCurrentIndex(ComboBoxDatei->count() > 0 ? 0 : -1);
  ComboBoxZiel->setCurrentIndex(0);
  ButtonImportieren->setEnabled(ComboBoxDatei->count() > 0);
  ComboBoxDatei->setFocus();
}

void TZikoDiszImportDlg::FormHide() {
  // The next extract replaces the temporary file.
  db::close(gDbTemp);
}

void TZikoDiszImportDlg::ButtonImportierenClick() {
  long from = comboKey(ComboBoxDatei);
  if (from < 0) return;
  long target = comboKey(ComboBoxZiel, -1, kNewDiscipline);
  std::string fileName = comboText(ComboBoxDatei);
  if (target != kNewDiscipline) {
    std::string mine;
    for (const DisciplineName& d : listDisciplines(gDbHaupt))
      if (d.nr == target) mine = d.name;
    if (msg::show("Disziplin " + mine + " dieses Datenbestands durch Disziplin " + fileName +
                      " der Datei ersetzen?",
                  "Meldung", msg::YesNo, msg::Question) != msg::IdYes)
      return;
  }
  int result = importDiscipline(gIntdat.TempDbDateiPfad, static_cast<int>(from),
                                static_cast<int>(target));
  if (result < 0) {
    msg::show("Die Disziplin " + fileName + " konnte nicht übernommen werden.", "Fehler",
              msg::Ok, msg::Error);
    return;
  }
  msg::show("Disziplin " + fileName + " wurde übernommen.", "Info", msg::Ok, msg::Information);
  closeWith(mrOk);
}
