#include "diagrams/CircleDiag.h"

#include <algorithm>
#include <cmath>

#include "basics/Saturate.h"
#include "diagrams/ScaleTables.h"
#include "diagrams/graphics/CircleGit.h"
#include "diagrams/graphics/OutText.h"

namespace {

constexpr float kDegree = 0.0174533f;

}  // namespace

CircleDiag::CircleDiag(pf::Window* owner, int x, int y, int width, int height)
    : Diagramm(owner, x, y, width, height) {
  Layout();
}

void CircleDiag::Layout() {
  // The frequency labels stand half a ring step left of the outer ring on either side.
  ringStep = StepFittingWidth(((innerHeight - margin / 4) / 2) / (divisions + 1), 2 * divisions + 1,
                              2 * divisions - 1);
  radius = ringStep * divisions;
  FrameCircle(radius, ringStep);
  grid = std::make_unique<CircleGit>(owner, centreX, centreY, ringStep, divisions);
  UpdateScale();
}

void CircleDiag::UpdateScale() {
  pixelsPerUnitX = pixelsPerUnitY = static_cast<float>(ringStep) / yScale;
}

void CircleDiag::SetUp(const char* kindName, std::span<const float> table, int index,
                       float reference, int refPos, const char* unit) {
  name = kindName;
  yTable = table;
  yScaleIndex = index;
  yScale = xScale = table[static_cast<size_t>(index)];
  refValue = reference;
  yRefPos = prevYRefPos = refPos;
  yRefSteps = 0;
  valueUnit = kindUnit = unit;
  // The kind's scale is known only now.
  UpdateScale();
  BuildHeaderLines(true);
  PlaceReferenceRing();
}

void CircleDiag::BuildHeaderLines(bool third) {
  for (int i = 0; i < (third ? 3 : 2); ++i) PlaceHeaderLine(i, innerX + 3, innerY + 13 + 13 * i);
}

void CircleDiag::PlaceReferenceRing() {
  grid->SetYRefPos(yRefPos);
  grid->CreateYRefLine();
}

void CircleDiag::SetRect(const pf::Rect& r) {
  Diagramm::SetRect(r);
  Layout();
  BuildHeaderLines(false);
  valueUnit = kindUnit;
  PlaceReferenceRing();
  SetFontFromOwner();
}

void CircleDiag::Draw(pf::Dc* dc) {
  Diagramm::Draw(dc);
  WriteHeader(dc);
  DrawLabels(dc);
  DrawCircleCurves(dc);
}

int CircleDiag::MapX(float angle, float v) {
  return MapAlong(centreX, std::cos(angle * kDegree), v);
}

// Pixel rows grow downwards.
int CircleDiag::MapY(float v, float angle) {
  return MapAlong(centreY, -std::sin(angle * kDegree), v);
}

int CircleDiag::MapAlong(int centre, float c, float v) const {
  const float lo = static_cast<float>(yRefPos - divisions) * yScale + refValue;
  const float hi = static_cast<float>(yRefPos) * yScale + refValue;
  v = std::min(std::max(v, lo), hi);
  const int d = (divisions - yRefPos) * ringStep;
  const int ring = TruncToInt32(static_cast<float>(centre) + static_cast<float>(d) * c);
  return TruncToInt32(static_cast<float>(ring) + c * (v - refValue) * pixelsPerUnitY);
}

void CircleDiag::DrawLabels(pf::Dc* dc) {
  const int r = divisions * ringStep;
  DrawFrequencyLabels(dc, false, r, ringStep, centreY + r - 2 * ringStep);
}

void CircleDiag::DrawHeader(pf::Dc* dc, const MyStrng& text) {
  if (!headerLines[0]) return;
  headerLines[0]->StoreText(text);
  headerLines[0]->Draw(dc);
}

void CircleDiag::CreateMarker() { CreateReadoutMarker(radius, 4 * ringStep); }

LinPolDiag::LinPolDiag(pf::Window* owner, int x, int y, int width, int height)
    : CircleDiag(owner, x, y, width, height) {
  SetUp("LinPolDiag", scale_tables::kLinear, 4, 1.0f, 5, "  ");
}

void LinPolDiag::WriteHeader(pf::Dc* dc) {
  DrawHeader(
      dc, MyStrng("LinPol  >REF: ") + MyStrng(refValue, 5) + "  " + MyStrng(yScale, 5) + " /Div");
}

LogPolDiag::LogPolDiag(pf::Window* owner, int x, int y, int width, int height)
    : CircleDiag(owner, x, y, width, height) {
  SetUp("LogPolDiag", scale_tables::kDecibel, 11, 0.0f, 3, "dB");
}

void LogPolDiag::WriteHeader(pf::Dc* dc) {
  DrawHeader(dc, MyStrng("LogPol  >REF: ") + MyStrng(refValue, 5) + "dB " + MyStrng(yScale, 5) +
                     " dB/Div");
}
