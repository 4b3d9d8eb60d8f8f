#include "lines/models/MicroStripStep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "lines/models/tests/ElementBench.h"

namespace {

constexpr const char* kAlumina = "AL: MS H=0.635mm ER=9.8 MET1 = CU 0um TAND=0.001";

MicroStripStep& Step(std::unique_ptr<NetElement>& element) {
  return dynamic_cast<MicroStripStep&>(*element);
}

TEST(MicroStripStep, ModeCouplingAgreesWithQuadrature) {
  struct Row {
    int m, n;
    double a, b, value;
  };
  const Row rows[] = {
#include "lines/models/tests/fixtures/step_mode_coupling.inc"
  };
  for (const Row& r : rows) {
    const float a = static_cast<float>(r.a);
    const float b = static_cast<float>(r.b);
    EXPECT_NEAR(MicroStripStep::ModeCoupling(r.m, r.n, a, b), r.value, 1e-10 * r.a)
        << r.m << " " << r.n << " " << r.a << " " << r.b;
  }
}

// The shunt part sits on the narrower port (port 2 for equal widths); without it a port's
// diagonal is minus the transfer admittance. Swapping the widths mirrors the matrix.
TEST(MicroStripStep, ReciprocalWithTheShuntPartAtTheNarrowerPort) {
  ElementBench bench({}, {kAlumina});
  for (int mo = 0; mo <= 2; ++mo) {
    for (const char* widths : {"W1=0.6mm W2=1.5mm", "W1=1.5mm W2=0.6mm"}) {
      const std::string line = "STEP 1 2 " + std::string(widths) + " MO=" + std::to_string(mo) + " AL";
      auto element = bench.Build(line.c_str());
      ASSERT_TRUE(element) << line;
      element->FillMatrix(4e9f);
      const Cmplx y11 = ElementBench::At(*element, 1, 1);
      const Cmplx y22 = ElementBench::At(*element, 2, 2);
      const Cmplx y21 = ElementBench::At(*element, 2, 1);
      EXPECT_EQ(ElementBench::At(*element, 1, 2).re, y21.re) << line;
      EXPECT_EQ(ElementBench::At(*element, 1, 2).im, y21.im) << line;
      const bool port1Narrow = widths[3] == '0';
      const Cmplx narrowShunt = (port1Narrow ? y11 : y22) + y21;
      const Cmplx wideShunt = (port1Narrow ? y22 : y11) + y21;
      EXPECT_LT(wideShunt.Abs(), 1e-12 * y21.Abs()) << line;
      EXPECT_NEAR(narrowShunt.im, 2 * M_PI * 4e9 * Step(element).GetC(), 2e-3 * narrowShunt.im)
          << line;
      EXPECT_GT(Step(element).GetC(), 0.0f) << line;
    }
  }
}

// Mode matching and the closed form describe the same step: a nearly pure inductance of the
// same size (a sign slip in the matching turns it into a series resistance of tens of ohms).
TEST(MicroStripStep, ModeMatchingAgreesWithTheClosedForm) {
  ElementBench bench({}, {kAlumina});
  for (const char* wide : {"W2=1.2mm", "W2=1.8mm"}) {
    auto matching = bench.Build((std::string("STEP 1 2 W1=0.6mm ") + wide + " MO=1 AL").c_str());
    auto closed = bench.Build((std::string("STEP 1 2 W1=0.6mm ") + wide + " MO=2 AL").c_str());
    ASSERT_TRUE(matching && closed);
    const float f = 1e9f;
    matching->FillMatrix(f);
    closed->FillMatrix(f);
    const Cmplx Zc = Step(matching).GetZc();
    EXPECT_LT(Zc.re, 1e-3 * Zc.im) << wide;
    EXPECT_NEAR(Zc.im / (2 * M_PI * f), Step(closed).GetL(), 0.15 * Step(closed).GetL()) << wide;
    EXPECT_LT(Step(matching).GetYd().Abs(), 1e-6) << wide;
  }
}

TEST(MicroStripStep, EqualWidthsShortThePortsWithoutShuntPart) {
  ElementBench bench({}, {kAlumina});
  for (const char* line : {"STEP 1 2 W1=1mm W2=1mm MO=0 AL", "STEP 1 2 W1=1mm W2=1mm MO=1 AL",
                           "STEP 1 2 W1=1mm W2=1mm MO=2 AL"}) {
    auto element = bench.Build(line);
    ASSERT_TRUE(element) << line;
    for (float f : {0.0f, 2e9f}) {
      element->FillMatrix(f);
      EXPECT_EQ(Step(element).GetC(), 0.0f) << line;
      const Cmplx y11 = ElementBench::At(*element, 1, 1);
      EXPECT_GT(y11.Abs(), 1e12) << line;
      EXPECT_TRUE(std::isfinite(y11.re) && std::isfinite(y11.im)) << line;
      EXPECT_TRUE(Near(y11, -ElementBench::At(*element, 2, 1), 1e-12)) << line;
    }
  }
}

TEST(MicroStripStep, FiniteAtZeroFrequency) {
  ElementBench bench({}, {kAlumina});
  for (int mo = 0; mo <= 2; ++mo) {
    const std::string line = "STEP 1 2 W1=0.3mm W2=2mm MO=" + std::to_string(mo) + " AL";
    auto element = bench.Build(line.c_str());
    ASSERT_TRUE(element);
    element->FillMatrix(0.0f);
    for (int r = 1; r <= 2; ++r) {
      for (int c = 1; c <= 2; ++c) {
        const Cmplx y = ElementBench::At(*element, r, c);
        EXPECT_TRUE(std::isfinite(y.re) && std::isfinite(y.im)) << line << " " << r << c;
      }
    }
    EXPECT_EQ(Step(element).GetR(), 0.0f) << line;
  }
}

}  // namespace
