#include "elements/spice/PNDiodeSymbol.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <string>

#include "basics/LineFile.h"
#include "basics/VS_Error.h"
#include "editor/document/SpiceModelLookup.h"
#include "editor/symbols/LatexPrimitives.h"
#include "editor/symbols/StoredValues.h"
#include "elements/lumped/LumpedSupport.h"
#include "elements/spice/SpiceModelSymbols.h"
#include "formats/SpiceLibrary.h"
#include "formats/SpiceModelCard.h"
#include "pf/archive.h"
#include "resources/Bitmaps.h"

namespace {

constexpr int kDiodeBitmap = 152;

MyStrng Number(double value, const char* format = "%.9g") {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return MyStrng(text);
}

// The plain numbers parse in single precision; more digits would only show its rounding.
MyStrng Spice(FloatWert value) { return Number(value.Value(true), "%.7g"); }
MyStrng Spice(const WertMitDim& value) { return value.ToSpice(); }

void Init(PNDiodeSymbol& s) {
  s.classKey = PNDiodeSymbol::kClassKey;
  s.length = 30;
  s.breadth = 30;
  s.values[0] = FloatWert("290");
  s.bitmap = std::make_unique<pf::Bitmap>(LoadBitmapResource(kDiodeBitmap));
}

// A card's number (at least 0) as a value of class W for the netlist reader, which takes a
// prefix but no exponent: the class's prefix (femto and tera also beyond their bands) and up to
// ten decimals, where the class prints 4 digits and would round the card's values.
template <class W>
W ReaderValue(double value) {
  W scale(value > 0.0 ? std::clamp(value, 1e-15, 1e12) : value);
  const double scaled = value / scale.UnitFactor();
  const int length = std::snprintf(nullptr, 0, "%.10f", scaled);
  std::string digits(static_cast<size_t>(length) + 1, '\0');
  std::snprintf(digits.data(), digits.size(), "%.10f", scaled);
  digits.resize(static_cast<size_t>(length));
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.back() == '.') digits.pop_back();
  return W(MyStrng(digits) + scale.GetDimension());
}

bool Positive(double value) { return std::isfinite(value) && value > 0.0; }

}  // namespace

PNDiodeSymbol::PNDiodeSymbol() { Init(*this); }

PNDiodeSymbol::PNDiodeSymbol(const Point& start, const Point& end) : MultiPolSymbol(start, end) {
  Init(*this);
}

void PNDiodeSymbol::Serialize(pf::Archive& ar) {
  MultiPolSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, Values());
}

void PNDiodeSymbol::Draw(pf::Dc& dc) {
  MultiPolSymbol::Draw(dc);
  spice_symbols::DrawModelName(dc, *this, -2, 2);
}

void PNDiodeSymbol::WriteLatex(LineFile& lines) {
  NetSymbol::WriteLatex(lines);
  const lumped::LatexAxis axis = lumped::LatexAxisOf(*this);
  // A triangle of 4 along the axis pointing at a bar of 6 across it.
  const int start = std::max(0, axis.half - 2);
  lines.AddLine(LatexLine(axis.p1, start, axis.dir));
  lines.AddLine(LatexLine(axis.At(start, -3), 6, axis.Across()));
  const Point tip = axis.At(start + 4);
  for (const int side : {3, -3}) {
    const Point from = axis.At(start, side);
    const Point d = tip - from;
    lines.AddLine(LatexSlopedLine(from, d.x, d.y, d.x != 0 ? std::abs(d.x) : std::abs(d.y)));
  }
  lines.AddLine(LatexLine(axis.At(start + 4, -3), 6, axis.Across()));
  lines.AddLine(LatexConnect(tip, axis.p2));
  lines.AddLine(LatexCircle(axis.p1, 1));
  lines.AddLine(LatexCircle(axis.p2, 1));
  const int text = LatexTextLength(modelName);
  const Point label = axis.Lying() ? axis.At(axis.half, 4) - Point(text / 2, 0)
                                   : axis.At(axis.half, 4);
  lines.AddLine(LatexLabel(label, 'H', modelName));
}

