#include "editor/symbols/LabelFonts.h"

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
