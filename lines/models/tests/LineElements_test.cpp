#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "lines/models/TaperLine.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

constexpr const char* kBoard = "S1: MS H=0.635mm ER=9.8 MET1 = CU 0um TAND=0";

// Boards of every kind the tests need, and DATA entries that are no usable substrate.
ElementBench Bench() {
  return ElementBench({kBoard, "LOSSY: MS H=1mm ER=4.5 MET1 = AU 17um TAND=0.02",
                       "RT: MS H=0.787mm ER=2.22 MET1 = CU 17um TAND=0.0009",
                       "LOW: MS H=1mm ER=0.5 MET1 = CU 0um TAND=0",
                       "FLAT: MS H=0mm ER=2 MET1 = CU 0um TAND=0",
                       "GAIN: MS H=1mm ER=4.4 MET1 = CU 0um TAND=-0.05", "WV: 1mm", "T1: S 1",
                       "1GHz 0.5 10"},
                      {"ZL: 50ohm"});
}

struct SkrfRow {
  const char* line;
  double f;
  int ports;
  double s[8];
};
const SkrfRow kSkrfRows[] = {
#include "lines/models/tests/fixtures/lines_skrf.inc"
};

// The check and read passes of every line family refuse what no model can compute.
TEST(LineElements, LinesThatCannotBeModelledAreRefusedWithAMessage) {
  ElementBench bench = Bench();
  const std::pair<const char*, const char*> cases[] = {
      {"TRL 1 2 Z=50ohm K=2.2 A=0.5", "50ohm K=2.2 A=0.5 P fehlt "},
      {"TRL 1 2 Z=0ohm P=0.1m K=2.2 A=0", "Z muß > 0 sein"},
      {"TRL 1 2 Z=50 P=0.1m K=2.2 A=0", "RES: KeineDimension"},
      {"STEM 3 Z=ZL P=0.1m K=0.5 A=0 OPEN", "K muß >= 1 sein"},
      {"TRL 1 2 W=0mm P=10mm S1", "W muß > 0 sein"},
      {"TRL 1 3 2 4 W=1mm P=10mm S1", "Dreipole haben gleichen Bezugspunkt"},
      {"SST 3 W=1mm P=0mm S1", "P muß > 0 sein"},
      {"OST 3 W=1mm P=4mm NOSUB", "Substrat nicht vorhanden: NOSUB"},
      // A microstrip line whose substrate is missing is named with it, not taken for an
      // ideal TEM line without Z.
      {"TRL 1 2 W=1mm P=10mm ALX", "Substrat nicht vorhanden: ALX"},
      {"TRL 1 2 W=1mm P=10mm FR-4", "Substrat nicht vorhanden: FR-4"},
      {"OST 3 W=1mm P=4mm T1", "T1 ist kein gültiges Substrat"},
      // Boards the formulas cannot take are refused where their line is read (Substrat_test);
      // an element on one has no substrate.
      {"OST 3 W=1mm P=4mm LOW", "LOW ist kein gültiges Substrat"},
      {"TAP 1 2 W1=1mm W2=3mm P=10mm WLIN FLAT", "FLAT ist kein gültiges Substrat"},
      {"CPLL 1 2 W=1mm S=0.5mm P=10mm GAIN", "Substrat not found: GAIN"},
      {"CST 3 A=360 WI=0.5mm RL=3mm S1", "A muß zwischen 0 und 360 Grad liegen"},
      {"TKOX 1 2 GD=1.3mm KD=1.3mm P=1m ER=2.3 TD=0 Silber", "KD muß kleiner als GD sein"},
      {"STEP 1 2 W1=1mm W2=2mm MO=3 S1", "MO muß 0, 1 oder 2 sein"},
      {"STEP 1 2 W1=1mm W2=2mm MO=-1 S1", "Ist keine Zahl"},
      {"STEP 1 2 W1=1mm W2=0mm MO=1 S1", "Streifenbreite muß größer 0 sein"},
      {"STEP 1 2 W1=1mm MO=1 S1", "1mm MO=1 S1 W2 fehlt "},
      {"STEP 1 2 W1=1mm W2=2mm MO=1 FLAT", "Substrat nicht vorhanden: FLAT"},
      // A DATA entry that is no substrate passes the check and fails the binding.
      {"STEP 1 2 W1=1mm W2=2mm MO=1 WV", "Substrat nicht vorhanden: WV"},
      // Without a form word the check takes the key W1 for it.
      {"BEND 1 2 W1=1mm W2=1mm S1", "=1mm W2=1mm S1 W1 fehlt "},
      {"BEND 1 2 CUT W1=0mm W2=1mm S1", "Streifenbreite muß größer 0 sein"},
      {"TEE 1 2 3 W1=1mm W2=1mm S1", "1mm S1 W3 fehlt "},
      {"MSTSL 1 2 3 M=1mm S=0.2mm K=0.99 KNR S9", "Substrat not found: S9"},
      {"SLTL 1 2 Approx W=0.1mm 5mm S1", "0.1mm 5mm S1 P fehlt "},
      {"SLTL 1 2 Approx W=-0.1mm P=5mm S1", ""},
      {"SLTS 1 Approx W=0.1mm P=5mm OPEN T1", "Substrat not found: T1"},
      {"CPLL 1 2 W=1mm 0.5mm P=10mm RT", "1mm 0.5mm P=10mm RT S fehlt "},
  };
  for (const auto& [line, message] : cases) EXPECT_TRUE(bench.Refuses({line}, message)) << line;
  // The open stub's end extension keeps a stub of length 0 a line.
  EXPECT_NE(bench.Build("OST 3 W=1mm P=0mm S1"), nullptr);
}

