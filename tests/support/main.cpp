// Test entry: every test program gets a QApplication (offscreen) and its own runtime
// folder, so single-instance locks of parallel tests never meet.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>

int main(int argc, char** argv) {
  char tmpl[] = "/tmp/zk-runtime-XXXXXX";
  if (char* dir = mkdtemp(tmpl)) setenv("XDG_RUNTIME_DIR", dir, 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
