#include "simulator/Transistor.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "simulator/LumpedMath.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

// The circuits of tools/gen_transistor_fixtures.py; the keys in the order the symbols write
// them.
const Lines kFet = {"FET 1 2 G=50mMho CGS=0.6pF F=20GHz T=2pSec GGS=0.1mMho",
                    "+ RDG=5ohm CDG=0.05pF CDC=0.01pF CDS=0.12pF GDS=2mMho RI=3ohm",
                    "+ RG=1.5ohm RD=2ohm RS=1ohm CGE=0.04pF CDE=0.03pF LG=0.3nH",
                    "+ LD=0.25nH LS=0.05nH CGDE=0.01pF GDG=0.02mMho"};
const Lines kBip = {"BIP 1 2 A=0.98 RE=12ohm F=5GHz T=10pSec CE=2pF",
                    "+ CI=0.05pF RC=200kohm RCE=20kohm RO=50ohm CO=0.1pF RB1=20ohm",
                    "+ RC1=5ohm RE1=1.5ohm RB2=3ohm RC2=2ohm CBE=0.08pF CBC=0.02pF",
                    "+ CCE=0.05pF LB=0.5nH LC=0.4nH LE=0.1nH"};

using Entries = std::array<Cmplx, 4>;  // Y11, Y12, Y21, Y22

struct Reference {
  char model;
  double frequency;
  Entries y;
};

const Reference kReferences[] = {
#include "simulator/tests/fixtures/transistor_reference.inc"
};

Entries At(const Lines& lines, float f) {
  const PortMatrix y = ModelMatrixAt(lines, f);
  return {y.GetAt(1, 1), y.GetAt(1, 2), y.GetAt(2, 1), y.GetAt(2, 2)};
}

// Entry by entry within tolerance relative to the entry.
testing::AssertionResult Same(const Entries& a, const Entries& b, double tolerance) {
  for (int k = 0; k < 4; ++k) {
    const double d = (a[k] - b[k]).Abs();
    if (d > tolerance * b[k].Abs()) return testing::AssertionFailure() << k << " off by " << d;
  }
  return testing::AssertionSuccess();
}

TEST(TransistorTest, IntrinsicModels) {
  for (const float f : {0.0f, 1e3f, 1e9f}) {
    const Entries fet = {
        {{0.0, 2.0 * kModelPi * f * 0.6e-12}, {1e-12, 0.0}, {0.05, 0.0}, {1e-12, 0.0}}};
    EXPECT_TRUE(Same(At({"FET 1 0 2 0 G=50mMho CGS=0.6pF"}, f), fet, 1e-6)) << f;
    const Entries bip = {{{0.001, 0.0}, {1e-12, 0.0}, {0.099, 0.0}, {1e-12, 0.0}}};
    EXPECT_TRUE(Same(At({"BIP 1 2 A=0.99 RE=10ohm"}, f), bip, 2e-6)) << f;
  }
  // A drain-gate capacitance alone is an open branch at 0 Hz, not a short.
  EXPECT_TRUE(Same(At({"FET 1 2 G=50mMho CGS=0.6pF CDG=0.1pF"}, 0.0f),
                   At({"FET 1 2 G=50mMho CGS=0.6pF"}, 0.0f), 0.0));
}

TEST(TransistorTest, AllParasiticsMatchNodalAnalysis) {
  for (const Reference& r : kReferences) {
    const Entries y = At(r.model == 'F' ? kFet : kBip, static_cast<float>(r.frequency));
    EXPECT_TRUE(Same(y, r.y, 2e-5)) << r.model << " " << r.frequency;
  }
}

// Keys are taken by name wherever they stand, on any continuation line, in any order; "CC" is
// the other name of "CI".
TEST(TransistorTest, KeysInAnyOrderAndLine) {
  const Lines shuffled = {"FET 1 2 GDG=0.02mMho CGDE=0.01pF",
                          "+",
                          "+",
                          "+ LD=0.25nH LS=0.05nH LG=0.3nH RI=3ohm CGS=0.6pF",
                          "+ RDG=5ohm CDG=0.05pF CDC=0.01pF CDS=0.12pF GDS=2mMho",
                          "+ RG=1.5ohm RD=2ohm RS=1ohm CGE=0.04pF CDE=0.03pF",
                          "+ F=20GHz T=2pSec GGS=0.1mMho G=50mMho"};
  EXPECT_TRUE(Same(At(shuffled, 3e9f), At(kFet, 3e9f), 0.0));
  const Entries cc = At({"BIP 1 2 A=0.98 RE=12ohm", "+ CC=0.5pF"}, 3e9f);
  EXPECT_TRUE(Same(cc, At({"BIP 1 2 A=0.98 RE=12ohm", "+ CI=0.5pF"}, 3e9f), 0.0));
  EXPECT_NE(cc[1].im, 0.0);
}

TEST(TransistorTest, RefusedLines) {
  Lines tooMany(Transistor::kMaxContinuations + 2, "+ RD=1ohm");
  tooMany[0] = "FET 1 2 G=50mMho CGS=0.6pF";
  const std::pair<Lines, const char*> cases[] = {
      {{"FET 1 2 CGS=0.6pF"}, " G fehlt "},
      {{"FET 1 2 G=50mMho CGS=0.6pF", "+ RD 1ohm"}, " = fehlt "},
      {{"FET 1 2 G=50mMho CGS=0.6pF", "+ RD=1ohm RD=2ohm"}, " RD=2ohm nicht verwendet "},
      {{"FET 1 2 G=50mMho CGS=0.6pF XY=3 1pF"}, " XY=3 1pF nicht verwendet "},
      {{"BIP 1 2 A=0.98 RE=12ohm CI=1pF CC=1pF"}, " CC=1pF nicht verwendet "},
      {{"BIP 1 2 A=0.98 RE=12"}, "RES: KeineDimension"},
      {{"BIP 1 2 A=0.98 RE=12ohm LE="}, " Wert fehlerhaft "},
      {tooMany, "Zuviele Fortsetzungszeilen"},
  };
  for (const auto& [lines, message] : cases) {
    EXPECT_TRUE(ModelRefuses(lines, message)) << lines.front();
  }
}

}  // namespace
