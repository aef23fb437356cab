#include "output/ui/ZikoSAAktionslisteDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "exchange/services.h"
#include "masterdata/ui/DisziplinAuswahl.h"
#include "output/aktionsliste.h"
#include "output/ui/ZikoSAALEinstellungenDlg.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "platform/waitcursor.h"

TZikoSAAktionslisteDlg* ZikoSAAktionslisteDlg = nullptr;

TZikoSAAktionslisteDlg::TZikoSAAktionslisteDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Aktionsliste"));
  setHelpTopic("ZikoSortierteAusgabenAktionsliste.html");

  MainMenu1 = new QMenuBar(this);
  Ende1 = MainMenu1->addAction(qs("Ende ESC"));
  Aktionseintrag1 = MainMenu1->addMenu(qs("Aktionseintrag"));
  // The keys are handled by the window itself; the tab only shows them in the menu.
  NeuerEintrag1 = Aktionseintrag1->addAction(qs("Neuer Eintrag\tF2"));
  Eintragbearbeiten1 = Aktionseintrag1->addAction(qs("Eintrag bearbeiten\tF4"));
  Eintragentfernen1 = Aktionseintrag1->addAction(qs("Eintrag entfernen\tStrg+Entf"));
  Start1 = MainMenu1->addAction(qs("Start F7"));
  Hilfe1 = MainMenu1->addAction(qs("Hilfe F1"));

  ComboBoxDisz = new QComboBox(this);
  ComboBoxDisz->setMinimumWidth(200);
  ComboBoxDgnr = new QComboBox(this);
  ComboBoxDgnr->setMinimumWidth(60);

  ListViewAL = new QTreeWidget(this);
  ListViewAL->setColumnCount(2);
  ListViewAL->setHeaderLabels({qs("Bezeichnung"), qs("Ausgabe")});
  ListViewAL->setRootIsDecorated(false);
  ListViewAL->setSelectionMode(QAbstractItemView::SingleSelection);
  ListViewAL->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListViewAL->setEditTriggers(QAbstractItemView::NoEditTriggers);

  BitBtnErgAuf = new QPushButton(this);
  BitBtnErgAuf->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
  BitBtnErgAuf->setToolTip(qs("markierte Zeile nach oben verschieben"));
  BitBtnErgAb = new QPushButton(this);
  BitBtnErgAb->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  BitBtnErgAb->setToolTip(qs("markierte Zeile nach unten verschieben"));
  for (QPushButton* b : {BitBtnErgAuf, BitBtnErgAb}) b->setAutoDefault(false);

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->showMessage(qs("Zielkontor.exe - Aktionsliste"));

  auto* choices = new QHBoxLayout;
  choices->addWidget(ComboBoxDisz);
  choices->addStretch(1);
  choices->addWidget(new QLabel(qs("Aktuelle Durchgangs-Nr.:"), this));
  choices->addWidget(ComboBoxDgnr);
  auto* moves = new QVBoxLayout;
  moves->addStretch(1);
  moves->addWidget(BitBtnErgAuf);
  moves->addWidget(BitBtnErgAb);
  moves->addStretch(1);
  auto* body = new QHBoxLayout;
  body->addWidget(ListViewAL, 1);
  body->addLayout(moves);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(MainMenu1);
  layout->addLayout(choices);
  layout->addLayout(body, 1);
  layout->addWidget(StatusBar1);
  setMinimumSize(490, 200);
  resize(560, 320);

  connect(Ende1, &QAction::triggered, this, &TZikoSAAktionslisteDlg::BeendenClick);
  connect(NeuerEintrag1, &QAction::triggered, this, &TZikoSAAktionslisteDlg::NeuerEintrag1Click);
  connect(Eintragbearbeiten1, &QAction::triggered, this, &TZikoSAAktionslisteDlg::Eintragbearbeiten1Click);
  connect(Eintragentfernen1, &QAction::triggered, this, &TZikoSAAktionslisteDlg::Eintragentfernen1Click);
  connect(Start1, &QAction::triggered, this, &TZikoSAAktionslisteDlg::Start1Click);
  connect(Hilfe1, &QAction::triggered, this, &TZikoSAAktionslisteDlg::Hilfe1Click);
  connect(ComboBoxDisz, &QComboBox::activated, this, &TZikoSAAktionslisteDlg::ComboBoxDiszChange);
  connect(ListViewAL, &QTreeWidget::currentItemChanged, this, &TZikoSAAktionslisteDlg::ListViewALClick);
  connect(ListViewAL, &QTreeWidget::itemDoubleClicked, this, &TZikoSAAktionslisteDlg::Eintragbearbeiten1Click);
  connect(BitBtnErgAuf, &QPushButton::clicked, this, &TZikoSAAktionslisteDlg::BitBtnErgAufClick);
  connect(BitBtnErgAb, &QPushButton::clicked, this, &TZikoSAAktionslisteDlg::BitBtnErgAbClick);

  bindKey(Qt::Key_F2, [this] { NeuerEintrag1Click(); });
  bindKey(Qt::Key_F4, [this] { Eintragbearbeiten1Click(); });
  bindKey(Qt::Key_F7, [this] { Start1Click(); });
}

