#include "diagrams/RectTimeDiag.h"

#include <cmath>

#include "basics/Saturate.h"
#include "basics/WertMitDim.h"
#include "diagrams/graphics/OutText.h"
#include "pf/archive.h"

namespace {

constexpr float kVoltScales[20] = {0.002f, 0.005f, 0.01f,  0.02f,  0.05f,  0.1f,   0.2f,
                                   0.5f,   0.75f,  1.0f,   2.0f,   5.0f,   10.0f,  25.0f,
                                   50.0f,  100.0f, 250.0f, 500.0f, 750.0f, 1000.0f};
// After 5e-5 straight on to 1e-4 and 1e-3.
constexpr float kTimeScales[35] = {1e-12f, 2e-12f, 5e-12f, 1e-11f, 2e-11f, 5e-11f, 1e-10f,
                                   2e-10f, 5e-10f, 1e-9f,  2e-9f,  5e-9f,  1e-8f,  2e-8f,
                                   5e-8f,  1e-7f,  2e-7f,  5e-7f,  1e-6f,  2e-6f,  5e-6f,
                                   1e-5f,  2e-5f,  5e-5f,  1e-4f,  1e-3f,  2e-3f,  5e-3f,
                                   0.01f,  0.02f,  0.05f,  0.1f,   0.2f,   0.5f,   1.0f};

MyStrng TimeText(double t) { return TimWert(t); }

}  // namespace

RectTimeDiag::RectTimeDiag(pf::Window* owner, int x, int y, int width, int height)
    : RectDiag(owner, x, y, width, height) {
  LayOut();
}

void RectTimeDiag::LayOut() {
  LayOutRaster(8, false);
  if (extraLabel1) extraLabel1->StoreText(TimeText(startFrequency));
  if (extraLabel2) extraLabel2->StoreText(TimeText(stopFrequency));
  UpdateScale();
}

void RectTimeDiag::SetRect(const pf::Rect& r) {
  RectDiag::SetRect(r);
  LayOut();
  SetFontFromOwner();
}

int RectTimeDiag::MapX(float t, float) { return MapLinearX(t, xRefValue); }

int RectTimeDiag::MapY(float v, float) { return MapValueY(v); }

bool RectTimeDiag::IsInGrid(float t, float v) { return MapsIntoGrid(t, v); }

void RectTimeDiag::DrawLabels(pf::Dc* dc) { DrawAxisLabels(dc); }

void RectTimeDiag::UpdateScale() {
  pixelsPerUnitX = xAxisMode == 'L' ? static_cast<float>(divPixelsX) / xScale : 1.0f;
  pixelsPerUnitY = static_cast<float>(divPixelsY) / yScale;
}

MyStrng RectTimeDiag::XReadout(float t) const { return TimeText(t); }

LinTimeDiag::LinTimeDiag() { SetUp(); }

LinTimeDiag::LinTimeDiag(pf::Window* owner, int x, int y, int width, int height)
    : RectTimeDiag(owner, x, y, width, height) {
  SetUp();
}

void LinTimeDiag::SetUp() {
  yTable = kVoltScales;
  xTable = kTimeScales;
  yScaleIndex = 5;
  xScaleIndex = 6;
  yScale = yTable[5];
  xScale = xTable[6];
  xRefValue = 0.0f;
  xRefSteps = 0;
  savedStart = xRefValue;
  savedTimePerDiv = xScale;
  UpdateScale();
  name = "LinTimeDiag";
  valueUnit = "V";
  RefreshLabels();
}

LinTimeDiag::LinTimeDiag(const LinTimeDiag& other) : RectTimeDiag(other) { CopyModeOf(other); }

LinTimeDiag& LinTimeDiag::operator=(const LinTimeDiag& other) {
  if (this == &other) return *this;
  RectTimeDiag::operator=(other);
  CopyModeOf(other);
  return *this;
}

void LinTimeDiag::CopyModeOf(const LinTimeDiag& other) {
  mode = other.mode;
  period = other.period;
  savedStartDivs = other.savedStartDivs;
  savedStart = other.savedStart;
  savedTimePerDiv = other.savedTimePerDiv;
  foldIndex = 0;
  RefreshLabels();
}

void LinTimeDiag::Serialize(pf::Archive& ar) {
  RectDiag::Serialize(ar);
  if (ar.IsStoring()) {
    ar << period << mode << savedStartDivs << savedStart << savedTimePerDiv;
    return;
  }
  double p = 0.0;
  char m = 'Z';
  int32_t divs = 0;
  double start = 0.0;
  double perDiv = 0.0;
  ar >> p >> m >> divs >> start >> perDiv;
  if ((m != 'Z' && m != 'A') || !std::isfinite(p) || !std::isfinite(start) ||
      !std::isfinite(perDiv)) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "bad time diagram");
  }
  period = p;
  mode = m;
  savedStartDivs = divs;
  savedStart = start;
  savedTimePerDiv = perDiv;
  foldIndex = 0;
}

