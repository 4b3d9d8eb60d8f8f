#include "pf/recording_dc.h"

#include <utility>

namespace pf {

std::string DcCall::ToString() const {
  std::string s = op;
  for (const Point& p : points) {
    s += ' ' + std::to_string(p.x) + ' ' + std::to_string(p.y);
  }
  if (!text.empty()) s += ' ' + text;
  return s;
}

std::vector<std::string> RecordingDc::Log() const {
  std::vector<std::string> lines;
  lines.reserve(calls_.size());
  for (const DcCall& call : calls_) lines.push_back(call.ToString());
  return lines;
}

DcCall& RecordingDc::Record(std::string op, std::vector<Point> points) {
  DcCall call;
  call.op = std::move(op);
  call.points = std::move(points);
  call.pen = GetPen();
  call.brush = GetBrush();
  call.font = GetFont();
  call.color = GetTextColor();
  call.bkColor = GetBkColor();
  call.bkMode = GetBkMode();
  calls_.push_back(std::move(call));
  return calls_.back();
}

void RecordingDc::DoLine(Point from, Point to) { Record("Line", {from, to}); }

void RecordingDc::DoPolyline(std::span<const Point> points) {
  Record("Polyline", {points.begin(), points.end()});
}

void RecordingDc::DoArc(const Rect& box, Point start, Point end) {
  Record("Arc", {{box.left, box.top}, {box.right, box.bottom}, start, end});
}

void RecordingDc::DoRectangle(const Rect& r) {
  Record("Rectangle", {{r.left, r.top}, {r.right, r.bottom}});
}

void RecordingDc::DoEllipse(const Rect& box) {
  Record("Ellipse", {{box.left, box.top}, {box.right, box.bottom}});
}

void RecordingDc::DoPolygon(std::span<const Point> points) {
  Record("Polygon", {points.begin(), points.end()});
}

void RecordingDc::DoFillRect(const Rect& r, const Brush& brush) {
  Record("FillRect", {{r.left, r.top}, {r.right, r.bottom}}).brush = brush;
}

void RecordingDc::DoFocusRect(const Rect& r) {
  Record("FocusRect", {{r.left, r.top}, {r.right, r.bottom}});
}

void RecordingDc::DoTextOut(Point p, std::string_view text) {
  Record("TextOut", {p}).text = std::string(text);
}

Size RecordingDc::DoTextExtent(std::string_view text) const {
  int codePoints = 0;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++codePoints;
  }
  return {codePoints * charWidth_, charHeight_};
}

ColorRef RecordingDc::DoSetPixel(Point p, ColorRef color) {
  Record("SetPixel", {p}).color = color;
  return color;
}

ColorRef RecordingDc::DoGetPixel(Point) const { return kInvalidColor; }

bool RecordingDc::DoDrawBitmap(const Rect& dst, const Bitmap&, const Rect&) {
  Record("BitBlt", {{dst.left, dst.top}, {dst.right, dst.bottom}});
  return true;
}

std::optional<Bitmap> RecordingDc::DoReadBitmap(const Rect&) const { return std::nullopt; }

}  // namespace pf
