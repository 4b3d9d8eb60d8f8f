#include "basics/RgbColor.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>

#include "pf/archive.h"

namespace {

pf::ColorRef Ref(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

TEST(RgbColor, ScaledReferenceWrapsEachComponent) {
  const struct {
    RgbColor colour;
    float f;
    pf::ColorRef want;
  } cases[] = {
      {RgbColor(), 0.5f, Ref(126, 126, 126)},
      {RgbColor(200, 100, 50), 1.5f, Ref(44, 150, 75)},
      {RgbColor(10, 20, 30), -1.0f, Ref(246, 236, 226)},
      {RgbColor(3, 255, 7), 0.5f, Ref(1, 127, 3)},
      {RgbColor(), std::numeric_limits<float>::quiet_NaN(), Ref(0, 0, 0)},
      {RgbColor(), 1e30f, Ref(255, 255, 255)},  // saturates at INT32_MAX first
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.colour.GetScaledRef(c.f), c.want) << c.colour << " * " << c.f;
  }
}

TEST(RgbColor, FromReference) {
  const RgbColor c(Ref(153, 102, 51) | 0xFF000000u);
  EXPECT_EQ(c.r, 153);
  EXPECT_EQ(c.g, 102);
  EXPECT_EQ(c.b, 51);
}

TEST(RgbColor, ArchiveRoundTrip) {
  std::ostringstream out;
  {
    pf::Archive ar(out);
    RgbColor(1, -2, 300).Serialize(ar);
  }
  EXPECT_EQ(out.str(), std::string("\1\0\0\0\xfe\xff\xff\xff\x2c\1\0\0", 12));
  std::istringstream in(out.str());
  pf::Archive ar(in);
  RgbColor c;
  c.Serialize(ar);
  EXPECT_EQ(c.r, 1);
  EXPECT_EQ(c.g, -2);
  EXPECT_EQ(c.b, 300);
}

TEST(RgbColor, TextStreamForm) {
  std::ostringstream out;
  out << RgbColor() << RgbColor(1, 2, 3);
  EXPECT_EQ(out.str(), "(252,252,252)(1,2,3)");

  std::istringstream in("(1,2,3)[4;5;6]");
  RgbColor a;
  RgbColor b;
  in >> a >> b;
  EXPECT_EQ(a.GetScaledRef(1.0f), Ref(1, 2, 3));
  EXPECT_EQ(b.GetScaledRef(1.0f), Ref(4, 5, 6));
}

}  // namespace
