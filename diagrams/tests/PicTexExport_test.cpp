#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "diagrams/DiagramKinds.h"
#include "diagrams/RectTimeDiag.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/tests/PicTexLines.h"
#include "pf/headless.h"
#include "pf/recording_dc.h"

namespace {

// The kind on a screen of the size with a curve of 21 points and its marker, drawn as "plot"
// draws it before an export.
std::unique_ptr<Diagramm> DrawnKind(int code, int width, int height) {
  std::unique_ptr<Diagramm> d =
      DiagramKinds::Global().Find(code)->create(nullptr, 0, 0, width, height);
  d->CreateCurve(0, 21, 2);
  d->SetCurrentCurve(0);
  for (int i = 0; i <= 20; ++i) {
    d->AppendPoint2(1e9f * static_cast<float>(i + 1), -0.05f * static_cast<float>(i), 1e9f);
  }
  d->SetBottomLine(0, "Ravilone: lowpass 23:59:59  31.12.2026");
  d->curvesShown = 1;
  d->CreateMarker();
  pf::RecordingDc dc;
  d->Draw(&dc);
  return d;
}

// Every kind, as "plot" draws it and on an instrument window's screen, offers the largest width,
// and its picture there (the trial the writer holds) has only dimensions that TeX can set.
TEST(PicTexExportTest, EveryKindOffersTheLargestWidthWithinTeXsDimensions) {
  pf::Headless headless;
  RegisterCircleDiagrams();
  RegisterRectDiagrams();
  for (const auto& [width, height] : {std::pair{600, 450}, std::pair{378, 319}}) {
    for (int code : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13}) {
      std::unique_ptr<Diagramm> d = DrawnKind(code, width, height);
      SCOPED_TRACE(d->GetTypeName().ToCString() + " " + std::to_string(width));
      EXPECT_EQ(d->LargestPicTexWidth(), PicTexFile::kLargestWidth);
      EXPECT_EQ(BeyondTeX(PicTexLines(d->GetPicTex())), "");
    }
  }
}

// A grid far taller than wide would take \grid beyond TeX's dimensions at the largest width: it
// offers less, and its picture there stays within them.
TEST(PicTexExportTest, ATallScreenOffersWhatItsPictureAllows) {
  pf::Headless headless;
  RegisterRectDiagrams();
  std::unique_ptr<Diagramm> d = DrawnKind(0, 300, 4096);
  d->MakePicTex(PicTexFile::kLargestWidth);
  EXPECT_NE(BeyondTeX(PicTexLines(d->GetPicTex())), "");
  const int largest = d->LargestPicTexWidth();
  EXPECT_LT(largest, PicTexFile::kLargestWidth);
  EXPECT_GT(largest, PicTexFile::kLargestWidth / 4);
  d->MakePicTex(largest);
  EXPECT_LE(d->GetPicTex().Reach(), PicTexFile::kMaxReach);
  EXPECT_EQ(BeyondTeX(PicTexLines(d->GetPicTex())), "");
}

