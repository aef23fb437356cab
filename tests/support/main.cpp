// Test entry: every test program gets a QApplication (offscreen) and its own runtime
// folder, so single-instance locks of parallel tests never meet. A message box that a test
// did not script is answered with its first button and printed, instead of waiting for a
// click that never comes.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <cstdio>

#include "platform/messages.h"

int main(int argc, char** argv) {
  char tmpl[] = "/tmp/zk-runtime-XXXXXX";
  if (char* dir = mkdtemp(tmpl)) setenv("XDG_RUNTIME_DIR", dir, 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  msg::setResponder([](const msg::Shown& s) {
    std::fprintf(stderr, "[unscripted box \"%s\"] %s\n", s.caption.c_str(), s.text.c_str());
    return (s.buttons == msg::YesNo || s.buttons == msg::YesNoCancel) ? static_cast<int>(msg::IdYes)
                                                                        : static_cast<int>(msg::IdOk);
  });
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
