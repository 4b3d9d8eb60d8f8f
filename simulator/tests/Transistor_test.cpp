#include "simulator/Transistor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simulator/ElementModel.h"
#include "simulator/tests/ModelBench.h"

namespace {

using Lines = std::vector<std::string>;

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

struct Reference {
  char model;
  double frequency;
  Cmplx y[4];  // Y11, Y12, Y21, Y22
};

const Reference kReferences[] = {
#include "simulator/tests/fixtures/transistor_reference.inc"
};

// Entry by entry within tolerance relative to the entry.
testing::AssertionResult SameMatrix(const PortMatrix& a, const Cmplx (&b)[4], double tolerance) {
  if (a.GetSize() != 2) return testing::AssertionFailure() << "no two-port";
  for (int k = 0; k < 4; ++k) {
    const Cmplx d = a.GetAt(k / 2 + 1, k % 2 + 1) - b[k];
    if (d.Abs() > tolerance * b[k].Abs()) {
      return testing::AssertionFailure() << "entry " << k << " differs by " << d.Abs();
    }
  }
  return testing::AssertionSuccess();
}

PortMatrix Matrix(const Lines& lines, float f) { return ModelBench().MatrixAt(lines, f); }

TEST(TransistorTest, IntrinsicModels) {
  for (const float f : {0.0f, 1e3f, 1e9f}) {
    const double w = 2.0 * kModelPi * f;
    const PortMatrix fet = Matrix({"FET 1 0 2 0 G=50mMho CGS=0.6pF"}, f);
    EXPECT_TRUE(
        SameMatrix(fet, {{0.0, w * 0.6e-12}, {1e-12, 0.0}, {0.05, 0.0}, {1e-12, 0.0}}, 1e-6));
    const PortMatrix bip = Matrix({"BIP 1 2 A=0.99 RE=10ohm"}, f);
    EXPECT_TRUE(SameMatrix(bip, {{0.001, 0.0}, {1e-12, 0.0}, {0.099, 0.0}, {1e-12, 0.0}}, 2e-6));
  }
}

TEST(TransistorTest, AllParasiticsMatchNodalAnalysis) {
  for (const Reference& r : kReferences) {
    SCOPED_TRACE(testing::Message() << r.model << " " << r.frequency);
    const PortMatrix y = Matrix(r.model == 'F' ? kFet : kBip, static_cast<float>(r.frequency));
    EXPECT_TRUE(SameMatrix(y, r.y, 2e-5));
  }
}

// Keys are taken by name wherever they stand, on any continuation line, in any order.
TEST(TransistorTest, KeysInAnyOrderAndLine) {
  const float f = 3e9f;
  const PortMatrix writerOrder = Matrix(kFet, f);
  const PortMatrix shuffled = Matrix({"FET 1 2 GDG=0.02mMho CGDE=0.01pF", "+", "+",
                                      "+ LD=0.25nH LS=0.05nH LG=0.3nH RI=3ohm CGS=0.6pF",
                                      "+ RDG=5ohm CDG=0.05pF CDC=0.01pF CDS=0.12pF GDS=2mMho",
                                      "+ RG=1.5ohm RD=2ohm RS=1ohm CGE=0.04pF CDE=0.03pF",
                                      "+ F=20GHz T=2pSec GGS=0.1mMho G=50mMho"},
                                     f);
  ASSERT_EQ(shuffled.GetSize(), 2);
  for (int k = 0; k < 4; ++k) {
    const Cmplx a = writerOrder.GetAt(k / 2 + 1, k % 2 + 1);
    const Cmplx b = shuffled.GetAt(k / 2 + 1, k % 2 + 1);
    EXPECT_EQ(a.re, b.re);
    EXPECT_EQ(a.im, b.im);
  }
  // "CC" is the other name of "CI".
  const PortMatrix ci = Matrix({"BIP 1 2 A=0.98 RE=12ohm", "+ CI=0.5pF"}, f);
  const PortMatrix cc = Matrix({"BIP 1 2 A=0.98 RE=12ohm", "+ CC=0.5pF"}, f);
  EXPECT_EQ(ci.GetAt(1, 2).im, cc.GetAt(1, 2).im);
  EXPECT_NE(ci.GetAt(1, 2).im, 0.0);
}

// A drain-gate capacitance alone is an open branch at 0 Hz, not a short.
TEST(TransistorTest, FeedbackCapacitanceOpenAtZeroFrequency) {
  const PortMatrix y = Matrix({"FET 1 2 G=50mMho CGS=0.6pF CDG=0.1pF"}, 0.0f);
  EXPECT_EQ(y.GetAt(1, 2).re, 1e-12);
  EXPECT_EQ(y.GetAt(1, 1).re, 0.0);
}

struct Refused {
  Lines lines;
  const char* message;  // a queued message contains it
};

TEST(TransistorTest, RefusedLines) {
  const Lines tooMany = [] {
    Lines lines = {"FET 1 2 G=50mMho CGS=0.6pF"};
    lines.insert(lines.end(), Transistor::kMaxContinuations + 1, "+ RD=1ohm");
    return lines;
  }();
  const Refused cases[] = {
      {{"FET 1 2 CGS=0.6pF"}, " G fehlt "},
      {{"FET 1 2 G=50mMho CGS=0.6pF", "+ RD 1ohm"}, " = fehlt "},
      {{"FET 1 2 G=50mMho CGS=0.6pF", "+ RD=1ohm RD=2ohm"}, " RD=2ohm nicht verwendet "},
      {{"FET 1 2 G=50mMho CGS=0.6pF XY=3 1pF"}, " XY=3 1pF nicht verwendet "},
      {{"BIP 1 2 A=0.98 RE=12ohm CI=1pF CC=1pF"}, " CC=1pF nicht verwendet "},
      {{"BIP 1 2 A=0.98 RE=12"}, "RES: KeineDimension"},
      {{"BIP 1 2 A=0.98 RE=12ohm LE="}, " Wert fehlerhaft "},
      {tooMany, "Zuviele Fortsetzungszeilen"},
  };
  for (const Refused& c : cases) {
    EXPECT_TRUE(ModelBench::Refuses(c.lines, c.message)) << c.lines.front();
  }
}

}  // namespace