bool TZikoSAAktionslisteDlg::previewKey(int key, Qt::KeyboardModifiers modifiers) {
  if (key == Qt::Key_Delete && (modifiers & Qt::ControlModifier)) {
    Eintragentfernen1Click();
    return true;
  }
  return ZDialog::previewKey(key, modifiers);
}

void TZikoSAAktionslisteDlg::FormShow() {
  gIntdat.AktionDisznr = gEinstellungen.AktDisznr;
  FillDisziplinenCombo(ComboBoxDisz, gIntdat.AktionDisznr);
  loadDiscipline();
  loadList();
  ListViewAL->setFocus();
  selectKey(-1);
}

std::string TZikoSAAktionslisteDlg::disciplineName() const {
  db::Table t = db::query(gDbHaupt, "SELECT Bezeichnung FROM Disznamen WHERE Nr=?;", {gIntdat.AktionDisznr});
  return t.empty() ? std::string() : t.text(0, 0);
}

void TZikoSAAktionslisteDlg::loadDiscipline() {
  db::Table d = db::query(gDbHaupt, "SELECT Bezeichnung, Zehntelflag, Kampfindex FROM Disznamen WHERE Nr=?;",
                          {gIntdat.AktionDisznr});
  std::string name = d.empty() ? std::string() : d.text(0, 0);
  zehntelflag_ = d.empty() ? 0 : d.integer(0, 1);
  int kampfindex = d.empty() ? 0 : d.integer(0, 2);
  setWindowTitle(qs("Aktionsliste " + name));

  db::Table k = db::query(gDbHaupt, "SELECT MAX(AnzahlTermine) FROM Mschklassen WHERE Disznr=?;",
                          {gIntdat.AktionDisznr});
  int rounds = k.empty() ? 0 : k.integer(0, 0);
  QSignalBlocker block(ComboBoxDgnr);
  ComboBoxDgnr->clear();
  for (int i = 1; i <= rounds; ++i) ComboBoxDgnr->addItem(qs(str(i)));
  // A current round beyond the classes' dates chooses the last one.
  if (rounds > 0) ComboBoxDgnr->setCurrentIndex(std::clamp(kampfindex, 0, rounds - 1));
}

void TZikoSAAktionslisteDlg::loadList() {
  QSignalBlocker block(ListViewAL);
  ListViewAL->clear();
  for (const AktionsEintrag& e : AktionenDerDisziplin(gIntdat.AktionDisznr)) {
    if (e.Bezeichnung.empty()) continue;
    QTreeWidgetItem* item =
        addTreeRow(ListViewAL, {e.Bezeichnung, e.Ausgabeart >= 1 ? e.Printstring_a : e.Pfad}, e.Satzindex);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, e.Machflag != 0 ? Qt::Checked : Qt::Unchecked);
    item->setToolTip(1, item->text(1));
  }
  updateEntryCommands();
}

void TZikoSAAktionslisteDlg::storeCheckBoxes() {
  std::vector<std::pair<int, int>> flags;
  for (int i = 0; i < ListViewAL->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = ListViewAL->topLevelItem(i);
    flags.push_back({static_cast<int>(keyOf(item)), item->checkState(0) == Qt::Checked ? 1 : 0});
  }
  if (!flags.empty()) AktionenAnkreuzen(gIntdat.AktionDisznr, flags);
}

// Selects the row of the job, or the first (key -1) or last (key past the end) row.
void TZikoSAAktionslisteDlg::selectKey(long key) {
  QTreeWidgetItem* item = nullptr;
  int n = ListViewAL->topLevelItemCount();
  if (n > 0) {
    item = ListViewAL->topLevelItem(key < 0 ? 0 : n - 1);
    for (int i = 0; key >= 0 && i < n; ++i)
      if (keyOf(ListViewAL->topLevelItem(i)) >= key) {
        item = ListViewAL->topLevelItem(i);
        break;
      }
  }
  chooseRow(ListViewAL, item);
  if (item) ListViewAL->scrollToItem(item);
  updateMoveButtons();
}

