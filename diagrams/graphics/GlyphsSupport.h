#pragma once
// Helpers shared by the glyph sources; not for the symbols themselves.

#include <initializer_list>

#include "pf/dc.h"
#include "pf/gdi.h"

namespace glyphs {

// Offsets along and across a glyph's axis, turned into points: along runs down y when upright
// and along x when lying, and a sign of -1 mirrors it.
struct Axis {
  int x;
  int y;
  bool upright;
  int sign = 1;
  pf::Point operator()(int along, int across) const {
    return upright ? pf::Point{x + across, y + sign * along}
                   : pf::Point{x + sign * along, y + across};
  }
};

// A move-to and a line-to per further point, so the current position ends at the last one.
inline void Lines(pf::Dc* dc, std::initializer_list<pf::Point> points) {
  const pf::Point* p = points.begin();
  dc->MoveTo(*p);
  for (++p; p != points.end(); ++p) dc->LineTo(*p);
}

// Selects a stock brush for the lifetime of the scope and then puts the caller's one back.
class StockBrushScope {
 public:
  StockBrushScope(pf::Dc* dc, pf::StockObject which)
      : dc_(dc), old_(dc->SelectObject(pf::StockBrush(which))) {}
  ~StockBrushScope() { dc_->SelectObject(old_); }
  StockBrushScope(const StockBrushScope&) = delete;
  StockBrushScope& operator=(const StockBrushScope&) = delete;

 private:
  pf::Dc* dc_;
  pf::Brush old_;
};

}  // namespace glyphs
