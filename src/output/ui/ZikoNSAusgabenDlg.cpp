#include "output/ui/ZikoNSAusgabenDlg.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "core/savefile.h"
#include "output/starttabellen.h"
#include "output/ui/ZikoNSStartTabDlg.h"
#include "platform/clipboard.h"
#include "platform/elide.h"
#include "platform/filedialog.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "platform/waitcursor.h"
#include "season/klassenfolge.h"
#include "season/mannschaften.h"

TZikoNSAusgabenDlg* ZikoNSAusgabenDlg = nullptr;

namespace {

constexpr const char* kAlleVereine = "--- alle Vereine ---";
constexpr const char* kAlleKlassen = " -- alle Klassen --";
constexpr const char* kFilter = "Textdatei (*.txt)|*.txt|Html-Datei (*.html)|*.html";
constexpr const char* kDbfFilter = "|Dbf-Datei(*.dbf)|*.dbf";

// The controls of one page, laid out alike on every page.
struct Seite {
  QGroupBox* auswahl;
  QComboBox* vereine;
  QComboBox* klassen;
  QPushButton* anzeigen;
  QPushButton* drucken;
  QPushButton* speichern;
  QPushButton* zwischenablage;
  QGroupBox* serie;
  QLabel* serienText;
  QPushButton* serienStart;
};

// subject names the list in the hints ("Starttabelle"), plural the serial print.
Seite baueSeite(QWidget* page, const std::string& subject, const std::string& plural,
                const std::string& serienText) {
  Seite s{};
  s.auswahl = new QGroupBox(qs(plural), page);
  s.vereine = new QComboBox(s.auswahl);
  s.vereine->setMaxVisibleItems(25);
  s.klassen = new QComboBox(s.auswahl);
  s.klassen->setMaxVisibleItems(15);
  const std::string wahl = subject + " des gewählten Vereins und der gewählten Klasse ";
  auto button = [&](const char* caption, const std::string& hint) {
    auto* b = new QPushButton(qs(caption), s.auswahl);
    b->setToolTip(qs(wahl + hint));
    b->setAutoDefault(false);
    return b;
  };
  s.anzeigen = button("Anzeigen", "anzeigen");
  s.drucken = button("Drucken", "drucken");
  s.speichern = button("Speichern unter..", "in Datei speichern");
  s.zwischenablage = button("Zwischenablage", "in Windows-Zwischenablage ablegen");

  auto* wahlZeile = new QHBoxLayout;
  wahlZeile->addWidget(new QLabel(qs("Klasse"), s.auswahl));
  wahlZeile->addWidget(s.klassen, 1);
  auto* knoepfe = new QHBoxLayout;
  for (QPushButton* b : {s.anzeigen, s.drucken, s.speichern, s.zwischenablage}) knoepfe->addWidget(b);
  auto* auswahl = new QVBoxLayout(s.auswahl);
  auswahl->addWidget(s.vereine);
  auswahl->addLayout(wahlZeile);
  auswahl->addLayout(knoepfe);

  s.serie = new QGroupBox(qs("Seriendruck " + plural), page);
  s.serienText = new QLabel(qs(serienText), s.serie);
  s.serienText->setAlignment(Qt::AlignCenter);
  s.serienText->setWordWrap(true);
  s.serienStart = new QPushButton(qs("Seriendruck starten"), s.serie);
  s.serienStart->setToolTip(qs("Seriendruck " + plural + " starten"));
  s.serienStart->setAutoDefault(false);
  auto* serie = new QVBoxLayout(s.serie);
  serie->addWidget(s.serienText);
  serie->addWidget(s.serienStart, 0, Qt::AlignCenter);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(s.auswahl);
  layout->addWidget(s.serie);
  layout->addStretch(1);
  return s;
}

}  // namespace

