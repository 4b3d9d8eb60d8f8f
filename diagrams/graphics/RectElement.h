#pragma once
// Filled boxes: drawn once until invalidated (RectElement), or on every drawing
// (GreyRectangle).

#include "diagrams/graphics/GrafElement.h"

class RectElement : public GrafElement {
 public:
  RectElement(pf::Window* owner, int px, int py, int w, int h);

  void Draw(pf::Dc* dc) override;
};

class GreyRectangle : public RectElement {
 public:
  GreyRectangle(pf::Window* owner, int px, int py, int w, int h);

  void Draw(pf::Dc* dc) override;
};
