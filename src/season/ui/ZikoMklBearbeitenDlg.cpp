#include "season/ui/ZikoMklBearbeitenDlg.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "platform/elide.h"
#include "platform/keydata.h"
#include "platform/text.h"
#include "season/klassenfolge.h"
#include "season/ui/KlassenAuswahl.h"
#include "season/paarungen.h"
#include "season/ui/ZikoStandbelegungenDlg.h"

TZikoMklBearbeitenDlg* ZikoMklBearbeitenDlg = nullptr;

namespace {

QPlainTextEdit* memo(QGroupBox* box) {
  auto* m = new QPlainTextEdit(box);
  m->setReadOnly(true);
  auto* l = new QVBoxLayout(box);
  l->addWidget(m);
  return m;
}

// A team that meets nobody in the bout is marked after its name; its number stays in view.
QString fitTeam(const QFontMetrics& fm, const QString& text, int room) {
  const QString bye = QStringLiteral(" = frei");
  if (!text.endsWith(bye)) return elidedTeamName(fm, text, room);
  return elidedTeamName(fm, text.chopped(bye.size()), room - fm.horizontalAdvance(bye)) + bye;
}

std::string zsText(long club) {
  db::Table t = db::query(gDbHaupt, "SELECT ZsText FROM Vereine_zstext WHERE Nummer=?;", {club});
  return t.empty() ? std::string() : t.text(t.size() - 1, 0);
}

}  // namespace

TZikoMklBearbeitenDlg::TZikoMklBearbeitenDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Gegnereinteilung bearbeiten"));
  setHelpTopic("ZikoNeueSaisonMannschaftsklassenBearbeiten.html");
  setEditTransaction(db::editTransaction(gDbHaupt));

  ComboBoxKlasse = new QComboBox(this);
  ComboBoxTermine = new QComboBox(this);
  ComboBoxKlasse->setMinimumWidth(200);
  ComboBoxTermine->setMinimumWidth(260);
  auto* choices = new QGridLayout;
  choices->addWidget(new QLabel(qs("Klasse"), this), 0, 0);
  choices->addWidget(ComboBoxKlasse, 0, 1);
  choices->addWidget(new QLabel(qs("Durchgang"), this), 1, 0);
  choices->addWidget(ComboBoxTermine, 1, 1);

  ListView1 = new QTreeWidget(this);
  ListView1->setRootIsDecorated(false);
  ListView1->setColumnCount(2);
  ListView1->setHeaderLabels({qs("Heim"), qs("-Gast")});
  ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListView1->setMinimumSize(420, 220);

  ButtonVRTauschen = new QPushButton(qs("Heim - Gast in Vor- und Rückrunde vertauschen"), this);
  ButtonKnrTauschen = new QPushButton(qs("Heim - Gast nur für Kampf Nr. vertauschen"), this);
  GroupBoxHm = new QGroupBox(this);
  GroupBoxGm = new QGroupBox(this);
  MemoZstextH = memo(GroupBoxHm);
  MemoZstextG = memo(GroupBoxGm);
  auto* clubs = new QHBoxLayout;
  // The captions name clubs: cut to the boxes, they never hold the window wide.
  for (QGroupBox* box : {GroupBoxHm, GroupBoxGm}) {
    box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    clubs->addWidget(box);
  }

  ButtonStandbelegungen = new QPushButton(qs("&Standbelegungen anzeigen"), this);
  ButtonUebernehmen = new QPushButton(qs("Übernehmen"), this);
  ButtonAbbrechen = new QPushButton(qs("A&bbrechen ESC"), this);
  ButtonHilfe = new QPushButton(qs("&Hilfe F1"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ButtonStandbelegungen);
  buttons->addStretch(1);
  buttons->addWidget(ButtonUebernehmen);
  buttons->addWidget(ButtonAbbrechen);
  buttons->addWidget(ButtonHilfe);
  for (QPushButton* b : {ButtonVRTauschen, ButtonKnrTauschen, ButtonStandbelegungen,
                         ButtonUebernehmen, ButtonAbbrechen, ButtonHilfe})
    b->setAutoDefault(false);

  auto* main = new QVBoxLayout(this);
  main->addLayout(choices);
  main->addWidget(ListView1, 1);
  main->addWidget(ButtonVRTauschen);
  main->addWidget(ButtonKnrTauschen);
  main->addLayout(clubs);
  main->addLayout(buttons);

  connect(ComboBoxKlasse, &QComboBox::activated, this, [this] { ComboBoxKlasseChange(); });
  connect(ComboBoxTermine, &QComboBox::activated, this, [this] { ComboBoxTermineChange(); });
  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { ListView1Click(); });
  connect(ButtonVRTauschen, &QPushButton::clicked, this, [this] { ButtonVRTauschenClick(); });
  connect(ButtonKnrTauschen, &QPushButton::clicked, this, [this] { ButtonKnrTauschenClick(); });
  connect(ButtonStandbelegungen, &QPushButton::clicked, this,
          [this] { ButtonStandbelegungenClick(); });
  connect(ButtonUebernehmen, &QPushButton::clicked, this, [this] { ButtonUebernehmenClick(); });
  connect(ButtonAbbrechen, &QPushButton::clicked, this, [this] { ButtonAbbrechenClick(); });
  connect(ButtonHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
}

