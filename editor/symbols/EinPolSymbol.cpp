#include "editor/symbols/EinPolSymbol.h"

#include "pf/dc.h"

PF_IMPLEMENT_SERIAL(EinPolSymbol, NetSymbol, 1)

EinPolSymbol::EinPolSymbol() : EinPolSymbol(Point(0, 100), Point(100, 100)) {}

EinPolSymbol::EinPolSymbol(const Point& start, const Point& end) : NetSymbol(1) {
  pins[0] = start;
  pins[1] = end;
  length = 50;
  breadth = 40;
}

void EinPolSymbol::Draw(pf::Dc& dc) {
  NetSymbol::Draw(dc);
  if (drawLeads == 0) return;
  dc.MoveTo(pins[0].x, pins[0].y);
  if (horizontal != 0) {
    dc.LineTo(centre.x + (orientation == 'R' ? -length / 2 : length / 2), centre.y);
  } else {
    dc.LineTo(centre.x, centre.y + (orientation == 'U' ? -length / 2 : length / 2));
  }
}

int EinPolSymbol::WriteSpiceLines(LineFile& lines, int flag) {
  NetSymbol::WriteSpiceLines(lines, flag);
  netLine += MyStrng(nodes[0]) + " ";
  return 0;
}
