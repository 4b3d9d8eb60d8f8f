#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "diagrams/DiagramKinds.h"
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
  d->picTexCurve = 1;
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

}  // namespace
