#include "diagrams/Diagramm.h"

#include <algorithm>
#include <cmath>

#include "diagrams/graphics/BottomLine.h"
#include "diagrams/graphics/ConstGainCircles.h"
#include "diagrams/graphics/DiagGitter.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/graphics/DiagramMarker.h"
#include "diagrams/graphics/FreeDiagMarker.h"
#include "diagrams/graphics/OutText.h"
#include "diagrams/graphics/RectanGit.h"
#include "diagrams/graphics/SmithPlane.h"
#include "pf/archive.h"
#include "pf/cairo_dc.h"
#include "pf/clipboard.h"
#include "pf/dc.h"
#include "pf/window.h"

namespace {

constexpr const char* kSoftLabelTexts[Diagramm::kSoftLabels] = {"RefPos", "RefValue", "Scale", " ",
                                                                " ",      " ",        " "};
// The kind name is a short word; a longer one marks a corrupt archive.
constexpr int32_t kMaxNameCapacity = 256;

void Bad(const char* what) { throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, what); }

}  // namespace

Diagramm::Diagramm() = default;

Diagramm::Diagramm(pf::Window* owner, int x, int y, int width, int height)
    : Screen(owner, x, y, width, height) {
  softLabelFirstY = 20;
  for (int i = 0; i < kSoftLabels; ++i) {
    softLabels[static_cast<size_t>(i)] = std::make_unique<OutText>(
        owner, innerX + innerWidth - kSoftLabelInset, innerY + 20 + i * 44, 50, 10);
    softLabels[static_cast<size_t>(i)]->StoreText(kSoftLabelTexts[i]);
  }
  BuildBottomLine();
  title = std::make_unique<OutText>(owner);
  title->StoreText("");
  title->SetChanged();
}

Diagramm::Diagramm(const Diagramm& other) : Screen(other), DiagrammSettings(other) {
  picTex.fileName = other.picTex.fileName;
  picTex.fontLetter = other.picTex.fontLetter;
  BuildSoftLabels(softLabelFirstY, softLabelSpacing);
  BuildBottomLine();
}

Diagramm& Diagramm::operator=(const Diagramm& other) {
  if (this == &other) return *this;
  ReleaseParts();
  Screen::operator=(other);
  DiagrammSettings::operator=(other);
  picTex.fileName = other.picTex.fileName;
  picTex.fontLetter = other.picTex.fontLetter;
  return *this;
}

Diagramm::~Diagramm() { ReleaseParts(); }

void Diagramm::ReleaseParts() {
  // Curves and markers point at the labels, and the free marker at the circle sets.
  curves.clear();
  marker.reset();
  freeMarker.reset();
  loadCircles.reset();
  genCircles.reset();
  plane.reset();
  grid.reset();
  title.reset();
  extraLabel1.reset();
  extraLabel2.reset();
  for (auto& l : bottomLines) l.reset();
  for (auto& l : headerLines) l.reset();
  for (auto& l : softLabels) l.reset();
}

void Diagramm::BuildSoftLabels(int firstY, int spacing) {
  for (int i = 0; i < kSoftLabels; ++i) {
    auto& l = softLabels[static_cast<size_t>(i)];
    l = std::make_unique<OutText>(owner, innerX + innerWidth - kSoftLabelInset,
                                  innerY + firstY + i * spacing, 50, 10);
    l->StoreText(kSoftLabelTexts[i]);
    if (font) l->SetFont(font);
  }
}

void Diagramm::BuildBottomLine() {
  // Its text starts 6 pixels into the inner area and, as the other texts, ends 3 pixels before
  // the soft-key texts, whose column runs down the screen's whole height.
  bottomLines[0] = std::make_unique<BottomLine>(owner, innerX + 3, innerY + innerHeight - 3, 150,
                                                10, innerWidth - kSoftLabelInset - 6);
  bottomLines[0]->StoreText("BotLin0");
}

void Diagramm::PlaceHeaderLine(int i, int px, int py) {
  auto& l = headerLines[static_cast<size_t>(i)];
  if (!l) {
    l = std::make_unique<OutText>(owner, px, py, 150, 10);
    // Blank until the kind's header or a curve's name fills it.
    l->StoreText("");
    return;
  }
  l->SetPos(px, py);
  l->SetWidth(150);
  l->SetHeight(10);
}

