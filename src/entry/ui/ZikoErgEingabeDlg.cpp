#include "entry/ui/ZikoErgEingabeDlg.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "entry/ui/ZikoNeuerSchuetzeDlg.h"
#include "entry/ui/ZikoSchuetzenAnzeigenDlg.h"
#include "platform/elide.h"
#include "platform/fieldfilter.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "platform/waitcursor.h"

TZikoErgEingabeDlg* ZikoErgEingabeDlg = nullptr;

namespace {

constexpr int kRowTop = 155;
constexpr int kRowHeight = 19;
constexpr int kGuestOffset = 328;  // guest columns stand this far right of the home ones

std::string text(const QLineEdit* e) { return fromQs(e->text()); }

QLabel* label(QWidget* parent, const char* caption, int x, int y, int w = 100) {
  auto* l = new QLabel(qs(caption), parent);
  l->setGeometry(x, y, w, 16);
  return l;
}

}  // namespace

TZikoErgEingabeDlg::TZikoErgEingabeDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Ergebniseingabe"));
  setHelpTopic("ZikoErgebnisseEergMerg.html");

  MainMenu1 = new QMenuBar(this);
  MainMenu1->addAction(qs("Beenden ESC"), this, [this] { BeendenESC1Click(); });
  MainMenu1->addAction(qs("Speichern F2"), this, [this] { SpeichernF21Click(); });
  MainMenu1->addAction(qs("Schützen anzeigen F5"), this, [this] { SchtzenanzeigenF51Click(); });
  MainMenu1->addAction(qs("Neuer Schütze F6"), this, [this] { NeuerSchtzeF61Click(); });
  MainMenu1->addAction(qs("Hilfe F1"), this, [this] { HilfeClick(); });
  bindKey(Qt::Key_F2, [this] { SpeichernF21Click(); });
  bindKey(Qt::Key_F5, [this] { SchtzenanzeigenF51Click(); });
  bindKey(Qt::Key_F6, [this] { NeuerSchtzeF61Click(); });

  auto* client = new QWidget(this);
  client->setFixedSize(666, 500);
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

  const QColor info = palette().color(QPalette::ToolTipBase);

  Panel1 = new QWidget(client);
  Panel1->setGeometry(0, 0, 666, 110);
  label(Panel1, "Disziplin", 8, 4);
  ComboBoxDisz = new QComboBox(Panel1);
  ComboBoxDisz->setGeometry(8, 20, 150, 22);
  ComboBoxDisz->setToolTip(qs("Auswahl der Disziplin"));
  label(Panel1, "Klasse", 166, 4);
  ComboBoxKlasse = new QComboBox(Panel1);
  ComboBoxKlasse->setGeometry(166, 20, 150, 22);
  ComboBoxKlasse->setToolTip(qs("Auswahl der Klasse"));
  label(Panel1, "Durchgang Nr.", 324, 4);
  ComboBoxWettkampfnr = new QComboBox(Panel1);
  ComboBoxWettkampfnr->setGeometry(324, 20, 80, 22);
  ComboBoxWettkampfnr->setToolTip(qs("Auswahl der Durchgang-Nr."));
  label(Panel1, "Termin", 8, 46);
  EditWettkampfdatum = new QLineEdit(Panel1);
  // The date line holds date, time and range: as wide as the choices above it.
  EditWettkampfdatum->setGeometry(8, 62, 396, 21);
  EditWettkampfdatum->setReadOnly(true);
  StaticText7 = new QLabel(Panel1);
  StaticText7->setGeometry(4, 88, 400, 18);
  ListBoxPaarungen = new QListWidget(Panel1);
  ListBoxPaarungen->setGeometry(412, 4, 246, 102);
  ListBoxPaarungen->setToolTip(qs("Gegner der gewählten Klasse an gewählter Druchgangs-Nr."));
  // Long pairings end in "…" (their tooltip shows them whole) instead of scrolling sideways.
  ListBoxPaarungen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBoxPaarungen->setTextElideMode(Qt::ElideRight);

  QFont bold = font();
  bold.setBold(true);
  for (int s = 0; s < 2; ++s) {
    const bool heim = s == 0;
    const int dx = heim ? 0 : kGuestOffset;
    label(client, heim ? "Heim" : "Gast", 8 + dx, 114, 36);
    auto* team = new QLabel(client);
    team->setGeometry(44 + dx, 113, 283, 18);
    team->setFont(bold);
    team->setAutoFillBackground(true);
    QPalette pal = team->palette();
    pal.setColor(QPalette::Window, info);
    team->setPalette(pal);
    (heim ? LabelHeimmannschaft : LabelGastmannschaft) = team;
    label(client, "Schützennr.", 8 + dx, 136, 76);
    label(client, "Sts", 84 + dx, 136, 18)->setToolTip(qs("Stammschütze"));
    label(client, " Name", 102 + dx, 136, 120);
    label(client, "Ringe", 291 + dx, 136, 36);

    Side sd = side(heim);
    for (int i = 0; i < Rows; ++i) {
      auto* pass = new QLineEdit(client);
      // Typed keys are filtered in keyOfRow; the filter also keeps pasted text to digits.
      setNumberFilter(pass, false, eingabe::kPassDigits);
      auto* check = new QCheckBox(client);
      check->setEnabled(false);
      if (heim) check->setToolTip(qs("Stammschütze"));
      auto* name = new QLineEdit(client);
      name->setReadOnly(true);
      auto* rings = new QLineEdit(client);
      (*sd.pass)[i] = pass;
      (*sd.checks)[i] = check;
      (*sd.name)[i] = name;
      (*sd.rings)[i] = rings;
      for (QLineEdit* e : {pass, name, rings}) {
        QPalette pal = e->palette();
        pal.setColor(QPalette::Base, info);
        e->setPalette(pal);
        e->installEventFilter(this);
      }
      // Deleting, cutting and pasting change a field without a key press of their own.
      for (QLineEdit* e : {pass, rings}) connect(e, &QLineEdit::textEdited, this, [this] { Geaendert = 1; });
    }
    auto* button = new QPushButton(qs("Mannschaftsergebnis:"), client);
    button->setAutoDefault(false);
    button->setToolTip(heim ? qs("Addiert die Einzelergebnisse der Heimmannschaft ")
                            : qs("Addiert die Einzelergebnisse der Gastmannschaft "));
    auto* sum = new QLineEdit(client);
    QPalette sumPal = sum->palette();
    sumPal.setColor(QPalette::Base, info);
    sum->setPalette(sumPal);
    sum->setToolTip(heim ? qs("Ringergebnis der Heimmannschaft") : qs("Ringergebnis der Gastmannschaft"));
    sum->installEventFilter(this);
    connect(sum, &QLineEdit::textEdited, this, [this] { Geaendert = 1; });
    (heim ? ButtonMergH : ButtonMergG) = button;
    (heim ? EditMschSummeHeim : EditMschSummeGast) = sum;
    connect(button, &QPushButton::clicked, this, [this, heim] { heim ? ButtonMergHClick() : ButtonMergGClick(); });
  }
  LayoutRows(SchuetzenGewertet);

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

  adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect r = screen->geometry();
    move(r.width() / 12, r.height() / 2 - height() / 2);
  }
  registerPassnrReceiver(ReceiverRole::Entry, this);
}

