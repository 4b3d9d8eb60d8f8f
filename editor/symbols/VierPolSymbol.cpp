#include "editor/symbols/VierPolSymbol.h"

#include <cstdlib>

#include "pf/dc.h"

PF_IMPLEMENT_SERIAL(VierPolSymbol, NetSymbol, 1)

VierPolSymbol::VierPolSymbol() : VierPolSymbol(Point(0, 100), Point(100, 100)) {}

VierPolSymbol::VierPolSymbol(const Point& start, const Point& end) : NetSymbol(4) {
  pins[0] = start;
  pins[1] = end;
  length = 35;
  breadth = 35;
}

void VierPolSymbol::UpdateGeometry() {
  horizontal = pins[0].y == pins[1].y ? 1 : 0;
  orientation = OrientationFromPins();
  const Point p1 = pins[0];
  const Point p2 = pins[1];
  const int32_t half = breadth / 2;
  switch (orientation) {
    case 'R':
    case 'L': {
      const bool right = orientation == 'R';
      centre = right ? Point(p1.x + (p2.x - p1.x) / 2, p1.y + half - 5)
                     : Point(p2.x + (p1.x - p2.x) / 2, p1.y - half + 5);
      width = span = std::abs(p2.x - p1.x) + 4;
      height = breadth + 4;
      const int32_t y = SnapToGrid(right ? p1.y + half + 10 : p1.y - half - 10);
      pins[2] = Point(p1.x, y);
      pins[3] = Point(p2.x, y);
      break;
    }
    case 'U':
    case 'O': {
      // The vertical cases halve the span and grow the extent by 2, not 4.
      const bool down = orientation == 'U';
      centre = down ? Point(p1.x - half + 5, p1.y + (p2.y - p1.y) / 2)
                    : Point(p1.x + half - 5, p2.y + (p1.y - p2.y) / 2);
      height = std::abs(p2.y - p1.y) + 2;
      width = breadth + 2;
      span = std::abs(p2.y - p1.y) / 2;
      const int32_t x = SnapToGrid(down ? p1.x - half - 10 : p1.x + half + 10);
      pins[2] = Point(x, p1.y);
      pins[3] = Point(x, p2.y);
      break;
    }
    default:
      break;
  }
}

void VierPolSymbol::Draw(pf::Dc& dc) {
  NetSymbol::Draw(dc);
  if (drawLeads == 0) return;
  const bool across = horizontal != 0;
  const int32_t s = orientation == (across ? 'L' : 'O') ? -1 : 1;
  const int32_t toFirst = (across ? centre.x : centre.y) - s * length / 2;
  const int32_t toSecond = (across ? centre.x : centre.y) + s * length / 2;
  for (int i = 0; i < 4; ++i) {
    const Point& p = pins[i];
    const int32_t to = (i % 2 == 0) ? toFirst : toSecond;  // pins 1 and 3, pins 2 and 4
    dc.MoveTo(p.x, p.y);
    dc.LineTo(across ? to : p.x, across ? p.y : to);
  }
}
