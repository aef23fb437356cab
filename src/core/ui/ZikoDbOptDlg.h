#pragma once
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTimer>
#include <memory>
#include <string>

#include "core/cleanup.h"
#include "platform/dialog.h"
#include "platform/workerthread.h"

class TZikoDbOptDlg;

// The clean-up's worker: each progress report is handed to the dialog on the GUI thread.
class DBOptimierungThread : public WorkerThread, public CleanupProgress {
 public:
  explicit DBOptimierungThread(TZikoDbOptDlg* owner) : owner_(owner) {}
  ~DBOptimierungThread() override;

  void AddProgressLine(const std::string& line) override;
  void SetProgressRange(int n) override;
  void SetProgressPosition(int i) override;

  // Whether the clean-up ran to its end and was stored; read once the worker has ended.
  bool succeeded() const { return succeeded_; }

 protected:
  void execute() override;

 private:
  void DoAddProgressLine();
  void DoSetProgressRange();
  void DoSetProgressPosition();

  TZikoDbOptDlg* owner_;
  std::string line_;
  int range_ = 0;
  int position_ = 0;
  bool succeeded_ = false;
};

// Progress of the clean-up; it closes itself once the worker has ended and cannot be
// closed by hand. Modal result: mrOk when the clean-up was stored, mrAbort when it failed
// and nothing was changed.
class TZikoDbOptDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoDbOptDlg(QWidget* parent = nullptr);
  ~TZikoDbOptDlg() override;

  void FormShow() override;
  void OptimizerTerminated();
  void CloserTimer();

  QProgressBar* ProgressBar1;
  QPlainTextEdit* Memo1;
  QTimer* Closer;

 private:
  std::unique_ptr<DBOptimierungThread> thread_;
};

extern TZikoDbOptDlg* ZikoDbOptDlg;
