#include "diagrams/elements/StabCircle.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "diagrams/elements/OutText.h"

namespace {

// Centre and radius in the number texts of the stability curve's kind (admittance,
// impedance or plain), then the frequency.
template <class Wert>
MyStrng Texts(const MyStrng& prefix, float cx, float cy, float r, float f) {
  return prefix + Wert(cx) + " y: " + Wert(cy) + " r: " + Wert(r) + " f: " + FreqWert(f);
}

}  // namespace

int PixelDistance(int a, int b) {
  return static_cast<int>(std::min<int64_t>(std::llabs(int64_t{a} - b), INT32_MAX));
}

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
    int px = 0;
    int py = 0;
    int px2 = 0;
    {
      const ClipOffScope unclipped(*diagram);
      px = diagram->MapX(centreX, centreY);
      py = diagram->MapY(centreY, centreX);
      px2 = diagram->MapX(centreX + radius, centreY);
    }
    circle->SetCentre(px, py);
    circle->SetRadius(PixelDistance(px2, px));
    circle->SetSide(outside != 0 ? 'O' : 'I');
    centreMark->SetCentre(px, py);
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
