#include "editor/document/SpiceManager.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "basics/VS_Error.h"
#include "pf/headless.h"
#include "platform/core/tests/temp_dir.h"

namespace {

using namespace std::chrono_literals;
using pf::test::ReadFile;
using pf::test::TempDir;

// A SPICE program that keeps its argument and answers with one operating point of the netlist's
// name, or behaves as the script it is given.
constexpr const char* kEcho =
    "#!/bin/sh\n"
    "printf %s \"$1\" > argument\n"
    "printf 'Title: %s\\nDate: d\\nPlotname: Operating Point\\nFlags: real\\nNo. Variables: 2\\n"
    "No. Points: 1\\nCommand: x\\nVariables:\\n0\\tv(v-sweep)\\tvoltage\\n1\\tV(3)\\tvoltage\\n"
    "Values:\\n0\\t0\\n2.5\\n' \"$(basename \"$1\")\" > rawspice.raw\n";

class SpiceManagerTest : public testing::Test {
 protected:
  void Install(const std::string& script) {
    const std::string program = dir.WriteFile("VosSpice.exe", script);
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  }
  // Polls the run as idle processing does, for at most ten seconds.
  void AwaitEnd() {
    for (int i = 0; i < 1000 && spice.IsSimulatorRunning(); ++i) std::this_thread::sleep_for(10ms);
  }
  MyStrng Home() const { return MyStrng(dir.Path().string() + "/"); }

