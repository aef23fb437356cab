#include "season/ui/ZikoTermineDlg.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "season/klassenfolge.h"
#include "season/ui/KlassenAuswahl.h"

TZikoTermineDlg* ZikoTermineDlg = nullptr;

namespace {
constexpr int kRowHeight = 19;
constexpr int kTop = 5;
}  // namespace

TZikoTermineDlg::TZikoTermineDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Termine"));
  setHelpTopic("ZikoNeueSaisonTermine.html");
  setEditTransaction(db::editTransaction(gDbHaupt));

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(qs("Wettkampftermine Klasse"), this));
  ComboBoxKlasse = new QComboBox(this);
  ComboBoxKlasse->setMinimumWidth(180);
  top->addWidget(ComboBoxKlasse, 1);

  Panel1 = new QFrame(this);
  Panel1->setFrameShape(QFrame::StyledPanel);
  Panel1->setFixedWidth(270);
  for (int i = 0; i < kTerminZeilen; ++i) {
    int y = kTop + i * kRowHeight;
    auto* label = new QLabel(qs(str(i + 1)), Panel1);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(10, y, 15, kRowHeight);
    auto* edit = new QLineEdit(Panel1);
    edit->setMaxLength(kTerminLaenge);
    edit->setGeometry(30, y, 230, kRowHeight);
    label->hide();
    edit->hide();
    Nummern[static_cast<size_t>(i)] = label;
    Edits[static_cast<size_t>(i)] = edit;
  }

  ButtonTvvK = new QPushButton(qs("Termine von vorheriger Klasse übernehmen"), this);
  ButtonTanAlle = new QPushButton(qs("diese Termine für alle folgenden Klassen übernehmen"), this);
  ButtonUebernehmen = new QPushButton(qs("Übernehmen"), this);
  ButtonAbbrechen = new QPushButton(qs("A&bbrechen"), this);
  ButtonHilfe = new QPushButton(qs("&Hilfe F1"), this);
  for (QPushButton* b : {ButtonTvvK, ButtonTanAlle, ButtonUebernehmen, ButtonAbbrechen, ButtonHilfe})
    b->setAutoDefault(false);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ButtonTvvK);
  buttons->addWidget(ButtonTanAlle);
  buttons->addStretch(1);
  buttons->addWidget(ButtonUebernehmen);
  buttons->addWidget(ButtonAbbrechen);
  buttons->addWidget(ButtonHilfe);

  auto* body = new QHBoxLayout;
  body->addWidget(Panel1, 0, Qt::AlignTop);
  body->addLayout(buttons);

  auto* main = new QVBoxLayout(this);
  main->addLayout(top);
  main->addLayout(body, 1);
  main->setSizeConstraint(QLayout::SetFixedSize);

  connect(ComboBoxKlasse, &QComboBox::activated, this, [this] { ComboBoxKlasseChange(); });
  connect(ButtonTvvK, &QPushButton::clicked, this, [this] { ButtonTvvKClick(); });
  connect(ButtonTanAlle, &QPushButton::clicked, this, [this] { ButtonTanAlleClick(); });
  connect(ButtonUebernehmen, &QPushButton::clicked, this, [this] { ButtonUebernehmenClick(); });
  connect(ButtonAbbrechen, &QPushButton::clicked, this, [this] { ButtonAbbrechenClick(); });
  connect(ButtonHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
  focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                        [this](QWidget* old, QWidget* now) { panelFocusChanged(old, now); });
}

// The fields lose their focus while they are destroyed, after this dialog's own part is
// gone already; the focus signal must not reach it then.
TZikoTermineDlg::~TZikoTermineDlg() { disconnect(focusWatch_); }

void TZikoTermineDlg::FormShow() {
  const int disz = gEinstellungen.AktDisznr;
  std::string name, saison;
  if (DisziplinUndSaison(gDbHaupt, disz, name, saison)) setWindowTitle(qs(name + " Saison " + saison));
  zeilenGrenzeGemeldet_ = false;
  FillKlassenCombo(ComboBoxKlasse, disz);
  showClass(comboKey(ComboBoxKlasse));
}

