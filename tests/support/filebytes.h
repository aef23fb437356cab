#pragma once
// Whole files as byte strings, for tests that compare what was written, and the expected
// files written by hand under tests/<folder>/data.
#include <fstream>
#include <iterator>
#include <string>

inline std::string readFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

#ifdef ZK_TESTS_DIR
inline std::string expectedFile(const std::string& folder, const std::string& name) {
  return readFileBytes(std::string(ZK_TESTS_DIR) + "/" + folder + "/data/" + name);
}
#endif
