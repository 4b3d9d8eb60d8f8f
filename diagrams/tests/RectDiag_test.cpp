// The rectangular, time and plane kinds: mapping, headers, keys, eye mode, archive, PiCTeX.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>

#include "basics/Vektor.h"
#include "basics/WertMitDim.h"
#include "diagrams/RecPlanDiag.h"
#include "diagrams/RectFreqDiag.h"
#include "diagrams/RectTimeDiag.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/graphics/DiagramMarker.h"
#include "diagrams/graphics/OutText.h"
#include "diagrams/tests/PicTexLines.h"
#include "pf/archive.h"
#include "pf/headless.h"
#include "pf/recording_dc.h"
#include "simulator/PortMatrix.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// 500 x 400: pitch 32 x 25, grid 320 x 250 from (90, 75).
template <class D>
class Settable : public D {
 public:
  using D::D;
  void SetRefValue(float v) { this->refValue = v; }
  void SetSweep(float start, float stop, char mode) {
    this->startFrequency = start;
    this->stopFrequency = stop;
    this->SetXAxisMode(mode);
    this->UpdateXAxis();
  }
};

TEST(RectFreqDiagTest, MapsFrequenciesAndValuesOntoTheGridAndItsEdges) {
  Settable<LogMagDiag> d(nullptr, 0, 0, 500, 400);
  ASSERT_EQ(d.GetGridLeft(), 90);
  ASSERT_EQ(d.GetGridTop(), 75);
  const struct {
    char mode;
    float f, v;
    int x, y;
    bool inGrid;  // a spectral line is drawn: the frequency lies in the range
  } cases[] = {
      {'E', 1e10f, 0.0f, 90 + 245, 175, true},  // 76.9 % of the log axis; 0 dB four divisions down
      {'E', 5e8f, -60.0f, 90, 325, false},      // below the start; -60 dB on the bottom
      {'E', 3e10f, -61.0f, 410, 325, false},    // above the stop; below the bottom
      {'E', 0.0f, 45.0f, 90, 75, false},        // 0 Hz on the left edge, above the top
      {'E', -1e9f, kNaN, 90, 75, false},
      {'E', kNaN, 10.0f, 90, 150, false},
      {'L', 1e9f, 10.0f, 90, 150, true},
      {'L', 2e10f, 0.0f, 410, 175, true},
      {'L', 2.5e10f, 0.0f, 410, 175, false},
      {'L', 0.0f, 0.0f, 90, 175, false},        // a DC line left of a range from 1 GHz
  };
  for (const auto& c : cases) {
    d.SetSweep(1e9f, 2e10f, c.mode);
    EXPECT_EQ(d.MapX(c.f, c.v), c.x) << c.mode << " " << c.f;
    EXPECT_EQ(d.MapY(c.v, c.f), c.y) << c.v;
    EXPECT_EQ(d.IsInGrid(c.f, c.v), c.inGrid) << c.mode << " " << c.f;
  }
  d.SetSweep(1e9f, 2e10f, 'L');
  EXPECT_EQ(d.GetXScale(), static_cast<float>(1.9e10 / 10.0));
  d.SetSweep(1e9f, 2e10f, 'E');
  EXPECT_EQ(d.GetXScale(), 20.0f);
}

