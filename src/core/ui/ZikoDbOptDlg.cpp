#include "core/ui/ZikoDbOptDlg.h"

#include <QVBoxLayout>
#include <chrono>
#include <thread>

#include "core/globals.h"
#include "platform/text.h"

TZikoDbOptDlg* ZikoDbOptDlg = nullptr;

DBOptimierungThread::~DBOptimierungThread() {
  terminate();
  waitFor();
}

void DBOptimierungThread::execute() {
  succeeded_ = RunDatabaseCleanup(gDbHaupt, *this);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

void DBOptimierungThread::AddProgressLine(const std::string& line) {
  line_ = line;
  synchronize([this] { DoAddProgressLine(); });
}

void DBOptimierungThread::SetProgressRange(int n) {
  range_ = n;
  synchronize([this] { DoSetProgressRange(); });
}

void DBOptimierungThread::SetProgressPosition(int i) {
  position_ = i;
  synchronize([this] { DoSetProgressPosition(); });
}

void DBOptimierungThread::DoAddProgressLine() { owner_->Memo1->appendPlainText(qs(line_)); }

void DBOptimierungThread::DoSetProgressRange() {
  owner_->ProgressBar1->setValue(0);
  owner_->ProgressBar1->setRange(0, range_ < 1 ? 1 : range_);
}

void DBOptimierungThread::DoSetProgressPosition() { owner_->ProgressBar1->setValue(position_); }

TZikoDbOptDlg::TZikoDbOptDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Datenbank wird optimiert"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setUserClosable(false);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setRange(0, 100);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setReadOnly(true);
  Closer = new QTimer(this);
  Closer->setInterval(100);
  Closer->setSingleShot(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ProgressBar1);
  layout->addWidget(Memo1, 1);
  resize(420, 300);
  connect(Closer, &QTimer::timeout, this, &TZikoDbOptDlg::CloserTimer);
}

TZikoDbOptDlg::~TZikoDbOptDlg() {
  if (thread_) {
    thread_->terminate();
    thread_->waitFor();
    thread_.reset();
  }
}

void TZikoDbOptDlg::FormShow() {
  Memo1->clear();
  thread_ = std::make_unique<DBOptimierungThread>(this);
  thread_->setOnTerminate([this] { OptimizerTerminated(); });
  thread_->start();
}

void TZikoDbOptDlg::OptimizerTerminated() {
  // The settings belong to the GUI thread, so they change only now that the worker ended.
  if (thread_ && thread_->succeeded()) ResetSettingsAfterCleanup();
  Closer->start();
}

void TZikoDbOptDlg::CloserTimer() {
  Closer->stop();
  bool succeeded = false;
  if (thread_) {
    thread_->waitFor();
    succeeded = thread_->succeeded();
    thread_.reset();
  }
  closeWith(succeeded ? mrOk : mrAbort);
}
