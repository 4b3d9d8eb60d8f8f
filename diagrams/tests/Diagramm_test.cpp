// The diagram base: keys, soft-key sets, archive, clipboard and PiCTeX export.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "diagrams/CircleDiag.h"
#include "diagrams/DiagramKinds.h"
#include "diagrams/RectFreqDiag.h"
#include "diagrams/SmithDiag.h"
#include "diagrams/graphics/CircleGit.h"
#include "diagrams/graphics/DiagGitter.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/graphics/DiagramMarker.h"
#include "diagrams/graphics/OutText.h"
#include "pf/archive.h"
#include "diagrams/tests/support/ScreenTexts.h"
#include "pf/cairo_recording_dc.h"
#include "pf/clipboard.h"
#include "pf/dialog_template.h"
#include "pf/headless.h"
#include "pf/recording_dc.h"
#include "pf/window.h"

namespace {

class TestPolar : public LinPolDiag {
 public:
  using LinPolDiag::LinPolDiag;
  void SetRefValue(float v) { refValue = v; }
};

TEST(DiagrammTest, ScaleKeysStopAtTheirTablesAndStillRepaint) {
  pf::Headless headless;
  LinPolDiag lin(nullptr, 0, 0, 400, 400);
  LogPolDiag log(nullptr, 0, 0, 400, 400);
  const struct {
    Diagramm* d;
    void (Diagramm::*key)();
    int presses, index;
    float scale;
    size_t beeps;
  } cases[] = {
      {&lin, &Diagramm::YScaleUp, 16, 19, 1000.0f, 1},  // 4 -> 19, then one beep
      {&lin, &Diagramm::YScaleDown, 21, 0, 0.001f, 3},  // 19 -> 0, then two beeps
      {&log, &Diagramm::YScaleUp, 6, 17, 100.0f, 3},    // 11 -> 17: 100 dB
      {&log, &Diagramm::YScaleUp, 2, 19, 100.0f, 3},    // the equal entries at 18 and 19
  };
  for (const auto& c : cases) {
    for (int i = 0; i < c.presses; ++i) (c.d->*c.key)();
    EXPECT_EQ(c.d->GetYScaleIndex(), c.index) << c.d->GetTypeName();
    EXPECT_EQ(c.d->GetYScale(), c.scale);
    EXPECT_EQ(headless.Ui().Beeps().size(), c.beeps);
  }
}

TEST(DiagrammTest, ReferenceValueSnapsToWholeDivisionsAfterAScaleChange) {
  pf::Headless headless;
  TestPolar d(nullptr, 0, 0, 400, 400);
  d.YScaleUp();
  d.YScaleUp();  // 0.25 per division
  d.SetRefValue(0.3f);
  const struct {
    void (Diagramm::*key)();
    float value;
  } steps[] = {{&Diagramm::RefValueUp, 0.5f},
               {&Diagramm::RefValueUp, 0.75f},
               {&Diagramm::RefValueDown, 0.5f}};
  for (const auto& s : steps) {
    (d.*s.key)();
    EXPECT_EQ(d.GetRefValue(), s.value);
  }
}

// The polar kinds stop a division short: their reference ring never shrinks to the centre.
TEST(DiagrammTest, ReferencePositionRunsFromZeroToTheLastDivision) {
  const struct {
    std::unique_ptr<Diagramm> d;
    int last;
  } cases[] = {{std::make_unique<LinPolDiag>(nullptr, 0, 0, 400, 400), 9},
               {std::make_unique<LogMagDiag>(nullptr, 0, 0, 400, 400), 10}};
  for (const auto& c : cases) {
    pf::Headless headless;
    const int start = c.d->GetYRefPos();
    for (int i = 0; i < 12; ++i) c.d->RefPosInc();
    EXPECT_EQ(c.d->GetYRefPos(), c.last) << c.d->GetTypeName();
    EXPECT_EQ(headless.Ui().Beeps().size(), static_cast<size_t>(12 - (c.last - start)));
    for (int i = 0; i < 12; ++i) c.d->RefPosDec();
    EXPECT_EQ(c.d->GetYRefPos(), 0) << c.d->GetTypeName();
    EXPECT_EQ(headless.Ui().Beeps().size(), static_cast<size_t>(24 - 2 * c.last + start));
  }
}

// Up to the innermost ring and back, the reference value is drawn on the reference ring.
TEST(DiagrammTest, ReferenceRingFollowsTheReferencePosition) {
  pf::Headless headless;
  LinPolDiag lin(nullptr, 0, 0, 400, 400);
  LogPolDiag log(nullptr, 0, 0, 400, 400);
  for (CircleDiag* d : {static_cast<CircleDiag*>(&lin), static_cast<CircleDiag*>(&log)}) {
    const auto* grid = dynamic_cast<const CircleGit*>(d->GetGrid());
    ASSERT_NE(grid, nullptr);
    const auto check = [d, grid](const char* key) {
      const int onRing = d->MapX(0.0f, d->GetRefValue()) - d->GetCentreX();
      EXPECT_EQ(grid->GetRefRing()->GetRadius(), onRing)
          << d->GetTypeName() << " " << key << " to " << d->GetYRefPos();
    };
    for (int i = 0; i < 12; ++i) {
      d->RefPosInc();
      check("RefPosInc");
    }
    for (int i = 0; i < 3; ++i) {
      d->RefPosDec();
      check("RefPosDec");
    }
  }
}

TEST(DiagrammTest, SoftKeySetsReachTheGainCirclesOnlyForSParameters) {
  const struct {
    const char* curveName;
    const char* modes;
  } cases[] = {{"S21", "LGABK"}, {"Z21", "LGKLG"}};
  for (const auto& c : cases) {
    SmithDiag d(nullptr, 0, 0, 400, 400);
    d.NextSoftKeySet();
    EXPECT_EQ(d.GetSoftKeyMode(), 'K') << "nothing without curve 0";
    d.CreateCurve(0, 10, 2);
    d.SetCurveName(0, c.curveName);
    std::string modes;
    for (int i = 0; i < 5; ++i) {
      d.NextSoftKeySet();
      modes += d.GetSoftKeyMode();
      if (d.GetSoftKeyMode() == 'A') {
        EXPECT_EQ(d.GetSoftLabel(6)->GetText(), "LGainCirc");
      }
    }
    EXPECT_EQ(modes, c.modes) << c.curveName;
  }
}

TEST(DiagrammTest, CurvesKeepTheirIndicesAndNames) {
  LinPolDiag d(nullptr, 0, 0, 400, 400);
  EXPECT_EQ(d.GetCurrentCurveName(), "No Kurve");
  d.CreateCurve(4, 10, 1);
  d.CreateCurve(0, 10, 2);
  d.CreateCurve(0, 99, 1);
  ASSERT_EQ(d.GetCurveCount(), 1);
  EXPECT_EQ(d.GetCurve(0)->GetCount(), 10) << "an existing curve stays";
  d.SetCurrentCurveName("S11");
  d.RecreateCurve(0, 20);
  EXPECT_EQ(d.GetCurve(0)->GetCount(), 20);
  EXPECT_EQ(d.GetCurve(0)->GetColumns(), 2);
  EXPECT_EQ(d.GetCurrentCurveName(), "S11");
  d.SetBottomLine(5, "ignored");
  // A new area brings its own bottom line at its lower left, for the screen to fill.
  d.SetRect({0, 0, 300, 300});
  ASSERT_NE(d.GetBottomLine(0), nullptr);
  EXPECT_EQ(d.GetBottomLine(0)->GetY(), 300 - 3);
}

std::string Archived(Diagramm& d) {
  std::ostringstream out;
  pf::Archive ar(out);
  d.Serialize(ar);
  return out.str();
}

bool Loads(const std::string& bytes) {
  std::istringstream in(bytes);
  pf::Archive ar(in);
  LinPolDiag d(nullptr, 0, 0, 10, 10);
  try {
    d.Serialize(ar);
  } catch (const pf::ArchiveError&) {
    return false;
  }
  return d.GetYRefPos() == 7 && d.GetYScaleIndex() == 6;
}

// The archive ends with 65 bytes of fixed fields after the name: y index (-65), x index (-61),
// y reference position (-57), ..., its second copy (-41).
TEST(DiagrammTest, LoadRefusesIndicesAndPositionsOutsideTheirTables) {
  pf::Headless headless;
  LinPolDiag d(nullptr, 0, 0, 400, 400);
  d.YScaleUp();
  d.YScaleUp();
  d.RefPosInc();
  d.RefPosInc();
  const std::string good = Archived(d);
  const auto patched = [&good](int fromEnd, int32_t v) {
    std::string bytes = good;
    std::memcpy(&bytes[bytes.size() - static_cast<size_t>(fromEnd)], &v, 4);
    return bytes;
  };
  const struct {
    std::string bytes;
    bool loads;
  } cases[] = {
      {good, true},
      {patched(57, 99), true},  // the second copy of the position is the one that stays
      {patched(65, 20), false},
      {patched(65, -1), false},
      {patched(61, 35), false},
      {patched(41, 11), false},
      {good.substr(0, good.size() - 1), false},
      {patched(static_cast<int>(good.size()) - 4, -5), false},  // a negative width
  };
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(Loads(cases[i].bytes), cases[i].loads) << i;
}

// A copy takes every setting and builds soft labels of its own; an assigned diagram gives up
// its parts and its owner.
TEST(DiagrammTest, ACopyTakesEverySetting) {
  pf::Headless headless;
  pf::Window owner;
  LogPolDiag d(&owner, 0, 0, 400, 400);
  d.YScaleUp();
  d.RefPosInc();
  d.XRefPosInc();
  d.SetXAxisMode('G');
  d.NextSoftKeySet();
  d.valueUnit = "dBm";
  d.xUnitText = "GHz";
  d.startFrequency = 2e9f;
  d.curvesShown = 1;
  d.SetPicTexFileName("polar.tex");
  LogPolDiag copy(d);
  LogPolDiag assigned(&owner, 10, 10, 200, 200);
  assigned = d;
  for (LogPolDiag* c : {&copy, &assigned}) {
    EXPECT_EQ(Archived(*c), Archived(d));
    EXPECT_EQ(c->GetXAxisMode(), 'G');
    EXPECT_EQ(c->GetSoftKeyMode(), d.GetSoftKeyMode());
    EXPECT_EQ(c->valueUnit, "dBm");
    EXPECT_EQ(c->xUnitText, "GHz");
    EXPECT_EQ(c->startFrequency, 2e9f);
    EXPECT_EQ(c->curvesShown, 1);
    EXPECT_EQ(c->GetPicTex().fileName, "polar.tex");
  }
  ASSERT_NE(copy.GetSoftLabel(0), nullptr);
  EXPECT_NE(copy.GetSoftLabel(0), d.GetSoftLabel(0));
  EXPECT_EQ(copy.GetOwner(), &owner);
  EXPECT_EQ(assigned.GetSoftLabel(0), nullptr);
  EXPECT_EQ(assigned.GetOwner(), nullptr);
}

TEST(DiagrammTest, CopiesThePictureAsABitmapAndExportsPicTex) {
  SmithDiag d(nullptr, 10, 20, 200, 100);
  ASSERT_TRUE(d.CopyToClipboard());
  const std::optional<pf::Bitmap> picture = pf::TheClipboard().GetBitmap();
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->Width(), 200);
  EXPECT_EQ(picture->Height(), 100);
  EXPECT_EQ(picture->GetPixel(0, 0), pf::Rgb(0, 0, 0)) << "the frame at the inner corner";
  pf::TheClipboard().Empty();

