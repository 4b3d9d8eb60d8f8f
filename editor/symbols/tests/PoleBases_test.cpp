#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/symbols/DreiPolSymbol.h"
#include "editor/symbols/EinPolSymbol.h"
#include "editor/symbols/MultiPolSymbol.h"
#include "editor/symbols/VierPolSymbol.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "pf/recording_dc.h"

namespace {

using Maker = std::unique_ptr<NetSymbol> (*)(Point, Point);

template <class S>
std::unique_ptr<NetSymbol> Make(Point a, Point b) {
  return std::make_unique<S>(a, b);
}

// Only the leads (no body, corner line or pin marks), as "x1 y1 x2 y2|...".
std::string Leads(NetSymbol& s) {
  s.transparent = 1;
  s.drawCornerLine = 0;
  s.drawPinMarks = 0;
  pf::RecordingDc dc;
  s.Draw(dc);
  std::string leads;
  for (const std::string& line : dc.Log()) {
    if (!leads.empty()) leads += '|';
    leads.append(line, 5);  // behind "Line "
  }
  return leads;
}

TEST(PoleBasesTest, GeometryAndLeadsInEveryOrientation) {
  const Point r[2] = {{100, 100}, {200, 100}}, l[2] = {{200, 100}, {100, 100}};
  const Point u[2] = {{100, 100}, {100, 200}}, o[2] = {{100, 200}, {100, 100}};
  struct Case {
    Maker make;
    const Point* pins;
    Point centre;
    const char* leads;
  };
  const Maker ein = Make<EinPolSymbol>, zwei = Make<ZweiPolSymbol>, drei = Make<DreiPolSymbol>;
  const Maker vier = Make<VierPolSymbol>, multi = Make<MultiPolSymbol>;
  const Case cases[] = {
      {ein, r, {150, 100}, "100 100 125 100"},
      {ein, l, {150, 100}, "200 100 175 100"},
      {ein, u, {100, 150}, "100 100 100 125"},
      {zwei, r, {150, 100}, "99 100 125 100|201 100 175 100"},
      {zwei, u, {100, 150}, "100 99 100 125|100 201 100 175"},
      // Dragged either way, pin 1 ends left of (above) pin 2 and pin 3 below (left of) it.
      {drei, r, {150, 107}, "100 100 130 100|200 100 170 100|150 125 150 119"},
      {drei, l, {150, 107}, "100 100 130 100|200 100 170 100|150 125 150 119"},
      {drei, u, {93, 150}, "100 100 100 130|100 200 100 170|75 150 81 150"},
      {vier, r, {150, 112}, "100 100 133 100|200 100 167 100|100 125 133 125|200 125 167 125"},
      {vier, l, {150, 88}, "200 100 167 100|100 100 133 100|200 75 167 75|100 75 133 75"},
      {vier, u, {88, 150}, "100 100 100 133|100 200 100 167|75 100 75 133|75 200 75 167"},
      {vier, o, {112, 150}, "100 200 100 167|100 100 100 133|125 200 125 167|125 100 125 133"},
      {multi, r, {150, 100}, "99 100 120 100|201 100 180 100"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    std::unique_ptr<NetSymbol> s = c.make(c.pins[0], c.pins[1]);
    s->UpdateGeometry();
    EXPECT_EQ(s->GetCentre(), c.centre) << "case " << i;
    EXPECT_EQ(Leads(*s), c.leads) << "case " << i;
  }
}

TEST(PoleBasesTest, MultiPolePlacementByPinCountAndVariant) {
  struct Case {
    int pins;
    char variant;
    Point p1, p2;
    Point centre;
    std::vector<Point> placed;  // pins 2 and up
  };
  const Case cases[] = {
      {2, 'B', {100, 100}, {200, 100}, {150, 100}, {{150, 150}}},
      {3, 'B', {100, 100}, {100, 200}, {100, 150}, {{150, 175}, {50, 175}}},
      {5,
       'A',
       {200, 200},
       {100, 200},
       {150, 175},
       {{100, 175}, {150, 125}, {150, 225}, {200, 150}}},
      {2, 'D', {100, 100}, {200, 100}, {0, 0}, {{200, 100}}},  // nothing placed
  };
  for (const Case& c : cases) {
    MultiPolSymbol s(c.p1, c.p2);
    s.pinCount = c.pins;
    s.variant = c.variant;
    s.UpdateGeometry();
    EXPECT_EQ(s.GetCentre(), c.centre) << c.pins << c.variant;
    for (size_t i = 0; i < c.placed.size(); ++i) EXPECT_EQ(s.pins[i + 1], c.placed[i]);
  }
  MultiPolSymbol b(Point(100, 100), Point(100, 200));
  b.pinCount = 3;
  b.variant = 'B';
  b.UpdateGeometry();
  EXPECT_EQ(b.width, 100);
  EXPECT_EQ(b.height, 100);
  EXPECT_EQ(Leads(b), "100 100 100 120|150 175 120 175|50 175 80 175");
  b.pins[1] = Point(200, 100);
  b.orientation = 'R';
  b.PlaceThirdPin();
  EXPECT_EQ(b.pins[2], Point(150, 150));
}

// The view places a dragged symbol once more as it inserts it. Where the placement takes pin 2
// off the axis of the drag, the symbol still lies (R, L) or stands (O, U) as it was dragged.
TEST(PoleBasesTest, PlacingAgainKeepsTheDirectionOfTheDrag) {
  const struct {
    char orientation;
    Point by;
  } drags[] = {{'R', {100, 0}}, {'L', {-100, 0}}, {'O', {0, -100}}, {'U', {0, 100}}};
  const struct {
    int pins;
    char variant;
  } kinds[] = {{2, 'B'}, {2, 'C'}, {3, 'B'}, {4, 'B'}, {5, 'A'}};
  for (const auto& kind : kinds) {
    for (const auto& drag : drags) {
      SCOPED_TRACE(std::to_string(kind.pins) + kind.variant + " " + drag.orientation);
      MultiPolSymbol s(Point(200, 200), Point(200, 200) + drag.by);
      s.pinCount = kind.pins;
      s.variant = kind.variant;
      s.UpdateGeometry();
      const std::vector<Point> placed(s.pins.begin(), s.pins.begin() + kind.pins);
      const Point centre = s.GetCentre();
      s.UpdateGeometry();
      EXPECT_EQ(s.orientation, drag.orientation);
      EXPECT_EQ(s.horizontal, drag.by.y == 0 ? 1 : 0);
      EXPECT_EQ(std::vector<Point>(s.pins.begin(), s.pins.begin() + kind.pins), placed);
      EXPECT_EQ(s.GetCentre(), centre);
    }
  }
}

TEST(PoleBasesTest, PictureTurnsWithTheOrientation) {
  pf::Bitmap picture(2, 2);
  for (int i = 0; i < 4; ++i) picture.SetPixel(i % 2, i / 2, static_cast<pf::ColorRef>(i + 1));
  for (auto [orientation, pixels] :
       {std::pair{'R', "1234"}, {'L', "4321"}, {'O', "2413"}, {'U', "3142"}}) {
    const pf::Bitmap turned = MultiPolSymbol::Turned(picture, orientation);
    std::string seen;
    for (int i = 0; i < 4; ++i) seen += static_cast<char>('0' + turned.GetPixel(i % 2, i / 2));
    EXPECT_EQ(seen, pixels) << orientation;
  }
  MultiPolSymbol s(Point(100, 100), Point(200, 100));
  s.UpdateGeometry();
  s.bitmap = std::make_unique<pf::Bitmap>(picture);
  pf::RecordingDc dc;
  s.Draw(dc);
  EXPECT_EQ(dc.Log()[5], "BitBlt 149 99 151 101");
}

// An oblong picture turned by a quarter keeps every pixel: 3 x 2 becomes 2 x 3.
TEST(PoleBasesTest, OblongPictureTurnsWhole) {
  pf::Bitmap picture(3, 2);
  for (int i = 0; i < 6; ++i) picture.SetPixel(i % 3, i / 3, static_cast<pf::ColorRef>(i + 1));
  for (auto [orientation, pixels] : {std::pair{'O', "362514"}, {'U', "415263"}}) {
    const pf::Bitmap turned = MultiPolSymbol::Turned(picture, orientation);
    ASSERT_EQ(turned.Width(), 2) << orientation;
    ASSERT_EQ(turned.Height(), 3) << orientation;
    std::string seen;
    for (int i = 0; i < 6; ++i) seen += static_cast<char>('0' + turned.GetPixel(i % 2, i / 2));
    EXPECT_EQ(seen, pixels) << orientation;
  }
}

TEST(PoleBasesTest, SmdPartsPlaceTheirSecondPinInTheLayout) {
  struct Case {
    Point p2;
    LPoint second;
  };
  for (const Case& c : {Case{{200, 100}, {6000, 2000}}, Case{{100, 0}, {1000, 7000}}}) {
    ZweiPolSymbol s(Point(100, 100), c.p2);
    s.UpdateGeometry();
    s.smdFlag = 1;
    s.SetOrigin(s.pins[1], c.second);
    std::vector<DoublePoint> pins;
    s.VisitPins(pins);
    ASSERT_EQ(pins.size(), 2u);
    EXPECT_EQ(pins[0], DoublePoint(s.pins[0], LPoint(1000, 2000)));
    EXPECT_EQ(pins[1], DoublePoint(s.pins[1], c.second));
  }
  ZweiPolSymbol plain;
  plain.SetOrigin(plain.pins[1], LPoint(7, 8));
  std::vector<DoublePoint> pins;
  plain.VisitPins(pins);
  EXPECT_EQ(pins[1].second.x, 7);
}

}  // namespace
