#pragma once
// The Smith chart: the unit circle, the resistance circles 0.5, 1 and 2, the reactance arcs
// +-0.5, +-1 and +-2, the real axis, and their labels when a font is set.

#include <optional>

#include "diagrams/graphics/DiagGitter.h"

class SmithGit : public DiagGitter {
 public:
  SmithGit(pf::Window* owner, int cx, int cy, int r);

  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;

  void CreateYRefLine() override {}
  void CreateXRefLine() override {}
  void ToggleYRefLine() override {}
  void ToggleXRefLine() override {}
  void YRefLineUp() override {}
  void YRefLineDown() override {}
  void XRefLineRight() override {}
  void XRefLineLeft() override {}

  void SetFont(std::optional<pf::Font> f) { font = std::move(f); }

 private:
  void DrawLabels(pf::Dc* dc) const;

  int centreX;
  int centreY;
  std::optional<pf::Font> font;
  int radius;
};
