#pragma once
// The ready-made glyphs of the element kinds, built from the drawing primitives (sizes, pens and
// brushes as there). Orientation letters: 'L' left, 'R' right, 'O' up, 'U' down; the box glyphs
// take the lower-case letters for their mark variants. A letter a function does not handle
// draws nothing.

#include "diagrams/graphics/GlyphPrimitives.h"

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