  const std::string path = testing::TempDir() + "diagramm.tex";
  d.SetPicTexFileName(path.c_str());
  ASSERT_TRUE(d.ExportPicTex(80));
  std::ifstream in(path);
  std::string first;
  std::string last;
  for (std::string line; std::getline(in, line);) {
    if (first.empty()) first = line;
    last = line;
  }
  EXPECT_EQ(first, "\\beginpicture");
  EXPECT_EQ(last, "\\endpicture");
  d.SetPicTexFileName("/nonexistent/dir/x.tex");
  EXPECT_FALSE(d.ExportPicTex(80));
}

// The marker reads the current curve: while the curves are hidden its read-out is not drawn.
TEST(DiagrammTest, MarkerIsDrawnOnlyWithTheCurves) {
  pf::Headless headless;
  LogMagDiag rect(nullptr, 0, 0, 500, 400);
  SmithDiag smith(nullptr, 0, 0, 400, 400);
  const struct {
    Diagramm* d;
    float x, y;
    const char* readout;
  } cases[] = {{&rect, 1e9f, -3.0f, "-3dB"}, {&smith, 90.0f, 0.5f, "90Grad"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.readout);
    c.d->CreateCurve(0, 2, 2);
    c.d->GetCurve(0)->Append(c.x, c.y, 1e9f);
    c.d->curvesShown = 1;
    c.d->CreateMarker();
    ASSERT_NE(c.d->GetMarker(), nullptr);
    const auto readouts = [&c] {
      pf::RecordingDc dc;
      c.d->Draw(&dc);
      return std::count_if(dc.Calls().begin(), dc.Calls().end(), [&c](const pf::DcCall& call) {
        return call.op == "TextOut" && call.text == c.readout;
      });
    };
    EXPECT_GT(readouts(), 0);
    c.d->curvesShown = 0;
    EXPECT_EQ(readouts(), 0);
  }
}

