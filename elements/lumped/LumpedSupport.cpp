#include "elements/lumped/LumpedSupport.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "editor/symbols/LabelFonts.h"
#include "pf/dc.h"

namespace lumped {

void InitElement(NetSymbol& symbol, const char* classKey) {
  symbol.settingC = 1;  // the ideal flag
  symbol.transparent = 1;
  symbol.drawCornerLine = 0;
  symbol.classKey = classKey;
}

void DrawLabel(pf::Dc& dc, const NetSymbol& symbol, const MyStrng& text, int dy, int dx) {
  const LabelFonts& fonts = TheLabelFonts();
  const bool lying = symbol.horizontal != 0;
  const pf::Font oldFont = dc.SelectObject(lying ? fonts.horizontal : fonts.vertical);
  if (lying) {
    text.DrawText(&dc, symbol.centre.x, symbol.centre.y + dy, 'C');
  } else {
    text.DrawVertical(&dc, symbol.centre.x + dx, symbol.centre.y);
  }
  dc.SelectObject(oldFont);
}

MyStrng SpiceNumber(WertMitDim& rough, double value) {
  const MyStrng number = rough.GetNumberPart();
  char text[48];
  // Magnitudes beyond the prefixes print in exponent form, which SPICE reads as it stands.
  if (rough.GetAt(number.GetLength()) == 'e') {
    std::snprintf(text, sizeof text, "%.9g", value);
    return MyStrng(text);
  }
  MyStrng suffix = rough.ToSpice();
  suffix.DeleteLeft(number.GetLength());
  std::snprintf(text, sizeof text, "%.9g", value / rough.UnitFactor());
  return MyStrng(text) + suffix;
}

double Usable(double number) { return std::isfinite(number) && number > 0.0 ? number : 0.0; }

bool CheckPositive(const NetSymbol& symbol,
                   std::initializer_list<std::pair<double, const char*>> numbers) {
  bool all = true;
  for (const auto& [number, what] : numbers) {
    if (number > 0.0) continue;
    VS_Error report;
    report.Error(symbol.elementName + ": " + what + " muss größer als 0 sein", 4);
    all = false;
  }
  return all;
}

Point LatexAxis::At(int along, int across) const {
  switch (dir) {
    case 'L':
      return Point(p1.x - along, p1.y + across);
    case 'O':
      return Point(p1.x + across, p1.y + along);
    case 'U':
      return Point(p1.x + across, p1.y - along);
    default:
      return Point(p1.x + along, p1.y + across);
  }
}

LatexAxis LatexAxisOf(const NetSymbol& symbol) {
  return LatexAxisTo(symbol, symbol.pins[1], symbol.OrientationFromPins());
}

LatexAxis LatexAxisTo(const NetSymbol& symbol, const Point& end, char dir) {
  LatexAxis axis;
  axis.p1 = symbol.ToLatexPoint(symbol.pins[0]);
  axis.p2 = symbol.ToLatexPoint(end);
  axis.dir = dir;
  const int distance = axis.Lying() ? axis.p2.x - axis.p1.x : axis.p2.y - axis.p1.y;
  axis.half = std::abs(distance) / 2;
  return axis;
}

}  // namespace lumped
