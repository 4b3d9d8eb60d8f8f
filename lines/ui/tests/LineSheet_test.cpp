// The line symbols placed by drags in the four directions: their pins stay on the grid, and a
// sheet of them is written for a reviewer's eye. The committed circuits drawn with them open
// and lie inside the grid.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/SymbolRegistry.h"
#include "pf/cairo_dc.h"

namespace {

namespace fs = std::filesystem;

bool OnGrid(const Point& p) { return p.x >= 25 && p.y >= 25 && p.x % 25 == 0 && p.y % 25 == 0; }

// A row per class key, a cell per direction (R, L, U, O).
TEST(LineSheet, EveryLineSymbolInFourOrientations) {
  const char* const keys[] = {"TEMTRANSLINE", "KOAXIALSYMBOL", "MICTRANSLINE", "MICOPENSTUB",
                              "MICSHORTSTUB", "MICTAPER",      "MICCORNER",    "MICCOUPLEDLINE",
                              "MICTEE",       "MICSTEP",       "MICRADIALSTUB", "MslTeeSymbol",
                              "MslCornerSymbol", "MslCrossSymbol", "SlotLineSymbol",
                              "SltBendSymbol", "CCoveredSlotLineSymbol", "CCoplanarLineSymbol",
                              "CCoplanarCrossSymbol", "MslToSlotSymbol"};
  const int rowCount = sizeof keys / sizeof keys[0];
  constexpr int kCell = 200, kLabel = 150, kScale = 2;
  const Point drag[4] = {{100, 0}, {-100, 0}, {0, 100}, {0, -100}};
  auto dc = pf::CairoDc::CreateImage((kLabel + 4 * kCell) * kScale, rowCount * kCell * kScale);
  ASSERT_TRUE(dc);
  dc->SetMapMode(pf::MapMode::Anisotropic);
  dc->SetViewportExt(kScale, kScale);
  dc->SelectObject(pf::Font{"Arial", 12});
  for (int r = 0; r < rowCount; ++r) {
    const int top = r * kCell;
    dc->TextOut(4, top + kCell / 2 - 6, keys[r]);
    for (int i = 0; i < 4; ++i) {
      SCOPED_TRACE(std::string(keys[r]) + " " + "RLUO"[i]);
      const std::unique_ptr<NetSymbol> symbol = SymbolRegistry::Global().Create(keys[r]);
      ASSERT_TRUE(symbol);
      const Point start{kLabel + i * kCell + kCell / 2 - drag[i].x / 2,
                        top + kCell / 2 - drag[i].y / 2};
      symbol->pins[0] = start;
      symbol->pins[1] = start + drag[i];
      symbol->orientation = 'K';
      symbol->UpdateGeometry();
      // The three-pole base orders its two ends itself; a bitmap lays out the others.
      EXPECT_TRUE(symbol->pins[0] == start || symbol->pins[1] == start);
      for (int p = 0; p < std::min(symbol->pinCount, NetSymbol::kMaxPins); ++p) {
        EXPECT_TRUE(OnGrid(symbol->pins[p])) << "pin " << p;
      }
      symbol->Draw(*dc);
    }
  }
  EXPECT_TRUE(dc->WritePng(VOSTRANE_LINE_SYMBOLS_PNG)) << VOSTRANE_LINE_SYMBOLS_PNG;
}

TEST(LineSheet, CommittedLineCircuitsOpenInsideTheGrid) {
  for (const char* file : {"examples/microstrip_lowpass.vqe",
                           "app/cli/tests/ui/microstrip_parts.vqe"}) {
    SCOPED_TRACE(file);
    CVostraneDoc doc;
    const std::string path = (fs::path(VOSTRANE_REPOSITORY) / file).string();
    ASSERT_TRUE(doc.OnOpenDocument(path)) << doc.TakeOpenFailure(path);
    EXPECT_GE(doc.Symbols().GetCount(), 10);
    doc.Symbols().ForEach([](NetSymbol* s) {
      const pf::Rect r = s->GetRect();
      EXPECT_TRUE(r.left >= 0 && r.top >= 0) << s->elementName.ToCString();
      for (int i = 0; i < std::min(s->pinCount, NetSymbol::kMaxPins); ++i) {
        EXPECT_TRUE(OnGrid(s->pins[i])) << s->elementName.ToCString() << " pin " << i;
      }
    });
  }
}

}  // namespace
