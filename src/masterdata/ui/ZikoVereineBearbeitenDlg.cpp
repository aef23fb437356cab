#include "masterdata/ui/ZikoVereineBearbeitenDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "platform/listlook.h"
#include "platform/elide.h"
#include "platform/fieldfilter.h"
#include "platform/keydata.h"
#include "platform/sortablelist.h"
#include "platform/messages.h"
#include "platform/text.h"

TZikoVereineBearbeitenDlg* ZikoVereineBearbeitenDlg = nullptr;

namespace {
constexpr int kMemoMax = 500;
}

TZikoVereineBearbeitenDlg::TZikoVereineBearbeitenDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Vereinsdaten bearbeiten"));
  setHelpTopic("ZikoStammdatenVereine.html");
  createControls();
  arrangeControls();
  connectHandlers();
}

void TZikoVereineBearbeitenDlg::createControls() {
  ListView1 = new SortableListView(this);
  ListView1->setColumnCount(2);
  ListView1->setHeaderLabels({qs("Nr"), qs("Vereinsname")});
  setGridLines(ListView1);
  ListView1->sortBy(0, true);

  EditNr = new QLineEdit(this);
  setNumberFilter(EditNr, false, 9);
  EditVrname = new QLineEdit(this);
  EditVrname->setMaxLength(45);
  EditTelSStd = new QLineEdit(this);
  Memo1 = new QPlainTextEdit(this);
  GroupBox2 = new QGroupBox(qs("Zusatztext"), this);
  auto* memoLayout = new QVBoxLayout(GroupBox2);
  memoLayout->addWidget(Memo1);

  ButtonSpeichern = new QPushButton(qs("Speichern F2"), this);
  ButtonNeu = new QPushButton(qs("Neu F4"), this);
  ButtonLoeschen = new QPushButton(qs("Löschen F7"), this);
  ButtonHilfe = new QPushButton(qs("H&ilfe F1"), this);
  ButtonBeenden = new QPushButton(qs("B&eenden ESC"), this);
  for (QPushButton* b : {ButtonSpeichern, ButtonNeu, ButtonLoeschen, ButtonHilfe, ButtonBeenden})
    b->setAutoDefault(false);
  Label1 = new QLabel(this);
  Label1->setWordWrap(true);
}

void TZikoVereineBearbeitenDlg::arrangeControls() {
  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(qs("Nr."), this), 0, 0);
  fields->addWidget(EditNr, 0, 1);
  fields->addWidget(new QLabel(qs("Vereinsname"), this), 1, 0);
  fields->addWidget(EditVrname, 1, 1);
  fields->addWidget(new QLabel(qs("Telefon Verein:"), this), 2, 0);
  fields->addWidget(EditTelSStd, 2, 1);
  auto* right = new QVBoxLayout;
  right->addLayout(fields);
  right->addWidget(GroupBox2, 1);
  right->addWidget(Label1);
  // Both halves keep their widths whatever club is shown.
  GroupBox2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
  Label1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  ListView1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
  auto* top = new QHBoxLayout;
  top->addWidget(ListView1, 1);
  top->addLayout(right, 1);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {ButtonSpeichern, ButtonNeu, ButtonLoeschen, ButtonHilfe, ButtonBeenden})
    buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
  resize(720, 460);
}

void TZikoVereineBearbeitenDlg::connectHandlers() {
  connect(ListView1, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
            if (current) ListView1Change();
          });
  // After the list sorted itself on a header click.
  connect(ListView1->header(), &QHeaderView::sectionClicked, this, [this] { rememberSortedRow(); });
  connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
    QString t = Memo1->toPlainText();
    if (t.size() > kMemoMax) {
      QSignalBlocker block(Memo1);
      Memo1->setPlainText(t.left(kMemoMax));
      Memo1->moveCursor(QTextCursor::End);
    }
  });
  connect(ButtonSpeichern, &QPushButton::clicked, this, &TZikoVereineBearbeitenDlg::ButtonSpeichernClick);
  connect(ButtonNeu, &QPushButton::clicked, this, &TZikoVereineBearbeitenDlg::ButtonNeuClick);
  connect(ButtonLoeschen, &QPushButton::clicked, this, &TZikoVereineBearbeitenDlg::ButtonLoeschenClick);
  connect(ButtonHilfe, &QPushButton::clicked, this, &TZikoVereineBearbeitenDlg::ButtonHilfeClick);
  connect(ButtonBeenden, &QPushButton::clicked, this, [this] { closeWith(mrOk); });

  bindKey(Qt::Key_F2, [this] { ButtonSpeichernClick(); });
  bindKey(Qt::Key_F4, [this] { ButtonNeuClick(); });
  bindKey(Qt::Key_F7, [this] { ButtonLoeschenClick(); });
}

