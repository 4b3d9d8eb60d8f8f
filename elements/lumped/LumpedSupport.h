#pragma once
// What the lumped symbols share: their constructor settings, the text record with the values of
// each class, the value labels, and the SPICE numbers that the resonators compute.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <istream>
#include <ostream>
#include <tuple>
#include <type_traits>
#include <utility>

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "editor/symbols/NetSymbol.h"

namespace lumped {

// Ideal, transparent, without the corner line, and known by its key.
void InitElement(NetSymbol& symbol, const char* classKey);

// Class key, blank, version; the values, each followed by its separator (seps[i] behind value
// i); then the base part.
template <class Values>
std::ostream& WriteRecord(std::ostream& os, NetSymbol& symbol, const Values& values,
                          const char* seps = "") {
  os << symbol.classKey << ' ' << symbol.version << '\n';
  std::apply(
      [&](const auto&... v) {
        int i = 0;
        ((os << static_cast<const MyStrng&>(v) << seps[i++]), ...);
      },
      values);
  return symbol.NetSymbol::WriteText(os);
}

// The reader of WriteRecord behind the class key and its separator. Nothing changes unless the
// whole record, base part included, reads.
template <class Values>
std::istream& ReadRecord(std::istream& is, NetSymbol& symbol, Values values) {
  is.unsetf(std::ios::skipws);
  int32_t version = 0;
  if (is >> version) is.get();
  std::array<MyStrng, std::tuple_size_v<Values>> texts;
  for (MyStrng& text : texts) {
    if (is >> text) is.get();
  }
  if (!is || !symbol.NetSymbol::ReadText(is)) {
    is.setstate(std::ios::failbit);
    return is;
  }
  symbol.version = version;
  std::apply(
      [&](auto&... v) {
        size_t i = 0;
        ((v = std::remove_reference_t<decltype(v)>(texts[i++])), ...);
      },
      values);
  return is;
}

// The value's text in the label fonts: horizontal symbols centre it on the centre's x with its
// bottom dy below the centre (negative: above); vertical ones put it at centre x + dx.
void DrawLabel(pf::Dc& dc, const NetSymbol& symbol, const MyStrng& text, int dy, int dx);

// The number as SPICE reads it, with the prefix the value class W would choose but with 9
// significant digits: the value classes print only 4, too few for computed element values.
MyStrng SpiceNumber(WertMitDim& rough, double value);
template <class W>
MyStrng SpiceNumber(double value) {
  W rough(value);
  return SpiceNumber(rough, value);
}

// The number a computed SPICE line may divide by, or 0 when its text does not check or it is not
// positive and finite.
double Usable(double number);
template <class W>
double UsableValue(W value) {
  return value.CheckSyntax() ? Usable(value.Value()) : 0.0;
}
inline double UsableValue(FloatWert value) { return Usable(value.Value(true)); }

// Queues "name: what muss größer als 0 sein" for every number that is not (0 comes from
// UsableValue) and answers whether all are.
bool CheckPositive(const NetSymbol& symbol,
                   std::initializer_list<std::pair<double, const char*>> numbers);

// The pin axis of a two-pin symbol in LaTeX picture units.
struct LatexAxis {
  Point p1;
  Point p2;
  char dir;  // the orientation: from pin 1 towards pin 2
  int half;  // half the pins' distance along the axis

  // along steps from pin 1 towards pin 2, across steps up (lying) or right (upright).
  Point At(int along, int across = 0) const;
  // The orientation letter of the lines across the axis.
  char Across() const { return dir == 'L' || dir == 'R' ? 'O' : 'R'; }
  bool Lying() const { return dir == 'L' || dir == 'R'; }
};
LatexAxis LatexAxisOf(const NetSymbol& symbol);
// From pin 1 to end (screen units) in the direction dir.
LatexAxis LatexAxisTo(const NetSymbol& symbol, const Point& end, char dir);

}  // namespace lumped
