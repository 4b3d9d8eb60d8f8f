#include "pf/process.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace pf {
namespace {

// Runs in the forked child: only async-signal-safe calls until exec.
[[noreturn]] void RunChild(char* const argv[], const char* dir, int reportFd) {
  // A parent without stdio may have got the report pipe as fd 0..2, which /dev/null replaces.
  if (reportFd <= 2) reportFd = fcntl(reportFd, F_DUPFD_CLOEXEC, 3);
  // A group of its own, so that Kill also ends what the child starts (a script's programs).
  setpgid(0, 0);
  // What leaves the group (a new session) stays findable as a descendant: orphans come to the
  // child, not to init, for as long as it runs. The setting survives exec.
  prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0);
  int err = 0;
  if (chdir(dir) != 0) {
    err = errno;
  } else {
    const int devNull = open("/dev/null", O_RDWR);
    if (devNull >= 0) {
      dup2(devNull, 0);
      dup2(devNull, 1);
      dup2(devNull, 2);
      if (devNull > 2) close(devNull);
    }
    execvp(argv[0], argv);
    err = errno;
  }
  ssize_t ignored = write(reportFd, &err, sizeof err);
  (void)ignored;
  _exit(127);
}

// A small /proc file whole; empty when it cannot be read. A process may end between the listing
// and the read, and its files then fail with ESRCH: plain reads, so that nothing throws out of
// Kill (a destructor calls it).
std::string ReadProcFile(const std::string& path) {
  std::string text;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return text;
  char buffer[1024];
  ssize_t got;
  while ((got = read(fd, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR)) {
    if (got > 0) text.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  return got < 0 ? std::string() : text;
}

// The parent of each running process, from /proc/PID/stat (the name in parentheses may hold
// blanks and parentheses itself).
std::vector<std::pair<pid_t, pid_t>> ParentsOfAll() {
  std::vector<std::pair<pid_t, pid_t>> parents;
  const std::unique_ptr<DIR, int (*)(DIR*)> proc(opendir("/proc"), closedir);
  if (proc == nullptr) return parents;
  while (const dirent* entry = readdir(proc.get())) {
    char* end = nullptr;
    const long pid = std::strtol(entry->d_name, &end, 10);
    if (pid <= 0 || *end != '\0') continue;
    const std::string stat = ReadProcFile(std::string("/proc/") + entry->d_name + "/stat");
    const size_t paren = stat.rfind(')');
    if (paren == std::string::npos || paren + 4 >= stat.size()) continue;
    const long parent = std::strtol(stat.c_str() + paren + 4, nullptr, 10);
    parents.emplace_back(static_cast<pid_t>(pid), static_cast<pid_t>(parent));
  }
  return parents;
}

// Stops the process and every descendant, until a pass over /proc finds none that is new: a
// stopped process forks no more. Returns them all, the root first.
std::vector<pid_t> StopTree(pid_t root) {
  constexpr int kMaxPasses = 100;
  std::vector<pid_t> tree{root};
  std::set<pid_t> known{root};
  kill(root, SIGSTOP);
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    bool grew = false;
    for (const auto& [pid, parent] : ParentsOfAll()) {
      if (known.contains(parent) && known.insert(pid).second) {
        kill(pid, SIGSTOP);
        tree.push_back(pid);
        grew = true;
      }
    }
    if (!grew) break;
  }
  return tree;
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

  // The child reports a failed chdir or exec through a pipe that exec closes.
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) {
    error_ = std::strerror(errno);
    return false;
  }
  const pid_t pid = fork();
  if (pid < 0) {
    error_ = std::strerror(errno);
    close(report[0]);
    close(report[1]);
    return false;
  }
  if (pid == 0) {
    close(report[0]);
    RunChild(args.data(), workingDirectory.c_str(), report[1]);
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
    pid_ = -1;
    error_ = std::strerror(childErrno);
    return false;
  }
  state_ = State::Running;
  return true;
}

void Process::Reaped(int status) {
  pid_ = -1;
  state_ = State::Exited;
  exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

Process::State Process::Poll() {
  if (state_ != State::Running) return state_;
  int status = 0;
  const pid_t r = waitpid(pid_, &status, WNOHANG);
  if (r == pid_) {
    Reaped(status);
  } else if (r < 0 && errno != EINTR) {
    // Someone else reaped it; its status is lost.
    pid_ = -1;
    state_ = State::Failed;
    error_ = std::strerror(errno);
  }
  return state_;
}

void Process::Kill() {
  if (state_ != State::Running) return;
  // The tree also holds what left the group (a new session) and orphans, whose reaper the
  // child is; the group goes as well should /proc not tell.
  const std::vector<pid_t> tree = StopTree(pid_);
  kill(-pid_, SIGKILL);
  for (const pid_t pid : tree) kill(pid, SIGKILL);
  int status = 0;
  pid_t r;
  do {
    r = waitpid(pid_, &status, 0);
  } while (r < 0 && errno == EINTR);
  if (r == pid_) {
    Reaped(status);
  } else {
    pid_ = -1;
    state_ = State::Failed;
  }
}

}  // namespace pf
