#include "output/ui/ZikoSAALEinstellungenDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "output/aktionsliste.h"
#include "platform/elide.h"
#include "platform/fieldfilter.h"
#include "platform/filedialog.h"
#include "platform/keydata.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "season/klassenfolge.h"

TZikoSAALEinstellungenDlg* ZikoSAALEinstellungenDlg = nullptr;

namespace {

const char* const kDatenFilter = "Textforamt (*.txt)|*.txt|Html-Format (*.html)|*.html";
const char* const kErgebnisFilter = "Ergebnisdatei (*.rwk)|*.rwk|Ergebnisdatei (*.rwd)|*.rwd";
const char* const kBeschreibung =
    "Die Ergebnisdatei kann wahlweise mit der Endung *.rwd (für die Programme Tessbrun.exe und das "
    "Vereinsrundenwettkampfprogramm Fenk.exe)\noder mit der Endung *.rwk (für die Programme neuerer "
    "Generation Pelzkammerton.exe und das Vereinsrundenwettkampfprogramm Fenkstufen.exe) gespeichert "
    "werden.\n Die Datei enthält alle Daten aller Disziplinen.";

const char* const kDruckerFehlt =
    "Ein Druckauftrag braucht einen installierten Drucker.\nBitte in \"Auswählen\" einen Drucker wählen; "
    "die Ausgabe in eine Datei kann hier nicht gespeichert werden.";

// The extension of a file name, with its dot; empty when it has none.
std::string extensionOf(const std::string& path) {
  std::string name = fileNamePart(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

}  // namespace

RadioGroupBox::RadioGroupBox(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent), group(new QButtonGroup(this)) {
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    group->addButton(button, i);
    layout->addWidget(button);
  }
  setItemIndex(0);
}

void RadioGroupBox::setItemIndex(int index) {
  if (QAbstractButton* button = group->button(index)) button->setChecked(true);
}

TZikoSAALEinstellungenDlg::TZikoSAALEinstellungenDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Einstellungen Aktionseintrag"));
  setHelpTopic("ZikoSortierteAusgabenAktionslisteNE.html");

  MainMenu1 = new QMenuBar(this);
  QAction* abbrechen = MainMenu1->addAction(qs("Abbrechen ESC"));
  QAction* uebernehmen = MainMenu1->addAction(qs("In Aktionsliste übernehmen F2"));
  QAction* hilfe = MainMenu1->addAction(qs("Hilfe F1"));
  connect(abbrechen, &QAction::triggered, this, &TZikoSAALEinstellungenDlg::AbbrechenESC1Click);
  connect(uebernehmen, &QAction::triggered, this, &TZikoSAALEinstellungenDlg::bernehmen1Click);
  connect(hilfe, &QAction::triggered, this, &TZikoSAALEinstellungenDlg::HilfeF11Click);
  bindKey(Qt::Key_F2, [this] { bernehmen1Click(); });

  ComboBoxMklEErg = new QComboBox(this);
  ComboBoxMklKlerg = new QComboBox(this);
  EditMinErgRinge = new QLineEdit(this);
  setNumberFilter(EditMinErgRinge, false, 3);

  PageControl1 = new QTabWidget(this);
  PageControl1->addTab(buildPage(0, qs("Anzeige"),
                                 {qs("Starttabellen"), qs("Mannschaftstabellenstand nach aktuellem Durchgang")},
                                 nullptr),
                       qs("Mannschaftstabellen"));
  PageControl1->addTab(buildPage(1, qs("Anzeige"),
                                 {qs("Ergebnisse der Begegnungen des aktuellen Durchgangs"),
                                  qs("Ringschnitte einschließlich des aktuellen Durchgangs")},
                                 nullptr),
                       qs("Mannschaftsergebnisse"));
  PageControl1->addTab(buildPage(2, qs("Anzeige"),
                                 {qs("Ergebnisse des aktuellen Durchgangs"), qs("Ringschnitte nach aktuellem Durchgang"),
                                  qs("Ringschnitte nach akt. Dg. mit Einzelerg.")},
                                 ComboBoxMklEErg),
                       qs("Einzelergebnisse"));
  PageControl1->addTab(buildPage(3, qs("Anzeige"),
                                 {qs("Mannschafts- und Einzelergebnisse des aktuellen Durchgangs"),
                                  qs("Tabelle und Einzelringschnitte nach aktuellem Durchgang"),
                                  qs("Tabelle und Mannschaftsergebnisse nach aktuellem Durchgang"),
                                  qs("Tabelle, Mannschafts- und Einzelergebnisse des aktuellen Durchgangs")},
                                 ComboBoxMklKlerg),
                       qs("Klassenergebnisse"));

