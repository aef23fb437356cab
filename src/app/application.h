#pragma once
// The application object: an exception that reaches the top of an event handler is shown
// in a box and the program goes on.
#include <QApplication>
#include <functional>

class ZApplication : public QApplication {
 public:
  ZApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Runs fn; an exception that leaves it is shown in a box. false when one was caught.
bool runGuarded(const std::function<void()>& fn);