TEST(RectDiagTest, HeadersOfEveryKind) {
  PlotPlaneDiag plot(nullptr, 0, 0, 400, 300);
  plot.yUnitText = "V";
  plot.xUnitText = "A";
  const struct {
    std::unique_ptr<RectDiag> d;
    const char* header;
  } cases[] = {
      {std::make_unique<LogMagDiag>(nullptr, 0, 0, 500, 400),
       "LogMag  >REF:          0dB          10dB/Div"},
      {std::make_unique<LinMagDiag>(nullptr, 0, 0, 500, 400),
       "LinMag  >REF:          1              0.025  /Div"},
      {std::make_unique<PhaseDiag>(nullptr, 0, 0, 500, 400),
       "Phase  >REF:          0                 10 Grad/Div"},
      {std::make_unique<LinRealDiag>(nullptr, 0, 0, 500, 400),
       "LinReal  >REF:          0                  1 /Div"},
      {std::make_unique<LinImagDiag>(nullptr, 0, 0, 500, 400),
       "LinImag  >REF:          0                  5 /Div"},
      {std::make_unique<SpecLogMag>(nullptr, 0, 0, 500, 400),
       "LogMag  >REF:          0dBm          10dB/Div"},
      {std::make_unique<SpecLogMag>(), "LogMag  >REF:          0dB          10dB/Div"},
      {std::make_unique<LinTimeDiag>(nullptr, 0, 0, 500, 400),
       "LinTime  >REF:          0                0.1  V/Div"},
      {std::make_unique<RecPlanDiag>(nullptr, 0, 0, 400, 300),
       "RecPlane  >yREF:          0  >xRef:          0         0.75/Div"},
      {std::make_unique<PlotPlaneDiag>(plot), ">yREF:          0V        0.75V/Div"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.d->HeaderText(), c.header) << c.d->GetTypeName();
  }
  pf::RecordingDc dc;
  cases[0].d->Draw(&dc);
  EXPECT_EQ(cases[0].d->GetHeaderLine(0)->GetText(), cases[0].header) << "drawn into line 1";
  const auto* spec = cases[5].d.get();
  EXPECT_EQ(spec->GetStartLabel()->GetText(), "1GHz");
  EXPECT_EQ(spec->GetStopLabel()->GetText(), "20GHz");
  // Both axes together are wider than the room beside the soft-key labels: the plotter writes
  // the x axis's under its grid.
  plot.Draw(&dc);
  EXPECT_EQ(plot.GetStartLabel()->GetText(), ">xRef:          0A       0.75A/Div");
  EXPECT_GT(plot.GetStartLabel()->GetY(), plot.GetGridTop() + 10 * plot.GetDivPixelsY());
}

TEST(RectFreqDiagTest, LinMagScaleUpKeepsTheBottomLineAtOrAboveZero) {
  pf::Headless headless;
  const struct {
    float reference;
    int presses;
    float scale, newReference;
  } cases[] = {{0.0f, 1, 0.05f, 0.3f}, {1.0f, 1, 0.05f, 1.0f}, {0.0f, 17, 1000.0f, 6000.0f}};
  for (const auto& c : cases) {
    Settable<LinMagDiag> d(nullptr, 0, 0, 500, 400);
    d.SetRefValue(c.reference);
    for (int i = 0; i < c.presses; ++i) d.YScaleUp();
    EXPECT_EQ(d.GetYScale(), c.scale);
    EXPECT_EQ(d.GetRefValue(), c.newReference);
    EXPECT_EQ(d.MapY(0.0f, 0.0f) >= d.GetGridTop() + 250, true) << "0 on or below the bottom";
  }
  EXPECT_TRUE(headless.Ui().Beeps().empty()) << "no beep at the top of the table";
}

TEST(RectDiagTest, SetRectKeepsTheScaleAndItsIndex) {
  pf::Headless headless;
  LogMagDiag d(nullptr, 0, 0, 500, 400);
  d.YScaleDown();
  d.SetRect({0, 0, 250, 200});
  EXPECT_EQ(d.GetDivPixelsX(), 16);
  EXPECT_EQ(d.GetYRefPos(), 4);
  EXPECT_EQ(d.GetYScale(), 7.5f);
  d.YScaleUp();
  EXPECT_EQ(d.GetYScale(), 10.0f) << "up goes up";
  EXPECT_EQ(d.MapY(-10.0f, 0.0f), d.GetGridTop() + 5 * 12) << "the scale follows the pitch";
}

