#include "pf/process.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <iterator>
#include <string>
#include <vector>

#include "pf/whole_file.h"

namespace pf {
namespace {

// The supervisor and the program's process up to exec are forks of a program that may run
// threads: they make only async-signal-safe calls and allocate nothing. So does what ends the
// processes a killed supervisor left, which the signal handler calls too.

// The signals that end this program, handled so that its runs end first. A supervisor takes
// them as the request to end its run early (Kill and the owner's end send SIGTERM).
constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP};
// A tree that keeps starting processes faster than they are ended, or a system without /proc,
// is left to init after this many passes.
constexpr int kMaxPasses = 100;
// Processes ended in one pass; more are found by the next.
constexpr int kPerPass = 64;

// Whether the programs this one starts get SIGXFSZ back at its default (see HandleProgramSignals).
std::atomic<bool> fileSizeSignalTaken{false};

// The supervisors this program started, set and cleared without a lock: the signal handler
// reads them, and so does the end of what a killed supervisor left, which must spare them.
class Supervisors {
 public:
  // A slot taken while the supervisor is forked; -1 when all are taken.
  int Reserve() {
    for (int i = 0; i < kSlots; ++i) {
      pid_t free = 0;
      if (slots_[i].compare_exchange_strong(free, kForking)) return i;
    }
    return -1;
  }
  void Fill(int slot, pid_t pid) { slots_[slot].store(pid); }
  void Free(int slot) { slots_[slot].store(0); }
  void Leave(pid_t pid) {
    for (std::atomic<pid_t>& slot : slots_) {
      pid_t mine = pid;
      if (slot.compare_exchange_strong(mine, 0)) return;
    }
  }
  bool Holds(pid_t pid) const {
    for (const std::atomic<pid_t>& slot : slots_) {
      if (slot.load() == pid) return true;
    }
    return false;
  }
  bool Forking() const { return Holds(kForking); }
  pid_t At(int slot) const { return slots_[slot].load(); }
  // The supervisor in the slot, which leaves it; 0 for none.
  pid_t Take(int slot) {
    pid_t pid = slots_[slot].load();
    return pid > 0 && slots_[slot].compare_exchange_strong(pid, 0) ? pid : 0;
  }
  static constexpr int kSlots = 64;