void Diagramm::Serialize(pf::Archive& ar) {
  Screen::Serialize(ar);
  if (ar.IsStoring()) {
    name.Serialize(ar);
    ar << yScaleIndex << xScaleIndex << yRefPos << prevYRefPos << yRefSteps << int32_t{0} << yRefPos
       << yScale << xScale << pixelsPerUnitX << pixelsPerUnitY << xRefPos << xRefValue << xRefSteps
       << xAxisMode << gridLeft << gridTop;
    return;
  }
  MyStrng n;
  n.Serialize(ar);
  if (n.GetCapacity() > kMaxNameCapacity) Bad("bad diagram name");
  int32_t yIndex = 0, xIndex = 0, yPos = 0, prevPos = 0, ySteps = 0, reserved = 0, xPos = 0;
  int32_t xSteps = 0, left = 0, top = 0;
  float ys = 0, xs = 0, ppx = 0, ppy = 0, xValue = 0;
  char mode = 'L';
  ar >> yIndex >> xIndex >> yPos >> prevPos >> ySteps >> reserved >> yPos >> ys >> xs >> ppx >>
      ppy >> xPos >> xValue >> xSteps >> mode >> left >> top;
  auto inside = [](int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; };
  // An index beyond the kind's table would read past it; a position beyond the grid would put
  // the reference mark outside.
  const int maxY = yTable.empty() ? kMaxYScaleIndex : static_cast<int>(yTable.size()) - 1;
  const int maxX = xTable.empty() ? kMaxXScaleIndex : static_cast<int>(xTable.size()) - 1;
  if (!inside(yIndex, 0, maxY) || !inside(xIndex, 0, maxX)) Bad("bad scale index");
  if (!inside(yPos, 0, LastYRefPos()) || !inside(prevPos, 0, LastYRefPos()) ||
      !inside(xPos, 0, divisions)) {
    Bad("bad reference position");
  }
  for (float v : {ys, xs, ppx, ppy, xValue}) {
    if (!std::isfinite(v)) Bad("bad scale");
  }
  if (!inside(left, -kMaxCoordinate, kMaxCoordinate) ||
      !inside(top, -kMaxCoordinate, kMaxCoordinate)) {
    Bad("bad grid origin");
  }
  name = n;
  yScaleIndex = yIndex;
  xScaleIndex = xIndex;
  yRefPos = yPos;
  prevYRefPos = prevPos;
  yRefSteps = ySteps;
  yScale = ys;
  xScale = xs;
  pixelsPerUnitX = ppx;
  pixelsPerUnitY = ppy;
  xRefPos = xPos;
  xRefValue = xValue;
  xRefSteps = xSteps;
  xAxisMode = mode;
  gridLeft = left;
  gridTop = top;
}

void Diagramm::SetOwner(pf::Window* w) {
  Screen::SetOwner(w);
  // Every part, so that none keeps a window that may go before the diagram.
  if (grid) grid->SetOwner(w);
  for (OutText* l : {extraLabel1.get(), extraLabel2.get(), title.get()}) {
    if (l != nullptr) l->SetOwner(w);
  }
  for (const auto& l : softLabels) {
    if (l) l->SetOwner(w);
  }
  for (const TextLines* lines : {&headerLines, &bottomLines}) {
    for (const auto& l : *lines) {
      if (l) l->SetOwner(w);
    }
  }
  if (plane) plane->SetOwner(w);
  if (loadCircles) loadCircles->SetOwner(w);
  if (genCircles) genCircles->SetOwner(w);
  if (freeMarker) freeMarker->SetOwner(w);
  if (marker) marker->SetOwner(w);
  for (const auto& c : curves) c->SetOwner(w);
}

void Diagramm::SetRect(const pf::Rect& r) {
  Screen::SetRect(r);
  BuildSoftLabels(softLabelFirstY, softLabelSpacing);
  // A diagram laid out anew keeps its unit and a bottom line of the new area: the screen
  // windows lay out the kept copies of their instruments, which read out and name their run.
  BuildBottomLine();
  markerIndex = 0;
  title.reset();
  xAxisMode = 'L';
}

