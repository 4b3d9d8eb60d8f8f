#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basics/WertMitDim.h"
#include "diagrams/graphics/ConstGainCircles.h"
#include "diagrams/graphics/FreeDiagMarker.h"
#include "diagrams/graphics/OutText.h"
#include "diagrams/graphics/SmithPlane.h"
#include "diagrams/graphics/StabCircle.h"
#include "diagrams/tests/TestPlane.h"
#include "pf/headless.h"
#include "pf/recording_dc.h"

namespace {

std::string Freq(float f) { return FreqWert(f).ToCString(); }

TEST(StabCircle, TicksFollowTheSignOfTheRadiusAndTheLabelTheCurveKind) {
  struct Case {
    const char* name;
    char mode;
    float radius;
    const char* firstTick;
    std::string label;
  };
  const std::string rest = "0.25 y: 0.125 r: 0.5 f: " + Freq(1e9f);
  const Case cases[] = {
      {"S12", 'L', -0.5f, "Line 287 137 275 137", "SLC x: " + rest},  // ticks at 1.25 r outside
      {"S21", 'G', 0.5f, "Line 265 137 275 137", "SGC x: " + rest},   // ticks at 0.8 r inside
      {"S12", 'K', 0.5f, "Line 265 137 275 137", rest},
      {"K", 'L', 0.5f, "Line 265 137 275 137", ""},
  };
  for (const Case& c : cases) {
    TestPlane plane;
    plane.mode = c.mode;
    StabCircle circle(nullptr, &plane);
    OutText label(nullptr);
    circle.SetLabel(&label);
    circle.SetName(c.name);
    circle.SetData(0.25f, 0.125f, c.radius, 1e9f);
    circle.Update();
    EXPECT_EQ(circle.GetRadius(), 0.5f);
    EXPECT_EQ(circle.GetCircle().GetRadius(), 50);
    EXPECT_EQ(circle.GetCircle().GetTickCount(), 16);
    pf::RecordingDc dc;
    circle.Draw(&dc);
    EXPECT_EQ(dc.Log().front(), c.firstTick) << c.name << c.mode;
    EXPECT_EQ(label.GetText(), c.label.c_str()) << c.name << c.mode;
  }
}

// Five circles at the first frequency, one at the second; gains 10 dB down to 6 dB.
class GainCirclesTest : public testing::Test {
 protected:
  void SetUp() override {
    CmplxRecVektor five(5);
    for (int k = 0; k < 5; ++k) five[k] = CmplxRec(Cmplx(0.25 * k, 0.0), 0.25f * (k + 1), 10 - k);
    matrix.SetKind('S');
    matrix.SetAt(Cmplx(0.3, 0.4), 1, 1);
    matrix.SetAt(Cmplx(2.0, 0.0), 2, 1);
    matrix.SetAt(Cmplx(0.5, 0.2), 2, 2);
    circles.Allocate(2);
    circles.Add(2e9f, five, matrix);
    circles.Add(3e9f, CmplxRecVektor(1), matrix);
    circles.ResetIndex();
    circles.SetShown(true);
    circles.SetColor({0, 0, 255});
    circles.SetLabel(&label);
  }

  TestPlane plane;
  PortMatrix matrix;
  ConstGainCircles circles{nullptr, &plane};
  OutText label{nullptr};
};

TEST_F(GainCirclesTest, FiveRecordsDrawFiveCirclesTheFirstInTheElementColour) {
  plane.mode = 'A';
  circles.Update();
  pf::RecordingDc dc;
  circles.Draw(&dc);
  std::vector<std::string> ellipses;
  std::vector<pf::ColorRef> colours;
  for (const pf::DcCall& call : dc.Calls()) {
    if (call.op != "Ellipse") continue;
    ellipses.push_back(call.ToString());
    colours.push_back(call.pen.color);
  }
  EXPECT_EQ(ellipses.front(), "Ellipse 175 125 225 175");
  EXPECT_EQ(ellipses.back(), "Ellipse 175 25 425 275");
  const pf::ColorRef m = pf::Rgb(255, 0, 255);
  EXPECT_EQ(colours, (std::vector<pf::ColorRef>{pf::Rgb(0, 0, 255), m, m, m, m}));
  EXPECT_EQ(label.GetText(), ("Load x: 0 y: 0 Gain: 10dB delG: 1dB f: " + Freq(2e9f)).c_str());

  EXPECT_TRUE(circles.Next());
  EXPECT_EQ(circles.GetCircleCount(), 1);
  EXPECT_FALSE(circles.Next()) << "the last set";
  EXPECT_EQ(circles.GetCircleCount(), 1);
}

TEST_F(GainCirclesTest, FreeMarkerReadsTheConjugateMatchAtTheOtherPort) {
  struct Case {
    char mode;
    const char* text;
    pf::Point cross;
  };
  // S12 = 0: the other port sees conj(S11) or conj(S22) whatever the marker's point.
  const Case cases[] = {
      {'A', "Ref x: 0.035 y: 0 RGen x:0.3 y:-0.4", {230, 190}},
      {'B', "Ref x: 0.035 y: 0 RLoad x:0.5 y:-0.2", {250, 170}},
      {'K', "0.035 y: 0", {200, 150}},
  };
  for (const Case& c : cases) {
    plane.mode = c.mode;
    FreeDiagMarker marker(nullptr, &plane);
    marker.SetLabel(&label);
    marker.SetGainCircles(&circles);
    marker.StepRight();
    EXPECT_EQ(label.GetText(), c.text) << c.mode;
    EXPECT_EQ(marker.GetCross().GetCentreX(), c.cross.x) << c.mode;
    EXPECT_EQ(marker.GetCross().GetCentreY(), c.cross.y) << c.mode;
  }
}

TEST(FreeDiagMarker, AStepRepaintsOnlyTheOldAndTheNewPlace) {
  pf::Headless headless;
  pf::Window window;
  window.CreateTopLevel(nullptr, {0, 0, 400, 300});
  TestPlane plane;
  plane.xScale = 10.0f;
  FreeDiagMarker marker(&window, &plane);
  marker.Update();
  window.ValidateRect();
  marker.StepLeft();
  // Old triangle 195..205, new 145..155, the cross at the origin 196..204 (right exclusive).
  EXPECT_EQ(window.GetUpdateRect(), (pf::Rect{145, 141, 205, 154}));
  EXPECT_EQ(marker.GetTriangle().GetPointX(), 150);
  marker.SetErased(true);
  pf::RecordingDc dc;
  marker.Draw(&dc);
  EXPECT_TRUE(dc.Log().empty()) << "an erased marker draws nothing";
}

TEST(SmithPlane, FitsTheChartToTheUnitCircle) {
  TestPlane plane;
  plane.pixelsPerUnit = 120.0;
  SmithPlane smith(nullptr, &plane);
  smith.Update();
  const SmithGit* grid = smith.GetGrid();
  EXPECT_EQ(grid->GetX(), 200 - 120);
  EXPECT_EQ(grid->GetY(), 150 + 120);
  EXPECT_EQ(grid->GetWidth(), 240);
}

}  // namespace
