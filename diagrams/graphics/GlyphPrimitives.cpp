// The drawing primitives the glyphs, the symbols and the logo are built from.

#include "diagrams/graphics/GlyphPrimitives.h"

#include <array>
#include <cmath>

#include "basics/Point.h"
#include "diagrams/graphics/GlyphsSupport.h"

using glyphs::Axis;
using glyphs::Lines;

int GetTextWidth(pf::Dc* dc, std::string_view text) { return dc->GetTextExtent(text).cx; }

int GetTextHeight(pf::Dc* dc, std::string_view text) { return dc->GetTextExtent(text).cy; }

void DrawPixel(pf::Dc* dc, int x, int y) { Lines(dc, {{x, y}, {x + 1, y}}); }

void DrawPlus(pf::Dc* dc, int x, int y, int s) {
  Lines(dc, {{x - s / 2, y}, {x - s / 2 + s, y}});
  Lines(dc, {{x, y - s / 2}, {x, y - s / 2 + s}});
}

void DrawDiamond(pf::Dc* dc, int x, int y, int s) {
  const std::array<pf::Point, 4> corners{
      {{x + s / 2, y}, {x, y + s / 2}, {x - s / 2, y}, {x, y - s / 2}}};
  dc->Polygon(corners);
}

void DrawCircle(pf::Dc* dc, int x, int y, int r) { dc->Ellipse({x - r, y - r, x + r, y + r}); }

void DrawBox(pf::Dc* dc, int x, int y, int w, int h) {
  const std::array<pf::Point, 4> corners{{{x - w / 2, y - h / 2},
                                          {x + w / 2, y - h / 2},
                                          {x + w / 2, y + h / 2},
                                          {x - w / 2, y + h / 2}}};
  dc->Polygon(corners);
}

void DrawGrayBox(pf::Dc* dc, int x, int y, int a, int b, bool horizontal) {
  const glyphs::StockBrushScope gray(dc, pf::StockObject::GrayBrush);
  if (horizontal)
    DrawBox(dc, x, y, a, b);
  else
    DrawBox(dc, x, y, b, a);
}

void DrawCornerTriangle(pf::Dc* dc, int x, int y, int w, int h) {
  const std::array<pf::Point, 3> corners{
      {{x - w / 2, y - h / 2}, {x + w / 2, y - h / 2}, {x - w / 2, y + h / 2}}};
  dc->Polygon(corners);
}

void DrawParallelogram(pf::Dc* dc, int x, int y, int w, int h) {
  const std::array<pf::Point, 4> corners{{{x - w / 2 + h / 2, y - h / 2},
                                          {x + w / 2 + h / 2, y - h / 2},
                                          {x + w / 2 - h / 2, y + h / 2},
                                          {x - w / 2 - h / 2, y + h / 2}}};
  dc->Polygon(corners);
}

void DrawCenteredLine(pf::Dc* dc, int x, int y, int len, bool horizontal) {
  const Axis axis{x, y, !horizontal};
  Lines(dc, {axis(-len / 2, 0), axis(len / 2, 0)});
}

void DrawDoubleMark(pf::Dc* dc, int x, int y, int len, int gap, bool horizontal) {
  const Axis across{x, y, horizontal};
  for (const int offset : {-gap / 2, gap / 2}) {
    const pf::Point centre = across(offset, 0);
    DrawCenteredLine(dc, centre.x, centre.y, len, horizontal);
  }
}

void DrawArcByAngles(pf::Dc* dc, int x, int y, int r, float start, float sweep) {
  const double degree = std::atan(1.0) * 4 / 180;
  const auto onCircle = [&](double angle) {
    return pf::Point{static_cast<int>(x + r * std::cos(angle * degree)),
                     static_cast<int>(y - r * std::sin(angle * degree))};
  };
  dc->Arc({x - r, y - r, x + r, y + r}, onCircle(start), onCircle(start + sweep));
}

void DrawHalfCircle(pf::Dc* dc, int x, int y, int r, bool horizontal) {
  const pf::Rect box{x - r, y - r, x + r, y + r};
  if (horizontal)
    dc->Arc(box, {x + r, y}, {x - r, y});
  else
    dc->Arc(box, {x, y + r}, {x, y - r});
}

namespace {

// The open arrow head along its axis, tip first at -w/2.
void ArrowHead(pf::Dc* dc, const Axis& axis, int w, int h) {
  Lines(dc, {axis(w / 2, 0), axis(-w / 2, 0), axis(w / 2, -h / 2), axis(w / 2, h / 2),
             axis(-w / 2, 0)});
}

// The port pentagon along its axis, pointing to +w/2.
void PortShape(pf::Dc* dc, const Axis& axis, int w, int h) {
  Lines(dc, {axis(-w / 2, -h / 2), axis(w / 6, -h / 2), axis(w / 2, 0), axis(w / 6, h / 2),
             axis(-w / 2, h / 2), axis(-w / 2, -h / 2)});
}

}  // namespace

void DrawArrowHeadH(pf::Dc* dc, int x, int y, int w, int h, bool right) {
  ArrowHead(dc, Axis{x, y, false, right ? -1 : 1}, w, h);
}

void DrawArrowHeadV(pf::Dc* dc, int x, int y, int w, int h, bool down) {
  ArrowHead(dc, Axis{x, y, true, down ? -1 : 1}, w, h);
}

void DrawArrowLine(pf::Dc* dc, int x, int y, int len, int head, bool down) {
  Lines(dc, {{x, y - len / 2}, {x, y + len / 2}});
  const int headCentre = down ? y + len / 2 - head : y - len / 2 + head;
  DrawArrowHeadV(dc, x, headCentre, 2 * head, head, down);
}

void DrawPortShapeH(pf::Dc* dc, int x, int y, int w, int h, bool right) {
  PortShape(dc, Axis{x, y, false, right ? 1 : -1}, w, h);
}

void DrawPortShapeV(pf::Dc* dc, int x, int y, int w, int h, bool down) {
  PortShape(dc, Axis{x, y, true, down ? 1 : -1}, w, h);
}