  pf::Headless headless;
  TempDir dir;
  SpiceManager spice;
};

// The program gets the netlist path (cut to 1023 characters) in its own directory, and its raw
// file is read from there.
TEST_F(SpiceManagerTest, RunsTheProgramOfTheHomeAndReadsItsResults) {
  Install(kEcho);
  EXPECT_FALSE(spice.IsSimulatorRunning()) << "before any start";
  const std::string netlist = dir.Path().string() + "/amp.cir";
  spice.SetNetlistPath(MyStrng(netlist));
  spice.SetNetlistName("amp.cir");
  ASSERT_TRUE(spice.StartSimulator(Home()));
  AwaitEnd();
  EXPECT_TRUE(spice.ReadRawFile());
  EXPECT_EQ(ReadFile(dir / "argument"), netlist);
  ASSERT_EQ(spice.GetNodeVoltage(3).GetSize(), 1);
  EXPECT_EQ(spice.GetNodeVoltage(3)[0], 2.5);

  const std::string longPath = dir.Path().string() + "/" + std::string(1100, 'x') + ".cir";
  spice.SetNetlistPath(MyStrng(longPath));
  EXPECT_FALSE(spice.HasLoadedResults()) << "a new netlist invalidates the results";
  ASSERT_TRUE(spice.StartSimulator(Home()));
  AwaitEnd();
  EXPECT_EQ(ReadFile(dir / "argument"), longPath.substr(0, 1023));

  // Spelt through a link: ".." behind it is the folder above its target, as the system takes
  // it, for the home and for the netlist alike.
  std::filesystem::create_directories(dir / "deep/inner");
  std::filesystem::create_directory_symlink(dir / "deep/inner", dir / "link");
  spice.SetNetlistPath(MyStrng(dir / "link/../../amp.cir"));
  ASSERT_TRUE(spice.StartSimulator(MyStrng(dir / "link/../../")));
  AwaitEnd();
  EXPECT_TRUE(spice.ReadRawFile());
  EXPECT_EQ(ReadFile(dir / "argument"), netlist);
}

// After a netlist that could not be written nothing starts, not even the netlist written before,
// whose results are gone; the start is still offered, to say why. The next netlist runs.
TEST_F(SpiceManagerTest, AFailedNetlistIsNotReplacedByTheOneBefore) {
  Install(kEcho);
  const std::string before = dir.Path().string() + "/amp.cir";
  spice.SetNetlistPath(MyStrng(before));
  spice.SetNetlistName("amp.cir");
  ASSERT_TRUE(spice.StartSimulator(Home()));
  AwaitEnd();
  ASSERT_TRUE(spice.ReadRawFile());
  std::filesystem::remove(dir / "argument");

  const std::string failed = dir.Path().string() + "/amp2.cir";
  spice.ForgetNetlist(MyStrng(failed));
  EXPECT_FALSE(spice.HasLoadedResults());
  EXPECT_TRUE(spice.HasNetlistAttempt());
  VS_Error::ResetQueue();
  EXPECT_FALSE(spice.StartSimulator(Home()));
  EXPECT_EQ(VS_Error::GetFirstMessage(), ("Spice-File wurde nicht geschrieben: " + failed).c_str());
  EXPECT_FALSE(spice.ResultsPending());
  EXPECT_FALSE(std::filesystem::exists(dir / "argument")) << "a program was run";

  spice.SetNetlistPath(MyStrng(before));
  ASSERT_TRUE(spice.StartSimulator(Home()));
  AwaitEnd();
  EXPECT_EQ(ReadFile(dir / "argument"), before);
}

// The message names the program that was not found, made absolute as it was started.
TEST_F(SpiceManagerTest, AStartWithoutProgramIsReported) {
  spice.SetNetlistPath(MyStrng(dir.Path().string() + "/amp.cir"));
  const std::string here = std::filesystem::current_path().string();
  const struct {
    MyStrng home;
    std::string message;
  } cases[] = {
      {Home(), "Spice wurde nicht gestartet: " + dir.Path().string() + "/VosSpice.exe"},
      {"Unbekannt", "Spice wurde nicht gestartet: " + here + "/Unbekannt/VosSpice.exe"},
      {MyStrng(), "Simulator für Spice wurde nicht eingestellt"},
  };
  for (const auto& c : cases) {
    VS_Error::ResetQueue();
    EXPECT_FALSE(spice.StartSimulator(c.home));
    EXPECT_EQ(VS_Error::GetFirstMessage(), c.message.c_str());
    EXPECT_FALSE(spice.ResultsPending());
  }
}

// A program that ends with an error code leaves no results, and the message points to its log.
TEST_F(SpiceManagerTest, AnErrorCodeNamesTheLog) {
  Install("#!/bin/sh\necho kaputt > vosspice.log\nexit 3\n");
  VS_Error::ResetQueue();
  spice.SetNetlistPath(MyStrng(dir.Path().string() + "/amp.cir"));
  spice.SetNetlistName("amp.cir");
  ASSERT_TRUE(spice.StartSimulator(Home()));
  AwaitEnd();
  EXPECT_FALSE(spice.ReadRawFile());
  const std::string log = dir.Path().string() + "/vosspice.log";
  EXPECT_EQ(VS_Error::GetFirstMessage(), ("Spice endete mit Fehlercode 3, siehe " + log).c_str());
}

// The time limit counts on the program's clock; a run given up is ended with what it started.
TEST_F(SpiceManagerTest, ARunPastItsTimeIsStopped) {
  Install("#!/bin/sh\nsleep 60 &\necho $! > sleeper.tmp && mv sleeper.tmp sleeper\nwait\n");
  spice.SetNetlistPath(MyStrng(dir.Path().string() + "/amp.cir"));
  ASSERT_TRUE(spice.StartSimulator(Home(), 2));
  for (int i = 0; i < 500 && !std::filesystem::exists(dir / "sleeper"); ++i) {
    std::this_thread::sleep_for(10ms);
  }
  headless.Advance(1999);
  EXPECT_TRUE(spice.IsSimulatorRunning());
  headless.Advance(1);
  EXPECT_FALSE(spice.IsSimulatorRunning());
  EXPECT_EQ(VS_Error::GetFirstMessage(), "Spice antwortet nicht");
  EXPECT_FALSE(spice.ResultsPending());
  EXPECT_FALSE(spice.ReadRawFile());
  std::string pid = ReadFile(dir / "sleeper");
  while (!pid.empty() && pid.back() == '\n') pid.pop_back();
  const std::string sleeper = "/proc/" + pid;
  std::string stat;
  for (int i = 0; i < 200; ++i) {
    stat = std::filesystem::exists(sleeper) ? ReadFile(sleeper + "/stat") : "";
    if (stat.empty() || stat.find(") Z") != std::string::npos) break;
    std::this_thread::sleep_for(10ms);
  }
  EXPECT_TRUE(stat.empty() || stat.find(") Z") != std::string::npos) << stat;
}

// A stand-in run that goes until the test, or a stop, ends it.
class HeldRun : public SpiceRun {
 public:
  explicit HeldRun(bool& going) : going(going) {}
  bool IsRunning() override { return going; }
  int ExitCode() override { return 0; }
  void Stop() override { going = false; }

