#pragma once
// The single-instance guard: an exclusive flock on a file named after the lock in the
// user's runtime folder ($XDG_RUNTIME_DIR, else /tmp). The kernel releases it when the
// holder ends in any way, so a crashed copy never blocks the next start.
#include <filesystem>
#include <string>
#include <utility>

class InstanceLock {
 public:
  explicit InstanceLock(std::string name);
  ~InstanceLock();  // releases
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // false when another process (or another InstanceLock) holds the lock, or no lock file
  // can be opened (the runtime folder, then /tmp). Taking a held lock again returns true.
  bool acquire();
  void release();
  bool held() const { return fd_ >= 0; }

  // The lock file of a name, e.g. "/run/user/1000/ZielKontorMutex.lock".
  static std::string pathFor(const std::string& name);
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::string name_;
  int fd_ = -1;
};

// The same guard on a folder itself: an exclusive flock on the open folder, so that no two
// copies work on one data set, whatever runtime folder each was started with. Nothing is
// written into the folder.
class FolderLock {
 public:
  FolderLock() = default;
  ~FolderLock();  // releases
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // false when another process holds the folder or it cannot be opened.
  bool acquire(const std::filesystem::path& folder);
  void release();

 private:
  int fd_ = -1;
};