 private:
  static constexpr pid_t kForking = -1;
  std::atomic<pid_t> slots_[kSlots] = {};
};
static_assert(std::atomic<pid_t>::is_always_lock_free);

// Runs; viewers (supervisors that keep what their program leaves); and viewers' supervisors
// that stay, after their program ended, as the reaper of what it left, until that has ended.
Supervisors runs;
Supervisors viewers;
Supervisors lingering;

bool Ours(pid_t pid) { return runs.Holds(pid) || viewers.Holds(pid) || lingering.Holds(pid); }
bool Forking() { return runs.Forking() || viewers.Forking() || lingering.Forking(); }

void Report(int fd, int value) {
  ssize_t ignored = write(fd, &value, sizeof value);
  (void)ignored;
}

// The number the digits at text spell, up to the first other character; -1 without digits.
pid_t Number(const char* text) {
  pid_t n = -1;
  for (; *text >= '0' && *text <= '9'; ++text) n = (n < 0 ? 0 : n * 10) + (*text - '0');
  return n;
}

struct Kin {
  pid_t parent;
  pid_t group;
};

// The parent and process group of the process /proc lists under name, from its stat file (the
// name in parentheses may hold blanks and parentheses itself); false when it cannot be read, as
// when the process has just ended.
bool KinOf(const char* name, Kin& kin) {
  char path[32] = "/proc/";
  const size_t length = std::strlen(name);
  if (length > sizeof path - sizeof "/proc//stat") return false;
  std::memcpy(path + 6, name, length);
  std::memcpy(path + 6 + length, "/stat", sizeof "/stat");
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  // Enough for the pid, the name (at most 64 bytes), the state, the parent and the group.
  char stat[256];
  ssize_t got;
  do {
    got = read(fd, stat, sizeof stat - 1);
  } while (got < 0 && errno == EINTR);
  close(fd);
  if (got <= 0) return false;
  stat[got] = '\0';
  const char* at = std::strrchr(stat, ')');
  if (at == nullptr || at + 4 >= stat + got) return false;
  at += 4;
  kin.parent = Number(at);
  at = std::strchr(at, ' ');
  kin.group = at == nullptr ? -1 : Number(at + 1);
  return kin.parent > 0 && kin.group > 0;
}

// Kills this process's children and reaps them, pass after pass: each end hands it the orphans
// of what that child started, this process being their reaper, until a pass finds none. The
// program spares its own (spareOwn): the supervisors it started and what it started otherwise
// (in its own process group), which leaves what a killed supervisor left.
void EndChildren(bool spareOwn) {
  const pid_t self = getpid();
  const pid_t group = getpgrp();
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    pid_t found[kPerPass];
    int count = 0;
    const int proc = open("/proc", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    alignas(dirent64) char entries[4096];
    ssize_t got;
    while (proc >= 0 && count < kPerPass && (got = getdents64(proc, entries, sizeof entries)) > 0) {
      for (ssize_t at = 0; at < got && count < kPerPass;) {
        const auto* entry = reinterpret_cast<const dirent64*>(entries + at);
        at += entry->d_reclen;
        const pid_t pid = Number(entry->d_name);
        Kin kin{};
        if (pid > 0 && KinOf(entry->d_name, kin) && kin.parent == self &&
            (!spareOwn || (kin.group != group && !Ours(pid)))) {
          found[count++] = pid;
        }
      }
    }
    if (proc >= 0) close(proc);
    if (count == 0) return;
    // A supervisor just forked is not ours yet: it is spared once it is.
    if (spareOwn && Forking()) {
      const timespec moment{0, 1000000};
      nanosleep(&moment, nullptr);
      continue;
    }
    for (int i = 0; i < count; ++i) {
      if ((spareOwn && Ours(found[i])) || kill(found[i], SIGKILL) != 0) continue;
      while (waitpid(found[i], nullptr, 0) < 0 && errno == EINTR) {
      }
    }
  }
}

// A supervisor ends by itself with the program's code; one killed by a signal had no time to
// end what it started, which came to this program: it ends it.
void EndLeftovers(int status) {
  if (WIFSIGNALED(status)) EndChildren(true);
}

int CodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

// What the forked child needs, prepared before the fork.
struct Launch {
  char* const* argv;
  const char* dir;
  int reportFd;  // a failed chdir or exec
  int codeFd;    // a viewer's code, told while its supervisor stays; -1 for a run
  bool run;
  pid_t owner;
  sigset_t ownersMask;
};

// The supervisor, which starts with every signal blocked: starts the program below itself and
// ends with the program's code, once what the program left has ended too when it is a run. An
// end signal ends the program with all below at once.
[[noreturn]] void Supervise(const Launch& launch) {
  constexpr int kWaited[] = {SIGCHLD, kEndSignals[0], kEndSignals[1], kEndSignals[2]};
  sigset_t waited;
  sigemptyset(&waited);
  for (const int sig : kWaited) sigaddset(&waited, sig);
  // A signal the owner ignores would never come; the program gets back what it would have
  // inherited.
  bool ignored[std::size(kWaited)];
  struct sigaction byDefault {};
  byDefault.sa_handler = SIG_DFL;
  for (size_t i = 0; i < std::size(kWaited); ++i) {
    struct sigaction old {};
    sigaction(kWaited[i], &byDefault, &old);
    ignored[i] = old.sa_handler == SIG_IGN;
  }
  if (launch.run) {
    // The owner's end, also by SIGKILL, ends the run as well.
    prctl(PR_SET_PDEATHSIG, SIGTERM, 0, 0, 0);
    if (getppid() != launch.owner) _exit(128 + SIGKILL);
  }
  const pid_t program = fork();
  if (program == 0) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    for (size_t i = 0; i < std::size(kWaited); ++i) {
      if (ignored[i]) sigaction(kWaited[i], &ignore, nullptr);
    }
    if (fileSizeSignalTaken.load()) sigaction(SIGXFSZ, &byDefault, nullptr);
    sigprocmask(SIG_SETMASK, &launch.ownersMask, nullptr);
    execvp(launch.argv[0], launch.argv);
    Report(launch.reportFd, errno);
    _exit(127);
  }
  if (program < 0) {
    Report(launch.reportFd, errno);
    _exit(127);
  }
  close(launch.reportFd);
  int code = 128 + SIGKILL;
  bool endedEarly = false;
  for (bool running = true; running;) {
    const int sig = sigwaitinfo(&waited, nullptr);
    if (sig == SIGCHLD) {
      int status = 0;
      for (pid_t r; (r = waitpid(-1, &status, WNOHANG)) > 0;) {
        if (r == program) {
          code = CodeOf(status);
          running = false;
        }
      }
    } else if (sig > 0) {
      endedEarly = true;
      running = false;
    }
  }
  if (launch.run || endedEarly) {
    EndChildren(false);
  } else {
    // The owner learns the code now; what the viewer handed the file to stays below this
    // process until it has ended, and so never comes to the owner. An end signal (a Kill sent
    // before the owner saw the code) ends it.
    Report(launch.codeFd, code);
    close(launch.codeFd);
    for (;;) {
      pid_t r;
      while ((r = waitpid(-1, nullptr, WNOHANG)) > 0) {
      }
      if (r < 0) break;
      const int sig = sigwaitinfo(&waited, nullptr);
      if (sig > 0 && sig != SIGCHLD) {
        EndChildren(false);
        break;
      }
    }
  }
  _exit(code);
}

