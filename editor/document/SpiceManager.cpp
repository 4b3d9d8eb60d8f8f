#include "editor/document/SpiceManager.h"

#include <filesystem>
#include <string>
#include <utility>

#include "basics/VS_Error.h"
#include "pf/path_map.h"
#include "pf/process.h"
#include "pf/ui_services.h"

namespace {

class ProcessRun : public SpiceRun {
 public:
  bool Start(const std::string& program, const std::string& netlist, const std::string& dir) {
    return process.Start({program, netlist}, dir);
  }
  bool IsRunning() override { return process.Poll() == pf::Process::State::Running; }
  int ExitCode() override {
    return process.Poll() == pf::Process::State::Exited ? process.ExitCode() : -1;
  }
  void Stop() override { process.Kill(); }

 private:
  // Its destructor ends a run still going: a closed document leaves no simulator behind.
  pf::Process process;
};

// The manager whose results are pending, by identity: two circuits of one name are two owners.
const SpiceManager*& FolderOwner() {
  static const SpiceManager* owner = nullptr;
  return owner;
}

SpiceManager::Starter& InstalledStarter() {
  static SpiceManager::Starter starter;
  return starter;
}

// The program starts in its own directory: a relative path would point elsewhere from there.
std::string Absolute(const MyStrng& path) {
  const std::string mapped = pf::MapWindowsPath(path.GetBuffer());
  if (mapped.empty()) return mapped;
  const std::string absolute = pf::AbsolutePath(mapped);
  return absolute.empty() ? mapped : absolute;
}

// The home is absolute, with its final '/'.
std::unique_ptr<SpiceRun> StartProcess(const MyStrng& home, const MyStrng& netlistPath) {
  const std::string dir = home.GetBuffer();
  const std::string netlist = Absolute(netlistPath).substr(0, SpiceManager::kMaxCommandLine);
  auto started = std::make_unique<ProcessRun>();
  if (!started->Start(dir + SpiceManager::kProgram, netlist, dir)) return nullptr;
  return started;
}

}  // namespace

void SpiceManager::InstallStarter(Starter starter) { InstalledStarter() = std::move(starter); }

SpiceManager::~SpiceManager() { DropRun(); }

void SpiceManager::TakeRun(std::unique_ptr<SpiceRun> started) {
  run = std::move(started);
  FolderOwner() = this;
}

void SpiceManager::DropRun() {
  run.reset();
  if (FolderOwner() == this) FolderOwner() = nullptr;
}

MyStrng SpiceManager::StartRefusal() const {
  const SpiceManager* owner = FolderOwner();
  if (owner == nullptr || owner == this) return MyStrng();
  const MyStrng& name = owner->circuitName.IsEmpty() ? owner->netlistPath : owner->circuitName;
  return MyStrng("Spice läuft bereits für Schaltung: ") + name;
}

bool SpiceManager::StartSimulator(const MyStrng& simulatorHome, int timeoutSeconds) {
  if (const MyStrng refusal = StartRefusal(); !refusal.IsEmpty()) {
    VS_Error().Error(refusal, 4);
    return false;
  }
  if (writeFailed) {
    VS_Error().Error(MyStrng("Spice-File wurde nicht geschrieben: ") + unwrittenPath, 4);
    return false;
  }
  StopSimulator();
  // Fixed now: the raw file is read later, when the working directory may have moved.
  home = simulatorHome;
  if (!home.IsEmpty()) {
    std::string dir = Absolute(home);
    if (dir.back() != '/') dir += '/';
    home = MyStrng(dir);
  }
  timeoutMs = static_cast<uint64_t>(timeoutSeconds > 0 ? timeoutSeconds : 1) * 1000;
  if (home.IsEmpty()) {
    VS_Error().Error("Simulator für Spice wurde nicht eingestellt", 4);
    return false;
  }
  std::unique_ptr<SpiceRun> started;
  if (HasWrittenNetlist()) {
    std::error_code ignored;
    std::filesystem::remove(pf::MapWindowsPath((home + kRawFile).GetBuffer()), ignored);
    ClearResults();
    started = InstalledStarter() ? InstalledStarter()(home, netlistPath)
                                 : StartProcess(home, netlistPath);
  }
  if (!started) {
    VS_Error().Error(MyStrng("Spice wurde nicht gestartet: ") + home + kProgram, 4);
    return false;
  }
  TakeRun(std::move(started));
  startTick = pf::TheUiServices().TickCount();
  return true;
}

bool SpiceManager::IsSimulatorRunning() {
  if (!run || !run->IsRunning()) return false;
  if (pf::TheUiServices().TickCount() - startTick < timeoutMs) return true;
  StopSimulator();
  VS_Error().Error("Spice antwortet nicht", 4);
  return false;
}

void SpiceManager::StopSimulator() {
  if (run) run->Stop();
  DropRun();
}

bool SpiceManager::ReadRawFile() {
  if (!run) {
    ClearResults();
    return false;
  }
  const int code = run->ExitCode();
  DropRun();
  if (code != 0) {
    ClearResults();
    VS_Error().Error(MyStrng("Spice endete mit Fehlercode ") + MyStrng(code) + ", siehe " + home +
                         kLogFile,
                     4);
    return false;
  }
  return ReadRawFileFrom(home + kRawFile);
}

void SpiceManager::CopyRawFileToClipboard(pf::Window* window) {
  if (!RawLinesRefusal().IsEmpty()) VS_Error().Error(RawLinesRefusal(), 4);
  GetRawLines().CopyToClipboard(window);
}
