#include "simulator/NonLinearUsrNet.h"

#include <gtest/gtest.h>

#include <string>

#include "simulator/DcSweepSupply.h"
#include "simulator/PNDiodeElement.h"
#include "simulator/PortMatrix.h"
#include "simulator/tests/ReaderHarness.h"
#include "simulator/tests/TestElements.h"

namespace {

// A 1 V supply behind 1 kohm that solves one point.
class TestSupply : public EinTor, public DcSweepSupply {
 public:
  explicit TestSupply(const NetLine& line) : EinTor(line) { typeName = "DcGeneratorElement"; }
  void FillMatrix(float) override { portMatrix->SetAt(Cmplx(1e-3, 0.0), 1, 1); }
  bool SkipsFillMatrix() const override { return false; }
  void ResetSweep() override {}
  bool NextStep() override { return false; }
  double GetNortonCurrent() const override { return 1e-3; }
  double GetPresentValue() const override { return 1.0; }
};

TEST(NonLinearUsrNet, SingularNetworkFailsTheStep) {
  ReaderHarness harness;
  harness.elements = ElementRegistry();
  harness.elements.Register("DCQU",
                            [](const NetLine& l) -> NetElement* { return new TestSupply(l); });
  harness.elements.Register("HLD", PNDiodeElement::Create);
  RegisterTestElements(harness.elements);
  // Nodes 2 and 3 hang on an element without conductance at DC.
  ASSERT_TRUE(harness.Run(
      {"BLK", "N: 1POR 1", "DCQU 1", "HLD 1 IS = 10fA NE = 1 RS = 0ohm", "TWO 2 3", "END"}));
  NonLinearUsrNet& net = *harness.reader.GetNonLinearNet(0);
  ASSERT_EQ(net.StartDcSweep(), 1);
  EXPECT_FALSE(net.NextDcStep());
  EXPECT_EQ(net.GetErrorCode(), 2);
  EXPECT_EQ(VS_Error::GetFirstMessage().ToCString(), std::string("Fehler im Gaus-Algorithmus"));
}

}  // namespace