TEST(DiagramKindsTest, CreatesTheRegisteredKindsByCodeAndName) {
  RegisterCircleDiagrams();
  RegisterRectDiagrams();
  for (int code : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13}) {
    const DiagramKind* k = DiagramKinds::Global().Find(code);
    ASSERT_NE(k, nullptr) << code;
    EXPECT_EQ(DiagramKinds::Global().Find(std::string_view(k->name)), k);
    EXPECT_EQ(k->create(nullptr, 0, 0, 100, 100)->GetTypeName(), k->name);
  }
  for (int code : {9, 14, -1}) {
    EXPECT_EQ(DiagramKinds::Global().Find(code), nullptr) << code;
    EXPECT_STREQ(DiagramKinds::Global().FindOrDefault(code)->name, "LogMagDiag") << code;
  }
}

// Header lines that neither the kind's header nor a curve has filled stay blank, on the screen
// and in the PiCTeX picture.
TEST(DiagramKindsTest, NoKindHasAPlaceholderHeader) {
  RegisterCircleDiagrams();
  RegisterRectDiagrams();
  for (int code : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13}) {
    std::unique_ptr<Diagramm> d =
        DiagramKinds::Global().Find(code)->create(nullptr, 0, 0, 600, 450);
    for (int i = 0; i < Diagramm::kTextLines; ++i) {
      if (const OutText* l = d->GetHeaderLine(i)) {
        EXPECT_NE(l->GetText(), "Unbekannt") << d->GetTypeName() << " header line " << i + 1;
      }
    }
  }
}

