#pragma once
// The Smith chart: reflection coefficients up to magnitude 1 on a fixed scale.

#include "diagrams/Diagramm.h"

class SmithDiag : public Diagramm {
 public:
  SmithDiag(pf::Window* owner, int x, int y, int width, int height);

  void SetRect(const pf::Rect& r) override;
  void Draw(pf::Dc* dc) override;
  // Magnitudes above 1 land on the unit circle; scale and reference play no part.
  int MapX(float angle, float m) override;
  int MapY(float m, float angle) override;
  // Without data in curve 0 the labels show the sweep limits.
  void DrawLabels(pf::Dc* dc) override;
  void CreateMarker() override;
  void UpdateXAxis() override {}
  void UpdateScale() override {}
  pf::Size SmallestSize() const override { return {209, 274}; }
  // Also the chart's labels.
  void SetFont(const std::optional<pf::Font>& f) override;

  int GetRingStep() const { return ringStep; }
  int GetRadius() const { return radius; }

 private:
  void Layout(bool constructing);

  int ringStep = 0;
  int radius = 0;
};
