#pragma once
// The device context: everything the system draws goes through it. The base class keeps the
// context's state (selected objects, colours, modes, current position, mapping); a backend
// renders the primitives (CairoDc) or records them (RecordingDc). Coordinates are logical
// units.
//
// Rules the drawing code relies on:
// - A line leaves out its end pixel (so a move-to/line-to pair to (x + 1, y) is one dot).
// - Rectangle, Ellipse and FillRect cover left <= x < right, top <= y < bottom; with the null
//   pen a rectangle or ellipse shrinks by one more pixel at the right and bottom.
// - A polygon's outline goes through its points; its fill leaves out the right and bottom edge.
// - Arcs run counter-clockwise (as seen on the screen) from the start to the end point.
// - Text is drawn with its cell's top-left corner at the point, turned by the font's escapement.

#include <optional>
#include <span>
#include <string_view>

#include "pf/bitmap.h"
#include "pf/colour.h"
#include "pf/gdi.h"
#include "pf/geometry.h"

namespace pf {

enum class BkMode { Transparent = 1, Opaque = 2 };
enum class MapMode { Text = 1, Anisotropic = 8 };

class Dc {
 public:
  Dc() = default;
  Dc(const Dc&) = delete;
  Dc& operator=(const Dc&) = delete;
  virtual ~Dc() = default;

  // Objects: each returns the object that was selected before.
  Pen SelectObject(const Pen& pen);
  Brush SelectObject(const Brush& brush);
  Font SelectObject(const Font& font);
  GdiObject SelectObject(const GdiObject& object);
  GdiObject SelectStockObject(StockObject which);
  const Pen& GetPen() const { return pen_; }
  const Brush& GetBrush() const { return brush_; }
  const Font& GetFont() const { return font_; }

  // Colours and modes: each returns the previous value.
  ColorRef SetTextColor(ColorRef color);
  ColorRef SetBkColor(ColorRef color);
  BkMode SetBkMode(BkMode mode);
  ColorRef GetTextColor() const { return textColor_; }
  ColorRef GetBkColor() const { return bkColor_; }
  BkMode GetBkMode() const { return bkMode_; }

  // Mapping: device = (logical - window origin) * viewport extent / window extent
  // + viewport origin, rounded and kept within +-2^28. Extents only count in the anisotropic
  // mode; an extent of 0 is refused.
  MapMode SetMapMode(MapMode mode);
  Point SetWindowOrg(int x, int y);
  Size SetWindowExt(int cx, int cy);
  Point SetViewportOrg(int x, int y);
  Size SetViewportExt(int cx, int cy);
  MapMode GetMapMode() const { return mapMode_; }
  Point LogicalToDevice(Point p) const;
  Rect LogicalToDevice(const Rect& r) const;
  Point DeviceToLogical(Point p) const;

  // Lines with the current pen.
  Point MoveTo(int x, int y);  // returns the previous position
  Point MoveTo(Point p) { return MoveTo(p.x, p.y); }
  void LineTo(int x, int y);  // draws and moves the current position there
  void LineTo(Point p) { LineTo(p.x, p.y); }
  Point GetCurrentPosition() const { return position_; }
  void Polyline(std::span<const Point> points);  // does not use or move the current position
  // Elliptic arc of the ellipse in the box, counter-clockwise from where the ray from the
  // centre through start meets it to where the ray through end meets it; equal rays give
  // the full ellipse.
  void Arc(const Rect& box, Point start, Point end);

  // Filled shapes: outline with the current pen, inside with the current brush.
  void Rectangle(const Rect& r);
  void Ellipse(const Rect& box);
  void Polygon(std::span<const Point> points);  // alternate fill
  void FillRect(const Rect& r, const Brush& brush);  // no outline, selects nothing
  // Inverts every other pixel of the rectangle's border; drawing it again removes it.
  void DrawFocusRect(const Rect& r);

  // Text in the current font and text colour; an opaque background fills the text cell with
  // the background colour first.
  void TextOut(int x, int y, std::string_view text);
  // Extent of the text in the current font, unturned by the escapement.
  Size GetTextExtent(std::string_view text) const;

  // Pixels; kInvalidColor where the context has no readable pixels. SetPixel returns the
  // colour set or kInvalidColor.
  ColorRef SetPixel(int x, int y, ColorRef color);
  ColorRef GetPixel(int x, int y) const;

  // Copies width x height pixels from the source at (xSrc, ySrc) to (x, y): the platform's
  // source copy. Fails when the source has no readable pixels.
  bool BitBlt(int x, int y, int width, int height, const Dc& src, int xSrc, int ySrc);
  bool BitBlt(int x, int y, int width, int height, const Bitmap& src, int xSrc, int ySrc);
  // The device pixels under a logical rectangle; nullopt when the context cannot read them.
  std::optional<Bitmap> ReadBitmap(const Rect& r) const;

 protected:
  // Primitives, called with the logical coordinates as given and the state above applied
  // (selected pen, brush and font, colours, modes). Backends that render map them with
  // LogicalToDevice and scale widths and heights with ScaleX/ScaleY.
  virtual void DoLine(Point from, Point to) = 0;
  virtual void DoPolyline(std::span<const Point> points) = 0;
  virtual void DoArc(const Rect& box, Point start, Point end) = 0;
  virtual void DoRectangle(const Rect& r) = 0;
  virtual void DoEllipse(const Rect& box) = 0;
  virtual void DoPolygon(std::span<const Point> points) = 0;
  virtual void DoFillRect(const Rect& r, const Brush& brush) = 0;
  virtual void DoFocusRect(const Rect& r) = 0;
  virtual void DoTextOut(Point p, std::string_view text) = 0;
  virtual Size DoTextExtent(std::string_view text) const = 0;
  virtual ColorRef DoSetPixel(Point p, ColorRef color) = 0;
  virtual ColorRef DoGetPixel(Point p) const = 0;
  // Draws the part src of the bitmap onto the logical rectangle dst.
  virtual bool DoDrawBitmap(const Rect& dst, const Bitmap& bitmap, const Rect& src) = 0;
  virtual std::optional<Bitmap> DoReadBitmap(const Rect& r) const = 0;

  // Device units per logical unit (absolute values).
  double ScaleX() const;
  double ScaleY() const;

 private:
  Pen pen_ = StockPen(StockObject::BlackPen);
  Brush brush_ = StockBrush(StockObject::WhiteBrush);
  Font font_ = StockFont();
  ColorRef textColor_ = Rgb(0, 0, 0);
  ColorRef bkColor_ = Rgb(255, 255, 255);
  BkMode bkMode_ = BkMode::Opaque;
  MapMode mapMode_ = MapMode::Text;
  Point windowOrg_;
  Size windowExt_{1, 1};
  Point viewportOrg_;
  Size viewportExt_{1, 1};
  Point position_;
};

}  // namespace pf
