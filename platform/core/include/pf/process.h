#pragma once
// A child process started without a console: stdio goes to /dev/null, exit is polled. The
// program runs below a small supervisor of our own, which leads a process group of its own and
// is the reaper of the program's orphaned descendants: everything the program starts, also in
// a session of its own, stays below it until the supervisor lets it go or ends it. This
// program is their reaper behind the supervisor: whatever kills a supervisor, what it leaves
// comes here and is ended when the supervisor is reaped.

#include <string>
#include <sys/types.h>
#include <vector>

namespace pf {

class Process {
 public:
  enum class State { NotStarted, Running, Exited, Failed };
  // What the program leaves running when it ends by itself: ended with it (a run), or kept (a
  // viewer that hands the file to a program of the desktop). A run also ends, with all it
  // started, when this program ends, by any signal (see HandleProgramSignals), and when the
  // thread that started it ends.
  enum class Leftovers { End, Keep };

  explicit Process(Leftovers leftovers = Leftovers::End) : leftovers_(leftovers) {}
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  // A child still running is killed: nothing may outlive its owner unobserved.
  ~Process();

  // argv[0] is looked up in PATH unless it holds a '/'. False, with Error() set, when the
  // program could not be started (the working directory or the program is missing, or 64
  // runs, or 64 viewers, are going).
  bool Start(const std::vector<std::string>& argv, const std::string& workingDirectory);

  // Never blocks. Exited once the program has ended (and a run's leftovers with it);
  // ExitCode() is then its status, or 128 + signal number when a signal ended it (137 also
  // when the supervisor was killed).
  State Poll();
  int ExitCode() const { return exitCode_; }
  const std::string& Error() const { return error_; }

  // Ends the program at once, with every process it started, also one in a session of its
  // own, and reaps them all.
  void Kill();

 private:
  void Ended(State state, int code);
  void Reaped(int status);
  void TakeCode();
  void CloseCode();

  Leftovers leftovers_;
  pid_t pid_ = -1;  // the supervisor's
  // A viewer's supervisor tells the program's code through this and stays, as the reaper of
  // what the program left, until that has ended.
  int codeFd_ = -1;
  State state_ = State::NotStarted;
  int exitCode_ = 0;
  std::string error_;
};

// For main(), before the first run starts. SIGINT, SIGTERM and SIGHUP end every running run,
// with all it started, and remove the temporary files of the whole-file writes still going
// (RemoveUnfinishedFiles), before the program ends as the signal would have ended it; a signal
// the program ignores stays ignored. A write beyond the file-size limit (ulimit -f) fails, as on a
// full disk, instead of ending the program (SIGXFSZ is ignored); the programs it starts get
// that signal as this program got it.
void HandleProgramSignals();

}  // namespace pf
