#include "pf/process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "temp_dir.h"

namespace {

using pf::Process;
using pf::test::ReadFile;
using pf::test::TempDir;
using State = pf::Process::State;
using namespace std::chrono_literals;

// Checks its working directory, one argument with a blank and that its stdio is /dev/null,
// then exits with the code it is given.
constexpr const char* kProbe =
    "#!/bin/sh\n"
    "[ \"$(pwd -P)\" = \"$1\" ] || exit 91\n"
    "[ \"$3\" = \"zwei Worte\" ] || exit 92\n"
    "for fd in 0 1 2; do [ \"$(readlink /proc/$$/fd/$fd)\" = /dev/null ] || exit 93; done\n"
    "exit \"$2\"\n";

// Polls with a bounded wait; a child that never ends leaves the loop still Running.
State PollUntilDone(Process& p) {
  for (int i = 0; i < 1000 && p.Poll() == State::Running; ++i) std::this_thread::sleep_for(10ms);
  return p.Poll();
}

// True once pid names no process at all, not even a zombie waiting to be reaped.
bool Gone(pid_t pid) { return kill(pid, 0) != 0 && errno == ESRCH; }

// Gone, or a zombie that someone else has to reap.
bool Dead(pid_t pid) {
  if (Gone(pid)) return true;
  const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
  const size_t paren = stat.rfind(')');
  return paren != std::string::npos && stat.compare(paren, 3, ") Z") == 0;
}

// The pid a child's shell writes to path and renames into place, once it is there; -1 when it
// does not come. A read that fails is tried again: a stream's extraction turns the buffer's read
// error into a failed state rather than a throw.
pid_t PidFromFile(const std::string& path) {
  for (int i = 0; i < 1000; ++i) {
    std::ifstream in(path);
    pid_t pid = 0;
    if (in >> pid && pid > 0) return pid;
    std::this_thread::sleep_for(10ms);
  }
  return -1;
}

class ProcessTest : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(workDir);
    dir.WriteFile("probe.sh", kProbe);
    std::filesystem::permissions(probe, std::filesystem::perms::owner_all);
  }

  std::vector<std::string> ProbeArgv(int code) const {
    return {probe, workDir, std::to_string(code), "zwei Worte"};
  }

  // Starts a child that tells its pid through a file and then sleeps; returns that pid.
  pid_t StartSleeper(Process& p) {
    const std::string pidFile = dir / "pid";
    std::filesystem::remove(pidFile);
    if (!p.Start({"sh", "-c", "echo $$ > pid.tmp && mv pid.tmp pid && exec sleep 30"},
                 dir.Path())) {
      ADD_FAILURE() << p.Error();
      return -1;
    }
    return PidFromFile(pidFile);
  }

  TempDir dir;
  const std::string workDir = dir / "arbeit";
  const std::string probe = dir / "probe.sh";
};

TEST_F(ProcessTest, ReportsExitCodeAfterPolls) {
  for (int code : {0, 255}) {
    Process p;
    EXPECT_EQ(p.Poll(), State::NotStarted);
    ASSERT_TRUE(p.Start(ProbeArgv(code), workDir)) << p.Error();
    EXPECT_EQ(PollUntilDone(p), State::Exited);
    EXPECT_EQ(p.ExitCode(), code);
  }
  Process p;  // a signal ends with a code above 128
  ASSERT_TRUE(p.Start({"sh", "-c", "kill -TERM $$"}, workDir));
  EXPECT_EQ(PollUntilDone(p), State::Exited);
  EXPECT_EQ(p.ExitCode(), 128 + SIGTERM);
}

TEST_F(ProcessTest, UnstartableProgramsFailWithAReason) {
  const std::string plain = dir.WriteFile("nicht-ausfuehrbar.sh", "#!/bin/sh\nexit 0\n");
  const struct {
    std::vector<std::string> argv;
    std::string dir;
  } cases[] = {
      {{dir / "fehlt"}, workDir},
      {{"vostrane-test-kein-solches-programm"}, workDir},
      {{plain}, workDir},
      {{"sh", "-c", "exit 0"}, dir / "fehlt"},
      {{"sh", "-c", "exit 0"}, plain},
      {{}, workDir},
      {{""}, workDir},
  };
  for (const auto& c : cases) {
    Process p;
    EXPECT_FALSE(p.Start(c.argv, c.dir)) << testing::PrintToString(c.argv) << " in " << c.dir;
    EXPECT_FALSE(p.Error().empty());
    EXPECT_EQ(p.Poll(), State::Failed);
  }
}