void TZikoMklBearbeitenDlg::FormShow() {
  const int disz = gEinstellungen.AktDisznr;
  std::string name, saison;
  if (DisziplinUndSaison(gDbHaupt, disz, name, saison))
    setWindowTitle(qs("Bearbeiten der Gegnereinteilung " + name + " Saison " + saison));
  FillKlassenCombo(ComboBoxKlasse, disz);
  ComboBoxKlasseChange();
}

void TZikoMklBearbeitenDlg::FormHide() {
  if (ZikoStandbelegungenDlg) ZikoStandbelegungenDlg->hide();
}

void TZikoMklBearbeitenDlg::fillBouts() {
  QSignalBlocker block(ComboBoxTermine);
  ComboBoxTermine->clear();
  for (const auto& [bout, date] :
       KaempfeMitTerminen(gDbHaupt, gEinstellungen.AktDisznr, gIntdat.MklBearbeitenKlasse))
    addComboItem(ComboBoxTermine, "Nr. " + str(bout) + " am " + date, bout);
  ComboBoxTermine->setCurrentIndex(ComboBoxTermine->count() > 0 ? 0 : -1);
}

void TZikoMklBearbeitenDlg::ComboBoxKlasseChange() {
  gIntdat.MklBearbeitenKlasse = static_cast<int32_t>(comboKey(ComboBoxKlasse));
  fillBouts();
  gIntdat.MklBearbeitenKampf = 1;
  row_ = 0;
  fillPairings();
  refreshView();
}

void TZikoMklBearbeitenDlg::ComboBoxTermineChange() {
  gIntdat.MklBearbeitenKampf = static_cast<int32_t>(comboKey(ComboBoxTermine, -1, 1));
  row_ = 0;
  fillPairings();
  refreshView();
}

void TZikoMklBearbeitenDlg::fillPairings() {
  {
    QSignalBlocker block(ListView1);
    ListView1->clear();
    int index = 0;
    for (const Begegnung& p : PaarungenImKampf(gDbHaupt, gEinstellungen.AktDisznr,
                                             gIntdat.MklBearbeitenKlasse,
                                             gIntdat.MklBearbeitenKampf)) {
      auto [home, guest] = PaarungsSpalten(p);
      auto* item = new QTreeWidgetItem(ListView1);
      item->setData(0, Qt::UserRole, qs(home));
      item->setData(1, Qt::UserRole, qs(guest));
      setKey(item, index++);
    }
    fitPairingNames();
    ButtonKnrTauschen->setText(
        qs("Heim - Gast nur für Kampf Nr. " + fromQs(ComboBoxTermine->currentText()) + " vertauschen"));
    if (QTreeWidgetItem* item = ListView1->topLevelItem(row_)) {
      ListView1->setCurrentItem(item);
      item->setSelected(true);
    }
  }
  showClubs();
}

void TZikoMklBearbeitenDlg::resizeEvent(QResizeEvent* e) {
  ZDialog::resizeEvent(e);
  fitPairingNames();
  fitClubCaptions();
}