// What the TEM and coax dialogs refuse, the elements refuse as well, so that a netlist typed by
// hand is reported rather than simulated: no length, impedance or diameter of 0 or below, a
// permittivity below 1, an inner diameter not below the outer, and no negative loss (a passive
// line with gain).
TEST(LineElements, TemAndCoaxRefuseWhatTheirDialogsRefuse) {
  ElementBench bench = Bench();
  const std::pair<const char*, const char*> cases[] = {
      {"TRL 1 2 Z=50ohm P=0.13m K=2.2 A=-3", "A darf nicht negativ sein"},
      {"TRL 1 2 Z=50ohm P=0m K=2.2 A=0", "P muß > 0 sein"},
      {"TRL 1 2 Z=50ohm P=0.1m K=0 A=0", "K muß >= 1 sein"},
      {"TRL 1 2 Z=-50ohm P=0.1m K=1 A=0", "Negativer Widerstand"},
      {"STEM 3 Z=50ohm P=0.1m K=1 A=-0.5 OPEN", "A darf nicht negativ sein"},
      {"STEM 3 Z=50ohm P=0m K=1 A=0 SHORT", "P muß > 0 sein"},
      {"STEM 3 Z=0ohm P=0.1m K=1 A=0 SHORT", "Z muß > 0 sein"},
      {"TKOX 1 2 GD=4.7mm KD=1.3mm P=1m ER=2.3 TD=-0.1 Silber", "TD darf nicht negativ sein"},
      {"SKOX 3 GD=4.7mm KD=1.3mm P=0.2m ER=2.3 TD=-0.1 Gold OPEN", "TD darf nicht negativ sein"},
      {"TKOX 1 2 GD=4.7mm KD=1.3mm P=0m ER=2.3 TD=0 Silber", "P muß > 0 sein"},
      {"TKOX 1 2 GD=4.7mm KD=0mm P=1m ER=2.3 TD=0 Silber", "KD muß > 0 sein"},
      {"TKOX 1 2 GD=1mm KD=1.3mm P=1m ER=2.3 TD=0 Silber", "KD muß kleiner als GD sein"},
      {"SKOX 3 GD=4.7mm KD=1.3mm P=0.2m ER=0.9 TD=0 Gold SHORT", "ER muß >= 1 sein"},
  };
  for (const auto& [line, message] : cases) EXPECT_TRUE(bench.Refuses({line}, message)) << line;
  // The borders themselves are taken: no loss, and a medium of vacuum.
  for (const char* line : {"TRL 1 2 Z=50ohm P=0.13m K=1 A=0", "STEM 3 Z=50ohm P=1mm K=1 A=0 OPEN",
                           "TKOX 1 2 GD=4.7mm KD=1.3mm P=1m ER=1 TD=0 Silber"}) {
    EXPECT_NE(bench.Build(line), nullptr) << line;
  }
}

