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
      {RgbColor(200, 100, 50), 1.5f, Ref(44, 150, 75)},
      {RgbColor(10, 20, 30), -1.0f, Ref(246, 236, 226)},
      {RgbColor(), std::numeric_limits<float>::quiet_NaN(), Ref(0, 0, 0)},
      {RgbColor(), 1e30f, Ref(255, 255, 255)},  // saturates at INT32_MAX first
      {RgbColor(Ref(153, 102, 51) | 0xFF000000u), 1.0f, Ref(153, 102, 51)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.colour.GetScaledRef(c.f), c.want) << c.colour << " * " << c.f;
  }
}

TEST(RgbColor, ArchiveAndTextForms) {
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
  EXPECT_EQ(c.b, 300);

  std::ostringstream text;
  text << RgbColor();
  EXPECT_EQ(text.str(), "(252,252,252)");
  std::istringstream back("[4;5;6](7,8");
  back >> c;
  EXPECT_EQ(c.GetScaledRef(1.0f), Ref(4, 5, 6));
  back >> c;  // incomplete: unchanged
  EXPECT_EQ(c.GetScaledRef(1.0f), Ref(4, 5, 6));
}

}  // namespace
