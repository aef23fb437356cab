#include "app/application.h"

#include <exception>
#include <string>

#include "platform/messages.h"

namespace {
void showException(const std::string& what) {
  msg::show(what.empty() ? std::string("Unbekannter Fehler") : what, "Fehler", msg::Ok,
            msg::Error);
}
}  // namespace

bool runGuarded(const std::function<void()>& fn) {
  try {
    fn();
    return true;
  } catch (const std::exception& e) {
    showException(e.what());
  } catch (...) {
    showException(std::string());
  }
  return false;
}

ZApplication::ZApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ZApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  runGuarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}
