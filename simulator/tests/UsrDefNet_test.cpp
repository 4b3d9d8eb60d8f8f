#include "simulator/UsrDefNet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "simulator/ElementRegistry.h"
#include "simulator/LumpedMath.h"
#include "simulator/NetContext.h"
#include "simulator/SelfResonantElement.h"
#include "simulator/tests/ReaderHarness.h"
#include "simulator/tests/TestElements.h"

namespace {

// A non-reciprocal n-port whose entry (i, j) is 10 i + j siemens.
template <class Base>
class FixedPorts : public Base {
 public:
  explicit FixedPorts(const NetLine& line) : Base(line) {}
  void FillMatrix(float) override {
    for (int i = 1; i <= this->portCount; ++i) {
      for (int j = 1; j <= this->portCount; ++j)
        this->portMatrix->SetAt(Cmplx(10 * i + j, 0), i, j);
    }
  }
  bool SkipsFillMatrix() const override { return false; }
};

// Finite admittances that overflow: below 1.5 GHz two decoupled ports of 1e300 S, whose
// impedance matrix does; from there a transfer that, twice in a chain, the two-port
// reduction cannot hold.
class Extreme : public ZweiTor {
 public:
  explicit Extreme(const NetLine& line) : ZweiTor(line) {}
  void FillMatrix(float f) override {
    const bool low = f < 1.5e9f;
    portMatrix->SetAt(Cmplx(low ? 1e300 : 1e-10, 0.0), 1, 1);
    portMatrix->SetAt(Cmplx(low ? 0.0 : 1e308, 0.0), 2, 1);
    portMatrix->SetAt(Cmplx(low ? 1e300 : 1.0, 0.0), 2, 2);
  }
  bool SkipsFillMatrix() const override { return false; }
};

// A lossless inductor ("ONE", -j S at 1 GHz) or capacitor ("CST", +j S at 1 GHz): in series,
// exactly resonant at 1 GHz.
class Reactance : public EinTor {
 public:
  Reactance(const NetLine& line, bool capacitive) : EinTor(line), capacitive(capacitive) {}
  void FillMatrix(float f) override {
    portMatrix->SetAt(Cmplx(0.0, capacitive ? f / 1e9 : -1e9 / f), 1, 1);
  }
  bool SkipsFillMatrix() const override { return false; }

 private:
  bool capacitive;
};

// The lumped models and the fixed n-ports, read through the netlist reader.
class UsrDefNetTest : public testing::Test {
 protected:
  UsrDefNetTest() {
    ElementRegistry& kinds = harness.elements;
    kinds = ElementRegistry();
    kinds.Register("TWO",
                   [](const NetLine& l) -> NetElement* { return new FixedPorts<ZweiTor>(l); });
    kinds.Register("SYUE",
                   [](const NetLine& l) -> NetElement* { return new FixedPorts<DreiTor>(l); });
    kinds.Register("TAP", [](const NetLine& l) -> NetElement* { return new Extreme(l); });
    kinds.Register("ONE", [](const NetLine& l) -> NetElement* { return new Reactance(l, false); });
    kinds.Register("CST", [](const NetLine& l) -> NetElement* { return new Reactance(l, true); });
    AddMissingKeywords(kinds, ElementRegistry::Global());
  }

  // The last network of the text, null when the reader stops.
  UsrDefNet* Read(const std::vector<std::string>& text) {
    if (!harness.Run(text)) return nullptr;
    return harness.reader.GetUsrNet(harness.reader.GetUsrNetCount() - 1);
  }

  // One block of the given lines.
  UsrDefNet* ReadBlock(std::vector<std::string> lines) {
    lines.insert(lines.begin(), "BLK");
    lines.push_back("END");
    return Read(lines);
  }

  // Every point of a linear sweep.
  void Sweep(double start, double stop, int count) {
    harness.sweep.SetStart(start);
    harness.sweep.SetStop(stop);
    harness.sweep.SetCount(count);
    harness.sweep.Prepare();
    harness.reader.AllocateUsrNetResults();
    do {
      harness.reader.ComputeAt(static_cast<float>(harness.sweep.GetFrequency(harness.sweep.index)));
    } while (harness.sweep.NextPoint());
  }

  // The rows of the net's result table.
  static std::vector<std::string> Table(const UsrDefNet& net) {
    LineFile table(net.GetResultTable());
    std::vector<std::string> lines;
    table.Reset();
    for (int i = 0; i < table.GetCount(); ++i) lines.push_back(table.GetNext().ToCString());
    return lines;
  }