TEST_F(ProcessTest, KillStartingAgainAndDestroyingEndAndReapTheChild) {
  pid_t third;
  {
    Process p;
    p.Kill();  // nothing started: nothing to do
    EXPECT_EQ(p.Poll(), State::NotStarted);
    const pid_t first = StartSleeper(p);
    ASSERT_GT(first, 0);
    EXPECT_EQ(p.Poll(), State::Running);
    p.Kill();
    EXPECT_EQ(p.Poll(), State::Exited);
    EXPECT_EQ(p.ExitCode(), 128 + SIGKILL);
    EXPECT_TRUE(Gone(first));
    const pid_t second = StartSleeper(p);
    third = StartSleeper(p);
    EXPECT_TRUE(Gone(second));
    ASSERT_GT(third, 0);
  }
  EXPECT_TRUE(Gone(third));
}

// A script's own children go with it: nothing of a killed run stays behind, whether it stayed
// in the script's group, started a session of its own, or was orphaned by a child that ended.
TEST_F(ProcessTest, KillEndsWhatTheChildStarted) {
  // The kid tells its own pid, which a program between (setsid may fork) would hide.
  const std::string kid = "sh -c 'echo $$ > kid.tmp && mv kid.tmp kid && exec sleep 30'";
  const struct {
    const char* what;
    std::string script;
  } cases[] = {
      {"in the group", kid + " & wait"},
      {"own session", "setsid " + kid + " & wait"},
      {"orphaned, own session", "(setsid " + kid + " &) ; sleep 30"},
  };
  for (const auto& c : cases) {
    const std::string kidFile = dir / "kid";
    std::filesystem::remove(kidFile);
    Process p;
    ASSERT_TRUE(p.Start({"sh", "-c", c.script}, dir.Path())) << c.what;
    const pid_t pid = PidFromFile(kidFile);
    ASSERT_GT(pid, 0) << c.what;
    p.Kill();
    // The orphan is left to init, which may not reap it at once (or at all, in a container).
    for (int i = 0; i < 500 && !Dead(pid); ++i) std::this_thread::sleep_for(10ms);
    EXPECT_TRUE(Dead(pid)) << c.what;
    if (!Dead(pid)) kill(pid, SIGKILL);  // nothing of a failed case outlives the test
  }
}

// A run that ends by itself takes along what it started and left running, wherever that went;
// a viewer's program that was handed a file stays.
TEST_F(ProcessTest, TheEndOfTheChildEndsWhatItLeft) {
  const std::string kid = "sh -c 'echo $$ > kid.tmp && mv kid.tmp kid && exec sleep 30'";
  // The child ends only once the kid has told its pid.
  const std::string thenEnd = "\nwhile [ ! -e kid ]; do sleep 0.01; done; exit 7";
  const struct {
    const char* what;
    Process::Leftovers leftovers;
    std::string script;
    bool kidEnds;
  } cases[] = {
      {"in the group", Process::Leftovers::End, kid + " &" + thenEnd, true},
      {"own session", Process::Leftovers::End, "setsid " + kid + " &" + thenEnd, true},
      {"orphaned, own session", Process::Leftovers::End, "(setsid " + kid + " &)" + thenEnd, true},
      {"kept", Process::Leftovers::Keep, "(setsid " + kid + " &)" + thenEnd, false},
  };
  for (const auto& c : cases) {
    const std::string kidFile = dir / "kid";
    std::filesystem::remove(kidFile);
    Process p(c.leftovers);
    ASSERT_TRUE(p.Start({"sh", "-c", c.script}, dir.Path())) << c.what;
    EXPECT_EQ(PollUntilDone(p), State::Exited) << c.what;
    EXPECT_EQ(p.ExitCode(), 7) << c.what;
    const pid_t pid = PidFromFile(kidFile);
    ASSERT_GT(pid, 0) << c.what;
    // Ended and reaped before the child's end is seen.
    EXPECT_EQ(Gone(pid), c.kidEnds) << c.what;
    if (!Gone(pid)) kill(pid, SIGKILL);
  }
}

