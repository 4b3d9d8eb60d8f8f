#include "elements/lumped/ResSymbol.h"

#include <algorithm>
#include <initializer_list>
#include <tuple>
#include <utility>

#include "basics/LineFile.h"
#include "editor/symbols/Glyphs.h"
#include "editor/symbols/LatexPrimitives.h"
#include "editor/symbols/StoredValues.h"
#include "elements/lumped/LumpedSupport.h"
#include "pf/archive.h"

PF_IMPLEMENT_SERIAL(ResSymbol, ZweiPolSymbol, 1)
PF_IMPLEMENT_SERIAL(CapSymbol, ZweiPolSymbol, 1)
PF_IMPLEMENT_SERIAL(IndSymbol, ZweiPolSymbol, 1)

namespace {

using Parameter = std::pair<const char*, const MyStrng*>;

// Keyword, nodes, the principal value and, unless the symbol is ideal, the loss parameters.
void BuildNetLine(ZweiPolSymbol& s, const char* keyword, Parameter value,
                  std::initializer_list<Parameter> losses) {
  s.netLine = keyword;
  s.ZweiPolSymbol::WriteNetLine();
  s.netLine += MyStrng(value.first) + *value.second;
  if (s.settingC != 0) return;
  for (const Parameter& p : losses) s.netLine += MyStrng(p.first) + *p.second;
}

// Name, nodes and the value's SPICE form, added as one line; answers the line before the value.
MyStrng AddSpiceLine(ZweiPolSymbol& s, LineFile& lines, int lastNode, const WertMitDim& value) {
  s.ZweiPolSymbol::WriteSpiceLines(lines, lastNode);
  const MyStrng head = s.netLine;
  s.netLine += MyStrng(" ") + value.ToSpice();
  lines.AddLine(s.netLine);
  return head;
}

// The value's label: centred above a lying symbol, beside an upright one. The tail is TeX of
// our own, measured as it is written.
void AddLatexLabel(LineFile& lines, const lumped::LatexAxis& axis, const MyStrng& text,
                   const char* tail = "") {
  const int length = LatexTextLength(text + tail);
  const Point at = axis.Lying() ? axis.At(axis.half, 4) - Point(length / 2, 0)
                                : axis.At(axis.half, 4);
  lines.AddLine(LatexLabel(at, 'H', text, tail));
}

void AddLatexDots(LineFile& lines, const lumped::LatexAxis& axis) {
  lines.AddLine(LatexCircle(axis.p1, 1));
  lines.AddLine(LatexCircle(axis.p2, 1));
}

// From pin 1 to the start of a body body long in the middle, and from its end to pin 2.
void AddLatexLeads(LineFile& lines, const lumped::LatexAxis& axis, int body) {
  lines.AddLine(LatexLine(axis.p1, std::max(0, axis.half - body / 2), axis.dir));
  lines.AddLine(LatexConnect(axis.At(axis.half + body / 2), axis.p2));
}

}  // namespace

void ResSymbol::Serialize(pf::Archive& ar) {
  LumpedValueSymbol::Serialize(ar);
  // The length and SMD flag once more; a loaded file keeps this copy.
  SerializeValueTexts(ar, *this, std::tie(smdLength));
  if (ar.IsStoring()) {
    ar << smdFlag;
  } else {
    ar >> smdFlag;
  }
}

void ResSymbol::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  DrawResistorGlyph(&dc, centre.x, centre.y, length, 20, 8, horizontal != 0);
  lumped::DrawLabel(dc, *this, r, -5, -5);
}

void ResSymbol::WriteLatex(LineFile& lines) {
  NetSymbol::WriteLatex(lines);
  const lumped::LatexAxis axis = lumped::LatexAxisOf(*this);
  AddLatexLeads(lines, axis, 8);
  const Point corner = axis.Lying() ? Point(-4, -2) : Point(-2, -4);
  lines.AddLine(LatexFramebox(axis.At(axis.half) + corner, 8, 4, axis.dir));
  MyStrng label = r;
  label.TrimRight();
  label.SetAt(std::max(0, label.GetLength() - 3), '\0');
  AddLatexLabel(lines, axis, label, "$\\Omega$");
  AddLatexDots(lines, axis);
}

int ResSymbol::WriteSpiceLines(LineFile& lines, int lastNode) {
  AddSpiceLine(*this, lines, lastNode, r);
  return 0;
}

void ResSymbol::CopyParameters(const NetSymbol& other) {
  LumpedValueSymbol::CopyParameters(other);
  if (dynamic_cast<const ResSymbol*>(&other) != nullptr) settingC = other.settingC;
}

void ResSymbol::WriteNetLine() {
  BuildNetLine(*this, "RES", {" R = ", &r}, {{" LS=", &ls}, {" CP=", &cp}});
}

std::ostream& ResSymbol::WriteText(std::ostream& os) {
  return lumped::WriteRecord(os, *this, Values(), ",,\n");
}

void CapSymbol::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  DrawCapacitorGlyph(&dc, centre.x, centre.y, length, 8, horizontal != 0);
  lumped::DrawLabel(dc, *this, c, -4, -5);
}

void CapSymbol::WriteLatex(LineFile& lines) {
  NetSymbol::WriteLatex(lines);
  const lumped::LatexAxis axis = lumped::LatexAxisOf(*this);
  AddLatexLeads(lines, axis, 2);
  for (const int plate : {axis.half - 1, axis.half + 1}) {
    lines.AddLine(LatexLine(axis.At(plate, -3), 6, axis.Across()));
  }
  AddLatexLabel(lines, axis, c);
  AddLatexDots(lines, axis);
}

int CapSymbol::WriteSpiceLines(LineFile& lines, int lastNode) {
  // A capacitor alone would leave its nodes without a DC path in SPICE.
  const MyStrng head = AddSpiceLine(*this, lines, lastNode, c);
  lines.AddLine(MyStrng("R") + head + " " + ResWert(1e9).ToSpice());
  return 0;
}

void CapSymbol::WriteNetLine() {
  BuildNetLine(*this, "CAP", {" C = ", &c}, {{" Fs=", &fs}, {" Qm=", &qm}, {" Fm=", &fm}});
}

std::ostream& CapSymbol::WriteText(std::ostream& os) {
  return lumped::WriteRecord(os, *this, Values(), ",,,\n");
}

void IndSymbol::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  DrawInductorGlyph(&dc, centre.x, centre.y, length, 8, horizontal != 0);
  lumped::DrawLabel(dc, *this, l, -5, -5);
}

void IndSymbol::WriteLatex(LineFile& lines) {
  NetSymbol::WriteLatex(lines);
  const lumped::LatexAxis axis = lumped::LatexAxisOf(*this);
  AddLatexLeads(lines, axis, 6);
  for (const int arc : {axis.half - 2, axis.half, axis.half + 2}) {
    lines.AddLine(LatexOval(axis.At(arc), 2, 2, axis.dir));
  }
  AddLatexLabel(lines, axis, l);
  AddLatexDots(lines, axis);
}

int IndSymbol::WriteSpiceLines(LineFile& lines, int lastNode) {
  AddSpiceLine(*this, lines, lastNode, l);
  return 0;
}

void IndSymbol::WriteNetLine() {
  BuildNetLine(*this, "IND", {" L = ", &l}, {{" Fp=", &fp}, {" Qm=", &qm}, {" Fm=", &fm}});
}

std::ostream& IndSymbol::WriteText(std::ostream& os) {
  return lumped::WriteRecord(os, *this, Values(), ",,,\n");
}
