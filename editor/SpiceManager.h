#pragma once
// The document's link to the external SPICE program: where the last SPICE netlist was written
// and under which name its results come back. Starting the program and reading its raw file
// belong to the SPICE run.

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
  // The full path of the netlist: the simulator's command line.
  void SetNetlistPath(const MyStrng& path) { netlistPath = path; }
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
  bool IsSimulatorRunning() const { return run != nullptr && run->IsRunning(); }
  bool ReadRawFile() { return run != nullptr && run->LoadResults(); }

 private:
  std::unique_ptr<SpiceRun> run;
  bool resultsPending = false;
  MyStrng netlistPath;
  MyStrng netlistName;
};
