// The circular kinds and the logo: mapping, geometry and drawing.

#include "diagrams/CircleDiag.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "diagrams/Logo.h"
#include "diagrams/SmithDiag.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/graphics/DiagramMarker.h"
#include "diagrams/tests/support/ScreenTexts.h"
#include "pf/cairo_recording_dc.h"
#include "pf/recording_dc.h"

namespace {

// 480 x 400, wide enough for the charts the height gives: the polar rings are 18 pixels apart
// (radius 180), the Smith chart has radius 180; both are centred on (240, 200).
TEST(CircleDiagTest, MapsMagnitudesOntoRingsAndTheUnitCircle) {
  LinPolDiag polar(nullptr, 0, 0, 480, 400);
  SmithDiag smith(nullptr, 0, 0, 480, 400);
  ASSERT_EQ(polar.GetRadius(), 180);
  ASSERT_EQ(smith.GetRadius(), 180);
  const struct {
    Diagramm* d;
    float angle, value;
    int x, y;
  } cases[] = {
      {&polar, 0.0f, 1.0f, 330, 200},   // the reference value on the middle ring
      {&polar, 0.0f, 1.25f, 420, 200},  // the top of the scale on the outer ring
      {&polar, 0.0f, 7.0f, 420, 200},   // and everything above
      {&polar, 0.0f, 0.75f, 240, 200},  // the bottom in the centre
      {&polar, 0.0f, -3.0f, 240, 200},  // and everything below
      {&polar, 180.0f, 1.25f, 60, 200},
      {&smith, 0.0f, 1.2f, 420, 200},  // onto the unit circle
      {&smith, 45.0f, 1.2f, 367, 72},
      {&smith, 0.0f, -0.5f, 150, 200},  // opposite the angle at half radius
      {&smith, 45.0f, -0.5f, 176, 263},
      {&smith, 0.0f, -1.5f, 60, 200},  // and at most on the rim, however large
      {&smith, 45.0f, -std::numeric_limits<float>::max(), 112, 327},
      {&smith, 45.0f, std::numeric_limits<float>::max(), 367, 72},
      {&polar, 0.0f, std::numeric_limits<float>::max(), 420, 200},
      {&polar, 0.0f, -std::numeric_limits<float>::max(), 240, 200},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.d->MapX(c.angle, c.value), c.x) << c.d->GetTypeName() << " " << c.value;
    EXPECT_EQ(c.d->MapY(c.value, c.angle), c.y) << c.d->GetTypeName() << " " << c.value;
  }
}

TEST(CircleDiagTest, FrequencyLabelsFollowCurveZeroOrTheSweep) {
  LinPolDiag polar(nullptr, 0, 0, 480, 400);
  SmithDiag smith(nullptr, 0, 0, 480, 400);
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
  EXPECT_EQ(polar.GetBottomLine(1)->GetX(), 240 - 180 - 9);
  EXPECT_EQ(polar.GetBottomLine(1)->GetY(), 200 + 180 - 36);
  EXPECT_EQ(smith.GetBottomLine(2)->GetX(), 240 + 180 - 18);
}

TEST(CircleDiagTest, MarkerReadOutShowsAngleMagnitudeAndFrequency) {
  SmithDiag smith(nullptr, 0, 0, 480, 400);
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
  EXPECT_EQ(m->GetPointX(), 420);
  smith.MarkerPrev();
  EXPECT_EQ(m->GetPointX(), 420) << "still the last point";
  EXPECT_EQ(m->GetLine(2)->GetText(), "2GHz");
}

// Where the height gives a chart that the width cannot hold with its frequency labels (the start
// label's symbol 9 pixels left of its box, the widest frequency text right of the stop label's),
// the width sets the ring step; the height's chart stays where the width holds it (the
// analyser's screen, the default picture).
TEST(CircleDiagTest, ChartsFitTheSmallerSide) {
  const struct {
    int width, height;
    int polarRadius, smithRadius, logoRadius;
  } cases[] = {
      {378, 319, 140, 140, 150},  {600, 450, 200, 200, 220},  {450, 600, 180, 190, 220},
      {333, 777, 110, 125, 160},  {400, 400, 150, 160, 200},  {1600, 400, 180, 180, 200},
      {4096, 300, 130, 135, 150}, {300, 4096, 100, 105, 150},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    LinPolDiag polar(nullptr, 0, 0, c.width, c.height);
    SmithDiag smith(nullptr, 0, 0, c.width, c.height);
    EXPECT_EQ(polar.GetRadius(), c.polarRadius);
    EXPECT_EQ(smith.GetRadius(), c.smithRadius);
    for (Diagramm* d : {static_cast<Diagramm*>(&polar), static_cast<Diagramm*>(&smith)}) {
      d->CreateCurve(0, 2, 2);
      d->GetCurve(0)->Append(0.0f, 1.0f, 1e9f);
      d->GetCurve(0)->Append(0.0f, 1.0f, 20.05e9f);
      pf::RecordingDc dc;
      d->DrawLabels(&dc);
      EXPECT_GE(d->GetBottomLine(1)->GetX() - 9, 0) << d->GetTypeName();
      EXPECT_LE(d->GetBottomLine(2)->GetX() + 3 + Diagramm::kFrequencyTextWidth, c.width);
    }
    Logo logo(nullptr, 0, 0, c.width, c.height);
    pf::RecordingDc dc;
    logo.Draw(&dc);
    const auto disc = std::find_if(dc.Calls().begin(), dc.Calls().end(),
                                   [](const pf::DcCall& call) { return call.op == "Ellipse"; });
    ASSERT_NE(disc, dc.Calls().end());
    EXPECT_EQ(disc->points[1].x - disc->points[0].x, 2 * c.logoRadius);
  }
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

// The logo's white lines stand on its grey disc from its smallest size on, wide or tall; one
// pixel less either way and the widest runs off the disc.
TEST(LogoTest, ItsLinesStandOnTheDisc) {
  const Logo any(nullptr, 0, 0, 600, 450);
  const pf::Size least = any.SmallestSize();
  const struct {
    int width, height;
    bool onDisc;
  } cases[] = {{least.cx, least.cy, true},      {600, least.cy, true},
               {least.cx, 600, true},           {378, 319, true},
               {least.cx - 1, least.cy, false}, {least.cx, least.cy - 1, false}};
  for (const auto& c : cases) {
    Logo logo(nullptr, 0, 0, c.width, c.height);
    pf::CairoRecordingDc dc;
    logo.Draw(&dc);
    const auto disc = std::find_if(dc.Calls().begin(), dc.Calls().end(),
                                   [](const pf::DcCall& call) { return call.op == "Ellipse"; });
    ASSERT_NE(disc, dc.Calls().end());
    const double cx = (disc->points[0].x + disc->points[1].x) / 2.0;
    const double cy = (disc->points[0].y + disc->points[1].y) / 2.0;
    const double r = (disc->points[1].x - disc->points[0].x) / 2.0;
    bool onDisc = true;
    for (const DrawnText& t : DrawnTexts(dc.Calls())) {
      for (const int x : {t.ink.left, t.ink.right}) {
        for (const int y : {t.ink.top, t.ink.bottom}) {
          onDisc = onDisc && std::hypot(x - cx, y - cy) <= r;
        }
      }
    }
    EXPECT_EQ(onDisc, c.onDisc) << c.width << "x" << c.height;
  }
}

}  // namespace