// This program's end by a signal ends its runs with all they started: before it ends for a
// signal it handles, soon after for SIGKILL, which no handler sees.
TEST_F(ProcessTest, TheProgramsEndEndsItsRuns) {
  const std::string kidFile = dir / "kid";
  for (const int sig : {SIGTERM, SIGINT, SIGHUP, SIGKILL}) {
    std::filesystem::remove(kidFile);
    EXPECT_EXIT(
        {
          // As in a program started from a terminal, whatever the test runs under.
          for (const int s : {SIGTERM, SIGINT, SIGHUP}) std::signal(s, SIG_DFL);
          pf::HandleProgramSignals();
          Process p;
          if (!p.Start({"sh", "-c", "setsid sh -c 'echo $$ > kid.tmp && mv kid.tmp kid && "
                                    "exec sleep 30' & wait"},
                       dir.Path()) ||
              PidFromFile(kidFile) <= 0) {
            std::_Exit(1);
          }
          raise(sig);
          std::_Exit(2);
        },
        testing::KilledBySignal(sig), "")
        << strsignal(sig);
    const pid_t pid = PidFromFile(kidFile);
    ASSERT_GT(pid, 0) << strsignal(sig);
    for (int i = 0; sig == SIGKILL && i < 500 && !Gone(pid); ++i) {
      std::this_thread::sleep_for(10ms);
    }
    EXPECT_TRUE(Gone(pid)) << strsignal(sig);
    if (!Gone(pid)) kill(pid, SIGKILL);
  }
}

// Whatever kills a supervisor, this program reaps it and ends what it left: the program and
// what it started, wherever that went.
TEST_F(ProcessTest, AKilledSupervisorsRunStillEnds) {
  const std::string kid = "sh -c 'echo $$ > kid.tmp && mv kid.tmp kid && exec sleep 30'";
  const std::string toldKid = "\nwhile [ ! -e kid ]; do sleep 0.01; done\n";
  const std::string tellPids = "echo $PPID $$ > pids.tmp && mv pids.tmp pids\n";
  const struct {
    const char* what;
    std::string script;
    bool fromOutside;  // else the program kills its parent
  } cases[] = {
      {"from outside, kid in the group", kid + " &" + toldKid + tellPids + "wait", true},
      {"from outside, kid in its own session", "setsid " + kid + " &" + toldKid + tellPids + "wait",
       true},
      {"by the program, kid in the group", kid + " &" + toldKid + tellPids + "kill -9 $PPID; wait",
       false},
      {"by the program, orphaned kid in its own session",
       "(setsid " + kid + " &)" + toldKid + tellPids + "kill -KILL $PPID; sleep 30", false},
  };
  for (const auto& c : cases) {
    for (const char* name : {"kid", "pids"}) std::filesystem::remove(dir / name);
    Process p;
    ASSERT_TRUE(p.Start({"sh", "-c", c.script}, dir.Path())) << c.what;
    const pid_t kidPid = PidFromFile(dir / "kid");
    pid_t supervisor = -1;
    pid_t program = -1;
    for (int i = 0; i < 1000 && !(std::ifstream(dir / "pids") >> supervisor >> program); ++i) {
      std::this_thread::sleep_for(10ms);
    }
    ASSERT_GT(kidPid, 0) << c.what;
    ASSERT_GT(program, 0) << c.what;
    if (c.fromOutside) kill(supervisor, SIGKILL);
    EXPECT_EQ(PollUntilDone(p), State::Exited) << c.what;
    EXPECT_EQ(p.ExitCode(), 128 + SIGKILL) << c.what;
    // Ended and reaped here.
    for (const pid_t pid : {supervisor, program, kidPid}) {
      EXPECT_TRUE(Gone(pid)) << c.what << ": " << pid;
      if (!Gone(pid)) kill(pid, SIGKILL);
    }
  }
}