TZikoNSAusgabenDlg::TZikoNSAusgabenDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Ausgaben disz, saison"));
  setHelpTopic("ZikoNeueSaisonAusgaben.html");

  PageControl1 = new QTabWidget(this);
  Starttabellen = new QWidget;
  Terminlisten = new QWidget;
  Mannschaftsfuehrer = new QWidget;
  PageControl1->addTab(Starttabellen, qs("Starttabellen"));
  PageControl1->addTab(Terminlisten, qs("Terminlisten"));
  PageControl1->addTab(Mannschaftsfuehrer, qs("Mannschaftsleiter"));

  Seite st = baueSeite(Starttabellen, "Starttabelle", "Starttabellen",
                       "Ausdruck von Starttabellen für jeden Verein getrennt mit allen Klassen, in "
                       "denen der jeweilige Verein beteiligt ist");
  GroupBoxStarttab1 = st.auswahl;
  ComboBoxSttabVr = st.vereine;
  ComboBoxKlasseSttab = st.klassen;
  ButtonStTabAnzeigen = st.anzeigen;
  ButtonStTabDrucken1 = st.drucken;
  ButtonStTabSpeichernUnter1 = st.speichern;
  ButtonStTabClipboard = st.zwischenablage;
  GroupBoxStarttab2 = st.serie;
  LabelStarttabSerie = st.serienText;
  ButtonStartTabSerienDruck = st.serienStart;

  Seite tl = baueSeite(Terminlisten, "Terminlisten", "Terminlisten",
                       "Ausdruck von Terminlisten für jede Klasse getrennt, in denen der jeweilige "
                       "Verein beteiligt ist");
  GroupBoxTl1 = tl.auswahl;
  ComboBoxVrTl = tl.vereine;
  ComboBoxKlasseTrlist = tl.klassen;
  ButtonTLAnzeigen = tl.anzeigen;
  ButtonTLDrucken2 = tl.drucken;
  ButtonTLSpeichernUnter2 = tl.speichern;
  ButtonTLClipboard = tl.zwischenablage;
  GroupBoxTl2 = tl.serie;
  Label5 = tl.serienText;
  ButtonTerminlistenSerienDruck = tl.serienStart;

  Seite mf = baueSeite(Mannschaftsfuehrer, "Mannschaftsführer", "Mannschaftsführer",
                       "Ausdruck von Listen der Mannschaftsführer für jeden Verein getrennt mit "
                       "allen Klassen, in denen der jeweilige Verein beteiligt ist");
  GroupBoxMF1 = mf.auswahl;
  ComboBoxMFVr = mf.vereine;
  ComboBoxKlasseMF = mf.klassen;
  ButtonMFAnzeige = mf.anzeigen;
  ButtonMFDrucken = mf.drucken;
  ButtonMFSpeichern = mf.speichern;
  ButtonMFClipboard = mf.zwischenablage;
  GroupBoxMF2 = mf.serie;
  LabelMFSerie = mf.serienText;
  ButtonMFSerienDruck = mf.serienStart;

  ButtonAbbrechen = new QPushButton(qs("B&eenden ESC"), this);
  ButtonHilfe1 = new QPushButton(qs("&Hilfe F1"), this);
  auto* unten = new QHBoxLayout;
  unten->addStretch(1);
  for (QPushButton* b : {ButtonAbbrechen, ButtonHilfe1}) {
    b->setAutoDefault(false);
    unten->addWidget(b);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl1, 1);
  layout->addLayout(unten);
  // A fixed window, as small as its captions allow.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  auto on = [this](QPushButton* b, void (TZikoNSAusgabenDlg::*handler)()) {
    connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
  };
  auto onClub = [this](QComboBox* c, void (TZikoNSAusgabenDlg::*handler)()) {
    connect(c, &QComboBox::activated, this, [this, handler] { (this->*handler)(); });
  };
  onClub(ComboBoxSttabVr, &TZikoNSAusgabenDlg::ComboBoxSttabVrChange);
  on(ButtonStTabAnzeigen, &TZikoNSAusgabenDlg::ButtonStTabAnzeigenClick);
  on(ButtonStTabDrucken1, &TZikoNSAusgabenDlg::ButtonStTabDrucken1Click);
  on(ButtonStTabSpeichernUnter1, &TZikoNSAusgabenDlg::ButtonStTabSpeichernUnter1Click);
  on(ButtonStTabClipboard, &TZikoNSAusgabenDlg::ButtonStTabClipboardClick);
  on(ButtonStartTabSerienDruck, &TZikoNSAusgabenDlg::ButtonStartTabSerienDruckClick);
  onClub(ComboBoxVrTl, &TZikoNSAusgabenDlg::ComboBoxVrTlChange);
  on(ButtonTLAnzeigen, &TZikoNSAusgabenDlg::ButtonTLAnzeigenClick);
  on(ButtonTLDrucken2, &TZikoNSAusgabenDlg::ButtonTLDrucken2Click);
  on(ButtonTLSpeichernUnter2, &TZikoNSAusgabenDlg::ButtonTLSpeichernUnter2Click);
  on(ButtonTLClipboard, &TZikoNSAusgabenDlg::ButtonTLClipboardClick);
  on(ButtonTerminlistenSerienDruck, &TZikoNSAusgabenDlg::ButtonTerminlistenSerienDruckClick);
  onClub(ComboBoxMFVr, &TZikoNSAusgabenDlg::ComboBoxMFVrChange);
  on(ButtonMFAnzeige, &TZikoNSAusgabenDlg::ButtonMFAnzeigeClick);
  on(ButtonMFDrucken, &TZikoNSAusgabenDlg::ButtonMFDruckenClick);
  on(ButtonMFSpeichern, &TZikoNSAusgabenDlg::ButtonMFSpeichernClick);
  on(ButtonMFClipboard, &TZikoNSAusgabenDlg::ButtonMFClipboardClick);
  on(ButtonMFSerienDruck, &TZikoNSAusgabenDlg::ButtonMFSerienDruckClick);
  connect(ButtonAbbrechen, &QPushButton::clicked, this, [this] { closeWith(mrCancel); });
  connect(ButtonHilfe1, &QPushButton::clicked, this, [this] { ButtonHilfe1Click(); });
}

