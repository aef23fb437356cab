#include "season/ui/ZikoMklEinteilungDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "platform/elide.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "season/klassen.h"
#include "season/klassenfolge.h"

TZikoMklEinteilungDlg* ZikoMklEinteilungDlg = nullptr;

namespace {

int disziplin() { return gEinstellungen.AktDisznr; }

// The width a line edit needs to show text whole.
int lineEditWidthFor(QLineEdit* edit, const QString& text) {
  QStyleOptionFrame opt;
  opt.initFrom(edit);
  opt.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit);
  const QMargins tm = edit->textMargins();
  const QSize content(edit->fontMetrics().horizontalAdvance(text) + 4 + tm.left() + tm.right(), edit->fontMetrics().height());
  return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &opt, content, edit).width();
}

}  // namespace

TZikoMklEinteilungDlg::TZikoMklEinteilungDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Einteilung der Mannschaftsklassen"));
  setHelpTopic("ZikoNeueSaisonMannschaftsklassenEinteilung.html");
  setEditTransaction(db::editTransaction(gDbHaupt));
  QGroupBox* vereine = createControls();
  arrangeControls(vereine);
  connectHandlers();
}

// The controls in the order the keyboard visits them; returns the clubs' box.
QGroupBox* TZikoMklEinteilungDlg::createControls() {
  ListBoxMkl = new QListWidget(this);
  GroupBoxKlasseBearbeiten = new QGroupBox(qs("Bearbeiten Klasse"), this);
  EditMkl = new QLineEdit(GroupBoxKlasseBearbeiten);
  EditMkl->setMaxLength(19);
  Button1 = new QPushButton(qs("O&K Return"), GroupBoxKlasseBearbeiten);
  ButtonMklNeu = new QPushButton(qs("Neue Klasse"), this);
  ButtonMklLoeschen = new QPushButton(qs("Klasse löschen"), this);

  GroupBoxMsch = new QGroupBox(qs("Mannschaften Klasse"), this);
  ListBoxMsch = new QListWidget(GroupBoxMsch);
  ComboBoxRmschnr = new QComboBox(GroupBoxMsch);
  for (int i = 0; i <= 10; ++i) addComboItem(ComboBoxRmschnr, RoemischeZahl(i), i);
  ButtonMschNeu = new QPushButton(qs("Neue Mannschaft für Klasse"), GroupBoxMsch);
  ButtonMschLoeschen = new QPushButton(qs("Markierte Mannschaft löschen"), GroupBoxMsch);
  BitBtnMschAuf = new QPushButton(style()->standardIcon(QStyle::SP_ArrowUp), QString(), GroupBoxMsch);
  BitBtnMschAb = new QPushButton(style()->standardIcon(QStyle::SP_ArrowDown), QString(), GroupBoxMsch);
  Label2 = new QLabel(GroupBoxMsch);

  auto* vereine = new QGroupBox(qs("Vereine"), this);
  ListBoxVereine = new QListWidget(vereine);

  ButtonUebernehmen = new QPushButton(qs("Übernehmen und Gegner nach Schema zuteilen"), this);
  ButtonAbbrechen = new QPushButton(qs("A&bbrechen ESC"), this);
  ButtonHilfe = new QPushButton(qs("&Hilfe F1"), this);
  for (QPushButton* b : {Button1, ButtonMklNeu, ButtonMklLoeschen, ButtonMschNeu, ButtonMschLoeschen,
                         BitBtnMschAuf, BitBtnMschAb, ButtonUebernehmen, ButtonAbbrechen, ButtonHilfe})
    b->setAutoDefault(false);
  return vereine;
}

