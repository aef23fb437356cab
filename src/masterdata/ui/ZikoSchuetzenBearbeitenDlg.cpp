#include "masterdata/ui/ZikoSchuetzenBearbeitenDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "entry/newshooter.h"
#include "output/schuetzenliste.h"
#include "platform/listlook.h"
#include "platform/fieldfilter.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/sortablelist.h"
#include "platform/text.h"
#include "platform/waitcursor.h"
#include "season/paarungen.h"

TZikoSchuetzenBearbeitenDlg* ZikoSchuetzenBearbeitenDlg = nullptr;

namespace {

bool ticked(const std::string& flag) { return toLong(flag) != 0; }

}  // namespace

TZikoSchuetzenBearbeitenDlg::TZikoSchuetzenBearbeitenDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Schützendaten bearbeiten"));
  setHelpTopic("ZikoStammdatenSchuetzen.html");

  ComboBoxVereine = new QComboBox(this);
  ComboBoxVereine->setMaxVisibleItems(42);
  ListView1 = new SortableListView(this);
  ListView1->setColumns({{"Nummer", 110}, {"Name", 220}});
  setGridLines(ListView1);
  ListView1->sortBy(0, true);
  CheckBox1 = new QCheckBox(qs("Alle An/Abwählen"), this);

  auto* bearbeiten = new QGroupBox(qs("Bearbeiten"), this);
  EditNummer = new QLineEdit(bearbeiten);
  setNumberFilter(EditNummer, false, 9);
  EditName = new QLineEdit(bearbeiten);
  setTypingLimit(EditName, 35);
  EditGebdat = new QLineEdit(bearbeiten);
  setTypingLimit(EditGebdat, 10);
  EditGebdat->setPlaceholderText(qs("TT.MM.JJJJ"));
  RadioGroupGeschl = new QGroupBox(bearbeiten);
  RadioMaennlich = new QRadioButton(qs("männlich"), RadioGroupGeschl);
  RadioWeiblich = new QRadioButton(qs("weiblich"), RadioGroupGeschl);
  RadioMaennlich->setChecked(true);
  auto* geschl = new QHBoxLayout(RadioGroupGeschl);
  geschl->addWidget(RadioMaennlich);
  geschl->addWidget(RadioWeiblich);
  ButtonNeu = new QPushButton(qs("Neu F4"), bearbeiten);
  ButtonSpeichern = new QPushButton(qs("Speichern F2"), bearbeiten);
  ButtonLoeschen = new QPushButton(qs("Löschen F7"), bearbeiten);
  auto* fields = new QGridLayout(bearbeiten);
  fields->addWidget(new QLabel(qs("Nummer"), bearbeiten), 0, 0);
  fields->addWidget(EditNummer, 0, 1);
  fields->addWidget(new QLabel(qs("Name, Vorname"), bearbeiten), 1, 0);
  fields->addWidget(EditName, 1, 1);
  fields->addWidget(new QLabel(qs("Geb.Datum"), bearbeiten), 2, 0);
  fields->addWidget(EditGebdat, 2, 1);
  fields->addWidget(new QLabel(qs("Format: TT.MM.JJJJ"), bearbeiten), 3, 1);
  fields->addWidget(RadioGroupGeschl, 4, 0, 1, 2);
  auto* editButtons = new QHBoxLayout;
  for (QPushButton* b : {ButtonNeu, ButtonSpeichern, ButtonLoeschen}) editButtons->addWidget(b);
  fields->addLayout(editButtons, 5, 0, 1, 2);

  auto* drucken = new QGroupBox(qs("Drucken"), this);
  ButtonDrucken = new QPushButton(qs("Aktuellen Verein"), drucken);
  ButtonDrucken->setToolTip(qs("Ausdruck des angezeigten Vereins"));
  ButtonSeriendruck = new QPushButton(qs("&Seriendruck"), drucken);
  ButtonSeriendruck->setToolTip(qs("Ausdruck aller Vereine"));
  RadioButtonAlleSchuetzen = new QRadioButton(qs("alle Schützen"), drucken);
  RadioButtonMarkierteSchuetzen = new QRadioButton(qs("nur markierte Schützen"), drucken);
  RadioButtonAlleSchuetzen->setChecked(true);
  auto* print = new QGridLayout(drucken);
  print->addWidget(ButtonDrucken, 0, 0);
  print->addWidget(RadioButtonAlleSchuetzen, 0, 1);
  print->addWidget(ButtonSeriendruck, 1, 0);
  print->addWidget(RadioButtonMarkierteSchuetzen, 1, 1);

  ButtonHilfe = new QPushButton(qs("H&ilfe F1"), this);
  ButtonBeenden = new QPushButton(qs("B&eenden ESC"), this);
  for (QPushButton* b : {ButtonNeu, ButtonSpeichern, ButtonLoeschen, ButtonDrucken, ButtonSeriendruck,
                         ButtonHilfe, ButtonBeenden})
    b->setAutoDefault(false);

  auto* left = new QVBoxLayout;
  left->addWidget(ComboBoxVereine);
  left->addWidget(ListView1, 1);
  left->addWidget(CheckBox1);
  auto* right = new QVBoxLayout;
  right->addWidget(bearbeiten);
  right->addWidget(drucken);
  right->addStretch(1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(ButtonHilfe);
  bottom->addWidget(ButtonBeenden);
  right->addLayout(bottom);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right, 1);
  resize(760, 520);

  connect(ComboBoxVereine, &QComboBox::activated, this, [this](int) { ComboBoxVereineChange(); });
  connect(ListView1, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
            if (current) ListView1Change();
          });
  connect(ListView1, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
    if (column == 0) ListView1Check(item);
  });
  connect(ListView1->header(), &QHeaderView::sectionClicked, this,
          &TZikoSchuetzenBearbeitenDlg::ListView1ColumnClick);
  connect(CheckBox1, &QCheckBox::clicked, this, &TZikoSchuetzenBearbeitenDlg::CheckBox1Click);
  connect(ButtonNeu, &QPushButton::clicked, this, &TZikoSchuetzenBearbeitenDlg::ButtonNeuClick);
  connect(ButtonSpeichern, &QPushButton::clicked, this, &TZikoSchuetzenBearbeitenDlg::ButtonSpeichernClick);
  connect(ButtonLoeschen, &QPushButton::clicked, this, &TZikoSchuetzenBearbeitenDlg::ButtonLoeschenClick);
  connect(ButtonDrucken, &QPushButton::clicked, this, &TZikoSchuetzenBearbeitenDlg::ButtonDruckenClick);
  connect(ButtonSeriendruck, &QPushButton::clicked, this, &TZikoSchuetzenBearbeitenDlg::ButtonSeriendruckClick);
  connect(ButtonHilfe, &QPushButton::clicked, this, &TZikoSchuetzenBearbeitenDlg::ButtonHilfeClick);
  connect(ButtonBeenden, &QPushButton::clicked, this, [this] { closeWith(mrOk); });

  bindKey(Qt::Key_F2, [this] { ButtonSpeichernClick(); });
  bindKey(Qt::Key_F4, [this] { ButtonNeuClick(); });
  bindKey(Qt::Key_F7, [this] { ButtonLoeschenClick(); });
}

