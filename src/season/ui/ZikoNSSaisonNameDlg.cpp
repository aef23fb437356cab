#include "season/ui/ZikoNSSaisonNameDlg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/db.h"
#include "core/globals.h"
#include "platform/elide.h"
#include "platform/text.h"
#include "season/klassenfolge.h"

TZikoNSSaisonNameDlg* ZikoNSSaisonNameDlg = nullptr;

TZikoNSSaisonNameDlg::TZikoNSSaisonNameDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Neue Saison"));
  setHelpTopic("ZikoNeueSaisonSaisonbezeichnung.html");
  setEditTransaction(db::editTransaction(gDbHaupt));

  GroupBox1 = new QGroupBox(qs("Saisonbezeichnung"), this);
  EditNeueSaison = new QLineEdit(GroupBox1);
  auto* group = new QVBoxLayout(GroupBox1);
  group->addWidget(EditNeueSaison);

  ButtonUebernehmen = new QPushButton(qs("Übernehmen"), this);
  ButtonAbbrechen = new QPushButton(qs("A&bbrechen ESC"), this);
  ButtonHilfe1 = new QPushButton(qs("&Hilfe F1"), this);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {ButtonUebernehmen, ButtonAbbrechen, ButtonHilfe1}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(GroupBox1);
  layout->addLayout(buttons);
  resize(380, 130);

  connect(ButtonUebernehmen, &QPushButton::clicked, this, &TZikoNSSaisonNameDlg::ButtonUebernehmenClick);
  connect(ButtonAbbrechen, &QPushButton::clicked, this, &TZikoNSSaisonNameDlg::ButtonAbbrechenClick);
  connect(ButtonHilfe1, &QPushButton::clicked, this, &TZikoNSSaisonNameDlg::ButtonHilfe1Click);
}

void TZikoNSSaisonNameDlg::FormShow() {
  std::string name, saison;
  if (DisziplinUndSaison(gDbHaupt, gEinstellungen.AktDisznr, name, saison)) {
    setWindowTitle(qs("Neue Saison " + name));
    setElidedTitle(GroupBox1, qs("Saisonbezeichnung " + name));
    EditNeueSaison->setText(qs(saison));
  }
  EditNeueSaison->setFocus();
  EditNeueSaison->selectAll();
}

void TZikoNSSaisonNameDlg::ButtonUebernehmenClick() {
  // A failed update has shown its box; the dialog stays open with the typed name, so the
  // wizard does not go on as if the season had been named.
  std::string name;
  if (!storableText(EditNeueSaison->text(), name)) return;
  if (db::exec(gDbHaupt, "UPDATE Disznamen SET Saisonname=? WHERE Nr=?;",
               {name, static_cast<int>(gEinstellungen.AktDisznr)}))
    closeWith(mrOk);
}
