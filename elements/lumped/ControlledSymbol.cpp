#include "elements/lumped/ControlledSymbol.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <initializer_list>
#include <istream>
#include <ostream>
#include <tuple>

#include "basics/LineFile.h"
#include "editor/symbols/Glyphs.h"
#include "editor/symbols/LatexPrimitives.h"
#include "editor/symbols/StoredValues.h"
#include "elements/lumped/LumpedSupport.h"
#include "pf/archive.h"
#include "pf/dc.h"

PF_IMPLEMENT_RUNTIME(ControlledSymbol, DreiPolSymbol, 1)
PF_IMPLEMENT_SERIAL(VvgSymbol, ControlledSymbol, 1)
PF_IMPLEMENT_SERIAL(VcgSymbol, ControlledSymbol, 1)
PF_IMPLEMENT_SERIAL(CcgSymbol, ControlledSymbol, 1)
PF_IMPLEMENT_SERIAL(OpAmpSymbol, ControlledSymbol, 1)

namespace {

// The pieces blank-separated, as the SPICE lines are built.
MyStrng SpiceLine(std::initializer_list<MyStrng> pieces) {
  MyStrng line;
  for (const MyStrng& piece : pieces) {
    if (!line.IsEmpty()) line += " ";
    line += piece;
  }
  return line;
}

void SerializeFlag(pf::Archive& ar, int32_t& flag) {
  if (ar.IsStoring()) {
    ar << flag;
  } else {
    ar >> flag;
  }
}

}  // namespace

ControlledSymbol::ControlledSymbol(const char* classKey, const char* keyword,
                                   const char* gainKeyword)
    : keyword(keyword), gainKeyword(gainKeyword) {
  this->classKey = classKey;
  drawLeads = 0;  // the symbols draw their own
}

ControlledSymbol::ControlledSymbol(const char* classKey, const char* keyword,
                                   const char* gainKeyword, const Point& start, const Point& end)
    : DreiPolSymbol(start, end), keyword(keyword), gainKeyword(gainKeyword) {
  this->classKey = classKey;
  drawLeads = 0;
}

void ControlledSymbol::Serialize(pf::Archive& ar) {
  NetSymbol::Serialize(ar);
  SerializeGain(ar);
  SerializeValueTexts(ar, *this, std::tie(r1, r2, fg, td));
  SerializeFlag(ar, cutOffFlag);
  SerializeFlag(ar, delayFlag);
}

void ControlledSymbol::CopyParameters(const NetSymbol& other) {
  if (other.GetRuntimeClass() != GetRuntimeClass()) return;
  const auto& from = static_cast<const ControlledSymbol&>(other);
  Gain() = from.Gain();
  r1 = from.r1;
  r2 = from.r2;
  cutOffFlag = from.cutOffFlag;
  delayFlag = from.delayFlag;
  fg = from.fg;
  td = from.td;
}

bool ControlledSymbol::ValuesUsable() const {
  const double cutOff = cutOffFlag == 1 ? lumped::UsableValue(FreqWert(fg)) : 1.0;
  return lumped::CheckPositive(*this, {{lumped::UsableValue(ResWert(r1)), "Eingangswiderstand"},
                                       {lumped::UsableValue(ResWert(r2)), "Ausgangswiderstand"},
                                       {cutOff, "Grenzfrequenz"}});
}

void ControlledSymbol::WriteNetLine() {
  netLine = "";
  if (!ValuesUsable()) return;
  netLine = keyword;
  DreiPolSymbol::WriteNetLine();
  netLine += MyStrng(gainKeyword) + Gain() + " R1=" + r1 + " R2=" + r2;
  if (cutOffFlag == 1) netLine += MyStrng(" F=") + fg;
  if (delayFlag == 1) netLine += MyStrng(" T=") + td;
}

std::ostream& ControlledSymbol::WriteText(std::ostream& os) {
  os << classKey << ' ' << version << '\n'
     << Gain() << ',' << r1 << ',' << r2 << ',' << fg << ',' << td << ',' << cutOffFlag << ','
     << delayFlag << '\n';
  return NetSymbol::WriteText(os);
}

std::istream& ControlledSymbol::ReadText(std::istream& is) {
  is.unsetf(std::ios::skipws);
  int32_t readVersion = 0;
  if (is >> readVersion) is.get();
  std::array<MyStrng, 5> texts;
  for (MyStrng& text : texts) {
    if (is >> text) is.get();
  }
  std::array<int32_t, 2> flags{};
  for (int32_t& flag : flags) {
    if (is >> flag) is.get();
  }
  // Nothing changes unless the whole record, base part included, reads.
  if (!is || !NetSymbol::ReadText(is)) {
    is.setstate(std::ios::failbit);
    return is;
  }
  version = readVersion;
  Gain() = texts[0];
  r1 = ResWert(texts[1]);
  r2 = ResWert(texts[2]);
  fg = FreqWert(texts[3]);
  td = TimWert(texts[4]);
  cutOffFlag = flags[0];
  delayFlag = flags[1];
  return is;
}

