#include "diagrams/graphics/FreeDiagMarker.h"

#include "basics/FloatWert.h"
#include "diagrams/graphics/ConstGainCircles.h"
#include "diagrams/graphics/OutText.h"

FreeDiagMarker::FreeDiagMarker(pf::Window* owner, DiagramMapping* diagram)
    : DiagBaseElement(owner, diagram),
      marker(std::make_unique<DiagramMarker>(owner, 0, 0)),
      cross(std::make_unique<GrafikSymbol>(owner, 0, 0)) {
  cross->SetShape('K');
  cross->SetColor({255, 0, 255});
}

void FreeDiagMarker::Draw(pf::Dc* dc) {
  if (erased != 0) return;
  marker->Draw(dc);
  if (label != nullptr) label->Draw(dc);
  cross->Draw(dc);
}

void FreeDiagMarker::WritePicTex(PicTexFile& f) const {
  if (erased != 0) return;
  marker->WritePicTex(f);
  if (label != nullptr) label->WritePicTex(f);
  cross->WritePicTex(f);
}

void FreeDiagMarker::Update() {
  if (label != nullptr) label->SetText(ReadOut());
  if (diagram == nullptr) return;
  pf::Point point;
  pf::Point reference;
  {
    const ClipOffScope unclipped(*diagram);
    point = MapValue(*diagram, valueX, valueY);
    reference = MapValue(*diagram, referenceX, referenceY);
  }
  cross->MoveTo(reference.x, reference.y);
  marker->MoveTo(point.x, point.y);
}

MyStrng FreeDiagMarker::ReadOut() {
  const bool load = diagram != nullptr && diagram->IsLoadGainMode();
  const bool gen = diagram != nullptr && diagram->IsGenGainMode();
  MyStrng text = load || gen ? "Ref x: " : "";
  text += FloatWert(valueX) + " y: " + FloatWert(valueY);
  if (gainCircles == nullptr || !(load || gen)) return text;
  // The point is the load's reflection in mode 'A' and the generator's in mode 'B'.
  const Cmplx z(valueX, valueY);
  const Cmplx other =
      (load ? gainCircles->InputReflection(z) : gainCircles->OutputReflection(z)).Conj();
  text +=
      MyStrng(load ? " RGen x:" : " RLoad x:") + FloatWert(other.re) + " y:" + FloatWert(other.im);
  referenceX = static_cast<float>(other.re);
  referenceY = static_cast<float>(other.im);
  return text;
}

void FreeDiagMarker::SetOwner(pf::Window* w) {
  DiagBaseElement::SetOwner(w);
  marker->SetOwner(w);
  cross->SetOwner(w);
}

void FreeDiagMarker::StepRight() {
  if (diagram != nullptr) valueX += step * 0.7 * diagram->GetXScale();
  Update();
}

void FreeDiagMarker::StepLeft() {
  if (diagram != nullptr) valueX -= step * diagram->GetXScale();
  Update();
}

void FreeDiagMarker::StepUp() {
  if (diagram != nullptr) valueY += step * diagram->GetYScale();
  Update();
}

void FreeDiagMarker::StepDown() {
  if (diagram != nullptr) valueY -= step * diagram->GetYScale();
  Update();
}
