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
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

void InstanceLock::release() {
  if (fd_ < 0) return;
  // The file stays: removing it would let a third copy lock a new file while a second
  // still holds the old one.
  ::flock(fd_, LOCK_UN);
  ::close(fd_);
  fd_ = -1;
}

FolderLock::~FolderLock() { release(); }

bool FolderLock::acquire(const std::filesystem::path& folder) {
  if (fd_ >= 0) return true;
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

void FolderLock::release() {
  if (fd_ < 0) return;
  ::flock(fd_, LOCK_UN);
  ::close(fd_);
  fd_ = -1;
}
