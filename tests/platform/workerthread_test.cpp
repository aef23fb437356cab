#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <stdexcept>
#include <thread>

#include "platform/messages.h"
#include "platform/workerthread.h"

namespace {
bool onGuiThread() { return QThread::currentThread() == QCoreApplication::instance()->thread(); }

// Runs the event loop until done() or a few seconds have passed.
template <class F>
bool processEventsUntil(F done) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}
}  // namespace

TEST(WorkerThread, RunsOnlyAfterStartAndReportsThroughTheGuiThread) {
  std::atomic<bool> ran{false};
  std::vector<int> steps;  // touched on the GUI thread only
  bool stepsOnGui = true, terminateOnGui = false, finishedBeforeTerminate = true;
  WorkerThread* self = nullptr;
  WorkerThread worker([&](WorkerThread& w) {
    ran = true;
    for (int i = 1; i <= 3; ++i)
      w.synchronize([&, i] {
        stepsOnGui = stepsOnGui && onGuiThread();
        steps.push_back(i);
      });
  });
  self = &worker;
  worker.setOnTerminate([&] {
    terminateOnGui = onGuiThread();
    finishedBeforeTerminate = self->finished();
  });

  QThread::msleep(20);
  EXPECT_FALSE(ran) << "a worker is created suspended";
  worker.start();
  ASSERT_TRUE(processEventsUntil([&] { return worker.finished(); }));
  EXPECT_EQ(steps, (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(stepsOnGui);
  EXPECT_TRUE(terminateOnGui);
  EXPECT_FALSE(finishedBeforeTerminate) << "the terminate callback runs before the end is reported";
}

TEST(WorkerThread, WaitingOnTheGuiThreadServesSynchronisedCalls) {
  // The GUI thread blocks in waitFor without an event loop; the worker's calls must not
  // deadlock, message boxes from the worker included.
  msg::ScriptedMessages messages;
  messages.answer(msg::IdNo);
  int answer = 0;
  int synced = 0;
  WorkerThread worker([&](WorkerThread& w) {
    w.synchronize([&] { ++synced; });
    answer = msg::show("Weiter?", "Frage", msg::YesNo);
  });
  worker.start();
  worker.waitFor();
  EXPECT_TRUE(worker.finished());
  EXPECT_EQ(synced, 1);
  EXPECT_EQ(answer, msg::IdNo);
  ASSERT_EQ(messages.count(), 1u);
  EXPECT_EQ(messages.shown()[0].caption, "Frage");
}

TEST(WorkerThread, TerminateIsARequestTheBodyObserves) {
  std::atomic<int> rounds{0};
  {
    WorkerThread worker([&](WorkerThread& w) {
      while (!w.terminated()) {
        ++rounds;
        QThread::msleep(1);
      }
    });
    worker.start();
    while (rounds == 0) QThread::msleep(1);
    // Leaving the scope asks the body to stop and waits for it.
  }
  EXPECT_GT(rounds, 0);

  WorkerThread never([](WorkerThread&) {});
  never.waitFor();  // never started: returns at once
  EXPECT_FALSE(never.finished());
}

TEST(WorkerThread, AnExceptionInTheBodyIsShownAndTheThreadStillEnds) {
  msg::ScriptedMessages messages;
  bool terminated = false;
  WorkerThread worker([](WorkerThread&) { throw std::runtime_error("Datenbank gesperrt"); });
  worker.setOnTerminate([&] { terminated = true; });
  worker.start();
  worker.waitFor();
  EXPECT_TRUE(terminated);
  EXPECT_TRUE(messages.contains("Datenbank gesperrt"));
}

TEST(GuiCalls, ExceptionsReachTheWaitingWorker) {
  std::string caught;
  std::thread t([&] {
    try {
      runOnGuiThread([] { throw std::runtime_error("aus dem GUI-Thread"); });
    } catch (const std::exception& e) {
      caught = e.what();
    }
  });
  ASSERT_TRUE(processEventsUntil([&] { return !caught.empty(); }));
  t.join();
  EXPECT_EQ(caught, "aus dem GUI-Thread");
}

TEST(Messages, ScriptedAnswersAndDefaults) {
  msg::ScriptedMessages m;
  m.answer(msg::IdCancel);
  EXPECT_EQ(msg::show("a", "Meldung", msg::YesNoCancel), msg::IdCancel);
  EXPECT_EQ(msg::show("b", "Meldung", msg::YesNo), msg::IdYes) << "unscripted: first button";
  EXPECT_EQ(msg::show("c", "Info", msg::OkCancel), msg::IdOk);
  msg::showSqlError("SELECT x;", "no such column: x");
  ASSERT_EQ(m.count(), 4u);
  EXPECT_EQ(m.shown()[3].text, "Fehler\n\rSELECT x;\n\rno such column: x");
  EXPECT_EQ(m.shown()[3].caption, "Fehler");
  {
    msg::ScriptedMessages inner;  // nests: the inner script sees the box, the outer does not
    msg::show("d", "Info");
    EXPECT_EQ(inner.count(), 1u);
  }
  msg::show("e", "Info");
  EXPECT_EQ(m.count(), 5u);
}

TEST(Messages, ABoxFromAPlainThreadIsAnsweredOnTheGuiThread) {
  msg::ScriptedMessages m;
  m.answer(msg::IdNo);
  bool answeredOnGui = false;
  msg::Responder previous = msg::setResponder([&](const msg::Shown&) {
    answeredOnGui = onGuiThread();
    return static_cast<int>(msg::IdNo);
  });
  std::atomic<int> answer{0};
  std::thread t([&] { answer = msg::show("Fortsetzen?", "Frage", msg::YesNo); });
  ASSERT_TRUE(processEventsUntil([&] { return answer != 0; }));
  t.join();
  msg::setResponder(previous);
  EXPECT_EQ(answer, msg::IdNo);
  EXPECT_TRUE(answeredOnGui);
}
