#include "entry/ui/ZikoErgEingabeDlg.h"

// The entry mask's controls: the choices on top, the fifteen rows of each side with their
// sum, the menu, and where each control stands.
#include <QGuiApplication>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>
#include <algorithm>

#include "core/globals.h"
#include "platform/elide.h"
#include "platform/fieldfilter.h"
#include "platform/keydata.h"
#include "platform/listlook.h"
#include "platform/text.h"

TZikoErgEingabeDlg* ZikoErgEingabeDlg = nullptr;

namespace {

constexpr int kRowTop = 155;
constexpr int kRowHeight = 19;
constexpr int kGuestOffset = 328;  // guest columns stand this far right of the home ones
constexpr int kPanelHeight = 110;  // the choices above the teams
constexpr int kShownPairings = 6;
constexpr int kClientHeight = 500;

QLabel* label(QWidget* parent, const char* caption, int x, int y, int w = 100) {
  auto* l = new QLabel(qs(caption), parent);
  l->setGeometry(x, y, w, 16);
  return l;
}

// The width a combo box needs to show text whole, its arrow and frame included.
int comboWidthFor(QComboBox* combo, const char* text) {
  QStyleOptionComboBox opt;
  opt.initFrom(combo);
  const QSize content(combo->fontMetrics().horizontalAdvance(qs(text)), combo->fontMetrics().height());
  return combo->style()->sizeFromContents(QStyle::CT_ComboBox, &opt, content, combo).width();
}

// Data fields on the pale background of the mask.
void paintInfo(QWidget* w, QPalette::ColorRole role) {
  QPalette pal = w->palette();
  pal.setColor(role, w->palette().color(QPalette::ToolTipBase));
  w->setPalette(pal);
}

}  // namespace

TZikoErgEingabeDlg::TZikoErgEingabeDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Ergebniseingabe"));
  setHelpTopic("ZikoErgebnisseEergMerg.html");
  createMenu();
  QWidget* client = createFrame();
  createChoices(client);
  for (bool heim : {true, false}) createSide(client, heim);
  // Fifteen rows and the sum line below the headings, whatever the list took.
  client->setFixedHeight(std::max(kClientHeight, kRowTop + shift_ + Rows * kRowHeight + 25 + 8));
  LayoutRows(SchuetzenGewertet);
  connectChoices();
  adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect r = screen->geometry();
    move(r.width() / 12, r.height() / 2 - height() / 2);
  }
  registerPassnrReceiver(ReceiverRole::Entry, this);
}

TZikoErgEingabeDlg::~TZikoErgEingabeDlg() = default;

void TZikoErgEingabeDlg::createMenu() {
  MainMenu1 = new QMenuBar(this);
  MainMenu1->addAction(qs("Beenden ESC"), this, [this] { BeendenESC1Click(); });
  MainMenu1->addAction(qs("Speichern F2"), this, [this] { SpeichernF21Click(); });
  MainMenu1->addAction(qs("Schützen anzeigen F5"), this, [this] { SchtzenanzeigenF51Click(); });
  MainMenu1->addAction(qs("Neuer Schütze F6"), this, [this] { NeuerSchtzeF61Click(); });
  MainMenu1->addAction(qs("Hilfe F1"), this, [this] { HilfeClick(); });
  bindKey(Qt::Key_F2, [this] { SpeichernF21Click(); });
  bindKey(Qt::Key_F5, [this] { SchtzenanzeigenF51Click(); });
  bindKey(Qt::Key_F6, [this] { NeuerSchtzeF61Click(); });
}