  auto* rwkPage = new QWidget(this);
  auto* speichern = new QGroupBox(qs("Speichern unter"), rwkPage);
  EditRwdDatei = new QLineEdit(speichern);
  ButtonErgDateiPfadSuche = new QPushButton(qs("Durchsuchen"), speichern);
  ButtonErgDateiPfadSuche->setAutoDefault(false);
  auto* row = new QHBoxLayout(speichern);
  row->addWidget(EditRwdDatei, 1);
  row->addWidget(ButtonErgDateiPfadSuche);
  Label5 = new QLabel(rwkPage);
  Label5->setWordWrap(true);
  auto* rwkLayout = new QVBoxLayout(rwkPage);
  rwkLayout->addWidget(speichern);
  rwkLayout->addWidget(Label5);
  rwkLayout->addStretch(1);
  PageControl1->addTab(rwkPage, qs("Ergebnisdatei"));
  connect(ButtonErgDateiPfadSuche, &QPushButton::clicked, this,
          &TZikoSAALEinstellungenDlg::ButtonErgDateiPfadSucheClick);

  const Ausgabe* s = seiten_;
  GroupBoxMschTab = s[0].gruppe, GroupBoxMschBegg = s[1].gruppe, GroupBoxEErg = s[2].gruppe, GroupBoxKlerg = s[3].gruppe;
  RadioGroupMschTabSortArt = s[0].anzeige, RadioGroupMschergSortArt = s[1].anzeige;
  RadioGroupEErgSortArt = s[2].anzeige, RadioGroupKlergSortArt = s[3].anzeige;
  RadioButtonDateiMschTab = s[0].datei, RadioButtonDruckerMschTab = s[0].drucker;
  RadioButtonDateiMschBgg = s[1].datei, RadioButtonDruckerMschBgg = s[1].drucker;
  RadioButtonDateiEErg = s[2].datei, RadioButtonDruckerEErg = s[2].drucker;
  RadioButtonDateiKlerg = s[3].datei, RadioButtonDruckerKlerg = s[3].drucker;
  EditPfadMschTab = s[0].pfad, EditPfadMschBegg = s[1].pfad, EditPfadEErg = s[2].pfad, EditPfadKlErg = s[3].pfad;
  ButtonMschTabPfadSuche = s[0].pfadSuche, ButtonMschBeggPfadSuche = s[1].pfadSuche;
  ButtonEErgPfadSuche = s[2].pfadSuche, ButtonKlergPfadSuche = s[3].pfadSuche;
  EditDruckerMtab = s[0].druckerName, EditDruckerMBegg = s[1].druckerName;
  EditDruckerEErg = s[2].druckerName, EditDruckerKlerg = s[3].druckerName;
  ButtonMschTabPrinterSuche = s[0].druckerSuche, ButtonMschBeggPrinterSuche = s[1].druckerSuche;
  ButtonEErgPrinterSuche = s[2].druckerSuche, ButtonKlergPrinterSuche = s[3].druckerSuche;

  connect(ComboBoxMklEErg, &QComboBox::activated, this, &TZikoSAALEinstellungenDlg::ComboBoxMklEErgChange);
  connect(ComboBoxMklKlerg, &QComboBox::activated, this, &TZikoSAALEinstellungenDlg::ComboBoxMklKlergChange);
  connect(RadioGroupEErgSortArt->group, &QButtonGroup::idClicked, this,
          &TZikoSAALEinstellungenDlg::RadioGroupEErgSortArtClick);
  connect(RadioGroupKlergSortArt->group, &QButtonGroup::idClicked, this,
          &TZikoSAALEinstellungenDlg::RadioGroupKlergSortArtClick);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(MainMenu1);
  layout->addWidget(PageControl1, 1);
  setMinimumSize(720, 440);  // all five page tabs shown whole
  resize(760, 480);
}

