#pragma once
// A path whose open fails with EIO, as a failing disk's would: the far side of a pseudo
// terminal whose near side is still locked.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

namespace pf::test {

class LockedTerminal {
 public:
  LockedTerminal() : master_(::posix_openpt(O_RDWR | O_NOCTTY)) {
    const char* name = master_ >= 0 ? ::ptsname(master_) : nullptr;
    if (name == nullptr) {
      ADD_FAILURE() << "no pseudo terminal";
      return;
    }
    path_ = name;
  }
  ~LockedTerminal() {
    if (master_ >= 0) ::close(master_);
  }
  LockedTerminal(const LockedTerminal&) = delete;
  LockedTerminal& operator=(const LockedTerminal&) = delete;

  const std::string& Path() const { return path_; }

 private:
  int master_;
  std::string path_;
};

}  // namespace pf::test
