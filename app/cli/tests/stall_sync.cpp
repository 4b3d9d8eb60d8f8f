// Preloaded by save_interrupted.sh and gerber_interrupted.sh: the fsync of a file whose path
// holds $STALL_SYNC_NAME first makes the file $STALL_SYNC_MARK and then waits a minute, so that
// a signal comes while the file is being written (after its bytes, before its rename); with
// $STALL_SYNC_FAIL set it fails at once instead, as a disk that cannot take the bytes. The
// rename of a file whose old path holds $STALL_RENAME_NAME makes the mark and waits three seconds
// before it goes on, or with $STALL_SYNC_FAIL set fails at once; with it set an idle thread runs
// beside the program's, as a desktop's toolkit has, so that a signal to the program may land in
// another thread than the renaming one.
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int fsync(int fd) {
  using Fsync = int (*)(int);
  static const auto next = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
  const char* name = std::getenv("STALL_SYNC_NAME");
  const char* mark = std::getenv("STALL_SYNC_MARK");
  char link[64];
  char target[4096];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t length = readlink(link, target, sizeof target - 1);
  if (name != nullptr && mark != nullptr && length > 0) {
    target[length] = '\0';
    if (std::strstr(target, name) != nullptr) {
      close(open(mark, O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
      if (std::getenv("STALL_SYNC_FAIL") != nullptr) {
        errno = EIO;
        return -1;
      }
      for (int second = 0; second < 60; ++second) sleep(1);
    }
  }
  return next(fd);
}

extern "C" int rename(const char* from, const char* to) {
  using Rename = int (*)(const char*, const char*);
  static const auto next = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
  const char* name = std::getenv("STALL_RENAME_NAME");
  const char* mark = std::getenv("STALL_SYNC_MARK");
  if (name != nullptr && mark != nullptr && std::strstr(from, name) != nullptr) {
    close(open(mark, O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    if (std::getenv("STALL_SYNC_FAIL") != nullptr) {
      errno = EIO;
      return -1;
    }
    sleep(3);
  }
  return next(from, to);
}

namespace {

void* Idle(void*) {
  for (;;) sleep(60);
}

__attribute__((constructor)) void StartIdleThread() {
  if (std::getenv("STALL_RENAME_NAME") == nullptr) return;
  pthread_t thread;
  if (pthread_create(&thread, nullptr, Idle, nullptr) == 0) pthread_detach(thread);
}

}  // namespace
