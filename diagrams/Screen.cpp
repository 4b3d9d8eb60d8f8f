#include "diagrams/Screen.h"

#include <array>

#include "pf/archive.h"
#include "pf/dc.h"

Screen::Screen(pf::Window* owner, int x, int y, int width, int height)
    : owner(owner), x(x), y(y), width(width), height(height) {
  Recompute();
}

Screen::Screen(const Screen& other)
    : DiagramMapping(other),
      owner(other.owner),
      x(other.x),
      y(other.y),
      width(other.width),
      height(other.height),
      margin(other.margin) {
  Recompute();
}

Screen& Screen::operator=(const Screen& other) {
  if (this == &other) return *this;
  owner = nullptr;
  x = other.x;
  y = other.y;
  width = other.width;
  height = other.height;
  margin = other.margin;
  Recompute();
  return *this;
}

void Screen::Recompute() {
  innerX = x + margin;
  innerY = y + margin;
  innerWidth = width - 2 * margin;
  innerHeight = height - 2 * margin;
  centreX = innerX + innerWidth / 2;
  centreY = innerY + innerHeight / 2;
}

void Screen::SetRect(const pf::Rect& r) {
  x = r.left;
  y = r.top;
  width = r.Width();
  height = r.Height();
  margin = 0;
  Recompute();
}

void Screen::Serialize(pf::Archive& ar) {
  std::array<int32_t*, 11> fields{&x,      &width,       &y,       &height,  &innerX, &innerWidth,
                                  &innerY, &innerHeight, &centreX, &centreY, &margin};
  if (ar.IsStoring()) {
    for (int32_t* f : fields) ar << *f;
    return;
  }
  std::array<int32_t, 11> v{};
  for (int32_t& f : v) ar >> f;
  const int32_t lx = v[0], lw = v[1], ly = v[2], lh = v[3], lm = v[10];
  const bool bad = lx < -kMaxCoordinate || lx > kMaxCoordinate || ly < -kMaxCoordinate ||
                   ly > kMaxCoordinate || lw < 0 || lw > kMaxCoordinate || lh < 0 ||
                   lh > kMaxCoordinate || lm < 0 || lm > lw / 2 || lm > lh / 2;
  if (bad) throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "bad screen area");
  x = lx;
  width = lw;
  y = ly;
  height = lh;
  margin = lm;
  Recompute();
}

void Screen::Draw(pf::Dc* dc) {
  const pf::Brush old = dc->SelectObject(pf::StockBrush(pf::StockObject::WhiteBrush));
  dc->Rectangle(GetInnerRect());
  dc->MoveTo(x + 1, y + height - 1);
  dc->LineTo(x + 1, y + 1);
  dc->LineTo(x + width, y + 1);
  dc->SelectObject(old);
}
