// The nodal solver with the lumped models against ngspice, far below the result table's
// digits: the twins' netlists read and swept as an instrument does, S with the top network's
// RG1 and RG2, every entry within 1e-6 (1 + |S|) of ngspice run at the same float frequencies.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "simulator/ElementRegistry.h"
#include "simulator/NetContext.h"
#include "simulator/PortMatrix.h"
#include "simulator/UsrDefNet.h"
#include "simulator/tests/ReaderHarness.h"

namespace {

struct Reference {
  const char* name;
  const char* netlist;
  int ports;
  std::vector<double> points;  // per point: f in Hz, then S row by row as re, im
};

const Reference kReferences[] = {
#include "simulator/tests/fixtures/ngspice_reference.inc"
};

struct TopReferences : NetAnalyser {
  explicit TopReferences(const UsrDefNet& net) : net(net) {}
  Cmplx GetRG1() const override { return Cmplx(net.GetRG1(), 0.0); }
  Cmplx GetRG2() const override { return Cmplx(net.GetRG2(), 0.0); }
  const UsrDefNet& net;
};

std::vector<std::string> Lines(const char* text) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(NgspiceReferenceTest, LumpedTwinsAgreeWithinOnePartPerMillion) {
  for (const Reference& ref : kReferences) {
    ReaderHarness harness;
    harness.elements = ElementRegistry::Global();
    ASSERT_TRUE(harness.Run(Lines(ref.netlist))) << ref.name;
    UsrDefNet& top = *harness.reader.GetUsrNet(harness.reader.GetUsrNetCount() - 1);
    const size_t stride = 1 + 2 * ref.ports * ref.ports;
    ASSERT_EQ(harness.sweep.count * stride, ref.points.size()) << ref.name;

    harness.reader.AllocateUsrNetResults();
    harness.sweep.Rewind();
    do {
      const float f = static_cast<float>(harness.sweep.GetFrequency(harness.sweep.index));
      ASSERT_EQ(f, static_cast<float>(ref.points[harness.sweep.index * stride])) << ref.name;
      harness.reader.ComputeAt(f);
    } while (harness.sweep.NextPoint() != 0);

    TopReferences references(top);
    NetContext::SetCurrentAnalyser(&references);
    double worst = 0.0;
    for (int point = 0; point < harness.sweep.count; ++point) {
      const double* expected = &ref.points[point * stride + 1];
      for (int i = 1; i <= ref.ports; ++i) {
        for (int j = 1; j <= ref.ports; ++j, expected += 2) {
          Cmplx s;
          top.GetParameter(s, PortMatrix::kScattering, i, j, point);
          const double error = std::hypot(s.re - expected[0], s.im - expected[1]);
          worst = std::max(worst, error / (1.0 + std::hypot(expected[0], expected[1])));
        }
      }
    }
    NetContext::SetCurrentAnalyser(nullptr);
    EXPECT_LE(worst, 1e-6) << ref.name;
    EXPECT_EQ(ReaderHarness::QueuedMessages(), std::vector<std::string>{}) << ref.name;
  }
}

}  // namespace