void TZikoVereineBearbeitenDlg::FormShow() {
  fillList();
  neuModus_ = 0;
  selIndex_ = gEinstellungen.VereinListIndex;
  EditNr->setReadOnly(true);
  // Closed in new mode last time: "Neu" must work again even when no row gets selected.
  ButtonNeu->setEnabled(true);
  selectRow(selIndex_);
  ListView1->setFocus();
  Label1->setText(qs(
      "Im Editfeld Zusatztext können zusätzliche Daten festgehalten werden, die bei der "
      "Gegnereinteilung von Bedeutung sind wie z.B. Anzahl der Schießstände, bevorzugte "
      "Wochentage für Schießbetrieb, Ansprechpartner usw. "));
}

void TZikoVereineBearbeitenDlg::FormClose() {
  if (ListView1->currentItem() && ListView1->currentItem()->isSelected())
    gEinstellungen.VereinListIndex = ListView1->indexOfTopLevelItem(ListView1->currentItem());
}

void TZikoVereineBearbeitenDlg::fillList() {
  db::Table t = db::query(gDbHaupt, "SELECT Nummer, Name FROM Vereine_gau ORDER BY Nummer ASC");
  QSignalBlocker block(ListView1);
  ListView1->clear();
  for (size_t r = 0; r < t.size(); ++r) {
    auto* item = new QTreeWidgetItem(ListView1);
    item->setText(0, qs(str(t.num(r, 0))));
    item->setText(1, qs(t.text(r, 1)));
    setKey(item, t.num(r, 0));
  }
  ListView1->sortBy(ListView1->sortColumn(), ListView1->ascending());
  ButtonLoeschen->setEnabled(ListView1->topLevelItemCount() >= 2);
}

void TZikoVereineBearbeitenDlg::selectRow(int index) {
  QTreeWidgetItem* item = index >= 0 ? ListView1->topLevelItem(index) : nullptr;
  chooseRow(ListView1, item);
  if (item) {
    ListView1->scrollToItem(item);
    ListView1Change();
  }
}

void TZikoVereineBearbeitenDlg::ListView1Change() {
  QTreeWidgetItem* item = ListView1->currentItem();
  if (!item) return;
  selIndex_ = ListView1->indexOfTopLevelItem(item);
  ButtonSpeichern->setEnabled(true);
  ButtonNeu->setEnabled(true);
  ButtonLoeschen->setEnabled(ListView1->topLevelItemCount() >= 2);
  showClub(keyOf(item));
}

void TZikoVereineBearbeitenDlg::clearClub() {
  for (QLineEdit* e : {EditNr, EditVrname, EditTelSStd}) e->clear();
  Memo1->clear();
  GroupBox2->setTitle(qs("Zusatztext"));
}

void TZikoVereineBearbeitenDlg::showClub(long nummer) {
  clearClub();
  db::Table club = db::query(gDbHaupt, "SELECT * from Vereine_gau  WHERE Nummer = ?", {nummer});
  if (!club.empty()) {
    EditNr->setText(qs(str(club.num(0, 0))));
    EditVrname->setText(qs(club.text(0, 1)));
    setElidedTitle(GroupBox2, qs("Zusatztext " + club.text(0, 1)));
  }
  db::Table extra = db::query(gDbHaupt, "SELECT * from Vereine_zstext  WHERE Nummer = ?", {nummer});
  if (!extra.empty()) {
    if (extra.text(0, 1) != "(null)") Memo1->setPlainText(qs(extra.text(0, 1)));
    if (extra.rows[0].size() > 2) EditTelSStd->setText(qs(extra.text(0, 2)));
  }
}

void TZikoVereineBearbeitenDlg::ListView1ColumnClick(int column) {
  ListView1->headerClicked(column);
  rememberSortedRow();
}

void TZikoVereineBearbeitenDlg::rememberSortedRow() {
  if (QTreeWidgetItem* item = ListView1->currentItem()) {
    selIndex_ = ListView1->indexOfTopLevelItem(item);
    ListView1->scrollToItem(item);
  }
}