void ControlledSymbol::DrawSource(pf::Dc& dc, Glyph glyph) {
  DreiPolSymbol::Draw(dc);
  const int w = length - 2;
  const int h = breadth - 8;
  glyph(&dc, centre.x, centre.y, w, h, h, true, false);
  // The glyph is drawn lying; the pins on the axis are joined to its ends.
  const bool lying = horizontal != 0;
  const Point ends[2] = {
      lying ? Point(centre.x - w / 2, pins[0].y) : Point(pins[0].x, centre.y - w / 2),
      lying ? Point(centre.x + w / 2, pins[1].y) : Point(pins[1].x, centre.y + w / 2)};
  for (int i = 0; i < 2; ++i) {
    dc.MoveTo(pins[i].x, pins[i].y);
    dc.LineTo(ends[i].x, ends[i].y);
  }
  dc.MoveTo(pins[2].x, pins[2].y);
  dc.LineTo(pins[2].x, centre.y + h / 2);
}

VvgSymbol::VvgSymbol() : ControlledSymbol(kClassKey, "VVG", " M=") {}
VvgSymbol::VvgSymbol(const Point& start, const Point& end)
    : ControlledSymbol(kClassKey, "VVG", " M=", start, end) {}

void VvgSymbol::SerializeGain(pf::Archive& ar) { SerializeValueTexts(ar, *this, std::tie(m)); }

void VvgSymbol::Draw(pf::Dc& dc) { DrawSource(dc, DrawVvgGlyph); }

int VvgSymbol::WriteSpiceLines(LineFile& lines, int lastNode) {
  NetSymbol::WriteSpiceLines(lines, lastNode);
  if (!ValuesUsable()) return 0;
  const MyStrng inner(lastNode + 1), p1(nodes[0]), p2(nodes[1]), p3(nodes[2]);
  // The controlling nodes reversed: an open output gives -M times the input, as in the
  // built-in model.
  lines.AddLine(SpiceLine({MyStrng("E") + elementName, inner, p3, p3, p1, m}));
  lines.AddLine(SpiceLine({MyStrng("Re") + elementName, p1, p3, r1.ToSpice()}));
  netLine = SpiceLine({MyStrng("Ra") + elementName, inner, p2, r2.ToSpice()});
  lines.AddLine(netLine);
  return 1;
}

VcgSymbol::VcgSymbol() : ControlledSymbol(kClassKey, "VCG", " G=") {}
VcgSymbol::VcgSymbol(const Point& start, const Point& end)
    : ControlledSymbol(kClassKey, "VCG", " G=", start, end) {}

void VcgSymbol::SerializeGain(pf::Archive& ar) { SerializeValueTexts(ar, *this, std::tie(g)); }

void VcgSymbol::Draw(pf::Dc& dc) { DrawSource(dc, DrawVcgGlyph); }

int VcgSymbol::WriteSpiceLines(LineFile& lines, int lastNode) {
  NetSymbol::WriteSpiceLines(lines, lastNode);
  if (!ValuesUsable()) return 0;
  const MyStrng p1(nodes[0]), p2(nodes[1]), p3(nodes[2]);
  lines.AddLine(SpiceLine({MyStrng("G") + elementName, p2, p3, p1, p3, g.ToSpice()}));
  lines.AddLine(SpiceLine({MyStrng("Re") + elementName, p1, p3, r1.ToSpice()}));
  netLine = SpiceLine({MyStrng("Ra") + elementName, p2, p3, r2.ToSpice()});
  lines.AddLine(netLine);
  return 0;
}

CcgSymbol::CcgSymbol() : ControlledSymbol(kClassKey, "CCG", " B=") {}
CcgSymbol::CcgSymbol(const Point& start, const Point& end)
    : ControlledSymbol(kClassKey, "CCG", " B=", start, end) {}

void CcgSymbol::SerializeGain(pf::Archive& ar) { SerializeValueTexts(ar, *this, std::tie(b)); }

void CcgSymbol::Draw(pf::Dc& dc) { DrawSource(dc, DrawCcgGlyph); }

