#include "basics/Point.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "basics/RgbColor.h"
#include "pf/archive.h"

namespace {

struct XY {
  int32_t x, y;
};

testing::AssertionResult IsAt(const LPoint& p, XY want) {
  if (p.x == want.x && p.y == want.y) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "(" << p.x << "," << p.y << ")";
}

TEST(Point, HitTestBoundsAreInclusiveAndNeverOverflow) {
  const Point centre(50, 50);
  EXPECT_TRUE(centre.HitTest(Point(55, 45), 5));
  EXPECT_FALSE(centre.HitTest(Point(56, 50), 5));
  EXPECT_FALSE(centre.HitTest(Point(50, 44), 5));
  EXPECT_FALSE(Point(INT32_MAX, 0).HitTest(Point(INT32_MIN, 0), INT32_MAX));
}

TEST(Point, ArithmeticReturnsCopiesAndSaturates) {
  Point p(10, 20);
  (p += Point(1, 2)) += Point(100, 100);
  EXPECT_EQ(p, Point(11, 22));
  EXPECT_EQ(p - Point(1, 2), Point(10, 20));
  EXPECT_EQ(Point(INT32_MAX, INT32_MIN) + Point(1, -1), Point(INT32_MAX, INT32_MIN));
  EXPECT_TRUE(IsAt(LPoint(0, 0) - LPoint(INT32_MIN, 1), {INT32_MAX, -1}));
}

TEST(Point, AssigningAPositionKeepsTheGridFlag) {
  GitPoint g(1, 1);
  g.occupied = true;
  g = Point(LPoint(-3, 4));
  EXPECT_EQ(g, Point(-3, 4));
  EXPECT_TRUE(g.occupied);
}

TEST(LPoint, ScalingTruncatesTowardZeroAndSaturates) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  const struct {
    XY in;
    char op;
    float f;
    XY want;
  } cases[] = {
      {{7, -3}, '*', 0.5f, {3, -1}},
      {{7, -3}, '/', 2.0f, {3, -1}},
      {{10, 10}, '*', 0.1f, {1, 1}},  // 0.1f is slightly above 0.1
      {{7, -3}, '/', 0.0f, {INT32_MAX, INT32_MIN}},
      {{0, 0}, '/', 0.0f, {0, 0}},
      {{5, -5}, '*', 1e30f, {INT32_MAX, INT32_MIN}},
      {{5, -5}, '*', kNaN, {0, 0}},
  };
  for (const auto& c : cases) {
    const LPoint p(c.in.x, c.in.y);
    EXPECT_TRUE(IsAt(c.op == '*' ? p * c.f : p / c.f, c.want)) << c.in.x << c.op << c.f;
  }
}

// The degree factor 0.0174533 lies just above pi/180: a quarter turn overshoots the axis by a
// hair, and truncation shows it.
TEST(LPoint, RotateTruncatesTowardZero) {
  const struct {
    XY in;
    double degrees;
    XY want;
  } cases[] = {
      {{10, 0}, 90.0, {0, 9}},       {{3, 4}, 90.0, {-4, 2}},
      {{-10, 0}, 0.0, {-9, 0}},      {{0, 0}, 45.0, {0, 0}},         {{100, 100}, -45.0, {141, 0}},
      {{1000, 0}, 30.0, {866, 500}}, {{5, 5}, std::nan(""), {0, 0}},
  };
  for (const auto& c : cases) {
    LPoint p(c.in.x, c.in.y);
    p.Rotate(c.degrees);
    EXPECT_TRUE(IsAt(p, c.want)) << c.in.x << "," << c.in.y << " by " << c.degrees;
  }
}

TEST(LPoint, Length) {
  const struct {
    XY in;
    int32_t want;
  } cases[] = {{{0, -7}, 7}, {{1, 1}, 1}, {{46341, 46341}, 65536},  // squares overflow 32 bits
               {{INT32_MIN, 0}, INT32_MAX}, {{INT32_MIN, INT32_MIN}, INT32_MAX}};
  for (const auto& c : cases)
    EXPECT_EQ(LPoint(c.in.x, c.in.y).Length(), c.want) << c.in.x << "," << c.in.y;
}

TEST(DoublePoint, EqualWhenBothPointsAre) {
  const DoublePoint a(Point(1, 2), LPoint(3, 4));
  EXPECT_NE(a, DoublePoint(Point(1, 2), LPoint(3, 5)));
  EXPECT_NE(a, DoublePoint(Point(0, 2), LPoint(3, 4)));
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
  EXPECT_FALSE(g.occupied);
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

TEST(Point, CreatableByName) {
  for (const pf::RuntimeClass* cls :
       {PF_RUNTIME_CLASS(Point), PF_RUNTIME_CLASS(LPoint), PF_RUNTIME_CLASS(RgbColor)}) {
    const auto obj = pf::ClassRegistry::Instance().Create(cls->name);
    ASSERT_NE(obj, nullptr) << cls->name;
    EXPECT_EQ(obj->GetRuntimeClass(), cls);
    EXPECT_EQ(cls->schema, 1);
  }
}

}  // namespace
