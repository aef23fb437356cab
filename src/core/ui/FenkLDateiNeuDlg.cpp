#include "core/ui/FenkLDateiNeuDlg.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/schema.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "platform/waitcursor.h"

TFenkLDateiNeuDlg* FenkLDateiNeuDlg = nullptr;

TFenkLDateiNeuDlg::TFenkLDateiNeuDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Neue Datenbank"));
  setHelpTopic("ZikoNeueDatenbank.html");
  auto* panel = new QFrame(this);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, Qt::yellow);
  panel->setPalette(pal);
  Label1 = new QLabel(panel);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setWordWrap(true);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->addWidget(Label1);
  ButtonAbbrechen = new QPushButton(qs("A&bbrechen ESC"), this);
  ButtonWeiter = new QPushButton(qs("W&eiter >>"), this);
  ButtonHilfe = new QPushButton(qs("&Hilfe F1"), this);
  for (QPushButton* b : {ButtonAbbrechen, ButtonWeiter, ButtonHilfe}) b->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ButtonAbbrechen);
  buttons->addWidget(ButtonWeiter);
  buttons->addWidget(ButtonHilfe);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel, 1);
  layout->addLayout(buttons);
  resize(420, 220);
  connect(ButtonAbbrechen, &QPushButton::clicked, this, [this] { closeWith(mrCancel); });
  connect(ButtonWeiter, &QPushButton::clicked, this, &TFenkLDateiNeuDlg::ButtonWeiterClick);
  connect(ButtonHilfe, &QPushButton::clicked, this, &TFenkLDateiNeuDlg::ButtonHilfeClick);
}

void TFenkLDateiNeuDlg::FormShow() {
  Label1->setText(qs(
      "Achtung!\nMit dem Anlegen einer neuen Datenbank werden alle bisherigen Vereine, Schützen, "
      "Mannschaften samt Ergebnissen gelöscht!"));
}

void TFenkLDateiNeuDlg::ButtonWeiterClick() {
  bool built = false;
  std::string why;
  {
    WaitCursor wait;
    // Drops and creates the main tables itself, before it fills in the default rows.
    built = CreateDefaultDatabase(1, &why);
  }
  if (!built)
    msg::show("Die neue Datenbank konnte nicht vollständig angelegt werden." +
                  (why.empty() ? std::string() : "\n" + why),
              "Fehler", msg::Ok, msg::Error);
  closeWith(mrOk);
}
