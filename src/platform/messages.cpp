#include "platform/messages.h"

#include <QList>
#include <cstdio>
#include <mutex>

#include "platform/text.h"
#include "platform/workerthread.h"

namespace msg {
namespace {

std::mutex gResponderMutex;
Responder gResponder;
Responder gBox;

// The answer of a box nobody sees: its first button.
int firstButton(Buttons buttons) {
  return buttons == YesNo || buttons == YesNoCancel ? IdYes : IdOk;
}

int dispatch(const Shown& s) {
  Responder answer;
  {
    std::lock_guard<std::mutex> lock(gResponderMutex);
    answer = gResponder ? gResponder : gBox;
  }
  if (!answer) {
    // No windows to show a box on.
    std::fprintf(stderr, "[%s] %s\n", qs(s.caption).toLocal8Bit().constData(), s.unicode.toLocal8Bit().constData());
    return firstButton(s.buttons);
  }
  // From a worker the box is shown on the GUI thread while the worker waits. The GUI
  // thread may itself be waiting for this worker; WorkerThread::waitFor serves the call.
  int result = IdCancel;
  runOnGuiThread([&] { result = answer(s); });
  return result;
}

}  // namespace

int show(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) {
  return dispatch(Shown{text, caption, buttons, icon, qs(text)});
}

int show(const QString& text, const std::string& caption, Buttons buttons, Icon icon) {
  return dispatch(Shown{fromQs(text), caption, buttons, icon, text});
}

void showSqlError(const std::string& statement, const std::string& dbMessage) {
  show("Fehler\n\r" + statement + "\n\r" + dbMessage, "Fehler", Ok, Error);
}

void setMessageBox(Responder box) {
  std::lock_guard<std::mutex> lock(gResponderMutex);
  gBox = std::move(box);
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

bool ScriptedMessages::contains(const QString& textPart) const {
  for (const Shown& s : shown_)
    if (s.unicode.contains(textPart)) return true;
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
