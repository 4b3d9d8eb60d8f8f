#pragma once
// Four-pin symbols (coupled lines): pins 3 and 4 beside pins 1 and 2.

#include "editor/symbols/NetSymbol.h"

class VierPolSymbol : public NetSymbol {
  PF_DECLARE_RUNTIME(VierPolSymbol)

 public:
  VierPolSymbol();
  VierPolSymbol(const Point& start, const Point& end);

  void UpdateGeometry() override;
  void Draw(pf::Dc& dc) override;
};