QWidget* TZikoSAALEinstellungenDlg::buildPage(int page, const QString& caption, const QStringList& choices,
                                              QComboBox* klasse) {
  Ausgabe& a = seiten_[page];
  auto* widget = new QWidget(this);
  a.gruppe = new QGroupBox(widget);
  a.anzeige = new RadioGroupBox(caption, choices, a.gruppe);
  auto* inner = new QVBoxLayout(a.gruppe);
  if (klasse) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(qs("Klasse:"), a.gruppe));
    row->addWidget(klasse, 1);
    inner->addLayout(row);
  }
  inner->addWidget(a.anzeige);
  if (page == AktEinzelErgebnisse) {
    auto* eingrenzung = new QGroupBox(qs("Ausgabe-Eingrenzung"), a.gruppe);
    auto* row = new QHBoxLayout(eingrenzung);
    row->addWidget(new QLabel(qs("Mindest-Ringzahl:"), eingrenzung));
    row->addWidget(EditMinErgRinge);
    row->addStretch(1);
    inner->addWidget(eingrenzung);
  }

  auto* ausgabeart = new QGroupBox(qs("Ausgabeart"), a.gruppe);
  a.datei = new QRadioButton(qs("Datei"), ausgabeart);
  a.drucker = new QRadioButton(qs("Drucker"), ausgabeart);
  a.pfad = new QLineEdit(ausgabeart);
  a.pfadSuche = new QPushButton(qs("Durchsuchen"), ausgabeart);
  a.druckerName = new QLineEdit(ausgabeart);
  a.druckerName->setReadOnly(true);
  a.druckerSuche = new QPushButton(qs("Auswählen"), ausgabeart);
  for (QPushButton* b : {a.pfadSuche, a.druckerSuche}) b->setAutoDefault(false);
  auto* grid = new QGridLayout(ausgabeart);
  grid->addWidget(a.datei, 0, 0);
  grid->addWidget(a.pfad, 0, 1);
  grid->addWidget(a.pfadSuche, 0, 2);
  grid->addWidget(a.drucker, 1, 0);
  grid->addWidget(a.druckerName, 1, 1);
  grid->addWidget(a.druckerSuche, 1, 2);
  grid->setColumnStretch(1, 1);
  inner->addWidget(ausgabeart);
  inner->addStretch(1);
  auto* layout = new QVBoxLayout(widget);
  layout->addWidget(a.gruppe);

  connect(a.datei, &QRadioButton::clicked, this, [this] { AusgabeartClick(false); });
  connect(a.drucker, &QRadioButton::clicked, this, [this] { AusgabeartClick(true); });
  connect(a.pfadSuche, &QPushButton::clicked, this, [this, page] { PfadSucheClick(page); });
  connect(a.druckerSuche, &QPushButton::clicked, this, [this, page] { PrinterSucheClick(page); });
  return widget;
}

void TZikoSAALEinstellungenDlg::FormShow() {
  int disznr = gIntdat.AktionDisznr;
  db::Table d = db::query(gDbHaupt, "SELECT Bezeichnung FROM Disznamen WHERE Nr=?;", {disznr});
  diszName_ = d.empty() ? std::string() : d.text(0, 0);
  setWindowTitle(qs("Einstellungen Aktionseintrag " + diszName_));

  ComboBoxMklEErg->clear();
  ComboBoxMklKlerg->clear();
  addComboItem(ComboBoxMklEErg, " -- alle Klassen --", 0);
  for (const KlasseKurz& k : KlassenDerDisziplin(gDbHaupt, disznr)) {
    addComboItem(ComboBoxMklEErg, k.name, k.nr);
    addComboItem(ComboBoxMklKlerg, k.name, k.nr);
  }
  ComboBoxMklEErg->setCurrentIndex(0);
  ComboBoxMklKlerg->setCurrentIndex(ComboBoxMklKlerg->count() > 0 ? 0 : -1);

  // Defaults of a new job: files beside the discipline's first job, or in the program folder.
  AusgabeartClick(false);
  for (Ausgabe& a : seiten_) a.anzeige->setItemIndex(0);
  EditMinErgRinge->setText(qs("300"));
  std::string folder = storablePath(gIntdat.ProgrammVerzeichnis);
  std::vector<AktionsEintrag> jobs = AktionenDerDisziplin(disznr);
  if (!jobs.empty() && !folderPart(jobs.front().Pfad).empty()) folder = folderPart(jobs.front().Pfad);
  const char* names[4] = {"MannschTab.html", "MannschBegeg.html", "Einzelerg.html", "Klassenerg.html"};
  for (int i = 0; i < 4; ++i) {
    seiten_[i].pfad->setText(qs(joinPath(folder, names[i])));
    seiten_[i].druckerName->setText(printing::currentPrinterText());
  }
  EditRwdDatei->setText(qs(joinPath(folder, FileNameProposal(fieldText(gEinstellungen.Gauname)) + ".rwk")));
  Label5->setText(qs(kBeschreibung));
  copies_ = 1;
  PageControl1->setCurrentIndex(0);

  AktionsEintrag e;
  if (gIntdat.AktionNeu == 0 && AktionLaden(disznr, gIntdat.AktionSatzindex, e)) {
    int page = std::clamp(e.Typ, 0, 4);
    PageControl1->setCurrentIndex(page);
    copies_ = std::max(1, e.Print_int);
    if (page == AktErgebnisdatei) {
      EditRwdDatei->setText(qs(e.Pfad));
    } else {
      Ausgabe& a = seiten_[page];
      AusgabeartClick(e.Ausgabeart == 1);
      a.pfad->setText(qs(e.Pfad));
      if (e.Ausgabeart == 1) a.druckerName->setText(qs(e.Printstring_a));  // a file job has none
      a.anzeige->setItemIndex(e.Flag_d);
      if (page == AktEinzelErgebnisse) {
        ComboBoxMklEErg->setCurrentIndex(std::max(0, comboIndexOfKey(ComboBoxMklEErg, e.Flag_a)));
        EditMinErgRinge->setText(qs(str(e.Flag_e)));
      } else if (page == AktKlassenErgebnisse) {
        int i = comboIndexOfKey(ComboBoxMklKlerg, e.Flag_a);
        if (i >= 0) ComboBoxMklKlerg->setCurrentIndex(i);
      }
    }
  }
  setElidedTitle(GroupBoxMschTab, qs("Mannschaftstabellen " + diszName_ + ", aktueller Durchgang"));
  setElidedTitle(GroupBoxMschBegg, qs("Mannschaftsergebnisse " + diszName_ + ", aktueller Durchgang"));
  RadioGroupEErgSortArtClick();
  // Shown, the caption names the class only; a change of the display choice names that.
  setElidedTitle(GroupBoxKlerg, qs("Klassenergebnisse " + diszName_ + ", Klasse " +
                                   fromQs(ComboBoxMklKlerg->currentText()) + ", Ergebnisse des aktuellen Durchgangs"));
}