// Moved above stdio, which /dev/null replaces (a parent without stdio may have got a pipe as
// fd 0..2).
int AboveStdio(int fd) { return fd >= 0 && fd <= 2 ? fcntl(fd, F_DUPFD_CLOEXEC, 3) : fd; }

// Runs in the forked child.
[[noreturn]] void RunChild(Launch launch) {
  launch.reportFd = AboveStdio(launch.reportFd);
  launch.codeFd = AboveStdio(launch.codeFd);
  // A group of its own: what the terminal sends its foreground group is the owner's to handle.
  setpgid(0, 0);
  // What leaves the group (a new session) and is orphaned comes to the supervisor, not to
  // init, for as long as it runs.
  prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0);
  if (chdir(launch.dir) != 0) {
    Report(launch.reportFd, errno);
    _exit(127);
  }
  const int devNull = open("/dev/null", O_RDWR);
  if (devNull >= 0) {
    dup2(devNull, 0);
    dup2(devNull, 1);
    dup2(devNull, 2);
    if (devNull > 2) close(devNull);
  }
  Supervise(launch);
}

// Has the supervisor end the program and all below it, and reaps it; false when it was
// reaped elsewhere. Async-signal-safe.
bool EndRun(pid_t supervisor, int& status) {
  kill(supervisor, SIGTERM);
  // One stopped from outside goes on to end.
  kill(supervisor, SIGCONT);
  pid_t r;
  do {
    r = waitpid(supervisor, &status, 0);
  } while (r < 0 && errno == EINTR);
  return r == supervisor;
}

void EndRunsAndResignal(int sig) {
  RemoveUnfinishedFiles();
  for (int slot = 0; slot < Supervisors::kSlots; ++slot) {
    int status = 0;
    if (const pid_t supervisor = runs.Take(slot); supervisor > 0 && EndRun(supervisor, status)) {
      EndLeftovers(status);
    }
  }
  // The handler went with the signal: once this returns, the signal ends the program.
  raise(sig);
}

// Reaps the viewers' supervisors that stayed, once what they stayed for has ended.
void ReapLingering() {
  for (int slot = 0; slot < Supervisors::kSlots; ++slot) {
    const pid_t supervisor = lingering.At(slot);
    int status = 0;
    if (supervisor > 0 && waitpid(supervisor, &status, WNOHANG) == supervisor) {
      lingering.Leave(supervisor);
      EndLeftovers(status);
    }
  }
}

}  // namespace

Process::~Process() {
  Kill();
  CloseCode();
}