TEST(LinTimeDiagTest, EyeModeFoldsTwoBitPeriodsIntoOneTrace) {
  LinTimeDiag d(nullptr, 0, 0, 500, 400);
  LinTimeDiag firstFold(nullptr, 0, 0, 500, 400);
  d.SetEyeMode();
  firstFold.SetEyeMode();
  EXPECT_EQ(d.GetXScale(), 2e-10f);
  EXPECT_EQ(d.GetStopLabel()->GetText(), TimWert(2e-9));
  const struct {
    float t;
    bool move;
    float same;  // maps where this time does in the first fold
  } steps[] = {{0.5e-9f, false, 0.5e-9f}, {1.5e-9f, false, 1.5e-9f},
               {2.5e-9f, true, 0.5e-9f},  {4.5e-9f, true, 0.5e-9f},
               {4.6e-9f, false, 0.6e-9f}};
  for (const auto& s : steps) {
    const int x = d.MapX(s.t, 0.0f);
    EXPECT_EQ(d.IsPenMove(), s.move) << s.t;
    EXPECT_EQ(x, firstFold.MapX(s.same, 0.0f)) << s.t;
  }
  EXPECT_EQ(firstFold.MapX(0.5e-9f, 0.0f), d.GetGridLeft() + 80);

  // Four bit periods of 1 ns, 0.5 V in the first two and -0.5 V after: each fold is its own
  // trace from the left edge, no line runs back, and PiCTeX gets one list per trace.
  d.CreateCurve(0, 40, 1);
  for (int i = 0; i < 40; ++i) d.GetCurve(0)->Append(i * 1e-10, i < 20 ? 0.5 : -0.5);
  d.curvesShown = 1;
  pf::RecordingDc dc;
  d.Draw(&dc);
  int lines = 0;
  for (const pf::DcCall& call : dc.Calls()) {
    if (call.op != "Line" || call.pen.color != pf::Rgb(255, 0, 0)) continue;
    ++lines;
    EXPECT_GE(call.points[1].x, call.points[0].x) << call.ToString();
  }
  EXPECT_EQ(lines, 38);
  d.SetPicTexFileName((testing::TempDir() + "eye.tex").c_str());
  ASSERT_TRUE(d.ExportPicTex(80));
  int plots = 0;
  int rules = 0;
  for (const std::string& line : PicTexLines(d.GetPicTex())) {
    plots += line.rfind("\\plot", 0) == 0;
    rules += line.rfind("\\put {\\vrule", 0) == 0;
  }
  EXPECT_EQ(plots, 1 + 1) << "the reference mark and the first trace's fall";
  EXPECT_EQ(rules, 2) << "each trace's level";

  d.SetTimeMode();
  EXPECT_EQ(d.GetXScale(), 1e-10f);
  EXPECT_EQ(d.MapX(-1e-9f, 0.0f), d.GetGridLeft()) << "before the start";
  EXPECT_EQ(d.GetStopLabel()->GetText(), TimWert(static_cast<double>(1e-10f) * 10.0));
}

TEST(LinTimeDiagTest, PeriodsThatFoldNothingAndTheTimeScale) {
  pf::Headless headless;
  for (double period : {0.0, -1e-9, 1.0 / 0.0, std::nan("")}) {
    LinTimeDiag d(nullptr, 0, 0, 500, 400);
    d.SetPeriod(period);
    d.SetEyeMode();
    EXPECT_EQ(d.GetXScale(), 1e-10f) << period;
    EXPECT_EQ(d.MapX(4.5e-9f, 0.0f), d.GetGridLeft() + 320) << period;
    EXPECT_TRUE(d.IsPenLine());
  }
  LinTimeDiag d(nullptr, 0, 0, 500, 400);
  for (int i = 6; i < 24; ++i) d.XScaleUp();
  EXPECT_EQ(d.GetXScale(), 1e-4f);
  d.XScaleUp();
  EXPECT_EQ(d.GetXScale(), 1e-3f);
  EXPECT_EQ(d.GetStopLabel()->GetText(), "10mSec");
  d.XRefValueDown();
  EXPECT_EQ(d.GetXRefValue(), -1e-3f) << "the start time has no limit";
  EXPECT_EQ(d.GetStartLabel()->GetText(), "-1mSec");
}

