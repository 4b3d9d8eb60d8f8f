#include "diagrams/SmithDiag.h"

#include <cmath>

#include "basics/Saturate.h"
#include "diagrams/graphics/SmithGit.h"

namespace {
constexpr float kDegree = 0.0174533f;
}

SmithDiag::SmithDiag(pf::Window* owner, int x, int y, int width, int height)
    : Diagramm(owner, x, y, width, height) {
  name = "SmithDiag";
  Layout(true);
}

void SmithDiag::Layout(bool constructing) {
  const int half = divisions / 2;
  const int t = ((innerHeight - margin / 4) * 9 / 2) / half;
  ringStep = t / 10;
  radius = ringStep * half;
  FrameCircle(radius, ringStep);
  PlaceHeaderLine(1, innerX + 3, innerY + 13);
  PlaceHeaderLine(0, innerX + 3, innerY + 26);
  if (constructing) PlaceHeaderLine(2, innerX + 3, innerY + 26);
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
  if (m > 1.0f) m = 1.0f;
  return TruncToInt32(std::cos(angle * kDegree) * (static_cast<float>(radius) * m) +
                      static_cast<float>(centreX));
}

int SmithDiag::MapY(float m, float angle) {
  if (m > 1.0f) m = 1.0f;
  return TruncToInt32(static_cast<float>(centreY) -
                      std::sin(angle * kDegree) * (static_cast<float>(radius) * m));
}

void SmithDiag::DrawLabels(pf::Dc* dc) {
  const int r = (divisions * ringStep) / 2;
  DrawFrequencyLabels(dc, true, r, ringStep, centreY + r - ringStep);
}

void SmithDiag::CreateMarker() { CreateReadoutMarker(radius, 3 * ringStep); }

void SmithDiag::SetFont(const std::optional<pf::Font>& f) {
  Diagramm::SetFont(f);
  if (auto* chart = dynamic_cast<SmithGit*>(grid.get())) chart->SetFont(f);
}
