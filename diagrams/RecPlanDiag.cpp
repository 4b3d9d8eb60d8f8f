#include "diagrams/RecPlanDiag.h"

#include "basics/FloatWert.h"
#include "basics/Saturate.h"
#include "basics/WertMitDim.h"
#include "diagrams/ScaleTables.h"
#include "diagrams/graphics/ConstGainCircles.h"
#include "diagrams/graphics/DiagGitter.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/graphics/FreeDiagMarker.h"
#include "diagrams/graphics/OutText.h"
#include "diagrams/graphics/SmithPlane.h"

namespace {

constexpr int kPlaneScaleIndex = 8;

// The last two name the soft-key set; a new diagram is in curve mode.
constexpr const char* kRecPlanLabels[Diagramm::kSoftLabels] = {
    "yRefPos", "yRefVal", "Scale", "xRefPos", "xRefVal", "", "Kurve"};
constexpr const char* kPlotPlaneLabels[Diagramm::kSoftLabels] = {
    "yRefPos", "yRefVal", "yScale", "xRefPos", "xRefVal", "xScale", " "};

MyStrng N(float v) { return MyStrng(v, 5); }

}  // namespace

PlaneDiag::PlaneDiag(pf::Window* owner, int x, int y, int width, int height)
    : RectDiag(owner, x, y, width, height) {}

void PlaneDiag::SetReferences() {
  yRefPos = prevYRefPos = 5;
  xRefPos = 0;
  xRefSteps = 0;
  refValue = 0.0f;
  xRefValue = 0.0f;
}

void PlaneDiag::LayOut() {
  // The frequency labels stand at the grid's left and right edges.
  divPixelsX = divPixelsY = StepFittingWidth(TruncToInt32(0.07 * height), divisions, divisions);
  PlaceGrid();
  BuildRaster(true);
  const char* const* texts = SoftLabelTexts();
  for (int i = 0; i < kSoftLabels; ++i) {
    if (auto& l = softLabels[static_cast<size_t>(i)]) l->StoreText(texts[i]);
  }
  PlaceHeaderLines(true);
  const int labelY = centreY + gridHeight / 2 + 2 * divPixelsY / 3;
  const int labelX[] = {centreX - gridWidth / 2, centreX + gridWidth / 2};
  for (int i : {1, 2}) {
    auto& l = bottomLines[static_cast<size_t>(i)];
    if (!l) l = std::make_unique<TextWithSymbol>(owner, 0, 0, 30, 15);
    l->SetPos(labelX[i - 1], labelY);
  }
  valueUnit = "";
  PlaceTitle();
  UpdateScale();
}

void PlaneDiag::SetRect(const pf::Rect& r) {
  RectDiag::SetRect(r);
  LayOut();
  SetFontFromOwner();
}

int PlaneDiag::MapX(float vx, float) {
  const auto line = static_cast<float>(xRefPos * divPixelsX + gridLeft);
  const int px = Saturate16((vx - xRefValue) * pixelsPerUnitX + line);
  return clipX != 0 ? ClampX(px) : px;
}

int PlaneDiag::MapY(float vy, float) {
  const auto line = static_cast<float>(yRefPos * divPixelsY + gridTop);
  const int py = Saturate16(line - (vy - refValue) * pixelsPerUnitY);
  return clipY != 0 ? ClampY(py) : py;
}

bool PlaneDiag::HasFrequencies() const {
  const DiagKurve* first = GetCurve(0);
  return first != nullptr && first->GetColumns() >= 2;
}

void PlaneDiag::DrawLabels(pf::Dc* dc) {
  DrawAxisLabels(dc);
  if (!HasFrequencies()) return;
  const DiagKurve* first = GetCurve(0);
  startText = FreqWert(static_cast<double>(first->GetY2(0)));
  stopText = FreqWert(static_cast<double>(first->GetY2(first->GetCount() - 1)));
}

void PlaneDiag::MoveXRefPos(int delta) {
  if (delta > 0 ? xRefPos >= divisions : xRefPos <= 0) {
    Beep();
    return;
  }
  UpdateAll();
  xRefPos += delta;
  if (grid) {
    if (delta > 0) {
      grid->XRefLineRight();
    } else {
      grid->XRefLineLeft();
    }
  }
  UpdateAll();
  UpdateLine(Line(headerLines, 0));
}

void PlaneDiag::StepXRefValue(int delta, float step) {
  UpdateAll();
  if (refStale != 0) {
    xRefSteps = TruncToInt32(static_cast<double>(xRefValue / step));
    refStale = 0;
  }
  if (delta > 0 ? xRefSteps < INT32_MAX : xRefSteps > INT32_MIN) xRefSteps += delta;
  xRefValue = step * static_cast<float>(xRefSteps);
  UpdateAll();
  UpdateLine(Line(headerLines, 0));
  MarkerUpdate();
}

RecPlanDiag::RecPlanDiag(pf::Window* owner, int x, int y, int width, int height)
    : PlaneDiag(owner, x, y, width, height) {
  name = "RecPlanDiag";
  SetReferences();
  yTable = scale_tables::kLinear;
  yScaleIndex = kPlaneScaleIndex;
  yScale = xScale = yTable[kPlaneScaleIndex];
  LayOut();
  plane = std::make_unique<SmithPlane>(owner, this);
  loadCircles = std::make_unique<ConstGainCircles>(owner, this);
  genCircles = std::make_unique<ConstGainCircles>(owner, this);
  freeMarker = std::make_unique<FreeDiagMarker>(owner, this);
  freeMarker->SetErased(true);
  if (headerLines[2]) freeMarker->SetLabel(headerLines[2].get());
}

