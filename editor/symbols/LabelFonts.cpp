#include "editor/symbols/LabelFonts.h"

#include "pf/dc.h"

namespace {
const LabelFonts* installed = nullptr;
}  // namespace

LabelFonts LabelFonts::Standard() {
  const pf::Font font{"Arial", 12, 0, 0, 300};
  pf::Font turned = font;
  turned.escapement = 900;
  return {font, turned};
}

void InstallLabelFonts(const LabelFonts* fonts) { installed = fonts; }

const LabelFonts& TheLabelFonts() {
  static const LabelFonts standard = LabelFonts::Standard();
  return installed != nullptr ? *installed : standard;
}

void DrawCentredLabel(pf::Dc& dc, const MyStrng& text, const Point& at, bool horizontal) {
  const LabelFonts& fonts = TheLabelFonts();
  const pf::Font old = dc.SelectObject(horizontal ? fonts.horizontal : fonts.vertical);
  if (horizontal) {
    text.DrawText(&dc, at.x, at.y, 'C');
  } else {
    text.DrawVertical(&dc, at.x, at.y);
  }
  dc.SelectObject(old);
}
