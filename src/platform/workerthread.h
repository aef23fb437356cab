#pragma once
// A worker thread in the manner the program expects: created suspended, started later,
// reporting to the windows only through calls that run on the GUI thread while the worker
// waits, and telling the GUI thread when it has ended.
#include <atomic>
#include <functional>
#include <thread>

// Runs fn on the GUI thread and waits until it has run. On the GUI thread (or without an
// application object) fn runs at once. An exception thrown by fn reaches the caller.
void runOnGuiThread(const std::function<void()>& fn);

// Runs the calls that worker threads are waiting on; the GUI thread calls this while it
// blocks for a worker, so that the worker can finish.
void processGuiCalls();

class WorkerThread {
 public:
  using Body = std::function<void(WorkerThread&)>;

  // Created suspended: nothing runs before start().
  explicit WorkerThread(Body body = nullptr);
  // Asks the body to stop and waits for it.
  virtual ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  void start();

  // From the body: runs fn on the GUI thread and returns when it has run.
  void synchronize(const std::function<void()>& fn) { runOnGuiThread(fn); }

  // Called on the GUI thread after the body has returned, before finished() turns true.
  void setOnTerminate(std::function<void()> fn) { onTerminate_ = std::move(fn); }

  // Asks the body to stop; the body polls terminated().
  void terminate() { terminateRequested_ = true; }
  bool terminated() const { return terminateRequested_; }

  bool started() const { return thread_.joinable(); }
  bool finished() const { return finished_; }

  // Blocks until the body and the terminate callback have run, serving the worker's
  // synchronised calls meanwhile. Returns at once when the thread was never started.
  void waitFor();

 protected:
  // The work; by default the body given to the constructor. An exception that leaves it is
  // shown in a box. A subclass that overrides it calls waitFor() in its own destructor.
  virtual void execute();

 private:
  void run();

  Body body_;
  std::function<void()> onTerminate_;
  std::thread thread_;
  std::atomic<bool> terminateRequested_{false};
  std::atomic<bool> finished_{false};
};
