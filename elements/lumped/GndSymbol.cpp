#include "elements/lumped/GndSymbol.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

#include "basics/LineFile.h"
#include "editor/symbols/Glyphs.h"
#include "editor/symbols/LatexPrimitives.h"
#include "elements/lumped/LumpedSupport.h"
#include "pf/dc.h"

PF_IMPLEMENT_SERIAL(GndSymbol, EinPolSymbol, 1)
PF_IMPLEMENT_SERIAL(Verbindung, ZweiPolSymbol, 1)
PF_IMPLEMENT_SERIAL(PktSymbol, NetSymbol, 1)

namespace {

void InitGround(GndSymbol& s) {
  lumped::InitElement(s, GndSymbol::kClassKey);
  s.length = 20;
  s.breadth = 10;
  s.groundFree = 0;
}

void InitWire(Verbindung& s) {
  s.classKey = Verbindung::kClassKey;
  s.transparent = 1;
  s.drawCornerLine = 0;
}

// The end of the ground's lead. Only placing sets the second pin slot (it is neither moved nor
// stored); pin 1, orientation and span, which are, give the same point.
Point LeadEnd(const NetSymbol& s, char dir) {
  const int32_t reach = std::max(0, s.span - 2);
  switch (dir) {
    case 'L':
      return s.pins[0] - Point(reach, 0);
    case 'O':
      return s.pins[0] - Point(0, reach);
    case 'U':
      return s.pins[0] + Point(0, reach);
    default:
      return s.pins[0] + Point(reach, 0);
  }
}

void InitDot(PktSymbol& s, const Point& at) {
  lumped::InitElement(s, PktSymbol::kClassKey);
  s.length = 2;
  s.breadth = 2;
  // The second slot too, so that the geometry keeps the centre on the dot.
  s.pins[0] = s.pins[1] = s.centre = at;
}

}  // namespace

GndSymbol::GndSymbol() { InitGround(*this); }

GndSymbol::GndSymbol(const Point& start, const Point& end) : EinPolSymbol(start, end) {
  InitGround(*this);
}

void GndSymbol::Draw(pf::Dc& dc) {
  EinPolSymbol::Draw(dc);
  DrawGroundGlyph(&dc, centre.x, centre.y, breadth, span, horizontal != 0, orientation);
}

void GndSymbol::WriteLatex(LineFile& lines) {
  NetSymbol::WriteLatex(lines);
  const char dir = OrientationFromPins();
  const lumped::LatexAxis axis = lumped::LatexAxisTo(*this, LeadEnd(*this, dir), dir);
  lines.AddLine(LatexLine(axis.p1, axis.half, axis.dir));
  lines.AddLine(LatexLine(axis.At(axis.half, -2), 4, axis.Across()));
  lines.AddLine(LatexCircle(axis.p1, 1));
}

int GndSymbol::WriteSpiceLines(LineFile&, int) { return 0; }
bool GndSymbol::EditDialog(pf::Window*) { return true; }

std::ostream& GndSymbol::WriteText(std::ostream& os) {
  return lumped::WriteRecord(os, *this, std::tuple<>());
}

std::istream& GndSymbol::ReadText(std::istream& is) {
  return lumped::ReadRecord(is, *this, std::tuple<>());
}

Verbindung::Verbindung() { InitWire(*this); }

Verbindung::Verbindung(const Point& start, const Point& end) : ZweiPolSymbol(start, end) {
  InitWire(*this);
}

void Verbindung::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  DrawCenteredLine(&dc, centre.x, centre.y, span, horizontal != 0);
}

void Verbindung::WriteLatex(LineFile& lines) {
  NetSymbol::WriteLatex(lines);
  const lumped::LatexAxis axis = lumped::LatexAxisOf(*this);
  lines.AddLine(LatexConnect(axis.p1, axis.p2));
}

int Verbindung::WriteSpiceLines(LineFile&, int) { return 0; }
bool Verbindung::EditDialog(pf::Window*) { return true; }

int Verbindung::GetPinCount() const {
  return span > 0 && pinSpacing > 0 ? span / pinSpacing + 1 : 2;
}

std::ostream& Verbindung::WriteText(std::ostream& os) {
  return lumped::WriteRecord(os, *this, std::tuple<>());
}

std::istream& Verbindung::ReadText(std::istream& is) {
  return lumped::ReadRecord(is, *this, std::tuple<>());
}

void Verbindung::VisitPins(std::vector<DoublePoint>& list) const {
  list.emplace_back(pins[0], layoutOrigin);
  list.emplace_back(pins[1], layoutOrigin);
}

PktSymbol::PktSymbol() : NetSymbol(1) { InitDot(*this, Point(100, 100)); }

PktSymbol::PktSymbol(const Point& at) : NetSymbol(1) { InitDot(*this, at); }

void PktSymbol::Draw(pf::Dc& dc) {
  const pf::ColorRef rgb = pf::Rgb(static_cast<uint8_t>(colour.r), static_cast<uint8_t>(colour.g),
                                   static_cast<uint8_t>(colour.b));
  const pf::Pen oldPen = dc.SelectObject(pf::Pen{pf::PenStyle::Solid, 1, rgb});
  const pf::Brush oldBrush = dc.SelectObject(pf::Brush{pf::BrushStyle::Solid, rgb});
  DrawCircle(&dc, centre.x, centre.y, length);
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
}

void PktSymbol::WriteLatex(LineFile&) {}
int PktSymbol::WriteSpiceLines(LineFile&, int) { return 0; }
bool PktSymbol::EditDialog(pf::Window*) { return true; }
void PktSymbol::WriteNetLine() { netLine = ""; }

std::ostream& PktSymbol::WriteText(std::ostream& os) {
  return lumped::WriteRecord(os, *this, std::tuple<>());
}

std::istream& PktSymbol::ReadText(std::istream& is) {
  return lumped::ReadRecord(is, *this, std::tuple<>());
}
