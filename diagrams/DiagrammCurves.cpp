// The curves of a diagram and its overlays: Smith plane, gain-circle sets and free marker.

#include "diagrams/Diagramm.h"
#include "diagrams/graphics/ConstGainCircles.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/graphics/FreeDiagMarker.h"
#include "diagrams/graphics/OutText.h"
#include "diagrams/graphics/SmithPlane.h"
#include "pf/dc.h"
#include "pf/window.h"

namespace {

const RgbColor kCurveColours[Diagramm::kMaxCurves] = {
    {255, 0, 0}, {255, 0, 255}, {255, 0, 255}, {0, 255, 255}};

}  // namespace

DiagKurve* Diagramm::GetCurve(int i) const {
  return i >= 0 && i < GetCurveCount() ? curves[static_cast<size_t>(i)].get() : nullptr;
}

bool Diagramm::ShowsCurve(int i) const {
  const DiagKurve* c = GetCurve(i);
  return DrawsCurves() && c != nullptr && c->IsErased() == 0 && c->GetCount() > 0;
}

bool Diagramm::ShowsPointsOf(int i) const {
  const DiagKurve* c = GetCurve(i);
  return DrawsCurves() && c != nullptr && c->GetCount() > 0;
}

std::unique_ptr<DiagKurve> Diagramm::MakeCurve(int i, int n, int k) {
  auto c = std::make_unique<DiagKurve>(owner, this);
  c->SetKind(name);
  c->Allocate(n, k);
  c->SetColor(kCurveColours[i]);
  if (i == 0) c->SetStyle('L');
  c->SetLabel(headerLines[static_cast<size_t>(i + 1)].get());
  return c;
}

void Diagramm::CreateCurve(int i, int n, int k) {
  if (i < 0 || i >= kMaxCurves || i < GetCurveCount()) return;
  auto c = MakeCurve(i, n, k);
  if (i > 0) {
    CreateCircleSets('L', n);
    CreateCircleSets('G', n);
  }
  curves.push_back(std::move(c));
}

void Diagramm::CreateCurves(int count, int n) {
  DeleteCurves();
  // A swept result has as many curves as its sweep has steps; all are drawn alike.
  for (int i = 0; i < count; ++i) {
    auto c = std::make_unique<DiagKurve>(owner, this);
    c->SetKind(name);
    c->Allocate(n, 1);
    c->SetColor(kCurveColours[0]);
    c->SetStyle('L');
    curves.push_back(std::move(c));
  }
}

void Diagramm::RecreateCurve(int i, int n) {
  if (i < 0 || i >= kMaxCurves) return;
  if (DiagKurve* old = GetCurve(i)) {
    const int k = old->GetColumns();
    const MyStrng saved = old->GetElementName();
    const bool stabCircle = old->GetCompanion() != nullptr;
    auto& slot = curves[static_cast<size_t>(i)];
    slot.reset();
    slot = MakeCurve(i, n, k);
    if (stabCircle) slot->EnableStabCircle();
    slot->SetName(saved);
  } else {
    CreateCurve(i, n, 1);
    if (DiagKurve* c = GetCurve(i)) c->SetName("");
  }
  if (i > 0) {
    RebuildCircleSets('L', n);
    RebuildCircleSets('G', n);
  }
}

bool Diagramm::LoadCurve(pf::Archive& ar) {
  auto c = std::make_unique<DiagKurve>(owner, this);
  if (!c->Load(ar)) return false;
  DiagKurve* loaded = c.get();
  const int p = currentCurve + 1;
  if (p >= 0 && p < GetCurveCount()) {
    auto& slot = curves[static_cast<size_t>(p)];
    slot->SetErased(true);
    slot = std::move(c);
  } else {
    curves.push_back(std::move(c));
  }
  const int q = p >= 0 && p <= 3 ? p : 0;
  if (OutText* l = Line(headerLines, q + 1)) loaded->SetLabel(l);
  if (loaded->GetKind() == name) {
    ShowCurve(q);
    return true;
  }
  EraseCurve(q);
  return false;
}

void Diagramm::SerializeCurrentCurve(pf::Archive& ar) {
  if (DiagKurve* c = GetCurrentCurve()) c->Serialize(ar);
}

void Diagramm::DeleteCurves() { curves.clear(); }

void Diagramm::AppendPoint(float px, float py) {
  if (DiagKurve* c = GetCurrentCurve()) c->Append(static_cast<double>(px), static_cast<double>(py));
}

void Diagramm::AppendPoint2(float px, float y1, float y2) {
  if (DiagKurve* c = GetCurrentCurve()) c->Append(px, y1, y2);
}

void Diagramm::AppendPointTo(int i, float px, float y1, float y2, float y3) {
  if (DiagKurve* c = GetCurve(i)) c->Append(px, y1, y2, y3);
}

void Diagramm::AppendPointAndDraw(float px, float py, float y2) {
  DiagKurve* c = GetCurrentCurve();
  if (c == nullptr) return;
  std::unique_ptr<pf::Dc> dc = owner != nullptr ? owner->GetDC() : nullptr;
  if (dc) {
    c->AppendAndDraw(dc.get(), px, py, y2);
  } else {
    c->Append(px, py, y2);
  }
}

void Diagramm::RestartCurve(int i) {
  if (DiagKurve* c = GetCurve(i)) c->Restart();
}

void Diagramm::SetLineStyle() {
  if (DiagKurve* c = GetCurrentCurve()) c->SetStyle('L');
}

void Diagramm::SetSpectrumStyle() {
  if (DiagKurve* c = GetCurrentCurve()) c->SetStyle('S');
}

