#include "diagrams/graphics/PfeilSpitze.h"

#include <array>

#include "diagrams/pictex/PicTexFile.h"
#include "pf/dc.h"

PfeilSpitze::PfeilSpitze(pf::Window* owner, int px, int py)
    : GrafElement(owner), tipX(px), tipY(py) {
  width = 6;
  height = 6;
  x = px - 6;
  y = py + 3;
}

void PfeilSpitze::Draw(pf::Dc* dc) {
  const PenScope pen(dc, ElementPen());
  if (orientation == 'H') {
    const std::array<pf::Point, 3> head{{{x, y}, {x + width / 2, y - height}, {x + width, y + 1}}};
    dc->Polyline(head);
  } else if (orientation == 'R') {
    const std::array<pf::Point, 3> head{{{x, y}, {x + width, y - height / 2}, {x - 1, y - height}}};
    dc->Polyline(head);
  }
  drawn = 1;
}

void PfeilSpitze::WritePicTex(PicTexFile& f) const {
  if (orientation == 'H') {
    WritePolyline(f, {{x, y}, {x + width / 2, y - height}, {x + width, y}});
  } else if (orientation == 'R') {
    WritePolyline(f, {{x, y}, {x + width, y - height / 2}, {x, y - height}});
  }
}

void PfeilSpitze::MoveTo(int px, int py) {
  tipX = px;
  tipY = py;
  const pf::Point corner = CornerFor(px, py);
  GrafElement::MoveTo(corner.x, corner.y);
}

void PfeilSpitze::SetOrientation(char c) {
  if (c != 'R' && c != 'L' && c != 'H' && c != 'U') return;
  orientation = c;
  if (c == 'R' || c == 'H') {
    const pf::Point corner = CornerFor(tipX, tipY);
    SetPos(corner.x, corner.y);
  }
}

void PfeilSpitze::Place(int px, int py) {
  tipX = px;
  tipY = py;
  if (orientation == 'U') orientation = 'H';
  // A left-pointing head sits where a right-pointing one would.
  const char rule = orientation == 'L' ? 'R' : orientation;
  const pf::Point corner = rule == 'H'   ? pf::Point{px - width / 2, py + height}
                           : rule == 'R' ? pf::Point{px - width, py + height / 2}
                                         : pf::Point{x, y};
  SetPos(corner.x, corner.y);
}

pf::Point PfeilSpitze::CornerFor(int px, int py) const {
  if (orientation == 'H') return {px - width / 2, py + height};
  if (orientation == 'R') return {px - width, py + height / 2};
  return {px, py};
}
