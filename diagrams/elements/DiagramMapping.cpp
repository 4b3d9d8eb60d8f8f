#include "diagrams/elements/DiagramMapping.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

MappedCircle MapCircle(DiagramMapping& d, float cx, float cy, float r) {
  const ClipOffScope unclipped(d);
  const int px = d.MapX(cx, cy);
  const int py = d.MapY(cy, cx);
  const int px2 = d.MapX(cx + r, cy);
  return {px, py, static_cast<int>(std::min<int64_t>(std::llabs(int64_t{px2} - px), INT32_MAX))};
}