// The menu above, the status line below and between them the client area, of fixed size.
QWidget* TZikoErgEingabeDlg::createFrame() {
  auto* client = new QWidget(this);
  client->setFixedSize(666, kClientHeight);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->showMessage(qs("Zielkontor.exe - Ergebniseingabe"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(MainMenu1);
  layout->addWidget(client);
  layout->addWidget(StatusBar1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  return client;
}

void TZikoErgEingabeDlg::createChoices(QWidget* client) {
  Panel1 = new QWidget(client);
  Panel1->setGeometry(0, 0, 666, kPanelHeight);
  ComboBoxDisz = new QComboBox(Panel1);
  ComboBoxKlasse = new QComboBox(Panel1);
  ComboBoxWettkampfnr = new QComboBox(Panel1);
  // The discipline box shows a name such as "Zimmerstutzen 15 m" whole and the round's box its
  // caption; the pairing list gives up the room.
  const int disz = std::max(150, comboWidthFor(ComboBoxDisz, "Zimmerstutzen 15 m"));
  const int runde = std::max(comboWidthFor(ComboBoxWettkampfnr, "30"),
                             ComboBoxWettkampfnr->fontMetrics().horizontalAdvance(qs("Durchgang Nr.")) + 4);
  const int klasseX = 8 + disz + 8, rundeX = klasseX + 150 + 8, right = rundeX + runde;
  label(Panel1, "Disziplin", 8, 4);
  ComboBoxDisz->setGeometry(8, 20, disz, 22);
  ComboBoxDisz->setToolTip(qs("Auswahl der Disziplin"));
  label(Panel1, "Klasse", klasseX, 4);
  ComboBoxKlasse->setGeometry(klasseX, 20, 150, 22);
  ComboBoxKlasse->setToolTip(qs("Auswahl der Klasse"));
  label(Panel1, "Durchgang Nr.", rundeX, 4, runde);
  ComboBoxWettkampfnr->setGeometry(rundeX, 20, runde, 22);
  ComboBoxWettkampfnr->setToolTip(qs("Auswahl der Durchgang-Nr."));
  label(Panel1, "Termin", 8, 46);
  EditWettkampfdatum = new QLineEdit(Panel1);
  // The date line holds date, time and range: as wide as the choices above it.
  EditWettkampfdatum->setGeometry(8, 62, right - 8, 21);
  EditWettkampfdatum->setReadOnly(true);
  setFieldHint(EditWettkampfdatum, qs("Termin des eingestellten Wettkampf-Durchgangs"));
  StaticText7 = new QLabel(Panel1);
  StaticText7->setGeometry(4, 88, right - 4, 18);
  ListBoxPaarungen = new QListWidget(Panel1);
  ListBoxPaarungen->setToolTip(qs("Gegner der gewählten Klasse an gewählter Druchgangs-Nr."));
  // A class of twelve teams has six pairings a round: all of them stand in the list at once,
  // and the teams' headings and rows move down by what the list needs beyond the panel.
  giveListLook(ListBoxPaarungen);
  ListBoxPaarungen->addItem(qs("ÄÖÜ"));
  const int line = ListBoxPaarungen->sizeHintForRow(0);
  ListBoxPaarungen->clear();
  const int height = kShownPairings * line + 2 * ListBoxPaarungen->frameWidth();
  ListBoxPaarungen->setGeometry(right + 8, 4, 658 - (right + 8), height);
  shift_ = std::max(0, 4 + height + 4 - kPanelHeight);
  Panel1->setFixedHeight(kPanelHeight + shift_);
}

// A side's heading, its rows and its team sum with the button that adds it up.
void TZikoErgEingabeDlg::createSide(QWidget* client, bool heim) {
  const int dx = heim ? 0 : kGuestOffset;
  QFont bold = font();
  bold.setBold(true);
  const int y = shift_;
  label(client, heim ? "Heim" : "Gast", 8 + dx, 114 + y, 36);
  auto* team = new QLabel(client);
  team->setGeometry(44 + dx, 113 + y, 283, 18);
  team->setFont(bold);
  team->setAutoFillBackground(true);
  paintInfo(team, QPalette::Window);
  (heim ? LabelHeimmannschaft : LabelGastmannschaft) = team;
  label(client, "Schützennr.", 8 + dx, 136 + y, 76);
  label(client, "Sts", 84 + dx, 136 + y, 18)->setToolTip(qs("Stammschütze"));
  label(client, " Name", 102 + dx, 136 + y, 120);
  label(client, "Ringe", 279 + dx, 136 + y, 48);
  for (int i = 0; i < Rows; ++i) createRow(client, heim, i);
  auto* button = new QPushButton(qs("Mannschaftsergebnis:"), client);
  button->setAutoDefault(false);
  button->setToolTip(heim ? qs("Addiert die Einzelergebnisse der Heimmannschaft ")
                          : qs("Addiert die Einzelergebnisse der Gastmannschaft "));
  auto* sum = new QLineEdit(client);
  paintInfo(sum, QPalette::Base);
  sum->setToolTip(heim ? qs("Ringergebnis der Heimmannschaft") : qs("Ringergebnis der Gastmannschaft"));
  sum->installEventFilter(this);
  connect(sum, &QLineEdit::textEdited, this, [this] { Geaendert = 1; });
  (heim ? ButtonMergH : ButtonMergG) = button;
  (heim ? EditMschSummeHeim : EditMschSummeGast) = sum;
  connect(button, &QPushButton::clicked, this, [this, heim] { heim ? ButtonMergHClick() : ButtonMergGClick(); });
}

void TZikoErgEingabeDlg::createRow(QWidget* client, bool heim, int i) {
  Side sd = side(heim);
  auto* pass = new QLineEdit(client);
  // Typed keys are filtered in keyOfRow; the filter also keeps pasted text to digits.
  setNumberFilter(pass, false, eingabe::kPassDigits);
  auto* check = new QCheckBox(client);
  check->setEnabled(false);
  if (heim) check->setToolTip(qs("Stammschütze"));
  auto* name = new QLineEdit(client);
  name->setReadOnly(true);
  keepBeginningShown(name);
  auto* rings = new QLineEdit(client);
  (*sd.pass)[i] = pass;
  (*sd.checks)[i] = check;
  (*sd.name)[i] = name;
  (*sd.rings)[i] = rings;
  for (QLineEdit* e : {pass, name, rings}) {
    paintInfo(e, QPalette::Base);
    e->installEventFilter(this);
  }
  // Deleting, cutting and pasting change a field without a key press of their own.
  connect(rings, &QLineEdit::textEdited, this, [this] { Geaendert = 1; });
  connect(pass, &QLineEdit::textEdited, this, [this, pass] { passEdited(pass); });
}

void TZikoErgEingabeDlg::connectChoices() {
  connect(ComboBoxDisz, &QComboBox::activated, this, [this](int i) {
    choose(i, comboIndexOfKey(ComboBoxDisz, gEinstellungen.AktDisznr), ComboBoxDisz,
           &TZikoErgEingabeDlg::ComboBoxDiszChange);
  });
  connect(ComboBoxKlasse, &QComboBox::activated, this,
          [this](int i) { choose(i, Mklindex, ComboBoxKlasse, &TZikoErgEingabeDlg::ComboBoxKlasseChange); });
  connect(ComboBoxWettkampfnr, &QComboBox::activated, this, [this](int i) {
    choose(i, Kampfindex, ComboBoxWettkampfnr, &TZikoErgEingabeDlg::ComboBoxWettkampfnrChange);
  });
  connect(ListBoxPaarungen, &QListWidget::currentRowChanged, this, [this](int row) {
    choose(row, Gegnerpaarindex, ListBoxPaarungen, &TZikoErgEingabeDlg::ListBoxPaarungenClick);
  });
}

TZikoErgEingabeDlg::Side TZikoErgEingabeDlg::side(bool heim) {
  if (heim)
    return {true, &EditSchnrHeim, &EditNameHeim, &EditRingeHeim, &CheckBoxStsHeim, EditMschSummeHeim, ButtonMergH};
  return {false, &EditSchnrGast, &EditNameGast, &EditRingeGast, &CheckBoxStsGast, EditMschSummeGast, ButtonMergG};
}

void TZikoErgEingabeDlg::LayoutRows(int n) {
  for (bool heim : {true, false}) {
    Side sd = side(heim);
    const int dx = heim ? 0 : kGuestOffset;
    int y = kRowTop + shift_;
    for (int i = 0; i < Rows; ++i) {
      (*sd.pass)[i]->setGeometry(8 + dx, y, 72, kRowHeight);
      (*sd.checks)[i]->setGeometry(84 + dx, y + 2, 16, kRowHeight - 2);
      // Rings with tenths ("398.7") are shown whole; the name gives up the room.
      (*sd.name)[i]->setGeometry(102 + dx, y, 177, kRowHeight);
      (*sd.rings)[i]->setGeometry(279 + dx, y, 48, kRowHeight);
      y += kRowHeight;
      if (i == n - 1) {
        sd.button->setGeometry(120 + dx, y + 3, 148, kRowHeight + 2);
        sd.sum->setGeometry(271 + dx, y + 2, 56, kRowHeight + 2);
        y += 25;
      }
    }
  }
}