void LinTimeDiag::SetRect(const pf::Rect& r) {
  RectTimeDiag::SetRect(r);
  RefreshLabels();
}

void LinTimeDiag::Draw(pf::Dc* dc) {
  foldIndex = 0;
  RectDiag::Draw(dc);
  DrawLabels(dc);
  WriteHeader(dc);
  if (curvesShown != 0) DrawCurves(dc);
}

bool LinTimeDiag::Folds() const { return mode == 'A' && period > 0.0 && std::isfinite(period); }

int LinTimeDiag::MapX(float t, float v) {
  if (!Folds()) {
    pen = 'L';
    return RectTimeDiag::MapX(t, v);
  }
  const int k = TruncToInt32(static_cast<double>(t) / (2.0 * period));
  // A change of fold starts a new trace, also where a further curve starts again at 0.
  pen = k != foldIndex ? 'M' : 'L';
  foldIndex = k;
  const auto folded = static_cast<float>(static_cast<double>(t) - 2.0 * k * period);
  return RectTimeDiag::MapX(folded, v);
}

MyStrng LinTimeDiag::HeaderText() const {
  return MyStrng("LinTime  >REF: ") + MyStrng(refValue, 5) + "  " + "       " +
         MyStrng(yScale, 5) + "  V/Div";
}

void LinTimeDiag::SetTimeLabels(double stopTime) {
  SetAxisLabels(TimeText(static_cast<double>(xRefValue)), TimeText(stopTime));
}

void LinTimeDiag::RefreshLabels() {
  SetTimeLabels(static_cast<double>(xRefValue) + 10.0 * static_cast<double>(xScale));
}

void LinTimeDiag::XScaleUp() {
  RectTimeDiag::XScaleUp();
  RefreshLabels();
}

void LinTimeDiag::XScaleDown() {
  RectTimeDiag::XScaleDown();
  RefreshLabels();
}

void LinTimeDiag::StepStartTime(int delta) {
  if (delta > 0 ? xRefSteps == INT32_MAX : xRefSteps == INT32_MIN) return;
  xRefSteps += delta;
  xRefValue = xScale * static_cast<float>(xRefSteps);
  RefreshLabels();
}

void LinTimeDiag::ShowSpan(double first, double last) {
  if (!std::isfinite(first) || !std::isfinite(last)) return;
  // The start time is a float: further from 0 than this it no longer holds whole divisions.
  constexpr double kMaxStartDivisions = 1e5;
  // The table's steps are floats; their rounding must not cost a division.
  constexpr double kSlack = 1e-6;
  double start = 0.0;
  for (int i = 0; i < static_cast<int>(xTable.size()); ++i) {
    const double perDiv = xTable[static_cast<size_t>(i)];
    start = std::floor(first / perDiv + kSlack);
    xScaleIndex = i;
    if (std::fabs(start) <= kMaxStartDivisions &&
        (start + divisions) * perDiv >= last - kSlack * perDiv) {
      break;
    }
  }
  xScale = xTable[static_cast<size_t>(xScaleIndex)];
  xRefSteps = TruncToInt32(start);
  xRefValue = xScale * static_cast<float>(xRefSteps);
  UpdateScale();
  RefreshLabels();
}

void LinTimeDiag::XRefValueUp() { StepStartTime(1); }

void LinTimeDiag::XRefValueDown() { StepStartTime(-1); }

void LinTimeDiag::WritePicTex() {
  foldIndex = 0;
  RectTimeDiag::WritePicTex();
}

void LinTimeDiag::SetEyeMode() {
  savedStartDivs = xRefSteps;
  savedStart = xRefValue;
  savedTimePerDiv = xScale;
  xRefValue = 0.0f;
  xRefSteps = 0;
  foldIndex = 0;
  mode = 'A';
  // A period that folds nothing leaves the time axis as it is.
  if (Folds()) xScale = static_cast<float>(2.0 * period / divisions);
  UpdateScale();
  SetTimeLabels(xRefSteps * static_cast<double>(xScale) + 10.0 * static_cast<double>(xScale));
}

void LinTimeDiag::SetTimeMode() {
  xRefSteps = savedStartDivs;
  xRefValue = static_cast<float>(savedStart);
  xScale = static_cast<float>(savedTimePerDiv);
  foldIndex = 0;
  mode = 'Z';
  UpdateScale();
  SetTimeLabels(xRefSteps * static_cast<double>(xScale) + 10.0 * static_cast<double>(xScale));
}
