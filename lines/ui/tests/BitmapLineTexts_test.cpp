// The value texts of the line symbols drawn from bitmaps, placed by drags in the four
// directions as the view places them (once by the symbol's dialog, once more as it inserts it).

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "pf/recording_dc.h"

namespace {

struct Drag {
  char orientation;
  Point by;
};
const Drag kDrags[] = {{'R', {100, 0}}, {'L', {-100, 0}}, {'O', {0, -100}}, {'U', {0, 100}}};

std::unique_ptr<NetSymbol> Placed(const char* key, const Drag& drag) {
  std::unique_ptr<NetSymbol> symbol = SymbolRegistry::Global().Create(key);
  if (!symbol) return symbol;
  symbol->pins[0] = Point(300, 300);
  symbol->pins[1] = symbol->pins[0] + drag.by;
  symbol->orientation = 'K';
  symbol->UpdateGeometry();
  symbol->UpdateGeometry();
  return symbol;
}

std::vector<pf::DcCall> Texts(NetSymbol& symbol) {
  pf::RecordingDc dc;
  symbol.Draw(dc);
  std::vector<pf::DcCall> texts;
  for (const pf::DcCall& call : dc.Calls()) {
    if (call.op == "TextOut") texts.push_back(call);
  }
  return texts;
}

// Every value text runs along the symbol: lying for R and L, upwards for O and U.
TEST(BitmapLineTexts, RunAlongTheSymbolInEveryDirection) {
  for (const char* key : {"MslTeeSymbol", "MslCornerSymbol", "SlotLineSymbol", "SltBendSymbol",
                          "CCoveredSlotLineSymbol", "CCoplanarLineSymbol", "CCoplanarCrossSymbol",
                          "MslToSlotSymbol"}) {
    for (const Drag& drag : kDrags) {
      SCOPED_TRACE(std::string(key) + " " + drag.orientation);
      const std::unique_ptr<NetSymbol> symbol = Placed(key, drag);
      ASSERT_TRUE(symbol);
      ASSERT_EQ(symbol->orientation, drag.orientation);
      const int escapement = drag.by.y == 0 ? 0 : 900;
      const std::vector<pf::DcCall> texts = Texts(*symbol);
      ASSERT_FALSE(texts.empty());
      for (const pf::DcCall& text : texts) EXPECT_EQ(text.font.escapement, escapement) << text.text;
    }
  }
}

// The corner's width stands centred 8 above its centre when it lies and, written upwards,
// 9 left of it when it stands (8 x 12 per character).
TEST(BitmapLineTexts, CornerWidthBesideTheCentre) {
  for (const Drag& drag : kDrags) {
    SCOPED_TRACE(drag.orientation);
    const std::unique_ptr<NetSymbol> corner = Placed("MslCornerSymbol", drag);
    ASSERT_TRUE(corner);
    const std::vector<pf::DcCall> texts = Texts(*corner);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "1mm");
    const bool lying = drag.by.y == 0;
    const Point corner1mm = lying ? Point(-12, -8 - 12) : Point(-9 - 12, 12);
    const Point c = corner->GetCentre();
    EXPECT_EQ(Point(texts[0].points[0].x - c.x, texts[0].points[0].y - c.y), corner1mm);
  }
}

}  // namespace
