#pragma once
// A device context that draws nothing and records every primitive with its logical geometry and
// the state it was drawn with, so tests can check drawing code exactly. Text has fixed metrics
// (8 x 12 per character unless set), whatever the font.

#include <string>
#include <vector>

#include "pf/dc.h"

namespace pf {

struct DcCall {
  // "Line", "Polyline", "Arc", "Rectangle", "Ellipse", "Polygon", "FillRect", "FocusRect",
  // "TextOut", "SetPixel", "BitBlt".
  std::string op;
  // Line: from, to. Rectangle shapes: (left, top), (right, bottom). Arc: the box corners, start,
  // end. Polyline/Polygon: the points. TextOut, SetPixel: the point. BitBlt: the destination
  // corners.
  std::vector<Point> points;
  std::string text;
  Pen pen;
  Brush brush;  // FillRect: the brush given to it
  Font font;
  ColorRef color = 0;  // SetPixel's colour; otherwise the text colour
  ColorRef bkColor = 0;
  BkMode bkMode = BkMode::Opaque;

  // The op and the coordinates, blank-separated, then the text: "Line 0 0 10 0".
  std::string ToString() const;
};

class RecordingDc : public Dc {
 public:
  const std::vector<DcCall>& Calls() const { return calls_; }
  // Every call's ToString.
  std::vector<std::string> Log() const;
  void Clear() { calls_.clear(); }


 protected:
  void DoLine(Point from, Point to) override;
  void DoPolyline(std::span<const Point> points) override;
  void DoArc(const Rect& box, Point start, Point end) override;
  void DoRectangle(const Rect& r) override;
  void DoEllipse(const Rect& box) override;
  void DoPolygon(std::span<const Point> points) override;
  void DoFillRect(const Rect& r, const Brush& brush) override;
  void DoFocusRect(const Rect& r) override;
  void DoTextOut(Point p, std::string_view text) override;
  Size DoTextExtent(std::string_view text) const override;
  ColorRef DoSetPixel(Point p, ColorRef color) override;
  ColorRef DoGetPixel(Point p) const override;
  bool DoDrawBitmap(const Rect& dst, const Bitmap& bitmap, const Rect& src) override;
  std::optional<Bitmap> DoReadBitmap(const Rect& r) const override;

 private:
  DcCall& Record(std::string op, std::vector<Point> points);

  std::vector<DcCall> calls_;
  int charWidth_ = 8;
  int charHeight_ = 12;
};

}  // namespace pf
