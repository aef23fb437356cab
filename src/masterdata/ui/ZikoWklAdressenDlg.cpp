#include "masterdata/ui/ZikoWklAdressenDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "core/schema.h"
#include "platform/fieldfilter.h"
#include "platform/keydata.h"
#include "platform/text.h"

TZikoWklAdressenDlg* ZikoWklAdressenDlg = nullptr;

TZikoWklAdressenDlg::TZikoWklAdressenDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Wettkampfleiter"));
  setHelpTopic("ZikoStammdatenWkl.html");

  auto* nameGroup = new QGroupBox(qs("Name"), this);
  ListBoxWklAdressen = new QListWidget(nameGroup);
  (new QVBoxLayout(nameGroup))->addWidget(ListBoxWklAdressen);
  auto* diszGroup = new QGroupBox(qs("Zuständig für"), this);
  ListBoxDisz = new QListWidget(diszGroup);
  ListBoxDisz->setSelectionMode(QAbstractItemView::MultiSelection);
  (new QVBoxLayout(diszGroup))->addWidget(ListBoxDisz);

  auto* address = new QGroupBox(qs("Adresse"), this);
  auto* fields = new QGridLayout(address);
  struct Field {
    QLineEdit** edit;
    const char* label;
    int limit;
  };
  const Field kFields[] = {{&EditName, "Name", 40}, {&EditStrasse, "Strasse", 30}, {&EditPlz, "PLZ", 10},
                           {&EditOrt, "Ort", 30},   {&EditTel, "Telefon", 20},    {&EditFax, "Fax", 20},
                           {&EditMail, "Mail", 40}};
  int row = 0;
  for (const Field& f : kFields) {
    *f.edit = new QLineEdit(address);
    setTypingLimit(*f.edit, f.limit);
    fields->addWidget(new QLabel(qs(f.label), address), row, 0);
    fields->addWidget(*f.edit, row++, 1);
    connect(*f.edit, &QLineEdit::editingFinished, this, [this] {
      // Focus also leaves a field while the window closes, which saves by itself.
      if (isVisible()) EditExit();
    });
  }
  ButtonNeu = new QPushButton(qs("&Neuer Eintrag"), address);
  ButtonLoeschen = new QPushButton(qs("Entfernen"), address);
  auto* editButtons = new QHBoxLayout;
  editButtons->addWidget(ButtonNeu);
  editButtons->addWidget(ButtonLoeschen);
  fields->addLayout(editButtons, row, 0, 1, 2);

  ButtonHilfe = new QPushButton(qs("&Hilfe F1"), this);
  ButtonOK = new QPushButton(qs("B&eenden ESC"), this);
  for (QPushButton* b : {ButtonNeu, ButtonLoeschen, ButtonHilfe, ButtonOK}) b->setAutoDefault(false);

  auto* lists = new QVBoxLayout;
  lists->addWidget(nameGroup, 1);
  lists->addWidget(diszGroup, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(ButtonHilfe);
  bottom->addWidget(ButtonOK);
  auto* right = new QVBoxLayout;
  right->addWidget(address);
  right->addStretch(1);
  right->addLayout(bottom);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addLayout(right, 1);
  resize(640, 440);

  connect(ListBoxWklAdressen, &QListWidget::currentRowChanged, this, [this] { ListBoxWklAdressenClick(); });
  connect(ListBoxDisz, &QListWidget::itemClicked, this, [this] { ListBoxDiszClick(); });
  connect(ButtonNeu, &QPushButton::clicked, this, &TZikoWklAdressenDlg::ButtonNeuClick);
  connect(ButtonLoeschen, &QPushButton::clicked, this, &TZikoWklAdressenDlg::ButtonLoeschenClick);
  connect(ButtonHilfe, &QPushButton::clicked, this, &TZikoWklAdressenDlg::ButtonHilfeClick);
  connect(ButtonOK, &QPushButton::clicked, this, [this] { closeWith(mrOk); });
}

void TZikoWklAdressenDlg::FormShow() {
  shownNr_ = -1;
  ListBoxDisz->clear();
  db::Table disz = db::query(gDbHaupt, "SELECT Nr, Bezeichnung FROM Disznamen ORDER BY Nr ASC");
  for (size_t r = 0; r < disz.size(); ++r) {
    long nr = disz.num(r, 0);
    addListItem(ListBoxDisz, disz.text(r, 1).empty() ? defaultDisciplineName(nr) : disz.text(r, 1), nr);
  }
  fillManagers();
  {
    QSignalBlocker block(ListBoxWklAdressen);
    ListBoxWklAdressen->setCurrentRow(0);
  }
  showManager(currentKey(ListBoxWklAdressen));
  ButtonNeu->setEnabled(true);
  ButtonLoeschen->setEnabled(false);
}

void TZikoWklAdressenDlg::fillManagers() {
  QSignalBlocker block(ListBoxWklAdressen);
  ListBoxWklAdressen->clear();
  db::Table t = db::query(gDbHaupt, "SELECT Nr, Name FROM Wettkampfleiter ORDER BY Nr;");
  for (size_t r = 0; r < t.size(); ++r) addListItem(ListBoxWklAdressen, t.text(r, 1), t.num(r, 0));
  updateDeleteButton();
}

