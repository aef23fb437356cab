#include "output/ui/ZikoNSTerminlistenDlg.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "output/terminlisten.h"
#include "platform/listlook.h"
#include "platform/text.h"
#include "season/klassenfolge.h"
#include "season/paarungen.h"

TZikoNSTerminlistenDlg* ZikoNSTerminlistenDlg = nullptr;

TZikoNSTerminlistenDlg::TZikoNSTerminlistenDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Terminlisten"));
  resize(684, 458);
  ListView1 = new QTreeWidget(this);
  ListView1->setRootIsDecorated(false);
  ListView1->setColumnCount(3);
  ListView1->setHeaderLabels({qs("Klasse"), qs("     Heim - Gast"), qs("     Heim - Gast")});
  ListView1->header()->setSectionsClickable(false);
  ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  setGridLines(ListView1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ListView1);
}

void TZikoNSTerminlistenDlg::FormShow() {
  std::string name, saison;
  DisziplinUndSaison(gDbHaupt, gEinstellungen.AktDisznr, name, saison);
  std::string caption = "Terminlisten " + name + ", Saison " + saison;
  if (gIntdat.AnzeigeVrnr > 0) {
    const std::string verein = VereinsName(gDbHaupt, gIntdat.AnzeigeVrnr);
    if (!verein.empty()) caption += ", " + verein;
  }
  setWindowTitle(qs(caption));
  FillTerminlisten(gIntdat.AnzeigeVrnr, gIntdat.AnzeigeMklnr);
}

void TZikoNSTerminlistenDlg::FillTerminlisten(long verein, long klasse) {
  ListView1->clear();
  for (const auto& zeile : TerminlistenZeilen(verein, klasse)) {
    auto* item = new QTreeWidgetItem(ListView1);
    for (int c = 0; c < 3; ++c) item->setText(c, qs(zeile[static_cast<size_t>(c)]));
  }
}
