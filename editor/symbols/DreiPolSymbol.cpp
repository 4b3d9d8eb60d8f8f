#include "editor/symbols/DreiPolSymbol.h"

#include <cstdlib>
#include <utility>

#include "pf/dc.h"

PF_IMPLEMENT_SERIAL(DreiPolSymbol, NetSymbol, 1)

DreiPolSymbol::DreiPolSymbol() : DreiPolSymbol(Point(0, 100), Point(100, 100)) {}

DreiPolSymbol::DreiPolSymbol(const Point& start, const Point& end) : NetSymbol(3) {
  pins[0] = start;
  pins[1] = end;
  length = 40;
  breadth = 25;
}

void DreiPolSymbol::UpdateGeometry() {
  horizontal = pins[0].y == pins[1].y ? 1 : 0;
  Point& p1 = pins[0];
  Point& p2 = pins[1];
  if (horizontal == 0) {
    if (p2.y < p1.y) std::swap(p1, p2);
    const int32_t x0 = p1.x - breadth / 2;
    centre = Point(x0 + 5, p1.y + (p2.y - p1.y) / 2);
    height = span = std::abs(p2.y - p1.y) + 4;
    const int32_t x3 = SnapToGrid(x0 - 10);
    width = 2 * std::abs(x3 - centre.x);
    pins[2] = Point(x3, SnapToGrid(centre.y));
  } else {
    if (p1.x > p2.x) std::swap(p1, p2);
    const int32_t y0 = p1.y + breadth / 2;
    centre = Point(p1.x + (p2.x - p1.x) / 2, y0 - 5);
    width = span = std::abs(p2.x - p1.x) + 4;
    const int32_t y3 = SnapToGrid(y0 + 10);
    height = 2 * std::abs(y3 - centre.y);
    pins[2] = Point(SnapToGrid(centre.x), y3);
  }
}

void DreiPolSymbol::Draw(pf::Dc& dc) {
  NetSymbol::Draw(dc);
  if (drawLeads == 0) return;
  const bool across = horizontal != 0;
  const Point ends[3] = {
      across ? Point(centre.x - length / 2, pins[0].y) : Point(pins[0].x, centre.y - length / 2),
      across ? Point(centre.x + length / 2, pins[0].y) : Point(pins[1].x, centre.y + length / 2),
      across ? Point(pins[2].x, centre.y + breadth / 2) : Point(centre.x - breadth / 2, pins[2].y),
  };
  for (int i = 0; i < 3; ++i) {
    dc.MoveTo(pins[i].x, pins[i].y);
    dc.LineTo(ends[i].x, ends[i].y);
  }
}