// The class column, the teams of the chosen class and the clubs side by side.
void TZikoMklEinteilungDlg::arrangeControls(QGroupBox* vereine) {
  auto* editRow = new QHBoxLayout(GroupBoxKlasseBearbeiten);
  editRow->addWidget(EditMkl, 1);
  editRow->addWidget(Button1);
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(qs("Mannschaftsklassen"), this));
  left->addWidget(ListBoxMkl, 1);
  left->addWidget(GroupBoxKlasseBearbeiten);
  left->addWidget(ButtonMklNeu);
  left->addWidget(ButtonMklLoeschen);

  auto* teams = new QGridLayout(GroupBoxMsch);
  teams->addWidget(ListBoxMsch, 0, 0, 1, 3);
  // The club's name takes the whole line below its caption and the team's number.
  teams->addWidget(new QLabel(qs("Gewählte Mannschaft"), GroupBoxMsch), 1, 0, 1, 2);
  teams->addWidget(ComboBoxRmschnr, 1, 2);
  teams->addWidget(Label2, 2, 0, 1, 3);
  teams->addWidget(ButtonMschNeu, 3, 0, 1, 3);
  teams->addWidget(ButtonMschLoeschen, 4, 0, 1, 3);
  // The arrows in a row of their own, so that they do not widen the columns above them.
  auto* move = new QHBoxLayout;
  move->addWidget(new QLabel(qs("Markierte Mannschaft verschieben"), GroupBoxMsch), 1);
  move->addWidget(BitBtnMschAuf);
  move->addWidget(BitBtnMschAb);
  teams->addLayout(move, 5, 0, 1, 3);
  teams->setRowStretch(0, 1);
  teams->setColumnStretch(1, 1);

  // The columns keep their widths whatever names they show. Even at the window's least width
  // the class field holds a name of its 19 characters and the captions of a class such as
  // "Gauoberliga" stand whole; the clubs' names give up the room and end in "…".
  for (QGroupBox* column : {GroupBoxMsch, vereine}) column->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  for (QWidget* data : std::initializer_list<QWidget*>{Label2, ButtonMschNeu, GroupBoxKlasseBearbeiten})
    data->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  for (QPushButton* arrow : {BitBtnMschAuf, BitBtnMschAb}) arrow->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  const QFontMetrics fm = fontMetrics();
  EditMkl->setMinimumWidth(lineEditWidthFor(EditMkl, qs("Bezirksoberliga Süd")));
  const auto captionRoom = [&](const char* caption, int chrome) { return fm.horizontalAdvance(qs(caption)) + chrome; };
  // A group box's own least width holds its controls, frame and margins included.
  GroupBoxKlasseBearbeiten->setMinimumWidth(std::max(GroupBoxKlasseBearbeiten->minimumSizeHint().width(),
                                                     captionRoom("Bearbeiten Klasse 'Gauoberliga'", 24)));
  const int beside = GroupBoxMsch->minimumSizeHint().width() - teams->minimumSize().width();
  const QMargins m = teams->contentsMargins();
  GroupBoxMsch->setMinimumWidth(std::max({GroupBoxMsch->minimumSizeHint().width(),
                                          captionRoom("Mannschaften Klasse 'Gauoberliga'", 24),
                                          captionRoom("Neue Mannschaft für Klasse 'Gauoberliga'",
                                                      16 + m.left() + m.right() + beside)}));
  auto* clubs = new QVBoxLayout(vereine);
  clubs->addWidget(ListBoxVereine);

  auto* top = new QHBoxLayout;
  top->addLayout(left, 3);
  top->addWidget(GroupBoxMsch, 5);
  top->addWidget(vereine, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ButtonUebernehmen);
  buttons->addStretch(1);
  buttons->addWidget(ButtonAbbrechen);
  buttons->addWidget(ButtonHilfe);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
  // The clubs take what the other columns leave of the window's least width of 715 pixels.
  const QMargins outer = layout->contentsMargins();
  const int rest = 715 - outer.left() - outer.right() - 2 * top->spacing() - left->minimumSize().width() -
                   GroupBoxMsch->minimumWidth();
  vereine->setMinimumWidth(std::max(120, rest));
  resize(860, 510);  // twelve teams in view
}