void TZikoSchuetzenBearbeitenDlg::FormShow() {
  selIndex_ = 0;
  neuModus_ = 0;
  {
    QSignalBlocker block(ComboBoxVereine);
    ComboBoxVereine->clear();
    db::Table clubs = db::query(gDbHaupt, "SELECT Nummer, Name FROM Vereine_gau");
    for (size_t r = 0; r < clubs.size(); ++r)
      addComboItem(ComboBoxVereine, str(clubs.num(r, 0)) + "   " + clubs.text(r, 1), clubs.num(r, 0));
    int count = ComboBoxVereine->count();
    int index = std::clamp<int>(gEinstellungen.VereinListIndex, 0, std::max(count - 1, 0));
    ComboBoxVereine->setCurrentIndex(count > 0 ? index : -1);
  }
  EditNummer->setReadOnly(true);
  ButtonNeu->setEnabled(true);
  fillList();
  selectRow(0);
  ListView1->setFocus();
}

void TZikoSchuetzenBearbeitenDlg::FormClose() {
  if (ComboBoxVereine->currentIndex() >= 0) gEinstellungen.VereinListIndex = ComboBoxVereine->currentIndex();
}

void TZikoSchuetzenBearbeitenDlg::ComboBoxVereineChange() {
  if (neuModus_) leaveNewMode();
  fillList();
  selectRow(0);
  ListView1->setFocus();
}

