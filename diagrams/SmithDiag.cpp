#include "diagrams/SmithDiag.h"

#include <algorithm>
#include <cmath>

#include "basics/Saturate.h"
#include "diagrams/graphics/SmithGit.h"

namespace {
constexpr float kDegree = 0.0174533f;
// A magnitude beyond 1 either way (a negative one points the other way) lies on the rim, so no
// value of a curve file maps beyond the chart.
float OnChart(float m) { return std::clamp(m, -1.0f, 1.0f); }
// Header lines 2 and 1 stand on these rows below the inner area's top.
constexpr int kUpperHeaderRow = 13;
constexpr int kLowerHeaderRow = 26;
// The read-out's lines are 1.5 heights of 10 apart; its first stands one such step below the
// header lines.
constexpr int kReadoutStep = 15;
}  // namespace

SmithDiag::SmithDiag(pf::Window* owner, int x, int y, int width, int height)
    : Diagramm(owner, x, y, width, height) {
  name = "SmithDiag";
  Layout(true);
}

void SmithDiag::Layout(bool constructing) {
  const int half = divisions / 2;
  const int t = ((innerHeight - margin / 4) * 9 / 2) / half;
  // The frequency labels stand half a ring step left of the rim on either side.
  ringStep = StepFittingWidth(t / 10, divisions + 1, divisions - 1);
  radius = ringStep * half;
  FrameCircle(radius, ringStep);
  PlaceHeaderLine(1, innerX + 3, innerY + kUpperHeaderRow);
  PlaceHeaderLine(0, innerX + 3, innerY + kLowerHeaderRow);
  if (constructing) PlaceHeaderLine(2, innerX + 3, innerY + kLowerHeaderRow);
  grid = std::make_unique<SmithGit>(owner, centreX, centreY, radius);
}

void SmithDiag::SetRect(const pf::Rect& r) {
  Diagramm::SetRect(r);
  Layout(false);
  SetFontFromOwner();
}

void SmithDiag::Draw(pf::Dc* dc) {
  Diagramm::Draw(dc);
  DrawLabels(dc);
  DrawCircleCurves(dc);
}

int SmithDiag::MapX(float angle, float m) {
  m = OnChart(m);
  return TruncToInt32(std::cos(angle * kDegree) * (static_cast<float>(radius) * m) +
                      static_cast<float>(centreX));
}

int SmithDiag::MapY(float m, float angle) {
  m = OnChart(m);
  return TruncToInt32(static_cast<float>(centreY) -
                      std::sin(angle * kDegree) * (static_cast<float>(radius) * m));
}

void SmithDiag::DrawLabels(pf::Dc* dc) {
  const int r = (divisions * ringStep) / 2;
  DrawFrequencyLabels(dc, true, r, ringStep, centreY + r - ringStep);
}

// Where the circular kinds put the read-out, the chart has its "j2" label; the corner left of
// the chart, under the header lines, is clear of every label.
void SmithDiag::CreateMarker() {
  PlaceMarker(3, innerX, innerY + kLowerHeaderRow + kReadoutStep, 3 * ringStep);
}

void SmithDiag::SetFont(const std::optional<pf::Font>& f) {
  Diagramm::SetFont(f);
  if (auto* chart = dynamic_cast<SmithGit*>(grid.get())) chart->SetFont(f);
}
