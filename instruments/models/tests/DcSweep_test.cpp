#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "simulator/NonLinearUsrNet.h"
#include "simulator/PNDiodeElement.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

struct Reference {
  double supply;
  double diode;
};

constexpr Reference kNgspice[] = {
#include "instruments/models/tests/fixtures/diode_sweep_ngspice.inc"
};

// Supply value, then U and I of each diode, per step.
using OperatingPoints = std::vector<std::vector<double>>;

class DcSweep : public testing::Test {
 protected:
  // Reads the one-block netlist as an instrument does and runs its sweep to the end.
  OperatingPoints Run(const Lines& block) {
    EXPECT_TRUE(ReadUpToNets(reader, block) && reader.BuildNets());
    NonLinearUsrNet& net = *reader.GetNonLinearNet(0);
    OperatingPoints points;
    if (net.StartDcSweep() != 1) return points;
    for (bool more = true; more;) {
      more = net.NextDcStep();
      if (net.GetErrorCode() != 0) break;
      points.push_back({net.GetStepValue()});
      for (const PNDiodeElement* diode : net.GetDiodes()) {
        points.back().insert(points.back().end(), {diode->GetU(), diode->GetI()});
      }
    }
    return points;
  }

  ScomFile reader;
};

TEST_F(DcSweep, MatchesNgspice) {
  const OperatingPoints points =
      Run({"BLK", "DIODE: 1POR 1", "DCQU 1 UA= 0.1V UB= 10V N= 20 R= 1kohm Netzteil",
           "HLD 1 IS = 10fA NE = 1 RS = 0ohm", "END"});
  ASSERT_EQ(points.size(), std::size(kNgspice));

  const double is = 10 * 1e-15f;
  double largest = 0.0;
  for (size_t k = 0; k < points.size(); ++k) {
    EXPECT_NEAR(points[k][0], kNgspice[k].supply, 1e-6);
    largest = std::max(largest, std::fabs(points[k][1] - kNgspice[k].diode));
    EXPECT_EQ(points[k][2], is * (std::exp(points[k][1] / 0.025) - 1.0));
  }
  // The cross-check tool reads this property.
  char text[32];
  std::snprintf(text, sizeof text, "%.3e", largest);
  RecordProperty("max_difference_volts", text);
  EXPECT_LT(largest, 1e-6);
}

TEST_F(DcSweep, EveryDiodeTakesPart) {
  const OperatingPoints points =
      Run({"BLK", "CHAIN: 1POR 1", "DCQU 1 UA= -1V UB= 1V N= 2 R= 1kohm Netzteil",
           "HLD 1 2 IS = 10fA NE = 1 RS = 0ohm", "HLD 2 IS = 10fA NE = 1 RS = 0ohm", "END"});
  ASSERT_EQ(points.size(), 3u);
  // Reverse, zero and forward bias: one current through both, the rest of the supply across
  // 1 kohm (to a few ulp of 1 V).
  for (const std::vector<double>& p : points) {
    EXPECT_NEAR(p[2], p[4], 1e-12 * std::fabs(p[2]) + 1e-24);
    EXPECT_NEAR((p[0] - p[1] - p[3]) / 1000.0, p[2], 1e-9 * std::fabs(p[2]) + 1e-18);
  }
  EXPECT_NEAR(points[0][2], -1e-14, 1e-20);
  EXPECT_GT(points[2][1], 0.4);
}

