#include "instruments/ui/PlotterSymbol.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "editor/dialogs/FieldReader.h"
#include "editor/document/SpiceManager.h"
#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/StoredValues.h"
#include "instruments/ui/MessGeraetSymbol.h"
#include "instruments/ui/PlotterDialogs.h"
#include "instruments/ui/ScrnWindow.h"
#include "instruments/ui/SpiceVoltages.h"
#include "pf/archive.h"
#include "pf/dc.h"
#include "resources/Bitmaps.h"
#include "resources/ScopeIds.h"

PF_IMPLEMENT_SERIAL(PlotterSymbol, MultiPolSymbol, 1)

namespace {

constexpr double kVoltageInput = 1e6;
constexpr double kCurrentShunt = 0.01;

void Fail(const char* what) {
  throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, std::string("PlotterSymbol: ") + what);
}

void ReadQuantity(pf::Archive& ar, char& quantity) {
  ar >> quantity;
  if (quantity != 'U' && quantity != 'I') Fail("Messart");
}

void CheckRange(int32_t range) {
  if (range < PlotterSymbol::kLowestRange || range > PlotterSymbol::kHighestRange ||
      range % 3 != 0) {
    Fail("Messbereich");
  }
}

// The input's voltage, made a current through its shunt.
void Measure(PlotterSymbol::Input& input, const SpiceManager& result, int a, int b) {
  input.values = VoltageBetween(result, a, b);
  if (input.quantity != 'I') return;
  const double r = input.resistance.Value();
  for (int32_t i = 0; i < input.values.GetSize(); ++i) input.values[i] /= r;
}

}  // namespace

void PlotterSymbol::Input::SetVoltage() {
  resistance = ResWert(kVoltageInput);
  quantity = 'U';
}

void PlotterSymbol::Input::SetCurrent() {
  resistance = ResWert(kCurrentShunt);
  quantity = 'I';
}

bool PlotterSymbol::Input::RangeUp() {
  if (range > kHighestRange - 3) return false;
  range += 3;
  return true;
}

bool PlotterSymbol::Input::RangeDown() {
  if (range < kLowestRange + 3) return false;
  range -= 3;
  return true;
}

MyStrng PlotterSymbol::Input::RangeText() const {
  const double unit = std::pow(10.0, range);
  return quantity == 'U' ? SpanWert(unit).GetDimension() : StromWert(unit).GetDimension();
}

double PlotterSymbol::Input::Factor() const { return std::pow(10.0, -range); }

PlotterSymbol::PlotterSymbol() : PlotterSymbol(Point(25, 100), Point(150, 100)) {}

PlotterSymbol::PlotterSymbol(const Point& start, const Point& end) : MultiPolSymbol(start, end) {
  classKey = kClassKey;
  elementName = "Plot";
  pinCount = 4;
  variant = 'B';
  breadth = 60;
  version = kVersion;
  bitmap = std::make_unique<pf::Bitmap>(LoadBitmapResource(plotter_ids::kBitmap));
  UpdateGeometry();
}

void PlotterSymbol::Serialize(pf::Archive& ar) {
  MultiPolSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(x.resistance, y.resistance));
  x.values.Serialize(ar);
  y.values.Serialize(ar);
  keptDiagram.Serialize(ar);
  if (ar.IsStoring()) {
    ar << x.quantity << y.quantity << x.range << y.range << freshScreen << setUpPending
       << curveCount << pointsPerCurve;
    SerializeResultTitles(ar, *this, kVersion);
    return;
  }
  ReadQuantity(ar, x.quantity);
  ReadQuantity(ar, y.quantity);
  ar >> x.range >> y.range >> freshScreen >> setUpPending >> curveCount >> pointsPerCurve;
  CheckRange(x.range);
  CheckRange(y.range);
  // The window reads curve c's point j at c * pointsPerCurve + j of both vectors.
  const int64_t points = static_cast<int64_t>(curveCount) * pointsPerCurve;
  // Every curve is drawn: none may be without a point of its own.
  if (curveCount < 0 || pointsPerCurve < 0 || points > x.values.GetSize() ||
      points > y.values.GetSize() || curveCount > std::max<int32_t>(1, y.values.GetSize())) {
    Fail("Kurven");
  }
  SerializeResultTitles(ar, *this, kVersion);
}

void PlotterSymbol::Draw(pf::Dc& dc) {
  MultiPolSymbol::Draw(dc);
  const LabelFonts& fonts = TheLabelFonts();
  if (horizontal != 0) {
    const pf::Font old = dc.SelectObject(fonts.horizontal);
    elementName.DrawText(&dc, centre.x, centre.y - 10, 'C');
    if (orientation == 'R') {
      const MyStrng xLabel = MyStrng(std::string(1, x.quantity).c_str()) + "x";
      const MyStrng yLabel = MyStrng(std::string(1, y.quantity).c_str()) + "y";
      xLabel.DrawText(&dc, centre.x, centre.y + breadth / 2 - 2, 'C');
      yLabel.DrawText(&dc, centre.x - length / 2 + 6, centre.y, 'L');
    }
    dc.SelectObject(old);
  } else {
    const pf::Font old = dc.SelectObject(fonts.vertical);
    MyStrng(WithoutLeadingBlanks(elementName).c_str()).DrawText(&dc, centre.x - 10, centre.y, 'C');
    dc.SelectObject(old);
  }
}

int PlotterSymbol::WriteSpiceLines(LineFile& lines, int /*lastNode*/) {
  auto node = [this](int i) { return MyStrng(std::to_string(nodes[i]).c_str()); };
  lines.AddLine(MyStrng("Ry") + elementName + " " + node(0) + " " + node(1) + " " +
                y.resistance.ToSpice());
  lines.AddLine(MyStrng("Rx") + elementName + " " + node(2) + " " + node(3) + " " +
                x.resistance.ToSpice());
  return 0;
}

void PlotterSymbol::ReadSpiceResults(SpiceManager& result) {
  Measure(y, result, nodes[0], nodes[1]);
  Measure(x, result, nodes[2], nodes[3]);
  resultTitle = result.GetTitle();
  resultDate = result.GetDate();
  curveCount = result.GetSweepRepetitions();
  pointsPerCurve = result.GetPointsPerSweep();
  // A layout the vectors cannot hold shows them as one curve.
  const int64_t points = static_cast<int64_t>(curveCount) * pointsPerCurve;
  if (curveCount < 1 || pointsPerCurve < 1 || points > y.values.GetSize()) {
    curveCount = 1;
    pointsPerCurve = y.values.GetSize();
  }
}

MyStrng PlotterSymbol::GetResultCaption() const {
  if (resultTitle.IsEmpty()) return CircuitTitle(view);
  return RunCaption(true, resultTitle, resultDate);
}

bool PlotterSymbol::EditDialog(pf::Window* parent) {
  pf::Window* owner = DialogOwner(parent);
  if (setUpPending != 0) {
    PlotterIniDialog setUp(this, owner);
    if (setUp.DoModal() != pf::kIdOk) return false;
    setUpPending = 0;
    return true;
  }
  PlotterDialog plot(this, owner);
  plot.DoModal();
  return true;
}
