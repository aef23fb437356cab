#pragma once
// Shared test fixtures: a fresh working directory per test and a prepared database.
#include <gtest/gtest.h>

#include <string>

// Creates a fresh temporary folder, makes it the current directory and removes it again.
class ScopedWorkDir {
 public:
  ScopedWorkDir();
  ~ScopedWorkDir();
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
  std::string previous_;
};

// A test in its own folder with the five databases open, the globals filled and the default
// database built, as after a first start.
class DatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  ScopedWorkDir* dir = nullptr;
};

bool runningAsRoot();
