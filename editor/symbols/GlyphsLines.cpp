// Glyphs of the transmission-line elements: line and stub bodies, microstrip parts and the
// coaxial line.

#include <array>
#include <optional>

#include "editor/symbols/Glyphs.h"
#include "diagrams/graphics/GlyphsSupport.h"

using glyphs::Axis;
using glyphs::Lines;

namespace {

// The axis of a glyph whose wide side faces the letter ('L', 'R', 'O', 'U'); the glyph is
// given with its wide side at the negative end.
std::optional<Axis> FacingAxis(int x, int y, char dir) {
  switch (dir) {
    case 'L': return Axis{x, y, false, 1};
    case 'R': return Axis{x, y, false, -1};
    case 'O': return Axis{x, y, true, 1};
    case 'U': return Axis{x, y, true, -1};
    default: return std::nullopt;
  }
}

}  // namespace

void DrawLineBox(pf::Dc* dc, int x, int y, int len, int width, char dir) {
  const int h = width / 2;
  switch (dir) {
    case 'L':
    case 'R':
      Lines(dc, {{x - len / 2, y + h}, {x - h, y + h}, {x - h, y - h}});
      Lines(dc, {{x + h, y - h}, {x + h, y + h}, {x + len / 2, y + h}});
      break;
    case 'O':
    case 'U':
      Lines(dc, {{x - h, y - len / 2}, {x - h, y - h}, {x + h, y - h}});
      Lines(dc, {{x + h, y + h}, {x - h, y + h}, {x - h, y + len / 2}});
      break;
    case 'l':
    case 'r': DrawDoubleMark(dc, x, y, len, width, true); break;
    case 'o':
    case 'u': DrawDoubleMark(dc, x, y, len, width, false); break;
    default: break;
  }
}

void DrawStubBox(pf::Dc* dc, int x, int y, int len, int width, char dir) {
  const int h = width / 2;
  const int H = len / 2;
  switch (dir) {
    case 'L':
    case 'R':
      Lines(dc, {{x - H, y + h}, {x - h, y + h}, {x - h, y - h}, {x + h, y - h}, {x + h, y + h},
                 {x + H, y + h}});
      break;
    case 'O':
    case 'U':
      Lines(dc, {{x - h, y - H}, {x - h, y - h}, {x + h, y - h}, {x + h, y + h}, {x - h, y + h},
                 {x - h, y + H}});
      break;
    case 'l':
    case 'r': {
      DrawDoubleMark(dc, x, y, len, width, true);
      const int end = dir == 'l' ? x - H : x + H;
      Lines(dc, {{end, y - h}, {end, y + h}});
      break;
    }
    case 'o':
    case 'u': {
      DrawDoubleMark(dc, x, y, len, width, false);
      const int end = dir == 'o' ? y - H : y + H;
      Lines(dc, {{x - h, end}, {x + h, end}});
      break;
    }
    default: break;
  }
}

void DrawShortStubGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal, char dir) {
  DrawGrayBox(dc, x, y, len, width, horizontal);
  const Axis axis{x, y, !horizontal, dir == (horizontal ? 'R' : 'U') ? 1 : -1};
  Lines(dc, {axis(len / 2, -width), axis(len / 2, width + 1)});
}

void DrawOpenStubGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal, char dir) {
  DrawGrayBox(dc, x, y, len, width, horizontal);
  const Axis axis{x, y, !horizontal, dir == (horizontal ? 'L' : 'O') ? -1 : 1};
  for (const int across : {0, -width / 2, width / 2})
    Lines(dc, {axis(len / 2 + 1, across), axis(len / 2 + 4, across)});
}

void DrawCoupledLinesGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal) {
  const Axis axis{x, y, !horizontal};
  for (const int across : {-3, 3}) {
    const pf::Point centre = axis(0, across);
    DrawGrayBox(dc, centre.x, centre.y, len, width / 2 - 3, horizontal);
  }
}

void DrawTeeGlyph(pf::Dc* dc, int x, int y, int len, int width) {
  const int q = width / 4;
  const int h = width / 2;
  Lines(dc, {{x - len / 2, y - q}, {x + len / 2, y - q}});
  Lines(dc, {{x - len / 2, y + q}, {x + len / 2, y + q}});
  Lines(dc, {{x - q, y - q}, {x - q, y - h}});
  Lines(dc, {{x + q, y - q}, {x + q, y - h}});
  Lines(dc, {{x, y + q}, {x, y - q}});
}

void DrawStepGlyph(pf::Dc* dc, int x, int y, int len, int width, char dir) {
  if (dir != 'L' && dir != 'R') return;
  const Axis axis = *FacingAxis(x, y, dir);
  const int wide = width / 2;
  const int narrow = width / 4;
  const std::array<pf::Point, 8> outline{axis(-len / 2, -wide), axis(0, -wide),
                                         axis(0, -narrow),      axis(len / 2, -narrow),
                                         axis(len / 2, narrow), axis(0, narrow),
                                         axis(0, wide),         axis(-len / 2, wide)};
  dc->Polygon(outline);
}

void DrawTaperGlyph(pf::Dc* dc, int x, int y, int len, int width, char dir) {
  const std::optional<Axis> axis = FacingAxis(x, y, dir);
  if (!axis) return;
  const glyphs::StockBrushScope gray(dc, pf::StockObject::GrayBrush);
  const std::array<pf::Point, 4> outline{(*axis)(-len / 2, -width / 2),
                                         (*axis)(len / 2, -width / 4),
                                         (*axis)(len / 2, width / 4),
                                         (*axis)(-len / 2, width / 2)};
  dc->Polygon(outline);
}

void DrawCornerGlyph(pf::Dc* dc, int x, int y, int w, int h, bool vertical, char kind) {
  const glyphs::StockBrushScope gray(dc, pf::StockObject::GrayBrush);
  DrawCenteredLine(dc, x, y - h / 2, w + 6, true);
  DrawCenteredLine(dc, vertical ? x - w / 2 : x + w / 2, y, h + 6, false);
  const int boxWidth = vertical ? w : h;
  const int boxHeight = vertical ? h : w;
  if (kind == 'N')
    DrawBox(dc, x, y, boxWidth, boxHeight);
  else
    DrawCornerTriangle(dc, x, y, boxWidth, boxHeight);
}

void DrawRadialStubGlyph(pf::Dc* dc, int x, int y, int s, int /*unused*/, char dir) {
  const std::optional<Axis> axis = FacingAxis(x, y, dir);
  if (!axis) return;
  const glyphs::StockBrushScope gray(dc, pf::StockObject::GrayBrush);
  const std::array<pf::Point, 5> outline{(*axis)(s / 2, 0), (*axis)(-s / 3, -s / 3),
                                         (*axis)(-s / 2, -s / 5), (*axis)(-s / 2, s / 5),
                                         (*axis)(-s / 3, s / 3)};
  dc->Polygon(outline);
}

void DrawCoaxGlyph(pf::Dc* dc, int x, int y, int len, int r, bool horizontal, char dir) {
  const Axis axis{x, y, !horizontal};
  DrawCenteredLine(dc, x, y, len, horizontal);
  const char ends[2] = {horizontal ? 'L' : 'O', horizontal ? 'R' : 'U'};
  for (int i = 0; i < 2; ++i) {
    if (dir == ends[i]) continue;
    const pf::Point end = axis(i == 0 ? -len / 2 : len / 2, 0);
    DrawCenteredLine(dc, end.x, end.y, r, !horizontal);
  }
  DrawCircle(dc, x, y, static_cast<int>(0.7 * r));
  DrawCircle(dc, x, y, static_cast<int>(0.3 * r));
}
