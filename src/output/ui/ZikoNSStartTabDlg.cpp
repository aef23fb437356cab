#include "output/ui/ZikoNSStartTabDlg.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "core/globals.h"
#include "core/helpers.h"
#include "output/saisondokumente.h"
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
      if (!name.empty()) row->setText(1, qs(name));
    }
    new QTreeWidgetItem(ListView1);
  }
}
