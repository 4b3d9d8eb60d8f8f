#include "editor/symbols/MultiPolSymbol.h"

#include <cstdlib>

#include "pf/archive.h"
#include "pf/dc.h"

PF_IMPLEMENT_SERIAL(MultiPolSymbol, NetSymbol, 1)

namespace {

// A grid offset from pin 1 in pin spacings: forward along the orientation, then beside it.
struct Offset {
  int forward;
  int side;
};

struct Placement {
  int pins;
  char variant;
  Offset centre;
  Offset others[4];  // pins 2 to 5, as many as the symbol has beyond pin 1
};

constexpr Placement kPlacements[] = {
    {2, 'B', {2, 0}, {{2, 2}}},
    {2, 'C', {2, 0}, {{2, -2}}},
    {3, 'A', {2, 0}, {{4, 0}, {2, 2}}},
    {3, 'B', {2, 0}, {{3, -2}, {3, 2}}},
    {3, 'C', {2, 0}, {{4, 0}, {2, -2}}},
    {3, 'D', {2, 0}, {{2, -2}, {2, 2}}},
    {4, 'A', {2, 0}, {{4, 0}, {2, 2}, {2, -2}}},
    {4, 'B', {2, 1}, {{0, 2}, {1, 3}, {3, 3}}},
    {5, 'A', {2, 1}, {{4, 1}, {2, 3}, {2, -1}, {0, 2}}},
};

const Placement* FindPlacement(int pins, char variant) {
  for (const Placement& p : kPlacements) {
    if (p.pins == pins && p.variant == variant) return &p;
  }
  return nullptr;
}

// Unit vectors on the screen (y down) of the forward and the side direction.
struct Axes {
  Point forward;
  Point side;
};

Axes AxesOf(char orientation) {
  switch (orientation) {
    case 'U':
      return {Point(0, 1), Point(-1, 0)};
    case 'L':
      return {Point(-1, 0), Point(0, -1)};
    case 'O':
      return {Point(0, -1), Point(1, 0)};
    default:
      return {Point(1, 0), Point(0, 1)};
  }
}

int Dot(const Point& a, const Point& b) { return a.x * b.x + a.y * b.y; }
int Sign(int v) { return v < 0 ? -1 : 1; }

}  // namespace

MultiPolSymbol::MultiPolSymbol() : MultiPolSymbol(Point(25, 100), Point(150, 100)) {}

MultiPolSymbol::MultiPolSymbol(const Point& start, const Point& end) : NetSymbol(2) {
  pins[0] = start;
  pins[1] = end;
  length = 60;
  breadth = 40;
}

void MultiPolSymbol::Serialize(pf::Archive& ar) {
  NetSymbol::Serialize(ar);
  if (ar.IsStoring()) {
    ar << variant;
  } else {
    ar >> variant;
  }
}

void MultiPolSymbol::UpdateGeometry() {
  if (pinCount <= 1 || (pinCount == 2 && variant == 'A')) {
    NetSymbol::UpdateGeometry();
    return;
  }
  orientation = OrientationFromPins();
  // The placement takes pin 2 off the axis; the flag follows the orientation so that placing
  // the symbol again (the view does as it inserts it) keeps it lying or upright.
  horizontal = orientation == 'L' || orientation == 'R' ? 1 : 0;
  const Placement* placement = FindPlacement(pinCount, variant);
  if (placement != nullptr) {
    const Axes axes = AxesOf(orientation);
    const Point origin = pins[0];
    auto at = [&](Offset o) {
      return Point(origin.x + pinSpacing * (o.forward * axes.forward.x + o.side * axes.side.x),
                   origin.y + pinSpacing * (o.forward * axes.forward.y + o.side * axes.side.y));
    };
    centre = at(placement->centre);
    for (int i = 1; i < pinCount; ++i) pins[i] = at(placement->others[i - 1]);
  } else if (pinCount == 2) {
    return;
  }
  ExtentFromPins();
}

