#include "lines/ui/LayoutSupport.h"

#include <algorithm>

#include "formats/GerberPlotFile.h"

namespace layout {

LPoint Direction(char orientation) {
  switch (orientation) {
    case 'R': return LPoint(1, 0);
    case 'L': return LPoint(-1, 0);
    case 'O': return LPoint(0, 1);
    case 'U': return LPoint(0, -1);
    default: return LPoint();
  }
}

LPoint LeftOf(const LPoint& d) { return LPoint(-d.y, d.x); }

LPoint Times(const LPoint& d, int64_t k) {
  const auto cut = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  return LPoint(cut(d.x * k), cut(d.y * k));
}

GerberAperture StripAperture(char orientation, LaeWert w, LaeWert p) {
  const double width = w.Value();
  const double length = p.Value();
  if (Micrometres(length) >= Micrometres(width)) {
    return {GerberAperture::Shape::Square, width, width};
  }
  const bool upright = orientation == 'O' || orientation == 'U';
  return {GerberAperture::Shape::Rectangle, upright ? width : length, upright ? length : width};
}

void WriteStrip(GerberPlotFile& file, const LPoint& start, const LPoint& d, int32_t p,
                int32_t w) {
  if (p < w) {
    file.Flash(start + Times(d, p / 2));
    return;
  }
  const int32_t h = w / 2;
  file.Stroke(start + Times(d, h), start + Times(d, int64_t{p} - h));
}

}  // namespace layout