void TZikoMklEinteilungDlg::connectHandlers() {
  // Lists are refilled under signal blockers, so these fire for the user's choices only.
  connect(ListBoxMkl, &QListWidget::currentRowChanged, this, [this] { ListBoxMklClick(); });
  connect(ListBoxMsch, &QListWidget::currentRowChanged, this, [this] { ListBoxMschClick(); });
  connect(ListBoxVereine, &QListWidget::currentRowChanged, this, [this] { ListBoxVereineClick(); });
  connect(ComboBoxRmschnr, &QComboBox::activated, this, [this] { ComboBoxRmschnrChange(); });
  connect(EditMkl, &QLineEdit::editingFinished, this, [this] {
    // Focus also leaves the edit while the window closes, after its transaction ended.
    if (transactionOpen() && isVisible()) EditMklExit();
  });
  connect(Button1, &QPushButton::clicked, this, &TZikoMklEinteilungDlg::EditMklExit);
  connect(ButtonMklNeu, &QPushButton::clicked, this, &TZikoMklEinteilungDlg::ButtonMklNeuClick);
  connect(ButtonMklLoeschen, &QPushButton::clicked, this, &TZikoMklEinteilungDlg::ButtonMklLoeschenClick);
  connect(ButtonMschNeu, &QPushButton::clicked, this, &TZikoMklEinteilungDlg::ButtonMschNeuClick);
  connect(ButtonMschLoeschen, &QPushButton::clicked, this, &TZikoMklEinteilungDlg::ButtonMschLoeschenClick);
  connect(BitBtnMschAuf, &QPushButton::clicked, this, &TZikoMklEinteilungDlg::BitBtnMschAufClick);
  connect(BitBtnMschAb, &QPushButton::clicked, this, &TZikoMklEinteilungDlg::BitBtnMschAbClick);
  connect(ButtonUebernehmen, &QPushButton::clicked, this, &TZikoMklEinteilungDlg::ButtonUebernehmenClick);
  connect(ButtonAbbrechen, &QPushButton::clicked, this, &TZikoMklEinteilungDlg::ButtonAbbrechenClick);
  connect(ButtonHilfe, &QPushButton::clicked, this, &TZikoMklEinteilungDlg::ButtonHilfeClick);
}

void TZikoMklEinteilungDlg::FormShow() {
  std::string name, saison;
  if (DisziplinUndSaison(gDbHaupt, disziplin(), name, saison))
    setWindowTitle(qs("Einteilung der Mannschaftsklassen " + name + " Saison " + saison));
  {
    QSignalBlocker block(ListBoxVereine);
    ListBoxVereine->clear();
    db::Table t = db::query(gDbHaupt, "SELECT Nummer, Name FROM Vereine_gau;");
    for (size_t r = 0; r < t.size(); ++r)
      setElidedLine(addListItem(ListBoxVereine, t.text(r, 1), t.num(r, 0)), qs(t.text(r, 1)));
    ListBoxVereine->setCurrentRow(0);
  }
  {
    QSignalBlocker block(ComboBoxRmschnr);
    ComboBoxRmschnr->setCurrentIndex(0);
  }
  newClass_ = false;
  mklnr_ = -1;
  teams_.clear();
  fillClassList(-1);
  showClass();
  ListBoxMkl->setFocus();
}

void TZikoMklEinteilungDlg::fillClassList(long selectNr) {
  QSignalBlocker block(ListBoxMkl);
  ListBoxMkl->clear();
  for (const KlasseKurz& k : KlassenDerDisziplin(gDbHaupt, disziplin()))
    addListItem(ListBoxMkl, k.name, k.nr);
  int row = selectNr < 0 ? 0 : rowOfKey(ListBoxMkl, selectNr);
  ListBoxMkl->setCurrentRow(row < ListBoxMkl->count() ? row : -1);
}

void TZikoMklEinteilungDlg::setClassCaptions(const std::string& name) {
  captionClass_ = name;
  setElidedTitle(GroupBoxKlasseBearbeiten, qs("Bearbeiten Klasse '" + name + "'"));
  setElidedTitle(GroupBoxMsch, qs("Mannschaften Klasse '" + name + "'"));
  setElidedTitle(ButtonMschNeu, qs("Neue Mannschaft für Klasse '" + name + "'"));
}

