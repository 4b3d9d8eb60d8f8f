#include "diagrams/RectFreqDiag.h"

#include <algorithm>
#include <cmath>

#include "basics/Saturate.h"
#include "basics/WertMitDim.h"
#include "diagrams/ScaleTables.h"
#include "diagrams/graphics/DiagGitter.h"
#include "diagrams/graphics/OutText.h"

namespace {

constexpr float kLinScales[20] = {0.0025f, 0.005f, 0.01f,  0.025f, 0.05f,  0.1f,   0.25f,
                                  0.5f,    0.75f,  1.0f,   2.0f,   5.0f,   10.0f,  25.0f,
                                  50.0f,   100.0f, 250.0f, 500.0f, 750.0f, 1000.0f};
constexpr float kPhaseScales[20] = {0.1f,  0.3f,  0.5f,   1.0f,   3.0f,   6.0f,   10.0f,
                                    15.0f, 20.0f, 30.0f,  45.0f,  60.0f,  75.0f,  90.0f,
                                    180.0f, 360.0f, 720.0f, 720.0f, 720.0f, 720.0f};

}  // namespace

// What tells the kinds apart. The header is prefix, reference, middle (the value unit and two
// blanks when null), value per division, suffix.
struct FreqKind {
  const char* name;
  const char* prefix;
  const char* middle;
  const char* suffix;
  const char* unit;
  std::span<const float> table;
  int index;
  float reference;
  pf::Size smallest;  // SmallestSize
};

namespace {

const FreqKind kLogMag{"LogMagDiag", "LogMag  >REF: ", "dB  ", "dB/Div", "dB",
                       scale_tables::kDecibel, 11, 0.0f, {258, 157}};
const FreqKind kLinMag{"LinMagDiag", "LinMag  >REF: ", "         ", "  /Div", "",
                       scale_tables::kLinear, 3, 1.0f, {261, 157}};
const FreqKind kPhase{"PhaseDiag", "Phase  >REF: ", "         ", " Grad/Div", "Grad", kPhaseScales,
                      6, 0.0f, {271, 157}};
const FreqKind kLinReal{"LinRealDiag", "LinReal  >REF: ", "         ", " /Div", "", kLinScales, 9,
                        0.0f, {250, 157}};
const FreqKind kLinImag{"LinImagDiag", "LinImag  >REF: ", "         ", " /Div", "", kLinScales, 11,
                        0.0f, {252, 157}};
const FreqKind kSpecLogMag{"SpecLogMag", "LogMag  >REF: ", nullptr, "dB/Div", "dBm",
                           scale_tables::kDecibel, 11, 0.0f, {267, 157}};

MyStrng FrequencyText(float f) { return FreqWert(static_cast<double>(f)); }

}  // namespace

RectFreqDiag::RectFreqDiag(const FreqKind& k) : kind(&k) {
  SetUp();
  grid->SetYRefPos(yRefPos);
}

RectFreqDiag::RectFreqDiag(const FreqKind& k, pf::Window* owner, int x, int y, int width,
                           int height)
    : RectDiag(owner, x, y, width, height), kind(&k) {
  LayOut();
  SetUp();
}

void RectFreqDiag::SetUp() {
  yTable = kind->table;
  yScaleIndex = kind->index;
  yScale = yTable[static_cast<size_t>(yScaleIndex)];
  refValue = kind->reference;
  UpdateScale();
  name = kind->name;
  valueUnit = kind->unit;
}

void RectFreqDiag::LayOut() {
  LayOutRaster(4, true);
  xScale = static_cast<float>((stopFrequency - startFrequency) / 10.0);
  UpdateScale();
}

void RectFreqDiag::SetRect(const pf::Rect& r) {
  RectDiag::SetRect(r);
  LayOut();
  SetFontFromOwner();
}

void RectFreqDiag::Draw(pf::Dc* dc) {
  RectDiag::Draw(dc);
  DrawLabels(dc);
  WriteHeader(dc);
  if (curvesShown != 0) DrawCurves(dc);
}

int RectFreqDiag::MapX(float f, float) {
  if (xAxisMode == 'L') return MapLinearX(f, startFrequency);
  // log10 is taken only of finite quotients above 0; the rest lies beyond an edge.
  const float span = stopFrequency / startFrequency;
  const float q = f / startFrequency;
  if (!(f > 0.0f && startFrequency > 0.0f && span > 1.0f && std::isfinite(span)) || !(q > 0.0f)) {
    return gridLeft;
  }
  if (!std::isfinite(q)) return ClampX(INT32_MAX);
  const auto decades = static_cast<float>(std::log10(static_cast<double>(q)));
  const auto whole = static_cast<float>(std::log10(static_cast<double>(span)));
  const float px = decades * static_cast<float>(divPixelsX * divisions) / whole;
  return ClampX(TruncToInt32(static_cast<float>(gridLeft) + px));
}

