#include <QApplication>

#include "core/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (!OpenDatabases()) return 1;
  PrepareDatabases();
  QWidget window;
  window.show();
  app.exec();
  ShutDown();
  return 0;
}
