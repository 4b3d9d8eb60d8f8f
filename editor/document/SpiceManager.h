#pragma once
// The document's link to the external SPICE program: where the last SPICE netlist was written,
// the run of the program on it, and the results read back from its raw file. A run that does
// not end is given up after a time limit, and a run given up leaves no process behind. The
// SPICE folder holds one netlist and one raw file, so one manager at a time has a run.

#include <cstdint>
#include <functional>
#include <memory>

#include "basics/MyStrng.h"
#include "formats/SpiceRawFile.h"

namespace pf {
class Window;
}

// The application's SPICE configuration, which documents consult but do not own.
struct SpiceSettings {
  static constexpr int kDefaultTimeoutSeconds = 300;
  int enabled = 0;  // a SPICE program is configured
  MyStrng home = "Unbekannt";
  // A run still going after this long is ended ("SpiceTimeout").
  int timeoutSeconds = kDefaultTimeoutSeconds;
};

// A started run of the SPICE program.
class SpiceRun {
 public:
  virtual ~SpiceRun() = default;
  virtual bool IsRunning() = 0;
  // Once ended: the program's exit code; -1 when it is not known.
  virtual int ExitCode() = 0;
  // Ends the program at once, with what it started.
  virtual void Stop() = 0;
};

class SpiceManager : public SpiceRawFile {
 public:
  // The program's name in the SPICE home, and the raw file it leaves there.
  static constexpr const char* kProgram = "VosSpice.exe";
  static constexpr const char* kRawFile = "rawspice.raw";
  // The program's log beside it, which a failed run points to.
  static constexpr const char* kLogFile = "vosspice.log";
  // Longer netlist paths reach the program cut to this length.
  static constexpr int kMaxCommandLine = 1023;

  // Starts the SPICE program of the directory on a netlist; null when it cannot be started.
  using Starter =
      std::function<std::unique_ptr<SpiceRun>(const MyStrng& home, const MyStrng& netlistPath)>;
  // The program start runs home + "VosSpice.exe" with the netlist path (cut to 1023
  // characters) as its one argument, in home; tests put stand-ins in its place, and null puts
  // it back.
  static void InstallStarter(Starter starter);

  SpiceManager() = default;
  ~SpiceManager() override;
  SpiceManager(const SpiceManager&) = delete;
  SpiceManager& operator=(const SpiceManager&) = delete;

  // The full path of the netlist: the simulator's command line. Results of an older netlist
  // no longer count.
  void SetNetlistPath(const MyStrng& path) {
    netlistPath = path;
    writeFailed = false;
    InvalidateResults();
  }
  // The netlist of the circuit as it is now could not be written to the path: the one written
  // before is of another circuit, and neither it nor its results count any more.
  void ForgetNetlist(const MyStrng& failedPath) {
    netlistPath = MyStrng();
    unwrittenPath = failedPath;
    writeFailed = true;
    InvalidateResults();
  }
  const MyStrng& GetNetlistPath() const { return netlistPath; }
  // How a refused start of another circuit names the one whose run goes (the netlist path
  // until one is given).
  void SetCircuitName(const MyStrng& name) { circuitName = name; }
  bool HasWrittenNetlist() const { return !netlistPath.IsEmpty(); }
  // A start is offered once a netlist was written, or failed to be: the refusal then says why.
  bool HasNetlistAttempt() const { return HasWrittenNetlist() || writeFailed; }

  // Results are pending from the start of a run until it is stopped or its raw file read.
  bool ResultsPending() const { return run != nullptr; }
  // While another manager's results are pending, the one raw file is theirs: a start here is
  // refused with this text ("Spice läuft bereits für Schaltung: NAME"); empty when it may go.
  MyStrng StartRefusal() const;
  // Starts the program of the directory on the written netlist; false, with "Spice wurde
  // nicht gestartet: PROGRAM" queued, when it cannot be started, with "Simulator für Spice
  // wurde nicht eingestellt" without a directory, and with "Spice-File wurde nicht
  // geschrieben: PATH" after a failed netlist, and with the `StartRefusal`, when nothing is
  // stopped or started. The old raw file goes first, so that it can never pass for the results
  // of this run.
  bool StartSimulator(const MyStrng& home,
                      int timeoutSeconds = SpiceSettings::kDefaultTimeoutSeconds);
  // False once the run has ended, and after the time limit, when the run is stopped, "Spice
  // antwortet nicht" queued and the results no longer pending.
  bool IsSimulatorRunning();
  // Ends a run at once; its results are no longer awaited.
  void StopSimulator();
  // Reads the raw file of the ended run, whose results are then no longer pending. A run that
  // ended with an error, or was stopped, has no results, whatever file lies there; an error
  // code is reported with the program's log.
  bool ReadRawFile();
  // The lines of the results held onto the clipboard; results whose lines were not kept say
  // why.
  void CopyRawFileToClipboard(pf::Window* window);

 private:
  // The run goes, with the folder held for it, or goes away and frees it.
  void TakeRun(std::unique_ptr<SpiceRun> started);
  void DropRun();

  std::unique_ptr<SpiceRun> run;
  MyStrng netlistPath;
  MyStrng circuitName;
  MyStrng unwrittenPath;
  bool writeFailed = false;
  MyStrng home;
  uint64_t startTick = 0;
  uint64_t timeoutMs = 0;
};