void TZikoMklEinteilungDlg::showClass() {
  mklnr_ = currentKey(ListBoxMkl);
  teams_.clear();
  {
    QSignalBlocker block(ListBoxMsch);
    ListBoxMsch->clear();
  }
  if (mklnr_ < 0) {
    EditMkl->clear();
    setClassCaptions("");
    showClubName(QString());
    updateEnabled();
    return;
  }
  const std::string name = fromQs(ListBoxMkl->currentItem()->text());
  EditMkl->setText(qs(name));
  setClassCaptions(name);

  db::Table t = db::query(gDbHaupt,
                          "SELECT Vrnr, Rmschnr, Pos_in_mklnr FROM Msch_in_klassen WHERE Mklnr=? "
                          "AND Disznr=? ORDER BY Pos_in_mklnr, rowid;",
                          {mklnr_, disziplin()});
  bool tableDiffers = false;
  {
    QSignalBlocker block(ListBoxMsch);
    for (size_t r = 0; r < t.size(); ++r) {
      Team team{t.num(r, 0), t.integer(r, 1)};
      std::string line = MannschaftsName(team.vrnr, team.rmschnr);
      if (line.empty()) {  // its club is gone
        tableDiffers = true;
        continue;
      }
      ListBoxMsch->addItem(QString());
      setElidedTeamLine(ListBoxMsch->item(ListBoxMsch->count() - 1), qs(line));
      teams_.push_back(team);
      if (t.num(r, 2) != static_cast<long>(teams_.size())) tableDiffers = true;
    }
    ListBoxMsch->setCurrentRow(teams_.empty() ? -1 : 0);
  }
  // Every statement on a team addresses it by its position: keep the table in step.
  if (tableDiffers) writeBackTeams();
  showTeam();
  updateEnabled();
}

void TZikoMklEinteilungDlg::showTeam() {
  const int p = ListBoxMsch->currentRow();
  if (p < 0 || p >= static_cast<int>(teams_.size())) {
    showClubName(QString());
    return;
  }
  const Team& team = teams_[p];
  {
    QSignalBlocker block(ListBoxVereine);
    int row = rowOfKey(ListBoxVereine, team.vrnr);
    if (row >= 0) ListBoxVereine->setCurrentRow(row);
  }
  {
    QSignalBlocker block(ComboBoxRmschnr);
    int index = comboIndexOfKey(ComboBoxRmschnr, team.rmschnr);
    if (index >= 0) ComboBoxRmschnr->setCurrentIndex(index);
  }
  showClubName(qs(VereinsName(gDbHaupt, team.vrnr)));
}

void TZikoMklEinteilungDlg::showClubName(const QString& name) {
  clubName_ = name;
  setElidedText(Label2, name);
}

void TZikoMklEinteilungDlg::resizeEvent(QResizeEvent* e) {
  ZDialog::resizeEvent(e);
  // Each line is cut anew from its whole name, which its tooltip holds.
  for (int i = 0; i < ListBoxMsch->count(); ++i) setElidedTeamLine(ListBoxMsch->item(i), ListBoxMsch->item(i)->toolTip());
  for (int i = 0; i < ListBoxVereine->count(); ++i) setElidedLine(ListBoxVereine->item(i), ListBoxVereine->item(i)->toolTip());
  setElidedText(Label2, clubName_);
  setClassCaptions(captionClass_);
}

void TZikoMklEinteilungDlg::writeBackTeams() {
  if (mklnr_ < 0) return;
  db::exec(gDbHaupt, "DELETE FROM Msch_in_klassen WHERE Mklnr=? AND Disznr=?;",
           {mklnr_, disziplin()});
  for (size_t i = 0; i < teams_.size(); ++i)
    db::exec(gDbHaupt,
             "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES "
             "(?, ?, ?, ?, ?);",
             {mklnr_, static_cast<long>(i) + 1, disziplin(), teams_[i].vrnr, teams_[i].rmschnr});
}

void TZikoMklEinteilungDlg::saveClass() {
  std::string name;
  if (!storableText(EditMkl->text(), name) || name.empty()) return;
  const int anzahl = provisionalBoutCount(ListBoxMsch->count());
  if (newClass_) {
    const long nr = nextClassNumber(disziplin());
    if (!insertClass(disziplin(), nr, name, anzahl)) return;
    newClass_ = false;
    mklnr_ = nr;
    fillClassList(nr);
  } else if (mklnr_ >= 0) {
    db::exec(gDbHaupt, "UPDATE Mschklassen SET Klname=?, AnzahlTermine=? WHERE Nr=? AND Disznr=?;",
             {name, anzahl, mklnr_, disziplin()});
    int row = rowOfKey(ListBoxMkl, mklnr_);
    if (row >= 0) ListBoxMkl->item(row)->setText(qs(name));
  } else {
    return;
  }
  setClassCaptions(name);
  updateEnabled();
}

