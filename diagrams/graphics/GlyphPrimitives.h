#pragma once
// The drawing primitives of the schematic symbols and the diagrams' logo, each drawn around a
// centre (x, y) with integer sizes whose halves, thirds and so on truncate. Lines use the
// current pen and leave out their end pixel; shapes are filled with the current brush unless a
// stock brush is named, which is selected for the call only.

#include <string_view>

class Point;

namespace pf {
class Dc;
}

// Extent of the text in the context's current font.
int GetTextWidth(pf::Dc* dc, std::string_view text);
int GetTextHeight(pf::Dc* dc, std::string_view text);

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
