#include "lines/models/MicroStripStep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "simulator/tests/support/ElementBench.h"

namespace {

constexpr const char* kAlumina = "AL: MS H=0.635mm ER=9.8 MET1 = CU 0um TAND=0.001";

const MicroStripStep& Step(const std::unique_ptr<NetElement>& element) {
  return dynamic_cast<const MicroStripStep&>(*element);
}

TEST(MicroStripStep, ModeCouplingAgreesWithQuadrature) {
  const double rows[][5] = {
#include "lines/models/tests/fixtures/step_mode_coupling.inc"
  };
  for (const auto& r : rows) {
    const float a = static_cast<float>(r[2]);
    EXPECT_NEAR(MicroStripStep::ModeCoupling(int(r[0]), int(r[1]), a, float(r[3])), r[4], 1e-10 * a)
        << r[0] << " " << r[1] << " " << a;
  }
}

// The shunt part sits on the narrower port, port 2 for equal widths, where it is zero; the
// other port's diagonal is minus the transfer admittance.
TEST(MicroStripStep, ReciprocalWithTheShuntPartAtTheNarrowerPort) {
  ElementBench bench({kAlumina});
  for (int mo = 0; mo <= 2; ++mo) {
    for (const char* widths : {"W1=0.6mm W2=1.5mm", "W1=1.5mm W2=0.6mm", "W1=1mm W2=1mm"}) {
      const std::string line =
          "STEP 1 2 " + std::string(widths) + " MO=" + std::to_string(mo) + " AL";
      auto element = bench.Build(line.c_str());
      ASSERT_TRUE(element) << line;
      for (float f : {0.0f, 4e9f}) {
        element->FillMatrix(f);
        EXPECT_TRUE(FiniteAndReciprocal(*element)) << line;
        const int narrow = widths[3] == '0' ? 1 : 2;
        const Cmplx y21 = At(*element, 2, 1);
        EXPECT_LT((At(*element, 3 - narrow, 3 - narrow) + y21).Abs(), 1e-12 * y21.Abs()) << line;
        const Cmplx shunt = At(*element, narrow, narrow) + y21;
        EXPECT_NEAR(shunt.im, 2 * M_PI * f * Step(element).GetC(), 2e-3 * shunt.Abs()) << line;
        EXPECT_EQ(Step(element).GetC() > 0.0f, f > 0.0f && widths[4] != 'm') << line;
      }
    }
  }
}

// Mode matching and the closed form describe the same step: a nearly pure inductance of the
// same size (a sign slip in the matching turns it into a series resistance of tens of ohms).
TEST(MicroStripStep, ModeMatchingAgreesWithTheClosedForm) {
  ElementBench bench({kAlumina});
  for (const std::string wide : {"W2=1.2mm", "W2=1.8mm"}) {
    auto matching = bench.Build(("STEP 1 2 W1=0.6mm " + wide + " MO=1 AL").c_str());
    auto closed = bench.Build(("STEP 1 2 W1=0.6mm " + wide + " MO=2 AL").c_str());
    ASSERT_TRUE(matching && closed);
    matching->FillMatrix(1e9f);
    closed->FillMatrix(1e9f);
    const Cmplx Zc = Step(matching).GetZc();
    EXPECT_LT(Zc.re, 1e-3 * Zc.im) << wide;
    EXPECT_NEAR(Zc.im / (2 * M_PI * 1e9), Step(closed).GetL(), 0.15 * Step(closed).GetL());
    EXPECT_LT(Step(matching).GetYd().Abs(), 1e-6) << wide;
  }
}

}  // namespace
