#include "elements/lumped/QuarzSymbol.h"

#include <array>
#include <cmath>

#include "basics/LineFile.h"
#include "editor/symbols/Glyphs.h"
#include "elements/lumped/LumpedSupport.h"

PF_IMPLEMENT_SERIAL(QuarzSymbol, ZweiPolSymbol, 1)
PF_IMPLEMENT_RUNTIME(ResonantCircuitSymbol, ZweiPolSymbol, 1)
PF_IMPLEMENT_SERIAL(SrlcSymbol, ResonantCircuitSymbol, 1)
PF_IMPLEMENT_SERIAL(PrlcSymbol, ResonantCircuitSymbol, 1)

namespace {

constexpr double kTwoPi = 6.28318530717958;

// The labels keep a pixel clear of the glyph, lying and upright: the series glyph reaches 4
// either side of the axis, the parallel one 10 towards its capacitor (up when lying, right when
// upright) and 4 towards its coil.
const ResonantCircuitSymbol::Kind kSeries{SrlcSymbol::kClassKey,  "SRLC", false, 1000.0,
                                          DrawSeriesLcGlyph, -5,     18,    18};
const ResonantCircuitSymbol::Kind kParallel{PrlcSymbol::kClassKey,    "PRLC", true, 100.0,
                                            DrawParallelLcGlyph, -11,    18,   24};

// prefix + name, the two nodes and the value, blank-separated.
MyStrng ElementLine(const char* prefix, const NetSymbol& s, int a, int b, const MyStrng& value) {
  return MyStrng(prefix) + s.elementName + " " + MyStrng(a) + " " + MyStrng(b) + " " + value;
}

}  // namespace

QuarzSymbol::QuarzSymbol() { version = 2; }

QuarzSymbol::QuarzSymbol(const Point& start, const Point& end) : LumpedValueSymbol(start, end) {
  version = 2;
}

void QuarzSymbol::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  DrawQuartzGlyph(&dc, centre.x, centre.y, length, 8, horizontal != 0);
  lumped::DrawLabel(dc, *this, fs, -7, -5);
}

int QuarzSymbol::WriteSpiceLines(LineFile& lines, int lastNode) {
  ZweiPolSymbol::WriteSpiceLines(lines, lastNode);
  const double series = lumped::UsableValue(fs);
  const double distance = lumped::UsableValue(fd);
  const double z = lumped::UsableValue(zk);
  const double quality = lumped::UsableValue(q);
  if (!lumped::CheckPositive(*this, {{series, "Resonanzfrequenz"},
                                     {distance, "Abstand zur Parallelresonanz"},
                                     {z, "Kennwiderstand"},
                                     {quality, "Güte"}})) {
    return 0;
  }
  const double omega = kTwoPi * series;
  const double c = 1.0 / (z * omega);
  const int a = lastNode + 1, b = lastNode + 2;
  lines.AddLine("*--Quarz-------------");
  lines.AddLine(ElementLine("L", *this, nodes[0], a, lumped::SpiceNumber<IndWert>(z / omega)));
  lines.AddLine(ElementLine("Cs", *this, a, b, lumped::SpiceNumber<CapWert>(c)));
  lines.AddLine(ElementLine("R", *this, b, nodes[1], lumped::SpiceNumber<ResWert>(z / quality)));
  netLine = ElementLine("Co", *this, nodes[0], nodes[1],
                        lumped::SpiceNumber<CapWert>((c / 2) / (distance / series)));
  lines.AddLine(netLine);
  lines.AddLine("*--------------------");
  return 2;
}

void QuarzSymbol::WriteNetLine() {
  netLine = "QUARZ";
  ZweiPolSymbol::WriteNetLine();
  netLine += MyStrng(" FS=") + fs + " FD=" + fd + " ZK=" + zk + " Q=" + q;
}

std::ostream& QuarzSymbol::WriteText(std::ostream& os) {
  return lumped::WriteRecord(os, *this, std::tie(fs, zk, q, fd), ",, \n");
}

std::istream& QuarzSymbol::ReadText(std::istream& is) {
  return lumped::ReadRecord(is, *this, std::tie(fs, zk, q, fd));
}

