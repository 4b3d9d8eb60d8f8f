#include "diagrams/RectDiag.h"

#include <algorithm>
#include <cmath>

#include "basics/FloatWert.h"
#include "basics/Saturate.h"
#include "basics/WertMitDim.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/graphics/DiagramMarker.h"
#include "diagrams/graphics/OutText.h"
#include "diagrams/graphics/RectanGit.h"
#include "pf/archive.h"

RectDiag::RectDiag() { grid = std::make_unique<RectanGit>(nullptr); }

RectDiag::RectDiag(pf::Window* owner, int x, int y, int width, int height)
    : Diagramm(owner, x, y, width, height) {}

void RectDiag::Serialize(pf::Archive& ar) {
  Diagramm::Serialize(ar);
  if (ar.IsStoring()) {
    ar << divPixelsX << divPixelsY;
    return;
  }
  int32_t px = 0;
  int32_t py = 0;
  ar >> px >> py;
  // Ten cells of the pitch must stay a coordinate.
  const int limit = kMaxCoordinate / std::max(divisions, 1);
  if (px < 0 || px > limit || py < 0 || py > limit) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "bad grid pitch");
  }
  divPixelsX = px;
  divPixelsY = py;
  gridWidth = divisions * divPixelsX;
  gridHeight = divisions * divPixelsY;
  if (auto* raster = dynamic_cast<RectanGit*>(grid.get())) {
    raster->SetCentre(centreX, centreY);
    raster->SetPitch(divPixelsX, divPixelsY);
    raster->SetYRefPos(yRefPos);
    raster->SetXRefPos(xRefPos);
  }
}

void RectDiag::SetRect(const pf::Rect& r) {
  Diagramm::SetRect(r);
  if (!grid) grid = std::make_unique<RectanGit>(owner);
}

void RectDiag::PlaceGrid() {
  gridWidth = divisions * divPixelsX;
  gridHeight = divisions * divPixelsY;
  gridLeft = centreX - gridWidth / 2;
  gridTop = centreY - gridHeight / 2;
}

void RectDiag::LayOutRaster(int refPos, bool thirdHeader) {
  divPixelsX = TruncToInt32(0.064 * width);
  divPixelsY = TruncToInt32(0.064 * height);
  refValue = 0.0f;
  PlaceGrid();
  yRefPos = prevYRefPos = refPos;
  yRefSteps = 0;
  refStale = 0;
  BuildRaster(false);
  const int labelY = centreY + gridHeight / 2 + divPixelsY;
  PlaceAxisLabel(0, centreX - gridWidth / 2 - divPixelsX / 2, labelY);
  PlaceAxisLabel(1, centreX + gridWidth / 2 - divPixelsX / 2, labelY);
  PlaceHeaderLines(thirdHeader);
  PlaceTitle();
}

void RectDiag::BuildRaster(bool xRefLine) {
  auto raster = std::make_unique<RectanGit>(owner, centreX, centreY, divPixelsX, divPixelsY,
                                            divisions, xAxisMode);
  raster->SetYRefPos(yRefPos);
  raster->CreateYRefLine();
  if (xRefLine) {
    raster->SetXRefPos(xRefPos);
    raster->CreateXRefLine();
  }
  grid = std::move(raster);
}

void RectDiag::PlaceHeaderLines(bool third) {
  const int top = centreY - (divisions / 2) * divPixelsY;
  int above[] = {2, 2 * divPixelsY / 3, 4 * divPixelsY / 3};
  for (int i = 0; i < (third ? 3 : 2); ++i) {
    // A small pitch would stack the lines closer than their text is high.
    if (i > 0) above[i] = std::max(above[i], above[i - 1] + kLineHeight);
    PlaceHeaderLine(i, gridLeft, top - above[i]);
    headerLines[static_cast<size_t>(i)]->SetWidth(gridWidth);
  }
}

void RectDiag::PlaceAxisLabel(int i, int px, int py) {
  std::unique_ptr<OutText>& l = i == 0 ? extraLabel1 : extraLabel2;
  if (!l) {
    l = std::make_unique<OutText>(owner, px, py, 50, 10);
    return;
  }
  l->SetPos(px, py);
  l->SetWidth(50);
  l->SetHeight(10);
}

