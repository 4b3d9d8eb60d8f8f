#include "basics/Point.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "pf/archive.h"

namespace {

struct XY {
  int32_t x, y;
};

testing::AssertionResult IsAt(const LPoint& p, XY want) {
  if (p.x == want.x && p.y == want.y) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "(" << p.x << "," << p.y << ")";
}

TEST(Point, ArithmeticAndHitTestNeverOverflow) {
  EXPECT_EQ(Point(INT32_MAX, INT32_MIN) + Point(1, -1), Point(INT32_MAX, INT32_MIN));
  EXPECT_TRUE(IsAt(LPoint(0, 0) - LPoint(INT32_MIN, 1), {INT32_MAX, -1}));
  EXPECT_FALSE(Point(INT32_MAX, 0).HitTest(Point(INT32_MIN, 0), INT32_MAX));
  for (auto [in, want] : {std::pair<XY, int32_t>{{0, -7}, 7}, {{46341, 46341}, 65536},
                          {{INT32_MIN, INT32_MIN}, INT32_MAX}})
    EXPECT_EQ(LPoint(in.x, in.y).Length(), want) << in.x;

  GitPoint g(1, 1);
  g.occupied = true;
  g = Point(-3, 4);  // the position only
  EXPECT_TRUE(g.occupied);
}

TEST(LPoint, ScalingAndRotationTruncateTowardZeroAndSaturate) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  const struct {
    XY in;
    char op;
    double f;
    XY want;
  } cases[] = {
      {{7, -3}, '*', 0.5, {3, -1}},
      {{10, 10}, '*', 0.1, {1, 1}},  // 0.1f is slightly above 0.1
      {{7, -3}, '/', 0.0, {INT32_MAX, INT32_MIN}},
      {{0, 0}, '/', 0.0, {0, 0}},
      {{5, -5}, '*', 1e30, {INT32_MAX, INT32_MIN}},
      {{5, -5}, '*', kNaN, {0, 0}},
      // The degree factor 0.0174533 lies just above pi/180: a quarter turn overshoots.
      {{10, 0}, 'r', 90.0, {0, 9}},
      {{3, 4}, 'r', 90.0, {-4, 2}},
      {{100, 100}, 'r', -45.0, {141, 0}},
      {{5, 5}, 'r', std::nan(""), {0, 0}},
  };
  for (const auto& c : cases) {
    LPoint p(c.in.x, c.in.y);
    if (c.op == 'r') p.Rotate(c.f);
    const auto f = static_cast<float>(c.f);
    EXPECT_TRUE(IsAt(c.op == '*' ? p * f : c.op == '/' ? p / f : p, c.want))
        << c.in.x << "," << c.in.y << " " << c.op << c.f;
  }
}

TEST(Point, ArchiveFormIsTwoInt32WithoutTheFlag) {
  std::ostringstream out;
  {
    pf::Archive ar(out);
    Point(25, -1).Serialize(ar);
    GitPoint g(50, 75);
    g.occupied = true;
    g.Serialize(ar);
  }
  EXPECT_EQ(out.str(), std::string("\x19\0\0\0\xff\xff\xff\xff\x32\0\0\0\x4b\0\0\0", 16));

  std::istringstream in(out.str());
  pf::Archive ar(in);
  LPoint l;
  GitPoint g;
  l.Serialize(ar);
  g.Serialize(ar);
  EXPECT_TRUE(IsAt(l, {25, -1}));
  EXPECT_EQ(g, Point(50, 75));
  EXPECT_THROW(l.Serialize(ar), pf::ArchiveError);
}

TEST(Point, TextStreamForm) {
  std::ostringstream out;
  out << Point(25, 50) << LPoint(-1, 0);
  EXPECT_EQ(out.str(), "(25,50)(-1,0)");

  std::istringstream in("[7;-8]x1,2y (3,");
  Point p;
  LPoint l;
  in >> p >> l;
  EXPECT_EQ(p, Point(7, -8));
  EXPECT_TRUE(IsAt(l, {1, 2}));
  Point partial(9, 9);
  in >> partial;
  EXPECT_TRUE(in.fail());
  EXPECT_EQ(partial, Point(9, 9));
}

}  // namespace