// A diagram's archive opens with its screen's eleven ints, the margin last; a margin must fit
// twice into the width and the height, and any other, however large, fails the load.
TEST(DiagrammTest, LoadRefusesAScreenMarginThatDoesNotFit) {
  pf::Headless headless;
  LinPolDiag d(nullptr, 0, 0, 100, 80);
  const std::string good = Archived(d);
  const struct {
    int32_t margin;
    bool loads;
  } cases[] = {{40, true}, {41, false}, {-1, false}, {INT32_MAX, false}, {1 << 30, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.margin);
    std::string bytes = good;
    std::memcpy(&bytes[40], &c.margin, 4);
    std::istringstream in(bytes);
    pf::Archive ar(in);
    LinPolDiag loaded(nullptr, 0, 0, 10, 10);
    bool loads = true;
    try {
      loaded.Serialize(ar);
    } catch (const pf::ArchiveError&) {
      loads = false;
    }
    EXPECT_EQ(loads, c.loads);
  }
}

constexpr int kKindCodes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13};

// A run's bottom line of both roads and a curve file's, with a name of 80 characters.
constexpr const char* kLongRavilone =
    "Ravilone: Tiefpass_fuenfter_Ordnung_Tschebyscheff_Variante_B_mit_Anpassung_an_fuenfzig_Ohm "
    "23:59:59  31.12.2026";
constexpr const char* kLongSpice =
    "Spice: Tiefpass_fuenfter_Ordnung_Tschebyscheff_Variante_B_mit_Anpassung_an_fuenfzig_Ohm.vqe "
    "Thu Dec 31 23:59:59  2026";
constexpr const char* kLongCurve =
    "Tiefpass_fuenfter_Ordnung_Tschebyscheff_Variante_B_mit_Anpassung_an_fuenfzig_Ohm  "
    "12:00:00  1.2.2024";

// The kind on a screen of that size after a run, labelled as the analyser and the instruments
// label it, its texts at their widest: angles of four digits on the kinds of two value columns,
// times on the time kind, frequencies elsewhere, frequency labels up to "20.05GHz".
std::unique_ptr<Diagramm> AfterARun(int code, int width, int height, const char* bottomLine) {
  std::unique_ptr<Diagramm> d =
      DiagramKinds::Global().Find(code)->create(nullptr, 0, 0, width, height);
  const bool twoColumns = code == 3 || code == 4 || code == 5 || code == 6 || code == 13;
  d->SetFont(pf::DialogFont());
  d->CreateCurve(0, 21, 2);
  d->SetCurrentCurve(0);
  for (int i = 0; i <= 20; ++i) {
    const auto k = static_cast<float>(i);
    const float f = 1e9f + 0.9525e9f * k;
    const float x = code == 12 ? 5e-11f * k : twoColumns ? -179.5f + 17.95f * k : f;
    d->AppendPoint2(x, twoColumns ? 0.05f * k : -0.05f * k, f);
  }
  d->SetCurrentCurveName("S21 RG1=50ohm RG2=50ohm");
  d->SetSweepLimits(1e9f, 20.05e9f);
  d->SetLabel1Text("1GHz");
  d->SetLabel2Text("20.05GHz");
  d->SetBottomLine(0, bottomLine);
  d->curvesShown = 1;
  d->CreateMarker();
  return d;
}

