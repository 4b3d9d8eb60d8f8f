#include "diagrams/Logo.h"

#include <algorithm>

#include "diagrams/graphics/GlyphPrimitives.h"
#include "pf/dc.h"

Logo::Logo(pf::Window* owner, int x, int y, int width, int height)
    : Diagramm(owner, x, y, width, height) {
  name = "Logo";
}

std::optional<pf::Pen> Logo::MakeRedPen() const {
  return pf::Pen{pf::PenStyle::Solid, 1,
                 pf::Rgb(static_cast<uint8_t>(red.r), static_cast<uint8_t>(red.g),
                         static_cast<uint8_t>(red.b))};
}

void Logo::Draw(pf::Dc* dc) {
  Diagramm::Draw(dc);
  const int cx = centreX;
  const int cy = centreY;
  // The disc fits the smaller side.
  const int r = (((std::min(innerWidth, innerHeight) - margin / 4) / 2) / divisions) * divisions;
  const pf::Pen oldPen = dc->SelectObject(pf::StockPen(pf::StockObject::BlackPen));
  const pf::Brush oldBrush = dc->SelectObject(pf::StockBrush(pf::StockObject::LightGrayBrush));
  DrawCircle(dc, cx, cy, r);
  if (const std::optional<pf::Pen> redPen = MakeRedPen()) {
    const pf::Pen before = dc->SelectObject(*redPen);
    dc->SelectObject(pf::StockBrush(pf::StockObject::NullBrush));
    // The resistance circles 1/3, 1 and 3, the reactance arcs +1 and -1, the real axis.
    DrawCircle(dc, cx + r / 4, cy, 3 * r / 4);
    DrawCircle(dc, cx + r / 2, cy, r / 2);
    DrawCircle(dc, cx + 3 * r / 4, cy, r / 4);
    dc->Arc({cx, cy - 2 * r, cx + 2 * r, cy}, {cx, cy - r}, {cx + r, cy});
    dc->Arc({cx, cy, cx + 2 * r, cy + 2 * r}, {cx + r, cy}, {cx, cy + r});
    dc->MoveTo(cx - r, cy);
    dc->LineTo(cx + r, cy);
    dc->SelectObject(before);
  }
  // Covers the disc's black outline.
  dc->SelectObject(pf::StockPen(pf::StockObject::WhitePen));
  DrawCircle(dc, cx, cy, r);

  dc->SetTextColor(pf::Rgb(255, 255, 255));
  const pf::BkMode oldMode = dc->SetBkMode(pf::BkMode::Transparent);
  const int h = GetTextHeight(dc, "Kollegstiftung");
  const struct {
    const char* text;
    int y;
  } lines[] = {{"Kollegstiftung Morvaburg am Sund", cy - 2 * h},
               {kSubjectLine, cy},
               {"R. Voskar", cy + 2 * h}};
  for (const auto& l : lines) dc->TextOut(cx - GetTextWidth(dc, l.text) / 2, l.y, l.text);
  dc->SetTextColor(pf::Rgb(0, 0, 0));
  dc->SetBkMode(oldMode);
  dc->SelectObject(oldPen);
  dc->SelectObject(oldBrush);
}