  ReaderHarness harness;
};

// The real parts of an n-port's entries, row by row.
std::vector<double> RealParts(const PortMatrix& m) {
  std::vector<double> entries;
  for (int i = 0; i < m.GetSize() * m.GetSize(); ++i)
    entries.push_back(m.GetAt(i / m.GetSize() + 1, i % m.GetSize() + 1).re);
  return entries;
}

Cmplx Parameter(const UsrDefNet& net, char kind, int i, int j, int point) {
  Cmplx value;
  net.GetParameter(value, kind, i, j, point);
  return value;
}

struct OnePortCase {
  std::vector<std::string> elements;
  double y11;
  double reading;    // of the element named "Meter"
  double volts = 0;  // given to the sources from outside unless 0
};

TEST_F(UsrDefNetTest, ReducesOnePortsAndFeedsTheMeters) {
  const std::string top = "TOP: 1POR 1", r50 = "RES 1 R = 50ohm",
                    source = "UQU 1 U = 1V R = 50ohm G";
  const std::string volts = "MUME 1 R = 1Mohm U Meter", amps = "MUME 1 R = 1Mohm I Meter";
  const std::string jumper = "RES 1 3 R = 0ohm";
  const double y = 0.04 + 1e-6;
  const OnePortCase cases[] = {
      {{"TOP: 1POR 1 2", "RES 1 2 R = 50ohm", "RES 2 R = 100ohm"}, 0.02, 0},
      {{top, r50, source, volts}, y, 0.02 / y},
      {{top, r50, source, amps}, y, 0.02 / y / 1e6},
      {{top, r50, source, volts}, y, 0.04 / y, 2.0},
      // Jumpers: the meter reads the node it was merged into.
      {{top, jumper, "RES 3 R = 50ohm", source, "MUME 3 R = 1Mohm U Meter"}, y, 0.02 / y},
      {{"TOP: 1POR 1 2", jumper, "RES 3 4 R = 50ohm", "RES 4 2 R = 0ohm", "RES 2 R = 100ohm"},
       0.02,
       0},
  };
  for (const OnePortCase& c : cases) {
    UsrDefNet* net = ReadBlock(c.elements);
    ASSERT_NE(net, nullptr) << c.elements.back();
    if (c.volts != 0) harness.reader.SetSourceVoltage("G", Cmplx(c.volts, 0.0));
    net->FillMatrix(1e9f);
    EXPECT_DOUBLE_EQ(net->GetPortMatrix()->GetAt(1, 1).re, c.y11) << c.elements.back();
    if (NetElement* meter = net->FindElement("Meter")) {
      EXPECT_DOUBLE_EQ(meter->GetValue().re, c.reading) << c.elements.back() << c.volts;
    }
    EXPECT_EQ(ReaderHarness::QueuedMessages(), std::vector<std::string>{}) << c.elements.back();
  }
}

// Only the named source drives: the other one is 0 V behind its resistance, on a node of its
// own (whose meter reads nothing) or beside the driven one at the port (a load). The other
// source stands last, where it once gave the excitation.
TEST_F(UsrDefNetTest, OnlyTheNamedSourceDrives) {
  struct Case {
    const char* other;
    bool setVoltage;  // SetSourceVoltage("A", 2 V), else DriveOnly("A") with A's 1 V
    double atPort;    // reading of the meter at the port
  };
  const double gPort = 1.0 / 50 + 1.0 / 50 + 1e-6;
  const double gBoth = gPort + 1.0 / 100;
  const Case cases[] = {
      {"UQU 2 U = 3V R = 100ohm B", true, (2.0 / 50) / gPort},
      {"UQU 2 U = 3V R = 100ohm B", false, (1.0 / 50) / gPort},
      {"UQU 1 U = 3V R = 100ohm B", true, (2.0 / 50) / gBoth},
      {"UQU 1 U = 3V R = 100ohm B", false, (1.0 / 50) / gBoth},
  };
  for (const Case& c : cases) {
    UsrDefNet* net = ReadBlock({"TOP: 1POR 1", "UQU 1 U = 1V R = 50ohm A", "RES 1 R = 50ohm",
                                "RES 2 R = 100ohm", "MUME 1 R = 1Mohm U Port",
                                "MUME 2 R = 1Mohm U Other", c.other});
    ASSERT_NE(net, nullptr) << c.other;
    if (c.setVoltage) {
      harness.reader.SetSourceVoltage("A", Cmplx(2.0, 0.0));
    } else {
      harness.reader.DriveOnly("A");
    }
    net->FillMatrix(1e6f);
    EXPECT_DOUBLE_EQ(net->FindElement("Port")->GetValue().re, c.atPort) << c.other;
    EXPECT_EQ(net->FindElement("Other")->GetValue().re, 0.0) << c.other;
  }
  // A name that no source bears leaves nothing to drive the net.
  UsrDefNet* net =
      ReadBlock({"TOP: 1POR 1", "UQU 1 U = 1V R = 50ohm A", "MUME 1 R = 1Mohm U Port"});
  ASSERT_NE(net, nullptr);
  harness.reader.SetSourceVoltage("B", Cmplx(2.0, 0.0));
  net->FillMatrix(1e6f);
  EXPECT_EQ(net->FindElement("Port")->GetValue().re, 0.0);
}

// The nodal entries row by row, rows in the order the nodes were met; all zeros where the
// arrangement is not implemented.
TEST_F(UsrDefNetTest, StampsByPortArrangement) {
  const std::pair<const char*, std::vector<double>> cases[] = {
      {"TWO 1 2", {11, 12, 21, 22}},
      {"TWO 1 0 0 2", {11, -12, -21, 22}},
      {"TWO 0 1 0 2", {11, 12, 21, 22}},
      // Rows 1, 3, 2: reference node 3 in the middle.
      {"TWO 1 3 2 3", {11, -23, 12, -32, 66, -34, 21, -43, 22}},
      {"TWO 1 3 2 4", std::vector<double>(16)},
      {"SYUE 1 2 3", {11, 12, 13, 21, 22, 23, 31, 32, 33}},
      {"RES 1 2 R = 1ohm", {1, -1, -1, 1}},
  };
  for (const auto& [element, nodal] : cases) {
    UsrDefNet* net = ReadBlock({"TOP: 1POR 1", element});
    ASSERT_NE(net, nullptr) << element;
    net->FillMatrix(1e9f);
    const int n = net->GetNodeLabels().GetCount();
    std::vector<double> entries;
    for (int i = 0; i < n * n; ++i) entries.push_back(net->GetNodalEntry(i / n, i % n).re);
    EXPECT_EQ(entries, nodal) << element;
    const std::vector<std::string> messages = ReaderHarness::QueuedMessages();
    EXPECT_EQ(!messages.empty() && messages[0] == "UsrDefNet: Fall nicht implementiert",
              nodal[0] == 0)
        << element;
  }
}

TEST_F(UsrDefNetTest, ReducesTwoPortsInPortOrder) {
  const std::pair<const char*, std::vector<double>> cases[] = {{"2POR 1 2", {11, 12, 21, 22}},
                                                               {"2POR 2 1", {22, 21, 12, 11}}};
  for (const auto& [ports, expected] : cases) {
    UsrDefNet* net =
        ReadBlock({std::string("TOP: ") + ports + " RG1 = 60ohm RG2 = 1kohm", "TWO 1 2"});
    ASSERT_NE(net, nullptr);
    EXPECT_EQ(std::pair(net->GetRG1(), net->GetRG2()), std::pair(60.0f, 1000.0f));
    net->FillMatrix(1e9f);
    EXPECT_EQ(RealParts(*net->GetPortMatrix()), expected) << ports;
  }
}

// A point without a solution keeps the previous result, and the next point solves again.
TEST_F(UsrDefNetTest, SingularPointsKeepThePreviousResult) {
  const struct {
    std::vector<std::string> block;
    float singularAt;
    std::vector<std::string> messages;
  } cases[] = {
      // Node 3 hangs on a capacitor alone: at 0 Hz both columns fail.
      {{"TOP: 2POR 1 2", "RES 1 2 R = 50ohm", "RES 2 R = 50ohm", "CAP 3 C = 1pF"},
       0.0f,
       {"Fehler im Gaus-Algorithmus", "Fehler im Gaus-Algorithmus"}},
      // A series resonance between the ports leaves the internal node's block singular, not
      // the matrices of the reduction column by column: they find the ports shorted together.
      {{"TOP: 2POR 1 2", "ONE 1 3", "CST 3 2", "RES 1 R = 50ohm", "RES 2 R = 50ohm"},
       1e9f,
       {"Fehler bei der Berechnung von Y_11", "Fehler bei der Berechnung von Y_22"}},
  };
  for (const auto& c : cases) {
    UsrDefNet* net = ReadBlock(c.block);
    ASSERT_NE(net, nullptr) << c.block[1];
    const auto entries = [&] {
      std::vector<std::pair<double, double>> y;
      for (int i = 0; i < 4; ++i) {
        const Cmplx v = net->GetPortMatrix()->GetAt(i / 2 + 1, i % 2 + 1);
        y.emplace_back(v.re, v.im);
      }
      return y;
    };
    net->FillMatrix(2e9f);
    const auto before = entries();
    for (float f : {c.singularAt, 2e9f}) {
      net->FillMatrix(f);
      EXPECT_EQ(entries(), before) << c.block[1] << " " << f << " Hz";
    }
    EXPECT_EQ(ReaderHarness::QueuedMessages(), c.messages) << c.block[1];
  }
}

// The largest sweep fills every result; a longer one keeps the first 3000 points. (S at the
// analyser's references is checked against ngspice.)
TEST_F(UsrDefNetTest, ResultsPerPointAreClamped) {
  UsrDefNet* net = ReadBlock({"TOP: 1POR 1", "RES 1 R = 50ohm", "CAP 1 C = 1pF"});
  ASSERT_NE(net, nullptr);
  Sweep(1e6, 3e9, 3000);
  EXPECT_EQ(net->GetResultCount(), 3000);
  for (int i = 1; i < 3000; ++i)
    ASSERT_GT(net->GetPortMatrix(i).GetAt(1, 1).im, net->GetPortMatrix(i - 1).GetAt(1, 1).im);
  EXPECT_EQ(Parameter(*net, 'Y', 1, 1, -5).im, net->GetPortMatrix(0).GetAt(1, 1).im);
  EXPECT_EQ(Parameter(*net, 'Y', 1, 1, 10000).im, net->GetPortMatrix(2999).GetAt(1, 1).im);
  harness.sweep.count = 5000;
  harness.reader.AllocateUsrNetResults();
  harness.sweep.index = 4000;
  net->FillMatrix(1e9f);
  EXPECT_EQ(net->GetResultCount(), 3000);
}

// The figures K, M and V give the value the analyser draws, a one-port's too; a letter that is
// no kind gives zeros.
TEST_F(UsrDefNetTest, WritesTheResultTable) {
  const struct {
    std::vector<std::string> block;
    char kind;
    const char* values;
  } cases[] = {
      {{"TOP: 1POR 1", "RES 1 R = 50ohm"}, 'Y', "20\t0"},
      {{"TOP: 1POR 1", "RES 1 R = 50ohm"}, 'K', "1\t0"},
      {{"TOP: 1POR 1", "RES 1 R = 50ohm"}, 'Q', "0\t0"},
      {{"TOP: 2POR 1 2", "RES 1 2 R = 100ohm"}, 'V', "0.3333\t-0"},
      {{"TOP: 2POR 1 2", "RES 1 2 R = 100ohm"}, 'K', "1\t0"},
      {{"TOP: 2POR 1 2", "RES 1 2 R = 100ohm"}, 'M', "1\t0"},
      {{"TOP: 2POR 1 2", "RES 1 2 R = 100ohm"}, 'Q', "0\t0\t0\t0\t0\t0\t0\t0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(1, c.kind) + " " + c.block[0]);
    harness.reader.Reset();
    UsrDefNet* net = ReadBlock(c.block);
    ASSERT_NE(net, nullptr);
    Sweep(1e9, 2e9, 2);
    net->SetTableTitle("Titel");
    net->WriteResultTable(nullptr, c.kind);
    const std::string heading =
        std::string("* TOP: ") + c.kind + (c.kind == 'Y' ? " Betrag/mMho Grad" : "");
    EXPECT_EQ(Table(*net), (std::vector<std::string>{
                               "* Erzeugt von VOSTRANE  Titel",
                               "* R. Voskar, Kollegstiftung Morvaburg", heading,
                               std::string("1       \t") + c.values,
                               std::string("2       \t") + c.values}));
  }
}

// A point computes the top-level network and what it uses, nothing else; only the top-level
// network keeps results.
TEST_F(UsrDefNetTest, ComputesOnlyWhatTheTopLevelNetworkUses) {
  ASSERT_NE(
      Read({"BLK", "UNUSED: 1POR 1", "RES 1 R = 50ohm", "END", "BLK", "SUB: 1POR 5",
            "RES 5 R = 50ohm", "END", "BLK", "TOP: 1POR 1", "SUB 1", "RES 1 R = 100ohm", "END"}),
      nullptr);
  Sweep(1e9, 2e9, 2);
  const double y11[] = {0.0, 0.02, 0.03};
  for (int i = 0; i < 3; ++i) {
    const UsrDefNet& net = *harness.reader.GetUsrNet(i);
    EXPECT_DOUBLE_EQ(net.GetPortMatrix()->GetAt(1, 1).re, y11[i]) << i;
    EXPECT_EQ(net.GetResultCount(), i == 2 ? 2 : 0) << i;
  }
}

struct DefinitionCase {
  std::vector<std::string> block;
  std::vector<std::string> messages;
  bool computable;
};

TEST_F(UsrDefNetTest, ChecksTheDefinition) {
  const DefinitionCase cases[] = {
      {{"TOP: 1POR 1", "RES 2 R = 50ohm"}, {"Knoten in Netzwerkdefinition nicht vorhanden"}, false},
      {{"TOP: 2POR 1 1", "RES 1 R = 50ohm"}, {"Tore0 und 1 identisch"}, false},
      {{"TOP: 1POR 1 1", "RES 1 R = 50ohm"}, {"Identische Knoten in einem Zweig"}, false},
      {{"TOP: 1POR 1 RG1 = 50", "RES 1 R = 50ohm"},
       {"RES: KeineDimension", "UsrDefNet: Falsche Definition der Generatorwiderstände"},
       true},
  };
  for (const DefinitionCase& c : cases) {
    UsrDefNet* net = ReadBlock(c.block);
    ASSERT_NE(net, nullptr) << c.block[0];
    EXPECT_EQ(net->IsComputable(), c.computable) << c.block[0];
    EXPECT_EQ(ReaderHarness::QueuedMessages(), c.messages) << c.block[0];
  }
}

// S of an LC ladder (shunt C, series L with the ideal inductor's series resistance, ..., shunt
// C) between 50 ohm, as a cascade of ABCD matrices.
Cmplx LadderS(int sections, double c, double l, double rs, float f, int i, int j) {
  const double omega = 2.0 * kModelPi * static_cast<double>(f);
  Cmplx a(1.0, 0.0), b, cc, d(1.0, 0.0);
  for (int k = 0; k <= sections; ++k) {
    const Cmplx y(0.0, omega * c);  // shunt: [1 0; y 1]
    a = a + b * y;
    cc = cc + d * y;
    if (k == sections) break;
    const Cmplx z(rs, omega * l);  // series: [1 z; 0 1]
    b = b + a * z;
    d = d + cc * z;
  }
  const double z0 = 50.0;
  const Cmplx delta = a + b / z0 + cc * z0 + d;
  if (i == 1 && j == 1) return (a + b / z0 - cc * z0 - d) / delta;
  if (i == 2 && j == 2) return (-a + b / z0 - cc * z0 + d) / delta;
  return (i == 2 ? Cmplx(2.0, 0.0) : (a * d - b * cc) * 2.0) / delta;
}

// Long ladders agree with the exact cascade; the 50,000-section one has 100,001 nodes.
TEST_F(UsrDefNetTest, LaddersAgreeWithTheCascade) {
  for (const auto& [sections, tolerance] :
       {std::pair{10, 1e-9}, {999, 1e-8}, {5000, 1e-7}, {50000, 1e-6}}) {
    std::vector<std::string> text = {"BLK", "L: 2POR 1 " + std::to_string(sections + 1)};
    for (int k = 1; k <= sections; ++k) {
      text.push_back("CAP " + std::to_string(k) + " 0 C = 2pF");
      text.push_back("IND " + std::to_string(k) + " " + std::to_string(k + 1) + " L = 5nH");
    }
    text.insert(text.end(), {"CAP " + std::to_string(sections + 1) + " 0 C = 2pF", "END"});
    UsrDefNet* net = Read(text);
    ASSERT_NE(net, nullptr);
    const auto* cap = dynamic_cast<const Kapazitaet*>(net->FindElement("CAP"));
    const auto* ind = dynamic_cast<const Induktivitaet*>(net->FindElement("IND"));
    ASSERT_TRUE(cap != nullptr && ind != nullptr);
    Sweep(1e7, 3e9, 4);
    for (int point = 0; point < 4; ++point) {
      const float f = static_cast<float>(harness.sweep.GetFrequency(point));
      double power[2] = {0.0, 0.0};
      for (int k = 0; k < 4; ++k) {
        const int i = k / 2 + 1, j = k % 2 + 1;
        const Cmplx s = Parameter(*net, 'S', i, j, point);
        const Cmplx expected = LadderS(sections, cap->GetC(), ind->GetL(), ind->GetRs(), f, i, j);
        EXPECT_LE((s - expected).Abs(), tolerance * (expected.Abs() > 1e-2 ? expected.Abs() : 1e-2))
            << sections << " sections, " << f << " Hz, S" << i << j;
        if (j == 1) {
          power[0] += s.re * s.re + s.im * s.im;
          power[1] += expected.re * expected.re + expected.im * expected.im;
        }
      }
      EXPECT_NEAR(power[0], power[1], 1e-9) << sections << " sections, " << f << " Hz";
    }
    EXPECT_EQ(ReaderHarness::QueuedMessages(), std::vector<std::string>{});
  }
}

// Networks take entries from one budget while they live: under a lowered limit the first
// ladders fit and the next is refused before anything is allocated.
TEST_F(UsrDefNetTest, BoundsTheNodalMatrices) {
  std::vector<std::string> text;
  for (int net = 0; net < 3; ++net) {
    text.insert(text.end(), {"BLK", std::string("N").append(std::to_string(net)) + ": 1POR 1"});
    for (int k = 1; k < 100; ++k)
      text.push_back("RES " + std::to_string(k) + " " + std::to_string(k + 1) + " R = 1ohm");
    text.push_back("END");
  }
  const long long limit = NodalSystem<Cmplx>::SetEntryLimit(2000);
  ASSERT_NE(Read(text), nullptr);
  NodalSystem<Cmplx>::SetEntryLimit(limit);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(harness.reader.GetUsrNet(i)->IsComputable(), i < 2);
  EXPECT_EQ(ReaderHarness::QueuedMessages(),
            std::vector<std::string>{"UsrDefNet: Nicht genügend Speicherplatz"});
}

// A 0 ohm resistor is a short and a source resistance of 0 an ideal input or output; the
// results seen at 50 ohm are those of the ideal circuit.
TEST_F(UsrDefNetTest, ZeroResistancesAreShorts) {
  const double p = 1e-12f, u = 1e-6f;  // 1 pohm and 1 uohm as read
  const struct {
    std::vector<std::string> elements;
    Cmplx s11, s21;
    double tolerance;
  } cases[] = {
      {{"RES 1 2 R = 0ohm"}, {0, 0}, {1, 0}, 1e-15},
      {{"RES 1 2 R = 1pohm"}, {p / (p + 100), 0}, {100 / (p + 100), 0}, 1e-18},
      // The shunt's conductance is held beside 1e6 S in the nodal matrix.
      {{"RES 1 2 R = 1uohm", "RES 2 R = 50ohm"},
       {(u - 25) / (u + 75), 0},
       {50 / (u + 75), 0},
       1e-8},
      {{"VVG 1 0 2 0 M = 10 R1 = 1kohm R2 = 0ohm", "RES 2 3 R = 50ohm", "RES 3 R = 50ohm"},
       {950.0 / 1050, 0},
       {-20000.0 / 1050, 0},
       1e-12},
      {{"CCG 1 2 B = 10 R1 = 0ohm R2 = 1kohm"}, {-1, 0}, {-20000.0 / 1050, 0}, 1e-12},
  };
  for (const auto& c : cases) {
    std::vector<std::string> block = {"TOP: 2POR 1 2"};
    block.insert(block.end(), c.elements.begin(), c.elements.end());
    UsrDefNet* net = ReadBlock(block);
    ASSERT_NE(net, nullptr) << c.elements[0];
    Sweep(1e9, 1e9, 1);
    const Cmplx s11 = Parameter(*net, 'S', 1, 1, 0), s21 = Parameter(*net, 'S', 2, 1, 0);
    EXPECT_NEAR((s11 - c.s11).Abs(), 0.0, c.tolerance) << c.elements[0];
    // Near 1, S21 is known to double precision only.
    EXPECT_NEAR((s21 - c.s21).Abs(), 0.0, std::max(c.tolerance, 1e-15) * c.s21.Abs())
        << c.elements[0];
    EXPECT_EQ(ReaderHarness::QueuedMessages(), std::vector<std::string>{}) << c.elements[0];
  }
}

// A jumper gives the values of the circuit without it, its nodes renumbered; the sweep takes a
// short that holds at 0 Hz only out of the structure and back in.
TEST_F(UsrDefNetTest, ShortsMergeTheirNodes) {
  const struct {
    std::vector<std::string> jumpered, reference;
    bool onlyAtZero = false;  // above 0 Hz the reference is the jumpered circuit itself
  } cases[] = {
      // The port-to-ground link stays a guard conductance in both.
      {{"TOP: 2POR 1 2", "RES 1 3 R = 0ohm", "RES 3 2 R = 50ohm", "RES 3 0 R = 0ohm LS = 0nH"},
       {"TOP: 2POR 1 2", "RES 1 2 R = 50ohm", "RES 1 0 R = 0ohm LS = 0nH"}},
      {{"TOP: 2POR 1 2", "RES 1 3 R = 50ohm", "RES 3 0 R = 0ohm", "RES 3 2 R = 50ohm",
        "CAP 3 C = 1pF"},
       {"TOP: 2POR 1 2", "RES 1 R = 50ohm", "RES 2 R = 50ohm"}},
      // A chain with a loop and a resistor across it, then an interior jumper.
      {{"TOP: 2POR 1 2", "RES 1 3 R = 0ohm", "RES 3 4 R = 0ohm", "RES 4 1 R = 0ohm",
        "RES 3 4 R = 100ohm", "CAP 4 C = 1pF", "RES 4 5 R = 50ohm", "RES 5 6 R = 0ohm CP = 0pF",
        "CAP 6 C = 2pF", "IND 6 7 L = 2nH", "RES 7 2 R = 0ohm"},
       {"TOP: 2POR 1 2", "CAP 1 C = 1pF", "RES 1 5 R = 50ohm", "CAP 5 C = 2pF", "IND 5 2 L = 2nH"}},
      {{"TOP: 2POR 1 2", "RES 1 3 R = 0ohm LS = 1nH", "RES 3 2 R = 50ohm", "CAP 3 C = 1pF"},
       {"TOP: 2POR 1 2", "RES 1 2 R = 50ohm", "CAP 1 C = 1pF"},
       true},
  };
  const float frequencies[] = {0.0f, 1e9f, 0.0f};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.jumpered[1] + " ... " + c.jumpered.back());
    std::vector<PortMatrix> expected;
    for (float f : frequencies) {
      UsrDefNet* reference = ReadBlock(c.onlyAtZero && f > 0 ? c.jumpered : c.reference);
      ASSERT_NE(reference, nullptr);
      reference->FillMatrix(f);
      expected.push_back(*reference->GetPortMatrix());
    }
    UsrDefNet* net = ReadBlock(c.jumpered);
    ASSERT_NE(net, nullptr);
    for (int k = 0; k < 3; ++k) {
      net->FillMatrix(frequencies[k]);
      for (int i = 0; i < 4; ++i) {
        const Cmplx y = expected[k].GetAt(i / 2 + 1, i % 2 + 1);
        EXPECT_LE((net->GetPortMatrix()->GetAt(i / 2 + 1, i % 2 + 1) - y).Abs(),
                  1e-12 * y.Abs() + 1e-15)
            << frequencies[k] << " Hz, Y" << i;
      }
    }
    EXPECT_EQ(ReaderHarness::QueuedMessages(), std::vector<std::string>{});
  }
}

