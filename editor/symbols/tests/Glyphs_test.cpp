#include "editor/symbols/Glyphs.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "pf/cairo_dc.h"
#include "pf/recording_dc.h"

namespace {

using Draw = std::function<void(pf::Dc*)>;
using Log = std::vector<std::string>;

Log Record(const Draw& draw) {
  pf::RecordingDc dc;
  draw(&dc);
  return dc.Log();
}

struct Case {
  const char* what;
  Draw draw;
  Log expected;
};

TEST(Glyphs, DrawExactGeometry) {
  const Case cases[] = {
      {"box halves truncate", [](pf::Dc* dc) { DrawBox(dc, 10, 10, 5, 5); },
       {"Polygon 8 8 12 8 12 12 8 12"}},
      {"plus of odd size", [](pf::Dc* dc) { DrawPlus(dc, 10, 10, 5); },
       {"Line 8 10 13 10", "Line 10 8 10 13"}},
      {"arc ends truncate", [](pf::Dc* dc) { DrawArcByAngles(dc, 50, 50, 10, 45, 135); },
       {"Arc 40 40 60 60 57 42 40 50"}},
      {"half circles", [](pf::Dc* dc) {
         DrawHalfCircle(dc, 0, 0, 4, false);
         DrawHalfCircle(dc, 0, 0, 4, true);
       },
       {"Arc -4 -4 4 4 0 4 0 -4", "Arc -4 -4 4 4 4 0 -4 0"}},
      {"arrow line down", [](pf::Dc* dc) { DrawArrowLine(dc, 0, 0, 20, 3, true); },
       {"Line 0 -10 0 10", "Line 0 4 0 10", "Line 0 10 -1 4", "Line -1 4 1 4", "Line 1 4 0 10"}},
      {"upright capacitor", [](pf::Dc* dc) { DrawCapacitorGlyph(dc, 50, 50, 20, 8, false); },
       {"Line 50 40 50 48", "Line 50 54 50 60", "Line 46 48 55 48", "Line 46 52 55 52"}},
      {"lying capacitor", [](pf::Dc* dc) { DrawCapacitorGlyph(dc, 50, 50, 20, 8, true); },
       {"Line 40 50 48 50", "Line 52 50 60 50", "Line 48 46 48 55", "Line 52 46 52 55"}},
      {"ground pointing down", [](pf::Dc* dc) { DrawGroundGlyph(dc, 50, 50, 8, 10, false, 'U'); },
       {"Line 44 47 56 47", "Line 46 50 54 50", "Line 48 53 52 53", "Line 50 45 50 47"}},
      {"ground pointing left", [](pf::Dc* dc) { DrawGroundGlyph(dc, 50, 50, 8, 10, true, 'L'); },
       {"Line 53 44 53 56", "Line 50 46 50 54", "Line 47 48 47 52", "Line 55 50 53 50"}},
      {"step only left or right", [](pf::Dc* dc) { DrawStepGlyph(dc, 0, 0, 10, 10, 'O'); }, {}},
      {"op-amp hidden", [](pf::Dc* dc) { DrawOpAmpGlyph(dc, 0, 0, 10, 10, false); }, {}},
      {"source hidden", [](pf::Dc* dc) { DrawCcgGlyph(dc, 0, 0, 50, 30, 40, false, true); }, {}},
      {"node text two thirds left", [](pf::Dc* dc) { DrawNodeGlyph(dc, 50, 50, 6, 12, 'R'); },
       {"Ellipse 47 47 53 53", "TextOut 40 44 12"}},
      {"node of an unknown letter", [](pf::Dc* dc) { DrawNodeGlyph(dc, 0, 0, 6, 1, 'X'); }, {}},
      {"stub box closed left", [](pf::Dc* dc) { DrawStubBox(dc, 0, 0, 20, 6, 'l'); },
       {"Line -10 -3 10 -3", "Line -10 3 10 3", "Line -10 -3 -10 3"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Record(c.draw), c.expected) << c.what;
}

TEST(Glyphs, SizesBelowFourDrawAsFour) {
  EXPECT_EQ(Record([](pf::Dc* dc) { DrawGroundGlyph(dc, 0, 0, 2, 10, false, 'O'); }),
            Record([](pf::Dc* dc) { DrawGroundGlyph(dc, 0, 0, 4, 10, false, 'O'); }));
}

TEST(Glyphs, StockBrushesAreRestored) {
  const pf::Brush red{pf::BrushStyle::Solid, pf::Rgb(255, 0, 0)};
  const struct {
    Draw draw;
    pf::StockObject used;
  } cases[] = {
      {[](pf::Dc* dc) { DrawOpAmpGlyph(dc, 0, 0, 10, 10, true); }, pf::StockObject::WhiteBrush},
      {[](pf::Dc* dc) { DrawGrayBox(dc, 0, 0, 10, 4, true); }, pf::StockObject::GrayBrush},
      {[](pf::Dc* dc) { DrawTaperGlyph(dc, 0, 0, 24, 10, 'U'); }, pf::StockObject::GrayBrush},
      {[](pf::Dc* dc) { DrawSubstrateGlyph(dc, 0, 0, 20, 6); }, pf::StockObject::WhiteBrush},
  };
  for (const auto& c : cases) {
    pf::RecordingDc dc;
    dc.SelectObject(red);
    c.draw(&dc);
    EXPECT_EQ(dc.Calls().back().brush, pf::StockBrush(c.used));
    EXPECT_EQ(dc.GetBrush(), red);
  }
  pf::RecordingDc dc;
  dc.SelectObject(red);
  DrawOpAmpGlyph(&dc, 0, 0, 10, 10, false);
  EXPECT_EQ(dc.GetBrush(), red);
}

TEST(Glyphs, LettersTurnTheGlyphs) {
  const struct {
    char dir;
    Log taper;     // wide end towards the letter
    Log radial;    // wide side towards the letter
    Log output;    // first edge of the pentagon and the text
    Log coax;      // line and the bar at the far end only
  } cases[] = {
      {'L', {"Polygon -12 -5 12 -2 12 2 -12 5"}, {"Polygon 10 0 -6 -6 -10 -4 -10 4 -6 6"},
       {"Line 15 -8 -5 -8", "TextOut -12 -6 out"}, {"Line -20 0 20 0", "Line 20 -5 20 5"}},
      {'R', {"Polygon 12 -5 -12 -2 -12 2 12 5"}, {"Polygon -10 0 6 -6 10 -4 10 4 6 6"},
       {"Line -15 -8 5 -8", "TextOut -16 -6 out"}, {"Line -20 0 20 0", "Line -20 -5 -20 5"}},
      {'O', {"Polygon -5 -12 -2 12 2 12 5 -12"}, {"Polygon 0 10 -6 -6 -4 -10 4 -10 6 -6"},
       {"Line -8 15 -8 -5", "TextOut -12 -6 out"}, {"Line 0 -20 0 20", "Line -5 20 5 20"}},
      {'U', {"Polygon -5 12 -2 -12 2 -12 5 12"}, {"Polygon 0 -10 -6 6 -4 10 4 10 6 6"},
       {"Line -8 -15 -8 5", "TextOut -12 -6 out"}, {"Line 0 -20 0 20", "Line -5 -20 5 -20"}},
  };
  for (const auto& c : cases) {
    const bool lying = c.dir == 'L' || c.dir == 'R';
    EXPECT_EQ(Record([&](pf::Dc* dc) { DrawTaperGlyph(dc, 0, 0, 24, 10, c.dir); }), c.taper)
        << c.dir;
    EXPECT_EQ(Record([&](pf::Dc* dc) { DrawRadialStubGlyph(dc, 0, 0, 20, 0, c.dir); }),
              c.radial)
        << c.dir;
    Log output = Record([&](pf::Dc* dc) { DrawOutputGlyph(dc, 0, 0, 30, 16, c.dir); });
    EXPECT_EQ(Log({output.front(), output.back()}), c.output) << c.dir;
    Log coax = Record([&](pf::Dc* dc) { DrawCoaxGlyph(dc, 0, 0, 40, 10, lying, c.dir); });
    EXPECT_EQ(Log(coax.begin(), coax.begin() + 2), c.coax) << c.dir;
    EXPECT_EQ(coax.size(), 4u) << c.dir;
  }
}

// A sheet variant lies for the flag '1' and the letters 'L' and 'R'.
bool on(char v) { return v == '1' || v == 'L' || v == 'R'; }

// Every primitive and glyph in each of its orientations, for a reviewer to look at: a row per
// function, a cell per variant ('0'/'1' a flag, else a letter; lying for 'L' and 'R').
TEST(Glyphs, SheetOfEveryGlyph) {
  using D = pf::Dc*;
  const struct {
    const char* name;
    const char* variants;
    void (*draw)(pf::Dc*, char);
  } rows[] = {
      {"Pixel", "0", [](D d, char) { DrawPixel(d, 0, 0); }},
      {"Plus", "0", [](D d, char) { DrawPlus(d, 0, 0, 12); }},
      {"Diamond", "0", [](D d, char) { DrawDiamond(d, 0, 0, 12); }},
      {"Circle", "0", [](D d, char) { DrawCircle(d, 0, 0, 8); }},
      {"Box", "0", [](D d, char) { DrawBox(d, 0, 0, 20, 10); }},
      {"GrayBox", "01", [](D d, char v) { DrawGrayBox(d, 0, 0, 30, 10, v == '1'); }},
      {"CornerTriangle", "0", [](D d, char) { DrawCornerTriangle(d, 0, 0, 20, 16); }},
      {"Parallelogram", "0", [](D d, char) { DrawParallelogram(d, 0, 0, 24, 12); }},
      {"CenteredLine", "01", [](D d, char v) { DrawCenteredLine(d, 0, 0, 30, v == '1'); }},
      {"DoubleMark", "01", [](D d, char v) { DrawDoubleMark(d, 0, 0, 30, 10, v == '1'); }},
      {"ArcByAngles", "0", [](D d, char) { DrawArcByAngles(d, 0, 0, 15, 30, 240); }},
      {"HalfCircle", "01", [](D d, char v) { DrawHalfCircle(d, 0, 0, 12, v == '1'); }},
      {"ArrowHeadH", "01", [](D d, char v) { DrawArrowHeadH(d, 0, 0, 12, 8, v == '1'); }},
      {"ArrowHeadV", "01", [](D d, char v) { DrawArrowHeadV(d, 0, 0, 12, 8, v == '1'); }},
      {"ArrowLine", "01", [](D d, char v) { DrawArrowLine(d, 0, 0, 40, 3, v == '1'); }},
      {"PortShapeH", "01", [](D d, char v) { DrawPortShapeH(d, 0, 0, 30, 16, v == '1'); }},
      {"PortShapeV", "01", [](D d, char v) { DrawPortShapeV(d, 0, 0, 30, 16, v == '1'); }},
      {"Resistor", "01", [](D d, char v) { DrawResistorGlyph(d, 0, 0, 50, 24, 10, v == '1'); }},
      {"Capacitor", "01", [](D d, char v) { DrawCapacitorGlyph(d, 0, 0, 50, 16, v == '1'); }},
      {"Inductor", "01", [](D d, char v) { DrawInductorGlyph(d, 0, 0, 50, 8, v == '1'); }},
      {"SeriesLc", "01", [](D d, char v) { DrawSeriesLcGlyph(d, 0, 0, 50, 8, v == '1'); }},
      {"ParallelLc", "01", [](D d, char v) { DrawParallelLcGlyph(d, 0, 0, 50, 8, v == '1'); }},
      {"Quartz", "01", [](D d, char v) { DrawQuartzGlyph(d, 0, 0, 50, 16, v == '1'); }},
      {"Ground", "LROU", [](D d, char v) { DrawGroundGlyph(d, 0, 0, 12, 20, on(v), v); }},
      {"OpAmp", "1", [](D d, char) { DrawOpAmpGlyph(d, 0, 0, 30, 30, true); }},
      {"Bip", "01", [](D d, char v) { DrawBipGlyph(d, 0, 0, 50, 30, v == '1'); }},
      {"Fet", "01", [](D d, char v) { DrawFetGlyph(d, 0, 0, 50, 30, v == '1'); }},
      {"Substrate", "0", [](D d, char) { DrawSubstrateGlyph(d, 0, 0, 30, 10); }},
      {"Input", "LROU", [](D d, char v) { DrawInputGlyph(d, 0, 0, 30, 16, v); }},
      {"Output", "LROU", [](D d, char v) { DrawOutputGlyph(d, 0, 0, 30, 16, v); }},
      {"Node", "LROU", [](D d, char v) { DrawNodeGlyph(d, 0, 0, 20, 7, v); }},
      {"Vvg", "01", [](D d, char v) { DrawVvgGlyph(d, 0, 0, 50, 30, 40, true, v == '1'); }},
      {"Ccg", "01", [](D d, char v) { DrawCcgGlyph(d, 0, 0, 50, 30, 40, true, v == '1'); }},
      {"Vcg", "01", [](D d, char v) { DrawVcgGlyph(d, 0, 0, 50, 30, 40, true, v == '1'); }},
      {"LineBox", "LROUlrou", [](D d, char v) { DrawLineBox(d, 0, 0, 40, 12, v); }},
      {"StubBox", "LROUlrou", [](D d, char v) { DrawStubBox(d, 0, 0, 40, 12, v); }},
      {"ShortStub", "LROU", [](D d, char v) { DrawShortStubGlyph(d, 0, 0, 20, 6, on(v), v); }},
      {"OpenStub", "LROU", [](D d, char v) { DrawOpenStubGlyph(d, 0, 0, 20, 6, on(v), v); }},
      {"CoupledLines", "01", [](D d, char v) { DrawCoupledLinesGlyph(d, 0, 0, 25, 15, on(v)); }},
      {"Tee", "0", [](D d, char) { DrawTeeGlyph(d, 0, 0, 30, 16); }},
      {"Step", "LR", [](D d, char v) { DrawStepGlyph(d, 0, 0, 24, 16, v); }},
      {"Taper", "LROU", [](D d, char v) { DrawTaperGlyph(d, 0, 0, 24, 10, v); }},
      {"Corner N", "01", [](D d, char v) { DrawCornerGlyph(d, 0, 0, 16, 16, v == '1', 'N'); }},
      {"Corner mitred", "01", [](D d, char v) { DrawCornerGlyph(d, 0, 0, 16, 16, v == '1', 'M'); }},
      {"RadialStub", "LROU", [](D d, char v) { DrawRadialStubGlyph(d, 0, 0, 20, 0, v); }},
      {"Coax", "LROU", [](D d, char v) { DrawCoaxGlyph(d, 0, 0, 40, 10, on(v), v); }},
  };
  // Two pixels per logical unit; the stock pen stays one pixel wide.
  constexpr int kCell = 64, kLabel = 110, kPanel = kLabel + 8 * kCell, kPanelRows = 16;
  constexpr int kScale = 2, kRows = sizeof rows / sizeof rows[0];
  const int panels = (kRows + kPanelRows - 1) / kPanelRows;
  auto dc = pf::CairoDc::CreateImage(panels * kPanel * kScale, kPanelRows * kCell * kScale);
  ASSERT_TRUE(dc);
  dc->SetMapMode(pf::MapMode::Anisotropic);
  dc->SetViewportExt(kScale, kScale);
  dc->SelectObject(pf::Font{"Arial", 12});
  for (int row = 0; row < kRows; ++row) {
    const int left = row / kPanelRows * kPanel;
    const int top = row % kPanelRows * kCell;
    dc->TextOut(left + 4, top + kCell / 2 - 6, rows[row].name);
    for (int i = 0; rows[row].variants[i] != '\0'; ++i) {
      dc->SetWindowOrg(-(left + kLabel + i * kCell + kCell / 2), -(top + kCell / 2));
      rows[row].draw(dc.get(), rows[row].variants[i]);
      dc->SetWindowOrg(0, 0);
    }
  }
  EXPECT_TRUE(dc->WritePng(VOSTRANE_GLYPHS_PNG)) << VOSTRANE_GLYPHS_PNG;
}

}  // namespace