// Every name the substrate dialog accepts (letters, digits, '.', '-', '+', '_', beginning with
// a letter) is found by every element that lies on a substrate, also one holding the letters
// of a key ("HF1": H).
TEST(LineElements, EveryElementFindsEverySubstrateName) {
  const char* const names[] = {"FR-4", "RO4003C", "Duroid_5880", "Al2O3.99", "HF1", "a+b", "CHIP",
                               "TAND", "MS"};
  const char* const lines[] = {
      "TRL 1 2 W=1mm P=10mm %s",
      "OST 3 W=1mm P=4mm %s",
      "SST 3 W=1mm P=4mm %s",
      "CST 3 A=60 WI=0.5mm RL=3mm %s",
      "TAP 1 2 W1=1mm W2=3mm P=10mm WCOS %s",
      "CPL 1 2 3 4 W=0.6mm S=0.2mm P=12mm %s",
      "STEP 1 2 W1=0.6mm W2=2mm MO=1 %s",
      "BEND 1 2 NCUT W1=0.6mm W2=0.6mm %s",
      "TEE 1 2 3 W1=0.6mm W2=0.6mm W3=0.2mm %s",
      "SLTL 1 2 Cohn W=0.1mm P=5mm %s",
      "SLTS 1 Approx W=0.1mm P=5mm OPEN %s",
      "CPLL 1 2 W=1mm S=0.5mm P=10mm %s",
      "CPLS 1 W=1mm S=0.5mm P=10mm SHORT %s",
      "MSTSL 1 2 3 M=0.6mm S=0.2mm K=0.99 KNR %s",
  };
  for (const char* name : names) {
    const std::string board =
        std::string(name) + ": MS H=0.635mm ER=9.8 MET1 = CU 17um TAND=0.0002";
    ElementBench bench({board});
    EXPECT_EQ(QueuedMessages(), Lines{}) << board;
    for (const char* form : lines) {
      char line[128];
      std::snprintf(line, sizeof line, form, name);
      EXPECT_NE(bench.Accept(line), nullptr) << line;
      // Under another name the line names the missing substrate by that name.
      std::snprintf(line, sizeof line, form, (std::string(name) + "X").c_str());
      EXPECT_TRUE(bench.Refuses({line}, (std::string(": ") + name + "X").c_str())) << line;
    }
  }
}

// Each line and stub against a line of the same gamma and Z0 in scikit-rf, 50 ohm ports.
TEST(LineElements, AgreeWithScikitRfLinesOfTheSameGammaAndImpedance) {
  ElementBench bench = Bench();
  for (const SkrfRow& row : kSkrfRows) {
    auto element = bench.Accept(row.line);
    if (!element) continue;
    element->FillMatrix(static_cast<float>(row.f));
    const PortMatrix s = element->GetPortMatrix()->ConvertToS(50.0f, 50.0f);
    const int at[4][2] = {{1, 1}, {2, 1}, {1, 2}, {2, 2}};
    for (int k = 0; k < (row.ports == 1 ? 1 : 4); ++k) {
      const Cmplx z = s.GetAt(at[k][0], at[k][1]);
      EXPECT_NEAR(z.re, row.s[2 * k], 1e-9) << row.line << " @" << row.f << " entry " << k;
      EXPECT_NEAR(z.im, row.s[2 * k + 1], 1e-9) << row.line << " @" << row.f << " entry " << k;
    }
  }
}