void TZikoNSAusgabenDlg::FormShow() {
  const int disz = gEinstellungen.AktDisznr;
  std::string saison;
  DisziplinUndSaison(gDbHaupt, disz, disziplin_, saison);
  setWindowTitle(qs("Ausgaben " + disziplin_ + ", Saison " + saison));
  const std::pair<QGroupBox*, const char*> gruppen[] = {
      {GroupBoxStarttab1, "Auswahl Starttabellen "}, {GroupBoxStarttab2, "Seriendruck Starttabellen "},
      {GroupBoxTl1, "Auswahl Terminlisten "},        {GroupBoxTl2, "Seriendruck Terminlisten "},
      {GroupBoxMF1, "Auswahl Mannschaftsleiter "},   {GroupBoxMF2, "Seriendruck Mannschaftsleiter "}};
  for (const auto& [box, prefix] : gruppen) setElidedTitle(box, qs(prefix + disziplin_));

  // Only clubs with a team in the discipline, in number order; each entry carries Nummer.
  const std::vector<VereinKurz> vereine = VereineMitMannschaften(gDbHaupt, disz, 0);
  for (QComboBox* combo : {ComboBoxSttabVr, ComboBoxVrTl, ComboBoxMFVr}) {
    QSignalBlocker block(combo);
    combo->clear();
    addComboItem(combo, kAlleVereine, 0);
    for (const VereinKurz& v : vereine) addComboItem(combo, v.name, v.nr);
    combo->setCurrentIndex(0);
  }
  for (QComboBox* combo : {ComboBoxKlasseSttab, ComboBoxKlasseTrlist, ComboBoxKlasseMF})
    fillClassList(combo, 0);
  PageControl1->setCurrentIndex(0);
}

void TZikoNSAusgabenDlg::fillClassList(QComboBox* klassen, long verein) {
  const int disz = gEinstellungen.AktDisznr;
  QSignalBlocker block(klassen);
  klassen->clear();
  addComboItem(klassen, kAlleKlassen, 0);
  db::Table t;
  if (verein <= 0) {
    t = db::query(gDbHaupt, "SELECT Nr, Klname FROM Mschklassen WHERE Disznr=? ORDER BY rowid;", {disz});
  } else {
    // One entry per team of the club: a class with two of its teams is listed twice.
    t = db::query(gDbHaupt,
                  "SELECT m.Mklnr, k.Klname FROM Msch_in_klassen m JOIN Mschklassen k "
                  "ON k.Nr=m.Mklnr AND k.Disznr=m.Disznr WHERE m.Vrnr=? AND m.Disznr=? "
                  "ORDER BY m.Mklnr, m.rowid, k.rowid;",
                  {verein, disz});
  }
  for (size_t r = 0; r < t.size(); ++r) addComboItem(klassen, t.text(r, 1), t.num(r, 0));
  klassen->setCurrentIndex(0);
}

long TZikoNSAusgabenDlg::gewaehlterVerein(const QComboBox* vereine) {
  return vereine->currentIndex() > 0 ? comboKey(vereine, -1, 0) : 0;
}

long TZikoNSAusgabenDlg::gewaehlteKlasse(const QComboBox* klassen) {
  return klassen->currentIndex() > 0 ? comboKey(klassen, -1, 0) : 0;
}