void Diagramm::Draw(pf::Dc* dc) {
  Screen::Draw(dc);
  const pf::Brush old = dc->SelectObject(pf::StockBrush(pf::StockObject::WhiteBrush));
  if (name != "Logo") {
    for (const auto& l : softLabels) {
      if (l) l->Draw(dc);
    }
    if (title) title->Draw(dc);
    if (bottomLines[0]) bottomLines[0]->Draw(dc);
    if (grid) grid->Draw(dc);
    // The marker reads a curve: none while the curves are hidden.
    if (marker && curvesShown != 0) marker->Draw(dc);
  }
  dc->SelectObject(old);
}

void Diagramm::DrawCurves(pf::Dc* dc) {
  if (plane && planeShown != 0) plane->Draw(dc);
  if (loadCircles && loadCirclesShown != 0) loadCircles->Draw(dc);
  if (genCircles && genCirclesShown != 0) genCircles->Draw(dc);
  if (freeMarker) freeMarker->Draw(dc);
  for (const auto& c : curves) {
    if (c->IsErased() == 0) c->Draw(dc);
  }
}

void Diagramm::UpdateAll() {
  if (plane) plane->Update();
  if (loadCircles) loadCircles->Update();
  if (genCircles) genCircles->Update();
  if (freeMarker) freeMarker->Update();
  for (const auto& c : curves) {
    if (c->IsErased() == 0) c->Update();
  }
}

void Diagramm::WriteHeader(pf::Dc*) {}

void Diagramm::DrawLabels(pf::Dc* dc) {
  for (const auto& l : bottomLines) {
    if (l) l->Draw(dc);
  }
}

void Diagramm::SetFont(const std::optional<pf::Font>& f) {
  for (const auto& l : softLabels) {
    if (l) l->SetFont(f);
  }
  for (const TextLines* lines : {&headerLines, &bottomLines}) {
    for (const auto& l : *lines) {
      if (l) l->SetFont(f);
    }
  }
  if (title) title->SetFont(f);
  if (marker) marker->SetFont(f);
  font = f;
}

void Diagramm::SetFontFromOwner() {
  if (owner != nullptr) SetFont(owner->GetFont());
}

void Diagramm::SetXAxisMode(char mode) {
  xAxisMode = mode;
  if (auto* raster = dynamic_cast<RectanGit*>(grid.get())) raster->SetXAxisMode(mode);
}

void Diagramm::SetTitle(const MyStrng& text) {
  if (title) title->SetText(text);
}

void Diagramm::SetBottomLine(int i, const MyStrng& text) {
  if (OutText* l = Line(bottomLines, i)) l->SetText(text);
}

MyStrng Diagramm::GetBottomLineText() const {
  return bottomLines[0] ? bottomLines[0]->GetText() : MyStrng("NoBottomLine");
}

void Diagramm::SetLabel1Text(const MyStrng& text) {
  if (extraLabel1) extraLabel1->SetText(text);
}

void Diagramm::SetLabel2Text(const MyStrng& text) {
  if (extraLabel2) extraLabel2->SetText(text);
}

void Diagramm::UpdateLine(OutText* l) {
  if (l != nullptr) l->Update();
}

void Diagramm::UpdateLabels() {
  for (const auto& l : bottomLines) UpdateLine(l.get());
  UpdateLine(extraLabel1.get());
  UpdateLine(extraLabel2.get());
  UpdateLine(title.get());
}

void Diagramm::UpdateHeaderLines() {
  for (const auto& l : headerLines) UpdateLine(l.get());
}

int Diagramm::LeftOfSoftLabels(int x, int textWidth) const {
  // Texts start 3 pixels into their labels: this one ends 3 pixels before the soft-key texts.
  return std::max(innerX, std::min(x, innerX + innerWidth - kSoftLabelInset - 3 - textWidth));
}

int Diagramm::StepFittingWidth(int wanted, int startHalfSteps, int stopHalfSteps) const {
  // The start label's symbol reaches 9 pixels left of the label; the stop label's text starts
  // 3 pixels into it.
  const int half = innerWidth / 2;
  const int byStart = 2 * (half - 9) / startHalfSteps;
  const int byStop = 2 * (half - 3 - kFrequencyTextWidth) / stopHalfSteps;
  return std::max(0, std::min({wanted, byStart, byStop}));
}