// Reference resistances as a network analyser gives them.
struct References : NetAnalyser {
  References(double rg1, double rg2) : rg1(rg1, 0.0), rg2(rg2, 0.0) {}
  Cmplx GetRG1() const override { return rg1; }
  Cmplx GetRG2() const override { return rg2; }
  Cmplx rg1, rg2;
};

// Shorts that join the ports to each other or to ground lose nothing at the ports: S agrees
// with the same circuit whose links are 1 uohm, at 0 Hz and above, and a port on ground
// reflects exactly -1 and transmits nothing.
TEST_F(UsrDefNetTest, PortShortsKeepTheElementsAtThePorts) {
  const struct {
    std::vector<std::string> elements;  // the links are "R = 0ohm"
    std::vector<int> grounded;          // ports that a link puts on ground
    double rg2 = 50.0;
  } cases[] = {
      {{"RES 1 2 R = 0ohm", "CAP 2 C = 10pF"}, {}},
      {{"RES 1 3 R = 0ohm", "RES 3 2 R = 0ohm", "RES 3 R = 100ohm", "CAP 1 C = 1pF",
        "IND 2 4 L = 5nH", "RES 4 R = 20ohm"},
       {}},
      {{"RES 1 2 R = 0ohm", "RES 2 R = 100ohm", "CAP 1 C = 2pF"}, {}, 100.0},
      // A short at 0 Hz only.
      {{"RES 1 2 R = 0ohm LS = 1nH", "CAP 2 C = 10pF"}, {}},
      {{"RES 1 0 R = 0ohm", "CAP 1 C = 10pF", "RES 1 2 R = 50ohm", "CAP 2 C = 1pF"}, {1}},
      {{"RES 2 3 R = 0ohm", "RES 3 0 R = 0ohm", "RES 1 2 R = 75ohm", "RES 1 R = 50ohm"}, {2}},
      {{"RES 1 0 R = 0ohm", "RES 2 0 R = 0ohm", "RES 1 2 R = 50ohm"}, {1, 2}},
      {{"RES 1 2 R = 0ohm", "RES 2 0 R = 0ohm", "CAP 1 C = 1pF"}, {1, 2}},
  };
  const auto sweepS = [this](std::vector<std::string> block, double rg2) {
    block.insert(block.begin(), "TOP: 2POR 1 2");
    std::vector<Cmplx> s;
    UsrDefNet* net = ReadBlock(block);
    if (net == nullptr) return s;
    Sweep(0.0, 1e9, 2);
    References references(50.0, rg2);
    NetContext::SetCurrentAnalyser(&references);
    for (int k = 0; k < 8; ++k) s.push_back(Parameter(*net, 'S', k % 2 + 1, k / 2 % 2 + 1, k / 4));
    NetContext::SetCurrentAnalyser(nullptr);
    return s;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.elements[0] + " ... " + c.elements.back());
    std::vector<std::string> links = c.elements;
    for (std::string& line : links) {
      const size_t at = line.find("R = 0ohm");
      if (at != std::string::npos) line.replace(at, 8, "R = 1uohm");
    }
    const std::vector<Cmplx> expected = sweepS(links, c.rg2);
    const std::vector<Cmplx> s = sweepS(c.elements, c.rg2);
    ASSERT_EQ(s.size(), 8u);
    ASSERT_EQ(expected.size(), 8u);
    for (int k = 0; k < 8; ++k) {
      const int i = k % 2 + 1, j = k / 2 % 2 + 1;
      const bool onGround = std::count(c.grounded.begin(), c.grounded.end(), i) +
                                std::count(c.grounded.begin(), c.grounded.end(), j) >
                            0;
      if (onGround) {
        EXPECT_EQ(s[k].re, i == j ? -1.0 : 0.0) << "S" << i << j << " point " << k / 4;
        EXPECT_EQ(s[k].im, 0.0) << "S" << i << j << " point " << k / 4;
      } else {
        EXPECT_LE((s[k] - expected[k]).Abs(), 1e-6) << "S" << i << j << " point " << k / 4;
      }
    }
    EXPECT_EQ(ReaderHarness::QueuedMessages(), std::vector<std::string>{});
  }
}

