#include "masterdata/ui/ZikoDiszbezDlg.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "core/schema.h"
#include "core/upgrade.h"
#include "platform/listlook.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"

TZikoDiszbezDlg* ZikoDiszbezDlg = nullptr;

namespace {

// The tables of the main database that hold rows of one discipline. Age classes and
// shooter bans stay: they are kept per discipline number on purpose.
const char* const kDisciplineRows[] = {"Gegner",  "Mschklassen",  "Termine",     "Msch_in_klassen",
                                       "Mscherg", "Schuetzenerg", "Mschaufstlg", "Msch_fuehrer"};

}  // namespace

QWidget* DiszbezList::openEditor() const {
  if (state() != QAbstractItemView::EditingState) return nullptr;
  for (QLineEdit* e : viewport()->findChildren<QLineEdit*>())
    if (e->isVisible()) return e;
  return nullptr;
}

void DiszbezList::commitEditor() {
  if (QWidget* editor = openEditor()) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

TZikoDiszbezDlg::TZikoDiszbezDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Disziplinbezeichnungen"));
  setHelpTopic("ZikoStammdatenDisznamen.html");

  ListView1 = new DiszbezList(this);
  ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
  setGridLines(ListView1);
  ListView1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::SelectedClicked);
  ButtonNeu = new QPushButton(qs("Neuer Eintrag"), this);
  ButtonEntfernen = new QPushButton(qs("Entfernen"), this);
  ButtonHilfe = new QPushButton(qs("Hilfe F1"), this);
  ButtonAbbrechen = new QPushButton(qs("Beenden ESC"), this);
  for (QPushButton* b : {ButtonNeu, ButtonEntfernen, ButtonHilfe, ButtonAbbrechen}) b->setAutoDefault(false);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {ButtonNeu, ButtonEntfernen}) buttons->addWidget(b);
  buttons->addStretch(1);
  for (QPushButton* b : {ButtonHilfe, ButtonAbbrechen}) buttons->addWidget(b);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addLayout(buttons);
  resize(460, 320);

  connect(ListView1, &QListWidget::currentRowChanged, this, [this] { ListView1Change(); });
  connect(ButtonNeu, &QPushButton::clicked, this, &TZikoDiszbezDlg::ButtonNeuClick);
  connect(ButtonEntfernen, &QPushButton::clicked, this, &TZikoDiszbezDlg::ButtonEntfernenClick);
  connect(ButtonHilfe, &QPushButton::clicked, this, &TZikoDiszbezDlg::ButtonHilfeClick);
  // The close path that asks canClose, so a refused name keeps the window open.
  connect(ButtonAbbrechen, &QPushButton::clicked, this, [this] { reject(); });
}

void TZikoDiszbezDlg::FormShow() {
  fillList();
  ListView1->setCurrentRow(0);
  ListView1->setFocus();
}

void TZikoDiszbezDlg::FormClose() { saveAll(); }

bool TZikoDiszbezDlg::canClose() { return saveAll(); }

void TZikoDiszbezDlg::fillList() {
  QSignalBlocker block(ListView1);
  ListView1->clear();
  db::Table t = db::query(gDbHaupt, "SELECT Nr, Bezeichnung FROM Disznamen ORDER BY Nr ASC");
  for (size_t r = 0; r < t.size(); ++r) {
    long nr = t.num(r, 0);
    QListWidgetItem* item = addListItem(ListView1, t.text(r, 1).empty() ? defaultDisciplineName(nr) : t.text(r, 1), nr);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
  }
  ButtonEntfernen->setEnabled(false);
}

void TZikoDiszbezDlg::ListView1Change() {
  int row = ListView1->currentRow();
  int count = ListView1->count();
  ButtonEntfernen->setEnabled(count > 1 && row == count - 1 && currentKey(ListView1) != 0);
}

