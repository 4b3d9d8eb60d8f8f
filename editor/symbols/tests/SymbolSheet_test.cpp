#include <gtest/gtest.h>

#include <memory>

#include "editor/symbols/DreiPolSymbol.h"
#include "editor/symbols/EinPolSymbol.h"
#include "editor/symbols/MultiPolSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/symbols/VierPolSymbol.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "pf/cairo_dc.h"

namespace {

template <class S>
std::unique_ptr<NetSymbol> Fresh(const char *) {
  return std::make_unique<S>();
}

// Every framework symbol placed by a drag in each of the four directions, for a
// reviewer to look at: a row per class, a cell per direction (R, L, U, O).
TEST(SymbolSheet, EveryFrameworkSymbolInFourOrientations) {
  using Make = std::unique_ptr<NetSymbol> (*)(const char *key);
  struct Row {
    const char *name;
    Make make;
  };
  const Make byKey = [](const char *key) {
    return SymbolRegistry::Global().Create(key);
  };
  const Row rows[] = {
      {"SUBSTRAT", byKey},       {"ExKnotenSymbol", byKey},       {"INPUT", byKey},
      {"OUTPUT", byKey},         {"ONEPORT", byKey},              {"FETTRANS", byKey},
      {"BIPOLTRANS", byKey},     {"EinPol", Fresh<EinPolSymbol>}, {"ZweiPol", Fresh<ZweiPolSymbol>},
      {"DreiPol", Fresh<DreiPolSymbol>}, {"VierPol", Fresh<VierPolSymbol>},
      {"MultiPol", Fresh<MultiPolSymbol>},
  };
  const int rowCount = sizeof rows / sizeof rows[0];

  constexpr int kCell = 200, kLabel = 125, kScale = 2;  // pins on the 25 grid
  const Point drag[4] = {
      {100, 0}, {-100, 0}, {0, 100}, {0, -100}}; // R, L, U, O
  auto dc = pf::CairoDc::CreateImage((kLabel + 4 * kCell) * kScale,
                                     rowCount * kCell * kScale);
  ASSERT_TRUE(dc);
  dc->SetMapMode(pf::MapMode::Anisotropic);
  dc->SetViewportExt(kScale, kScale);
  dc->SelectObject(pf::Font{"Arial", 12});
  for (int r = 0; r < rowCount; ++r) {
    const int top = r * kCell;
    dc->TextOut(4, top + kCell / 2 - 6, rows[r].name);
    for (int i = 0; i < 4; ++i) {
      const std::unique_ptr<NetSymbol> symbol = rows[r].make(rows[r].name);
      ASSERT_TRUE(symbol) << rows[r].name;
      NetSymbol &s = *symbol;
      const Point start{kLabel + i * kCell + kCell / 2 - drag[i].x / 2,
                        top + kCell / 2 - drag[i].y / 2};
      s.pins[0] = start;
      s.pins[1] = {start.x + drag[i].x, start.y + drag[i].y};
      s.orientation = 'K';
      s.UpdateGeometry();
      s.Draw(*dc);
    }
  }
  EXPECT_TRUE(dc->WritePng(VOSTRANE_SYMBOLS_PNG)) << VOSTRANE_SYMBOLS_PNG;
}

} // namespace