void TZikoTermineDlg::showClass(long nr) {
  loading_ = true;
  for (int i = 0; i < kTerminZeilen; ++i) {
    Nummern[static_cast<size_t>(i)]->hide();
    Edits[static_cast<size_t>(i)]->hide();
  }
  const int disz = gEinstellungen.AktDisznr;
  db::Table t = db::query(gDbHaupt, "SELECT Nr, AnzahlTermine FROM Mschklassen WHERE Nr=? AND Disznr=?;",
                          {nr, disz});
  klasseNr_ = t.empty() ? -1 : nr;
  anzahlTermine_ = t.empty() ? 0 : std::max(t.integer(0, 1), 0);
  zeilen_ = std::min(anzahlTermine_, kTerminZeilen);
  if (klasseNr_ >= 0) {
    for (int i = 0; i < zeilen_; ++i) {
      Edits[static_cast<size_t>(i)]->clear();
      Nummern[static_cast<size_t>(i)]->show();
      Edits[static_cast<size_t>(i)]->show();
    }
    putDates(LadeTermine(gDbHaupt, disz, klasseNr_, zeilen_));
  }
  Panel1->setFixedHeight(2 * kTop + zeilen_ * kRowHeight);

  const int index = ComboBoxKlasse->currentIndex();
  const bool bouts = zeilen_ > 0;
  ButtonTvvK->setEnabled(bouts && index > 0);
  ButtonTanAlle->setEnabled(bouts && index >= 0 && index < ComboBoxKlasse->count() - 1);
  if (bouts) Edits[0]->setFocus();
  loading_ = false;

  if (anzahlTermine_ > kTerminZeilen && !zeilenGrenzeGemeldet_) {
    zeilenGrenzeGemeldet_ = true;
    msg::show("Es können nur " + str(kTerminZeilen) + " Termine eingegeben werden.", "Info", msg::Ok,
              msg::Information);
  }
}

bool TZikoTermineDlg::shownDates(std::vector<std::string>& dates, bool tell) {
  dates.clear();
  for (int i = 0; i < zeilen_; ++i) {
    QLineEdit* edit = Edits[static_cast<size_t>(i)];
    std::string date;
    if (!(tell ? storableText(edit->text(), date) : toCp1252(edit->text(), date))) {
      if (tell) edit->setFocus();
      return false;
    }
    dates.push_back(date);
  }
  return true;
}

void TZikoTermineDlg::putDates(const std::vector<std::string>& dates) {
  for (size_t i = 0; i < dates.size() && i < static_cast<size_t>(zeilen_); ++i)
    Edits[i]->setText(qs(dates[i]));
}

bool TZikoTermineDlg::saveShownClass(bool tell) {
  if (klasseNr_ < 0 || loading_) return true;
  std::vector<std::string> dates;
  if (!shownDates(dates, tell)) return false;
  return SpeichereTermine(gDbHaupt, gEinstellungen.AktDisznr, klasseNr_, dates);
}

void TZikoTermineDlg::panelFocusChanged(QWidget* old, QWidget* now) {
  // Only while the dialog's transaction is open: after it ended a save would go straight
  // to the database.
  if (!transactionOpen() || !old || !Panel1->isAncestorOf(old)) return;
  if (now && Panel1->isAncestorOf(now)) return;
  // Quietly: a refused date is named by the save that follows (class, copy, confirm), and a
  // message box of its own would take the focus again.
  saveShownClass(false);
}

void TZikoTermineDlg::ComboBoxKlasseChange() {
  if (!saveShownClass()) {
    // The class whose date was refused stays shown.
    QSignalBlocker block(ComboBoxKlasse);
    ComboBoxKlasse->setCurrentIndex(comboIndexOfKey(ComboBoxKlasse, klasseNr_));
    return;
  }
  showClass(comboKey(ComboBoxKlasse));
}

void TZikoTermineDlg::ButtonTvvKClick() {
  const int index = ComboBoxKlasse->currentIndex();
  if (klasseNr_ < 0 || index < 1) return;
  const long previous = comboKey(ComboBoxKlasse, index - 1);
  for (int i = 0; i < zeilen_; ++i) Edits[static_cast<size_t>(i)]->clear();
  putDates(LadeTermine(gDbHaupt, gEinstellungen.AktDisznr, previous, zeilen_));
  saveShownClass();
}

void TZikoTermineDlg::ButtonTanAlleClick() {
  if (klasseNr_ < 0 || !saveShownClass()) return;
  std::vector<std::string> dates;
  shownDates(dates, false);
  // Every following class or none.
  db::Transaction t(gDbHaupt);
  bool ok = true;
  for (int i = ComboBoxKlasse->currentIndex() + 1; ok && i < ComboBoxKlasse->count(); ++i)
    ok = UebertrageTermine(gDbHaupt, gEinstellungen.AktDisznr, comboKey(ComboBoxKlasse, i), dates);
  if (ok) t.commit();
}

void TZikoTermineDlg::ButtonUebernehmenClick() {
  if (saveShownClass()) closeWith(mrOk);
}

void TZikoTermineDlg::ButtonAbbrechenClick() { closeWith(mrCancel); }
