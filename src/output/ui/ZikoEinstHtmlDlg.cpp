#include "output/ui/ZikoEinstHtmlDlg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/globals.h"
#include "core/helpers.h"
#include "core/savefile.h"
#include "platform/filedialog.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "platform/waitcursor.h"

TZikoEinstHtmlDlg* ZikoEinstHtmlDlg = nullptr;

namespace {
const char* const kErklaerung =
      "Mit 'Muster-css speichern unter' wird eine einfache css-Datei im angegebenen Pfad abgelegt, um eine "
      "Möglichkeit der Seitendarstellung aufzuzeigen.\nBeim Erstellen einer Html-Seite wird der im Editfeld "
      "'Aktives css-File' angegebene Dateiname in die Seite eingebaut. Somit kann durch ändern der Muster.css "
      "(mit jedem beliebigen Texteditor) das Aussehen aller von diesem Programm erstellten Html-Seiten den "
      "eigenen Vorstellungen angepasst werden.";
}  // namespace

TZikoEinstHtmlDlg::TZikoEinstHtmlDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Einstellungen Html-Ausgabe"));
  setHelpTopic("ZikoEinstlHtml.html");

  Label1 = new QLabel(this);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setWordWrap(true);
  Label1->setText(qs(kErklaerung));  // sizes the window for it

  auto* muster = new QGroupBox(qs("Muster- css"), this);
  ButtonMusterCss = new QPushButton(qs("Speichern unter..."), muster);
  (new QHBoxLayout(muster))->addWidget(ButtonMusterCss, 0, Qt::AlignLeft);

  auto* aktiv = new QGroupBox(qs("Aktives css-File"), this);
  EditActvesCssFile = new QLineEdit(aktiv);
  ButtonAktivesCss = new QPushButton(qs("Durchsuchen"), aktiv);
  auto* aktivZeile = new QHBoxLayout(aktiv);
  aktivZeile->addWidget(EditActvesCssFile, 1);
  aktivZeile->addWidget(ButtonAktivesCss);

  auto* ausgabe = new QGroupBox(qs("Html - Ausgabe"), this);
  CheckBox1 = new QCheckBox(qs("Aktives css-File bei Erstellen einer Html-Seite immer in den Zielpfad mitkopieren"), ausgabe);
  CheckBox2 = new QCheckBox(qs("Mailadresse des Wettkampfleiters in die Fusszeile als Mailprogramm-Link einfügen"), ausgabe);
  auto* checks = new QVBoxLayout(ausgabe);
  checks->addWidget(CheckBox1);
  checks->addWidget(CheckBox2);

  ButtonOk = new QPushButton(qs("O&K"), this);
  ButtonAbbrechen = new QPushButton(qs("A&bbrechen"), this);
  ButtonHilfe = new QPushButton(qs("&Hilfe F1"), this);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {ButtonMusterCss, ButtonAktivesCss, ButtonOk, ButtonAbbrechen, ButtonHilfe})
    b->setAutoDefault(false);
  buttons->addWidget(ButtonOk);
  buttons->addWidget(ButtonAbbrechen);
  buttons->addWidget(ButtonHilfe);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(muster);
  layout->addWidget(aktiv);
  layout->addWidget(ausgabe);
  layout->addLayout(buttons);
  setMinimumWidth(580);

  connect(ButtonMusterCss, &QPushButton::clicked, this, [this] { ButtonMusterCssClick(); });
  connect(ButtonAktivesCss, &QPushButton::clicked, this, [this] { ButtonAktivesCssClick(); });
  connect(ButtonOk, &QPushButton::clicked, this, [this] { ButtonOkClick(); });
  connect(ButtonAbbrechen, &QPushButton::clicked, this, [this] { closeWith(mrCancel); });
  connect(ButtonHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
}

void TZikoEinstHtmlDlg::FormShow() {
  Label1->setText(qs(kErklaerung));
  EditActvesCssFile->setText(qs(fieldText(gEinstellungen.CssDatei)));
  CheckBox1->setChecked(gEinstellungen.CssKopieren != 0);
  CheckBox2->setChecked(gEinstellungen.HtmlMailLink != 0);
}

bool TZikoEinstHtmlDlg::previewKey(int key, Qt::KeyboardModifiers modifiers) {
  if (key == Qt::Key_Escape) return true;  // this dialog closes only by its buttons
  return ZDialog::previewKey(key, modifiers);
}

void TZikoEinstHtmlDlg::ButtonMusterCssClick() {
  FileDialog dlg(FileDialog::Save, "CascadingStyleSheed(*.css)|*.css", "css");
  dlg.title = "Muster-css speichern unter";
  dlg.fileName = "ZikoStandard.css";
  dlg.overwritePrompt = true;
  if (!dlg.execute(this)) return;
  WaitCursor wait;
  takeSaveError();  // an older reason must not be shown with this file
  if (!WriteModelCss(dlg.filePath)) {
    wait.restore();
    showSaveFailed(takeSaveError());
  }
}

void TZikoEinstHtmlDlg::ButtonAktivesCssClick() {
  FileDialog dlg(FileDialog::Open, "Cascading Style Sheet (*.css)|*.css", "*.css");
  dlg.title = "Cascading Style Sheets-File öffnen";
  // As the file system names it: a path the settings cannot hold is refused by OK, not kept as "?".
  if (dlg.execute(this)) EditActvesCssFile->setText(qtPath(dlg.filePath));
}

void TZikoEinstHtmlDlg::ButtonOkClick() {
  // The path is stored in a field of the settings record in code page 1252: a path that would
  // be cut or changed there would make the pages link another file.
  const QString css = EditActvesCssFile->text().normalized(QString::NormalizationForm_C);
  const std::string bytes = fromQs(css);
  if (qs(bytes) != css) {
    msg::show("Der Pfad des css-Files enthält Zeichen, die nicht gespeichert werden können.", "Fehler",
              msg::Ok, msg::Error);
    return;
  }
  if (bytes.size() >= sizeof gEinstellungen.CssDatei) {
    msg::show("Der Pfad des css-Files ist zu lang (höchstens " + str(sizeof gEinstellungen.CssDatei - 1) +
                  " Zeichen).",
              "Fehler", msg::Ok, msg::Error);
    return;
  }
  setFieldText(gEinstellungen.CssDatei, bytes);
  gEinstellungen.CssKopieren = CheckBox1->isChecked() ? 1 : 0;
  gEinstellungen.HtmlMailLink = CheckBox2->isChecked() ? 1 : 0;
  closeWith(mrOk);
}
