// The layout operations of the slotline and coplanar symbols: their slots are cut into the
// ground plane on the bottom layer.

#include <algorithm>
#include <cmath>

#include "formats/GerberPlotFile.h"
#include "lines/ui/CoplanarSymbols.h"
#include "lines/ui/LayoutSupport.h"
#include "lines/ui/SlotSymbols.h"

using layout::Direction;
using layout::LeftOf;
using layout::Times;

namespace {

// Reached at pin 1 the origin is the point reached; else the far end, offset back.
LPoint OriginFrom(const NetSymbol& s, const Point& pin, const LPoint& at, const LPoint& offset) {
  return pin == s.pins[0] ? at : at - offset;
}

// Pin 2 only on a symbol that has it: a stub's unused pin may lie anywhere.
void VisitEnds(const NetSymbol& s, const LPoint& offset, std::vector<DoublePoint>& list) {
  list.emplace_back(s.pins[0], s.layoutOrigin);
  if (s.pinCount >= 2) list.emplace_back(s.pins[1], s.layoutOrigin + offset);
}

}  // namespace

void SlotLineSymbol::SetOrigin(const Point& pin, const LPoint& at) {
  layoutOrigin = OriginFrom(*this, pin, at, Times(Direction(orientation), Micrometres(p)));
  layoutPlaced = 1;
}

void SlotLineSymbol::VisitPins(std::vector<DoublePoint>& list) const {
  VisitEnds(*this, Times(Direction(orientation), Micrometres(p)), list);
}

GerberAperture SlotLineSymbol::GetGerberAperture() const {
  return {GerberAperture::Shape::Round, LaeWert(w).Value(), 0.0};
}

void SlotLineSymbol::WriteGerber(GerberPlotFile& file) const {
  MultiPolSymbol::WriteGerber(file);
  const int64_t reach = int64_t{Micrometres(p)} - Micrometres(w) / 2;
  file.Stroke(layoutOrigin, layoutOrigin + Times(Direction(orientation), reach));
}

namespace {

// Along the orientation and towards the turn: 'C' left, 'B' right.
LPoint BendDiagonal(char orientation, char turn, int32_t r) {
  const LPoint d = Direction(orientation);
  const LPoint n = turn == 'B' ? LPoint() - LeftOf(d) : LeftOf(d);
  return Times(d + n, r);
}

}  // namespace

void SltBendSymbol::SetOrigin(const Point& pin, const LPoint& at) {
  layoutOrigin = OriginFrom(*this, pin, at, BendDiagonal(orientation, variant, Micrometres(r)));
  layoutPlaced = 1;
}

void SltBendSymbol::VisitPins(std::vector<DoublePoint>& list) const {
  VisitEnds(*this, BendDiagonal(orientation, variant, Micrometres(r)), list);
}

GerberAperture SltBendSymbol::GetGerberAperture() const {
  return {GerberAperture::Shape::Round, LaeWert(w).Value(), 0.0};
}

SltBendSymbol::Outline SltBendSymbol::LayoutOutline() const {
  const LPoint d = Direction(orientation);
  const LPoint n = variant == 'B' ? LPoint() - LeftOf(d) : LeftOf(d);
  Outline o;
  if (Kinked()) {
    o.kinkCorner = layoutOrigin + Times(d, Micrometres(kink));
    const auto s = static_cast<int64_t>(
        Micrometres(LaeWert(p).Value() - LaeWert(kink).Value()) / std::sqrt(2.0));
    o.end = o.kinkCorner + Times(d + n, s);
  } else {
    const int32_t radius = Micrometres(r);
    o.centre = layoutOrigin + Times(n, radius);
    o.end = layoutOrigin + Times(d + n, radius);
  }
  return o;
}

void SltBendSymbol::WriteGerber(GerberPlotFile& file) const {
  MultiPolSymbol::WriteGerber(file);
  const Outline o = LayoutOutline();
  file.MoveTo(layoutOrigin);
  if (Kinked()) {
    file.DrawTo(o.kinkCorner);
    file.DrawTo(o.end);
    return;
  }
  // Chords about one width long; a bend shorter than its width is one chord.
  const int64_t chords = Micrometres(p) / std::max(Micrometres(w), 1);
  const int64_t n = std::min<int64_t>(chords, GerberPlotFile::kMaxStrokes);
  if (n <= 0) {
    file.DrawTo(o.end);
    return;
  }
  const LPoint a = layoutOrigin - o.centre;
  const LPoint b = o.end - o.centre;
  for (int64_t i = 0; i <= n; ++i) {
    const double phi = static_cast<double>(i) * (90.0 / static_cast<double>(n)) * 0.0174533;
    file.DrawTo(o.centre + a * static_cast<float>(std::cos(phi)) +
                b * static_cast<float>(std::sin(phi)));
  }
}

