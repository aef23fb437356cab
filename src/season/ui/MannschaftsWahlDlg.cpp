#include "season/ui/MannschaftsWahlDlg.h"

#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "masterdata/ui/ZikoSchuetzenAnzeigenDlg.h"
#include "platform/keydata.h"
#include "platform/text.h"
#include "season/klassenfolge.h"
#include "season/ui/KlassenAuswahl.h"

TMannschaftsWahlDlg::TMannschaftsWahlDlg(QWidget* parent, ReceiverRole role) : ZDialog(parent) {
  ComboBoxKlasse = new QComboBox(this);
  ComboBoxKlasse->setMaxVisibleItems(20);
  ComboBoxKlasse->setToolTip(qs("Auswahl der Mannschaftsklasse"));
  ListViewVereine = new QTreeWidget(this);
  ListViewVereine->setHeaderLabels({qs("Nr."), qs("Verein")});
  ListViewVereine->setColumnWidth(0, 50);
  ListViewMannschaften = new QTreeWidget(this);
  ListViewMannschaften->setHeaderLabels({qs("Mannschaften")});
  ListViewMannschaften->setToolTip(qs("Mannschaft"));
  for (QTreeWidget* list : {ListViewVereine, ListViewMannschaften}) {
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  }
  LabelVname = new QLabel(this);
  Label1 = new QLabel(this);
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);

  connect(ComboBoxKlasse, &QComboBox::activated, this, [this] {
    if (mayLeaveTeam()) {
      ComboBoxKlasseChange();
      return;
    }
    QSignalBlocker block(ComboBoxKlasse);
    ComboBoxKlasse->setCurrentIndex(klasseShown_);
  });
  // A click on a club's name left the cursor in the name's column, and once the time of a
  // double click was over the list scrolled sideways to it, the numbers out of sight: the
  // cursor stays on the number, so that the list stays where the user left it.
  connect(ListViewVereine->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid() && current.column() != 0)
              ListViewVereine->selectionModel()->setCurrentIndex(current.siblingAtColumn(0),
                                                                 QItemSelectionModel::NoUpdate);
          });
  connect(ListViewVereine, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
            if (!current || current == previous) return;
            if (mayLeaveTeam()) ListViewVereineChange();
            else restoreRow(ListViewVereine, previous);
          });
  connect(ListViewMannschaften, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
            if (!current || current == previous) return;
            if (mayLeaveTeam()) ListViewMannschaftenChange();
            else restoreRow(ListViewMannschaften, previous);
          });
  bindKey(Qt::Key_F5, [this] { ButtonSchuetzenAnzeigenClick(); });
  registerPassnrReceiver(role, this);
}

QBoxLayout* TMannschaftsWahlDlg::teamChoiceLayout() {
  auto* layout = new QVBoxLayout;
  layout->addWidget(new QLabel(qs("Klasse"), this));
  layout->addWidget(ComboBoxKlasse);
  layout->addWidget(ListViewVereine, 2);
  layout->addWidget(ListViewMannschaften, 1);
  return layout;
}

std::string TMannschaftsWahlDlg::disciplineCaption(const std::string& prefix) const {
  std::string name, saison;
  DisziplinUndSaison(gDbHaupt, gEinstellungen.AktDisznr, name, saison);
  return prefix + " " + name + ", Saison " + saison;
}

void TMannschaftsWahlDlg::showTeamChoice() {
  FillKlassenCombo(ComboBoxKlasse, gEinstellungen.AktDisznr, " -- alle Klassen --");
  ComboBoxKlasseChange();
}

void TMannschaftsWahlDlg::restoreRow(QTreeWidget* list, QTreeWidgetItem* previous) {
  // Set back at once, the click itself would still select the row it hit.
  QMetaObject::invokeMethod(this, [list, previous] {
    if (list->indexOfTopLevelItem(previous) < 0) return;
    QSignalBlocker block(list);
    list->setCurrentItem(previous);
  }, Qt::QueuedConnection);
}

void TMannschaftsWahlDlg::ComboBoxKlasseChange() {
  klasseShown_ = ComboBoxKlasse->currentIndex();
  gIntdat.SchuetzenWahl[0] = 0;
  fillVereine();
  chooseRow(ListViewVereine, ListViewVereine->topLevelItem(0));
  fillMannschaften();
  // The class chose another club: a pick must come from the club the window shows.
  pickerFollowsClub();
}

void TMannschaftsWahlDlg::ListViewVereineChange() {
  fillMannschaften();
  pickerFollowsClub();
}

void TMannschaftsWahlDlg::pickerFollowsClub() {
  if (ZikoSchuetzenAnzeigenDlg && ZikoSchuetzenAnzeigenDlg->isVisible())
    ZikoSchuetzenAnzeigenDlg->FillSchuetzenListe(gIntdat.SchuetzenWahl[0]);
}

void TMannschaftsWahlDlg::ListViewMannschaftenChange() { teamChanged(); }

void TMannschaftsWahlDlg::fillVereine() {
  QSignalBlocker block(ListViewVereine);
  ListViewVereine->clear();
  for (const VereinKurz& v : VereineMitMannschaften(gDbHaupt, gEinstellungen.AktDisznr, comboKey(ComboBoxKlasse, -1, 0)))
    addTreeRow(ListViewVereine, {str(v.nr), v.name}, v.nr);
}

void TMannschaftsWahlDlg::fillMannschaften() {
  Mannschaften.clear();
  {
    QSignalBlocker block(ListViewMannschaften);
    ListViewMannschaften->clear();
  }
  LabelVname->clear();
  long vrnr = currentKey(ListViewVereine, 0);
  if (vrnr > 0) {
    gIntdat.SchuetzenWahl[0] = static_cast<int32_t>(vrnr);
    Mannschaften = MannschaftenDesVereins(gDbHaupt, gEinstellungen.AktDisznr, vrnr, comboKey(ComboBoxKlasse, -1, 0));
    QSignalBlocker block(ListViewMannschaften);
    for (size_t i = 0; i < Mannschaften.size(); ++i)
      addTreeRow(ListViewMannschaften, {MannschaftsName(vrnr, Mannschaften[i].Rmschnr)}, static_cast<long>(i));
    LabelVname->setText(ListViewVereine->currentItem()->text(1));
    clubChanged(vrnr);
  }
  chooseRow(ListViewMannschaften, ListViewMannschaften->topLevelItem(0));
  teamChanged();
}

const MschEintrag* TMannschaftsWahlDlg::selectedTeam() const {
  long i = currentKey(ListViewMannschaften, -1);
  if (i < 0 || i >= static_cast<long>(Mannschaften.size())) return nullptr;
  return &Mannschaften[static_cast<size_t>(i)];
}

void TMannschaftsWahlDlg::ButtonSchuetzenAnzeigenClick() {
  if (ZikoSchuetzenAnzeigenDlg) ZikoSchuetzenAnzeigenDlg->ShowBeside(this, listBesidePicker());
}

void TMannschaftsWahlDlg::FormHide() {
  if (ZikoSchuetzenAnzeigenDlg && ZikoSchuetzenAnzeigenDlg->parentWidget() == this) ZikoSchuetzenAnzeigenDlg->hide();
}