void TZikoSAALEinstellungenDlg::AusgabeartClick(bool drucker) {
  for (Ausgabe& a : seiten_) {
    a.drucker->setChecked(drucker);
    a.datei->setChecked(!drucker);
    a.druckerSuche->setEnabled(drucker);
    a.pfadSuche->setEnabled(!drucker);
  }
}

void TZikoSAALEinstellungenDlg::RadioGroupEErgSortArtClick() {
  std::string klasse = ComboBoxMklEErg->currentIndex() > 0 ? "Klasse " + fromQs(ComboBoxMklEErg->currentText())
                                                           : std::string("alle Klassen");
  std::string anzeige = RadioGroupEErgSortArt->itemIndex() == 0 ? "Ergebnísse des aktuellen Durchgangs"
                                                                : "Ringschnitte nach aktuellem Durchgang";
  setElidedTitle(GroupBoxEErg, qs("Einzelergebnisse " + diszName_ + ", " + klasse + ", " + anzeige));
}

void TZikoSAALEinstellungenDlg::RadioGroupKlergSortArtClick() {
  static const char* const kAnzeige[] = {"Ergebnísse des aktuellen Durchgangs",
                                         "Tabelle und Einzelringschnitte nach aktuellem Durchgang",
                                         "Tabelle und Begegnungen nach aktuellem Durchgang"};
  int choice = std::clamp(RadioGroupKlergSortArt->itemIndex(), 0, 2);
  setElidedTitle(GroupBoxKlerg, qs("Klassenergebnisse " + diszName_ + ", Klasse " +
                                         fromQs(ComboBoxMklKlerg->currentText()) + ", " + kAnzeige[choice]));
}

void TZikoSAALEinstellungenDlg::PfadSucheClick(int page) {
  QLineEdit* field = seiten_[page].pfad;
  std::string path = fromQs(field->text());
  std::string ext = extensionOf(path);
  std::string name = fileNamePart(path);
  FileDialog dialog(FileDialog::Save, kDatenFilter);
  dialog.initialDir = folderPart(path);
  dialog.fileName = name.substr(0, name.size() - ext.size());
  dialog.filterIndex = ext == ".html" || ext == ".htm" ? 2 : 1;
  if (!dialog.execute(this)) return;
  // The chosen file as the file system names it: a name cp1252 cannot hold is refused when
  // the job is stored, not turned into "?".
  QString chosen = qtPath(dialog.filePath);
  for (const char* end : {".txt", ".dbf", ".htm"})
    if (chosen.endsWith(QLatin1String(end))) {
      chosen.chop(4);
      break;
    }
  if (chosen.endsWith(QLatin1String(".html"))) chosen.chop(5);
  field->setText(chosen + (dialog.filterIndex == 2 ? QStringLiteral(".html") : QStringLiteral(".txt")));
}

