#include "diagrams/graphics/CircleLine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "basics/Saturate.h"
#include "diagrams/pictex/PicTexFile.h"
#include "pf/dc.h"

CircleLine::CircleLine(pf::Window* owner) : CircleLine(owner, 0, 0, 10) {}

CircleLine::CircleLine(pf::Window* owner, int cx, int cy, int r) : GrafElement(owner) {
  colour = RgbColor(0, 255, 0);
  centreX = std::clamp(cx, kMinCoord, kMaxCoord);
  centreY = std::clamp(cy, kMinCoord, kMaxCoord);
  CircleLine::SetRadius(r);
}

void CircleLine::Draw(pf::Dc* dc) {
  const PenScope pen(dc, ElementPen());
  const pf::Brush oldBrush = dc->SelectObject(pf::StockBrush(pf::StockObject::NullBrush));
  const pf::BkMode oldMode = dc->SetBkMode(pf::BkMode::Transparent);
  dc->Ellipse({centreX - radius, centreY - radius, centreX + radius, centreY + radius});
  dc->SetBkMode(oldMode);
  dc->SelectObject(oldBrush);
  drawn = 1;
}

void CircleLine::WritePicTex(PicTexFile& f) const { f.Circle(centreX, centreY, radius); }

void CircleLine::MoveTo(int cx, int cy) {
  centreX = std::clamp(cx, kMinCoord, kMaxCoord);
  centreY = std::clamp(cy, kMinCoord, kMaxCoord);
  GrafElement::MoveTo(centreX - radius, centreY + radius);
}

void CircleLine::SetCentre(int cx, int cy) {
  centreX = std::clamp(cx, kMinCoord, kMaxCoord);
  centreY = std::clamp(cy, kMinCoord, kMaxCoord);
  x = centreX - radius;
  y = centreY + radius;
}

void CircleLine::SetRadius(int r) {
  radius = static_cast<int>(std::min<int64_t>(std::abs(int64_t{r}), kMaxCoord));
  SetBox();
}

void CircleLine::SetRadiusAndUpdate(int r) {
  // Not the virtual SetRadius: the reference ring's version comes back here.
  if (std::min<int64_t>(std::abs(int64_t{r}), kMaxCoord) >= radius) {
    CircleLine::SetRadius(r);
    Update();
  } else {
    Update();
    CircleLine::SetRadius(r);
  }
}

void CircleLine::SetBox() {
  x = centreX - radius;
  y = centreY + radius;
  width = 2 * radius;
  height = 2 * radius;
}

CircleWithBorder::CircleWithBorder(pf::Window* owner)
    : CircleLine(owner), ticks(static_cast<int>(radius * 0.3 + 1.0)) {}

void CircleWithBorder::Draw(pf::Dc* dc) {
  {
    const PenScope pen(dc, ElementPen());
    for (int k = 0; k < ticks; ++k) {
      dc->MoveTo(TickStart(k));
      dc->LineTo(TickEnd(k));
    }
  }
  CircleLine::Draw(dc);
}

void CircleWithBorder::WritePicTex(PicTexFile& f) const {
  CircleLine::WritePicTex(f);
  for (int k = 0; k < ticks; ++k) {
    const pf::Point from = TickStart(k);
    const pf::Point to = TickEnd(k);
    f.SetPen(from.x, from.y);
    f.PlotLineTo(to.x, to.y);
  }
}

void CircleWithBorder::SetRadius(int r) {
  CircleLine::SetRadius(r);
  ticks = static_cast<int>(radius * 0.3 + 1.0);
}

void CircleWithBorder::SetSide(char c) {
  if (c == 'I') {
    side = c;
    SetBox();
  } else if (c == 'O') {
    side = c;
    x = TruncToInt32(centreX - radius / factor);
    y = TruncToInt32(centreY + radius / factor);
    width = TruncToInt32(2 * radius / factor);
    height = width;
  }
}

pf::Point CircleWithBorder::TickEnd(int k) const {
  const double step = 2 * (4 * std::atan(1.0)) / ticks;
  const double a = k * step;
  return {centreX + static_cast<int>(radius * std::cos(a)),
          centreY + static_cast<int>(radius * std::sin(a))};
}

pf::Point CircleWithBorder::TickStart(int k) const {
  const pf::Point end = TickEnd(k);
  const int c = end.x - centreX;
  const int s = end.y - centreY;
  if (side == 'O') {
    return {centreX + TruncToInt32(c / factor), centreY + TruncToInt32(s / factor)};
  }
  return {centreX + TruncToInt32(c * factor), centreY + TruncToInt32(s * factor)};
}

RefCircle::RefCircle(pf::Window* owner, int cx, int cy, int r)
    : CircleLine(owner, cx, cy, r),
      arrow(std::make_unique<PfeilSpitze>(owner, centreX, centreY - radius)) {
  arrow->SetColor(colour);
}

void RefCircle::Draw(pf::Dc* dc) {
  CircleLine::Draw(dc);
  arrow->Draw(dc);
}

void RefCircle::WritePicTex(PicTexFile& f) const {
  CircleLine::WritePicTex(f);
  arrow->WritePicTex(f);
}

void RefCircle::MoveTo(int cx, int cy) {
  CircleLine::MoveTo(cx, cy);
  arrow->MoveTo(centreX, centreY - radius);
}

void RefCircle::SetRadius(int r) {
  SetRadiusAndUpdate(r);
  arrow->MoveTo(centreX, centreY - radius);
}

void RefCircle::Place(int r) {
  CircleLine::SetRadius(r);
  arrow->Place(centreX, centreY - radius);
}

void RefCircle::Update() {
  CircleLine::Update();
  arrow->Update();
}

void RefCircle::SetOwner(pf::Window* w) {
  CircleLine::SetOwner(w);
  arrow->SetOwner(w);
}