void TZikoDiszbezDlg::selectLast() {
  ListView1->setCurrentRow(ListView1->count() - 1);
  ListView1Change();
  ListView1->setFocus();
  if (QListWidgetItem* item = ListView1->currentItem()) ListView1->scrollToItem(item);
}

bool TZikoDiszbezDlg::saveAll() {
  ListView1->commitEditor();
  // The names that can be stored are; the first that cannot stays in the list, open for
  // correction, with the message naming its character.
  QListWidgetItem* refused = nullptr;
  UpgradePathTables();
  {
    db::Transaction t(gDbHaupt);
    for (int i = 0; i < ListView1->count(); ++i) {
      QListWidgetItem* item = ListView1->item(i);
      std::string name;
      if (!toCp1252(item->text(), name)) {
        if (!refused) refused = item;
        continue;
      }
      long nr = keyOf(item);
      db::exec(gDbHaupt, "UPDATE Disznamen SET Bezeichnung=? WHERE Nr=?;", {name.empty() ? defaultDisciplineName(nr) : name, nr});
    }
    t.commit();
  }
  for (int i = 0; i < ListView1->count(); ++i) addDisciplineSettingsRows(static_cast<int>(keyOf(ListView1->item(i))));
  gEinstellungen.AktDisznr = 0;
  if (!refused) return true;
  std::string ignored;
  storableText(refused->text(), ignored);  // the message
  ListView1->setCurrentItem(refused);
  ListView1->setFocus();
  ListView1->editItem(refused);
  return false;
}

void TZikoDiszbezDlg::ButtonNeuClick() {
  if (!saveAll()) return;
  db::Table last = db::query(gDbHaupt, "SELECT MAX(Nr) FROM Disznamen;");
  if (!last.ok) return;
  int nr = last.empty() || last.text(0, 0).empty() ? 0 : last.integer(0, 0) + 1;
  std::string name = defaultDisciplineName(nr);
  if (!insertDisznamenRow(nr, name, currentSeasonName())) return;
  addDisciplineSettingsRows(nr);
  QListWidgetItem* item = addListItem(ListView1, name, nr);
  item->setFlags(item->flags() | Qt::ItemIsEditable);
  selectLast();
  ListView1->editItem(item);
}

void TZikoDiszbezDlg::ButtonEntfernenClick() {
  ListView1->commitEditor();
  int count = ListView1->count();
  long nr = count > 1 ? keyOf(ListView1->item(count - 1)) : 0;
  if (nr <= 0) return;
  if (msg::show("Mit dem Entfernen einer Disziplin werden alle zu dieser \nDisziplin gehörenden Klassen, "
                "Mannschaften samt Ergebnissen\nund alle Einzelergebnisse, die in dieser Disziplin erzielt "
                "wurden, gelöscht. \nDisziplin trotzdem entfernen ?",
                "Disziplin entfernen", msg::YesNo, msg::Question) != msg::IdYes)
    return;
  bool removed = false;
  {
    db::Transaction t(gDbHaupt);
    bool ok = db::exec(gDbHaupt, "DELETE FROM Disznamen WHERE Nr=?;", {nr});
    for (const char* table : kDisciplineRows)
      ok = ok && db::exec(gDbHaupt, std::string("DELETE FROM ") + table + " WHERE Disznr=?;", {nr});
    removed = ok && t.commit();
  }
  if (removed) {
    // Rows of a later discipline of the same number must start afresh, not inherit these.
    for (const char* table : {"PfadeEinzelausgb_10", "PfadeNeueSaison", "PfadeImpExp"})
      db::exec(gDbPfade, std::string("DELETE FROM ") + table + " WHERE Disznr=?;", {nr});
    db::exec(gDbAutoImpExp, "DELETE FROM RmeImport WHERE Disznr=?;", {nr});
    db::exec(gDbAgenda, "DELETE FROM Aktion WHERE Disznr=?;", {nr});
  }
  fillList();
  selectLast();
}
