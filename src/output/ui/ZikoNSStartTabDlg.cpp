#include "output/ui/ZikoNSStartTabDlg.h"

#include <QHeaderView>
#include <algorithm>
#include <QVBoxLayout>

#include "core/globals.h"
#include "core/helpers.h"
#include "output/saisondokumente.h"
#include "platform/elide.h"
#include "platform/listlook.h"
#include "platform/text.h"
#include "ranking/gespeichert.h"
#include "season/klassenfolge.h"
#include "season/paarungen.h"

TZikoNSStartTabDlg* ZikoNSStartTabDlg = nullptr;

TZikoNSStartTabDlg::TZikoNSStartTabDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Starttabelle"));
  ListView1 = new QTreeWidget(this);
  ListView1->setColumnCount(2);
  ListView1->setHeaderLabels({qs("Klasse"), qs("Mannschaften")});
  ListView1->setRootIsDecorated(false);
  ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView1->header()->setSectionsClickable(false);
  setGridLines(ListView1);
  QPalette tip = ListView1->palette();
  tip.setColor(QPalette::Base, tip.color(QPalette::ToolTipBase));
  ListView1->setPalette(tip);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ListView1);
  setMinimumSize(200, 100);
  setMaximumWidth(380);
  resize(380, 517);
}

void TZikoNSStartTabDlg::FormShow() {
  std::string disziplin, saison;
  DisziplinUndSaison(gDbHaupt, gEinstellungen.AktDisznr, disziplin, saison);
  std::string caption = "Starttabellen " + disziplin + ", Saison " + saison;
  if (gIntdat.AnzeigeVrnr >= 1) {
    const std::string verein = VereinsName(gDbHaupt, gIntdat.AnzeigeVrnr);
    caption = verein.empty() ? std::string() : caption + ", " + verein;
  }
  setWindowTitle(qs(caption));
  FillStarttabellen(gIntdat.AnzeigeVrnr, gIntdat.AnzeigeMklnr);
}

void TZikoNSStartTabDlg::FillStarttabellen(long verein, long klasse) {
  ListView1->clear();
  const int disz = gEinstellungen.AktDisznr;
  const gespeichert::TeamNames namen;
  for (const DokumentKlasse& k : KlassenDerAuswahl(disz, verein, klasse)) {
    // The class row holds the first team; each further team gets a row of its own.
    auto* row = new QTreeWidgetItem(ListView1, QStringList{qs(k.name)});
    bool erste = true;
    for (const DokumentMannschaft& m : MannschaftenDerKlasse(disz, k.nr)) {
      if (!erste) row = new QTreeWidgetItem(ListView1);
      erste = false;
      const std::string name = namen(m.vrnr, m.rmschnr);
      if (!name.empty()) row->setData(1, Qt::UserRole, qs(name));
    }
    new QTreeWidgetItem(ListView1);
  }
  fitTeamNames();
}

void TZikoNSStartTabDlg::resizeEvent(QResizeEvent* e) {
  ZDialog::resizeEvent(e);
  fitTeamNames();
}

void TZikoNSStartTabDlg::fitTeamNames() {
  int classes = ListView1->header()->sectionSizeHint(0);
  for (int r = 0; r < ListView1->topLevelItemCount(); ++r)
    classes = std::max(classes, cellWidthNeeded(ListView1, ListView1->model()->index(r, 0)));
  // Room is kept for the scroll bar of a long list; a narrow window still shows some name.
  const int room = std::max(80, listTextRoom(ListView1) - classes);
  for (int r = 0; r < ListView1->topLevelItemCount(); ++r) {
    QTreeWidgetItem* row = ListView1->topLevelItem(r);
    const QString name = row->data(1, Qt::UserRole).toString();
    if (name.isEmpty()) continue;
    const QString shown = elidedTeamName(ListView1->fontMetrics(), name, room);
    row->setText(1, shown);
    row->setToolTip(1, shown == name ? QString() : name);
  }
}
