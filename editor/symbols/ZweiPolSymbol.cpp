#include "editor/symbols/ZweiPolSymbol.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "editor/symbols/StoredValues.h"
#include "pf/archive.h"

PF_IMPLEMENT_SERIAL(ZweiPolSymbol, NetSymbol, 1)

ZweiPolSymbol::ZweiPolSymbol() : ZweiPolSymbol(Point(25, 100), Point(150, 100)) {}

ZweiPolSymbol::ZweiPolSymbol(const Point& start, const Point& end) : NetSymbol(2) {
  pins[0] = start;
  pins[1] = end;
  length = 50;
  breadth = 40;
}

void ZweiPolSymbol::Serialize(pf::Archive& ar) {
  NetSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(smdLength));
  if (ar.IsStoring()) {
    ar << smdFlag;
  } else {
    ar >> smdFlag;
  }
}

void ZweiPolSymbol::Draw(pf::Dc& dc) {
  NetSymbol::Draw(dc);
  if (pinCount < 1) return;
  const bool single = pinCount == 1;
  if (horizontal != 0) {
    const bool right = orientation != 'R';
    DrawAxialLeads(dc, false, length / 2, !single || !right, !single || right);
  } else {
    const bool upper = orientation == 'U';
    DrawAxialLeads(dc, true, (fixedOrientation != 0 ? breadth : length) / 2, !single || upper,
                   !single || !upper);
  }
}

int ZweiPolSymbol::WriteSpiceLines(LineFile& lines, int flag) {
  NetSymbol::WriteSpiceLines(lines, flag);
  netLine += MyStrng(" ") + MyStrng(nodes[0]) + " " + MyStrng(nodes[1]);
  return flag;
}

LPoint ZweiPolSymbol::LayoutVector() const {
  if (smdFlag == 0) return LPoint();
  // In single precision, as the value is: 5 mm gives 5000, not 4999.
  const float micrometres = LaeWert(smdLength).Value() * 1.0e6f;
  const int32_t len = std::isfinite(micrometres)
                          ? static_cast<int32_t>(std::clamp(micrometres, -1.0e9f, 1.0e9f))
                          : 0;
  switch (orientation) {
    case 'R':
      return LPoint(len, 0);
    case 'L':
      return LPoint(-len, 0);
    case 'O':
      return LPoint(0, len);
    case 'U':
      return LPoint(0, -len);
    default:
      return LPoint();
  }
}

void ZweiPolSymbol::SetOrigin(const Point& pin, const LPoint& layout) {
  // The origin always belongs to pin 1.
  layoutOrigin = (smdFlag != 0 && !(pin == pins[0])) ? layout - LayoutVector() : layout;
  layoutPlaced = 1;
}

void ZweiPolSymbol::VisitPins(std::vector<DoublePoint>& list) const {
  list.emplace_back(pins[0], layoutOrigin);
  list.emplace_back(pins[1], layoutOrigin + LayoutVector());
}
