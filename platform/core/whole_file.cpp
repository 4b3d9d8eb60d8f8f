#include "pf/whole_file.h"

#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "pf/path_map.h"

namespace pf {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kNameRoom = 200;  // of a name's 255 bytes

// The temporary files of the writes still going, where a signal handler finds them: in fixed
// buffers, claimed and freed by atomic operations alone.
class Unfinished {
 public:
  // Makes the temporary file of the template path (mkstemp) and holds its name; the slot, or -1
  // (and no file) when none is free or the file cannot be made.
  int Make(std::string& path) {
    if (path.size() >= sizeof(Slot::path)) return -1;
    // A signal that comes meanwhile waits: the handler never meets a file it cannot name.
    sigset_t all, before;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &before);
    int made = -1;
    for (int i = 0; i < kSlots && made < 0; ++i) {
      Slot& slot = slots_[i];
      int free = kFree;
      if (!slot.state.compare_exchange_strong(free, kMaking)) continue;
      std::memcpy(slot.path, path.c_str(), path.size() + 1);
      const int fd = ::mkstemp(slot.path);
      if (fd < 0) {
        slot.state.store(kFree);
        break;
      }
      ::close(fd);
      path = slot.path;
      slot.state.store(kHeld);
      made = i;
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    return made;
  }

  // Once the file has its name or is gone.
  void Free(int slot) {
    int held = kHeld;
    slots_[slot].state.compare_exchange_strong(held, kFree);
  }

  // Async-signal-safe. A slot being filled by another thread is waited for: that thread blocks
  // signals meanwhile, so it gets on.
  void RemoveAll() {
    for (Slot& slot : slots_) {
      for (long spins = 0; spins < kMaxSpins; ++spins) {
        int state = kHeld;
        if (slot.state.compare_exchange_strong(state, kRemoved)) {
          ::unlink(slot.path);
          break;
        }
        if (state != kMaking) break;
      }
    }
  }

 private:
  enum : int { kFree, kMaking, kHeld, kRemoved };
  static constexpr int kSlots = 64;
  static constexpr long kMaxSpins = 100000000;
  struct Slot {
    std::atomic<int> state{kFree};
    char path[PATH_MAX] = {};
  };
  static_assert(std::atomic<int>::is_always_lock_free);
  Slot slots_[kSlots];
};

// Constant-initialised: the handler never runs the guard of a static's first use.
constinit Unfinished unfinished;

// A file its owner made read-only is not replaced behind their back, whoever writes: the
// rename would take no permission of the file's own. Root passes access(), so the mode decides
// too.
bool ReadOnly(const fs::path& where) {
  struct stat st {};
  if (::stat(where.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(where.c_str(), W_OK) != 0;
}

// Where a chain of links ends, also when nothing is there yet (a dangling link is written
// through, as open() would); empty for a chain that does not end.
fs::path LinkTarget(fs::path where) {
  constexpr int kMaxLinks = 40;  // the system's own limit
  std::error_code ec;
  for (int hops = 0; hops <= kMaxLinks; ++hops) {
    if (!fs::is_symlink(fs::symlink_status(where, ec))) return where;
    const fs::path next = fs::read_symlink(where, ec);
    if (ec) return {};
    where = next.is_absolute() ? next : where.parent_path() / next;
  }
  return {};
}

bool Sync(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

WholeFile::WholeFile(const std::string& target) : target_(MapWindowsPath(target)) {
  std::error_code ec;
  const fs::path where = LinkTarget(target_);
  if (where.empty()) return;
  const fs::file_status status = fs::status(where, ec);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    path_ = target_;
    return;
  }
  target_ = where.string();
  if (ReadOnly(where)) return;
  const fs::path folder = where.has_parent_path() ? where.parent_path() : fs::path(".");
  // Cut, so that a name near the system's limit still leaves room for the dot and the suffix.
  std::string name = ".";
  name += where.filename().string().substr(0, kNameRoom);
  name += ".XXXXXX";
  std::string temp = (folder / name).string();
  slot_ = unfinished.Make(temp);
  if (slot_ < 0) return;
  path_ = std::move(temp);
  temporary_ = true;
}

WholeFile::~WholeFile() {
  if (!temporary_) return;
  std::error_code ec;
  fs::remove(path_, ec);
  unfinished.Free(slot_);
}

bool WholeFile::WriteStream(const std::function<bool(std::ostream&)>& write) const {
  if (path_.empty()) return false;
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  const bool ok = out && write(out);
  out.close();
  return ok && !out.fail();
}

bool WholeFile::Commit() {
  if (path_.empty()) return false;
  if (!temporary_) return true;
  std::error_code ec;
  fs::perms perms = fs::status(target_, ec).permissions();
  if (ec || !fs::is_regular_file(target_, ec)) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    perms = static_cast<fs::perms>(0666 & ~mask);
  }
  fs::permissions(path_, perms, ec);
  bool ok = !ec && Sync(path_);
  if (ok) {
    fs::rename(path_, target_, ec);
    ok = !ec;
  }
  if (!ok) fs::remove(path_, ec);
  unfinished.Free(slot_);
  temporary_ = false;
  return ok;
}

void RemoveUnfinishedFiles() { unfinished.RemoveAll(); }

bool WriteWholeFile(const std::string& target,
                    const std::function<bool(const std::string& path)>& write) {
  WholeFile file(target);
  return !file.Path().empty() && write(file.Path()) && file.Commit();
}

bool WriteWholeStream(const std::string& target, const std::function<bool(std::ostream&)>& write) {
  WholeFile file(target);
  return file.WriteStream(write) && file.Commit();
}

}  // namespace pf