TZikoErgEingabeDlg::~TZikoErgEingabeDlg() = default;

TZikoErgEingabeDlg::Side TZikoErgEingabeDlg::side(bool heim) {
  if (heim)
    return {true, &EditSchnrHeim, &EditNameHeim, &EditRingeHeim, &CheckBoxStsHeim, EditMschSummeHeim, ButtonMergH};
  return {false, &EditSchnrGast, &EditNameGast, &EditRingeGast, &CheckBoxStsGast, EditMschSummeGast, ButtonMergG};
}

bool TZikoErgEingabeDlg::locate(const QObject* edit, bool& heim, int& row, int& column) const {
  const RowEdits* columns[2][3] = {{&EditSchnrHeim, &EditNameHeim, &EditRingeHeim},
                                   {&EditSchnrGast, &EditNameGast, &EditRingeGast}};
  for (int s = 0; s < 2; ++s)
    for (int c = 0; c < 3; ++c)
      for (int i = 0; i < Rows; ++i)
        if ((*columns[s][c])[i] == edit) {
          heim = s == 0;
          row = i;
          column = c;
          return true;
        }
  return false;
}

const eingabe::Gegnerzeile* TZikoErgEingabeDlg::chosenPaarung() const {
  if (Gegnerpaarindex < 0 || Gegnerpaarindex >= static_cast<int>(Paarungen.size())) return nullptr;
  return &Paarungen[static_cast<size_t>(Gegnerpaarindex)];
}

// ---------------------------------------------------------------------------------------
// Choices and loading

void TZikoErgEingabeDlg::FormShow() {
  QScopedValueRollback<bool> loading(loading_, true);
  LoadPositions(gEinstellungen.AktDisznr);
  {
    QSignalBlocker block(ComboBoxDisz);
    ComboBoxDisz->clear();
    db::Table t = db::query(gDbHaupt, "SELECT Nr, Bezeichnung FROM Disznamen ORDER BY Nr ASC;");
    for (size_t r = 0; r < t.size(); ++r) addComboItem(ComboBoxDisz, t.text(r, 1), t.num(r, 0));
    ComboBoxDisz->setCurrentIndex(comboIndexOfKey(ComboBoxDisz, gEinstellungen.AktDisznr));
  }
  FillKlassenListe();
  LoadPaarung(Mklindex);
  // The remembered picker comes after the mask stands, so it opens beside and above it.
  if (gEinstellungen.SchuetzenAnzeigeOffen != 0)
    QMetaObject::invokeMethod(this, [this] { if (isVisible()) SchtzenanzeigenF51Click(); }, Qt::QueuedConnection);
}

void TZikoErgEingabeDlg::choose(int index, int previous, QWidget* control, void (TZikoErgEingabeDlg::*change)()) {
  if (index < 0 || index == previous) return;
  if (AskSaveChanges()) {
    (this->*change)();
    return;
  }
  // Cancelled (or the save failed): the previous choice stands, nothing else changes.
  QSignalBlocker block(control);
  if (auto* combo = qobject_cast<QComboBox*>(control))
    combo->setCurrentIndex(previous);
  else if (auto* list = qobject_cast<QListWidget*>(control))
    list->setCurrentRow(previous);
}

void TZikoErgEingabeDlg::ComboBoxDiszChange() {
  db::Transaction t(gDbHaupt);
  StorePositions(gEinstellungen.AktDisznr);
  long disz = comboKey(ComboBoxDisz);
  if (disz >= 0) gEinstellungen.AktDisznr = static_cast<int8_t>(disz);
  LoadPositions(gEinstellungen.AktDisznr);
  FillKlassenListe();
  LoadPaarung(Mklindex);
  t.commit();
}

