#pragma once
// The document's link to the external SPICE program: where the last SPICE netlist was written
// and under which name its results come back. Starting the program and reading its raw file
// belong to the SPICE run.

#include <functional>
#include <memory>

#include "basics/MyStrng.h"

// The application's SPICE configuration, which documents consult but do not own.
struct SpiceSettings {
  int enabled = 0;  // a SPICE program is configured
  MyStrng home = "Unbekannt";
};

// A started run of the SPICE program, as the SPICE run supplies it.
class SpiceRun {
 public:
  virtual ~SpiceRun() = default;
  virtual bool IsRunning() = 0;
  // Reads the raw file of the ended run; false when it cannot be read or holds no results.
  virtual bool LoadResults() = 0;
};

class SpiceManager {
 public:
  // Starts the SPICE program of the directory on a netlist; null when it cannot be started.
  // The SPICE run installs one; until then nothing starts.
  using Starter =
      std::function<std::unique_ptr<SpiceRun>(const MyStrng& home, const MyStrng& netlistPath)>;
  static void InstallStarter(Starter starter);

  // The full path of the netlist: the simulator's command line. Results of an older netlist
  // no longer count.
  void SetNetlistPath(const MyStrng& path) {
    netlistPath = path;
    resultsLoaded = false;
  }
  // The file name without directory; the raw file's title is compared with it.
  void SetNetlistName(const MyStrng& name) { netlistName = name; }
  const MyStrng& GetNetlistPath() const { return netlistPath; }
  const MyStrng& GetNetlistName() const { return netlistName; }
  bool HasWrittenNetlist() const { return !netlistPath.IsEmpty(); }

  // Results are pending from the start of a run until idle processing has collected them;
  // only a started run makes them pending.
  void RunStarted(std::unique_ptr<SpiceRun> started) {
    run = std::move(started);
    resultsPending = run != nullptr;
  }
  bool ResultsPending() const { return resultsPending; }
  void ClearResultsPending() { resultsPending = false; }
  // Starts the program of the directory on the written netlist; false, with "Spice wurde
  // nicht gestartet" queued, when it cannot be started.
  bool StartSimulator(const MyStrng& home);
  bool IsSimulatorRunning() const { return run != nullptr && run->IsRunning(); }
  bool ReadRawFile() {
    resultsLoaded = run != nullptr && run->LoadResults();
    return resultsLoaded;
  }
  bool HasLoadedResults() const { return resultsLoaded; }

 private:
  std::unique_ptr<SpiceRun> run;
  bool resultsPending = false;
  bool resultsLoaded = false;
  MyStrng netlistPath;
  MyStrng netlistName;
};