// What the screen text rules find, the marker stepped over every point.
std::vector<std::string> FaultsOverThePoints(Diagramm& d) {
  std::vector<std::string> faults;
  for (int point = 0; point <= 20; ++point) {
    pf::CairoRecordingDc dc;
    d.Draw(&dc);
    for (const std::string& f : TextFaults(DrawnTexts(dc.Calls()), d.GetInnerRect())) {
      faults.push_back("point " + std::to_string(point) + ": " + f);
    }
    d.MarkerNext();
  }
  return faults;
}

}  // namespace

// Every kind after a run, as "plot" draws it and on an instrument window's screen, whose spins
// place the soft-key labels: its header, curve name, bottom line, axis labels and marker
// read-out stand whole inside the screen and clear of each other and of the soft-key labels,
// wherever the marker stands, and none is a placeholder; on wide, tall, the smallest and the
// largest screens "plot" takes, with a short name and long ones of both roads and of a curve.
TEST(DiagramKindsTest, EveryKindWritesItsTextsWholeAndApart) {
  pf::Headless headless;
  RegisterCircleDiagrams();
  RegisterRectDiagrams();
  for (int code : kKindCodes) {
    const pf::Size least =
        DiagramKinds::Global().Find(code)->create(nullptr, 0, 0, 600, 450)->SmallestSize();
    const struct {
      int width, height;
      int softLabelTop, softLabelSpacing;  // 0: where the diagram puts them
    } screens[] = {{600, 450, 0, 0},       {378, 319, 24, 29},         {1600, 400, 0, 0},
                   {400, 1200, 0, 0},      {least.cx, least.cy, 0, 0}, {least.cx, 4096, 0, 0},
                   {4096, least.cy, 0, 0}, {4096, 4096, 0, 0}};
    for (const auto& screen : screens) {
      for (const char* line : {"Ravilone: microstrip_lowpass 23:59:59  31.12.2026", kLongRavilone,
                               kLongSpice, kLongCurve}) {
        std::unique_ptr<Diagramm> d = AfterARun(code, screen.width, screen.height, line);
        if (screen.softLabelTop != 0) {
          d->PlaceSoftLabels(screen.softLabelTop, screen.softLabelSpacing);
        }
        EXPECT_EQ(FaultsOverThePoints(*d), std::vector<std::string>())
            << d->GetTypeName() << " " << screen.width << "x" << screen.height << " " << line;
      }
    }
  }
}

// The smallest size is the smallest: one pixel narrower, or one lower, some size of each kind
// has texts cut or over each other (the logo's texts must stand on its disc, see its tests).
TEST(DiagramKindsTest, TheSmallestSizeIsTheSmallest) {
  pf::Headless headless;
  RegisterCircleDiagrams();
  RegisterRectDiagrams();
  const struct {
    int code;
    pf::Size narrower, lower;  // with a fault, one pixel below the smallest size
  } cases[] = {
      {0, {257, 157}, {406, 156}},  {1, {260, 157}, {406, 156}},  {2, {270, 157}, {421, 156}},
      {3, {321, 158}, {707, 157}},  {4, {297, 158}, {707, 157}},  {5, {335, 336}, {438, 335}},
      {6, {208, 274}, {315, 273}},  {7, {249, 157}, {390, 156}},  {8, {251, 157}, {390, 156}},
      {11, {266, 157}, {421, 156}}, {12, {264, 157}, {421, 156}}, {13, {240, 240}, {707, 239}},
  };
  for (const auto& c : cases) {
    const pf::Size least =
        DiagramKinds::Global().Find(c.code)->create(nullptr, 0, 0, 600, 450)->SmallestSize();
    EXPECT_EQ(c.narrower.cx, least.cx - 1) << c.code;
    EXPECT_GE(c.narrower.cy, least.cy);
    EXPECT_GE(c.lower.cx, least.cx);
    EXPECT_EQ(c.lower.cy, least.cy - 1);
    for (const pf::Size& size : {c.narrower, c.lower}) {
      bool faults = false;
      for (const char* line : {kLongRavilone, kLongSpice}) {
        faults = faults || !FaultsOverThePoints(*AfterARun(c.code, size.cx, size.cy, line)).empty();
      }
      EXPECT_TRUE(faults) << c.code << " " << size.cx << "x" << size.cy;
    }
  }
}
