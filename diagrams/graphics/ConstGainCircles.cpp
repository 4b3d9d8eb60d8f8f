#include "diagrams/graphics/ConstGainCircles.h"

#include <algorithm>

#include "basics/FloatWert.h"
#include "basics/IntegerWert.h"
#include "basics/WertMitDim.h"
#include "diagrams/graphics/OutText.h"

ConstGainCircles::ConstGainCircles(pf::Window* owner, DiagramMapping* diagram)
    : DiagBaseElement(owner, diagram) {}

void ConstGainCircles::Allocate(int n) {
  Free();
  capacity = std::clamp(n, 0, kMaxSets);
  parameterSets.resize(static_cast<size_t>(capacity));
  matrices.resize(static_cast<size_t>(capacity));
  frequencies.assign(static_cast<size_t>(capacity), 0.0f);
}

void ConstGainCircles::Free() {
  parameterSets.clear();
  matrices.clear();
  frequencies.clear();
  capacity = 0;
  index = 0;
}

void ConstGainCircles::Add(float f, const CmplxRecVektor& parameters, const PortMatrix& matrix) {
  if (index < 0 || index >= capacity) return;
  const auto i = static_cast<size_t>(index);
  frequencies[i] = f;
  parameterSets[i] = parameters;
  matrices[i] = matrix;
  ++index;
}

bool ConstGainCircles::Next() {
  if (index >= capacity - 1) return false;
  ++index;
  Update();
  return true;
}

bool ConstGainCircles::Prev() {
  if (index < 1 || index >= capacity) return false;
  --index;
  Update();
  return true;
}

void ConstGainCircles::Update() {
  if (shown == 0) return;
  circles.clear();
  if (index < 0 || index >= capacity || diagram == nullptr) return;
  const auto set = static_cast<size_t>(index);
  const CmplxRecVektor& records = parameterSets[set];
  for (int k = 0; k < records.GetSize(); ++k) {
    const CmplxRec& record = records[k];
    const MappedCircle m = MapCircle(*diagram, static_cast<float>(record.value.re),
                                     static_cast<float>(record.value.im), record.radius);
    auto circle = std::make_unique<CircleLine>(owner, m.x, m.y, m.r);
    circle->SetColor(k == 0 ? colour : RgbColor(255, 0, 255));
    circle->Update();
    circles.push_back(std::move(circle));
    if (k != 0 || label == nullptr) continue;
    const char* prefix = diagram->IsLoadGainMode()  ? "Load x: "
                         : diagram->IsGenGainMode() ? "Gen x: "
                                                    : "";
    label->SetText(MyStrng(prefix) + FloatWert(record.value.re) +
                   " y: " + FloatWert(record.value.im) + " Gain: " + IntegerWert(record.flag) +
                   "dB " + "delG: 1dB" + " f: " + FreqWert(frequencies[set]));
  }
}

void ConstGainCircles::Draw(pf::Dc* dc) {
  if (erased != 0) return;
  for (const auto& circle : circles) circle->Draw(dc);
  if (label != nullptr) label->Draw(dc);
}

void ConstGainCircles::WritePicTex(PicTexFile& f) const {
  for (const auto& circle : circles) circle->WritePicTex(f);
  if (label != nullptr) label->WritePicTex(f);
}

void ConstGainCircles::SetOwner(pf::Window* w) {
  DiagBaseElement::SetOwner(w);
  for (const auto& circle : circles) circle->SetOwner(w);
}

const PortMatrix* ConstGainCircles::CurrentTwoPort() const {
  if (index < 0 || index >= capacity) return nullptr;
  const PortMatrix& m = matrices[static_cast<size_t>(index)];
  return m.GetKind() == PortMatrix::kScattering && m.GetSize() == 2 ? &m : nullptr;
}

Cmplx ConstGainCircles::InputReflection(const Cmplx& g) const {
  const PortMatrix* m = CurrentTwoPort();
  if (m == nullptr) return {};
  return m->GetAt(1, 1) +
         m->GetAt(1, 2) * m->GetAt(2, 1) * g / (Cmplx(1.0, 0.0) - m->GetAt(2, 2) * g);
}

Cmplx ConstGainCircles::OutputReflection(const Cmplx& g) const {
  const PortMatrix* m = CurrentTwoPort();
  if (m == nullptr) return {};
  return m->GetAt(2, 2) +
         m->GetAt(1, 2) * m->GetAt(2, 1) * g / (Cmplx(1.0, 0.0) - m->GetAt(1, 1) * g);
}
