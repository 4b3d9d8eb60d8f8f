#pragma once
// One-pin symbols (ground, ports, substrate, stubs): the second pin slot keeps the end of the
// drag that placed the symbol, which gives the side the body lies on.

#include "editor/symbols/NetSymbol.h"

class EinPolSymbol : public NetSymbol {
  PF_DECLARE_RUNTIME(EinPolSymbol)

 public:
  EinPolSymbol();
  EinPolSymbol(const Point& start, const Point& end);

  void Draw(pf::Dc& dc) override;
  int WriteSpiceLines(LineFile& lines, int flag) override;
};
