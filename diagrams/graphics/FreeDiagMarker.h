#pragma once
// The free marker: a cross-hair point that the user steps over the diagram's value plane. Its
// label shows its coordinates and, while constant-gain circles are shown, the conjugate-matched
// reflection coefficient at the other port, which a cross marks.

#include <memory>

#include "diagrams/graphics/DiagBaseElement.h"
#include "diagrams/graphics/DiagramMarker.h"
#include "diagrams/graphics/GrafikSymbol.h"

class ConstGainCircles;

class FreeDiagMarker : public DiagBaseElement {
 public:
  FreeDiagMarker(pf::Window* owner, DiagramMapping* diagram);

  // Triangle, label and cross, unless erased.
  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  // Rewrites the label and places triangle and cross on their unclipped pixels.
  void Update() override;
  void SetOwner(pf::Window* w) override;

  // Fractions of a division of the diagram's scales; a step right is 0.7 times as long as a
  // step left.
  void StepRight();
  void StepLeft();
  void StepUp();
  void StepDown();

  // Not owned; null for none.
  void SetGainCircles(const ConstGainCircles* circles) { gainCircles = circles; }
  float GetValueX() const { return valueX; }
  float GetValueY() const { return valueY; }
  const DiagramMarker& GetTriangle() const { return *marker; }
  const GrafikSymbol& GetCross() const { return *cross; }

 private:
  MyStrng ReadOut();

  float valueX = 0.0f;
  float valueY = 0.0f;
  float referenceX = 0.0f;
  float referenceY = 0.0f;
  float step = 0.05f;
  std::unique_ptr<DiagramMarker> marker;
  std::unique_ptr<GrafikSymbol> cross;
  const ConstGainCircles* gainCircles = nullptr;
};
