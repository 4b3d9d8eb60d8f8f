// Reads arbitrary bytes as the lines of a SPICE raw file and asks for everything the instruments
// ask. A refused file keeps nothing; an accepted one has rows of its point count, values within
// the floats' range and a sweep that fits into its scale.

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "formats/SpiceRawFile.h"

namespace {

void Check(bool holds) {
  if (!holds) __builtin_trap();
}

bool InRange(double v) { return std::fabs(v) <= FLT_MAX; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<MyStrng> lines;
  size_t start = 0;
  for (int n = 0; start <= text.size() && n < 4096; ++n) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    MyStrng line(text.substr(start, end - start));
    line.TrimLeft();
    line.TrimRight();
    if (!line.IsEmpty()) lines.push_back(line);
    start = end + 1;
  }
  SpiceRawFile raw;
  raw.SetNetlistName("fuzz.cir");
  const bool read = raw.ReadRawLines(lines, "rawspice.raw");
  Check(read == raw.HasLoadedResults());
  for (int node = -1; node < 8; ++node) {
    const RVektor real = raw.GetNodeVoltage(node);
    const CVektor complex = raw.GetNodeVoltageComplex(node);
    Check(real.GetSize() == 0 || real.GetSize() == raw.GetPointCount());
    Check(complex.GetSize() == 0 || complex.GetSize() == raw.GetPointCount());
    Check(read || (real.GetSize() == 0 && complex.GetSize() == 0));
    for (int i = 0; i < real.GetSize(); ++i) Check(InRange(real[i]));
    for (int i = 0; i < complex.GetSize(); ++i) {
      Check(InRange(complex[i].re) && InRange(complex[i].im));
    }
  }
  const RVektor sweep = raw.GetSweepVector();
  Check(sweep.GetSize() <= raw.GetPointCount());
  Check(!read || raw.GetSweepRepetitions() >= 1);
  const RVektor scale = raw.GetScaleVector();
  for (int i = 0; i < scale.GetSize(); ++i) Check(InRange(scale[i]));
  VS_Error::ResetQueue();
  return 0;
}