void TZikoMklBearbeitenDlg::fitPairingNames() {
  const QFontMetrics fm = ListView1->fontMetrics();
  auto whole = [](const QTreeWidgetItem* item, int column) { return item->data(column, Qt::UserRole).toString(); };
  int home = 0, guest = 0;
  for (int r = 0; r < ListView1->topLevelItemCount(); ++r) {
    home = std::max(home, fm.horizontalAdvance(whole(ListView1->topLevelItem(r), 0)));
    guest = std::max(guest, fm.horizontalAdvance(whole(ListView1->topLevelItem(r), 1)));
  }
  // The room counts the margins of one cell; the second column has its own.
  const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ListView1) + 1) + 1;
  const int room = listTextRoom(ListView1) - margins;
  const int homeRoom = firstShare(home, guest, room);
  for (int r = 0; r < ListView1->topLevelItemCount(); ++r) {
    QTreeWidgetItem* item = ListView1->topLevelItem(r);
    for (int c : {0, 1}) {
      const QString name = whole(item, c);
      const QString shown = fitTeam(fm, name, c == 0 ? homeRoom : room - homeRoom);
      item->setText(c, shown);
      item->setToolTip(c, shown == name ? QString() : name);
    }
  }
}

void TZikoMklBearbeitenDlg::fitClubCaptions() {
  setElidedTitle(GroupBoxHm, heimVerein_);
  setElidedTitle(GroupBoxGm, gastVerein_);
}

void TZikoMklBearbeitenDlg::showClubs() {
  heimVerein_.clear();
  gastVerein_.clear();
  MemoZstextH->clear();
  MemoZstextG->clear();
  std::vector<Begegnung> rows = PaarungenImKampf(gDbHaupt, gEinstellungen.AktDisznr,
                                               gIntdat.MklBearbeitenKlasse, gIntdat.MklBearbeitenKampf);
  if (row_ >= 0 && static_cast<size_t>(row_) < rows.size()) {
    const Begegnung& p = rows[static_cast<size_t>(row_)];
    heimVerein_ = qs(VereinsName(gDbHaupt, p.heimVrnr));
    gastVerein_ = qs(VereinsName(gDbHaupt, p.gastVrnr));
    MemoZstextH->setPlainText(qs(zsText(p.heimVrnr)));
    MemoZstextG->setPlainText(qs(zsText(p.gastVrnr)));
  }
  fitClubCaptions();
}

void TZikoMklBearbeitenDlg::refreshView() {
  if (!ZikoStandbelegungenDlg) return;
  ZikoStandbelegungenDlg->FillStandbelegungen();
  ZikoStandbelegungenDlg->MarkPaarung(row_);
}

void TZikoMklBearbeitenDlg::ListView1Click() {
  QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
  if (selected.isEmpty()) return;
  row_ = static_cast<int>(keyOf(selected.first(), 0));
  showClubs();
  if (ZikoStandbelegungenDlg) ZikoStandbelegungenDlg->MarkPaarung(row_);
}

void TZikoMklBearbeitenDlg::selectRow(int row) {
  if (QTreeWidgetItem* item = ListView1->topLevelItem(row)) {
    ListView1->setCurrentItem(item);
    item->setSelected(true);
  }
}

void TZikoMklBearbeitenDlg::afterSwap() {
  fillPairings();
  ListView1->setFocus();
  refreshView();
}

void TZikoMklBearbeitenDlg::ButtonVRTauschenClick() {
  if (ComboBoxTermine->count() == 0) return;
  TauschePaarungVorUndRueck(gDbHaupt, gEinstellungen.AktDisznr, gIntdat.MklBearbeitenKlasse,
                            gIntdat.MklBearbeitenKampf, static_cast<size_t>(row_));
  afterSwap();
}

void TZikoMklBearbeitenDlg::ButtonKnrTauschenClick() {
  if (ComboBoxTermine->count() == 0) return;
  TauschePaarung(gDbHaupt, gEinstellungen.AktDisznr, gIntdat.MklBearbeitenKlasse,
                 gIntdat.MklBearbeitenKampf, static_cast<size_t>(row_));
  afterSwap();
}

void TZikoMklBearbeitenDlg::ButtonStandbelegungenClick() {
  if (!ZikoStandbelegungenDlg) return;
  ZikoStandbelegungenDlg->showBeside(this, ListView1);
  ZikoStandbelegungenDlg->MarkPaarung(row_);
}

void TZikoMklBearbeitenDlg::ButtonUebernehmenClick() { closeWith(mrOk); }

void TZikoMklBearbeitenDlg::ButtonAbbrechenClick() { closeWith(mrCancel); }