void TZikoSAAktionslisteDlg::updateEntryCommands() {
  bool any = ListViewAL->topLevelItemCount() > 0;
  Eintragbearbeiten1->setEnabled(any);
  Eintragentfernen1->setEnabled(any);
}

void TZikoSAAktionslisteDlg::updateMoveButtons() {
  int n = ListViewAL->topLevelItemCount();
  QTreeWidgetItem* item = ListViewAL->currentItem();
  int i = item ? ListViewAL->indexOfTopLevelItem(item) : -1;
  BitBtnErgAuf->setEnabled(n >= 2 && i > 0);
  BitBtnErgAb->setEnabled(n >= 2 && i >= 0 && i < n - 1);
}

void TZikoSAAktionslisteDlg::ListViewALClick() { updateMoveButtons(); }

void TZikoSAAktionslisteDlg::move(int direction) {
  QTreeWidgetItem* item = ListViewAL->currentItem();
  if (!item) return;
  int i = ListViewAL->indexOfTopLevelItem(item) + direction;
  if (i < 0 || i >= ListViewAL->topLevelItemCount()) return;
  long key = keyOf(item);
  long other = keyOf(ListViewAL->topLevelItem(i));
  // Reloading shows the order as stored: swapped, or as it was when the swap failed.
  storeCheckBoxes();
  bool moved = AktionenTauschen(gIntdat.AktionDisznr, static_cast<int>(key), static_cast<int>(other));
  loadList();
  selectKey(moved ? other : key);
}

void TZikoSAAktionslisteDlg::BitBtnErgAufClick() { move(-1); }
void TZikoSAAktionslisteDlg::BitBtnErgAbClick() { move(1); }

void TZikoSAAktionslisteDlg::NeuerEintrag1Click() { showEditor(1, -1); }

void TZikoSAAktionslisteDlg::Eintragbearbeiten1Click() {
  if (QTreeWidgetItem* item = ListViewAL->currentItem()) showEditor(0, keyOf(item));
}

void TZikoSAAktionslisteDlg::showEditor(int neu, long satzindex) {
  storeCheckBoxes();
  gIntdat.AktionNeu = neu;
  if (!neu) gIntdat.AktionSatzindex = static_cast<int32_t>(satzindex);
  gIntdat.AktionGespeichert = 0;
  if (ZikoSAALEinstellungenDlg) ZikoSAALEinstellungenDlg->ShowModal();
  if (gIntdat.AktionGespeichert) {
    loadList();
    selectKey(gIntdat.AktionSatzindex);  // a new job: its position behind the last
  }
}

void TZikoSAAktionslisteDlg::Eintragentfernen1Click() {
  QTreeWidgetItem* item = ListViewAL->currentItem();
  if (!item) return;
  long key = keyOf(item);
  storeCheckBoxes();
  AktionEntfernen(gIntdat.AktionDisznr, static_cast<int>(key));
  loadList();
  // Removed: the job behind it has moved up into its position. Failed: it is still there.
  selectKey(key);
}

void TZikoSAAktionslisteDlg::Start1Click() {
  WaitCursor wait;
  std::string name = disciplineName();
  storeCheckBoxes();
  if (ComboBoxDgnr->currentIndex() < 0) {
    wait.restore();
    msg::show("Aktionsliste " + name + ":\n\nEs gibt noch keinen Durchgang!", "Meldung:");
    return;
  }
  std::string log;
  {
    PointerListHolder holder;
    log = RunAktionsliste(holder, gIntdat.AktionDisznr, ComboBoxDgnr->currentIndex(), zehntelflag_);
  }
  wait.restore();
  if (log.empty())
    msg::show("Aktionsliste " + name + ":\n\nEs gibt nichts zu tun!", "Meldung:");
  else
    msg::show("Aktionsliste " + name + ": \n" + log, "Meldung:");
}

void TZikoSAAktionslisteDlg::ComboBoxDiszChange() {
  storeCheckBoxes();
  long nr = comboKey(ComboBoxDisz);
  if (nr < 0) return;
  gIntdat.AktionDisznr = static_cast<int32_t>(nr);
  loadList();
  loadDiscipline();
  selectKey(-1);
}

bool TZikoSAAktionslisteDlg::canClose() {
  storeCheckBoxes();
  return true;
}

void TZikoSAAktionslisteDlg::BeendenClick() {
  storeCheckBoxes();
  closeWith(mrOk);
}
