#include "diagrams/graphics/ColumnSpans.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "pf/cairo_dc.h"

namespace {

constexpr int kSide = 40;

// The pixels of the polyline through the points, one line after the other as a curve draws it.
std::vector<pf::ColorRef> Drawn(const std::vector<pf::Point>& points) {
  std::unique_ptr<pf::CairoDc> dc = pf::CairoDc::CreateImage(kSide, kSide);
  dc->SelectObject(pf::Pen{pf::PenStyle::Solid, 1, pf::Rgb(255, 0, 0)});
  dc->MoveTo(points.front());
  for (size_t i = 1; i < points.size(); ++i) dc->LineTo(points[i]);
  std::vector<pf::ColorRef> pixels;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) pixels.push_back(dc->GetPixel(x, y));
  return pixels;
}

// A point on the column before, the column's heights, a point on the column after.
std::vector<pf::Point> Column(int before, const std::vector<int>& heights, int after) {
  std::vector<pf::Point> points{{10, before}};
  for (int y : heights) points.push_back({20, y});
  points.push_back({30, after});
  return points;
}

TEST(ThinToColumns, AColumnDrawsTheSamePixelsFromItsFirstExtremesAndLast) {
  struct Case {
    int before;
    std::vector<int> heights;
    int after;
    size_t kept;
  };
  const Case cases[] = {
      {5, {8, 30, 12, 4, 20}, 35, 6},   // first, max, min, last
      {5, {4, 30, 12, 20}, 35, 5},      // the first is the lowest
      {5, {8, 30, 12, 4}, 35, 5},       // the last is the lowest
      {5, {0, 10, 5, 10}, 35, 6},       // the last repeats the later extreme, left before
      {5, {0, 5, 10, 10}, 35, 5},       // ... reached only at the end
      {5, {12, 12, 12, 12}, 35, 4},     // no span at all
      {5, {12, 30}, 35, 4},             // two points: nothing to thin
      {30, {20, 21, 22, 23, 24}, 1, 4}, // a steep run: its ends only
  };
  for (const Case& c : cases) {
    const std::vector<pf::Point> all = Column(c.before, c.heights, c.after);
    const std::vector<pf::Point> kept = ThinToColumns(all);
    EXPECT_EQ(kept.size(), c.kept) << c.heights.size() << " heights from " << c.heights[0];
    EXPECT_EQ(Drawn(kept), Drawn(all)) << c.heights.size() << " heights from " << c.heights[0];
  }
}

TEST(ThinToColumns, DenseCurvesKeepEveryPixel) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> height(2, kSide - 3);
  std::uniform_int_distribution<int> run(1, 9);
  for (int round = 0; round < 300; ++round) {
    std::vector<pf::Point> all;
    for (int x = 3; x < kSide - 3; x += 1 + round % 3) {
      const int n = run(random);
      // Small steps too, where a column's ends and extremes lie close together.
      int y = height(random);
      for (int i = 0; i < n; ++i) {
        all.push_back({x, y});
        y = round % 2 ? height(random) : std::clamp(y + run(random) - 5, 2, kSide - 3);
      }
    }
    const std::vector<pf::Point> kept = ThinToColumns(all);
    EXPECT_LE(kept.size(), all.size());
    ASSERT_EQ(Drawn(kept), Drawn(all)) << "round " << round;
  }
}

}  // namespace
