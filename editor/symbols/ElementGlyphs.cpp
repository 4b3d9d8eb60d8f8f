// Ready-made glyphs of the lumped elements, sources, transistors, ports and nodes. The shapes
// are given upright (along y); lying ones are the same with x and y exchanged.

#include <algorithm>
#include <array>
#include <cstdio>

#include "editor/symbols/Glyphs.h"
#include "diagrams/graphics/GlyphsSupport.h"

using glyphs::Axis;
using glyphs::Lines;

void DrawResistorGlyph(pf::Dc* dc, int x, int y, int len, int bodyLen, int bodyWidth,
                       bool horizontal) {
  const Axis axis{x, y, !horizontal};
  if (horizontal)
    DrawBox(dc, x, y, bodyLen, bodyWidth);
  else
    DrawBox(dc, x, y, bodyWidth, bodyLen);
  Lines(dc, {axis(-bodyLen / 2, 0), axis(-len / 2, 0)});
  Lines(dc, {axis(bodyLen / 2, 0), axis(len / 2, 0)});
}

namespace {

// Leads from the pins to the plates, which stand plateGap either side of the centre; the lower
// lead of an upright glyph starts lowerLead below the centre.
void PlatesAndLeads(pf::Dc* dc, const Axis& axis, int len, int width, int plateGap,
                    int lowerLead) {
  Lines(dc, {axis(-len / 2, 0), axis(-plateGap, 0)});
  Lines(dc, {axis(lowerLead, 0), axis(len / 2, 0)});
  for (const int at : {-plateGap, plateGap})
    Lines(dc, {axis(at, -width / 2), axis(at, width / 2 + 1)});
}

}  // namespace

void DrawCapacitorGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal) {
  // The upright lower lead stops short of its plate, as it always has.
  PlatesAndLeads(dc, Axis{x, y, !horizontal}, len, width, 2, horizontal ? 2 : 4);
}

void DrawQuartzGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal) {
  PlatesAndLeads(dc, Axis{x, y, !horizontal}, len, width, 3, horizontal ? 3 : 6);
  if (horizontal)
    DrawBox(dc, x, y, 2, width);
  else
    DrawBox(dc, x, y, width, 2);
}

void DrawInductorGlyph(pf::Dc* dc, int x, int y, int len, int coil, bool horizontal) {
  const Axis axis{x, y, !horizontal};
  for (const int at : {-coil / 2, coil / 2}) {
    const pf::Point centre = axis(at, 0);
    DrawHalfCircle(dc, centre.x, centre.y, coil / 2, horizontal);
  }
  Lines(dc, {axis(-coil, 0), axis(-len / 2, 0)});
  Lines(dc, {axis(coil, 0), axis(len / 2, 0)});
}

void DrawSeriesLcGlyph(pf::Dc* dc, int x, int y, int len, int coil, bool horizontal) {
  const Axis axis{x, y, !horizontal};
  const pf::Point inductor = axis(-len / 4, 0);
  const pf::Point capacitor = axis(len / 4, 0);
  DrawInductorGlyph(dc, inductor.x, inductor.y, len / 2, coil, horizontal);
  DrawCapacitorGlyph(dc, capacitor.x, capacitor.y, len / 2, coil, horizontal);
}

void DrawParallelLcGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal) {
  // The coil bulges towards the centre line (right when upright, up when lying), so it sits on
  // the other side and the capacitor, width wide, keeps 2 units clear of it.
  const int coilSide = horizontal ? 1 : -1;
  const int coilAt = coilSide * (width / 2);
  const int capacitorAt = -coilSide * (width / 2 + 2);
  const Axis axis{x, y, !horizontal};
  const pf::Point inductor = axis(0, coilAt);
  const pf::Point capacitor = axis(0, capacitorAt);
  DrawInductorGlyph(dc, inductor.x, inductor.y, len / 2, width, horizontal);
  DrawCapacitorGlyph(dc, capacitor.x, capacitor.y, len / 2, width, horizontal);
  for (const int at : {-len / 4, len / 4}) Lines(dc, {axis(at, coilAt), axis(at, capacitorAt)});
  Lines(dc, {axis(-len / 4, 0), axis(-len / 2, 0)});
  Lines(dc, {axis(len / 4, 0), axis(len / 2, 0)});
}

void DrawGroundGlyph(pf::Dc* dc, int x, int y, int size, int lead, bool horizontal, char dir) {
  const int s = std::max(size, 4);
  const bool leadBelowOrRight = dir == (horizontal ? 'L' : 'O');
  const Axis axis{x, y, !horizontal, leadBelowOrRight ? -1 : 1};
  const std::array<int, 3> halfWidths{(s + 4) / 2, s / 2, (s - 4) / 2};
  for (int i = 0; i < 3; ++i) {
    const int at = 3 * (i - 1);
    Lines(dc, {axis(at, -halfWidths[i]), axis(at, halfWidths[i])});
  }
  Lines(dc, {axis(-lead / 2, 0), axis(-3, 0)});
}

void DrawOpAmpGlyph(pf::Dc* dc, int x, int y, int w, int h, bool show) {
  const glyphs::StockBrushScope white(dc, pf::StockObject::WhiteBrush);
  if (!show) return;
  const std::array<pf::Point, 3> corners{
      {{x - w / 2, y - h / 2}, {x + w / 2, y}, {x - w / 2, y + h / 2}}};
  dc->Polygon(corners);
}

