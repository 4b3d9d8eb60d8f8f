// The layout operations of the microstrip symbols: where the walk puts them and what copper
// they write into the top layer.

#include <algorithm>
#include <cmath>

#include "formats/GerberPlotFile.h"
#include "lines/ui/LayoutSupport.h"
#include "lines/ui/MicrostripSymbols.h"
#include "lines/ui/MslBitmapSymbols.h"

using layout::Direction;
using layout::LeftOf;
using layout::Times;

void TrlSymbol::SetOrigin(const Point& pin, const LPoint& at) {
  layoutOrigin = pin == pins[0] ? at : at - Times(Direction(orientation), Micrometres(p));
  layoutPlaced = 1;
}

void TrlSymbol::VisitPins(std::vector<DoublePoint>& list) const {
  list.emplace_back(pins[0], layoutOrigin);
  list.emplace_back(pins[1], layoutOrigin + Times(Direction(orientation), Micrometres(p)));
}

std::array<LPoint, 4> CplSymbol::LayoutPins(const LPoint& origin) const {
  const LPoint u = Direction(orientation);
  const LPoint along = Times(u, Micrometres(p));
  const LPoint across = Times(LeftOf(u), -(int64_t{Micrometres(s)} + Micrometres(w)));
  return {origin, origin + along, origin + across, origin + along + across};
}

void CplSymbol::SetOrigin(const Point& pin, const LPoint& at) {
  const std::array<LPoint, 4> offsets = LayoutPins(LPoint());
  layoutOrigin = at;
  for (int i = 0; i < 4; ++i) {
    if (pin == pins[i]) {
      layoutOrigin = at - offsets[i];
      break;
    }
  }
  layoutPlaced = 1;
}

void CplSymbol::VisitPins(std::vector<DoublePoint>& list) const {
  const std::array<LPoint, 4> at = LayoutPins(layoutOrigin);
  for (int i = 0; i < 4; ++i) list.emplace_back(pins[i], at[i]);
}

GerberAperture CplSymbol::GetGerberAperture() const {
  return layout::StripAperture(orientation, w, p);
}

void CplSymbol::WriteGerber(GerberPlotFile& file) const {
  VierPolSymbol::WriteGerber(file);
  const std::array<LPoint, 4> at = LayoutPins(layoutOrigin);
  const LPoint u = Direction(orientation);
  layout::WriteStrip(file, at[0], u, Micrometres(p), Micrometres(w));
  layout::WriteStrip(file, at[3], LPoint() - u, Micrometres(p), Micrometres(w));
}

RadStubSymbol::Outline RadStubSymbol::LayoutOutline() const {
  const LPoint u = Direction(orientation);
  const LPoint l = LeftOf(u);
  const int32_t h = Micrometres(wi) / 2;
  const int32_t reach = Micrometres(LaeWert(rl).Value() - LaeWert(offset).Value());
  const double t = FloatWert(angle).Value(false) * 0.00872665;
  Outline o;
  o.a = layoutOrigin + Times(l, h);
  o.d = layoutOrigin - Times(l, h);
  const auto whole = [](double v) {
    return std::isfinite(v) ? static_cast<int32_t>(std::clamp(v, -2.0e9, 2.0e9)) : 0;
  };
  const auto corner = [&](const LPoint& from, double side) {
    const double x = reach * (std::cos(t) * u.x + side * std::sin(t) * l.x);
    const double y = reach * (std::cos(t) * u.y + side * std::sin(t) * l.y);
    return from + LPoint(whole(x), whole(y));
  };
  o.b = corner(o.a, 1.0);
  o.c = corner(o.d, -1.0);
  o.centre = layoutOrigin - Times(u, Micrometres(offset));
  return o;
}

GerberAperture RadStubSymbol::GetGerberAperture() const {
  return {GerberAperture::Shape::ThinRound, LaeWert(wi).Value(), 0.0};
}

namespace {

LPoint Turned(const LPoint& p, const LPoint& centre, double degrees) {
  LPoint r = p - centre;
  r.Rotate(degrees);
  return centre + r;
}

// a + (b - a) * k in single precision.
LPoint Along(const LPoint& a, const LPoint& b, float k) { return a + (b - a) * k; }

}  // namespace

void RadStubSymbol::WriteGerber(GerberPlotFile& file) const {
  EinPolSymbol::WriteGerber(file);
  const Outline o = LayoutOutline();
  file.MoveTo(o.a);
  file.DrawTo(o.b);
  file.DrawTo(o.c);
  file.DrawTo(o.d);
  file.DrawTo(o.a);

  const int32_t step = GerberPlotFile::BoundedStep(0, Micrometres(wi) / 40);
  const double opening = FloatWert(angle).Value(false);
  const double radius = Micrometres(rl);
  // The angle whose arc at the radius is one step long; at most kMaxStrokes of them.
  double delta = radius > 0.0 ? 180.0 * step / (M_PI * radius) : 0.0;
  if (opening > 0.0 && delta > 0.0 && std::isfinite(opening)) {
    delta = std::max(delta, opening / GerberPlotFile::kMaxStrokes);
    file.MoveTo(o.c);
    for (double phi = delta;; phi += delta) {
      file.DrawTo(Turned(o.c, o.centre, phi));
      if (phi >= opening) break;
    }
    file.MoveTo(o.c);
    for (double phi = delta;; phi += delta) {
      file.Stroke(Turned(o.d, o.centre, phi), Turned(o.c, o.centre, phi));
      if (phi >= opening) break;
    }
  }

  const int64_t span = int64_t{(o.a - o.centre).Length()} - Micrometres(offset);
  const int32_t feedStep = GerberPlotFile::BoundedStep(span, step);
  const int64_t lines = span / feedStep + 2;
  const int32_t upper = (o.b - o.a).Length();
  const int32_t lower = (o.c - o.d).Length();
  for (int64_t i = 0; i <= lines; ++i) {
    const float k = static_cast<float>(i) * static_cast<float>(feedStep);
    file.Stroke(upper > 0 ? Along(o.a, o.b, k / static_cast<float>(upper)) : o.a,
                lower > 0 ? Along(o.d, o.c, k / static_cast<float>(lower)) : o.d);
  }
}