void TZikoErgEingabeDlg::ComboBoxKlasseChange() {
  db::Transaction t(gDbHaupt);
  Mklindex = ComboBoxKlasse->currentIndex();
  Gegnerpaarindex = 0;
  LoadPaarung(Mklindex);
  t.commit();
}

void TZikoErgEingabeDlg::ComboBoxWettkampfnrChange() {
  db::Transaction t(gDbHaupt);
  Kampfindex = ComboBoxWettkampfnr->currentIndex();
  LoadPaarung(Mklindex);
  t.commit();
}

void TZikoErgEingabeDlg::ListBoxPaarungenClick() {
  db::Transaction t(gDbHaupt);
  Gegnerpaarindex = ListBoxPaarungen->currentRow();
  LoadPaarung(Mklindex);
  t.commit();
}

void TZikoErgEingabeDlg::FormClose() {
  StorePositions(gEinstellungen.AktDisznr);
  if (ZikoSchuetzenAnzeigenDlg) ZikoSchuetzenAnzeigenDlg->hide();
  if (ZikoNeuerSchuetzeDlg) ZikoNeuerSchuetzeDlg->hide();
}

void TZikoErgEingabeDlg::LoadPositions(int disz) {
  db::Table t = db::query(gDbHaupt,
                          "SELECT Kampfindex, Mklindex, Gegnerpaarindex, Vereinsindex, Zehntelflag FROM "
                          "Disznamen WHERE Nr=?;",
                          {disz});
  if (!t.empty()) {
    Kampfindex = t.integer(0, 0);
    Mklindex = t.integer(0, 1);
    Gegnerpaarindex = t.integer(0, 2);
    Vereinsindex = t.integer(0, 3);
    Zehntelflag = t.integer(0, 4);
  }
  ringLength_ = Zehntelflag >= 1 ? 5 : 3;
  sumLength_ = Zehntelflag >= 1 ? 6 : 4;
  for (bool heim : {true, false}) {
    Side sd = side(heim);
    for (QLineEdit* e : *sd.rings) e->setMaxLength(ringLength_);
    sd.sum->setMaxLength(sumLength_);
  }
}

void TZikoErgEingabeDlg::StorePositions(int disz) {
  db::exec(gDbHaupt,
           "UPDATE Disznamen SET Kampfindex=?, Mklindex=?, Gegnerpaarindex=?, Vereinsindex=? WHERE Nr=?; ",
           {Kampfindex, Mklindex, Gegnerpaarindex, Vereinsindex, disz});
}

void TZikoErgEingabeDlg::FillKlassenListe() {
  QSignalBlocker block(ComboBoxKlasse);
  ComboBoxKlasse->clear();
  db::Table t = db::query(gDbHaupt, "SELECT Nr, Klname FROM Mschklassen WHERE Disznr = ? ORDER BY Nr;",
                          {static_cast<int>(gEinstellungen.AktDisznr)});
  for (size_t r = 0; r < t.size(); ++r) addComboItem(ComboBoxKlasse, t.text(r, 1), t.num(r, 0));
  ComboBoxKlasse->setCurrentIndex(Mklindex < ComboBoxKlasse->count() ? Mklindex : -1);
}

void TZikoErgEingabeDlg::FillPairingList(int kampfindex) {
  const int disz = gEinstellungen.AktDisznr;
  EditWettkampfdatum->clear();
  db::Table termin = db::query(gDbHaupt, "SELECT Termin FROM Termine WHERE Mklnr= ? AND Nr_in_klasse=? AND Disznr=?;",
                               {Mklnr, kampfindex + 1, disz});
  setElidedText(EditWettkampfdatum, termin.empty() ? QString() : qs(termin.text(0, 0)));

  db::Table t = db::query(gDbHaupt,
                          "SELECT Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr FROM Gegner WHERE Mklnr=? AND "
                          "Kampfnr=? AND Disznr=?;",
                          {Mklnr, kampfindex + 1, disz});
  QSignalBlocker block(ListBoxPaarungen);
  Paarungen.clear();
  ListBoxPaarungen->clear();
  for (size_t r = 0; r < t.size(); ++r) {
    eingabe::Gegnerzeile p{disz, Mklnr, kampfindex + 1, t.num(r, 0), t.integer(r, 1), t.num(r, 2), t.integer(r, 3)};
    // A team without opponent in this round has club number 0 on the other side.
    if (p.Heimvrnr <= 0 || p.Gastvrnr <= 0) continue;
    std::string heim = MannschaftsName(p.Heimvrnr, p.Heimmschnr);
    std::string gast = MannschaftsName(p.Gastvrnr, p.Gastmschnr);
    if (heim.empty() || gast.empty()) continue;
    addListItem(ListBoxPaarungen, heim + " - " + gast, static_cast<long>(Paarungen.size()))
        ->setToolTip(qs(heim + " - " + gast));
    Paarungen.push_back(p);
  }
}

void TZikoErgEingabeDlg::LayoutRows(int n) {
  for (bool heim : {true, false}) {
    Side sd = side(heim);
    const int dx = heim ? 0 : kGuestOffset;
    int y = kRowTop;
    for (int i = 0; i < Rows; ++i) {
      (*sd.pass)[i]->setGeometry(8 + dx, y, 72, kRowHeight);
      (*sd.checks)[i]->setGeometry(84 + dx, y + 2, 16, kRowHeight - 2);
      (*sd.name)[i]->setGeometry(102 + dx, y, 189, kRowHeight);
      (*sd.rings)[i]->setGeometry(291 + dx, y, 36, kRowHeight);
      y += kRowHeight;
      if (i == n - 1) {
        sd.button->setGeometry(120 + dx, y + 3, 148, kRowHeight + 2);
        sd.sum->setGeometry(271 + dx, y + 2, 56, kRowHeight + 2);
        y += 25;
      }
    }
  }
}

