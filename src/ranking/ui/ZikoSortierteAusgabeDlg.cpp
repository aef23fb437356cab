#include "ranking/ui/ZikoSortierteAusgabeDlg.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "core/db.h"
#include "core/globals.h"
#include "platform/listlook.h"
#include "platform/fieldfilter.h"
#include "platform/keydata.h"
#include "platform/text.h"
#include "platform/waitcursor.h"
#include "ranking/ranking.h"
#include "season/klassenfolge.h"

TZikoSortierteAusgabeDlg* ZikoSortierteAusgabeDlg = nullptr;

namespace {

constexpr const char* kAlleKlassen = "--Alle Klassen--";
constexpr const char* kAlleVereine = "--- alle Vereine ---";
constexpr int kListTop = 112;      // list views of pages 0, 1, 2, 4 and 5 start here
constexpr int kKlergBreite = 440;  // the class results' list views, left of their choices

std::string format(const char* f, int value) {
  char buf[128];
  std::snprintf(buf, sizeof buf, f, value);
  return buf;
}

QLabel* label(QWidget* parent, const char* caption, int x, int y, int w = 160) {
  auto* l = new QLabel(qs(caption), parent);
  l->setGeometry(x, y, std::max(w, l->fontMetrics().horizontalAdvance(l->text()) + 2), 16);
  return l;
}

QComboBox* combo(QWidget* parent, int x, int y, int w) {
  auto* c = new QComboBox(parent);
  c->setGeometry(x, y, w, 22);
  c->setMaxVisibleItems(20);
  return c;
}

QGroupBox* radioGroup(QWidget* parent, std::vector<QRadioButton*>& items, int count, int x, int y,
                      int w) {
  auto* g = new QGroupBox(qs("Anzeige"), parent);
  g->setGeometry(x, y, w, 24 + 20 * count);
  for (int i = 0; i < count; ++i) {
    auto* b = new QRadioButton(g);
    b->setGeometry(8, 20 + 20 * i, w - 12, 18);
    items.push_back(b);
  }
  return g;
}

int checkedIndex(const std::vector<QRadioButton*>& items) {
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

void check(const std::vector<QRadioButton*>& items, int index) {
  if (index >= 0 && index < static_cast<int>(items.size())) items[index]->setChecked(true);
}

SortableListView* listView(QWidget* parent, int x, int y, int w, int h) {
  auto* v = new SortableListView(parent);
  v->setGeometry(x, y, w, h);
  // These lists keep the order they were built in.
  v->header()->setSectionsClickable(false);
  v->header()->setStretchLastSection(false);
  QObject::disconnect(v->header(), &QHeaderView::sectionClicked, v, nullptr);
  v->setRowColours(QColor(0xF7, 0xF7, 0xF7), QColor(0xFA, 0xFA, 0xFA));
  setGridLines(v);
  return v;
}

Qt::Alignment alignment(Ausrichtung a) {
  switch (a) {
    case Ausrichtung::Rechts:
      return Qt::AlignRight;
    case Ausrichtung::Mitte:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

// The minimum rings of an edit: its number, 350 when it holds none.
int32_t minRinge(const QLineEdit* edit) {
  const std::string text = fromQs(edit->text());
  if (text.empty() || text[0] < '0' || text[0] > '9') return 350;
  return toInt(text);
}

// A remembered position beyond the refilled list chooses the first entry.
int32_t selectPosition(QComboBox* c, int32_t position) {
  if (position < 0 || position >= c->count()) position = 0;
  c->setCurrentIndex(c->count() ? position : -1);
  return position;
}

// The rounds of a page: the class's own match days, or the most of any class for all.
int32_t roundsOf(int disz, long klasse) {
  const auto klassen = KlassenListe(disz);
  if (klasse < 1) return MaxAnzahlTermine(klassen);
  for (const KlassenEintrag& k : klassen)
    if (k.Nr == klasse) return k.AnzahlTermine;
  return 0;
}

void fillClasses(QComboBox* c, int disz, bool withAll) {
  QSignalBlocker block(c);
  c->clear();
  if (withAll) addComboItem(c, kAlleKlassen, 0);
  for (const KlasseKurz& k : KlassenDerDisziplin(gDbHaupt, disz)) addComboItem(c, k.name, k.nr);
}

}  // namespace

TZikoSortierteAusgabeDlg::TZikoSortierteAusgabeDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Sortierte Einzelausgaben"));
  setHelpTopic("ZikoSortierteAusgabenEinzelausgabe.html");

  MainMenu1 = new QMenuBar(this);
  MainMenu1->addAction(qs("Ende ESC"), this, [this] { closeWith(mrCancel); });
  QMenu* exportMenu = MainMenu1->addMenu(qs("Export"));
  // The keys are the window's own (bindKey below); the tab only shows them in the menu.
  exportMenu->addAction(qs("In Datei speichern \tF2"), this, [this] { InDateispeichern1Click(); });
  exportMenu->addAction(qs("In Windows-Zwischenablage\tF4"), this,
                        [this] { InWindowsZwischenablagespeichernF41Click(); });
  MainMenu1->addAction(qs("Drucken F6"), this, [this] { Drucken1Click(); });
  MainMenu1->addAction(qs("Hilfe F1"), this, [this] { showHelp(); });
  bindKey(Qt::Key_F2, [this] { InDateispeichern1Click(); });
  bindKey(Qt::Key_F4, [this] { InWindowsZwischenablagespeichernF41Click(); });
  bindKey(Qt::Key_F6, [this] { Drucken1Click(); });

  auto* client = new QWidget(this);
  client->setFixedSize(821, 466);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  auto* status = new QLabel(qs("Zielkontor.exe - Einzelausgabe"), StatusBar1);
  status->setAlignment(Qt::AlignCenter);
  StatusBar1->addWidget(status, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(MainMenu1);
  layout->addWidget(client);
  layout->addWidget(StatusBar1);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  label(client, "Disziplin", 8, 6, 60);
  ComboBoxDisz = combo(client, 70, 4, 240);
  PageControl1 = new QTabWidget(client);
  PageControl1->setGeometry(4, 32, 813, 430);
  // Six captions side by side: narrower padding keeps every tab in view.
  PageControl1->tabBar()->setStyleSheet(qs("QTabBar::tab { padding: 4px 7px; }"));
  const char* captions[] = {"Mannschaftstabellen", "Mannschaftsergebnisse", "Einzelergebnisse",
                            "Klassenergebnisse",   "Vereinsergebnisse",     "Mannschaftsleiter"};
  std::vector<QWidget*> pages;
  for (const char* c : captions) {
    pages.push_back(new QWidget);
    PageControl1->addTab(pages.back(), qs(c));
  }
  const int listW = 797, listH = 400 - kListTop;

  // Page 0
  RadioGroup1 = radioGroup(pages[0], RadioGroup1Items, 2, 8, 4, 400);
  RadioGroup1Items[0]->setText(qs("Starttabellen"));
  RadioGroup1Items[1]->setText(qs("Mannschaftstabellen nach Punkten und Ringen sortiert"));
  label(pages[0], "Rangfolge nach Durchgang Nr:", 430, 30, 190);
  ComboBoxSortart = combo(pages[0], 625, 26, 60);
  ComboBoxSortart->setEnabled(false);
  ListViewMschTabelle = listView(pages[0], 8, kListTop, listW, listH);

  // Page 1
  RadioGroupMschErgSortart = radioGroup(pages[1], RadioGroupMschErgSortartItems, 3, 8, 4, 330);
  RadioGroupMschErgSortartItems[0]->setText(qs("Begegnungen"));
  RadioGroupMschErgSortartItems[2]->setText(qs("Mannschaftsaufstellungen"));
  RadioGroupMschErgSortartItems[0]->setChecked(true);
  label(pages[1], "Durchgang Nr:", 350, 10, 100);
  ComboBoxDurchgangnr = combo(pages[1], 350, 28, 60);
  LabelMklRingErg = label(pages[1], "Klasse", 470, 10, 100);
  ComboBoxMklRingErg = combo(pages[1], 470, 28, 200);
  LabelMklRingErg->hide();
  ComboBoxMklRingErg->hide();
  ListViewSAMschErg = listView(pages[1], 8, kListTop, listW, listH);

  // Page 2
  RadioGroup2 = radioGroup(pages[2], RadioGroup2Items, 3, 8, 4, 320);
  label(pages[2], "Durchgang Nr:", 336, 10, 100);
  ComboBoxDgnr = combo(pages[2], 336, 28, 60);
  label(pages[2], "Klasse", 336, 56, 100);
  ComboBoxMklEErg = combo(pages[2], 336, 74, 160);
  auto* eingrenzung = new QGroupBox(qs("Ausgabe-Eingrenzung"), pages[2]);
  eingrenzung->setGeometry(504, 4, 296, 66);
  LabelMinErgAnz = label(eingrenzung, "Mindest-Anzahl Ergebnisse:", 8, 20, 170);
  ComboBoxMinErgAnz = combo(eingrenzung, 190, 16, 60);
  LabelMinErgAnz->setEnabled(false);
  ComboBoxMinErgAnz->setEnabled(false);
  Label6 = label(eingrenzung, "Mindest-Ringzahl", 8, 44, 170);
  EditMinErgRinge = new QLineEdit(eingrenzung);
  EditMinErgRinge->setGeometry(190, 40, 60, 21);
  setNumberFilter(EditMinErgRinge, false, 3);
  QFont bold = font();
  bold.setBold(true);
  LabelEndwertungText1 = label(pages[2], "", 504, 74, 296);
  LabelEndwertungText2 = label(pages[2], "", 504, 92, 296);
  ListViewEErg = listView(pages[2], 8, kListTop, listW, listH);

  // Page 3: the choices stand right of the three list views.
  RadioGroupKlergSortart = radioGroup(pages[3], RadioGroupKlergSortartItems, 4, 450, 4, 357);
  label(pages[3], "Durchgang Nr:", 450, 112, 100);
  ComboBoxDgnrKlerg = combo(pages[3], 550, 108, 60);
  label(pages[3], "Klasse", 450, 140, 100);
  ComboBoxMklKlerg = combo(pages[3], 500, 136, 200);
  GroupBoxEingrenzungKl = new QGroupBox(qs("Ausgabe-Eingrenzung Einzelergebnise"), pages[3]);
  GroupBoxEingrenzungKl->setGeometry(450, 168, 357, 70);
  label(GroupBoxEingrenzungKl, "Mindest-Anzahl Ergebnisse:", 8, 20, 170);
  ComboBoxMinErgAnzKl = combo(GroupBoxEingrenzungKl, 186, 16, 60);
  label(GroupBoxEingrenzungKl, "Mindest-Ringschnitt", 8, 46, 160);
  EditMinErgRingeKl = new QLineEdit(GroupBoxEingrenzungKl);
  EditMinErgRingeKl->setGeometry(186, 42, 60, 21);
  setNumberFilter(EditMinErgRingeKl, false, 3);
  LabelEndwertungText1Kl = label(pages[3], "", 450, 246, 357);
  LabelEndwertungText2Kl = label(pages[3], "", 450, 264, 357);
  ListViewMergKlerg = listView(pages[3], 4, 16, kKlergBreite, 81);
  ListViewMergKlerg2 = listView(pages[3], 4, 124, kKlergBreite, 66);
  ListViewEErgKleerg = listView(pages[3], 4, 104, kKlergBreite, 275);
  for (QLabel* l : {LabelEndwertungText1, LabelEndwertungText2, LabelEndwertungText1Kl,
                    LabelEndwertungText2Kl}) {
    l->setFont(bold);
    l->hide();
  }

  // Page 4
  label(pages[4], "Verein", 8, 8, 100);
  ComboBoxVrVereine = combo(pages[4], 8, 26, 300);
  ComboBoxVrEa = combo(pages[4], 8, 60, 300);
  ComboBoxVrEa->setToolTip(qs("Filterung auswählen"));
  GroupBox6 = new QGroupBox(qs("Anzeige"), pages[4]);
  GroupBox6->setGeometry(330, 4, 360, 80);
  RadioButtonVErgAlle = new QRadioButton(qs("alle"), GroupBox6);
  RadioButtonVErgAlle->setGeometry(10, 20, 340, 18);
  RadioButtonVErgAlle->setChecked(true);
  RadioButtonVErgAktive = new QRadioButton(qs("Schützen mit mindestens einem Ergebnis"), GroupBox6);
  RadioButtonVErgAktive->setGeometry(10, 42, 340, 18);
  Label11 = label(GroupBox6, "Mannschaftsnummern der Mannschaftswechsler", 10, 30, 340);
  Label11->hide();
  ListViewVErg = listView(pages[4], 8, kListTop, listW, listH);

  // Page 5
  label(pages[5], "Verein", 8, 8, 100);
  ComboBoxVereineMschfuehrer = combo(pages[5], 8, 26, 300);
  ListViewMschFuehrer = listView(pages[5], 8, kListTop, listW, listH);

  // The user's choices; refills run under signal blockers and never call back.
  auto onCombo = [this](QComboBox* c, auto handler) {
    connect(c, &QComboBox::activated, this, [this, handler] { (this->*handler)(); });
  };
  auto onRadio = [this](const std::vector<QRadioButton*>& items, auto handler) {
    for (QRadioButton* b : items)
      connect(b, &QRadioButton::clicked, this, [this, handler] { (this->*handler)(); });
  };
  using D = TZikoSortierteAusgabeDlg;
  onCombo(ComboBoxDisz, &D::ComboBoxDiszChange);
  connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
  onRadio(RadioGroup1Items, &D::ShowMschTabellen);
  onCombo(ComboBoxSortart, &D::ComboBoxSortartChange);
  onRadio(RadioGroupMschErgSortartItems, &D::ShowMschErgebnisse);
  onCombo(ComboBoxDurchgangnr, &D::ComboBoxDurchgangnrChange);
  onCombo(ComboBoxMklRingErg, &D::ComboBoxMklRingErgChange);
  onRadio(RadioGroup2Items, &D::RadioGroup2Click);
  onCombo(ComboBoxMklEErg, &D::ComboBoxMklEErgChange);
  onCombo(ComboBoxDgnr, &D::ComboBoxDgnrChang);
  onCombo(ComboBoxMinErgAnz, &D::ComboBoxMinErgAnzChange);
  connect(EditMinErgRinge, &QLineEdit::editingFinished, this, [this] { EditMinErgRingeExit(); });
  onCombo(ComboBoxMklKlerg, &D::ComboBoxMklKlergChange);
  onCombo(ComboBoxDgnrKlerg, &D::ComboBoxDgnrKlergChange);
  onRadio(RadioGroupKlergSortartItems, &D::RadioGroupKlergSortartClick);
  onCombo(ComboBoxMinErgAnzKl, &D::ComboBoxMinErgAnzKlChange);
  connect(EditMinErgRingeKl, &QLineEdit::editingFinished, this,
          [this] { EditMinErgRingeKlExit(); });
  onCombo(ComboBoxVrVereine, &D::ShowVereinsErgebnisse);
  onCombo(ComboBoxVrEa, &D::ShowVereinsErgebnisse);
  onRadio({RadioButtonVErgAlle, RadioButtonVErgAktive}, &D::ShowVereinsErgebnisse);
  onCombo(ComboBoxVereineMschfuehrer, &D::ShowMschFuehrer);
}

// ---------------------------------------------------------------------------------------
// Showing, closing and the discipline's settings

void TZikoSortierteAusgabeDlg::FormShow() {
  LoadDiszSettings(gEinstellungen.AktDisznr);
  Mklindex = 0;
  {
    QSignalBlocker block(ComboBoxDisz);
    ComboBoxDisz->clear();
    db::Table t = db::query(gDbHaupt, "SELECT Nr, Bezeichnung FROM Disznamen ORDER BY Nr ASC;");
    for (size_t r = 0; r < t.size(); ++r) addComboItem(ComboBoxDisz, t.text(r, 1), t.num(r, 0));
    ComboBoxDisz->setCurrentIndex(comboIndexOfKey(ComboBoxDisz, gEinstellungen.AktDisznr));
  }
  check(RadioGroup1Items, 1);
  ComboBoxSortart->setEnabled(true);
  check(RadioGroup2Items, 0);
  check(RadioGroupKlergSortartItems, 0);
  renewRoundTexts();
  {
    QSignalBlocker block(ComboBoxVrEa);
    ComboBoxVrEa->clear();
    ComboBoxVrEa->addItem(qs("alle Ringergebnisse"));
    ComboBoxVrEa->addItem(qs("Mannschaftsschützen mit Mannschaftswechsel"));
    ComboBoxVrEa->setCurrentIndex(0);
  }
  FillVereineCombos(gEinstellungen.AktDisznr);
  UpdateEndwertung();
  ShowPage(PageControl1->currentIndex());
}

void TZikoSortierteAusgabeDlg::FormHide() { SaveDiszSettings(gEinstellungen.AktDisznr); }

void TZikoSortierteAusgabeDlg::LoadDiszSettings(int d) {
  db::Table t = db::query(gDbHaupt,
                          "SELECT Kampfindex, Mklindex, Vereinsindex, SortEErgMinAnzErg, "
                          "SortEErgMinRinge, Zehntelflag FROM Disznamen WHERE Nr=?;",
                          {d});
  if (!t.empty()) {
    Kampfindex = std::max(0, t.integer(0, 0));
    Mklindex = t.integer(0, 1);
    SortEErgMinAnzErg = std::max(1, t.integer(0, 3));
    SortEErgMinRinge = t.integer(0, 4);
    Zehntelflag = t.integer(0, 5);
    KlassenIndex = Mklindex;
  }
  for (QLineEdit* e : {EditMinErgRinge, EditMinErgRingeKl}) e->setText(qs(str(SortEErgMinRinge)));
}

void TZikoSortierteAusgabeDlg::SaveDiszSettings(int d) {
  db::exec(gDbHaupt, "UPDATE Disznamen SET SortEErgMinAnzErg=?, SortEErgMinRinge=? WHERE Nr=?; ",
           {SortEErgMinAnzErg, SortEErgMinRinge, d});
}

void TZikoSortierteAusgabeDlg::FillVereineCombos(int d) {
  QSignalBlocker b1(ComboBoxVrVereine), b2(ComboBoxVereineMschfuehrer);
  ComboBoxVrVereine->clear();
  ComboBoxVereineMschfuehrer->clear();
  addComboItem(ComboBoxVereineMschfuehrer, kAlleVereine, 0);
  char text[300];
  for (const VereinsEintrag& v : VereineDerDisziplin(d)) {
    std::snprintf(text, sizeof text, "%8d  %s", v.Nummer, v.Name.c_str());
    addComboItem(ComboBoxVrVereine, text, v.Nummer);
    addComboItem(ComboBoxVereineMschfuehrer, text, v.Nummer);
  }
  ComboBoxVrVereine->setCurrentIndex(ComboBoxVrVereine->count() ? 0 : -1);
  ComboBoxVereineMschfuehrer->setCurrentIndex(0);
}

void TZikoSortierteAusgabeDlg::ComboBoxDiszChange() {
  const long neu = comboKey(ComboBoxDisz);
  if (neu < 0 || neu == gEinstellungen.AktDisznr) return;
  SaveDiszSettings(gEinstellungen.AktDisznr);
  gEinstellungen.AktDisznr = static_cast<int8_t>(neu);
  LoadDiszSettings(gEinstellungen.AktDisznr);
  // The club lists of every page follow the discipline, whichever page is shown.
  FillVereineCombos(gEinstellungen.AktDisznr);
  UpdateEndwertung();
  ShowPage(PageControl1->currentIndex());
}

void TZikoSortierteAusgabeDlg::PageControl1Change() {
  if (!isVisible()) return;
  UpdateEndwertung();
  ShowPage(PageControl1->currentIndex());
}

void TZikoSortierteAusgabeDlg::ShowPage(int index) {
  switch (index) {
    case 0:
      ShowMschTabellen();
      break;
    case 1:
      ShowMschErgebnisse();
      break;
    case 2:
      ShowEinzelErgebnisse();
      break;
    case 3:
      ShowKlassenErgebnisse();
      break;
    case 4:
      ShowVereinsErgebnisse();
      break;
    case 5:
      ShowMschFuehrer();
      break;
    default:
      break;
  }
}

void TZikoSortierteAusgabeDlg::renewRoundTexts() {
  const int n = Kampfindex + 1;
  RadioGroup2Items[0]->setText(qs(format("Ergebnisse Durchgang %d", n)));
  RadioGroup2Items[1]->setText(qs(format("Ringschnitte nach Durchgang %d", n)));
  RadioGroup2Items[2]->setText(qs(format("Ringschnitte nach Durchgang %d mit Einzelerg.", n)));
  RadioGroupMschErgSortartItems[1]->setText(qs(format("Ringschnitte nach Durchgang %d", n)));
  const char* kl[] = {"Mannschafts- und Einzelergebnisse Durchgang %d",
                      "Tabelle und Einzelringschnitte nach Durchgang %d",
                      "Tabelle + Mannschaftserg. bis einschl. Durchgang %d",
                      "Tabelle, Mannschafts- + Einzelerg. Durchgang %d"};
  for (int i = 0; i < 4; ++i) RadioGroupKlergSortartItems[i]->setText(qs(format(kl[i], n)));
}

void TZikoSortierteAusgabeDlg::fillRounds(QComboBox* c, int32_t n, bool cutRound) {
  if (cutRound) Kampfindex = std::max(0, std::min(Kampfindex, n - 1));
  QSignalBlocker block(c);
  c->clear();
  for (int i = 1; i <= n; ++i) c->addItem(qs(str(i)));
  // A round past the page's match days chooses no item.
  c->setCurrentIndex(Kampfindex < n ? Kampfindex : -1);
}

void TZikoSortierteAusgabeDlg::fillMinCount(QComboBox* c, int32_t n) {
  // The count is cut to the match days and to the round; below 1 it counts as 1.
  SortEErgMinAnzErg = std::max(1, std::min({SortEErgMinAnzErg, n, Kampfindex + 1}));
  QSignalBlocker block(c);
  c->clear();
  for (int i = 1; i <= n; ++i) c->addItem(qs(str(i)));
  c->setCurrentIndex(n > 0 ? SortEErgMinAnzErg - 1 : -1);
}

void TZikoSortierteAusgabeDlg::showTable(SortableListView* view, const ListenTabelle& table) {
  std::vector<SortableListView::Column> columns;
  for (const ListenSpalte& s : table.Spalten)
    columns.push_back({s.Titel, s.Breite, alignment(s.Ausr)});
  view->setUpdatesEnabled(false);
  view->setColumns(columns);
  // A column of width 0 is left out; the others take the width of their content.
  for (size_t i = 0; i < table.Spalten.size(); ++i)
    view->setColumnHidden(static_cast<int>(i), table.Spalten[i].Breite == 0);
  for (const ListenZeile& z : table.Zeilen) {
    QTreeWidgetItem* item = view->addRow(z.Zellen);
    if (z.Fett) SortableListView::setRowBold(item, true);
  }
  view->setUpdatesEnabled(true);
}

// ---------------------------------------------------------------------------------------
// Final-ranking notice

void TZikoSortierteAusgabeDlg::UpdateEndwertung() {
  for (QLabel* l :
       {LabelEndwertungText1, LabelEndwertungText2, LabelEndwertungText1Kl, LabelEndwertungText2Kl})
    l->hide();
  endwertung_ = false;
  const int page = PageControl1->currentIndex();
  QLabel *l1, *l2;
  QComboBox* minCombo;
  int mode, runde;
  long klasse;
  if (page == 2) {
    mode = checkedIndex(RadioGroup2Items);
    runde = ComboBoxDgnr->currentIndex() + 1;
    klasse = comboKey(ComboBoxMklEErg, -1, 0);
    l1 = LabelEndwertungText1, l2 = LabelEndwertungText2, minCombo = ComboBoxMinErgAnz;
  } else if (page == 3) {
    mode = checkedIndex(RadioGroupKlergSortartItems) == 1 ? 1 : 0;
    runde = ComboBoxDgnrKlerg->currentIndex() + 1;
    klasse = comboKey(ComboBoxMklKlerg, -1, 0);
    l1 = LabelEndwertungText1Kl, l2 = LabelEndwertungText2Kl, minCombo = ComboBoxMinErgAnzKl;
  } else {
    return;
  }
  if (mode < 1 || klasse < 1) return;
  for (const KlassenEintrag& k : KlassenListe(gEinstellungen.AktDisznr)) {
    if (k.Nr != klasse) continue;
    if (std::min(runde, k.AnzahlTermine) != k.AnzahlTermine) return;
    endwertung_ = true;
    l1->setText(qs("Endwertung Klasse " + k.Klname));
    l2->setText(qs(format("Vorgegebene Mindestanzahl Ergebnisse: %d", k.Minerganzahl)));
    l1->show();
    l2->show();
    SortEErgMinAnzErg = std::clamp(k.Minerganzahl, 1, std::max(1, minCombo->count()));
    QSignalBlocker block(minCombo);
    minCombo->setCurrentIndex(minCombo->count() ? SortEErgMinAnzErg - 1 : -1);
    return;
  }
}

// ---------------------------------------------------------------------------------------
// The six views

void TZikoSortierteAusgabeDlg::ShowMschTabellen() {
  WaitCursor wait;
  const int disz = gEinstellungen.AktDisznr;
  fillRounds(ComboBoxSortart, MaxAnzahlTermine(KlassenListe(disz)));
  const bool sortiert = checkedIndex(RadioGroup1Items) == 1;
  ComboBoxSortart->setEnabled(sortiert);
  if (sortiert) {
    BerechneMannschaftstabellen(Kampfindex, disz);
    mschTabelle_ = MannschaftstabellenListe(disz, Zehntelflag);
  } else {
    mschTabelle_ = StarttabellenListe(disz);
  }
  showTable(ListViewMschTabelle, mschTabelle_);
  renewRoundTexts();
  ListViewMschTabelle->setFocus();
}

void TZikoSortierteAusgabeDlg::ComboBoxSortartChange() {
  Kampfindex = ComboBoxSortart->currentIndex();
  ShowMschTabellen();
}

void TZikoSortierteAusgabeDlg::ShowMschErgebnisse() {
  WaitCursor wait;
  const int disz = gEinstellungen.AktDisznr;
  const int choice = std::max(0, checkedIndex(RadioGroupMschErgSortartItems));
  LabelMklRingErg->setVisible(choice == 2);
  ComboBoxMklRingErg->setVisible(choice == 2);
  // The class list first: the line-ups take their rounds from the chosen class.
  fillClasses(ComboBoxMklRingErg, disz, false);
  KlassenIndex = selectPosition(ComboBoxMklRingErg, KlassenIndex);
  const long klasse = comboKey(ComboBoxMklRingErg, -1, 0);
  fillRounds(ComboBoxDurchgangnr, roundsOf(disz, choice == 2 ? klasse : 0));
  if (choice == 0) {
    mschErg_ = BegegnungenListe(disz, Kampfindex + 1, Zehntelflag);
  } else if (choice == 1) {
    BerechneMannschaftsringschnitte(Kampfindex, disz);
    mschErg_ = MannschaftsRingschnittListe();
  } else {
    mschErg_ = AufstellungenListe(disz, static_cast<int32_t>(klasse), Kampfindex + 1, Zehntelflag);
  }
  showTable(ListViewSAMschErg, mschErg_);
  renewRoundTexts();
  if (choice == 2)
    ComboBoxMklRingErg->setFocus();
  else
    ListViewSAMschErg->setFocus();
}

void TZikoSortierteAusgabeDlg::ComboBoxDurchgangnrChange() {
  Kampfindex = ComboBoxDurchgangnr->currentIndex();
  ShowMschErgebnisse();
}

void TZikoSortierteAusgabeDlg::ComboBoxMklRingErgChange() {
  KlassenIndex = ComboBoxMklRingErg->currentIndex();
  ShowMschErgebnisse();
}

void TZikoSortierteAusgabeDlg::ShowEinzelErgebnisse() {
  WaitCursor wait;
  const int disz = gEinstellungen.AktDisznr;
  const int choice = std::max(0, checkedIndex(RadioGroup2Items));
  fillClasses(ComboBoxMklEErg, disz, true);
  Mklindex = selectPosition(ComboBoxMklEErg, Mklindex);
  const long klasse = comboKey(ComboBoxMklEErg, -1, 0);
  const int32_t n = roundsOf(disz, klasse);
  fillRounds(ComboBoxDgnr, n);
  fillMinCount(ComboBoxMinErgAnz, n);
  LabelMinErgAnz->setEnabled(choice >= 1);
  ComboBoxMinErgAnz->setEnabled(choice >= 1);
  UpdateEndwertung();
  BerechneEinzelwertung(choice, static_cast<int32_t>(klasse), Kampfindex, SortEErgMinRinge,
                        SortEErgMinAnzErg, Zehntelflag, disz);
  Label6->setText(qs(choice == 0 ? "Mindest-Ringzahl" : "Mindest-Ringschnitt"));
  eErg_ =
      EinzelergebnisListe(choice, disz, static_cast<int32_t>(klasse), Kampfindex + 1, Zehntelflag);
  ListViewEErg->setVisible(true);
  showTable(ListViewEErg, eErg_);
  renewRoundTexts();
}

void TZikoSortierteAusgabeDlg::RadioGroup2Click() { ShowEinzelErgebnisse(); }

void TZikoSortierteAusgabeDlg::ComboBoxMklEErgChange() {
  Mklindex = ComboBoxMklEErg->currentIndex();
  ShowEinzelErgebnisse();
}

void TZikoSortierteAusgabeDlg::ComboBoxDgnrChang() {
  Kampfindex = ComboBoxDgnr->currentIndex();
  ShowEinzelErgebnisse();
}

void TZikoSortierteAusgabeDlg::ComboBoxMinErgAnzChange() {
  SortEErgMinAnzErg = ComboBoxMinErgAnz->currentIndex() + 1;
  ShowEinzelErgebnisse();
}

void TZikoSortierteAusgabeDlg::EditMinErgRingeExit() {
  SortEErgMinRinge = minRinge(EditMinErgRinge);
  EditMinErgRingeKl->setText(EditMinErgRinge->text());
  if (PageControl1->currentIndex() == 2) ShowEinzelErgebnisse();
}

void TZikoSortierteAusgabeDlg::SetKlassenErgColumns(int choice) {
  struct Lage {
    int obenH, mitteTop, mitteH, untenTop, untenH;
  };
  static const Lage lagen[] = {
      {81, 0, 0, 104, 275}, {111, 0, 0, 134, 245}, {111, 0, 0, 134, 245}, {108, 124, 66, 192, 189}};
  const Lage& l = lagen[std::clamp(choice, 0, 3)];
  ListViewMergKlerg->setGeometry(4, 16, kKlergBreite, l.obenH);
  ListViewMergKlerg2->setVisible(l.mitteH > 0);
  if (l.mitteH > 0) ListViewMergKlerg2->setGeometry(4, l.mitteTop, kKlergBreite, l.mitteH);
  ListViewEErgKleerg->setGeometry(4, l.untenTop, kKlergBreite, l.untenH);
  GroupBoxEingrenzungKl->setVisible(choice == 1);
}

void TZikoSortierteAusgabeDlg::ShowKlassenErgebnisse() {
  WaitCursor wait;
  const int disz = gEinstellungen.AktDisznr;
  klErgChoice_ = std::max(0, checkedIndex(RadioGroupKlergSortartItems));
  fillClasses(ComboBoxMklKlerg, disz, false);
  KlassenIndex = selectPosition(ComboBoxMklKlerg, KlassenIndex);
  const long klasse = comboKey(ComboBoxMklKlerg, -1, 0);
  const int32_t n = klasse >= 1 ? roundsOf(disz, klasse) : 0;
  // The round all pages share stays: a class with fewer match days shows none chosen.
  fillRounds(ComboBoxDgnrKlerg, n, false);
  fillMinCount(ComboBoxMinErgAnzKl, n);
  SetKlassenErgColumns(klErgChoice_);
  UpdateEndwertung();
  klErg_ = klasse >= 1 ? KlassenergebnisListen(disz, static_cast<int32_t>(klasse), Kampfindex + 1,
                                               klErgChoice_, SortEErgMinRinge, SortEErgMinAnzErg,
                                               Zehntelflag)
                       : KlassenListen{};
  showTable(ListViewMergKlerg, klErg_.Oben);
  showTable(ListViewMergKlerg2, klErg_.Mitte);
  showTable(ListViewEErgKleerg, klErg_.Unten);
  renewRoundTexts();
}

void TZikoSortierteAusgabeDlg::ComboBoxMklKlergChange() {
  KlassenIndex = ComboBoxMklKlerg->currentIndex();
  ShowKlassenErgebnisse();
}

void TZikoSortierteAusgabeDlg::ComboBoxDgnrKlergChange() {
  Kampfindex = ComboBoxDgnrKlerg->currentIndex();
  ShowKlassenErgebnisse();
}

void TZikoSortierteAusgabeDlg::RadioGroupKlergSortartClick() { ShowKlassenErgebnisse(); }

void TZikoSortierteAusgabeDlg::ComboBoxMinErgAnzKlChange() {
  SortEErgMinAnzErg = ComboBoxMinErgAnzKl->currentIndex() + 1;
  ShowKlassenErgebnisse();
}

void TZikoSortierteAusgabeDlg::EditMinErgRingeKlExit() {
  if (PageControl1->currentIndex() != 3) return;
  SortEErgMinRinge = minRinge(EditMinErgRingeKl);
  EditMinErgRinge->setText(EditMinErgRingeKl->text());
  ShowKlassenErgebnisse();
}

void TZikoSortierteAusgabeDlg::ShowVereinsErgebnisse() {
  WaitCursor wait;
  const int filter = std::max(0, ComboBoxVrEa->currentIndex());
  RadioButtonVErgAlle->setVisible(filter == 0);
  RadioButtonVErgAktive->setVisible(filter == 0);
  Label11->setVisible(filter == 1);
  const long club = comboKey(ComboBoxVrVereine);
  vErg_ = club >= 0 ? VereinsergebnisListe(gEinstellungen.AktDisznr, static_cast<int32_t>(club),
                                           filter, RadioButtonVErgAktive->isChecked(), Zehntelflag)
                    : ListenTabelle{};
  showTable(ListViewVErg, vErg_);
}

void TZikoSortierteAusgabeDlg::ShowMschFuehrer() {
  WaitCursor wait;
  const long club = comboKey(ComboBoxVereineMschfuehrer, -1, 0);
  mschFuehrer_ = MannschaftsleiterListe(gEinstellungen.AktDisznr, static_cast<int32_t>(club), 0);
  showTable(ListViewMschFuehrer, mschFuehrer_);
}

// ---------------------------------------------------------------------------------------
// For the output commands

SortierteAuswahl TZikoSortierteAusgabeDlg::auswahl() const {
  SortierteAuswahl a;
  a.Disznr = gEinstellungen.AktDisznr;
  a.Kampfindex = Kampfindex;
  a.MinRinge = SortEErgMinRinge;
  a.MinAnzahl = SortEErgMinAnzErg;
  a.Zehntelflag = Zehntelflag;
  a.Endwertung = endwertung_;
  auto klasse = [&](const QComboBox* c) {
    a.Mklnr = static_cast<int32_t>(comboKey(c, -1, 0));
    a.KlassenPos = std::max(0, c->currentIndex());
    if (a.Mklnr >= 1) a.Klname = fromQs(c->currentText());
  };
  auto verein = [&](const QComboBox* c) {
    a.Vrnr = static_cast<int32_t>(comboKey(c, -1, 0));
    if (a.Vrnr >= 1 || c->currentIndex() >= 0) a.VereinText = fromQs(c->currentText());
  };
  switch (seite()) {
    case 0:
      a.Anzeige = checkedIndex(RadioGroup1Items);
      break;
    case 1:
      a.Anzeige = checkedIndex(RadioGroupMschErgSortartItems);
      klasse(ComboBoxMklRingErg);
      break;
    case 2:
      a.Anzeige = checkedIndex(RadioGroup2Items);
      klasse(ComboBoxMklEErg);
      break;
    case 3:
      a.Anzeige = checkedIndex(RadioGroupKlergSortartItems);
      klasse(ComboBoxMklKlerg);
      break;
    case 4:
      verein(ComboBoxVrVereine);
      a.Filter = std::max(0, ComboBoxVrEa->currentIndex());
      a.NurMitErgebnis = RadioButtonVErgAktive->isChecked();
      a.Anzeige = a.NurMitErgebnis ? 1 : 0;
      break;
    case 5:
      verein(ComboBoxVereineMschfuehrer);
      break;
    default:
      break;
  }
  return a;
}

std::vector<ListenTabelle> TZikoSortierteAusgabeDlg::tabellen() const {
  switch (seite()) {
    case 0:
      return {mschTabelle_};
    case 1:
      return {mschErg_};
    case 2:
      return {eErg_};
    case 3:
      if (klErgChoice_ == 3) return {klErg_.Oben, klErg_.Mitte, klErg_.Unten};
      return {klErg_.Oben, klErg_.Unten};
    case 4:
      return {vErg_};
    case 5:
      return {mschFuehrer_};
    default:
      return {};
  }
}
