#pragma once
// Drawing objects of a device context. They are plain values: selecting one copies it into the
// context, and the previous one comes back by value, so nothing needs deleting.

#include <string>
#include <variant>

#include "pf/colour.h"

namespace pf {

enum class PenStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5 };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;  // logical units; 0 means one device pixel at any scale
  ColorRef color = Rgb(0, 0, 0);
  friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { Solid, Null };

struct Brush {
  BrushStyle style = BrushStyle::Solid;
  ColorRef color = Rgb(255, 255, 255);
  friend bool operator==(const Brush&, const Brush&) = default;
};

inline constexpr int kFontWeightNormal = 400;

struct Font {
  std::string face = "Arial";
  // Cell height (ascent + descent) in logical units when positive; a negative value gives the
  // em height instead, as the platform's font mapper does.
  int height = 16;
  int width = 0;        // average character width; 0 keeps the face's own proportions
  int escapement = 0;   // direction of the text in tenths of a degree, counter-clockwise
  int weight = kFontWeightNormal;
  friend bool operator==(const Font&, const Font&) = default;
};

// The platform's stock object numbers; the drawing code names some of them by number.
enum class StockObject {
  WhiteBrush = 0,
  LightGrayBrush = 1,
  GrayBrush = 2,
  DarkGrayBrush = 3,
  BlackBrush = 4,
  NullBrush = 5,
  WhitePen = 6,
  BlackPen = 7,
  NullPen = 8,
  SystemFont = 13,
};

using GdiObject = std::variant<Pen, Brush, Font>;

GdiObject Stock(StockObject which);
Brush StockBrush(StockObject which);  // a non-brush number gives the white brush
Pen StockPen(StockObject which);      // a non-pen number gives the black pen
Font StockFont();                     // the system font, a context's initial font

}  // namespace pf
