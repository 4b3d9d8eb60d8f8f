#include "basics/GitPointGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "pf/recording_dc.h"

namespace {

struct XY {
  int32_t x, y;
};

Point At(XY p) { return Point(p.x, p.y); }

TEST(GitPointGrid, SnapAndFindFreeNear) {
  const GitPointGrid grid;
  for (auto [in, want] : {std::pair<XY, XY>{{37, 12}, {25, 0}}, {{38, 13}, {50, 25}},
                          {{1237, 1238}, {1225, 1225}}, {{-40, 5000}, {0, 1225}},
                          {{INT32_MAX, INT32_MIN}, {1225, 0}}})
    EXPECT_EQ(grid.Snap(At(in)), At(want)) << in.x << "," << in.y;
  // Without a free point within the tolerance the first inner point is taken.
  for (auto [in, want] : {std::pair<XY, XY>{{48, 52}, {50, 50}}, {{1228, 1222}, {1225, 1225}},
                          {{37, 37}, {25, 25}}, {{2, 3}, {25, 25}}, {{-30, 75}, {25, 25}}})
    EXPECT_EQ(grid.FindFreeNear(At(in)), At(want)) << in.x << "," << in.y;
}

TEST(GitPointGrid, FreePointsWithinTolerance) {
  const GitPointGrid grid;
  for (auto [at, free] : {std::pair<XY, bool>{{0, 25}, false},  // the top row and left column
                          {{25, 25}, true}, {{55, 55}, true},
                          {{56, 50}, false}, {{50, 44}, false}, {{1230, 1230}, true},
                          {{1231, 1225}, false}, {{-25, -25}, false},
                          {{INT32_MIN, INT32_MAX}, false}})
    EXPECT_EQ(grid.IsFreeAt(At(at)), free) << at.x << "," << at.y;
}

TEST(GitPointGrid, OccupyFreeAndReleaseChangeOnlyTheirPoints) {
  GitPointGrid grid;
  grid.OccupyRect(pf::Rect{0, 0, 50, 50});  // strictly inside only
  EXPECT_FALSE(grid.IsFreeAt(Point(25, 25)));
  EXPECT_TRUE(grid.IsFreeAt(Point(25, 50)));
  grid.FreeRect(pf::Rect{-1, -1, 26, 26});
  EXPECT_TRUE(grid.IsFreeAt(Point(0, 0)));
  EXPECT_FALSE(grid.IsFreeAt(Point(50, 0)));

  grid.OccupyRect(pf::Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  EXPECT_FALSE(grid.IsFreeAt(Point(1225, 1225)));
  grid.FreeRect(pf::Rect{1200, 1200, 5000, 5000});
  EXPECT_TRUE(grid.IsFreeAt(Point(1225, 1225)));
  EXPECT_FALSE(grid.IsFreeAt(Point(1200, 1200)));

  for (XY p : {XY{1, 25}, XY{1250, 0}, XY{-25, 0}}) EXPECT_FALSE(grid.ReleaseAt(At(p))) << p.x;
  EXPECT_TRUE(grid.ReleaseAt(Point(25, 25)));
  EXPECT_TRUE(grid.IsFreeAt(Point(25, 25)));
}

TEST(GitPointGrid, DrawsBackgroundBorderAndFreePoints) {
  const GitPointGrid grid;
  pf::RecordingDc dc;
  const pf::Brush callers{pf::BrushStyle::Solid, pf::Rgb(1, 2, 3)};
  dc.SelectObject(callers);
  dc.SetTextColor(pf::Rgb(9, 9, 9));  // the dots stay black whatever the text colour
  grid.Draw(&dc);

  const std::vector<std::string> log = dc.Log();
  ASSERT_EQ(log.size(), 5u + 2401u);  // every point off the top row and left column
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 6),
            (std::vector<std::string>{"FillRect 0 0 1250 1250", "Line 0 0 1250 0",
                                      "Line 1250 0 1250 1250", "Line 1250 1250 0 1250",
                                      "Line 0 1250 0 0", "SetPixel 25 25"}));
  EXPECT_EQ(log.back(), "SetPixel 1225 1225");
  EXPECT_EQ(dc.Calls()[0].brush, pf::StockBrush(pf::StockObject::WhiteBrush));
  EXPECT_EQ(dc.GetBrush(), callers);
  EXPECT_TRUE(std::all_of(dc.Calls().begin() + 5, dc.Calls().end(), [](const pf::DcCall& c) {
    return c.op == "SetPixel" && c.color == pf::Rgb(0, 0, 0);
  }));
}

}  // namespace
