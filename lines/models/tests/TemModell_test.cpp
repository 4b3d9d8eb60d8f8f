#include "lines/models/TemModell.h"

#include <gtest/gtest.h>

#include <complex>

namespace {

std::complex<double> Std(const Cmplx& z) { return {z.re, z.im}; }

TEST(TemModell, AdmittancesFollowTheEndLetterOnceAWavelengthIsKnown) {
  TemModell model;
  model.end = 'S';
  EXPECT_FALSE(model.Update(1e9));
  // Never updated: no wavelength, no phase constant, no admittance.
  EXPECT_EQ(Std(model.GetAdmittance()), 0.0);
  EXPECT_EQ(Std(model.LineAdmittance()), 0.0);

  model.Z0 = 75.0;
  model.alpha = 0.5;
  model.lambda = 0.2;
  model.length = 0.03;
  const std::complex<double> gl = std::complex<double>(0.5, 2.0 * 3.14159265358979 / 0.2) * 0.03;
  const std::pair<char, std::complex<double>> ends[] = {
      {'S', 1.0 / (75.0 * std::tanh(gl))}, {'O', std::tanh(gl) / 75.0}, {'L', 0.0}, {'X', 0.0}};
  for (const auto& [end, expected] : ends) {
    model.end = end;
    EXPECT_LT(std::abs(Std(model.GetAdmittance()) - expected), 1e-15) << end;
  }
  EXPECT_LT(std::abs(Std(model.StubAdmittance()) - 1.0 / (75.0 * std::tanh(gl))), 1e-15);
  EXPECT_LT(std::abs(Std(model.LineAdmittance()) + 1.0 / (75.0 * std::sinh(gl))), 1e-15);
}

}  // namespace
