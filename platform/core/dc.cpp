#include "pf/dc.h"

#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdint>
#include <utility>
#include <variant>

namespace pf {
namespace {

int SaturatingRound(double v) {
  if (!(v > INT_MIN)) return INT_MIN;  // also catches NaN
  if (v >= INT_MAX) return INT_MAX;
  return static_cast<int>(std::lround(v));
}

// Maps one coordinate from the source frame (origin o, extent e) to the target frame.
int MapCoordinate(int v, int fromOrg, int fromExt, int toOrg, int toExt) {
  const double offset = static_cast<double>(v) - fromOrg;
  return SaturatingRound(offset * toExt / fromExt + toOrg);
}

bool FitsInt(int64_t v) { return v >= INT_MIN && v <= INT_MAX; }

}  // namespace

Pen Dc::SelectObject(const Pen& pen) { return std::exchange(pen_, pen); }
Brush Dc::SelectObject(const Brush& brush) { return std::exchange(brush_, brush); }
Font Dc::SelectObject(const Font& font) { return std::exchange(font_, font); }

GdiObject Dc::SelectObject(const GdiObject& object) {
  return std::visit([this](const auto& o) -> GdiObject { return SelectObject(o); }, object);
}

GdiObject Dc::SelectStockObject(StockObject which) { return SelectObject(Stock(which)); }

ColorRef Dc::SetTextColor(ColorRef color) { return std::exchange(textColor_, color); }
ColorRef Dc::SetBkColor(ColorRef color) { return std::exchange(bkColor_, color); }
BkMode Dc::SetBkMode(BkMode mode) { return std::exchange(bkMode_, mode); }

MapMode Dc::SetMapMode(MapMode mode) {
  // Leaving the anisotropic mode resets the extents, as the platform does for the text mode.
  if (mode == MapMode::Text) {
    windowExt_ = {1, 1};
    viewportExt_ = {1, 1};
  }
  return std::exchange(mapMode_, mode);
}

Point Dc::SetWindowOrg(int x, int y) { return std::exchange(windowOrg_, Point{x, y}); }
Point Dc::SetViewportOrg(int x, int y) { return std::exchange(viewportOrg_, Point{x, y}); }

Size Dc::SetWindowExt(int cx, int cy) {
  if (mapMode_ != MapMode::Anisotropic || cx == 0 || cy == 0) return windowExt_;
  return std::exchange(windowExt_, Size{cx, cy});
}

Size Dc::SetViewportExt(int cx, int cy) {
  if (mapMode_ != MapMode::Anisotropic || cx == 0 || cy == 0) return viewportExt_;
  return std::exchange(viewportExt_, Size{cx, cy});
}

Point Dc::LogicalToDevice(Point p) const {
  return {MapCoordinate(p.x, windowOrg_.x, windowExt_.cx, viewportOrg_.x, viewportExt_.cx),
          MapCoordinate(p.y, windowOrg_.y, windowExt_.cy, viewportOrg_.y, viewportExt_.cy)};
}

Rect Dc::LogicalToDevice(const Rect& r) const {
  const Point a = LogicalToDevice(Point{r.left, r.top});
  const Point b = LogicalToDevice(Point{r.right, r.bottom});
  return {a.x, a.y, b.x, b.y};
}

Point Dc::DeviceToLogical(Point p) const {
  return {MapCoordinate(p.x, viewportOrg_.x, viewportExt_.cx, windowOrg_.x, windowExt_.cx),
          MapCoordinate(p.y, viewportOrg_.y, viewportExt_.cy, windowOrg_.y, windowExt_.cy)};
}

double Dc::ScaleX() const {
  return std::fabs(static_cast<double>(viewportExt_.cx) / windowExt_.cx);
}

double Dc::ScaleY() const {
  return std::fabs(static_cast<double>(viewportExt_.cy) / windowExt_.cy);
}

Point Dc::MoveTo(int x, int y) { return std::exchange(position_, Point{x, y}); }

void Dc::LineTo(int x, int y) {
  const Point from = std::exchange(position_, Point{x, y});
  DoLine(from, position_);
}

void Dc::Polyline(std::span<const Point> points) {
  if (points.size() >= 2) DoPolyline(points);
}

void Dc::Arc(const Rect& box, Point start, Point end) { DoArc(box, start, end); }

void Dc::Rectangle(const Rect& r) { DoRectangle(r); }

void Dc::Ellipse(const Rect& box) { DoEllipse(box); }

void Dc::Polygon(std::span<const Point> points) {
  if (points.size() >= 2) DoPolygon(points);
}

void Dc::FillRect(const Rect& r, const Brush& brush) { DoFillRect(r, brush); }

void Dc::DrawFocusRect(const Rect& r) { DoFocusRect(r); }

void Dc::TextOut(int x, int y, std::string_view text) {
  if (!text.empty()) DoTextOut(Point{x, y}, text);
}

Size Dc::GetTextExtent(std::string_view text) const { return DoTextExtent(text); }

ColorRef Dc::SetPixel(int x, int y, ColorRef color) { return DoSetPixel(Point{x, y}, color); }

ColorRef Dc::GetPixel(int x, int y) const { return DoGetPixel(Point{x, y}); }

bool Dc::BitBlt(int x, int y, int width, int height, const Dc& src, int xSrc, int ySrc) {
  if (width <= 0 || height <= 0 || !FitsInt(int64_t{x} + width) || !FitsInt(int64_t{y} + height) ||
      !FitsInt(int64_t{xSrc} + width) || !FitsInt(int64_t{ySrc} + height)) {
    return false;
  }
  const std::optional<Bitmap> pixels =
      src.ReadBitmap(Rect{xSrc, ySrc, xSrc + width, ySrc + height});
  if (!pixels) return false;
  return DoDrawBitmap(Rect{x, y, x + width, y + height}, *pixels,
                      Rect{0, 0, pixels->Width(), pixels->Height()});
}

bool Dc::BitBlt(int x, int y, int width, int height, const Bitmap& src, int xSrc, int ySrc) {
  if (width <= 0 || height <= 0 || src.IsEmpty() || !FitsInt(int64_t{x} + width) ||
      !FitsInt(int64_t{y} + height)) {
    return false;
  }
  // Only the part that lies on the bitmap is copied, to the matching place.
  const int64_t left = std::max<int64_t>(xSrc, 0);
  const int64_t top = std::max<int64_t>(ySrc, 0);
  const int64_t right = std::min<int64_t>(int64_t{xSrc} + width, src.Width());
  const int64_t bottom = std::min<int64_t>(int64_t{ySrc} + height, src.Height());
  if (right <= left || bottom <= top) return false;
  const Rect from{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                  static_cast<int>(bottom)};
  const int dx = static_cast<int>(left - xSrc);
  const int dy = static_cast<int>(top - ySrc);
  return DoDrawBitmap(Rect{x + dx, y + dy, x + dx + from.Width(), y + dy + from.Height()}, src,
                      from);
}

std::optional<Bitmap> Dc::ReadBitmap(const Rect& r) const {
  const Rect n = r.Normalized();
  if (n.IsEmpty()) return std::nullopt;
  return DoReadBitmap(n);
}

}  // namespace pf