namespace {

// Base lead and bar, then the two legs; each leg runs from its start on the bar through its
// knee (both across offsets) to the outer end at len/4.
void Transistor(pf::Dc* dc, int x, int y, int len, int width, bool horizontal,
                std::array<int, 4> legs) {
  const Axis axis{x, y, !horizontal};
  Lines(dc, {axis(-len / 2, 0), axis(0, 0)});
  Lines(dc, {axis(0, -width / 2), axis(0, width / 2)});
  Lines(dc, {axis(0, legs[0]), axis(len / 4, legs[1]), axis(len / 4, width / 2)});
  Lines(dc, {axis(0, legs[2]), axis(len / 4, legs[3]), axis(len / 4, -width / 2)});
}

}  // namespace

void DrawBipGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal) {
  Transistor(dc, x, y, len, width, horizontal, {width / 6, width / 3, -width / 6, -width / 3});
}

void DrawFetGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal) {
  Transistor(dc, x, y, len, width, horizontal, {width / 6, width / 6, -width / 4, -width / 4});
}

void DrawSubstrateGlyph(pf::Dc* dc, int x, int y, int w, int h) {
  Lines(dc, {{x - h / 2 - w / 2, y + h / 2 + 1},
             {x + w / 2 - h / 2, y + h / 2 + 1},
             {x + h / 2 + w / 2, y - h / 2 + 1}});
  const glyphs::StockBrushScope white(dc, pf::StockObject::WhiteBrush);
  DrawParallelogram(dc, x, y, w, h);
}

namespace {

// A port pentagon with its label: lying ones point right or left, upright ones down or up.
// Lying labels start left of the centre (two thirds of their width unless centredWhenLying),
// upright ones are centred; all are centred vertically.
void Port(pf::Dc* dc, int x, int y, int w, int h, bool lying, bool forward,
          bool centredWhenLying, const char* label) {
  const int tw = GetTextWidth(dc, label);
  const int th = GetTextHeight(dc, label);
  if (lying) {
    DrawPortShapeH(dc, x, y, w, h, forward);
    dc->TextOut(centredWhenLying ? x - tw / 2 : x - 2 * tw / 3, y - th / 2, label);
  } else {
    DrawPortShapeV(dc, x, y, w, h, forward);
    dc->TextOut(x - tw / 2, y - th / 2, label);
  }
}

}  // namespace

void DrawInputGlyph(pf::Dc* dc, int x, int y, int w, int h, char dir) {
  const bool lying = dir == 'L' || dir == 'R';
  Port(dc, x, y, w, h, lying, lying ? dir == 'L' : dir != 'U', false, "in");
}

void DrawOutputGlyph(pf::Dc* dc, int x, int y, int w, int h, char dir) {
  const bool lying = dir == 'L' || dir == 'R';
  Port(dc, x, y, w, h, lying, lying ? dir != 'L' : dir != 'O', dir == 'L', "out");
}

void DrawNodeGlyph(pf::Dc* dc, int x, int y, int size, int number, char dir) {
  if (dir != 'L' && dir != 'R' && dir != 'O' && dir != 'U') return;
  DrawCircle(dc, x, y, size / 2);
  char text[16];
  std::snprintf(text, sizeof text, "%d", number);
  const int tw = GetTextWidth(dc, text);
  const int th = GetTextHeight(dc, text);
  dc->TextOut(dir == 'R' ? x - 2 * tw / 3 : x - tw / 2, y - th / 2, text);
}

namespace {

enum class Source { Vvg, Ccg, Vcg };

void ControlledSource(pf::Dc* dc, int x, int y, int w, int h, int d, bool show, bool arrows,
                      Source kind) {
  if (!show) return;
  const int D = std::max(d, 8) / 2;
  const int e = std::max(h, 16) / 3;
  DrawCircle(dc, x, y, 4);
  if (kind != Source::Vvg) Lines(dc, {{x - 4, y}, {x + 4, y}});
  Lines(dc, {{x, y - 4}, {x, y - D}});
  Lines(dc, {{x, y + 4}, {x, y + D}});
  if (kind == Source::Vvg) {
    DrawBox(dc, x + e, y - D, 8, 2);
    Lines(dc, {{x, y - D}, {x + e - 4, y - D}});
    Lines(dc, {{x + e + 4, y - D}, {x + w / 2, y - D}});
  } else {
    Lines(dc, {{x, y - D}, {x + w / 2, y - D}});
    DrawBox(dc, x + e, y, 2, 8);
    Lines(dc, {{x + e, y - 4}, {x + e, y - D}});
    Lines(dc, {{x + e, y + 4}, {x + e, y + D}});
  }
  DrawBox(dc, x - e, y, 2, 8);
  Lines(dc, {{x - e, y - 4}, {x - e, y - D}, {x - w / 2, y - D}});
  Lines(dc, {{x - e, y + 4}, {x - e, y + D}, {(kind == Source::Vvg ? x : x + e) + 1, y + D}});
  if (!arrows) return;
  const int arrowLen = std::max(d, 8) - 4;
  if (kind == Source::Ccg)
    DrawArrowHeadH(dc, x - w / 2, y - D, 5, 3, true);
  else
    DrawArrowLine(dc, x - w / 2, y, arrowLen, 2, true);
  DrawArrowLine(dc, x + w / 2, y, arrowLen, 2, true);
}

}  // namespace

void DrawVvgGlyph(pf::Dc* dc, int x, int y, int w, int h, int d, bool show, bool arrows) {
  ControlledSource(dc, x, y, w, h, d, show, arrows, Source::Vvg);
}

void DrawCcgGlyph(pf::Dc* dc, int x, int y, int w, int h, int d, bool show, bool arrows) {
  ControlledSource(dc, x, y, w, h, d, show, arrows, Source::Ccg);
}

void DrawVcgGlyph(pf::Dc* dc, int x, int y, int w, int h, int d, bool show, bool arrows) {
  ControlledSource(dc, x, y, w, h, d, show, arrows, Source::Vcg);
}
