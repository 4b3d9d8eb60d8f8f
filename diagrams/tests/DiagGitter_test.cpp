#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "diagrams/graphics/CircleGit.h"
#include "diagrams/graphics/RectanGit.h"
#include "diagrams/graphics/SmithGit.h"
#include "diagrams/pictex/PicTexFile.h"
#include "diagrams/tests/PicTexLines.h"
#include "pf/headless.h"
#include "pf/recording_dc.h"

namespace {

int CountOf(const pf::RecordingDc& dc, const std::string& op) {
  return static_cast<int>(std::count_if(dc.Calls().begin(), dc.Calls().end(),
                                        [&](const pf::DcCall& c) { return c.op == op; }));
}

// One decade over 100 pixels: the lines of 1, 2, ..., 10 at int(log10(k) * 100).
TEST(DiagGitterTest, LogarithmicRasterDrawsOneDecade) {
  RectanGit grid(nullptr, 200, 150, 10, 10, 10, 'E');
  pf::RecordingDc dc;
  grid.Draw(&dc);
  std::vector<int> columns;
  for (const pf::DcCall& c : dc.Calls()) {
    if (c.op == "Line" && c.points[0].x == c.points[1].x) columns.push_back(c.points[0].x);
  }
  EXPECT_EQ(columns, (std::vector<int>{150, 180, 197, 210, 219, 227, 234, 240, 245, 250}));
}

TEST(DiagGitterTest, ReferenceLinesStayWithinTheGrid) {
  RectanGit grid(nullptr, 50, 50, 10, 10, 10, 'L');
  grid.YRefLineUp();
  EXPECT_EQ(grid.GetYRefIndex(), 5) << "no line: nothing moves";
  grid.CreateYRefLine();
  grid.CreateXRefLine();
  const struct {
    void (RectanGit::*step)();
    int times;
    int yIndex, xIndex;
  } steps[] = {
      {&RectanGit::YRefLineUp, 7, 0, 5},
      {&RectanGit::YRefLineDown, 12, 10, 5},
      {&RectanGit::XRefLineLeft, 7, 10, 0},
      {&RectanGit::XRefLineRight, 12, 10, 10},
  };
  for (const auto& s : steps) {
    for (int i = 0; i < s.times; ++i) (grid.*s.step)();
    EXPECT_EQ(grid.GetYRefIndex(), s.yIndex);
    EXPECT_EQ(grid.GetXRefIndex(), s.xIndex);
    EXPECT_EQ(grid.GetYRefLine()->GetY(), 10 * s.yIndex);
    EXPECT_EQ(grid.GetXRefLine()->GetX(), 10 * s.xIndex);
  }
  EXPECT_EQ(grid.GetXRefLine()->GetY(), 100) << "upright from the bottom";
  EXPECT_EQ(grid.GetXRefLine()->GetHeight(), 100);
}

TEST(DiagGitterTest, ToggledTwiceTheLineIsGoneAndItsPlaceRepainted) {
  pf::Headless headless;
  pf::Window window;
  window.CreateTopLevel(nullptr, {0, 0, 300, 300});
  RectanGit grid(&window, 100, 100, 10, 10, 10, 'L');
  grid.ToggleYRefLine();
  ASSERT_NE(grid.GetYRefLine(), nullptr);
  window.ValidateRect();
  grid.ToggleYRefLine();
  EXPECT_EQ(grid.GetYRefLine(), nullptr);
  EXPECT_EQ(window.GetUpdateRect(), (pf::Rect{43, 96, 151, 104})) << "line and arrow head";
}

TEST(DiagGitterTest, ReferenceRingNeverShrinksToNothing) {
  CircleGit grid(nullptr, 100, 100, 20, 5);
  grid.CreateYRefLine();
  EXPECT_EQ(grid.GetRefRing()->GetRadius(), 60);
  for (int i = 0; i < 6; ++i) grid.YRefLineDown();
  EXPECT_EQ(grid.GetYRefIndex(), 4);
  EXPECT_EQ(grid.GetRefRing()->GetRadius(), 20);
  EXPECT_EQ(grid.GetRefRing()->GetArrow().GetY(), 83) << "the arrow head sits on top";
  for (int i = 0; i < 6; ++i) grid.YRefLineUp();
  EXPECT_EQ(grid.GetRefRing()->GetRadius(), 100);
}

TEST(DiagGitterTest, SmithChartDrawsCirclesArcsAndLabelsOnlyWithAFont) {
  SmithGit chart(nullptr, 200, 150, 90);
  pf::RecordingDc dc;
  chart.Draw(&dc);
  const std::vector<std::string> log = dc.Log();
  ASSERT_GE(log.size(), 11u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 5),
            (std::vector<std::string>{"Ellipse 110 60 290 240", "Ellipse 170 90 290 210",
                                      "Ellipse 200 105 290 195", "Ellipse 230 120 290 180",
                                      "Arc 200 -30 380 150 200 60 290 149"}));
  EXPECT_EQ(CountOf(dc, "Arc"), 6);
  EXPECT_EQ(log.back(), "Line 110 150 290 150");
  chart.SetFont(pf::Font{});
  dc.Clear();
  chart.Draw(&dc);
  EXPECT_EQ(CountOf(dc, "TextOut"), 10);
  EXPECT_EQ(dc.Log().back(), "TextOut 257 224 -j2") << "int(200 + 0.62 * 90 + 2)";
}

TEST(DiagGitterTest, GridsWriteTheirPicTexForms) {
  RectanGit grid(nullptr, 50, 50, 10, 10, 10, 'E');
  grid.CreateYRefLine();
  PicTexFile f;
  f.fontLetter = 'X';
  grid.WritePicTex(f);
  EXPECT_EQ(PicTexLines(f), (std::vector<std::string>{
                                "\\setplotarea x from   0.00 to 100.00, y from -100.00 to   0.00",
                                "\\grid {1} {1} ", "\\setdots <1mm>", "\\grid {10} {10} ",
                                "\\setdots <0pt>", "\\put {\\line(1,0){100} }  [Bl]  at 0 -50",
                                "\\plot  -6.00 -53.00   0.00 -50.00  -6.00 -47.00  /"}));

  // Its widest arcs (twice the chart's radius) within what \circulararc can turn.
  SmithGit chart(nullptr, 200, 150, 80);
  PicTexFile g;
  chart.WritePicTex(g);
  const std::vector<std::string> lines = PicTexLines(g);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.rfind("\\circulararc", 0) == 0; }),
            10);
  EXPECT_EQ(lines[6], "\\circulararc 89 degrees  from 200 -70 center  at 280 -70");
  EXPECT_EQ(lines.back(), "\\setdots <0pt>");
}

}  // namespace
