// The lumped element models, each read through the netlist reader from its element line.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "basics/LineFile.h"
#include "simulator/MultiMeter.h"
#include "simulator/NetContext.h"
#include "simulator/PortMatrix.h"
#include "simulator/ScomFile.h"
#include "simulator/SelfResonantElement.h"
#include "simulator/UsrDefNet.h"
#include "simulator/tests/ReaderHarness.h"

namespace {

// One element line alone in a one-port block, with a label line before the block.
class LumpedModelTest : public testing::Test {
 protected:
  LumpedModelTest() { reader.SetSweep(&sweep); }

  // The element, or null when the reader refused the line.
  NetElement* Read(const std::string& elementLine, const char* label = "RX: 50") {
    LineFile text;
    for (const char* line : {label, "BLK", "TOP: 1POR 1 RG1 = 50ohm", elementLine.c_str(), "END"})
      text.AddLine(MyStrng(line));
    reader.Reset();
    reader.SetLines(text);
    NetContext::SetReaderInUse(&reader);
    VS_Error::ClearQueue();
    if (!reader.CheckSyntax() || !reader.ReadBlocks()) return nullptr;
    reader.BuildNets();
    const UsrDefNet* net = reader.GetUsrNet(0);
    return net != nullptr && net->GetElementCount() == 1 ? net->GetElements().Values()[0] : nullptr;
  }
  static Cmplx Fill(NetElement& element, float f, int i = 1, int j = 1) {
    element.FillMatrix(f);
    return element.GetPortMatrix()->GetAt(i, j);
  }