void TZikoSchuetzenBearbeitenDlg::fillList() {
  // A club number of 0 or below is no club: its shooters belong nowhere.
  long key = comboKey(ComboBoxVereine);
  vrnr_ = key > 0 ? key : 0;
  {
    QSignalBlocker block(ListView1);
    ListView1->clear();
    db::Table t = db::query(gDbHaupt, "SELECT Passnr, Name, AktivFlag FROM Schuetzen WHERE VrNr=? ORDER BY Passnr;",
                            {vrnr_});
    for (size_t r = 0; vrnr_ > 0 && r < t.size(); ++r) {
      QTreeWidgetItem* item = ListView1->addRow({str(t.num(r, 0)), t.text(r, 1)}, t.num(r, 0));
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(0, ticked(t.text(r, 2)) ? Qt::Checked : Qt::Unchecked);
    }
  }
  {
    QSignalBlocker block(ListView1);
    ListView1->sortBy(ListView1->sortColumn(), ListView1->ascending());
  }
  if (ListView1->topLevelItemCount() == 0) {
    clearFields();
    ButtonSpeichern->setEnabled(neuModus_ != 0);
  }
  ButtonNeu->setEnabled(vrnr_ > 0 && !neuModus_);
  updateDeleteButton();
}

void TZikoSchuetzenBearbeitenDlg::updateDeleteButton() {
  ButtonLoeschen->setEnabled(ListView1->topLevelItemCount() >= 2);
}

void TZikoSchuetzenBearbeitenDlg::clearFields() {
  EditNummer->clear();
  EditName->clear();
  EditGebdat->clear();
}

void TZikoSchuetzenBearbeitenDlg::selectRow(int index) {
  QTreeWidgetItem* item = index >= 0 ? ListView1->topLevelItem(index) : nullptr;
  chooseRow(ListView1, item);
  if (item) {
    ListView1->scrollToItem(item);
    ListView1Change();
  } else {
    clearFields();
    ButtonSpeichern->setEnabled(false);
  }
}

void TZikoSchuetzenBearbeitenDlg::ListView1Change() {
  QTreeWidgetItem* item = ListView1->currentItem();
  if (!item) return;
  selIndex_ = ListView1->indexOfTopLevelItem(item);
  if (neuModus_) leaveNewMode();
  ButtonSpeichern->setEnabled(true);
  ButtonNeu->setEnabled(true);
  updateDeleteButton();
  showShooter(item);
}

void TZikoSchuetzenBearbeitenDlg::ListView1Check(QTreeWidgetItem* item) {
  if (!item || vrnr_ <= 0) return;
  const char* flag = item->checkState(0) == Qt::Checked ? "1" : "0";
  db::exec(gDbHaupt, "UPDATE Schuetzen Set Aktivflag=? WHERE Passnr=? AND VrNr=?;", {flag, keyOf(item), vrnr_});
}

void TZikoSchuetzenBearbeitenDlg::showShooter(QTreeWidgetItem* item) {
  db::Table t = db::query(gDbHaupt, "SELECT Passnr, Name, Gebdat, Geschl FROM Schuetzen WHERE Passnr=? AND VrNr=?;",
                          {keyOf(item), vrnr_});
  if (t.empty()) return;
  EditNummer->setText(qs(str(t.num(0, 0))));
  EditName->setText(qs(t.text(0, 1)));
  EditGebdat->setText(qs(t.text(0, 2)));
  (t.text(0, 3) == "M" ? RadioMaennlich : RadioWeiblich)->setChecked(true);
}

void TZikoSchuetzenBearbeitenDlg::ListView1ColumnClick(int) {
  // The selected row has moved.
  selIndex_ = std::max(0, ListView1->indexOfTopLevelItem(ListView1->currentItem()));
}

