#pragma once
// Another program holding a database: a child process opens the file, runs a statement such
// as "BEGIN EXCLUSIVE TRANSACTION;" and keeps its lock until this object ends.
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

class HeldDatabase {
 public:
  static constexpr const char* kExclusive = "BEGIN EXCLUSIVE TRANSACTION;";
  // A reader: others may still read, but no writer can commit.
  static constexpr const char* kReading = "BEGIN TRANSACTION; SELECT COUNT(*) FROM sqlite_master;";

  explicit HeldDatabase(const std::filesystem::path& file, const std::string& sql = kExclusive) {
    int fds[2];
    if (pipe(fds) != 0) return;
    child_ = fork();
    if (child_ == 0) {
      sqlite3* conn = nullptr;
      const char c = sqlite3_open(file.c_str(), &conn) == SQLITE_OK &&
                             sqlite3_exec(conn, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK
                         ? 'y'
                         : 'n';
      if (write(fds[1], &c, 1) == 1) pause();
      _exit(1);
    }
    char c = 0;
    held_ = child_ > 0 && read(fds[0], &c, 1) == 1 && c == 'y';
    close(fds[0]);
    close(fds[1]);
  }
  ~HeldDatabase() { release(); }
  HeldDatabase(const HeldDatabase&) = delete;
  HeldDatabase& operator=(const HeldDatabase&) = delete;

  bool held() const { return held_; }
  // The other program ends; its lock goes with it.
  void release() {
    if (child_ > 0) {
      kill(child_, SIGKILL);
      waitpid(child_, nullptr, 0);
    }
    child_ = -1;
    held_ = false;
  }

 private:
  pid_t child_ = -1;
  bool held_ = false;
};
