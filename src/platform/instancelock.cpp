#include "platform/instancelock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace {
std::string sharedTmpPath(const std::string& name) {
  // /tmp is shared by all users: the user id keeps one user's copy from blocking another's.
  return "/tmp/" + name + "-" + std::to_string(getuid()) + ".lock";
}

// Takes the lock on an opened file; a descriptor that cannot be locked is closed.
bool lockOpened(int fd, int& held) {
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  held = fd;
  return true;
}

void unlockAndClose(int& fd) {
  if (fd < 0) return;
  ::flock(fd, LOCK_UN);
  ::close(fd);
  fd = -1;
}
}  // namespace

InstanceLock::InstanceLock(std::string name) : path_(pathFor(name)), name_(std::move(name)) {}

InstanceLock::~InstanceLock() { release(); }

std::string InstanceLock::pathFor(const std::string& name) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return std::string(runtime) + "/" + name + ".lock";
  return sharedTmpPath(name);
}

bool InstanceLock::acquire() {
  if (fd_ >= 0) return true;
  int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0 && path_ != sharedTmpPath(name_)) {
    // An unusable runtime folder must not pass for a running copy: lock in /tmp instead.
    path_ = sharedTmpPath(name_);
    fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  }
  return lockOpened(fd, fd_);
}

void InstanceLock::release() {
  // The file stays: removing it would let a third copy lock a new file while a second
  // still holds the old one.
  unlockAndClose(fd_);
}

FolderLock::~FolderLock() { release(); }

bool FolderLock::acquire(const std::filesystem::path& folder) {
  if (fd_ >= 0) return true;
  return lockOpened(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC), fd_);
}

void FolderLock::release() { unlockAndClose(fd_); }