void TZikoSchuetzenBearbeitenDlg::CheckBox1Click() {
  if (vrnr_ <= 0) return;
  WaitCursor wait;
  bool on = CheckBox1->isChecked();
  db::Transaction t(gDbHaupt);
  if (!db::exec(gDbHaupt, "UPDATE Schuetzen Set Aktivflag=? WHERE VrNr=?;", {on ? "1" : "0", vrnr_}) || !t.commit())
    return;
  {
    QSignalBlocker block(ListView1);
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
      ListView1->topLevelItem(i)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
  }
  selectRow(ListView1->topLevelItemCount() - 1);
}

void TZikoSchuetzenBearbeitenDlg::ButtonNeuClick() {
  if (vrnr_ <= 0) return;
  EditNummer->setText(qs(str(ProposePassnr(vrnr_))));
  neuModus_ = 1;
  EditName->clear();
  EditGebdat->clear();
  RadioMaennlich->setChecked(true);
  EditNummer->setReadOnly(false);
  ButtonSpeichern->setEnabled(true);
  ButtonNeu->setEnabled(false);
  updateDeleteButton();
  EditNummer->setFocus();
  EditNummer->selectAll();
}

void TZikoSchuetzenBearbeitenDlg::leaveNewMode() {
  neuModus_ = 0;
  EditNummer->setReadOnly(true);
  ButtonNeu->setEnabled(vrnr_ > 0);
  updateDeleteButton();
}

namespace {

std::string anzahl(long n, const char* eins, const char* mehrere) {
  return str(n) + " " + (n == 1 ? eins : mehrere);
}

// A deleted shooter leaves his results and line-ups under his number; a new shooter given
// that number takes them over. True when there are none or the user wants it so.
bool askToTakeOverRows(long nummer) {
  const PassnrRows rows = RowsOfPassnr(nummer);
  if (!rows.any()) return true;
  std::string was = anzahl(rows.Ergebnisse, "Ergebnis", "Ergebnisse");
  if (rows.Aufstellungen > 0)
    was += " und " + anzahl(rows.Aufstellungen, "Eintrag in Mannschaftsaufstellungen",
                            "Einträge in Mannschaftsaufstellungen");
  return msg::show("Unter der Nr. " + str(nummer) + " sind noch " + was +
                       " eines gelöschten Schützen gespeichert.\n\rDer neue Schütze übernimmt sie. "
                       "Trotzdem anlegen?",
                   "Frage", msg::YesNo, msg::Question) == msg::IdYes;
}

}  // namespace

void TZikoSchuetzenBearbeitenDlg::ButtonSpeichernClick() {
  if (vrnr_ <= 0) return;
  std::string name, gebdat;
  if (!storableText(EditName->text(), name) || !storableText(EditGebdat->text(), gebdat)) return;
  const char* geschl = RadioMaennlich->isChecked() ? "M" : "W";

  if (!neuModus_) {
    QTreeWidgetItem* item = ListView1->currentItem();
    if (!item || !item->isSelected()) return;
    db::Transaction t(gDbHaupt);
    if (db::exec(gDbHaupt, "UPDATE Schuetzen Set Name=?, Gebdat=?, Geschl=? WHERE Passnr=? AND VrNr=?;",
                 {name, gebdat, geschl, keyOf(item), vrnr_}) &&
        t.commit())
      item->setText(1, qs(name));
    ListView1->setFocus();
    ListView1->scrollToItem(item);
    return;
  }

  long nummer = toLong(fromQs(EditNummer->text()));
  if (nummer > 0 && itemOfKey(ListView1, nummer)) {
    msg::show("Nr. " + str(nummer) + "\n\rschon vorhanden!", "Fehler", msg::Ok, msg::Error);
    leaveNewMode();
    selectRow(selIndex_);
    return;
  }
  if (nummer > 0 && !name.empty()) {
    // A shooter may shoot for a second club under the same pass number, but not by mistake.
    db::Table other = db::query(gDbHaupt, "SELECT VrNr FROM Schuetzen WHERE Passnr=? ORDER BY VrNr;", {nummer});
    if (!other.empty() &&
        msg::show("Die Nummer " + str(nummer) + " gehört bereits zu einem Schützen des Vereins " +
                      VereinsName(gDbHaupt, other.num(0, 0)) + ".\n\rTrotzdem anlegen?",
                  "Frage", msg::YesNo, msg::Question) != msg::IdYes) {
      EditNummer->setFocus();
      return;
    }
    if (other.empty() && !askToTakeOverRows(nummer)) {
      EditNummer->setFocus();
      return;
    }
    if (!db::exec(gDbHaupt,
                  "INSERT INTO Schuetzen (Passnr, VrNr, Name, Gebdat, Geschl, AktivFlag, JklNr, JklFlag) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?);",
                  {nummer, vrnr_, name, gebdat, geschl, "0", 0, 1}))
      return;
    leaveNewMode();
    fillList();
    QTreeWidgetItem* added = itemOfKey(ListView1, nummer);
    selectRow(added ? ListView1->indexOfTopLevelItem(added) : selIndex_);
  } else {
    leaveNewMode();
    selectRow(selIndex_);
  }
  if (QTreeWidgetItem* item = ListView1->currentItem()) {
    ListView1->setFocus();
    ListView1->scrollToItem(item);
  }
}

