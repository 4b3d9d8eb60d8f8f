#include "diagrams/graphics/StabCircle.h"

#include <cmath>

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "diagrams/graphics/OutText.h"

namespace {

// Centre and radius in the number texts of the stability curve's kind (admittance,
// impedance or plain), then the frequency.
template <class Wert>
MyStrng Texts(const MyStrng& prefix, float cx, float cy, float r, float f) {
  return prefix + Wert(cx) + " y: " + Wert(cy) + " r: " + Wert(r) + " f: " + FreqWert(f);
}

}  // namespace

StabCircle::StabCircle(pf::Window* owner, DiagramMapping* diagram)
    : DiagBaseElement(owner, diagram),
      circle(std::make_unique<CircleWithBorder>(owner)),
      centreMark(std::make_unique<GrafikSymbol>(owner)) {
  centreMark->SetShape('K');
}

void StabCircle::SetData(float cx, float cy, float r, float f) {
  centreX = cx;
  centreY = cy;
  frequency = f;
  radius = std::abs(r);
  outside = r < 0.0f ? 1 : 0;
}

void StabCircle::SetColor(const RgbColor& c) {
  DiagBaseElement::SetColor(c);
  circle->SetColor(c);
  centreMark->SetColor(c);
  if (label != nullptr) label->SetColor(c);
}

void StabCircle::Draw(pf::Dc* dc) {
  circle->Draw(dc);
  centreMark->Draw(dc);
  if (label != nullptr) label->Draw(dc);
}

void StabCircle::WritePicTex(PicTexFile& f) const {
  circle->WritePicTex(f);
  centreMark->WritePicTex(f);
}

void StabCircle::Update() {
  circle->Update();
  centreMark->Update();
  if (diagram != nullptr) {
    const MappedCircle m = MapCircle(*diagram, centreX, centreY, radius);
    circle->SetCentre(m.x, m.y);
    circle->SetRadius(m.r);
    circle->SetSide(outside != 0 ? 'O' : 'I');
    centreMark->SetCentre(m.x, m.y);
  }
  if (label != nullptr) label->SetText(ReadOut());
  circle->Update();
  centreMark->Update();
}

MyStrng StabCircle::ReadOut() const {
  const char letter = elementName.GetAt(0);
  MyStrng prefix;
  if (diagram != nullptr && (diagram->IsLoadStabMode() || diagram->IsGenStabMode())) {
    const char side = diagram->IsLoadStabMode() ? 'L' : 'G';
    const char text[] = {letter, side, 'C', ' ', 'x', ':', ' ', '\0'};
    prefix = text;
  }
  switch (letter) {
    case 'Y':
      return Texts<LeiWert>(prefix, centreX, centreY, radius, frequency);
    case 'Z':
      return Texts<ResWert>(prefix, centreX, centreY, radius, frequency);
    case 'S':
      return Texts<FloatWert>(prefix, centreX, centreY, radius, frequency);
    default:
      return MyStrng();
  }
}

void StabCircle::SetOwner(pf::Window* w) {
  DiagBaseElement::SetOwner(w);
  circle->SetOwner(w);
  centreMark->SetOwner(w);
}
