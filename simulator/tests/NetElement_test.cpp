#include "simulator/NetElement.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "simulator/PortMatrix.h"
#include "simulator/SymbolTable.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

template <class Base>
class Bare : public Base {
 public:
  using Base::Base;
  void FillMatrix(float) override {}
  bool SkipsFillMatrix() const override { return false; }
};

using Factory = std::unique_ptr<NetElement> (*)(const NetLine&);

template <class Base>
std::unique_ptr<NetElement> Make(const NetLine& line) {
  return std::make_unique<Bare<Base>>(line);
}

std::string Ports(const NetElement& element) {
  std::string text;
  for (int k = 0; k < element.GetPortCount(); ++k) {
    text.append("(").append(std::to_string(element.GetPort(k).nodePlus)).append(",");
    text.append(std::to_string(element.GetPort(k).nodeMinus)).append(")");
  }
  return text;
}

struct Case {
  Factory make;
  const char* line;
  const char* ports;    // after both passes; "" when a pass reported
  const char* message;  // the first queued message, "" for none
};

// Both passes as the network builder runs them.
TEST(NetElementTest, CheckAndReadPasses) {
  const Case cases[] = {
      {Make<EinTor>, "RES 3 R=5", "(3,0)", ""},
      {Make<EinTor>, "RES 3 5 R=5", "(3,5)", ""},
      {Make<EinTor>, "RES 4 4", "", "Identische Knoten in einem Zweig"},
      {Make<ZweiTor>, "TWO 1 2", "(1,0)(2,0)", ""},
      {Make<ZweiTor>, "TWO 1", "", "1 SYN_ERR Knoten "},
      {Make<DreiTor>, "SYUE 1 2 3", "(1,0)(2,0)(3,0)", ""},
      {Make<VierTor>, "X 1 0 2 0 3 0 4 0", "(1,0)(2,0)(3,0)(4,0)", ""},
      {Make<DreiPol>, "BIP 1 0 2 0", "(1,0)(2,0)", ""},
      {Make<DreiPol>, "BIP 1 3 2 3", "(1,3)(2,3)", ""},
      {Make<VierPunkt>, "TEE 1 2 3", "(1,0)(2,0)(3,0)", ""},
      {Make<VierPunkt>, "TEE 1 0 2 0 3 4", "", "Vierpole haben gleichen Bezugspunkt"},
      {Make<FuenfPol>, "CPL 1 2 3 4", "(1,0)(2,0)(3,0)(4,0)", ""},
      // A port on ground alone is a shorted port of a multi-port, however many there are.
      {Make<DreiTor>, "SYUE 1 2 0", "(1,0)(2,0)(0,0)", ""},
      {Make<VierPunkt>, "OPA 1 0 2", "(1,0)(0,0)(2,0)", ""},
      {Make<DreiPol>, "MUI 1 0", "(1,0)(0,0)", ""},
      {Make<DreiPol>, "VCG 0 0 2 0", "(0,0)(2,0)", ""},
      {Make<ZweiTor>, "TWO 0 0", "(0,0)(0,0)", ""},
      {Make<EinTor>, "RES 0 0", "", "Identische Knoten in einem Zweig"},
      {Make<DreiPol>, "VCG 1 3 3 3", "", "Identische Knoten in einem Zweig"},
      {Make<VierPunkt>, "OPA 1 2 2", "", "Tore1 und 2 identisch"},
  };
  const SymbolTable labels;
  for (const Case& c : cases) {
    VS_Error::ResetQueue();
    const NetLine line(c.line);
    std::unique_ptr<NetElement> element = c.make(line);
    EXPECT_EQ(ReadPasses(*element, line, labels) ? Ports(*element) : "", c.ports) << c.line;
    EXPECT_STREQ(VS_Error::GetFirstMessage().GetBuffer(), c.message) << c.line;
  }
}

TEST(NetElementTest, ReadPassLeavesTheValuesInFront) {
  Bare<EinTor> element(NetLine("RES 12 0 R= 5"));
  element.ParseLine(SymbolTable());
  EXPECT_STREQ(element.GetLine().GetBuffer(), "R= 5");
  EXPECT_EQ(element.GetNode(0), 12);
  EXPECT_EQ(element.GetNode(2), 0) << "at the node count";
  EXPECT_EQ(element.GetPort(1).nodePlus, 0) << "beyond the port count";
  EXPECT_EQ(element.GetPort(-1).nodeMinus, 0);
}

}  // namespace