void TZikoVereineBearbeitenDlg::ButtonNeuClick() {
  neuModus_ = 1;
  clearClub();
  EditNr->setReadOnly(false);
  ButtonNeu->setEnabled(false);
  ButtonLoeschen->setEnabled(false);
  EditNr->setFocus();
}

void TZikoVereineBearbeitenDlg::leaveNewMode() {
  EditNr->setReadOnly(true);
  neuModus_ = 0;
  ButtonNeu->setEnabled(true);
  ButtonLoeschen->setEnabled(true);
}

void TZikoVereineBearbeitenDlg::ButtonSpeichernClick() {
  long nummer = toLong(fromQs(EditNr->text()));
  std::string name, text, tel;
  if (!storableText(EditVrname->text(), name) || !storableText(Memo1->toPlainText(), text) ||
      !storableText(EditTelSStd->text(), tel))
    return;

  if (neuModus_) {
    if (itemOfKey(ListView1, nummer)) {
      msg::show("Nr. " + str(nummer) + "\n\rschon vorhanden!", "Fehler", msg::Ok, msg::Error);
      leaveNewMode();
      selectRow(selIndex_);
      return;
    }
    // 0 stands for "bye" and "all" everywhere, so it can never be a club.
    if (nummer < 1 && !name.empty()) {
      msg::show("Die Vereinsnummer muss mindestens 1 sein.", "Fehler", msg::Ok, msg::Error);
      EditNr->setFocus();
      return;
    }
    if (!name.empty()) {
      db::Transaction t(gDbHaupt);
      bool ok = db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (?, ?);", {nummer, name}) &&
                db::exec(gDbHaupt, "INSERT INTO Vereine_zstext (Nummer, ZsText, TelSStd) VALUES (?, ?, ?);",
                         {nummer, text, tel});
      if (ok) t.commit();
      fillList();
      if (QTreeWidgetItem* added = itemOfKey(ListView1, nummer)) selIndex_ = ListView1->indexOfTopLevelItem(added);
      leaveNewMode();
      selectRow(selIndex_);
    } else {
      leaveNewMode();
    }
  } else {
    QTreeWidgetItem* item = ListView1->currentItem();
    if (!item) return;
    long key = keyOf(item);
    db::Transaction t(gDbHaupt);
    bool ok = db::exec(gDbHaupt, "UPDATE Vereine_gau SET Name=? WHERE Nummer=?;", {name, key});
    // Clubs created by an import have no extra-text row yet: give them one.
    db::Table has = db::query(gDbHaupt, "SELECT Nummer FROM Vereine_zstext WHERE Nummer=?;", {key});
    ok = ok && has.ok;
    if (ok && has.empty())
      ok = db::exec(gDbHaupt, "INSERT INTO Vereine_zstext (Nummer, ZsText, TelSStd) VALUES (?, ?, ?);",
                    {key, text, tel});
    else if (ok)
      ok = db::exec(gDbHaupt, "UPDATE Vereine_zstext SET ZsText=?, TelSStd=? WHERE Nummer=?;", {text, tel, key});
    if (ok && t.commit()) {
      item->setText(1, qs(name));
      setElidedTitle(GroupBox2, qs("Zusatztext " + name));
    }
    leaveNewMode();
    ButtonLoeschen->setEnabled(ListView1->topLevelItemCount() >= 2);
  }
  ListView1->setFocus();
}

void TZikoVereineBearbeitenDlg::ButtonLoeschenClick() {
  QTreeWidgetItem* item = ListView1->currentItem();
  if (!item) return;
  long nummer = keyOf(item);
  if (msg::show("Verein Nr. " + str(nummer) + " wirklich löschen ?", "Verein löschen", msg::YesNo,
                msg::Question) == msg::IdNo) {
    ListView1->setFocus();
    ListView1->scrollToItem(item);
    return;
  }
  clearClub();
  {
    db::Transaction t(gDbHaupt);
    if (db::exec(gDbHaupt, "DELETE FROM Vereine_gau WHERE Nummer=?;", {nummer}) &&
        db::exec(gDbHaupt, "DELETE FROM Vereine_zstext WHERE Nummer=?;", {nummer}))
      t.commit();
  }
  fillList();
  if (ListView1->topLevelItemCount() > 1 && selIndex_ > 0)
    --selIndex_;
  else
    selIndex_ = 0;
  if (neuModus_) leaveNewMode();
  selectRow(selIndex_);
  ListView1->setFocus();
}
