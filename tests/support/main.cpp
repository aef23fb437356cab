// Test entry: every test program gets an application object (offscreen; with widgets only
// where it builds with ZK_TEST_WIDGETS, which also installs the widget layer) and its own runtime
// folder, so single-instance locks of parallel tests never meet; the folder goes at the end. A message box that a test
// did not script is answered with its first button and printed, instead of waiting for a
// click that never comes.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>

#include "platform/messages.h"
#include "runtimedir.h"
#ifdef ZK_TEST_WIDGETS
#include <QApplication>

#include "platform/widgets.h"
#else
#include <QGuiApplication>
#endif

int main(int argc, char** argv) {
  ScopedRuntimeDir runtime;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
#ifdef ZK_TEST_WIDGETS
  QApplication app(argc, argv);
  installWidgetPlatform();
#else
  QGuiApplication app(argc, argv);
#endif
  msg::setResponder([](const msg::Shown& s) {
    std::fprintf(stderr, "[unscripted box \"%s\"] %s\n", s.caption.c_str(), s.text.c_str());
    return (s.buttons == msg::YesNo || s.buttons == msg::YesNoCancel) ? static_cast<int>(msg::IdYes)
                                                                        : static_cast<int>(msg::IdOk);
  });
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