// Every line and discontinuity element at 0 Hz, 1 Hz and 1 GHz: finite, reciprocal and
// passive (no column of S carries more than the incident power), a lossless one imaginary
// above 0 Hz. At 0 Hz, with no message, lines and junctions are throughs and stubs open or
// short as their end says: the first column of S is dc, where given (n/a elsewhere).
TEST(LineElements, FiniteReciprocalAndPassiveFromZeroFrequency) {
  ElementBench bench = Bench();
  constexpr double na = 9.0;
  constexpr double third = 1.0 / 3.0;
  const struct {
    const char* line;
    bool lossless;
    double dc[4];
  } cases[] = {
      {"TRL 1 2 Z=50ohm P=0.13m K=2.2 A=0", true, {0, 1}},
      // A constant attenuation stays at 0 Hz: 0.195 dB over the matched line.
      {"TRL 1 2 Z=50ohm P=0.13m K=2.2 A=1.5", false, {0, 0.97780}},
      {"TRL 1 2 W=0.6mm P=13mm S1", true, {0, 1}},
      {"TRL 1 2 W=0.6mm P=13mm LOSSY", false, {0, 1}},
      {"OST 3 W=0.6mm P=3mm S1", true, {1}},
      {"SST 3 W=0.6mm P=3mm S1", true, {-1}},
      {"CST 3 A=60 WI=0.5mm RL=3mm S1", false, {1}},
      {"STEM 3 Z=50ohm P=0.1m K=1 A=0 OPEN", true, {1}},
      {"STEM 3 Z=50ohm P=0.1m K=1 A=0 SHORT", true, {-1}},
      {"TKOX 1 2 GD=4.7mm KD=1.3mm P=1m ER=2.3 TD=0 Gold", false, {0, 1}},
      {"SKOX 3 GD=4.7mm KD=1.3mm P=0.2m ER=2.3 TD=0 Gold OPEN", false, {1}},
      {"SKOX 3 GD=4.7mm KD=1.3mm P=0.2m ER=2.3 TD=0 Gold SHORT", false, {-1}},
      {"TAP 1 2 W1=0.3mm W2=2mm P=17mm WEXP S1", true, {0, 1}},
      {"TAP 1 2 W1=0.3mm W2=2mm P=17mm WCOS LOSSY", false, {0, 1}},
      {"BEND 1 2 NCUT W1=0.6mm W2=0.6mm S1", true, {0, 1}},
      {"STEP 1 2 W1=0.6mm W2=2mm MO=0 S1", false, {0, 1}},
      {"STEP 1 2 W1=2mm W2=0.6mm MO=1 S1", false, {0, 1}},
      {"STEP 1 2 W1=0.6mm W2=2mm MO=2 S1", false, {0, 1}},
      {"TEE 1 2 3 W1=0.6mm W2=0.6mm W3=0.2mm S1", true, {-third, 2 * third, 2 * third}},
      {"CPL 1 2 3 4 W=0.6mm S=0.2mm P=12mm S1", true, {0, 0, 0, 1}},
      {"CPL 1 2 3 4 W=0.6mm S=0.2mm P=12mm LOSSY", false, {0, 0, 0, 1}},
      {"SLTL 1 2 Approx W=0.1mm P=5mm S1", false, {0, 1}},
      {"SLTL 1 2 Cohn W=0.1mm P=5mm S1", true, {0, 1}},
      {"SLTS 1 Approx W=0.1mm P=5mm OPEN S1", false, {1}},
      {"SLTS 1 Cohn W=0.1mm P=5mm SHORT S1", true, {-1}},
      {"CPLL 1 2 W=1mm S=0.5mm P=10mm RT", false, {0, 1}},
      {"CPLS 1 W=1mm S=0.5mm P=10mm OPEN RT", false, {1}},
      {"CPLS 1 W=1mm S=0.5mm P=10mm SHORT RT", false, {-1}},
      {"MSTSL 1 2 3 M=0.6mm S=0.2mm K=0.99 KNR S1", false, {na}},
      {"MSTSL 1 2 3 M=0.6mm S=0.2mm K=0.99 SIM S1", false, {0, 1, 0}},
  };
  for (const auto& k : cases) {
    VS_Error::ResetQueue();
    auto element = bench.Accept(k.line);
    if (!element) continue;
    const int n = element->GetPortCount();
    for (float f : {0.0f, 1.0f, 1e9f}) {
      SCOPED_TRACE(std::string(k.line) + " @" + std::to_string(f));
      element->FillMatrix(f);
      EXPECT_TRUE(FiniteAndReciprocal(*element));
      for (int i = 0; k.lossless && f > 1.0f && i < n * n; ++i) {
        EXPECT_EQ(At(*element, i / n + 1, i % n + 1).re, 0.0);
      }
      const auto s = Scattering(*element);
      for (int c = 0; c < n; ++c) {
        long double power = 0.0L;
        for (int r = 0; r < n; ++r) power += std::norm(s[static_cast<size_t>(r * n + c)]);
        EXPECT_LE(power, 1.0L + 1e-9L) << "column " << c + 1;
      }
      if (f > 0.0f) continue;
      EXPECT_EQ(QueuedMessages(), Lines{});
      if (k.dc[0] == na) continue;
      for (int r = 0; r < n; ++r) {
        const long double error = std::abs(s[static_cast<size_t>(r * n)] - (long double)k.dc[r]);
        EXPECT_LT(error, 1e-6L) << "row " << r + 1;
      }
    }
  }
}

// A shunt at the junction of two lines keeps its weight beside their conductances at 0 Hz.
TEST(LineElements, JunctionShuntBetweenLinesAtZeroFrequency) {
  const auto s =
      ElementBench({kBoard}).NetworkS({"N: 2POR 1 3", "TRL 1 2 W=0.6mm P=13mm S1",
                                       "RES 2 R = 50ohm", "TRL 2 3 Z=50ohm P=0.1m K=1 A=0"},
                                      0.0f);
  EXPECT_LT(std::abs(s[0] + 1.0L / 3.0L), 1e-6L);
  EXPECT_LT(std::abs(s[2] - 2.0L / 3.0L), 1e-6L);
}

