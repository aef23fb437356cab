#include "exchange/ui/ZkoEinstWebzugangDlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/globals.h"
#include "core/settings.h"
#include "platform/messages.h"
#include "platform/text.h"

TZkoEinstWebzugangDlg* ZkoEinstWebzugangDlg = nullptr;

namespace {
constexpr int kMaxLength = 49;  // the field width in the settings record

QLineEdit* newEdit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setMaxLength(kMaxLength);
  return edit;
}
}  // namespace

TZkoEinstWebzugangDlg::TZkoEinstWebzugangDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Web-Zugangsdaten"));
  EditServername = newEdit(this);
  EditServerpfad = newEdit(this);
  EditUser = newEdit(this);
  EditPasswort = newEdit(this);
  EditPasswort->setEchoMode(QLineEdit::Password);
  ButtonOk = new QPushButton(qs("Übernehmen"), this);
  ButtonAbbrechen = new QPushButton(qs("Abbrechen ESC"), this);

  auto* form = new QFormLayout;
  form->addRow(qs("Servername:"), EditServername);
  form->addRow(qs("Serverpfad:"), EditServerpfad);
  form->addRow(qs("Benutzer:"), EditUser);
  form->addRow(qs("Passwort:"), EditPasswort);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ButtonOk);
  buttons->addWidget(ButtonAbbrechen);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);

  connect(ButtonOk, &QPushButton::clicked, this, [this] { ButtonOkClick(); });
  connect(ButtonAbbrechen, &QPushButton::clicked, this, [this] { reject(); });
}

void TZkoEinstWebzugangDlg::FormShow() {
  RestoreWebzugang();
  EditServername->setText(qs(gIntdat.WebServername));
  EditServerpfad->setText(qs(gIntdat.WebServerpfad));
  EditUser->setText(qs(gIntdat.WebUser));
  EditPasswort->setText(qs(gIntdat.WebPasswort));
  EditServername->setFocus();
}

void TZkoEinstWebzugangDlg::ButtonOkClick() {
  std::string v[4];
  QLineEdit* edits[4] = {EditServername, EditServerpfad, EditUser, EditPasswort};
  for (int i = 0; i < 4; ++i)
    if (!storableText(edits[i]->text().left(kMaxLength), v[i])) return;
  gIntdat.WebServername = v[0];
  gIntdat.WebServerpfad = v[1];
  gIntdat.WebUser = v[2];
  gIntdat.WebPasswort = v[3];
  StoreWebzugang(gIntdat.WebServername, gIntdat.WebServerpfad, gIntdat.WebUser,
                 gIntdat.WebPasswort);
  SaveSettingsShowingFailure();
  closeWith(mrOk);
}