void TZikoErgEingabeDlg::LoadPaarung(int klassenindex) {
  QScopedValueRollback<bool> loading(loading_, true);
  Sortflag = 0;
  int rounds = 0;
  bool klasseFound = false;
  long key = klassenindex >= 0 && klassenindex < ComboBoxKlasse->count() ? comboKey(ComboBoxKlasse, klassenindex) : -1;
  if (key >= 0) {
    // By the class's number: two classes may carry the same name.
    db::Table t = db::query(gDbHaupt,
                            "SELECT Nr, AnzahlTermine, SchuetzenproMannschaftUnsort, SchuetzenproMannschaftSort, "
                            "Sortflag , MaxSchuetzenproMannschaft FROM Mschklassen  WHERE Nr = ? AND Disznr=?;",
                            {key, static_cast<int>(gEinstellungen.AktDisznr)});
    if (!t.empty()) {
      klasseFound = true;
      Mklnr = t.integer(0, 0);
      rounds = t.integer(0, 1);
      Sortflag = t.integer(0, 4);
      SchuetzenGewertet = eingabe::clampTeamSize(Sortflag > 0 ? t.integer(0, 3) : t.integer(0, 2));
      MaxSchuetzenproMannschaft = t.integer(0, 5);
    }
  }
  StaticText7->setText(qs("  Anzahl Schützen pro Mannschaft: " + str(SchuetzenGewertet) +
                          ",  Sortierung " + (Sortflag >= 1 ? "Aktiv" : "Aus")));
  {
    QSignalBlocker block(ComboBoxWettkampfnr);
    ComboBoxWettkampfnr->clear();
    for (int k = 1; k <= rounds; ++k) addComboItem(ComboBoxWettkampfnr, str(k), k);
    ComboBoxWettkampfnr->setCurrentIndex(Kampfindex < rounds ? Kampfindex : -1);
  }
  if (klasseFound) {
    FillPairingList(Kampfindex);
  } else {
    QSignalBlocker block(ListBoxPaarungen);
    Paarungen.clear();
    ListBoxPaarungen->clear();
    EditWettkampfdatum->clear();
  }
  {
    QSignalBlocker block(ListBoxPaarungen);
    ListBoxPaarungen->setCurrentRow(chosenPaarung() ? Gegnerpaarindex : -1);
  }
  LayoutRows(SchuetzenGewertet);
  if (!LoadSchuetzenErg(Kampfindex)) LoadMschAufstellung(Kampfindex);
  LoadTeamResults();
  // Without a pairing there is nothing to type into.
  enableRows(chosenPaarung() != nullptr);
  Geaendert = 0;
}

// The round is the chosen pairing's.
void TZikoErgEingabeDlg::LoadTeamResults() {
  const eingabe::Gegnerzeile* p = chosenPaarung();
  EditMschSummeHeim->clear();
  EditMschSummeGast->clear();
  if (!p) {
    LabelHeimmannschaft->clear();
    LabelGastmannschaft->clear();
    for (int w : {0, 1, 4, 5}) gIntdat.SchuetzenWahl[w] = 0;
    return;
  }
  setElidedText(LabelHeimmannschaft, qs(" " + MannschaftsName(p->Heimvrnr, p->Heimmschnr)));
  setElidedText(LabelGastmannschaft, qs(" " + MannschaftsName(p->Gastvrnr, p->Gastmschnr)));
  gIntdat.SchuetzenWahl[0] = static_cast<int32_t>(p->Heimvrnr);
  gIntdat.SchuetzenWahl[1] = static_cast<int32_t>(p->Gastvrnr);
  gIntdat.SchuetzenWahl[4] = p->Heimmschnr;
  gIntdat.SchuetzenWahl[5] = p->Gastmschnr;
  if (ZikoSchuetzenAnzeigenDlg && ZikoSchuetzenAnzeigenDlg->isVisible()) fillPicker(p->Heimvrnr);

  for (bool heim : {true, false}) {
    db::Table t = db::query(gDbHaupt,
                            "SELECT Ringerg FROM Mscherg WHERE Mklnr=? AND Vrnr=? AND Rmschnr=? AND Disznr=? AND "
                            "Ergnr=? ;",
                            {p->Mklnr, heim ? p->Heimvrnr : p->Gastvrnr, heim ? p->Heimmschnr : p->Gastmschnr,
                             p->Disznr, p->Kampfnr});
    if (!t.empty()) setRingText(side(heim).sum, t.num(0, 0));
  }
  focusFirstRow();
}