// Quarter-wave microstrip stubs invert their end: the short-circuited one is open, the open
// one, shortened by its end extension, short-circuited. The other stubs meet scikit-rf above.
TEST(LineElements, QuarterWaveStubsInvertTheirEnd) {
  const float f = 2e9f;
  SubstrateData board;
  board.H = 0.635e-3;
  board.ER = 9.8f;
  board.T = 0.0;
  MicrostripResult ms;
  ASSERT_TRUE(MathPool::CalcMicrostrip(ms, board, f / 1e9, 0.5));
  const double quarter = 250.0 * MathPool::kLightSpeed / (f * std::sqrt(ms.eps));  // mm
  char sst[32], ost[32];
  std::snprintf(sst, sizeof sst, "QS: %.6fmm", quarter);
  std::snprintf(ost, sizeof ost, "QO: %.6fmm", quarter - ms.dl);
  ElementBench bench({kBoard}, {sst, ost});
  auto shorted = bench.Accept("SST 3 W=0.5mm P=QS S1");
  auto open = bench.Accept("OST 3 W=0.5mm P=QO S1");
  ASSERT_TRUE(shorted && open);
  shorted->FillMatrix(f);
  open->FillMatrix(f);
  EXPECT_LT(At(*shorted, 1, 1).Abs(), 1e-4);
  EXPECT_GT(At(*open, 1, 1).Abs(), 10.0);
}

TEST(TaperLine, SectionsFollowTheElectricalLength) {
  ElementBench bench({"E4: MS H=1mm ER=4 MET1 = CU 0um TAND=0.001"});
  // In the substrate (sqrt(ER) = 2) 300 mm are 3.002 wavelengths at 1.5 GHz.
  auto taper = bench.Accept("TAP 1 2 W1=1mm W2=2mm P=300mm WLIN E4");
  auto uniform = bench.Accept("TAP 1 2 W1=1mm W2=1mm P=300mm WEXP E4");
  auto line = bench.Accept("TRL 1 2 W=1mm P=300mm E4");
  ASSERT_TRUE(taper && uniform && line);
  taper->FillMatrix(1.5e9f);
  EXPECT_EQ(dynamic_cast<TaperLine&>(*taper).GetSectionCount(), 30);
  taper->FillMatrix(1e8f);
  EXPECT_EQ(dynamic_cast<TaperLine&>(*taper).GetSectionCount(), 10);
  uniform->FillMatrix(1.5e9f);
  line->FillMatrix(1.5e9f);
  for (auto [r, c] : {std::pair{1, 1}, {1, 2}, {2, 2}}) {
    const Cmplx d = At(*uniform, r, c) - At(*line, r, c);
    EXPECT_LT(d.Abs(), 1e-9 * At(*line, r, c).Abs()) << r << c;
  }
}

// At low frequency the stub is the capacitor of its sector, enlarged by the fringing fields.
TEST(MicRadialStub, ASectorCapacitorLossyByItsMetal) {
  ElementBench bench({kBoard, "GOLD: MS H=0.635mm ER=9.8 MET1 = AU 0um TAND=0"});
  auto copper = bench.Accept("CST 3 A=60 WI=0.5mm RL=3mm S1");
  auto gold = bench.Accept("CST 3 A=60 WI=0.5mm RL=3mm GOLD");
  ASSERT_TRUE(copper && gold);
  const double f = 1e8, theta = MathPool::kPi / 3.0, ri = 0.25e-3 / std::tan(theta / 2.0);
  const double plate =
      8.854187817e-12 * 9.8 * theta / 2.0 * (std::pow(ri + 3e-3, 2) - ri * ri) / 0.635e-3;
  copper->FillMatrix(static_cast<float>(f));
  const double ratio = At(*copper, 1, 1).im / (MathPool::kTwoPi * f) / plate;
  EXPECT_GT(ratio, 1.0);
  EXPECT_LT(ratio, 1.5);
  gold->FillMatrix(static_cast<float>(f));
  EXPECT_GT(At(*gold, 1, 1).re, At(*copper, 1, 1).re);
}

// A point the model cannot compute stamps no older point's values.
TEST(LineElements, FailedPointLeavesTheElementOpenAndReportsOnce) {
  ElementBench bench({kBoard});
  auto line = bench.Accept("TRL 1 2 W=0.6mm P=13mm S1");
  ASSERT_TRUE(line);
  line->FillMatrix(1e9f);
  EXPECT_NE(At(*line, 1, 1).Abs(), 0.0);
  line->FillMatrix(-1e9f);
  line->FillMatrix(-2e9f);
  for (auto [r, c] : {std::pair{1, 1}, {1, 2}, {2, 1}, {2, 2}})
    EXPECT_EQ(At(*line, r, c).Abs(), 0.0);
  EXPECT_EQ(QueuedMessages(), Lines{"TRL: Leitungsmodell ohne Ergebnis"});
}

}  // namespace
