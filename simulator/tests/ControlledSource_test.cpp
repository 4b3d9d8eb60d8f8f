#include "simulator/ControlledSource.h"

#include <gtest/gtest.h>

#include <cmath>

#include "simulator/tests/ModelBench.h"

namespace {

constexpr double kShort = Cmplx::kInverseOfZero;

// Without F and T the matrix is real and the same at every frequency. R1 or R2 = 0 is a
// short: the ideal current-controlled source still drives B times its input current, the
// ideal voltage output M times the input voltage.
TEST(ControlledSourceTest, RealMatrices) {
  const struct {
    const char* line;
    double y[4];  // Y11, Y12, Y21, Y22
  } cases[] = {
      {"VCG 1 2 G=10mMho R1=1kohm R2=1kohm", {0.001, 0.0, 0.01, 0.001}},
      {"CCG 1 2 B=50 R1=1kohm R2=500ohm", {0.001, 0.0, 0.05, 0.002}},
      {"VVG 1 0 2 0 M=10 R1=1kohm R2=500ohm", {0.001, 0.0, 0.02, 0.002}},
      {"VCG 1 2 G=10mMho R1=0ohm R2=0ohm", {kShort, 0.0, 0.01, kShort}},
      {"CCG 1 2 B=50 R1=0ohm R2=500ohm", {kShort, 0.0, 50 * kShort, 0.002}},
      {"VVG 1 0 2 0 M=10 R1=1kohm R2=0ohm", {0.001, 0.0, 10 * kShort, kShort}},
  };
  for (const auto& c : cases) {
    for (const float f : {0.0f, 1e10f}) {
      const PortMatrix y = ModelMatrixAt({c.line}, f);
      for (int k = 0; k < 4; ++k) {
        const Cmplx v = y.GetAt(k / 2 + 1, k % 2 + 1);
        EXPECT_NEAR(v.re, c.y[k], 1e-7 * c.y[k]) << c.line << " " << f << " " << k;
        EXPECT_EQ(v.im, 0.0);
      }
    }
  }
}

// M = 80 dB is a gain of 10000; R1 lies between the inputs; R2 = 0 is an ideal output.
TEST(ControlledSourceTest, OpAmplifier) {
  for (const auto& [line, g2] : {std::pair{"OPA 1 2 3 M=80 R1=1kohm R2=1ohm", 1.0},
                                 std::pair{"OPA 1 2 3 M=80 R1=1kohm R2=0ohm", kShort}}) {
    const PortMatrix y = ModelMatrixAt({line}, 1e6f);
    ASSERT_EQ(y.GetSize(), 3);
    EXPECT_DOUBLE_EQ(y.GetAt(3, 1).re, 10000.0 * g2);
    EXPECT_DOUBLE_EQ(y.GetAt(3, 2).re, -10000.0 * g2);
    EXPECT_DOUBLE_EQ(y.GetAt(3, 3).re, g2);
    EXPECT_DOUBLE_EQ(y.GetAt(1, 2).re, -0.001);
    EXPECT_DOUBLE_EQ(y.GetAt(2, 2).re, 0.001);
    EXPECT_EQ(y.GetAt(1, 3).Abs(), 0.0);
  }
}

// F alone, T alone (read as the fourth value) and both: |Y21| falls by 1/sqrt(2) at f = F and
// the phase by 360 f T degrees.
TEST(ControlledSourceTest, RollOffAndDelay) {
  const struct {
    const char* line;
    float f;
    double magnitude;  // |Y21|
    double phase;      // degrees
  } cases[] = {
      {"VCG 1 2 G=10mMho R1=1kohm R2=1kohm F=10MHz", 10e6f, 0.01 / std::sqrt(2.0), -45.0},
      {"VCG 1 2 G=10mMho R1=1kohm R2=1kohm T=1nSec", 100e6f, 0.01, -36.0},
      {"OPA 1 2 3 M=20 R1=1kohm R2=2ohm F=100MHz T=1nSec", 100e6f, 5.0 / std::sqrt(2.0), -81.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const PortMatrix y = ModelMatrixAt({c.line}, c.f);
    const Cmplx h = y.GetSize() == 3 ? y.GetAt(3, 1) : y.GetAt(2, 1);
    EXPECT_NEAR(h.Abs(), c.magnitude, 1e-6 * c.magnitude);
    EXPECT_NEAR(std::atan2(h.im, h.re) * 180.0 / 3.141592653589793, c.phase, 1e-4);
  }
}

// "T" is sought as plain text: the prefix T of a value makes the line lack its '='.
TEST(ControlledSourceTest, RefusedLines) {
  const char* const cases[][2] = {
      {"VCG 1 2 G=10mMho R1=1kohm R2=1Tohm", " = fehlt "},
      {"OPA 1 2 3 M=80 R1=1kohm", " R2 fehlt "},
      {"CCG 1 2 B=50 R1=1kohm R2=500", "RES: KeineDimension"},
      {"OPA 1 2 3 M=1000 R1=1kohm R2=1ohm", " Wert fehlerhaft "},
      {"OPA 1 2 3 M=80 R1=0ohm R2=1ohm", "Eingangswiderstand darf nicht 0 sein"},
  };
  for (const auto& c : cases) EXPECT_TRUE(ModelRefuses({c[0]}, c[1])) << c[0];
}

}  // namespace
