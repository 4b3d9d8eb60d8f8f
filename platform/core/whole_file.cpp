#include "pf/whole_file.h"

#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <time.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "pf/path_map.h"

namespace pf {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kNameRoom = 200;  // of a name's 255 bytes

// Holds every signal that can be held while it lives; they come when it ends.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &before_);
  }
  ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t before_;
};

// The temporary files of the writes still going, where a signal handler finds them: in fixed
// buffers, claimed and freed by atomic operations alone.
class Unfinished {
 public:
  // Makes the temporary file of the template path (mkstemp) and holds its name; the slot, or -1
  // (and no file) when none is free or the file cannot be made.
  int Make(std::string& path) {
    if (path.size() >= sizeof(Slot::path)) return -1;
    // A signal that comes meanwhile waits: the handler never meets a file it cannot name.
    const SignalsHeld held;
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
    return made;
  }

  // Once the file has its name or is gone.
  void Free(int slot) {
    int held = kHeld;
    slots_[slot].state.compare_exchange_strong(held, kFree);
  }

  // While a set of files takes its places; the thread doing it holds signals meanwhile. Once
  // the program is ending by a signal another thread took, that thread ends it: this one stays.
  void BeginReplacing() { replacing_.fetch_add(1); }
  void EndReplacing() {
    replacing_.fetch_sub(1);
    while (ending_.load()) pause();
  }