// The admittances of a through stay those of its guard conductance, and the optimum
// reflections follow its S parameters.
TEST_F(UsrDefNetTest, PortShortsKeepTheirAdmittances) {
  UsrDefNet* net = ReadBlock({"TOP: 2POR 1 2", "RES 1 2 R = 0ohm", "CAP 2 C = 10pF"});
  ASSERT_NE(net, nullptr);
  Sweep(1e9, 1e9, 1);
  EXPECT_EQ(Parameter(*net, 'Y', 1, 2, 0).re, -Cmplx::kInverseOfZero);
  EXPECT_EQ(Parameter(*net, 'Y', 2, 2, 0).re, Cmplx::kInverseOfZero);
  PortMatrix s(2);
  for (int k = 0; k < 4; ++k) {
    s.SetAt(Parameter(*net, 'S', k / 2 + 1, k % 2 + 1, 0), k / 2 + 1, k % 2 + 1);
  }
  s.SetKind(PortMatrix::kScattering);
  EXPECT_LE((Parameter(*net, 'R', 1, 1, 0) - s.OptimumSourceReflection()).Abs(), 1e-15);
  EXPECT_LE((Parameter(*net, 'R', 2, 2, 0) - s.OptimumLoadReflection()).Abs(), 1e-15);
  EXPECT_NEAR(s.GetAt(2, 1).Abs(), 0.537, 5e-4);
}

// A point whose admittances are not finite keeps its zeros, and a table row that would show
// an infinite or NaN value shows zeros; the net says so once per run.
TEST_F(UsrDefNetTest, NonFinitePointsAreReportedNotShown) {
  UsrDefNet* net = ReadBlock({"TOP: 2POR 1 2", "TAP 1 3", "TAP 3 2"});
  ASSERT_NE(net, nullptr);
  Sweep(1e9, 2e9, 2);
  EXPECT_DOUBLE_EQ(net->GetPortMatrix(0).GetAt(1, 1).re, 1e300);
  EXPECT_EQ(net->GetPortMatrix(1).GetAt(1, 1).re, 0.0);
  net->WriteResultTable(nullptr, 'Z');
  const std::vector<std::string> rows = Table(*net);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[3], "1       \t0\t0\t0\t0\t0\t0\t0\t0");
  EXPECT_EQ(rows[4], "2       \t0\t0\t0\t0\t0\t0\t0\t0");
  EXPECT_EQ(ReaderHarness::QueuedMessages(),
            std::vector<std::string>{"Ergebnis nicht berechenbar: TOP bei 2 GHz"});
}

}  // namespace
