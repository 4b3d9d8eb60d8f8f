#pragma once
// Three-pin symbols (controlled sources, amplifier, tee, transistors): pins 1 and 2 on the
// axis, pin 3 on the grid below a horizontal body or left of a vertical one.

#include "editor/symbols/NetSymbol.h"

class DreiPolSymbol : public NetSymbol {
  PF_DECLARE_RUNTIME(DreiPolSymbol)

 public:
  DreiPolSymbol();
  DreiPolSymbol(const Point& start, const Point& end);

  // Leaves the orientation letter alone.
  void UpdateGeometry() override;
  void Draw(pf::Dc& dc) override;
};
