#pragma once
// A child process started without a console: stdio goes to /dev/null, exit is polled. The
// child leads a process group of its own and is the reaper of its orphaned descendants, so that
// while it runs everything it started is found below it.

#include <string>
#include <sys/types.h>
#include <vector>

namespace pf {

class Process {
 public:
  enum class State { NotStarted, Running, Exited, Failed };

  Process() = default;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  // A child still running is killed: nothing may outlive its owner unobserved.
  ~Process();

  // argv[0] is looked up in PATH unless it holds a '/'. False, with Error() set, when the
  // program could not be started (the working directory or the program is missing).
  bool Start(const std::vector<std::string>& argv, const std::string& workingDirectory);

  // Never blocks. Exited once the child has ended; ExitCode() is then its status, or
  // 128 + signal number when a signal ended it.
  State Poll();
  int ExitCode() const { return exitCode_; }
  const std::string& Error() const { return error_; }

  // Ends the child at once, with every process it started, also one in a session of its own,
  // and reaps it.
  void Kill();

 private:
  void Reaped(int status);

  pid_t pid_ = -1;
  State state_ = State::NotStarted;
  int exitCode_ = 0;
  std::string error_;
};

}  // namespace pf
