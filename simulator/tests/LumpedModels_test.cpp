// The lumped element models, built from their element lines. Their values across frequency are
// checked against ngspice (NgspiceReference_test); here the reading, 0 Hz and the odd cases.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "basics/VS_Error.h"
#include "simulator/MultiMeter.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

ElementBench Bench() { return ElementBench({}, {"RX: 50", "FR: 1GHz"}); }

TEST(LumpedModelTest, Admittance) {
  const struct {
    const char* line;
    float f;
    Cmplx y;
    double tolerance;  // relative to |y|
  } cases[] = {
      // CP without LS is read as the second value.
      {"RES 1 R = 50ohm CP = 1pF", 1e9f, {0.02, 0.0062831852820732104}, 1e-14},
      {"RES 1 2 R = 0ohm", 1e9f, {Cmplx::kInverseOfZero, 0.0}, 0.0},
      // The ideal inductor keeps a 0.001 ohm series resistance.
      {"IND 1 L = 10nH", 0.0f, {1000.0, 0.0}, 1e-14},
      // At F0 the series circuit gives Q / ZK.
      {"SRLC 1 F0 = FR ZK = 50ohm Q = 1.5E+02", 1e9f, {3.0, 0.0}, 1e-14},
      // Far below FS the crystal is nearly C0 alone.
      {"QUARZ 1 FS = 10MHz FD = 20kHz ZK = 1kohm Q = 10000", 1e3f, {0.0, 2.5e-5}, 5e-3},
      {"UQU 1 U = 1V R = 50ohm Gen1", 1e9f, {0.02, 0.0}, 0.0},
      {"MUME 1 R = 1kohm U M1", 0.0f, {0.001, 0.0}, 1e-15},
      // Three 100 S links between the three port nodes, at every frequency.
      {"KTE 1 2 3", 0.0f, {200.0, 0.0}, 0.0},
  };
  ElementBench bench = Bench();
  for (const auto& c : cases) {
    const std::unique_ptr<NetElement> element = bench.Accept(c.line);
    ASSERT_NE(element, nullptr);
    element->FillMatrix(c.f);
    EXPECT_TRUE(SameWithin(At(*element, 1, 1), c.y, c.tolerance)) << c.line;
  }
  // FM changes nothing.
  const std::unique_ptr<NetElement> cap = bench.Accept("CAP 1 C = 1pF FS = 1GHz QM = 50 FM = 2GHz");
  const std::unique_ptr<NetElement> other =
      bench.Accept("CAP 1 C = 1pF FS = 1GHz QM = 50 FM = 7Hz");
  for (float f : {0.5e9f, 1e9f}) {
    cap->FillMatrix(f);
    other->FillMatrix(f);
    EXPECT_TRUE(SameMatrix(*cap, *other)) << f;
  }
}

TEST(LumpedModelTest, RefusedLines) {
  const struct {
    const char* line;
    Lines messages;
  } cases[] = {
      {"RES 1 R = 50ohm LS 2nH", {"50ohm LS 2nH = fehlt "}},
      // Values need their units; a value that fails is never stored.
      {"RES 1 R = 50", {"RES: KeineDimension"}},
      {"RES 1 R = RX", {"RES: KeineDimension"}},
      {"RES 1 R = RY", {"RY Label nicht gefunden"}},
      // The read pass takes the values in the order their keys were verified.
      {"RES 1 R = 50ohm CP = 1pF LS = 2nH", {"IND: Unbekannte Dimension"}},
      {"CAP 1 C = 1pF FS = 1GHz", {"1GHz QM fehlt "}},
      {"CAP 1 C = 1pF FS = 1GHz QM = 10 FM = 5V", {"FRQ: Unbekannte Dimension"}},
      // The resonators check every key; each key is sought behind the previous one.
      {"SRLC 1 Q = 100", {"Q = 100 F0 fehlt ", "Q = 100 ZK fehlt "}},
      {"PRLC 1 F0 = 1GHz ZK = 50ohm Q = 1e5", {"Exp-Darstellung muß + oder - enthalten"}},
      {"QUARZ 1 FD = 20kHz FS = 10MHz ZK = 1kohm Q = 100",
       {"20kHz FS = 10MHz ZK = 1kohm Q = 100 FD fehlt "}},
      {"UQU 1 U = 1V Gen1", {"1V Gen1 R fehlt "}},
      {"UQU 1 U = 1 R = 50ohm Gen1", {"LAE: KeineDimension"}},
      {"KTE 1 2", {"1 2 SYN_ERR Knoten "}},
  };
  ElementBench bench = Bench();
  for (const auto& c : cases) {
    VS_Error::ClearQueue();
    EXPECT_EQ(bench.Build(c.line), nullptr) << c.line;
    EXPECT_EQ(QueuedMessages(), c.messages) << c.line;
  }
}

TEST(LumpedModelTest, ZeroFrequencyAndZeroValuesStayFinite) {
  ElementBench bench = Bench();
  for (const char* line :
       {"SRLC 1 F0 = 1GHz ZK = 50ohm Q = 100", "PRLC 1 F0 = 1GHz ZK = 50ohm Q = 100",
        "QUARZ 1 FS = 10MHz FD = 20kHz ZK = 1kohm Q = 100", "SRLC 1 F0 = 0Hz ZK = 0ohm Q = 0",
        "PRLC 1 F0 = 0Hz ZK = 0ohm Q = 0", "QUARZ 1 FS = 0Hz FD = 0Hz ZK = 0ohm Q = 0",
        "CAP 1 C = 0pF FS = 1GHz QM = 50 FM = 1GHz", "CAP 1 C = 1pF FS = 0Hz QM = 0 FM = 1GHz",
        "IND 1 L = 0nH FP = 1GHz QM = 40 FM = 1GHz", "IND 1 L = 1nH FP = 0Hz QM = 0 FM = 1GHz"}) {
    const std::unique_ptr<NetElement> element = bench.Accept(line);
    ASSERT_NE(element, nullptr);
    for (float f : {0.0f, 1e6f}) {
      element->FillMatrix(f);
      EXPECT_TRUE(FiniteAndReciprocal(*element)) << line << " at " << f;
    }
  }
}

TEST(LumpedModelTest, SourceAndMeters) {
  ElementBench bench = Bench();
  EXPECT_EQ(bench.Accept("UQU 1 U = 1V R = 50ohm Gen1  ")->GetName(), "Gen1");
  // Any mode token other than "U" makes an ammeter; the reading is for a port voltage of 2 V.
  for (const auto& [line, mode, reading] : {std::tuple{"MUME 1 R = 1kohm U M1", 'U', 2.0},
                                            std::tuple{"MUME 1 R = 1kohm I M1", 'I', 0.002},
                                            std::tuple{"MUME 1 R = 1kohm u M1", 'I', 0.002}}) {
    const std::unique_ptr<NetElement> element = bench.Accept(line);
    auto* meter = dynamic_cast<MultiMeter*>(element.get());
    ASSERT_NE(meter, nullptr) << line;
    EXPECT_EQ(meter->GetMode(), mode) << line;
    meter->TakeReading(Cmplx(2.0, 0.0));
    EXPECT_DOUBLE_EQ(meter->GetValue().re, reading) << line;
  }
}

}  // namespace
