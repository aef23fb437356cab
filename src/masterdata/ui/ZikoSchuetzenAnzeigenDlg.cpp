#include "masterdata/ui/ZikoSchuetzenAnzeigenDlg.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "entry/passreceiver.h"
#include "masterdata/ui/ZikoNeuerSchuetzeDlg.h"
#include "platform/keydata.h"
#include "platform/listlook.h"
#include "platform/sortablelist.h"
#include "platform/text.h"

TZikoSchuetzenAnzeigenDlg* ZikoSchuetzenAnzeigenDlg = nullptr;

TZikoSchuetzenAnzeigenDlg::TZikoSchuetzenAnzeigenDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Schützen Verein x"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setMinimumSize(240, 180);
  setMaximumWidth(345);

  ListView1 = new SortableListView(this);
  ListView1->setColumnCount(3);
  ListView1->setHeaderLabels({qs("Nr."), qs("Name"), qs("Geb.Datum")});
  setGridLines(ListView1);
  ListView1->sortBy(0, true);

  auto* group = new QGroupBox(qs("Anzeige"), this);
  group->setToolTip(qs("Anzeige der in 'Stammdaten->Schützen' markierten Schützen"));
  RadioAlle = new QRadioButton(qs("Alle"), group);
  RadioMarkierte = new QRadioButton(qs("Markierte"), group);
  auto* groupLayout = new QHBoxLayout(group);
  groupLayout->addWidget(RadioAlle);
  groupLayout->addWidget(RadioMarkierte);

  ButtonUebernehmen = new QPushButton(qs("Schützen ü&bernehmen RETURN"), this);
  ButtonNeuerDatensatz = new QPushButton(qs("Neuer Schütze F6"), this);
  ButtonUebernehmen->setAutoDefault(false);
  ButtonNeuerDatensatz->setAutoDefault(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addWidget(group);
  layout->addWidget(ButtonUebernehmen);
  layout->addWidget(ButtonNeuerDatensatz);
  resize(320, 420);

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect s = screen->geometry();
    move(s.width() - width() - s.width() / 12, s.height() / 2 - height() / 2);
  }

  connect(ListView1, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
            if (current) ListView1Change();
          });
  connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { TakeOverSelectedShooter(); });
  connect(RadioAlle, &QRadioButton::clicked, this, [this] { RadioGroup1Click(0); });
  connect(RadioMarkierte, &QRadioButton::clicked, this, [this] { RadioGroup1Click(1); });
  connect(ButtonUebernehmen, &QPushButton::clicked, this, [this] { TakeOverSelectedShooter(); });
  connect(ButtonNeuerDatensatz, &QPushButton::clicked, this,
          &TZikoSchuetzenAnzeigenDlg::ButtonNeuerDatensatzClick);
  bindKey(Qt::Key_F6, [this] { ButtonNeuerDatensatzClick(); });
}

void TZikoSchuetzenAnzeigenDlg::ShowBeside(QWidget* owner, const QWidget* keep) { showBeside(owner, keep); }

bool TZikoSchuetzenAnzeigenDlg::previewKey(int key, Qt::KeyboardModifiers modifiers) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    TakeOverSelectedShooter();
    return true;
  }
  return ZDialog::previewKey(key, modifiers);
}

void TZikoSchuetzenAnzeigenDlg::FormShow() {
  QPalette pal = ListView1->palette();
  PassnrReceiver* entry = passnrReceiver(ReceiverRole::Entry);
  pal.setColor(QPalette::Base, entry && entry->receiverVisible() ? palette().color(QPalette::ToolTipBase)
                                                                   : palette().color(QPalette::Base));
  ListView1->setPalette(pal);
  FillSchuetzenListe(gIntdat.SchuetzenWahl[0]);
}

void TZikoSchuetzenAnzeigenDlg::FillSchuetzenListe(long vrnr) {
  db::Transaction t(gDbHaupt);
  const std::string club = VereinsName(gDbHaupt, vrnr);
  setWindowTitle(club.empty() ? qs("Schützen anzeigen") : qs("Schützen " + club));
  int filter = gEinstellungen.SchuetzenAktivFilter;
  db::Table shooters =
      filter != 0 ? db::query(gDbHaupt, "SELECT Passnr, Name, Gebdat FROM Schuetzen WHERE VrNr=? AND AktivFlag=?;",
                              {vrnr, filter})
                  : db::query(gDbHaupt, "SELECT Passnr, Name, Gebdat FROM Schuetzen WHERE VrNr=?;", {vrnr});
  {
    QSignalBlocker block(ListView1);
    ListView1->clear();
    for (const auto& row : shooters.rows) {
      auto* item = new QTreeWidgetItem(ListView1);
      long passnr = toLong(row[0]);
      item->setText(0, qs(str(passnr)));
      item->setText(1, qs(row[1]));
      item->setText(2, qs(row[2]));
      setKey(item, passnr);
    }
  }
  t.commit();
  ListView1->sortBy(ListView1->sortColumn(), ListView1->ascending());
  QTreeWidgetItem* current = ListView1->currentItem();
  ButtonUebernehmen->setEnabled(current && current->isSelected());
  QSignalBlocker b1(RadioAlle), b2(RadioMarkierte);
  (filter == 0 ? RadioAlle : RadioMarkierte)->setChecked(true);
  gIntdat.SchuetzenWahl[2] = static_cast<int32_t>(vrnr);
}

void TZikoSchuetzenAnzeigenDlg::TakeOverSelectedShooter() {
  QTreeWidgetItem* item = ListView1->currentItem();
  if (!item || !item->isSelected()) return;
  handOverPassnr(keyOf(item));
}

void TZikoSchuetzenAnzeigenDlg::RadioGroup1Click(int index) {
  gEinstellungen.SchuetzenAktivFilter = static_cast<int8_t>(index);
  FillSchuetzenListe(gIntdat.SchuetzenWahl[2]);
}

void TZikoSchuetzenAnzeigenDlg::ListView1Change() { ButtonUebernehmen->setEnabled(true); }

void TZikoSchuetzenAnzeigenDlg::ListView1ColumnClick(int column) { ListView1->headerClicked(column); }

void TZikoSchuetzenAnzeigenDlg::ButtonNeuerDatensatzClick() {
  gIntdat.NeuerSchuetzeAufrufer = 1;
  if (ZikoNeuerSchuetzeDlg) ZikoNeuerSchuetzeDlg->ShowBeside(this);
}
