#include "output/ui/ZikoSortierteAusgabeDlg.h"

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

// Building the window: its frame, the six pages and their wiring.

namespace {

constexpr int kListTop = 112;      // list views of pages 0, 1, 2, 4 and 5 start here

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

  // Page 3: the choices stand right of the list views, the pairings of choice 3 below them.
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
  ListViewMergKlerg2 = listView(pages[3], 450, 168, 357, 211);
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
