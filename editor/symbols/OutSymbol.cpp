#include "editor/symbols/OutSymbol.h"

#include <ostream>

#include "editor/symbols/Glyphs.h"
#include "editor/symbols/InpSymbol.h"

PF_IMPLEMENT_SERIAL(OutSymbol, EinPolSymbol, 1)

OutSymbol::OutSymbol() { Init(); }

OutSymbol::OutSymbol(const Point& start, const Point& end) : EinPolSymbol(start, end) { Init(); }

void OutSymbol::Init() {
  classKey = kClassKey;
  drawCornerLine = 0;
}

void OutSymbol::Draw(pf::Dc& dc) {
  EinPolSymbol::Draw(dc);
  DrawPortGlyph(*this, dc, DrawOutputGlyph);
}

std::ostream& OutSymbol::WriteText(std::ostream& os) {
  os << classKey << '\n';
  return EinPolSymbol::WriteText(os);
}