void MslTeeSymbol::SetOrigin(const Point& pin, const LPoint& at) {
  if (pin == pins[0] || pin == pins[1]) {
    layoutOrigin = at;
  } else if (pin == pins[2]) {
    layoutOrigin = at - BranchOffset();
  } else {
    return;
  }
  layoutPlaced = 1;
}

void MslTeeSymbol::VisitPins(std::vector<DoublePoint>& list) const {
  list.emplace_back(pins[0], layoutOrigin);
  list.emplace_back(pins[1], layoutOrigin);
  list.emplace_back(pins[2], layoutOrigin + BranchOffset());
}

LPoint MslTeeSymbol::BranchOffset() const {
  const LPoint l = LeftOf(Direction(orientation));
  const int32_t b = Micrometres(w1) / 2;
  return Times(l, variant == 'C' ? b : -b);
}

namespace {

// The corner triangle (A the right angle, B C the mitre) and the second pin, in half widths
// from the origin, by orientation and turn ('B' or any other letter).
struct CornerShape {
  char orientation;
  bool right;
  LPoint a, b, c, second;
};

constexpr int kTwo = 2;
const CornerShape kCornerShapes[] = {
    {'L', true, {0, 1}, {0, -1}, {-kTwo, 1}, {-1, 1}},
    {'L', false, {0, -1}, {-kTwo, -1}, {0, 1}, {-1, -1}},
    {'O', true, {1, 0}, {-1, 0}, {1, kTwo}, {1, 1}},
    {'O', false, {-1, 0}, {-1, kTwo}, {1, 0}, {-1, 1}},
    {'R', true, {0, -1}, {0, 1}, {kTwo, -1}, {1, -1}},
    {'R', false, {0, 1}, {kTwo, 1}, {0, -1}, {1, 1}},
    {'U', true, {-1, 0}, {1, 0}, {-1, -kTwo}, {-1, -1}},
    {'U', false, {1, 0}, {1, -kTwo}, {-1, 0}, {1, -1}},
};

const CornerShape* ShapeOf(char orientation, char turn) {
  for (const CornerShape& shape : kCornerShapes) {
    if (shape.orientation == orientation && shape.right == (turn == 'B')) return &shape;
  }
  return nullptr;
}

}  // namespace

MslCornerSymbol::Triangle MslCornerSymbol::LayoutTriangle(const LPoint& origin) const {
  const int32_t d = Micrometres(w1) / 2;
  Triangle t{origin, origin, origin, origin};
  if (const CornerShape* shape = ShapeOf(orientation, variant)) {
    t.a = origin + Times(shape->a, d);
    t.b = origin + Times(shape->b, d);
    t.c = origin + Times(shape->c, d);
    t.second = origin + Times(shape->second, d);
  }
  return t;
}

void MslCornerSymbol::SetOrigin(const Point& pin, const LPoint& at) {
  // Reached at its second pin, the origin lies back by that pin's offset, so that the pin
  // lands where the walk reached it in every orientation and turn.
  layoutOrigin = pin == pins[0] ? at : at - LayoutTriangle(LPoint()).second;
  layoutPlaced = 1;
}

void MslCornerSymbol::VisitPins(std::vector<DoublePoint>& list) const {
  list.emplace_back(pins[0], layoutOrigin);
  list.emplace_back(pins[1], LayoutTriangle(layoutOrigin).second);
}

GerberAperture MslCornerSymbol::GetGerberAperture() const {
  const double width = LaeWert(w1).Value();
  if (form == 'N') return {GerberAperture::Shape::Square, width, width};
  return {GerberAperture::Shape::ThinRound, width, 0.0};
}

void MslCornerSymbol::WriteGerber(GerberPlotFile& file) const {
  MultiPolSymbol::WriteGerber(file);
  const int32_t d = Micrometres(w1) / 2;
  if (form == 'N') {
    file.Flash(layoutOrigin + Times(Direction(orientation), d));
    return;
  }
  if (form != 'C' && form != 'O') return;
  const Triangle t = LayoutTriangle(layoutOrigin);
  const LPoint u = t.b - t.a;
  const LPoint v = t.c - t.a;
  const int32_t s = GerberPlotFile::BoundedStep(v.Length(), Micrometres(w1) / 40);
  const auto stepOf = [s](const LPoint& e) {
    const int64_t n = e.Length();
    return n == 0 ? LPoint() : LPoint(static_cast<int32_t>(e.x * int64_t{s} / n),
                                      static_cast<int32_t>(e.y * int64_t{s} / n));
  };
  const LPoint du = stepOf(u);
  const LPoint dv = stepOf(v);
  file.Stroke(t.a + du, t.b - du);
  file.Stroke(t.a + dv, t.c - dv);
  if (dv.Length() == 0) return;
  LPoint p = u - du;
  LPoint q = v - dv;
  while (q.Length() >= s) {
    file.Stroke(t.a + p, t.a + q);
    p -= du;
    q -= dv;
  }
}
