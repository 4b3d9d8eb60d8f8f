#include "editor/symbols/ExKnotenSymbol.h"

#include <algorithm>

#include "editor/symbols/Glyphs.h"
#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/SymbolText.h"
#include "pf/archive.h"
#include "pf/dc.h"
#include "pf/document.h"
#include "pf/view.h"

PF_IMPLEMENT_SERIAL(ExKnotenSymbol, EinPolSymbol, 1)

ExKnotenSymbol::ExKnotenSymbol() { Init(); }

ExKnotenSymbol::ExKnotenSymbol(const Point& start, const Point& end)
    : EinPolSymbol(start, end), portNumber(0) {
  Init();
}

void ExKnotenSymbol::Init() {
  classKey = kClassKey;
  transparent = 1;
  drawCornerLine = 0;
}

void ExKnotenSymbol::Serialize(pf::Archive& ar) {
  EinPolSymbol::Serialize(ar);
  if (ar.IsStoring()) {
    ar << portNumber;
  } else {
    ar >> portNumber;
  }
}

void ExKnotenSymbol::Draw(pf::Dc& dc) {
  EinPolSymbol::Draw(dc);
  const pf::Font oldFont = dc.SelectObject(TheLabelFonts().horizontal);
  DrawNodeGlyph(&dc, centre.x, centre.y, 20, portNumber, orientation);
  dc.SelectObject(oldFont);
  if (horizontal != 0) {
    dc.MoveTo(centre.x + (orientation == 'R' ? -10 : 10), centre.y);
  } else {
    dc.MoveTo(centre.x, centre.y + (orientation == 'U' ? -10 : 10));
  }
  dc.LineTo(pins[0].x, pins[0].y);
}

bool ExKnotenSymbol::EditDialog(pf::Window*) {
  if (portNumber >= 1) return true;
  const auto* source =
      view != nullptr ? dynamic_cast<const PortNumberSource*>(view->GetDocument()) : nullptr;
  std::vector<int32_t> used;
  if (source != nullptr) used = source->PortNumbersInUse();
  std::sort(used.begin(), used.end());
  portNumber = 1;
  for (int32_t n : used) {
    if (n == portNumber) ++portNumber;
  }
  return true;
}

std::ostream& ExKnotenSymbol::WriteText(std::ostream& os) {
  WriteKeyLine(os, classKey, version);
  os << portNumber << '\n';
  return EinPolSymbol::WriteText(os);
}

std::istream& ExKnotenSymbol::ReadText(std::istream& is) {
  is.unsetf(std::ios::skipws);
  int32_t stored = 0;
  int32_t number = 0;
  TakeValue(is, stored);
  TakeValue(is, number);
  if (is && EinPolSymbol::ReadText(is)) {
    version = stored;
    portNumber = number;
  }
  return is;
}