void TZikoSchuetzenBearbeitenDlg::ButtonLoeschenClick() {
  QTreeWidgetItem* item = ListView1->currentItem();
  if (vrnr_ <= 0 || !item || !item->isSelected()) return;
  long nummer = keyOf(item);
  if (msg::show("Schütze Nr. " + str(nummer) + " wirklich löschen ?", "Eintrag löschen", msg::YesNo,
                msg::Question) == msg::IdNo) {
    ListView1->setFocus();
    ListView1->scrollToItem(item);
    return;
  }
  db::exec(gDbHaupt, "DELETE FROM Schuetzen WHERE Passnr=? AND VrNr=?;", {nummer, vrnr_});
  if (neuModus_) leaveNewMode();
  fillList();
  if (ListView1->topLevelItemCount() > 1 && selIndex_ > 0)
    --selIndex_;
  else
    selIndex_ = 0;
  selectRow(selIndex_);
  ListView1->setFocus();
}

bool TZikoSchuetzenBearbeitenDlg::printClub(long vrnr) {
  if (PrintSchuetzenListe(vrnr, RadioButtonMarkierteSchuetzen->isChecked() ? 1 : 0)) return true;
  msg::show("Die Schützenliste des Vereins " + VereinsName(gDbHaupt, vrnr) + " konnte nicht gedruckt werden.", "Fehler",
            msg::Ok, msg::Error);
  return false;
}

void TZikoSchuetzenBearbeitenDlg::ButtonDruckenClick() {
  if (vrnr_ <= 0 || !printing::printDialog(this)) return;
  printClub(vrnr_);
}

void TZikoSchuetzenBearbeitenDlg::ButtonSeriendruckClick() {
  if (vrnr_ <= 0 || !printing::printDialog(this)) return;
  bool markierte = RadioButtonMarkierteSchuetzen->isChecked();
  // One job: every club with shooters to list on pages of its own.
  std::vector<long> vereine;
  db::Table clubs = db::query(gDbHaupt,
                              "SELECT DISTINCT v.Nummer FROM Vereine_gau v WHERE v.Nummer > 0 AND EXISTS "
                              "(SELECT 1 FROM Schuetzen s WHERE s.VrNr = v.Nummer AND "
                              "(? = 0 OR CAST(s.AktivFlag AS INTEGER) <> 0));",
                              {markierte ? 1 : 0});
  for (size_t r = 0; r < clubs.size(); ++r) vereine.push_back(clubs.num(r, 0));
  if (vereine.empty()) {
    msg::show("Keine Daten zum Drucken.", "Meldung");
    return;
  }
  if (!PrintSchuetzenListen(vereine, markierte ? 1 : 0))
    msg::show("Die Schützenlisten konnten nicht gedruckt werden.", "Fehler", msg::Ok, msg::Error);
}
