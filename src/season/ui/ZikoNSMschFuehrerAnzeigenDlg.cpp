#include "season/ui/ZikoNSMschFuehrerAnzeigenDlg.h"

#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "masterdata/mannschaftsfuehrer.h"
#include "platform/keydata.h"
#include "platform/listlook.h"
#include "platform/text.h"
#include "season/klassenfolge.h"

TZikoNSMschFuehrerAnzeigenDlg* ZikoNSMschFuehrerAnzeigenDlg = nullptr;

TZikoNSMschFuehrerAnzeigenDlg::TZikoNSMschFuehrerAnzeigenDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Mannschaftsleiter"));
  ListView1 = new QTreeWidget(this);
  ListView1->setHeaderLabels({qs("Klasse"), qs("Mannschaft"), qs("Tel. Verein"), qs("Mannschaftsleiter"),
                              qs("Strasse"), qs("Plz"), qs("Ort"), qs("Tel. Privat"), qs("Tel.Firma/Handy"),
                              qs("Fax"), qs("Mail")});
  ListView1->setRootIsDecorated(false);
  ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView1->setAllColumnsShowFocus(true);
  setGridLines(ListView1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ListView1);
  resize(980, 480);
}

void TZikoNSMschFuehrerAnzeigenDlg::FormShow() {
  std::string name, saison;
  DisziplinUndSaison(gDbHaupt, gEinstellungen.AktDisznr, name, saison);
  std::string caption = "Mannschaftsleiter " + name + ", Saison " + saison;
  if (gIntdat.AnzeigeVrnr >= 1) {
    caption += ", " + VereinsName(gDbHaupt, gIntdat.AnzeigeVrnr);
  }
  setWindowTitle(qs(caption));
  FillMschFuehrerListe(gIntdat.AnzeigeVrnr, gIntdat.AnzeigeMklnr);
}

void TZikoNSMschFuehrerAnzeigenDlg::FillMschFuehrerListe(long vrnr, long mklnr) {
  ListView1->clear();
  for (const auto& row : MschFuehrerZeilen(gDbHaupt, gEinstellungen.AktDisznr, vrnr, mklnr))
    addTreeRow(ListView1, row, -1);
}