int RectFreqDiag::MapY(float v, float) { return MapValueY(v); }

bool RectFreqDiag::IsInGrid(float f, float v) {
  // The mapping clamps, so a spectral line outside the range would stand on the grid's edge as
  // if it were there.
  return f >= startFrequency && f <= stopFrequency && MapsIntoGrid(f, v);
}

void RectFreqDiag::DrawLabels(pf::Dc* dc) { DrawAxisLabels(dc); }

void RectFreqDiag::UpdateXAxis() {
  xScale = xAxisMode == 'L' ? static_cast<float>((stopFrequency - startFrequency) / 10.0)
                            : stopFrequency / startFrequency;
  UpdateScale();
}

void RectFreqDiag::UpdateScale() {
  pixelsPerUnitX = xAxisMode == 'L' ? static_cast<float>(divPixelsX) / xScale : 1.0f;
  pixelsPerUnitY = static_cast<float>(divPixelsY) / yScale;
}

MyStrng RectFreqDiag::HeaderText() const {
  const MyStrng middle = kind->middle != nullptr ? MyStrng(kind->middle) : valueUnit + "  ";
  return MyStrng(kind->prefix) + MyStrng(refValue, 5) + middle + MyStrng(yScale, 5) + kind->suffix;
}

pf::Size RectFreqDiag::SmallestSize() const { return kind->smallest; }

MyStrng RectFreqDiag::XReadout(float f) const { return FrequencyText(f); }

LogMagDiag::LogMagDiag() : RectFreqDiag(kLogMag) {}
LogMagDiag::LogMagDiag(pf::Window* owner, int x, int y, int width, int height)
    : RectFreqDiag(kLogMag, owner, x, y, width, height) {}

LinMagDiag::LinMagDiag() : RectFreqDiag(kLinMag) {}
LinMagDiag::LinMagDiag(pf::Window* owner, int x, int y, int width, int height)
    : RectFreqDiag(kLinMag, owner, x, y, width, height) {}

void LinMagDiag::YScaleUp() {
  if (yScaleIndex < kMaxYScaleIndex) ++yScaleIndex;
  yScale = yTable[static_cast<size_t>(yScaleIndex)];
  refStale = 1;
  UpdateScale();
  // Whole divisions up until the bottom grid line is not negative.
  const int k = std::max(TruncToInt32(static_cast<double>(refValue / yScale)), divisions - yRefPos);
  yRefSteps = k;
  refStale = 0;
  refValue = static_cast<float>(k) * yScale;
  UpdateLine(Line(headerLines, 0));
  if (grid) grid->Update();
}

PhaseDiag::PhaseDiag() : RectFreqDiag(kPhase) {}
PhaseDiag::PhaseDiag(pf::Window* owner, int x, int y, int width, int height)
    : RectFreqDiag(kPhase, owner, x, y, width, height) {}

LinRealDiag::LinRealDiag() : RectFreqDiag(kLinReal) {}
LinRealDiag::LinRealDiag(pf::Window* owner, int x, int y, int width, int height)
    : RectFreqDiag(kLinReal, owner, x, y, width, height) {}

LinImagDiag::LinImagDiag() : RectFreqDiag(kLinImag) {}
LinImagDiag::LinImagDiag(pf::Window* owner, int x, int y, int width, int height)
    : RectFreqDiag(kLinImag, owner, x, y, width, height) {}

SpecLogMag::SpecLogMag() : RectFreqDiag(kSpecLogMag) { valueUnit = "dB"; }

SpecLogMag::SpecLogMag(pf::Window* owner, int x, int y, int width, int height)
    : RectFreqDiag(kSpecLogMag, owner, x, y, width, height) {
  SetAxisLabels(FrequencyText(startFrequency), FrequencyText(stopFrequency));
}

SpecLogMag::SpecLogMag(const SpecLogMag& other) : RectFreqDiag(other) { UpdateXAxis(); }

void SpecLogMag::UpdateXAxis() {
  RectFreqDiag::UpdateXAxis();
  SetAxisLabels(FrequencyText(startFrequency), FrequencyText(stopFrequency));
}
