// Reads arbitrary bytes as a SPICE raw file, as the file's stream is read (a last line without
// its line end included), and asks for everything the instruments and the raw-file view ask. A
// refused file keeps nothing, lines neither; an accepted one has rows of its point count, values
// within the floats' range, a sweep that fits into its scale and no more lines than a text file
// may hold.

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "basics/VS_Error.h"
#include "formats/SpiceRawFile.h"

namespace {

void Check(bool holds) {
  if (!holds) __builtin_trap();
}

bool InRange(double v) { return std::fabs(v) <= FLT_MAX; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  SpiceRawFile raw;
  raw.SetNetlistName("fuzz.cir");
  const bool read = raw.ReadRawStream(in, static_cast<int64_t>(size), "rawspice.raw");
  Check(read == raw.HasLoadedResults());
  const int32_t lines = raw.GetRawLines().GetCount();
  Check(read ? lines <= LineFile::kMaxLines : lines == 0);
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
