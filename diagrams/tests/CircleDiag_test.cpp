// The circular kinds and the logo: mapping, geometry and drawing.

#include "diagrams/CircleDiag.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

#include "diagrams/Logo.h"
#include "diagrams/SmithDiag.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/graphics/DiagramMarker.h"
#include "pf/recording_dc.h"

namespace {

// 400 x 400: the polar rings are 18 pixels apart (radius 180), the Smith chart has radius 180;
// both are centred on (200, 200).
TEST(CircleDiagTest, MapsMagnitudesOntoRingsAndTheUnitCircle) {
  LinPolDiag polar(nullptr, 0, 0, 400, 400);
  SmithDiag smith(nullptr, 0, 0, 400, 400);
  ASSERT_EQ(polar.GetRadius(), 180);
  ASSERT_EQ(smith.GetRadius(), 180);
  const struct {
    Diagramm* d;
    float angle, value;
    int x, y;
  } cases[] = {
      {&polar, 0.0f, 1.0f, 290, 200},   // the reference value on the middle ring
      {&polar, 0.0f, 1.25f, 380, 200},  // the top of the scale on the outer ring
      {&polar, 0.0f, 7.0f, 380, 200},   // and everything above
      {&polar, 0.0f, 0.75f, 200, 200},  // the bottom in the centre
      {&polar, 0.0f, -3.0f, 200, 200},  // and everything below
      {&polar, 180.0f, 1.25f, 20, 200},
      {&smith, 0.0f, 1.2f, 380, 200},  // onto the unit circle
      {&smith, 45.0f, 1.2f, 327, 72},
      {&smith, 0.0f, -0.5f, 110, 200},  // opposite the angle at half radius
      {&smith, 45.0f, -0.5f, 136, 263},
      {&smith, 0.0f, -1.5f, 20, 200},  // and at most on the rim, however large
      {&smith, 45.0f, -std::numeric_limits<float>::max(), 72, 327},
      {&smith, 45.0f, std::numeric_limits<float>::max(), 327, 72},
      {&polar, 0.0f, std::numeric_limits<float>::max(), 380, 200},
      {&polar, 0.0f, -std::numeric_limits<float>::max(), 200, 200},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.d->MapX(c.angle, c.value), c.x) << c.d->GetTypeName() << " " << c.value;
    EXPECT_EQ(c.d->MapY(c.value, c.angle), c.y) << c.d->GetTypeName() << " " << c.value;
  }
}

TEST(CircleDiagTest, FrequencyLabelsFollowCurveZeroOrTheSweep) {
  LinPolDiag polar(nullptr, 0, 0, 400, 400);
  SmithDiag smith(nullptr, 0, 0, 400, 400);
  pf::RecordingDc dc;
  for (Diagramm* d : {static_cast<Diagramm*>(&polar), static_cast<Diagramm*>(&smith)}) {
    d->CreateCurve(0, 2, 2);
    d->DrawLabels(&dc);
  }
  // No data yet: the polar labels keep their texts, the chart shows its sweep.
  EXPECT_EQ(polar.GetBottomLine(1)->GetText(), "               ");
  EXPECT_EQ(smith.GetBottomLine(1)->GetText(), "1GHz           ");
  EXPECT_EQ(smith.GetBottomLine(2)->GetText(), "20GHz          ");
  polar.GetCurve(0)->Append(0.0f, 1.0f, 3e9f);
  polar.GetCurve(0)->Append(0.0f, 1.0f, 4e9f);
  polar.DrawLabels(&dc);
  EXPECT_EQ(polar.GetBottomLine(2)->GetText(), "4GHz           ");
  // Polar labels stand two rings above the foot, the chart's one ring step in.
  EXPECT_EQ(polar.GetBottomLine(1)->GetX(), 200 - 180 - 9);
  EXPECT_EQ(polar.GetBottomLine(1)->GetY(), 200 + 180 - 36);
  EXPECT_EQ(smith.GetBottomLine(2)->GetX(), 200 + 180 - 18);
}

TEST(CircleDiagTest, MarkerReadOutShowsAngleMagnitudeAndFrequency) {
  SmithDiag smith(nullptr, 0, 0, 400, 400);
  smith.CreateCurve(0, 2, 2);
  smith.GetCurve(0)->Append(90.0f, 0.5f, 1e9f);
  smith.GetCurve(0)->Append(0.0f, 1.0f, 2e9f);
  smith.CreateMarker();
  EXPECT_EQ(smith.GetMarker(), nullptr) << "only while curves are shown";
  smith.curvesShown = 1;
  smith.CreateMarker();
  const MarkerWithDisplay* m = smith.GetMarker();
  ASSERT_NE(m, nullptr);
  // The angle in the phase diagram's unit; the read-out ends before the soft-key labels.
  EXPECT_EQ(m->GetLine(0)->GetText(), "90Grad");
  EXPECT_EQ(m->GetLine(2)->GetText(), "1GHz");
  EXPECT_LE(m->GetLine(0)->GetX() + Diagramm::kReadoutWidth, smith.GetSoftLabel(0)->GetX());
  EXPECT_EQ(m->GetLine(0)->GetWidth(), 3 * 36);
  for (int i = 0; i < 3; ++i) smith.MarkerNext();
  EXPECT_EQ(smith.GetMarkerIndex(), 2) << "once past the last point";
  EXPECT_EQ(m->GetPointX(), 380);
  smith.MarkerPrev();
  EXPECT_EQ(m->GetPointX(), 380) << "still the last point";
  EXPECT_EQ(m->GetLine(2)->GetText(), "2GHz");
}

class LogoWithoutRedPen : public Logo {
 public:
  using Logo::Logo;

 protected:
  std::optional<pf::Pen> MakeRedPen() const override { return std::nullopt; }
};

TEST(LogoTest, EmblemRadiusAndItsDrawingWithoutTheRedPen) {
  const struct {
    int height;
    bool redPen;
    int ellipses, arcs;
  } cases[] = {{200, true, 5, 2}, {205, true, 5, 2}, {200, false, 2, 0}};
  for (const auto& c : cases) {
    std::unique_ptr<Logo> logo =
        c.redPen ? std::make_unique<Logo>(nullptr, 0, 0, 300, c.height)
                 : std::make_unique<LogoWithoutRedPen>(nullptr, 0, 0, 300, c.height);
    pf::RecordingDc dc;
    logo->Draw(&dc);
    std::vector<pf::DcCall> ellipses;
    int arcs = 0;
    int texts = 0;
    for (const pf::DcCall& call : dc.Calls()) {
      if (call.op == "Ellipse") ellipses.push_back(call);
      arcs += call.op == "Arc";
      texts += call.op == "TextOut";
    }
    ASSERT_EQ(static_cast<int>(ellipses.size()), c.ellipses) << c.height;
    EXPECT_EQ(arcs, c.arcs);
    EXPECT_EQ(texts, 3);
    const int cy = c.height / 2;
    const pf::Point box[] = {{50, cy - 100}, {250, cy + 100}};
    EXPECT_EQ(ellipses.front().points, std::vector<pf::Point>(box, box + 2)) << "radius 100";
    EXPECT_EQ(ellipses.back().points, ellipses.front().points);
    EXPECT_EQ(ellipses.back().pen.color, pf::Rgb(255, 255, 255));
    EXPECT_EQ(ellipses.back().brush.style, c.redPen ? pf::BrushStyle::Null : pf::BrushStyle::Solid);
    if (c.redPen) {
      EXPECT_EQ(ellipses[1].pen.color, pf::Rgb(250, 0, 0));
    }
  }
}

}  // namespace