bool Diagramm::IsLineStyle() const {
  const DiagKurve* c = GetCurrentCurve();
  return c != nullptr && c->GetStyle() == 'L';
}

void Diagramm::ScaleCurvesX(float f) {
  for (const auto& c : curves) c->ScaleX(f);
}

void Diagramm::ScaleCurvesY(float f) {
  for (const auto& c : curves) c->ScaleY(f);
}

void Diagramm::SetCurveName(int i, const MyStrng& text) {
  if (DiagKurve* c = GetCurve(i)) c->SetName(text);
}

void Diagramm::SetCurrentCurveName(const MyStrng& text) {
  DiagKurve* c = GetCurrentCurve();
  if (c == nullptr) return;
  c->SetLabel(headerLines[1].get());
  c->SetName(text);
}

MyStrng Diagramm::GetCurrentCurveName() const {
  const DiagKurve* c = GetCurrentCurve();
  return c != nullptr ? c->GetElementName() : MyStrng("No Kurve");
}

void Diagramm::SetCurveNetName(const MyStrng& text) {
  if (DiagKurve* c = GetCurrentCurve()) c->SetNetwork(text);
}

void Diagramm::SetCurveDate(const MyStrng& text) {
  if (DiagKurve* c = GetCurrentCurve()) c->SetDate(text);
}

void Diagramm::SetCurveLabel(int i, OutText* l) {
  if (DiagKurve* c = GetCurve(i)) c->SetLabel(l);
}

void Diagramm::ShowCurve(int i) {
  DiagKurve* c = GetCurve(i);
  if (c == nullptr) return;
  c->Restart();
  c->Restore();
  c->Update();
}

void Diagramm::ShowCurrentCurve() {
  if (DiagKurve* c = GetCurrentCurve()) c->Restore();
}

void Diagramm::EraseCurve(int i) {
  DiagKurve* c = GetCurve(i);
  if (c == nullptr) return;
  c->SetErased(true);
  c->Update();
}

void Diagramm::SetCurveVisible(int i) {
  if (DiagKurve* c = GetCurve(i)) c->SetVisible(true);
}

void Diagramm::UpdateCurrentCurve() {
  if (DiagKurve* c = GetCurrentCurve()) c->Update();
}

void Diagramm::AttachStabCircle(int i) {
  if (DiagKurve* c = GetCurve(i)) c->EnableStabCircle();
}

bool Diagramm::CurveCursorNext(int i) {
  DiagKurve* c = GetCurve(i);
  return c != nullptr && c->CursorNext();
}

bool Diagramm::CurveCursorPrev(int i) {
  DiagKurve* c = GetCurve(i);
  return c != nullptr && c->CursorPrev();
}

void Diagramm::CreateCircleSets(char, int) {}

void Diagramm::RebuildCircleSets(char, int) {}

void Diagramm::ShowSmithPlane() {
  planeShown = 1;
  if (plane) plane->Update();
}

void Diagramm::HideSmithPlane() {
  planeShown = 0;
  if (plane) plane->Update();
}

ConstGainCircles* Diagramm::GainCircles(char kind) const {
  return kind == 'L' ? loadCircles.get() : kind == 'G' ? genCircles.get() : nullptr;
}

unsigned char* Diagramm::GainCirclesShown(char kind) {
  return kind == 'L' ? &loadCirclesShown : kind == 'G' ? &genCirclesShown : nullptr;
}

void Diagramm::ShowGainCircles(char kind) {
  ConstGainCircles* set = GainCircles(kind);
  if (set == nullptr) return;
  *GainCirclesShown(kind) = 1;
  set->Update();
  set->SetErased(false);
}

void Diagramm::EraseGainCircles(char kind) {
  ConstGainCircles* set = GainCircles(kind);
  if (set == nullptr) return;
  *GainCirclesShown(kind) = 0;
  set->Update();
  set->SetErased(true);
}

void Diagramm::ResetGainCircles(char kind) {
  if (ConstGainCircles* set = GainCircles(kind)) set->ResetIndex();
}

void Diagramm::SetGainCirclesReady(char kind) {
  ConstGainCircles* set = GainCircles(kind);
  if (set == nullptr) return;
  // Filling left the index past the last set.
  set->ResetIndex();
  set->SetShown(true);
}

void Diagramm::AddGainCircle(char kind, float f, const CmplxRecVektor& parameters,
                             const PortMatrix& matrix) {
  if (ConstGainCircles* set = GainCircles(kind)) set->Add(f, parameters, matrix);
}

bool Diagramm::NextGainCircle(char kind) {
  ConstGainCircles* set = GainCircles(kind);
  if (set == nullptr || !set->Next()) return false;
  if (FreeMarkerShown()) freeMarker->Update();
  return true;
}

bool Diagramm::PrevGainCircle(char kind) {
  ConstGainCircles* set = GainCircles(kind);
  if (set == nullptr || !set->Prev()) return false;
  if (FreeMarkerShown()) freeMarker->Update();
  return true;
}

void Diagramm::FreeMarkerRight() {
  if (FreeMarkerShown()) freeMarker->StepRight();
}

void Diagramm::FreeMarkerLeft() {
  if (FreeMarkerShown()) freeMarker->StepLeft();
}

void Diagramm::FreeMarkerUp() {
  if (FreeMarkerShown()) freeMarker->StepUp();
}

void Diagramm::FreeMarkerDown() {
  if (FreeMarkerShown()) freeMarker->StepDown();
}

bool Diagramm::HasMarker() const { return marker != nullptr || freeMarker != nullptr; }