// The named supply sweeps; the other one holds its start value of 5 V behind its 1 kohm, on its
// own node or beside the diode. Without a name the last supply sweeps and the first holds 1 V.
TEST_F(DcSweep, TheNamedSupplySweepsTheOthersHold) {
  struct Case {
    const char* other;
    const char* name;
    double firstStep;
    double held;   // the other supply's value
    int heldNode;  // the node it feeds
  };
  const Case cases[] = {
      {"DCQU 2 UA= 5V UB= 6V N= 1 R= 1kohm Other", "Netzteil", 1.0, 5.0, 2},
      {"DCQU 1 UA= 5V UB= 6V N= 1 R= 1kohm Other", "Netzteil", 1.0, 5.0, 1},
      {"DCQU 1 UA= 5V UB= 6V N= 1 R= 1kohm Other", "", 5.0, 1.0, 1},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(ReadUpToNets(reader, {"BLK", "DIODE: 1POR 1",
                                      "DCQU 1 UA= 1V UB= 2V N= 1 R= 1kohm Netzteil",
                                      "HLD 1 IS = 10fA NE = 1 RS = 0ohm",
                                      "MUME 2 R = 1Gohm U Meter", c.other, "END"}) &&
                reader.BuildNets());
    NonLinearUsrNet& net = *reader.GetNonLinearNet(0);
    ASSERT_EQ(net.StartDcSweep(c.name), 1) << c.other;
    for (int step = 0; step < 2; ++step) {
      net.NextDcStep();
      ASSERT_EQ(net.GetErrorCode(), 0);
      const double swept = net.GetStepValue();
      EXPECT_EQ(swept, c.firstStep + step) << c.other;
      // Kirchhoff at the diode's node: both supplies feed the diode through 1 kohm each.
      const PNDiodeElement& diode = *net.GetDiodes()[0];
      const double u = diode.GetU();
      if (c.heldNode == 1) {
        EXPECT_NEAR((swept - u) / 1000.0 + (c.held - u) / 1000.0, diode.GetI(), 1e-12);
      } else {
        EXPECT_NEAR((swept - u) / 1000.0, diode.GetI(), 1e-12);
        EXPECT_NEAR(net.GetNodeVoltage(2), c.held * 1e9 / (1e9 + 1e3), 1e-12) << c.other;
      }
    }
  }
  ASSERT_TRUE(ReadUpToNets(reader, {"BLK", "DIODE: 1POR 1",
                                    "DCQU 1 UA= 1V UB= 2V N= 1 R= 1kohm Netzteil",
                                    "HLD 1 IS = 10fA NE = 1 RS = 0ohm", "END"}) &&
              reader.BuildNets());
  EXPECT_EQ(reader.GetNonLinearNet(0)->StartDcSweep("Meter"), 0);
}

// Meters read the solved step, across a diode and across the upper one of two in series.
TEST_F(DcSweep, MetersReadEachOperatingPoint) {
  ASSERT_TRUE(ReadUpToNets(reader, {"BLK", "CHAIN: 1POR 1",
                                    "DCQU 1 UA= 0V UB= 2V N= 4 R= 1kohm Netzteil",
                                    "HLD 1 2 IS = 10fA NE = 1 RS = 0ohm",
                                    "HLD 2 IS = 10fA NE = 1 RS = 0ohm",
                                    "MUME 1 2 R = 1Gohm U Upper", "MUME 2 R = 1Gohm U Lower", "END"}) &&
              reader.BuildNets());
  NonLinearUsrNet& net = *reader.GetNonLinearNet(0);
  ASSERT_EQ(net.StartDcSweep(), 1);
  const NetElement* upper = nullptr;
  const NetElement* lower = nullptr;
  for (const NetElement* e : net.elements.Values()) {
    if (e->GetName() == "Upper") upper = e;
    if (e->GetName() == "Lower") lower = e;
  }
  ASSERT_TRUE(upper != nullptr && lower != nullptr);
  int steps = 0;
  for (bool more = true; more; ++steps) {
    more = net.NextDcStep();
    ASSERT_EQ(net.GetErrorCode(), 0);
    EXPECT_NEAR(upper->GetValue().re, net.GetDiodes()[0]->GetU(), 1e-8);
    EXPECT_NEAR(lower->GetValue().re, net.GetDiodes()[1]->GetU(), 1e-8);
    EXPECT_EQ(upper->GetValue().im, 0.0);
  }
  EXPECT_EQ(steps, 5);
}

}  // namespace