bool TZikoErgEingabeDlg::LoadSchuetzenErg(int kampfindex) {
  clearRows();
  const eingabe::Gegnerzeile* p = chosenPaarung();
  if (!p) return false;
  bool shown = false;
  bool overflow = false;
  for (bool heim : {true, false}) {
    std::vector<eingabe::StoredResult> results;
    size_t counted = 0;
    for (int flag : {1, 0}) {
      db::Table t = db::query(gDbHaupt,
                              "SELECT DISTINCT Schnr, Mschflag, Ringerg FROM Schuetzenerg WHERE Disznr=? AND "
                              "Ergnr=? AND Mschklnr=? AND Vrnr=? AND Mschnr=? AND Mschflag=? ORDER BY Ringerg DESC;",
                              {p->Disznr, kampfindex + 1, p->Mklnr, heim ? p->Heimvrnr : p->Gastvrnr,
                               heim ? p->Heimmschnr : p->Gastmschnr, flag});
      for (size_t r = 0; r < t.size(); ++r) results.push_back({t.num(r, 0), t.integer(r, 1), t.num(r, 2)});
      if (flag == 1) counted = results.size();
    }
    eingabe::Placement place = eingabe::placeResults(counted, results.size() - counted, SchuetzenGewertet);
    overflow = overflow || place.overflow;
    Side sd = side(heim);
    for (int row = 0; row < Rows; ++row) {
      if (place.result[row] < 0) continue;
      const eingabe::StoredResult& res = results[static_cast<size_t>(place.result[row])];
      showShooter(heim, row, res.schnr, res.mschflag > 0);
      setRingText((*sd.rings)[row], res.ringerg);
      shown = true;
    }
  }
  if (overflow)
    msg::show("Nicht alle gespeicherten Ergebnisse dieser Paarung passen in die 15 Zeilen;\n\r"
              "die übrigen werden nicht angezeigt.",
              "Warnung", msg::Ok, msg::Warning);
  return shown;
}

int TZikoErgEingabeDlg::LoadMschAufstellung(int kampfindex) {
  EditMschSummeHeim->clear();
  EditMschSummeGast->clear();
  const eingabe::Gegnerzeile* p = chosenPaarung();
  if (!p) return 0;
  int shown = 0;
  for (bool heim : {true, false}) {
    db::Table t = db::query(gDbHaupt,
                            "SELECT DISTINCT Schnr, Posnr FROM Mschaufstlg WHERE Disznr=? AND Mklnr=? AND Vrnr=? AND "
                            "Mschnr=? AND Kampfnr=? ORDER BY Posnr;",
                            {p->Disznr, p->Mklnr, heim ? p->Heimvrnr : p->Gastvrnr,
                             heim ? p->Heimmschnr : p->Gastmschnr, kampfindex + 1});
    // Each shooter in the row of his position, so that a substitute does not move up into
    // the counted rows and a save keeps the positions as they are.
    std::vector<eingabe::LineupEntry> entries;
    for (size_t r = 0; r < t.size(); ++r) entries.push_back({t.num(r, 0), t.integer(r, 1)});
    std::array<long, Rows> rows = eingabe::placeLineup(entries);
    for (int row = 0; row < Rows; ++row) {
      if (rows[row] == 0) continue;
      showShooter(heim, row, rows[row], true);
      ++shown;
    }
  }
  return shown;
}

void TZikoErgEingabeDlg::clearRows() {
  for (bool heim : {true, false}) {
    Side sd = side(heim);
    for (int i = 0; i < Rows; ++i) {
      (*sd.pass)[i]->clear();
      (*sd.name)[i]->clear();
      (*sd.rings)[i]->clear();
      (*sd.rings)[i]->setMaxLength(ringLength_);
      (*sd.checks)[i]->setChecked(false);
    }
    sd.sum->clear();
    sd.sum->setMaxLength(sumLength_);
  }
  checkedHeim_.fill(0);
  checkedGast_.fill(0);
}

void TZikoErgEingabeDlg::enableRows(bool enable) {
  for (bool heim : {true, false}) {
    Side sd = side(heim);
    for (int i = 0; i < Rows; ++i)
      for (QLineEdit* e : {(*sd.pass)[i], (*sd.name)[i], (*sd.rings)[i]}) e->setEnabled(enable);
    sd.sum->setEnabled(enable);
    sd.button->setEnabled(enable);
  }
}

void TZikoErgEingabeDlg::setRingText(QLineEdit* edit, long tenths) {
  std::string t = eingabe::ringText(tenths, Zehntelflag >= 1);
  int base = edit == EditMschSummeHeim || edit == EditMschSummeGast ? sumLength_ : ringLength_;
  // A stored tenth must fit even where the discipline types whole rings only.
  edit->setMaxLength(std::max(base, static_cast<int>(t.size())));
  edit->setText(qs(t));
}

void TZikoErgEingabeDlg::showShooter(bool heim, int row, long passnr, bool checked) {
  Side sd = side(heim);
  (*sd.pass)[row]->setText(qs(str(passnr)));
  (heim ? checkedHeim_ : checkedGast_)[row] = passnr;
  db::Table t = db::query(gDbHaupt, "SELECT Name FROM Schuetzen WHERE Passnr=?;", {passnr});
  if (t.empty()) return;
  (*sd.name)[row]->setText(qs(t.text(0, 0)));
  (*sd.checks)[row]->setChecked(checked);
}

void TZikoErgEingabeDlg::focusFirstRow() {
  if (EditSchnrHeim[0]->text().isEmpty())
    EditSchnrHeim[0]->setFocus();
  else
    EditRingeHeim[0]->setFocus();
}

void TZikoErgEingabeDlg::fillPicker(long vrnr) {
  if (ZikoSchuetzenAnzeigenDlg) ZikoSchuetzenAnzeigenDlg->FillSchuetzenListe(vrnr);
}

// ---------------------------------------------------------------------------------------
// Rows

void TZikoErgEingabeDlg::rowEnter(bool heim, QLineEdit* edit) {
  AktivesEdit = edit;
  const long club = gIntdat.SchuetzenWahl[heim ? 0 : 1];
  long& listed = heim ? PickerVrnrHeim : PickerVrnrGast;
  if (club != listed) {
    fillPicker(club);
    listed = club;
    gIntdat.SchuetzenWahl[3] = static_cast<int32_t>(club);
  }
  (heim ? PickerVrnrGast : PickerVrnrHeim) = 0;
}

