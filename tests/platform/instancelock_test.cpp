#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/instancelock.h"
#include "support/testenv.h"

namespace {
// A name of this test process alone: a copy of the program running on the machine holds the
// real one, in the runtime folder or in /tmp.
const std::string kName = "ZielKontorTest-" + std::to_string(getpid());

// A second process takes the lock and holds it until it is killed. Returns its pid once
// it holds the lock (or -1).
pid_t startHolder() {
  int ready[2];
  if (pipe(ready) != 0) return -1;
  pid_t pid = fork();
  if (pid == 0) {
    close(ready[0]);
    InstanceLock lock(kName);
    char ok = lock.acquire() ? '1' : '0';
    if (write(ready[1], &ok, 1) != 1) _exit(2);
    for (;;) pause();
  }
  close(ready[1]);
  char ok = '0';
  ssize_t n = read(ready[0], &ok, 1);
  close(ready[0]);
  if (n != 1 || ok != '1') {
    if (pid > 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    return -1;
  }
  return pid;
}
}  // namespace

TEST(InstanceLock, ASecondCopyIsRefusedUntilTheFirstDies) {
  pid_t holder = startHolder();
  ASSERT_GT(holder, 0) << "the first copy could not take the lock";

  InstanceLock second(kName);
  EXPECT_FALSE(second.acquire()) << "a second copy got the lock while the first runs";
  EXPECT_FALSE(second.held());

  // A crash: the kernel releases the lock, nobody cleans up.
  kill(holder, SIGKILL);
  waitpid(holder, nullptr, 0);
  EXPECT_TRUE(second.acquire());
  EXPECT_TRUE(second.held());
}

TEST(InstanceLock, ReleasedLockCanBeTakenAgainAndLivesInTheRuntimeFolder) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  ASSERT_TRUE(runtime);
  EXPECT_EQ(InstanceLock::pathFor(kName), std::string(runtime) + "/" + kName + ".lock");

  InstanceLock first(kName);
  ASSERT_TRUE(first.acquire());
  EXPECT_TRUE(first.acquire()) << "taking a held lock again";
  {
    InstanceLock other(kName);
    EXPECT_FALSE(other.acquire());
  }
  first.release();
  InstanceLock other(kName);
  EXPECT_TRUE(other.acquire());
  InstanceLock unrelated("AndererName");
  EXPECT_TRUE(unrelated.acquire());
}

TEST(InstanceLock, AnUnusableRuntimeFolderFallsBackToTmpAndStillGuards) {
  // A broken runtime folder must not make every start look like a second copy.
  std::string saved = std::getenv("XDG_RUNTIME_DIR");
  setenv("XDG_RUNTIME_DIR", "/nonexistent/folder", 1);
  InstanceLock lock(kName);
  InstanceLock second(kName);
  setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
  // The file in /tmp is named after this process alone: it goes when the test ends, however it ends.
  struct RemovedAtEnd {
    const InstanceLock& lock;
    ~RemovedAtEnd() {
      std::error_code ec;
      std::filesystem::remove(lock.path(), ec);
    }
  } removed{lock};
  ASSERT_TRUE(lock.acquire());
  EXPECT_EQ(lock.path().rfind("/tmp/", 0), 0u) << lock.path();
  EXPECT_FALSE(second.acquire()) << "both copies fall back to the same file";
}

TEST(FolderLock, OneCopyPerFolderWhateverItsRuntimeFolder) {
  ScopedWorkDir work;
  const char* folder = work.path().c_str();
  FolderLock first;
  ASSERT_TRUE(first.acquire(folder));
  pid_t child = fork();
  if (child == 0) {
    setenv("XDG_RUNTIME_DIR", "/nonexistent/other", 1);
    FolderLock second;
    _exit(second.acquire(folder) ? 1 : 0);
  }
  int status = -1;
  waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "a second process got the folder";
  first.release();
  FolderLock again;
  EXPECT_TRUE(again.acquire(folder));
  again.release();
}
