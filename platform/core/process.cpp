#include "pf/process.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <iterator>
#include <string>
#include <vector>

namespace pf {
namespace {

// The supervisor and the program's process up to exec are forks of a program that may run
// threads: they make only async-signal-safe calls and allocate nothing.

// The signals that end this program, handled so that its runs end first. A supervisor takes
// them as the request to end its run early (Kill and the owner's end send SIGTERM).
constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP};
// A tree that keeps starting processes faster than they are ended, or a system without /proc,
// is left to init after this many passes.
constexpr int kMaxPasses = 100;

void Report(int reportFd, int err) {
  ssize_t ignored = write(reportFd, &err, sizeof err);
  (void)ignored;
}

// The number the digits at text spell, up to the first other character; -1 without digits.
pid_t Number(const char* text) {
  pid_t n = -1;
  for (; *text >= '0' && *text <= '9'; ++text) n = (n < 0 ? 0 : n * 10) + (*text - '0');
  return n;
}

// The parent of the process /proc lists under name, from its stat file (the name in
// parentheses may hold blanks and parentheses itself); -1 when it cannot be read, as when the
// process has just ended.
pid_t ParentOf(const char* name) {
  char path[32] = "/proc/";
  const size_t length = std::strlen(name);
  if (length > sizeof path - sizeof "/proc//stat") return -1;
  std::memcpy(path + 6, name, length);
  std::memcpy(path + 6 + length, "/stat", sizeof "/stat");
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  // Enough for the pid, the name (at most 64 bytes), the state and the parent.
  char stat[256];
  ssize_t got;
  do {
    got = read(fd, stat, sizeof stat - 1);
  } while (got < 0 && errno == EINTR);
  close(fd);
  if (got <= 0) return -1;
  stat[got] = '\0';
  const char* paren = std::strrchr(stat, ')');
  if (paren == nullptr || paren + 4 >= stat + got) return -1;
  return Number(paren + 4);
}

// Ends everything below the supervisor and reaps it: its children are killed, and what they
// started comes to it, as their reaper, when they die and goes the same way in the next pass,
// until no child is left.
void EndDescendants() {
  const pid_t self = getpid();
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    int killed = 0;
    const int proc = open("/proc", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    alignas(dirent64) char entries[4096];
    ssize_t got;
    while (proc >= 0 && (got = getdents64(proc, entries, sizeof entries)) > 0) {
      for (ssize_t at = 0; at < got;) {
        const auto* entry = reinterpret_cast<const dirent64*>(entries + at);
        at += entry->d_reclen;
        const pid_t pid = Number(entry->d_name);
        if (pid > 0 && ParentOf(entry->d_name) == self && kill(pid, SIGKILL) == 0) ++killed;
      }
    }
    if (proc >= 0) close(proc);
    // Each wait returns once one of them, or another child, has ended.
    for (; killed > 0 && waitpid(-1, nullptr, 0) > 0; --killed) {
    }
    // None left; a child that came after the pass is found by the next.
    if (waitpid(-1, nullptr, WNOHANG) < 0) return;
  }
}

int CodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

// The supervisor, which starts with every signal blocked: starts the program below itself and
// ends with the program's code, once what the program left has ended too when it is a run. An
// end signal ends the program with all below at once.
[[noreturn]] void Supervise(char* const argv[], int reportFd, bool run, pid_t owner,
                            const sigset_t& ownersMask) {
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
  if (run) {
    // The owner's end, also by SIGKILL, ends the run as well.
    prctl(PR_SET_PDEATHSIG, SIGTERM, 0, 0, 0);
    if (getppid() != owner) _exit(128 + SIGKILL);
  }
  const pid_t program = fork();
  if (program == 0) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    for (size_t i = 0; i < std::size(kWaited); ++i) {
      if (ignored[i]) sigaction(kWaited[i], &ignore, nullptr);
    }
    sigprocmask(SIG_SETMASK, &ownersMask, nullptr);
    execvp(argv[0], argv);
    Report(reportFd, errno);
    _exit(127);
  }
  if (program < 0) {
    Report(reportFd, errno);
    _exit(127);
  }
  close(reportFd);
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
  if (run || endedEarly) EndDescendants();
  _exit(code);
}