bool TZikoErgEingabeDlg::inAnotherRow(const QLineEdit* edit, long passnr) {
  for (bool heim : {true, false})
    for (QLineEdit* other : *side(heim).pass)
      if (other != edit && eingabe::passNumber(text(other)) == passnr) return true;
  return false;
}

bool TZikoErgEingabeDlg::inLineup(long passnr) {
  const eingabe::Gegnerzeile* p = chosenPaarung();
  if (!p) return false;
  return !db::query(gDbHaupt, "SELECT * FROM Mschaufstlg WHERE Mklnr=? AND Disznr=? AND Schnr=? ;",
                    {p->Mklnr, p->Disznr, passnr})
              .empty();
}

void TZikoErgEingabeDlg::warnIfOtherClub(bool heim, long passnr, long vrnr) {
  const eingabe::Gegnerzeile* p = chosenPaarung();
  if (!p || vrnr == (heim ? p->Heimvrnr : p->Gastvrnr)) return;
  msg::show("Schütze mit Nr. " + str(passnr) + " gehört nicht zum Verein dieser Mannschaft.\n\r"
            "Sein Ergebnis wird nicht gespeichert.",
            "Warnung", msg::Ok, msg::Warning);
}

bool TZikoErgEingabeDlg::PassnrEditExit(QLineEdit* edit) {
  bool heim = true;
  int row = 0, column = 0;
  if (!locate(edit, heim, row, column) || column != 0) return true;
  const eingabe::Gegnerzeile* p = chosenPaarung();
  if (!p) return true;
  QScopedValueRollback<bool> inExit(inExit_, true);
  const int geaendertBefore = geaendertBeforePass_;  // the message box moves the focus
  std::string typed = text(edit);
  long& checked = (heim ? checkedHeim_ : checkedGast_)[row];
  if (typed.empty()) {
    checked = 0;
    return true;
  }
  long passnr = eingabe::passNumber(typed);
  if (passnr == checked) return true;  // nothing new to check

  if (passnr > 0 && inAnotherRow(edit, passnr)) {
    msg::show("Passnr. " + typed + " bereits vorhanden!", "Info", msg::Ok, msg::Information);
    edit->setFocus();
    return false;
  }

  Side sd = side(heim);
  db::Table name = db::query(gDbHaupt, "SELECT Name, VrNr FROM Schuetzen WHERE Passnr=?;", {passnr});
  if (name.empty()) {
    msg::show("Schütze mit Nr. " + typed + "\n\rnicht vorhanden !", "Meldung", msg::Ok, msg::Error);
    edit->setFocus();
    edit->clear();
    (*sd.name)[row]->clear();
    (*sd.checks)[row]->setChecked(false);
    // A refused number changes nothing, unless it pushed out the row's shooter.
    if (checked == 0) Geaendert = geaendertBefore;
    checked = 0;
    return false;
  }
  checked = passnr;
  bool lineup = inLineup(passnr);

  // A result in this round elsewhere is only mentioned; the ring field takes only the
  // stored result of this very match.
  db::Table other = db::query(gDbHaupt,
                              "SELECT Ringerg, Mschklnr FROM Schuetzenerg WHERE Schnr=? AND Disznr=? AND Ergnr=? ;",
                              {passnr, p->Disznr, p->Kampfnr});
  if (!other.empty() && other.num(0, 0) > 0) {
    db::Table klasse = db::query(gDbHaupt, "SELECT Klname FROM Mschklassen WHERE Nr=? AND Disznr=?;",
                                 {other.num(0, 1), p->Disznr});
    if (!klasse.empty())
      msg::show(str(passnr) + " " + name.text(0, 0) + " \nhat in Durchgang Nr. " + str(p->Kampfnr) +
                    " \nin Klasse " + klasse.text(0, 0) + " \nbereits ein Ergebnis (" +
                    eingabe::ringText(other.num(0, 0), Zehntelflag >= 1) + " Ringe)",
                "Info", msg::Ok, msg::Information);
  }
  db::Table own = db::query(gDbHaupt,
                            "SELECT Ringerg FROM Schuetzenerg WHERE Schnr=? AND Disznr=? AND Ergnr=? AND Mschklnr=? "
                            "AND Vrnr=? AND Mschnr=? ORDER BY rowid;",
                            {passnr, p->Disznr, p->Kampfnr, p->Mklnr, heim ? p->Heimvrnr : p->Gastvrnr,
                             heim ? p->Heimmschnr : p->Gastmschnr});
  warnIfOtherClub(heim, passnr, name.num(0, 1));

  (*sd.name)[row]->setText(qs(name.text(0, 0)));
  (*sd.checks)[row]->setChecked(lineup);
  if (own.empty())
    (*sd.rings)[row]->clear();
  else
    setRingText((*sd.rings)[row], own.num(0, 0));
  (*sd.rings)[row]->setFocus();
  return true;
}

void TZikoErgEingabeDlg::rowExit(bool heim, QLineEdit* edit) {
  bool editHeim = true;
  int row = 0, column = 0;
  if (locate(edit, editHeim, row, column) && column == 2 && row < SchuetzenGewertet) updateMschSumme(heim);
}