void TZikoMklEinteilungDlg::EditMklExit() { saveClass(); }

void TZikoMklEinteilungDlg::ListBoxMklClick() {
  const long chosen = currentKey(ListBoxMkl);
  if (!newClass_ && chosen == mklnr_) return;
  saveClass();
  writeBackTeams();
  {
    QSignalBlocker block(ListBoxMkl);
    ListBoxMkl->setCurrentRow(rowOfKey(ListBoxMkl, chosen));
  }
  newClass_ = false;
  showClass();
}

void TZikoMklEinteilungDlg::ButtonMklNeuClick() {
  saveClass();
  writeBackTeams();
  newClass_ = true;
  mklnr_ = -1;
  teams_.clear();
  {
    QSignalBlocker blockClasses(ListBoxMkl);
    QSignalBlocker blockTeams(ListBoxMsch);
    ListBoxMkl->setCurrentRow(-1);
    ListBoxMsch->clear();
  }
  showClubName(QString());
  const std::string name = "Klasse " + str(nextClassNumber(disziplin()));
  EditMkl->setText(qs(name));
  setClassCaptions(name);
  updateEnabled();
  EditMkl->setFocus();
  EditMkl->selectAll();
}

void TZikoMklEinteilungDlg::ButtonMklLoeschenClick() {
  if (!canDeleteClass()) return;
  const int row = ListBoxMkl->currentRow();
  const long nr = currentKey(ListBoxMkl);
  const bool withResults = classHasResults(disziplin(), nr);
  if (withResults &&
      msg::show("Die Klasse " + fromQs(ListBoxMkl->item(row)->text()) +
                    " enthält Ergebnisse oder Aufstellungen. Klasse mit allen Ergebnissen löschen?",
                "Warnung", msg::YesNo, msg::Warning) != msg::IdYes)
    return;
  deleteClass(disziplin(), nr, withResults);
  mklnr_ = -1;
  teams_.clear();
  fillClassList(-1);
  {
    QSignalBlocker block(ListBoxMkl);
    ListBoxMkl->setCurrentRow(ListBoxMkl->count() - 1);
  }
  showClass();
}

void TZikoMklEinteilungDlg::ListBoxMschClick() {
  showTeam();
  updateEnabled();
}

void TZikoMklEinteilungDlg::ButtonMschNeuClick() {
  if (newClass_) saveClass();
  const long club = currentKey(ListBoxVereine);
  if (mklnr_ < 0 || club < 0 || teams_.size() >= kMaxTeamsPerClass) return;
  const int team = std::max(0L, comboKey(ComboBoxRmschnr, -1, 0));
  teams_.push_back({club, team});
  {
    QSignalBlocker block(ListBoxMsch);
    ListBoxMsch->addItem(QString());
    setElidedTeamLine(ListBoxMsch->item(ListBoxMsch->count() - 1), qs(MannschaftsName(club, team)));
    ListBoxMsch->setCurrentRow(ListBoxMsch->count() - 1);
  }
  db::exec(gDbHaupt,
           "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES "
           "(?, ?, ?, ?, ?);",
           {mklnr_, static_cast<long>(teams_.size()), disziplin(), club, team});
  showTeam();
  updateEnabled();
}

void TZikoMklEinteilungDlg::ButtonMschLoeschenClick() {
  const int p = ListBoxMsch->currentRow();
  if (mklnr_ < 0 || p < 0 || p >= static_cast<int>(teams_.size())) return;
  const int before = static_cast<int>(teams_.size());
  db::exec(gDbHaupt, "DELETE FROM Msch_in_klassen WHERE Mklnr=? AND Pos_in_mklnr=? AND Disznr=?;",
           {mklnr_, p + 1, disziplin()});
  for (int k = p + 1; k < before; ++k)
    db::exec(gDbHaupt,
             "UPDATE Msch_in_klassen SET Pos_in_mklnr=? WHERE Mklnr=? AND Pos_in_mklnr=? AND Disznr=?;",
             {k, mklnr_, k + 1, disziplin()});
  teams_.erase(teams_.begin() + p);
  {
    QSignalBlocker block(ListBoxMsch);
    delete ListBoxMsch->takeItem(p);
    ListBoxMsch->setCurrentRow(std::min(p, ListBoxMsch->count() - 1));
  }
  showTeam();
  updateEnabled();
}

