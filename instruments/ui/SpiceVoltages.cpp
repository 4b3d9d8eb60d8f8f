#include "instruments/ui/SpiceVoltages.h"

#include <algorithm>

#include "formats/SpiceRawFile.h"

namespace {

int32_t PointsOf(const SpiceRawFile& result) { return std::max(result.GetPointCount(), 0); }

template <class V>
V OrZeros(const SpiceRawFile& result, int node, V (SpiceRawFile::*row)(int) const) {
  const int32_t n = PointsOf(result);
  if (node != 0) {
    V found = (result.*row)(node);
    if (found.GetSize() == n) return found;
  }
  // The constructor reports a count of 0; Realloc takes it silently.
  V zeros(std::max<int32_t>(n, 1));
  zeros.Realloc(n);
  return zeros;
}

}  // namespace

RVektor NodeVoltageOrZeros(const SpiceRawFile& result, int node) {
  return OrZeros(result, node, &SpiceRawFile::GetNodeVoltage);
}

RVektor VoltageBetween(const SpiceRawFile& result, int a, int b) {
  RVektor v = NodeVoltageOrZeros(result, a);
  const RVektor vb = NodeVoltageOrZeros(result, b);
  for (int32_t i = 0; i < v.GetSize(); ++i) v[i] -= vb[i];
  return v;
}

CVektor ComplexVoltageBetween(const SpiceRawFile& result, int a, int b) {
  CVektor v = OrZeros(result, a, &SpiceRawFile::GetNodeVoltageComplex);
  const CVektor vb = OrZeros(result, b, &SpiceRawFile::GetNodeVoltageComplex);
  for (int32_t i = 0; i < v.GetSize(); ++i) v[i] = v[i] - vb[i];
  return v;
}
