#include "app/application.h"

#include <QLibraryInfo>
#include <QTranslator>
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

ZApplication::ZApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // Qt's own dialogs and standard buttons speak German whatever the machine's language.
  auto* german = new QTranslator(this);
  if (german->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installTranslator(german);
}

bool ZApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  runGuarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}