void RecPlanDiag::SetRect(const pf::Rect& r) {
  PlaneDiag::SetRect(r);
  xScale = yScale;
  SetModeLabels();
}

void RecPlanDiag::Draw(pf::Dc* dc) {
  RectDiag::Draw(dc);
  WriteHeader(dc);
  DrawLabels(dc);
  if (curvesShown == 0) return;
  if (DiagKurve* c = GetCurrentCurve()) c->EnableEndMarkers();
  DrawCurves(dc);
}

void RecPlanDiag::DrawLabels(pf::Dc* dc) {
  PlaneDiag::DrawLabels(dc);
  if (!HasFrequencies()) return;
  for (int i : {1, 2}) {
    if (OutText* l = Line(bottomLines, i)) {
      l->StoreText(i == 1 ? startText : stopText);
      l->Draw(dc);
    }
  }
}

bool RecPlanDiag::ShowsBottomLine(int i) const { return i == 0 || HasFrequencies(); }

void RecPlanDiag::MarkerNext() {
  PlaneDiag::MarkerNext();
  FreeMarkerRight();
}

void RecPlanDiag::MarkerPrev() {
  PlaneDiag::MarkerPrev();
  FreeMarkerLeft();
}

void RecPlanDiag::UpdateScale() {
  pixelsPerUnitX = pixelsPerUnitY = static_cast<float>(divPixelsY) / yScale;
}

MyStrng RecPlanDiag::HeaderText() const {
  return MyStrng("RecPlane  >yREF: ") + N(refValue) + "  " + ">xRef: " + N(xRefValue) + " " +
         "  " + N(yScale) + "/Div";
}

void RecPlanDiag::CreateCircleSets(char kind, int n) {
  ConstGainCircles* set = GainCircles(kind);
  if (set == nullptr) return;
  set->Allocate(n);
  set->SetColor(RgbColor(255, 0, 0));
}

void RecPlanDiag::RebuildCircleSets(char kind, int n) {
  ConstGainCircles* set = GainCircles(kind);
  if (set == nullptr) return;
  const MyStrng kept = set->GetElementName();
  set->Free();
  set->Allocate(n);
  set->SetName(kept);
}

const char* const* RecPlanDiag::SoftLabelTexts() const { return kRecPlanLabels; }

PlotPlaneDiag::PlotPlaneDiag() {
  SetUp();
  UpdateScale();
}

PlotPlaneDiag::PlotPlaneDiag(pf::Window* owner, int x, int y, int width, int height)
    : PlaneDiag(owner, x, y, width, height) {
  SetUp();
  LayOut();
  PlaceXAxisLabel();
}

PlotPlaneDiag::PlotPlaneDiag(const PlotPlaneDiag& other) : PlaneDiag(other) { UpdateScale(); }

PlotPlaneDiag& PlotPlaneDiag::operator=(const PlotPlaneDiag& other) {
  PlaneDiag::operator=(other);
  UpdateScale();
  return *this;
}

void PlotPlaneDiag::SetUp() {
  name = "PlotPlaneDiag";
  SetReferences();
  yTable = xTable = scale_tables::kLinear;
  yScaleIndex = xScaleIndex = kPlaneScaleIndex;
  yScale = xScale = scale_tables::kLinear[kPlaneScaleIndex];
}

void PlotPlaneDiag::SetRect(const pf::Rect& r) {
  PlaneDiag::SetRect(r);
  PlaceXAxisLabel();
}

void PlotPlaneDiag::PlaceXAxisLabel() {
  PlaceAxisLabel(0, gridLeft, centreY + gridHeight / 2 + divPixelsY);
  extraLabel1->SetWidth(gridWidth);
  extraLabel1->StoreText("");
  extraLabel1->SetFont(font);
}

void PlotPlaneDiag::Draw(pf::Dc* dc) {
  RectDiag::Draw(dc);
  WriteHeader(dc);
  if (curvesShown != 0) DrawCurves(dc);
}

void PlotPlaneDiag::UpdateScale() {
  pixelsPerUnitY = static_cast<float>(divPixelsY) / yScale;
  pixelsPerUnitX = static_cast<float>(divPixelsX) / xScale;
}

MyStrng PlotPlaneDiag::HeaderText() const {
  return MyStrng(">yREF: ") + N(refValue) + yUnitText + " " + " " + N(yScale) + yUnitText + "/Div";
}

void PlotPlaneDiag::WriteHeader(pf::Dc* dc) {
  PlaneDiag::WriteHeader(dc);
  if (!extraLabel1) return;
  extraLabel1->StoreText(MyStrng(">xRef: ") + N(xRefValue) + xUnitText + " " + N(xScale) +
                         xUnitText + "/Div");
  extraLabel1->Draw(dc);
}

const char* const* PlotPlaneDiag::SoftLabelTexts() const { return kPlotPlaneLabels; }

MyStrng PlotPlaneDiag::XReadout(float px) const {
  return FloatWert(static_cast<double>(px)) + xUnitText;
}

MyStrng PlotPlaneDiag::YReadout(float py) const {
  return FloatWert(static_cast<double>(py)) + yUnitText;
}
