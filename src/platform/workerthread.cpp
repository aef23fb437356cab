#include "platform/workerthread.h"

#include <QCoreApplication>
#include <QThread>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>

#include "platform/messages.h"

namespace {

struct GuiCall {
  const std::function<void()>* fn = nullptr;
  bool done = false;
  std::exception_ptr error;
};

// One lock and one condition for the queue of GUI calls and for the end of workers, so
// that a GUI thread waiting for a worker wakes for either.
std::mutex gMutex;
std::condition_variable gChanged;
std::deque<GuiCall*> gQueue;

bool onGuiThread() {
  QCoreApplication* app = QCoreApplication::instance();
  return !app || QThread::currentThread() == app->thread();
}

}  // namespace

void runOnGuiThread(const std::function<void()>& fn) {
  if (onGuiThread()) {
    fn();
    return;
  }
  GuiCall call;
  call.fn = &fn;
  {
    std::lock_guard<std::mutex> lock(gMutex);
    gQueue.push_back(&call);
  }
  gChanged.notify_all();  // wakes a GUI thread blocked in waitFor
  QMetaObject::invokeMethod(QCoreApplication::instance(), &processGuiCalls, Qt::QueuedConnection);
  std::unique_lock<std::mutex> lock(gMutex);
  gChanged.wait(lock, [&] { return call.done; });
  if (call.error) std::rethrow_exception(call.error);
}

void processGuiCalls() {
  for (;;) {
    GuiCall* call = nullptr;
    {
      std::lock_guard<std::mutex> lock(gMutex);
      if (gQueue.empty()) return;
      call = gQueue.front();
      gQueue.pop_front();
    }
    std::exception_ptr error;
    try {
      (*call->fn)();
    } catch (...) {
      error = std::current_exception();
    }
    {
      std::lock_guard<std::mutex> lock(gMutex);
      call->error = error;
      call->done = true;
    }
    gChanged.notify_all();
  }
}

WorkerThread::WorkerThread(Body body) : body_(std::move(body)) {}

WorkerThread::~WorkerThread() {
  terminate();
  waitFor();
}

void WorkerThread::start() {
  if (thread_.joinable() || finished_) return;
  thread_ = std::thread([this] { run(); });
}

void WorkerThread::execute() {
  if (body_) body_(*this);
}

void WorkerThread::run() {
  try {
    execute();
  } catch (const std::exception& e) {
    msg::show(e.what(), "Fehler", msg::Ok, msg::Error);
  } catch (...) {
    msg::show("Unbekannter Fehler im Hintergrund.", "Fehler", msg::Ok, msg::Error);
  }
  if (onTerminate_) runOnGuiThread(onTerminate_);
  {
    std::lock_guard<std::mutex> lock(gMutex);
    finished_ = true;
  }
  gChanged.notify_all();
}

void WorkerThread::waitFor() {
  if (!thread_.joinable()) return;
  if (std::this_thread::get_id() == thread_.get_id()) return;  // the body cannot wait for itself
  bool gui = onGuiThread();
  std::unique_lock<std::mutex> lock(gMutex);
  while (!finished_) {
    gChanged.wait(lock, [&] { return finished_ || (gui && !gQueue.empty()); });
    if (gui && !gQueue.empty()) {
      lock.unlock();
      processGuiCalls();
      lock.lock();
    }
  }
  lock.unlock();
  thread_.join();
}