int CcgSymbol::WriteSpiceLines(LineFile& lines, int lastNode) {
  NetSymbol::WriteSpiceLines(lines, lastNode);
  if (!ValuesUsable()) return 0;
  const MyStrng inner(lastNode + 1), p1(nodes[0]), p2(nodes[1]), p3(nodes[2]);
  const MyStrng sense = MyStrng("V") + elementName;
  lines.AddLine(SpiceLine({MyStrng("F") + elementName, p2, p3, sense, b}));
  lines.AddLine(SpiceLine({sense, inner, p3}));
  lines.AddLine(SpiceLine({MyStrng("Re") + elementName, p1, inner, r1.ToSpice()}));
  netLine = SpiceLine({MyStrng("Ra") + elementName, p2, p3, r2.ToSpice()});
  lines.AddLine(netLine);
  return 1;
}

OpAmpSymbol::OpAmpSymbol() : ControlledSymbol(kClassKey, "OPA", " M=") {
  r1 = ResWert(1e6);
  transparent = 1;
  drawCornerLine = 0;
}

OpAmpSymbol::OpAmpSymbol(const Point& start, const Point& end)
    : ControlledSymbol(kClassKey, "OPA", " M=", start, end) {
  r1 = ResWert(1e6);
  transparent = 1;
  drawCornerLine = 0;
}

void OpAmpSymbol::UpdateGeometry() {
  const int32_t s = pinSpacing;
  // A vertical drag gives the length; the amplifier still points right from the drag's start.
  // The output's row is set afresh below, so the base always lays the amplifier out lying.
  if (pins[1].x == pins[0].x) pins[1].x = pins[0].x + std::abs(pins[1].y - pins[0].y);
  pins[1].y = pins[0].y;
  DreiPolSymbol::UpdateGeometry();
  // The smallest drag would leave the triangle no length: four steps at least, the length
  // that the marks were drawn for.
  pins[1].x = std::max(pins[1].x, pins[0].x + 4 * s);
  const int32_t dx = pins[1].x - pins[0].x;
  pins[2] = Point(pins[0].x, pins[0].y + 2 * s);
  // Set, not moved: a second update keeps the output where the first put it.
  pins[1].y = pins[0].y + s;
  height = 4 * s;
  width = dx;
  breadth = 4 * s - 6;
  length = s > 0 ? (dx / s - 2) * s : 0;
  horizontal = 1;
  orientation = 'R';
  centre = Point(pins[0].x + dx / 2, pins[1].y);
}

void OpAmpSymbol::SerializeGain(pf::Archive& ar) { SerializeValueTexts(ar, *this, std::tie(m)); }

void OpAmpSymbol::Draw(pf::Dc& dc) {
  DreiPolSymbol::Draw(dc);
  DrawOpAmpGlyph(&dc, centre.x, centre.y, length, breadth, true);
  const int left = centre.x - length / 2;
  auto line = [&dc](int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
  };
  line(pins[1].x, pins[1].y, centre.x + length / 2, pins[1].y);
  line(pins[0].x, pins[0].y, left, pins[0].y);
  line(left + 3, pins[0].y, left + 8, pins[0].y);
  line(pins[2].x, pins[2].y, left, pins[2].y);
  DrawPlus(&dc, left + 5, pins[2].y, 5);
}

void OpAmpSymbol::WriteLatex(LineFile& lines) {
  NetSymbol::WriteLatex(lines);
  const Point in1 = ToLatexPoint(pins[0]);
  const Point out = ToLatexPoint(pins[1]);
  const Point in3 = ToLatexPoint(pins[2]);
  lines.AddLine(LatexLine(in1, 5, 'R'));
  lines.AddLine(LatexLine(in3, 5, 'R'));
  // The triangle spans from 5 above the inverting input to 5 below the other one.
  const Point top = in1 + Point(5, 5);
  const Point bottom = in3 + Point(5, -5);
  lines.AddLine(LatexLine(bottom, 20, 'O'));
  lines.AddLine(LatexSlopedLine(top, 1, -1, 10));
  lines.AddLine(LatexSlopedLine(bottom, 1, 1, 10));
  lines.AddLine(LatexLine(Point(top.x + 10, out.y), std::abs(out.x - in1.x) - 15, 'R'));
  lines.AddLine(LatexLine(in1 + Point(6, 0), 2, 'R'));
  lines.AddLine(LatexLine(in3 + Point(6, 0), 2, 'R'));
  lines.AddLine(LatexLine(in3 + Point(7, -1), 2, 'O'));
  for (const Point& p : {in1, out, in3}) lines.AddLine(LatexCircle(p, 1));
}

int OpAmpSymbol::WriteSpiceLines(LineFile& lines, int lastNode) {
  NetSymbol::WriteSpiceLines(lines, lastNode);
  return 0;
}