// The whole span on the finest scale, the start on a whole division; a start too far from 0
// for the float start time at a fine scale takes a coarser one.
TEST(LinTimeDiagTest, ShowsASpanOnTheFinestScaleThatHoldsIt) {
  const struct {
    double first, last;
    float perDiv, start;
    const char* stop;
  } cases[] = {
      {0.0, 3.9e-9, 5e-10f, 0.0f, "5nSec"},
      {1e-6, 1.5e-6, 5e-8f, 1e-6f, "1.5uSec"},
      {-2e-9, 2e-9, 5e-10f, -2e-9f, "3nSec"},
      {1.0, 1.0 + 1e-9, 1e-5f, 1.0f, "1Sec"},
      {0.0, 100.0, 1.0f, 0.0f, "10Sec"},
  };
  for (const auto& c : cases) {
    LinTimeDiag d(nullptr, 0, 0, 500, 400);
    d.ShowSpan(c.first, c.last);
    EXPECT_EQ(d.GetXScale(), c.perDiv) << c.first << " to " << c.last;
    EXPECT_FLOAT_EQ(d.GetXRefValue(), c.start) << c.first << " to " << c.last;
    EXPECT_EQ(d.GetStopLabel()->GetText(), c.stop) << c.first << " to " << c.last;
  }
}

TEST(PlaneDiagTest, SquareGridAndSaturatedPixelsWithoutClipping) {
  RecPlanDiag d(nullptr, 0, 0, 400, 300);
  ASSERT_EQ(d.GetDivPixelsX(), 21);
  ASSERT_EQ(d.GetGridWidth(), 210);
  // Grid from (95, 45); the y reference line five pitches down, the x one on the left edge.
  const float off = 1000 * 0.75f;
  const struct {
    bool clip;
    float vx, vy;
    int x, y;
  } cases[] = {
      {true, 0.0f, 0.0f, 95, 150},       {true, 0.75f, 0.75f, 116, 129},
      {true, off, -off, 305, 255},       {true, -off, off, 95, 45},
      {false, off, -off, 21095, 21150},  {false, 2 * off, -2 * off, 32767, 32767},
      {false, -2 * off, 2 * off, -32768, -32768}, {false, kNaN, kNaN, -32768, -32768},
  };
  for (const auto& c : cases) {
    if (c.clip) {
      d.ClipOn();
    } else {
      d.ClipOff();
    }
    EXPECT_EQ(d.MapX(c.vx, c.vy), c.x) << c.vx;
    EXPECT_EQ(d.MapY(c.vy, c.vx), c.y) << c.vy;
  }
}

