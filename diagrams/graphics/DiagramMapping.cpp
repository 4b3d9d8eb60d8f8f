#include "diagrams/graphics/DiagramMapping.h"

#include <algorithm>
#include <cstdlib>

#include "diagrams/graphics/GrafElement.h"

namespace {

int Bounded(int v) {
  return std::clamp(v, -GrafElement::kMaxCoordinate, GrafElement::kMaxCoordinate);
}

}  // namespace

pf::Point MapValue(DiagramMapping& d, float x, float y) {
  const int px = Bounded(d.MapX(x, y));
  return {px, Bounded(d.MapY(y, x))};
}

MappedCircle MapCircle(DiagramMapping& d, float cx, float cy, float r) {
  const ClipOffScope unclipped(d);
  const pf::Point centre = MapValue(d, cx, cy);
  const int px2 = Bounded(d.MapX(cx + r, cy));
  return {centre.x, centre.y, std::abs(px2 - centre.x)};
}