void TZikoWklAdressenDlg::updateDeleteButton() {
  int count = ListBoxWklAdressen->count();
  ButtonLoeschen->setEnabled(count > 1 && ListBoxWklAdressen->currentRow() == count - 1);
}

void TZikoWklAdressenDlg::showManager(long nr) {
  db::Table t = db::query(gDbHaupt, "SELECT Name, Strasse, Plz, Ort, Tel, Fax, Mail FROM Wettkampfleiter WHERE Nr=?;",
                          {nr});
  shownNr_ = nr >= 0 && !t.empty() ? nr : -1;
  QLineEdit* const edits[] = {EditName, EditStrasse, EditPlz, EditOrt, EditTel, EditFax, EditMail};
  for (size_t i = 0; i < 7; ++i) edits[i]->setText(shownNr_ >= 0 ? qs(t.text(0, i)) : QString());
  QSignalBlocker block(ListBoxDisz);
  ListBoxDisz->clearSelection();
  if (shownNr_ < 0) return;
  db::Table led = db::query(gDbHaupt, "SELECT Nr FROM Disznamen WHERE WklNr=? ORDER BY Nr;", {shownNr_});
  for (size_t r = 0; r < led.size(); ++r) {
    int row = rowOfKey(ListBoxDisz, led.num(r, 0));
    if (row >= 0) ListBoxDisz->item(row)->setSelected(true);
  }
}

void TZikoWklAdressenDlg::ListBoxWklAdressenClick() {
  // The fields still belong to the manager shown before: a change typed there is his.
  saveAddress();
  showManager(currentKey(ListBoxWklAdressen));
  updateDeleteButton();
}

void TZikoWklAdressenDlg::saveAddress() {
  if (shownNr_ < 0) return;
  std::string v[7];
  const QLineEdit* edits[7] = {EditName, EditStrasse, EditPlz, EditOrt, EditTel, EditFax, EditMail};
  for (int i = 0; i < 7; ++i)
    if (!storableText(edits[i]->text(), v[i])) return;
  const std::string& name = v[0];
  if (!db::exec(gDbHaupt,
                "UPDATE Wettkampfleiter Set Name=?, Strasse=?, Plz=?, Ort=?, Tel=?, Fax=?, Mail=? WHERE Nr=?;",
                {name, v[1], v[2], v[3], v[4], v[5], v[6], shownNr_}))
    return;
  int row = rowOfKey(ListBoxWklAdressen, shownNr_);
  if (row >= 0) ListBoxWklAdressen->item(row)->setText(qs(name));
}

void TZikoWklAdressenDlg::EditExit() {
  saveAddress();
  ButtonNeu->setEnabled(true);
}

void TZikoWklAdressenDlg::ListBoxDiszClick() {
  if (shownNr_ < 0) return;
  db::Transaction t(gDbHaupt);
  bool ok = true;
  for (QListWidgetItem* item : ListBoxDisz->selectedItems())
    ok = ok && db::exec(gDbHaupt, "UPDATE Disznamen SET WklNr=? WHERE Nr=?;", {shownNr_, keyOf(item)});
  if (ok) t.commit();
}

void TZikoWklAdressenDlg::ButtonNeuClick() {
  saveAddress();
  db::Table last = db::query(gDbHaupt, "SELECT MAX(Nr) FROM Wettkampfleiter;");
  if (!last.ok) return;
  long nr = last.empty() || last.text(0, 0).empty() ? 0 : last.num(0, 0) + 1;
  std::string name = "Wettkampfleiter " + str(ListBoxWklAdressen->count() + 1);
  if (!db::exec(gDbHaupt, "INSERT INTO Wettkampfleiter (Nr, Name) VALUES (?, ?);", {nr, name})) return;
  shownNr_ = -1;
  fillManagers();
  {
    QSignalBlocker block(ListBoxWklAdressen);
    ListBoxWklAdressen->setCurrentRow(rowOfKey(ListBoxWklAdressen, nr));
  }
  showManager(nr);
  updateDeleteButton();
  ButtonNeu->setEnabled(false);
  EditName->setFocus();
}

void TZikoWklAdressenDlg::ButtonLoeschenClick() {
  int count = ListBoxWklAdressen->count();
  if (count < 2) return;
  saveAddress();
  long last = keyOf(ListBoxWklAdressen->item(count - 1));
  long first = keyOf(ListBoxWklAdressen->item(0));
  {
    // Its disciplines pass to the first manager; neither happens without the other.
    db::Transaction t(gDbHaupt);
    if (!db::exec(gDbHaupt, "DELETE FROM Wettkampfleiter WHERE Nr=?;", {last}) ||
        !db::exec(gDbHaupt, "UPDATE Disznamen SET WklNr=? WHERE WklNr=?;", {first, last}) || !t.commit())
      return;
  }
  shownNr_ = -1;
  fillManagers();
  {
    QSignalBlocker block(ListBoxWklAdressen);
    ListBoxWklAdressen->setCurrentRow(ListBoxWklAdressen->count() - 1);
  }
  showManager(currentKey(ListBoxWklAdressen));
  updateDeleteButton();
}
