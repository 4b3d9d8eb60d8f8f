#include "pf/gdi.h"

namespace pf {

GdiObject Stock(StockObject which) {
  switch (which) {
    case StockObject::WhiteBrush: return Brush{BrushStyle::Solid, Rgb(255, 255, 255)};
    case StockObject::LightGrayBrush: return Brush{BrushStyle::Solid, Rgb(192, 192, 192)};
    case StockObject::GrayBrush: return Brush{BrushStyle::Solid, Rgb(128, 128, 128)};
    case StockObject::DarkGrayBrush: return Brush{BrushStyle::Solid, Rgb(64, 64, 64)};
    case StockObject::BlackBrush: return Brush{BrushStyle::Solid, Rgb(0, 0, 0)};
    case StockObject::NullBrush: return Brush{BrushStyle::Null, Rgb(0, 0, 0)};
    case StockObject::WhitePen: return Pen{PenStyle::Solid, 0, Rgb(255, 255, 255)};
    case StockObject::BlackPen: return Pen{PenStyle::Solid, 0, Rgb(0, 0, 0)};
    case StockObject::NullPen: return Pen{PenStyle::Null, 0, Rgb(0, 0, 0)};
    case StockObject::SystemFont: return StockFont();
  }
  return Brush{};
}

Brush StockBrush(StockObject which) {
  GdiObject object = Stock(which);
  const Brush* brush = std::get_if<Brush>(&object);
  return brush ? *brush : Brush{};
}

Pen StockPen(StockObject which) {
  GdiObject object = Stock(which);
  const Pen* pen = std::get_if<Pen>(&object);
  return pen ? *pen : Pen{};
}

Font StockFont() { return Font{}; }

}  // namespace pf
