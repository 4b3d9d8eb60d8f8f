// What the circuit view shows while a symbol moves and after its pins change, scrolled or not.

#include "editor/desktop/CVostraneView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "editor/desktop/tests/ViewFixture.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "pf/cairo_dc.h"

namespace {

constexpr pf::ColorRef kWhite = pf::Rgb(255, 255, 255);
constexpr pf::ColorRef kBlack = pf::Rgb(0, 0, 0);

class ViewTest : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    view->MoveWindow({0, 0, 500, 400});
  }

  // A resistor-like part from a to b, placed as the view places it.
  ZweiPolSymbol& Add(Point a, Point b) {
    auto* s = new ZweiPolSymbol(a, b);
    s->classKey = "WIDERSTAND";
    s->UpdateGeometry();
    s->SetView(view);
    Doc().AddSymbol(s);
    view->OccupySymbol(*s);
    return *s;
  }

  pf::ColorRef PixelAt(const pf::CairoDc& screen, Point drawing) {
    const pf::Point p = view->LogicalToClient(pf::Point{drawing.x, drawing.y});
    return screen.GetPixel(p.x, p.y);
  }
};

// The dotted frame of a selected part follows the mouse whole while the part moves and stays
// around it where it lands; none is left at the old place. The frame's top row runs above the
// part's body, over nothing else.
TEST_F(ViewTest, AMovingSelectionShowsOneWholeFrame) {
  const struct {
    const char* what;
    Point to;  // where the part's middle is dragged from (150, 100)
  } cases[] = {
      {"two steps right, half over the old place", {200, 100}},
      {"one step right", {175, 100}},
      {"up and right", {200, 75}},
  };
  for (const auto& c : cases) {
    ZweiPolSymbol& part = Add({100, 100}, {200, 100});
    const pf::Rect before = part.GetRect();
    headless.Click(*view, {150, 100});
    ASSERT_EQ(view->GetSelected(), &part) << c.what;
    headless.MouseDown(*view, {150, 100});
    headless.MouseMove(*view, {c.to.x, c.to.y});
    const pf::Rect after = before.Offset(c.to.x - 150, c.to.y - 100);
    for (const bool released : {false, true}) {
      if (released) headless.MouseUp(*view, {c.to.x, c.to.y});
      const std::string when = std::string(c.what) + (released ? ", released" : ", moving");
      const std::unique_ptr<pf::CairoDc> screen = headless.Render(*view);
      ASSERT_NE(screen, nullptr);
      std::string row, expected;
      for (int x = std::min(before.left, after.left); x < std::max(before.right, after.right);
           ++x) {
        const bool dot = x >= after.left && x < after.right && (x - after.left) % 2 == 0;
        expected += dot ? '*' : '.';
        const pf::ColorRef pixel = PixelAt(*screen, {x, after.top});
        row += pixel == kBlack ? '*' : pixel == kWhite ? '.' : '?';
      }
      EXPECT_EQ(row, expected) << when;
      if (before.top != after.top) {
        EXPECT_EQ(PixelAt(*screen, {before.left, before.top}), kWhite) << when;
      }
    }
    EXPECT_EQ(part.GetRect(), after) << c.what;
    view->DeleteSelection();
  }
}

// A pin mark that changes colour is repainted where the view shows it, however far the view is
// scrolled.
TEST_F(ViewTest, PinMarksAreRepaintedWhereTheScrolledViewShowsThem) {
  ZweiPolSymbol& part = Add({600, 600}, {700, 600});
  const Point inMark(600, 599);  // beside the lead, inside the mark
  const pf::ColorRef kRed = pf::Rgb(255, 0, 0);
  for (const pf::Point scroll : {pf::Point{400, 400}, pf::Point{300, 590}}) {
    view->ScrollToPosition(scroll);
    ASSERT_EQ(view->GetScrollPosition(), scroll);
    ASSERT_EQ(PixelAt(*headless.Render(*view), inMark), kRed) << scroll.x;
    part.SetPinConnected(0);
    EXPECT_EQ(PixelAt(*headless.Render(*view), inMark), kBlack) << scroll.x;
    part.SetPinOpen(0);
    EXPECT_EQ(PixelAt(*headless.Render(*view), inMark), kRed) << scroll.x;
  }
}

}  // namespace

namespace {

// A symbol made without a gesture goes two grid rows below the lowest symbol, where its run and
// the rows beside it are free; on a circuit that reaches the bottom the first free run from the
// top serves; a grid without one gives none.
TEST_F(ViewTest, FreePlaceBelowTheCircuit) {
  constexpr int G = CVostraneView::kGridSpacing;
  EXPECT_EQ(view->FreePlaceBelowCircuit(4 * G), Point(2 * G, 2 * G));
  const ZweiPolSymbol& part = Add(Point(4 * G, 10 * G), Point(8 * G, 10 * G));
  const std::optional<Point> below = view->FreePlaceBelowCircuit(4 * G);
  ASSERT_TRUE(below.has_value());
  EXPECT_EQ(below->x, 2 * G);
  EXPECT_GE(below->y, part.GetRect().bottom + G);
  EXPECT_LE(below->y, part.GetRect().bottom + 2 * G);
  Add(Point(4 * G, 47 * G), Point(8 * G, 47 * G));
  EXPECT_EQ(view->FreePlaceBelowCircuit(4 * G), Point(2 * G, 2 * G));
  EXPECT_FALSE(view->FreePlaceBelowCircuit(60 * G).has_value());
}

}  // namespace