 private:
  bool& going;
};

// The SPICE folder holds one netlist and one raw file: while one circuit's results are pending,
// the start of another, even of the same netlist, is refused naming the circuit that runs (its
// netlist when it has no name), and starts, stops and deletes nothing; however that run ends,
// the folder is free again.
TEST_F(SpiceManagerTest, AnotherCircuitStartsOnlyOnceTheRunningOnesResultsAreDone) {
  bool going = false;
  int starts = 0;
  SpiceManager::InstallStarter([&](const MyStrng&, const MyStrng&) {
    ++starts;
    going = true;
    return std::make_unique<HeldRun>(going);
  });
  const std::string netlist = dir.Path().string() + "/amp.cir";
  using Ending = std::function<void(std::unique_ptr<SpiceManager>&)>;
  const struct {
    const char* ending;
    MyStrng circuit;
    std::string named;
    Ending end;
  } cases[] = {
      {"results read", "/a/amp.vqe", "/a/amp.vqe",
       [&](std::unique_ptr<SpiceManager>& first) {
         going = false;
         EXPECT_FALSE(first->IsSimulatorRunning());
         EXPECT_TRUE(first->ReadRawFile());
         ASSERT_EQ(first->GetNodeVoltage(3).GetSize(), 1);
         EXPECT_EQ(first->GetNodeVoltage(3)[0], 0.12) << "the refused start took its file";
       }},
      {"stopped", "/a/amp.vqe", "/a/amp.vqe",
       [](std::unique_ptr<SpiceManager>& first) { first->StopSimulator(); }},
      {"past its time", "", netlist,
       [&](std::unique_ptr<SpiceManager>& first) {
         headless.Advance(SpiceSettings::kDefaultTimeoutSeconds * 1000);
         EXPECT_FALSE(first->IsSimulatorRunning());
       }},
      {"closed", "", netlist, [](std::unique_ptr<SpiceManager>& first) { first.reset(); }},
  };
  for (const auto& c : cases) {
    auto first = std::make_unique<SpiceManager>();
    SpiceManager second;
    for (SpiceManager* m : {first.get(), &second}) {
      m->SetNetlistPath(MyStrng(netlist));
      m->SetNetlistName("amp.cir");
    }
    first->SetCircuitName(c.circuit);
    second.SetCircuitName("/b/amp.vqe");
    starts = 0;
    ASSERT_TRUE(first->StartSimulator(Home()));
    dir.WriteFile("rawspice.raw",
                  "Title: amp.cir\nDate: d\nPlotname: Operating Point\nFlags: real\n"
                  "No. Variables: 2\nNo. Points: 1\nCommand: x\nVariables:\n0\tv(v-sweep)\t"
                  "voltage\n1\tV(3)\tvoltage\nValues:\n0\t0\n0.12\n");
    const std::string refusal = "Spice läuft bereits für Schaltung: " + c.named;
    VS_Error::ResetQueue();
    EXPECT_FALSE(second.StartSimulator(Home())) << c.ending;
    EXPECT_EQ(VS_Error::GetFirstMessage(), refusal.c_str());
    EXPECT_EQ(second.StartRefusal(), refusal.c_str());
    EXPECT_TRUE(first->StartRefusal().IsEmpty()) << "its own start replaces its run";
    EXPECT_EQ(starts, 1);
    EXPECT_TRUE(going) << "the refused start stopped the run";
    EXPECT_TRUE(first->ResultsPending());
    EXPECT_FALSE(second.ResultsPending());
    c.end(first);
    EXPECT_TRUE(second.StartRefusal().IsEmpty()) << c.ending;
    EXPECT_TRUE(second.StartSimulator(Home())) << c.ending;
    EXPECT_EQ(starts, 2);
    second.StopSimulator();
  }
  SpiceManager::InstallStarter(nullptr);
}

}  // namespace