// Runs in the forked child.
[[noreturn]] void RunChild(char* const argv[], const char* dir, int reportFd, bool run,
                           pid_t owner, const sigset_t& ownersMask) {
  // A parent without stdio may have got the report pipe as fd 0..2, which /dev/null replaces.
  if (reportFd <= 2) reportFd = fcntl(reportFd, F_DUPFD_CLOEXEC, 3);
  // A group of its own: what the terminal sends its foreground group is the owner's to handle.
  setpgid(0, 0);
  // What leaves the group (a new session) and is orphaned comes to the supervisor, not to
  // init, for as long as it runs.
  prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0);
  if (chdir(dir) != 0) {
    Report(reportFd, errno);
    _exit(127);
  }
  const int devNull = open("/dev/null", O_RDWR);
  if (devNull >= 0) {
    dup2(devNull, 0);
    dup2(devNull, 1);
    dup2(devNull, 2);
    if (devNull > 2) close(devNull);
  }
  Supervise(argv, reportFd, run, owner, ownersMask);
}

// The supervisors of running runs, for the signal handler: set and cleared without a lock.
std::atomic<pid_t> runs[64];
static_assert(std::atomic<pid_t>::is_always_lock_free);

// A run beyond the slots is still ended by its supervisor's death signal, only later.
void Enrol(pid_t supervisor) {
  for (std::atomic<pid_t>& slot : runs) {
    pid_t free = 0;
    if (slot.compare_exchange_strong(free, supervisor)) return;
  }
}

void Leave(pid_t supervisor) {
  for (std::atomic<pid_t>& slot : runs) {
    pid_t mine = supervisor;
    if (slot.compare_exchange_strong(mine, 0)) return;
  }
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
  for (std::atomic<pid_t>& slot : runs) {
    int status = 0;
    if (const pid_t supervisor = slot.exchange(0); supervisor > 0) EndRun(supervisor, status);
  }
  // The handler went with the signal: once this returns, the signal ends the program.
  raise(sig);
}

}  // namespace

Process::~Process() {
  if (state_ == State::Running) Kill();
}

bool Process::Start(const std::vector<std::string>& argv, const std::string& workingDirectory) {
  if (state_ == State::Running) Kill();
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

  // The program or the supervisor reports a failed chdir or exec through a pipe that exec
  // closes.
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) {
    error_ = std::strerror(errno);
    return false;
  }
  const bool run = leftovers_ == Leftovers::End;
  const pid_t owner = getpid();
  // No handler of ours runs in the child, and none here before the run is enrolled.
  sigset_t all;
  sigset_t mask;
  sigfillset(&all);
  pthread_sigmask(SIG_SETMASK, &all, &mask);
  const pid_t pid = fork();
  const int forkError = errno;
  if (pid == 0) {
    close(report[0]);
    RunChild(args.data(), workingDirectory.c_str(), report[1], run, owner, mask);
  }
  if (pid > 0 && run) Enrol(pid);
  pthread_sigmask(SIG_SETMASK, &mask, nullptr);
  if (pid < 0) {
    error_ = std::strerror(forkError);
    close(report[0]);
    close(report[1]);
    return false;
  }
  close(report[1]);
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
    Leave(pid_);
    pid_ = -1;
    error_ = std::strerror(childErrno);
    return false;
  }
  state_ = State::Running;
  return true;
}

void Process::Reaped(int status) {
  Leave(pid_);
  pid_ = -1;
  state_ = State::Exited;
  exitCode_ = CodeOf(status);
}

Process::State Process::Poll() {
  if (state_ != State::Running) return state_;
  int status = 0;
  const pid_t r = waitpid(pid_, &status, WNOHANG);
  if (r == pid_) {
    Reaped(status);
  } else if (r < 0 && errno != EINTR) {
    // Someone else reaped it; its status is lost.
    Leave(pid_);
    pid_ = -1;
    state_ = State::Failed;
    error_ = std::strerror(errno);
  }
  return state_;
}

void Process::Kill() {
  if (state_ != State::Running) return;
  int status = 0;
  if (EndRun(pid_, status)) {
    Reaped(status);
  } else {
    Leave(pid_);
    pid_ = -1;
    state_ = State::Failed;
  }
}

void EndRunsOnSignals() {
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
}

}  // namespace pf
