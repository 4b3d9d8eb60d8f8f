#pragma once
// A fresh directory below the system temp directory, removed with everything in it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace pf::test {

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pf_test_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    // Canonical, so that it compares equal to what a child's getcwd reports.
    path_ = std::filesystem::canonical(pattern);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  std::string WriteFile(const std::string& name, const std::string& bytes) const {
    const std::string file = *this / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }

 private:
  std::filesystem::path path_;
};

// The directory it is given is the working directory for its lifetime, and the one before is
// again once it goes, also when something on the way moved it (a file dialog does). Declared
// after the TempDir it enters, it leaves before that is removed.
class WorkingDir {
 public:
  explicit WorkingDir(const std::filesystem::path& dir) : before_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~WorkingDir() {
    std::error_code ec;
    std::filesystem::current_path(before_, ec);
  }
  WorkingDir(const WorkingDir&) = delete;
  WorkingDir& operator=(const WorkingDir&) = delete;

 private:
  std::filesystem::path before_;
};

// The file's bytes; what could not be read is missing rather than thrown (a /proc file of a
// process that has just ended fails its read).
inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace pf::test