void RectDiag::SetAxisLabels(const MyStrng& start, const MyStrng& stop) {
  if (extraLabel1) extraLabel1->SetText(start);
  if (extraLabel2) extraLabel2->SetText(stop);
}

void RectDiag::DrawAxisLabels(pf::Dc* dc) {
  if (extraLabel1) extraLabel1->Draw(dc);
  if (extraLabel2) extraLabel2->Draw(dc);
}

void RectDiag::PlaceTitle() {
  if (!title) return;
  title->SetPos(innerX + innerWidth - 3 * (divPixelsX + 1), innerY + innerHeight - 3);
  title->SetHeight(10);
  title->SetWidth(3 * divPixelsX);
  title->StoreText("");
}

bool RectDiag::MapsIntoGrid(float px, float py) {
  const int mx = MapX(px, py);
  const int my = MapY(py, px);
  return mx >= gridLeft && mx <= gridLeft + gridWidth && my >= gridTop &&
         my <= gridTop + gridHeight;
}

int RectDiag::ClampX(int px) const {
  return std::clamp(px, gridLeft, gridLeft + divisions * divPixelsX);
}

int RectDiag::ClampY(int py) const {
  return std::clamp(py, gridTop, gridTop + divisions * divPixelsY);
}

int RectDiag::MapValueY(float v) const {
  const auto line = static_cast<float>(gridTop + yRefPos * divPixelsY);
  return ClampY(TruncToInt32(line - (v - refValue) * pixelsPerUnitY));
}

int RectDiag::MapLinearX(float t, float start) const {
  return ClampX(TruncToInt32((t - start) * pixelsPerUnitX + static_cast<float>(gridLeft)));
}

int RectDiag::Saturate16(float v) {
  if (std::isnan(v) || std::fabs(v) >= 32767.0f) return v > 0.0f ? 32767 : -32768;
  return static_cast<int>(v);
}

void RectDiag::WriteHeader(pf::Dc* dc) {
  if (!headerLines[0]) return;
  headerLines[0]->StoreText(HeaderText());
  // The header lines start together at the grid's left unless the widest would then reach
  // the soft-key labels; the labels that curves and markers write there follow.
  int widest = 0;
  for (const auto& l : headerLines) {
    if (l) widest = std::max(widest, l->TextWidth(*dc));
  }
  const int left = LeftOfSoftLabels(gridLeft, widest);
  for (const auto& l : headerLines) {
    if (l) l->SetPos(left, l->GetY());
  }
  headerLines[0]->Draw(dc);
}

MyStrng RectDiag::XReadout(float px) const { return FloatWert(static_cast<double>(px)); }

MyStrng RectDiag::YReadout(float py) const {
  return FloatWert(static_cast<double>(py)) + valueUnit;
}

void RectDiag::CreateMarker() {
  PlaceMarker(ReadoutLines(), centreX + (divisions / 2 - 2) * divPixelsX,
              centreY - (divisions / 2 - 1) * divPixelsY, 2 * divPixelsX);
}

void RectDiag::WriteReadout(bool) {
  const DiagKurve* c = GetCurrentCurve();
  if (!marker || c == nullptr) return;
  marker->SetLineText(0, XReadout(c->GetX(markerIndex)));
  marker->SetLineText(1, YReadout(c->GetY1(markerIndex)));
  if (ReadoutLines() > 2) {
    marker->SetLineText(2, FreqWert(static_cast<double>(c->GetY2(markerIndex))));
  }
  marker->UpdateTexts();
}

void RectDiag::SetFont(const std::optional<pf::Font>& f) {
  Diagramm::SetFont(f);
  if (extraLabel1) extraLabel1->SetFont(f);
  if (extraLabel2) extraLabel2->SetFont(f);
}

void RectDiag::WritePicTex() {
  Diagramm::WritePicTex();
  if (extraLabel1) extraLabel1->WritePicTex(picTex);
  if (extraLabel2) extraLabel2->WritePicTex(picTex);
}