double CCoplanarLineSymbol::GetPadSpan() const {
  return LaeWert(w).Value() + LaeWert(s2).Value() + LaeWert(s).Value();
}

void CCoplanarLineSymbol::SetOrigin(const Point& pin, const LPoint& at) {
  layoutOrigin = OriginFrom(*this, pin, at, Times(Direction(orientation), Micrometres(p)));
  layoutPlaced = 1;
}

void CCoplanarLineSymbol::VisitPins(std::vector<DoublePoint>& list) const {
  VisitEnds(*this, Times(Direction(orientation), Micrometres(p)), list);
}

GerberAperture CCoplanarLineSymbol::GetGerberAperture() const {
  return {GerberAperture::Shape::Round, LaeWert(s).Value(), 0.0};
}

void CCoplanarLineSymbol::WriteGerber(GerberPlotFile& file) const {
  MultiPolSymbol::WriteGerber(file);
  const LPoint u = Direction(orientation);
  // From the line's axis to the middle of each gap.
  const int32_t d = Micrometres(LaeWert(s).Value() * 0.5) + Micrometres(LaeWert(w).Value() * 0.5);
  const LPoint side = Times(LeftOf(u), d);
  const LPoint along = Times(u, Micrometres(p));
  file.Stroke(layoutOrigin + side, layoutOrigin + side + along);
  file.Stroke(layoutOrigin - side, layoutOrigin - side + along);
  if (kind == 'O') file.Stroke(layoutOrigin + side + along, layoutOrigin - side + along);
}

LPoint CCoplanarCrossSymbol::ThroughOffset() const {
  return Times(Direction(orientation), int64_t{Micrometres(w2)} + 2 * int64_t{Micrometres(s2)});
}

LPoint CCoplanarCrossSymbol::BranchOffset() const {
  const LPoint u = Direction(orientation);
  const int32_t h = Micrometres(LaeWert(w2).Value() * 0.5) + Micrometres(s2);
  return Times(u, h) + Times(LeftOf(u), variant == 'C' ? h : -h);
}

void CCoplanarCrossSymbol::SetOrigin(const Point& pin, const LPoint& at) {
  if (pin == pins[0]) {
    layoutOrigin = at;
  } else if (pin == pins[2]) {
    // Reached on the branch: back by the branch offset, not along the through arm.
    layoutOrigin = at - BranchOffset();
  } else {
    layoutOrigin = at - ThroughOffset();
  }
  layoutPlaced = 1;
}

void CCoplanarCrossSymbol::VisitPins(std::vector<DoublePoint>& list) const {
  list.emplace_back(pins[0], layoutOrigin);
  list.emplace_back(pins[1], layoutOrigin + ThroughOffset());
  list.emplace_back(pins[2], layoutOrigin + BranchOffset());
}

GerberAperture CCoplanarCrossSymbol::GetGerberAperture() const {
  const double gap = LaeWert(s2).Value();
  return {GerberAperture::Shape::Square, gap, gap};
}

void CCoplanarCrossSymbol::WriteGerber(GerberPlotFile& file) const {
  MultiPolSymbol::WriteGerber(file);
  const LPoint u = Direction(orientation);
  const int32_t d = (Micrometres(s1) + Micrometres(w1)) / 2;
  const LPoint side = Times(LeftOf(u), d);
  const LPoint through = ThroughOffset();
  file.Stroke(layoutOrigin + side, layoutOrigin + side + through);
  const int32_t halfGap = Micrometres(s2) / 2;
  const int64_t span = int64_t{Micrometres(w2)} + 2 * int64_t{Micrometres(s2)};
  file.Flash(layoutOrigin - side + Times(u, halfGap));
  file.Flash(layoutOrigin - side + Times(u, span - halfGap));
}
