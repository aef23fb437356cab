#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <mutex>

#include "platform/text.h"
#include "platform/workerthread.h"

namespace msg {
namespace {

std::mutex gResponderMutex;
Responder gResponder;

int showOnGuiThread(const Shown& s) {
  // Over the window in use, so the box is centred on it and blocks it.
  QWidget* over = QApplication::activeModalWidget();
  if (!over) over = QApplication::activeWindow();
  QMessageBox box(over);
  box.setWindowTitle(qs(s.caption));
  // The program's texts break lines with "\n\r", which is one line break, not two.
  std::string text = s.text;
  for (size_t at = text.find("\n\r"); at != std::string::npos; at = text.find("\n\r", at + 1))
    text.erase(at + 1, 1);
  box.setText(qs(text));
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

// The answer of a box nobody sees: its first button.
int firstButton(Buttons buttons) {
  return buttons == YesNo || buttons == YesNoCancel ? IdYes : IdOk;
}

int dispatch(const Shown& s) {
  Responder responder;
  {
    std::lock_guard<std::mutex> lock(gResponderMutex);
    responder = gResponder;
  }
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    // No widgets to show a box on.
    if (responder) return responder(s);
    std::fprintf(stderr, "[%s] %s\n", s.caption.c_str(), s.text.c_str());
    return firstButton(s.buttons);
  }
  // From a worker the box is shown on the GUI thread while the worker waits. The GUI
  // thread may itself be waiting for this worker; WorkerThread::waitFor serves the call.
  int result = IdCancel;
  runOnGuiThread([&] { result = responder ? responder(s) : showOnGuiThread(s); });
  return result;
}

}  // namespace

int show(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) {
  return dispatch(Shown{text, caption, buttons, icon});
}

void showSqlError(const std::string& statement, const std::string& dbMessage) {
  show("Fehler\n\r" + statement + "\n\r" + dbMessage, "Fehler", Ok, Error);
}

Responder setResponder(Responder responder) {
  std::lock_guard<std::mutex> lock(gResponderMutex);
  Responder previous = std::move(gResponder);
  gResponder = std::move(responder);
  return previous;
}

ScriptedMessages::ScriptedMessages() {
  previous_ = setResponder([this](const Shown& s) {
    shown_.push_back(s);
    if (!answers_.empty()) {
      int a = answers_.front();
      answers_.pop_front();
      return a;
    }
    return firstButton(s.buttons);
  });
}

ScriptedMessages::~ScriptedMessages() { setResponder(previous_); }

bool ScriptedMessages::contains(const std::string& textPart) const {
  for (const Shown& s : shown_)
    if (s.text.find(textPart) != std::string::npos) return true;
  return false;
}

}  // namespace msg

bool storableText(const QString& text, std::string& out) {
  QString refused;
  if (toCp1252(text, out, &refused)) return true;
  // The box speaks cp1252 as well, so the character is named by its code point.
  const uint code = refused.toUcs4().value(0);
  msg::show("Das Zeichen U+" + fromQs(QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0'))) +
                " kann nicht gespeichert werden.\nBitte den Text ohne dieses Zeichen eingeben.",
            "Fehler", msg::Ok, msg::Error);
  return false;
}