void MultiPolSymbol::Draw(pf::Dc& dc) {
  NetSymbol::Draw(dc);
  if (bitmap != nullptr && !bitmap->IsEmpty()) DrawBitmap(dc);
  if (drawLeads == 0) return;
  if (pinCount == 1) {
    dc.MoveTo(pins[0].x, pins[0].y);
    switch (orientation) {
      case 'L':
        dc.LineTo(centre.x + length / 2, pins[0].y);
        break;
      case 'R':
        dc.LineTo(centre.x - length / 2, pins[0].y);
        break;
      case 'O':
        dc.LineTo(centre.x, centre.y + breadth / 2);
        break;
      case 'U':
        dc.LineTo(centre.x, centre.y - breadth / 2);
        break;
      default:
        break;
    }
    return;
  }
  if (pinCount == 2 && variant == 'A') {
    const bool vertical = horizontal == 0 && fixedOrientation == 0;
    DrawAxialLeads(dc, vertical, length / 2, true, true);
    return;
  }
  if (FindPlacement(pinCount, variant) == nullptr) return;
  // A pin behind or in front of the body leads to its end face, a pin beside it to its side.
  const Axes axes = AxesOf(orientation);
  for (int i = 0; i < pinCount; ++i) {
    const Point& p = pins[i];
    const Point rel = p - centre;
    const int forward = Dot(rel, axes.forward);
    const int side = Dot(rel, axes.side);
    const Point to = std::abs(forward) > length / 2
                         ? p - Point(axes.forward.x * (forward - Sign(forward) * (length / 2)),
                                     axes.forward.y * (forward - Sign(forward) * (length / 2)))
                         : p - Point(axes.side.x * (side - Sign(side) * (breadth / 2)),
                                     axes.side.y * (side - Sign(side) * (breadth / 2)));
    dc.MoveTo(p.x, p.y);
    dc.LineTo(to.x, to.y);
  }
}

void MultiPolSymbol::DrawBitmap(pf::Dc& dc) {
  const pf::Bitmap turned = Turned(*bitmap, orientation);
  dc.BitBlt(centre.x - turned.Width() / 2, centre.y - turned.Height() / 2, turned.Width(),
            turned.Height(), turned, 0, 0);
}

pf::Bitmap MultiPolSymbol::Turned(const pf::Bitmap& picture, char orientation) {
  const int w = picture.Width();
  const int h = picture.Height();
  // A quarter turn swaps width and height, so an oblong picture (the instruments') stays whole;
  // for a square one the mapping is the same either way.
  const bool quarter = orientation == 'O' || orientation == 'U';
  pf::Bitmap turned(quarter ? h : w, quarter ? w : h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const pf::ColorRef c = picture.GetPixel(x, y);
      switch (orientation) {
        case 'L':
          turned.SetPixel(w - 1 - x, h - 1 - y, c);
          break;
        case 'O':
          turned.SetPixel(y, w - 1 - x, c);
          break;
        case 'U':
          turned.SetPixel(h - 1 - y, x, c);
          break;
        default:
          turned.SetPixel(x, y, c);
          break;
      }
    }
  }
  return turned;
}

void MultiPolSymbol::PlaceThirdPin() {
  if (pinSpacing <= 0) return;
  orientation = OrientationFromPins();
  const int32_t s = pinSpacing;
  const Point p1 = pins[0];
  const Point p2 = pins[1];
  const bool alongX = orientation == 'R' || orientation == 'L';
  const int32_t half = ((alongX ? p2.x - p1.x : p2.y - p1.y) / s) / 2;
  switch (orientation) {
    case 'R':
      pins[2] = Point(p1.x + half * s, p1.y + 2 * s);
      break;
    case 'L':
      pins[2] = Point(p2.x - (half - 1) * s, p1.y - 2 * s);
      break;
    case 'O':
      pins[2] = Point(p1.x + 2 * s, p1.y + half * s);
      break;
    case 'U':
      pins[2] = Point(p1.x - 2 * s, p1.y + half * s);
      break;
    default:
      break;
  }
}
