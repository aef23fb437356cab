#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "platform/messages.h"
#include "platform/text.h"

namespace msg {

int showMessageBox(const Shown& s) {
  // Over the window in use, so the box is centred on it and blocks it.
  QWidget* over = QApplication::activeModalWidget();
  if (!over) over = QApplication::activeWindow();
  QMessageBox box(over);
  box.setWindowTitle(qs(s.caption));
  // The program's texts break lines with "\n\r", which is one line break, not two.
  box.setText(QString(s.unicode).replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
  switch (s.icon) {
    case Information: box.setIcon(QMessageBox::Information); break;
    case Warning: box.setIcon(QMessageBox::Warning); break;
    case Error: box.setIcon(QMessageBox::Critical); break;
    case Question: box.setIcon(QMessageBox::Question); break;
    case NoIcon: break;
  }
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
  QPushButton* yes = nullptr;
  QPushButton* no = nullptr;
  switch (s.buttons) {
    case Ok: ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole); break;
    case OkCancel:
      ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
      cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
      break;
    case YesNo:
      yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
      no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
      break;
    case YesNoCancel:
      yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
      no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
      cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
      break;
  }
  if (cancel) box.setEscapeButton(cancel);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  if (clicked && clicked == ok) return IdOk;
  if (clicked && clicked == yes) return IdYes;
  if (clicked && clicked == no) return IdNo;
  if (clicked && clicked == cancel) return IdCancel;
  // Closed without a button: the box's escape answer.
  if (s.buttons == YesNo) return IdNo;
  if (s.buttons == Ok) return IdOk;
  return IdCancel;
}

}  // namespace msg
