#include "diagrams/graphics/LowDisplay.h"

#include <array>
#include <string_view>

#include "pf/dc.h"

LowDisplay::LowDisplay(pf::Window* owner, int px, int py, int w)
    : GreyRectangle(owner, px, py, w, kHeight),
      textX(px),
      textY(py),
      textWidth(w < 10 ? 15 : w),
      textHeight(kHeight) {}

void LowDisplay::Draw(pf::Dc* dc) {
  GreyRectangle::Draw(dc);
  const pf::Pen oldPen = dc->SelectObject(pf::StockPen(pf::StockObject::WhitePen));
  const pf::Brush oldBrush = dc->SelectObject(pf::StockBrush(pf::StockObject::WhiteBrush));
  const int top = textY - textHeight;
  dc->Rectangle({textX, top, textX + textWidth, textY});
  // The sunken frame: dark edges at the left and the top.
  dc->SelectObject(pf::StockPen(pf::StockObject::BlackPen));
  const std::array<pf::Point, 3> edges{{{textX, textY}, {textX, top}, {textX + textWidth, top}}};
  dc->Polyline(edges);

  const pf::Font oldFont = dc->GetFont();
  if (font) dc->SelectObject(*font);
  const pf::BkMode oldMode = dc->SetBkMode(pf::BkMode::Transparent);
  std::string_view shown(text.GetBuffer());
  while (!shown.empty() && dc->GetTextExtent(shown).cx > textWidth - 1) {
    // One whole character goes: its continuation bytes, then its first byte.
    unsigned char last = 0;
    do {
      last = static_cast<unsigned char>(shown.back());
      shown.remove_suffix(1);
    } while (!shown.empty() && (last & 0xC0) == 0x80);
  }
  dc->TextOut(textX + 2, top, shown);
  dc->SetBkMode(oldMode);
  dc->SelectObject(oldFont);
  dc->SelectObject(oldBrush);
  dc->SelectObject(oldPen);
  visible = 0;
}

void LowDisplay::Update() {
  drawn = 0;
  if (visible == 0) {
    InvalidateArea({textX + 1, textY - textHeight + 2, textX + textWidth - 2, textY - 1});
  } else {
    InvalidateArea(RepaintRect());
  }
}

void LowDisplay::SetText(const MyStrng& t) {
  previousText = text;
  text = t;
  if (text != previousText) Update();
}