ResonantCircuitSymbol::ResonantCircuitSymbol(const Kind& kind)
    : LumpedValueSymbol(kind.classKey), q(kind.q), kind(kind) {}

ResonantCircuitSymbol::ResonantCircuitSymbol(const Kind& kind, const Point& start, const Point& end)
    : LumpedValueSymbol(start, end, kind.classKey), q(kind.q), kind(kind) {}

void ResonantCircuitSymbol::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  kind.glyph(&dc, centre.x, centre.y, length, 8, horizontal != 0);
  lumped::DrawLabel(dc, *this, f0, kind.frequencyDy, -5);
  lumped::DrawLabel(dc, *this, zk, kind.impedanceDy, kind.impedanceDx);
}

int ResonantCircuitSymbol::WriteSpiceLines(LineFile& lines, int lastNode) {
  ZweiPolSymbol::WriteSpiceLines(lines, lastNode);
  const double f = lumped::UsableValue(f0);
  const double z = lumped::UsableValue(zk);
  const double quality = lumped::UsableValue(q);
  if (!lumped::CheckPositive(*this,
                             {{f, "Resonanzfrequenz"}, {z, "Kennwiderstand"}, {quality, "Güte"}})) {
    return 0;
  }
  const double omega = kTwoPi * f;
  const double r = kind.parallel ? quality * z : z / quality;
  // The series circuit chains L, C and R through two internal nodes.
  const int p1 = nodes[0], p2 = nodes[1], a = lastNode + 1, b = lastNode + 2;
  using Ends = std::array<int, 2>;
  const std::array<Ends, 3> ends = kind.parallel
                                       ? std::array<Ends, 3>{{{p1, p2}, {p1, p2}, {p1, p2}}}
                                       : std::array<Ends, 3>{{{p1, a}, {a, b}, {b, p2}}};
  lines.AddLine(
      ElementLine("L", *this, ends[0][0], ends[0][1], lumped::SpiceNumber<IndWert>(z / omega)));
  lines.AddLine(ElementLine("C", *this, ends[1][0], ends[1][1],
                            lumped::SpiceNumber<CapWert>(1.0 / (z * omega))));
  netLine = ElementLine("R", *this, ends[2][0], ends[2][1], lumped::SpiceNumber<ResWert>(r));
  lines.AddLine(netLine);
  return kind.parallel ? 0 : 2;
}

void ResonantCircuitSymbol::WriteNetLine() {
  netLine = kind.keyword;
  ZweiPolSymbol::WriteNetLine();
  netLine += MyStrng(" F0=") + f0 + " ZK=" + zk + " Q=" + q;
}

std::ostream& ResonantCircuitSymbol::WriteText(std::ostream& os) {
  return lumped::WriteRecord(os, *this, Values(), ",,\n");
}

bool ResonantCircuitSymbol::SetParameter(const MyStrng& name, float value) {
  if (!std::isfinite(value)) return false;  // its text would not even parse
  if (name == "fRes") {
    f0 = FreqWert(static_cast<double>(value));
  } else if (name == "zKen") {
    zk = ResWert(static_cast<double>(value));
  } else if (name == "qGuete") {
    q = FloatWert(static_cast<double>(value));
  } else {
    return false;
  }
  return true;
}

double ResonantCircuitSymbol::GetParameter(const MyStrng& name) const {
  if (name == "zKen") return ResWert(zk).Value();
  if (name == "fRes") return FreqWert(f0).Value();
  if (name == "qGuete") return static_cast<float>(FloatWert(q).Value(true));
  return 0.0;
}

SrlcSymbol::SrlcSymbol() : ResonantCircuitSymbol(kSeries) {}

SrlcSymbol::SrlcSymbol(const Point& start, const Point& end)
    : ResonantCircuitSymbol(kSeries, start, end) {}

PrlcSymbol::PrlcSymbol() : ResonantCircuitSymbol(kParallel) {}

PrlcSymbol::PrlcSymbol(const Point& start, const Point& end)
    : ResonantCircuitSymbol(kParallel, start, end) {}
