#pragma once
// The document's link to the external SPICE program: where the last SPICE netlist was written
// and under which name its results come back. Starting the program and reading its raw file
// belong to the SPICE run.

#include "basics/MyStrng.h"

// The application's SPICE configuration, which documents consult but do not own.
struct SpiceSettings {
  int enabled = 0;  // a SPICE program is configured
  MyStrng home = "Unbekannt";
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

 private:
  MyStrng netlistPath;
  MyStrng netlistName;
};