// Sets filled for a sweep resized to three points: each mode's set shows its first frequency,
// steps within the three, and the free marker reads the set's matrix (S11 0.1, 0.2, 0.3 and
// S22 0.2, 0.4, 0.6; S12 = 0, so the other port sees conj(S11) or conj(S22)).
TEST(PlaneDiagTest, GainCircleSetsStepFromTheFirstFrequencyWithTheFreeMarker) {
  const struct {
    char set;
    int keys;
    const char* prefix;
    const char* others[3];
  } cases[] = {
      {'L', 3, "Load x: ", {" RGen x:0.1 y:-0", " RGen x:0.2 y:-0", " RGen x:0.3 y:-0"}},
      {'G', 4, "Gen x: ", {" RLoad x:0.2 y:-0", " RLoad x:0.4 y:-0", " RLoad x:0.6 y:-0"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.set);
    RecPlanDiag d(nullptr, 0, 0, 400, 300);
    d.CreateCurve(0, 2, 2);
    d.SetCurveName(0, "S21");
    for (int i : {1, 2}) {
      d.CreateCurve(i, 2, 3);
      d.AttachStabCircle(i);
      d.RecreateCurve(i, 3);
      EXPECT_NE(d.GetCurve(i)->GetCompanion(), nullptr) << "the stability circle stays";
    }
    d.ResetGainCircles(c.set);
    for (int p = 0; p < 3; ++p) {
      PortMatrix s(2);
      s.SetKind('S');
      s.SetAt(Cmplx(0.1 * (p + 1), 0.0), 1, 1);
      s.SetAt(Cmplx(0.2 * (p + 1), 0.0), 2, 2);
      CmplxRecVektor one(1);
      one[0] = CmplxRec(Cmplx(0.5, 0.0), 0.25f, 10 - p);
      d.AddGainCircle(c.set, static_cast<float>(p + 1) * 1e9f, one, s);
    }
    d.SetGainCirclesReady(c.set);
    for (int k = 0; k < c.keys; ++k) d.NextSoftKeySet();
    const auto expect = [&](int p) {
      const std::string gain = std::to_string(10 - p);
      EXPECT_EQ(d.GetHeaderLine(1)->GetText(),
                (c.prefix + std::string("0.5 y: 0 Gain: ") + gain + "dB delG: 1dB f: " +
                 FreqWert((p + 1) * 1e9).ToCString())
                    .c_str());
      EXPECT_EQ(d.GetHeaderLine(2)->GetText(),
                (std::string("Ref x: 0 y: 0") + c.others[p]).c_str());
    };
    expect(0);
    EXPECT_TRUE(d.NextGainCircle(c.set));
    EXPECT_TRUE(d.NextGainCircle(c.set));
    EXPECT_FALSE(d.NextGainCircle(c.set)) << "the last frequency";
    expect(2);
    EXPECT_TRUE(d.PrevGainCircle(c.set));
    expect(1);
    EXPECT_TRUE(d.PrevGainCircle(c.set));
    EXPECT_FALSE(d.PrevGainCircle(c.set)) << "the first frequency";
    expect(0);
  }
}

// In curve mode the free marker is not shown: its keys leave the header line it shares with
// the load stability curve. The last two soft labels name the set of the mode, also when the
// diagram is laid out again.
TEST(PlaneDiagTest, CurveModeKeepsItsTextsAndTheLabelsFollowTheMode) {
  RecPlanDiag d(nullptr, 0, 0, 400, 300);
  const auto labels = [&d] {
    return std::string(d.GetSoftLabel(5)->GetText().ToCString()) + "|" +
           d.GetSoftLabel(6)->GetText().ToCString();
  };
  EXPECT_EQ(labels(), "|Kurve");
  d.CreateCurve(0, 3, 2);
  d.SetCurveName(0, "S21");
  d.CreateCurve(1, 3, 3);
  d.SetCurveName(1, "S Stabilitätskreis Last");
  d.ShowCurve(1);
  for (void (Diagramm::*key)() : {&Diagramm::FreeMarkerUp, &Diagramm::FreeMarkerDown,
                                  &Diagramm::FreeMarkerLeft, &Diagramm::FreeMarkerRight}) {
    (d.*key)();
  }
  d.MarkerNext();
  EXPECT_EQ(d.GetHeaderLine(2)->GetText(), "S Stabilitätskreis Last");
  const char* const sets[] = {"Frequenz|LStabCirc", "Frequenz|GStabCirc", "Frequenz|LGainCirc",
                              "Frequenz|GGainCirc", "|Kurve"};
  for (const char* set : sets) {
    d.NextSoftKeySet();
    d.SetRect({0, 0, 500, 400});
    EXPECT_EQ(labels(), set);
  }
}

TEST(PlaneDiagTest, KeySlotsOfTheTwoKinds) {
  pf::Headless headless;
  RecPlanDiag rec(nullptr, 0, 0, 400, 300);
  PlotPlaneDiag plot(nullptr, 0, 0, 400, 300);
  rec.YScaleUp();  // 1 per division; the x step follows
  const struct {
    RectDiag* d;
    void (Diagramm::*key)();
    int presses;
    float xRefValue;
    int xRefPos;
    size_t beeps;
  } cases[] = {
      {&rec, &Diagramm::XRefPosInc, 2, 2.0f, 0, 0},
      {&rec, &Diagramm::XRefValueUp, 1, 2.0f, 0, 1},
      {&rec, &Diagramm::AuxKeyUp, 11, 2.0f, 10, 2},
      {&rec, &Diagramm::AuxKeyDown, 3, 2.0f, 7, 2},
      {&plot, &Diagramm::XRefPosInc, 11, 0.0f, 10, 3},
      {&plot, &Diagramm::XRefValueDown, 2, -1.5f, 10, 3},
      {&plot, &Diagramm::AuxKeyUp, 1, -1.5f, 10, 4},
      {&plot, &Diagramm::XScaleUp, 12, -1.5f, 10, 5},  // 8 -> 19, the end of its table
  };
  for (const auto& c : cases) {
    for (int i = 0; i < c.presses; ++i) (c.d->*c.key)();
    EXPECT_EQ(c.d->GetXRefValue(), c.xRefValue) << c.d->GetTypeName() << " " << c.presses;
    EXPECT_EQ(c.d->GetXRefPos(), c.xRefPos);
    EXPECT_EQ(headless.Ui().Beeps().size(), c.beeps);
  }
  EXPECT_EQ(plot.GetXScale(), 1000.0f);
}

// Each read-out carries its axis' unit (the plotter's those of its ranges) and stands right of
// the centre, clear of the soft-key labels, on a wide screen as on an instrument window's.
TEST(RectDiagTest, MarkerReadOutOfEachAxis) {
  LogMagDiag freq(nullptr, 0, 0, 500, 400);
  LogMagDiag narrow(nullptr, 0, 0, 380, 290);
  LinTimeDiag time(nullptr, 0, 0, 380, 290);
  RecPlanDiag plane(nullptr, 0, 0, 400, 300);
  PlotPlaneDiag plot(nullptr, 0, 0, 380, 290);
  plot.xUnitText = "V";
  plot.yUnitText = "mV";
  const struct {
    RectDiag* d;
    const char* lines[3];
  } cases[] = {{&freq, {"2GHz", "-3dB", "-"}},
               {&narrow, {"2GHz", "-3dB", "-"}},
               {&time, {"2nSec", "-3V", "-"}},
               {&plane, {"2e+09", "-3", "5GHz"}},
               {&plot, {"2e+09V", "-3mV", "-"}}};
  for (const auto& c : cases) {
    c.d->CreateCurve(0, 2, 2);
    c.d->GetCurve(0)->Append(1e9f, 1.0f, 4e9f);
    c.d->GetCurve(0)->Append(c.d == &time ? 2e-9f : 2e9f, -3.0f, 5e9f);
    c.d->curvesShown = 1;
    c.d->CreateMarker();
    c.d->MarkerNext();
    const MarkerWithDisplay* m = c.d->GetMarker();
    ASSERT_NE(m, nullptr);
    const int x = m->GetLine(0)->GetX();
    EXPECT_GT(x, c.d->GetCentreX()) << c.d->GetTypeName();
    EXPECT_LE(x + Diagramm::kReadoutWidth, c.d->GetSoftLabel(0)->GetX()) << c.d->GetTypeName();
    for (int i = 0; i < 3; ++i) {
      const OutText* l = m->GetLine(i);
      EXPECT_EQ(l ? l->GetText() : MyStrng("-"), c.lines[i]) << c.d->GetTypeName() << " " << i;
    }
  }
}

TEST(RectDiagTest, ArchiveRoundTripOfEachKind) {
  pf::Headless headless;
  const struct {
    std::unique_ptr<RectDiag> stored;
    std::unique_ptr<RectDiag> loaded;
  } cases[] = {
      {std::make_unique<LogMagDiag>(nullptr, 0, 0, 500, 400), std::make_unique<LogMagDiag>()},
      {std::make_unique<LinMagDiag>(nullptr, 0, 0, 500, 400), std::make_unique<LinMagDiag>()},
      {std::make_unique<PhaseDiag>(nullptr, 0, 0, 500, 400), std::make_unique<PhaseDiag>()},
      {std::make_unique<LinRealDiag>(nullptr, 0, 0, 500, 400), std::make_unique<LinRealDiag>()},
      {std::make_unique<LinImagDiag>(nullptr, 0, 0, 500, 400), std::make_unique<LinImagDiag>()},
      {std::make_unique<SpecLogMag>(nullptr, 0, 0, 500, 400), std::make_unique<SpecLogMag>()},
      {std::make_unique<LinTimeDiag>(nullptr, 0, 0, 500, 400), std::make_unique<LinTimeDiag>()},
      {std::make_unique<RecPlanDiag>(nullptr, 0, 0, 400, 300),
       std::make_unique<RecPlanDiag>(nullptr, 0, 0, 10, 10)},
      {std::make_unique<PlotPlaneDiag>(nullptr, 0, 0, 400, 300),
       std::make_unique<PlotPlaneDiag>()},
  };
  for (const auto& c : cases) {
    RectDiag& s = *c.stored;
    s.YScaleDown();
    s.RefPosInc();
    s.XScaleUp();
    if (auto* eye = dynamic_cast<LinTimeDiag*>(&s)) eye->SetEyeMode();
    if (s.GetTypeName() == "PhaseDiag") s.SetXAxisMode('E');
    // Made for loading, the spectrum diagram says "dB" where the analyser's says "dBm".
    if (s.GetTypeName() == "SpecLogMag") c.loaded->valueUnit = "dBm";
    std::ostringstream stored;
    pf::Archive out(stored);
    s.Serialize(out);
    std::istringstream bytes(stored.str());
    pf::Archive in(bytes);
    c.loaded->Serialize(in);
    const RectDiag& l = *c.loaded;
    EXPECT_EQ(l.HeaderText(), s.HeaderText()) << s.GetTypeName();
    for (float v : {-1e9f, 0.0f, 0.3f, 2.5e-9f, 7e9f, 3e10f}) {
      EXPECT_EQ(c.loaded->MapX(v, v), s.MapX(v, v)) << s.GetTypeName() << " " << v;
      EXPECT_EQ(c.loaded->MapY(v, v), s.MapY(v, v)) << s.GetTypeName() << " " << v;
    }
  }
}

TEST(RectDiagTest, LoadRefusesABadPitchModeOrPeriod) {
  LinTimeDiag d(nullptr, 0, 0, 500, 400);
  std::ostringstream bytes;
  pf::Archive out(bytes);
  d.Serialize(out);
  const std::string good = bytes.str();
  const int32_t hugePitch = 5000;
  const double nan = std::nan("");
  const char mode = 'Q';
  // Behind the diagram: pitches (-37, -33), period (-29), mode (-21), saved values; the last
  // case cuts one byte off.
  const struct {
    int fromEnd;
    const void* value;
    size_t size;
    bool loads;
  } cases[] = {{8, &nan, 0, true},
               {37, &hugePitch, 4, false},
               {29, &nan, 8, false},
               {21, &mode, 1, false},
               {1, &mode, 0, false}};
  for (const auto& c : cases) {
    std::string b = good.substr(0, good.size() - (c.fromEnd == 1 ? 1 : 0));
    std::memcpy(&b[good.size() - static_cast<size_t>(c.fromEnd)], c.value, c.size);
    std::istringstream in(b);
    pf::Archive ar(in);
    LinTimeDiag l;
    bool loaded = true;
    try {
      l.Serialize(ar);
    } catch (const pf::ArchiveError&) {
      loaded = false;
    }
    EXPECT_EQ(loaded, c.loads) << c.fromEnd;
  }
}

TEST(RectDiagTest, PicTexOfALogMagDiagram) {
  LogMagDiag d(nullptr, 0, 0, 500, 400);
  d.CreateCurve(0, 2, 1);
  d.GetCurve(0)->Append(1e9f, 0.0f, 0.0f);
  d.GetCurve(0)->Append(2e10f, -60.0f, 0.0f);
  d.curvesShown = 1;
  const std::string path = testing::TempDir() + "logmag.tex";
  d.SetPicTexFileName(path.c_str());
  ASSERT_TRUE(d.ExportPicTex(80));
  const std::vector<std::string> lines = PicTexLines(d.GetPicTex());
  const auto at = [&lines](const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) - lines.begin();
  };
  const auto area = at("\\setplotarea x from   0.00 to  80.00, y from   0.00 to  62.50");
  ASSERT_LT(area, static_cast<long>(lines.size()));
  EXPECT_EQ(lines[static_cast<size_t>(area) + 1], "\\grid {1} {1} ");
  EXPECT_LT(at("\\grid {10} {10} "), static_cast<long>(lines.size()));
  EXPECT_LT(at("\\plot   0.00  37.50  80.00   0.00  /"), static_cast<long>(lines.size()));
}

}  // namespace
