#include "diagrams/graphics/RectElement.h"

#include <array>

#include "pf/dc.h"

RectElement::RectElement(pf::Window* owner, int px, int py, int w, int h) : GrafElement(owner) {
  name = "RectElement";
  x = px;
  y = py;
  width = w;
  height = h;
}

void RectElement::Draw(pf::Dc* dc) {
  if (drawn != 0) return;
  {
    const PenScope pen(dc, ElementPen());
    const std::array<pf::Point, 5> outline{
        {{x, y}, {x + width, y}, {x + width, y - height}, {x, y - height}, {x, y}}};
    dc->Polyline(outline);
  }
  dc->FillRect({x, y - height, x + width, y}, {pf::BrushStyle::Solid, ElementColorRef()});
  drawn = 1;
}

GreyRectangle::GreyRectangle(pf::Window* owner, int px, int py, int w, int h)
    : RectElement(owner, px, py, w, h) {
  name = "GreyRectangle";
  colour = RgbColor(192, 192, 192);
}

void GreyRectangle::Draw(pf::Dc* dc) {
  RectElement::Draw(dc);
  drawn = 0;
}
