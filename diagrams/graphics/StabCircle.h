#pragma once
// The stability circle of a two-port at one frequency, drawn on the complex-plane diagram with
// its ticks on the side that the sign of the given radius names, a cross on its centre, and a
// read-out of centre, radius and frequency in its label.

#include <memory>

#include "diagrams/graphics/CircleLine.h"
#include "diagrams/graphics/DiagBaseElement.h"
#include "diagrams/graphics/GrafikSymbol.h"

class StabCircle : public DiagBaseElement {
 public:
  StabCircle(pf::Window* owner, DiagramMapping* diagram);

  // A negative radius puts the ticks outside.
  void SetData(float cx, float cy, float r, float f);
  // The element, its label (text and box), the circle and the centre mark.
  void SetColor(const RgbColor& c) override;
  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  // Places circle and mark on the mapped data and rewrites the label.
  void Update() override;
  void SetOwner(pf::Window* w) override;

  float GetRadius() const { return radius; }
  int IsOutside() const { return outside; }
  const CircleWithBorder& GetCircle() const { return *circle; }

 private:
  MyStrng ReadOut() const;

  float centreX = 0.0f;
  float centreY = 0.0f;
  float frequency = 0.0f;
  float radius = 0.0f;
  int outside = 0;
  std::unique_ptr<CircleWithBorder> circle;
  std::unique_ptr<GrafikSymbol> centreMark;
};
