#pragma once
// The drawing library of the schematic symbols: primitives and the ready-made glyphs of the
// element kinds, each drawn around a centre (x, y) with integer sizes whose halves, thirds and
// so on truncate. Lines use the current pen and leave out their end pixel; shapes are filled
// with the current brush unless a stock brush is named, which is selected for the call only.
// Orientation letters: 'L' left, 'R' right, 'O' up, 'U' down; the box primitives take the
// lower-case letters for their mark variants. A letter a function does not handle draws nothing.

#include <string_view>

class Point;

namespace pf {
class Dc;
}

// Extent of the text in the context's current font.
int GetTextWidth(pf::Dc* dc, std::string_view text);
int GetTextHeight(pf::Dc* dc, std::string_view text);

void MoveToPoint(pf::Dc* dc, const Point& p);
void DrawPixel(pf::Dc* dc, int x, int y);
void DrawPlus(pf::Dc* dc, int x, int y, int s);
void DrawDiamond(pf::Dc* dc, int x, int y, int s);
void DrawCircle(pf::Dc* dc, int x, int y, int r);
void DrawBox(pf::Dc* dc, int x, int y, int w, int h);
// Gray; a wide and b high when horizontal, else b wide and a high.
void DrawGrayBox(pf::Dc* dc, int x, int y, int a, int b, bool horizontal);
// The right angle at the top left.
void DrawCornerTriangle(pf::Dc* dc, int x, int y, int w, int h);
// Top edge shifted right by h/2, bottom edge left by h/2.
void DrawParallelogram(pf::Dc* dc, int x, int y, int w, int h);
void DrawCenteredLine(pf::Dc* dc, int x, int y, int len, bool horizontal);
// Two parallel centred lines gap apart.
void DrawDoubleMark(pf::Dc* dc, int x, int y, int len, int gap, bool horizontal);
// Counter-clockwise from start to start + sweep degrees.
void DrawArcByAngles(pf::Dc* dc, int x, int y, int r, float start, float sweep);
// The right half, or the upper half when horizontal.
void DrawHalfCircle(pf::Dc* dc, int x, int y, int r, bool horizontal);
// Open arrow heads w long and h wide, pointing left (up) unless right (down).
void DrawArrowHeadH(pf::Dc* dc, int x, int y, int w, int h, bool right);
void DrawArrowHeadV(pf::Dc* dc, int x, int y, int w, int h, bool down);
// A vertical line with a head 2 * head long at the end it points to.
void DrawArrowLine(pf::Dc* dc, int x, int y, int len, int head, bool down);
// Pentagon outlines w long and h wide, pointing left (up) unless right (down).
void DrawPortShapeH(pf::Dc* dc, int x, int y, int w, int h, bool right);
void DrawPortShapeV(pf::Dc* dc, int x, int y, int w, int h, bool down);

// Element glyphs: len is the length between the two pins; a glyph with a horizontal flag is
// drawn along y unless it is set.
void DrawResistorGlyph(pf::Dc* dc, int x, int y, int len, int bodyLen, int bodyWidth,
                       bool horizontal);
void DrawCapacitorGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal);
void DrawInductorGlyph(pf::Dc* dc, int x, int y, int len, int coil, bool horizontal);
void DrawSeriesLcGlyph(pf::Dc* dc, int x, int y, int len, int coil, bool horizontal);
void DrawParallelLcGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal);
void DrawQuartzGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal);
// Bars widest at the lead; the lead comes from below for 'O' (upright) or from the right for
// 'L' (lying), else from above or the left. Sizes below 4 draw as 4.
void DrawGroundGlyph(pf::Dc* dc, int x, int y, int size, int lead, bool horizontal, char dir);
void DrawOpAmpGlyph(pf::Dc* dc, int x, int y, int w, int h, bool show);
void DrawBipGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal);
void DrawFetGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal);
void DrawSubstrateGlyph(pf::Dc* dc, int x, int y, int w, int h);
void DrawInputGlyph(pf::Dc* dc, int x, int y, int w, int h, char dir);
void DrawOutputGlyph(pf::Dc* dc, int x, int y, int w, int h, char dir);
void DrawNodeGlyph(pf::Dc* dc, int x, int y, int size, int number, char dir);
// Controlled sources: control pins on the left (d apart), output on the right, w wide.
void DrawVvgGlyph(pf::Dc* dc, int x, int y, int w, int h, int d, bool show, bool arrows);
void DrawCcgGlyph(pf::Dc* dc, int x, int y, int w, int h, int d, bool show, bool arrows);
void DrawVcgGlyph(pf::Dc* dc, int x, int y, int w, int h, int d, bool show, bool arrows);

// Transmission-line glyphs.
void DrawLineBox(pf::Dc* dc, int x, int y, int len, int width, char dir);
void DrawStubBox(pf::Dc* dc, int x, int y, int len, int width, char dir);
// The open or shorted end is the left ('L') or upper ('O') one, else the other.
void DrawShortStubGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal, char dir);
void DrawOpenStubGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal, char dir);
void DrawCoupledLinesGlyph(pf::Dc* dc, int x, int y, int len, int width, bool horizontal);
void DrawTeeGlyph(pf::Dc* dc, int x, int y, int len, int width);
// The wide side faces the letter.
void DrawStepGlyph(pf::Dc* dc, int x, int y, int len, int width, char dir);
void DrawTaperGlyph(pf::Dc* dc, int x, int y, int len, int width, char dir);
// A mitred corner unless kind is 'N'.
void DrawCornerGlyph(pf::Dc* dc, int x, int y, int w, int h, bool vertical, char kind);
void DrawRadialStubGlyph(pf::Dc* dc, int x, int y, int s, int unused, char dir);
// The end named by dir has no bar.
void DrawCoaxGlyph(pf::Dc* dc, int x, int y, int len, int r, bool horizontal, char dir);
