#include "simulator/ControlledSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "simulator/tests/support/ElementBench.h"

namespace {

constexpr double kShort = Cmplx::kInverseOfZero;

// Without F and T the matrix is real and the same at every frequency. R1 or R2 = 0 is a
// short: the ideal current-controlled source still drives B times its input current, the
// ideal voltage output M times the input voltage. The amplifier's M = 80 dB is a gain of
// 10000, its R1 lies between the inputs.
TEST(ControlledSourceTest, RealMatrices) {
  const struct {
    const char* line;
    std::vector<double> y;  // row by row
  } cases[] = {
      {"VCG 1 2 G=10mMho R1=1kohm R2=1kohm", {0.001, 0.0, 0.01, 0.001}},
      {"CCG 1 2 B=50 R1=1kohm R2=500ohm", {0.001, 0.0, 0.05, 0.002}},
      {"VVG 1 0 2 0 M=10 R1=1kohm R2=500ohm", {0.001, 0.0, 0.02, 0.002}},
      {"VCG 1 2 G=10mMho R1=0ohm R2=0ohm", {kShort, 0.0, 0.01, kShort}},
      {"CCG 1 2 B=50 R1=0ohm R2=500ohm", {kShort, 0.0, 50 * kShort, 0.002}},
      {"VVG 1 0 2 0 M=10 R1=1kohm R2=0ohm", {0.001, 0.0, 10 * kShort, kShort}},
      {"OPA 1 2 3 M=80 R1=1kohm R2=1ohm",
       {0.001, -0.001, 0.0, -0.001, 0.001, 0.0, 10000.0, -10000.0, 1.0}},
      {"OPA 1 2 3 M=80 R1=1kohm R2=0ohm",
       {0.001, -0.001, 0.0, -0.001, 0.001, 0.0, 1e4 * kShort, -1e4 * kShort, kShort}},
  };
  for (const auto& c : cases) {
    for (const float f : {0.0f, 1e10f}) {
      const PortMatrix y = ModelMatrixAt({c.line}, f);
      const int n = y.GetSize();
      ASSERT_EQ(static_cast<size_t>(n * n), c.y.size()) << c.line;
      for (int k = 0; k < n * n; ++k) {
        const Cmplx v = y.GetAt(k / n + 1, k % n + 1);
        EXPECT_NEAR(v.re, c.y[k], 1e-7 * std::fabs(c.y[k])) << c.line << " " << f << " " << k;
        EXPECT_EQ(v.im, 0.0);
      }
    }
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

// A port on ground alone, as the symbols write a grounded third pin, is a shorted port: the
// network is the one whose port is shorted to ground through a jumper node.
TEST(ControlledSourceTest, GroundedPortsAreShorted) {
  const struct {
    const char* grounded;
    const char* jumpered;  // the same element with node 3 in place of the grounded port
  } cases[] = {
      {"OPA 1 0 2 M=40 R1=1kohm R2=50ohm F=1MHz", "OPA 1 3 2 M=40 R1=1kohm R2=50ohm F=1MHz"},
      {"OPA 0 1 2 M=20 R1=1kohm R2=50ohm", "OPA 3 1 2 M=20 R1=1kohm R2=50ohm"},
      {"SYUE 1 2 0 AL=10nH N1=2 N2=1 K=0.5", "SYUE 1 2 3 AL=10nH N1=2 N2=1 K=0.5"},
      {"SYUE 1 0 2 AL=10nH N1=1 N2=3 K=-0.3", "SYUE 1 3 2 AL=10nH N1=1 N2=3 K=-0.3"},
      {"CCG 1 0 B=10 R1=1kohm R2=1kohm", "CCG 1 3 B=10 R1=1kohm R2=1kohm"},
      {"VCG 0 0 2 0 G=10mMho R1=1kohm R2=1kohm", "VCG 3 0 2 0 G=10mMho R1=1kohm R2=1kohm"},
      {"VVG 1 0 0 0 M=10 R1=1kohm R2=50ohm", "VVG 1 0 3 0 M=10 R1=1kohm R2=50ohm"},
      {"MUI 1 0 L1=10nH L2=40nH K=0.8", "MUI 1 3 L1=10nH L2=40nH K=0.8"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.grounded);
    const Lines common = {"N: 2POR 1 2", "RES 1 2 R = 100ohm", "RES 2 R = 75ohm"};
    Lines grounded = common, jumpered = common;
    grounded.push_back(c.grounded);
    jumpered.push_back(c.jumpered);
    jumpered.push_back("RES 3 0 R = 0ohm");
    ElementBench bench;
    const LongMatrix s = bench.NetworkS(grounded, 1e8f);
    const LongMatrix expected = bench.NetworkS(jumpered, 1e8f);
    ASSERT_EQ(s.size(), 4u);
    ASSERT_EQ(expected.size(), 4u);
    for (int k = 0; k < 4; ++k) EXPECT_LE(std::abs(s[k] - expected[k]), 1e-12L) << k;
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
