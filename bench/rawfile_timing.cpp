// The SPICE raw reader, timed: reads an ASCII raw file in-process as a SPICE run's results are
// read. Prints the points and variables read, the resident memory before the read and its peak
// in MB, then the read's time in milliseconds. One read a process: the peak is the process's.
// Usage: rawfile-timing RAW-FILE NETLIST-NAME

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "basics/VS_Error.h"
#include "formats/SpiceRawFile.h"

namespace {

// A size in MB from /proc/self/status. The peak is taken from there, not from getrusage, whose
// maximum a process keeps from before its exec (the driver's python).
double StatusMb(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.compare(0, key.size(), key) == 0) return std::atof(line.c_str() + key.size()) / 1024;
  }
  return 0.0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("Usage: rawfile-timing RAW-FILE NETLIST-NAME\n", stderr);
    return 2;
  }
  const double before = StatusMb("VmRSS:");
  SpiceRawFile raw;
  raw.SetNetlistName(argv[2]);
  const auto start = std::chrono::steady_clock::now();
  const bool read = raw.ReadRawFileFrom(argv[1]);
  const auto end = std::chrono::steady_clock::now();
  if (!read) {
    std::fprintf(stderr, "rawfile-timing: %s\n", VS_Error::GetFirstMessage().GetBuffer());
    return 1;
  }
  std::printf("%d %d %.1f %.1f %.3f\n", raw.GetPointCount(), raw.GetVariableCount(), before,
              StatusMb("VmHWM:"), std::chrono::duration<double, std::milli>(end - start).count());
  return 0;
}