int PNDiodeSymbol::WriteSpiceLines(LineFile& lines, int) {
  netLine = elementName + " " + MyStrng(nodes[0]) + " " + MyStrng(nodes[1]) + " " +
            SpiceModelName();
  lines.AddLine(netLine);
  return 0;
}

MyStrng PNDiodeSymbol::SpiceModelName() const {
  // A model chosen from a library that was deleted since: the diode is its own values again.
  const bool ownCard = modelName == "NoModell" || !SpiceModelLookup::For(*this).HasSpiceLibrary();
  return ownCard ? elementName + "_MOD" : modelName;
}

void PNDiodeSymbol::WriteSpiceModel(const SpiceLibrary* library, LineFile& lines) {
  if (!(modelName == "NoModell") && library != nullptr) {
    library->GetModelCard(modelName, lines);
    return;
  }
  const MyStrng tnom = Number(To().Value(true) - 273.15);
  lines.AddLine(MyStrng(".MODEL ") + elementName + "_MOD D (IS=" + Spice(is) +
                " N=" + Spice(n) + " RS=" + Spice(rs) + " XTI=" + Spice(xti) + " EG=" + Spice(eg) +
                " ISR=" + Spice(isr) + " NR=" + Spice(nr) + " VJ=" + Spice(vj) + " M=" +
                Spice(m) + " BV=" + Spice(bv) + " IBV=" + Spice(ibv) + " NBV=" + Spice(nbv) +
                " TT=" + Spice(tt) + " CJO=" + Spice(cj0) + " TNOM=" + tnom + ")");
}

MyStrng PNDiodeSymbol::Junction::Text() const {
  return MyStrng("IS = ") + is + " NE = " + n + " RS = " + rs;
}

std::optional<PNDiodeSymbol::Junction> PNDiodeSymbol::BuiltInJunction(const SpiceLibrary* library,
                                                                      MyStrng& refusal) const {
  if (modelName == "NoModell" || library == nullptr) return Junction{is, n, rs};
  LineFile card;
  library->GetModelCard(modelName, card);
  if (card.GetCount() == 0) {
    refusal = MissingSpiceModel(*this);
    return std::nullopt;
  }
  const double saturation = spice_card::Parameter(card, "IS", 1e-14);
  const double emission = spice_card::Parameter(card, "N", 1.0);
  const double series = spice_card::Parameter(card, "RS", 0.0);
  // The simulator divides by IS and N; a negative RS is no resistor.
  const char* unusable = !Positive(saturation)                      ? "IS"
                         : !Positive(emission)                      ? "N"
                         : !(std::isfinite(series) && series >= 0.0) ? "RS"
                                                                     : nullptr;
  std::optional<Junction> junction;
  if (unusable == nullptr) {
    junction = Junction{ReaderValue<StromWert>(saturation), FloatWert(emission, "%.7g"),
                        ReaderValue<ResWert>(series)};
    // Ten decimals of femtoamperes, the finest the line has, hold no IS below 1e-25 A.
    if (junction->is.Value() <= 0.0f) unusable = "IS";
  }
  if (unusable != nullptr) {
    refusal = elementName + ": Modell " + modelName + ": " + unusable + " ungültig";
    return std::nullopt;
  }
  return junction;
}

void PNDiodeSymbol::WriteNetLine() {
  netLine = "";
  MyStrng refusal;
  const std::optional<Junction> junction =
      BuiltInJunction(SpiceModelLookup::For(*this).Library(), refusal);
  if (!junction) {
    VS_Error().Error(refusal, 4);
    return;
  }
  netLine = "HLD";
  NetSymbol::WriteNetLine();
  netLine += MyStrng(" ") + junction->Text();
}