  SweepFreq sweep;
  ScomFile reader;
};

TEST_F(LumpedModelTest, Admittance) {
  const struct {
    const char* line;
    float f;
    Cmplx y;
    double tolerance;  // relative to |y|
  } cases[] = {
      {"RES 1 R = 50ohm", 0.0f, {0.02, 0.0}, 0.0},
      {"RES 1 R = 50ohm", 1e9f, {0.02, 0.0}, 0.0},
      // CP without LS is read as the second value; CP lies across R in series with LS.
      {"RES 1 R = 50ohm CP = 1pF", 1e9f, {0.02, 0.0062831852820732104}, 1e-14},
      {"RES 1 R = 50ohm LS = 1nH CP = 1pF",
       1e9f,
       {0.01968908248928327, 0.0038089822758782237},
       1e-14},
      {"RES 1 2 R = 0ohm", 1e9f, {Cmplx::kInverseOfZero, 0.0}, 0.0},
      {"CAP 1 C = 1pF", 1e9f, {0.0, 0.0062831852820732104}, 1e-14},
      // The ideal inductor keeps a 0.001 ohm series resistance.
      {"IND 1 L = 10nH", 0.0f, {1000.0, 0.0}, 1e-14},
      // At F0 the series circuit gives Q / ZK, the parallel one 1 / (Q ZK).
      {"SRLC 1 F0 = 1GHz ZK = 50ohm Q = 100", 1e9f, {2.0, 0.0}, 0.0},
      {"PRLC 1 F0 = 1GHz ZK = 50ohm Q = 100", 1e9f, {2e-4, 0.0}, 0.0},
      {"SRLC 1 F0 = FR ZK = 50ohm Q = 1.5E+02", 1e9f, {3.0, 0.0}, 1e-14},
      // At FS the crystal gives Q / ZK plus j FS / (2 ZK FD); far below, nearly C0 alone.
      {"QUARZ 1 FS = 10MHz FD = 20kHz ZK = 1kohm Q = 10000", 1e7f, {10.0, 0.25}, 1e-14},
      {"QUARZ 1 FS = 10MHz FD = 20kHz ZK = 1kohm Q = 10000", 1e3f, {0.0, 2.5e-5}, 5e-3},
      {"UQU 1 U = 1V R = 50ohm Gen1", 1e9f, {0.02, 0.0}, 0.0},
      {"MUME 1 R = 1kohm U M1", 0.0f, {0.001, 0.0}, 1e-15},
      // Three 100 S links between the three port nodes, at every frequency.
      {"KTE 1 2 3", 0.0f, {200.0, 0.0}, 0.0},
      {"KTE 1 2 3", 1e9f, {200.0, 0.0}, 0.0},
  };
  for (const auto& c : cases) {
    NetElement* element = Read(c.line, "FR: 1GHz");
    ASSERT_NE(element, nullptr) << c.line;
    const Cmplx y = Fill(*element, c.f);
    EXPECT_NEAR(y.re, c.y.re, c.tolerance * c.y.Abs()) << c.line;
    EXPECT_NEAR(y.im, c.y.im, c.tolerance * c.y.Abs()) << c.line;
  }
}

TEST_F(LumpedModelTest, RefusedLines) {
  const struct {
    const char* line;
    std::vector<std::string> messages;  // before the reader's "...Syntaxfehler"
  } cases[] = {
      {"RES 1 X = 5ohm", {"X = 5ohm R fehlt "}},
      {"RES 1 R = 50ohm LS 2nH", {"50ohm LS 2nH = fehlt "}},
      {"RES 0 R = 50ohm", {"0 R = 50ohm SYN_ERR Knoten "}},
      // Values need their units; a value that fails is never stored.
      {"RES 1 R = 50", {"RES: KeineDimension"}},
      {"RES 1 R = RX", {"RES: KeineDimension"}},
      {"RES 1 R = RY", {"RY Label nicht gefunden"}},
      // The read pass takes the values in the order their keys were verified.
      {"RES 1 R = 50ohm CP = 1pF LS = 2nH", {"IND: Unbekannte Dimension"}},
      {"CAP 1 C = 1pF FS = 1GHz", {"1GHz QM fehlt "}},
      {"CAP 1 C = 1pF FS = 1GHz QM = 10 FM = 5V", {"FRQ: Unbekannte Dimension"}},
      {"IND 1 L = 1nH QM = 10", {"1nH QM = 10 FP fehlt "}},
      // The resonators check every key; each key is sought behind the previous one.
      {"SRLC 1 Q = 100", {"Q = 100 F0 fehlt ", "Q = 100 ZK fehlt "}},
      {"PRLC 1 F0 = 1GHz ZK = 50ohm Q = 1e5", {"Exp-Darstellung muß + oder - enthalten"}},
      {"QUARZ 1 FD = 20kHz FS = 10MHz ZK = 1kohm Q = 100",
       {"20kHz FS = 10MHz ZK = 1kohm Q = 100 FD fehlt "}},
      {"UQU 1 U = 1V Gen1", {"1V Gen1 R fehlt "}},
      {"UQU 1 U = 1 R = 50ohm Gen1", {"LAE: KeineDimension"}},
      {"MUME 1 U M1", {"U M1 R fehlt "}},
      {"KTE 1 2", {"1 2 SYN_ERR Knoten "}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read(c.line), nullptr) << c.line;
    std::vector<std::string> expected = c.messages;
    expected.push_back(std::string(c.line) + "Syntaxfehler");
    std::vector<std::string> queued = ReaderHarness::QueuedMessages();
    queued.resize(expected.size());  // a network left empty may report as well
    EXPECT_EQ(queued, expected);
  }
}

TEST_F(LumpedModelTest, SelfResonance) {
  const struct {
    const char* line;
    const char* otherFm;  // FM changes nothing
    double sign;          // +1: capacitive below 1 GHz and |Y| largest there; -1: the opposite
  } cases[] = {
      {"CAP 1 C = 1pF FS = 1GHz QM = 50 FM = 2GHz", "CAP 1 C = 1pF FS = 1GHz QM = 50 FM = 7Hz", 1},
      {"IND 1 L = 10nH FP = 1GHz QM = 40 FM = 1GHz", "IND 1 L = 10nH FP = 1GHz QM = 40 FM = 1kHz",
       -1},
  };
  for (const auto& c : cases) {
    const Cmplx otherAtFr = Fill(*Read(c.otherFm), 1e9f);
    auto* element = dynamic_cast<SelfResonantElement*>(Read(c.line));
    ASSERT_NE(element, nullptr) << c.line;
    const auto y = [&](double f) { return Fill(*element, static_cast<float>(f)); };
    EXPECT_GT(c.sign * y(0.5e9).im, 0.0) << c.line;
    EXPECT_LT(c.sign * y(2e9).im, 0.0) << c.line;
    EXPECT_GT(c.sign * (y(1e9).Abs() - y(0.9e9).Abs()), 0.0) << c.line;
    EXPECT_GT(c.sign * (y(1e9).Abs() - y(1.1e9).Abs()), 0.0) << c.line;
    EXPECT_TRUE(y(1e9).re == otherAtFr.re && y(1e9).im == otherAtFr.im) << c.line;
    // Each half of the losses alone gives the quality factor 2 QM at the resonance.
    const double w = 2e9 * M_PI;
    const double reactance = c.sign > 0 ? 1.0 / (w * static_cast<Kapazitaet*>(element)->GetC())
                                        : w * static_cast<Induktivitaet*>(element)->GetL();
    EXPECT_NEAR(reactance / element->GetRs(), 2.0 * element->GetQm(), 1e-9) << c.line;
    EXPECT_NEAR(1.0 / (reactance * element->GetGp()), 2.0 * element->GetQm(), 1e-9) << c.line;
  }
}

TEST_F(LumpedModelTest, CrystalParallelResonance) {
  NetElement* crystal = Read("QUARZ 1 FS = 10MHz FD = 20kHz ZK = 1kohm Q = 1000000");
  ASSERT_NE(crystal, nullptr);
  // The susceptance turns from inductive to capacitive there.
  float low = 10.005e6f;
  float high = 10.05e6f;
  ASSERT_LT(Fill(*crystal, low).im, 0.0);
  ASSERT_GT(Fill(*crystal, high).im, 0.0);
  while (std::nextafter(low, high) < high) {
    const float mid = low + (high - low) / 2.0f;
    (Fill(*crystal, mid).im < 0.0 ? low : high) = mid;
  }
  EXPECT_NEAR(low, 10.01998e6f, 5.0f);
}

TEST_F(LumpedModelTest, ZeroFrequencyAndZeroValuesStayFinite) {
  for (const char* line :
       {"SRLC 1 F0 = 1GHz ZK = 50ohm Q = 100", "PRLC 1 F0 = 1GHz ZK = 50ohm Q = 100",
        "QUARZ 1 FS = 10MHz FD = 20kHz ZK = 1kohm Q = 100", "SRLC 1 F0 = 0Hz ZK = 0ohm Q = 0",
        "PRLC 1 F0 = 0Hz ZK = 0ohm Q = 0", "QUARZ 1 FS = 0Hz FD = 0Hz ZK = 0ohm Q = 0",
        "CAP 1 C = 0pF FS = 1GHz QM = 50 FM = 1GHz", "CAP 1 C = 1pF FS = 0Hz QM = 0 FM = 1GHz",
        "IND 1 L = 0nH FP = 1GHz QM = 40 FM = 1GHz", "IND 1 L = 1nH FP = 0Hz QM = 0 FM = 1GHz"}) {
    NetElement* element = Read(line);
    ASSERT_NE(element, nullptr) << line;
    for (float f : {0.0f, 1e6f}) {
      const Cmplx y = Fill(*element, f);
      EXPECT_TRUE(std::isfinite(y.re) && std::isfinite(y.im)) << line << " at " << f;
    }
  }
}

TEST_F(LumpedModelTest, SourceAndMeters) {
  EXPECT_EQ(Read("UQU 1 U = 1V R = 50ohm Gen1  ")->GetName(), "Gen1");

  // Any mode token other than "U" makes an ammeter; the reading is for a port voltage of 2 V.
  for (const auto& [line, mode, reading] : {std::tuple{"MUME 1 R = 1kohm U M1", 'U', 2.0},
                                            std::tuple{"MUME 1 R = 1kohm I M1", 'I', 0.002},
                                            std::tuple{"MUME 1 R = 1kohm u M1", 'I', 0.002}}) {
    auto* meter = dynamic_cast<MultiMeter*>(Read(line));
    ASSERT_NE(meter, nullptr) << line;
    EXPECT_EQ(meter->GetName(), "M1");
    EXPECT_EQ(meter->GetMode(), mode) << line;
    meter->TakeReading(Cmplx(2.0, 0.0));
    EXPECT_DOUBLE_EQ(meter->GetValue().re, reading) << line;
  }
}

}  // namespace