void Diagramm::PlaceSoftLabels(int firstY, int spacing) {
  softLabelFirstY = firstY;
  softLabelSpacing = spacing;
  for (int i = 0; i < kSoftLabels; ++i) {
    if (auto& l = softLabels[static_cast<size_t>(i)]) {
      l->MoveTo(innerX + innerWidth - kSoftLabelInset, firstY + i * spacing);
    }
  }
}

const OutText* Diagramm::GetSoftLabel(int i) const {
  return i >= 0 && i < kSoftLabels ? softLabels[static_cast<size_t>(i)].get() : nullptr;
}

void Diagramm::UpdateGrid() {
  if (!grid) return;
  grid->SetYRefPos(yRefPos);
  grid->SetXRefPos(xRefPos);
}

void Diagramm::Refresh() {
  if (owner != nullptr) owner->InvalidateRect(GetInnerRect());
  UpdateLabels();
}

bool Diagramm::CopyToClipboard() {
  auto surface = pf::CairoDc::CreateImage(innerWidth, innerHeight);
  if (!surface) return false;
  surface->SetWindowOrg(innerX, innerY);
  Draw(surface.get());
  std::optional<pf::Bitmap> picture = surface->ReadBitmap(GetInnerRect());
  if (!picture) return false;
  pf::TheClipboard().Empty();
  pf::TheClipboard().SetBitmap(std::move(*picture));
  return true;
}

void Diagramm::CopyCurveDataToClipboard() {
  if (DiagKurve* c = GetCurrentCurve()) c->CopyDataToClipboard(owner);
}

void Diagramm::MakePicTex(int widthMm) {
  picTex.RemoveAll();
  picTex.lineBuffer = "";
  const float scale =
      gridWidth != 0 ? static_cast<float>(widthMm) / static_cast<float>(gridWidth) : 0.0f;
  picTex.scaleX = picTex.scaleY = scale;
  picTex.SetOrigin(gridLeft, gridTop + gridHeight);
  picTex.gridRight = picTex.X(static_cast<float>(gridLeft + gridWidth));
  picTex.SetClip({x, y, x + width, y + height});
  picTex.BeginPicture();
  WritePicTex();
  picTex.EndPicture();
}

bool Diagramm::ExportPicTex(int widthMm) {
  MakePicTex(widthMm);
  return picTex.WriteFile();
}

int Diagramm::LargestPicTexWidth() {
  // Every dimension grows with the width, so a trial at the widest tells how far they reach.
  constexpr int widest = PicTexFile::kLargestWidth;
  MakePicTex(widest);
  const float reach = picTex.Reach();
  if (reach <= PicTexFile::kMaxReach) return widest;
  return std::max(1, static_cast<int>(widest * (PicTexFile::kMaxReach / reach)));
}

void Diagramm::WritePicTex() {
  if (grid) grid->WritePicTex(picTex);
  if (DrawsCurves()) {
    int shown = 0;
    for (int i = 0; i < GetCurveCount(); ++i) shown += ShowsCurve(i) ? 1 : 0;
    for (int i = 0; i < GetCurveCount(); ++i) {
      if (ShowsCurve(i)) {
        curves[static_cast<size_t>(i)]->WritePicTex(
            picTex, static_cast<size_t>(PicTexFile::kMaxCurvePoints / shown));
      }
    }
    if (plane && planeShown != 0) plane->WritePicTex(picTex);
    if (loadCircles && loadCirclesShown != 0) loadCircles->WritePicTex(picTex);
    if (genCircles && genCirclesShown != 0) genCircles->WritePicTex(picTex);
    if (marker) marker->WritePicTex(picTex);
    if (freeMarker) freeMarker->WritePicTex(picTex);
  }
  for (int i = 0; i < kTextLines - 1; ++i) {
    if (OutText* l = Line(headerLines, i)) l->WritePicTex(picTex);
    if (OutText* l = Line(bottomLines, i); l != nullptr && ShowsBottomLine(i)) {
      l->WritePicTex(picTex);
    }
  }
}

bool Diagramm::ShowsBottomLine(int) const { return name != "Logo"; }