void TZikoMklEinteilungDlg::ListBoxVereineClick() {
  const int p = ListBoxMsch->currentRow();
  const long club = currentKey(ListBoxVereine);
  if (mklnr_ < 0 || club < 0 || p < 0 || p >= static_cast<int>(teams_.size())) return;
  const int team = std::max(0L, comboKey(ComboBoxRmschnr, -1, 0));
  teams_[p] = {club, team};
  setElidedTeamLine(ListBoxMsch->item(p), qs(MannschaftsName(club, team)));
  db::exec(gDbHaupt,
           "UPDATE Msch_in_klassen SET Vrnr=?, Rmschnr=? WHERE Mklnr=? AND Pos_in_mklnr=? AND Disznr=?;",
           {club, team, mklnr_, p + 1, disziplin()});
  showClubName(qs(VereinsName(gDbHaupt, club)));
}

void TZikoMklEinteilungDlg::ComboBoxRmschnrChange() {
  const int p = ListBoxMsch->currentRow();
  if (mklnr_ < 0 || p < 0 || p >= static_cast<int>(teams_.size())) return;
  Team& entry = teams_[p];
  entry.rmschnr = std::max(0L, comboKey(ComboBoxRmschnr, -1, 0));
  if (VereinsName(gDbHaupt, entry.vrnr).empty()) return;
  setElidedTeamLine(ListBoxMsch->item(p), qs(MannschaftsName(entry.vrnr, entry.rmschnr)));
  db::exec(gDbHaupt,
           "UPDATE Msch_in_klassen SET Rmschnr=? WHERE Mklnr=? AND Pos_in_mklnr=? AND Disznr=? AND "
           "Vrnr=?;",
           {entry.rmschnr, mklnr_, p + 1, disziplin(), entry.vrnr});
}

void TZikoMklEinteilungDlg::moveTeam(int step) {
  const int p = ListBoxMsch->currentRow();
  const int q = p + step;
  if (p < 0 || q < 0 || q >= static_cast<int>(teams_.size())) return;
  std::swap(teams_[p], teams_[q]);
  {
    QSignalBlocker block(ListBoxMsch);
    QListWidgetItem *a = ListBoxMsch->item(p), *b = ListBoxMsch->item(q);
    const QString text = a->text(), tip = a->toolTip();
    a->setText(b->text());
    a->setToolTip(b->toolTip());
    b->setText(text);
    b->setToolTip(tip);
    ListBoxMsch->setCurrentRow(q);
  }
  // The positions are written at once, so that every later statement finds the team moved.
  writeBackTeams();
  updateEnabled();
}

// Only the last class goes, and never the only one.
bool TZikoMklEinteilungDlg::canDeleteClass() const {
  const int row = ListBoxMkl->currentRow();
  return !newClass_ && ListBoxMkl->count() >= 2 && row == ListBoxMkl->count() - 1;
}

void TZikoMklEinteilungDlg::updateEnabled() {
  const bool hasTeams = !teams_.empty();
  const int p = ListBoxMsch->currentRow();
  ListBoxVereine->setEnabled(hasTeams);
  ButtonMschLoeschen->setEnabled(hasTeams);
  BitBtnMschAuf->setEnabled(hasTeams && p >= 1);
  BitBtnMschAb->setEnabled(hasTeams && p >= 0 && p < ListBoxMsch->count() - 1);
  ButtonMschNeu->setEnabled((mklnr_ >= 0 || newClass_) && teams_.size() < kMaxTeamsPerClass);
  ButtonMklLoeschen->setEnabled(canDeleteClass());
  ButtonUebernehmen->setEnabled(ListBoxMkl->count() > 0 || newClass_);
}

void TZikoMklEinteilungDlg::ButtonUebernehmenClick() {
  saveClass();
  writeBackTeams();
  settleClasses(disziplin());
  closeWith(mrOk);
}