void TZikoErgEingabeDlg::TakeShooterIntoEntry(long passnr) {
  bool heim = true;
  int row = 0, column = 0;
  if (!AktivesEdit || !locate(AktivesEdit, heim, row, column) || !chosenPaarung()) return;
  Side sd = side(heim);
  QLineEdit* pass = (*sd.pass)[row];
  if (inAnotherRow(pass, passnr)) {
    msg::show("Passnr. " + str(passnr) + " bereits vorhanden!", "Info", msg::Ok, msg::Information);
    return;
  }
  pass->setText(qs(str(passnr)));
  (heim ? checkedHeim_ : checkedGast_)[row] = passnr;
  (*sd.name)[row]->clear();
  (*sd.checks)[row]->setChecked(false);
  db::Table t = db::query(gDbHaupt, "SELECT Name, VrNr FROM Schuetzen WHERE Passnr=?;", {passnr});
  if (!t.empty()) {
    (*sd.name)[row]->setText(qs(t.text(0, 0)));
    (*sd.checks)[row]->setChecked(inLineup(passnr));
  }
  (*sd.rings)[row]->clear();
  // The keyboard goes back to the mask, so the rings typed next land in this row.
  activateWindow();
  (*sd.rings)[row]->setFocus();
  Geaendert = 1;
  if (!t.empty()) warnIfOtherClub(heim, passnr, t.num(0, 1));
}

// ---------------------------------------------------------------------------------------
// Keys

bool TZikoErgEingabeDlg::previewKey(int key, Qt::KeyboardModifiers modifiers) {
  if ((key == Qt::Key_Up || key == Qt::Key_Down) && !(modifiers & (Qt::ControlModifier | Qt::AltModifier))) {
    bool heim = true;
    int row = 0, column = 0;
    if (locate(QApplication::focusWidget(), heim, row, column)) {
      int to = row + (key == Qt::Key_Up ? -1 : 1);
      if (to >= 0 && to < Rows) {
        Side sd = side(heim);
        const RowEdits* col = column == 0 ? sd.pass : column == 1 ? sd.name : sd.rings;
        (*col)[to]->setFocus(Qt::OtherFocusReason);
      }
      return true;
    }
  }
  return ZDialog::previewKey(key, modifiers);
}

bool TZikoErgEingabeDlg::ringKey(QLineEdit* edit, QKeyEvent* key) {
  Geaendert = 1;
  if (key->key() == Qt::Key_Backspace) return false;
  const QChar c = key->text().at(0);
  if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return false;
  if (Zehntelflag >= 1 && (c == QLatin1Char('.') || c == QLatin1Char(','))) {
    if (edit->text().contains(QLatin1Char('.'))) return true;
    if (c == QLatin1Char(',')) {
      edit->insert(QStringLiteral("."));
      return true;
    }
    return false;
  }
  return true;
}

bool TZikoErgEingabeDlg::keyOfRow(QLineEdit* edit, QKeyEvent* key) {
  const QString t = key->text();
  const bool backspace = key->key() == Qt::Key_Backspace;
  const bool character = !t.isEmpty() && t.at(0).unicode() >= 0x20 && t.at(0).unicode() != 0x7f;
  if (!character && !backspace) return false;  // cursor keys, Delete, shortcuts
  if (edit == EditMschSummeHeim || edit == EditMschSummeGast) return ringKey(edit, key);
  bool heim = true;
  int row = 0, column = 0;
  if (!locate(edit, heim, row, column)) return false;
  switch (column) {
    case 0:
      return !(backspace || (t.at(0) >= QLatin1Char('0') && t.at(0) <= QLatin1Char('9')));
    case 1:
      if (backspace) edit->clear();
      return true;
    default:
      return ringKey(edit, key);
  }
}