  // Async-signal-safe. A slot being filled by another thread is waited for: that thread blocks
  // signals meanwhile, so it gets on. So is a set of files taking its places in another thread,
  // which would otherwise be left half replaced, unless its disk stalls.
  void RemoveAll() {
    ending_.store(true);
    const timespec step{0, 1000000};
    for (int waited = 0; replacing_.load() > 0 && waited < kMaxReplacingMs; ++waited) {
      nanosleep(&step, nullptr);
    }
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
  static constexpr int kMaxReplacingMs = 10000;
  struct Slot {
    std::atomic<int> state{kFree};
    char path[PATH_MAX] = {};
  };
  static_assert(std::atomic<int>::is_always_lock_free);
  Slot slots_[kSlots];
  std::atomic<int> replacing_{0};
  std::atomic<bool> ending_{false};
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

// Marks a set of files taking their places, for as long as it lives.
class Replacing {
 public:
  Replacing() { unfinished.BeginReplacing(); }
  ~Replacing() { unfinished.EndReplacing(); }
  Replacing(const Replacing&) = delete;
  Replacing& operator=(const Replacing&) = delete;
};

// A target's previous file, kept under another name beside it while the other files of its set
// take their places, so that it can be put back when one of them fails.
class Previous {
 public:
  // False when there is a previous file and it cannot be kept: a hard link, else a copy (a
  // file system without links).
  bool Keep(const std::string& target, const std::string& beside) {
    target_ = target;
    std::error_code ec;
    if (!fs::exists(target_, ec)) return !ec;
    kept_ = beside + "~";
    fs::remove(kept_, ec);
    if (::link(target_.c_str(), kept_.c_str()) == 0) return true;
    if (fs::copy_file(target_, kept_, ec) && !ec) return true;
    Drop();
    return false;
  }
  // The target as it was: its previous file back, or gone when it had none.
  void PutBack() {
    if (target_.empty()) return;
    std::error_code ec;
    if (kept_.empty()) {
      fs::remove(target_, ec);
    } else {
      fs::rename(kept_, target_, ec);
      kept_.clear();
    }
  }
  void Drop() {
    std::error_code ec;
    if (!kept_.empty()) fs::remove(kept_, ec);
    kept_.clear();
  }

 private:
  std::string target_;  // empty for a file written directly
  std::string kept_;    // empty when the target had no file
};

}  // namespace

WholeFile::WholeFile(const std::string& target, Kind kind)
    : target_(MapWindowsPath(target)), dropped_(kind == Kind::kDropped) {
  std::error_code ec;
  const fs::path where = LinkTarget(target_);
  if (where.empty()) {
    // No file ends the chain: nothing of the set's is there.
    if (dropped_) path_ = target_;
    return;
  }
  const fs::file_status status = fs::status(where, ec);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    path_ = target_;
    return;
  }
  if (dropped_ && status.type() != fs::file_type::regular) {
    // Nothing to drop. One whose kind cannot be told fails the set rather than pass for nothing.
    if (status.type() == fs::file_type::not_found) path_ = target_;
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

WholeFile::~WholeFile() { Discard(); }

void WholeFile::Discard() {
  if (!temporary_) return;
  std::error_code ec;
  fs::remove(path_, ec);
  unfinished.Free(slot_);
  temporary_ = false;
}

void WholeFile::PutBack() {
  if (!aside_) return;
  std::error_code ec;
  fs::rename(path_, target_, ec);
  // Where the rename back fails, the previous file stays aside rather than going.
  unfinished.Free(slot_);
  temporary_ = false;
  aside_ = false;
}

bool WholeFile::WriteStream(const std::function<bool(std::ostream&)>& write) const {
  if (path_.empty() || dropped_) return false;
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  const bool ok = out && write(out);
  out.close();
  return ok && !out.fail();
}

bool WholeFile::Commit() {
  WholeFile* self = this;
  return !CommitTogether(std::span(&self, 1)).has_value();
}

bool WholeFile::Settle() {
  if (path_.empty()) return false;
  if (!temporary_ || dropped_) return true;
  std::error_code ec;
  fs::perms perms = fs::status(target_, ec).permissions();
  if (ec || !fs::is_regular_file(target_, ec)) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    perms = static_cast<fs::perms>(0666 & ~mask);
  }
  fs::permissions(path_, perms, ec);
  return !ec && Sync(path_);
}

bool WholeFile::Replace() {
  if (!temporary_) return true;
  std::error_code ec;
  if (dropped_) {
    // Aside, over the temporary name, until the set is in place; gone meanwhile is dropped too.
    fs::rename(target_, path_, ec);
    aside_ = !ec;
    return !ec || ec == std::errc::no_such_file_or_directory;
  }
  fs::rename(path_, target_, ec);
  if (ec) return false;
  unfinished.Free(slot_);
  temporary_ = false;
  return true;
}

std::optional<std::size_t> CommitTogether(std::span<WholeFile* const> files) {
  // The dropped files go first: a reader, or a program stopped half way, never finds a new
  // file of the set beside an old one that the set holds no more.
  std::vector<std::size_t> order;
  for (const bool dropped : {true, false}) {
    for (std::size_t i = 0; i < files.size(); ++i) {
      if (files[i]->dropped_ == dropped) order.push_back(i);
    }
  }
  std::vector<Previous> previous(files.size());
  const auto fail = [&files, &previous](std::size_t failed) {
    for (Previous& p : previous) p.Drop();
    for (WholeFile* file : files) file->Discard();
    return std::optional<std::size_t>(failed);
  };
  // What takes long (the disk) comes first, while a failure or a signal still leaves every
  // target as it was.
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (!files[i]->Settle()) return fail(i);
  }
  // From the first rename to the last no signal ends the program: it comes when every target
  // holds its new file, or every one its old again; one that another thread takes waits too.
  const SignalsHeld held;
  const Replacing replacing;
  // The last to be replaced needs no keeping: nothing after it can fail. A dropped file is
  // kept by its own rename aside.
  for (std::size_t k = 0; k + 1 < order.size(); ++k) {
    WholeFile& file = *files[order[k]];
    if (file.temporary_ && !file.dropped_ &&
        !previous[order[k]].Keep(file.target_, file.path_)) {
      return fail(order[k]);
    }
  }
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (files[order[k]]->Replace()) continue;
    for (std::size_t j = k; j-- > 0;) {
      previous[order[j]].PutBack();
      files[order[j]]->PutBack();
    }
    return fail(order[k]);
  }
  for (Previous& p : previous) p.Drop();
  // The dropped files' previous content, put aside, goes with the temporary names.
  for (WholeFile* file : files) {
    if (file->dropped_) file->Discard();
  }
  return std::nullopt;
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
