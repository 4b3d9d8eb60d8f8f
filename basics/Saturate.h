#pragma once
// Float-to-int conversion that never invokes undefined behaviour: out-of-range values clamp
// to the int32 range and NaN gives 0.

#include <cmath>
#include <cstdint>

inline int32_t TruncToInt32(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return INT32_MAX;
  if (v <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(v);
}