// A viewer's supervisor stays as the reaper of what its program handed the file to: a run's
// killed supervisor leaves that alone. Killed itself, it leaves that to this program too.
TEST_F(ProcessTest, AViewersLeftoverOutlivesAKilledRunNotItsOwnKilledSupervisor) {
  Process viewer(Process::Leftovers::Keep);
  ASSERT_TRUE(viewer.Start({"sh", "-c",
                            "echo $PPID > keeper; (setsid sh -c 'echo $$ > kid.tmp && mv kid.tmp "
                            "kid && exec sleep 30' &)\nwhile [ ! -e kid ]; do sleep 0.01; done; "
                            "exit 7"},
                           dir.Path()));
  EXPECT_EQ(PollUntilDone(viewer), State::Exited);
  EXPECT_EQ(viewer.ExitCode(), 7);
  const pid_t kept = PidFromFile(dir / "kid");
  const pid_t keeper = PidFromFile(dir / "keeper");
  ASSERT_GT(kept, 0);
  ASSERT_GT(keeper, 0);

  Process run;
  ASSERT_TRUE(run.Start({"sh", "-c", "kill -9 $PPID; sleep 30"}, dir.Path()));
  EXPECT_EQ(PollUntilDone(run), State::Exited);
  EXPECT_EQ(run.ExitCode(), 128 + SIGKILL);
  EXPECT_FALSE(Dead(kept));

  kill(keeper, SIGKILL);
  for (int i = 0; i < 500 && !Gone(kept); ++i) {
    viewer.Poll();
    std::this_thread::sleep_for(10ms);
  }
  EXPECT_TRUE(Gone(kept));
  if (!Gone(kept)) kill(kept, SIGKILL);
}

// Under a file-size limit a write fails, as on a full disk, instead of ending the program; a
// program it starts gets SIGXFSZ as the program got it (in SigIgn, bit 25 is 0x1000000).
TEST(ProcessDeathTest, AFileSizeLimitFailsTheWriteAndStartedProgramsGetTheSignalBack) {
  const TempDir dir;
  for (const bool ignoredBefore : {false, true}) {
    EXPECT_EXIT(
        {
          std::signal(SIGXFSZ, ignoredBefore ? SIG_IGN : SIG_DFL);
          pf::HandleProgramSignals();
          rlimit limit{};
          getrlimit(RLIMIT_FSIZE, &limit);
          limit.rlim_cur = 512;
          setrlimit(RLIMIT_FSIZE, &limit);
          const int fd = open((dir / "big").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
          const std::string bytes(1024, 'x');
          const ssize_t first = write(fd, bytes.data(), bytes.size());
          const bool failed = write(fd, bytes.data(), bytes.size()) < 0 && errno == EFBIG;
          if (first != 512 || !failed) std::_Exit(1);
          Process p;
          if (!p.Start({"sh", "-c",
                        "ign=$(awk '/^SigIgn/ {print $2}' /proc/$$/status); "
                        "exit $(( (0x$ign & 0x1000000) != 0 ))"},
                       dir.Path())) {
            std::_Exit(2);
          }
          std::_Exit(PollUntilDone(p) == State::Exited ? 10 + p.ExitCode() : 3);
        },
        testing::ExitedWithCode(ignoredBefore ? 11 : 10), "")
        << (ignoredBefore ? "ignored before" : "by default");
  }
}

TEST(ProcessDeathTest, AnIgnoredSignalStaysIgnored) {
  EXPECT_EXIT(
      {
        std::signal(SIGHUP, SIG_IGN);
        pf::HandleProgramSignals();
        raise(SIGHUP);
        std::_Exit(0);
      },
      testing::ExitedWithCode(0), "");
}

// Processes end while Kill walks /proc (their files then fail to read): it neither throws nor
// misses the child's tree.
TEST_F(ProcessTest, KillCopesWithProcessesEndingAroundIt) {
  Process churn;  // short-lived processes, four at a time, as fast as they come
  const std::string loop = "(while :; do /bin/true; done)";
  ASSERT_TRUE(
      churn.Start({"sh", "-c", loop + " & " + loop + " & " + loop + " & " + loop}, dir.Path()));
  for (int round = 0; round < 50; ++round) {
    Process p;
    const pid_t pid = StartSleeper(p);
    ASSERT_GT(pid, 0);
    EXPECT_NO_THROW(p.Kill());
    EXPECT_TRUE(Gone(pid));
  }
  EXPECT_NO_THROW(churn.Kill());
  EXPECT_EQ(churn.Poll(), State::Exited);
}

// Without stdio of our own, the pipe that reports a failed exec gets the lowest fds.
TEST(ProcessDeathTest, ReportsFailureWhenRunWithoutStdio) {
  EXPECT_EXIT(
      {
        close(0);
        close(1);
        Process p;
        std::_Exit(p.Start({"/vostrane-test-fehlt/programm"}, "/") ? 1 : 0);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
