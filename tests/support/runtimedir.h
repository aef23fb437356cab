#pragma once
// The runtime folder of one test process: a fresh 0700 folder named in XDG_RUNTIME_DIR, so
// that the single-instance locks of parallel tests never meet. It goes with all it holds when
// main returns, failed assertions or not; a forked child leaves it to the process that made it.
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

class ScopedRuntimeDir {
 public:
  ScopedRuntimeDir() {
    char tmpl[] = "/tmp/zk-runtime-XXXXXX";
    if (char* dir = mkdtemp(tmpl)) {
      path_ = dir;
      setenv("XDG_RUNTIME_DIR", dir, 1);
    }
  }
  ~ScopedRuntimeDir() {
    if (path_.empty() || getpid() != owner_) return;
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScopedRuntimeDir(const ScopedRuntimeDir&) = delete;
  ScopedRuntimeDir& operator=(const ScopedRuntimeDir&) = delete;

 private:
  std::string path_;
  pid_t owner_ = getpid();
};
