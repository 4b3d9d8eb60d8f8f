#pragma once
// The idle screen of an instrument: a Smith-chart emblem with three centred text lines.

#include <optional>

#include "diagrams/Diagramm.h"

class Logo : public Diagramm {
 public:
  Logo(pf::Window* owner, int x, int y, int width, int height);

  void Draw(pf::Dc* dc) override;
  int MapX(float, float) override { return 0; }
  int MapY(float, float) override { return 0; }
  void DrawLabels(pf::Dc*) override {}
  void UpdateXAxis() override {}
  void UpdateScale() override {}
  // Its white lines must stand on the disc: the widest, 220 pixels, needs a radius of 120.
  pf::Size SmallestSize() const override { return {240, 240}; }

  static constexpr const char* kSubjectLine = "Hochfrequenztechnik";

 protected:
  // The emblem's pen in the red colour; none when it cannot be made.
  virtual std::optional<pf::Pen> MakeRedPen() const;
};