// The densest curves a file may hold compile at the largest width: every column swept from top
// to bottom, noise, an eye of a fold every two points, a Smith chart's noise and noise as point
// symbols. Beyond the points a picture can spend dots on, the curve writes one in so many
// and says so.
TEST(PicTexExportTest, DenseCurvesStayWithinPdflatexsMemory) {
  pf::Headless headless;
  RegisterCircleDiagrams();
  RegisterRectDiagrams();
  std::minstd_rand noise(7);
  const auto uniform = [&noise](float lo, float hi) {
    return std::uniform_real_distribution<float>(lo, hi)(noise);
  };
  const struct {
    const char* what;
    int code;
    int points;
    // The value of point i of the curve on the diagram.
    std::function<std::pair<float, float>(Diagramm&, int, int)> point;
    std::function<void(Diagramm&)> setUp;
    bool leftOut;
  } cases[] = {
      {"full swings", 12, 3000,
       [](Diagramm& d, int i, int n) {
         return std::pair{d.GetXScale() * 10.0f * static_cast<float>(i) / static_cast<float>(n),
                          i % 2 == 0 ? 1e6f : -1e6f};
       },
       nullptr, false},
      {"noise", 12, 200000,
       [&](Diagramm& d, int i, int n) {
         return std::pair{d.GetXScale() * 10.0f * static_cast<float>(i) / static_cast<float>(n),
                          uniform(-0.6f, 0.6f)};
       },
       nullptr, false},
      {"an eye of two points a fold", 12, 200000,
       [&](Diagramm&, int i, int) {
         return std::pair{1e-9f * static_cast<float>(i), uniform(-0.6f, 0.6f)};
       },
       [](Diagramm& d) {
         auto& eye = dynamic_cast<LinTimeDiag&>(d);
         eye.SetPeriod(1e-9);
         eye.SetEyeMode();
       },
       true},
      {"a Smith chart's noise", 6, 100000,
       [&](Diagramm&, int, int) {
         return std::pair{uniform(-180.0f, 180.0f), uniform(0.0f, 1.0f)};
       },
       nullptr, true},
      {"noise as symbols", 0, 100000,
       [&](Diagramm&, int i, int) { return std::pair{1e9f + 1e4f * i, uniform(-60.0f, 0.0f)}; },
       [](Diagramm& d) { d.GetCurrentCurve()->SetPointStyle(); }, true},
      {"noise as circles", 0, 100000,
       [&](Diagramm&, int i, int) { return std::pair{1e9f + 1e4f * i, uniform(-60.0f, 0.0f)}; },
       [](Diagramm& d) {
         d.GetCurrentCurve()->SetPointStyle();
         d.GetCurrentCurve()->GetPointSymbol().SetShape('C');
       },
       true},
  };
  for (const auto& c : cases) {
    std::unique_ptr<Diagramm> d =
        DiagramKinds::Global().Find(c.code)->create(nullptr, 0, 0, 600, 450);
    d->CreateCurve(0, c.points, 2);
    d->SetCurrentCurve(0);
    if (c.setUp) c.setUp(*d);
    for (int i = 0; i < c.points; ++i) {
      const auto [x, y] = c.point(*d, i, c.points);
      d->AppendPoint2(x, y, 1e9f);
    }
    d->SetBottomLine(0, "Ravilone: lowpass 23:59:59  31.12.2026");
    d->curvesShown = 1;
    pf::RecordingDc dc;
    d->Draw(&dc);
    const int largest = d->LargestPicTexWidth();
    d->MakePicTex(largest);
    const std::vector<std::string> lines = PicTexLines(d->GetPicTex());
    EXPECT_LE(PiCTeXDots(lines), PicTexFile::kDotBudget) << c.what;
    EXPECT_EQ(BeyondTeX(lines), "") << c.what;
    bool leftOut = false;
    for (const std::string& line : lines) {
      leftOut = leftOut || line.find("pdflatex's memory holds no more dots") != std::string::npos;
    }
    EXPECT_EQ(leftOut, c.leftOut) << c.what;
  }
}

// A screen of many dense curves (a plotter's sweep of many steps) writes them all, and together
// they stay within pdflatex's memory: each curve writes its share of the points.
TEST(PicTexExportTest, ManyCurvesShareWhatThePictureHolds) {
  pf::Headless headless;
  RegisterRectDiagrams();
  constexpr int kCurves = 30;
  constexpr int kPoints = 3000;
  std::unique_ptr<Diagramm> d = DiagramKinds::Global().Find(13)->create(nullptr, 0, 0, 600, 450);
  d->CreateCurves(kCurves, kPoints);
  for (int c = 0; c < kCurves; ++c) {
    d->SetCurrentCurve(c);
    for (int i = 0; i < kPoints; ++i) {
      d->AppendPoint(d->GetXScale() * 10.0f * static_cast<float>(i) / kPoints - d->GetXScale() * 5.0f,
                     i % 2 == 0 ? 1e6f : -1e6f);
    }
  }
  d->curvesShown = 1;
  pf::RecordingDc dc;
  d->Draw(&dc);
  d->MakePicTex(d->LargestPicTexWidth());
  const std::vector<std::string> lines = PicTexLines(d->GetPicTex());
  EXPECT_LE(PiCTeXDots(lines), PicTexFile::kDotBudget);
  EXPECT_EQ(BeyondTeX(lines), "");
  int notes = 0;
  for (const std::string& line : lines) {
    notes += line.find("pdflatex's memory holds no more dots") != std::string::npos ? 1 : 0;
  }
  EXPECT_EQ(notes, kCurves) << "each curve says what it left out";
}

}  // namespace
