#include "season/ui/ZikoStandbelegungenDlg.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "platform/keydata.h"
#include "platform/text.h"
#include "season/klassenfolge.h"
#include "season/paarungen.h"

TZikoStandbelegungenDlg* ZikoStandbelegungenDlg = nullptr;

TZikoStandbelegungenDlg::TZikoStandbelegungenDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Standbelegungen"));
  ListView1 = new QTreeWidget(this);
  ListView1->setRootIsDecorated(false);
  ListView1->setColumnCount(3);
  ListView1->setHeaderLabels({qs("Verein"), qs("Klassen der Heimmannschaften Vorrunde"),
                              qs("Klassen der Heimmannschaften Rückrunde")});
  ListView1->setSelectionMode(QAbstractItemView::MultiSelection);
  ListView1->setMinimumSize(720, 300);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1);

  // The marks show the editor's pairing; the user cannot move them.
  connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& selected, const QItemSelection& deselected) {
            if (marking_) return;
            marking_ = true;
            ListView1->selectionModel()->select(selected, QItemSelectionModel::Deselect);
            ListView1->selectionModel()->select(deselected, QItemSelectionModel::Select);
            marking_ = false;
          });
}

void TZikoStandbelegungenDlg::FormShow() { FillStandbelegungen(); }

void TZikoStandbelegungenDlg::FillStandbelegungen() {
  const int disz = gEinstellungen.AktDisznr;
  const long klasse = gIntdat.MklBearbeitenKlasse;
  const auto [b1, b2] =
      KampfPaar(gIntdat.MklBearbeitenKampf, HoechsterKampf(gDbHaupt, disz, klasse));
  ListView1->headerItem()->setText(1, qs("Klassen der Heimmannschaften Kampf Nr: " + str(b1)));
  ListView1->headerItem()->setText(2, qs("Klassen der Heimmannschaften Kampf Nr: " + str(b2)));
  std::string name, saison;
  if (DisziplinUndSaison(gDbHaupt, disz, name, saison))
    setWindowTitle(qs("Standbelegungen " + name + " Saison " + saison));

  marking_ = true;
  ListView1->clear();
  db::Table clubs = db::query(gDbHaupt,
                              "SELECT DISTINCT Vrnr FROM Msch_in_klassen WHERE Mklnr=? AND Disznr=? "
                              "ORDER BY Vrnr;",
                              {klasse, disz});
  for (size_t r = 0; r < clubs.size(); ++r) {
    const long club = clubs.num(r, 0);
    if (club <= 0) continue;
    const std::string name = VereinsName(gDbHaupt, club);
    if (name.empty()) continue;
    auto* item = new QTreeWidgetItem(ListView1);
    item->setText(0, qs(name));
    item->setText(1, qs(HeimKlassenText(gDbHaupt, disz, club, b1)));
    item->setText(2, qs(HeimKlassenText(gDbHaupt, disz, club, b2)));
    setKey(item, club);
  }
  marking_ = false;
}

void TZikoStandbelegungenDlg::MarkPaarung(int row) {
  marking_ = true;
  ListView1->clearSelection();
  std::vector<Begegnung> rows = PaarungenImKampf(gDbHaupt, gEinstellungen.AktDisznr,
                                               gIntdat.MklBearbeitenKlasse, gIntdat.MklBearbeitenKampf);
  if (row >= 0 && static_cast<size_t>(row) < rows.size()) {
    const Begegnung& p = rows[static_cast<size_t>(row)];
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = ListView1->topLevelItem(i);
      const long club = keyOf(item);
      if (club > 0 && (club == p.heimVrnr || club == p.gastVrnr)) item->setSelected(true);
    }
  }
  marking_ = false;
}