bool Process::Start(const std::vector<std::string>& argv, const std::string& workingDirectory) {
  ReapLingering();
  Kill();
  CloseCode();
  state_ = State::Failed;
  exitCode_ = 0;
  error_.clear();
  if (argv.empty() || argv[0].empty()) {
    error_ = "no program given";
    return false;
  }
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  const bool run = leftovers_ == Leftovers::End;
  // The program or the supervisor reports a failed chdir or exec through a pipe that exec
  // closes; a viewer's supervisor tells its program's code through another.
  int report[2] = {-1, -1};
  int code[2] = {-1, -1};
  Supervisors& mine = run ? runs : viewers;
  const int slot = mine.Reserve();
  if (slot < 0 || pipe2(report, O_CLOEXEC) != 0 ||
      (!run && pipe2(code, O_CLOEXEC | O_NONBLOCK) != 0)) {
    error_ = std::strerror(slot < 0 ? EAGAIN : errno);
    if (slot >= 0) mine.Free(slot);
    for (const int fd : {report[0], report[1], code[0], code[1]}) {
      if (fd >= 0) close(fd);
    }
    return false;
  }
  // What a supervisor killed before its end leaves comes to this program, which ends it.
  prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0);
  Launch launch{args.data(), workingDirectory.c_str(), report[1], code[1], run, getpid(), {}};
  // No handler of ours runs in the child, and none here before the supervisor is enrolled.
  sigset_t all;
  sigfillset(&all);
  pthread_sigmask(SIG_SETMASK, &all, &launch.ownersMask);
  const pid_t pid = fork();
  const int forkError = errno;
  if (pid == 0) {
    close(report[0]);
    if (code[0] >= 0) close(code[0]);
    RunChild(launch);
  }
  if (pid > 0) {
    mine.Fill(slot, pid);
  } else {
    mine.Free(slot);
  }
  pthread_sigmask(SIG_SETMASK, &launch.ownersMask, nullptr);
  close(report[1]);
  if (code[1] >= 0) close(code[1]);
  codeFd_ = code[0];
  if (pid < 0) {
    error_ = std::strerror(forkError);
    close(report[0]);
    CloseCode();
    return false;
  }
  // Also from this side: a Kill right after Start must find the group.
  setpgid(pid, pid);
  int childErrno = 0;
  ssize_t got;
  do {
    got = read(report[0], &childErrno, sizeof childErrno);
  } while (got < 0 && errno == EINTR);
  close(report[0]);
  pid_ = pid;
  if (got == static_cast<ssize_t>(sizeof childErrno)) {
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    mine.Leave(pid_);
    pid_ = -1;
    CloseCode();
    error_ = std::strerror(childErrno);
    return false;
  }
  state_ = State::Running;
  return true;
}

void Process::Ended(State state, int code) {
  (leftovers_ == Leftovers::End ? runs : viewers).Leave(pid_);
  pid_ = -1;
  state_ = state;
  exitCode_ = code;
  CloseCode();
}

void Process::Reaped(int status) {
  Ended(State::Exited, CodeOf(status));
  EndLeftovers(status);
}

void Process::TakeCode() {
  const int slot = lingering.Reserve();
  if (slot < 0) return;  // the code waits until there is room
  int code = 0;
  if (read(codeFd_, &code, sizeof code) != static_cast<ssize_t>(sizeof code)) {
    lingering.Free(slot);
    return;
  }
  lingering.Fill(slot, pid_);
  Ended(State::Exited, code);
}

void Process::CloseCode() {
  if (codeFd_ >= 0) close(codeFd_);
  codeFd_ = -1;
}

Process::State Process::Poll() {
  ReapLingering();
  if (state_ != State::Running) return state_;
  int status = 0;
  const pid_t r = waitpid(pid_, &status, WNOHANG);
  if (r == pid_) {
    Reaped(status);
  } else if (r < 0 && errno != EINTR) {
    // Someone else reaped it; its status is lost.
    error_ = std::strerror(errno);
    Ended(State::Failed, 0);
  } else if (r == 0 && codeFd_ >= 0) {
    TakeCode();
  }
  return state_;
}

void Process::Kill() {
  // A viewer whose program has ended keeps what it left.
  if (state_ == State::Running && codeFd_ >= 0) TakeCode();
  if (state_ != State::Running) return;
  int status = 0;
  if (EndRun(pid_, status)) {
    Reaped(status);
  } else {
    Ended(State::Failed, 0);
  }
}

void HandleProgramSignals() {
  struct sigaction action {};
  action.sa_handler = EndRunsAndResignal;
  action.sa_flags = SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  for (const int sig : kEndSignals) sigaddset(&action.sa_mask, sig);
  for (const int sig : kEndSignals) {
    struct sigaction old {};
    if (sigaction(sig, nullptr, &old) == 0 && old.sa_handler != SIG_IGN) {
      sigaction(sig, &action, nullptr);
    }
  }
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  struct sigaction old {};
  if (sigaction(SIGXFSZ, &ignore, &old) == 0 && old.sa_handler != SIG_IGN) {
    fileSizeSignalTaken.store(true);
  }
}

}  // namespace pf
