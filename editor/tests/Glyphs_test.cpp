#include "editor/Glyphs.h"

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
      {"pixel", [](pf::Dc* dc) { DrawPixel(dc, 3, 4); }, {"Line 3 4 4 4"}},
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

// Every primitive and glyph in each of its orientations, for a reviewer to look at.
TEST(Glyphs, SheetOfEveryGlyph) {
  const std::vector<std::pair<const char*, std::vector<Draw>>> rows = {
      {"Pixel Plus Diamond Circle",
       {[](pf::Dc* d) { DrawPixel(d, 0, 0); }, [](pf::Dc* d) { DrawPlus(d, 0, 0, 12); },
        [](pf::Dc* d) { DrawDiamond(d, 0, 0, 12); }, [](pf::Dc* d) { DrawCircle(d, 0, 0, 8); }}},
      {"Box GrayBox Triangle Parallelogram",
       {[](pf::Dc* d) { DrawBox(d, 0, 0, 20, 10); },
        [](pf::Dc* d) { DrawGrayBox(d, 0, 0, 30, 10, true); },
        [](pf::Dc* d) { DrawGrayBox(d, 0, 0, 30, 10, false); },
        [](pf::Dc* d) { DrawCornerTriangle(d, 0, 0, 20, 16); },
        [](pf::Dc* d) { DrawParallelogram(d, 0, 0, 24, 12); }}},
      {"CenteredLine DoubleMark Arc",
       {[](pf::Dc* d) { DrawCenteredLine(d, 0, 0, 30, true); },
        [](pf::Dc* d) { DrawCenteredLine(d, 0, 0, 30, false); },
        [](pf::Dc* d) { DrawDoubleMark(d, 0, 0, 30, 10, true); },
        [](pf::Dc* d) { DrawDoubleMark(d, 0, 0, 30, 10, false); },
        [](pf::Dc* d) { DrawArcByAngles(d, 0, 0, 15, 30, 240); },
        [](pf::Dc* d) { DrawHalfCircle(d, 0, 0, 12, false); },
        [](pf::Dc* d) { DrawHalfCircle(d, 0, 0, 12, true); }}},
      {"ArrowHeads ArrowLines",
       {[](pf::Dc* d) { DrawArrowHeadH(d, 0, 0, 12, 8, false); },
        [](pf::Dc* d) { DrawArrowHeadH(d, 0, 0, 12, 8, true); },
        [](pf::Dc* d) { DrawArrowHeadV(d, 0, 0, 12, 8, false); },
        [](pf::Dc* d) { DrawArrowHeadV(d, 0, 0, 12, 8, true); },
        [](pf::Dc* d) { DrawArrowLine(d, 0, 0, 40, 3, false); },
        [](pf::Dc* d) { DrawArrowLine(d, 0, 0, 40, 3, true); }}},
      {"PortShapes",
       {[](pf::Dc* d) { DrawPortShapeH(d, 0, 0, 30, 16, false); },
        [](pf::Dc* d) { DrawPortShapeH(d, 0, 0, 30, 16, true); },
        [](pf::Dc* d) { DrawPortShapeV(d, 0, 0, 30, 16, false); },
        [](pf::Dc* d) { DrawPortShapeV(d, 0, 0, 30, 16, true); }}},
  };
  std::vector<std::pair<std::string, std::vector<Draw>>> sheet(rows.begin(), rows.end());
  const auto addFlagged = [&](const char* name, std::function<void(pf::Dc*, bool)> draw) {
    sheet.push_back({name, {[=](pf::Dc* d) { draw(d, false); }, [=](pf::Dc* d) { draw(d, true); }}});
  };
  addFlagged("Resistor", [](pf::Dc* d, bool h) { DrawResistorGlyph(d, 0, 0, 50, 24, 10, h); });
  addFlagged("Capacitor", [](pf::Dc* d, bool h) { DrawCapacitorGlyph(d, 0, 0, 50, 16, h); });
  addFlagged("Inductor", [](pf::Dc* d, bool h) { DrawInductorGlyph(d, 0, 0, 50, 8, h); });
  addFlagged("SeriesLc", [](pf::Dc* d, bool h) { DrawSeriesLcGlyph(d, 0, 0, 50, 8, h); });
  addFlagged("ParallelLc", [](pf::Dc* d, bool h) { DrawParallelLcGlyph(d, 0, 0, 50, 8, h); });
  addFlagged("Quartz", [](pf::Dc* d, bool h) { DrawQuartzGlyph(d, 0, 0, 50, 16, h); });
  addFlagged("Bip", [](pf::Dc* d, bool h) { DrawBipGlyph(d, 0, 0, 50, 30, h); });
  addFlagged("Fet", [](pf::Dc* d, bool h) { DrawFetGlyph(d, 0, 0, 50, 30, h); });
  addFlagged("CoupledLines", [](pf::Dc* d, bool h) { DrawCoupledLinesGlyph(d, 0, 0, 25, 15, h); });
  sheet.push_back({"OpAmp Substrate Tee",
                   {[](pf::Dc* d) { DrawOpAmpGlyph(d, 0, 0, 30, 30, true); },
                    [](pf::Dc* d) { DrawSubstrateGlyph(d, 0, 0, 30, 10); },
                    [](pf::Dc* d) { DrawTeeGlyph(d, 0, 0, 30, 16); }}});
  sheet.push_back({"Vvg Ccg Vcg",
                   {[](pf::Dc* d) { DrawVvgGlyph(d, 0, 0, 50, 30, 40, true, true); },
                    [](pf::Dc* d) { DrawCcgGlyph(d, 0, 0, 50, 30, 40, true, true); },
                    [](pf::Dc* d) { DrawVcgGlyph(d, 0, 0, 50, 30, 40, true, true); },
                    [](pf::Dc* d) { DrawVvgGlyph(d, 0, 0, 50, 30, 40, true, false); }}});
  sheet.push_back({"Corner", {}});
  for (const bool vertical : {false, true})
    for (const char kind : {'N', 'M'})
      sheet.back().second.push_back(
          [=](pf::Dc* d) { DrawCornerGlyph(d, 0, 0, 16, 16, vertical, kind); });
  const auto addLettered = [&](const char* name, const char* letters,
                               std::function<void(pf::Dc*, char)> draw) {
    sheet.push_back({std::string(name) + " " + letters, {}});
    for (const char* l = letters; *l != '\0'; ++l)
      sheet.back().second.push_back([=](pf::Dc* d) { draw(d, *l); });
  };
  const auto lying = [](char dir) { return dir == 'L' || dir == 'R'; };
  addLettered("Ground", "LROU", [&](pf::Dc* d, char c) {
    DrawGroundGlyph(d, 0, 0, 12, 20, lying(c), c);
  });
  addLettered("Input", "LROU", [](pf::Dc* d, char c) { DrawInputGlyph(d, 0, 0, 30, 16, c); });
  addLettered("Output", "LROU", [](pf::Dc* d, char c) { DrawOutputGlyph(d, 0, 0, 30, 16, c); });
  addLettered("Node", "LROU", [](pf::Dc* d, char c) { DrawNodeGlyph(d, 0, 0, 20, 7, c); });
  addLettered("LineBox", "LROUlrou", [](pf::Dc* d, char c) { DrawLineBox(d, 0, 0, 40, 12, c); });
  addLettered("StubBox", "LROUlrou", [](pf::Dc* d, char c) { DrawStubBox(d, 0, 0, 40, 12, c); });
  addLettered("ShortStub", "LROU", [&](pf::Dc* d, char c) {
    DrawShortStubGlyph(d, 0, 0, 20, 6, lying(c), c);
  });
  addLettered("OpenStub", "LROU", [&](pf::Dc* d, char c) {
    DrawOpenStubGlyph(d, 0, 0, 20, 6, lying(c), c);
  });
  addLettered("Step", "LR", [](pf::Dc* d, char c) { DrawStepGlyph(d, 0, 0, 24, 16, c); });
  addLettered("Taper", "LROU", [](pf::Dc* d, char c) { DrawTaperGlyph(d, 0, 0, 24, 10, c); });
  addLettered("RadialStub", "LROU", [](pf::Dc* d, char c) {
    DrawRadialStubGlyph(d, 0, 0, 20, 0, c);
  });
  addLettered("Coax", "LROU", [&](pf::Dc* d, char c) { DrawCoaxGlyph(d, 0, 0, 40, 10, lying(c), c); });

  // Two logical units per pixel; the stock pen stays one pixel wide.
  constexpr int kCell = 64, kLabel = 190, kScale = 2;
  const int half = static_cast<int>(sheet.size() + 1) / 2;
  const int panel = kLabel + 8 * kCell;
  auto dc = pf::CairoDc::CreateImage(2 * panel * kScale, half * kCell * kScale);
  ASSERT_TRUE(dc);
  dc->SetMapMode(pf::MapMode::Anisotropic);
  dc->SetViewportExt(kScale, kScale);
  dc->SelectObject(pf::Font{"Arial", 12});
  for (int row = 0; row < static_cast<int>(sheet.size()); ++row) {
    const int left = row < half ? 0 : panel;
    const int top = (row % half) * kCell;
    dc->TextOut(left + 4, top + kCell / 2 - 6, sheet[row].first);
    for (int i = 0; i < static_cast<int>(sheet[row].second.size()); ++i) {
      dc->SetWindowOrg(-(left + kLabel + i * kCell + kCell / 2), -(top + kCell / 2));
      sheet[row].second[i](dc.get());
      dc->SetWindowOrg(0, 0);
    }
  }
  EXPECT_TRUE(dc->WritePng(VOSTRANE_GLYPHS_PNG)) << VOSTRANE_GLYPHS_PNG;
}

}  // namespace
