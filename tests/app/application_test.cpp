// The program's application object: an exception that leaves an event handler is shown in
// a box, and the event loop and the windows go on. This test needs that application object
// as the one of its process, so it brings its own entry point.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QDialogButtonBox>
#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <stdexcept>

#include "app/application.h"
#include "platform/dialog.h"
#include "platform/messages.h"
#include "support/runtimedir.h"

namespace {

// An object whose handler of user events fails; other events pass as usual.
class Failing : public QObject {
 public:
  int calls = 0;
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    ++calls;
    if (calls == 1) throw std::runtime_error("Datei nicht lesbar");
    throw 42;
  }
};

}  // namespace

TEST(ApplicationObject, ExceptionInAHandlerIsShownAndTheEventFails) {
  ASSERT_NE(dynamic_cast<ZApplication*>(QCoreApplication::instance()), nullptr);
  msg::ScriptedMessages messages;
  Failing failing;
  QEvent first(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&failing, &first));
  QEvent second(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&failing, &second));
  ASSERT_EQ(messages.count(), 2u);
  EXPECT_EQ(messages.shown()[0].text, "Datei nicht lesbar");
  EXPECT_EQ(messages.shown()[0].caption, "Fehler");
  EXPECT_EQ(messages.shown()[1].text, "Unbekannter Fehler");
}

TEST(ApplicationObject, TheLoopGoesOnAfterAFailedHandler) {
  msg::ScriptedMessages messages;
  Failing failing;
  QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
  bool later = false;
  QTimer::singleShot(20, qApp, [&] {
    later = true;
    QCoreApplication::exit(5);
  });
  EXPECT_EQ(QCoreApplication::exec(), 5);
  EXPECT_EQ(failing.calls, 1);
  EXPECT_TRUE(later);
  EXPECT_EQ(messages.count(), 1u);
}

TEST(ApplicationObject, AModalWindowSurvivesAFailedHandlerAndClosesAsUsual) {
  msg::ScriptedMessages messages;
  ZDialog dialog;
  Failing failing;
  QTimer::singleShot(0, &dialog, [&] { QCoreApplication::postEvent(&failing, new QEvent(QEvent::User)); });
  QTimer::singleShot(50, &dialog, [&] {
    EXPECT_TRUE(dialog.isVisible());
    dialog.closeWith(mrOk);
  });
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_EQ(messages.count(), 1u);
}

TEST(ApplicationObject, QtsOwnButtonsSpeakGerman) {
  QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
  EXPECT_EQ(box.button(QDialogButtonBox::Save)->text(), QStringLiteral("Speichern"));
}

int main(int argc, char** argv) {
  ScopedRuntimeDir runtime;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ZApplication app(argc, argv);
  msg::setResponder([](const msg::Shown& s) {
    std::fprintf(stderr, "[unscripted box \"%s\"] %s\n", s.caption.c_str(), s.text.c_str());
    return static_cast<int>(msg::IdOk);
  });
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
