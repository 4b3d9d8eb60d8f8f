#pragma once
// A full disk for as long as it lives: the process may not grow any file (RLIMIT_FSIZE 0), so
// every write to a regular file fails as on a disk without room (EFBIG instead of ENOSPC), while
// creating, renaming and removing files still work. Needs neither root nor a file system of its
// own. The signal the kernel sends with the failure is ignored, so the write just fails.

#include <sys/resource.h>

#include <csignal>

namespace pf::test {

class FullDisk {
 public:
  FullDisk() : signal_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &before_);
    rlimit full = before_;
    full.rlim_cur = 0;
    ::setrlimit(RLIMIT_FSIZE, &full);
  }
  ~FullDisk() {
    ::setrlimit(RLIMIT_FSIZE, &before_);
    std::signal(SIGXFSZ, signal_);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

 private:
  void (*signal_)(int);
  rlimit before_{};
};

}  // namespace pf::test