bool TZikoErgEingabeDlg::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit) return ZDialog::eventFilter(watched, event);
  bool heim = true;
  int row = 0, column = 0;
  switch (event->type()) {
    case QEvent::KeyPress:
      return keyOfRow(edit, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
      if (locate(edit, heim, row, column)) {
        if (column == 0) geaendertBeforePass_ = Geaendert;
        heim ? RowEnterHeim(edit) : RowEnterGast(edit);
      }
      break;
    case QEvent::FocusOut: {
      Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      // Another window (a message box, the picker) taking the focus is no leaving of the row.
      if (loading_ || inExit_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
      if (!locate(edit, heim, row, column)) break;
      if (column == 0)
        // After the edit has finished its own focus handling, so the focus can be put back.
        QMetaObject::invokeMethod(this, [this, edit] { PassnrEditExit(edit); }, Qt::QueuedConnection);
      else
        heim ? RowExitHeim(edit) : RowExitGast(edit);
      break;
    }
    default:
      break;
  }
  return ZDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------
// Sums, the question about changes, saving

std::array<eingabe::RowTexts, TZikoErgEingabeDlg::Rows> TZikoErgEingabeDlg::rowTexts(bool heim) {
  Side sd = side(heim);
  std::array<eingabe::RowTexts, Rows> rows;
  for (int i = 0; i < Rows; ++i) rows[i] = {text((*sd.pass)[i]), text((*sd.name)[i]), text((*sd.rings)[i])};
  return rows;
}

void TZikoErgEingabeDlg::setRowTexts(bool heim, const std::array<eingabe::RowTexts, Rows>& rows) {
  Side sd = side(heim);
  for (int i = 0; i < Rows; ++i) {
    (*sd.pass)[i]->setText(qs(rows[i].pass));
    (*sd.name)[i]->setText(qs(rows[i].name));
    QLineEdit* rings = (*sd.rings)[i];
    rings->setMaxLength(std::max(ringLength_, static_cast<int>(rows[i].rings.size())));
    rings->setText(qs(rows[i].rings));
    (heim ? checkedHeim_ : checkedGast_)[i] = eingabe::passNumber(rows[i].pass);
  }
}

void TZikoErgEingabeDlg::ComputeMschSumme(bool heim) {
  setRingText(side(heim).sum, eingabe::countedSum(rowTexts(heim), SchuetzenGewertet));
}

void TZikoErgEingabeDlg::updateMschSumme(bool heim) {
  if (eingabe::allCountedHaveRings(rowTexts(heim), SchuetzenGewertet)) ComputeMschSumme(heim);
}

void TZikoErgEingabeDlg::mergClick(bool heim) {
  ComputeMschSumme(heim);
  QLineEdit* sum = side(heim).sum;
  if (eingabe::ringTenths(text(sum)) > 0) Geaendert = 1;
  sum->setFocus();
}

void TZikoErgEingabeDlg::SchtzenanzeigenF51Click() {
  if (!ZikoSchuetzenAnzeigenDlg) return;
  ZikoSchuetzenAnzeigenDlg->ShowBeside(this);
  // The picker opens with the home club; it must list the club of the side being typed in.
  PickerVrnrHeim = 0;
  PickerVrnrGast = 0;
  bool heim = true;
  int row = 0, column = 0;
  if (AktivesEdit && locate(AktivesEdit, heim, row, column)) heim ? RowEnterHeim(AktivesEdit) : RowEnterGast(AktivesEdit);
}

void TZikoErgEingabeDlg::NeuerSchtzeF61Click() {
  gIntdat.NeuerSchuetzeAufrufer = 0;
  if (ZikoNeuerSchuetzeDlg) ZikoNeuerSchuetzeDlg->ShowBeside(this);
}

bool TZikoErgEingabeDlg::AskSaveChanges() {
  if (!Geaendert) return true;
  int answer = msg::show("Es wurden Daten verändert, die nicht gespeichert sind.\n Jetzt speichern?", "Meldung:",
                         msg::YesNoCancel, msg::Information);
  if (answer == msg::IdYes) return SavePaarung();
  if (answer == msg::IdNo) {
    Geaendert = 0;
    return true;
  }
  return false;
}

bool TZikoErgEingabeDlg::canClose() {
  if (!AskSaveChanges()) return false;
  gEinstellungen.SchuetzenAnzeigeOffen =
      ZikoSchuetzenAnzeigenDlg && ZikoSchuetzenAnzeigenDlg->isVisible() ? 1 : 0;
  return true;
}

void TZikoErgEingabeDlg::SortRowsByRings() {
  // Both sides over the same rows, and never fewer than the counted ones.
  int limit = std::clamp(MaxSchuetzenproMannschaft, SchuetzenGewertet, static_cast<int>(Rows));
  for (bool heim : {true, false}) {
    auto rows = rowTexts(heim);
    eingabe::sortRowsByRings(rows, limit);
    setRowTexts(heim, rows);
  }
}

eingabe::SideEntry TZikoErgEingabeDlg::sideEntry(bool heim, long vrnr, int mschnr) {
  Side sd = side(heim);
  eingabe::SideEntry e;
  e.vrnr = vrnr;
  e.mschnr = mschnr;
  for (int i = 0; i < Rows; ++i) {
    e.passnr[i] = eingabe::passNumber(text((*sd.pass)[i]));
    e.ringe[i] = eingabe::ringTenths(text((*sd.rings)[i]));
  }
  e.summe = eingabe::ringTenths(text(sd.sum));
  return e;
}

bool TZikoErgEingabeDlg::SavePaarung() {
  const eingabe::Gegnerzeile* p = chosenPaarung();
  if (!p) {
    msg::show("Es ist keine Paarung gewählt; es wird nichts gespeichert.", "Meldung", msg::Ok, msg::Information);
    return false;
  }
  // The field typed in just before F2 is left now: a pass number is checked, the rings
  // of a counted row complete the team sum.
  if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
    if (!PassnrEditExit(edit)) return false;
    bool heim = true;
    int row = 0, column = 0;
    if (locate(edit, heim, row, column)) heim ? RowExitHeim(edit) : RowExitGast(edit);
  }
  // A number whose field lost the focus to another window was never checked; an unknown
  // or doubled number must not reach the line-up.
  for (bool heim : {true, false})
    for (QLineEdit* pass : *side(heim).pass)
      if (!PassnrEditExit(pass)) return false;
  WaitCursor wait;
  if (Sortflag > 0) {
    SortRowsByRings();
    // Sums follow the sorted rows; a sum typed for a side without rows stays.
    for (bool heim : {true, false})
      if (eingabe::anyCountedHasRings(rowTexts(heim), SchuetzenGewertet)) ComputeMschSumme(heim);
  }
  {
    QScopedValueRollback<bool> loading(loading_, true);
    focusFirstRow();
  }
  eingabe::SaveResult result =
      eingabe::saveMatch(gDbHaupt, *p, SchuetzenGewertet, sideEntry(true, p->Heimvrnr, p->Heimmschnr),
                         sideEntry(false, p->Gastvrnr, p->Gastmschnr));
  wait.restore();
  if (!result.ok) return false;  // rolled back; what was typed stays, still marked as changed
  Geaendert = 0;
  if (!result.skipped.empty()) {
    std::string lines;
    for (const eingabe::SkippedRow& s : result.skipped)
      lines += std::string("\n\r") + (s.heim ? "Heim" : "Gast") + " Zeile " + str(s.row + 1) + " (Nr. " +
               str(s.passnr) + ")";
    msg::show("Diese Ergebnisse wurden nicht gespeichert, der Schütze gehört nicht zum Verein der Mannschaft:" +
                  lines,
              "Warnung", msg::Ok, msg::Warning);
  }
  return true;
}