std::string TZikoNSAusgabenDlg::gewaehlterVereinsname(const QComboBox* vereine) {
  return vereine->currentIndex() > 0 ? fromQs(vereine->currentText()) : std::string();
}

void TZikoNSAusgabenDlg::speichernUnter(const Speicherziel& ziel, const Schreiber& schreiber) {
  const int disz = gEinstellungen.AktDisznr;
  FileDialog dlg(FileDialog::Save, std::string(kFilter) + (ziel.mitDbf ? kDbfFilter : ""));
  dlg.title = ziel.titel;
  dlg.fileName = ziel.dateiname;
  dlg.overwritePrompt = true;
  dlg.writtenName = [&ziel](const std::string& name, int typ) { return SaisonDateiname(name, typ, ziel.mitDbf); };
  std::string ordner;
  if (GemerkterOrdner(disz, ziel.ordner, ordner)) dlg.initialDir = ordner;
  if (!dlg.execute(this)) return;

  WaitCursor wait;
  const std::filesystem::path datei = SaisonDateiname(dlg.filePath.string(), dlg.filterIndex, ziel.mitDbf);
  takeSaveError();  // an older reason must not be shown with this file
  if (!schreiber(datei, dlg.filterIndex)) {
    wait.restore();
    showSaveFailed(takeSaveError());
    return;
  }
  // A folder that code page 1252 cannot name is not remembered.
  if (const std::string folder = storablePath(datei.parent_path()); !folder.empty())
    MerkeOrdner(disz, ziel.ordner, folder);
  wait.restore();
  msg::show(qtPath(datei) + qs(" \nerfolgreich gespeichert!"), "Meldung", msg::Ok, msg::Information);
}

void TZikoNSAusgabenDlg::ComboBoxSttabVrChange() {
  fillClassList(ComboBoxKlasseSttab, gewaehlterVerein(ComboBoxSttabVr));
}

void TZikoNSAusgabenDlg::ComboBoxVrTlChange() {
  fillClassList(ComboBoxKlasseTrlist, gewaehlterVerein(ComboBoxVrTl));
}

void TZikoNSAusgabenDlg::ComboBoxMFVrChange() {
  fillClassList(ComboBoxKlasseMF, gewaehlterVerein(ComboBoxMFVr));
}

void meldeDruckNichtBegonnen() {
  msg::show("Der Druck konnte nicht gestartet werden.", "Fehler", msg::Ok, msg::Error);
}

void TZikoNSAusgabenDlg::ButtonStTabAnzeigenClick() {
  gIntdat.AnzeigeVrnr = static_cast<int32_t>(gewaehlterVerein(ComboBoxSttabVr));
  gIntdat.AnzeigeMklnr = static_cast<int32_t>(gewaehlteKlasse(ComboBoxKlasseSttab));
  if (ZikoNSStartTabDlg) ZikoNSStartTabDlg->ShowModal();
}

void TZikoNSAusgabenDlg::ButtonStTabDrucken1Click() {
  if (!printing::printDialog(this)) return;
  if (!PrintStarttabellen(gewaehlterVerein(ComboBoxSttabVr), gewaehlteKlasse(ComboBoxKlasseSttab)))
    meldeDruckNichtBegonnen();
}

void TZikoNSAusgabenDlg::ButtonStartTabSerienDruckClick() {
  if (!printing::printDialog(this)) return;
  if (!PrintStarttabellenSerie()) meldeDruckNichtBegonnen();
}

void TZikoNSAusgabenDlg::ButtonStTabSpeichernUnter1Click() {
  const long verein = gewaehlterVerein(ComboBoxSttabVr);
  const long klasse = gewaehlteKlasse(ComboBoxKlasseSttab);
  const std::string name = gewaehlterVereinsname(ComboBoxSttabVr);
  speichernUnter({"Starttabellen " + disziplin_ + " speichern unter", "Rwkstarttab", SaisonOrdner::Starttabellen, false},
                 [&](const std::filesystem::path& datei, int format) {
                   return SaveStarttabellen(datei, format, verein, klasse, name);
                 });
}

void TZikoNSAusgabenDlg::ButtonStTabClipboardClick() {
  clipboard::setText(WriteTxtStarttabellen(gewaehlterVerein(ComboBoxSttabVr), gewaehlteKlasse(ComboBoxKlasseSttab),
                                           gewaehlterVereinsname(ComboBoxSttabVr)));
}