void TZikoSAALEinstellungenDlg::PrinterSucheClick(int page) {
  // The job finds its printer by name when it runs, so the dialog offers no output to a
  // file: it would ask about replacing that file before the choice is refused here.
  if (!printing::printDialog(this, /*offerFileOutput=*/false)) return;
  const QString name = printing::currentPrinterText();
  if (name.isEmpty()) {
    msg::show(kDruckerFehlt, "Meldung");
    return;
  }
  seiten_[page].druckerName->setText(name);
  copies_ = printing::copyCount();
}

void TZikoSAALEinstellungenDlg::ButtonErgDateiPfadSucheClick() {
  FileDialog dialog(FileDialog::Save, kErgebnisFilter);
  dialog.title = "Ergebnisdatei speichern unter...";
  dialog.fileName = FileNameProposal(fieldText(gEinstellungen.Gauname));
  dialog.initialDir = folderPart(fromQs(EditRwdDatei->text()));
  if (!dialog.execute(this)) return;
  QString chosen = qtPath(dialog.filePath);
  // The dialog may have put the type's ending on already.
  if (chosen.endsWith(QLatin1String(".rwk")) || chosen.endsWith(QLatin1String(".rwd"))) chosen.chop(4);
  EditRwdDatei->setText(chosen + (dialog.filterIndex == 2 ? QStringLiteral(".rwd") : QStringLiteral(".rwk")));
}

void TZikoSAALEinstellungenDlg::bernehmen1Click() {
  AktionsEintrag e;
  e.Disznr = gIntdat.AktionDisznr;
  e.Satzindex = gIntdat.AktionSatzindex;
  e.Typ = PageControl1->currentIndex();
  e.Print_int = std::max(1, copies_);
  QString pfad = EditRwdDatei->text();
  if (e.Typ != AktErgebnisdatei) {
    const Ausgabe& a = seiten_[e.Typ];
    pfad = a.pfad->text();
    e.Ausgabeart = a.drucker->isChecked() ? 1 : 0;
    // Only a print job has a printer; a file job stores none, whatever the field shows.
    if (e.Ausgabeart == 1) {
      if (a.druckerName->text().isEmpty()) {
        msg::show(kDruckerFehlt, "Meldung");
        return;
      }
      if (!storableText(a.druckerName->text(), e.Printstring_a)) return;
    }
    e.Flag_d = std::max(0, a.anzeige->itemIndex());
  }
  if (!storableText(pfad, e.Pfad)) return;

  std::string klasse;
  if (e.Typ == AktEinzelErgebnisse || e.Typ == AktKlassenErgebnisse) {
    QComboBox* combo = e.Typ == AktEinzelErgebnisse ? ComboBoxMklEErg : ComboBoxMklKlerg;
    e.Flag_a = static_cast<int>(std::max(0L, comboKey(combo, -1, 0)));
    if (e.Typ == AktKlassenErgebnisse && e.Flag_a <= 0) {
      msg::show("Für Klassenergebnisse bitte eine Klasse wählen!", "Meldung");
      return;
    }
    if (e.Flag_a > 0) {
      klasse = fromQs(combo->currentText());
      db::Table k = db::query(gDbHaupt, "SELECT AnzahlTermine, Minerganzahl FROM Mschklassen WHERE Nr=? AND Disznr=?;",
                              {e.Flag_a, e.Disznr});
      if (!k.empty()) e.Flag_f = k.integer(0, 0), e.Flag_g = k.integer(0, 1);
    }
  }
  switch (e.Typ) {
    case AktMschTabellen:
      e.Bezeichnung = e.Flag_d == 0 ? "Starttabellen" : "Mannschaftstabellen";
      e.Printstring_b = e.Bezeichnung;
      break;
    case AktMschErgebnisse:
      e.Bezeichnung = "Mannschaftsergebnisse";
      e.Printstring_b = "Mannschaftsbegegnungen";
      break;
    case AktEinzelErgebnisse:
      e.Bezeichnung = klasse.empty() ? "Einzelergebnisse" : "Einzelergebnisse " + klasse;
      e.Printstring_b = e.Bezeichnung;
      e.Flag_e = toInt(fromQs(EditMinErgRinge->text()));
      break;
    case AktKlassenErgebnisse:
      e.Bezeichnung = "Klassenergebnisse " + klasse;
      e.Printstring_b = e.Bezeichnung;
      break;
    default:
      e.Bezeichnung = "Ergebnisdatei";
      e.Printstring_a.clear();
      break;
  }
  // A failed store keeps the window open with everything that was set.
  if (!AktionSpeichern(e, gIntdat.AktionNeu != 0)) return;
  gIntdat.AktionSatzindex = e.Satzindex;
  gIntdat.AktionGespeichert = 1;
  closeWith(mrOk);
}
